#include "platform/core/Lists.h"

#include <algorithm>
#include <functional>

#include "platform/core/SysUtils.h"

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
}

int TList::Add(void* item) {
  items_.push_back(item);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
  items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

int TList::Remove(void* item) {
  int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  int index = IndexOf(item);
  if (index < 0) return nullptr;
  Delete(index);
  return item;
}

void TList::Clear() { items_.clear(); }

int TList::IndexOf(const void* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[index1], items_[index2]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  void* item = items_[curIndex];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Sort(TListSortCompare compare) {
  // The pivot is compared by value, as the classic sort holds it in a variable.
  void** items = items_.data();
  int right = Count() - 1;
  if (right <= 0) return;
  std::function<void(int, int)> sort = [&](int l, int r) {
    int i;
    do {
      i = l;
      int j = r;
      void* pivot = items[(l + r) >> 1];
      do {
        while (compare(items[i], pivot) < 0) ++i;
        while (compare(items[j], pivot) > 0) --j;
        if (i <= j) {
          std::swap(items[i], items[j]);
          ++i;
          --j;
        }
      } while (i <= j);
      if (l < j) sort(l, j);
      l = i;
    } while (i < r);
  };
  sort(0, right);
}

void TList::SetCount(int count) {
  if (count < 0) throw EListError(Format("List count out of bounds (%d)", count));
  items_.resize(count, nullptr);
}

void TList::SetCapacity(int capacity) {
  if (capacity < Count()) throw EListError(Format("List capacity out of bounds (%d)", capacity));
  items_.reserve(capacity);
}

void* TList::Items(int index) const {
  CheckIndex(index);
  return items_[index];
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  items_[index] = item;
}
