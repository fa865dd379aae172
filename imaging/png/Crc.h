// The CRC-32 of PNG chunks (reflected, polynomial 0xEDB88320).
#pragma once

#include <cstddef>
#include <cstdint>

// The register updated over `length` bytes, without the initial and final inversion.
// Runs on zlib's CRC routine, which computes the same sums faster.
std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length);

namespace png {
// The CRC stored after a chunk: over the 4 name bytes and the data.
std::uint32_t ChunkCrc(const char* name, const void* data, std::size_t size);
// update_crc byte by byte from a 256-entry table built on first use: the plain
// version the fast one is checked against.
std::uint32_t UpdateCrcReference(std::uint32_t crc, const void* buffer, std::size_t length);
}  // namespace png
