#include "app/LangFile.h"

#include <algorithm>
#include <cstring>

#include "platform/io/IniDocument.h"
#include "platform/io/Streams.h"
#include "platform/io/TextEncoding.h"

namespace {

// FNV-1a; `seed` keeps equal keys of different sections apart.
std::size_t HashOf(std::string_view text, std::uint64_t seed) {
  std::uint64_t hash = 14695981039346656037ull ^ (seed * 0x9E3779B97F4A7C15ull);
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return static_cast<std::size_t>(hash ^ (hash >> 29));
}

// The end of the line starting at `from`: the first CR or LF, or the end of the text.
std::size_t LineEnd(std::string_view text, std::size_t from) {
  const char* begin = text.data() + from;
  const char* end = text.data() + text.size();
  const char* at = begin;
  while (at != end && *at != '\n' && *at != '\r') ++at;
  return from + static_cast<std::size_t>(at - begin);
}

// A text in matching quotes without them, as IniDocument::Unquoted, without a copy.
std::string_view UnquotedView(std::string_view value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

// Blanks and control characters dropped at both ends, as IniDocument::Classify does.
std::string_view TrimmedView(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

}  // namespace

void LangFile::Parse(String bytes) {
  // Only a text with a byte order mark needs converting; the rest is kept as it is.
  const bool marked = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 || bytes.compare(0, 2, "\xFF\xFE") == 0;
  TextEncoding encoding;
  text_ = marked ? DecodeText(bytes, encoding) : std::move(bytes);
  const std::string_view text = text_;
  sections_.clear();
  keyCount_ = 0;
  Reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::uint32_t current = kEmpty;  // none before the first section and in a repeated one
  std::size_t begin = 0;
  String name, value;
  while (begin < text.size()) {
    const std::size_t end = LineEnd(text, begin);
    const std::string_view line = text.substr(begin, end - begin);
    begin = end + 1;
    // Classified by the INI rules; the names and texts are then taken as views of
    // the same trimmed line.
    switch (IniDocument::Classify(line, name, value)) {
      case IniDocument::kSection: {
        const std::string_view trimmed = TrimmedView(line);
        const std::string_view header = TrimmedView(trimmed.substr(1, trimmed.find(']') - 1));
        // A repeated section is skipped as a whole: the first occurrence wins.
        current = AddSection(header) ? static_cast<std::uint32_t>(sections_.size() - 1) : kEmpty;
        break;
      }
      case IniDocument::kKey: {
        if (current == kEmpty || name.empty()) break;
        const std::string_view trimmed = TrimmedView(line);
        const std::size_t eq = trimmed.find('=');
        AddEntry(current, TrimmedView(trimmed.substr(0, eq)), UnquotedView(TrimmedView(trimmed.substr(eq + 1))));
        break;
      }
      default: break;  // blank lines, comments and lines without '='
    }
  }
}

// Tables for a text of `lines` lines, each of which may be a section or a key.
void LangFile::Reserve(std::size_t lines) {
  std::size_t size = 16;
  while (size < 2 * lines) size *= 2;
  sectionSlots_.assign(16, kEmpty);
  keySlots_.assign(size, Ref{kEmpty, 0});
}

std::size_t LangFile::SectionSlot(std::string_view name) const {
  const std::size_t mask = sectionSlots_.size() - 1;
  std::size_t slot = HashOf(name, 0) & mask;
  while (sectionSlots_[slot] != kEmpty && sections_[sectionSlots_[slot]].first != name) slot = (slot + 1) & mask;
  return slot;
}

std::size_t LangFile::KeySlot(std::uint32_t section, std::string_view key) const {
  const std::size_t mask = keySlots_.size() - 1;
  std::size_t slot = HashOf(key, section + 1) & mask;
  for (;; slot = (slot + 1) & mask) {
    const Ref& ref = keySlots_[slot];
    if (ref.section == kEmpty || (ref.section == section && sections_[section].second[ref.entry].first == key))
      return slot;
  }
}

bool LangFile::AddSection(std::string_view name) {
  std::size_t slot = SectionSlot(name);
  if (sectionSlots_[slot] != kEmpty) return false;
  sections_.emplace_back(name, Entries());
  if (2 * sections_.size() > sectionSlots_.size()) {
    sectionSlots_.assign(2 * sectionSlots_.size(), kEmpty);
    for (std::uint32_t i = 0; i + 1 < sections_.size(); ++i) sectionSlots_[SectionSlot(sections_[i].first)] = i;
    slot = SectionSlot(name);
  }
  sectionSlots_[slot] = static_cast<std::uint32_t>(sections_.size() - 1);
  return true;
}

void LangFile::AddEntry(std::uint32_t section, std::string_view key, std::string_view text) {
  const std::size_t slot = KeySlot(section, key);
  if (keySlots_[slot].section != kEmpty) return;  // the first occurrence wins
  Entries& entries = sections_[section].second;
  entries.emplace_back(key, text);
  if (2 * ++keyCount_ > keySlots_.size()) return Grow();
  keySlots_[slot] = Ref{section, static_cast<std::uint32_t>(entries.size() - 1)};
}

// Doubles the key table and enters every entry again.
void LangFile::Grow() {
  keySlots_.assign(2 * keySlots_.size(), Ref{kEmpty, 0});
  for (std::uint32_t s = 0; s < sections_.size(); ++s) {
    const Entries& entries = sections_[s].second;
    for (std::uint32_t e = 0; e < entries.size(); ++e) keySlots_[KeySlot(s, entries[e].first)] = Ref{s, e};
  }
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
  if (sectionSlots_.empty()) return defaultText;
  const std::uint32_t s = sectionSlots_[SectionSlot(section)];
  if (s == kEmpty) return defaultText;
  const Ref& ref = keySlots_[KeySlot(s, key)];
  return ref.section == kEmpty ? defaultText : String(sections_[s].second[ref.entry].second);
}
