// The skin reader's INI objects: the text read once into an indexed document, so a
// skin of a thousand keys reads in one pass. TSkinIniFile reads a file with the
// on-disk reader's value rule (quotes around a value dropped); TSkinTextIniFile
// holds a text in memory with the in-memory reader's rule (values as they stand).
// Both can be written to but never touch a file.
#pragma once

#include "platform/io/IniFiles.h"

class TSkinIniFile : public TDocumentIniFile {
public:
  explicit TSkinIniFile(const String& fileName);  // a missing file reads as empty

  void UpdateFile() override {}
  String Text() const { return document_.Serialize(); }

protected:
  TSkinIniFile(const String& text, bool stripQuotes);
  IniDocument& Document() override { return document_; }
  void Changed() override {}
  bool StripsQuotes() const override { return stripQuotes_; }

private:
  IniDocument document_;
  bool stripQuotes_;
};

class TSkinTextIniFile : public TSkinIniFile {
public:
  explicit TSkinTextIniFile(const String& text = String()) : TSkinIniFile(text, false) {}
};
