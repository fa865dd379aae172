#include "framed/popups/RzPopups_DateText.h"

#include <cstdint>
#include <vector>

#include "framed/common/RzCommon_Routines.h"
#include "platform/core/LocaleSettings.h"
#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

namespace RzDateText {

namespace {

String LocaleUpperCase(const String& text) {
  String upper = text;
  if (!upper.empty()) ::CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

// A digit run as a number; a run too long for a 32-bit signed integer gives false,
// and the routines answer 0 for it as for any text they cannot read.
bool DigitsToInt(const String& digits, int& value) {
  std::int64_t v = 0;
  for (char c : digits) {
    v = v * 10 + (c - '0');
    if (v > INT32_MAX) return false;
  }
  value = static_cast<int>(v);
  return true;
}

}  // namespace

String ExtractFormatOrder(const String& format, const String& letters) {
  String order;
  for (char c : UpperCase(format))
    if (letters.find(c) != String::npos && order.find(c) == String::npos) order += c;
  return order;
}

int CharClassOf(char c) {
  if (!::IsCharAlphaNumericA(c)) return 0;
  return ::IsCharAlphaA(c) ? -1 : 1;
}

int NextToken(String& rest, String& token) {
  size_t start = 0;
  while (start < rest.size() && CharClassOf(rest[start]) == 0) ++start;
  if (start == rest.size()) {
    rest.clear();
    token.clear();
    return 0;
  }
  int kind = CharClassOf(rest[start]);
  size_t end = start;
  while (end < rest.size() && CharClassOf(rest[end]) == kind) ++end;
  token = rest.substr(start, end - start);
  rest.erase(0, end);
  return kind;
}

String LocaleMonthName(LCID locale, int month) {
  SYSTEMTIME date{};
  date.wYear = 2000;
  date.wMonth = static_cast<WORD>(month);
  date.wDay = 1;
  String text = LocaleCalls().GetDateFormat(locale, date, "dd MMMM");
  return text.size() > 3 ? text.substr(3) : String();
}

int MonthFromName(const String& word) {
  const TLocaleSettings& locale = LocaleSettings();
  for (int month = 1; month <= 12; ++month) {
    const String forms[] = {locale.ShortMonthNames[month - 1], locale.LongMonthNames[month - 1],
                            LocaleMonthName(LOCALE_USER_DEFAULT, month), LocaleMonthName(1033, month)};
    for (const String& form : forms)
      if (!form.empty() && LocaleUpperCase(form) == word) return month;
  }
  return -1;
}

int AmPmFromText(const String& word) {
  const TLocaleSettings& locale = LocaleSettings();
  if (word == locale.TimeAMString || word == "AM" || word == "A") return -1;
  if (word == locale.TimePMString || word == "PM" || word == "P") return 1;
  return 0;
}

}  // namespace RzDateText

using namespace RzDateText;

namespace {

// The digit runs of a compact date ("120508") cut into their fields.
std::vector<size_t> CompactDateParts(size_t length) {
  switch (length) {
    case 3: return {1, 2};
    case 4: return {2, 2};
    case 5: return {1, 2, 2};
    case 6: return {2, 2, 2};
    case 8: return {2, 2, 4};
    default: return {};
  }
}

struct TDateFields {
  Word day, month, year;
  String order;  // the fields still to fill, in the format's order

  // A number over 999 is a year; one over 12 cannot be a month, so it is the day
  // unless only the year is left.
  void Place(int value) {
    if (order.empty()) return;
    char target = order[0];
    if (value > 999) target = 'Y';
    else if (value > 12 && target != 'Y') target = 'D';
    Word stored = static_cast<Word>(value);
    if (target == 'D') day = stored;
    else if (target == 'M') month = stored;
    else year = stored;
    size_t at = order.find(target);
    if (at != String::npos) order.erase(at, 1);
  }
};

// Skips words (naming the month when one is a month name) and answers the token
// that ended them: a digit run, or empty at the end.
String SkipWords(String& rest, TDateFields& fields) {
  String token;
  while (NextToken(rest, token) == -1) {
    int month = MonthFromName(token);
    if (month > 0) {
      fields.month = static_cast<Word>(month);
      RemoveChar(fields.order, 'M');
    }
  }
  return token;
}

// A year of one or two digits is read by the short-date conversion, which puts it
// into the hundred years around today.
TDateTime WithTwoDigitYear(const TDateFields& f, const String& fullOrder) {
  const TLocaleSettings& locale = LocaleSettings();
  String text;
  for (char letter : fullOrder) {
    if (!text.empty()) text += locale.DateSeparator;
    text += std::to_string(letter == 'D' ? f.day : letter == 'M' ? f.month : f.year);
  }
  TDateTime date;
  return TryStrToDate(text, date) ? date : 0;
}

bool ValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace

TDateTime StrToDateEx(const String& text) {
  if (Trim(text).empty()) return 0;
  const TLocaleSettings& locale = LocaleSettings();
  TDateFields f{};
  f.order = ExtractFormatOrder(locale.ShortDateFormat, "DMY");
  const String fullOrder = f.order;
  DecodeDate(Date(), f.year, f.month, f.day);
  bool hasSeparator = text.find(locale.DateSeparator) != String::npos;
  String rest = LocaleUpperCase(text);
  for (int pass = 0; pass < 3; ++pass) {
    String token = SkipWords(rest, f);
    if (token.empty() || f.order.empty()) continue;
    std::vector<size_t> parts = CompactDateParts(token.size());
    if (parts.empty() || hasSeparator || f.order == "Y") parts = {token.size()};
    size_t at = 0;
    for (size_t length : parts) {
      int value;
      if (!DigitsToInt(token.substr(at, length), value)) return 0;
      f.Place(value);
      at += length;
    }
  }
  if (f.year < 100) return WithTwoDigitYear(f, fullOrder);
  return ValidDate(f.year, f.month, f.day) ? EncodeDate(f.year, f.month, f.day) : 0;
}

namespace {

struct TTimeFields {
  Word hour = 0, minute = 0, second = 0, msec = 0;
  int amPm = 0;
  String order;

  void Place(int value) {
    if (order.empty()) return;
    Word stored = static_cast<Word>(value);
    switch (order[0]) {
      case 'H': hour = stored; break;
      case 'M':
      case 'N': minute = stored; break;
      case 'S': second = stored; break;
      default: msec = stored; break;
    }
    order.erase(0, 1);
  }

  // Out-of-range fields are folded back rather than refused: 25:70 is 1:00.
  void Normalise() {
    if (hour < 12 && amPm == 1) hour += 12;
    if (hour == 12 && amPm == -1) hour = 0;
    while (hour >= 24) hour -= 24;
    if (minute >= 60) minute = 0;
    if (second >= 60) second = 0;
    while (msec > 999) msec /= 10;
  }
};

}  // namespace

TDateTime StrToTimeEx(const String& text) {
  TTimeFields f;
  f.order = ExtractFormatOrder(LocaleSettings().LongTimeFormat, "HMNSZ");
  String rest = LocaleUpperCase(text);
  for (int pass = 0; pass < 4; ++pass) {
    String token;
    while (NextToken(rest, token) == -1)
      if (f.amPm == 0) f.amPm = AmPmFromText(token);
    if (token.empty() || f.order.empty()) continue;
    std::vector<size_t> parts = {token.size()};
    if (token.size() == 3) parts = {1, 2};
    if (token.size() == 4) parts = {2, 2};
    size_t at = 0;
    for (size_t length : parts) {
      int value;
      if (!DigitsToInt(token.substr(at, length), value)) return 0;
      f.Place(value);
      at += length;
    }
  }
  f.Normalise();
  return EncodeTime(f.hour, f.minute, f.second, f.msec);
}
