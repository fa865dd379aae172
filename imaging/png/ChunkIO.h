// Reading and writing one chunk's frame: length, name, data and CRC.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/io/Streams.h"

namespace png {

// Writes length (big-endian), the 4 name bytes, the data and the CRC.
void WriteChunk(TStream& stream, const char* name, const std::uint8_t* data, std::uint32_t size);
// Reads `size` data bytes and the CRC into `data`; true when the CRC matches. A
// stream too short for the data gives false without allocating the missing part.
bool ReadChunkData(TStream& stream, const char* name, std::uint32_t size, std::vector<std::uint8_t>& data);
// Reads a 4-byte big-endian value; false at the end of the stream.
bool ReadBE32(TStream& stream, std::uint32_t& value);
// Bytes left in the stream from its position.
std::int64_t Remaining(TStream& stream);

}  // namespace png
