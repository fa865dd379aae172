#include "skin/controls/edits2/SkinNumericEdit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/core/SysUtils.h"

TspSkinNumericEdit::TspSkinNumericEdit(TComponent* owner) : TspSkinEdit(owner) {
  SetWidth(120);
  SetHeight(20);
  SetText("0");
}

double TspSkinNumericEdit::CheckValue(double value) const {
  if (MaxValue == MinValue) return value;
  if (value < MinValue) return MinValue;
  if (value > MaxValue) return MaxValue;
  return value;
}

String TspSkinNumericEdit::ValueText(double value) const {
  char text[400];
  if (ValueType == vtFloat) std::snprintf(text, sizeof text, "%.*f", static_cast<int>(Decimal), value);
  else std::snprintf(text, sizeof text, "%.0f", std::nearbyint(value));
  String s = text;
  if (ValueType == vtFloat && DecimalSeparator != '.')
    for (char& c : s)
      if (c == '.') c = DecimalSeparator;
  return s;
}

void TspSkinNumericEdit::WriteText(double value) {
  bool was = updating_;
  updating_ = true;
  SetText(ValueText(value));
  updating_ = was;
}

void TspSkinNumericEdit::SetValue(double value) {
  value_ = CheckValue(value);
  WriteText(value_);
}

bool TspSkinNumericEdit::IsNumText(const String& text) const {
  if (text.empty() || text == "-") return false;
  bool separatorSeen = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') continue;
    if (c == '-' && i == 0) continue;
    if (ValueType == vtFloat && c == DecimalSeparator && i != 0 && !separatorSeen) {
      separatorSeen = true;
      continue;
    }
    return false;
  }
  return true;
}

bool TspSkinNumericEdit::IsValidChar(char key) const {
  const auto c = static_cast<unsigned char>(key);
  const char separator = DecimalSeparator;
  bool valid = key == '-' || (key >= '0' && key <= '9') || (c < 32 && c != 13) ||
               (ValueType == vtFloat && key == separator);
  if (ReadOnly() && (c == 8 || c >= 32)) valid = false;
  String text = Text();
  if (ValueType == vtFloat && key == separator && text.find(separator) != String::npos) valid = false;
  if (key == '-' && text.find('-') != String::npos) valid = false;
  return valid;
}

void TspSkinNumericEdit::KeyPress(char& key) {
  if (!IsValidChar(key)) {
    key = 0;
    ::MessageBeep(0);
  }
  TspSkinEdit::KeyPress(key);
}

void TspSkinNumericEdit::KeyDown(Word& key, TShiftState shift) {
  TspSkinEdit::KeyDown(key, shift);
  if (!SupportUpDownKeys) return;
  if (key == VK_UP) SetValue(value_ + Increment);
  else if (key == VK_DOWN) SetValue(value_ - Increment);
}

// A number of any length is read wide and clamped: nothing raises.
void TspSkinNumericEdit::Change() {
  if (rewriting_) return;
  if (!updating_) {
    String typed = Text();
    if (IsNumText(typed)) {
      String readable = typed;
      for (char& c : readable)
        if (c == DecimalSeparator) c = '.';
      double v = std::strtod(readable.c_str(), nullptr);
      bool clamped = false;
      if (ValueType == vtInteger) {
        v = std::trunc(v);
        double inRange = std::clamp(v, -2147483648.0, 2147483647.0);
        clamped = inRange != v;
        v = inRange;
      }
      double c = CheckValue(v);
      if (c != value_) value_ = c;
      bool rewrite = (c < v && !(c < 0 && v < 0)) || (c > v && c < 0 && v < 0) || (MinValue > 0 && v < 0) ||
                     (MaxValue < 0 && v > 0);
      if (rewrite || clamped) {
        rewriting_ = true;
        SetText(ValueText(c));
        rewriting_ = false;
      }
    }
  }
  TspSkinEdit::Change();
}

void TspSkinNumericEdit::Dispatch(TMessage& message) {
  TspSkinEdit::Dispatch(message);
  if (message.Msg != WM_KILLFOCUS) return;
  WriteText(value_);
  if (ValueType != vtFloat) return;
  String readable = Text();
  for (char& c : readable)
    if (c == DecimalSeparator) c = '.';
  double shown = std::strtod(readable.c_str(), nullptr);
  if (shown == value_) return;
  value_ = shown;  // the value rounded to Decimal digits, as the text shows it
  OnChange(this);
}
