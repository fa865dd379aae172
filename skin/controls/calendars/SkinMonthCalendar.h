// TspSkinMonthCalendar: one month as a grid of day numbers on a skinned
// panel, with the month and year as a title, the weekday names, and four
// skinned speed buttons stepping the month and the year (1761..9999). A click
// on a day selects it.
#pragma once

#include "platform/core/DateUtils.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/buttons/SkinSpeedButton.h"

enum TspDaysOfWeek { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

class TspSkinMonthCalendar : public TspSkinPanel {
public:
  explicit TspSkinMonthCalendar(TComponent* owner);

  TDateTime Date() const { return date_; }
  void SetDate(TDateTime value);
  bool TodayDefault() const { return todayDefault_; }
  void SetTodayDefault(bool value);
  TspDaysOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
  void SetFirstDayOfWeek(TspDaysOfWeek value);
  bool BoldDays() const { return boldDays_; }
  void SetBoldDays(bool value);
  TNotifyEvent OnNumberClick;

  void OffsetMonth(Integer n);
  void OffsetYear(Integer n);
  Integer GetMonthOffset();
  Integer DaysThisMonth();
  void DrawCalendar(TCanvas* canvas);
  Integer DayNumFromPoint(int x, int y);
  void ArangeControls();
  void UpdateCalendar() { Repaint(); }
  // The grid of the last drawing: column width, the line under the weekday
  // names, row height (at least 1).
  Integer ColumnWidth() const { return columnWidth_; }
  Integer LineY() const { return lineY_; }
  Integer RowHeight() const { return rowHeight_; }
  TspSkinSpeedButton* Button(int i) const { return buttons_[i]; }  // 0 prior year .. 3 next year

  void SetSkinData(TspSkinData* value) override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void SetDefaultCaptionHeight(Integer value) override;
  void SetCaptionMode(bool value) override;
  void Loaded() override;

protected:
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;

private:
  void DrawFrame(const TRect& r, TCanvas* canvas);
  void Metrics(TCanvas* canvas, const TRect& area);
  TRect Area();
  void PriorYear(TObject*);
  void PriorMonth(TObject*);
  void NextMonth(TObject*);
  void NextYear(TObject*);

  TDateTime date_;
  bool todayDefault_ = false;
  TspDaysOfWeek firstDayOfWeek_ = Sun;
  bool boldDays_ = false;
  TColor titleColor_ = 0, dayColor_ = 0;
  Integer columnWidth_ = 0, lineY_ = 0, rowHeight_ = 1;
  TspSkinSpeedButton* buttons_[4] = {};
  bool inPaint_ = false;
};
