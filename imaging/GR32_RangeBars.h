// Custom-drawn scroll bars: the arrow bar (buttons, track and handle, with the
// press-and-repeat timer and hot tracking), the range bar (a position against a
// range and a visible window, for scrolling a view), the gauge bar (an integer
// position between Min and Max) and the persistent group that forwards the look
// of one or two bars.
#pragma once

#include "imaging/GR32.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/CustomControl.h"
#include "platform/core/Timer.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TRBDirection { drLeft, drUp, drRight, drDown };
using TRBDirections = unsigned;  // bit i: direction i
enum TRBZone { zNone, zBtnPrev, zTrackPrev, zHandle, zTrackNext, zBtnNext };
enum TRBStyle { rbsDefault, rbsMac };
enum TRBBackgnd { bgPattern, bgSolid };
using TRBIncrement = Word;
using TRBGetSizeEvent = TEvent<TObject*, Integer&>;

class TArrowBar : public TCustomControl {
public:
  explicit TArrowBar(TComponent* owner);
  ~TArrowBar() override;

  TRBBackgnd Backgnd() const { return backgnd_; }
  void SetBackgnd(TRBBackgnd value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  Integer ButtonSize() const { return buttonSize_; }
  void SetButtonSize(Integer value);
  TColor HandleColor() const { return handleColor_; }
  void SetHandleColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);
  TColor HighLightColor() const { return highLightColor_; }
  void SetHighLightColor(TColor value);
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  bool ShowArrows() const { return showArrows_; }
  void SetShowArrows(bool value);
  bool ShowHandleGrip() const { return showHandleGrip_; }
  void SetShowHandleGrip(bool value);
  TRBStyle Style() const { return style_; }
  void SetStyle(TRBStyle value);

  // Geometry in client coordinates (inside the one-pixel border of bsSingle).
  TRect BarClientRect() const;
  Integer GetBorderSize() const { return borderStyle_ == bsNone ? 0 : 1; }
  Integer GetButtonSize() const;
  TRect GetTrackBoundary() const;
  virtual TRect GetHandleRect() const;
  TRBZone GetZone(Integer x, Integer y) const;
  TRect GetZoneRect(TRBZone zone) const;
  virtual bool DrawEnabled() const { return Enabled(); }
  TRBZone DragZone() const { return dragZone_; }
  TRBZone HotZone() const { return hotZone_; }

  // The timer's handler, public so that its steps can be driven directly.
  virtual void TimerHandler(TObject* sender);
  // 0 idle, 1 the initial delay after a press, 2 repeating, 3 hot tracking.
  Integer TimerMode() const { return timerMode_; }
  TTimer* Timer() const { return timer_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnUserChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

  virtual void DoChange();
  virtual void DoDrawButton(TRect r, TRBDirection direction, bool pushed, bool enabled, bool hot);
  virtual void DoDrawHandle(TRect r, bool horz, bool pushed, bool hot);
  virtual void DoDrawTrack(TRect r, TRBDirection direction, bool pushed, bool enabled, bool hot);
  virtual void MouseLeft();
  // Where the mouse is now, in client coordinates; a seam for tests.
  virtual TPoint CursorClientPos();
  void DrawNCArea(HDC dc, HRGN region);

  void StartDragTracking();
  void StopDragTracking();
  void StartHotTracking();
  void StopHotTracking();
  bool Horizontal() const { return kind_ == sbHorizontal; }
  // Along the bar: X of a horizontal bar, Y of a vertical one.
  Integer Along(Integer x, Integer y) const { return Horizontal() ? x : y; }
  Integer ClientLength() const;
  Integer Thickness() const;
  // The rectangle from `start` to `stop` along the bar, across its whole thickness.
  TRect AlongRect(Integer start, Integer stop) const;

  TPoint PressPoint() const { return pressPoint_; }
  bool UserChange() const { return userChange_; }
  void SetUserChange(bool value) { userChange_ = value; }
  void SetDragZone(TRBZone value) { dragZone_ = value; }

private:
  void PaintDefault(HDC dc, TRect r, Integer part, Integer state);
  void DrawMacButton(HDC dc, TRect r, TRBDirection direction, bool pushed, bool enabled);
  void DrawMacTrack(HDC dc, TRect r, TRBDirection direction, bool pushed, bool enabled);
  void DrawMacHandle(HDC dc, TRect r, bool horz, bool pushed);

  TRBBackgnd backgnd_ = bgPattern;
  TBorderStyle borderStyle_ = bsSingle;
  Integer buttonSize_ = 0;
  TColor handleColor_ = clBtnShadow;
  TColor buttonColor_ = clBtnFace;
  TColor highLightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  TColor borderColor_ = clWindowFrame;
  TScrollBarKind kind_ = sbHorizontal;
  bool showArrows_ = true;
  bool showHandleGrip_ = true;
  TRBStyle style_ = rbsDefault;
  TTimer* timer_;  // owned as a component of the bar
  TRBZone dragZone_ = zNone;
  TRBZone hotZone_ = zNone;
  TPoint pressPoint_;
  bool userChange_ = false;
  Integer timerMode_ = 0;
};

class TCustomRangeBar : public TArrowBar {
public:
  explicit TCustomRangeBar(TComponent* owner);

  Integer Range() const { return range_; }
  void SetRange(Integer value) { SetParams(value, window_); }
  Integer Window() const { return window_; }
  void SetWindow(Integer value) { SetParams(range_, value); }
  float Position() const { return position_; }
  void SetPosition(float value);
  TRBIncrement Increment() const { return increment_; }
  void SetIncrement(TRBIncrement value) { increment_ = value; }
  bool Centered() const { return centered_; }
  void SetCentered(bool value) { centered_ = value; }
  Integer EffectiveWindow() const { return effectiveWindow_; }
  void SetParams(Integer range, Integer window);

  TRect GetHandleRect() const override;
  bool DrawEnabled() const override;
  void TimerHandler(TObject* sender) override;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void Resize() override;
  void AdjustPosition();
  void UpdateEffectiveWindow();

private:
  void Recenter(Integer oldRange, Integer oldWindow);

  Integer range_ = 0;
  Integer window_ = 0;
  float position_ = 0;
  TRBIncrement increment_ = 8;
  bool centered_ = false;
  Integer effectiveWindow_ = 0;
  float positionBeforeDrag_ = 0;
};

class TRangeBar : public TCustomRangeBar {
public:
  using TCustomRangeBar::TCustomRangeBar;
};

class TCustomGaugeBar : public TArrowBar {
public:
  explicit TCustomGaugeBar(TComponent* owner);

  Integer HandleSize() const { return handleSize_; }
  void SetHandleSize(Integer value);
  Integer LargeChange() const { return largeChange_; }
  void SetLargeChange(Integer value) { largeChange_ = value < 1 ? 1 : value; }
  Integer SmallChange() const { return smallChange_; }
  void SetSmallChange(Integer value) { smallChange_ = value < 1 ? 1 : value; }
  Integer Max() const { return max_; }
  void SetMax(Integer value);
  Integer Min() const { return min_; }
  void SetMin(Integer value);
  Integer Position() const { return position_; }
  void SetPosition(Integer value);
  // HandleSize, or the bar's thickness when it is 0, kept shorter than the track.
  Integer GetHandleSize() const;

  TRect GetHandleRect() const override;
  void TimerHandler(TObject* sender) override;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void AdjustPosition();

private:
  Integer handleSize_ = 0;
  Integer largeChange_ = 1;
  Integer max_ = 100;
  Integer min_ = 0;
  Integer position_ = 0;
  Integer smallChange_ = 1;
  Integer positionBeforeDrag_ = 0;
};

class TGaugeBar : public TCustomGaugeBar {
public:
  using TCustomGaugeBar::TCustomGaugeBar;
};

// The look of a master bar and an optional slave: reads answer the master's
// value, writes go to the master and then to the slave.
class TArrowBarAccess : public TPersistent {
public:
  TArrowBar* Master() const { return master_; }
  void SetMaster(TArrowBar* value) { master_ = value; }
  TArrowBar* Slave() const { return slave_; }
  void SetSlave(TArrowBar* value) { slave_ = value; }

  TColor Color() const { return master_->Color(); }
  void SetColor(TColor value) { Both([&](TArrowBar* b) { b->SetColor(value); }); }
  TRBBackgnd Backgnd() const { return master_->Backgnd(); }
  void SetBackgnd(TRBBackgnd value) { Both([&](TArrowBar* b) { b->SetBackgnd(value); }); }
  Integer ButtonSize() const { return master_->ButtonSize(); }
  void SetButtonSize(Integer value) { Both([&](TArrowBar* b) { b->SetButtonSize(value); }); }
  TColor HandleColor() const { return master_->HandleColor(); }
  void SetHandleColor(TColor value) { Both([&](TArrowBar* b) { b->SetHandleColor(value); }); }
  TColor ButtonColor() const { return master_->ButtonColor(); }
  void SetButtonColor(TColor value) { Both([&](TArrowBar* b) { b->SetButtonColor(value); }); }
  TColor HighLightColor() const { return master_->HighLightColor(); }
  void SetHighLightColor(TColor value) { Both([&](TArrowBar* b) { b->SetHighLightColor(value); }); }
  TColor ShadowColor() const { return master_->ShadowColor(); }
  void SetShadowColor(TColor value) { Both([&](TArrowBar* b) { b->SetShadowColor(value); }); }
  TColor BorderColor() const { return master_->BorderColor(); }
  void SetBorderColor(TColor value) { Both([&](TArrowBar* b) { b->SetBorderColor(value); }); }
  bool ShowArrows() const { return master_->ShowArrows(); }
  void SetShowArrows(bool value) { Both([&](TArrowBar* b) { b->SetShowArrows(value); }); }
  bool ShowHandleGrip() const { return master_->ShowHandleGrip(); }
  void SetShowHandleGrip(bool value) { Both([&](TArrowBar* b) { b->SetShowHandleGrip(value); }); }
  TRBStyle Style() const { return master_->Style(); }
  void SetStyle(TRBStyle value) { Both([&](TArrowBar* b) { b->SetStyle(value); }); }

  void Assign(const TPersistent* source) override;

private:
  template <class F>
  void Both(F set) {
    set(master_);
    if (slave_) set(slave_);
  }
  TArrowBar* master_ = nullptr;  // borrowed
  TArrowBar* slave_ = nullptr;   // borrowed
};

// Publishes the range and gauge bars for form definitions.
void PublishRangeBarClasses();
