#include "platform/io/IniDocument.h"

#include "platform/core/SysUtils.h"

namespace {

// The first CR or LF from `from` on, or the end of the text. A plain loop: the
// library's find_first_of calls memchr over the set for every byte.
size_t LineEnd(const String& text, size_t from) {
  const char* at = text.data() + from;
  const char* end = text.data() + text.size();
  while (at != end && *at != '\n' && *at != '\r') ++at;
  return static_cast<size_t>(at - text.data());
}

}  // namespace

void IniDocument::Parse(const String& bytes) {
  const String text = DecodeText(bytes, encoding_);
  sections_.assign(1, Section());
  size_t start = 0;
  String name, value;
  while (start < text.size()) {
    size_t end = LineEnd(text, start);
    size_t next = end == text.size() ? end : end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    Line line{text.substr(start, end - start), text.substr(end, next - end)};
    start = next;
    if (Classify(line.text, name, value) == kSection) {
      sections_.emplace_back();
      sections_.back().name = name;
      sections_.back().first = 1;
    }
    sections_.back().lines.push_back(std::move(line));
  }
  for (Section& section : sections_) IndexKeys(section);
  IndexSections();
}

String IniDocument::Serialize() const {
  String text;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) text += line.text + line.eol;
  }
  return EncodeText(text, encoding_);
}

namespace {

// Control characters and blanks dropped at both ends, without a copy.
std::string_view Trimmed(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

}  // namespace

IniDocument::Kind IniDocument::Classify(std::string_view text, String& name, String& value) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return kBlank;
  if (trimmed[0] == ';') return kComment;
  size_t close = trimmed[0] == '[' ? trimmed.find(']') : std::string_view::npos;
  if (close != std::string_view::npos) {
    name = Trimmed(trimmed.substr(1, close - 1));
    return kSection;
  }
  size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) {
    name = trimmed;
    value.clear();
    return kOther;
  }
  name = Trimmed(trimmed.substr(0, eq));
  value = Trimmed(trimmed.substr(eq + 1));
  return kKey;
}

String IniDocument::Unquoted(const String& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

void IniDocument::IndexKeys(Section& section) {
  section.keys.clear();
  section.keys.reserve(section.lines.size());
  String name, value;
  for (size_t i = section.first; i < section.lines.size(); ++i) {
    if (Classify(section.lines[i].text, name, value) == kKey) section.keys.try_emplace(UpperCase(name), i);
  }
}

void IniDocument::IndexSections() {
  index_.clear();
  index_.reserve(sections_.size());
  for (size_t i = 0; i < sections_.size(); ++i) index_.try_emplace(UpperCase(sections_[i].name), i);
}

const IniDocument::Section* IniDocument::Find(const String& section) const {
  auto found = index_.find(UpperCase(section));
  return found == index_.end() ? nullptr : &sections_[found->second];
}

IniDocument::Section* IniDocument::Find(const String& section) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->Find(section));
}

bool IniDocument::Find(const String& section, const String& key, String& value) const {
  const Section* found = Find(section);
  if (!found) return false;
  auto at = found->keys.find(UpperCase(key));
  if (at == found->keys.end()) return false;
  String name;
  Classify(found->lines[at->second].text, name, value);
  return true;
}

IniDocument::Line* IniDocument::LastLine() {
  for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
    if (!section->lines.empty()) return &section->lines.back();
  }
  return nullptr;
}

// A line inserted after the last one of an unterminated file ends that line first.
void IniDocument::InsertLine(Section& section, size_t at, const String& text) {
  Line* before = at > 0 ? &section.lines[at - 1] : (&section == &sections_.back() ? LastLine() : nullptr);
  if (before && before->eol.empty()) before->eol = "\r\n";
  section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, "\r\n"});
}

void IniDocument::Set(const String& section, const String& key, const String& value) {
  Section* found = Find(section);
  if (!found) {
    Section added;
    added.name = section;
    added.first = 1;
    sections_.push_back(std::move(added));
    found = &sections_.back();
    InsertLine(*found, 0, "[" + section + "]");
    index_.try_emplace(UpperCase(section), sections_.size() - 1);
  }
  auto at = found->keys.find(UpperCase(key));
  if (at != found->keys.end()) {
    String name, old;
    Classify(found->lines[at->second].text, name, old);
    found->lines[at->second].text = name + "=" + value;
    return;
  }
  // After the section's last non-blank line, so the blank line before the next
  // section stays where it is; only blank lines move, so no indexed key does.
  size_t insertAt = found->lines.size();
  while (insertAt > found->first && Trim(found->lines[insertAt - 1].text).empty()) --insertAt;
  InsertLine(*found, insertAt, key + "=" + value);
  found->keys.emplace(UpperCase(key), insertAt);
}

bool IniDocument::DeleteKey(const String& section, const String& key) {
  Section* found = Find(section);
  if (!found) return false;
  auto at = found->keys.find(UpperCase(key));
  if (at == found->keys.end()) return false;
  found->lines.erase(found->lines.begin() + static_cast<std::ptrdiff_t>(at->second));
  IndexKeys(*found);
  return true;
}

bool IniDocument::EraseSection(const String& section) {
  Section* found = Find(section);
  if (!found) return false;
  if (found == &sections_[0]) {
    if (found->lines.empty()) return false;
    *found = Section();  // the lines before the first header: emptied, never removed
    return true;
  }
  sections_.erase(sections_.begin() + (found - sections_.data()));
  IndexSections();
  return true;
}

std::vector<String> IniDocument::Sections() const {
  std::vector<String> names;
  for (size_t i = 1; i < sections_.size(); ++i) {
    const String& name = sections_[i].name;
    if (!name.empty() && index_.at(UpperCase(name)) == i) names.push_back(name);
  }
  return names;
}

bool IniDocument::SectionExists(const String& section) const {
  const Section* found = Find(section);
  return found && (found != &sections_[0] || !found->keys.empty());
}

std::vector<String> IniDocument::Keys(const String& section) const {
  std::vector<String> keys;
  const Section* found = Find(section);
  if (!found) return keys;
  String name, value;
  for (size_t i = found->first; i < found->lines.size(); ++i) {
    if (Classify(found->lines[i].text, name, value) == kKey && found->keys.at(UpperCase(name)) == i)
      keys.push_back(name);
  }
  return keys;
}

std::vector<String> IniDocument::Lines(const String& section) const {
  std::vector<String> lines;
  const Section* found = Find(section);
  if (!found) return lines;
  String name, value;
  for (size_t i = found->first; i < found->lines.size(); ++i) {
    Kind kind = Classify(found->lines[i].text, name, value);
    if (kind == kOther) lines.push_back(name);
    else if (kind == kKey && found->keys.at(UpperCase(name)) == i) lines.push_back(name + "=" + value);
  }
  return lines;
}
