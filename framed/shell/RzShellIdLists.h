// Item-id lists (the shell's PIDLs: items that each start with their 16-bit byte
// count, ended by a zero count): shell memory, length, copy, concatenation and
// comparison of lists, an array view of one list's items, and a list of lists
// that can keep itself sorted by a folder's comparison or by bytes.
#pragma once

#include <vector>

#include "framed/shell/RzShellInterfaces.h"
#include "platform/core/Strings.h"
#include "platform/core/System.h"

// Shell memory, through the shell allocator read at start-up.
void* ShellMemAlloc(SIZE_T size);
void* ShellMemRealloc(void* block, SIZE_T size);  // nullptr for nullptr: it never allocates
void ShellMemFree(void* block);
IMalloc_NRC* ShellIMalloc();

// Bytes of all items plus the 2 of the terminator; 0 for nullptr.
int IdListLen(LPCITEMIDLIST pidl);
// New lists from `malloc` (the shell allocator when nullptr); nullptr when allocation fails.
LPITEMIDLIST CopyIdList(IMalloc_NRC* malloc, LPCITEMIDLIST pidl);
LPITEMIDLIST ConcatIdLists(IMalloc_NRC* malloc, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);
// 0 for two nils or two empty lists, -1 when only one is, else the desktop's order;
// 2147483647 when the desktop cannot compare them.
int CompareAbsIdLists(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);

// The items of one list (borrowed). Each list it answers belongs to it and stays
// valid until its next answer or its destruction.
class TRzIdListArray : public TObject {
public:
  explicit TRzIdListArray(LPCITEMIDLIST pidl) : pidl_(pidl) {}
  ~TRzIdListArray() override;
  int Count() const;
  LPITEMIDLIST Item(int index);
  // The first Count - levels items; nullptr when levels exceeds Count.
  LPITEMIDLIST GoUp(int levels);

private:
  void ReplaceLast(LPITEMIDLIST next);
  LPCITEMIDLIST pidl_;          // borrowed
  LPITEMIDLIST last_ = nullptr;  // owned: freed through the shell allocator
};

// A list of item-id lists (stored, not copied), each with an object pointer.
class TRzPidlList : public TObject {
public:
  TRzPidlList() = default;
  ~TRzPidlList() override;

  int Count() const { return static_cast<int>(items_.size()); }
  LPITEMIDLIST Pidl(int index) const { return items_.at(index).Pidl; }
  void SetPidl(int index, LPITEMIDLIST pidl) { items_.at(index).Pidl = pidl; }  // frees nothing
  void* Object(int index) const { return items_.at(index).Object; }
  void SetObject(int index, void* object) { items_.at(index).Object = object; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  IShellFolder_NRC* ShellFolder = nullptr;  // borrowed: orders and finds entries when set
  IMalloc_NRC* Malloc = nullptr;            // borrowed: frees the lists on Delete and Clear when set
  TDuplicates Duplicates = dupError;

  int Add(LPITEMIDLIST pidl) { return AddObject(pidl, nullptr); }
  int AddObject(LPITEMIDLIST pidl, void* object);
  void Insert(int index, LPITEMIDLIST pidl) { InsertObject(index, pidl, nullptr); }
  void InsertObject(int index, LPITEMIDLIST pidl, void* object);
  void Delete(int index);
  void Clear();
  int IndexOf(LPCITEMIDLIST pidl) const;
  bool BinarySearch(LPCITEMIDLIST pidl, int& index) const;
  bool LinearSearch(LPCITEMIDLIST pidl, int& index) const;
  void Sort();

private:
  struct TEntry {
    LPITEMIDLIST Pidl;
    void* Object;
  };
  int Compare(LPCITEMIDLIST entry, LPCITEMIDLIST key) const;

  std::vector<TEntry> items_;
  bool sorted_ = false;
};
