#include "framed/shell/RzShellIdLists.h"

#include <algorithm>
#include <cstring>

#include "framed/startup/RzShellUtils.h"
#include "platform/core/Exceptions.h"

namespace {

USHORT ItemSize(const BYTE* at) {
  USHORT size;
  std::memcpy(&size, at, sizeof size);
  return size;
}

// The bytes of the items, without the terminator.
int ItemBytes(LPCITEMIDLIST pidl) { return pidl ? IdListLen(pidl) - 2 : 0; }

LPITEMIDLIST Allocate(IMalloc_NRC* malloc, int bytes) {
  void* block = malloc ? malloc->Alloc(bytes) : ShellMemAlloc(bytes);
  if (block) std::memset(block, 0, bytes);
  return static_cast<LPITEMIDLIST>(block);
}

// A list of the first `bytes` item bytes of `pidl`, terminated.
LPITEMIDLIST ListOf(IMalloc_NRC* malloc, const BYTE* items, int bytes) {
  LPITEMIDLIST out = Allocate(malloc, bytes + 2);
  if (out && bytes > 0) std::memcpy(out, items, bytes);
  return out;
}

// The signed low 16 bits of a folder's comparison result.
int ShortResult(HRESULT result) { return static_cast<short>(LOWORD(static_cast<DWORD>(result))); }

}  // namespace

void* ShellMemAlloc(SIZE_T size) { return ShellMalloc ? ShellMalloc->Alloc(size) : nullptr; }

void* ShellMemRealloc(void* block, SIZE_T size) {
  if (!block || !ShellMalloc) return nullptr;
  return ShellMalloc->Realloc(block, size);
}

void ShellMemFree(void* block) {
  if (block && ShellMalloc) ShellMalloc->Free(block);
}

IMalloc_NRC* ShellIMalloc() { return ShellMalloc; }

int IdListLen(LPCITEMIDLIST pidl) {
  if (!pidl) return 0;
  const BYTE* at = reinterpret_cast<const BYTE*>(pidl);
  int length = 2;
  for (USHORT size = ItemSize(at); size != 0; size = ItemSize(at)) {
    length += size;
    at += size;
  }
  return length;
}

LPITEMIDLIST CopyIdList(IMalloc_NRC* malloc, LPCITEMIDLIST pidl) {
  return ListOf(malloc, reinterpret_cast<const BYTE*>(pidl), std::max(0, ItemBytes(pidl)));
}

LPITEMIDLIST ConcatIdLists(IMalloc_NRC* malloc, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) {
  const int first = ItemBytes(pidl1), second = ItemBytes(pidl2);
  LPITEMIDLIST out = Allocate(malloc, first + second + 2);
  if (!out) return nullptr;
  BYTE* at = reinterpret_cast<BYTE*>(out);
  if (first > 0) std::memcpy(at, pidl1, first);
  if (second > 0) std::memcpy(at + first, pidl2, second);
  return out;
}

int CompareAbsIdLists(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) {
  if (!pidl1 && !pidl2) return 0;
  if (!pidl1 || !pidl2) return -1;
  const bool empty1 = IdListLen(pidl1) == 2, empty2 = IdListLen(pidl2) == 2;
  if (empty1 && empty2) return 0;
  if (empty1 || empty2) return -1;
  IShellFolder* desktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&desktop)) || !desktop) return 2147483647;
  auto* folder = reinterpret_cast<IShellFolder_NRC*>(desktop);
  const HRESULT result = folder->CompareIDs(0, pidl1, pidl2);
  folder->Release();
  return FAILED(result) ? 2147483647 : ShortResult(result);
}

// ---- TRzIdListArray ----

TRzIdListArray::~TRzIdListArray() { ShellMemFree(last_); }

void TRzIdListArray::ReplaceLast(LPITEMIDLIST next) {
  ShellMemFree(last_);
  last_ = next;
}

int TRzIdListArray::Count() const {
  if (!pidl_) return 0;
  int count = 0;
  const BYTE* at = reinterpret_cast<const BYTE*>(pidl_);
  for (USHORT size = ItemSize(at); size != 0; size = ItemSize(at), ++count) at += size;
  return count;
}

LPITEMIDLIST TRzIdListArray::Item(int index) {
  ReplaceLast(nullptr);
  const int count = Count();
  if (!pidl_ || index < 0 || (index >= count && count > 0)) return nullptr;
  if (count == 0) {
    ReplaceLast(ListOf(nullptr, nullptr, 0));
    return last_;
  }
  const BYTE* at = reinterpret_cast<const BYTE*>(pidl_);
  for (int i = 0; i < index; ++i) at += ItemSize(at);
  ReplaceLast(ListOf(nullptr, at, ItemSize(at)));
  return last_;
}

LPITEMIDLIST TRzIdListArray::GoUp(int levels) {
  ReplaceLast(nullptr);
  const int keep = Count() - levels;
  if (!pidl_ || keep < 0) return nullptr;
  const BYTE* start = reinterpret_cast<const BYTE*>(pidl_);
  const BYTE* at = start;
  for (int i = 0; i < keep; ++i) at += ItemSize(at);
  ReplaceLast(ListOf(nullptr, start, static_cast<int>(at - start)));
  return last_;
}

// ---- TRzPidlList ----

TRzPidlList::~TRzPidlList() { Clear(); }

int TRzPidlList::Compare(LPCITEMIDLIST entry, LPCITEMIDLIST key) const {
  if (ShellFolder) return ShortResult(ShellFolder->CompareIDs(0, entry, key));
  const int la = IdListLen(entry), lb = IdListLen(key);
  const BYTE* a = reinterpret_cast<const BYTE*>(entry);
  const BYTE* b = reinterpret_cast<const BYTE*>(key);
  for (int i = 0; i < std::min(la, lb); ++i)
    if (a[i] != b[i]) return static_cast<int>(a[i]) - static_cast<int>(b[i]);
  return la - lb;
}

void TRzPidlList::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  if (sorted_) Sort();
}

void TRzPidlList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const TEntry& a, const TEntry& b) { return Compare(a.Pidl, b.Pidl) < 0; });
}

int TRzPidlList::AddObject(LPITEMIDLIST pidl, void* object) {
  int index = Count();
  if (sorted_ && BinarySearch(pidl, index)) {
    if (Duplicates == dupIgnore) return index;
    if (Duplicates == dupError) throw Exception("TRzPidlList: Duplicate PIDL");
  }
  InsertObject(index, pidl, object);
  return index;
}

void TRzPidlList::InsertObject(int index, LPITEMIDLIST pidl, void* object) {
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  items_.insert(items_.begin() + index, TEntry{pidl, object});
}

void TRzPidlList::Delete(int index) {
  if (Malloc) Malloc->Free(items_.at(index).Pidl);
  items_.erase(items_.begin() + index);
}

void TRzPidlList::Clear() {
  if (Malloc)
    for (const TEntry& e : items_) Malloc->Free(e.Pidl);
  items_.clear();
}

int TRzPidlList::IndexOf(LPCITEMIDLIST pidl) const {
  int index = -1;
  const bool found = sorted_ ? BinarySearch(pidl, index) : LinearSearch(pidl, index);
  return found ? index : -1;
}

// With equal entries the search lands on the first one, unless duplicates are
// accepted: then after the last one it examined.
bool TRzPidlList::BinarySearch(LPCITEMIDLIST pidl, int& index) const {
  bool found = false;
  int lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    const int m = (lo + hi) / 2;
    const int c = Compare(items_[m].Pidl, pidl);
    if (c < 0) {
      lo = m + 1;
    } else {
      hi = m - 1;
      if (c == 0) {
        found = true;
        if (Duplicates != dupAccept) lo = m;
      }
    }
  }
  index = lo;
  return found;
}

bool TRzPidlList::LinearSearch(LPCITEMIDLIST pidl, int& index) const {
  for (int i = 0; i < Count(); ++i)
    if (Compare(items_[i].Pidl, pidl) == 0) {
      index = i;
      return true;
    }
  return false;
}
