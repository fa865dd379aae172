// The text of a language file as its sections and key=text lines, read exactly: names
// compare byte by byte, and the first occurrence of a section or of a key in it wins.
#pragma once

#include <utility>
#include <vector>

#include "platform/core/System.h"

class LangFile {
public:
  using Entries = std::vector<std::pair<String, String>>;  // key, text; in file order

  // Parses INI text: "[name]" starts a section, "key=text" is an entry (blanks around
  // both dropped, a text in matching quotes read without them), lines starting with
  // ';' and lines without '=' are skipped, entries before the first section too; a
  // UTF-8 byte order mark at the start is ignored.
  void Parse(const String& text);
  // False when the file cannot be read (it then holds nothing).
  bool LoadFromFile(const String& fileName);

  // Sections in file order, each once, with their entries (each key once).
  const std::vector<std::pair<String, Entries>>& Sections() const { return sections_; }
  String Value(const String& section, const String& key, const String& defaultText) const;

private:
  std::vector<std::pair<String, Entries>> sections_;
};
