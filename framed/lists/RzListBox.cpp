#include "framed/lists/RzListBox.h"

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Application.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"

TRzCustomListBox::TRzCustomListBox(TComponent* owner)
    : Inherited(owner), searchTimer_(FramedClock().MakeTimer()), groupFont_(std::make_unique<TFont>()) {
  TCustomListBox::AutoComplete = false;
  searchTimer_->SetEnabled(false);
  searchTimer_->SetInterval(1500);
  searchTimer_->OnTimer = TNotifyEvent(this, &TRzCustomListBox::SearchTimerExpired);
  groupFont_->Assign(Font());
  groupFont_->SetStyle(groupFont_->Style() | fsBold);
  groupFont_->SetColor(clHighlight);
  groupFont_->OnChange = TNotifyEvent(this, &TRzCustomListBox::GroupFontChange);
}

TRzCustomListBox::~TRzCustomListBox() {
  searchTimer_.reset();
  groupFont_->OnChange = TNotifyEvent();
}

void TRzCustomListBox::Loaded() {
  Inherited::Loaded();
  if (horzScrollBar_ && !ItemsUpdating()) AdjustHorzExtent();
}

// Older versions stored a flat frame, a focus style and a flat style; the framing reads them.
void TRzCustomListBox::DefineProperties(TFiler* filer) { Inherited::DefineProperties(filer); }

// ---- items ----

void TRzCustomListBox::Delete(int index) {
  const int current = ItemIndex();
  GetItems()->Delete(index);
  const int count = GetItems()->Count();
  if (count == 0 || current < 0) return;
  SetItemIndex(current == count ? current - 1 : std::min(current, count - 1));
  Click();
}

String TRzCustomListBox::SelectedItem() const {
  const int index = ItemIndex();
  const bool any = MultiSelect() ? SelCount() > 0 : index != -1;
  if (!any || index < 0 || index >= GetItems()->Count()) return String();
  return GetItems()->Strings(index);
}

bool TRzCustomListBox::FindItem(const String& s) {
  const int index = IndexOf(s);
  if (index >= 0) SetItemIndex(index);
  return index >= 0;
}

void TRzCustomListBox::SelectAll() {
  if (MultiSelect() && HandleAllocated()) ::SendMessageA(Handle(), LB_SETSEL, TRUE, -1);
}

void TRzCustomListBox::UnselectAll() {
  if (MultiSelect() && HandleAllocated()) ::SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
}

void TRzCustomListBox::DeleteSelectedItems() {
  const TCursor saved = Screen.Cursor();
  Screen.SetCursor(crHourGlass);
  TStrings* items = GetItems();
  items->BeginUpdate();
  try {
    for (int i = items->Count() - 1; i >= 0; --i)
      if (Selected(i)) items->Delete(i);
  } catch (...) {
    items->EndUpdate();
    Screen.SetCursor(saved == crHourGlass ? crDefault : saved);
    throw;
  }
  items->EndUpdate();
  Screen.SetCursor(crDefault);
  DoDeleteItems();
}

// ---- settings ----

void TRzCustomListBox::SetHorzExtent(Word value) {
  if (horzExtent_ == value) return;
  horzExtent_ = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, value, 0);
}

void TRzCustomListBox::SetHorzScrollBar(bool value) {
  if (horzScrollBar_ == value) return;
  horzScrollBar_ = value;
  RecreateWnd();
}

void TRzCustomListBox::SetOwnerDrawIndent(int value) {
  if (ownerDrawIndent_ == value) return;
  ownerDrawIndent_ = value;
  Invalidate();
}

void TRzCustomListBox::SetUseGradients(bool value) {
  if (useGradients_ == value) return;
  useGradients_ = value;
  Invalidate();
}

void TRzCustomListBox::SetGroupColor(TColor value) {
  if (groupColor_ == value) return;
  groupColor_ = value;
  Invalidate();
}

void TRzCustomListBox::SetGroupFont(const TFont* value) { groupFont_->Assign(value); }

void TRzCustomListBox::GroupFontChange(TObject*) {
  groupFontChanged_ = true;
  GroupFontChanged();
  Invalidate();
}

void TRzCustomListBox::SetGroupPrefix(const String& value) {
  if (groupPrefix_ == value) return;
  groupPrefix_ = value;
  Invalidate();
}

void TRzCustomListBox::SetShowGroups(bool value) {
  if (showGroups_ == value) return;
  showGroups_ = value;
  if (value) {
    SetStyle(lbOwnerDrawFixed);
    UpdateItemHeight();
  }
  Invalidate();
}

void TRzCustomListBox::UpdateItemHeight() { SetItemHeight(GetMinFontHeight(Font())); }

void TRzCustomListBox::CMFontChanged(TMessage& message) {
  Inherited::CMFontChanged(message);
  if (showGroups_) UpdateItemHeight();
  if (horzScrollBar_ && !ItemsUpdating()) AdjustHorzExtent();
}

// ---- window ----

void TRzCustomListBox::CreateParams(TCreateParams& params) {
  Inherited::CreateParams(params);
  if (horzScrollBar_)
    params.Style |= WS_HSCROLL;
  else
    params.Style &= ~WS_HSCROLL;
}

void TRzCustomListBox::CreateWnd() {
  Inherited::CreateWnd();
  ::SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, horzExtent_, 0);
  ::ShowScrollBar(Handle(), SB_HORZ, horzScrollBar_);
}

void TRzCustomListBox::AdjustHorzExtent() {
  int widest = 0;
  TStrings* items = GetItems();
  for (int i = 0; i < items->Count(); ++i)
    widest = std::max(widest, static_cast<int>(ScreenTextExtent(Font(), items->Strings(i) + "x").cx));
  SetHorzExtent(static_cast<Word>(std::min(widest, 0xFFFF)));
}

void TRzCustomListBox::WndProc(TMessage& message) {
  Inherited::WndProc(message);
  switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
      if (horzScrollBar_ && !ItemsUpdating()) AdjustHorzExtent();
      break;
    default: break;
  }
}

void TRzCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR:
      if (!IncrementalSearch) return Inherited::Dispatch(message);
      return SearchChar(message);
    case WM_LBUTTONDOWN:
      searchString_.clear();
      return Inherited::Dispatch(message);
    case WM_KEYDOWN:
      if (message.WParam == VK_ESCAPE || (message.WParam >= 33 && message.WParam <= 40)) searchString_.clear();
      return Inherited::Dispatch(message);
    case WM_MOUSEMOVE:
      Inherited::Dispatch(message);
      if (ShowItemHints) ShowItemHint(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
      return;
    case CM_MOUSEENTER:
      Inherited::Dispatch(message);
      if (ShowItemHints) {
        const TPoint p = ScreenToClient(Mouse()->CursorPos());
        ShowItemHint(p.X, p.Y);
      }
      return;
    case CM_MOUSELEAVE:
      Inherited::Dispatch(message);
      return HideItemHint();
    default: return Inherited::Dispatch(message);
  }
}

void TRzCustomListBox::Resize() {
  Inherited::Resize();
  if (useGradients_) Invalidate();
}

// ---- incremental search ----

int TRzCustomListBox::FindClosest(const String& s) {
  if (!HandleAllocated()) {
    for (int i = 0; i < GetItems()->Count(); ++i)
      if (CompareText(GetItems()->Strings(i).substr(0, s.size()), s) == 0) return i;
    return -1;
  }
  const LRESULT found =
      ::SendMessageA(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.c_str()));
  return found == LB_ERR ? -1 : static_cast<int>(found);
}

void TRzCustomListBox::SearchChar(TMessage& message) {
  const auto c = static_cast<unsigned char>(message.WParam);
  if (c == '\b') return SearchBackspace(message);
  if (c == '\r') {
    if (TabOnEnter && HandleAllocated())
      ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    else
      DoKeyPress(message);
    return;
  }
  if (c == 27) return SetItemIndex(-1);
  if (c < 32) return;  // other control characters are neither searched nor passed on
  if (c == ' ' && MultiSelect() && !ExtendedSelect()) return;
  keyPending_ = true;
  SearchStep(searchString_ + static_cast<char>(c), message);
  searchTimer_->SetEnabled(false);
  searchTimer_->SetEnabled(true);
  keyPending_ = false;
}

// Backspace shortens the search. A search that becomes empty only forgets the
// typed text: the selection stays where the search left it.
void TRzCustomListBox::SearchBackspace(TMessage& message) {
  if (searchString_.empty()) {
    InvalidKeyPressed();
    return;
  }
  String text = searchString_;
  text.pop_back();
  if (!text.empty()) return SearchStep(text, message);
  searchString_.clear();
  DoKeyPress(message);
}

void TRzCustomListBox::SearchStep(const String& text, TMessage& message) {
  const int previous = ItemIndex();
  const int found = FindClosest(text);
  if (found < 0) {
    InvalidKeyPressed();
    return;
  }
  if (MultiSelect()) {
    if (previous >= 0) SetSelected(previous, false);
    SetSelected(found, true);
    ::SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(found), 0);
  } else {
    SetItemIndex(found);
  }
  searchString_ = text;
  DoKeyPress(message);
  Match();
}

void TRzCustomListBox::InvalidKeyPressed() {
  if (BeepOnInvalidKey) ::MessageBeep(0);
}

void TRzCustomListBox::SearchTimerExpired(TObject*) {
  if (keyPending_) return;
  searchTimer_->SetEnabled(false);
  searchString_.clear();
}

// ---- item hints ----

namespace {

bool ApplicationIsForeground() {
  HWND foreground = ::GetForegroundWindow();
  DWORD process = 0;
  if (foreground) ::GetWindowThreadProcessId(foreground, &process);
  return foreground && process == ::GetCurrentProcessId();
}

String ExpandTabs(const String& text) {
  String result;
  for (char c : text) {
    if (c == '\t')
      result += "        ";
    else
      result += c;
  }
  return result;
}

}  // namespace

void TRzCustomListBox::ShowItemHint(int x, int y) {
  if (!HandleAllocated()) return;
  const int index = ItemAtPos(TPoint(x, y), true);
  if (HasState(csDesigning) || index < 0) return HideItemHint();
  const String text = GetItems()->Strings(index);
  if (ScreenTextExtent(Font(), text).cx + 2 <= ClientWidth() || !ApplicationIsForeground()) return HideItemHint();
  if (!hintWindow_) {
    hintWindow_ = new THintWindow(this);
    hintWindow_->SetColor(Application.HintColor);
  }
  const String hint = ExpandTabs(text);
  hintWindow_->Canvas()->SetFont(Font());
  hintWindow_->Font()->Assign(Font());
  TRect r = hintWindow_->CalcHintRect(Screen.Width(), hint);
  const TRect item = ItemRect(index);
  const TPoint origin = ClientToScreen(TPoint(item.Left, item.Top));
  const int left = origin.X - 1;
  const int top = origin.Y + (item.Height() - r.Height()) / 2 - 2;
  r = TRect(left, top, left + r.Width(), top + r.Height());
  if (hintWindow_->HandleAllocated() && ::IsWindowVisible(hintWindow_->Handle()) && hintWindow_->Left() == left &&
      hintWindow_->Top() == top)
    return;
  hintWindow_->ActivateHint(r, hint);
}

void TRzCustomListBox::HideItemHint() {
  if (hintWindow_ && hintWindow_->HandleAllocated()) hintWindow_->ReleaseHandle();
}

// ---- wheel ----

// The wheel scrolls by the system's lines per notch, the position written back
// once, so a list with few items stops at its top.
bool TRzCustomListBox::DoMouseWheel(TShiftState, int wheelDelta, TPoint) {
  if (!HandleAllocated() || wheelDelta == 0) return true;
  ScrollWheel(wheelDelta < 0);
  return true;
}

void TRzCustomListBox::ScrollWheel(bool down) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  ::GetScrollInfo(Handle(), SB_VERT, &info);
  int lines = Mouse()->WheelScrollLines();
  if (down) {
    info.nPos += lines;
  } else if (info.nPos - lines < 0) {
    lines = info.nPos;
    info.nPos = 0;
  } else {
    info.nPos -= lines;
  }
  for (int i = 0; i < lines; ++i) Perform(WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}
