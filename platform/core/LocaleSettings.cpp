#include "platform/core/LocaleSettings.h"

#include <cstdlib>

namespace {

const TLocaleSettings* overrideInForce = nullptr;

String SystemLocaleInfo(LCID locale, LCTYPE type, const String& fallback) {
  char buffer[256];
  int length = ::GetLocaleInfoA(locale, type, buffer, sizeof buffer);
  return length > 0 ? String(buffer) : fallback;
}

String SystemDateFormat(LCID locale, const SYSTEMTIME& date, const String& picture) {
  char buffer[256];
  int length = ::GetDateFormatA(locale, 0, &date, picture.c_str(), buffer, sizeof buffer);
  return length > 0 ? String(buffer) : String();
}

TLocaleCalls SystemLocaleCalls() { return {SystemLocaleInfo, SystemDateFormat}; }

String Info(LCTYPE type, const String& fallback) {
  return LocaleCalls().GetLocaleInfo(LOCALE_USER_DEFAULT, type, fallback);
}

char FirstChar(const String& text, char fallback) { return text.empty() ? fallback : text[0]; }

// The time formats follow the locale's clock (12 or 24 hours), its leading zero and
// where its AM/PM marker stands; ':' and "AMPM" stay placeholders for the separator
// and the designators, as the formatting routines read them.
void FillTimeFormats(TLocaleSettings& s) {
  String hour = std::atoi(Info(LOCALE_ITLZERO, "0").c_str()) == 0 ? "h" : "hh";
  String prefix, postfix;
  if (std::atoi(Info(LOCALE_ITIME, "0").c_str()) == 0) {
    if (std::atoi(Info(0x1005 /* LOCALE_ITIMEMARKPOSN */, "0").c_str()) == 0)
      postfix = " AMPM";
    else
      prefix = "AMPM ";
  }
  s.ShortTimeFormat = prefix + hour + ":mm" + postfix;
  s.LongTimeFormat = prefix + hour + ":mm:ss" + postfix;
}

}  // namespace

TLocaleSettings TLocaleSettings::English() {
  TLocaleSettings s;
  s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                      "July",    "August",   "September", "October", "November", "December"};
  s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  return s;
}

TLocaleSettings TLocaleSettings::FromSystem() {
  TLocaleSettings s = English();
  s.ShortDateFormat = Info(LOCALE_SSHORTDATE, s.ShortDateFormat);
  s.DateSeparator = FirstChar(Info(LOCALE_SDATE, "/"), '/');
  s.TimeSeparator = FirstChar(Info(LOCALE_STIME, ":"), ':');
  s.DecimalSeparator = FirstChar(Info(LOCALE_SDECIMAL, "."), '.');
  s.TimeAMString = Info(LOCALE_S1159, "AM");
  s.TimePMString = Info(LOCALE_S2359, "PM");
  FillTimeFormats(s);
  for (int m = 0; m < 12; ++m) {
    s.ShortMonthNames[m] = Info(LOCALE_SABBREVMONTHNAME1 + m, s.ShortMonthNames[m]);
    s.LongMonthNames[m] = Info(LOCALE_SMONTHNAME1 + m, s.LongMonthNames[m]);
  }
  // The system counts days from Monday (LOCALE_SDAYNAME1); the names here from Sunday.
  for (int d = 0; d < 7; ++d) {
    int systemIndex = (d + 6) % 7;
    s.ShortDayNames[d] = Info(LOCALE_SABBREVDAYNAME1 + systemIndex, s.ShortDayNames[d]);
    s.LongDayNames[d] = Info(LOCALE_SDAYNAME1 + systemIndex, s.LongDayNames[d]);
  }
  return s;
}

const TLocaleSettings& LocaleSettings() {
  if (overrideInForce) return *overrideInForce;
  static const TLocaleSettings system = TLocaleSettings::FromSystem();
  return system;
}

TLocaleOverride::TLocaleOverride(const TLocaleSettings& settings) : settings_(settings), previous_(overrideInForce) {
  overrideInForce = &settings_;
}

TLocaleOverride::~TLocaleOverride() { overrideInForce = previous_; }

TLocaleCalls& LocaleCalls() {
  static TLocaleCalls calls = SystemLocaleCalls();
  return calls;
}

void RestoreLocaleCalls() { LocaleCalls() = SystemLocaleCalls(); }
