#include "framed/popups/RzPopupPanel.h"

#include <algorithm>
#include <climits>

#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/CustomForm.h"

namespace {

bool ApplicationActive() {
  DWORD process = 0;
  ::GetWindowThreadProcessId(::GetForegroundWindow(), &process);
  return process == ::GetCurrentProcessId();
}

}  // namespace

// ---- the framed base ----

TRzCustomPopup::TRzCustomPopup(TComponent* owner) : TRzCustomPanel(owner) {
  SetBorderWidth(2);
  borderOuter_ = fsPopup;
  flatColorAdjustment_ = 0;
  SetVisible(false);
}

void TRzCustomPopup::AdjustClientRect(TRect& rect) {
  TRzCustomPanel::AdjustClientRect(rect);
  FixClientRect(rect, false);
}

void TRzCustomPopup::AlignControls(TControl* control, TRect& rect) {
  // The platform's alignment adjusts the rectangle itself; the panel's would move
  // it inward by the frame a second time.
  TCustomPanel::AlignControls(control, rect);
}

void TRzCustomPopup::Paint() {
  if (ThemeServices()->ThemesEnabled())
    ThemeServices()->DrawElement(Canvas()->Handle(), GetElementDetails(tsThumbBtnHorzPressed), ClientRect());
  else
    TRzCustomPanel::Paint();
}

// ---- the panel ----

TRzPopupPanel::TRzPopupPanel(TComponent* owner) : TRzCustomPopup(owner) {
  SetAlignment(taRightJustify);
  SetBounds(Left(), Top(), 100, 100);
  ControlStyle |= csAcceptsControls;
  SetColor(clBtnFace);
  SetParentColor(false);
  SetAutoSize(true);
}

// A panel that goes while its pop-up is open ends the pop-up and frees it here,
// once; the loop below notices through the shared flag and touches nothing more.
TRzPopupPanel::~TRzPopupPanel() {
  *alive_ = false;
  if (!popup_) return;
  if (rangeForm_ && !rangeForm_->HasState(csDestroying)) rangeForm_->EnableAutoRange();
  TRzPopup* popup = popup_;
  popup_ = nullptr;
  delete popup;
}

bool TRzPopupPanel::CanAutoSize(int& width, int& height) {
  TRect inside(0, 0, 1000, 1000);
  AdjustClientRect(inside);
  int minLeft = INT_MAX, minTop = INT_MAX, maxRight = INT_MIN, maxBottom = INT_MIN;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible()) continue;
    minLeft = std::min(minLeft, c->Left());
    minTop = std::min(minTop, c->Top());
    maxRight = std::max(maxRight, c->Left() + c->Width());
    maxBottom = std::max(maxBottom, c->Top() + c->Height());
  }
  if (minLeft == INT_MAX) return false;
  const int dx = inside.Left - minLeft, dy = inside.Top - minTop;
  if (dx || dy)
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
  width = maxRight + dx + (1000 - inside.Right);
  height = maxBottom + dy + (1000 - inside.Bottom);
  return true;
}

void TRzPopupPanel::Close(TObject*) {
  if (popup_) popup_->Close();
}

void TRzPopupPanel::DestroyWnd() {
  Close();
  TRzCustomPopup::DestroyWnd();
}

bool TRzPopupPanel::Popup(TControl* popupControl) {
  if (popup_) return false;
  const std::shared_ptr<bool> alive = alive_;
  popupControl_ = popupControl;
  rangeForm_ = GetParentForm(this);
  const HWND focused = ::GetFocus();
  if (rangeForm_) rangeForm_->DisableAutoRange();
  bool accepted = false;
  try {
    DoPopup();
    if (AutoSize()) AdjustSize();
    HandleNeeded();
    popup_ = new TRzPopup(this);
    accepted = popup_->Popup(popupControl, Alignment());
    if (!*alive) return false;
    DoClose();
  } catch (...) {
    if (*alive) EndPopup(focused);
    throw;
  }
  EndPopup(focused);
  return accepted;
}

// The pop-up is freed here, by its one owner, after its loop has ended.
void TRzPopupPanel::EndPopup(HWND focused) {
  if (rangeForm_) rangeForm_->EnableAutoRange();
  rangeForm_ = nullptr;
  if (ApplicationActive() && focused && ::IsWindow(focused)) ::SetFocus(focused);
  popupControl_ = nullptr;
  TRzPopup* popup = popup_;
  popup_ = nullptr;
  delete popup;
}
