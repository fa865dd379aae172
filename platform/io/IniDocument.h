// The text of an INI file as its lines, so that changing one key rewrites only that
// key's line and leaves every other byte of the file as it was. Section and key
// names compare case-insensitively; the first occurrence of a section or key wins.
// Lines are grouped by section and names indexed, so reading is linear in the file.
// A file with a byte order mark (UTF-8 or UTF-16LE) is read in the ANSI code page
// and written back in its own encoding.
#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/core/System.h"
#include "platform/io/TextEncoding.h"

class IniDocument {
public:
  IniDocument() { Parse(String()); }
  void Parse(const String& bytes);
  String Serialize() const;

  // The raw value (blanks around it removed) of the first such key, or false. The
  // section "" is the lines before the first section header.
  bool Find(const String& section, const String& key, String& value) const;
  void Set(const String& section, const String& key, const String& value);
  bool DeleteKey(const String& section, const String& key);
  bool EraseSection(const String& section);

  std::vector<String> Sections() const;  // named sections in file order, each once
  bool SectionExists(const String& section) const;
  std::vector<String> Keys(const String& section) const;  // in file order, each once
  // The section as the profile functions list it: "key=value" for each key (once, raw
  // value) and the line itself for text without '=' ; no blank lines or comments.
  std::vector<String> Lines(const String& section) const;

  // What one line of INI text is: blank, a comment (';'), a section header ("[name]",
  // text after the ']' ignored), a key ("name=value", both trimmed) or other text
  // (`name` is then the trimmed line). A '[' without a ']' starts no section.
  enum Kind { kBlank, kComment, kSection, kKey, kOther };
  static Kind Classify(std::string_view text, String& name, String& value);
  // A value in matching quotes ("..." or '...') without them; any other as it is.
  static String Unquoted(const String& value);

private:
  struct Line {
    String text;
    String eol;
  };
  // A header line (none for the lines before the first header) and the lines after it.
  struct Section {
    String name;
    std::vector<Line> lines;
    size_t first = 0;  // index of the first line after the header
    std::unordered_map<String, size_t> keys;  // upper-case key -> its first line
  };
  const Section* Find(const String& section) const;
  Section* Find(const String& section);
  static void IndexKeys(Section& section);
  void IndexSections();
  void InsertLine(Section& section, size_t at, const String& text);
  Line* LastLine();

  TextEncoding encoding_ = TextEncoding::kAnsi;
  std::vector<Section> sections_;  // [0] holds the lines before the first header
  std::unordered_map<String, size_t> index_;  // upper-case name -> first such section
};
