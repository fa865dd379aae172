#include "skin/controls/buttons/ButtonTimers.h"

TspFrameAnimation::TspFrameAnimation(const TspButtonLook& look, std::function<void()> repaint)
    : look_(look), repaint_(std::move(repaint)) {}

void TspFrameAnimation::Start(bool forward) {
  Stop();
  forward_ = forward;
  frame_ = forward ? 1 : look_.framecount;
  if (!timer_) {
    timer_ = SkinClock().MakeTimer();
    timer_->OnTimer = TNotifyEvent::Function([this](TObject*) { Step(); });
  }
  timer_->SetInterval(look_.animateinterval);
  timer_->SetEnabled(true);
}

void TspFrameAnimation::Stop() {
  frame_ = 0;
  if (timer_) timer_->SetEnabled(false);
}

void TspFrameAnimation::Step() {
  if (forward_) {
    if (frame_ <= look_.framecount) {
      ++frame_;
      repaint_();
    }
    if (frame_ > look_.framecount) Stop();
  } else {
    if (frame_ >= 0) {
      --frame_;
      repaint_();
    }
    if (frame_ <= 0) Stop();
  }
}

void TspFrameAnimation::ShowFrame(TspButtonLook& look, TRect& skinrect) const {
  if (!Running() || frame_ < 1 || frame_ > look.framecount) return;
  TRect& target = forward_ ? look.activeskinrect : skinrect;
  target = look.AnimationFrame(frame_, skinrect);
}

TspClickRepeat::TspClickRepeat(const Integer& interval, std::function<void()> click)
    : interval_(interval), click_(std::move(click)) {}

void TspClickRepeat::Start() {
  if (!timer_) {
    timer_ = SkinClock().MakeTimer();
    timer_->OnTimer = TNotifyEvent::Function([this](TObject*) { Tick(); });
  }
  waiting_ = true;
  timer_->SetInterval(500);
  timer_->SetEnabled(true);
}

void TspClickRepeat::Tick() {
  if (waiting_) {
    waiting_ = false;
    timer_->SetInterval(interval_);
    return;
  }
  click_();
}
