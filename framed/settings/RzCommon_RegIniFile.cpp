#include "framed/settings/RzCommon_RegIniFile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/core/FileUtils.h"
#include "platform/controls/Forms.h"
#include "platform/published/CorePublished.h"
#include "platform/published/Published.h"
#include "platform/core/SysUtils.h"

namespace {

const REGSAM kAccessMasks[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x20019, 0x20006, 0x20019, 0xF003F};
static_assert(sizeof(kAccessMasks) / sizeof(kAccessMasks[0]) == keyAllAccess + 1, "one mask per access key");

String BinaryText(const std::vector<unsigned char>& bytes) {
  String text;
  for (unsigned char byte : bytes) text += IntToHex(byte, 2) + " ";
  return text;
}

}  // namespace

HKEY RootKeyOf(TRzRegKey key) {
  static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,   HKEY_LOCAL_MACHINE, HKEY_USERS,
                               HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA};
  return roots[key];
}

REGSAM AccessMaskOf(TRzRegAccess access) {
  REGSAM mask = 0;
  for (int key = keyQueryValue; key <= keyAllAccess; ++key)
    if (access & (1u << key)) mask |= kAccessMasks[key];
  return mask;
}

TRzRegIniFile::TRzRegIniFile(TComponent* owner) : TComponent(owner) {}
TRzRegIniFile::~TRzRegIniFile() = default;

void TRzRegIniFile::SetPath(const String& value) {
  if (value == path_) return;
  path_ = value;
  MarkForRebuild();
}

void TRzRegIniFile::SetPathType(TRzPathType value) {
  if (value == pathType_) return;
  pathType_ = value;
  MarkForRebuild();
}

void TRzRegIniFile::SetRegKey(TRzRegKey value) {
  if (value == regKey_) return;
  regKey_ = value;
  MarkForRebuild();
}

void TRzRegIniFile::SetRegAccess(TRzRegAccess value) {
  if (value == regAccess_) return;
  regAccess_ = value;
  MarkForRebuild();
}

TCustomIniFile& TRzRegIniFile::CheckAccess() {
  if (rebuild_) {
    iniFile_.reset();
    registryFile_.reset();
    String path = path_;
    if (pathType_ == ptRegistry) {
      if (path.empty()) {
        String title = Application.Title();
        if (title.empty()) title = ChangeFileExt(ExtractFileName(ApplicationExeName()), "");
        path = "\\Software\\Temp\\" + title;
      }
      registryFile_.reset(new TRegistryIniFile(path, AccessMaskOf(regAccess_)));
      registryFile_->SetRootKey(RootKeyOf(regKey_));
    } else {
      // Beside the executable, named after it; the program folder is the one tests may set.
      if (path.empty()) path = ProgramFolder() + ChangeFileExt(ExtractFileName(ApplicationExeName()), ".ini");
      iniFile_ = std::make_unique<TIniFile>(path);
    }
    path_ = path;
    rebuild_ = false;
    ++rebuilds_;
  }
  if (pathType_ == ptRegistry) return *registryFile_;
  return *iniFile_;
}

bool TRzRegIniFile::SectionExists(const String& section) { return CheckAccess().SectionExists(section); }
bool TRzRegIniFile::ValueExists(const String& section, const String& key) {
  return CheckAccess().ValueExists(section, key);
}
bool TRzRegIniFile::ReadBool(const String& section, const String& key, bool defaultValue) {
  return CheckAccess().ReadBool(section, key, defaultValue);
}
void TRzRegIniFile::WriteBool(const String& section, const String& key, bool value) {
  CheckAccess().WriteBool(section, key, value);
}
Integer TRzRegIniFile::ReadInteger(const String& section, const String& key, Integer defaultValue) {
  return CheckAccess().ReadInteger(section, key, defaultValue);
}
void TRzRegIniFile::WriteInteger(const String& section, const String& key, Integer value) {
  CheckAccess().WriteInteger(section, key, value);
}
String TRzRegIniFile::ReadString(const String& section, const String& key, const String& defaultValue) {
  return CheckAccess().ReadString(section, key, defaultValue);
}
void TRzRegIniFile::WriteString(const String& section, const String& key, const String& value) {
  CheckAccess().WriteString(section, key, value);
}
double TRzRegIniFile::ReadFloat(const String& section, const String& key, double defaultValue) {
  return CheckAccess().ReadFloat(section, key, defaultValue);
}
void TRzRegIniFile::WriteFloat(const String& section, const String& key, double value) {
  CheckAccess().WriteFloat(section, key, value);
}
TDateTime TRzRegIniFile::ReadDate(const String& section, const String& key, TDateTime defaultValue) {
  return CheckAccess().ReadDate(section, key, defaultValue);
}
void TRzRegIniFile::WriteDate(const String& section, const String& key, TDateTime value) {
  CheckAccess().WriteDate(section, key, value);
}
TDateTime TRzRegIniFile::ReadTime(const String& section, const String& key, TDateTime defaultValue) {
  return CheckAccess().ReadTime(section, key, defaultValue);
}
void TRzRegIniFile::WriteTime(const String& section, const String& key, TDateTime value) {
  CheckAccess().WriteTime(section, key, value);
}
TDateTime TRzRegIniFile::ReadDateTime(const String& section, const String& key, TDateTime defaultValue) {
  return CheckAccess().ReadDateTime(section, key, defaultValue);
}
void TRzRegIniFile::WriteDateTime(const String& section, const String& key, TDateTime value) {
  CheckAccess().WriteDateTime(section, key, value);
}
int TRzRegIniFile::ReadBinaryStream(const String& section, const String& key, TStream& stream) {
  return CheckAccess().ReadBinaryStream(section, key, stream);
}
void TRzRegIniFile::WriteBinaryStream(const String& section, const String& key, TStream& stream) {
  CheckAccess().WriteBinaryStream(section, key, stream);
}
void TRzRegIniFile::ReadSection(const String& section, TStrings* keys) { CheckAccess().ReadSection(section, keys); }
void TRzRegIniFile::ReadSections(TStrings* sections) { CheckAccess().ReadSections(sections); }
void TRzRegIniFile::EraseSection(const String& section) { CheckAccess().EraseSection(section); }
void TRzRegIniFile::DeleteKey(const String& section, const String& key) { CheckAccess().DeleteKey(section, key); }

void TRzRegIniFile::ReadSectionValues(const String& section, TStrings* values) {
  CheckAccess();
  values->BeginUpdate();
  values->Clear();
  if (pathType_ == ptIniFile) {
    TStringList lines;
    iniFile_->ReadSectionValues(section, &lines);
    values->AddStrings(lines);
  } else {
    RegistrySectionValues(section, values);
  }
  values->EndUpdate();
}

void TRzRegIniFile::RegistrySectionValues(const String& section, TStrings* values) {
  TRegistry registry(KEY_READ);
  registry.SetRootKey(RootKeyOf(regKey_));
  String key = path_;
  if (key.empty() || key.back() != '\\') key += "\\";
  key += section;
  if (key[0] != '\\') key = "\\" + key;
  if (!registry.OpenKeyReadOnly(key)) return;
  TStringList names;
  registry.GetValueNames(&names);
  names.Sort();
  for (int i = 0; i < names.Count(); ++i) {
    String name = names.Get(i);
    if (name.empty()) {
      values->Add("Default=" + (registry.GetDataType(name) == rdInteger ? IntToStr(registry.ReadInteger(name))
                                                                         : registry.ReadString(name)));
      continue;
    }
    switch (registry.GetDataType(name)) {
      case rdString:
      case rdExpandString: values->Add(name + "=" + registry.ReadString(name)); break;
      case rdInteger: values->Add(name + "=" + IntToStr(registry.ReadInteger(name))); break;
      case rdBinary: {
        std::vector<unsigned char> bytes(static_cast<size_t>(registry.GetDataSize(name)));
        if (!bytes.empty()) registry.ReadBinaryData(name, bytes.data(), static_cast<int>(bytes.size()));
        values->Add(name + "=" + BinaryText(bytes));
        break;
      }
      default: values->Add(name + "=Unknown Data Type"); break;
    }
  }
  registry.CloseKey();
}

void PublishRegIniFile() {
  static const TEnumNames pathTypes{"TRzPathType", {"ptIniFile", "ptRegistry"}};
  static const TEnumNames regKeys{"TRzRegKey",
                                  {"hkeyClassesRoot", "hkeyCurrentUser", "hkeyLocalMachine", "hkeyUsers",
                                   "hkeyPerformanceData", "hkeyCurrentConfig", "hkeyDynData"}};
  static const TEnumNames access{"TRzRegAccess",
                                 {"keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys",
                                  "keyNotify", "keyCreateLink", "keyRead", "keyWrite", "keyExecute",
                                  "keyAllAccess"}};
  PublishCoreClasses();
  PublishClass<TRzRegIniFile, TComponent>()
      .Str("Path", &TRzRegIniFile::Path, &TRzRegIniFile::SetPath)
      .Enum("PathType", pathTypes, &TRzRegIniFile::PathType, &TRzRegIniFile::SetPathType, ptIniFile)
      .Enum("RegKey", regKeys, &TRzRegIniFile::RegKey, &TRzRegIniFile::SetRegKey, hkeyCurrentUser)
      .Set("RegAccess", access, &TRzRegIniFile::RegAccess, &TRzRegIniFile::SetRegAccess, RegAccessBit(keyAllAccess));
}
