#include "app/OutputFileName.h"

#include <cstdio>
#include <cstring>

#include "platform/core/SysUtils.h"

namespace {

String TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// A zero-terminated text of a fixed-size field that the engine may fill to the end.
String FieldText(const char* field, size_t size) { return String(field, ::strnlen(field, size)); }

String AudioExtensionText(int code) {
  if (code == 2) return "Visually Impaired";
  if (code == 3 || code == 4) return "Director's Comments";
  return String();
}

String CaptionKindText(int kind) {
  switch (kind) {
    case 1: return "Normal Captions";
    case 2: return "Big Captions";
    case 3: return "Captions For Children";
    case 5: return "Normal Closed Captions";
    case 6: return "Big Closed Captions";
    case 7: return "Closed Captions For Children";
    case 9: return "Forcedly Activated";
    case 13: return "Director's Comments";
    case 14: return "Large-Sized Director's Comments";
    case 15: return "Director's Comments for Children";
    default: return String();
  }
}

bool IsDeviceName(const String& text) {
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CLOCK$", "CONIN$", "CONOUT$"};
  String stem = UpperCase(TrimRight(text.substr(0, text.find('.'))));
  for (const char* device : kDevices) {
    if (stem == device) return true;
  }
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

String ReplaceFirst(const String& text, const String& token, const String& value) {
  if (token.empty()) return text;
  size_t at = text.find(token);
  if (at == String::npos) return text;
  return text.substr(0, at) + value + text.substr(at + token.size());
}

String SafeFileNamePart(const String& text) {
  String safe = text;
  for (char& c : safe) {
    if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr) c = '_';
  }
  if (!safe.empty() && safe.find_first_not_of('.') == String::npos) safe.assign(safe.size(), '_');
  if (IsDeviceName(safe)) safe.insert(0, "_");
  return safe;
}

String BuildOutputFileName(const String& pattern, const String& volumeLabel, const TitleBeginInfo& info) {
  const String clipText = TwoDigits(info.ClipNumber);
  const String angleText = TwoDigits(info.AngleIndex + 1);
  String name = pattern;
  name = ReplaceFirst(name, "<volumelabel>", SafeFileNamePart(volumeLabel));
  name = ReplaceFirst(name, "<title_index>", TwoDigits(info.TitleIndex + 1));
  name = ReplaceFirst(name, "<chapter_index>", TwoDigits(info.ChapterIndex + 1));
  name = ReplaceFirst(name, "<angle_index>", angleText);
  name = ReplaceFirst(name, "[angle_index]", info.AngleIndex != 0 ? "_Angle" + angleText : String());
  name = ReplaceFirst(name, "<clips_number>", clipText);
  name = ReplaceFirst(name, "[clips_number]", info.ClipNumber >= 2 ? "_Clips" + clipText : String());
  name = ReplaceFirst(name, "<audio_lang>",
                      SafeFileNamePart(FieldText(info.AudioLanguage, sizeof info.AudioLanguage)));
  name = ReplaceFirst(name, "<audio_ext>", AudioExtensionText(info.AudioExtension));
  name = ReplaceFirst(name, "<subtitle_lang>",
                      SafeFileNamePart(FieldText(info.SubtitleLanguage, sizeof info.SubtitleLanguage)));
  name = ReplaceFirst(name, "<subtitle_ext>", CaptionKindText(info.CaptionKind));
  return Trim(name);
}
