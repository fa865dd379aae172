#include "skin/form/TrayIcon.h"

#include <algorithm>
#include <cstring>

#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/core/SystemCalls.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

constexpr UINT kBaseFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void CopyText(char* target, size_t size, const String& text) {
  const size_t n = std::min(text.size(), size - 1);
  std::memcpy(target, text.data(), n);
  target[n] = '\0';
}

std::unique_ptr<TTimer> MakeTrayTimer(TspTrayIcon* icon, Cardinal interval, void (TspTrayIcon::*handler)(TObject*)) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->SetOnTimer(TNotifyEvent(icon, handler));
  return timer;
}

TShiftState KeyShift() {
  TShiftState shift = 0;
  if (::GetAsyncKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetAsyncKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (::GetAsyncKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

}  // namespace

UINT TspTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
  return message;
}

TspTrayIcon::TspTrayIcon(TComponent* owner)
    : TComponent(owner),
      icon_(std::make_unique<TIcon>()),
      window_([this](UINT msg, WPARAM w, LPARAM l, LRESULT& r) { return HandleIconMessage(msg, w, l, r); }) {
  TaskbarCreatedMessage();
  data_.cbSize = sizeof(TspNotifyIconData);
  data_.hWnd = window_.Handle();
  data_.uID = 1;
  data_.uFlags = kBaseFlags;
  data_.uCallbackMessage = WM_TRAYNOTIFY;
  cycleTimer_ = MakeTrayTimer(this, 0, &TspTrayIcon::TimerCycle);
  clickTimer_ = MakeTrayTimer(this, ::GetDoubleClickTime(), &TspTrayIcon::TimerClick);
  if (Designing()) return;
  if (!icon_->Handle() && LoadDefaultIcon() && Application.Icon()->Handle())
    icon_->SetHandle(::CopyIcon(Application.Icon()->Handle()));
  appHook_.Attach(Application.Handle(), TWndMethod(this, &TspTrayIcon::HookAppProc));
  if (TWinControl* control = OwnerControl())
    formHook_.Attach(control->Handle(), TWndMethod(this, &TspTrayIcon::HookFormProc));
}

TspTrayIcon::~TspTrayIcon() {
  SetIconVisible(false);
  SetDesignPreview(false);
  cycleTimer_.reset();
  clickTimer_.reset();
  // The hooks come off in any order; a window already gone gave its own back.
  formHook_.Restore();
  appHook_.Restore();
}

void TspTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == iconList_) iconList_ = nullptr;
  if (component == popupMenu_) popupMenu_ = nullptr;
}

void TspTrayIcon::Loaded() {
  TComponent::Loaded();
  if (OwnerControl() && MinimizedOnStart && !Designing()) {
    iconVisible_ = true;
    MinimizeToTray = true;
    Application.ShowMainForm = false;
    ::ShowWindow(Application.Handle(), SW_HIDE);
  }
  ModifyIcon();
  SetIconVisible(iconVisible_);
}

// ---- the shell ----

bool TspTrayIcon::InitIcon() {
  if (Designing() && !previewSwitching_ && !designPreview_) return false;
  data_.hIcon = icon_->Handle();
  CopyText(data_.szTip, sizeof data_.szTip, showHint_ && !hint_.empty() ? hint_ : String());
  return true;
}

bool TspTrayIcon::Call(DWORD message) {
  auto& hook = SystemCalls().ShellNotifyIcon;
  return hook && hook(message, reinterpret_cast<PNOTIFYICONDATAA>(&data_)) != FALSE;
}

bool TspTrayIcon::ShowIcon() {
  if (!previewSwitching_) iconVisible_ = true;
  if (Designing() && !previewSwitching_) return false;
  return InitIcon() && Call(NIM_ADD);
}

bool TspTrayIcon::HideIcon() {
  if (!previewSwitching_) iconVisible_ = false;
  if (Designing() && !previewSwitching_) return false;
  return InitIcon() && Call(NIM_DELETE);
}

bool TspTrayIcon::ModifyIcon() { return InitIcon() && Call(NIM_MODIFY); }

// ---- property writers ----

void TspTrayIcon::SetIcon(const TIcon* value) {
  icon_->Assign(value);
  ModifyIcon();
}

void TspTrayIcon::SetHint(const String& value) {
  hint_ = value;
  ModifyIcon();
}

void TspTrayIcon::SetShowHint(bool value) {
  showHint_ = value;
  ModifyIcon();
}

void TspTrayIcon::SetIconVisible(bool value) {
  if (value)
    ShowIcon();
  else
    HideIcon();
}

void TspTrayIcon::SetDesignPreview(bool value) {
  designPreview_ = value;
  previewSwitching_ = true;
  SetIconVisible(value);
  previewSwitching_ = false;
}

void TspTrayIcon::SetIconList(TCustomImageList* value) {
  if (iconList_) iconList_->RemoveFreeNotification(this);
  iconList_ = value;
  if (value) value->FreeNotification(this);
  if (!HasState(csDestroying)) SetIconIndex(0);
}

// A list without images keeps the icon shown: there is no picture to take.
void TspTrayIcon::SetIconIndex(Integer value) {
  if (iconList_) {
    iconIndex_ = std::min(value, iconList_->Count() - 1);
    if (iconIndex_ >= 0) {
      HICON icon = ::ImageList_GetIcon(iconList_->Handle(), iconIndex_, ILD_NORMAL);
      if (icon) icon_->SetHandle(icon);
    }
  } else {
    iconIndex_ = 0;
  }
  ModifyIcon();
}

void TspTrayIcon::SetCycleIcons(bool value) {
  cycleIcons_ = value;
  if (value) SetIconIndex(0);
  cycleTimer_->SetEnabled(value);
}

void TspTrayIcon::SetAnimateTimerInterval(Cardinal value) {
  animateTimerInterval_ = value;
  cycleTimer_->SetInterval(value);
}

void TspTrayIcon::SetPopupMenu(TspSkinPopupMenu* value) {
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

// ---- cycling ----

void TspTrayIcon::CycleIcon() {
  const bool last = !iconList_ || iconIndex_ >= iconList_->Count() - 1;
  OnCycle(this, last ? 0 : iconIndex_ + 1);
}

void TspTrayIcon::TimerCycle(TObject*) {
  if (!iconList_) return;
  if (iconIndex_ >= 0 && iconIndex_ < iconList_->Count())
    if (HICON icon = ::ImageList_GetIcon(iconList_->Handle(), iconIndex_, ILD_NORMAL)) icon_->SetHandle(icon);
  CycleIcon();
  ModifyIcon();
  SetIconIndex(iconIndex_ < iconList_->Count() - 1 ? iconIndex_ + 1 : 0);
}

// ---- balloons ----

bool TspTrayIcon::ShowBalloonHint(const String& title, const String& text, TspBalloonHintIcon icon) {
  HideBalloonHint();
  data_.uFlags |= NIF_INFO;
  CopyText(data_.szInfo, sizeof data_.szInfo, text);
  CopyText(data_.szInfoTitle, sizeof data_.szInfoTitle, title);
  data_.dwInfoFlags = static_cast<DWORD>(icon);
  const bool result = ModifyIcon();
  data_.uFlags = kBaseFlags;
  return result;
}

bool TspTrayIcon::HideBalloonHint() {
  data_.uFlags |= NIF_INFO;
  data_.szInfo[0] = '\0';
  return ModifyIcon();
}

// ---- the message window ----

bool TspTrayIcon::HandleIconMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_TRAYNOTIFY:
      if (Enabled) HandleTrayMouse(lParam);
      result = 0;
      return true;
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
      result = 1;
      return true;
    default:
      return false;
  }
}

void TspTrayIcon::HandleTrayMouse(LPARAM mouseMessage) {
  const TShiftState shift = KeyShift();
  POINT p{};
  ::GetCursorPos(&p);
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_MOUSEMOVE: MouseMove(shift, p.x, p.y); break;
    case WM_LBUTTONDOWN:
      clickTimer_->SetEnabled(true);
      MouseDown(mbLeft, shift | ssLeft, p.x, p.y);
      leftPressed_ = true;
      if (PopupByLeftButton) PopupAtCursor();
      break;
    case WM_LBUTTONUP:
      if (leftPressed_) {
        leftReleased_ = true;
        // A press longer than the double-click time is a click at once.
        if (!clickTimer_->Enabled()) {
          leftPressed_ = leftReleased_ = false;
          Click();
        }
      }
      leftPressed_ = false;
      MouseUp(mbLeft, shift | ssLeft, p.x, p.y);
      break;
    case WM_LBUTTONDBLCLK:
      leftReleased_ = false;
      doubleClicked_ = true;
      DblClick();
      if (popupMenu_ && popupMenu_->AutoPopup && !PopupByLeftButton) ClickDefaultItem();
      break;
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, shift | ssRight, p.x, p.y);
      PopupAtCursor();
      break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift | ssRight, p.x, p.y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift | ssMiddle, p.x, p.y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift | ssMiddle, p.x, p.y); break;
    case NIN_BALLOONUSERCLICK_MSG: OnBalloonHintClick(this); break;
    default: break;
  }
}

void TspTrayIcon::ClickDefaultItem() {
  TMenuItem* items = popupMenu_->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Default()) return items->Items(i)->Click();
}

void TspTrayIcon::TimerClick(TObject*) {
  clickTimer_->SetEnabled(false);
  if (!doubleClicked_ && leftReleased_) {
    leftReleased_ = false;
    Click();
  }
  doubleClicked_ = false;
}

void TspTrayIcon::PopupAtCursor() {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return;
  POINT p{};
  if (!::GetCursorPos(&p)) return;
  Application.ProcessMessages();
  if (!popupMenu_) return;  // the menu went while messages ran
  ::SetForegroundWindow(window_.Handle());
  TWinControl* owner = OwnerControl();
  if (owner) ::SetForegroundWindow(owner->Handle());
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(p.x, p.y);
  if (owner) ::PostMessageA(owner->Handle(), WM_NULL, 0, 0);
}

// ---- the application and its window ----

void TspTrayIcon::HookAppProc(TMessage& message) {
  if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED && MinimizeToTray) DoMinimizeToTray();
  if (message.Msg == WM_WINDOWPOSCHANGED && firstShowPending_ && Application.MainForm()) {
    if (Application.MainForm()->FormStyle() == fsMDIForm && MinimizedOnStart)
      ::ShowWindow(Application.Handle(), SW_HIDE);
    firstShowPending_ = false;
  }
  if (message.Msg == TaskbarCreatedMessage() && iconVisible_) ShowIcon();
  appHook_.CallPrevious(message);
}

void TspTrayIcon::HookFormProc(TMessage& message) {
  if (message.Msg == WM_ACTIVATE && (LOWORD(message.WParam) == WA_ACTIVE || LOWORD(message.WParam) == WA_CLICKACTIVE)) {
    if (TWinControl* active = Screen.ActiveControl()) {
      TWinControl* keeper = active->Parent() ? active->Parent() : active;
      const HWND losing = reinterpret_cast<HWND>(message.LParam);
      if (!(keeper->HandleAllocated() && losing == keeper->Handle()) && active->HandleAllocated())
        ::SetFocus(active->Handle());
    }
  }
  if (message.Msg == WM_SHOWWINDOW && message.WParam == 1 && message.LParam == 0) {
    ::ShowWindow(Application.Handle(), SW_RESTORE);
    ::SetForegroundWindow(Application.Handle());
    if (formHook_.Attached()) ::SetForegroundWindow(formHook_.Window());
  }
  formHook_.CallPrevious(message);
}

void TspTrayIcon::HideMainForm() {
  if (!OwnerControl() || !Application.MainForm()) return;
  Application.MainForm()->SetVisible(false);
  ::ShowWindow(Application.Handle(), SW_HIDE);
}

void TspTrayIcon::ShowMainForm() {
  if (!OwnerControl() || !Application.MainForm()) return;
  ::ShowWindow(Application.Handle(), SW_RESTORE);
  Application.MainForm()->SetVisible(true);
  if (Application.MainForm()->WindowState() == wsMinimized) Application.MainForm()->SetWindowState(wsNormal);
}

void TspTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}

bool TspTrayIcon::BitmapToIcon(TBitmap* bitmap, TIcon* icon, TColor maskColor) {
  TCustomImageList list(nullptr);
  list.SetSize(16, 16);
  list.AddMasked(bitmap, maskColor);
  icon->SetHandle(::ImageList_GetIcon(list.Handle(), 0, ILD_NORMAL));
  return true;
}
