#include "imaging/png/Draw.h"

#include <utility>
#include <vector>

#include "imaging/png/Messages.h"

namespace png {

void DrawOpaque(HDC dc, const RECT& rect, const Header& header, const ImageStore& store) {
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0, int(header.Width),
                  int(header.Height), store.Bits(), store.Info(), DIB_RGB_COLORS, SRCCOPY);
}

std::uint32_t PixelColor(const Header& header, const ImageStore& store, std::uint32_t x, std::uint32_t y,
                         unsigned* index) {
  const std::uint8_t* row = store.Row(y);
  const int bpp = store.BitsPerPixel();
  if (bpp == 24) {
    const std::uint8_t* p = row + 3 * x;
    return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
  }
  if (header.ColorType == kGrayAlpha) return store.ColorTableEntry(row[x]);  // the gamma-corrected greys
  const std::uint32_t bit = x * bpp;
  const unsigned i = (row[bit >> 3] >> (8 - bpp - (bit & 7))) & ((1u << bpp) - 1);
  if (index) *index = i;
  return store.ColorTableEntry(i);
}

namespace {

struct WorkBitmap {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  std::uint8_t* bits = nullptr;
  ~WorkBitmap() {
    if (dc && old) ::SelectObject(dc, old);
    if (bitmap) ::DeleteObject(bitmap);
    if (dc) ::DeleteDC(dc);
  }
};

}  // namespace

void DrawBlended(HDC dc, RECT rect, const Header& header, const ImageStore& store, const std::uint8_t* entryAlpha,
                 long colorKey) {
  if (rect.right == rect.left || rect.bottom == rect.top || !store.Ready()) return;
  if (rect.right < rect.left) std::swap(rect.left, rect.right);
  if (rect.bottom < rect.top) std::swap(rect.top, rect.bottom);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;

  WorkBitmap work;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  work.dc = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  if (work.dc) work.bitmap = ::CreateDIBSection(work.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!work.dc || !work.bitmap || !bits) Fail(kOutOfMemory);
  work.bits = static_cast<std::uint8_t*>(bits);
  work.old = ::SelectObject(work.dc, work.bitmap);
  ::BitBlt(work.dc, 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);

  const double factorX = double(w) / header.Width, factorY = double(h) / header.Height;
  const bool scaled = std::uint32_t(w) != header.Width || std::uint32_t(h) != header.Height;
  std::vector<std::uint32_t> columns(w);
  for (int i = 0; i < w; ++i) columns[i] = scaled ? std::uint32_t(i / factorX) : std::uint32_t(i);

  for (int j = 0; j < h; ++j) {
    const std::uint32_t sy = scaled ? std::uint32_t(j / factorY) : std::uint32_t(j);
    const std::uint8_t* alphaRow = store.AlphaRow(sy);
    const std::uint8_t* keyRow = store.KeyRow(sy);
    std::uint8_t* d = work.bits + std::size_t(j) * w * 4;
    for (int i = 0; i < w; ++i, d += 4) {
      const std::uint32_t sx = columns[i];
      unsigned index = 0;
      const std::uint32_t color = PixelColor(header, store, sx, sy, &index);
      unsigned a = 255;
      if (colorKey >= 0) {
        a = (keyRow ? keyRow[sx] != 0 : color == std::uint32_t(colorKey)) ? 0 : 255;
      } else if (alphaRow) {
        a = alphaRow[sx];
      } else if (entryAlpha) {
        a = entryAlpha[index & 255];
      }
      if (a == 0) continue;
      const unsigned r = (color >> 16) & 255, g = (color >> 8) & 255, b = color & 255;
      if (a == 255) {
        d[0] = std::uint8_t(b);
        d[1] = std::uint8_t(g);
        d[2] = std::uint8_t(r);
        continue;
      }
      d[0] = BlendChannel(b, a, d[0]);
      d[1] = BlendChannel(g, a, d[1]);
      d[2] = BlendChannel(r, a, d[2]);
    }
  }
  ::GdiFlush();
  ::BitBlt(dc, rect.left, rect.top, w, h, work.dc, 0, 0, SRCCOPY);
}

}  // namespace png
