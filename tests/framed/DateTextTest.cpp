#include "framed/popups/RzPopups_DateText.h"

#include <gtest/gtest.h>

#include "platform/core/LocaleSettings.h"

namespace {

// United States conventions, today 8 August 2008.
class DateText : public testing::Test {
protected:
  void SetUp() override {
    RestoreLocaleCalls();
    // The English month after a day number, and a locale that inflects it there.
    LocaleCalls().GetDateFormat = [](LCID locale, const SYSTEMTIME& date, const String&) -> String {
      static const char* const english[] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
      if (locale == 1033) return String("01 ") + english[date.wMonth - 1];
      return date.wMonth == 3 ? "01 marca" : "";
    };
  }
  void TearDown() override { RestoreLocaleCalls(); }

  TNowOverride today{EncodeDate(2008, 8, 8) + EncodeTime(10, 0, 0, 0)};
};

enum TLocaleKind { lkUs, lkDMY, lkYMD };

TLocaleSettings LocaleOf(TLocaleKind kind) {
  TLocaleSettings s = TLocaleSettings::English();
  if (kind == lkDMY) {
    s.ShortDateFormat = "dd.MM.yyyy";
    s.DateSeparator = '.';
    s.ShortMonthNames[2] = "mar";
    s.LongMonthNames[2] = "marzec";
  } else if (kind == lkYMD) {
    s.ShortDateFormat = "yyyy-MM-dd";
    s.DateSeparator = '-';
  }
  return s;
}

}  // namespace

TEST_F(DateText, DatesAsUsersTypeThem) {
  struct Case {
    TLocaleKind locale;
    const char* text;
    int year, month, day;  // year 0: the answer is 0
  } cases[] = {
      {lkUs, "", 0, 0, 0},
      {lkUs, "  \t ", 0, 0, 0},
      {lkUs, "15", 2008, 8, 15},  // over 12: the day, although the order starts with the month
      {lkUs, "3", 2008, 3, 8},
      {lkUs, "13/5/2008", 2008, 5, 13},
      {lkUs, "5/13/08", 2008, 5, 13},
      {lkUs, "jan 12 2008", 2008, 1, 12},
      {lkUs, "on jan 12 2008", 2008, 1, 12},  // a word that names no month is skipped
      {lkUs, "12 jan 2008", 2008, 1, 20},     // 12 takes the month, jan overwrites it, 2008 is cut
      {lkUs, "12JAN2008", 2008, 1, 20},
      {lkUs, "120508", 2008, 12, 5},
      {lkUs, "12/0508", 0, 0, 0},
      {lkUs, "2008", 2008, 8, 20},
      {lkUs, "31/2/2008", 0, 0, 0},
      {lkUs, "315", 2008, 3, 15},  // compact runs of 3, 4, 5, 6 and 8 digits
      {lkUs, "0315", 2008, 3, 15},
      {lkUs, "31508", 2008, 3, 15},
      {lkUs, "031508", 2008, 3, 15},
      {lkUs, "03152009", 2009, 3, 15},
      {lkUs, "1/2/57", 2057, 1, 2},  // both sides of the two-digit window
      {lkUs, "1/2/58", 1958, 1, 2},
      {lkUs, "March 3 2008", 2008, 3, 3},  // long, short and English names
      {lkUs, "mar 3, 2008", 2008, 3, 3},
      {lkUs, "3-mar-2008", 2008, 3, 20},  // no date separator typed: 2008 is cut into day and year
      {lkUs, "12345678901", 0, 0, 0},  // too long for a number: 0, not an error
      {lkUs, "1/1/12345678901", 0, 0, 0},
      {lkDMY, "13.05.2008", 2008, 5, 13},
      {lkDMY, "5.3", 2008, 3, 5},
      {lkDMY, "5 marca 2008", 2008, 3, 5},  // inflected after a day number
      {lkDMY, "5 marzec 2008", 2008, 3, 5},
      {lkDMY, "5 March 2008", 2008, 3, 5},
      {lkDMY, "130508", 2008, 5, 13},
      {lkYMD, "2008-05-13", 2008, 5, 13},
      {lkYMD, "08-05-13", 2008, 5, 13},
      {lkYMD, "99-12-31", 1999, 12, 31},
  };
  for (const Case& c : cases) {
    TLocaleOverride locale(LocaleOf(c.locale));
    TDateTime expected = c.year ? EncodeDate(c.year, c.month, c.day) : 0;
    EXPECT_EQ(StrToDateEx(c.text), expected) << c.text;
  }
}

TEST_F(DateText, TimesAsUsersTypeThem) {
  struct Case {
    const char* longTimeFormat;
    const char* text;
    int hour, minute, second, msec;
  } cases[] = {
      {"h:mm:ss AMPM", "930", 9, 30, 0, 0},
      {"h:mm:ss AMPM", "1230", 12, 30, 0, 0},
      {"h:mm:ss AMPM", "9:30 pm", 21, 30, 0, 0},
      {"h:mm:ss AMPM", "9.30P", 21, 30, 0, 0},
      {"h:mm:ss AMPM", "12:15 AM", 0, 15, 0, 0},
      {"h:mm:ss AMPM", "12:15 PM", 12, 15, 0, 0},
      {"h:mm:ss AMPM", "am 12:15 pm", 0, 15, 0, 0},  // the first designator counts
      {"h:mm:ss AMPM", "25:70", 1, 0, 0, 0},
      {"h:mm:ss AMPM", "10:30:15:250 PM", 10, 30, 15, 0},  // nothing after the fourth number is read
      {"h:mm:ss AMPM", "", 0, 0, 0, 0},
      {"h:mm:ss AMPM", "12345678901", 0, 0, 0, 0},
      {"hh:nn:ss.zzz", "1:02:03.45678", 1, 2, 3, 456},
      {"hh:nn:ss.zzz", "1:02:03.4567", 1, 2, 3, 45},  // four digits are cut in two
      {"hh:nn:ss.zzz", "23:59:75", 23, 59, 0, 0},
  };
  for (const Case& c : cases) {
    TLocaleSettings s = TLocaleSettings::English();
    s.LongTimeFormat = c.longTimeFormat;
    TLocaleOverride locale(s);
    EXPECT_EQ(StrToTimeEx(c.text), EncodeTime(c.hour, c.minute, c.second, c.msec)) << c.text;
  }
}

TEST_F(DateText, LocaleDesignatorsCountBesideTheEnglishOnes) {
  TLocaleSettings s = TLocaleSettings::English();
  s.TimeAMString = "VORM";
  s.TimePMString = "NACHM";
  TLocaleOverride locale(s);
  EXPECT_EQ(StrToTimeEx("9:30 nachm"), EncodeTime(21, 30, 0, 0));
  EXPECT_EQ(StrToTimeEx("12:30 vorm"), EncodeTime(0, 30, 0, 0));
  EXPECT_EQ(StrToTimeEx("9:30 p"), EncodeTime(21, 30, 0, 0));
  EXPECT_EQ(RzDateText::AmPmFromText("pm"), 0);  // the word arrives upper case
}

TEST_F(DateText, FormatOrderAndTokens) {
  using namespace RzDateText;
  EXPECT_EQ(ExtractFormatOrder("M/d/yyyy", "DMY"), "MDY");
  EXPECT_EQ(ExtractFormatOrder("h:mm:ss AMPM", "HMNSZ"), "HMS");
  EXPECT_EQ(ExtractFormatOrder("hh:nn:ss.zzz", "HMNSZ"), "HNSZ");
  String rest = "  12JAN2008-";
  String token;
  EXPECT_EQ(NextToken(rest, token), 1);
  EXPECT_EQ(token, "12");
  EXPECT_EQ(NextToken(rest, token), -1);
  EXPECT_EQ(token, "JAN");
  EXPECT_EQ(NextToken(rest, token), 1);
  EXPECT_EQ(token, "2008");
  EXPECT_EQ(NextToken(rest, token), 0);
  EXPECT_EQ(token, "");
  EXPECT_EQ(CharClassOf('\xE9'), -1);  // an accented letter is a letter
  EXPECT_EQ(MonthFromName("SEPTEMBER"), 9);
  EXPECT_EQ(MonthFromName("SEPTEMBRE"), -1);
}
