// Building PNG streams for the codec tests: chunks with their CRC, image data from
// sample functions for every colour type, depth and interlace, and small helpers.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/io/Streams.h"

namespace pngtest {

using Bytes = std::vector<std::uint8_t>;

// Bytes of a text ("IHDR" -> 49 48 44 52).
Bytes Text(const char* text);
Bytes BE32(std::uint32_t v);
// The 13 IHDR data bytes.
Bytes IhdrData(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace = 0,
               int compression = 0, int filter = 0);
Bytes Compress(const Bytes& raw);

// A PNG stream assembled chunk by chunk.
class PngBuilder {
public:
  PngBuilder();  // starts with the signature
  PngBuilder& Chunk(const char* name, const Bytes& data);
  // A chunk whose stored CRC is off by one.
  PngBuilder& BadCrcChunk(const char* name, const Bytes& data);
  PngBuilder& Ihdr(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace = 0) {
    return Chunk("IHDR", IhdrData(width, height, depth, colorType, interlace));
  }
  // The compressed data cut into IDAT chunks at the given sizes (the rest last).
  PngBuilder& Idat(const Bytes& compressed, const std::vector<std::size_t>& cuts = {});
  PngBuilder& End() { return Chunk("IEND", {}); }
  PngBuilder& Raw(const Bytes& bytes);
  const Bytes& Data() const { return data_; }
  std::string String() const { return std::string(data_.begin(), data_.end()); }

private:
  Bytes data_;
};

// One sample of channel `c` at (x, y), below 2^depth (16-bit samples use the full range).
std::uint32_t Sample(std::uint32_t x, std::uint32_t y, int c, int depth);
int Channels(int colorType);

// The filtered, uncompressed image data of a picture whose samples come from
// Sample(); the filter type of each row cycles through 0..4 starting at `firstFilter`.
Bytes RawImageData(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace,
                   int firstFilter = 0);

// A 4-entry palette pattern for palette pictures: entry i.
std::uint32_t PaletteColor(int i);  // 0x00RRGGBB
Bytes PlteData(int entries);

// A complete picture of Sample() pixels (with PLTE for palette pictures).
Bytes SamplePicture(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace,
                    const std::vector<std::size_t>& idatCuts = {});

// One colour type, bit depth and interlacing of the sample pictures.
struct Format {
  int colorType;
  int depth;
  int interlace;
};
// Every valid pair of colour type and depth, plain and interlaced.
std::vector<Format> AllFormats();
TColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b);
// The colour a reader must give for Sample() pixel (x, y) of a picture in format f.
TColor Expected(const Format& f, std::uint32_t x, std::uint32_t y);

// A memory stream holding bytes, positioned at the start.
void Fill(TMemoryStream& stream, const Bytes& bytes);

}  // namespace pngtest
