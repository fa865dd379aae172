// Focus and keyboard of windowed controls: tab order, focus moves through the
// form, key events with the form's key preview, and the dialog keys (Tab, arrows,
// Enter, Escape) and accelerator characters that a focused control leaves to its
// form.
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/WinControl.h"

namespace {

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (keyData & (1 << 29)) shift |= ssAlt;  // the context bit: Alt is held
  return shift;
}

}  // namespace

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ == value) return;
  tabStop_ = value;
  if (handle_) {
    LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    ::SetWindowLongPtrA(handle_, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return form->Visible() && form->Enabled();
}

bool TWinControl::Focused() const { return handle_ && ::GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_) {
    ::SetFocus(Handle());
  } else {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  int index = start;
  for (int step = 0; step < count; ++step) {
    index = goForward ? (index + 1) % count : (index + count - 1) % count;
    TWinControl* candidate = list[index];
    if (candidate == current) break;
    if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this) &&
        candidate->CanFocus())
      return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

// ---- key events ----

bool TWinControl::DoKeyDown(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(message))
    return true;
  Word key = static_cast<Word>(message.WParam);
  if (!HasStyle(csNoStdEvents)) {
    KeyDown(key, KeyDataToShiftState(message.LParam));
    message.WParam = key;
  }
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(message))
    return true;
  Word key = static_cast<Word>(message.WParam);
  if (!HasStyle(csNoStdEvents)) {
    KeyUp(key, KeyDataToShiftState(message.LParam));
    message.WParam = key;
  }
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(message))
    return true;
  char key = static_cast<char>(message.WParam);
  if (!HasStyle(csNoStdEvents)) {
    KeyPress(key);
    message.WParam = static_cast<Byte>(key);
  }
  return key == 0;
}

void TWinControl::KeyDown(Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

// A key the focused control does not want for itself goes to its form as a
// dialog key; the form moves the focus (Tab, arrows) or asks its controls
// (Enter to the default button, Escape to the cancel button). Answer 1: taken.
void TWinControl::CNKeyDown(TMessage& message) {
  message.Result = 1;
  const Word key = static_cast<Word>(message.WParam);
  if (Perform(CM_CHILDKEY, key, SenderParam(this)) != 0) return;
  LRESULT mask = 0;
  switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, message.LParam) == 0 &&
      (Perform(WM_GETDLGCODE) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) return;
  }
  message.Result = 0;
}

// A character the focused control does not take may be an accelerator of a
// control of the form (CM_DIALOGCHAR); Alt+character always asks.
void TWinControl::CNChar(TMessage& message) {
  message.Result = 1;
  const bool system = message.Msg == CN_SYSCHAR;
  if (system || (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
  }
  message.Result = 0;
}
