#include "platform/io/IniFiles.h"

#include <windows.h>

#include <cstdio>

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

namespace {

// "m/d/yyyy" into a date; false when the text is not one.
bool ParseDate(const String& text, TDateTime& date) {
  int month = 0, day = 0, year = 0, used = 0;
  if (std::sscanf(text.c_str(), "%d/%d/%d%n", &month, &day, &year, &used) != 3 || used != int(text.size()))
    return false;
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 9999) return false;
  try {
    date = EncodeDate(year, month, day);
  } catch (const Exception&) {
    return false;
  }
  return true;
}

// "h:nn:ss AM" (or a 24-hour "h:nn:ss") into a time; false when it is not one.
bool ParseTime(const String& text, TDateTime& time) {
  int hour = 0, minute = 0, second = 0, used = 0;
  if (std::sscanf(text.c_str(), "%d:%d:%d%n", &hour, &minute, &second, &used) != 3) return false;
  String rest = text.substr(used);
  if (rest == " AM" || rest == " PM") {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (rest == " PM" ? 12 : 0);
  } else if (!rest.empty()) {
    return false;
  }
  if (hour > 23 || minute > 59 || second > 59 || hour < 0 || minute < 0 || second < 0) return false;
  time = EncodeTime(hour, minute, second, 0);
  return true;
}

bool ParseDateTime(const String& text, TDateTime& value) {
  size_t blank = text.find(' ');
  TDateTime date = 0, time = 0;
  if (blank == String::npos) return ParseDate(text, value);
  if (!ParseDate(text.substr(0, blank), date) || !ParseTime(text.substr(blank + 1), time)) return false;
  value = date < 0 ? date - time : date + time;
  return true;
}

}  // namespace

TDateTime TCustomIniFile::ReadDate(const String& section, const String& key, TDateTime defaultValue) {
  TDateTime value;
  return ParseDate(ReadString(section, key, String()), value) ? value : defaultValue;
}

TDateTime TCustomIniFile::ReadTime(const String& section, const String& key, TDateTime defaultValue) {
  TDateTime value;
  return ParseTime(ReadString(section, key, String()), value) ? value : defaultValue;
}

TDateTime TCustomIniFile::ReadDateTime(const String& section, const String& key, TDateTime defaultValue) {
  TDateTime value;
  return ParseDateTime(ReadString(section, key, String()), value) ? value : defaultValue;
}

void TCustomIniFile::WriteDate(const String& section, const String& key, TDateTime value) {
  WriteString(section, key, DateToStr(value));
}

void TCustomIniFile::WriteTime(const String& section, const String& key, TDateTime value) {
  WriteString(section, key, TimeToStr(value));
}

void TCustomIniFile::WriteDateTime(const String& section, const String& key, TDateTime value) {
  WriteString(section, key, DateToStr(value) + " " + TimeToStr(value));
}

int TCustomIniFile::ReadBinaryStream(const String& section, const String& key, TStream& stream) {
  String text = ReadString(section, key, String());
  if (text.size() % 2 != 0) return 0;
  String bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    int value = 0;
    for (size_t j = i; j < i + 2; ++j) {
      char c = text[j];
      int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (digit < 0) return 0;
      value = value * 16 + digit;
    }
    bytes += static_cast<char>(value);
  }
  stream.Write(bytes.data(), static_cast<Int64>(bytes.size()));
  return static_cast<int>(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const String& section, const String& key, TStream& stream) {
  String text;
  char byte;
  while (stream.Read(&byte, 1) == 1) text += IntToHex(static_cast<unsigned char>(byte), 2);
  WriteString(section, key, text);
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
  const std::optional<std::string_view> value = Document().Value(section, key);
  if (!value) return defaultValue;
  return String(StripsQuotes() ? IniDocument::UnquotedView(*value) : *value);
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
  Document().VisitLines(section, [&](const String& line) { values->Add(line); });
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

namespace {

// When and how large the file was last written; zeros when it does not exist.
TIniFile::Stamp StampOf(const String& fileName) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data)) return {};
  return {(static_cast<Int64>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime,
          (static_cast<Int64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, true};
}

}  // namespace

IniDocument& TIniFile::Document() {
  // Inside a batch one look at the file serves every read; a failed write clears
  // loaded_ and so still makes the next read look.
  if (loaded_ && batchChecked_) return document_;
  Stamp stamp = StampOf(FileName());
  if (!loaded_ || stamp != stamp_) {
    Load(document_);
    stamp_ = stamp;
    loaded_ = true;
  }
  batchChecked_ = batches_ > 0;
  return document_;
}

void TIniFile::EndReads() {
  if (--batches_ == 0) batchChecked_ = false;
}

void TIniFile::Changed() {
  loaded_ = false;  // a failed write leaves the file, and so the next read, as they were
  Save(document_);
  stamp_ = StampOf(FileName());
  loaded_ = true;
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
