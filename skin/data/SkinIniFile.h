// The skin reader's INI objects: the text read once and its keys indexed, so a
// skin of a thousand keys reads in one pass. TSkinIniFile reads a file with the
// on-disk reader's value rule (quotes around a value dropped); TSkinTextIniFile
// holds a text in memory with the in-memory reader's rule (values as they stand).
// Both can be written to (the index is dropped) but never touch a file.
#pragma once

#include <unordered_map>

#include "platform/IniFiles.h"

class TSkinIniFile : public TDocumentIniFile {
public:
  explicit TSkinIniFile(const String& fileName);  // a missing file reads as empty

  String ReadString(const String& section, const String& key, const String& defaultValue) override;
  void WriteString(const String& section, const String& key, const String& value) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& key) override;
  void UpdateFile() override {}
  String Text() const { return document_.Serialize(); }

protected:
  TSkinIniFile(const String& text, bool stripQuotes);
  IniDocument& Document() override { return document_; }
  void Changed() override {}
  bool StripsQuotes() const override { return stripQuotes_; }

private:
  using Section = std::unordered_map<String, String>;  // key in lower case -> raw value
  void BuildIndex();
  const Section* FindSection(const String& section);
  IniDocument document_;
  bool stripQuotes_;
  bool indexed_ = false;
  std::unordered_map<String, Section> index_;  // section name in lower case
  String lastName_;                            // the section asked for last, as asked
  const Section* last_ = nullptr;
};

class TSkinTextIniFile : public TSkinIniFile {
public:
  explicit TSkinTextIniFile(const String& text = String()) : TSkinIniFile(text, false) {}
};
