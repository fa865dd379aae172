#include "tools/fuzz/Mutator.h"

std::uint32_t Mutator::Next() {  // xorshift64*
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

std::string Mutator::Mutate(const std::string& seed) {
  std::string bytes = seed;
  for (int n = 1 + static_cast<int>(Below(4)); n > 0; --n) {
    switch (Below(5)) {
      case 0: FlipBits(bytes); break;
      case 1: Truncate(bytes); break;
      case 2: Insert(bytes); break;
      case 3: Duplicate(bytes); break;
      default: HugeLength(bytes); break;
    }
  }
  return bytes;
}

void Mutator::FlipBits(std::string& bytes) {
  if (bytes.empty()) return;
  for (int n = 1 + static_cast<int>(Below(8)); n > 0; --n) bytes[Below(bytes.size())] ^= static_cast<char>(1u << Below(8));
}

void Mutator::Truncate(std::string& bytes) { bytes.resize(Below(bytes.size() + 1)); }

void Mutator::Insert(std::string& bytes) {
  std::string added(1 + Below(64), '\0');
  for (char& c : added) c = static_cast<char>(Next());
  bytes.insert(Below(bytes.size() + 1), added);
}

void Mutator::Duplicate(std::string& bytes) {
  if (bytes.empty()) return;
  std::size_t from = Below(bytes.size());
  std::string stretch = bytes.substr(from, 1 + Below(bytes.size() - from));
  for (int n = 1 + static_cast<int>(Below(3)); n > 0; --n) bytes.insert(Below(bytes.size() + 1), stretch);
}

// Four bytes somewhere become a length no file can hold, in either byte order.
void Mutator::HugeLength(std::string& bytes) {
  if (bytes.size() < 4) return;
  static const std::uint32_t values[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x00FFFFFFu, 0x0000FFFFu, 0x40000000u};
  std::uint32_t value = values[Below(std::size(values))];
  std::size_t at = Below(bytes.size() - 3);
  bool big = Below(2) == 0;
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * (big ? 3 - i : i)));
}
