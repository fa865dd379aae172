// TTimer: a component that runs OnTimer every Interval milliseconds on the thread
// of the message loop (also while a modal loop or a long call pumps messages),
// over a system timer on a hidden window of its own. TUtilityWindow is that
// hidden window, also used by the popup menus.
#pragma once

#include <exception>
#include <functional>

#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/WinApi.h"

// A hidden top-level window whose messages go to a handler; made on first use,
// destroyed with the object.
class TUtilityWindow {
public:
  // Answers a message: true when handled, with its result in `result`.
  using THandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  explicit TUtilityWindow(THandler handler) : handler_(std::move(handler)) {}
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  // EOutOfResources when the window cannot be made.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  THandler handler_;
  HWND handle_ = nullptr;  // owned
};

// What becomes of an exception that reaches a utility window's procedure: no
// exception leaves a window procedure, so it is handed here. By default it is
// shown in a message box (SystemCalls) with the error icon and the program's
// name as caption; EAbort is silent. The application replaces it with its own.
using TWindowExceptionHandler = std::function<void(const std::exception& error)>;
TWindowExceptionHandler& WindowExceptionHandler();

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // Milliseconds; a new value restarts the count. 0 stops the timer.
  Cardinal Interval() const { return interval_; }
  void SetInterval(Cardinal value);
  // The system timer runs only while Enabled, Interval > 0 and OnTimer is
  // assigned. Assigning the field takes effect at the next change of Enabled
  // or Interval (or after loading); SetOnTimer takes effect at once.
  TNotifyEvent OnTimer;
  void SetOnTimer(const TNotifyEvent& value);

  // Whether the system timer runs now.
  bool Running() const { return running_; }

protected:
  // Runs OnTimer (Sender = the timer).
  virtual void Timer();
  void Loaded() override;

private:
  void UpdateTimer();

  bool enabled_ = true;
  Cardinal interval_ = 1000;
  bool running_ = false;
  TUtilityWindow window_;
};
