#include "skin/data/SkinIniFile.h"

#include "platform/io/Streams.h"
#include "platform/core/SysUtils.h"

namespace {

String ReadText(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) text.clear();
  return text;
}

}  // namespace

TSkinIniFile::TSkinIniFile(const String& fileName) : TSkinIniFile(ReadText(fileName), true) {}

TSkinIniFile::TSkinIniFile(const String& text, bool stripQuotes) : TDocumentIniFile(String()), stripQuotes_(stripQuotes) {
  document_.Parse(text);
}

// One pass over the lines with the document's rules: names and values trimmed,
// ';' starts a comment, a line without '=' is a key with an empty value, and the
// first occurrence of a section and of a key wins.
void TSkinIniFile::BuildIndex() {
  index_.clear();
  last_ = nullptr;
  String text = document_.Serialize();
  Section* current = nullptr;  // nullptr before the first section and in repeated ones
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == String::npos) end = text.size();
    String line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      auto [entry, added] = index_.try_emplace(LowerCase(Trim(line.substr(1, close == String::npos ? String::npos : close - 1))));
      current = added ? &entry->second : nullptr;
      continue;
    }
    if (!current) continue;
    size_t equals = line.find('=');
    if (equals == String::npos) current->emplace(LowerCase(line), String());
    else current->emplace(LowerCase(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)));
  }
  indexed_ = true;
}

// Records read many keys of one section in a row: the last section is kept.
const TSkinIniFile::Section* TSkinIniFile::FindSection(const String& section) {
  if (!indexed_) BuildIndex();
  if (last_ && section == lastName_) return last_;
  auto found = index_.find(LowerCase(section));
  lastName_ = section;
  last_ = found == index_.end() ? nullptr : &found->second;
  return last_;
}

String TSkinIniFile::ReadString(const String& section, const String& key, const String& defaultValue) {
  const Section* entries = FindSection(section);
  if (!entries) return defaultValue;
  auto found = entries->find(LowerCase(key));
  if (found == entries->end()) return defaultValue;
  String value = found->second;
  if (stripQuotes_ && value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 2);
  return value;
}

void TSkinIniFile::WriteString(const String& section, const String& key, const String& value) {
  indexed_ = false;
  TDocumentIniFile::WriteString(section, key, value);
}

void TSkinIniFile::EraseSection(const String& section) {
  indexed_ = false;
  TDocumentIniFile::EraseSection(section);
}

void TSkinIniFile::DeleteKey(const String& section, const String& key) {
  indexed_ = false;
  TDocumentIniFile::DeleteKey(section, key);
}
