// Lenient reading of what a user typed into a date or a time: the fields in the
// locale's order, any non-alphanumeric separators, compact digit runs, month names
// and AM/PM words, with what is missing filled in. 0 stands for "no value".
#pragma once

#include "platform/core/DateUtils.h"
#include "platform/core/WinApi.h"

// A date without time part, or 0 when the text names no valid date.
TDateTime StrToDateEx(const String& text);
// A time of day (below 1), or 0 (also midnight) when the text names no valid time.
TDateTime StrToTimeEx(const String& text);

// The building blocks, exposed for their own tests.
namespace RzDateText {

// The letters of `letters` in the order they first appear in `format` (ASCII upper case).
String ExtractFormatOrder(const String& format, const String& letters);
// 0 separator, -1 letter (accented letters included), 1 digit.
int CharClassOf(char c);
// Cuts the next run of letters or digits off `rest`; answers its class, 0 at the end.
int NextToken(String& rest, String& token);
// The month name as it follows a day number in `locale` (inflected where the locale inflects).
String LocaleMonthName(LCID locale, int month);
// 1..12 for a month name (upper case) of the locale or of English, -1 otherwise.
int MonthFromName(const String& word);
// -1 for an AM word, 1 for a PM word, 0 otherwise.
int AmPmFromText(const String& word);

}  // namespace RzDateText
