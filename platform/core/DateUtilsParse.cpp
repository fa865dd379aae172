// Text to date: numbers in the short date format's order, split by the locale's
// date separator, with the two-digit year window.
#include <cctype>
#include <cmath>

#include "platform/core/DateUtils.h"
#include "platform/core/Exceptions.h"
#include "platform/core/LocaleSettings.h"

namespace {

constexpr int kTwoDigitYearWindow = 50;

enum class TDateOrder { MDY, DMY, YMD };

TDateOrder DateOrderOf(const String& format) {
  for (char c : format) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case 'Y': return TDateOrder::YMD;
      case 'M': return TDateOrder::MDY;
      case 'D': return TDateOrder::DMY;
      default: break;
    }
  }
  return TDateOrder::MDY;
}

class TDateScanner {
public:
  explicit TDateScanner(const String& text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  // A run of at most four digits; `length` counts them.
  bool Number(int& value, int& length) {
    SkipBlanks();
    value = 0;
    length = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      if (++length > 4) return false;
      value = value * 10 + (text_[pos_++] - '0');
    }
    return length > 0;
  }
  bool Char(char c) {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= text_.size();
  }

private:
  const String& text_;
  size_t pos_ = 0;
};

// A year of one or two digits goes into the hundred years that start
// kTwoDigitYearWindow years before this one.
int WidenYear(int year) {
  Word thisYear, month, day;
  DecodeDate(Date(), thisYear, month, day);
  int base = thisYear - kTwoDigitYearWindow;
  year += base / 100 * 100;
  if (year < base) year += 100;
  return year;
}

bool ScanDate(const String& text, int& year, int& month, int& day) {
  const TLocaleSettings& locale = LocaleSettings();
  TDateScanner scan(text);
  int n1, n2, n3, l1, l2, l3;
  if (!scan.Number(n1, l1) || !scan.Char(locale.DateSeparator) || !scan.Number(n2, l2)) return false;
  TDateOrder order = DateOrderOf(locale.ShortDateFormat);
  if (scan.Char(locale.DateSeparator)) {
    if (!scan.Number(n3, l3)) return false;
    int yearLength = 0;
    switch (order) {
      case TDateOrder::MDY: year = n3, yearLength = l3, month = n1, day = n2; break;
      case TDateOrder::DMY: year = n3, yearLength = l3, month = n2, day = n1; break;
      case TDateOrder::YMD: year = n1, yearLength = l1, month = n2, day = n3; break;
    }
    if (yearLength <= 2) year = WidenYear(year);
  } else {
    Word thisYear, m, d;
    DecodeDate(Date(), thisYear, m, d);
    year = thisYear;
    bool dayFirst = order == TDateOrder::DMY;
    day = dayFirst ? n1 : n2;
    month = dayFirst ? n2 : n1;
  }
  return scan.AtEnd();
}

}  // namespace

bool TryStrToDate(const String& text, TDateTime& date) {
  int year, month, day;
  if (!ScanDate(text, year, month, day)) return false;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  date = EncodeDate(year, month, day);
  return true;
}

TDateTime StrToDate(const String& text) {
  TDateTime date;
  if (!TryStrToDate(text, date)) throw EConvertError("'" + text + "' is not a valid date");
  return date;
}
