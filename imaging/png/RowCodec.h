// Moving one unfiltered PNG row into the picture's bitmap and planes and back, for
// every colour type and depth, whole rows and Adam7 pass rows alike.
#pragma once

#include <cstdint>

#include "imaging/png/Format.h"

namespace png {

// Where a row goes: the bitmap row, the extra and the alpha plane rows (or null),
// and the columns it covers: column = start + k * step for pass pixel k.
struct RowTarget {
  std::uint8_t* bits;
  std::uint8_t* extra;
  std::uint8_t* alpha;
  std::uint32_t start;
  std::uint32_t step;
  std::uint32_t count;
};

using RowDecoder = void (*)(const std::uint8_t* src, const RowTarget& to, const std::uint8_t* gamma);
using RowEncoder = void (*)(std::uint8_t* dst, const RowTarget& from, const std::uint8_t* inverse);

// The routine for a valid pair. A 2-bit gray sample v becomes the 4-bit v * 5, so
// the 16-entry gray ramp shows 0, 85, 170 and 255.
RowDecoder DecoderFor(std::uint8_t colorType, std::uint8_t bitDepth);
// Without a gamma correction (`gamma` the identity), the decoder for a pair whose
// samples move without a table look-up, when there is a faster one than DecoderFor's;
// else DecoderFor's. Picks DecoderFor's alone while the fast decoders are off.
RowDecoder DecoderFor(std::uint8_t colorType, std::uint8_t bitDepth, const std::uint8_t* gamma);
// Turns those fast decoders off (they are on), for comparing them with the plain ones.
void SetFastRowDecode(bool enabled);
// Writing: depth 2 pictures are written as depth 4. 16-bit samples take their low
// byte from the extra plane.
RowEncoder EncoderFor(std::uint8_t colorType, std::uint8_t bitDepth);

}  // namespace png
