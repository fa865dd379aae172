#include "platform/core/Strings.h"

#include "platform/core/Lists.h"
#include "platform/core/SysUtils.h"
#include "platform/io/Streams.h"

// ---- TStrings ----

void TStrings::Put(int index, const String& text) {
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, text, object);
}

int TStrings::Add(const String& text) {
  int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const String& text, TObject* object) {
  int index = Add(text);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const String& text, TObject* object) {
  Insert(index, text);
  PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
  EndUpdate();
}

int TStrings::CompareStrings(const String& a, const String& b) const { return AnsiCompareText(a, b); }

int TStrings::IndexOf(const String& text) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), text) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& name) const {
  for (int i = 0; i < Count(); ++i) {
    String entry = Get(i);
    size_t eq = entry.find('=');
    if (eq != String::npos && CompareStrings(entry.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

void TStrings::Exchange(int index1, int index2) {
  BeginUpdate();
  String text1 = Get(index1);
  TObject* object1 = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text1);
  PutObject(index2, object1);
  EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  BeginUpdate();
  String text = Get(curIndex);
  TObject* object = GetObject(curIndex);
  Delete(curIndex);
  InsertObject(newIndex, text, object);
  EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

String TStrings::Names(int index) const {
  String entry = Get(index);
  size_t eq = entry.find('=');
  return eq == String::npos ? String() : entry.substr(0, eq);
}

String TStrings::ValueFromIndex(int index) const {
  String entry = Get(index);
  size_t eq = entry.find('=');
  return eq == String::npos ? String() : entry.substr(eq + 1);
}

String TStrings::Values(const String& name) const {
  int index = IndexOfName(name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValue(const String& name, const String& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + "=" + value);
  } else {
    Put(index, name + "=" + value);
  }
}

String TStrings::Text() const {
  String text;
  for (int i = 0; i < Count(); ++i) text += Get(i) + "\r\n";
  return text;
}

void TStrings::SetText(const String& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == String::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  EndUpdate();
}

String TStrings::CommaText() const {
  String text;
  for (int i = 0; i < Count(); ++i) {
    String entry = Get(i);
    bool quote = entry.empty() || entry.find_first_of(" ,\"") != String::npos;
    for (char c : entry)
      if (static_cast<unsigned char>(c) < ' ') quote = true;
    if (quote) entry = "\"" + StringReplace(entry, "\"", "\"\"", rfReplaceAll) + "\"";
    text += (i ? "," : "") + entry;
  }
  return text;
}

void TStrings::SetCommaText(const String& text) {
  BeginUpdate();
  Clear();
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    String entry;
    if (text[i] == '"') {
      for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') ++i;
          else { ++i; break; }
        }
        entry += text[i];
      }
    } else {
      while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ' && text[i] != ',') entry += text[i++];
    }
    Add(entry);
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
      if (i >= text.size()) Add(String());
    }
  }
  EndUpdate();
}

void TStrings::LoadFromFile(const String& fileName) {
  String contents;
  if (!ReadFileToString(fileName, contents)) throw EFOpenError("Cannot open file \"" + fileName + "\"");
  SetText(contents);
}

void TStrings::SaveToFile(const String& fileName) {
  if (!WriteFileAtomically(fileName, Text())) throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

void TStrings::LoadFromStream(TStream& stream) {
  Int64 size = stream.Size() - stream.Position();
  String contents(static_cast<size_t>(size > 0 ? size : 0), '\0');
  stream.ReadBuffer(contents.data(), static_cast<Int64>(contents.size()));
  SetText(contents);
}

void TStrings::SaveToStream(TStream& stream) const {
  String text = Text();
  stream.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
  if (auto strings = dynamic_cast<const TStrings*>(source)) {
    if (strings == this) return;
    BeginUpdate();
    Clear();
    AddStrings(*strings);
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

// ---- TStringList ----

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (ownsObjects_)
    for (Item& item : items_) delete item.object;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EStringListError(Format("List index out of bounds (%d)", index));
}

String TStringList::Get(int index) const {
  CheckIndex(index);
  return items_[index].text;
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return items_[index].object;
}

void TStringList::Put(int index, const String& text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index);
  Changing();
  items_[index].text = text;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[index].object = object;
  Changed();
}

void TStringList::InsertItem(int index, const String& text, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
}

void TStringList::Insert(int index, const String& text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count()) throw EStringListError(Format("List index out of bounds (%d)", index));
  InsertItem(index, text, nullptr);
}

int TStringList::Add(const String& text) {
  if (!sorted_) {
    InsertItem(Count(), text, nullptr);
    return Count() - 1;
  }
  int index;
  if (Find(text, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, text, nullptr);
  return index;
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  TObject* object = items_[index].object;
  items_.erase(items_.begin() + index);
  if (ownsObjects_) delete object;
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<Item> doomed;
  doomed.swap(items_);
  if (ownsObjects_)
    for (Item& item : doomed) delete item.object;
  Changed();
}

int TStringList::IndexOf(const String& text) const {
  if (!sorted_) return TStrings::IndexOf(text);
  int index;
  return Find(text, index) ? index : -1;
}

void TStringList::ExchangeItems(int index1, int index2) { std::swap(items_[index1], items_[index2]); }

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  ExchangeItems(index1, index2);
  Changed();
}

bool TStringList::Find(const String& text, int& index) const {
  int low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    int middle = (low + high) >> 1;
    int c = CompareStrings(items_[middle].text, text);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int a, int b) { return list->CompareStrings(list->items_[a].text, list->items_[b].text); });
}

void TStringList::CustomSort(TStringListSortCompare compare) {
  if (Count() <= 1) return;
  Changing();
  ClassicQuickSort(
      0, Count() - 1, [&](int a, int b) { return compare(this, a, b); }, [&](int a, int b) { ExchangeItems(a, b); });
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive_ == caseSensitive) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

int TStringList::CompareStrings(const String& a, const String& b) const {
  return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) Changing();
  else Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
