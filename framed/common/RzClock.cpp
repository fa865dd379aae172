#include "framed/common/RzClock.h"

#include <algorithm>

#include "platform/core/Timer.h"
#include "platform/core/WinApi.h"

namespace {

class TSystemTimer : public TRzTimer {
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

class TSystemClock : public TRzClock {
public:
  Cardinal TickCount() override { return ::GetTickCount(); }
  std::unique_ptr<TRzTimer> MakeTimer() override { return std::make_unique<TSystemTimer>(); }
};

TSystemClock systemClock;
TRzClock* currentClock = nullptr;

}  // namespace

TRzClock& FramedClock() { return currentClock ? *currentClock : systemClock; }

void SetFramedClock(TRzClock* clock) { currentClock = clock; }

class TManualClock::Timer : public TRzTimer {
public:
  explicit Timer(TManualClock* clock) : clock_(clock) { clock_->timers_.push_back(this); }
  ~Timer() override {
    auto& timers = clock_->timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
  }
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
  void Restart() { due_ = clock_->now_ + interval_; }
  TManualClock* clock_;
  Cardinal interval_ = 1000;
  bool enabled_ = false;
  Cardinal due_ = 0;
};

TManualClock::TManualClock() = default;
TManualClock::~TManualClock() = default;

std::unique_ptr<TRzTimer> TManualClock::MakeTimer() { return std::make_unique<Timer>(this); }

void TManualClock::Advance(Cardinal milliseconds) {
  Cardinal end = now_ + milliseconds;
  for (;;) {
    Timer* next = nullptr;
    for (Timer* timer : timers_)
      if (timer->Due(end) && (!next || timer->DueAt() < next->DueAt())) next = timer;
    if (!next) break;
    now_ = next->DueAt();
    next->Fire();  // may make or destroy timers
  }
  now_ = end;
}
