#include "app/LangFile.h"

#include "platform/io/IniDocument.h"
#include "platform/io/LineEnds.h"
#include "platform/io/NameHash.h"
#include "platform/io/Streams.h"
#include "platform/io/TextEncoding.h"

void LangFile::Parse(String bytes) {
  TextEncoding encoding;
  text_ = DecodeText(std::move(bytes), encoding);
  const std::string_view text = text_;
  sections_.clear();
  sectionIndex_.Reset(0);
  keyIndexes_.clear();
  std::size_t current = kNoSection;  // none before the first section and in a repeated one
  std::string_view name, value;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = FindLineEnd(text, begin);
    const std::string_view line = text.substr(begin, end - begin);
    begin = end + 1;
    switch (IniDocument::Classify(line, name, value)) {
      case IniDocument::kSection:
        // A repeated section is skipped as a whole: the first occurrence wins.
        current = AddSection(name) ? sections_.size() - 1 : kNoSection;
        break;
      case IniDocument::kKey:
        if (current != kNoSection && !name.empty()) AddEntry(current, name, IniDocument::UnquotedView(value));
        break;
      default: break;  // blank lines, comments and lines without '='
    }
  }
}

bool LangFile::AddSection(std::string_view name) {
  const std::size_t hash = NameHash(name, false);
  if (sectionIndex_.Find(hash, [&](std::size_t other) { return sections_[other].first == name; }) != NameIndex::kNone)
    return false;
  sections_.emplace_back(name, Entries());
  keyIndexes_.emplace_back();
  sectionIndex_.Add(hash, sections_.size() - 1);
  return true;
}

void LangFile::AddEntry(std::size_t section, std::string_view key, std::string_view text) {
  Entries& entries = sections_[section].second;
  NameIndex& keys = keyIndexes_[section];
  const std::size_t hash = NameHash(key, false);
  if (keys.Find(hash, [&](std::size_t entry) { return entries[entry].first == key; }) != NameIndex::kNone)
    return;  // the first occurrence wins
  entries.emplace_back(key, text);
  keys.Add(hash, entries.size() - 1);
}

bool LangFile::LoadFromFile(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) {
    Parse(String());
    return false;
  }
  Parse(std::move(text));
  return true;
}

String LangFile::Value(const String& section, const String& key, const String& defaultText) const {
  const std::string_view name = section;
  const std::size_t s =
      sectionIndex_.Find(NameHash(name, false), [&](std::size_t other) { return sections_[other].first == name; });
  if (s == NameIndex::kNone) return defaultText;
  const Entries& entries = sections_[s].second;
  const std::string_view wanted = key;
  const std::size_t e =
      keyIndexes_[s].Find(NameHash(wanted, false), [&](std::size_t entry) { return entries[entry].first == wanted; });
  return e == NameIndex::kNone ? defaultText : String(entries[e].second);
}
