// The four frame-picture controls: switch, animate, frame gauge and regulator.
#include <cmath>

#include "skin/controls/frames/FrameSkinControl.h"

// ---- switch ----

TspSkinSwitch::TspSkinSwitch(TComponent* owner) : TspFrameSkinControl(owner), timer_(SkinClock().MakeTimer()) {
  SetBounds(Left(), Top(), 25, 50);
  timer_->SetInterval(50);
  timer_->OnTimer = TNotifyEvent::Function([this](TObject*) { DoAnimate(); });
}

void TspSkinSwitch::SetState(TspSkinSwitchState value) {
  state_ = value;
  ChangeState();
  if (!Designing()) OnChange(this);
}

void TspSkinSwitch::ChangeState() {
  if (!HasStrip()) return Repaint();
  if (FramesCount == 2) return SetFrame(state_ == swOn ? 2 : 1);
  timer_->SetEnabled(true);
}

void TspSkinSwitch::DoAnimate() {
  if (!HasStrip()) return timer_->SetEnabled(false);
  if (state_ == swOn) {
    if (Frame() < FramesCount) SetFrame(Frame() + 1);
    if (Frame() >= FramesCount) timer_->SetEnabled(false);
  } else {
    if (Frame() > 1) SetFrame(Frame() - 1);
    if (Frame() <= 1) timer_->SetEnabled(false);
  }
}

void TspSkinSwitch::ChangeSkinData() {
  TspFrameSkinControl::ChangeSkinData();
  if (HasStrip()) SetFrame(state_ == swOn ? FramesCount : 1);
}

void TspSkinSwitch::CMMouseEnter(TMessage& message) {
  TspFrameSkinControl::CMMouseEnter(message);
  if (!Designing()) MouseIn = true;
}

void TspSkinSwitch::CMMouseLeave(TMessage& message) {
  TspFrameSkinControl::CMMouseLeave(message);
  if (!Designing()) MouseIn = false;
}

void TspSkinSwitch::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && MouseIn) SetState(state_ == swOn ? swOff : swOn);
  TspFrameSkinControl::MouseUp(button, shift, x, y);
}

// ---- animate ----

TspSkinAnimate::TspSkinAnimate(TComponent* owner) : TspFrameSkinControl(owner), timer_(SkinClock().MakeTimer()) {
  SetBounds(Left(), Top(), 50, 50);
  timer_->SetInterval(50);
  timer_->OnTimer = TNotifyEvent::Function([this](TObject*) { DoAnimate(); });
}

void TspSkinAnimate::SetActive(bool value) {
  active_ = value;
  if (!HasStrip()) return;
  if (value) Start();
  else Stop();
}

void TspSkinAnimate::Start() {
  if (!CycleMode && !ButtonMode) SetFrameSilently(1);
  timer_->SetEnabled(true);
  OnStart(this);
}

void TspSkinAnimate::Stop() {
  timer_->SetEnabled(false);
  OnStop(this);
}

void TspSkinAnimate::DoAnimate() {
  if (!HasStrip()) return;
  if (!ButtonMode || MouseIn) {
    if (Frame() < FramesCount) return SetFrame(Frame() + 1);
    if (CycleMode) return SetFrame(1);
    return Stop();
  }
  if (Frame() > 1) return SetFrame(Frame() - 1);
  Stop();
}

void TspSkinAnimate::CMMouseEnter(TMessage& message) {
  TspFrameSkinControl::CMMouseEnter(message);
  if (Designing() || !HasStrip()) return;
  MouseIn = true;
  if (ButtonMode) Start();
}

void TspSkinAnimate::CMMouseLeave(TMessage& message) {
  TspFrameSkinControl::CMMouseLeave(message);
  if (Designing() || !HasStrip()) return;
  MouseIn = false;
  if (ButtonMode) Start();
}

// ---- frame gauge ----

Integer ValueFrame(Integer value, Integer minValue, Integer maxValue, Integer framesCount) {
  if (framesCount < 2) return 1;
  Integer step = (maxValue - minValue) / (framesCount - 1);
  if (step == 0) return 1;
  return std::abs(value - minValue) / std::abs(step) + 1;
}

TspSkinFrameGauge::TspSkinFrameGauge(TComponent* owner) : TspFrameSkinControl(owner) {
  SetBounds(Left(), Top(), 50, 50);
}

void TspSkinFrameGauge::CalcFrame() { SetFrame(ValueFrame(value_, minValue_, maxValue_, FramesCount)); }

void TspSkinFrameGauge::SetValue(Integer value) {
  if (value == value_ || value < minValue_ || value > maxValue_) return;
  value_ = value;
  if (HasStrip()) CalcFrame();
}

void TspSkinFrameGauge::SetMinValue(Integer value) {
  minValue_ = value;
  if (!HasStrip()) return;
  if (value_ < value) value_ = value;
  CalcFrame();
}

void TspSkinFrameGauge::SetMaxValue(Integer value) {
  maxValue_ = value;
  if (!HasStrip()) return;
  if (value_ > value) value_ = value;
  CalcFrame();
}

void TspSkinFrameGauge::ChangeSkinData() {
  TspFrameSkinControl::ChangeSkinData();
  if (HasStrip()) CalcFrame();
}

// ---- frame regulator ----

TspSkinFrameRegulator::TspSkinFrameRegulator(TComponent* owner) : TspFrameSkinControl(owner) {
  SetBounds(Left(), Top(), 50, 50);
}

void TspSkinFrameRegulator::SetDefaultKind(TRegulatorKind value) { defaultKind_ = Kind = value; }

void TspSkinFrameRegulator::CalcDefaultFrameSize() {
  TspFrameSkinControl::CalcDefaultFrameSize();
  Kind = defaultKind_;
}

void TspSkinFrameRegulator::GetSkinData() {
  TspFrameSkinControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  if (auto* record = dynamic_cast<TspDataSkinFrameRegulator*>(SkinData()->CtrlList[SkinRecordIndex].get()))
    Kind = record->kind;
}

void TspSkinFrameRegulator::CalcFrame() {
  if (SkinRecordIndex == -1) CalcDefaultFrameSize();
  SetFrame(ValueFrame(value_, minValue_, maxValue_, FramesCount));
}

void TspSkinFrameRegulator::SetValue(Integer value) {
  if (value == value_ || value < minValue_ || value > maxValue_) return;
  value_ = value;
  if (HasStrip()) CalcFrame();
  OnChange(this);
}

void TspSkinFrameRegulator::SetMinValue(Integer value) {
  minValue_ = value;
  if (!HasStrip()) return;
  if (value_ < value) value_ = value;
  CalcFrame();
}

void TspSkinFrameRegulator::SetMaxValue(Integer value) {
  maxValue_ = value;
  if (!HasStrip()) return;
  if (value_ > value) value_ = value;
  CalcFrame();
}

void TspSkinFrameRegulator::ChangeSkinData() {
  TspFrameSkinControl::ChangeSkinData();
  if (HasStrip()) CalcFrame();
}

Integer TspSkinFrameRegulator::GetRoundValue(Integer x, Integer y) const {
  double dx = Width() / 2 - x, dy = Height() / 2 - y;
  double r = std::sqrt(dx * dx + dy * dy);
  if (r == 0) return -1;  // the centre has no angle
  bool right = x >= Width() / 2, above = y <= Height() / 2;
  double base, sine;
  if (right && above) base = 0, sine = std::fabs(dy) / r;
  else if (!right && above) base = 90, sine = std::fabs(dx) / r;
  else if (!right) base = 180, sine = std::fabs(dy) / r;
  else base = 270, sine = std::fabs(dx) / r;
  Integer a = static_cast<Integer>(std::trunc(base + std::asin(sine) * 180 / 3.14159265358979323846));
  Integer result = 270 - a;
  return result < 0 ? result + 360 : result;
}

void TspSkinFrameRegulator::StepValue(bool up) {
  Integer valueStep = (maxValue_ - minValue_) / Steps();
  if (valueStep == 0) valueStep = 1;
  dragValue_ += up ? valueStep : -valueStep;
  dragValue_ = dragValue_ < minValue_ ? minValue_ : dragValue_ > maxValue_ ? maxValue_ : dragValue_;
  SetValue(dragValue_);
}

void TspSkinFrameRegulator::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Dragging = true;
  dragValue_ = value_;
  if (Kind == rkRound) startPos_ = lastPos_ = GetRoundValue(x, y);
  else startPos_ = Kind == rkHorizontal ? x : -y;
  TspFrameSkinControl::MouseDown(button, shift, x, y);
}

void TspSkinFrameRegulator::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Dragging = false;
  TspFrameSkinControl::MouseUp(button, shift, x, y);
}

void TspSkinFrameRegulator::MouseMove(TShiftState shift, int x, int y) {
  if (Dragging && HasStrip()) {
    if (Kind == rkRound) {
      Integer angle = GetRoundValue(x, y);
      if (angle != -1 && startPos_ != -1) {
        currentPos_ = angle;
        CalcRoundValue();
        lastPos_ = currentPos_;
      }
    } else {
      currentPos_ = Kind == rkHorizontal ? x : -y;
      CalcValue();
      lastPos_ = currentPos_;
    }
  }
  TspFrameSkinControl::MouseMove(shift, x, y);
}

void TspSkinFrameRegulator::CalcValue() {
  Integer pixelStep = (Kind == rkHorizontal ? FrameWidth : FrameHeight) / Steps();
  if (pixelStep == 0) pixelStep = 1;
  if (std::abs(currentPos_ - startPos_) < pixelStep) return;
  bool up = currentPos_ >= startPos_;
  startPos_ = currentPos_;
  StepValue(up);
}

void TspSkinFrameRegulator::CalcRoundValue() {
  Integer angleStep = 360 / Steps();
  if (angleStep == 0) angleStep = 1;
  bool up;
  Integer distance;
  if (std::abs(currentPos_ - lastPos_) <= 300) {
    up = currentPos_ >= startPos_;
    distance = std::abs(currentPos_ - startPos_);
  } else {  // the pointer crossed the seam below the centre
    startPos_ = currentPos_;
    up = currentPos_ < lastPos_;
    distance = angleStep;
  }
  if (distance < angleStep) return;
  startPos_ = currentPos_;
  StepValue(up);
}
