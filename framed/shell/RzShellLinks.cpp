#include "framed/shell/RzShellLinks.h"

#include <objbase.h>

#include "platform/core/SysUtils.h"

namespace {

// The shell link object and its persistence, released together.
class TLinkObject {
public:
  TLinkObject() {
    result_ = ::CoCreateInstance(RzShellIds::CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, RzShellIds::IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link_));
    if (SUCCEEDED(result_))
      result_ = link_->QueryInterface(RzShellIds::IID_IPersistFile, reinterpret_cast<void**>(&file_));
  }
  ~TLinkObject() {
    if (file_) file_->Release();
    if (link_) link_->Release();
  }
  HRESULT Result() const { return result_; }
  IShellLink_NRC* Link() const { return link_; }
  IPersistFile* File() const { return file_; }

private:
  HRESULT result_;
  IShellLink_NRC* link_ = nullptr;  // counted by hand
  IPersistFile* file_ = nullptr;
};

void Widen(const String& text, wchar_t (&wide)[261]) {
  wide[0] = 0;
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 260);
  wide[260] = 0;
}

bool ConvertClsid(const String& text, GUID& clsid) {
  wchar_t wide[80] = {};
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 79);
  return SUCCEEDED(::CLSIDFromString(wide, &clsid));
}

// The default value of a key under HKEY_CLASSES_ROOT; false when it cannot be opened.
bool DefaultValue(const String& key, String& value) {
  HKEY handle = nullptr;
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  char buffer[512] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  const LONG read = ::RegQueryValueExA(handle, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  ::RegCloseKey(handle);
  value = read == ERROR_SUCCESS && type == REG_SZ ? String(buffer) : String();
  return true;
}

bool KeyExists(const String& key) {
  HKEY handle = nullptr;
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  ::RegCloseKey(handle);
  return true;
}

}  // namespace

HRESULT CreateShortcut(const String& linkFile, const TLinkData& d) {
  TLinkObject object;
  if (FAILED(object.Result())) return object.Result();
  IShellLink_NRC* link = object.Link();
  HRESULT result = link->SetPath(d.PathName.c_str());
  if (FAILED(result)) return result;
  if (d.Options & LinkOption(ldoUseDesc)) link->SetDescription(d.Description.c_str());
  if (d.Options & LinkOption(ldoUseArgs)) link->SetArguments(d.Arguments.c_str());
  if (d.Options & LinkOption(ldoUseIcon)) link->SetIconLocation(d.IconPath.c_str(), d.IconIndex);
  if (d.Options & LinkOption(ldoUseWorkDir)) link->SetWorkingDirectory(d.WorkingDir.c_str());
  if (d.Options & LinkOption(ldoUseHotKey)) link->SetHotKey(d.HotKey);
  if (d.Options & LinkOption(ldoUseShowCmd)) link->SetShowCmd(d.ShowCmd);
  wchar_t wide[261];
  Widen(linkFile, wide);
  return object.File()->Save(wide, TRUE);
}

HRESULT CreateQuickShortcut(const String& linkFile, const String& fileName) {
  TLinkData d;
  d.PathName = fileName;
  d.Description = fileName;
  const size_t slash = fileName.find_last_of("\\/:");
  d.WorkingDir = slash == String::npos ? String() : fileName.substr(0, slash + 1);
  d.Options = LinkOption(ldoUseDesc) | LinkOption(ldoUseWorkDir);
  return CreateShortcut(linkFile, d);
}

HRESULT ResolveShortcut(const String& linkFile, TLinkData& d, bool getIdList) {
  TLinkObject object;
  if (FAILED(object.Result())) return object.Result();
  IShellLink_NRC* link = object.Link();
  wchar_t wide[261];
  Widen(linkFile, wide);
  HRESULT result = object.File()->Load(wide, STGM_READ);
  if (SUCCEEDED(result))
    result = d.ResolveQuiet ? link->Resolve(reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)), 0x00010000)
                            : link->Resolve(nullptr, 0);
  char buffer[261];
  auto text = [&](auto get, String& field) {
    if (FAILED(result)) return;
    buffer[0] = 0;
    result = get();
    if (SUCCEEDED(result)) field = buffer;
  };
  text([&] { return link->GetPath(buffer, 261, &d.FindData, 0); }, d.PathName);
  text([&] { return link->GetArguments(buffer, 261); }, d.Arguments);
  text([&] { return link->GetDescription(buffer, 261); }, d.Description);
  text([&] { return link->GetIconLocation(buffer, 261, &d.IconIndex); }, d.IconPath);
  text([&] { return link->GetWorkingDirectory(buffer, 261); }, d.WorkingDir);
  if (SUCCEEDED(result)) result = link->GetShowCmd(&d.ShowCmd);
  if (SUCCEEDED(result)) result = link->GetHotKey(&d.HotKey);
  if (SUCCEEDED(result)) {
    d.Options = kAllLinkOptions;
    d.IdList = nullptr;
    if (getIdList) result = link->GetIDList(&d.IdList);
  }
  return result;
}

bool RzClsidFromFileType(const String& fileType, GUID& clsid) {
  String name;
  if (!DefaultValue(fileType, name)) return false;
  if (SameText(name.substr(0, 6), "clsid\\")) return ConvertClsid(name.substr(6), clsid);
  if (!KeyExists(fileType + "\\CLSID")) {
    if (!KeyExists(name)) return false;
    String id;
    if (!DefaultValue(name + "\\CLSID", id)) return false;
    return ConvertClsid(id, clsid);
  }
  String id;
  return DefaultValue(fileType + "\\CLSID", id) && ConvertClsid(id, clsid);
}
