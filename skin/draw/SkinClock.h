// The clock of the skin engine: the tick count, the timer objects that run fades
// and frame animations, and the window timers (WM_TIMER with an id) that drive
// auto-repeat and scrolling. The system clock runs them on platform timers and
// SetTimer; a test installs a manual clock and moves time forward itself, so
// a 20 ms fade or a 500 ms repeat wait is a call, not a sleep.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/System.h"
#include "platform/core/WinApi.h"

// A repeating timer: OnTimer runs every Interval milliseconds while Enabled.
class TspClockTimer {
public:
  virtual ~TspClockTimer() = default;
  virtual void SetInterval(Cardinal milliseconds) = 0;  // restarts the count
  virtual Cardinal Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  TNotifyEvent OnTimer;  // Sender: nullptr
};

class TspSkinClock {
public:
  virtual ~TspSkinClock() = default;
  // Milliseconds since some fixed moment, wrapping like GetTickCount.
  virtual Cardinal TickCount() = 0;
  // A new timer, stopped, interval 1000.
  virtual std::unique_ptr<TspClockTimer> MakeTimer() = 0;
  // A window timer: WM_TIMER with `id` in wParam reaches `window` every
  // `milliseconds`; setting an id again restarts it. Killing an unknown id is harmless.
  virtual void SetWindowTimer(HWND window, UINT_PTR id, UINT milliseconds) = 0;
  virtual void KillWindowTimer(HWND window, UINT_PTR id) = 0;
};

// The clock in use: the system's unless a test installed another.
TspSkinClock& SkinClock();
// Installs `clock` (borrowed; nullptr puts the system clock back).
void SetSkinClock(TspSkinClock* clock);

// A clock that moves only when told: Advance fires every due timer and window
// timer in time order (window timers by SendMessage, skipped once the window is gone).
class TspManualSkinClock : public TspSkinClock {
public:
  TspManualSkinClock();
  ~TspManualSkinClock() override;
  Cardinal TickCount() override { return now_; }
  std::unique_ptr<TspClockTimer> MakeTimer() override;
  void SetWindowTimer(HWND window, UINT_PTR id, UINT milliseconds) override;
  void KillWindowTimer(HWND window, UINT_PTR id) override;
  void Advance(Cardinal milliseconds);
  int LiveTimers() const { return static_cast<int>(timers_.size()); }
  // Whether a window timer of that id runs for the window.
  bool WindowTimerRuns(HWND window, UINT_PTR id) const;
  // The period of that window timer, 0 when it does not run.
  UINT WindowTimerInterval(HWND window, UINT_PTR id) const;

private:
  class Timer;
  struct WindowTimer {
    HWND window;
    UINT_PTR id;
    UINT interval;
    Cardinal due;
  };
  Cardinal now_ = 0;
  std::vector<Timer*> timers_;  // borrowed: each timer leaves the list when destroyed
  std::vector<WindowTimer> windowTimers_;
};

// Installs a manual clock for the lifetime of the object.
class TspManualSkinClockScope {
public:
  TspManualSkinClockScope() { SetSkinClock(&clock_); }
  ~TspManualSkinClockScope() { SetSkinClock(nullptr); }
  TspManualSkinClock& Clock() { return clock_; }

private:
  TspManualSkinClock clock_;
};
