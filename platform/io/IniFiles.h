// INI files: TIniFile reads the file on every call and writes every change at once,
// as the Win32 profile functions do (blanks around names and values dropped, a
// value in matching quotes read without them); TMemIniFile keeps the file in
// memory until UpdateFile. Both change only the lines they write, replace the file
// through a temporary one, and raise EIniFileException when it cannot be written.
#pragma once

#include "platform/core/Strings.h"
#include "platform/io/IniDocument.h"

class TCustomIniFile : public TObject {
public:
  explicit TCustomIniFile(const String& fileName) : fileName_(fileName) {}
  const String& FileName() const { return fileName_; }

  virtual String ReadString(const String& section, const String& key, const String& defaultValue) = 0;
  virtual void WriteString(const String& section, const String& key, const String& value) = 0;
  virtual void ReadSection(const String& section, TStrings* keys) = 0;
  virtual void ReadSections(TStrings* sections) = 0;
  virtual void ReadSectionValues(const String& section, TStrings* values) = 0;
  virtual void EraseSection(const String& section) = 0;
  virtual void DeleteKey(const String& section, const String& key) = 0;
  virtual void UpdateFile() = 0;

  // A value that does not parse gives the default.
  Integer ReadInteger(const String& section, const String& key, Integer defaultValue);
  bool ReadBool(const String& section, const String& key, bool defaultValue);
  double ReadFloat(const String& section, const String& key, double defaultValue);
  void WriteInteger(const String& section, const String& key, Integer value);
  void WriteBool(const String& section, const String& key, bool value);  // "1" or "0"
  void WriteFloat(const String& section, const String& key, double value);  // 15 significant digits, '.'
  bool SectionExists(const String& section);
  bool ValueExists(const String& section, const String& key);

private:
  String fileName_;
};

// Shared by both kinds: the document and its loading and saving.
class TDocumentIniFile : public TCustomIniFile {
public:
  using TCustomIniFile::TCustomIniFile;
  String ReadString(const String& section, const String& key, const String& defaultValue) override;
  void WriteString(const String& section, const String& key, const String& value) override;
  void ReadSection(const String& section, TStrings* keys) override;
  void ReadSections(TStrings* sections) override;
  void ReadSectionValues(const String& section, TStrings* values) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& key) override;

protected:
  virtual IniDocument& Document() = 0;   // the current text, loaded as the kind needs
  virtual void Changed() = 0;            // after a change to the document
  virtual bool StripsQuotes() const = 0;
  void Load(IniDocument& document);      // a missing file is an empty document
  void Save(const IniDocument& document);  // EIniFileException on failure
};

class TIniFile : public TDocumentIniFile {
public:
  explicit TIniFile(const String& fileName);
  void UpdateFile() override {}

protected:
  IniDocument& Document() override;
  void Changed() override { Save(document_); }
  bool StripsQuotes() const override { return true; }

private:
  IniDocument document_;
};

class TMemIniFile : public TDocumentIniFile {
public:
  explicit TMemIniFile(const String& fileName);
  void UpdateFile() override;  // writes the file when something changed
  void Clear();

protected:
  IniDocument& Document() override { return document_; }
  void Changed() override { modified_ = true; }
  bool StripsQuotes() const override { return false; }

private:
  IniDocument document_;
  bool modified_ = false;
};
