#include "platform/io/IniFiles.h"

#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/io/Streams.h"

// ---- TCustomIniFile ----

Integer TCustomIniFile::ReadInteger(const String& section, const String& key, Integer defaultValue) {
  return StrToIntDef(ReadString(section, key, String()), defaultValue);
}

bool TCustomIniFile::ReadBool(const String& section, const String& key, bool defaultValue) {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TCustomIniFile::ReadFloat(const String& section, const String& key, double defaultValue) {
  return StrToFloatDef(ReadString(section, key, String()), defaultValue);
}

void TCustomIniFile::WriteInteger(const String& section, const String& key, Integer value) {
  WriteString(section, key, IntToStr(value));
}

void TCustomIniFile::WriteBool(const String& section, const String& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TCustomIniFile::WriteFloat(const String& section, const String& key, double value) {
  WriteString(section, key, FloatToStr(value));
}

bool TCustomIniFile::SectionExists(const String& section) {
  TStringList keys;
  ReadSection(section, &keys);
  if (keys.Count() > 0) return true;
  TStringList sections;
  ReadSections(&sections);
  return sections.IndexOf(section) >= 0;
}

bool TCustomIniFile::ValueExists(const String& section, const String& key) {
  TStringList keys;
  ReadSection(section, &keys);
  return keys.IndexOf(key) >= 0;
}

// ---- TDocumentIniFile ----

void TDocumentIniFile::Load(IniDocument& document) {
  String text;
  if (!ReadFileToString(FileName(), text)) text.clear();
  document.Parse(text);
}

void TDocumentIniFile::Save(const IniDocument& document) {
  if (!WriteFileAtomically(FileName(), document.Serialize()))
    throw EIniFileException("Unable to write to " + FileName());
}

String TDocumentIniFile::ReadString(const String& section, const String& key, const String& defaultValue) {
  String value;
  if (!Document().Find(section, key, value)) return defaultValue;
  return StripsQuotes() ? IniDocument::Unquoted(value) : value;
}

void TDocumentIniFile::WriteString(const String& section, const String& key, const String& value) {
  IniDocument& document = Document();
  document.Set(section, key, value);
  Changed();
}

void TDocumentIniFile::ReadSection(const String& section, TStrings* keys) {
  keys->BeginUpdate();
  keys->Clear();
  for (const String& key : Document().Keys(section)) keys->Add(key);
  keys->EndUpdate();
}

void TDocumentIniFile::ReadSections(TStrings* sections) {
  sections->BeginUpdate();
  sections->Clear();
  for (const String& section : Document().Sections()) sections->Add(section);
  sections->EndUpdate();
}

void TDocumentIniFile::ReadSectionValues(const String& section, TStrings* values) {
  values->BeginUpdate();
  values->Clear();
  for (auto& entry : Document().Values(section)) values->Add(entry.first + "=" + entry.second);
  values->EndUpdate();
}

void TDocumentIniFile::EraseSection(const String& section) {
  if (Document().EraseSection(section)) Changed();
}

void TDocumentIniFile::DeleteKey(const String& section, const String& key) {
  if (Document().DeleteKey(section, key)) Changed();
}

// ---- TIniFile ----

TIniFile::TIniFile(const String& fileName) : TDocumentIniFile(fileName) {}

IniDocument& TIniFile::Document() {
  Load(document_);
  return document_;
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(const String& fileName) : TDocumentIniFile(fileName) { Load(document_); }

void TMemIniFile::UpdateFile() {
  if (!modified_) return;
  Save(document_);
  modified_ = false;
}

void TMemIniFile::Clear() {
  document_.Parse(String());
  modified_ = true;
}
