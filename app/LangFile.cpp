#include "app/LangFile.h"

#include <cstdint>
#include <string_view>

#include "platform/io/IniDocument.h"
#include "platform/io/Streams.h"
#include "platform/io/TextEncoding.h"

void LangFile::Parse(const String& bytes) {
  sections_.clear();
  sectionIndex_.clear();
  keyIndex_.clear();
  TextEncoding encoding;
  const String text = DecodeText(bytes, encoding);
  size_t current = SIZE_MAX;  // none before the first section and in a repeated one
  size_t begin = 0;
  String name, value;
  while (begin < text.size()) {
    size_t end = text.find_first_of("\r\n", begin);
    if (end == String::npos) end = text.size();
    const std::string_view line(text.data() + begin, end - begin);
    begin = end + 1;
    switch (IniDocument::Classify(line, name, value)) {
      case IniDocument::kSection:
        // A repeated section is skipped as a whole: the first occurrence wins.
        current = SIZE_MAX;
        if (sectionIndex_.try_emplace(name, sections_.size()).second) {
          current = sections_.size();
          sections_.emplace_back(name, Entries());
          keyIndex_.emplace_back();
        }
        break;
      case IniDocument::kKey:
        if (current != SIZE_MAX && !name.empty() &&
            keyIndex_[current].try_emplace(name, sections_[current].second.size()).second)
          sections_[current].second.emplace_back(name, IniDocument::Unquoted(value));
        break;
      default: break;  // blank lines, comments and lines without '='
    }
  }
}

bool LangFile::LoadFromFile(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) {
    Parse(String());
    return false;
  }
  Parse(text);
  return true;
}

String LangFile::Value(const String& section, const String& key, const String& defaultText) const {
  auto found = sectionIndex_.find(section);
  if (found == sectionIndex_.end()) return defaultText;
  const auto& keys = keyIndex_[found->second];
  auto entry = keys.find(key);
  return entry == keys.end() ? defaultText : sections_[found->second].second[entry->second].second;
}
