// Keyboard shortcuts and their texts: one key table, one parser and one printer
// for menus, actions and form definitions. A text is "Shift+", "Ctrl+", "Alt+" (in
// this order) and the key's name: "Ctrl+D", "F1", "Shift+Del".
#pragma once

#include "platform/core/System.h"

// A keyboard shortcut: the virtual-key code in the low byte plus the modifier bits.
using TShortCut = Word;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The modifier keys and mouse buttons held during an input event.
enum TShiftStateFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = unsigned;

// The shortcut of a virtual key with modifiers; scNone for a key above 0xFF.
TShortCut ShortCut(Word key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);

// The printer: the modifiers and the key's name (the keyboard's own name for a key
// the table does not name); empty for scNone and for a key without a name.
String ShortCutToText(TShortCut shortCut);
// The parser: modifiers in any order and case, then a letter or digit, F1 to F24
// (also written with a leading zero, "F01"), a key of the table ("Del", "PgUp") or a
// keyboard key name; false for text that names no key.
bool TryTextToShortCut(const String& text, TShortCut& shortCut);
// The parser for menus and actions: scNone for text that names no key.
TShortCut TextToShortCut(const String& text);

// The same for the integers of form definitions: 0 for none; TextToShortCutValue
// answers 0 for an empty text and -1 for a text that is no shortcut.
constexpr int kShortCutShift = scShift;
constexpr int kShortCutCtrl = scCtrl;
constexpr int kShortCutAlt = scAlt;
String ShortCutValueToText(int shortCut);
int TextToShortCutValue(const String& text);
