#include "platform/published/FormText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/core/SysUtils.h"

TFormValue TFormValue::OfInteger(Int64 value) {
  TFormValue made;
  made.Kind = vkInteger;
  made.Integer = value;
  return made;
}

TFormValue TFormValue::OfFloat(double value) {
  TFormValue made;
  made.Kind = vkFloat;
  made.Float = value;
  return made;
}

TFormValue TFormValue::OfString(const String& text) {
  TFormValue made;
  made.Kind = vkString;
  made.Text = text;
  return made;
}

TFormValue TFormValue::OfIdent(const String& ident) {
  TFormValue made;
  made.Kind = vkIdent;
  made.Text = ident;
  return made;
}

namespace {

constexpr int kMaxDepth = 64;  // nesting of objects, lists and collections

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A reader over the characters of the text; each parse function leaves the
// position after what it read and before the next blank.
class TextParser {
public:
  TextParser(const String& text, const String& source) : text_(text), source_(source) {}

  TFormObject ParseRoot() {
    SkipBlanks();
    TFormObject root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail("text after the last 'end'");
    return root;
  }

private:
  [[noreturn]] void Fail(const String& what) const {
    throw EFormDefinitionError(source_ + ", line " + IntToStr(line_) + ": " + what);
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  void SkipBlanks() {
    while (!AtEnd()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && Peek(1) == '/') {
        while (!AtEnd() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  // An identifier with optional dotted parts ("Font.Style", "ResourceForm.Skin").
  String ReadIdent(const String& expected) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail(expected + " expected");
    size_t start = pos_;
    while (IsIdentChar(Peek()) || (Peek() == '.' && IsIdentStart(Peek(1)))) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  bool NextWordIs(const char* word) {
    SkipBlanks();
    size_t length = std::char_traits<char>::length(word);
    if (pos_ + length > text_.size()) return false;
    if (!SameText(text_.substr(pos_, length), word)) return false;
    return !IsIdentChar(Peek(length)) && Peek(length) != '.';
  }

  void Expect(char symbol) {
    SkipBlanks();
    if (Peek() != symbol) Fail(String("'") + symbol + "' expected");
    ++pos_;
  }

  TFormObject ParseObject(int depth) {
    if (depth > kMaxDepth) Fail("objects nested too deeply");
    if (!NextWordIs("object")) Fail("'object' expected");
    TFormObject object;
    object.Line = line_;
    pos_ += 6;
    object.Name = ReadIdent("component name");
    if (object.Name.find('.') != String::npos) Fail("component name expected");
    Expect(':');
    object.ClassName = ReadIdent("class name");
    while (true) {
      SkipBlanks();
      if (AtEnd()) Fail("'end' expected");
      if (NextWordIs("end")) {
        pos_ += 3;
        return object;
      }
      if (NextWordIs("object")) {
        object.Children.push_back(ParseObject(depth + 1));
        continue;
      }
      object.Properties.push_back(ParseProperty(depth));
    }
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    property.Line = line_;
    property.Name = ReadIdent("property name");
    Expect('=');
    property.Value = ParseValue(depth + 1);
    return property;
  }

  TFormValue ParseValue(int depth) {
    if (depth > kMaxDepth) Fail("values nested too deeply");
    SkipBlanks();
    char c = Peek();
    if (c == '\'' || c == '#') return TFormValue::OfString(ParseString());
    if (c == '-' || c == '+' || c == '$' || IsDigit(c)) return ParseNumber();
    if (IsIdentStart(c)) {
      // The words that close or open a block are no values: "Left =" at the end
      // of a line is a missing value, not an identifier "end".
      if (NextWordIs("end") || NextWordIs("object") || NextWordIs("item")) Fail("value expected");
      return TFormValue::OfIdent(ReadIdent("value"));
    }
    if (c == '[') return ParseSet();
    if (c == '(') return ParseList(depth);
    if (c == '<') return ParseCollection(depth);
    if (c == '{') return ParseBinary();
    Fail("value expected");
  }

  // Quoted pieces and #nn characters, joined; '+' continues on the next line.
  String ParseString() {
    String result;
    while (true) {
      char c = Peek();
      if (c == '\'') {
        ++pos_;
        while (true) {
          if (AtEnd() || Peek() == '\n') Fail("unterminated string");
          if (Peek() == '\'') {
            if (Peek(1) != '\'') break;
            ++pos_;
          }
          result += text_[pos_++];
        }
        ++pos_;
      } else if (c == '#') {
        ++pos_;
        if (!IsDigit(Peek())) Fail("character code expected after '#'");
        int code = 0;
        while (IsDigit(Peek())) {
          code = code * 10 + (text_[pos_++] - '0');
          if (code > 255) Fail("character code above 255");
        }
        result += static_cast<char>(code);
      } else {
        size_t mark = pos_;
        int markLine = line_;
        SkipBlanks();
        if (Peek() == '+') {
          ++pos_;
          SkipBlanks();
          if (Peek() == '\'' || Peek() == '#') continue;
          Fail("string expected after '+'");
        }
        pos_ = mark;
        line_ = markLine;
        return result;
      }
    }
  }

  TFormValue ParseNumber() {
    size_t start = pos_;
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') negative = text_[pos_++] == '-';
    if (Peek() == '$') {
      ++pos_;
      Int64 value = 0;
      int digits = 0;
      for (; HexValue(Peek()) >= 0; ++digits) {
        if (digits == 16) Fail("number too large");
        value = static_cast<Int64>((static_cast<std::uint64_t>(value) << 4) | HexValue(text_[pos_++]));
      }
      if (digits == 0) Fail("hexadecimal digits expected");
      return TFormValue::OfInteger(negative ? -value : value);
    }
    if (!IsDigit(Peek())) Fail("number expected");
    bool isFloat = false;
    while (IsDigit(Peek())) ++pos_;
    if (Peek() == '.' && IsDigit(Peek(1))) {
      isFloat = true;
      ++pos_;
      while (IsDigit(Peek())) ++pos_;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      isFloat = true;
      ++pos_;
      if (Peek() == '-' || Peek() == '+') ++pos_;
      if (!IsDigit(Peek())) Fail("exponent expected");
      while (IsDigit(Peek())) ++pos_;
    }
    String number = text_.substr(start, pos_ - start);
    if (isFloat) return TFormValue::OfFloat(std::strtod(number.c_str(), nullptr));
    Int64 value = 0;
    if (!TryStrToInt64(number[0] == '+' ? number.substr(1) : number, value)) Fail("number out of range: " + number);
    return TFormValue::OfInteger(value);
  }

  TFormValue ParseSet() {
    TFormValue set;
    set.Kind = vkSet;
    Expect('[');
    SkipBlanks();
    if (Peek() == ']') {
      ++pos_;
      return set;
    }
    while (true) {
      String name = ReadIdent("set element");
      set.Names.push_back(name);
      SkipBlanks();
      if (Peek() == ']') break;
      Expect(',');
    }
    ++pos_;
    return set;
  }

  TFormValue ParseList(int depth) {
    TFormValue list;
    list.Kind = vkList;
    Expect('(');
    while (true) {
      SkipBlanks();
      if (AtEnd() || NextWordIs("end")) Fail("')' expected");
      if (Peek() == ')') break;
      list.Items.push_back(ParseValue(depth + 1));
    }
    ++pos_;
    return list;
  }

  TFormValue ParseCollection(int depth) {
    TFormValue collection;
    collection.Kind = vkCollection;
    Expect('<');
    while (true) {
      SkipBlanks();
      if (Peek() == '>') break;
      if (!NextWordIs("item")) Fail("'item' or '>' expected");
      pos_ += 4;
      std::vector<TFormProperty> properties;
      while (true) {
        SkipBlanks();
        if (AtEnd()) Fail("'end' expected");
        if (NextWordIs("end")) break;
        properties.push_back(ParseProperty(depth));
      }
      pos_ += 3;
      collection.Elements.push_back(std::move(properties));
    }
    ++pos_;
    return collection;
  }

  TFormValue ParseBinary() {
    TFormValue binary;
    binary.Kind = vkBinary;
    Expect('{');
    if (NextWordIs("file")) {
      pos_ += 4;
      SkipBlanks();
      if (Peek() != '\'') Fail("file name expected");
      binary.Text = ParseString();
      binary.FromFile = true;
      if (binary.Text.empty()) Fail("file name expected");
      Expect('}');
      return binary;
    }
    int high = -1;
    while (true) {
      SkipBlanks();
      if (AtEnd()) Fail("'}' expected");
      if (Peek() == '}') break;
      int digit = HexValue(Peek());
      if (digit < 0) Fail("hexadecimal digit expected");
      ++pos_;
      if (high < 0) {
        high = digit;
      } else {
        binary.Bytes += static_cast<char>(high * 16 + digit);
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hexadecimal digits");
    ++pos_;
    return binary;
  }

  const String& text_;
  String source_;
  size_t pos_ = 0;
  int line_ = 1;
};

// ---------------------------------------------------------------------------
// Printing

const char* const kNewLine = "\r\n";

String Indent(int level) { return String(static_cast<size_t>(level) * 2, ' '); }

String FloatText(double value) {
  // The shortest of 15 or 17 digits that reads back as the same number.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  if (std::strtod(buffer, nullptr) != value) std::snprintf(buffer, sizeof buffer, "%.17g", value);
  String text = buffer;
  // A float keeps its point so that it reads back as a float.
  if (text.find_first_of(".eEn") == String::npos) text += ".0";
  return text;
}

void PrintProperties(const std::vector<TFormProperty>& properties, int level, String& out);

void PrintValue(const TFormValue& value, int level, String& out) {
  switch (value.Kind) {
    case vkInteger:
      if (value.Hex && value.Integer >= INT32_MIN && value.Integer <= UINT32_MAX)
        out += "$" + IntToHex(static_cast<std::uint32_t>(value.Integer), 8);
      else
        out += IntToStr(value.Integer);
      break;
    case vkFloat: out += FloatText(value.Float); break;
    case vkString: out += QuoteFormString(value.Text); break;
    case vkIdent: out += value.Text; break;
    case vkSet: {
      out += '[';
      for (size_t i = 0; i < value.Names.size(); ++i) out += (i ? ", " : "") + value.Names[i];
      out += ']';
      break;
    }
    case vkList: {
      out += '(';
      for (const TFormValue& item : value.Items) {
        out += kNewLine + Indent(level + 1);
        PrintValue(item, level + 1, out);
      }
      out += ')';
      break;
    }
    case vkCollection: {
      out += '<';
      for (const std::vector<TFormProperty>& element : value.Elements) {
        out += kNewLine + Indent(level + 1) + "item" + kNewLine;
        PrintProperties(element, level + 2, out);
        out += Indent(level + 1) + "end";
      }
      out += '>';
      break;
    }
    case vkBinary: {
      if (value.FromFile) {
        out += "{file " + QuoteFormString(value.Text) + "}";
        break;
      }
      out += '{';
      static const char digits[] = "0123456789ABCDEF";
      for (size_t i = 0; i < value.Bytes.size(); ++i) {
        if (i % 32 == 0) out += kNewLine + Indent(level + 1);
        Byte b = static_cast<Byte>(value.Bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
      }
      out += '}';
      break;
    }
  }
}

void PrintProperties(const std::vector<TFormProperty>& properties, int level, String& out) {
  for (const TFormProperty& property : properties) {
    out += Indent(level) + property.Name + " = ";
    PrintValue(property.Value, level, out);
    out += kNewLine;
  }
}

void PrintObject(const TFormObject& object, int level, String& out) {
  out += Indent(level) + "object " + object.Name + ": " + object.ClassName + kNewLine;
  PrintProperties(object.Properties, level + 1, out);
  for (const TFormObject& child : object.Children) PrintObject(child, level + 1, out);
  out += Indent(level) + "end" + kNewLine;
}

}  // namespace

TFormObject ParseFormText(const String& text, const String& source) {
  return TextParser(text, source).ParseRoot();
}

String PrintFormText(const TFormObject& root) {
  String out;
  PrintObject(root, 0, out);
  return out;
}

String QuoteFormString(const String& text) {
  String out;
  bool quoted = false;
  for (char c : text) {
    Byte b = static_cast<Byte>(c);
    if (b < 32 || b == 127) {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + IntToStr(b);
      continue;
    }
    if (!quoted) out += '\'';
    quoted = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (quoted) out += '\'';
  if (out.empty()) out = "''";
  return out;
}
