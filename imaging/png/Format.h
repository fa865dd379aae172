// The PNG header record and what follows from its colour type and bit depth: which
// pairs exist, the bitmap format that holds the decoded picture, and row sizes.
#pragma once

#include <cstdint>

namespace png {

enum ColorType : std::uint8_t {
  kGray = 0,
  kRgb = 2,
  kPalette = 3,
  kGrayAlpha = 4,
  kRgbAlpha = 6,
};

// The 13 bytes of IHDR in their file order (Width and Height in host order).
struct Header {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint8_t BitDepth = 0;
  std::uint8_t ColorType = 0;
  std::uint8_t CompressionMethod = 0;
  std::uint8_t FilterMethod = 0;
  std::uint8_t InterlaceMethod = 0;
};

// Largest side a header may give, and the default ceiling of a decoded picture's
// memory (bitmap plus side planes).
constexpr std::uint32_t kMaxSide = 65535;
constexpr std::uint64_t kMaxImageBytes = std::uint64_t(128) << 20;

// The colour type and depth pairs of the PNG standard.
bool IsValidPair(std::uint8_t colorType, std::uint8_t bitDepth);
// Bits per pixel of the bitmap holding the picture; 0 for an invalid pair.
int BitmapBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth);
// Gray and palette types keep a palette in the bitmap.
bool HasBitmapPalette(std::uint8_t colorType);
bool HasAlphaPlane(std::uint8_t colorType);
inline bool HasExtraPlane(std::uint8_t bitDepth) { return bitDepth == 16; }
// Bytes of one bitmap row, padded to 32 bits.
std::uint32_t BitmapStride(int bitsPerPixel, std::uint32_t width);
// Memory of a decoded picture: bitmap, alpha and extra planes.
std::uint64_t ImageBytes(const Header& header);

// Bytes of `pixels` pixels in a PNG row (without the filter byte); 0 for an invalid pair.
std::uint32_t RowBytes(std::uint8_t colorType, std::uint8_t bitDepth, std::uint32_t pixels);
// Bytes per complete pixel: the distance to the left neighbour in the filters.
std::uint32_t PixelOffset(std::uint8_t colorType, std::uint8_t bitDepth);

// Adam7 pass tables, pass 0 to 6.
struct Adam7Pass {
  std::uint32_t row, column, rowStep, columnStep;
};
constexpr Adam7Pass kAdam7[7] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                 {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};
// Pixels per row of a pass for an image `width` wide.
inline std::uint32_t PassWidth(const Adam7Pass& pass, std::uint32_t width) {
  return width > pass.column ? (width - pass.column + pass.columnStep - 1) / pass.columnStep : 0;
}

}  // namespace png
