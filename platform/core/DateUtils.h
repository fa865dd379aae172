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

// Formats with the specifiers: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss
// z zzz am/pm, '/' and ':' separators, "quoted" and 'quoted' literals, c (short
// date and long time), and an empty format as c. English month and day names.
String FormatDateTime(const String& format, TDateTime dateTime);
String DateToStr(TDateTime date);  // "m/d/yyyy"
String TimeToStr(TDateTime time);  // "h:nn:ss AM"
