#include "app/Myshelllib.h"

#include "platform/core/FileUtils.h"
#include "platform/core/SystemCalls.h"
#include "platform/core/WinApi.h"

#include <shlobj.h>

namespace {

int currentCursor = MyCursor::kDefault;

LPCSTR SystemCursorName(int cursor) {
  switch (cursor) {
    case MyCursor::kHourGlass: return IDC_WAIT;
    case -3: return IDC_CROSS;
    case -4: return IDC_IBEAM;
    case -19: return IDC_APPSTARTING;
    case -21: return IDC_HAND;
    default: return IDC_ARROW;
  }
}

void SetScreenCursor(int cursor) {
  currentCursor = cursor;
  ::SetCursor(::LoadCursorA(nullptr, SystemCursorName(cursor)));
}

}  // namespace

int AppMessageBox(const String& text, const String& caption, int flags) {
  return SystemCalls().MessageBox(::GetActiveWindow(), text, caption, static_cast<UINT>(flags));
}

MyCursor::MyCursor(int cursor) { SetScreenCursor(cursor); }

MyCursor::~MyCursor() { SetScreenCursor(kDefault); }

int ScreenCursor() { return currentCursor; }

String GetHelpFileName() { return ProgramFolder() + "VarnelRevo.chm"; }

String GetMyDocumentsFolder() {
  char path[MAX_PATH + 1] = {};
  if (::SHGetSpecialFolderPathA(::GetActiveWindow(), path, CSIDL_PERSONAL, TRUE) && path[0] != '\0') {
    return ExcludeTrailingBackslash(path);
  }
  return ExcludeTrailingBackslash(ProgramFolder());
}

unsigned DropShadowClassStyle() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!::GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;
  const bool xpOrLater = version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion > 0);
  return xpOrLater ? CS_DROPSHADOW : 0;
}
