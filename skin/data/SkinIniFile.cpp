#include "skin/data/SkinIniFile.h"

#include "platform/Streams.h"
#include "platform/SysUtils.h"

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

// The first occurrence of a section and of a key wins, as in the document.
void TSkinIniFile::BuildIndex() {
  index_.clear();
  for (const String& section : document_.Sections()) {
    auto [entry, added] = index_.try_emplace(LowerCase(section));
    if (!added) continue;
    for (const auto& [key, value] : document_.Values(section)) entry->second.emplace(LowerCase(key), value);
  }
  indexed_ = true;
  last_ = nullptr;
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
