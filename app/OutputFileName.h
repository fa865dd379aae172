// Output file names: the expansion of a naming pattern's tokens for one output
// piece, and the first-occurrence replacement it is built on.
#pragma once

#include "engines/include/EngineRecords.h"
#include "platform/core/System.h"

// `text` with the first occurrence of `token` (case-sensitive) replaced by `value`;
// unchanged when the token is absent or empty.
String ReplaceFirst(const String& text, const String& token, const String& value);

// Makes a text from the disc (volume label, language name) safe as a part of a file
// name: characters a file name cannot hold become '_', a text of dots only cannot
// name a parent folder, and a device name (CON, NUL, COM1, ...) gets a leading '_'.
String SafeFileNamePart(const String& text);

// The base name (no folder, no extension) of one output file: the pattern with its
// tokens <volumelabel>, <title_index>, <chapter_index>, <angle_index>, [angle_index],
// <clips_number>, [clips_number], <audio_lang>, <audio_ext>, <subtitle_lang> and
// <subtitle_ext> replaced once each, in that order, then trimmed. Backslashes of the
// pattern stay; the label and the languages are made safe first.
String BuildOutputFileName(const String& pattern, const String& volumeLabel, const TitleBeginInfo& info);
