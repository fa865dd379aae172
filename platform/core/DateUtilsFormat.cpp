// Date and time to text: the format specifiers, with names, separators and the
// short formats taken from a locale.
#include <cctype>
#include <cstdio>

#include "platform/core/DateUtils.h"
#include "platform/core/LocaleSettings.h"

namespace {

String Number(int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", digits, value);
  return text;
}

// A date-time in its parts; the time part of a negative date counts forward.
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

int Hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

// An hour is on the 12-hour clock when a designator follows anywhere after it.
bool TwelveHourAfter(const String& format, size_t at) {
  for (size_t i = at; i < format.size(); ++i)
    if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
        StartsWithNoCase(format, i, "ampm"))
      return true;
  return false;
}

class TFormatter {
public:
  TFormatter(const TLocaleSettings& locale, const Parts& parts) : locale_(locale), p_(parts) {}

  String Format(const String& format);

private:
  bool Designator(const String& format, size_t& i, String& out) const;
  void Specifier(const String& format, size_t at, size_t n, String& out);

  const TLocaleSettings& locale_;
  const Parts& p_;
  bool lastWasHour_ = false;
  int depth_ = 0;
};

bool TFormatter::Designator(const String& format, size_t& i, String& out) const {
  bool am = p_.hour < 12;
  if (StartsWithNoCase(format, i, "am/pm")) {
    out += am ? "AM" : "PM";
    i += 5;
  } else if (StartsWithNoCase(format, i, "a/p")) {
    out += am ? "A" : "P";
    i += 3;
  } else if (StartsWithNoCase(format, i, "ampm")) {
    out += am ? locale_.TimeAMString : locale_.TimePMString;
    i += 4;
  } else {
    return false;
  }
  return true;
}

String TFormatter::Format(const String& format) {
  String out;
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '"' || c == '\'') {
      size_t close = format.find(c, i + 1);
      if (close == String::npos) close = format.size();
      out += format.substr(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    if (Designator(format, i, out)) continue;
    size_t n = Run(format, i);
    Specifier(format, i, n, out);
    i += n;
  }
  return out;
}

void TFormatter::Specifier(const String& format, size_t at, size_t n, String& out) {
  char c = format[at];
  char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // Nested formats come from the locale; a format naming itself stops here.
  auto nested = [&](const String& inner) {
    if (depth_ > 2) return;
    ++depth_;
    out += Format(inner);
    --depth_;
  };
  switch (lower) {
    case 'd':
      if (n == 1) out += std::to_string(p_.day);
      else if (n == 2) out += Number(p_.day, 2);
      else if (n == 3) out += locale_.ShortDayNames[p_.dayOfWeek - 1];
      else if (n == 4) out += locale_.LongDayNames[p_.dayOfWeek - 1];
      else if (n == 5) nested(locale_.ShortDateFormat);
      else nested("dddd, mmmm d, yyyy");
      break;
    case 'm':
      if (lastWasHour_ && n <= 2) out += n == 1 ? std::to_string(p_.minute) : Number(p_.minute, 2);
      else if (n == 1) out += std::to_string(p_.month);
      else if (n == 2) out += Number(p_.month, 2);
      else if (n == 3) out += locale_.ShortMonthNames[p_.month - 1];
      else out += locale_.LongMonthNames[p_.month - 1];
      break;
    case 'y': out += n <= 2 ? Number(p_.year % 100, 2) : Number(p_.year, 4); break;
    case 'h': {
      int hour = TwelveHourAfter(format, at) ? Hour12(p_.hour) : p_.hour;
      out += n == 1 ? std::to_string(hour) : Number(hour, 2);
      break;
    }
    case 'n': out += n == 1 ? std::to_string(p_.minute) : Number(p_.minute, 2); break;
    case 's': out += n == 1 ? std::to_string(p_.second) : Number(p_.second, 2); break;
    case 'z': out += n < 3 ? std::to_string(p_.ms) : Number(p_.ms, 3); break;
    case 'c':
      nested(locale_.ShortDateFormat);
      out += ' ';
      nested(locale_.LongTimeFormat);
      break;
    case 't': nested(n == 1 ? locale_.ShortTimeFormat : locale_.LongTimeFormat); break;
    case '/': out.append(n, locale_.DateSeparator); break;
    case ':': out.append(n, locale_.TimeSeparator); break;
    default: out.append(n, c); break;
  }
  // Only letters count: in "h:mm" the minutes still follow the hour.
  if (std::isalpha(static_cast<unsigned char>(c))) lastWasHour_ = lower == 'h';
}

String FormatWith(const TLocaleSettings& locale, const String& format, TDateTime dateTime) {
  Parts parts = Split(dateTime);
  return TFormatter(locale, parts).Format(format.empty() ? String("c") : format);
}

const TLocaleSettings& Invariant() {
  static const TLocaleSettings english = [] {
    TLocaleSettings s = TLocaleSettings::English();
    s.LongTimeFormat = "h:nn:ss AM/PM";
    return s;
  }();
  return english;
}

}  // namespace

String FormatDateTime(const String& format, TDateTime dateTime) {
  return FormatWith(LocaleSettings(), format, dateTime);
}

String FormatDateTimeInvariant(const String& format, TDateTime dateTime) {
  return FormatWith(Invariant(), format, dateTime);
}

String DateToStr(TDateTime date) { return FormatDateTimeInvariant("m/d/yyyy", date); }

String TimeToStr(TDateTime time) { return FormatDateTimeInvariant("h:nn:ss AM/PM", time); }
