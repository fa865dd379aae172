// The BMP file format: decoding a BMP file from a stream into bottom-up rows of
// a bitmap pixel format, and encoding such rows as a BMP file.
#pragma once

#include <vector>

#include "platform/core/WinApi.h"
#include "platform/graphics/ImageSize.h"
#include "platform/io/Streams.h"

struct BmpPixels {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;     // 1, 4, 8, 16 or 32 after decoding (24 stays 24)
  bool Rgb565 = false;      // 16 bits as 5-6-5 (else 5-5-5)
  std::vector<RGBQUAD> Colors;  // the colour table of 1, 4 and 8 bits
  int Stride = 0;           // bytes per row, a multiple of 4
  std::vector<Byte> Rows;   // bottom row first
};

// Bytes per row of a DIB (rows are padded to 4 bytes).
Int64 DibStride(Int64 width, int bitsPerPixel);

// Reads one BMP file from the stream's position and leaves the position after
// its pixels. Anything malformed or truncated raises EInvalidGraphic, before the
// pixels are allocated when the header claims more than the bytes present hold.
BmpPixels DecodeBmp(TStream& stream, Int64 maxBytes, const ImageLimits& limits = ImageLimits());

void EncodeBmp(TStream& stream, const BmpPixels& pixels);
