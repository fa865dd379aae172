// TCustomListBox: the list over the system's "LISTBOX" class, plain or owner
// drawn with items of a fixed height. Selecting from code runs no handler; the
// user's selection (LBN_SELCHANGE) runs OnClick.
#include <algorithm>

#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/WindowItems.h"
#include "platform/core/SysUtils.h"

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TWindowItems>(this, kListBoxMessages)),
      canvas_(std::make_unique<TControlCanvas>()) {
  ControlStyle = csSetCaption | csDoubleClicks | csOpaque;
  canvas_->SetControl(this);
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
}

TCustomListBox::~TCustomListBox() = default;

TStrings* TCustomListBox::Items() const { return items_.get(); }
void TCustomListBox::SetItems(const TStrings* value) { items_->Assign(value); }
int TCustomListBox::Count() const {
  if (IsVirtual() && !HandleAllocated()) return virtualCount_;
  return items_->Count();
}

void TCustomListBox::SetCount(int value) {
  if (!IsVirtual()) return;
  virtualCount_ = std::max(0, value);
  if (HandleAllocated()) ::SendMessageA(Handle(), LB_SETCOUNT, static_cast<WPARAM>(virtualCount_), 0);
}

String TCustomListBox::ItemText(int index) const {
  if (!IsVirtual()) return items_->Get(index);
  String text;
  OnData(const_cast<TCustomListBox*>(this), index, text);
  return text;
}

TObject* TCustomListBox::ItemObject(int index) const {
  if (!IsVirtual()) return items_->GetObject(index);
  TObject* object = nullptr;
  OnDataObject(const_cast<TCustomListBox*>(this), index, object);
  return object;
}

int TCustomListBox::FindPrefix(const String& text) const {
  if (IsVirtual()) {
    int found = -1;
    OnDataFind(const_cast<TCustomListBox*>(this), text, found);
    return found;
  }
  if (!HandleAllocated()) {
    for (int i = 0; i < items_->Count(); ++i)
      if (CompareText(items_->Get(i).substr(0, text.size()), text) == 0) return i;
    return -1;
  }
  const LRESULT found = ::SendMessageA(const_cast<TCustomListBox*>(this)->Handle(), LB_FINDSTRING,
                                       static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  return found == LB_ERR ? -1 : static_cast<int>(found);
}

void TCustomListBox::SetTabWidth(int value) {
  value = std::max(0, value);
  if (tabWidth_ == value) return;
  tabWidth_ = value;
  RecreateWnd();
}

void TCustomListBox::Clear() {
  items_->Clear();
  savedIndex_ = -1;
  savedSelection_.clear();
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_HASSTRINGS;
  if (style_ == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED;
  if (style_ == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
  // A virtual list keeps no strings: the window holds a count, the control draws.
  if (IsVirtual()) params.Style = (params.Style & ~LBS_HASSTRINGS) | LBS_NODATA | LBS_OWNERDRAWFIXED;
  if (tabWidth_ != 0) params.Style |= LBS_USETABSTOPS;
  if (sorted_) params.Style |= LBS_SORT;
  if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (columns_ > 0) params.Style |= LBS_MULTICOLUMN;
  if (!integralHeight_) params.Style |= LBS_NOINTEGRALHEIGHT;
  // Without Ctl3D the single border is a flat line instead of the sunken edge.
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  if (style_ != lbStandard) ::SendMessageA(window, LB_SETITEMHEIGHT, 0, itemHeight_);
  if (tabWidth_ != 0) ::SendMessageA(window, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabWidth_));
  if (IsVirtual())
    ::SendMessageA(window, LB_SETCOUNT, static_cast<WPARAM>(virtualCount_), 0);
  else
    items_->MoveToWindow();
  SetColumnWidth();
  ::SendMessageA(window, LB_SETTOPINDEX, static_cast<WPARAM>(savedTop_), 0);
  if (multiSelect_) {
    for (int index : savedSelection_) ::SendMessageA(window, LB_SETSEL, TRUE, index);
    if (savedSelection_.empty() && savedIndex_ >= 0) ::SendMessageA(window, LB_SETSEL, TRUE, savedIndex_);
    if (savedIndex_ >= 0) ::SendMessageA(window, LB_SETCARETINDEX, static_cast<WPARAM>(savedIndex_), 0);
  } else if (savedIndex_ >= 0) {
    ::SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
  }
  savedSelection_.clear();
}

void TCustomListBox::DestroyWnd() {
  savedIndex_ = ItemIndex();
  savedTop_ = TopIndex();
  savedSelection_.clear();
  if (WindowMultiSelect())
    for (int i = 0; i < Count(); ++i)
      if (::SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) savedSelection_.push_back(i);
  if (IsVirtual())
    virtualCount_ = Count();
  else
    items_->MoveFromWindow();
  TWinControl::DestroyWnd();
}

// ---- settings that are styles of the window ----

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() const {
  if (HandleAllocated() && style_ == lbStandard)
    return static_cast<int>(::SendMessageA(const_cast<TCustomListBox*>(this)->Handle(), LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int value) {
  if (value <= 0 || itemHeight_ == value) return;
  itemHeight_ = value;
  if (HandleAllocated() && style_ != lbStandard) {
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, value);
    Invalidate();
  }
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  multiSelect_ = value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool value) {
  if (extendedSelect_ == value) return;
  extendedSelect_ = value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  // The items are put in order once; new ones then find their place.
  TStringList kept;
  kept.Assign(items_.get());
  items_->Clear();
  items_->SetSorted(value);
  RecreateWnd();
  items_->Assign(&kept);
}

void TCustomListBox::SetColumns(int value) {
  value = std::max(0, value);
  if (columns_ == value) return;
  const bool styleChanges = (columns_ == 0) != (value == 0);
  columns_ = value;
  if (styleChanges)
    RecreateWnd();
  else
    SetColumnWidth();
}

void TCustomListBox::SetColumnWidth() {
  if (columns_ > 0 && HandleAllocated())
    ::SendMessageA(Handle(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(1, (Width() + columns_ - 3) / columns_)), 0);
}

void TCustomListBox::SetIntegralHeight(bool value) {
  if (integralHeight_ == value) return;
  integralHeight_ = value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomListBox::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  SetColumnWidth();
}

void TCustomListBox::WMSize(TMessage& message) { SetColumnWidth(); }

// ---- selection ----

// Whether the window (not the setting, which may be on its way to a new window)
// selects several items.
bool TCustomListBox::WindowMultiSelect() const {
  if (!HandleAllocated()) return multiSelect_;
  const LONG_PTR style = ::GetWindowLongPtrA(const_cast<TCustomListBox*>(this)->Handle(), GWL_STYLE);
  return (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return savedIndex_;
  HWND window = const_cast<TCustomListBox*>(this)->Handle();
  if (WindowMultiSelect()) {
    // The focused item of a multi-selection list, -1 when nothing is selected.
    if (::SendMessageA(window, LB_GETSELCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(::SendMessageA(window, LB_GETCARETINDEX, 0, 0));
  }
  return static_cast<int>(::SendMessageA(window, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
  if (HasState(csLoading)) {
    savedIndex_ = value;  // the items may come later in the definition
    return;
  }
  // An index outside the items is ignored: the selection stays as it is.
  if (value < -1 || value >= Count()) return;
  if (!HandleAllocated()) {
    savedIndex_ = value;
    return;
  }
  if (ItemIndex() == value) return;
  if (multiSelect_) {
    ::SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    if (value >= 0) {
      ::SendMessageA(Handle(), LB_SETSEL, TRUE, value);
      ::SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(value), 0);
    }
  } else {
    ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }
}

void TCustomListBox::Loaded() {
  TWinControl::Loaded();
  const int index = savedIndex_;
  savedIndex_ = -1;
  if (index >= 0) SetItemIndex(index);
}

int TCustomListBox::TopIndex() const {
  if (!HandleAllocated()) return savedTop_;
  return static_cast<int>(::SendMessageA(const_cast<TCustomListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int value) {
  if (!HandleAllocated()) {
    savedTop_ = std::max(0, value);
    return;
  }
  ::SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, value)), 0);
}

bool TCustomListBox::Selected(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (!multiSelect_) return ItemIndex() == index;
  if (!HandleAllocated())
    return std::find(savedSelection_.begin(), savedSelection_.end(), index) != savedSelection_.end();
  return ::SendMessageA(const_cast<TCustomListBox*>(this)->Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (!multiSelect_) {
    if (value)
      SetItemIndex(index);
    else if (ItemIndex() == index)
      SetItemIndex(-1);
    return;
  }
  ::SendMessageA(Handle(), LB_SETSEL, value ? TRUE : FALSE, index);
}

int TCustomListBox::SelCount() const {
  if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  int count = 0;
  for (int i = 0; i < Count(); ++i)
    if (Selected(i)) ++count;
  return count;
}

// ---- geometry of items ----

TRect TCustomListBox::ItemRect(int index) const {
  RECT r = {0, 0, 0, 0};
  HWND window = const_cast<TCustomListBox*>(this)->Handle();
  const int count = Count();
  if (index >= 0 && (index < count || (index == 0 && count == 0))) {
    if (index < count) {
      ::SendMessageA(window, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    } else {
      // The place the first item will take.
      RECT client;
      ::GetClientRect(window, &client);
      r = {0, 0, client.right, ItemHeight()};
    }
  }
  return TRect(r.left, r.top, r.right, r.bottom);
}

int TCustomListBox::ItemAtPos(const TPoint& pos, bool existing) const {
  const int count = Count();
  if (count > 0) {
    HWND window = const_cast<TCustomListBox*>(this)->Handle();
    const LRESULT hit = ::SendMessageA(window, LB_ITEMFROMPOINT, 0, MAKELPARAM(pos.X, pos.Y));
    const int index = LOWORD(hit);
    if (HIWORD(hit) == 0 && index < count && ItemRect(index).Contains(pos)) return index;
  }
  return existing ? -1 : count;
}

// ---- notifications and drawing ----

void TCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case CN_DRAWITEM: return CNDrawItem(message);
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomListBox::CNCommand(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

void TCustomListBox::CNDrawItem(TMessage& message) {
  auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  TOwnerDrawState state = item->itemState & 0xFFFF;
  const TRect rect(item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom);
  const int saved = ::SaveDC(item->hDC);
  canvas_->BindPaintDC(item->hDC);
  canvas_->SetFont(Font());
  canvas_->Brush()->SetColor(Color());
  canvas_->Brush()->SetStyle(bsSolid);
  // The whole item is drawn for every action, a change of focus too.
  if (static_cast<int>(item->itemID) >= 0) {
    DrawItem(static_cast<int>(item->itemID), rect, state);
  } else {
    canvas_->FillRect(rect);
  }
  if ((state & odFocused) != 0 && !OnDrawItem) canvas_->DrawFocusRect(rect);
  canvas_->FreeHandle();
  ::RestoreDC(item->hDC, saved);
  message.Result = 1;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  if ((state & odSelected) != 0) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  }
  canvas_->FillRect(rect);
  if (index < Count()) canvas_->TextOut(rect.Left + 2, rect.Top, ItemText(index));
}

void TCustomListBox::CMCtl3DChanged(TMessage& message) {
  if (HandleAllocated() && borderStyle_ == bsSingle) RecreateWnd();
}
