// The clock of the framed controls: the tick count and the timers the family
// makes. The system clock runs them on platform timers; a test installs a
// manual clock and moves time forward itself instead of sleeping.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/System.h"

// A repeating timer: OnTimer runs every Interval milliseconds while Enabled.
class TRzTimer {
public:
  virtual ~TRzTimer() = default;
  virtual void SetInterval(Cardinal milliseconds) = 0;  // restarts the count
  virtual Cardinal Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  TNotifyEvent OnTimer;  // Sender: nullptr
};

class TRzClock {
public:
  virtual ~TRzClock() = default;
  // Milliseconds since some fixed moment, wrapping like GetTickCount.
  virtual Cardinal TickCount() = 0;
  // A new timer, stopped, interval 1000.
  virtual std::unique_ptr<TRzTimer> MakeTimer() = 0;
};

// The clock in use: the system's unless a test installed another.
TRzClock& FramedClock();
// Installs `clock` (borrowed; nullptr puts the system clock back).
void SetFramedClock(TRzClock* clock);

// A clock that moves only when told: Advance fires every due timer in time order.
class TManualClock : public TRzClock {
public:
  TManualClock();
  ~TManualClock() override;
  Cardinal TickCount() override { return now_; }
  std::unique_ptr<TRzTimer> MakeTimer() override;
  void Advance(Cardinal milliseconds);
  int LiveTimers() const { return static_cast<int>(timers_.size()); }

private:
  class Timer;
  Cardinal now_ = 0;
  std::vector<Timer*> timers_;  // borrowed: each timer leaves the list when destroyed
};

// Installs a manual clock for the lifetime of the object.
class TManualClockScope {
public:
  TManualClockScope() { SetFramedClock(&clock_); }
  ~TManualClockScope() { SetFramedClock(nullptr); }
  TManualClock& Clock() { return clock_; }

private:
  TManualClock clock_;
};
