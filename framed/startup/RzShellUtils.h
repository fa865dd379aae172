// Shell services the family reads once at start-up: the Windows version record,
// the versions of comctl32.dll and shell32.dll, and the shell allocator.
#pragma once

#include "framed/startup/RzShellIntf.h"
#include "platform/core/System.h"
#include "platform/core/WinApi.h"

// A file version: LS holds the third part (high word) and fourth (low word), MS
// the major (high word) and minor (low word) version.
struct TRzModuleVersion {
  DWORD LS = 0;
  DWORD MS = 0;
};

extern TRzModuleVersion COMCTL32_VER;  // zero when unknown
extern TRzModuleVersion SHELL32_VER;
extern OSVERSIONINFOA ShellOSVersion;   // size field 148
extern IMalloc_NRC* ShellMalloc;        // the shell allocator; nullptr before start-up

// The file version of a module or file; false (and `version` unchanged) on any failure.
bool GetModuleVersion(const String& fileName, TRzModuleVersion& version);

bool IsWin95();
bool IsOSR2OrGreater();
bool IsWinNT();
bool IsWin2000();
bool HasWin95Shell();

// The start-up and exit of the shell units (first start and last stop only).
void StartShellUtils();
void StopShellUtils();
