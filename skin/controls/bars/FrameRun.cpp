#include "skin/controls/bars/FrameRun.h"

void TspFrameRun::Start(Cardinal pause, Cardinal interval, Integer frames) {
  Stop();
  Frames = frames;
  pause_ = SkinClock().MakeTimer();
  pause_->OnTimer = TNotifyEvent::Function([this](TObject*) { StartRun(); });
  pause_->SetInterval(pause);
  frame_ = SkinClock().MakeTimer();
  frame_->OnTimer = TNotifyEvent::Function([this](TObject*) { Tick(); });
  frame_->SetInterval(interval);
  StartRun();
}

void TspFrameRun::StartRun() {
  pause_->SetEnabled(false);
  Frame = 0;
  frame_->SetEnabled(true);
  repaint_();
}

void TspFrameRun::Tick() {
  ++Frame;
  if (Frame > Frames) {
    pause_->SetEnabled(true);
    frame_->SetEnabled(false);
    Frame = 0;
  }
  repaint_();
}

void TspFrameRun::Stop() {
  Frame = 0;
  if (pause_) pause_->SetEnabled(false);
  if (frame_) frame_->SetEnabled(false);
}
