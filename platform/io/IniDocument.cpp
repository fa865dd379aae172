#include "platform/io/IniDocument.h"

#include "platform/io/LineEnds.h"
#include "platform/io/NameHash.h"

namespace {

// The line ends a line can have, by Line::eol.
enum LineEndKind : std::uint8_t { kNoEnd, kLf, kCr, kCrLf };
constexpr std::string_view kLineEnds[] = {"", "\n", "\r", "\r\n"};

// The text written since the last compaction may grow to this much beyond twice the
// live text before the buffer is rewritten, so rewriting stays linear in the writes.
constexpr std::size_t kCompactSlack = 64 * 1024;

LineEndKind LineEndAt(std::string_view text, std::size_t at) {
  switch (LineEndLength(text, at)) {
    case 0: return kNoEnd;
    case 2: return kCrLf;
    default: return text[at] == '\r' ? kCr : kLf;
  }
}

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::size_t FoldedHash(std::string_view name) { return NameHash(name, true); }

bool SameBytes(const char* a, const char* b, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

bool SameName(std::string_view a, std::string_view b) { return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size()); }

// Control characters and blanks dropped at both ends of data[begin, end). Positions,
// not views: on 64-bit Windows a view is passed and returned through memory.
inline void Trim(const char* data, std::size_t& begin, std::size_t& end) {
  while (begin < end && static_cast<unsigned char>(data[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(data[end - 1]) <= ' ') --end;
}

}  // namespace

// ---- parsing and writing ----

void IniDocument::Parse(String bytes) {
  store_ = DecodeText(std::move(bytes), encoding_);
  compactAt_ = 2 * store_.size() + kCompactSlack;
  sections_.assign(1, Section());
  const std::string_view text = store_;
  std::vector<Line> lines;  // the current section's, copied into it once it ends
  std::string_view name, value;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = FindLineEnd(text, start);
    Line line;
    line.begin = start;
    line.size = end - start;
    line.eol = LineEndAt(text, end);
    line.kind = Classify(text.substr(start, end - start), name, value);
    start = end + LineEndLength(text, end);
    if (line.kind == kSection) {
      CloseSection(sections_.back(), lines);
      Section& section = sections_.emplace_back();
      section.nameBegin = static_cast<std::size_t>(name.data() - text.data());
      section.nameSize = name.size();
      section.first = 1;
    } else if (line.kind == kKey) {
      line.nameBegin = static_cast<std::size_t>(name.data() - text.data());
      line.nameSize = name.size();
      line.nameHash = FoldedHash(name);
    }
    lines.push_back(line);
  }
  CloseSection(sections_.back(), lines);
  IndexSections();
}

void IniDocument::CloseSection(Section& section, std::vector<Line>& lines) const {
  section.lines.assign(lines.begin(), lines.end());
  lines.clear();
  IndexKeys(section);
}

String IniDocument::Serialize() const {
  String text;
  text.reserve(store_.size());
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      text += TextOf(line);
      text += kLineEnds[line.eol];
    }
  }
  return encoding_ == TextEncoding::kAnsi ? text : EncodeText(text, encoding_);
}

std::size_t IniDocument::Append(std::string_view text) {
  const std::size_t begin = store_.size();
  store_ += text;
  return begin;
}

// Rewrites store_ with only the text lines still use, once written lines have
// replaced enough of it.
void IniDocument::CompactIfWasteful() {
  if (store_.size() <= compactAt_) return;
  String live;
  for (Section& section : sections_) {
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
      Line& line = section.lines[i];
      const std::size_t begin = live.size();
      live += TextOf(line);
      // Names lie inside their lines.
      if (line.kind == kKey) line.nameBegin = line.nameBegin - line.begin + begin;
      if (i == 0 && section.first == 1) section.nameBegin = section.nameBegin - line.begin + begin;
      line.begin = begin;
    }
  }
  store_ = std::move(live);
  compactAt_ = 2 * store_.size() + kCompactSlack;
}

// ---- classifying lines ----

IniDocument::Kind IniDocument::Classify(std::string_view text, std::string_view& name, std::string_view& value) {
  const char* const data = text.data();
  std::size_t begin = 0, end = text.size();
  Trim(data, begin, end);
  if (begin == end) return kBlank;
  if (data[begin] == ';') return kComment;
  if (data[begin] == '[') {
    std::size_t close = begin + 1;
    while (close < end && data[close] != ']') ++close;
    if (close < end) {
      std::size_t nameBegin = begin + 1;
      Trim(data, nameBegin, close);
      name = std::string_view(data + nameBegin, close - nameBegin);
      return kSection;
    }
  }
  std::size_t eq = begin;
  while (eq < end && data[eq] != '=') ++eq;
  if (eq == end) {
    name = std::string_view(data + begin, end - begin);
    value = std::string_view();
    return kOther;
  }
  std::size_t nameEnd = eq, valueBegin = eq + 1;
  Trim(data, begin, nameEnd);
  Trim(data, valueBegin, end);
  name = std::string_view(data + begin, nameEnd - begin);
  value = std::string_view(data + valueBegin, end - valueBegin);
  return kKey;
}

IniDocument::Kind IniDocument::Classify(std::string_view text, String& name, String& value) {
  std::string_view nameView, valueView;
  const Kind kind = Classify(text, nameView, valueView);
  if (kind == kSection || kind == kKey || kind == kOther) name = nameView;
  if (kind == kKey || kind == kOther) value = valueView;
  return kind;
}

std::string_view IniDocument::UnquotedView(std::string_view value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

String IniDocument::Unquoted(const String& value) { return String(UnquotedView(value)); }

// ---- indexes ----

void IniDocument::IndexKeys(Section& section) const {
  std::size_t keys = 0;
  for (std::size_t i = section.first; i < section.lines.size(); ++i) keys += section.lines[i].kind == kKey;
  section.keys.Reset(keys);
  for (std::size_t i = section.first; i < section.lines.size(); ++i) {
    if (section.lines[i].kind != kKey) continue;
    const std::string_view name = NameOf(section.lines[i]);
    const std::size_t hash = section.lines[i].nameHash;
    if (section.keys.Find(hash, [&](std::size_t line) { return SameName(NameOf(section.lines[line]), name); }) == kNone)
      section.keys.Add(hash, i);
  }
}

void IniDocument::IndexSections() {
  index_.Reset(sections_.size());
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const std::string_view name = NameOf(sections_[i]);
    const std::size_t hash = FoldedHash(name);
    if (index_.Find(hash, [&](std::size_t other) { return SameName(NameOf(sections_[other]), name); }) == kNone)
      index_.Add(hash, i);
  }
}

std::size_t IniDocument::FindKey(const Section& section, std::string_view key) const {
  return section.keys.Find(FoldedHash(key),
                           [&](std::size_t line) { return SameName(NameOf(section.lines[line]), key); });
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
  const std::size_t found =
      index_.Find(FoldedHash(section), [&](std::size_t other) { return SameName(NameOf(sections_[other]), section); });
  return found == kNone ? nullptr : &sections_[found];
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->Find(section));
}

// ---- reading ----

std::optional<std::string_view> IniDocument::Value(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  if (!found) return std::nullopt;
  const std::size_t at = FindKey(*found, key);
  if (at == kNone) return std::nullopt;
  std::string_view name, value;
  Classify(TextOf(found->lines[at]), name, value);
  return value;
}

bool IniDocument::Find(const String& section, const String& key, String& value) const {
  const std::optional<std::string_view> found = Value(section, key);
  if (found) value = *found;
  return found.has_value();
}

std::vector<String> IniDocument::Sections() const {
  std::vector<String> names;
  for (size_t i = 1; i < sections_.size(); ++i) {
    const std::string_view name = NameOf(sections_[i]);
    if (!name.empty() && Find(name) == &sections_[i]) names.emplace_back(name);
  }
  return names;
}

bool IniDocument::SectionExists(const String& section) const {
  const Section* found = Find(section);
  return found && (found != &sections_[0] || found->keys.Count() > 0);
}

std::vector<String> IniDocument::Keys(const String& section) const {
  std::vector<String> keys;
  const Section* found = Find(section);
  if (!found) return keys;
  std::string_view name, value;
  for (size_t i = found->first; i < found->lines.size(); ++i) {
    if (Classify(TextOf(found->lines[i]), name, value) == kKey && FindKey(*found, name) == i) keys.emplace_back(name);
  }
  return keys;
}

void IniDocument::VisitLines(const String& section, const std::function<void(const String&)>& visit) const {
  const Section* found = Find(section);
  if (!found) return;
  String line;
  std::string_view name, value;
  for (size_t i = found->first; i < found->lines.size(); ++i) {
    const Kind kind = Classify(TextOf(found->lines[i]), name, value);
    if (kind == kOther) {
      line.assign(name);
    } else if (kind == kKey && FindKey(*found, name) == i) {
      line.assign(name);
      line += '=';
      line += value;
    } else {
      continue;
    }
    visit(line);
  }
}

std::vector<String> IniDocument::Lines(const String& section) const {
  std::vector<String> lines;
  VisitLines(section, [&](const String& line) { lines.push_back(line); });
  return lines;
}

// ---- changing ----

IniDocument::Line* IniDocument::LastLine() {
  for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
    if (!section->lines.empty()) return &section->lines.back();
  }
  return nullptr;
}

// A line inserted after the last one of an unterminated file ends that line first.
void IniDocument::InsertLine(Section& section, std::size_t at, const Line& line) {
  Line* before = at > 0 ? &section.lines[at - 1] : (&section == &sections_.back() ? LastLine() : nullptr);
  if (before && before->eol == kNoEnd) before->eol = kCrLf;
  section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

// A line of `text` in store_, ended by CR LF; a key's name is its first `nameSize` bytes.
IniDocument::Line IniDocument::NewLine(std::string_view text, Kind kind, std::size_t nameSize) {
  Line line;
  line.begin = Append(text);
  line.size = text.size();
  line.kind = kind;
  line.eol = kCrLf;
  line.nameBegin = line.begin;
  line.nameSize = nameSize;
  line.nameHash = FoldedHash(text.substr(0, nameSize));
  return line;
}

IniDocument::Section& IniDocument::AddSection(const String& name) {
  Section& added = sections_.emplace_back();
  added.first = 1;
  const Line header = NewLine("[" + name + "]", kSection, 0);
  added.nameBegin = header.begin + 1;
  added.nameSize = name.size();
  InsertLine(added, 0, header);
  index_.Add(FoldedHash(name), sections_.size() - 1);
  return added;
}

void IniDocument::Set(const String& section, const String& key, const String& value) {
  Section* found = Find(section);
  if (!found) found = &AddSection(section);
  const std::size_t at = FindKey(*found, key);
  if (at != kNone) {
    // The key keeps its name as the line has it; the line keeps its end.
    Line& line = found->lines[at];
    const String name(NameOf(line));
    const std::uint8_t eol = line.eol;
    line = NewLine(name + "=" + value, kKey, name.size());
    line.eol = eol;
  } else {
    // After the section's last non-blank line, so the blank line before the next
    // section stays where it is; only blank lines move, so no indexed key does.
    std::size_t insertAt = found->lines.size();
    while (insertAt > found->first && found->lines[insertAt - 1].kind == kBlank) --insertAt;
    InsertLine(*found, insertAt, NewLine(key + "=" + value, kKey, key.size()));
    found->keys.Add(found->lines[insertAt].nameHash, insertAt);
  }
  CompactIfWasteful();
}

bool IniDocument::DeleteKey(const String& section, const String& key) {
  Section* found = Find(section);
  if (!found) return false;
  const std::size_t at = FindKey(*found, key);
  if (at == kNone) return false;
  found->lines.erase(found->lines.begin() + static_cast<std::ptrdiff_t>(at));
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
