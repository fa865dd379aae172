// Format: the printf-like formatter with the component library's specifiers.
#pragma once

#include <vector>

#include "platform/core/System.h"

// One argument of Format: an integer, a floating-point number, a text or a pointer.
struct TVarRec {
  enum Kind { kInteger, kFloat, kString, kPointer } kind;
  Int64 integer = 0;
  Extended number = 0;
  String text;
  const void* pointer = nullptr;

  TVarRec(int v) : kind(kInteger), integer(v) {}
  TVarRec(unsigned v) : kind(kInteger), integer(v) {}
  TVarRec(long v) : kind(kInteger), integer(v) {}
  TVarRec(unsigned long v) : kind(kInteger), integer(v) {}
  TVarRec(long long v) : kind(kInteger), integer(v) {}
  TVarRec(unsigned long long v) : kind(kInteger), integer(static_cast<Int64>(v)) {}
  TVarRec(double v) : kind(kFloat), number(v) {}
  TVarRec(long double v) : kind(kFloat), number(v) {}
  TVarRec(const char* v) : kind(kString), text(v ? v : "") {}
  TVarRec(const String& v) : kind(kString), text(v) {}
  TVarRec(char v) : kind(kString), text(1, v) {}
  TVarRec(const void* v) : kind(kPointer), pointer(v) {}
};

// Format with specifiers %[index:][-][width][.precision]type, type one of
// d u x (upper-case hex) e f g n m p s; '*' takes width or precision from the
// arguments; "%%" is a percent sign. EConvertError for a bad format or argument.
String FormatList(const String& format, const std::vector<TVarRec>& args);

template <class... Args>
String Format(const String& format, const Args&... args) {
  return FormatList(format, std::vector<TVarRec>{TVarRec(args)...});
}
