// The combo box's drop-down: opening below (or above) the box, tracking a
// press-drag-release into the list, auto-scrolling past its ends, and closing
// with or without taking the highlighted item.
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"

void TspSkinCustomComboBox::DropDown() {
  if (list_->Items()->Count() == 0) return;
  tracker_.Entered = false;
  tracker_.StopScroll();
  OnDropDown(this);
  Integer count = list_->Items()->Count();
  if (count == 0) return;
  Integer width = ListBoxWidth != 0 ? ListBoxWidth : Width();
  list_->HandleNeeded();
  Integer height = list_->CalcHeight(std::min(count, dropDownCount_));
  TPoint origin = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top() + Height()}) : ClientToScreen(TPoint{0, Height()});
  TRect work = GetMonitorWorkArea(HandleAllocated() ? Handle() : nullptr, true);
  if (origin.Y + height > work.Bottom) origin.Y -= Height() + height;
  if (edit_ && edit_->CanFocus()) edit_->SetFocus();
  oldItemIndex_ = ItemIndex();
  if (ItemIndex() == 0 && count > 1) {
    list_->SetItemIndex(1);
    list_->SetItemIndex(0);
  }
  dropped_ = true;
  if (toolButtonStyle_) Repaint();
  list_->SetBounds(origin.X, origin.Y, width, height);
  list_->SetTopIndex(std::max<Integer>(ItemIndex(), 0));
  list_->ShowAt(origin);
  list_->UpDateScrollBar();
}

void TspSkinCustomComboBox::CloseUp(bool acceptValue) {
  if (!list_->Visible()) return;
  list_->HideList();
  Integer index = list_->ItemIndex();
  if (index < 0) {
    list_->SetItemIndex(oldItemIndex_);
  } else if (acceptValue && index < list_->Items()->Count()) {
    String item = list_->Items()->Strings(index);
    if (edit_) {
      edit_->SetText(item);
      edit_->SelectAll();
    } else {
      SetText(item);
      Repaint();
    }
    oldItemIndex_ = index;
    OnClick(this);
    Change();
  } else {
    list_->SetItemIndex(oldItemIndex_);
  }
  tracker_.StopScroll();
  dropped_ = false;
  Repaint();
  if (acceptValue) OnCloseUp(this);
}

bool TspSkinCustomComboBox::BelongsToDropDown(TObject* sender) const {
  if (!sender) return false;
  return sender == this || sender == list_ || sender == list_->ScrollBar() || sender == list_->HScrollBar() ||
         sender == list_->ListBox();
}

void TspSkinCustomComboBox::EditCancelMode(TObject* sender) {
  if (!BelongsToDropDown(sender)) CloseUp(false);
}

void TspSkinCustomComboBox::CheckButtonClick(TObject*) { CloseUp(true); }

// ---- pointer ----

void TspSkinCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!edit_ && HandleAllocated() && !Focused() && CanFocus()) SetFocus();
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  TPoint p{x, y};
  bool opens = toolButtonStyle_ || PointInRect(buttonArea_, p) || (!edit_ && PointInRect(itemArea_, p));
  if (!opens) {
    if (list_->Visible()) CloseUp(false);
    return;
  }
  buttonPressed_ = true;
  Repaint();
  if (!list_->Visible()) {
    tracker_.Entered = false;
    tracker_.Tracking = true;
    DropDown();
  } else {
    CloseUp(false);
  }
}

void TspSkinCustomComboBox::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  if (tracker_.Tracking) return tracker_.Track(x, y);
  bool over = PointInRect(buttonArea_, TPoint{x, y});
  if (over != buttonMouseIn_) {
    buttonMouseIn_ = over;
    Repaint();
  }
}

void TspSkinCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (tracker_.Tracking && tracker_.Entered) {
    SetMouseCapture(false);
    tracker_.Tracking = false;
    CloseUp(tracker_.OverList(x, y));
  } else {
    tracker_.Tracking = false;
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (buttonPressed_) {
    buttonPressed_ = false;
    Repaint();
  }
}

void TspSkinCustomComboBox::ListBoxMouseMove(TObject*, TShiftState, int x, int y) { tracker_.HighlightAt(x, y); }

// A press in the open list starts tracking by the combo box (which takes the
// capture), so the release closes the list there; the list itself takes no
// other button and never activates.
void TspSkinCustomComboBox::ListBoxWindowProcHook(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      return tracker_.PressInList();
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return;
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      break;
    default:
      break;
  }
  oldListWindowProc_(message);
}
