// The Windows registry: TRegistry opens one key at a time below a root key and
// reads and writes its values; TRegistryIniFile keeps INI-style sections as
// subkeys of one key and their keys as values.
#pragma once

#include "platform/io/IniFiles.h"
#include "platform/core/WinApi.h"

VARNEL_EXCEPTION(ERegistryException, Exception);

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry : public TObject {
public:
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
  ~TRegistry() override { CloseKey(); }

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);  // closes the open key
  REGSAM Access() const { return access_; }
  void SetAccess(REGSAM access) { access_ = access; }
  HKEY CurrentKey() const { return current_; }
  const String& CurrentPath() const { return path_; }

  // A key with a leading backslash is absolute, else relative to the open key.
  bool OpenKey(const String& key, bool canCreate);
  bool OpenKeyReadOnly(const String& key);
  void CloseKey();
  bool KeyExists(const String& key);
  bool DeleteKey(const String& key);  // the key with everything below it

  bool ValueExists(const String& name);
  bool DeleteValue(const String& name);
  TRegDataType GetDataType(const String& name);
  void GetValueNames(TStrings* names);
  void GetKeyNames(TStrings* names);

  // Reads raise ERegistryException for a missing value or one of another type.
  String ReadString(const String& name);
  Integer ReadInteger(const String& name);
  bool ReadBool(const String& name) { return ReadInteger(name) != 0; }
  double ReadFloat(const String& name);  // 8 bytes of binary data
  int ReadBinaryData(const String& name, void* buffer, int size);
  int GetDataSize(const String& name);  // -1 when missing
  void WriteString(const String& name, const String& value);
  void WriteExpandString(const String& name, const String& value);
  void WriteInteger(const String& name, Integer value);
  void WriteBool(const String& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  void WriteFloat(const String& name, double value);
  void WriteBinaryData(const String& name, const void* buffer, int size);

private:
  HKEY Base(const String& key, String& relative) const;
  bool Query(const String& name, DWORD& type, std::string& data);
  void Put(const String& name, DWORD type, const void* data, DWORD size);

  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;  // owned while open
  String path_;
  REGSAM access_;
};

class TRegistryIniFile : public TCustomIniFile {
public:
  // Opens (creating) the key `fileName` below HKEY_CURRENT_USER.
  explicit TRegistryIniFile(const String& fileName, REGSAM access = KEY_ALL_ACCESS);
  TRegistry& RegIniFile() { return registry_; }
  // Reopens the key below another root.
  void SetRootKey(HKEY root);

  String ReadString(const String& section, const String& key, const String& defaultValue) override;
  void WriteString(const String& section, const String& key, const String& value) override;
  Integer ReadInteger(const String& section, const String& key, Integer defaultValue) override;
  void WriteInteger(const String& section, const String& key, Integer value) override;
  bool ReadBool(const String& section, const String& key, bool defaultValue) override;
  void WriteBool(const String& section, const String& key, bool value) override;
  int ReadBinaryStream(const String& section, const String& key, TStream& stream) override;
  void WriteBinaryStream(const String& section, const String& key, TStream& stream) override;
  void ReadSection(const String& section, TStrings* keys) override;
  void ReadSections(TStrings* sections) override;
  void ReadSectionValues(const String& section, TStrings* values) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& key) override;
  bool SectionExists(const String& section) override;
  bool ValueExists(const String& section, const String& key) override;
  void UpdateFile() override {}

private:
  // Runs `work` with the section's key open (created when `create`); false when
  // the key cannot be opened. The file's own key is open again afterwards.
  template <class Work>
  bool InSection(const String& section, bool create, Work work);

  TRegistry registry_;
};
