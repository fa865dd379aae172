// TCustomComboBox: the combo box over the system's "COMBOBOX" class, as an edit
// with a drop-down list or as a drop-down list only. Setting ItemIndex from code
// runs no handler; the user's choice (CBN_SELCHANGE) runs OnClick, then OnChange.
#include <algorithm>

#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/WindowItems.h"

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TWindowItems>(this, kComboBoxMessages)),
      canvas_(std::make_unique<TControlCanvas>()) {
  ControlStyle = csSetCaption | csDoubleClicks | csFixedHeight;
  canvas_->SetControl(this);
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
}

TCustomComboBox::~TCustomComboBox() = default;

TStrings* TCustomComboBox::Items() const { return items_.get(); }
void TCustomComboBox::SetItems(const TStrings* value) { items_->Assign(value); }

void TCustomComboBox::Clear() {
  items_->Clear();
  savedIndex_ = -1;
  SetTextValue(String());
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
  switch (style_) {
    case csDropDown: params.Style |= CBS_DROPDOWN; break;
    case csSimple: params.Style |= CBS_SIMPLE; break;
    case csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  if (sorted_) params.Style |= CBS_SORT;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomComboBox::CreateWnd() {
  const String text = text_;
  TWinControl::CreateWnd();
  HWND window = Handle();
  ::SendMessageA(window, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) {
    ::SendMessageA(window, CB_SETITEMHEIGHT, 0, itemHeight_);
    ::SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
  }
  items_->MoveToWindow();
  if (savedIndex_ >= 0) {
    ::SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
  } else if (style_ == csDropDown || style_ == csSimple) {
    ::SetWindowTextA(window, text.c_str());
  }
  AdjustDropDown();
  UpdateBounds();
}

void TCustomComboBox::DestroyWnd() {
  savedIndex_ = ItemIndex();
  items_->MoveFromWindow();
  TWinControl::DestroyWnd();
}

// The window's height is the edit part and the dropped list together; the
// list shows DropDownCount items.
void TCustomComboBox::AdjustDropDown() {
  if (!HandleAllocated() || style_ == csSimple) return;
  const int itemHeight = std::max(1, ItemHeight());
  const int shown = std::max(1, std::min(dropDownCount_, std::max(1, items_->Count())));
  ::SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + itemHeight * shown + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  AdjustDropDown();
}

// ---- settings ----

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  if (value == csSimple)
    ControlStyle &= ~csFixedHeight;
  else
    ControlStyle |= csFixedHeight;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
  dropDownCount_ = std::max(1, value);
  AdjustDropDown();
}

void TCustomComboBox::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  if (HandleAllocated()) ::SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomComboBox::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  TStringList kept;
  kept.Assign(items_.get());
  items_->Clear();
  items_->SetSorted(value);
  RecreateWnd();
  items_->Assign(&kept);
}

int TCustomComboBox::ItemHeight() const {
  if (HandleAllocated())
    return static_cast<int>(::SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value <= 0) return;
  itemHeight_ = value;
  if (HandleAllocated() && (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)) {
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, value);
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), value);
    UpdateBounds();
  }
}

bool TCustomComboBox::DroppedDown() const {
  if (!HandleAllocated()) return false;
  return ::SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) { ::SendMessageA(Handle(), CB_SHOWDROPDOWN, value, 0); }

void TCustomComboBox::SelectAll() {
  if (HandleAllocated()) ::SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
}

// ---- selection and text ----

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return savedIndex_;
  return static_cast<int>(::SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
  if (HasState(csLoading)) {
    savedIndex_ = value;  // the items may come later in the definition
    return;
  }
  // An index outside the items is ignored: the selection stays as it is.
  if (value < -1 || value >= items_->Count()) return;
  if (!HandleAllocated()) {
    savedIndex_ = value;
    text_ = value >= 0 ? items_->Get(value) : String();
    return;
  }
  if (ItemIndex() != value) ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::Loaded() {
  TWinControl::Loaded();
  const int index = savedIndex_;
  savedIndex_ = -1;
  if (index >= 0) SetItemIndex(index);
}

// A drop-down list shows only its items: its text selects the item of that
// text (none when there is no such item).
void TCustomComboBox::SetTextValue(const String& value) {
  if (style_ == csDropDownList || style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) {
    // A definition writes the text of a list beside its index, before the items:
    // the index read first decides.
    if (HasState(csLoading)) return;
    int index = -1;
    for (int i = 0; i < items_->Count() && index < 0; ++i)
      if (items_->Get(i) == value) index = i;
    SetItemIndex(index);
    return;
  }
  TWinControl::SetTextValue(value);
}

// ---- notifications ----

void TCustomComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case CN_DRAWITEM: {
      auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      const TRect rect(item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom);
      const int saved = ::SaveDC(item->hDC);
      canvas_->BindPaintDC(item->hDC);
      canvas_->SetFont(Font());
      canvas_->Brush()->SetColor(Color());
      DrawItem(static_cast<int>(item->itemID), rect, item->itemState & 0xFFFF);
      canvas_->FreeHandle();
      ::RestoreDC(item->hDC, saved);
      message.Result = 1;
      return;
    }
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomComboBox::CNCommand(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE: {
      const int index = ItemIndex();
      // The edit part shows the chosen item before the handlers run.
      if (index >= 0 && (style_ == csDropDown || style_ == csSimple))
        ::SetWindowTextA(Handle(), items_->Get(index).c_str());
      Click();
      Select();
      break;
    }
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
  }
}

void TCustomComboBox::Change() { OnChange(this); }
void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}
void TCustomComboBox::DropDown() { OnDropDown(this); }
void TCustomComboBox::CloseUp() { OnCloseUp(this); }

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  if ((state & odSelected) != 0) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  }
  canvas_->FillRect(rect);
  if (index >= 0 && index < items_->Count()) canvas_->TextOut(rect.Left + 2, rect.Top, items_->Get(index));
}
