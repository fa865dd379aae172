#include "platform/io/Registry.h"

#include <cstring>
#include <vector>

#include "platform/io/Streams.h"
#include "platform/core/SysUtils.h"

// ---- TRegistry ----

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

HKEY TRegistry::Base(const String& key, String& relative) const {
  if (!key.empty() && key[0] == '\\') {
    relative = key.substr(1);
    return root_;
  }
  if (current_) {
    relative = key;
    return current_;
  }
  relative = key;
  return root_;
}

bool TRegistry::OpenKey(const String& key, bool canCreate) {
  String relative;
  HKEY base = Base(key, relative);
  HKEY opened = nullptr;
  LONG result = canCreate ? ::RegCreateKeyExA(base, relative.c_str(), 0, nullptr, 0, access_, nullptr, &opened, nullptr)
                          : ::RegOpenKeyExA(base, relative.c_str(), 0, access_, &opened);
  if (result != ERROR_SUCCESS) return false;
  String path = (base == root_) ? relative : path_ + "\\" + relative;
  CloseKey();
  current_ = opened;
  path_ = path;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const String& key) {
  REGSAM saved = access_;
  access_ = KEY_READ;
  bool opened = OpenKey(key, false);
  access_ = saved;
  return opened;
}

void TRegistry::CloseKey() {
  if (current_) ::RegCloseKey(current_);
  current_ = nullptr;
  path_.clear();
}

bool TRegistry::KeyExists(const String& key) {
  String relative;
  HKEY base = Base(key, relative);
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(base, relative.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

bool TRegistry::DeleteKey(const String& key) {
  String relative;
  HKEY base = Base(key, relative);
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(base, relative.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return false;
  char name[256];
  while (::RegEnumKeyA(opened, 0, name, sizeof(name)) == ERROR_SUCCESS) {
    TRegistry child;
    child.root_ = opened;
    if (!child.DeleteKey(String("\\") + name)) break;
  }
  ::RegCloseKey(opened);
  return ::RegDeleteKeyA(base, relative.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::Query(const String& name, DWORD& type, std::string& data) {
  DWORD size = 0;
  if (!current_ || ::RegQueryValueExA(current_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  data.assign(size, '\0');
  return ::RegQueryValueExA(current_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
         ERROR_SUCCESS;
}

void TRegistry::Put(const String& name, DWORD type, const void* data, DWORD size) {
  if (!current_ || ::RegSetValueExA(current_, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    throw ERegistryException("Failed to set data for '" + name + "'");
}

bool TRegistry::ValueExists(const String& name) {
  return current_ && ::RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const String& name) {
  return current_ && ::RegDeleteValueA(current_, name.c_str()) == ERROR_SUCCESS;
}

TRegDataType TRegistry::GetDataType(const String& name) {
  DWORD type = 0;
  if (!current_ || ::RegQueryValueExA(current_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
    return rdUnknown;
  switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

int TRegistry::GetDataSize(const String& name) {
  DWORD size = 0;
  if (!current_ || ::RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<int>(size);
}

void TRegistry::GetValueNames(TStrings* names) {
  names->Clear();
  if (!current_) return;
  char name[16384];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof(name);
    if (::RegEnumValueA(current_, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names->Add(String(name, length));
  }
}

void TRegistry::GetKeyNames(TStrings* names) {
  names->Clear();
  if (!current_) return;
  char name[256];
  for (DWORD i = 0; ::RegEnumKeyA(current_, i, name, sizeof(name)) == ERROR_SUCCESS; ++i) names->Add(name);
}

String TRegistry::ReadString(const String& name) {
  DWORD type = 0;
  std::string data;
  if (!Query(name, type, data)) return String();
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("Invalid data type for '" + name + "'");
  return String(data.c_str());
}

Integer TRegistry::ReadInteger(const String& name) {
  DWORD type = 0;
  std::string data;
  if (!Query(name, type, data) || type != REG_DWORD || data.size() != 4)
    throw ERegistryException("Invalid data type for '" + name + "'");
  Integer value;
  std::memcpy(&value, data.data(), 4);
  return value;
}

double TRegistry::ReadFloat(const String& name) {
  double value = 0;
  if (ReadBinaryData(name, &value, sizeof(value)) != sizeof(value))
    throw ERegistryException("Invalid data type for '" + name + "'");
  return value;
}

int TRegistry::ReadBinaryData(const String& name, void* buffer, int size) {
  DWORD type = 0;
  std::string data;
  if (!Query(name, type, data)) return 0;
  if (type != REG_BINARY || static_cast<int>(data.size()) > size)
    throw ERegistryException("Invalid data type for '" + name + "'");
  std::memcpy(buffer, data.data(), data.size());
  return static_cast<int>(data.size());
}

void TRegistry::WriteString(const String& name, const String& value) {
  Put(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void TRegistry::WriteExpandString(const String& name, const String& value) {
  Put(name, REG_EXPAND_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void TRegistry::WriteInteger(const String& name, Integer value) { Put(name, REG_DWORD, &value, 4); }

void TRegistry::WriteFloat(const String& name, double value) { Put(name, REG_BINARY, &value, sizeof(value)); }

void TRegistry::WriteBinaryData(const String& name, const void* buffer, int size) {
  Put(name, REG_BINARY, buffer, static_cast<DWORD>(size));
}

// ---- TRegistryIniFile ----

TRegistryIniFile::TRegistryIniFile(const String& fileName, REGSAM access)
    : TCustomIniFile(fileName), registry_(access) {
  registry_.OpenKey(fileName, true);
}

void TRegistryIniFile::SetRootKey(HKEY root) {
  registry_.SetRootKey(root);
  registry_.OpenKey(FileName(), true);
}

template <class Work>
bool TRegistryIniFile::InSection(const String& section, bool create, Work work) {
  String home = "\\" + (FileName().empty() || FileName()[0] != '\\' ? FileName() : FileName().substr(1));
  String key = section.empty() ? home : home + "\\" + section;
  bool opened = create ? registry_.OpenKey(key, true) : registry_.OpenKeyReadOnly(key);
  if (opened) work();
  registry_.OpenKey(home, true);
  return opened;
}

String TRegistryIniFile::ReadString(const String& section, const String& key, const String& defaultValue) {
  String value = defaultValue;
  InSection(section, false, [&] {
    TRegDataType type = registry_.GetDataType(key);
    if (type == rdString || type == rdExpandString) value = registry_.ReadString(key);
    else if (type == rdInteger) value = IntToStr(registry_.ReadInteger(key));
  });
  return value;
}

void TRegistryIniFile::WriteString(const String& section, const String& key, const String& value) {
  InSection(section, true, [&] { registry_.WriteString(key, value); });
}

Integer TRegistryIniFile::ReadInteger(const String& section, const String& key, Integer defaultValue) {
  Integer value = defaultValue;
  InSection(section, false, [&] {
    TRegDataType type = registry_.GetDataType(key);
    if (type == rdInteger) value = registry_.ReadInteger(key);
    else if (type == rdString) value = StrToIntDef(registry_.ReadString(key), defaultValue);
  });
  return value;
}

void TRegistryIniFile::WriteInteger(const String& section, const String& key, Integer value) {
  InSection(section, true, [&] { registry_.WriteInteger(key, value); });
}

bool TRegistryIniFile::ReadBool(const String& section, const String& key, bool defaultValue) {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TRegistryIniFile::WriteBool(const String& section, const String& key, bool value) {
  WriteInteger(section, key, value ? 1 : 0);
}

int TRegistryIniFile::ReadBinaryStream(const String& section, const String& key, TStream& stream) {
  int count = 0;
  InSection(section, false, [&] {
    if (registry_.GetDataType(key) != rdBinary) return;
    std::vector<char> bytes(static_cast<size_t>(registry_.GetDataSize(key)));
    count = bytes.empty() ? 0 : registry_.ReadBinaryData(key, bytes.data(), static_cast<int>(bytes.size()));
    stream.Write(bytes.data(), count);
  });
  return count;
}

void TRegistryIniFile::WriteBinaryStream(const String& section, const String& key, TStream& stream) {
  std::vector<char> bytes;
  char byte;
  while (stream.Read(&byte, 1) == 1) bytes.push_back(byte);
  InSection(section, true, [&] { registry_.WriteBinaryData(key, bytes.data(), static_cast<int>(bytes.size())); });
}

void TRegistryIniFile::ReadSection(const String& section, TStrings* keys) {
  keys->Clear();
  InSection(section, false, [&] { registry_.GetValueNames(keys); });
}

void TRegistryIniFile::ReadSections(TStrings* sections) { InSection(String(), false, [&] { registry_.GetKeyNames(sections); }); }

void TRegistryIniFile::ReadSectionValues(const String& section, TStrings* values) {
  values->Clear();
  TStringList names;
  ReadSection(section, &names);
  for (int i = 0; i < names.Count(); ++i)
    values->Add(names.Get(i) + "=" + ReadString(section, names.Get(i), String()));
}

void TRegistryIniFile::EraseSection(const String& section) {
  String home = FileName().empty() || FileName()[0] != '\\' ? FileName() : FileName().substr(1);
  registry_.CloseKey();
  registry_.DeleteKey("\\" + home + "\\" + section);
  registry_.OpenKey("\\" + home, true);
}

void TRegistryIniFile::DeleteKey(const String& section, const String& key) {
  InSection(section, true, [&] { registry_.DeleteValue(key); });
}

bool TRegistryIniFile::SectionExists(const String& section) {
  return InSection(section, false, [] {});
}

bool TRegistryIniFile::ValueExists(const String& section, const String& key) {
  bool exists = false;
  InSection(section, false, [&] { exists = registry_.ValueExists(key); });
  return exists;
}
