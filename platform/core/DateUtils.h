// Dates and times as TDateTime: days since 30 December 1899 in the integral part,
// the fraction of the day in the fractional part.
#pragma once

#include "platform/core/System.h"

using TDateTime = double;

// EConvertError for a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime time, Word& hour, Word& minute, Word& second, Word& millisecond);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

TDateTime Now();
TDateTime Date();
TDateTime Time();
int DayOfWeek(TDateTime date);  // 1 = Sunday ... 7 = Saturday

// Pins what Now(), Date() and Time() answer for its lifetime, so "today" is a test's
// choice; overrides nest.
class TNowOverride {
public:
  explicit TNowOverride(TDateTime now);
  ~TNowOverride();
  TNowOverride(const TNowOverride&) = delete;
  TNowOverride& operator=(const TNowOverride&) = delete;

private:
  TDateTime now_;
  const TDateTime* previous_;
};

// Calendar steps that keep the time of day. IncMonth and IncYear keep the day, or take
// the last day of a shorter month (31 January + 1 month = 28 or 29 February).
TDateTime IncYear(TDateTime date, int years);
TDateTime IncMonth(TDateTime date, int months);
TDateTime IncDay(TDateTime date, int days);
TDateTime IncHour(TDateTime date, Int64 hours);
TDateTime IncMinute(TDateTime date, Int64 minutes);

// Formats with the specifiers: d dd ddd dddd ddddd (short date) m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t (short time) tt (long time) am/pm a/p ampm (the locale's
// designators), '/' and ':' as the locale's separators, "quoted" and 'quoted'
// literals, c (short date and long time), and an empty format as c. Names, formats
// and separators come from LocaleSettings().
String FormatDateTime(const String& format, TDateTime dateTime);
// The same under English conventions, whatever the locale: for files.
String FormatDateTimeInvariant(const String& format, TDateTime dateTime);
String DateToStr(TDateTime date);  // "m/d/yyyy", for files
String TimeToStr(TDateTime time);  // "h:nn:ss AM", for files

// Reads a date written in the short date format's order (day, month and year as
// numbers split by the date separator; a missing year is this year's). A year of
// one or two digits lands within the hundred years that start 50 years before this
// year. EConvertError when the text is no valid date; TryStrToDate answers false.
TDateTime StrToDate(const String& text);
bool TryStrToDate(const String& text, TDateTime& date);
