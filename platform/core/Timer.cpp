#include "platform/core/Timer.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SystemCalls.h"

// ---- TUtilityWindow ----

namespace {

const char kUtilityWindowClass[] = "VarnelUtilityWindow";
constexpr UINT_PTR kTimerId = 1;

String ProgramName() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  String name = path;
  size_t slash = name.find_last_of("\\/");
  if (slash != String::npos) name = name.substr(slash + 1);
  size_t dot = name.rfind('.');
  return dot == String::npos ? name : name.substr(0, dot);
}

}  // namespace

TWindowExceptionHandler& WindowExceptionHandler() {
  static TWindowExceptionHandler handler = [](const std::exception& error) {
    if (dynamic_cast<const EAbort*>(&error)) return;
    SystemCalls().MessageBox(nullptr, error.what(), ProgramName(), MB_OK | MB_ICONERROR);
  };
  return handler;
}

TUtilityWindow::~TUtilityWindow() {
  if (!handle_) return;
  ::SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  ::DestroyWindow(handle_);
}

HWND TUtilityWindow::Handle() {
  if (handle_) return handle_;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (!::GetClassInfoA(instance, kUtilityWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = &TUtilityWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kUtilityWindowClass;
    if (!::RegisterClassA(&windowClass)) throw EOutOfResources("Cannot register the utility window class");
  }
  handle_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
  if (!handle_) throw EOutOfResources("Cannot create a utility window");
  ::SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return handle_;
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TUtilityWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && self->handler_) {
    try {
      LRESULT result = 0;
      if (self->handler_(message, wParam, lParam, result)) return result;
    } catch (const std::exception& error) {
      WindowExceptionHandler()(error);
      return 0;
    } catch (...) {
      WindowExceptionHandler()(Exception("Unknown exception"));
      return 0;
    }
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// ---- TTimer ----

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_([this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message != WM_TIMER || wParam != kTimerId) return false;
        if (running_) Timer();
        result = 0;
        return true;
      }) {}

TTimer::~TTimer() {
  Destroying();
  enabled_ = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal value) {
  if (value == interval_) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& value) {
  OnTimer = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() { OnTimer(this); }

void TTimer::UpdateTimer() {
  if (running_) {
    ::KillTimer(window_.Handle(), kTimerId);
    running_ = false;
  }
  if (!enabled_ || interval_ == 0 || !OnTimer || HasState(csLoading) || HasState(csDestroying)) return;
  if (!::SetTimer(window_.Handle(), kTimerId, interval_, nullptr)) throw EOutOfResources("Not enough timers available");
  running_ = true;
}
