#include "platform/io/IniDocument.h"

#include "platform/core/SysUtils.h"

void IniDocument::Parse(const String& text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == String::npos) {
      lines_.push_back({text.substr(start), ""});
      break;
    }
    size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    lines_.push_back({text.substr(start, end - start), text.substr(end, next - end)});
    start = next;
  }
}

String IniDocument::Serialize() const {
  String text;
  for (const Line& line : lines_) text += line.text + line.eol;
  return text;
}

IniDocument::Kind IniDocument::Classify(const String& text, String& name, String& value) {
  String trimmed = Trim(text);
  if (trimmed.empty()) return kBlank;
  if (trimmed[0] == ';') return kComment;
  if (trimmed[0] == '[') {
    size_t close = trimmed.find(']');
    name = Trim(trimmed.substr(1, close == String::npos ? String::npos : close - 1));
    return kSection;
  }
  size_t eq = trimmed.find('=');
  if (eq == String::npos) {
    name = trimmed;
    value.clear();
    return kOther;
  }
  name = Trim(trimmed.substr(0, eq));
  value = Trim(trimmed.substr(eq + 1));
  return kKey;
}

String IniDocument::Unquoted(const String& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

int IniDocument::FindSection(const String& section, int& end) const {
  String name, value;
  int header = -1;
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    if (Classify(lines_[i].text, name, value) != kSection) continue;
    if (header >= 0) {
      end = i;
      return header;
    }
    if (SameText(name, section)) header = i;
  }
  end = static_cast<int>(lines_.size());
  return header;
}

int IniDocument::FindKey(int begin, int end, const String& key) const {
  String name, value;
  for (int i = begin; i < end; ++i) {
    Kind kind = Classify(lines_[i].text, name, value);
    if ((kind == kKey || kind == kOther) && SameText(name, key)) return i;
  }
  return -1;
}

bool IniDocument::Find(const String& section, const String& key, String& value) const {
  int end;
  int header = FindSection(section, end);
  if (header < 0) return false;
  int at = FindKey(header + 1, end, key);
  if (at < 0) return false;
  String name;
  Classify(lines_[at].text, name, value);
  return true;
}

void IniDocument::InsertLine(int at, const String& text) {
  if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = "\r\n";
  lines_.insert(lines_.begin() + at, Line{text, "\r\n"});
}

void IniDocument::Set(const String& section, const String& key, const String& value) {
  int end;
  int header = FindSection(section, end);
  if (header < 0) {
    InsertLine(static_cast<int>(lines_.size()), "[" + section + "]");
    InsertLine(static_cast<int>(lines_.size()), key + "=" + value);
    return;
  }
  int at = FindKey(header + 1, end, key);
  if (at >= 0) {
    String name, old;
    Classify(lines_[at].text, name, old);
    lines_[at].text = name + "=" + value;
    return;
  }
  // After the section's last non-blank line, so the blank line before the next
  // section stays where it is.
  int insertAt = end;
  while (insertAt > header + 1 && Trim(lines_[insertAt - 1].text).empty()) --insertAt;
  InsertLine(insertAt, key + "=" + value);
}

bool IniDocument::DeleteKey(const String& section, const String& key) {
  int end;
  int header = FindSection(section, end);
  if (header < 0) return false;
  int at = FindKey(header + 1, end, key);
  if (at < 0) return false;
  lines_.erase(lines_.begin() + at);
  return true;
}

bool IniDocument::EraseSection(const String& section) {
  int end;
  int header = FindSection(section, end);
  if (header < 0) return false;
  lines_.erase(lines_.begin() + header, lines_.begin() + end);
  return true;
}

std::vector<String> IniDocument::Sections() const {
  std::vector<String> sections;
  String name, value;
  for (const Line& line : lines_) {
    if (Classify(line.text, name, value) != kSection) continue;
    bool seen = false;
    for (const String& known : sections) seen = seen || SameText(known, name);
    if (!seen) sections.push_back(name);
  }
  return sections;
}

bool IniDocument::SectionExists(const String& section) const {
  int end;
  return FindSection(section, end) >= 0;
}

std::vector<std::pair<String, String>> IniDocument::Values(const String& section) const {
  std::vector<std::pair<String, String>> values;
  int end;
  int header = FindSection(section, end);
  if (header < 0) return values;
  String name, value;
  for (int i = header + 1; i < end; ++i) {
    Kind kind = Classify(lines_[i].text, name, value);
    if (kind != kKey && kind != kOther) continue;
    bool seen = false;
    for (auto& known : values) seen = seen || SameText(known.first, name);
    if (!seen) values.emplace_back(name, value);
  }
  return values;
}

std::vector<String> IniDocument::Keys(const String& section) const {
  std::vector<String> keys;
  for (auto& entry : Values(section)) keys.push_back(entry.first);
  return keys;
}
