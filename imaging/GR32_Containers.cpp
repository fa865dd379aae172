#include "imaging/GR32_Containers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/core/SysUtils.h"

// ---------------------------------------------------------------------------
// TPointerMap

void** TPointerMap::Add(void* item, void* data, bool& newItem) {
  Integer b, i;
  if (Exists(item, b, i)) {
    newItem = false;
    return &buckets_[b].Items[i].Data;
  }
  Bucket& bucket = buckets_[BucketOf(item)];
  Integer length = Integer(bucket.Items.size());
  if (bucket.Count == length) {
    Integer delta = length > 64 ? length / 4 : (length > 8 ? 16 : 4);
    bucket.Items.resize(length + delta);
  }
  bucket.Items[bucket.Count] = Entry{item, data};
  newItem = true;
  ++count_;
  return &bucket.Items[bucket.Count++].Data;
}

bool TPointerMap::Exists(void* item, Integer& bucketIndex, Integer& itemIndex) const {
  bucketIndex = BucketOf(item);
  const Bucket& bucket = buckets_[bucketIndex];
  for (Integer i = 0; i < bucket.Count; ++i)
    if (bucket.Items[i].Item == item) {
      itemIndex = i;
      return true;
    }
  itemIndex = -1;
  return false;
}

bool TPointerMap::Find(void* item, void**& dataSlot) {
  Integer b, i;
  if (!Exists(item, b, i)) return false;
  dataSlot = &buckets_[b].Items[i].Data;
  return true;
}

void* TPointerMap::Data(void* item) const {
  Integer b, i;
  if (!Exists(item, b, i)) throw EListError(Format("Item not found ($0%x)", Integer(reinterpret_cast<std::uintptr_t>(item))));
  return buckets_[b].Items[i].Data;
}

void TPointerMap::SetData(void* item, void* data) {
  Integer b, i;
  if (!Exists(item, b, i)) throw EListError(Format("Item not found ($0%x)", Integer(reinterpret_cast<std::uintptr_t>(item))));
  buckets_[b].Items[i].Data = data;
}

void* TPointerMap::Remove(void* item) {
  Integer b, i;
  return Exists(item, b, i) ? Delete(b, i) : nullptr;
}

void* TPointerMap::Delete(Integer bucketIndex, Integer itemIndex) {
  if (count_ == 0) return nullptr;
  Bucket& bucket = buckets_[bucketIndex];
  void* data = bucket.Items[itemIndex].Data;
  if (bucket.Count == 1) {
    bucket.Items.clear();
    bucket.Items.shrink_to_fit();
  } else {
    for (Integer i = itemIndex; i < bucket.Count - 1; ++i) bucket.Items[i] = bucket.Items[i + 1];
  }
  --bucket.Count;
  --count_;
  return data;
}

void TPointerMap::Clear() {
  // Delete the items first, then zero the counts: Delete refuses to act on an
  // empty map, so zeroing the map's count first would leave the items behind.
  for (Integer b = 0; b < 256; ++b) {
    for (Integer i = buckets_[b].Count - 1; i >= 0; --i) Delete(b, i);
    buckets_[b].Count = 0;
    buckets_[b].Items.clear();
    buckets_[b].Items.shrink_to_fit();
  }
  count_ = 0;
}

bool TPointerMapIterator::Next() {
  if (index_ > 0) {
    --index_;
  } else {
    index_ = -1;
    while (index_ < 0 && bucket_ < 255) {
      ++bucket_;
      index_ = map_->buckets_[bucket_].Count - 1;
    }
    if (index_ < 0) return false;
  }
  const TPointerMap::Entry& e = map_->buckets_[bucket_].Items[index_];
  Item = e.Item;
  Data = e.Data;
  return true;
}

// ---------------------------------------------------------------------------
// TRectList

TRectList::~TRectList() {
  count_ = 0;
  SetCapacity(0);
}

Integer TRectList::Add(const TRect& rect) {
  if (count_ == capacity_) Grow();
  list_[count_] = rect;
  return count_++;
}

void TRectList::Insert(Integer index, const TRect& rect) {
  if (count_ == capacity_) Grow();
  if (index < count_) std::memmove(list_ + index + 1, list_ + index, std::size_t(count_ - index) * sizeof(TRect));
  list_[index] = rect;
  ++count_;
}

void TRectList::Delete(Integer index) {
  --count_;
  if (index < count_) std::memmove(list_ + index, list_ + index + 1, std::size_t(count_ - index) * sizeof(TRect));
}

void TRectList::Exchange(Integer index1, Integer index2) {
  TRect t = list_[index1];
  list_[index1] = list_[index2];
  list_[index2] = t;
}

void TRectList::Move(Integer curIndex, Integer newIndex) {
  if (curIndex == newIndex) return;
  TRect r = list_[curIndex];
  Delete(curIndex);
  Insert(newIndex, r);
}

Integer TRectList::IndexOf(const TRect& rect) const {
  for (Integer i = 0; i < count_; ++i)
    if (EqualRect(list_[i], rect)) return i;
  return -1;
}

Integer TRectList::Remove(const TRect& rect) {
  Integer i = IndexOf(rect);
  if (i >= 0) Delete(i);
  return i;
}

TRect* TRectList::Items(Integer index) const { return index >= 0 && index < count_ ? list_ + index : nullptr; }

void TRectList::Pack() {
  for (Integer i = count_ - 1; i >= 0; --i)
    if (!Items(i)) Delete(i);
}

void TRectList::SetCount(Integer value) {
  if (value > capacity_) SetCapacity(value);
  if (value > count_) std::fill(list_ + count_, list_ + value, TRect{});
  else
    for (Integer i = count_ - 1; i >= value; --i) Delete(i);
  count_ = value;
}

void TRectList::SetCapacity(Integer value) {
  if (value == capacity_) return;
  if (value == 0) {
    std::free(list_);
    list_ = nullptr;
  } else {
    auto grown = static_cast<TRect*>(std::realloc(list_, std::size_t(value) * sizeof(TRect)));
    if (!grown) throw EOutOfMemory("Out of memory");
    list_ = grown;
  }
  capacity_ = value;
}

void TRectList::Grow() {
  Integer delta = capacity_ > 128 ? capacity_ / 4 : (capacity_ > 8 ? 32 : 8);
  SetCapacity(capacity_ + delta);
}

void TRectList::Clear() {
  count_ = 0;
  SetCapacity(10);
}
