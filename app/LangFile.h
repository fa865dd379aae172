// The text of a language file as its sections and key=text lines, read exactly: names
// compare byte by byte, and the first occurrence of a section or of a key in it wins.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/System.h"
#include "platform/io/NameIndex.h"

class LangFile {
public:
  // Names and texts are views of the file's text, which the object keeps: they live
  // as long as it does and until the next Parse.
  using Entries = std::vector<std::pair<std::string_view, std::string_view>>;  // key, text; in file order

  LangFile() = default;
  LangFile(const LangFile&) = delete;
  LangFile& operator=(const LangFile&) = delete;

  // Parses INI text: "[name]" starts a section, "key=text" is an entry (blanks around
  // both dropped, a text in matching quotes read without them), lines starting with
  // ';' and lines without '=' are skipped, entries before the first section too; a
  // text after a byte order mark (UTF-8 or UTF-16LE) is read in the ANSI code page.
  // Names are looked up in a small open-addressed table per section, so the parse is
  // linear in the text.
  void Parse(String text);
  // False when the file cannot be read (it then holds nothing).
  bool LoadFromFile(const String& fileName);

  // Sections in file order, each once, with their entries (each key once).
  const std::vector<std::pair<std::string_view, Entries>>& Sections() const { return sections_; }
  String Value(const String& section, const String& key, const String& defaultText) const;

private:
  static constexpr std::size_t kNoSection = NameIndex::kNone;

  bool AddSection(std::string_view name);  // false for a repeated one
  void AddEntry(std::size_t section, std::string_view key, std::string_view text);

  String text_;  // the text the views point into, decoded when it had a byte order mark
  std::vector<std::pair<std::string_view, Entries>> sections_;
  NameIndex sectionIndex_;              // sections by name
  std::vector<NameIndex> keyIndexes_;   // per section, its entries by key
};
