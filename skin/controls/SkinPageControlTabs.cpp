// The page control's hover tracking, close buttons, closing a page, tab
// scrolling with the skinned up-down, and hiding the tab row.
#include "skin/controls/SkinPageControl.h"
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

bool TspSkinPageControl::InCloseRect(Integer tab, int x, int y) {
  TspSkinCustomTabSheet* sheet = SkinPage(PageOfTab(tab));
  if (!sheet || IsNullRect(sheet->CloseRect)) return false;
  TRect item = GetItemRect(tab);
  TRect r = sheet->CloseRect;
  r = {r.Left + item.Left, r.Top + item.Top, r.Right + item.Left, r.Bottom + item.Top};
  return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

void TspSkinPageControl::TestActive(int x, int y) {
  if (tabsHidden_) return;
  oldHoverTab_ = hoverTab_;
  oldHoverPage_ = hoverPage_;
  hoverTab_ = -1;
  hoverPage_ = -1;
  for (Integer tab = 0; tab < TabCount(); ++tab)
    if (PointInRect(GetItemRect(tab), TPoint{x, y})) {
      hoverTab_ = tab;
      hoverPage_ = PageOfTab(tab);
      break;
    }
  TCanvas canvas;
  bool redraw = false;
  if (hoverTab_ != oldHoverTab_) {
    if (oldHoverTab_ != -1 && oldHoverTab_ != TabIndex() && oldHoverPage_ < PageCount()) {
      if (TspSkinCustomTabSheet* old = SkinPage(oldHoverPage_)) old->CloseHot = old->ClosePressed = false;
      redraw = true;
    }
    if (hoverTab_ != -1 && hoverTab_ != TabIndex() && hoverPage_ < PageCount()) redraw = true;
  }
  if (hoverTab_ != -1 && showCloseButtons_) {
    if (TspSkinCustomTabSheet* sheet = SkinPage(hoverPage_)) {
      bool inside = InCloseRect(hoverTab_, x, y);
      if (inside && !sheet->CloseHot) {
        sheet->CloseHot = true;
        redraw = true;
      } else if (!inside && sheet->CloseHot) {
        sheet->CloseHot = sheet->ClosePressed = false;
        redraw = true;
      }
    }
  }
  if (redraw) Invalidate();
}

void TspSkinPageControl::MouseMove(TShiftState shift, int x, int y) {
  TPageControl::MouseMove(shift, x, y);
  if (!tabsHidden_ && !HasState(csDesigning)) TestActive(x, y);
}

void TspSkinPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TPageControl::MouseDown(button, shift, x, y);
  if (tabsHidden_ || button != mbLeft) return;
  if (!HasState(csDesigning)) TestActive(x, y);
  if (hoverTab_ == -1 || !showCloseButtons_) return;
  TspSkinCustomTabSheet* sheet = SkinPage(hoverPage_);
  if (!sheet) return;
  bool inside = InCloseRect(hoverTab_, x, y);
  sheet->CloseHot = sheet->ClosePressed = inside;
  if (inside) Invalidate();
}

// A close button closes its page only when it was pressed and released on it;
// pressed, moved off and released elsewhere, the page stays.
void TspSkinPageControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TPageControl::MouseUp(button, shift, x, y);
  if (tabsHidden_ || button != mbLeft) return;
  if (!HasState(csDesigning)) TestActive(x, y);
  if (hoverTab_ == -1 || !showCloseButtons_) return;
  TspSkinCustomTabSheet* sheet = SkinPage(hoverPage_);
  if (!sheet) return;
  bool inside = InCloseRect(hoverTab_, x, y);
  bool wasPressed = sheet->ClosePressed;
  if (inside && wasPressed) {
    sheet->CloseHot = true;
    sheet->ClosePressed = false;
    Invalidate();
    DoClose();
  } else {
    sheet->CloseHot = inside;
    sheet->ClosePressed = false;
    Invalidate();
  }
}

void TspSkinPageControl::MouseLeft() {
  if (tabsHidden_) return;
  bool redraw = false;
  if (oldHoverTab_ != -1 && oldHoverTab_ != TabIndex() && oldHoverTab_ < PageCount()) {
    oldHoverTab_ = oldHoverPage_ = -1;
    redraw = true;
  }
  if (hoverTab_ != -1 && hoverTab_ != TabIndex() && hoverTab_ < PageCount()) {
    hoverTab_ = hoverPage_ = -1;
    redraw = true;
  }
  if (redraw) Invalidate();
}

void TspSkinPageControl::DoClose() {
  TTabSheet* page = ActivePage();
  if (!page) return;
  bool canClose = true;
  OnClose(page, canClose);
  if (canClose) {
    page->SetTabVisible(false);
    if (FreeOnClose) delete page;
    OnAfterClose(this);
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (!HandleAllocated() || ::WindowFromPoint(cursor) != Handle()) {
    if (auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(page)) sheet->CloseHot = sheet->ClosePressed = false;
    Invalidate();
  }
}

// ---- tab scrolling ----

Integer TspSkinPageControl::GetInVisibleItemCount() {
  Integer limit = Width() - 3 - (upDown_ ? upDown_->Width() : 0);
  Integer count = 0;
  for (Integer tab = 0; tab < TabCount(); ++tab) {
    TRect r = GetItemRect(tab);
    if (r.Right > limit || r.Right <= 0) ++count;
  }
  return count;
}

Integer TspSkinPageControl::GetPosition() {
  Integer count = 0;
  for (Integer tab = 0; tab < TabCount(); ++tab)
    if (GetItemRect(tab).Right <= 0) ++count;
  return count;
}

void TspSkinPageControl::CheckScroll() {
  if (!HandleAllocated()) return;
  DestroyNativeScroller(Handle());
  Integer hidden = GetInVisibleItemCount();
  if ((hidden == 0 || MultiLine()) && upDown_) HideSkinUpDown();
  else if (hidden > 0 && !upDown_ && !MultiLine()) ShowSkinUpDown();
  if (!upDown_) return;
  upDown_->SetMax(hidden);
  upDown_->SetBounds(Width() - upDown_->Width(), TabPosition() == tpTop ? 0 : Height() - upDown_->Height(),
                     upDown_->Width(), upDown_->Height());
}

void TspSkinPageControl::ShowSkinUpDown() {
  if (tabsHidden_) return;
  upDown_ = new TspSkinUpDown(this);
  upDown_->UseSkinSize = false;
  upDown_->SetBounds(0, 0, 2 * defaultItemHeight_, defaultItemHeight_);
  upDown_->SetMin(0);
  upDown_->SetMax(GetInVisibleItemCount());
  upDown_->SetPosition(GetPosition());
  upDown_->Increment = 1;
  upDown_->OnChange = TNotifyEvent(this, &TspSkinPageControl::OnUpDownChange);
  upDown_->SetBounds(Width() - upDown_->Width(), TabPosition() == tpTop ? 0 : Height() - upDown_->Height(),
                     upDown_->Width(), upDown_->Height());
  upDown_->SkinDataName = upDownName_;
  upDown_->SetSkinData(skinData_);
  upDown_->SetParent(this);
  upDown_->SetVisible(true);
}

void TspSkinPageControl::HideSkinUpDown() {
  TspSkinUpDown* upDown = upDown_;
  upDown_ = nullptr;
  delete upDown;
}

void TspSkinPageControl::OnUpDownChange(TObject*) {
  if (!upDown_) return;
  upDown_->SetMax(GetInVisibleItemCount());
  ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, upDown_->Position()), 0);
}

// ---- hiding the tab row ----

void TspSkinPageControl::HideTabs() {
  if (tabsHidden_ || !CheckVisibleTabs()) return;
  tabsHidden_ = true;
  savedPosition_ = TabPosition();
  savedMultiLine_ = MultiLine();
  if (SideTabs()) SetTabPosition(tpTop);
  SetMultiLine(false);
  savedTabHeight_ = TabHeight();
  SetTabHeight(1);
  HideSkinUpDown();
  Realign();
  Invalidate();
}

void TspSkinPageControl::ShowTabs() {
  if (!tabsHidden_) return;
  SetTabPosition(savedPosition_);
  SetMultiLine(savedMultiLine_);
  tabsHidden_ = false;
  SetTabHeight(savedTabHeight_);
  GetSkinData();
  if (savedTabHeight_ <= 0 && HasRecord()) SetItemSize(TabWidth(), RectHeight(tabRect));
  savedTabHeight_ = -1;
  if (!MultiLine()) CheckScroll();
  Realign();
  Invalidate();
}
