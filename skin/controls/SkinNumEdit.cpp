#include "skin/controls/SkinNumEdit.h"

#include <cstdint>

#include "platform/core/SysUtils.h"

bool TspSkinNumEdit::IsValidChar(char key) const {
  const unsigned char c = static_cast<unsigned char>(key);
  const char separator = DecimalSeparator;
  bool valid = key == '-' || (key >= '0' && key <= '9') || (c < 32 && c != 13) || (Float && key == separator);
  if (!EditorEnabled && (c == 8 || c >= 32)) valid = false;
  String text = Text();
  if (Float && key == separator && text.find(separator) != String::npos) valid = false;
  if (key == '-' && text.find('-') != String::npos) valid = false;
  return valid;
}

void TspSkinNumEdit::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_UP) return OnUpClick(this);
  if (key == VK_DOWN) return OnDownClick(this);
  TspCustomEdit::KeyDown(key, shift);
}

void TspSkinNumEdit::KeyPress(char& key) {
  if (!IsValidChar(key)) {
    key = 0;
    ::MessageBeep(0);
    return;
  }
  TspCustomEdit::KeyPress(key);
}

void TspSkinNumEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEWHEEL:
      // Turned away from the user (a positive delta) steps down.
      if (static_cast<std::int32_t>(message.WParam) > 0) OnDownClick(this);
      else OnUpClick(this);
      return;
    case CM_MOUSEENTER:
      TspCustomEdit::Dispatch(message);
      return OnMouseEnterHook(this);
    case CM_MOUSELEAVE:
      TspCustomEdit::Dispatch(message);
      return OnMouseLeaveHook(this);
    default:
      TspCustomEdit::Dispatch(message);
  }
}
