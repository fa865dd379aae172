// The CRC-32 of PNG chunks (reflected, polynomial 0xEDB88320), table built once.
#pragma once

#include <cstddef>
#include <cstdint>

// The register updated over `length` bytes, without the initial and final inversion.
std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length);

namespace png {
// The CRC stored after a chunk: over the 4 name bytes and the data.
std::uint32_t ChunkCrc(const char* name, const void* data, std::size_t size);
}  // namespace png
