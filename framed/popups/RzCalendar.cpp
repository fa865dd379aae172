#include "framed/popups/RzCalendar.h"

#include <algorithm>
#include <cmath>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/popups/RzMonthList.h"
#include "framed/startup/RzStrings.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "platform/core/LocaleSettings.h"

namespace {

constexpr unsigned kTodayCaptionId = 65397;
constexpr unsigned kClearCaptionId = 65396;

bool Contains(const TRect& r, const TPoint& p) { return !r.IsEmpty() && r.Contains(p); }

}  // namespace

// ---- colours ----

TRzCalendarColors::TRzCalendarColors(TRzCalendar* calendar)
    : TRzIndexedColors(calendar, {clWindowText, clBtnShadow, clWindowText, clBtnShadow, clHighlight, clHighlightText,
                                  clMaroon}) {}

// ---- the calendar ----

TRzCalendar::TRzCalendar(TComponent* owner) : TRzCustomPanel(owner) {
  ControlStyle = (ControlStyle & ~(csAcceptsControls | csSetCaption | csNoStdEvents)) | csReflector;
  calendarColors_ = std::make_unique<TRzCalendarColors>(this);
  Clear();
  SetColor(clWindow);
  flatColorAdjustment_ = 0;
  borderOuter_ = fsLowered;
  SetTabStop(true);
  DoubleBuffered = true;
  SetBounds(Left(), Top(), 147, 159);
  SetAutoSize(true);
  AdjustForFont();
}

TRzCalendar::~TRzCalendar() {
  CloseMonthList();
  repeatTimer_.reset();
}

String TRzCalendar::TodayCaption() const {
  return captionTodayBtn_.empty() ? LoadRzString(kTodayCaptionId) : captionTodayBtn_;
}

String TRzCalendar::ClearCaption() const {
  return captionClearBtn_.empty() ? LoadRzString(kClearCaptionId) : captionClearBtn_;
}

void TRzCalendar::CalcFontSize() {
  const TSize zero = ScreenTextExtent(Font(), "0");
  charWidth_ = zero.cx;
  charHeight_ = zero.cy;
  todayWidth_ = ScreenTextExtent(Font(), TodayCaption()).cx;
  clearWidth_ = ScreenTextExtent(Font(), ClearCaption()).cx;
}

void TRzCalendar::AdjustForFont() {
  CalcFontSize();
  AdjustSize();
  Invalidate();
}

void TRzCalendar::CMFontChanged(TMessage& message) {
  TRzCustomPanel::CMFontChanged(message);
  AdjustForFont();
}

void TRzCalendar::SetCaptionClearBtn(const String& value) {
  if (captionClearBtn_ == value) return;
  captionClearBtn_ = value;
  AdjustForFont();
}

void TRzCalendar::SetCaptionTodayBtn(const String& value) {
  if (captionTodayBtn_ == value) return;
  captionTodayBtn_ = value;
  AdjustForFont();
}

void TRzCalendar::SetElements(TRzCalendarElements value) {
  if (elements_ == value) return;
  elements_ = value;
  AdjustForFont();
}

bool TRzCalendar::CanAutoSize(int& width, int& height) {
  const bool today = Has(ceTodayButton), clear = Has(ceClearButton);
  height = 4;
  if (Has(ceYear) || Has(ceMonth)) height += charHeight_ + 5;
  height += 6 * (charHeight_ + 2) + 1;
  if (Has(ceDaysOfWeek)) height += charHeight_ + 3;
  if (today || clear) height += charHeight_ + 17;
  width = 7 * (2 * charWidth_ + 5);
  if (Has(ceWeekNumbers)) width += 2 * charWidth_ + 5;
  int buttons = 0;
  if (today && clear) buttons = todayWidth_ + clearWidth_ + 39;
  else if (today) buttons = 34 + todayWidth_;
  else if (clear) buttons = 34 + clearWidth_;
  width = std::max(width, buttons) + 4 * charWidth_;
  return true;
}

void TRzCalendar::SetBounds(int left, int top, int width, int height) {
  int naturalWidth = 0, naturalHeight = 0;
  CanAutoSize(naturalWidth, naturalHeight);
  if (AutoSize()) {
    width = naturalWidth;
    height = naturalHeight;
  }
  TRzCustomPanel::SetBounds(left, top, std::max(width, naturalWidth), std::max(height, naturalHeight));
}

void TRzCalendar::AdjustClientRect(TRect& rect) {
  TRzCustomPanel::AdjustClientRect(rect);
  FixClientRect(rect, false);
}

void TRzCalendar::CalcAreas(TRzCalendarAreas& areas) {
  areas.fill(TRect(0, 0, 0, 0));
  TRect r = ClientRect();
  AdjustClientRect(r);
  if (Has(ceYear) || Has(ceMonth)) {
    TRect& title = areas[caYear];
    title = TRect(r.Left, r.Top, r.Right, r.Top + charHeight_ + 5);
    if (Has(ceArrows)) {
      areas[caLeftArrow] = TRect(title.Left, title.Top, title.Left + charHeight_ + 5, title.Bottom);
      areas[caRightArrow] = TRect(title.Right - charHeight_ - 5, title.Top, title.Right, title.Bottom);
    }
    r.Top = title.Bottom;
  }
  r.Left += 2 * charWidth_ - 1;
  r.Right -= 2 * charWidth_ + 1;
  const bool today = Has(ceTodayButton), clear = Has(ceClearButton);
  if (today || clear) {
    TRect b(r.Left, r.Bottom - (charHeight_ + 18), r.Right, r.Bottom);
    if (today) {
      TRect t = b;
      if (clear) {
        const int x = (b.Left + b.Right - todayWidth_ - clearWidth_ - 5) / 2 + todayWidth_;
        t.Right = x;
        b.Left = x + 5;
      }
      areas[caTodayButton] = CenterRect(t, todayWidth_ + 17, charHeight_ + 7);
    }
    if (clear) areas[caClearButton] = CenterRect(b, clearWidth_ + 17, charHeight_ + 7);
    r.Bottom = b.Top + 1;
  }
  if (Has(ceWeekNumbers)) {
    areas[caWeekNumbers] = TRect(r.Left, r.Top, r.Left + 2 * charWidth_ + 10, r.Bottom);
    r.Left += 2 * charWidth_ + 10;
  }
  const int rows = Has(ceDaysOfWeek) ? 7 : 6;
  cellWidth_ = (r.Right - r.Left) / 7;
  cellHeight_ = (r.Bottom - r.Top - (rows - 5)) / rows;
  if (Has(ceDaysOfWeek)) {
    areas[caDaysOfWeek] = TRect(r.Left, r.Top, r.Right, r.Top + cellHeight_);
    areas[caWeekNumbers].Top = r.Top + cellHeight_;
    r.Top += cellHeight_ + 2;
  }
  areas[caDays] = r;
}

// ---- dates ----

void TRzCalendar::Clear() { SetDateForced(0); }

void TRzCalendar::Today() { SetDateForced(::Date() + (date_ - std::trunc(date_))); }

bool TRzCalendar::IsClear() const { return std::trunc(date_) == 0; }

void TRzCalendar::SetDateForced(TDateTime value) {
  forceUpdate_ = true;
  SetDate(value);
  forceUpdate_ = false;
}

void TRzCalendar::SetDate(TDateTime value) {
  if (std::trunc(value) == date_ && !forceUpdate_) return;
  date_ = value;
  SetViewDate(date_ != 0 ? date_ : ::Date());
  Changed();
  Invalidate();
}

void TRzCalendar::SetViewDate(TDateTime value) {
  if (std::trunc(value) == viewDate_ && !forceUpdate_) return;
  viewDate_ = std::trunc(value);
  ViewDateChange(viewDate_);
  Word year, month, day;
  DecodeDate(value, year, month, day);
  const TDateTime lastOfPrevious = EncodeDate(year, month, 1) - 1;
  const int offset = (DayOfWeek(lastOfPrevious) + 5 - startOfWeek_) % 7;
  firstVisibleDate_ = lastOfPrevious - offset;
  Invalidate();
}

void TRzCalendar::SetFirstDayOfWeek(TRzFirstDayOfWeek value) {
  if (HandleAllocated()) {
    if (value == fdowLocale) {
      const String first = LocaleCalls().GetLocaleInfo(LOCALE_USER_DEFAULT, 0x100C /* LOCALE_IFIRSTDAYOFWEEK */, "0");
      startOfWeek_ = first.empty() ? 0 : (first[0] - '0') % 7;
    } else {
      startOfWeek_ = value;
    }
  }
  firstDayOfWeek_ = value;
  SetDateForced(date_);
}

void TRzCalendar::CreateWnd() {
  TRzCustomPanel::CreateWnd();
  pressedArea_ = caFillDays;
  SetFirstDayOfWeek(firstDayOfWeek_);
}

Cardinal TRzCalendar::DaysToBitmask(std::initializer_list<Byte> days) {
  Cardinal mask = 0;
  for (Byte d : days)
    if (d >= 1 && d <= 31) mask |= 1u << (d - 1);
  return mask;
}

int TRzCalendar::IsoWeekNumber(TDateTime date) {
  const TDateTime day = std::trunc(date);
  const int fromMonday = (DayOfWeek(day) + 5) % 7;
  const TDateTime thursday = day - fromMonday + 3;
  Word year, month, d;
  DecodeDate(thursday, year, month, d);
  return static_cast<int>(thursday - EncodeDate(year, 1, 1)) / 7 + 1;
}

int TRzCalendar::WeekNumberOfRow(int row) {
  const TDateTime rowStart = firstVisibleDate_ + 7 * row;
  int number = IsoWeekNumber(rowStart + 1);
  if (OnGetWeekNumber) OnGetWeekNumber(this, rowStart + 7, number);
  return number;
}

void TRzCalendar::BoldMasks(Cardinal& previous, Cardinal& shown, Cardinal& next) {
  previous = shown = next = 0;
  Word year, month, day;
  DecodeDate(viewDate_, year, month, day);
  GetBoldDays(year, month, shown);
  if (!Has(ceFillDays)) return;
  DecodeDate(firstVisibleDate_, year, month, day);
  GetBoldDays(year, month, previous);
  DecodeDate(IncMonth(viewDate_, 1), year, month, day);
  GetBoldDays(year, month, next);
}

TDateTime TRzCalendar::HitTest(int x, int y) {
  TRzCalendarAreas areas;
  CalcAreas(areas);
  return InternalHitTest(areas[caDays], Point(x, y));
}

TDateTime TRzCalendar::InternalHitTest(const TRect& rect, const TPoint& point) const {
  if (!Contains(rect, point)) return 0;
  Word year, shownMonth, day, month;
  DecodeDate(viewDate_, year, shownMonth, day);
  TDateTime d = firstVisibleDate_;
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column, d += 1) {
      const int left = rect.Left + column * cellWidth_, top = rect.Top - 1 + row * cellHeight_;
      if (!TRect(left, top, left + cellWidth_, top + cellHeight_).Contains(point)) continue;
      DecodeDate(d, year, month, day);
      if (month == shownMonth || Has(ceFillDays)) return d;
    }
  }
  return 0;
}
