// TRzRegIniFile: the settings store the framed components name. It keeps their
// sections in an INI file (by default beside the executable, named after it) or
// in the registry (by default below \Software\Temp\ and the application's title),
// with one set of operations for both. The store object behind it is made on the
// first operation after any change of where the settings live.
#pragma once

#include <memory>

#include "platform/core/Component.h"
#include "platform/core/DateUtils.h"
#include "platform/io/IniFiles.h"
#include "platform/io/Registry.h"

class TStream;

enum TRzPathType : Byte { ptIniFile, ptRegistry };
enum TRzRegKey : Byte {
  hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
enum TRzRegAccessKey : Byte {
  keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
  keyExecute, keyAllAccess
};
using TRzRegAccess = Word;  // a set of TRzRegAccessKey, bit i for value i
constexpr TRzRegAccess RegAccessBit(TRzRegAccessKey key) { return static_cast<TRzRegAccess>(1u << key); }

HKEY RootKeyOf(TRzRegKey key);
REGSAM AccessMaskOf(TRzRegAccess access);

class TRzRegIniFile : public TComponent {
public:
  explicit TRzRegIniFile(TComponent* owner);
  ~TRzRegIniFile() override;

  const String& Path() const { return path_; }
  virtual void SetPath(const String& value);
  TRzPathType PathType() const { return pathType_; }
  virtual void SetPathType(TRzPathType value);
  TRzRegKey RegKey() const { return regKey_; }
  virtual void SetRegKey(TRzRegKey value);
  TRzRegAccess RegAccess() const { return regAccess_; }
  virtual void SetRegAccess(TRzRegAccess value);

  bool SectionExists(const String& section);
  bool ValueExists(const String& section, const String& key);
  bool ReadBool(const String& section, const String& key, bool defaultValue);
  void WriteBool(const String& section, const String& key, bool value);
  Integer ReadInteger(const String& section, const String& key, Integer defaultValue);
  void WriteInteger(const String& section, const String& key, Integer value);
  String ReadString(const String& section, const String& key, const String& defaultValue);
  void WriteString(const String& section, const String& key, const String& value);
  double ReadFloat(const String& section, const String& key, double defaultValue);
  void WriteFloat(const String& section, const String& key, double value);
  TDateTime ReadDate(const String& section, const String& key, TDateTime defaultValue);
  void WriteDate(const String& section, const String& key, TDateTime value);
  TDateTime ReadTime(const String& section, const String& key, TDateTime defaultValue);
  void WriteTime(const String& section, const String& key, TDateTime value);
  TDateTime ReadDateTime(const String& section, const String& key, TDateTime defaultValue);
  void WriteDateTime(const String& section, const String& key, TDateTime value);
  int ReadBinaryStream(const String& section, const String& key, TStream& stream);
  void WriteBinaryStream(const String& section, const String& key, TStream& stream);
  void ReadSection(const String& section, TStrings* keys);
  void ReadSections(TStrings* sections);
  void ReadSectionValues(const String& section, TStrings* values);
  void EraseSection(const String& section);
  void DeleteKey(const String& section, const String& key);

  // How many times the store object was made (for tests of the rebuild rule).
  int Rebuilds() const { return rebuilds_; }

private:
  // Makes the store object when its location changed; answers the one in use.
  TCustomIniFile& CheckAccess();
  void RegistrySectionValues(const String& section, TStrings* values);
  void MarkForRebuild() { rebuild_ = true; }

  String path_;
  TRzPathType pathType_ = ptIniFile;
  TRzRegKey regKey_ = hkeyCurrentUser;
  TRzRegAccess regAccess_ = RegAccessBit(keyAllAccess);
  std::unique_ptr<TIniFile> iniFile_;               // owned
  std::unique_ptr<TRegistryIniFile> registryFile_;  // owned
  bool rebuild_ = true;
  int rebuilds_ = 0;
};

// Publishes TRzRegIniFile for form definitions.
void PublishRegIniFile();
