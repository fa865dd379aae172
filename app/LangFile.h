// The text of a language file as its sections and key=text lines, read exactly: names
// compare byte by byte, and the first occurrence of a section or of a key in it wins.
#pragma once

#include <unordered_map>
#include <utility>
#include <vector>
#include <cstdint>

#include "platform/core/System.h"

class LangFile {
public:
  using Entries = std::vector<std::pair<String, String>>;  // key, text; in file order

  // Parses INI text: "[name]" starts a section, "key=text" is an entry (blanks around
  // both dropped, a text in matching quotes read without them), lines starting with
  // ';' and lines without '=' are skipped, entries before the first section too; a
  // text after a byte order mark (UTF-8 or UTF-16LE) is read in the ANSI code page.
  // Names are looked up in hash maps, so the parse is linear in the text.
  void Parse(const String& text);
  // False when the file cannot be read (it then holds nothing).
  bool LoadFromFile(const String& fileName);

  // Sections in file order, each once, with their entries (each key once).
  const std::vector<std::pair<String, Entries>>& Sections() const { return sections_; }
  String Value(const String& section, const String& key, const String& defaultText) const;

private:
  std::vector<std::pair<String, Entries>> sections_;
  std::unordered_map<String, size_t> sectionIndex_;  // name -> its place in sections_
  std::vector<std::unordered_map<String, size_t>> keyIndex_;  // per section: key -> its entry
};
