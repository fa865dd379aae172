// TRzTimePicker: a framed analogue clock that sets a time of day. A left click or
// drag sets the hour from the pointer's direction, a right one the minutes (to
// five-minute steps with Ctrl or RestrictMinutes); the time is written above the
// face, AM and PM choices and an optional Set button lie below it, and a hint
// explains the mouse while the pointer is over the face.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzIndexedColors.h"
#include "framed/controls/RzPanel.h"
#include "platform/controls/HintWindow.h"
#include "platform/core/DateUtils.h"

class TRzTimePicker;

// The clock's five colours, addressed by index (0 Face ... 4 MinuteTicks).
class TRzClockFaceColors : public TRzIndexedColors {
public:
  explicit TRzClockFaceColors(TRzTimePicker* picker);

  TColor Face() const { return GetColor(0); }
  TColor Hands() const { return GetColor(1); }
  TColor Numbers() const { return GetColor(2); }
  TColor HourTicks() const { return GetColor(3); }
  TColor MinuteTicks() const { return GetColor(4); }
};

class TRzTimePicker : public TRzCustomPanel {
public:
  explicit TRzTimePicker(TComponent* owner);
  ~TRzTimePicker() override;

  TDateTime Time() const { return time_; }
  virtual void SetTime(TDateTime value);
  bool IsPM() const { return isPM_; }
  const String& CaptionAM() const { return captionAM_; }
  virtual void SetCaptionAM(const String& value) { ChangeCaption(captionAM_, value); }
  const String& CaptionPM() const { return captionPM_; }
  virtual void SetCaptionPM(const String& value) { ChangeCaption(captionPM_, value); }
  const String& CaptionSet() const { return captionSet_; }
  virtual void SetCaptionSet(const String& value) { ChangeCaption(captionSet_, value); }
  TRzClockFaceColors* ClockFaceColors() const { return clockFaceColors_.get(); }
  virtual void SetClockFaceColors(const TRzClockFaceColors* value) { clockFaceColors_->Assign(value); }
  const String& Format() const { return format_; }
  virtual void SetFormat(const String& value);
  bool ShowSetButton() const { return showSetButton_; }
  virtual void SetShowSetButton(bool value);
  String HowToUseMsg;
  bool RestrictMinutes = false;
  bool ShowHowToUseHint = true;
  // Set by a drop-down host: a press then leaves the focus where it is.
  bool InPopup = false;

  void SetHour(int hour);
  void SetMinutes(int minute);
  void ChangeToAM();
  void ChangeToPM();
  void AdjustHour(Int64 delta);
  void AdjustMinute(Int64 delta);
  void Clear() { SetTime(0); }
  bool IsClear() const { return time_ == 0; }
  int GetHourFromXY(int x, int y) const;
  int GetMinuteFromXY(int x, int y, bool restrict) const;
  static double NormalizedArcTan(double dx, double dy);
  void CalcRects();
  void AdjustForFont();
  void SetBounds(int left, int top, int width, int height) override;

  // The layout CalcRects made (client coordinates).
  TRect TimeRect() const { return timeRect_; }
  TRect ClockRect() const { return clockRect_; }
  TRect AMRect() const { return amRect_; }
  TRect PMRect() const { return pmRect_; }
  TRect SetButtonRect() const { return setButtonRect_; }
  TPoint Center() const { return center_; }
  int Radius() const { return radius_; }
  THintWindow* HintWindow() const { return hintWindow_.get(); }
  bool HintTimerEnabled() const { return hintTimer_->Enabled(); }

  TNotifyEvent OnChange;
  TNotifyEvent OnSetBtnClick;
  TNotifyEvent OnSetTime;

protected:
  virtual void DrawClock(const TRect& rect, const TPoint& center, int radius);
  virtual void Changed() { OnChange(this); }
  virtual void SetBtnClick() { OnSetBtnClick(this); }

  bool CanAutoSize(int& width, int& height) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void Dispatch(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;

private:
  friend class TRzTimePickerPainter;
  void ChangeCaption(String& field, const String& value);
  String ShownCaption(const String& caption, unsigned id) const;
  // The captions shown: the property, or the library's text when it is empty.
  String AMText() const;
  String PMText() const;
  String SetButtonText() const;
  void CalcFontSize();
  void DoHint(int x, int y);
  void ReleaseHintWindow();
  void HintTimerTick();
  void ClearPresses();

  TDateTime time_ = 0;
  bool isPM_ = false;
  TRect timeRect_, clockRect_, amRect_, pmRect_, setButtonRect_;
  int radius_ = 0;
  TPoint center_;
  int charWidth_ = 0, charHeight_ = 0;
  bool leftDown_ = false, rightDown_ = false;
  bool amPressed_ = false, pmPressed_ = false, setPressed_ = false, clockPressed_ = false;
  String format_;
  String captionAM_, captionPM_, captionSet_;
  std::unique_ptr<TRzClockFaceColors> clockFaceColors_;  // owned
  bool showSetButton_ = false;
  std::unique_ptr<THintWindow> hintWindow_;  // owned, made on first use
  std::unique_ptr<TRzTimer> hintTimer_;      // owned
};
