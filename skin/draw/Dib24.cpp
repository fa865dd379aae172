#include "skin/draw/Dib24.h"

#include <algorithm>

#include "platform/Bitmap.h"

namespace {

BITMAPINFO Header24(Integer width, Integer height) {
  BITMAPINFO info = {};
  BITMAPINFOHEADER& h = info.bmiHeader;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = width;
  h.biHeight = -height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  return info;
}

}  // namespace

TspDib24::TspDib24(Integer width, Integer height) { Create(width, height); }

TspDib24::TspDib24(HBITMAP source) { Read(source); }

bool TspDib24::Read(HBITMAP source) {
  BITMAP header = {};
  if (!source || !::GetObjectA(source, sizeof(header), &header) ||
      !Create(header.bmWidth, header.bmHeight < 0 ? -header.bmHeight : header.bmHeight)) {
    pixels_.clear();
    width_ = height_ = rowLength_ = 0;
    return false;
  }
  HDC dc = ::CreateCompatibleDC(nullptr);
  ::GetDIBits(dc, source, 0, static_cast<UINT>(height_), pixels_.data(), &info_, DIB_RGB_COLORS);
  ::DeleteDC(dc);
  return true;
}

bool TspDib24::Create(Integer width, Integer height) {
  if (width <= 0 || height <= 0) return false;
  Int64 rowLength = Dib24RowLength(width);
  if (rowLength * height > MaxBitmapBytes) return false;
  pixels_.resize(static_cast<size_t>(rowLength * height));
  width_ = width;
  height_ = height;
  rowLength_ = static_cast<Integer>(rowLength);
  info_ = Header24(width, height);
  return true;
}

void TspDib24::DrawPart(HDC dc, Integer x, Integer y, Integer srcX, Integer srcY, Integer w, Integer h) const {
  if (Empty()) return;
  // Clip the part to the picture, then describe only its rows as a top-down picture.
  if (srcX < 0) w += srcX, x -= srcX, srcX = 0;
  if (srcY < 0) h += srcY, y -= srcY, srcY = 0;
  w = std::min(w, width_ - srcX);
  h = std::min(h, height_ - srcY);
  if (w <= 0 || h <= 0) return;
  BITMAPINFO part = Header24(width_, h);
  ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(w), static_cast<DWORD>(h), srcX, 0, 0, static_cast<UINT>(h),
                      Row(srcY), &part, DIB_RGB_COLORS);
}
