#include "platform/core/SysUtils.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/Math.h"
#include "platform/core/WinApi.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool ParseInt64(const String& text, Int64& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  unsigned long long magnitude = 0;
  for (; i < text.size(); ++i) {
    int digit;
    char c = text[i];
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) digit = std::toupper(c) - 'A' + 10;
    else return false;
    if (magnitude > (~0ULL - digit) / base) return false;
    magnitude = magnitude * base + digit;
  }
  if (base == 10 && magnitude > (negative ? 0x8000000000000000ULL : 0x7FFFFFFFFFFFFFFFULL)) return false;
  value = negative ? static_cast<Int64>(0 - magnitude) : static_cast<Int64>(magnitude);
  return true;
}

// The decimal digits (without trailing zeros) and exponent of a value rounded to
// `precision` significant digits: 23.97 -> "2397", exponent 1.
void DecimalDigits(Extended value, int precision, String& digits, int& exponent) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*Le", precision - 1, value < 0 ? -value : value);
  const char* e = std::strchr(text, 'e');
  exponent = std::atoi(e + 1);
  digits.clear();
  for (const char* p = text; p < e; ++p)
    if (*p != '.') digits += *p;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

String ExponentText(int exponent, int minDigits, bool plusSign) {
  String text = exponent < 0 ? "-" : (plusSign ? "+" : "");
  String number = std::to_string(exponent < 0 ? -exponent : exponent);
  if (static_cast<int>(number.size()) < minDigits) number.insert(0, minDigits - number.size(), '0');
  return text + number;
}

String GeneralText(Extended value, int precision) {
  if (value == 0) return "0";
  if (std::isnan(static_cast<double>(value))) return "NAN";
  if (std::isinf(static_cast<double>(value))) return value < 0 ? "-INF" : "INF";
  if (precision < 1 || precision > 18) precision = 15;
  String digits;
  int exponent;
  DecimalDigits(value, precision, digits, exponent);
  String sign = value < 0 ? "-" : "";
  if (exponent >= precision || exponent < -4) {
    String mantissa = digits.substr(0, 1);
    if (digits.size() > 1) mantissa += DecimalSeparator + digits.substr(1);
    return sign + mantissa + "E" + ExponentText(exponent, 0, false);
  }
  if (exponent < 0) return sign + "0" + DecimalSeparator + String(-exponent - 1, '0') + digits;
  String whole = digits.substr(0, Min<size_t>(digits.size(), static_cast<size_t>(exponent) + 1));
  whole.append(exponent + 1 - whole.size(), '0');
  String fraction = digits.size() > static_cast<size_t>(exponent + 1) ? digits.substr(exponent + 1) : String();
  return sign + whole + (fraction.empty() ? String() : DecimalSeparator + fraction);
}

String FixedText(Extended value, int digits, bool thousands) {
  char text[512];
  std::snprintf(text, sizeof text, "%.*Lf", digits < 0 ? 0 : Min(digits, 18), value);
  String result = text;
  if (!thousands) return result;
  size_t start = result[0] == '-' ? 1 : 0;
  size_t point = result.find('.');
  if (point == String::npos) point = result.size();
  for (size_t i = point; i > start + 3; i -= 3) result.insert(i - 3, ",");
  return result;
}

}  // namespace

String IntToStr(Int64 value) { return std::to_string(value); }

String IntToHex(Int64 value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
  return text;
}

bool TryStrToInt64(const String& text, Int64& value) { return ParseInt64(text, value); }

bool TryStrToInt(const String& text, Integer& value) {
  Int64 wide;
  if (!ParseInt64(text, wide)) return false;
  bool hex = text.find_first_of("$xX") != String::npos;
  if (hex && wide >= 0 && wide <= 0xFFFFFFFFLL) wide = static_cast<Integer>(static_cast<Cardinal>(wide));
  if (wide < INT32_MIN || wide > INT32_MAX) return false;
  value = static_cast<Integer>(wide);
  return true;
}

Integer StrToInt(const String& text) {
  Integer value;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

Integer StrToIntDef(const String& text, Integer defaultValue) {
  Integer value;
  return TryStrToInt(text, value) ? value : defaultValue;
}

Int64 StrToInt64(const String& text) {
  Int64 value;
  if (!ParseInt64(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

Int64 StrToInt64Def(const String& text, Int64 defaultValue) {
  Int64 value;
  return ParseInt64(text, value) ? value : defaultValue;
}

String FloatToStr(Extended value) { return GeneralText(value, 15); }

String FloatToStrF(Extended value, TFloatFormat format, int precision, int digits) {
  switch (format) {
    case ffGeneral: return GeneralText(value, precision);
    case ffExponent: {
      if (precision < 1 || precision > 18) precision = 15;
      char text[64];
      std::snprintf(text, sizeof text, "%.*Le", precision - 1, value);
      String result = text;
      size_t e = result.find('e');
      int exponent = std::atoi(result.c_str() + e + 1);
      return result.substr(0, e) + "E" + ExponentText(exponent, digits, true);
    }
    case ffFixed: return FixedText(value, digits, false);
    case ffNumber: return FixedText(value, digits, true);
    case ffCurrency: return "$" + FixedText(value, digits, true);
  }
  return GeneralText(value, precision);
}

bool TryStrToFloat(const String& text, Extended& value) {
  String trimmed = Trim(text);
  if (trimmed.empty()) return false;
  for (char c : trimmed)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  char* end = nullptr;
  errno = 0;
  long double parsed = std::strtold(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE) return false;
  value = parsed;
  return true;
}

bool TryStrToFloat(const String& text, double& value) {
  Extended wide;
  if (!TryStrToFloat(text, wide)) return false;
  value = static_cast<double>(wide);
  return true;
}

double StrToFloat(const String& text) {
  double value;
  if (!TryStrToFloat(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
  return value;
}

double StrToFloatDef(const String& text, double defaultValue) {
  double value;
  return TryStrToFloat(text, value) ? value : defaultValue;
}

String Trim(const String& text) { return TrimLeft(TrimRight(text)); }

String TrimLeft(const String& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

String TrimRight(const String& text) {
  size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

String UpperCase(const String& text) {
  String result = text;
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return result;
}

String LowerCase(const String& text) {
  String result = text;
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return result;
}

int CompareStr(const String& a, const String& b) {
  size_t n = Min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
    if (d != 0) return d;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareText(const String& a, const String& b) { return CompareStr(UpperCase(a), UpperCase(b)); }

bool SameText(const String& a, const String& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const String& a, const String& b) {
  return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) - 2;
}

int AnsiCompareStr(const String& a, const String& b) {
  return ::CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) - 2;
}

int Pos(const String& substring, const String& text) {
  if (substring.empty()) return 0;
  size_t at = text.find(substring);
  return at == String::npos ? 0 : static_cast<int>(at) + 1;
}

String Copy(const String& text, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || static_cast<size_t>(index) > text.size()) return String();
  return text.substr(index - 1, count);
}

String StringOfChar(char c, int count) { return count > 0 ? String(count, c) : String(); }

String StringReplace(const String& text, const String& oldPattern, const String& newPattern, int flags) {
  if (oldPattern.empty()) return text;
  const String haystack = flags & rfIgnoreCase ? UpperCase(text) : text;
  const String needle = flags & rfIgnoreCase ? UpperCase(oldPattern) : oldPattern;
  String result;
  size_t from = 0;
  for (;;) {
    size_t at = haystack.find(needle, from);
    if (at == String::npos) break;
    result += text.substr(from, at - from) + newPattern;
    from = at + needle.size();
    if (!(flags & rfReplaceAll)) break;
  }
  return result + text.substr(from);
}
