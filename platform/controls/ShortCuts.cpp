#include "platform/controls/ShortCuts.h"

#include <string>

#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

namespace {

struct KeyName {
  Word key;
  const char* name;
};

const KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"},  {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},    {VK_HOME, "Home"},     {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

struct ModifierName {
  TShortCut bit;
  const char* name;
};

// In the order the texts show them.
const ModifierName kModifierNames[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

String KeyText(Word key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + IntToStr(key - VK_F1 + 1);
  for (const KeyName& entry : kKeyNames)
    if (entry.key == key) return entry.name;
  // Any other key: the keyboard's own name for it.
  UINT scanCode = ::MapVirtualKeyA(key, 0 /* MAPVK_VK_TO_VSC */);
  char name[64] = {};
  if (scanCode && ::GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, sizeof name) > 0) return name;
  return String();
}

// "F" and a number from 1 to 24, as some definitions write it ("F01").
Word FunctionKeyOfText(const String& text) {
  int number = 0;
  if (text.size() < 2 || (text[0] != 'F' && text[0] != 'f') || !TryStrToInt(text.substr(1), number)) return 0;
  return number >= 1 && number <= 24 ? static_cast<Word>(VK_F1 + number - 1) : 0;
}

Word KeyOfText(const String& text) {
  for (Word key = 0x08; key <= 0xFF; ++key)
    if (SameText(KeyText(key), text)) return key;
  return FunctionKeyOfText(text);
}

}  // namespace

TShortCut ShortCut(Word key, TShiftState shift) {
  if (key > 0xFF) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

String ShortCutToText(TShortCut shortCut) {
  String name = KeyText(shortCut & 0xFF);
  if (name.empty()) return String();
  String result;
  for (const ModifierName& modifier : kModifierNames)
    if (shortCut & modifier.bit) result += modifier.name;
  return result + name;
}

bool TryTextToShortCut(const String& text, TShortCut& shortCut) {
  TShortCut modifiers = 0;
  String rest = text;
  for (bool found = true; found;) {
    found = false;
    for (const ModifierName& modifier : kModifierNames) {
      size_t length = std::char_traits<char>::length(modifier.name);
      if (rest.size() > length && SameText(rest.substr(0, length), modifier.name)) {
        modifiers |= modifier.bit;
        rest = rest.substr(length);
        found = true;
      }
    }
  }
  Word key = rest.empty() ? 0 : KeyOfText(rest);
  if (!key) return false;
  shortCut = static_cast<TShortCut>(key | modifiers);
  return true;
}

TShortCut TextToShortCut(const String& text) {
  TShortCut shortCut = scNone;
  return TryTextToShortCut(text, shortCut) ? shortCut : scNone;
}

String ShortCutValueToText(int shortCut) { return ShortCutToText(static_cast<TShortCut>(shortCut)); }

int TextToShortCutValue(const String& text) {
  if (text.empty()) return 0;
  TShortCut shortCut = scNone;
  return TryTextToShortCut(text, shortCut) ? shortCut : -1;
}
