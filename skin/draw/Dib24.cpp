#include "skin/draw/Dib24.h"

#include <cstring>

#include "platform/Bitmap.h"

TspDib24::TspDib24(Integer width, Integer height) { Create(width, height); }

TspDib24::TspDib24(HBITMAP source) {
  BITMAP header = {};
  if (!source || !::GetObjectA(source, sizeof(header), &header)) return;
  Create(header.bmWidth, header.bmHeight < 0 ? -header.bmHeight : header.bmHeight);
  if (Empty()) return;
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, source, 0, static_cast<UINT>(height_), bits_, &info_, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
}

TspDib24::TspDib24(const TspDib24& other) {
  Create(other.width_, other.height_);
  if (!Empty()) std::memcpy(bits_, other.bits_, static_cast<size_t>(Size()));
}

TspDib24::~TspDib24() {
  if (section_) ::DeleteObject(section_);
}

void TspDib24::Create(Integer width, Integer height) {
  if (width <= 0 || height <= 0) return;
  Int64 rowLength = (Int64(width) * 3 + 3) / 4 * 4;
  if (rowLength * height > MaxBitmapBytes) return;
  BITMAPINFOHEADER& h = info_.bmiHeader;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = width;
  h.biHeight = -height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  void* bits = nullptr;
  section_ = ::CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!section_) return;
  bits_ = static_cast<Byte*>(bits);
  width_ = width;
  height_ = height;
  rowLength_ = static_cast<Integer>(rowLength);
}
