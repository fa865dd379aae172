// The languages a DVD names by their two-letter codes (ISO 639-1), with the English
// names the engine reports for audio and subtitle streams.
#pragma once

#include <cstdint>

namespace disc {

int LanguageCount();
const char* LanguageNameAt(int index);          // nullptr out of range
const char* LanguageCode(int index);            // nullptr out of range
// The English name of a DVD language code (two letters, high byte first); the empty
// text for a code the table does not know or for "no language" (0 or 0xFFFF).
const char* LanguageNameOfCode(std::uint16_t code);

}  // namespace disc
