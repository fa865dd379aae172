#include "platform/graphics/MappedBitmap.h"

#include <cstring>
#include <vector>

namespace {

RGBQUAD ToQuad(TColor color) {
  const TColor rgb = ColorToRGB(color);
  RGBQUAD quad = {};
  quad.rgbRed = static_cast<BYTE>(rgb & 0xFF);
  quad.rgbGreen = static_cast<BYTE>((rgb >> 8) & 0xFF);
  quad.rgbBlue = static_cast<BYTE>((rgb >> 16) & 0xFF);
  return quad;
}

bool SameRGB(const RGBQUAD& a, const RGBQUAD& b) {
  return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

// The colour-table size of a header, or -1 when the header is not one we read.
int ColorCount(const BITMAPINFOHEADER& header) {
  if (header.biBitCount > 8) return 0;
  if (header.biClrUsed > 0) return header.biClrUsed <= (1u << header.biBitCount) ? int(header.biClrUsed) : -1;
  return 1 << header.biBitCount;
}

}  // namespace

HBITMAP CreateMappedRes(HINSTANCE instance, const char* name, const TColor* oldColors, const TColor* newColors,
                        int count) {
  HRSRC found = ::FindResourceA(instance, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (!found) return nullptr;
  const DWORD size = ::SizeofResource(instance, found);
  HGLOBAL loaded = ::LoadResource(instance, found);
  const auto* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
  if (!data || size < sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof(header));
  const int colors = ColorCount(header);
  if (header.biSize < sizeof(header) || colors < 0 || header.biWidth <= 0 || header.biHeight == 0 ||
      header.biCompression != BI_RGB)
    return nullptr;
  const size_t tableBytes = static_cast<size_t>(colors) * sizeof(RGBQUAD);
  const size_t height = static_cast<size_t>(header.biHeight < 0 ? -static_cast<Int64>(header.biHeight) : header.biHeight);
  const size_t stride = ((static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
  if (size < header.biSize + tableBytes + stride * height) return nullptr;

  std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + tableBytes);
  std::memcpy(info.data(), &header, sizeof(header));
  reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSize = sizeof(BITMAPINFOHEADER);
  auto* table = reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
  std::memcpy(table, data + header.biSize, tableBytes);
  for (int entry = 0; entry < colors; ++entry)
    for (int i = 0; i < count; ++i)
      if (SameRGB(table[entry], ToQuad(oldColors[i]))) {
        table[entry] = ToQuad(newColors[i]);
        break;
      }

  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits,
                                      nullptr, 0);
  if (!bitmap || !bits) return bitmap;
  std::memcpy(bits, data + header.biSize + tableBytes, stride * height);
  ::GdiFlush();
  return bitmap;
}
