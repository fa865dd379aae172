// The text of an INI file as its lines, so that changing one key rewrites only that
// key's line and leaves every other byte of the file as it was. Section and key
// names compare case-insensitively (ASCII letters); the first occurrence of a section
// or key wins. The lines are spans of one text buffer, grouped by section, and names
// are indexed in open-addressed tables, so reading is linear in the file and makes no
// string per line. A file with a byte order mark (UTF-8 or UTF-16LE) is read in the
// ANSI code page and written back in its own encoding.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/core/System.h"
#include "platform/io/NameIndex.h"
#include "platform/io/TextEncoding.h"

class IniDocument {
public:
  IniDocument() { Parse(String()); }
  void Parse(String bytes);
  String Serialize() const;

  // The raw value (blanks around it removed) of the first such key, or false. The
  // section "" is the lines before the first section header.
  bool Find(const String& section, const String& key, String& value) const;
  // The same as a view of the document's text, valid until the document changes.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
  void Set(const String& section, const String& key, const String& value);
  bool DeleteKey(const String& section, const String& key);
  bool EraseSection(const String& section);

  std::vector<String> Sections() const;  // named sections in file order, each once
  bool SectionExists(const String& section) const;
  std::vector<String> Keys(const String& section) const;  // in file order, each once
  // The section as the profile functions list it: "key=value" for each key (once, raw
  // value) and the line itself for text without '=' ; no blank lines or comments.
  std::vector<String> Lines(const String& section) const;
  // The same lines handed to `visit` one by one, in one buffer reused between them.
  void VisitLines(const String& section, const std::function<void(const String&)>& visit) const;

  // What one line of INI text is: blank, a comment (';'), a section header ("[name]",
  // text after the ']' ignored), a key ("name=value", both trimmed) or other text
  // (`name` is then the trimmed line). A '[' without a ']' starts no section.
  enum Kind : std::uint8_t { kBlank, kComment, kSection, kKey, kOther };
  static Kind Classify(std::string_view text, String& name, String& value);
  // The same with `name` and `value` as views of `text`.
  static Kind Classify(std::string_view text, std::string_view& name, std::string_view& value);
  // A value in matching quotes ("..." or '...') without them; any other as it is.
  static String Unquoted(const String& value);
  static std::string_view UnquotedView(std::string_view value);

private:
  static constexpr std::size_t kNone = NameIndex::kNone;
  // A line: its text in store_ (without the line end), what it is, and for a key its
  // name in store_ as it was read or written, with the name's hash.
  struct Line {
    std::size_t begin = 0;
    std::size_t size = 0;
    std::size_t nameBegin = 0;
    std::size_t nameSize = 0;
    std::size_t nameHash = 0;
    Kind kind = kBlank;
    std::uint8_t eol = 0;  // one of the line ends in IniDocument.cpp's table
  };
  // A header line (none for the lines before the first header) and the lines after it.
  struct Section {
    std::size_t nameBegin = 0;  // in store_
    std::size_t nameSize = 0;
    std::vector<Line> lines;
    std::size_t first = 0;  // index of the first line after the header
    NameIndex keys;         // first line of each key, by its case-folded name
  };

  std::string_view Text(std::size_t begin, std::size_t size) const { return std::string_view(store_).substr(begin, size); }
  std::string_view TextOf(const Line& line) const { return Text(line.begin, line.size); }
  std::string_view NameOf(const Line& line) const { return Text(line.nameBegin, line.nameSize); }
  std::string_view NameOf(const Section& section) const { return Text(section.nameBegin, section.nameSize); }
  std::size_t Append(std::string_view text);  // into store_, answering where it begins
  void CompactIfWasteful();
  void CloseSection(Section& section, std::vector<Line>& lines) const;  // hands it `lines`, emptied
  void IndexKeys(Section& section) const;
  void IndexSections();
  std::size_t FindKey(const Section& section, std::string_view key) const;  // its line, or kNone
  const Section* Find(std::string_view section) const;
  Section* Find(std::string_view section);
  Section& AddSection(const String& name);
  Line NewLine(std::string_view text, Kind kind, std::size_t nameSize);
  void InsertLine(Section& section, std::size_t at, const Line& line);
  Line* LastLine();

  TextEncoding encoding_ = TextEncoding::kAnsi;
  String store_;  // the text read, then each line written since; lines are spans of it
  std::size_t compactAt_ = 0;  // store_ is rewritten with only the live lines past this size
  std::vector<Section> sections_;  // [0] holds the lines before the first header
  NameIndex index_;  // first section of each case-folded name
};
