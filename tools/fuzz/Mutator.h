// Seeded mutations of a parser's input: bit flips, truncations, insertions,
// duplicated stretches (a chunk or a section twice) and huge length fields. The
// same seed and input number always give the same bytes, so a finding replays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Mutator {
public:
  explicit Mutator(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  // One to four mutations of `seed`.
  std::string Mutate(const std::string& seed);

private:
  std::uint32_t Next();
  std::size_t Below(std::size_t bound) { return bound ? Next() % bound : 0; }
  void FlipBits(std::string& bytes);
  void Truncate(std::string& bytes);
  void Insert(std::string& bytes);
  void Duplicate(std::string& bytes);
  void HugeLength(std::string& bytes);

  std::uint64_t state_;
};
