#include "imaging/png/Format.h"

namespace png {

bool IsValidPair(std::uint8_t colorType, std::uint8_t bitDepth) {
  switch (colorType) {
    case kGray: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case kPalette: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case kRgb:
    case kGrayAlpha:
    case kRgbAlpha: return bitDepth == 8 || bitDepth == 16;
    default: return false;
  }
}

int BitmapBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth) {
  if (!IsValidPair(colorType, bitDepth)) return 0;
  if (colorType == kRgb || colorType == kRgbAlpha) return 24;
  if (bitDepth == 2) return 4;
  if (bitDepth == 16) return 8;
  return bitDepth;
}

bool HasBitmapPalette(std::uint8_t colorType) {
  return colorType == kGray || colorType == kPalette || colorType == kGrayAlpha;
}

bool HasAlphaPlane(std::uint8_t colorType) { return colorType == kGrayAlpha || colorType == kRgbAlpha; }

std::uint32_t BitmapStride(int bitsPerPixel, std::uint32_t width) {
  return std::uint32_t((std::uint64_t(bitsPerPixel) * width + 31) / 32 * 4);
}

std::uint64_t ImageBytes(const Header& header) {
  const int bpp = BitmapBitsPerPixel(header.ColorType, header.BitDepth);
  const std::uint64_t bitmap = std::uint64_t(BitmapStride(bpp, header.Width)) * header.Height;
  std::uint64_t total = bitmap;
  if (HasAlphaPlane(header.ColorType)) total += std::uint64_t(header.Width) * header.Height;
  if (HasExtraPlane(header.BitDepth)) total += bitmap;
  return total;
}

std::uint32_t RowBytes(std::uint8_t colorType, std::uint8_t bitDepth, std::uint32_t pixels) {
  const std::uint64_t n = pixels;
  switch (colorType) {
    case kGray:
    case kPalette: return std::uint32_t((n * bitDepth + 7) / 8);
    case kRgb: return std::uint32_t(n * bitDepth * 3 / 8);
    case kGrayAlpha: return std::uint32_t(n * bitDepth * 2 / 8);
    case kRgbAlpha: return std::uint32_t(n * bitDepth * 4 / 8);
    default: return 0;
  }
}

std::uint32_t PixelOffset(std::uint8_t colorType, std::uint8_t bitDepth) {
  switch (colorType) {
    case kGray: return bitDepth == 16 ? 2 : 1;
    case kPalette: return 1;
    case kRgb: return bitDepth * 3u / 8;
    case kGrayAlpha: return bitDepth / 4u;
    case kRgbAlpha: return bitDepth / 2u;
    default: return 0;
  }
}

}  // namespace png
