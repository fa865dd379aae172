#include "skin/controls/checklists/SkinCheckComboBox.h"

#include <algorithm>

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/draw/SPUtils.h"

TspSkinCustomCheckComboBox::TspSkinCustomCheckComboBox(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csOpaque | csDoubleClicks | csReplicatable;
  SkinDataName = "combobox";
  SetRecordFont(Font(), "Arial", 0, 14);
  Font()->SetColor(clWindowText);
  list_ = new TspPopupCheckListBox(this);
  tracker_.SetList(list_);
  if (!HasState(csDesigning)) list_->SetParent(this);
  list_->ListBox()->SetTabStop(false);
  list_->ListBox()->OnMouseMove = TMouseMoveEvent(this, &TspSkinCustomCheckComboBox::ListBoxMouseMove);
  oldListWindowProc_ = list_->ListBox()->WindowProc;
  list_->ListBox()->WindowProc = TWndMethod(this, &TspSkinCustomCheckComboBox::ListBoxWindowProcHook);
  SetTabStop(true);
  SetBounds(0, 0, 120, 20);
  CalcRects();
}

TspSkinCustomCheckComboBox::~TspSkinCustomCheckComboBox() {
  tracker_.StopScroll();
  list_->ListBox()->WindowProc = oldListWindowProc_;
}

// ---- checks and text ----

void TspSkinCustomCheckComboBox::SetChecked(Integer index, bool checked) {
  list_->SetChecked(index, checked);
  CheckText();
  Invalidate();
}

void TspSkinCustomCheckComboBox::CheckText() {
  String text;
  for (Integer i = 0; i < list_->Items()->Count(); ++i) {
    if (!list_->GetChecked(i)) continue;
    if (!text.empty()) text += ",";
    text += list_->Items()->Strings(i);
  }
  SetText(text);
}

void TspSkinCustomCheckComboBox::ToggleCurrent() {
  Integer index = list_->ItemIndex();
  if (index < 0 || index >= list_->Items()->Count()) return;
  SetChecked(index, !list_->GetChecked(index));
  Change();
  OnClick(this);
}

// ---- drop-down ----

void TspSkinCustomCheckComboBox::DropDown() {
  Integer count = list_->Items()->Count();
  if (count == 0) return;
  OnDropDown(this);
  list_->SetWidth(ListBoxWidth != 0 ? ListBoxWidth : Width());
  list_->SetRowCount(std::min(count, dropDownCount_));
  TPoint origin = ClientToScreen(TPoint{0, Height()});
  TRect work = GetMonitorWorkArea(HandleAllocated() ? Handle() : nullptr, true);
  if (origin.Y + list_->Height() > work.Bottom) origin.Y -= Height() + list_->Height();
  if (list_->ItemIndex() == 0 && count > 1) {
    list_->SetItemIndex(1);
    list_->SetItemIndex(0);
  }
  list_->SetTopIndex(std::max<Integer>(list_->ItemIndex(), 0));
  list_->ShowAt(origin);
  list_->UpDateScrollBar();
}

void TspSkinCustomCheckComboBox::CloseUp(bool accept) {
  tracker_.StopScroll();
  if (!list_->Visible()) return;
  list_->HideList();
  if (!accept) return;
  Invalidate();
  OnCloseUp(this);
  OnClick(this);
}

bool TspSkinCustomCheckComboBox::BelongsToDropDown(TObject* sender) const {
  return sender && (sender == this || sender == list_ || sender == list_->ScrollBar() || sender == list_->ListBox());
}

// ---- pointer ----

void TspSkinCustomCheckComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (HandleAllocated() && !Focused() && CanFocus()) SetFocus();
  if (button != mbLeft) return;
  TPoint p{x, y};
  if (!PointInRect(buttonArea_, p) && !PointInRect(itemArea_, p)) return CloseUp(false);
  buttonPressed_ = true;
  Invalidate();
  if (list_->Visible()) return CloseUp(false);
  tracker_.Entered = false;
  tracker_.Tracking = true;
  DropDown();
}

void TspSkinCustomCheckComboBox::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  if (tracker_.Tracking) return tracker_.Track(x, y);
  bool over = PointInRect(buttonArea_, TPoint{x, y});
  if (over == buttonMouseIn_) return;
  buttonMouseIn_ = over;
  Invalidate();
}

// A release over the list inverts the current item and leaves the list open.
void TspSkinCustomCheckComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (tracker_.Tracking && tracker_.Entered) {
    SetMouseCapture(false);
    tracker_.Tracking = false;
    tracker_.StopScroll();
    if (tracker_.OverList(x, y)) ToggleCurrent();
  } else {
    tracker_.Tracking = false;
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (buttonPressed_) {
    buttonPressed_ = false;
    Invalidate();
  }
}

void TspSkinCustomCheckComboBox::ListBoxMouseMove(TObject*, TShiftState, int x, int y) { tracker_.HighlightAt(x, y); }

void TspSkinCustomCheckComboBox::ListBoxWindowProcHook(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      return tracker_.PressInList();
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return;
    default:
      break;
  }
  oldListWindowProc_(message);
}

// ---- keys ----

void TspSkinCustomCheckComboBox::MoveIndex(Integer delta) {
  Integer last = list_->Items()->Count() - 1;
  if (last < 0) return;
  list_->SetItemIndex(std::clamp<Integer>(list_->ItemIndex() + delta, 0, last));
}

void TspSkinCustomCheckComboBox::KeyDown(Word& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  bool alt = (shift & ssAlt) != 0;
  Integer index = list_->ItemIndex(), last = list_->Items()->Count() - 1;
  switch (key) {
    case VK_RETURN: if (list_->Visible()) CloseUp(true); break;
    case VK_ESCAPE: if (list_->Visible()) CloseUp(false); break;
    case VK_SPACE: ToggleCurrent(); break;
    case VK_PRIOR: list_->SetItemIndex(std::max<Integer>(index - (dropDownCount_ + 1), 0)); break;
    case VK_NEXT: list_->SetItemIndex(std::min<Integer>(index + dropDownCount_ - 1, last)); break;
    case VK_UP:
    case VK_LEFT:
      if (alt) {
        if (list_->Visible()) CloseUp(false);
      } else if (index > 0) {
        list_->SetItemIndex(index - 1);
      }
      break;
    case VK_DOWN:
    case VK_RIGHT:
      if (alt) {
        if (!list_->Visible()) DropDown();
      } else if (index < last) {
        list_->SetItemIndex(index + 1);
      }
      break;
    default:
      break;
  }
}

void TspSkinCustomCheckComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      return CalcRects();
    case CM_WANTSPECIALKEY:
      if (message.WParam >= VK_LEFT && message.WParam <= VK_DOWN) {
        message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(message);
      return Invalidate();
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(message);
      if (list_->Visible()) CloseUp(false);
      return Invalidate();
    case WM_MOUSEWHEEL:
      MoveIndex(static_cast<short>(HIWORD(message.WParam)) <= 0 ? 1 : -1);
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      mouseIn_ = message.Msg == CM_MOUSEENTER;
      if (!mouseIn_ && buttonMouseIn_) buttonMouseIn_ = false;
      return Invalidate();
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(message);
      Invalidate();
      return Change();
    case CM_CANCELMODE:
      TspSkinCustomControl::Dispatch(message);
      if (!BelongsToDropDown(MessageSender(message))) CloseUp(false);
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == TspDropDownTracker::kScrollTimer) tracker_.ScrollStep();
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}
