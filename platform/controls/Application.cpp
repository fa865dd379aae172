// TApplication: the hidden owner window, the message loop with its key
// preprocessing (shortcuts, dialog keys), the exception box and hints. The one
// screen is defined here too, before the application, so it outlives it.
#include "platform/controls/Application.h"

#include <algorithm>

#include "platform/controls/Screen.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SystemCalls.h"
#include "platform/graphics/Icon.h"

// The screen outlives the application, whose forms leave the screen's list.
TScreen Screen;
TApplication Application;

void HandleControlException(TObject* sender) { Application.HandleException(sender); }

namespace {

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

}  // namespace

// ---- TApplication ----

TApplication::TApplication() : TComponent(nullptr), HintWindowClass(&HintWindowOf<THintWindow>), icon_(std::make_unique<TIcon>()) {}

TApplication::~TApplication() {
  Destroying();
  // Forms are freed while the screen still knows them.
  for (int i = ComponentCount() - 1; i >= 0; --i)
    if (auto form = dynamic_cast<TCustomForm*>(Components(i))) form->BeforeDestruction();
  DestroyComponents();
  if (handle_) ::DestroyWindow(handle_);
}

void TApplication::Initialize() { Handle(); }

String TApplication::Title() const {
  if (!title_.empty()) return title_;
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ChangeFileExt(ExtractFileName(path), "");
}

void TApplication::SetTitle(const String& value) {
  title_ = value;
  if (handle_) ::SetWindowTextA(handle_, value.c_str());
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == CM_RELEASE) {
    // A form that released itself goes now, outside its own handlers.
    auto form = reinterpret_cast<TCustomForm*>(lParam);
    if (Screen.HasForm(form)) {
      try {
        form->BeforeDestruction();
        delete form;
      } catch (...) {
        Application.HandleException(&Application);
      }
    }
    return 0;
  }
  if (msg == WM_TIMER && (wParam == kHintShowTimer || wParam == kHintHideTimer)) {
    ::KillTimer(window, wParam);
    try {
      if (wParam == kHintHideTimer) {
        Application.CancelHint();
      } else if (TControl* control = Application.hintControl_; control && control == MouseControl()) {
        POINT p;
        ::GetCursorPos(&p);
        Application.ActivateHint(control, TPoint{p.x, p.y});
      }
    } catch (...) {
      Application.HandleException(&Application);
    }
    return 0;
  }
  return ::DefWindowProcA(window, msg, wParam, lParam);
}

HWND TApplication::Handle() {
  if (handle_) return handle_;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &WindowProcedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TApplication";
  ::RegisterClassA(&windowClass);
  handle_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, "TApplication", Title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  return handle_;
}

void TApplication::Run() {
  if (mainForm_ && ShowMainForm) mainForm_->Show();
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
    if (mainForm_ == nullptr && ComponentCount() == 0) break;
  }
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND window = msg.hwnd;
  TWinControl* control = nullptr;
  while (window && !(control = TWinControl::FindControl(window))) window = ::GetParent(window);
  if (!control) return false;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    if (TCustomForm* form = GetParentForm(control)) {
      TMessage message = MakeMessage(msg.message, msg.wParam, msg.lParam);
      if (form->IsShortCut(message)) return true;
    }
  }
  return ::SendMessageA(control->Handle(), CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (hintShowing_ && (msg.message == WM_KEYDOWN || msg.message == WM_LBUTTONDOWN ||
                       msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN))
    CancelHint();
  bool handled = false;
  try {
    OnMessage(msg, handled);
    if (!handled && !IsKeyMsg(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  } catch (...) {
    HandleException(this);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
  TControlCanvas::FreeDeviceContexts();
  try {
    OnIdle(this);
  } catch (...) {
    HandleException(this);
  }
  if (!terminated_) ::WaitMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  ::PostQuitMessage(0);
}

int TApplication::MessageBox(const String& text, const String& caption, UINT flags) {
  HWND owner = ::GetActiveWindow();
  if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
  return SystemCalls().MessageBox(owner, text, caption.empty() ? Title() : caption, flags);
}

void TApplication::HandleException(TObject* sender) {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    if (OnException)
      OnException(sender, e);
    else
      ShowException(e.Message);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
}

void TApplication::ShowException(const String& message) {
  String text = message;
  // The box ends its sentence, unless the message already does.
  if (!text.empty() && text.back() != '.' && text.back() != '!' && text.back() != '?') text += '.';
  MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::Minimize() {
  for (int i = 0; i < Screen.FormCount(); ++i) {
    TCustomForm* form = Screen.Forms(i);
    if (form->HandleAllocated() && form->Visible() && !form->Parent()) ::ShowWindow(form->Handle(), SW_MINIMIZE);
  }
}

void TApplication::Restore() {
  for (int i = 0; i < Screen.FormCount(); ++i) {
    TCustomForm* form = Screen.Forms(i);
    if (form->HandleAllocated() && ::IsIconic(form->Handle())) ::ShowWindow(form->Handle(), SW_RESTORE);
  }
}

void TApplication::SetShowHint(bool value) {
  if (showHint_ == value) return;
  showHint_ = value;
  if (!value) {
    CancelHint();
    delete hintWindow_;  // the next hint makes one of HintWindowClass
    hintWindow_ = nullptr;
  }
}

void TApplication::HintMouseMoved(TControl* control) {
  hintControl_ = control;
  if (!showHint_ || !handle_) return;
  const bool wasShowing = hintShowing_;
  if (wasShowing) CancelHint();
  if (!control || !control->ShowHint() || control->Hint().empty()) return;
  ::SetTimer(handle_, kHintShowTimer, wasShowing ? HintShortPause : HintPause, nullptr);
}

void TApplication::ActivateHint(TControl* control, const TPoint& cursorPos) {
  if (!showHint_ || !control) return;
  THintInfo info;
  info.HintControl = control;
  info.CursorPos = control->ScreenToClient(cursorPos);
  info.HintPos = TPoint{cursorPos.X, cursorPos.Y + 20};
  info.HintMaxWidth = Screen.Width();
  info.HintColor = HintColor;
  info.CursorRect = control->ClientRect();
  info.HideTimeout = HintHidePause;
  info.HintStr = control->Hint();
  bool canShow = control->ShowHint() && !info.HintStr.empty();
  OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) return CancelHint();
  if (!hintWindow_) {
    hintWindow_ = HintWindowClass(this);
    hintWindow_->FreeNotification(this);
  }
  hintWindow_->SetColor(info.HintColor);
  TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
  hintWindow_->ActivateHint(Bounds(info.HintPos.X, info.HintPos.Y, r.Width(), r.Height()), info.HintStr);
  hintShowing_ = true;
  if (info.HideTimeout > 0) ::SetTimer(Handle(), kHintHideTimer, info.HideTimeout, nullptr);
}

void TApplication::CancelHint() {
  hintShowing_ = false;
  if (handle_) ::KillTimer(handle_, kHintShowTimer);
  if (hintWindow_ && hintWindow_->HandleAllocated()) ::ShowWindow(hintWindow_->Handle(), SW_HIDE);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == hintWindow_) hintWindow_ = nullptr;
  if (component == hintControl_) hintControl_ = nullptr;
  if (component == mainForm_) mainForm_ = nullptr;
}
