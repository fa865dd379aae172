#include "skin/draw/SkinClock.h"

#include <algorithm>

#include "platform/core/Timer.h"

namespace {

class TSystemTimer : public TspClockTimer {
public:
  TSystemTimer() : timer_(nullptr) {
    timer_.SetEnabled(false);
    timer_.SetOnTimer(TNotifyEvent(this, &TSystemTimer::Fired));
  }
  void SetInterval(Cardinal milliseconds) override { timer_.SetInterval(milliseconds); }
  Cardinal Interval() const override { return timer_.Interval(); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
  bool Enabled() const override { return timer_.Enabled(); }

private:
  void Fired(TObject*) { OnTimer(nullptr); }
  TTimer timer_;
};

class TSystemClock : public TspSkinClock {
public:
  Cardinal TickCount() override { return ::GetTickCount(); }
  std::unique_ptr<TspClockTimer> MakeTimer() override { return std::make_unique<TSystemTimer>(); }
  void SetWindowTimer(HWND window, UINT_PTR id, UINT milliseconds) override {
    ::SetTimer(window, id, milliseconds, nullptr);
  }
  void KillWindowTimer(HWND window, UINT_PTR id) override { ::KillTimer(window, id); }
};

TSystemClock systemClock;
TspSkinClock* currentClock = nullptr;

}  // namespace

TspSkinClock& SkinClock() { return currentClock ? *currentClock : systemClock; }

void SetSkinClock(TspSkinClock* clock) { currentClock = clock; }

class TspManualSkinClock::Timer : public TspClockTimer {
public:
  explicit Timer(TspManualSkinClock* clock) : clock_(clock) { clock_->timers_.push_back(this); }
  ~Timer() override {
    if (clock_) std::erase(clock_->timers_, this);
  }
  void Detach() { clock_ = nullptr; }
  void SetInterval(Cardinal milliseconds) override {
    interval_ = milliseconds;
    Restart();
  }
  Cardinal Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Restart();
  }
  bool Enabled() const override { return enabled_; }
  bool Due(Cardinal now) const { return enabled_ && interval_ > 0 && now >= due_; }
  Cardinal DueAt() const { return due_; }
  void Fire() {
    due_ += interval_;
    OnTimer(nullptr);
  }

private:
  void Restart() { due_ = (clock_ ? clock_->now_ : 0) + interval_; }
  TspManualSkinClock* clock_;
  Cardinal interval_ = 1000;
  bool enabled_ = false;
  Cardinal due_ = 0;
};

TspManualSkinClock::TspManualSkinClock() = default;
// Timers that outlive the clock (their controls freed later) are cut loose.
TspManualSkinClock::~TspManualSkinClock() {
  for (Timer* timer : timers_) timer->Detach();
}

std::unique_ptr<TspClockTimer> TspManualSkinClock::MakeTimer() { return std::make_unique<Timer>(this); }

void TspManualSkinClock::SetWindowTimer(HWND window, UINT_PTR id, UINT milliseconds) {
  KillWindowTimer(window, id);
  if (milliseconds == 0) milliseconds = 1;  // as the system: a zero period still ticks
  windowTimers_.push_back(WindowTimer{window, id, milliseconds, now_ + milliseconds});
}

void TspManualSkinClock::KillWindowTimer(HWND window, UINT_PTR id) {
  std::erase_if(windowTimers_, [&](const WindowTimer& t) { return t.window == window && t.id == id; });
}

bool TspManualSkinClock::WindowTimerRuns(HWND window, UINT_PTR id) const {
  return std::any_of(windowTimers_.begin(), windowTimers_.end(),
                     [&](const WindowTimer& t) { return t.window == window && t.id == id; });
}

UINT TspManualSkinClock::WindowTimerInterval(HWND window, UINT_PTR id) const {
  for (const WindowTimer& t : windowTimers_)
    if (t.window == window && t.id == id) return t.interval;
  return 0;
}

void TspManualSkinClock::Advance(Cardinal milliseconds) {
  Cardinal end = now_ + milliseconds;
  for (;;) {
    Timer* next = nullptr;
    for (Timer* timer : timers_)
      if (timer->Due(end) && (!next || timer->DueAt() < next->DueAt())) next = timer;
    const WindowTimer* nextWindow = nullptr;
    for (const WindowTimer& t : windowTimers_)
      if (t.due <= end && (!nextWindow || t.due < nextWindow->due)) nextWindow = &t;
    if (nextWindow && (!next || nextWindow->due < next->DueAt())) {
      WindowTimer fired = *nextWindow;
      now_ = fired.due;
      for (WindowTimer& t : windowTimers_)
        if (t.window == fired.window && t.id == fired.id) t.due += t.interval;
      if (::IsWindow(fired.window)) ::SendMessageA(fired.window, WM_TIMER, fired.id, 0);
      else KillWindowTimer(fired.window, fired.id);
      continue;
    }
    if (!next) break;
    now_ = next->DueAt();
    next->Fire();  // may make or destroy timers
  }
  now_ = end;
}
