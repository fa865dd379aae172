// TList: an ordered list of untyped pointers that owns nothing.
#pragma once

#include <vector>

#include "platform/core/Exceptions.h"

using TListSortCompare = int (*)(void* item1, void* item2);

class TList : public TObject {
public:
  ~TList() override = default;

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  int Remove(void* item);  // the index it had, or -1
  void* Extract(void* item);
  void Clear();
  int IndexOf(const void* item) const;
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void Pack();  // drops nil entries
  // Sorts with the classic in-place quick sort: unstable, middle element as pivot.
  void Sort(TListSortCompare compare);

  int Count() const { return static_cast<int>(items_.size()); }
  void SetCount(int count);
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int capacity);
  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* operator[](int index) const { return Items(index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  void** List() { return items_.data(); }

private:
  void CheckIndex(int index) const;
  std::vector<void*> items_;
};

// The quick sort shared by the lists: sorts [left, right] of an indexable sequence
// through a comparison of two indices and an exchange of two indices; the pivot's
// index follows it when it is exchanged.
template <class Compare, class Exchange>
void ClassicQuickSort(int left, int right, Compare compare, Exchange exchange) {
  if (right <= left) return;
  int i;
  do {
    i = left;
    int j = right;
    int pivot = (left + right) >> 1;
    do {
      while (compare(i, pivot) < 0) ++i;
      while (compare(j, pivot) > 0) --j;
      if (i <= j) {
        if (i != j) exchange(i, j);
        if (pivot == i) pivot = j;
        else if (pivot == j) pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) ClassicQuickSort(left, j, compare, exchange);
    left = i;
  } while (i < right);
}
