// Shell folders by item-id list and by special folder, display names of items,
// their icons in the system image list, and the conversions of the shell's name
// records.
#pragma once

#include "framed/shell/RzShellIdLists.h"

// Each ordinal is the shell's CSIDL number; the csidl_None values name no folder.
enum TCSIDL : Byte {
  csidlDesktop, csidl_None1, csidlPrograms, csidlControls, csidlPrinters, csidlPersonal, csidlFavorites,
  csidlStartup, csidlRecent, csidlSendTo, csidlBitBucket, csidlStartMenu, csidl_None2, csidl_None3, csidl_None4,
  csidl_None5, csidlDesktopDirectory, csidlDrives, csidlNetwork, csidlNethood, csidlFonts, csidlTemplates,
  csidlCommonStartMenu, csidlCommonPrograms, csidlCommonStartup, csidlCommonDesktopDirectory, csidlAppData,
  csidlPrintHood, csidlLocalAppData, csidlAltStartup, csidlCommonAltStartup, csidlCommonFavorites,
  csidlInternetCache, csidlCookies, csidlHistory, csidlCommonAppData, csidlWindows, csidlSystem, csidlProgramFiles,
  csidlMyPictures, csidlProfile, csidlSystemX86, csidlProgramFilesX86, csidlProgramFilesCommon,
  csidlProgramFilesCommonX86, csidlCommonTemplates, csidlCommonDocuments, csidlCommonAdminTools, csidlAdminTools,
  csidlConnections, csidlNone
};
static_assert(csidlNone == 50, "the last CSIDL stands for none");

enum TRzFriendlyNameFlags : Byte { fnNormal, fnInFolder, fnForParsing, fnForEditing };
enum TRzShellIconSize : Byte { iszSmall, iszLarge };

HRESULT ShellGetDesktopFolder(IShellFolder_NRC*& folder);
// The desktop itself for a nil or empty list; the caller releases the folder.
HRESULT ShellGetFolderFromIdList(LPCITEMIDLIST pidl, IShellFolder_NRC*& folder);
HRESULT ShellGetIdListFromPath(const String& path, LPITEMIDLIST& pidl);
String ShellGetPathFromIdList(LPCITEMIDLIST pidl);
String ShellGetDisplayPathName(const String& path);
String ShellGetSpecialFolderPath(HWND owner, TCSIDL csidl);
HRESULT ShellGetSpecialFolderIdList(HWND owner, TCSIDL csidl, LPITEMIDLIST& pidl);
TCSIDL ShellFindCSIDLFromIdList(LPCITEMIDLIST pidl);
bool ShellCSIDLEqualsIdList(LPCITEMIDLIST pidl, TCSIDL csidl);

String ShellGetFriendlyNameFromIdList(IShellFolder_NRC* folder, LPCITEMIDLIST pidl, TRzFriendlyNameFlags flags);
String ShellGetFriendlyNameForLastIdListElement(LPCITEMIDLIST pidl);
String StrretToString(LPCITEMIDLIST pidl, const TStrRet& strRet);
void StrretFree(TStrRet& strRet);

int ShellGetIconIndex(LPCITEMIDLIST pidl, UINT flags);
int ShellGetIconIndexFromPath(const String& path, UINT flags);
int ShellGetIconIndexFromExt(const String& ext, UINT flags);
int ShellGetSpecialFolderIconIndex(TCSIDL csidl, UINT flags);
HIMAGELIST ShellGetSystemImageList(TRzShellIconSize size);

// The platform's OLE error for a failed result.
void ShellOleCheck(HRESULT result);
