// The system calls that show a modal box, leave the program or touch the user's
// machine go through these replaceable hooks, so a test can answer or record them
// instead of making them for real. Each hook starts bound to the real call.
#pragma once

#include <functional>

#include "platform/core/System.h"
#include "platform/core/WinApi.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

struct TSystemCalls {
  std::function<int(HWND owner, const String& text, const String& caption, UINT flags)> MessageBox;
  std::function<HINSTANCE(HWND owner, const String& verb, const String& file, const String& parameters,
                          const String& folder, int show)>
      ShellExecute;
  std::function<BOOL(UINT flags, DWORD reason)> ExitWindowsEx;
  // The kind of drive at `root` (with its backslash): DRIVE_CDROM and the others.
  std::function<UINT(const String& root)> GetDriveType;
  std::function<BOOL(OPENFILENAMEA* request)> GetOpenFileName;
  std::function<BOOL(OPENFILENAMEA* request)> GetSaveFileName;
  std::function<LPITEMIDLIST(BROWSEINFOA* request)> BrowseForFolder;
  std::function<BOOL(CHOOSECOLORA* request)> ChooseColor;
  std::function<BOOL(SHELLEXECUTEINFOA* request)> ShellExecuteEx;
  std::function<UINT(const String& commandLine, UINT show)> WinExec;
  // The volume name of the drive at `root` (with its backslash), into a buffer of
  // `nameSize` characters; FALSE when the system gives none.
  std::function<BOOL(const String& root, char* name, DWORD nameSize)> GetVolumeInformation;
  // The notification area: NIM_ADD, NIM_MODIFY or NIM_DELETE with the icon's record.
  std::function<BOOL(DWORD message, PNOTIFYICONDATAA data)> ShellNotifyIcon;
};

// The hooks in force; replace members to intercept, RestoreSystemCalls to undo.
TSystemCalls& SystemCalls();
void RestoreSystemCalls();
