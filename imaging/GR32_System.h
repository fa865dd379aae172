// Processor features, processor count and the performance timer of the bitmap
// library (the blending and resampling units bind their inner routines by these),
// and its binding of the visual styles.
#pragma once

#include "imaging/GR32.h"
#include "platform/core/WinApi.h"

enum TCPUInstructionSet { ciMMX, ciEMMX, ciSSE, ciSSE2, ci3DNow, ci3DNowExt };
extern const Cardinal CPUISChecks[6];

bool HasInstructionSet(TCPUInstructionSet set);
inline bool HasMMX() { return HasInstructionSet(ciMMX); }
inline bool HasEMMX() { return HasInstructionSet(ciEMMX); }
inline bool HasSSE() { return HasInstructionSet(ciSSE); }
inline bool HasSSE2() { return HasInstructionSet(ciSSE2); }
inline bool Has3DNow() { return HasInstructionSet(ci3DNow); }
inline bool Has3DNowExt() { return HasInstructionSet(ci3DNowExt); }

// The answer for given identification results, so that every processor can be
// checked: family is bits 8-11 of leaf 1; maxExtended is leaf 0x80000000's answer.
bool InstructionSetOf(TCPUInstructionSet set, bool hasCpuid, Cardinal family, Cardinal standardFeatures,
                      Cardinal maxExtended, Cardinal extendedFeatures);

Integer GetProcessorCount();

class TPerfTimer : public TObject {
public:
  void Start();
  Int64 ReadValue();  // microseconds since Start
  String ReadNanoseconds();
  String ReadMilliseconds();

private:
  void Stop();
  Int64 frequency_ = 0, start_ = 0, stop_ = 0;
};

extern TPerfTimer* GlobalPerfTimer;

// ---------------------------------------------------------------------------
// Visual styles: uxtheme.dll bound by name on first use. Without the library (or
// without the five routines every use needs) USE_THEMES is false, the routine
// variables are null and both theme handles stay 0.

using HTHEME = HANDLE;
struct TThemeMargins {
  int cxLeftWidth, cxRightWidth, cyTopHeight, cyBottomHeight;
};

extern HMODULE THEME_LIBRARY;
extern HTHEME(WINAPI* OpenThemeData)(HWND hwnd, LPCWSTR classList);
extern HRESULT(WINAPI* CloseThemeData)(HTHEME theme);
extern HRESULT(WINAPI* DrawThemeBackground)(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                            const RECT* clip);
extern HRESULT(WINAPI* DrawThemeEdge)(HTHEME theme, HDC dc, int part, int state, const RECT* destRect, UINT edge,
                                      UINT flags, RECT* contentRect);
extern HRESULT(WINAPI* GetThemeColor)(HTHEME theme, int part, int state, int propId, COLORREF* color);
extern HRESULT(WINAPI* GetThemeMetric)(HTHEME theme, HDC dc, int part, int state, int propId, int* value);
extern HRESULT(WINAPI* GetThemeMargins)(HTHEME theme, HDC dc, int part, int state, int propId, RECT* rect,
                                        TThemeMargins* margins);
extern HRESULT(WINAPI* SetWindowTheme)(HWND hwnd, LPCWSTR subAppName, LPCWSTR subIdList);
extern BOOL(WINAPI* IsThemeActive)();
extern BOOL(WINAPI* IsAppThemed)();
extern HRESULT(WINAPI* EnableTheming)(BOOL enable);

extern bool USE_THEMES;
extern HTHEME SCROLLBAR_THEME;
extern HTHEME GLOBALS_THEME;

// How the library and its routines are found; tests replace these to make loading
// fail or to stand in for single routines.
extern HMODULE (*LoadThemeLibrary)(LPCSTR name);
extern FARPROC (*FindThemeRoutine)(HMODULE library, LPCSTR name);

// Owns the hidden window that hears of theme changes (message 794) and holds the
// themes open meanwhile: it opens them when created, closes and reopens them on
// each change, and closes them (and unbinds the library) when destroyed.
class TThemeNexus : public TObject {
public:
  TThemeNexus();
  ~TThemeNexus() override;
  HWND WindowHandle() const { return window_; }
  void Reopen();

private:
  HWND window_ = nullptr;  // owned
};

// Created at start-up and freed at the end of the run.
extern TThemeNexus* ThemeNexus;
