#include "platform/io/NameIndex.h"

#include <utility>

void NameIndex::Reset(std::size_t names) {
  count_ = 0;
  if (names == 0) return slots_.clear();
  std::size_t size = 8;
  while (size < 2 * names) size *= 2;
  slots_.assign(size, Slot{0, kNone});
}

void NameIndex::Add(std::size_t hash, std::size_t number) {
  if (2 * (count_ + 1) > slots_.size()) {
    std::vector<Slot> old = std::move(slots_);
    Reset(2 * count_ + 1);
    for (const Slot& slot : old)
      if (slot.number != kNone) Add(slot.hash, slot.number);
  }
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  while (slots_[at].number != kNone) at = (at + 1) & mask;
  slots_[at] = Slot{hash, number};
  ++count_;
}
