#include "app/LangFile.h"

#include "platform/core/SysUtils.h"
#include "platform/io/Streams.h"

namespace {

String Unquoted(const String& text) {
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

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
    String line = Trim(text.substr(begin, end - begin));
    begin = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      String name = Trim(line.substr(1, close == String::npos ? String::npos : close - 1));
      current = nullptr;
      bool repeated = false;
      for (const auto& section : sections_) repeated = repeated || section.first == name;
      if (!repeated) {
        sections_.emplace_back(name, Entries());
        current = &sections_.back().second;
      }
      continue;
    }
    size_t equals = line.find('=');
    if (!current || equals == String::npos) continue;
    String key = Trim(line.substr(0, equals));
    if (key.empty() || HasKey(*current, key)) continue;
    current->emplace_back(key, Unquoted(Trim(line.substr(equals + 1))));
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
