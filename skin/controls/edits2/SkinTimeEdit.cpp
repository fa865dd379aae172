#include "skin/controls/edits2/SkinTimeEdit.h"

#include <algorithm>
#include <cstdio>

#include "platform/core/LocaleSettings.h"

namespace {

// Blanks in a field read as '0'.
String CheckSpace(String s) {
  std::replace(s.begin(), s.end(), ' ', '0');
  return s;
}

}  // namespace

TspSkinTimeEdit::TspSkinTimeEdit(TComponent* owner) : TspSkinMaskEdit(owner) { ApplyMode(); }

String TspSkinTimeEdit::EmptyText() const {
  String sep(1, LocaleSettings().TimeSeparator);
  if (!showSeconds_) return "00" + sep + "00";
  return "00" + sep + "00" + sep + "00" + (showMilliseconds_ ? ".000" : "");
}

void TspSkinTimeEdit::ApplyMode() {
  char sep = LocaleSettings().TimeSeparator;
  String literal = String("09#LlAaCc<>\\_!;").find(sep) != String::npos ? String("\\") + sep : String(1, sep);
  String mask = !showSeconds_ ? "!90" + literal + "00;1; "
                : showMilliseconds_ ? "!90" + literal + "00" + literal + "00.000;1; "
                                    : "!90" + literal + "00" + literal + "00;1; ";
  SetEditMask(mask);
  SetText(EmptyText());
}

void TspSkinTimeEdit::SetShowSeconds(bool value) {
  if (value == showSeconds_) return;
  showSeconds_ = value;
  ApplyMode();
}

void TspSkinTimeEdit::SetShowMilliseconds(bool value) {
  if (value == showMilliseconds_) return;
  showMilliseconds_ = value;
  if (value) showSeconds_ = true;
  ApplyMode();
}

bool TspSkinTimeEdit::IsValidTime(Integer h, Integer m, Integer s, Integer ms) {
  if (h == 24 && m == 0 && s == 0 && ms == 0) return true;
  return h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60 && ms >= 0 && ms < 1000;
}

void TspSkinTimeEdit::SetValidTime(Integer& h, Integer& m, Integer& s, Integer& ms) {
  h = std::min<Integer>(h, 23);
  m = std::min<Integer>(m, 59);
  s = std::min<Integer>(s, 59);
  ms = std::min<Integer>(ms, 999);
}

bool TspSkinTimeEdit::Field(const String& text, size_t from, size_t length, Integer& value) {
  if (text.size() < from - 1 + length) return false;
  String part = CheckSpace(text.substr(from - 1, length));
  if (!std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  value = std::stoi(part);
  return true;
}

String TspSkinTimeEdit::Formatted(Integer h, Integer m, Integer s, Integer ms, bool withMs) const {
  char sep = LocaleSettings().TimeSeparator;
  char text[64];
  if (withMs) std::snprintf(text, sizeof text, "%2.2d%c%2.2d%c%2.2d.%3.3d", h, sep, m, sep, s, ms);
  else if (showSeconds_) std::snprintf(text, sizeof text, "%2.2d%c%2.2d%c%2.2d", h, sep, m, sep, s);
  else std::snprintf(text, sizeof text, "%2.2d%c%2.2d", h, sep, m);
  return text;
}

void TspSkinTimeEdit::SetTime(const String& value) {
  Integer h = 0, m = 0, s = 0, ms = 0;
  bool ok = Field(value, 1, 2, h) && Field(value, 4, 2, m) && (!showSeconds_ || Field(value, 7, 2, s)) &&
            (!showMilliseconds_ || Field(value, 10, 3, ms));
  SetText(ok ? Formatted(h, m, s, ms, showMilliseconds_) : EmptyText());
}

void TspSkinTimeEdit::DecodeTime(Integer& h, Integer& m, Integer& s, Integer& ms) {
  String text = Text();
  auto read = [&](size_t from, size_t length, bool present) {
    Integer v = 0;
    if (!present || !Field(text, from, length, v)) v = 0;
    return v;
  };
  h = read(1, 2, true);
  m = read(4, 2, true);
  s = read(7, 2, showSeconds_);
  ms = read(10, 3, showMilliseconds_);
  SetValidTime(h, m, s, ms);
}

void TspSkinTimeEdit::EncodeTime(Integer h, Integer m, Integer s, Integer ms) {
  if (!IsValidTime(h, m, s, ms)) return;
  SetText(Formatted(h, m, s, ms, showMilliseconds_));
}

Integer TspSkinTimeEdit::Milliseconds() {
  String text = Text();
  Integer h, m, s, ms;
  if (!Field(text, 1, 2, h) || !Field(text, 4, 2, m) || !Field(text, 7, 2, s) || !Field(text, 10, 3, ms)) return 0;
  return ((h * 60 + m) * 60 + s) * 1000 + ms;
}

void TspSkinTimeEdit::SetMilliseconds(Integer value) {
  value = std::max<Integer>(value, 0);
  SetText(Formatted(value / 3600000, value / 60000 % 60, value / 1000 % 60, value % 1000, true));
}

// The candidate text, with the character after the caret replaced by a digit,
// must still read as a time.
void TspSkinTimeEdit::KeyPress(char& key) {
  if (key != 13 && key != 8) {
    if (SelLength() > 1) SetSelLength(1);
    String candidate = Text();
    auto at = static_cast<size_t>(SelStart());
    if (IsValidChar(key) && at < candidate.size()) candidate[at] = key;
    Integer h = 0, m = 0, s = 0, ms = 0;
    bool ok = Field(candidate, 1, 2, h) && Field(candidate, 4, 2, m) && (!showSeconds_ || Field(candidate, 7, 2, s)) &&
              (!showMilliseconds_ || Field(candidate, 10, 3, ms));
    if (!ok || !IsValidTime(h, m, s, ms)) key = 0;
  }
  TspSkinMaskEdit::KeyPress(key);
}
