// The text of an INI file as its lines, so that changing one key rewrites only that
// key's line and leaves every other byte of the file as it was. Section and key
// names compare case-insensitively; the first occurrence of a section or key wins.
#pragma once

#include <vector>

#include "platform/core/System.h"

class IniDocument {
public:
  void Parse(const String& text);
  String Serialize() const;

  // The raw value (blanks around it removed) of the first such key, or false.
  bool Find(const String& section, const String& key, String& value) const;
  void Set(const String& section, const String& key, const String& value);
  bool DeleteKey(const String& section, const String& key);
  bool EraseSection(const String& section);

  std::vector<String> Sections() const;
  bool SectionExists(const String& section) const;
  std::vector<String> Keys(const String& section) const;  // in file order, each once
  std::vector<std::pair<String, String>> Values(const String& section) const;

  // What one line of INI text is: blank, a comment (';'), a section header ("[name]"),
  // a key ("name=value", both trimmed) or other text (`name` is then the trimmed line).
  enum Kind { kBlank, kComment, kSection, kKey, kOther };
  static Kind Classify(const String& text, String& name, String& value);
  // A value in matching quotes ("..." or '...') without them; any other as it is.
  static String Unquoted(const String& value);

private:
  struct Line {
    String text;
    String eol;
  };
  // The first line of the named section's header, or -1; `end` is one past its last line.
  int FindSection(const String& section, int& end) const;
  int FindKey(int begin, int end, const String& key) const;
  void InsertLine(int at, const String& text);

  std::vector<Line> lines_;
};
