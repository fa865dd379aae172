// The month calendar (day placement for every first day of the week, month
// and year stepping that keeps the day within the month, the year range, a
// tiny calendar, clicks on days and elsewhere) and the date edit (masks and
// validity under two pinned locales, typed dates, the drop-down's accept and
// cancel, cancel requests).
#include <gtest/gtest.h>

#include "platform/core/LocaleSettings.h"
#include "skin/controls/calendars/SkinDateEdit.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

TLocaleSettings MonthDayYear() {
  TLocaleSettings s = TLocaleSettings::English();
  s.ShortDateFormat = "M/d/yyyy";
  s.DateSeparator = '/';
  return s;
}

TLocaleSettings NamedMonth() {
  TLocaleSettings s = TLocaleSettings::English();
  s.ShortDateFormat = "dd-MMM-yyyy";
  s.DateSeparator = '-';
  return s;
}

TDateTime Day(int y, int m, int d) { return EncodeDate(y, m, d); }

String Ymd(TDateTime date) {
  Word y, m, d;
  DecodeDate(date, y, m, d);
  return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

// The centre of the cell in column c of row k (1-based rows).
TPoint CellCentre(TspSkinMonthCalendar* c, int column, int row) {
  c->DayNumFromPoint(0, 0);  // the metrics of this size
  TRect area{0, 0, c->Width(), c->Height()};
  Integer left = 1 + column * c->ColumnWidth();  // the client starts at the frame's inner edge
  Integer top = c->LineY() + 3 + (row - 1) * c->RowHeight();
  return {left + c->ColumnWidth() / 2 + (c->Width() - area.Width()), top + c->RowHeight() / 2};
}

}  // namespace

// March 2009 begins on a Sunday.
TEST(SkinMonthCalendar, DayOnePlacedByTheFirstDayOfTheWeek) {
  TLocaleOverride locale(MonthDayYear());
  const int expectedColumn[7] = {0, 6, 5, 4, 3, 2, 1};  // Sun .. Sat as the first day
  for (int first = 0; first < 7; ++first) {
    BoxForm host;
    auto* calendar = host.Make<TspSkinMonthCalendar>({10, 10, 250, 200});
    calendar->SetDate(Day(2009, 3, 15));
    calendar->SetFirstDayOfWeek(static_cast<TspDaysOfWeek>(first));
    TPoint centre = CellCentre(calendar, expectedColumn[first], 1);
    EXPECT_EQ(calendar->DayNumFromPoint(centre.X, centre.Y), 1) << "first day " << first;
  }
}

TEST(SkinMonthCalendar, SteppingKeepsTheDayInTheMonthAndTheYearRange) {
  struct Case {
    const char* what;
    TDateTime from;
    int button;  // 0 prior year, 1 prior month, 2 next month, 3 next year
    const char* to;
  };
  const Case cases[] = {
      {"31 March, prior month (leap)", Day(2008, 3, 31), 1, "2008-2-29"},
      {"31 March, prior month", Day(2009, 3, 31), 1, "2009-2-28"},
      {"29 February, next year", Day(2008, 2, 29), 3, "2009-2-28"},
      {"1761, prior year", Day(1761, 6, 1), 0, "1761-6-1"},
      {"January 1761, prior month", Day(1761, 1, 10), 1, "1761-12-10"},
      {"9999, next year", Day(9999, 5, 5), 3, "9999-5-5"},
      {"December, next month", Day(2009, 12, 31), 2, "2010-1-31"},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* calendar = host.Make<TspSkinMonthCalendar>({10, 10, 210, 160});
    calendar->SetDate(c.from);
    int clicks = 0;
    calendar->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
    calendar->Button(c.button)->Click();
    EXPECT_EQ(Ymd(calendar->Date()), c.to) << c.what;
    EXPECT_EQ(clicks, 1) << c.what;
  }
}

TEST(SkinMonthCalendar, ClicksOnDaysAndElsewhereAndATinyCalendar) {
  TLocaleOverride locale(MonthDayYear());
  BoxForm host;
  auto* calendar = host.Make<TspSkinMonthCalendar>({10, 10, 250, 200});
  calendar->SetFirstDayOfWeek(Sun);
  calendar->SetDate(Day(2009, 3, 15));
  int numbers = 0;
  calendar->OnNumberClick = TNotifyEvent::Function([&](TObject*) { ++numbers; });
  TPoint day10 = CellCentre(calendar, 2, 2);  // Tuesday of the second week
  calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(day10.X, day10.Y));
  calendar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(day10.X, day10.Y));
  EXPECT_EQ(Ymd(calendar->Date()), "2009-3-10");
  EXPECT_EQ(numbers, 1);
  TPoint empty = CellCentre(calendar, 6, 5);  // after the 31st
  TPoint title{calendar->Width() / 2, 8};
  for (TPoint p : {empty, title}) {
    calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
    calendar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
  }
  EXPECT_EQ(Ymd(calendar->Date()), "2009-3-10");
  EXPECT_EQ(numbers, 1);
  // A calendar too small for its rows keeps them one pixel high.
  calendar->SetBounds(10, 10, 30, 40);
  calendar->Repaint();
  PumpMessages();
  EXPECT_GE(calendar->RowHeight(), 1);
  calendar->DayNumFromPoint(15, 35);
}

TEST(SkinDateEdit, MasksAndValidityUnderTwoLocales) {
  struct Case {
    TLocaleSettings locale;
    const char* mask;
    std::vector<std::pair<const char*, bool>> whole;
    std::vector<std::pair<const char*, bool>> partial;
  };
  const Case cases[] = {
      {MonthDayYear(),
       "!99/99/0000;1; ",
       {{"12/31/9999", true}, {"02/29/2008", true}, {"02/29/2009", false}, {"02/31/2008", false},
        {"13/01/2008", false}, {"00/10/2008", false}, {"1a/10/2008", false}, {"12/31/0000", false},
        {"12/31/" "999999999999999999999999999999", false}},
       {{"1 /  /    ", true}, {"13/  /    ", false}, {"  /  /    ", true}, {"12/32/    ", false}, {"0 /4 /    ", true}}},
      {NamedMonth(),
       "!99-LLL-0000;1; ",
       {{"31-Dec-2008", true}, {"31-dec-2008", true}, {"30-Feb-2008", false}, {"29-Feb-2008", true},
        {"31-Xyz-2008", false}, {"31-12-2008", false}},
       {{"3 -   -    ", true}, {"32-   -    ", false}, {"31-D  -    ", true}}},
  };
  for (const Case& c : cases) {
    TLocaleOverride locale(c.locale);
    BoxForm host;
    auto* edit = host.Make<TspSkinDateEdit>();
    EXPECT_EQ(edit->GetDateMask(), c.mask);
    for (const auto& [text, valid] : c.whole) EXPECT_EQ(edit->IsValidText(text), valid) << text;
    for (const auto& [text, valid] : c.partial) EXPECT_EQ(edit->IsValidText2(text), valid) << "'" << text << "'";
  }
  TLocaleOverride locale(NamedMonth());
  BoxForm host;
  auto* edit = host.Make<TspSkinDateEdit>();
  TDateTime date;
  ASSERT_TRUE(edit->MyStrToDate("05-mAr-2009", date));
  EXPECT_EQ(Ymd(date), "2009-3-5");
}

TEST(SkinDateEdit, TypedDateSetsTheDateAndTheDropDownAcceptsAndCancels) {
  TLocaleOverride locale(MonthDayYear());
  BoxForm host;
  auto* edit = host.Make<TspSkinDateEdit>({10, 10, 130, 30});
  int changes = 0;
  edit->OnDateChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  edit->SetText("03/15/2009");
  EXPECT_EQ(Ymd(edit->Date()), "2009-3-15");
  EXPECT_EQ(changes, 1);
  edit->SetText("02/31/2009");  // no date: the date stays
  EXPECT_EQ(Ymd(edit->Date()), "2009-3-15");
  // Opened by a posted click on the button; below the edit.
  POINT p{edit->Width() - 5, 8};
  ::ClientToScreen(edit->Handle(), &p);
  ::PostMessageA(edit->Handle(), WM_NCLBUTTONDOWN, HTHSCROLL, MAKELPARAM(p.x, p.y));
  ::PostMessageA(edit->Handle(), WM_NCLBUTTONUP, HTHSCROLL, MAKELPARAM(p.x, p.y));
  ASSERT_TRUE(PumpUntil([&] { return edit->IsPopupVisible(); }));
  TPoint below = host.form->ClientToScreen(TPoint{edit->Left(), edit->Top() + edit->Height()});
  EXPECT_EQ(edit->Calendar()->BoundsRect().Top, below.Y);
  // Browsing then cancelling restores the date shown before.
  edit->Calendar()->Button(2)->Click();
  EXPECT_EQ(Ymd(edit->Date()), "2009-4-15");
  edit->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(edit->Calendar()->Button(2)));
  EXPECT_TRUE(edit->IsPopupVisible()) << "its own calendar's buttons do not cancel it";
  edit->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(host.form));
  EXPECT_FALSE(edit->IsPopupVisible());
  EXPECT_EQ(Ymd(edit->Date()), "2009-3-15");
  // A day click accepts: the text follows.
  edit->DropDown();
  TspSkinMonthCalendar* calendar = edit->Calendar();
  TPoint day10 = CellCentre(calendar, 2, 2);
  calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(day10.X, day10.Y));
  calendar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(day10.X, day10.Y));
  EXPECT_FALSE(edit->IsPopupVisible());
  EXPECT_EQ(edit->Text(), "03/10/2009");
  EXPECT_EQ(Ymd(edit->Date()), "2009-3-10");
}
