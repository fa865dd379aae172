// The two timers of the skinned buttons: the frame strip played on hover and
// focus, and the click repeated while a button is held.
#pragma once

#include <functional>
#include <memory>

#include "skin/controls/buttons/ButtonLook.h"
#include "skin/draw/SkinClock.h"

// Plays the look's frame strip forward (frame 1 up to the last) or back (the
// last down to 0), a frame a tick at the look's interval; each step repaints.
class TspFrameAnimation {
public:
  // `look` is the button's, read at every step; `repaint` redraws the button.
  TspFrameAnimation(const TspButtonLook& look, std::function<void()> repaint);

  void Start(bool forward);
  void Stop();  // only disables: the timer may be the one ticking now
  bool Running() const { return timer_ && timer_->Enabled(); }
  Integer Frame() const { return frame_; }
  // While a frame runs, it stands in for the hot piece (forward) or the normal one.
  void ShowFrame(TspButtonLook& look, TRect& skinrect) const;

private:
  void Step();

  const TspButtonLook& look_;  // the owner's
  std::function<void()> repaint_;
  Integer frame_ = 0;
  bool forward_ = true;
  std::unique_ptr<TspClockTimer> timer_;
};

// Repeats a held button's click: after a 500 ms wait, every `interval` ms.
class TspClickRepeat {
public:
  // `interval` is the owner's property, read when the wait ends.
  TspClickRepeat(const Integer& interval, std::function<void()> click);

  void Start();
  void Stop() {
    if (timer_) timer_->SetEnabled(false);
  }
  bool Running() const { return timer_ && timer_->Enabled(); }

private:
  void Tick();

  const Integer& interval_;  // the owner's
  std::function<void()> click_;
  bool waiting_ = false;
  std::unique_ptr<TspClockTimer> timer_;
};
