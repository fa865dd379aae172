// The user's date, time and number conventions as the date routines read them, and
// the two locale calls behind them. Filled from the system at first use; a test pins
// its own values (Wine's locale data differ from Windows') with a scoped override.
#pragma once

#include <array>
#include <functional>

#include "platform/core/System.h"
#include "platform/core/WinApi.h"

struct TLocaleSettings {
  String ShortDateFormat = "M/d/yyyy";
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char DecimalSeparator = '.';
  String ShortTimeFormat = "h:mm AMPM";
  String LongTimeFormat = "h:mm:ss AMPM";
  String TimeAMString = "AM";
  String TimePMString = "PM";
  std::array<String, 12> ShortMonthNames;  // [0] is January
  std::array<String, 12> LongMonthNames;
  std::array<String, 7> ShortDayNames;  // [0] is Sunday
  std::array<String, 7> LongDayNames;

  // The English (United States) conventions, whatever the system says.
  static TLocaleSettings English();
  // Read through LocaleCalls() for the user's default locale.
  static TLocaleSettings FromSystem();
};

// The settings in force: the innermost override, else the system's (read once).
const TLocaleSettings& LocaleSettings();

// Puts `settings` in force for its lifetime; overrides nest.
class TLocaleOverride {
public:
  explicit TLocaleOverride(const TLocaleSettings& settings);
  ~TLocaleOverride();
  TLocaleOverride(const TLocaleOverride&) = delete;
  TLocaleOverride& operator=(const TLocaleOverride&) = delete;

private:
  TLocaleSettings settings_;
  const TLocaleSettings* previous_;
};

// The locale calls, replaceable so a test can answer for a locale Wine lacks (a
// language whose month name is inflected after a day number).
struct TLocaleCalls {
  // GetLocaleInfoA: the value of `type` for `locale`, or `fallback` when there is none.
  std::function<String(LCID locale, LCTYPE type, const String& fallback)> GetLocaleInfo;
  // GetDateFormatA with a picture: the text, or empty when the call fails.
  std::function<String(LCID locale, const SYSTEMTIME& date, const String& picture)> GetDateFormat;
};

TLocaleCalls& LocaleCalls();
void RestoreLocaleCalls();
