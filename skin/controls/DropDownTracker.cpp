#include "skin/controls/DropDownTracker.h"

#include "skin/controls/SkinBoxTime.h"

void TspDropDownTracker::PressInList() {
  Tracking = true;
  Entered = true;
  owner_->SetMouseCapture(true);
}

void TspDropDownTracker::Track(int x, int y) {
  TspListBox* inner = list_->ListBox();
  if (!list_->Visible() || !inner->HandleAllocated()) return;
  TPoint p = inner->ScreenToClient(owner_->ClientToScreen(TPoint{x, y}));
  bool scrolls = list_->ScrollBar() != nullptr && Entered;
  if (p.Y < 0) {
    if (scrolls) StartScroll(1);
  } else if (p.Y > inner->Height()) {
    if (scrolls) StartScroll(2);
  } else {
    StopScroll();
    inner->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(1, p.Y));
    Entered = true;
  }
}

bool TspDropDownTracker::OverList(int x, int y) const {
  TspListBox* inner = list_->ListBox();
  if (!inner->HandleAllocated()) return false;
  TPoint p = inner->ScreenToClient(owner_->ClientToScreen(TPoint{x, y}));
  return p.X >= 0 && p.Y >= 0 && p.X < inner->Width() && p.Y < inner->Height();
}

void TspDropDownTracker::HighlightAt(int x, int y) {
  if (!list_->Visible()) return;
  Integer index = list_->ListBox()->ItemAtPos(TPoint{x, y}, true);
  if (index >= 0 && index < list_->Items()->Count() && index != list_->ItemIndex()) list_->SetItemIndex(index);
}

void TspDropDownTracker::StartScroll(int mode) {
  if (mode == mode_) return;
  mode_ = mode;
  KillBoxTimer(owner_, kScrollTimer);
  SetBoxTimer(owner_, kScrollTimer, 25);
}

void TspDropDownTracker::StopScroll() {
  if (mode_ != 0) KillBoxTimer(owner_, kScrollTimer);
  mode_ = 0;
}

void TspDropDownTracker::ScrollStep() {
  Integer index = list_->ItemIndex();
  if (mode_ == 1 && index >= 1) list_->SetItemIndex(index - 1);
  else if (mode_ == 2 && index + 1 < list_->Items()->Count()) list_->SetItemIndex(index + 1);
}
