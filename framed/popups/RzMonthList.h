// TRzMonthList: the list of seven months a calendar opens over its title while the
// title is pressed; the centre month moves while the mouse is held beyond the list.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/core/DateUtils.h"

class TRzCalendar;

class TRzMonthList : public TCustomControl {
public:
  // Placed over the title of `calendar` (its owner and parent), centred on its view.
  explicit TRzMonthList(TRzCalendar* calendar);

  int ItemHeight() const { return itemHeight_; }
  TDateTime HighlightMonth() const { return highlightMonth_; }
  virtual void SetHighlightMonth(TDateTime value);
  TDateTime CenterMonth() const { return centerMonth_; }
  virtual void SetCenterMonth(TDateTime value);

  // Highlights the month under a point of the list (none outside it).
  void HitTest(const TPoint& point);
  // Moves the centre one month toward the cursor when it is beyond an edge; answers
  // the 50 ms ticks to wait before the next step (fewer the farther it is).
  int ScrollByCursor();
  int ScrollByCursorAt(int y);

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

private:
  TRzCalendar* calendar_;  // borrowed: owner and parent
  int itemHeight_;
  TDateTime highlightMonth_ = 0;
  TDateTime centerMonth_ = 0;
};
