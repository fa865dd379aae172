// The visual-styles binding of the bitmap library (declared in GR32_System.h).
#include "imaging/GR32_System.h"

namespace {

HMODULE LoadLibraryByName(LPCSTR name) { return ::LoadLibraryA(name); }
FARPROC RoutineByName(HMODULE library, LPCSTR name) { return ::GetProcAddress(library, name); }

constexpr UINT kThemeChanged = 794;
constexpr char kNexusClass[] = "TThemeNexusWindow";

template <class F>
void Bind(F& routine, const char* name) {
  routine = reinterpret_cast<F>(reinterpret_cast<void*>(FindThemeRoutine(THEME_LIBRARY, name)));
}

void Unbind() {
  if (THEME_LIBRARY) ::FreeLibrary(THEME_LIBRARY);
  THEME_LIBRARY = nullptr;
  OpenThemeData = nullptr;
  CloseThemeData = nullptr;
  DrawThemeBackground = nullptr;
  DrawThemeEdge = nullptr;
  GetThemeColor = nullptr;
  GetThemeMetric = nullptr;
  GetThemeMargins = nullptr;
  SetWindowTheme = nullptr;
  IsThemeActive = nullptr;
  IsAppThemed = nullptr;
  EnableTheming = nullptr;
}

// Binds the library on first use; true while it is bound.
bool BindThemeLibrary() {
  if (THEME_LIBRARY) return true;
  THEME_LIBRARY = LoadThemeLibrary("uxtheme.dll");
  if (!THEME_LIBRARY) return false;
  Bind(OpenThemeData, "OpenThemeData");
  Bind(CloseThemeData, "CloseThemeData");
  Bind(DrawThemeBackground, "DrawThemeBackground");
  Bind(DrawThemeEdge, "DrawThemeEdge");
  Bind(GetThemeColor, "GetThemeColor");
  Bind(GetThemeMetric, "GetThemeMetric");
  Bind(GetThemeMargins, "GetThemeMargins");
  Bind(SetWindowTheme, "SetWindowTheme");
  Bind(IsThemeActive, "IsThemeActive");
  Bind(IsAppThemed, "IsAppThemed");
  Bind(EnableTheming, "EnableTheming");
  if (!OpenThemeData || !CloseThemeData || !IsThemeActive || !IsAppThemed || !EnableTheming) Unbind();
  return THEME_LIBRARY != nullptr;
}

bool ThemesUsable() { return THEME_LIBRARY && IsAppThemed() != 0 && IsThemeActive() != 0; }

void OpenVisualStyles(HWND window) {
  USE_THEMES = false;
  if (BindThemeLibrary()) USE_THEMES = ThemesUsable();
  if (USE_THEMES) {
    SCROLLBAR_THEME = OpenThemeData(window, L"SCROLLBAR");
    GLOBALS_THEME = OpenThemeData(window, L"GLOBALS");
  }
}

// Every handle still open is closed, also when themes went out of use since they
// were opened, so none outlives the library it came from.
void CloseVisualStyles() {
  if (THEME_LIBRARY) {
    if (SCROLLBAR_THEME) CloseThemeData(SCROLLBAR_THEME);
    if (GLOBALS_THEME) CloseThemeData(GLOBALS_THEME);
  }
  SCROLLBAR_THEME = nullptr;
  GLOBALS_THEME = nullptr;
  USE_THEMES = false;
  Unbind();
}

LRESULT CALLBACK NexusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kThemeChanged && ThemeNexus && ThemeNexus->WindowHandle() == window) ThemeNexus->Reopen();
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateNexusWindow() {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!::GetClassInfoA(instance, kNexusClass, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = NexusWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kNexusClass;
    ::RegisterClassA(&wc);
  }
  // A hidden top-level window: message-only windows do not hear broadcasts.
  return ::CreateWindowExA(WS_EX_TOOLWINDOW, kNexusClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
}

}  // namespace

HMODULE THEME_LIBRARY = nullptr;
HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
HRESULT(WINAPI* DrawThemeEdge)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) = nullptr;
HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
HRESULT(WINAPI* GetThemeMetric)(HTHEME, HDC, int, int, int, int*) = nullptr;
HRESULT(WINAPI* GetThemeMargins)(HTHEME, HDC, int, int, int, RECT*, TThemeMargins*) = nullptr;
HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
BOOL(WINAPI* IsThemeActive)() = nullptr;
BOOL(WINAPI* IsAppThemed)() = nullptr;
HRESULT(WINAPI* EnableTheming)(BOOL) = nullptr;

bool USE_THEMES = false;
HTHEME SCROLLBAR_THEME = nullptr;
HTHEME GLOBALS_THEME = nullptr;

HMODULE (*LoadThemeLibrary)(LPCSTR) = LoadLibraryByName;
FARPROC (*FindThemeRoutine)(HMODULE, LPCSTR) = RoutineByName;

TThemeNexus::TThemeNexus() : window_(CreateNexusWindow()) { OpenVisualStyles(window_); }

TThemeNexus::~TThemeNexus() {
  CloseVisualStyles();
  if (window_) ::DestroyWindow(window_);
}

void TThemeNexus::Reopen() {
  CloseVisualStyles();
  OpenVisualStyles(window_);
}
