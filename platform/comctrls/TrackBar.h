// The track bar over the common controls' "msctls_trackbar32": a slider that picks
// an integer Position between Min and Max, horizontal or vertical, with tick marks,
// reporting every change of the position (by the user or by code) in OnChange.
#pragma once

#include "platform/controls/WinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public TWinControl {
public:
  explicit TTrackBar(TComponent* owner);

  // A bound set past the other one moves the other one along; the position is
  // kept within the bounds without an event.
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The current value; a change (kept within Min .. Max) runs OnChange.
  int Position() const { return position_; }
  void SetPosition(int value);
  // One tick mark every Frequency positions (TickStyle tsAuto).
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  // The step of Page Up / Page Down and clicks beside the thumb, and of the arrow keys.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  // tsNone: no ticks; tsAuto: every Frequency; tsManual: only at both ends.
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);

  TNotifyEvent OnChange;

  void Loaded() override;

protected:
  virtual void Changed();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;

private:
  void ApplyRange();
  void PositionFromWindow();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int pageSize_ = 2;
  int lineSize_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickStyle tickStyle_ = tsAuto;
  TTickMark tickMarks_ = tmBottomRight;
};
