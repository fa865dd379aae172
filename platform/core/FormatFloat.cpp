#include "platform/core/FormatFloat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/core/SysUtils.h"

namespace {

// What one section of a format asks for.
struct TPicture {
  String text;
  int intPlaceholders = 0;  // '0' and '#' before the decimal separator
  int intRequired = 0;      // placeholders from the first '0' before the separator
  int decimals = 0;         // placeholders after the separator
  int decimalsRequired = 0; // up to the last '0' after the separator
  bool thousands = false;
  bool scientific = false;
  bool exponentSign = false;  // "E+": a positive exponent shows its sign
  int exponentDigits = 0;
};

bool IsQuote(char c) { return c == '\'' || c == '"'; }

// Index just past the quoted literal that starts at `i`.
size_t SkipQuoted(const String& s, size_t i) {
  const size_t close = s.find(s[i], i + 1);
  return close == String::npos ? s.size() : close + 1;
}

bool IsExponentAt(const String& s, size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

std::vector<String> SplitSections(const String& format) {
  std::vector<String> sections(1);
  for (size_t i = 0; i < format.size();) {
    if (IsQuote(format[i])) {
      const size_t end = SkipQuoted(format, i);
      sections.back() += format.substr(i, end - i);
      i = end;
    } else if (format[i] == ';') {
      if (sections.size() == 3) break;
      sections.emplace_back();
      ++i;
    } else {
      sections.back() += format[i++];
    }
  }
  return sections;
}

TPicture ParsePicture(const String& section) {
  TPicture p;
  p.text = section;
  bool afterPoint = false;
  bool zeroSeen = false;
  for (size_t i = 0; i < section.size();) {
    const char c = section[i];
    if (IsQuote(c)) {
      i = SkipQuoted(section, i);
      continue;
    }
    if (IsExponentAt(section, i)) {
      p.scientific = true;
      p.exponentSign = section[i + 1] == '+';
      i += 2;
      while (i < section.size() && section[i] == '0') {
        ++p.exponentDigits;
        ++i;
      }
      continue;
    }
    if (c == '0' || c == '#') {
      if (afterPoint) {
        ++p.decimals;
        if (c == '0') p.decimalsRequired = p.decimals;
      } else {
        ++p.intPlaceholders;
        if (c == '0') zeroSeen = true;
        if (zeroSeen) ++p.intRequired;
      }
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == ',' && !afterPoint) {
      p.thousands = true;
    }
    ++i;
  }
  return p;
}

String Group(const String& digits) {
  String grouped;
  const int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) grouped += ThousandSeparator;
    grouped += digits[static_cast<size_t>(i)];
  }
  return grouped;
}

// The number split into the digits before and after the separator, and the
// exponent text for scientific pictures.
struct TDigits {
  String integer, fraction, exponent;
};

TDigits FixedDigits(const TPicture& p, long double magnitude) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", p.decimals, magnitude);
  const String text = buffer;
  const size_t point = text.find('.');
  TDigits d;
  d.integer = text.substr(0, point);
  if (point != String::npos) d.fraction = text.substr(point + 1);
  return d;
}

TDigits ScientificDigits(const TPicture& p, long double magnitude) {
  const int intDigits = p.intPlaceholders > 0 ? p.intPlaceholders : 1;
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.*Le", intDigits + p.decimals - 1, magnitude);
  String text = buffer;
  const size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  String digits;
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  TDigits d;
  d.integer = digits.substr(0, static_cast<size_t>(intDigits));
  d.fraction = digits.substr(static_cast<size_t>(intDigits));
  exponent = magnitude == 0 ? 0 : exponent - (intDigits - 1);
  String number = IntToStr(exponent < 0 ? -exponent : exponent);
  while (static_cast<int>(number.size()) < p.exponentDigits) number = "0" + number;
  d.exponent = exponent < 0 ? "-" + number : (p.exponentSign ? "+" + number : number);
  return d;
}

// The digits as the picture shows them: leading zeros only where '0' asks for them,
// trailing zeros of the fraction only up to the last '0'.
TDigits Shape(const TPicture& p, TDigits d) {
  size_t first = 0;
  while (first < d.integer.size() && d.integer[first] == '0') ++first;
  d.integer.erase(0, first);
  while (static_cast<int>(d.integer.size()) < p.intRequired) d.integer = "0" + d.integer;
  while (static_cast<int>(d.fraction.size()) > p.decimalsRequired && !d.fraction.empty() && d.fraction.back() == '0')
    d.fraction.pop_back();
  if (p.thousands) d.integer = Group(d.integer);
  return d;
}

bool AllZero(const TDigits& d) {
  for (char c : d.integer + d.fraction)
    if (c != '0') return false;
  return true;
}

TDigits DigitsOf(const TPicture& p, long double magnitude) {
  return p.scientific ? ScientificDigits(p, magnitude) : FixedDigits(p, magnitude);
}

// Writes the picture with the digits in place of its placeholders.
String Render(const TPicture& p, const TDigits& d, bool minus) {
  String out = minus ? "-" : "";
  bool integerWritten = false, pointWritten = false;
  const String& s = p.text;
  for (size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (IsQuote(c)) {
      const size_t close = s.find(c, i + 1);
      out += close == String::npos ? s.substr(i + 1) : s.substr(i + 1, close - i - 1);
      i = SkipQuoted(s, i);
    } else if (p.scientific && IsExponentAt(s, i)) {
      out += s[i];
      out += d.exponent;
      i += 2;
      while (i < s.size() && s[i] == '0') ++i;
    } else if (c == '0' || c == '#' || c == ',') {
      if (!integerWritten && !pointWritten) {
        out += d.integer;
        integerWritten = true;
      }
      ++i;
    } else if (c == '.') {
      if (!pointWritten) {
        if (!integerWritten) out += d.integer;
        integerWritten = pointWritten = true;
        if (!d.fraction.empty()) out += DecimalSeparator + d.fraction;
      }
      ++i;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace

String FormatFloat(const String& format, Extended value) {
  if (format.empty()) return FloatToStr(value);
  const std::vector<String> sections = SplitSections(format);
  const bool negative = value < 0;
  const long double magnitude = negative ? -value : value;

  const bool ownNegative = negative && sections.size() > 1 && !sections[1].empty();
  TPicture picture = ParsePicture(ownNegative ? sections[1] : sections[0]);
  TDigits digits = DigitsOf(picture, magnitude);
  if (AllZero(digits)) {
    // A number that rounds to zero has no sign: the zero section, else the first.
    const bool ownZero = sections.size() > 2 && !sections[2].empty();
    picture = ParsePicture(ownZero ? sections[2] : sections[0]);
    return Render(picture, Shape(picture, DigitsOf(picture, 0)), false);
  }
  return Render(picture, Shape(picture, digits), negative && !ownNegative);
}
