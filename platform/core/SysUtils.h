// Text and number routines on ANSI strings: conversions that always use '.' as the
// decimal separator, trimming and case (ASCII), searching, and Format.
#pragma once

#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"

constexpr char DecimalSeparator = '.';

String IntToStr(Int64 value);
String IntToHex(Int64 value, int digits);  // upper case, at least `digits` digits
// Decimal, or hexadecimal after '$' or "0x"; leading blanks allowed. EConvertError otherwise.
Integer StrToInt(const String& text);
Integer StrToIntDef(const String& text, Integer defaultValue);
bool TryStrToInt(const String& text, Integer& value);
Int64 StrToInt64(const String& text);
Int64 StrToInt64Def(const String& text, Int64 defaultValue);
bool TryStrToInt64(const String& text, Int64& value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// General format with 15 significant digits: 23.97 -> "23.97", 4 -> "4", 1e20 -> "1E20".
String FloatToStr(Extended value);
String FloatToStrF(Extended value, TFloatFormat format, int precision, int digits);
// Accepts blanks around the number, a sign, '.' and an exponent; nothing else.
bool TryStrToFloat(const String& text, double& value);
bool TryStrToFloat(const String& text, Extended& value);
double StrToFloat(const String& text);  // EConvertError when the text is no number
double StrToFloatDef(const String& text, double defaultValue);

String Trim(const String& text);  // drops control characters and blanks at both ends
String TrimLeft(const String& text);
String TrimRight(const String& text);
String UpperCase(const String& text);  // ASCII letters only
String LowerCase(const String& text);
int CompareStr(const String& a, const String& b);   // case-sensitive, by byte value
int CompareText(const String& a, const String& b);  // ASCII case-insensitive
bool SameText(const String& a, const String& b);
int AnsiCompareText(const String& a, const String& b);  // the system's locale order, case-insensitive
int AnsiCompareStr(const String& a, const String& b);   // the system's locale order
int Pos(const String& substring, const String& text);   // 1-based; 0 when absent
String Copy(const String& text, int index, int count);  // 1-based, clipped to the text
String StringOfChar(char c, int count);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
String StringReplace(const String& text, const String& oldPattern, const String& newPattern, int flags);
