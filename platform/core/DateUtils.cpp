#include "platform/core/DateUtils.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/core/WinApi.h"

namespace {

constexpr int kDateDelta = 693594;  // days from 1 January 0001 to 30 December 1899
constexpr double kMsPerDay = 86400000.0;

const TDateTime* pinnedNow = nullptr;

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
  if (pinnedNow) return *pinnedNow;
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


TNowOverride::TNowOverride(TDateTime now) : now_(now), previous_(pinnedNow) { pinnedNow = &now_; }

TNowOverride::~TNowOverride() { pinnedNow = previous_; }

TDateTime IncMonth(TDateTime date, int months) {
  Word year, month, day;
  DecodeDate(date, year, month, day);
  int total = year * 12 + (month - 1) + months;
  int newYear = total / 12;
  int newMonth = total % 12 + 1;
  int newDay = std::min<int>(day, DaysInMonth(newYear, newMonth));
  TDateTime whole = EncodeDate(newYear, newMonth, newDay);
  return whole + (date - std::trunc(date));
}

TDateTime IncYear(TDateTime date, int years) { return IncMonth(date, years * 12); }

TDateTime IncDay(TDateTime date, int days) { return date + days; }

TDateTime IncHour(TDateTime date, Int64 hours) { return (date * 24.0 + static_cast<double>(hours)) / 24.0; }

TDateTime IncMinute(TDateTime date, Int64 minutes) {
  return (date * 1440.0 + static_cast<double>(minutes)) / 1440.0;
}
