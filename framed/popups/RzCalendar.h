// TRzCalendar: a framed month view of six weeks with a title of month and year,
// arrows that step the month (repeating while held), optional weekday letters,
// ISO week numbers and "Today"/"Clear" buttons. Days can be bold by an event; a
// press on the title opens a list of months that scrolls while the mouse is held
// beyond it.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzIndexedColors.h"
#include "framed/controls/RzPanel.h"
#include "platform/core/DateUtils.h"

enum TRzCalendarElement : Byte {
  ceYear, ceMonth, ceArrows, ceWeekNumbers, ceDaysOfWeek, ceFillDays, ceTodayButton, ceClearButton
};
using TRzCalendarElements = Byte;  // bit n for the n-th element
constexpr TRzCalendarElements CalendarElement(TRzCalendarElement e) { return static_cast<Byte>(1u << e); }
constexpr TRzCalendarElements kDefaultCalendarElements =
    CalendarElement(ceYear) | CalendarElement(ceMonth) | CalendarElement(ceArrows) | CalendarElement(ceDaysOfWeek) |
    CalendarElement(ceFillDays) | CalendarElement(ceTodayButton) | CalendarElement(ceClearButton);

// caFillDays has no rectangle and stands for "no area".
enum TRzCalendarArea : Byte {
  caYear, caLeftArrow, caRightArrow, caWeekNumbers, caDays, caDaysOfWeek, caFillDays, caTodayButton, caClearButton
};
constexpr int kCalendarAreaCount = caClearButton + 1;
using TRzCalendarAreas = std::array<TRect, kCalendarAreaCount>;

enum TRzFirstDayOfWeek : Byte {
  fdowMonday, fdowTuesday, fdowWednesday, fdowThursday, fdowFriday, fdowSaturday, fdowSunday, fdowLocale
};

using TRzGetBoldDaysEvent = TEvent<TObject*, Word, Word, Cardinal&>;
using TRzGetWeekNumberEvent = TEvent<TObject*, TDateTime, int&>;
using TRzViewDateChangeEvent = TEvent<TObject*, TDateTime>;

class TRzCalendar;
class TRzMonthList;

// The calendar's seven colours, addressed by index (0 Days ... 6 TodaysDateFrame).
class TRzCalendarColors : public TRzIndexedColors {
public:
  explicit TRzCalendarColors(TRzCalendar* calendar);

  TColor Days() const { return GetColor(0); }
  TColor FillDays() const { return GetColor(1); }
  TColor DaysOfWeek() const { return GetColor(2); }
  TColor Lines() const { return GetColor(3); }
  TColor SelectedDateBack() const { return GetColor(4); }
  TColor SelectedDateFore() const { return GetColor(5); }
  TColor TodaysDateFrame() const { return GetColor(6); }
};

class TRzCalendar : public TRzCustomPanel {
public:
  explicit TRzCalendar(TComponent* owner);
  ~TRzCalendar() override;

  TRzCalendarColors* CalendarColors() const { return calendarColors_.get(); }
  virtual void SetCalendarColors(const TRzCalendarColors* value) { calendarColors_->Assign(value); }
  const String& CaptionClearBtn() const { return captionClearBtn_; }
  virtual void SetCaptionClearBtn(const String& value);
  const String& CaptionTodayBtn() const { return captionTodayBtn_; }
  virtual void SetCaptionTodayBtn(const String& value);
  TDateTime Date() const { return date_; }
  virtual void SetDate(TDateTime value);
  TRzFirstDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
  virtual void SetFirstDayOfWeek(TRzFirstDayOfWeek value);
  TRzCalendarElements Elements() const { return elements_; }
  virtual void SetElements(TRzCalendarElements value);
  TRzCalendarArea OverArea() const { return overArea_; }
  virtual void SetOverArea(TRzCalendarArea value);
  TRzCalendarArea PressedArea() const { return pressedArea_; }
  virtual void SetPressedArea(TRzCalendarArea value);
  TDateTime ViewDate() const { return viewDate_; }
  virtual void SetViewDate(TDateTime value);
  TDateTime FirstVisibleDate() const { return firstVisibleDate_; }
  int StartOfWeek() const { return startOfWeek_; }  // 0 Monday ... 6 Sunday
  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int CharWidth() const { return charWidth_; }
  int CharHeight() const { return charHeight_; }
  TRzMonthList* MonthList() const { return monthList_.get(); }
  bool Has(TRzCalendarElement e) const { return (elements_ & CalendarElement(e)) != 0; }

  // Set by a drop-down host: a press then leaves the focus where it is.
  bool InPopup = false;

  void Clear();
  void Today();
  bool IsClear() const;
  TDateTime HitTest(int x, int y);
  static Cardinal DaysToBitmask(std::initializer_list<Byte> days);
  void CalcAreas(TRzCalendarAreas& areas);
  TDateTime InternalHitTest(const TRect& rect, const TPoint& point) const;
  void AdjustForFont();
  // Never smaller than the natural size; exactly that size while AutoSize is on.
  void SetBounds(int left, int top, int width, int height) override;
  // The ISO 8601 week of a date: weeks start on Monday, week 1 holds the first Thursday.
  static int IsoWeekNumber(TDateTime date);
  // The number shown beside grid row `row` (0..5): the ISO week of its second day,
  // or what OnGetWeekNumber answers for the day after the row.
  int WeekNumberOfRow(int row);
  // The auto-repeat's schedule: counts a tick and answers whether it steps.
  static bool RepeatDue(int& count);
  // The month masks the painting asks for: ViewDate's month, and with ceFillDays
  // the months before and after it.
  void BoldMasks(Cardinal& previous, Cardinal& shown, Cardinal& next);

  TNotifyEvent OnChange;
  TRzGetBoldDaysEvent OnGetBoldDays;
  TRzGetWeekNumberEvent OnGetWeekNumber;
  TRzViewDateChangeEvent OnViewDateChange;

protected:
  virtual void Changed() { OnChange(this); }
  virtual void GetBoldDays(Word year, Word month, Cardinal& bitmask) {
    if (OnGetBoldDays) OnGetBoldDays(this, year, month, bitmask);
  }
  virtual void ViewDateChange(TDateTime viewDate) { OnViewDateChange(this, viewDate); }

  bool CanAutoSize(int& width, int& height) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateWnd() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Click() override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Dispatch(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override { message.Result = 0; }
  void CMFontChanged(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;

private:
  friend class TRzCalendarPainter;
  void CalcFontSize();
  String TodayCaption() const;
  String ClearCaption() const;
  void UpdateHighlight(int x, int y);
  void StartTimer();
  void StopTimer();
  void TimerExpired();
  void CloseMonthList();
  void InvalidatePressedRect();
  void WMNCHitTest(TMessage& message);
  void SetDateForced(TDateTime value);

  int startOfWeek_ = 0;
  TRzFirstDayOfWeek firstDayOfWeek_ = fdowLocale;
  TRzCalendarElements elements_ = kDefaultCalendarElements;
  TRzCalendarArea pressedArea_ = caFillDays;
  TRzCalendarArea overArea_ = caFillDays;
  TRect pressedRect_;
  int charWidth_ = 0, charHeight_ = 0;
  int cellWidth_ = 0, cellHeight_ = 0;
  TDateTime date_ = 0;
  TDateTime viewDate_ = 0;
  TDateTime firstVisibleDate_ = 0;
  bool forceUpdate_ = false;
  String captionClearBtn_, captionTodayBtn_;
  int clearWidth_ = 0, todayWidth_ = 0;
  std::unique_ptr<TRzCalendarColors> calendarColors_;  // owned
  int repeatCount_ = 0;
  std::unique_ptr<TRzMonthList> monthList_;  // owned while open
  std::unique_ptr<TRzTimer> repeatTimer_;    // owned while a press repeats
};
