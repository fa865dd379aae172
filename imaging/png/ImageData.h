// The image data of a PNG: the consecutive IDAT chunks as one zlib stream, decoded
// into the picture's storage, and the picture encoded back into IDAT chunks.
#pragma once

#include <cstdint>

#include "imaging/png/Filters.h"
#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "platform/io/Streams.h"

namespace png {

// Decodes with the stream at the data of the first IDAT chunk (`size` bytes) and
// leaves it after the CRC of the last IDAT chunk consumed. Rows that the data do
// not reach stay zero. Throws Failure: kInvalidCrc (a chunk's CRC differs, or the
// stream ends inside the data), kMissingMultipleIdat (the data continue into a
// chunk not named IDAT), kZlibError, kUnexpectedEnd (the compressed stream ends or
// stops making progress before the last row). The store counts the rows the data
// did not reach (MissingRows), whether or not decoding failed.
// With a colour `key` (one sample for grey, three for RGB, at the image's bit depth)
// the store's key plane marks the pixels whose stored samples equal it.
void DecodeImageData(TStream& stream, std::uint32_t size, const Header& header, ImageStore& store,
                     const std::uint8_t* gamma, const std::uint16_t* key = nullptr);

struct EncodeOptions {
  FilterSet filters;
  int compressionLevel;
  std::uint32_t maxIdatSize;
  const std::uint8_t* inverseGamma;
};

// Writes the picture as one zlib stream cut into IDAT chunks of maxIdatSize bytes
// (the last one shorter). `header` is the written header (depth 2 already 4).
void EncodeImageData(TStream& stream, const Header& header, const ImageStore& store, const EncodeOptions& options);

}  // namespace png
