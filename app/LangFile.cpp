#include "app/LangFile.h"

#include "platform/io/IniDocument.h"
#include "platform/io/Streams.h"

namespace {

bool HasKey(const LangFile::Entries& entries, const String& key) {
  for (const auto& entry : entries) {
    if (entry.first == key) return true;
  }
  return false;
}

}  // namespace

void LangFile::Parse(const String& text) {
  sections_.clear();
  Entries* current = nullptr;  // null before the first section and in a repeated one
  size_t begin = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a UTF-8 byte order mark
  while (begin < text.size()) {
    size_t end = text.find_first_of("\r\n", begin);
    if (end == String::npos) end = text.size();
    const String line = text.substr(begin, end - begin);
    begin = end + 1;
    String name, value;
    switch (IniDocument::Classify(line, name, value)) {
      case IniDocument::kSection: {
        // A repeated section is skipped as a whole: the first occurrence wins.
        current = nullptr;
        bool repeated = false;
        for (const auto& section : sections_) repeated = repeated || section.first == name;
        if (!repeated) {
          sections_.emplace_back(name, Entries());
          current = &sections_.back().second;
        }
        break;
      }
      case IniDocument::kKey:
        if (current && !name.empty() && !HasKey(*current, name))
          current->emplace_back(name, IniDocument::Unquoted(value));
        break;
      default: break;  // blank lines, comments and lines without '='
    }
  }
}

bool LangFile::LoadFromFile(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) {
    sections_.clear();
    return false;
  }
  Parse(text);
  return true;
}

String LangFile::Value(const String& section, const String& key, const String& defaultText) const {
  for (const auto& each : sections_) {
    if (each.first != section) continue;
    for (const auto& entry : each.second) {
      if (entry.first == key) return entry.second;
    }
    break;
  }
  return defaultText;
}
