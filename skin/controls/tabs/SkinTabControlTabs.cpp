// The tab control's hover tracking, close buttons, closing a tab and tab
// scrolling with the skinned up-down.
#include "skin/controls/tabs/SkinTabControl.h"
#include "skin/draw/SkinRects.h"

namespace {

void DestroyNativeScroller(HWND control) {
  HWND child = ::FindWindowExA(control, nullptr, "msctls_updown32", nullptr);
  while (child) {
    HWND next = ::FindWindowExA(control, child, "msctls_updown32", nullptr);
    ::DestroyWindow(child);
    child = next;
  }
}

}  // namespace

// ---- hover and close buttons ----

bool TspSkinTabControl::InCloseRect(Integer tab, int x, int y) {
  if (tab < 0 || tab >= TabCount()) return false;
  TRect r = CloseState(tab).Rect;
  if (IsNullRect(r)) return false;
  TRect item = GetItemRect(tab);
  r = {r.Left + item.Left, r.Top + item.Top, r.Right + item.Left, r.Bottom + item.Top};
  return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

void TspSkinTabControl::TestActive(int x, int y) {
  oldHoverTab_ = hoverTab_;
  hoverTab_ = -1;
  for (Integer tab = 0; tab < TabCount(); ++tab)
    if (PointInRect(GetItemRect(tab), TPoint{x, y})) {
      hoverTab_ = tab;
      break;
    }
  bool redraw = hoverTab_ != oldHoverTab_ &&
                ((oldHoverTab_ != -1 && oldHoverTab_ != TabIndex()) || (hoverTab_ != -1 && hoverTab_ != TabIndex()));
  if (hoverTab_ != -1 && showCloseButtons_) {
    TCloseState& state = CloseState(hoverTab_);
    bool inside = InCloseRect(hoverTab_, x, y);
    if (inside && !state.Hot) {
      state.Hot = true;
      redraw = true;
    } else if (!inside && state.Hot) {
      state.Hot = state.Pressed = false;
      redraw = true;
    }
  }
  if (redraw) Invalidate();
}

void TspSkinTabControl::MouseMove(TShiftState shift, int x, int y) {
  TTabControl::MouseMove(shift, x, y);
  if (!HasState(csDesigning)) TestActive(x, y);
}

void TspSkinTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTabControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (!HasState(csDesigning)) TestActive(x, y);
  if (hoverTab_ == -1 || !showCloseButtons_) return;
  TCloseState& state = CloseState(hoverTab_);
  bool inside = InCloseRect(hoverTab_, x, y);
  state.Hot = state.Pressed = inside;
  if (inside) Invalidate();
}

// A close button closes its tab only when it was pressed and released on it.
void TspSkinTabControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TTabControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  if (!HasState(csDesigning)) TestActive(x, y);
  if (hoverTab_ == -1 || !showCloseButtons_) return;
  TCloseState& state = CloseState(hoverTab_);
  bool inside = InCloseRect(hoverTab_, x, y);
  bool wasPressed = state.Pressed;
  state.Hot = inside;
  state.Pressed = false;
  Invalidate();
  if (inside && wasPressed) DoClose();
}

void TspSkinTabControl::MouseLeft() {
  bool redraw = false;
  if (oldHoverTab_ != -1 && oldHoverTab_ != TabIndex() && oldHoverTab_ < TabCount()) {
    oldHoverTab_ = -1;
    redraw = true;
  }
  if (hoverTab_ != -1 && hoverTab_ != TabIndex() && hoverTab_ < TabCount()) {
    if (showCloseButtons_) CloseState(hoverTab_) = TCloseState{};
    hoverTab_ = -1;
    redraw = true;
  }
  if (redraw) Invalidate();
}

// Deleting a tab takes its close state with it, so the tabs after it keep theirs.
void TspSkinTabControl::DoClose() {
  Integer index = TabIndex();
  if (index == -1) return;
  bool canClose = true;
  OnClose(index, canClose);
  if (canClose) {
    if (static_cast<size_t>(index) < closeStates_.size()) closeStates_.erase(closeStates_.begin() + index);
    Tabs()->Delete(index);
    Invalidate();
    OnAfterClose(this);
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (!HandleAllocated() || ::WindowFromPoint(cursor) != Handle()) {
    CloseState(index) = TCloseState{};
    Invalidate();
  }
}

// ---- tab scrolling ----

Integer TspSkinTabControl::GetInVisibleItemCount() {
  Integer limit = Width() - 3 - (upDown_ ? upDown_->Width() : 0);
  Integer count = 0;
  for (Integer tab = 0; tab < TabCount(); ++tab) {
    TRect r = GetItemRect(tab);
    if (r.Right > limit || r.Right <= 0) ++count;
  }
  return count;
}

Integer TspSkinTabControl::GetPosition() {
  Integer count = 0;
  for (Integer tab = 0; tab < TabCount(); ++tab)
    if (GetItemRect(tab).Right <= 0) ++count;
  return count;
}

void TspSkinTabControl::CheckScroll() {
  if (!HandleAllocated()) return;
  DestroyNativeScroller(Handle());
  Integer hidden = GetInVisibleItemCount();
  if (hidden == 0 && upDown_) HideSkinUpDown();
  else if (hidden > 0 && !upDown_ && !MultiLine()) ShowSkinUpDown();
  if (!upDown_) return;
  upDown_->SetMax(hidden);
  upDown_->SetBounds(Width() - upDown_->Width(), TabPosition() == tpTop ? 0 : Height() - upDown_->Height(),
                     upDown_->Width(), upDown_->Height());
}

void TspSkinTabControl::ShowSkinUpDown() {
  upDown_ = new TspSkinUpDown(this);
  upDown_->UseSkinSize = false;
  upDown_->SetBounds(0, 0, 36, 18);
  upDown_->SetMin(0);
  upDown_->SetMax(GetInVisibleItemCount());
  upDown_->SetPosition(GetPosition());
  upDown_->Increment = 1;
  upDown_->OnChange = TNotifyEvent(this, &TspSkinTabControl::OnUpDownChange);
  upDown_->SetBounds(Width() - upDown_->Width(), TabPosition() == tpTop ? 0 : Height() - upDown_->Height(),
                     upDown_->Width(), upDown_->Height());
  upDown_->SkinDataName = upDownName_;
  upDown_->SetSkinData(skinData_);
  upDown_->SetParent(this);
  upDown_->SetVisible(true);
}

void TspSkinTabControl::HideSkinUpDown() {
  TspSkinUpDown* upDown = upDown_;
  upDown_ = nullptr;
  delete upDown;
}

void TspSkinTabControl::OnUpDownChange(TObject*) {
  if (!upDown_) return;
  upDown_->SetMax(GetInVisibleItemCount());
  ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, upDown_->Position()), 0);
}

