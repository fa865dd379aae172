#include "framed/lists/RzIntegerList.h"

#include <utility>

#include "platform/core/SysUtils.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

namespace {

[[noreturn]] void IndexError(int index) { throw EListError(Format("List index out of bounds (%d)", index)); }

}  // namespace

void TRzIntegerList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
}

void TRzIntegerList::CheckRange(Integer value) const {
  if (!InRange(value)) throw EOutOfRange(Format("Value must be within %d..%d", min_, max_));
}

Integer TRzIntegerList::GetItem(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

void TRzIntegerList::SetItem(int index, Integer value) {
  CheckRange(value);
  CheckIndex(index);
  items_[static_cast<size_t>(index)] = value;
}

bool TRzIntegerList::Find(Integer value, int& index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = static_cast<int>((static_cast<unsigned>(lo) + static_cast<unsigned>(hi)) >> 1);
    const Integer at = items_[static_cast<size_t>(mid)];
    if (at < value) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (at == value) {
        found = true;
        if (Duplicates != dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

void TRzIntegerList::QuickSort(int left, int right) {
  while (left < right) {
    int i = left, j = right;
    const Integer pivot = items_[static_cast<size_t>((static_cast<unsigned>(left) + static_cast<unsigned>(right)) >> 1)];
    do {
      while (items_[static_cast<size_t>(i)] < pivot) ++i;
      while (items_[static_cast<size_t>(j)] > pivot) --j;
      if (i <= j) {
        Exchange(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSort(left, j);
    left = i;
  }
}

void TRzIntegerList::Sort() {
  if (sorted_ || Count() <= 1) return;
  QuickSort(0, Count() - 1);
}

int TRzIntegerList::Add(Integer value) {
  int position = Count();
  if (sorted_ && Find(value, position)) {
    if (Duplicates == dupIgnore) return position;
    if (Duplicates == dupError) throw EListError("Duplicates not allowed");
  }
  InsertNumber(position, value);
  return position;
}

void TRzIntegerList::AddIntegers(const TRzIntegerList* list) {
  for (int i = 0; i < list->Count(); ++i) Add(list->GetItem(i));
}

void TRzIntegerList::Clear() { items_.clear(); }

void TRzIntegerList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

void TRzIntegerList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

int TRzIntegerList::IndexOf(Integer value) const {
  if (sorted_) {
    int index = 0;
    return Find(value, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)] == value) return i;
  return -1;
}

void TRzIntegerList::Insert(int index, Integer value) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count()) IndexError(index);
  InsertNumber(index, value);
}

void TRzIntegerList::InsertNumber(int index, Integer value) {
  CheckRange(value);
  if (Duplicates == dupIgnore && IndexOf(value) >= 0) return;
  items_.insert(items_.begin() + index, value);
}

void TRzIntegerList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  const Integer value = items_[static_cast<size_t>(curIndex)];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, value);
}

bool TRzIntegerList::Equals(const TRzIntegerList* list) const { return list && items_ == list->items_; }

void TRzIntegerList::SetSorted(bool value) {
  if (sorted_ == value) return;
  if (value) Sort();
  sorted_ = value;
}

void TRzIntegerList::SetMin(Integer value) {
  if (min_ == value) return;
  for (Integer item : items_)
    if (item < value)
      throw EOutOfRange(Format("Unable to set new minimum value.\rList contains values below %d", value));
  min_ = value;
  if (max_ < min_) max_ = min_;
}

void TRzIntegerList::SetMax(Integer value) {
  if (max_ == value) return;
  for (Integer item : items_)
    if (item > value)
      throw EOutOfRange(Format("Unable to set new maximum value.\rList contains values above %d", value));
  max_ = value;
  if (min_ > max_) min_ = max_;
}

void TRzIntegerList::Assign(const TPersistent* source) {
  if (const auto* list = dynamic_cast<const TRzIntegerList*>(source)) {
    Clear();
    AddIntegers(list);
    return;
  }
  TPersistent::Assign(source);
}

// Definitions have no ancestor to compare with, so the values are written
// whenever there are any. The bounds come first: the values read after them go
// through Add under the range (and the sorting) in force.
void TRzIntegerList::DefineProperties(TFiler* filer) {
  TPersistent::DefineProperties(filer);
  filer->DefineProperty(
      "Min", [this](TReader& reader) { min_ = static_cast<Integer>(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(min_); }, min_ != 0);
  filer->DefineProperty(
      "Max", [this](TReader& reader) { max_ = static_cast<Integer>(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(max_); }, max_ != 0);
  filer->DefineProperty(
      "Integers",
      [this](TReader& reader) {
        reader.ReadListBegin();
        Clear();
        while (!reader.EndOfList()) Add(static_cast<Integer>(reader.ReadInteger()));
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (Integer value : items_) writer.WriteInteger(value);
        writer.WriteListEnd();
      },
      Count() > 0);
}
