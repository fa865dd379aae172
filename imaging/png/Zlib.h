// Whole-buffer inflating and deflating through zlib, for compressed text chunks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/core/System.h"

namespace png {

// Inflated text chunks stop here: a zTXt that inflates to more is refused.
constexpr std::size_t kMaxInflatedText = std::size_t(1) << 20;

// Inflates one complete zlib stream; false on a zlib error, a stream that does not
// end, or output beyond `limit` bytes. `out` holds the bytes only on success.
bool InflateWhole(const std::uint8_t* data, std::size_t size, String& out, std::size_t limit = kMaxInflatedText);
// Deflates into one complete zlib stream at `level`; false on a zlib error.
bool DeflateWhole(const std::uint8_t* data, std::size_t size, int level, String& out);

}  // namespace png
