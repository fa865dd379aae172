// The repeating frame run of the gauges: a run steps a frame counter from 1 past
// the last frame on a frame timer, then waits a pause on a second timer and runs
// again. Both timers come from the skin engine's clock.
#pragma once

#include <functional>
#include <memory>

#include "skin/draw/SkinClock.h"

class TspFrameRun {
public:
  explicit TspFrameRun(std::function<void()> repaint) : repaint_(std::move(repaint)) {}

  // Makes the timers and starts a run of `frames` frames.
  void Start(Cardinal pause, Cardinal interval, Integer frames);
  // Disables both timers (a tick may be the caller) and clears the counter.
  void Stop();
  bool Running() const { return pause_ && (pause_->Enabled() || frame_->Enabled()); }
  bool FrameTimerOn() const { return frame_ && frame_->Enabled(); }
  bool Made() const { return frame_ != nullptr; }
  void SetPause(Cardinal pause) {
    if (pause_) pause_->SetInterval(pause);
  }

  Integer Frame = 0;   // 0: no frame shown
  Integer Frames = 0;  // the frames of a run

private:
  void StartRun();
  void Tick();

  std::function<void()> repaint_;
  std::unique_ptr<TspClockTimer> pause_, frame_;
};
