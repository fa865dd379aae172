// Operating-system services of the skin engine: version tests, the user32 entry
// points bound by name when present (with their fallbacks), layered-window
// opacity, screen capture and monitor work areas.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/core/WinApi.h"

// The user32 entry points looked up by name at start-up; nullptr when absent.
// One list serves the declaration and the binding.
#define SP_USER32_ENTRIES(X)                                      \
  X(MonitorFromWindow, HMONITOR, (HWND, DWORD))                   \
  X(GetMonitorInfoA, BOOL, (HMONITOR, LPMONITORINFO))             \
  X(GetScrollBarInfo, BOOL, (HWND, LONG, PSCROLLBARINFO))         \
  X(SetLayeredWindowAttributes, BOOL, (HWND, COLORREF, BYTE, DWORD))

struct TspUser32Entries {
#define SP_USER32_FIELD(name, result, parameters) result(WINAPI* name) parameters = nullptr;
  SP_USER32_ENTRIES(SP_USER32_FIELD)
#undef SP_USER32_FIELD
};

// The entries bound from the loaded user32.dll (tests may clear one to reach its
// fallback, and rebind with BindUser32Entries).
TspUser32Entries& SPUser32();
void BindUser32Entries();
inline auto& GetScrollBarInfoFunc() { return SPUser32().GetScrollBarInfo; }

// Where the version comes from (GetVersion; replaceable so tests can pin it).
extern DWORD (*SP_GetVersion)();
void GetWindowsVersion(Integer& major, Integer& minor);
bool IsVistaOs();
bool Is9XOS();
bool CheckWXP();
bool CheckW2KWXP();

// Sets the opacity of a window that already has the layered style; nothing when
// the system has no SetLayeredWindowAttributes.
void SetAlphaBlendTransparent(HWND wnd, Byte value);
// Copies the screen from (x, y) into b at b's size.
void GetScreenImage(Integer x, Integer y, TBitmap* b);
// The primary monitor's work area, or the whole screen when workArea is false.
TRect GetPrimaryMonitorWorkArea(bool workArea);
// The work area (or the whole area) of the monitor nearest the window; the
// primary monitor's when there is one monitor or the monitor cannot be asked.
TRect GetMonitorWorkArea(HWND wnd, bool workArea);
// GetScrollBarInfo when present; otherwise marks the bar invisible and answers false.
bool MyGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info);
