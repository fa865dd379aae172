// The window side of windowed controls: the window classes registered under the
// controls' class names, the window procedure that binds a window to its control
// from the first message of CreateWindowEx on, and the global marks of capture
// and mouse-over that windowless controls share with windowed ones.
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/WinControl.h"

namespace {

const char* const kControlProp = "VarnelControl";

// The control whose window CreateWindowEx is making on this thread.
thread_local TWinControl* creatingControl = nullptr;

TControl* captureControl = nullptr;  // borrowed; cleared when it goes
TControl* mouseControl = nullptr;    // borrowed; cleared when it goes

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto control = static_cast<TWinControl*>(::GetPropA(window, kControlProp));
  if (!control) return ::DefWindowProcA(window, msg, wParam, lParam);
  TMessage message = MakeMessage(msg, wParam, lParam);
  try {
    if (control->WindowProc)
      control->WindowProc(message);
    else
      control->WndProc(message);
  } catch (...) {
    HandleControlException(control);
  }
  if (msg == WM_NCDESTROY) control->UnbindWindow();
  return message.Result;
}

LRESULT CALLBACK InitControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = creatingControl;
  if (!control) return ::DefWindowProcA(window, msg, wParam, lParam);
  creatingControl = nullptr;
  control->BindWindow(window);
  return ControlWindowProc(window, msg, wParam, lParam);
}

void TWinControl::BindWindow(HWND window) {
  handle_ = window;
  ::SetPropA(window, kControlProp, this);
  ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc));
}

void TWinControl::UnbindWindow() {
  if (!handle_) return;
  ::RemovePropA(handle_, kControlProp);
  ::SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWndProc));
  handle_ = nullptr;
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(::GetPropA(window, kControlProp));
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* controlClassName) {
  WNDCLASSA systemClass = {};
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  if (!::GetClassInfoA(nullptr, controlClassName, &systemClass) &&
      !::GetClassInfoA(instance, controlClassName, &systemClass))
    throw EOSError("Window class " + String(controlClassName) + " not found");
  DefWndProc = systemClass.lpfnWndProc;
  params.WindowClass = systemClass;
  params.WindowClass.hInstance = instance;
  params.WindowClass.style &= ~CS_GLOBALCLASS;
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  ::CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                    params.Y, params.Width, params.Height, params.WndParent, nullptr, params.WindowClass.hInstance,
                    params.Param);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD))
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  DefWndProc = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : ::DefWindowProcA;
  WNDCLASSA registered = {};
  HINSTANCE instance = params.WindowClass.hInstance;
  const bool known = ::GetClassInfoA(instance, params.WinClassName.c_str(), &registered) != 0;
  if (!known || registered.lpfnWndProc != &InitControlWindowProc || registered.style != params.WindowClass.style) {
    // A class whose style changed (CS_DROPSHADOW, double clicks) is registered anew.
    if (known) ::UnregisterClassA(params.WinClassName.c_str(), instance);
    WNDCLASSA windowClass = params.WindowClass;
    windowClass.lpfnWndProc = &InitControlWindowProc;
    windowClass.lpszClassName = params.WinClassName.c_str();
    if (!::RegisterClassA(&windowClass) && !::GetClassInfoA(instance, params.WinClassName.c_str(), &registered))
      throw EOSError("Cannot register the window class " + params.WinClassName);
  }
  ControlState |= csCreating;
  creatingControl = this;
  try {
    CreateWindowHandle(params);
  } catch (...) {
    creatingControl = nullptr;
    ControlState &= ~csCreating;
    throw;
  }
  creatingControl = nullptr;
  ControlState &= ~csCreating;
  if (!handle_) throw EOSError("Error creating window " + params.WinClassName);
  ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::DestroyWindowHandle() {
  ControlState |= csDestroyingHandle;
  HWND window = handle_;
  ::DestroyWindow(window);
  if (handle_ == window) UnbindWindow();  // a window another thread destroyed
  ControlState &= ~csDestroyingHandle;
}

void TWinControl::DestroyWnd() {
  // The window's text lives on in the control.
  text_ = GetText();
  DestroyWindowHandle();
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  for (TControl* control : controls_)
    if (auto child = dynamic_cast<TWinControl*>(control)) child->CreateHandle();
  Realign();
  UpdateShowing();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* control : controls_)
    if (auto child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  DestroyWnd();
}

HWND TWinControl::Handle() {
  if (handle_) return handle_;
  // The parent's window first: making it makes ours too, and a window made here
  // beside it would be a second one the parent's creation orphans.
  if (Parent()) Parent()->Handle();
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::RecreateWnd() {
  if (!handle_ || recreating_) return;
  recreating_ = true;
  const bool hadFocus = Focused();
  DestroyHandle();
  recreating_ = false;
  CreateHandle();
  if (hadFocus && CanFocus()) SetFocus();
}

void TWinControl::SetParentWindow(HWND window) {
  if (parentWindow_ == window) return;
  parentWindow_ = window;
  if (!Parent() && handle_) {
    if (window)
      ::SetParent(handle_, window);
    else
      DestroyHandle();
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  params = TCreateParams();
  params.Caption = text_;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (HasStyle(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  if (Visible() && Parent()) params.Style |= WS_VISIBLE;
  params.X = left_;
  params.Y = top_;
  params.Width = width_;
  params.Height = height_;
  params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  if (!HasStyle(csDoubleClicks)) params.WindowClass.style &= ~CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = ::DefWindowProcA;
  params.WindowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  params.WindowClass.hInstance = ::GetModuleHandleA(nullptr);
  params.WinClassName = ClassName();
}

// ---- capture and mouse-over ----

TControl* GetCaptureControl() {
  if (captureControl) {
    HWND captured = ::GetCapture();
    TWinControl* holder = captureControl->Parent();
    auto windowed = dynamic_cast<TWinControl*>(captureControl);
    if (windowed) holder = windowed;
    // The system took the capture away (another window, a menu): the mark goes too.
    if (!holder || !holder->HandleAllocated() || captured != holder->Handle()) captureControl = nullptr;
  }
  if (!captureControl) {
    // A window of ours that took the capture by itself.
    if (TWinControl* control = TWinControl::FindControl(::GetCapture())) return control;
  }
  return captureControl;
}

void SetCaptureControl(TControl* control) {
  ::ReleaseCapture();
  captureControl = nullptr;
  if (!control) return;
  auto windowed = dynamic_cast<TWinControl*>(control);
  TWinControl* holder = windowed ? windowed : control->Parent();
  if (!holder || !holder->HandleAllocated()) return;
  ::SetCapture(holder->Handle());
  captureControl = control;
}

TControl* MouseControl() { return mouseControl; }

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* previous = mouseControl;
  mouseControl = control;
  if (previous && !previous->HasState(csDestroying)) previous->Perform(CM_MOUSELEAVE);
  if (control && mouseControl == control) control->Perform(CM_MOUSEENTER);
  Application.HintMouseMoved(mouseControl);
}

void ForgetControl(TControl* control) {
  if (captureControl == control) {
    captureControl = nullptr;
    ::ReleaseCapture();
  }
  if (mouseControl == control) {
    mouseControl = nullptr;
    Application.HintMouseMoved(nullptr);
  }
}

TControl* FindDragTarget(const TPoint& screenPos, bool allowDisabled) {
  POINT point = {screenPos.X, screenPos.Y};
  TWinControl* control = TWinControl::FindControl(::WindowFromPoint(point));
  if (!control) return nullptr;
  TControl* inner = control->ControlAtPos(control->ScreenToClient(screenPos), allowDisabled);
  return inner ? inner : control;
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  const TControl* top = control;
  while (top->Parent()) top = top->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(top));
}
