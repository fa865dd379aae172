// The combo box's drop-down: opening below (or above) the box, tracking a
// press-drag-release into the list, auto-scrolling past its ends, and closing
// with or without taking the highlighted item.
#include "skin/controls/SkinBoxTime.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"

namespace {
constexpr UINT kScrollTimer = 1;
}

void TspSkinCustomComboBox::DropDown() {
  if (list_->Items()->Count() == 0) return;
  listEntered_ = false;
  StopTimer();
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
  StopTimer();
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
    listEntered_ = false;
    listTracking_ = true;
    DropDown();
  } else {
    CloseUp(false);
  }
}

void TspSkinCustomComboBox::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  if (listTracking_) return ProcessListBox(x, y);
  bool over = PointInRect(buttonArea_, TPoint{x, y});
  if (over != buttonMouseIn_) {
    buttonMouseIn_ = over;
    Repaint();
  }
}

// The point of a move on the combo box, in the inner list's coordinates: above
// or below the list scrolls it (once the pointer has been inside), inside
// highlights the row at that height.
void TspSkinCustomComboBox::ProcessListBox(int x, int y) {
  TspListBox* inner = list_->ListBox();
  if (!list_->Visible() || !inner->HandleAllocated()) return;
  TPoint p = inner->ScreenToClient(ClientToScreen(TPoint{x, y}));
  bool scrolls = list_->ScrollBar() != nullptr && listEntered_;
  if (p.Y < 0) {
    if (scrolls) StartTimer(1);
  } else if (p.Y > inner->Height()) {
    if (scrolls) StartTimer(2);
  } else {
    StopTimer();
    inner->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(1, p.Y));
    listEntered_ = true;
  }
}

void TspSkinCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (listTracking_ && listEntered_) {
    SetMouseCapture(false);
    listTracking_ = false;
    TspListBox* inner = list_->ListBox();
    bool overList = false;
    if (inner->HandleAllocated()) {
      TPoint p = inner->ScreenToClient(ClientToScreen(TPoint{x, y}));
      overList = p.X >= 0 && p.Y >= 0 && p.X < inner->Width() && p.Y < inner->Height();
    }
    CloseUp(overList);
  } else {
    listTracking_ = false;
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (buttonPressed_) {
    buttonPressed_ = false;
    Repaint();
  }
}

void TspSkinCustomComboBox::ListBoxMouseMove(TObject*, TShiftState, int x, int y) {
  if (!list_->Visible()) return;
  Integer index = list_->ListBox()->ItemAtPos(TPoint{x, y}, true);
  if (index >= 0 && index < list_->Items()->Count() && index != list_->ItemIndex()) list_->SetItemIndex(index);
}

// A press in the open list starts tracking by the combo box (which takes the
// capture), so the release closes the list there; the list itself takes no
// other button and never activates.
void TspSkinCustomComboBox::ListBoxWindowProcHook(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      listTracking_ = true;
      listEntered_ = true;
      SetMouseCapture(true);
      return;
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

// ---- auto-scroll ----

void TspSkinCustomComboBox::StartTimer(int mode) {
  if (mode == timerMode_) return;
  timerMode_ = mode;
  SPBoxTime().KillTimer(this, kScrollTimer);
  SPBoxTime().SetTimer(this, kScrollTimer, 25);
}

void TspSkinCustomComboBox::StopTimer() {
  if (timerMode_ != 0) SPBoxTime().KillTimer(this, kScrollTimer);
  timerMode_ = 0;
}

void TspSkinCustomComboBox::TimerStep() {
  Integer index = list_->ItemIndex();
  if (timerMode_ == 1 && index >= 1) list_->SetItemIndex(index - 1);
  else if (timerMode_ == 2 && index + 1 < list_->Items()->Count()) list_->SetItemIndex(index + 1);
}
