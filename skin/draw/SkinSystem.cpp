#include "skin/draw/SkinSystem.h"

namespace {

template <class Entry>
void Bind(HMODULE module, const char* name, Entry& entry) {
  entry = module ? reinterpret_cast<Entry>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

TspUser32Entries BoundEntries() {
  TspUser32Entries entries;
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
#define SP_USER32_BIND(name, result, parameters) Bind(user32, #name, entries.name);
  SP_USER32_ENTRIES(SP_USER32_BIND)
#undef SP_USER32_BIND
  return entries;
}

}  // namespace

TspUser32Entries& SPUser32() {
  static TspUser32Entries entries = BoundEntries();
  return entries;
}

void BindUser32Entries() { SPUser32() = BoundEntries(); }

DWORD (*SP_GetVersion)() = [] { return ::GetVersion(); };

void GetWindowsVersion(Integer& major, Integer& minor) {
  DWORD version = SP_GetVersion();
  major = static_cast<Integer>(version & 0xFF);
  minor = static_cast<Integer>((version >> 8) & 0xFF);
}

bool IsVistaOs() {
  Integer major, minor;
  GetWindowsVersion(major, minor);
  return major > 5;
}

bool Is9XOS() {
  Integer major, minor;
  GetWindowsVersion(major, minor);
  return major < 5;
}

bool CheckWXP() {
  Integer major, minor;
  GetWindowsVersion(major, minor);
  return major > 5 || (major == 5 && minor == 1);
}

bool CheckW2KWXP() {
  Integer major, minor;
  GetWindowsVersion(major, minor);
  return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}

void SetAlphaBlendTransparent(HWND wnd, Byte value) {
  if (auto setAttributes = SPUser32().SetLayeredWindowAttributes) setAttributes(wnd, 0, value, LWA_ALPHA);
}

void GetScreenImage(Integer x, Integer y, TBitmap* b) {
  if (!b || b->Empty()) return;
  HDC screen = ::GetDC(nullptr);
  ::BitBlt(b->Canvas()->Handle(), 0, 0, b->Width(), b->Height(), screen, x, y, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
}

TRect GetPrimaryMonitorWorkArea(bool workArea) {
  if (!workArea) return TRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  TRect area;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

TRect GetMonitorWorkArea(HWND wnd, bool workArea) {
  const TspUser32Entries& user32 = SPUser32();
  if (::GetSystemMetrics(SM_CMONITORS) <= 1 || !user32.GetMonitorInfoA || !user32.MonitorFromWindow)
    return GetPrimaryMonitorWorkArea(workArea);
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!user32.GetMonitorInfoA(user32.MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info))
    return GetPrimaryMonitorWorkArea(workArea);
  const RECT& r = workArea ? info.rcWork : info.rcMonitor;
  return TRect{r.left, r.top, r.right, r.bottom};
}

bool MyGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info) {
  if (auto getInfo = SPUser32().GetScrollBarInfo) return getInfo(wnd, objectId, &info) != FALSE;
  info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return false;
}
