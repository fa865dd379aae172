// Small containers of the bitmap library: a pointer map hashed by one byte of the
// key's address, a growable list of rectangles, and the class registries.
#pragma once

#include <vector>

#include "imaging/GR32.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Strings.h"

class TPointerMap : public TObject {
public:
  ~TPointerMap() override { Clear(); }

  void** Add(void* item, void* data, bool& newItem);
  void** Add(void* item) { bool n; return Add(item, nullptr, n); }
  void** Add(void* item, bool& newItem) { return Add(item, nullptr, newItem); }
  void** Add(void* item, void* data) { bool n; return Add(item, data, n); }
  bool Exists(void* item, Integer& bucketIndex, Integer& itemIndex) const;
  bool Contains(void* item) const { Integer b, i; return Exists(item, b, i); }
  bool Find(void* item, void**& dataSlot);
  void* Data(void* item) const;
  void SetData(void* item, void* data);
  void* Remove(void* item);
  virtual void* Delete(Integer bucketIndex, Integer itemIndex);
  void Clear();
  Integer Count() const { return count_; }

  static Integer BucketOf(const void* item) { return Integer((reinterpret_cast<std::uintptr_t>(item) >> 8) & 255); }

private:
  friend class TPointerMapIterator;
  struct Entry {
    void* Item;
    void* Data;
  };
  struct Bucket {
    Integer Count = 0;
    std::vector<Entry> Items;  // its size is the bucket's capacity
  };
  Bucket buckets_[256];
  Integer count_ = 0;
};

class TPointerMapIterator : public TObject {
public:
  explicit TPointerMapIterator(const TPointerMap* map) : map_(map) {}
  bool Next();
  void* Item = nullptr;
  void* Data = nullptr;

private:
  const TPointerMap* map_;
  Integer bucket_ = -1;
  Integer index_ = -1;
};

class TRectList : public TObject {
public:
  ~TRectList() override;
  Integer Add(const TRect& rect);
  void Insert(Integer index, const TRect& rect);
  void Delete(Integer index);
  void Exchange(Integer index1, Integer index2);
  void Move(Integer curIndex, Integer newIndex);
  Integer IndexOf(const TRect& rect) const;
  Integer Remove(const TRect& rect);
  TRect* Items(Integer index) const;
  void Pack();
  Integer Count() const { return count_; }
  void SetCount(Integer value);
  Integer Capacity() const { return capacity_; }
  void SetCapacity(Integer value);
  virtual void Grow();
  virtual void Clear();

private:
  TRect* list_ = nullptr;
  Integer count_ = 0;
  Integer capacity_ = 0;
};

// Appends the registered class names in list order.
template <class Base, class... Args>
void GetClassNames(const TClassList<Base, Args...>& list, TStrings* strings) {
  for (int i = 0; i < list.Count(); ++i) strings->Add(list[i].Name);
}
