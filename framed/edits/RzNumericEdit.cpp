#include "framed/edits/RzNumericEdit.h"

#include <cmath>

#include "platform/core/FormatFloat.h"
#include "platform/core/SysUtils.h"

TRzNumericEdit::TRzNumericEdit(TComponent* owner) : TRzEdit(owner) {
  ControlStyle &= ~csSetCaption;
  SetBounds(Left(), Top(), 65, 21);
  SetAlignment(taRightJustify);
  SetValue(0);
  SetText(FormatText(lastValue_));
}

Extended TRzNumericEdit::RoundHalfEven(Extended value) { return std::nearbyint(value); }

String TRzNumericEdit::FormatText(Extended value) { return FormatFloat(displayFormat_, value); }

Extended TRzNumericEdit::EvaluateText() {
  const String text = Text();
  if (text.empty()) return 0;
  const bool negative = text.find_first_of("-(") != String::npos;
  String kept;
  for (char c : text)
    if ((c >= '0' && c <= '9') || c == DecimalSeparator) kept += c;
  if (kept.empty()) return 0;
  return StrToFloatDef(negative ? "-" + kept : kept, 0);
}

Extended TRzNumericEdit::GetValue() {
  try {
    if (!Text().empty()) return EvaluateText();
    if (AllowBlank) return BlankValue;
    SetText(FormatText(min_));
    return EvaluateText();
  } catch (const std::exception&) {
    return min_;
  }
}

void TRzNumericEdit::SetValue(Extended value) {
  if (value != EvaluateText()) SetText(FormatText(value));
}

void TRzNumericEdit::SetIntegersOnly(bool value) {
  if (integersOnly_ == value) return;
  integersOnly_ = value;
  if (value) SetValue(RoundHalfEven(GetValue()));
}

void TRzNumericEdit::SetMin(Extended value) {
  if (min_ == value) return;
  min_ = value;
  if (min_ > max_) max_ = min_;
  Invalidate();
}

void TRzNumericEdit::SetMax(Extended value) {
  if (max_ == value) return;
  max_ = value;
  if (max_ < min_) min_ = max_;
  Invalidate();
}

void TRzNumericEdit::SetDisplayFormat(const String& value) {
  if (displayFormat_ == value) return;
  displayFormat_ = value;
  SetValue(GetValue());
  if (!HasState(csLoading)) SetText(FormatText(GetValue()));
}

void TRzNumericEdit::RangeError(Extended entered, Extended adjusted, bool& autoCorrect) {
  OnRangeError(this, entered, adjusted, autoCorrect);
}

Extended TRzNumericEdit::CheckValue(Extended value, bool& keepFocus) {
  Extended result = value;
  if (min_ != max_ || CheckRange) {
    const bool below = value < min_, above = !below && value > max_;
    if (below || above) {
      const Extended bound = below ? min_ : max_;
      bool autoCorrect = true;
      RangeError(value, bound, autoCorrect);
      if (autoCorrect)
        result = bound;
      else
        keepFocus = true;
    }
  }
  lastValue_ = result;
  return result;
}

void TRzNumericEdit::Loaded() {
  TRzEdit::Loaded();
  formatting_ = true;
  try {
    lastValue_ = EvaluateText();
    SetText(FormatText(lastValue_));
  } catch (...) {
    formatting_ = false;
    throw;
  }
  formatting_ = false;
}

void TRzNumericEdit::Change() {
  if (!HasState(csLoading) && !formatting_) TRzEdit::Change();
}

// Digits, signs and (unless whole numbers only) one decimal separator; nothing
// may be typed in front of a sign.
bool TRzNumericEdit::IsValidChar(char key) {
  const bool separator = key == DecimalSeparator && !integersOnly_;
  const bool sign = key == '+' || key == '-';
  const bool digit = key >= '0' && key <= '9';
  const bool control = static_cast<unsigned char>(key) < 32 && key != '\r';
  if (!(separator || sign || digit || control)) return false;
  const String text = Text();
  const String selected = SelText();
  const int start = SelStart();
  const bool hasSeparator = text.find(DecimalSeparator) != String::npos;
  if (separator)
    return selected.empty() ? !hasSeparator : !hasSeparator || selected.find(DecimalSeparator) != String::npos;
  if (sign) {
    const bool hasSign = text.find_first_of("+-") != String::npos;
    if (start == 0 && !hasSign) return true;
    return (SelLength() == static_cast<int>(text.size()) && !text.empty()) ||
           (start == 0 && !selected.empty() && selected.find_first_of("+-") != String::npos);
  }
  return !(start == 0 && selected.empty() && !text.empty() && (text[0] == '+' || text[0] == '-'));
}

void TRzNumericEdit::KeyPress(char& key) {
  TRzEdit::KeyPress(key);
  if (key != 0 && !IsValidChar(key)) {
    key = 0;
    ::MessageBeep(0);
  }
}

// Pasted or cut text is taken as it is unless the edit is read-only.
void TRzNumericEdit::Dispatch(TMessage& message) {
  if ((message.Msg == WM_PASTE || message.Msg == WM_CUT) && ReadOnly()) return;
  TRzEdit::Dispatch(message);
}

void TRzNumericEdit::CMEnter(TMessage& message) {
  lastValue_ = EvaluateText();
  if (!AllowBlank) SetText(FormatText(lastValue_));
  TRzEdit::CMEnter(message);
}

void TRzNumericEdit::CMExit(TMessage& message) {
  if (AllowBlank && Text().empty()) return TRzEdit::CMExit(message);
  Extended value = min_;
  try {
    bool keepFocus = false;
    value = CheckValue(EvaluateText(), keepFocus);
    if (keepFocus) {
      // The handler refused the correction: the user goes on editing the text as typed.
      SetFocus();
      return;
    }
  } catch (const std::exception&) {
    value = min_;
    SetValue(min_);
  }
  SetText(FormatText(value));
  TRzEdit::CMExit(message);
}
