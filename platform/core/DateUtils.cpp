#include "platform/core/DateUtils.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/core/Exceptions.h"
#include "platform/core/WinApi.h"

namespace {

const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

constexpr int kDateDelta = 693594;  // days from 1 January 0001 to 30 December 1899
constexpr double kMsPerDay = 86400000.0;

String Number(int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", digits, value);
  return text;
}

// Splits a date-time into its parts; the time part of a negative date counts forward.
struct Parts {
  Word year, month, day, hour, minute, second, ms;
  int dayOfWeek;
};

Parts Split(TDateTime value) {
  Parts p{};
  DecodeDate(value, p.year, p.month, p.day);
  DecodeTime(value, p.hour, p.minute, p.second, p.ms);
  p.dayOfWeek = DayOfWeek(value);
  return p;
}

size_t Run(const String& format, size_t at) {
  size_t end = at;
  char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[at])));
  while (end < format.size() && std::tolower(static_cast<unsigned char>(format[end])) == c) ++end;
  return end - at;
}

bool StartsWithNoCase(const String& text, size_t at, const char* prefix) {
  for (size_t i = 0; prefix[i]; ++i)
    if (at + i >= text.size() || std::tolower(static_cast<unsigned char>(text[at + i])) != prefix[i]) return false;
  return true;
}

String FormatParts(const String& format, const Parts& p);

String Hour12(int hour) { return std::to_string(hour % 12 == 0 ? 12 : hour % 12); }

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EConvertError("Invalid argument to date encode");
  int days = day;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  int y = year - 1;
  days += y * 365 + y / 4 - y / 100 + y / 400;
  return static_cast<double>(days - kDateDelta);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    throw EConvertError("Invalid argument to time encode");
  return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / kMsPerDay;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
  int days = static_cast<int>(std::trunc(date)) + kDateDelta;  // days since 1 Jan 0001, 1-based below
  if (days <= 0) {
    year = month = day = 0;
    return;
  }
  int d = days - 1;
  int y400 = d / 146097;
  d %= 146097;
  int y100 = d / 36524;
  if (y100 == 4) y100 = 3;
  d -= y100 * 36524;
  int y4 = d / 1461;
  d %= 1461;
  int y1 = d / 365;
  if (y1 == 4) y1 = 3;
  d -= y1 * 365;
  int y = y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1;
  int m = 1;
  while (d >= DaysInMonth(y, m)) d -= DaysInMonth(y, m++);
  year = static_cast<Word>(y);
  month = static_cast<Word>(m);
  day = static_cast<Word>(d + 1);
}

void DecodeTime(TDateTime time, Word& hour, Word& minute, Word& second, Word& millisecond) {
  double fraction = std::fabs(time - std::trunc(time));
  auto ms = static_cast<long long>(std::llround(fraction * kMsPerDay));
  if (ms >= 86400000LL) ms = 86399999LL;
  hour = static_cast<Word>(ms / 3600000);
  minute = static_cast<Word>(ms / 60000 % 60);
  second = static_cast<Word>(ms / 1000 % 60);
  millisecond = static_cast<Word>(ms % 1000);
}

TDateTime Now() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  return EncodeDate(t.wYear, t.wMonth, t.wDay) + EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  TDateTime now = Now();
  return now - std::trunc(now);
}

int DayOfWeek(TDateTime date) {
  long long days = static_cast<long long>(std::trunc(date));
  // 30 Dec 1899 was a Saturday.
  return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

namespace {

String FormatParts(const String& format, const Parts& p) {
  String out;
  bool lastWasHour = false;
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '"' || c == '\'') {
      size_t close = format.find(c, i + 1);
      if (close == String::npos) close = format.size();
      out += format.substr(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    if (StartsWithNoCase(format, i, "am/pm")) {
      out += p.hour < 12 ? "AM" : "PM";
      i += 5;
      continue;
    }
    size_t n = Run(format, i);
    switch (lower) {
      case 'd':
        if (n == 1) out += std::to_string(p.day);
        else if (n == 2) out += Number(p.day, 2);
        else if (n == 3) out += kShortDays[p.dayOfWeek - 1];
        else if (n == 4) out += kLongDays[p.dayOfWeek - 1];
        else if (n == 5) out += FormatParts("m/d/yyyy", p);
        else out += FormatParts("dddd, mmmm d, yyyy", p);
        break;
      case 'm':
        if (lastWasHour && n <= 2) out += n == 1 ? std::to_string(p.minute) : Number(p.minute, 2);
        else if (n == 1) out += std::to_string(p.month);
        else if (n == 2) out += Number(p.month, 2);
        else if (n == 3) out += kShortMonths[p.month - 1];
        else out += kLongMonths[p.month - 1];
        break;
      case 'y': out += n <= 2 ? Number(p.year % 100, 2) : Number(p.year, 4); break;
      case 'h': {
        bool twelve = format.find("am/pm", i) != String::npos || format.find("AM/PM", i) != String::npos;
        int hour = twelve ? std::stoi(Hour12(p.hour)) : p.hour;
        out += n == 1 ? std::to_string(hour) : Number(hour, 2);
        break;
      }
      case 'n': out += n == 1 ? std::to_string(p.minute) : Number(p.minute, 2); break;
      case 's': out += n == 1 ? std::to_string(p.second) : Number(p.second, 2); break;
      case 'z': out += n < 3 ? std::to_string(p.ms) : Number(p.ms, 3); break;
      case 'c': out += FormatParts("m/d/yyyy h:nn:ss AM/PM", p); break;
      case 't': out += n == 1 ? FormatParts("h:nn AM/PM", p) : FormatParts("h:nn:ss AM/PM", p); break;
      default: out.append(n, c); break;
    }
    if (lower != ' ') lastWasHour = lower == 'h';
    i += n;
  }
  return out;
}

}  // namespace

String FormatDateTime(const String& format, TDateTime dateTime) {
  return FormatParts(format.empty() ? String("c") : format, Split(dateTime));
}

String DateToStr(TDateTime date) { return FormatDateTime("m/d/yyyy", date); }

String TimeToStr(TDateTime time) { return FormatDateTime("h:nn:ss AM/PM", time); }
