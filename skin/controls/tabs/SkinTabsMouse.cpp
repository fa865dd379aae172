// The tab strip's hover tracking, close buttons, and tab scrolling with the
// skinned up-down.
#include "platform/comctrls/PageControl.h"
#include "skin/controls/tabs/SkinTabs.h"
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

template <class Base>
bool TspSkinTabs<Base>::InCloseRect(Integer tab, int x, int y) {
  TspTabCloseRef close = ItemClose(ItemOfTab(tab));
  if (!close || IsNullRect(*close.Rect)) return false;
  TRect item = GetItemRect(tab);
  TRect r = *close.Rect;
  r = {r.Left + item.Left, r.Top + item.Top, r.Right + item.Left, r.Bottom + item.Top};
  return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

template <class Base>
void TspSkinTabs<Base>::ClearClose(Integer item) {
  if (TspTabCloseRef close = ItemClose(item)) *close.Hot = *close.Pressed = false;
}

template <class Base>
void TspSkinTabs<Base>::TestActive(int x, int y) {
  if (!TabsShown()) return;
  oldHoverTab_ = hoverTab_;
  hoverTab_ = -1;
  for (Integer tab = 0; tab < this->TabCount(); ++tab)
    if (PointInRect(GetItemRect(tab), TPoint{x, y})) {
      hoverTab_ = tab;
      break;
    }
  bool redraw = false;
  if (hoverTab_ != oldHoverTab_) {
    if (oldHoverTab_ != -1 && oldHoverTab_ != this->TabIndex()) {
      ClearClose(ItemOfTab(oldHoverTab_));
      redraw = true;
    }
    if (hoverTab_ != -1 && hoverTab_ != this->TabIndex()) redraw = true;
  }
  if (hoverTab_ != -1 && showCloseButtons_) {
    if (TspTabCloseRef close = ItemClose(ItemOfTab(hoverTab_))) {
      bool inside = InCloseRect(hoverTab_, x, y);
      if (inside && !*close.Hot) {
        *close.Hot = true;
        redraw = true;
      } else if (!inside && *close.Hot) {
        *close.Hot = *close.Pressed = false;
        redraw = true;
      }
    }
  }
  if (redraw) this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::MouseMove(TShiftState shift, int x, int y) {
  Base::MouseMove(shift, x, y);
  if (TabsShown() && !this->HasState(csDesigning)) TestActive(x, y);
}

// The close button of the tab under a left press or release, with whether
// the point is on it; empty for another button or where no close button is.
template <class Base>
TspTabCloseRef TspSkinTabs<Base>::CloseUnder(TMouseButton button, int x, int y, bool& inside) {
  if (!TabsShown() || button != mbLeft) return {};
  if (!this->HasState(csDesigning)) TestActive(x, y);
  if (hoverTab_ == -1 || !showCloseButtons_) return {};
  inside = InCloseRect(hoverTab_, x, y);
  return ItemClose(ItemOfTab(hoverTab_));
}

template <class Base>
void TspSkinTabs<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseDown(button, shift, x, y);
  bool inside = false;
  TspTabCloseRef close = CloseUnder(button, x, y, inside);
  if (!close) return;
  *close.Hot = *close.Pressed = inside;
  if (inside) this->Invalidate();
}

// A close button closes its item only when it was pressed and released on it;
// pressed, moved off and released elsewhere, the item stays.
template <class Base>
void TspSkinTabs<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Base::MouseUp(button, shift, x, y);
  bool inside = false;
  TspTabCloseRef close = CloseUnder(button, x, y, inside);
  if (!close) return;
  bool wasPressed = *close.Pressed;
  *close.Hot = inside;
  *close.Pressed = false;
  this->Invalidate();
  if (inside && wasPressed) DoClose();
}

template <class Base>
void TspSkinTabs<Base>::MouseLeft() {
  if (!TabsShown()) return;
  bool redraw = false;
  if (oldHoverTab_ != -1 && oldHoverTab_ != this->TabIndex() && oldHoverTab_ < this->TabCount()) {
    oldHoverTab_ = -1;
    redraw = true;
  }
  if (hoverTab_ != -1 && hoverTab_ != this->TabIndex() && hoverTab_ < this->TabCount()) {
    if (showCloseButtons_) ClearClose(ItemOfTab(hoverTab_));
    hoverTab_ = -1;
    redraw = true;
  }
  if (redraw) this->Invalidate();
}

// ---- tab scrolling ----

template <class Base>
Integer TspSkinTabs<Base>::GetInVisibleItemCount() {
  Integer limit = this->Width() - 3 - (upDown_ ? upDown_->Width() : 0);
  Integer count = 0;
  for (Integer tab = 0; tab < this->TabCount(); ++tab) {
    TRect r = GetItemRect(tab);
    if (r.Right > limit || r.Right <= 0) ++count;
  }
  return count;
}

template <class Base>
Integer TspSkinTabs<Base>::GetPosition() {
  Integer count = 0;
  for (Integer tab = 0; tab < this->TabCount(); ++tab)
    if (GetItemRect(tab).Right <= 0) ++count;
  return count;
}

template <class Base>
void TspSkinTabs<Base>::CheckScroll() {
  if (!this->HandleAllocated()) return;
  DestroyNativeScroller(this->Handle());
  Integer hidden = GetInVisibleItemCount();
  if ((hidden == 0 || this->MultiLine()) && upDown_) HideSkinUpDown();
  else if (hidden > 0 && !upDown_ && !this->MultiLine()) ShowSkinUpDown();
  if (!upDown_) return;
  upDown_->SetMax(hidden);
  upDown_->SetBounds(this->Width() - upDown_->Width(),
                     this->TabPosition() == tpTop ? 0 : this->Height() - upDown_->Height(), upDown_->Width(),
                     upDown_->Height());
}

template <class Base>
void TspSkinTabs<Base>::ShowSkinUpDown() {
  if (!TabsShown()) return;
  upDown_ = new TspSkinUpDown(this);
  upDown_->UseSkinSize = false;
  TSize size = UpDownSize();
  upDown_->SetBounds(0, 0, size.cx, size.cy);
  upDown_->SetMin(0);
  upDown_->SetMax(GetInVisibleItemCount());
  upDown_->SetPosition(GetPosition());
  upDown_->Increment = 1;
  upDown_->OnChange = TNotifyEvent(this, &TspSkinTabs::OnUpDownChange);
  upDown_->SetBounds(this->Width() - upDown_->Width(),
                     this->TabPosition() == tpTop ? 0 : this->Height() - upDown_->Height(), upDown_->Width(),
                     upDown_->Height());
  upDown_->SkinDataName = upDownName_;
  upDown_->SetSkinData(skinData_);
  upDown_->SetParent(this);
  upDown_->SetVisible(true);
}

template <class Base>
void TspSkinTabs<Base>::HideSkinUpDown() {
  TspSkinUpDown* upDown = upDown_;
  upDown_ = nullptr;
  delete upDown;
}

// The native control jumps to the position at once on Windows but moves one
// tab a message on Wine, so the message goes again until the row is there or
// stops moving.
template <class Base>
void TspSkinTabs<Base>::OnUpDownChange(TObject*) {
  if (!upDown_) return;
  upDown_->SetMax(GetInVisibleItemCount());
  Integer target = upDown_->Position();
  Integer now = GetPosition(), before = -1;
  while (now != target && now != before) {
    ::SendMessageA(this->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, target), 0);
    before = now;
    now = GetPosition();
  }
}

template class TspSkinTabs<TPageControl>;
template class TspSkinTabs<TTabControl>;
