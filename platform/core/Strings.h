// TStrings, the abstract list of texts with an object per entry, and TStringList,
// its stored form with sorting, duplicates handling and change events.
#pragma once

#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Persistent.h"

class TStream;

class TStrings : public TPersistent {
public:
  // The storage operations a descendant provides.
  virtual String Get(int index) const = 0;
  virtual int Count() const = 0;
  virtual TObject* GetObject(int index) const { return nullptr; }
  virtual void Put(int index, const String& text);
  virtual void PutObject(int index, TObject* object) {}
  virtual void Insert(int index, const String& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  virtual int Add(const String& text);
  int AddObject(const String& text, TObject* object);
  void InsertObject(int index, const String& text, TObject* object);
  void AddStrings(const TStrings& strings);
  virtual int IndexOf(const String& text) const;  // case-insensitive, as the list compares
  int IndexOfName(const String& name) const;
  int IndexOfObject(const TObject* object) const;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);
  bool Equals(const TStrings& other) const;

  String operator[](int index) const { return Get(index); }
  String Strings(int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObject(index); }

  // "name=value" entries.
  String Names(int index) const;
  String ValueFromIndex(int index) const;
  String Values(const String& name) const;
  void SetValue(const String& name, const String& value);  // an empty value deletes the entry

  // Every entry followed by CR LF; setting splits on CR LF, LF or CR.
  virtual String Text() const;
  virtual void SetText(const String& text);
  // Comma-separated, entries with blanks, commas or quotes in double quotes.
  String CommaText() const;
  void SetCommaText(const String& text);

  virtual void LoadFromFile(const String& fileName);  // EFOpenError when it cannot be read
  virtual void SaveToFile(const String& fileName);    // EFCreateError when it cannot be written
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent* source) override;

protected:
  // Called with true when the first BeginUpdate starts and false when the last ends.
  virtual void SetUpdateState(bool updating) {}
  virtual int CompareStrings(const String& a, const String& b) const;

private:
  int updateCount_ = 0;
};

class TStringList;
using TStringListSortCompare = int (*)(TStringList* list, int index1, int index2);

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
  ~TStringList() override;

  String Get(int index) const override;
  int Count() const override { return static_cast<int>(items_.size()); }
  TObject* GetObject(int index) const override;
  void Put(int index, const String& text) override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const String& text) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const String& text) override;
  int IndexOf(const String& text) const override;
  void Exchange(int index1, int index2) override;

  // Binary search of a sorted list; `index` is where the text is or would go.
  virtual bool Find(const String& text, int& index) const;
  virtual void Sort();
  virtual void CustomSort(TStringListSortCompare compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);
  // When set, the list deletes the objects of deleted entries.
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool owns) { ownsObjects_ = owns; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const String& a, const String& b) const override;
  virtual void Changed();
  virtual void Changing();

private:
  struct Item {
    String text;
    TObject* object = nullptr;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const String& text, TObject* object);
  void ExchangeItems(int index1, int index2);

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  bool ownsObjects_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
