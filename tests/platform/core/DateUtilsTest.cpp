#include "platform/core/DateUtils.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/core/LocaleSettings.h"

namespace {

TLocaleSettings UsLocale() { return TLocaleSettings::English(); }

TLocaleSettings GermanLikeLocale() {
  TLocaleSettings s = TLocaleSettings::English();
  s.ShortDateFormat = "dd.MM.yyyy";
  s.DateSeparator = '.';
  s.LongTimeFormat = "hh:mm:ss";
  s.ShortTimeFormat = "hh:mm";
  s.LongMonthNames[0] = "Januar";
  return s;
}

}  // namespace

TEST(StrToDate, OrderSeparatorAndTheTwoDigitYearWindow) {
  TNowOverride today(EncodeDate(2008, 8, 8));
  struct Case {
    bool german;
    const char* text;
    int year, month, day;  // year 0: no valid date
  } cases[] = {
      {false, "5/13/2008", 2008, 5, 13}, {false, " 5 / 13 / 2008 ", 2008, 5, 13},
      {false, "1/2/57", 2057, 1, 2},     {false, "1/2/58", 1958, 1, 2},  // both sides of 1958
      {false, "1/2/0", 2000, 1, 2},      {false, "1/2/0057", 57, 1, 2},  // four digits stay as written
      {false, "3/4", 2008, 3, 4},        {false, "2/30/2008", 0, 0, 0},
      {false, "5-13-2008", 0, 0, 0},     {false, "5/13/2008x", 0, 0, 0},
      {false, "", 0, 0, 0},              {false, "12345/1/1", 0, 0, 0},
      {true, "13.05.2008", 2008, 5, 13}, {true, "13.5", 2008, 5, 13},
      {true, "13.5.99", 1999, 5, 13},
  };
  for (const Case& c : cases) {
    TLocaleOverride locale(c.german ? GermanLikeLocale() : UsLocale());
    TDateTime date = -1;
    bool ok = TryStrToDate(c.text, date);
    EXPECT_EQ(ok, c.year != 0) << c.text;
    if (ok) {
      EXPECT_EQ(date, EncodeDate(c.year, c.month, c.day)) << c.text;
    }
  }
  TLocaleOverride locale(UsLocale());
  EXPECT_THROW(StrToDate("31/31/2008"), EConvertError);
}

TEST(StrToDate, WindowFollowsThePinnedToday) {
  TLocaleOverride locale(UsLocale());
  TNowOverride today(EncodeDate(2030, 1, 1));
  EXPECT_EQ(StrToDate("1/1/79"), EncodeDate(2079, 1, 1));
  EXPECT_EQ(StrToDate("1/1/80"), EncodeDate(1980, 1, 1));
}

TEST(IncDate, StepsKeepTheTimeOfDayAndClampTheDay) {
  TDateTime noon = EncodeDate(2008, 1, 31) + EncodeTime(12, 0, 0, 0);
  EXPECT_EQ(IncMonth(noon, 1), EncodeDate(2008, 2, 29) + EncodeTime(12, 0, 0, 0));
  EXPECT_EQ(IncMonth(noon, -2), EncodeDate(2007, 11, 30) + EncodeTime(12, 0, 0, 0));
  EXPECT_EQ(IncMonth(noon, 13), EncodeDate(2009, 2, 28) + EncodeTime(12, 0, 0, 0));
  EXPECT_EQ(IncYear(EncodeDate(2008, 2, 29), 1), EncodeDate(2009, 2, 28));
  EXPECT_EQ(IncDay(noon, -31), EncodeDate(2007, 12, 31) + EncodeTime(12, 0, 0, 0));
  Word h, m, s, ms;
  DecodeTime(IncHour(noon, 13), h, m, s, ms);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(std::trunc(IncHour(noon, 13)), EncodeDate(2008, 2, 1));
  DecodeTime(IncMinute(noon, -1), h, m, s, ms);
  EXPECT_EQ(h * 60 + m, 11 * 60 + 59);
}

TEST(FormatDateTime, LocaleFormatsNamesAndDesignators) {
  TDateTime value = EncodeDate(2008, 1, 5) + EncodeTime(21, 7, 3, 0);
  struct Case {
    bool german;
    const char* format;
    const char* text;
  } cases[] = {
      {false, "ddddd", "1/5/2008"},        {true, "ddddd", "05.01.2008"},
      {false, "t", "9:07 PM"},             {true, "t", "21:07"},
      {false, "tt", "9:07:03 PM"},         {false, "mmmm yyyy", "January 2008"},
      {true, "mmmm yyyy", "Januar 2008"},  {false, "h:mm ampm", "9:07 PM"},
      {false, "hh:nn a/p", "09:07 P"},     {false, "d/m/yy", "5/1/08"},
      {true, "d/m/yy", "5.1.08"},          {false, "ddd dddd", "Sat Saturday"},
      {false, "\"at\" h:mm", "at 21:07"},  {false, "c", "1/5/2008 9:07:03 PM"},
  };
  for (const Case& c : cases) {
    TLocaleOverride locale(c.german ? GermanLikeLocale() : UsLocale());
    EXPECT_EQ(FormatDateTime(c.format, value), c.text) << c.format;
  }
}

TEST(FormatDateTime, FilesStayEnglishWhateverTheLocale) {
  TLocaleOverride locale(GermanLikeLocale());
  TDateTime value = EncodeDate(2008, 1, 5) + EncodeTime(21, 7, 3, 0);
  EXPECT_EQ(DateToStr(value), "1/5/2008");
  EXPECT_EQ(TimeToStr(value), "9:07:03 PM");
}

TEST(LocaleSettings, ReadFromTheLocaleCallsAndOverridesNest) {
  LocaleCalls().GetLocaleInfo = [](LCID, LCTYPE type, const String& fallback) -> String {
    switch (type) {
      case LOCALE_SSHORTDATE: return "yyyy-MM-dd";
      case LOCALE_SDATE: return "-";
      case LOCALE_ITIME: return "1";
      case LOCALE_ITLZERO: return "1";
      case LOCALE_SMONTHNAME1 + 2: return "Marzo";
      case LOCALE_SABBREVDAYNAME1: return "Lu";  // the system's first day is Monday
      default: return fallback;
    }
  };
  TLocaleSettings s = TLocaleSettings::FromSystem();
  RestoreLocaleCalls();
  EXPECT_EQ(s.ShortDateFormat, "yyyy-MM-dd");
  EXPECT_EQ(s.DateSeparator, '-');
  EXPECT_EQ(s.LongTimeFormat, "hh:mm:ss");
  EXPECT_EQ(s.ShortTimeFormat, "hh:mm");
  EXPECT_EQ(s.LongMonthNames[2], "Marzo");
  EXPECT_EQ(s.ShortDayNames[1], "Lu");
  EXPECT_EQ(s.ShortDayNames[0], "Sun");

  {
    TLocaleOverride outer(s);
    {
      TLocaleOverride inner(UsLocale());
      EXPECT_EQ(LocaleSettings().ShortDateFormat, "M/d/yyyy");
    }
    EXPECT_EQ(LocaleSettings().ShortDateFormat, "yyyy-MM-dd");
  }
}
