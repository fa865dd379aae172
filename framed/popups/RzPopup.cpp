// TRzPopup: the borderless window of an open popup panel and its local loop.
#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"

namespace {

int livePopups = 0;

bool IsButtonPress(UINT msg) {
  switch (msg) {
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsKey(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

TRect WorkAreaNear(const TPoint& p) {
  HMONITOR monitor = ::MonitorFromPoint(POINT{p.X, p.Y}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoA(monitor, &info)) return TRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  return TRect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
}

TRect ScreenRectOf(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    RECT r;
    ::GetWindowRect(windowed->Handle(), &r);
    return TRect(r.left, r.top, r.right, r.bottom);
  }
  const TRect b = control->BoundsRect();
  if (!control->Parent()) return b;
  const TPoint topLeft = control->Parent()->ClientToScreen(Point(b.Left, b.Top));
  const TPoint bottomRight = control->Parent()->ClientToScreen(Point(b.Right, b.Bottom));
  return TRect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
}

}  // namespace

TRzPopup::TRzPopup(TRzPopupPanel* panel) : TRzCustomPopup(panel), panel_(panel) {
  ++livePopups;
  SetVisible(false);
  SetParent(GetParentForm(panel));
  SetColor(panel->Color());
  SetFont(panel->Font());
  SetHint(panel->Hint());
  SetShowHint(panel->ShowHint());
}

TRzPopup::~TRzPopup() {
  *alive_ = false;
  End();
  --livePopups;
}

int TRzPopup::LiveCount() { return livePopups; }

void TRzPopup::CreateParams(TCreateParams& params) {
  TRzCustomPopup::CreateParams(params);
  params.Style = WS_POPUP;
}

void TRzPopup::MoveChildren(TWinControl* from, TWinControl* to) {
  for (int i = from->ControlCount() - 1; i >= 0; --i) from->Controls(i)->SetParent(to);
}

bool TRzPopup::IsOwnWindow(HWND window) {
  const HWND own = HandleAllocated() ? Handle() : nullptr;
  for (HWND w = window; w; w = ::GetParent(w))
    if (w == own) return true;
  return false;
}

TPoint TRzPopup::Placement(const TRect& c, int width, int height, TAlignment alignment, const TRect& a) {
  int left = c.Left;
  if (alignment == taRightJustify) left = c.Right - width;
  else if (alignment == taCenter) left = (c.Left + c.Right - width) / 2;
  int top = c.Bottom;
  if (left + width > a.Right) left = a.Right - width;
  if (top + height > a.Bottom) top = c.Top - height;  // no room below: it opens above
  if (left < a.Left) left = a.Left;
  if (top < a.Top) top = a.Top;
  return Point(left, top);
}

bool TRzPopup::Popup(TControl* control, TAlignment alignment) {
  control_ = control;
  const TRect c = ScreenRectOf(control);
  MoveChildren(panel_, this);
  activeControl_ = nullptr;
  for (int i = 0; i < ControlCount() && !activeControl_; ++i) {
    TControl* child = Controls(i);
    if (dynamic_cast<TWinControl*>(child) && child->Enabled() && child->Visible()) activeControl_ = child;
  }
  // Keys go to the hidden panel; the loop hands them to the pop-up.
  ::SetFocus(panel_->Handle());
  const int w = panel_->Width(), h = panel_->Height();
  int left = c.Left;
  if (alignment == taRightJustify) left = c.Right - w;
  else if (alignment == taCenter) left = (c.Left + c.Right - w) / 2;
  const TPoint at = Placement(c, w, h, alignment, WorkAreaNear(Point(left, c.Bottom)));
  SetBounds(at.X, at.Y, w, h);
  ::SetWindowPos(Handle(), HWND_TOP, at.X, at.Y, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  cancelled_ = true;
  ended_ = false;
  loopDone_ = false;
  if (RunLoop() == TLoopEnd::Gone) return false;  // freed with its panel: nothing here is touched
  End();
  return !cancelled_;
}

TRzPopup::TLoopEnd TRzPopup::RunLoop() {
  const std::shared_ptr<bool> alive = alive_;
  while (!Application.Terminated()) {
    if (loopDone_) return TLoopEnd::Closed;
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      Application.HandleMessage();  // idle: waits for the next message
      if (!*alive) return TLoopEnd::Gone;
      continue;
    }
    if (msg.message == WM_KILLFOCUS || msg.message == WM_CLOSEPOPUP) {
      if (msg.message == WM_CLOSEPOPUP && msg.hwnd == Handle()) ::PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
      return TLoopEnd::Closed;
    }
    if (msg.message == WM_ACTIVATEAPP || msg.message == CM_DEACTIVATE) return TLoopEnd::Dismissed;
    if (IsButtonPress(msg.message) && !IsOwnWindow(msg.hwnd)) {
      ::PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);  // the click never lands
      return TLoopEnd::Dismissed;
    }
    if (IsKey(msg.message)) {
      ::PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
      ::SendMessageA(Handle(), msg.message, msg.wParam, msg.lParam);
    } else {
      Application.HandleMessage();
    }
    if (!*alive) return TLoopEnd::Gone;
  }
  return TLoopEnd::Dismissed;
}

void TRzPopup::End() {
  if (ended_) return;
  ended_ = true;
  if (HandleAllocated())
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
  MoveChildren(this, panel_);
  activeControl_ = nullptr;
  control_ = nullptr;
}

void TRzPopup::Close() {
  cancelled_ = false;
  PostClose();
}

void TRzPopup::PostClose() {
  if (HandleAllocated()) ::PostMessageA(Handle(), WM_CLOSEPOPUP, 0, 0);
}

void TRzPopup::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    case WM_NCACTIVATE: message.Result = 0; return;
    case WM_SYSCOMMAND: PostClose(); return;
    // Only ends the loop: the panel frees the pop-up after it.
    case WM_CLOSEPOPUP: loopDone_ = true; return;
    default: break;
  }
  if (IsKey(message.Msg)) {
    if (message.WParam == VK_ESCAPE) PostClose();
    if (activeControl_) {
      message.Result = activeControl_->Perform(message.Msg, message.WParam, message.LParam);
      return;
    }
  }
  TRzCustomPopup::WndProc(message);
}
