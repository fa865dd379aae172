// The items of list and combo windows, in the window or kept aside.
#include "platform/stdctrls/WindowItems.h"

#include "platform/core/Exceptions.h"

const TItemMessages kListBoxMessages{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                     LB_GETCOUNT,    LB_GETTEXT,      LB_GETTEXTLEN,   LB_SETITEMDATA,
                                     LB_GETITEMDATA, static_cast<UINT>(LB_ERR)};
const TItemMessages kComboBoxMessages{CB_ADDSTRING,     CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                      CB_GETCOUNT,      CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_SETITEMDATA,
                                      CB_GETITEMDATA,   static_cast<UINT>(CB_ERR)};

LRESULT TWindowItems::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(Window(), msg, wParam, lParam);
}

void TWindowItems::SetUpdateState(bool updating) {
  if (!InWindow()) return;
  Send(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating) ::InvalidateRect(Window(), nullptr, TRUE);
}

void TWindowItems::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TWindowItems::Count() const {
  if (!InWindow()) return saved_.Count();
  return static_cast<int>(Send(messages_.GetCount));
}

String TWindowItems::Get(int index) const {
  if (!InWindow()) return saved_.Get(index);
  CheckIndex(index);
  const LRESULT length = Send(messages_.GetTextLen, static_cast<WPARAM>(index));
  if (length <= 0) return String();
  String text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = Send(messages_.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

TObject* TWindowItems::GetObject(int index) const {
  if (!InWindow()) return saved_.GetObject(index);
  CheckIndex(index);
  return reinterpret_cast<TObject*>(Send(messages_.GetItemData, static_cast<WPARAM>(index)));
}

void TWindowItems::PutObject(int index, TObject* object) {
  if (!InWindow()) return saved_.PutObject(index, object);
  CheckIndex(index);
  Send(messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

// Replacing an item's text keeps its object and, in a sorted list, its order.
void TWindowItems::Put(int index, const String& text) {
  CheckIndex(index);
  TObject* object = GetObject(index);
  Delete(index);
  if (sorted_) {
    AddObject(text, object);
  } else {
    InsertObject(index, text, object);
  }
}

int TWindowItems::Add(const String& text) {
  if (!InWindow()) {
    if (!sorted_) return saved_.Add(text);
    int index = 0;
    while (index < saved_.Count() && CompareStrings(saved_.Get(index), text) <= 0) ++index;
    saved_.Insert(index, text);
    return index;
  }
  const LRESULT index = Send(messages_.AddString, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) throw EOutOfResources("Cannot add the item \"" + text + "\"");
  return static_cast<int>(index);
}

void TWindowItems::Insert(int index, const String& text) {
  if (index < 0 || index > Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  // Inserting places the item where asked, sorted list or not.
  if (!InWindow()) return saved_.Insert(index, text);
  if (Send(messages_.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())) < 0)
    throw EOutOfResources("Cannot insert the item \"" + text + "\"");
}

void TWindowItems::Delete(int index) {
  CheckIndex(index);
  if (!InWindow()) return saved_.Delete(index);
  Send(messages_.DeleteString, static_cast<WPARAM>(index));
}

void TWindowItems::Clear() {
  if (!InWindow()) return saved_.Clear();
  Send(messages_.ResetContent);
}

void TWindowItems::SetSorted(bool value) { sorted_ = value; }

void TWindowItems::MoveToWindow() {
  for (int i = 0; i < saved_.Count(); ++i) {
    // Kept in their order: the items were sorted when they were kept.
    const LRESULT index = Send(messages_.InsertString, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(saved_.Get(i).c_str()));
    if (index >= 0) Send(messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(saved_.GetObject(i)));
  }
  saved_.Clear();
}

void TWindowItems::MoveFromWindow() {
  saved_.Clear();
  const int count = static_cast<int>(Send(messages_.GetCount));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = Send(messages_.GetTextLen, static_cast<WPARAM>(i));
    String text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    const LRESULT copied = Send(messages_.GetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    saved_.AddObject(text, reinterpret_cast<TObject*>(Send(messages_.GetItemData, static_cast<WPARAM>(i))));
  }
}
