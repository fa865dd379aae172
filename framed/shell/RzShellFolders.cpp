#include "framed/shell/RzShellFolders.h"

#include <commctrl.h>

#include "framed/startup/RzShellUtils.h"
#include "platform/core/Exceptions.h"

namespace {

const ITEMIDLIST kEmptyList = {};

LPCITEMIDLIST OrEmpty(LPCITEMIDLIST pidl) { return pidl ? pidl : &kEmptyList; }

DWORD FriendlyFlag(TRzFriendlyNameFlags flags) {
  static const DWORD kFlags[] = {SHGDN_NORMAL, SHGDN_INFOLDER, SHGDN_FORPARSING, SHGDN_FOREDITING | SHGDN_INFOLDER};
  return kFlags[flags];
}

bool overlaysAdded = false;

void AddOverlays() {
  overlaysAdded = true;
  HMODULE shell = ::LoadLibraryA("shell32.dll");
  if (!shell) return;
  for (UINT sizeFlag : {UINT(SHGFI_SMALLICON), UINT(SHGFI_LARGEICON)}) {
    SHFILEINFOA info{};
    auto list = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
    if (!list) continue;
    const int edge = sizeFlag == SHGFI_SMALLICON ? 16 : 32;
    for (int overlay = 1; overlay <= 2; ++overlay) {
      auto icon = static_cast<HICON>(
          ::LoadImageA(shell, MAKEINTRESOURCEA(28 + overlay), IMAGE_ICON, edge, edge, LR_SHARED));
      if (!icon) continue;
      const int index = ImageList_AddIcon(list, icon);
      ImageList_SetOverlayImage(list, index, overlay);
      ::DestroyIcon(icon);
    }
  }
  ::FreeLibrary(shell);
}

}  // namespace

void ShellOleCheck(HRESULT result) {
  if (FAILED(result)) throw EOSError("OLE error " + std::to_string(static_cast<unsigned long>(result)));
}

HRESULT ShellGetDesktopFolder(IShellFolder_NRC*& folder) {
  IShellFolder* desktop = nullptr;
  const HRESULT result = ::SHGetDesktopFolder(&desktop);
  folder = reinterpret_cast<IShellFolder_NRC*>(desktop);
  return result;
}

HRESULT ShellGetFolderFromIdList(LPCITEMIDLIST pidl, IShellFolder_NRC*& folder) {
  folder = nullptr;
  IShellFolder_NRC* desktop = nullptr;
  HRESULT result = ShellGetDesktopFolder(desktop);
  if (FAILED(result)) return result;
  if (IdListLen(pidl) <= 2) {
    folder = desktop;
    return result;
  }
  result = desktop->BindToObject(pidl, nullptr, RzShellIds::IID_IShellFolder, reinterpret_cast<void**>(&folder));
  desktop->Release();
  return result;
}

HRESULT ShellGetIdListFromPath(const String& path, LPITEMIDLIST& pidl) {
  pidl = nullptr;
  IShellFolder_NRC* desktop = nullptr;
  HRESULT result = ShellGetDesktopFolder(desktop);
  if (FAILED(result)) return result;
  wchar_t wide[261] = {};
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, 260);
  ULONG eaten = 0, attributes = 0;
  try {
    result = desktop->ParseDisplayName(nullptr, nullptr, wide, &eaten, &pidl, &attributes);
  } catch (...) {
    ShellMemFree(pidl);
    pidl = nullptr;
    desktop->Release();
    throw;
  }
  desktop->Release();
  return result;
}

String ShellGetPathFromIdList(LPCITEMIDLIST pidl) {
  char path[MAX_PATH + 1] = {};
  return ::SHGetPathFromIDListA(OrEmpty(pidl), path) ? String(path) : String();
}

String ShellGetDisplayPathName(const String& path) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(ShellGetIdListFromPath(path, pidl)) || !pidl) return String();
  const String shown = ShellGetPathFromIdList(pidl);
  ShellMemFree(pidl);
  return shown;
}

HRESULT ShellGetSpecialFolderIdList(HWND owner, TCSIDL csidl, LPITEMIDLIST& pidl) {
  pidl = nullptr;
  return ::SHGetSpecialFolderLocation(owner, csidl & 0x7F, &pidl);
}

String ShellGetSpecialFolderPath(HWND owner, TCSIDL csidl) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(ShellGetSpecialFolderIdList(owner, csidl, pidl)) || !pidl) return String();
  const String path = ShellGetPathFromIdList(pidl);
  ShellMemFree(pidl);
  return path;
}

TCSIDL ShellFindCSIDLFromIdList(LPCITEMIDLIST pidl) {
  for (int csidl = csidlDesktop; csidl < csidlNone; ++csidl) {
    LPITEMIDLIST special = nullptr;
    if (FAILED(ShellGetSpecialFolderIdList(nullptr, static_cast<TCSIDL>(csidl), special)) || !special) continue;
    const bool equal = CompareAbsIdLists(special, pidl) == 0;
    ShellMemFree(special);
    if (equal) return static_cast<TCSIDL>(csidl);
  }
  return csidlNone;
}

bool ShellCSIDLEqualsIdList(LPCITEMIDLIST pidl, TCSIDL csidl) {
  LPITEMIDLIST special = nullptr;
  ShellOleCheck(ShellGetSpecialFolderIdList(nullptr, csidl, special));
  const bool equal = CompareAbsIdLists(special, pidl) == 0;
  ShellMemFree(special);
  return equal;
}

// ---- display names ----

String StrretToString(LPCITEMIDLIST pidl, const TStrRet& strRet) {
  switch (strRet.uType) {
    case STRRET_WSTR: {
      if (!strRet.pOleStr) return String();
      char text[MAX_PATH * 2] = {};
      ::WideCharToMultiByte(CP_ACP, 0, strRet.pOleStr, -1, text, sizeof text - 1, nullptr, nullptr);
      return text;
    }
    case STRRET_OFFSET:
      return pidl ? String(reinterpret_cast<const char*>(pidl) + strRet.uOffset) : String();
    case STRRET_CSTR:
      return String(strRet.cStr);
    default:
      return String();
  }
}

void StrretFree(TStrRet& strRet) {
  if (strRet.uType == STRRET_WSTR && strRet.pOleStr) ::CoTaskMemFree(strRet.pOleStr);
  strRet.pOleStr = nullptr;
}

String ShellGetFriendlyNameFromIdList(IShellFolder_NRC* folder, LPCITEMIDLIST pidl, TRzFriendlyNameFlags flags) {
  if (!folder) {
    IShellFolder_NRC* desktop = nullptr;
    if (FAILED(ShellGetDesktopFolder(desktop))) return String();
    const String name = ShellGetFriendlyNameFromIdList(desktop, pidl, flags);
    desktop->Release();
    return name;
  }
  TStrRet strRet{};
  strRet.uType = STRRET_WSTR;
  if (FAILED(folder->GetDisplayNameOf(pidl, FriendlyFlag(flags), &strRet))) {
    strRet = TStrRet{};
    strRet.uType = STRRET_CSTR;
    if (FAILED(folder->GetDisplayNameOf(pidl, FriendlyFlag(flags), &strRet))) return String();
  }
  const String name = StrretToString(pidl, strRet);
  StrretFree(strRet);
  return name;
}

String ShellGetFriendlyNameForLastIdListElement(LPCITEMIDLIST pidl) {
  IShellFolder_NRC* desktop = nullptr;
  if (FAILED(ShellGetDesktopFolder(desktop))) return String();
  TRzIdListArray items(pidl);
  String name;
  if (items.Count() > 1) {
    IShellFolder_NRC* parent = nullptr;
    const HRESULT bound = desktop->BindToObject(items.GoUp(1), nullptr, RzShellIds::IID_IShellFolder,
                                                reinterpret_cast<void**>(&parent));
    if (FAILED(bound)) desktop->Release();
    ShellOleCheck(bound);
    name = ShellGetFriendlyNameFromIdList(parent, items.Item(items.Count() - 1), fnInFolder);
    parent->Release();
  } else {
    name = ShellGetFriendlyNameFromIdList(desktop, OrEmpty(pidl), fnInFolder);
  }
  desktop->Release();
  return name;
}

// ---- icons ----

int ShellGetIconIndex(LPCITEMIDLIST pidl, UINT flags) {
  SHFILEINFOA info{};
  try {
    ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(OrEmpty(pidl)), 0, &info, sizeof info,
                     flags | SHGFI_SYSICONINDEX | SHGFI_PIDL);
  } catch (...) {
    return 0;
  }
  return info.iIcon;
}

int ShellGetIconIndexFromPath(const String& path, UINT flags) {
  SHFILEINFOA info{};
  ::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags | SHGFI_SYSICONINDEX);
  return info.iIcon;
}

int ShellGetIconIndexFromExt(const String& ext, UINT flags) {
  SHFILEINFOA info{};
  ::SHGetFileInfoA(ext.c_str(), 0, &info, sizeof info, flags | SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES);
  return info.iIcon;
}

int ShellGetSpecialFolderIconIndex(TCSIDL csidl, UINT flags) {
  LPITEMIDLIST pidl = nullptr;
  ShellOleCheck(ShellGetSpecialFolderIdList(nullptr, csidl, pidl));
  const int index = ShellGetIconIndex(pidl, flags);
  ShellMemFree(pidl);
  return index;
}

HIMAGELIST ShellGetSystemImageList(TRzShellIconSize size) {
  if (IsWinNT() && COMCTL32_VER.MS >= 0x00040047 && !overlaysAdded) AddOverlays();
  SHFILEINFOA info{};
  const UINT sizeFlag = size == iszSmall ? SHGFI_SMALLICON : SHGFI_LARGEICON;
  return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}
