#include "skin/draw/Dib24.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"

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

// Pixel stores of pictures that went, for the next pictures to take. Never
// destroyed: pictures kept by other thread-local objects still return their
// stores while the thread ends.
std::vector<std::vector<Byte>>& SparePixels() {
  thread_local auto* spare = new std::vector<std::vector<Byte>>;
  return *spare;
}

constexpr size_t kSpareCount = 4;
constexpr size_t kLargestSpare = size_t(16) << 20;

std::vector<Byte> TakePixels(size_t size) {
  auto& spare = SparePixels();
  for (size_t i = 0; i < spare.size(); ++i) {
    if (spare[i].capacity() < size) continue;
    std::vector<Byte> taken = std::move(spare[i]);
    spare.erase(spare.begin() + static_cast<std::ptrdiff_t>(i));
    return taken;
  }
  return {};
}

}  // namespace

TspDib24::TspDib24(Integer width, Integer height) { Create(width, height, true); }

TspDib24::TspDib24(const TspDib24& other) {
  if (!Create(other.width_, other.height_, false)) return;
  std::copy(other.pixels_.begin(), other.pixels_.end(), pixels_.begin());
}

TspDib24::~TspDib24() {
  auto& spare = SparePixels();
  if (pixels_.capacity() == 0 || pixels_.capacity() > kLargestSpare) return;
  if (spare.size() >= kSpareCount) spare.erase(spare.begin());
  spare.push_back(std::move(pixels_));
}

TspDib24::TspDib24(HBITMAP source) { Read(source); }

bool TspDib24::Read(HBITMAP source) {
  BITMAP header = {};
  if (!source || !::GetObjectA(source, sizeof(header), &header) ||
      !Create(header.bmWidth, header.bmHeight < 0 ? -header.bmHeight : header.bmHeight, false)) {
    pixels_.clear();
    width_ = height_ = rowLength_ = 0;
    return false;
  }
  // One memory DC serves every read of the thread; it lives as long as the thread.
  thread_local HDC dc = ::CreateCompatibleDC(nullptr);
  ::GetDIBits(dc, source, 0, static_cast<UINT>(height_), pixels_.data(), &info_, DIB_RGB_COLORS);
  return true;
}

bool TspDib24::Create(Integer width, Integer height, bool zeroed) {
  if (width <= 0 || height <= 0) return false;
  Int64 rowLength = Dib24RowLength(width);
  if (rowLength * height > MaxBitmapBytes) return false;
  size_t size = static_cast<size_t>(rowLength * height);
  if (pixels_.capacity() < size) pixels_ = TakePixels(size);
  if (zeroed) pixels_.assign(size, 0);
  else pixels_.resize(size);
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
