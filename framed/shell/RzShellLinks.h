// Shell shortcuts (created and resolved through the shell link object) and the
// class id registered for a file type.
#pragma once

#include "framed/shell/RzShellIdLists.h"

enum TLinkDataOption : Byte { ldoUseDesc, ldoUseArgs, ldoUseIcon, ldoUseWorkDir, ldoUseHotKey, ldoUseShowCmd };
using TLinkDataOptions = Byte;  // bit n for the n-th option
constexpr TLinkDataOptions LinkOption(TLinkDataOption o) { return static_cast<Byte>(1u << o); }
constexpr TLinkDataOptions kAllLinkOptions = 0x3F;

struct TLinkData {
  String PathName;
  TLinkDataOptions Options = 0;
  String Description;
  String Arguments;
  String IconPath;
  int IconIndex = 0;
  String WorkingDir;
  int ShowCmd = 0;
  Word HotKey = 0;
  bool ResolveQuiet = false;
  LPITEMIDLIST IdList = nullptr;  // the caller's, when asked for
  WIN32_FIND_DATAA FindData{};
};

// The first failing result, or that of the last step.
HRESULT CreateShortcut(const String& linkFile, const TLinkData& linkData);
HRESULT CreateQuickShortcut(const String& linkFile, const String& fileName);
HRESULT ResolveShortcut(const String& linkFile, TLinkData& linkData, bool getIdList);

// The class id registered for a file type (".txt" or a type name); false when none.
bool RzClsidFromFileType(const String& fileType, GUID& clsid);
