// INI files: TIniFile reads the file as it is on disk and writes every change at once,
// as the Win32 profile functions do (blanks around names and values dropped, a
// value in matching quotes read without them); TMemIniFile keeps the file in
// memory until UpdateFile. Both change only the lines they write, replace the file
// through a temporary one, and raise EIniFileException when it cannot be written.
#pragma once

#include "platform/core/DateUtils.h"
#include "platform/core/Strings.h"
#include "platform/io/IniDocument.h"

class TStream;

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

  // A value that does not parse gives the default. A store with typed values
  // (the registry) replaces them.
  virtual Integer ReadInteger(const String& section, const String& key, Integer defaultValue);
  virtual bool ReadBool(const String& section, const String& key, bool defaultValue);
  virtual double ReadFloat(const String& section, const String& key, double defaultValue);
  virtual void WriteInteger(const String& section, const String& key, Integer value);
  virtual void WriteBool(const String& section, const String& key, bool value);  // "1" or "0"
  virtual void WriteFloat(const String& section, const String& key, double value);  // 15 significant digits, '.'
  // Dates as DateToStr writes them ("m/d/yyyy"), times as TimeToStr ("h:nn:ss AM"),
  // date-times as both with a blank between.
  virtual TDateTime ReadDate(const String& section, const String& key, TDateTime defaultValue);
  virtual TDateTime ReadTime(const String& section, const String& key, TDateTime defaultValue);
  virtual TDateTime ReadDateTime(const String& section, const String& key, TDateTime defaultValue);
  virtual void WriteDate(const String& section, const String& key, TDateTime value);
  virtual void WriteTime(const String& section, const String& key, TDateTime value);
  virtual void WriteDateTime(const String& section, const String& key, TDateTime value);
  // Bytes as two hexadecimal digits each; the read appends them to `stream` and
  // answers their number (0 for a missing or malformed value).
  virtual int ReadBinaryStream(const String& section, const String& key, TStream& stream);
  virtual void WriteBinaryStream(const String& section, const String& key, TStream& stream);
  virtual bool SectionExists(const String& section);
  virtual bool ValueExists(const String& section, const String& key);

  // Reads made together, as one record's keys: while a batch lives, a store that
  // looks at its file before every read (TIniFile) looks only at the first, and
  // later reads see the file as it was then (and this object's own writes).
  // Batches nest; the next read after the outermost one ends looks again.
  class TReadBatch {
  public:
    explicit TReadBatch(TCustomIniFile& ini) : ini_(ini) { ini_.BeginReads(); }
    ~TReadBatch() { ini_.EndReads(); }
    TReadBatch(const TReadBatch&) = delete;
    TReadBatch& operator=(const TReadBatch&) = delete;

  private:
    TCustomIniFile& ini_;
  };

protected:
  virtual void BeginReads() {}
  virtual void EndReads() {}

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

// Reads its file once and again only when the file changed on disk since.
class TIniFile : public TDocumentIniFile {
public:
  explicit TIniFile(const String& fileName);
  void UpdateFile() override {}

  struct Stamp {
    Int64 writeTime = 0;
    Int64 size = 0;
    bool exists = false;
    bool operator==(const Stamp&) const = default;
  };

protected:
  IniDocument& Document() override;
  void Changed() override;
  bool StripsQuotes() const override { return true; }
  void BeginReads() override { ++batches_; }
  void EndReads() override;

private:
  IniDocument document_;
  Stamp stamp_;          // of the file as document_ was read or written
  bool loaded_ = false;
  int batches_ = 0;      // open read batches
  bool batchChecked_ = false;  // the stamp was checked since the outermost batch began
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
