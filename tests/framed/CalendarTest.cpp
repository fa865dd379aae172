// The calendar: its size by elements and font, the grid's first date for every
// start of week, ISO week numbers, the bold masks of three months, the hit areas,
// the arrows' repeat schedule, and clicks, drags and keys on the grid.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framed/common/RzClock.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzMonthList.h"
#include "platform/controls/Messages.h"
#include "platform/core/LocaleSettings.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedCalendar : public FramedForm {
protected:
  TRzCalendar* Calendar(TRzCalendarElements elements = kDefaultCalendarElements) {
    auto* c = Make<TRzCalendar>({10, 10, 0, 0});
    c->SetElements(elements);
    c->SetFirstDayOfWeek(fdowMonday);
    c->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    c->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    return c;
  }
  void SetUp() override {
    FramedForm::SetUp();
    ::GetCursorPos(&savedCursor);
  }
  void TearDown() override {
    ::SetCursorPos(savedCursor.x, savedCursor.y);  // later tests find the pointer where it was
    FramedForm::TearDown();
  }
  // The mouse over a client point, as the system reports it before a press: the
  // pointer is there too, so the system's own hit tests agree.
  static void Hover(TRzCalendar* c, int x, int y) {
    const TPoint s = c->ClientToScreen(Point(x, y));
    ::SetCursorPos(s.X, s.Y);
    c->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
  }
  static void Press(TRzCalendar* c, const TPoint& p) {
    Hover(c, p.X, p.Y);
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  }
  static void Release(TRzCalendar* c, const TPoint& p) {
    Hover(c, p.X, p.Y);
    c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
  }
  // The centre of the grid cell of `date` (row and column from the first visible date).
  static TPoint CellCentre(TRzCalendar* c, TDateTime date) {
    TRzCalendarAreas a;
    c->CalcAreas(a);
    const int index = static_cast<int>(date - c->FirstVisibleDate());
    return Point(a[caDays].Left + (index % 7) * c->CellWidth() + c->CellWidth() / 2,
                 a[caDays].Top - 1 + (index / 7) * c->CellHeight() + c->CellHeight() / 2);
  }

  TLocaleOverride locale{TLocaleSettings::English()};
  TNowOverride today{EncodeDate(2008, 8, 8) + EncodeTime(9, 0, 0, 0)};
  int changes = 0, clicks = 0;
  POINT savedCursor{};
};

TPoint Mid(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

constexpr TRzCalendarElements E(std::initializer_list<TRzCalendarElement> list) {
  TRzCalendarElements set = 0;
  for (TRzCalendarElement e : list) set |= CalendarElement(e);
  return set;
}

}  // namespace

TEST_F(FramedCalendar, SizeFollowsTheElementsAndTheFont) {
  auto* c = Calendar();
  const int cw = c->CharWidth(), ch = c->CharHeight();
  ASSERT_GT(cw, 0);
  const int today = ScreenTextExtent(c->Font(), "Today").cx, clear = ScreenTextExtent(c->Font(), "Clear").cx;
  struct Case {
    TRzCalendarElements elements;
    int width, height;
  } cases[] = {
      {kDefaultCalendarElements, std::max(7 * (2 * cw + 5), today + clear + 39) + 4 * cw,
       4 + ch + 5 + 6 * (ch + 2) + 1 + ch + 3 + ch + 17},
      {E({ceDaysOfWeek}), 7 * (2 * cw + 5) + 4 * cw, 4 + 6 * (ch + 2) + 1 + ch + 3},
      {E({ceMonth, ceWeekNumbers}), 8 * (2 * cw + 5) + 4 * cw, 4 + ch + 5 + 6 * (ch + 2) + 1},
      {E({ceTodayButton}), std::max(7 * (2 * cw + 5), 34 + today) + 4 * cw, 4 + 6 * (ch + 2) + 1 + ch + 17},
      {0, 7 * (2 * cw + 5) + 4 * cw, 4 + 6 * (ch + 2) + 1},
  };
  for (const Case& k : cases) {
    c->SetElements(k.elements);
    EXPECT_EQ(c->Width(), k.width) << int(k.elements);
    EXPECT_EQ(c->Height(), k.height) << int(k.elements);
  }
  const int smallWidth = c->Width();
  TFont big;
  big.Assign(c->Font());
  big.SetSize(c->Font()->Size() * 2);
  c->SetFont(&big);
  EXPECT_GT(c->CharWidth(), cw);
  EXPECT_GT(c->Width(), smallWidth);
}

TEST_F(FramedCalendar, TheGridStartsWithOneToSevenDaysOfThePreviousMonth) {
  auto* c = Calendar();
  ShowForm();
  for (int start = fdowMonday; start <= fdowSunday; ++start) {
    c->SetFirstDayOfWeek(static_cast<TRzFirstDayOfWeek>(start));
    EXPECT_EQ(c->StartOfWeek(), start);
    for (int month = 1; month <= 12; ++month) {
      c->SetViewDate(EncodeDate(2008, month, 15));
      const TDateTime first = c->FirstVisibleDate(), firstOfMonth = EncodeDate(2008, month, 1);
      EXPECT_EQ((DayOfWeek(first) + 5) % 7, start) << month;
      EXPECT_GE(firstOfMonth - first, 1) << month;
      EXPECT_LE(firstOfMonth - first, 7) << month;
    }
  }
  // 1 September 2008 is a Monday: with weeks from Monday the first row is August's last week.
  c->SetFirstDayOfWeek(fdowMonday);
  c->SetViewDate(EncodeDate(2008, 9, 1));
  EXPECT_EQ(c->FirstVisibleDate(), EncodeDate(2008, 8, 25));
  // From the locale: its first day of the week, counted from Monday.
  LocaleCalls().GetLocaleInfo = [](LCID, LCTYPE, const String&) -> String { return "6"; };
  c->SetFirstDayOfWeek(fdowLocale);
  RestoreLocaleCalls();
  EXPECT_EQ(c->StartOfWeek(), 6);
  EXPECT_EQ(c->FirstVisibleDate(), EncodeDate(2008, 7, 27));
}

TEST_F(FramedCalendar, WeekNumbersAreIso) {
  struct Case {
    int year, month, day, week;
  } cases[] = {
      {2008, 1, 1, 1},  {2008, 12, 29, 1}, {2009, 12, 31, 53}, {2010, 1, 3, 53},
      {2005, 1, 1, 53}, {2006, 1, 2, 1},   {2008, 8, 8, 32},
  };
  for (const Case& k : cases)
    EXPECT_EQ(TRzCalendar::IsoWeekNumber(EncodeDate(k.year, k.month, k.day)), k.week) << k.year << "-" << k.month;
  EXPECT_EQ(TRzCalendar::DaysToBitmask({1, 2, 31, 0, 32}), 0x40000003u);

  // With weeks from Sunday a row's number is its Monday's: Sunday 28 December 2008
  // is in week 52, its row in week 1.
  auto* c = Calendar();
  ShowForm();
  c->SetFirstDayOfWeek(fdowSunday);
  c->SetViewDate(EncodeDate(2008, 12, 15));
  const int row = static_cast<int>(EncodeDate(2008, 12, 28) - c->FirstVisibleDate()) / 7;
  EXPECT_EQ(TRzCalendar::IsoWeekNumber(EncodeDate(2008, 12, 28)), 52);
  EXPECT_EQ(c->WeekNumberOfRow(row), 1);
  TDateTime asked = 0;
  c->OnGetWeekNumber = TRzGetWeekNumberEvent::Function([&](TObject*, TDateTime weekDate, int& number) {
    asked = weekDate;
    number += 100;
  });
  EXPECT_EQ(c->WeekNumberOfRow(row), 101);
  EXPECT_EQ(asked, EncodeDate(2009, 1, 4)) << "the day after the row";
}

TEST_F(FramedCalendar, BoldMasksAreAskedForTheThreeMonthsOnShow) {
  auto* c = Calendar();
  std::vector<std::pair<int, int>> asked;
  c->OnGetBoldDays = TRzGetBoldDaysEvent::Function([&](TObject*, Word year, Word month, Cardinal& mask) {
    asked.emplace_back(year, month);
    if (month == 12) mask = TRzCalendar::DaysToBitmask({31});
  });
  c->SetViewDate(EncodeDate(2009, 1, 10));
  Cardinal previous, shown, next;
  c->BoldMasks(previous, shown, next);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2009, 1}, {2008, 12}, {2009, 2}}));
  EXPECT_EQ(previous, 1u << 30) << "December's 31st, shown before January, is bold";
  EXPECT_EQ(shown, 0u);
  asked.clear();
  c->SetViewDate(EncodeDate(2008, 12, 10));
  c->BoldMasks(previous, shown, next);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2008, 12}, {2008, 11}, {2009, 1}}));
  EXPECT_EQ(shown, 1u << 30);
  c->SetElements(kDefaultCalendarElements & ~CalendarElement(ceFillDays));
  asked.clear();
  c->BoldMasks(previous, shown, next);
  EXPECT_EQ(asked.size(), 1u) << "without the neighbouring days only the month on show";
}

TEST_F(FramedCalendar, AreasAndTheirHitTest) {
  auto* c = Calendar(kDefaultCalendarElements | CalendarElement(ceWeekNumbers));
  ShowForm();
  TRzCalendarAreas a;
  c->CalcAreas(a);
  const TRect client = c->ClientRect();
  EXPECT_EQ(a[caYear].Left, client.Left + 2);
  EXPECT_EQ(a[caYear].Height(), c->CharHeight() + 5);
  EXPECT_EQ(a[caLeftArrow].Left, a[caYear].Left);
  EXPECT_EQ(a[caRightArrow].Right, a[caYear].Right);
  EXPECT_EQ(a[caDaysOfWeek].Top, a[caYear].Bottom);
  EXPECT_EQ(a[caDays].Top, a[caDaysOfWeek].Bottom + 2);
  EXPECT_EQ(a[caWeekNumbers].Right, a[caDays].Left);
  EXPECT_LT(a[caTodayButton].Right, a[caClearButton].Left);
  EXPECT_TRUE(a[caFillDays].IsEmpty());
  EXPECT_GE(a[caDays].Height(), 6 * c->CellHeight());
  struct Case {
    TPoint point;
    TRzCalendarArea area;
  } cases[] = {
      {Mid(a[caLeftArrow]), caLeftArrow},   // the arrows win over the title
      {Mid(a[caRightArrow]), caRightArrow}, {Mid(a[caYear]), caYear},
      {Mid(a[caTodayButton]), caTodayButton}, {Mid(a[caClearButton]), caClearButton},
      {Mid(a[caDays]), caDays},             {Mid(a[caDaysOfWeek]), caDaysOfWeek},
      {Point(a[caWeekNumbers].Left + 2, a[caDays].Top + 4), caWeekNumbers},
      {Point(client.Left, client.Bottom - 1), caFillDays},
  };
  for (const Case& k : cases) {
    Hover(c, k.point.X, k.point.Y);
    EXPECT_EQ(c->OverArea(), k.area) << k.point.X << "," << k.point.Y;
  }
  c->SetViewDate(EncodeDate(2008, 8, 1));
  EXPECT_EQ(c->HitTest(CellCentre(c, EncodeDate(2008, 8, 20)).X, CellCentre(c, EncodeDate(2008, 8, 20)).Y),
            EncodeDate(2008, 8, 20));
  EXPECT_EQ(c->HitTest(a[caYear].Left + 5, a[caYear].Top + 2), 0);
}

TEST_F(FramedCalendar, AHeldArrowStepsOnTheRepeatSchedule) {
  int count = -1, steps = 0;
  for (int tick = 0; tick <= 60; ++tick) steps += TRzCalendar::RepeatDue(count) ? 1 : 0;
  EXPECT_EQ(steps, 25) << "at the press, at ticks 5, 10 and 15, and at every even tick from 20 to 60";

  TManualClockScope clock;
  auto* c = Calendar();
  ShowForm();
  c->SetViewDate(EncodeDate(2008, 1, 1));
  TRzCalendarAreas a;
  c->CalcAreas(a);
  Press(c, Mid(a[caRightArrow]));
  EXPECT_EQ(c->ViewDate(), EncodeDate(2008, 2, 1)) << "one step at once";
  clock.Clock().Advance(60 * 50);
  Word year, month, day;
  DecodeDate(c->ViewDate(), year, month, day);
  EXPECT_EQ(year * 12 + month, 2008 * 12 + 1 + 25);
  Release(c, Mid(a[caRightArrow]));
  EXPECT_EQ(clock.Clock().LiveTimers(), 0);
  const TDateTime stopped = c->ViewDate();
  Press(c, Mid(a[caLeftArrow]));
  Hover(c, a[caDays].Left + 1, a[caDays].Top + 1);  // the mouse leaves the arrow: no more steps
  clock.Clock().Advance(1000);
  EXPECT_EQ(c->ViewDate(), IncMonth(stopped, -1));
  Release(c, a[caDays].TopLeft());
}

TEST_F(FramedCalendar, ClicksDragsAndTheButtons) {
  auto* c = Calendar();
  ShowForm();
  c->SetDate(EncodeDate(2008, 8, 8));
  changes = clicks = 0;
  // A day of the following month, pressed and released on it: selected, the page turns.
  const TDateTime september3 = EncodeDate(2008, 9, 3);
  const TPoint p = CellCentre(c, september3);
  Press(c, p);
  Release(c, p);
  EXPECT_EQ(c->Date(), september3);
  EXPECT_EQ(c->ViewDate(), september3);
  EXPECT_EQ(clicks, 1);
  // A drag ending outside the grid keeps the last day dragged over, with no click.
  clicks = 0;
  const TDateTime from = EncodeDate(2008, 9, 10), to = EncodeDate(2008, 9, 12);
  Press(c, CellCentre(c, from));
  Hover(c, CellCentre(c, to).X, CellCentre(c, to).Y);
  c->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(CellCentre(c, to).X, CellCentre(c, to).Y));
  Release(c, Point(2, c->Height() - 2));
  EXPECT_EQ(c->Date(), to);
  EXPECT_EQ(clicks, 0);
  // Clear fires OnChange even when the date is already empty; the same day does not.
  c->Clear();
  changes = 0;
  c->Clear();
  EXPECT_EQ(changes, 1);
  c->SetDate(EncodeDate(2008, 8, 8));
  changes = 0;
  c->SetDate(EncodeDate(2008, 8, 8) + 0.5);
  EXPECT_EQ(changes, 0) << "the same day as the stored date";
  // The buttons.
  TRzCalendarAreas a;
  c->CalcAreas(a);
  c->Clear();
  Press(c, Mid(a[caTodayButton]));
  Release(c, Mid(a[caTodayButton]));
  EXPECT_EQ(c->Date(), EncodeDate(2008, 8, 8));
  Press(c, Mid(a[caClearButton]));
  Release(c, Mid(a[caClearButton]));
  EXPECT_TRUE(c->IsClear());
}

TEST_F(FramedCalendar, BlankNeighbourCellsAndThePopupPress) {
  auto* c = Calendar(kDefaultCalendarElements & ~CalendarElement(ceFillDays));
  auto* other = Make<TRzCalendar>({200, 10, 0, 0});
  ShowForm();
  c->SetDate(EncodeDate(2008, 8, 8));
  const TPoint blank = CellCentre(c, c->FirstVisibleDate());
  Press(c, blank);
  Release(c, blank);
  EXPECT_EQ(c->Date(), EncodeDate(2008, 8, 8)) << "a blank cell selects nothing";

  other->SetFocus();
  c->InPopup = true;
  Press(c, CellCentre(c, EncodeDate(2008, 8, 14)));
  Release(c, CellCentre(c, EncodeDate(2008, 8, 14)));
  EXPECT_TRUE(other->Focused()) << "a calendar in a pop-up leaves the focus alone";
  EXPECT_EQ(c->Date(), EncodeDate(2008, 8, 14));
  c->InPopup = false;
  Press(c, CellCentre(c, EncodeDate(2008, 8, 15)));
  Release(c, CellCentre(c, EncodeDate(2008, 8, 15)));
  EXPECT_TRUE(c->Focused());
}

TEST_F(FramedCalendar, KeysMoveTheDateAndKeepItsTime) {
  auto* c = Calendar();
  ShowForm();
  struct Case {
    Word key;
    int year, month, day;
  } cases[] = {
      {VK_RIGHT, 2008, 8, 9}, {VK_LEFT, 2008, 8, 7},  {VK_DOWN, 2008, 8, 15}, {VK_UP, 2008, 8, 1},
      {VK_END, 2008, 8, 31},  {VK_HOME, 2008, 8, 1},  {VK_NEXT, 2008, 9, 8},  {VK_PRIOR, 2008, 7, 8},
  };
  const TDateTime time = EncodeTime(15, 30, 0, 0);
  for (const Case& k : cases) {
    c->SetDate(EncodeDate(2008, 8, 8) + time);
    c->Perform(WM_KEYDOWN, k.key, 0);
    EXPECT_EQ(c->Date(), EncodeDate(k.year, k.month, k.day) + time) << k.key;
  }
  c->Clear();
  c->Perform(WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(c->Date(), EncodeDate(2008, 8, 9)) << "an empty calendar steps from today";
  EXPECT_EQ(c->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
  clicks = 0;
  c->Perform(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 1) << "Enter clicks";
  // The buttons' accelerators.
  c->SetCaptionTodayBtn("&Now");
  c->SetCaptionClearBtn("&Empty");
  c->Clear();
  EXPECT_EQ(c->Perform(CM_DIALOGCHAR, 'n'), 1);
  EXPECT_EQ(c->Date(), EncodeDate(2008, 8, 8));
  EXPECT_EQ(c->Perform(CM_DIALOGCHAR, 'e'), 1);
  EXPECT_TRUE(c->IsClear());
  EXPECT_EQ(c->Perform(CM_DIALOGCHAR, 'q'), 0);
}

TEST_F(FramedCalendar, TheTitleOpensAMonthListThatPicksTheView) {
  auto* c = Calendar();
  ShowForm();
  c->SetViewDate(EncodeDate(2008, 8, 8));
  TRzCalendarAreas a;
  c->CalcAreas(a);
  TManualClockScope clock;
  const TPoint title = c->ClientToScreen(Mid(a[caYear]));
  ::SetCursorPos(title.X, title.Y);  // the title lies in the list's middle row: no scrolling
  Press(c, Mid(a[caYear]));
  TRzMonthList* list = c->MonthList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->CenterMonth(), EncodeDate(2008, 8, 8));
  EXPECT_EQ(list->Height(), 7 * list->ItemHeight() + 2);
  EXPECT_EQ(list->ScrollByCursorAt(-60), 0);
  EXPECT_EQ(list->CenterMonth(), EncodeDate(2008, 7, 8));
  EXPECT_EQ(list->ScrollByCursorAt(list->Height() + 5), 5);
  EXPECT_EQ(list->CenterMonth(), EncodeDate(2008, 8, 8));
  list->HitTest(Point(5, list->ItemHeight() * 5 + 1));  // two rows below the centre
  EXPECT_EQ(list->HighlightMonth(), EncodeDate(2008, 10, 8));
  c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(Mid(a[caYear]).X, Mid(a[caYear]).Y));
  EXPECT_EQ(c->MonthList(), nullptr);
  EXPECT_EQ(c->ViewDate(), EncodeDate(2008, 10, 8));
}
