// The mask edit: the mask parsed into positions, typed characters checked
// against their position, and the text checked for blanks on leaving.
#include "platform/stdctrls/MaskEdit.h"

#include <cctype>

namespace {

bool IsMaskCode(char c) { return String("09#LlAaCc").find(c) != String::npos; }

}  // namespace

void TCustomMaskEdit::SetEditMask(const String& value) {
  const String text = GetText();
  editMask_ = value;
  slots_.clear();
  saveLiterals_ = true;
  blank_ = '_';
  String mask = value;
  // The last two fields, when given: ";1;_".
  const size_t last = mask.rfind(';');
  if (last != String::npos && last > 0) {
    const size_t before = mask.rfind(';', last - 1);
    if (before != String::npos) {
      saveLiterals_ = mask.substr(before + 1, last - before - 1) != "0";
      if (last + 1 < mask.size()) blank_ = mask[last + 1];
      mask.resize(before);
    } else {
      saveLiterals_ = mask.substr(last + 1) != "0";
      mask.resize(last);
    }
  }
  int letterCase = 0;
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    Slot slot;
    if (c == '!') continue;
    if (c == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
      letterCase = 0;
      ++i;
      continue;
    }
    if (c == '>' || c == '<') {
      letterCase = c == '>' ? 1 : -1;
      continue;
    }
    if (c == '\\' && i + 1 < mask.size()) {
      slot.Literal = mask[++i];
    } else if (c == '_') {
      slot.Literal = ' ';
    } else if (IsMaskCode(c)) {
      slot.Code = c;
      slot.Case = letterCase;
    } else {
      slot.Literal = c;
    }
    slots_.push_back(slot);
  }
  if (HandleAllocated()) ::SendMessageA(Handle(), EM_LIMITTEXT, IsMasked() ? slots_.size() : MaxLength(), 0);
  SetTextValue(text);
}

bool TCustomMaskEdit::Required(const Slot& slot) {
  return slot.Code == '0' || slot.Code == 'L' || slot.Code == 'A' || slot.Code == 'C';
}

bool TCustomMaskEdit::Accepts(const Slot& slot, char c) const {
  const auto u = static_cast<unsigned char>(c);
  switch (slot.Code) {
    case '0': case '9': return std::isdigit(u) != 0;
    case '#': return std::isdigit(u) || c == '+' || c == '-';
    case 'L': case 'l': return std::isalpha(u) != 0;
    case 'A': case 'a': return std::isalnum(u) != 0;
    case 'C': case 'c': return u >= 32;
    default: return false;
  }
}

String TCustomMaskEdit::Blank() const {
  String text;
  for (const Slot& slot : slots_) text += slot.Literal ? slot.Literal : blank_;
  return text;
}

// Places `text` into the mask: with saved literals character by character at
// its position, otherwise the characters fill the input positions in order.
String TCustomMaskEdit::Format(const String& text, bool withLiterals) const {
  String result = Blank();
  size_t source = 0;
  for (size_t i = 0; i < slots_.size() && source < text.size(); ++i) {
    const Slot& slot = slots_[i];
    if (slot.Literal) {
      if (withLiterals) ++source;
      continue;
    }
    char c = text[source++];
    if (slot.Case > 0) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (slot.Case < 0) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    result[i] = Accepts(slot, c) ? c : blank_;
  }
  return result;
}

String TCustomMaskEdit::EditText() const { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const String& value) {
  TCustomEdit::SetTextValue(IsMasked() ? Format(value, true) : value);
}

String TCustomMaskEdit::GetText() const {
  const String shown = TCustomEdit::GetText();
  if (!IsMasked()) return shown;
  String text;
  for (size_t i = 0; i < slots_.size() && i < shown.size(); ++i) {
    const bool input = slots_[i].Literal == 0;
    if (!input && !saveLiterals_) continue;
    text += input && shown[i] == blank_ ? ' ' : shown[i];
  }
  if (!saveLiterals_)
    while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

void TCustomMaskEdit::SetTextValue(const String& value) {
  if (!IsMasked()) return TCustomEdit::SetTextValue(value);
  // Spaces in the text stand for blanks.
  TCustomEdit::SetTextValue(Format(value, saveLiterals_));
}

int TCustomMaskEdit::NextInput(int from) const {
  for (int i = std::max(0, from); i < static_cast<int>(slots_.size()); ++i)
    if (!slots_[static_cast<size_t>(i)].Literal) return i;
  return -1;
}

void TCustomMaskEdit::BlankRange(int start, int end, String& text) const {
  for (int i = start; i < end && i < static_cast<int>(text.size()); ++i)
    if (!slots_[static_cast<size_t>(i)].Literal) text[static_cast<size_t>(i)] = blank_;
}

// A typed character goes to the next input position at or after the caret,
// when it fits that position; the caret then moves past it.
void TCustomMaskEdit::TypeChar(char c) {
  if (ReadOnly()) return;
  String text = EditText();
  const int start = SelStart(), length = SelLength();
  const int position = NextInput(start);
  const Slot* slot = position >= 0 ? &slots_[static_cast<size_t>(position)] : nullptr;
  if (slot && slot->Case > 0) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (slot && slot->Case < 0) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!slot || !Accepts(*slot, c)) {
    ::MessageBeep(0);
    return;
  }
  BlankRange(start, start + length, text);
  text[static_cast<size_t>(position)] = c;
  TCustomEdit::SetTextValue(text);
  const int next = NextInput(position + 1);
  SetSelStart(next >= 0 ? next : static_cast<int>(slots_.size()));
}

void TCustomMaskEdit::Backspace() {
  if (ReadOnly()) return;
  const int start = SelStart(), length = SelLength();
  if (length > 0) return DeleteSelection(false);
  int position = start - 1;
  while (position >= 0 && slots_[static_cast<size_t>(position)].Literal) --position;
  if (position < 0) return;
  String text = EditText();
  BlankRange(position, position + 1, text);
  TCustomEdit::SetTextValue(text);
  SetSelStart(position);
}

void TCustomMaskEdit::DeleteSelection(bool forward) {
  if (ReadOnly()) return;
  const int start = SelStart();
  int end = start + SelLength();
  if (end == start && forward) end = start + 1;
  String text = EditText();
  BlankRange(start, end, text);
  TCustomEdit::SetTextValue(text);
  SetSelStart(start);
}

void TCustomMaskEdit::Dispatch(TMessage& message) {
  if (!IsMasked()) return TCustomEdit::Dispatch(message);
  switch (message.Msg) {
    case WM_CHAR: {
      // The key events see the character first.
      char key = static_cast<char>(message.WParam);
      KeyPress(key);
      if (key == 8) return Backspace();
      if (static_cast<unsigned char>(key) >= 32) return TypeChar(key);
      if (key != 0) TCustomEdit::Dispatch(message);
      return;
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_DELETE) {
        Word key = VK_DELETE;
        KeyDown(key, 0);
        if (key != 0) DeleteSelection(true);
        return;
      }
      break;
    case WM_CLEAR: return DeleteSelection(false);
    case WM_CUT:
      TCustomEdit::Dispatch(message = MakeMessage(WM_COPY));
      return DeleteSelection(false);
    case WM_PASTE: {
      String pasted;
      if (::OpenClipboard(Handle())) {
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
          if (auto text = static_cast<const char*>(::GlobalLock(data))) pasted = text;
          ::GlobalUnlock(data);
        }
        ::CloseClipboard();
      }
      for (char c : pasted) TypeChar(c);
      return;
    }
    default:
      break;
  }
  TCustomEdit::Dispatch(message);
}

void TCustomMaskEdit::CMExit(TMessage& message) {
  ValidateEdit();
  TCustomEdit::CMExit(message);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const String text = EditText();
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (Required(slots_[i]) && (i >= text.size() || text[i] == blank_ || text[i] == ' ')) {
      if (HandleAllocated()) SetSelStart(static_cast<int>(i));
      ValidateError();
      return;
    }
  }
}

void TCustomMaskEdit::ValidateError() {
  ::MessageBeep(0);
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}
