// Format: the printf-like formatter with the component library's specifiers.
#include "platform/core/Format.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "platform/core/SysUtils.h"

namespace {

struct Spec {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

[[noreturn]] void BadFormat(const String& format) { throw EConvertError("Format '" + format + "' invalid or incompatible with argument"); }

class Formatter {
public:
  Formatter(const String& format, const std::vector<TVarRec>& args) : format_(format), args_(args) {}

  String Run() {
    String out;
    while (at_ < format_.size()) {
      char c = format_[at_++];
      if (c != '%') {
        out += c;
        continue;
      }
      if (at_ < format_.size() && format_[at_] == '%') {
        out += '%';
        ++at_;
        continue;
      }
      out += Pad(Convert(ReadSpec()));
    }
    return out;
  }

private:
  // Reads "[index:][-][width][.precision]type" after the percent sign.
  Spec ReadSpec() {
    Spec spec;
    int number = ReadNumber();
    if (Peek() == ':') {
      ++at_;
      if (number < 0) BadFormat(format_);
      next_ = number;
      number = -1;
    }
    if (number < 0 && Peek() == '-') {
      spec.leftAlign = true;
      ++at_;
    }
    spec.width = number >= 0 ? number : ReadNumber();
    if (Peek() == '.') {
      ++at_;
      spec.precision = ReadNumber();
      if (spec.precision < 0) spec.precision = 0;
    }
    if (at_ >= format_.size()) BadFormat(format_);
    spec.type = static_cast<char>(std::tolower(static_cast<unsigned char>(format_[at_++])));
    spec_ = spec;
    return spec;
  }

  int ReadNumber() {
    if (Peek() == '*') {
      ++at_;
      const TVarRec& arg = Next();
      if (arg.kind != TVarRec::kInteger) BadFormat(format_);
      return static_cast<int>(arg.integer);
    }
    int value = -1;
    while (at_ < format_.size() && std::isdigit(static_cast<unsigned char>(format_[at_])))
      value = (value < 0 ? 0 : value * 10) + (format_[at_++] - '0');
    return value;
  }

  char Peek() const { return at_ < format_.size() ? format_[at_] : '\0'; }

  const TVarRec& Next() {
    if (next_ >= args_.size()) BadFormat(format_);
    return args_[next_++];
  }

  String Convert(const Spec& spec) {
    const TVarRec& arg = Next();
    char text[512];
    switch (spec.type) {
      case 'd':
      case 'u': {
        if (arg.kind != TVarRec::kInteger) BadFormat(format_);
        Int64 v = spec.type == 'u' ? static_cast<Int64>(static_cast<Cardinal>(arg.integer)) : arg.integer;
        String digits = std::to_string(v < 0 ? -v : v);
        if (spec.precision > static_cast<int>(digits.size())) digits.insert(0, spec.precision - digits.size(), '0');
        return (v < 0 ? "-" : "") + digits;
      }
      case 'x': {
        if (arg.kind != TVarRec::kInteger) BadFormat(format_);
        unsigned long long v = arg.integer < 0 && arg.integer >= INT32_MIN
                                   ? static_cast<Cardinal>(arg.integer)
                                   : static_cast<unsigned long long>(arg.integer);
        std::snprintf(text, sizeof text, "%0*llX", spec.precision < 0 ? 0 : spec.precision, v);
        return text;
      }
      case 'f':
      case 'n':
      case 'm':
      case 'e':
      case 'g': return ConvertFloat(spec, Number(arg));
      case 's':
        if (arg.kind != TVarRec::kString) BadFormat(format_);
        return spec.precision >= 0 ? arg.text.substr(0, spec.precision) : arg.text;
      case 'p':
        std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(arg.pointer)));
        return text;
      default: BadFormat(format_);
    }
  }

  Extended Number(const TVarRec& arg) {
    if (arg.kind == TVarRec::kFloat) return arg.number;
    BadFormat(format_);
  }

  static String ConvertFloat(const Spec& spec, Extended value) {
    int precision = spec.precision;
    switch (spec.type) {
      case 'f': return FloatToStrF(value, ffFixed, 18, precision < 0 ? 2 : precision);
      case 'n': return FloatToStrF(value, ffNumber, 18, precision < 0 ? 2 : precision);
      case 'm': return FloatToStrF(value, ffCurrency, 18, precision < 0 ? 2 : precision);
      case 'e': return FloatToStrF(value, ffExponent, precision < 0 ? 15 : precision, 3);
      default: return FloatToStrF(value, ffGeneral, precision < 0 ? 15 : precision, 3);
    }
  }

  String Pad(const String& text) const {
    if (spec_.width <= static_cast<int>(text.size())) return text;
    String padding(spec_.width - text.size(), ' ');
    return spec_.leftAlign ? text + padding : padding + text;
  }

  const String& format_;
  const std::vector<TVarRec>& args_;
  size_t at_ = 0;
  size_t next_ = 0;
  Spec spec_;
};

}  // namespace

String FormatList(const String& format, const std::vector<TVarRec>& args) { return Formatter(format, args).Run(); }
