// An index of names for the readers of INI-like text: name hashes to numbers (lines,
// entries or sections), with open addressing and linear probing, at most half full.
// Each slot keeps its hash, so growing needs no names; the caller keeps the names
// and says which number's name is the one looked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class NameIndex {
public:
  static constexpr std::size_t kNone = SIZE_MAX;

  void Reset(std::size_t names);  // empty, with room for `names` without growing
  // The number whose name `same(number)` accepts among those of `hash`, or kNone.
  template <class Same>
  std::size_t Find(std::size_t hash, Same same) const {
    if (slots_.empty()) return kNone;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.number == kNone) return kNone;
      if (slot.hash == hash && same(slot.number)) return slot.number;
    }
  }
  void Add(std::size_t hash, std::size_t number);  // a name not in the index yet
  std::size_t Count() const { return count_; }

private:
  struct Slot {
    std::size_t hash;
    std::size_t number;  // kNone: empty
  };
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};
