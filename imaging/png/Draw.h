// Drawing a decoded PNG onto a device context: opaque, with one transparent
// colour, or blended with per-pixel or per-entry alpha.
#pragma once

#include <cstdint>

#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "platform/core/WinApi.h"

namespace png {

// StretchDIBits of the whole picture into `rect` (COLORONCOLOR).
void DrawOpaque(HDC dc, const RECT& rect, const Header& header, const ImageStore& store);

// Per-pixel drawing: each picture pixel scaled to `rect` (nearest, truncated) and
// blended over the destination, new = (s * a + (255 - a) * d + 255) >> 8. Alpha
// comes from the alpha plane, from `entryAlpha` by palette index, or, with
// `colorKey` >= 0, is 0 where the pixel's colour equals the key and 255 elsewhere.
// An empty rectangle draws nothing. Throws Failure(kOutOfMemory) when the work
// bitmap cannot be had.
void DrawBlended(HDC dc, RECT rect, const Header& header, const ImageStore& store, const std::uint8_t* entryAlpha,
                 long colorKey);

// The blend of one channel.
inline std::uint8_t BlendChannel(unsigned source, unsigned alpha, unsigned dest) {
  return std::uint8_t((source * alpha + (255 - alpha) * dest + 255) >> 8);
}

// Colour of picture pixel (x, y) as 0x00RRGGBB, and its index for packed formats.
std::uint32_t PixelColor(const Header& header, const ImageStore& store, std::uint32_t x, std::uint32_t y,
                         unsigned* index = nullptr);

}  // namespace png
