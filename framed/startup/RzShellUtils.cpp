#include "framed/startup/RzShellUtils.h"

#include <shlobj.h>

#include <vector>

TRzModuleVersion COMCTL32_VER;
TRzModuleVersion SHELL32_VER;
OSVERSIONINFOA ShellOSVersion;
IMalloc_NRC* ShellMalloc = nullptr;

bool GetModuleVersion(const String& fileName, TRzModuleVersion& version) {
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(fileName.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> buffer(size);
  if (!::GetFileVersionInfoA(fileName.c_str(), 0, size, buffer.data())) return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info) return false;
  version.LS = info->dwFileVersionLS;
  version.MS = info->dwFileVersionMS;
  return true;
}

bool IsWin95() { return ShellOSVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS; }
bool IsOSR2OrGreater() { return IsWin95() && LOWORD(ShellOSVersion.dwBuildNumber) > 1000; }
bool IsWinNT() { return ShellOSVersion.dwPlatformId == VER_PLATFORM_WIN32_NT; }
bool IsWin2000() { return IsWinNT() && ShellOSVersion.dwMajorVersion >= 5; }
bool HasWin95Shell() { return IsWin95() || (IsWinNT() && ShellOSVersion.dwMajorVersion >= 4); }

void StartShellUtils() {
  ShellOSVersion = OSVERSIONINFOA();
  ShellOSVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record the shell routines read");
  ::GetVersionExA(&ShellOSVersion);
  IMalloc* malloc = nullptr;
  ShellMalloc = SUCCEEDED(::SHGetMalloc(&malloc)) ? reinterpret_cast<IMalloc_NRC*>(malloc) : nullptr;
  COMCTL32_VER = TRzModuleVersion();
  if (!GetModuleVersion("comctl32.dll", COMCTL32_VER)) COMCTL32_VER = TRzModuleVersion();
  SHELL32_VER = TRzModuleVersion();
  if (!GetModuleVersion("shell32.dll", SHELL32_VER)) SHELL32_VER = TRzModuleVersion();
}

void StopShellUtils() {
  if (ShellMalloc) ShellMalloc->Release();
  ShellMalloc = nullptr;
}
