// TspSkinTrackBar: a slider with one thumb that picks an integer Value between
// MinValue and MaxValue, horizontal or vertical (MinValue at the bottom), drawn
// from a "htrackbar"/"trackbar" record or in a built-in look. The thumb can be
// dragged, optionally jumps to a click, and answers arrows and the wheel when
// the bar takes the focus.
#pragma once

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"

class TspSkinTrackBar : public TspSkinCustomControl {
public:
  explicit TspSkinTrackBar(TComponent* owner);

  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer value);
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer value);
  Integer Value() const { return value_; }
  // Clamps; a new value repaints and fires OnChange.
  void SetValue(Integer value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  bool MouseSupport = true;
  bool JumpWhenClick = false;
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  TNotifyEvent OnStartDragButton;

  // The value of a thumb centre `offset` pixels from the MinValue end.
  Integer CalcValue(Integer offset) const;
  // Places the thumb in r (TrackStart, TrackEnd, ThumbOffset, NewButtonRect).
  void CalcButtonRect(const TRect& r);
  bool IsFocused();

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;

  Integer TrackStart = 0, TrackEnd = 0, ThumbOffset = 0;
  TRect NewButtonRect, NewTrackArea;
  bool Dragging = false;

  struct Look {
    TRect activeskinrect, trackarea, buttonrect, activebuttonrect;
    bool buttontransparent = false;
    TColor buttontransparentcolor = 0;
  } look;

protected:
  void WndProc(TMessage& message) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  TRect ThumbTrack();  // the rectangle the thumb runs in now
  void WheelStep(Integer delta);

  Integer minValue_ = 0, maxValue_ = 100, value_ = 50;
  bool vertical_ = false;
  bool canFocused_ = false;
  Integer dragStartPos_ = 0, dragStartOffset_ = 0;
  bool clicksDisabled_ = false;
};
