// The frame-picture controls: each shows one frame of a strip of equal pictures,
// from a skin record ("switch", "animate", "framegauge", "frameregulator") or,
// without one, from a picture given to the control (DefaultImage). The base
// keeps the strip, the current frame and the window shape; TspSkinSwitch moves
// between its first and last frame, TspSkinAnimate plays the strip,
// TspSkinFrameGauge shows a value as a frame and TspSkinFrameRegulator is a knob
// or slider dragged to change a value.
#pragma once

#include <memory>

#include "skin/controls/SkinCtrls.h"
#include "skin/draw/SkinClock.h"

class TspFrameSkinControl : public TspSkinControl {
public:
  explicit TspFrameSkinControl(TComponent* owner);
  ~TspFrameSkinControl() override;

  TBitmap* DefaultImage() const { return defaultImage_.get(); }  // owned
  void SetDefaultImage(const TBitmap* value);
  TBitmap* DefaultMask() const { return defaultMask_.get(); }  // owned
  void SetDefaultMask(const TBitmap* value);
  TFramesPlacement DefaultFramesPlacement() const { return defaultPlacement_; }
  void SetDefaultFramesPlacement(TFramesPlacement value);
  Integer DefaultFramesCount() const { return defaultCount_; }
  void SetDefaultFramesCount(Integer value);  // values below 1 become 1

  Integer Frame() const { return frame_; }
  void SetFrame(Integer value);  // 1..FramesCount; nothing without a strip
  Integer FrameWidth = 0, FrameHeight = 0, FramesCount = 1;
  TFramesPlacement FramesPlacement = fpHorizontal;
  // A skin record or a non-empty DefaultImage.
  bool HasStrip() const { return SkinRecordIndex != -1 || !defaultImage_->Empty(); }

  virtual void CalcDefaultFrameSize();
  void SetControlRegion();
  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void Loaded() override;

protected:
  void WMEraseBkgnd(TMessage& message) override;
  TRect FrameRect(Integer n) const;  // frame n in strip coordinates
  void SetFrameSilently(Integer n) { frame_ = n; }  // no repaint

  TBitmap* skinPicture_ = nullptr;  // borrowed from the skin
  TBitmap* skinMask_ = nullptr;     // borrowed from the skin
  TRect skinRect_;

private:
  void SetFrameBounds();

  std::unique_ptr<TBitmap> defaultImage_, defaultMask_;
  TFramesPlacement defaultPlacement_ = fpHorizontal;
  Integer defaultCount_ = 1;
  Integer frame_ = 1;
  HRGN region_ = nullptr;  // given to the window; deleted when replaced
};

enum TspSkinSwitchState { swOff, swOn };

class TspSkinSwitch : public TspFrameSkinControl {
public:
  explicit TspSkinSwitch(TComponent* owner);

  TspSkinSwitchState State() const { return state_; }
  // Stores, moves the frames and fires OnChange, also for an unchanged state.
  void SetState(TspSkinSwitchState value);
  Cardinal TimerInterval() const { return timer_->Interval(); }
  void SetTimerInterval(Cardinal value) { timer_->SetInterval(value); }
  TNotifyEvent OnChange;
  bool MouseIn = false;
  bool Animating() const { return timer_->Enabled(); }
  void ChangeSkinData() override;

protected:
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void ChangeState();
  void DoAnimate();

  TspSkinSwitchState state_ = swOff;
  std::unique_ptr<TspClockTimer> timer_;
};

class TspSkinAnimate : public TspFrameSkinControl {
public:
  explicit TspSkinAnimate(TComponent* owner);

  bool Active() const { return active_; }
  void SetActive(bool value);
  bool CycleMode = false;
  bool ButtonMode = false;
  Cardinal TimerInterval() const { return timer_->Interval(); }
  void SetTimerInterval(Cardinal value) { timer_->SetInterval(value); }
  TNotifyEvent OnStart, OnStop;
  bool MouseIn = false;
  void Start();
  void Stop();
  bool Playing() const { return timer_->Enabled(); }

protected:
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  void DoAnimate();

  bool active_ = false;
  std::unique_ptr<TspClockTimer> timer_;
};

// The value's frame: |Value - MinValue| div ValueStep + 1, frame 1 when the
// strip or the range gives no step.
Integer ValueFrame(Integer value, Integer minValue, Integer maxValue, Integer framesCount);

class TspSkinFrameGauge : public TspFrameSkinControl {
public:
  explicit TspSkinFrameGauge(TComponent* owner);

  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer value);
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer value);
  Integer Value() const { return value_; }
  void SetValue(Integer value);  // ignored outside MinValue..MaxValue; no event
  void CalcFrame();
  void ChangeSkinData() override;

private:
  Integer minValue_ = 0, maxValue_ = 100, value_ = 50;
};

class TspSkinFrameRegulator : public TspFrameSkinControl {
public:
  explicit TspSkinFrameRegulator(TComponent* owner);

  TRegulatorKind DefaultKind() const { return defaultKind_; }
  void SetDefaultKind(TRegulatorKind value);
  TRegulatorKind Kind = rkRound;
  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer value);
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer value);
  Integer Value() const { return value_; }
  void SetValue(Integer value);  // ignored outside MinValue..MaxValue; OnChange also from code
  TNotifyEvent OnChange;
  void CalcFrame();
  // The clockwise angle (0..359) from straight down of a point; -1 at the centre.
  Integer GetRoundValue(Integer x, Integer y) const;
  void CalcDefaultFrameSize() override;
  void GetSkinData() override;
  void ChangeSkinData() override;
  bool Dragging = false;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  Integer Steps() const { return FramesCount < 2 ? 1 : FramesCount - 1; }
  void CalcValue();
  void CalcRoundValue();
  void StepValue(bool up);

  TRegulatorKind defaultKind_ = rkRound;
  Integer minValue_ = 0, maxValue_ = 100, value_ = 50;
  Integer dragValue_ = 0, startPos_ = 0, currentPos_ = 0, lastPos_ = 0;
};
