// Big-endian integers as PNG chunks hold them, and the byte swaps of the codec.
#pragma once

#include <cstdint>

namespace png {

inline std::uint32_t ReadBE32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline std::uint16_t ReadBE16(const std::uint8_t* p) { return std::uint16_t((p[0] << 8) | p[1]); }
inline void WriteBE32(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v >> 24);
  p[1] = std::uint8_t(v >> 16);
  p[2] = std::uint8_t(v >> 8);
  p[3] = std::uint8_t(v);
}
inline void WriteBE16(std::uint8_t* p, std::uint16_t v) {
  p[0] = std::uint8_t(v >> 8);
  p[1] = std::uint8_t(v);
}

}  // namespace png

// Reverses the four bytes of a 32-bit value.
inline std::uint32_t ByteSwap(std::uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
// Reverses the two bytes of a 16-bit value.
inline std::uint16_t ByteSwap16(std::uint16_t v) { return std::uint16_t((v >> 8) | (v << 8)); }
