// TRzIntegerList: a list of 32-bit integers with an optional value range, an
// optional sorted mode with a duplicates policy, and its own stream form ("Min",
// "Max" and "Integers"). Every operation that another one uses is virtual, so a
// descendant that overrides one changes the others that call it.
#pragma once

#include <vector>

#include "platform/core/Strings.h"
#include "platform/core/Persistent.h"

// A value outside the list's range, or a bound that would leave values outside it.
VARNEL_EXCEPTION(EOutOfRange, EListError);

class TRzIntegerList : public TPersistent {
public:
  TRzIntegerList() = default;
  ~TRzIntegerList() override = default;

  int Count() const { return static_cast<int>(items_.size()); }
  // EListError "List index out of bounds (%d)" outside 0..Count-1.
  Integer GetItem(int index) const;
  Integer operator[](int index) const { return GetItem(index); }
  Integer Min() const { return min_; }
  Integer Max() const { return max_; }
  bool Sorted() const { return sorted_; }
  // What Add and InsertNumber do with a value already present (see InsertNumber).
  TDuplicates Duplicates = dupIgnore;

  // Whether the range is in force and holds the value: a range of Min = Max is off.
  bool InRange(Integer value) const { return min_ == max_ || (value >= min_ && value <= max_); }

  // Refuses (raises) a value outside the range; neither order nor duplicates are checked.
  virtual void SetItem(int index, Integer value);
  // Binary search of a list in ascending order: true when found; `index` is the
  // match (the first equal one with dupAccept) or the insertion point.
  virtual bool Find(Integer value, int& index) const;
  // Ascending quicksort; does nothing on a list already marked Sorted.
  virtual void Sort();
  // Appends (unsorted) or inserts at the sorted place; answers the position.
  virtual int Add(Integer value);
  // Adds every value of `list` in order; stops at the first one refused.
  virtual void AddIntegers(const TRzIntegerList* list);
  virtual void Clear();
  virtual void Delete(int index);
  virtual void Exchange(int index1, int index2);
  virtual int IndexOf(Integer value) const;
  // Inserts at a position (Count appends); refused in a sorted list.
  virtual void Insert(int index, Integer value);
  // The step Add and Insert share: range first, then dupIgnore drops a value
  // already present, then the value goes in. So an unsorted list lets duplicates
  // in with both dupError and dupAccept: only a sorted Add raises for dupError.
  virtual void InsertNumber(int index, Integer value);
  virtual void Move(int curIndex, int newIndex);

  bool Equals(const TRzIntegerList* list) const;
  // Becoming true sorts first; becoming false keeps the order.
  void SetSorted(bool value);
  // Raise when a value of the list lies outside the new bound (range in force or
  // not); the other bound follows so that Min <= Max.
  void SetMin(Integer value);
  void SetMax(Integer value);

  // Copies the values of another integer list through this list's own rules.
  void Assign(const TPersistent* source) override;

protected:
  void DefineProperties(TFiler* filer) override;

private:
  void CheckIndex(int index) const;
  void CheckRange(Integer value) const;
  void QuickSort(int left, int right);

  std::vector<Integer> items_;
  Integer min_ = 0;
  Integer max_ = 0;
  bool sorted_ = false;
};
