// Hashing the names of INI-like files eight bytes at a time, exactly or with ASCII
// letters folded to upper case, for the open-addressed name tables of their readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace name_hash {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// Up to eight bytes as a little-endian word, without reading past them.
inline std::uint64_t Word(const char* bytes, std::size_t count) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i) word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  return word;
}

// Each byte 'a'..'z' of `word` made upper case, the others left as they are. No sum
// carries into the next byte: the low seven bits plus 0x1F stay under 0x100.
inline std::uint64_t Folded(std::uint64_t word) {
  const std::uint64_t low = word & (0x7F * kOnes);
  const std::uint64_t fromA = low + (0x80 - 'a') * kOnes;      // bit 7 set where byte >= 'a'
  const std::uint64_t pastZ = low + (0x80 - 'z' - 1) * kOnes;  // bit 7 set where byte > 'z'
  const std::uint64_t lower = fromA & ~pastZ & ~word & (0x80 * kOnes);
  return word ^ (lower >> 2);
}

inline std::uint64_t Mixed(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
  return (hash << 27) | (hash >> 37);
}

// Every bit of `hash` spread over the low bits that pick a slot (MurmurHash3's finaliser).
inline std::uint64_t Finished(std::uint64_t hash) {
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDull;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ull;
  return hash ^ (hash >> 33);
}

}  // namespace name_hash

// A hash of the `size` bytes at `name`, equal for names that differ only in the case
// of ASCII letters when `foldCase` is set. Pointer and size, not a view: on 64-bit
// Windows a view is passed through memory.
inline std::size_t NameHash(const char* name, std::size_t size, bool foldCase) {
  std::uint64_t hash = 0x243F6A8885A308D3ull ^ size;
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    const std::uint64_t word = name_hash::Word(name + at, 8);
    hash = name_hash::Mixed(hash, foldCase ? name_hash::Folded(word) : word);
  }
  if (at < size) {
    const std::uint64_t word = name_hash::Word(name + at, size - at);
    hash = name_hash::Mixed(hash, foldCase ? name_hash::Folded(word) : word);
  }
  return static_cast<std::size_t>(name_hash::Finished(hash));
}

inline std::size_t NameHash(std::string_view name, bool foldCase) { return NameHash(name.data(), name.size(), foldCase); }
