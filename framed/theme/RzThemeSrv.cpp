#include "framed/theme/RzThemeSrv.h"

#include <string>

#include "framed/startup/RzShellUtils.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"

namespace {

TThemeServices* shared = nullptr;
DWORD controlsVersionOverride = 0;

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

DWORD CommonControlsVersion() { return controlsVersionOverride ? controlsVersionOverride : COMCTL32_VER.MS; }
void SetCommonControlsVersion(DWORD version) { controlsVersionOverride = version; }

TThemeServices* ThemeServices() {
  if (!shared) shared = new TThemeServices(Application.Handle());
  return shared;
}

void FreeThemeServices() { FreeAndNil(shared); }

TThemeServices::TThemeServices(HWND window) : window_(window) {
  if (window_) hook_.Attach(window_, TWndMethod(this, &TThemeServices::WindowProc));
  themesAvailable_ = InitThemeLibrary();
  UpdateThemes();
}

TThemeServices::~TThemeServices() {
  hook_.Restore();
  UnloadThemeData();
  FreeThemeLibrary();
}

void TThemeServices::UpdateThemes() {
  if (useThemes_) UnloadThemeData();
  useThemes_ = ::UseThemes() && CommonControlsVersion() >= 0x60000;
  controlsEnabled_ = useThemes_ && ThemeApi.GetThemeAppProperties &&
                     (ThemeApi.GetThemeAppProperties() & STAP_ALLOW_CONTROLS) != 0;
}

void TThemeServices::UnloadThemeData() {
  if (window_ && !::IsWindow(window_)) return;
  for (HTHEME& theme : themes_) {
    if (theme && ThemeApi.CloseThemeData) ThemeApi.CloseThemeData(theme);
    theme = nullptr;
  }
}

HTHEME TThemeServices::GetTheme(TThemedElement element) {
  if (useThemes_ && !themes_[element] && ThemeApi.OpenThemeData)
    themes_[element] = ThemeApi.OpenThemeData(window_, ThemedElementClassName(element));
  return themes_[element];
}

void TThemeServices::WindowProc(TMessage& message) {
  if (message.Msg == WM_DESTROY) {  // the window goes: let go of it
    hook_.CallPrevious(message);
    hook_.Restore();
    return;
  }
  if (message.Msg == WM_THEMECHANGED) {
    UpdateThemes();
    DoOnThemeChange();
  }
  hook_.CallPrevious(message);
}

void TThemeServices::DoOnThemeChange() {
  if (OnThemeChange) OnThemeChange(this);
}

TColor TThemeServices::ColorToRGB(TColor color, const TThemedElementDetails* details) {
  if (color >= 0 || !details || !ThemeApi.GetThemeSysColor) return color;
  return static_cast<TColor>(ThemeApi.GetThemeSysColor(GetTheme(details->Element), color & 0x7FFFFFFF));
}

TRect TThemeServices::ContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds) {
  RECT in = ToRECT(bounds), out = in;
  if (ThemeApi.GetThemeBackgroundContentRect)
    ThemeApi.GetThemeBackgroundContentRect(GetTheme(details.Element), dc, details.Part, details.State, &in, &out);
  return Rect(out.left, out.top, out.right, out.bottom);
}

void TThemeServices::DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& rect, UINT edge, UINT flags,
                              TRect* contentRect) {
  if (!ThemeApi.DrawThemeEdge) return;
  RECT r = ToRECT(rect), content = r;
  ThemeApi.DrawThemeEdge(GetTheme(details.Element), dc, details.Part, details.State, &r, edge, flags,
                         contentRect ? &content : nullptr);
  if (contentRect) *contentRect = Rect(content.left, content.top, content.right, content.bottom);
}

void TThemeServices::DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& rect,
                                 const TRect* clip) {
  if (!ThemeApi.DrawThemeBackground) return;
  RECT r = ToRECT(rect), c = clip ? ToRECT(*clip) : RECT();
  ThemeApi.DrawThemeBackground(GetTheme(details.Element), dc, details.Part, details.State, &r, clip ? &c : nullptr);
}

void TThemeServices::DrawIcon(HDC dc, const TThemedElementDetails& details, const TRect& rect, HIMAGELIST images,
                              int index) {
  if (!ThemeApi.DrawThemeIcon) return;
  RECT r = ToRECT(rect);
  ThemeApi.DrawThemeIcon(GetTheme(details.Element), dc, details.Part, details.State, &r, images, index);
}

void TThemeServices::DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details,
                                          bool onlyIfTransparent, const TRect* bounds) {
  if (onlyIfTransparent && details && !HasTransparentParts(*details)) return;
  if (!ThemeApi.DrawThemeParentBackground) return;
  RECT r = bounds ? ToRECT(*bounds) : RECT();
  ThemeApi.DrawThemeParentBackground(window, dc, bounds ? &r : nullptr);
}

void TThemeServices::DrawText(HDC dc, const TThemedElementDetails& details, const std::wstring& text,
                              const TRect& rect, DWORD flags, DWORD flags2) {
  if (!ThemeApi.DrawThemeText) return;
  RECT r = ToRECT(rect);
  ThemeApi.DrawThemeText(GetTheme(details.Element), dc, details.Part, details.State, text.c_str(),
                         static_cast<int>(text.size()), flags, flags2, &r);
}

bool TThemeServices::HasTransparentParts(const TThemedElementDetails& details) {
  return ThemeApi.IsThemeBackgroundPartiallyTransparent &&
         ThemeApi.IsThemeBackgroundPartiallyTransparent(GetTheme(details.Element), details.Part, details.State);
}

void TThemeServices::PaintBorder(TWinControl* control, bool eraseLRCorner) {
  HWND window = control->Handle();
  LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_CLIENTEDGE)) return;
  RECT w;
  ::GetWindowRect(window, &w);
  RECT r = {0, 0, w.right - w.left, w.bottom - w.top};
  HDC dc = ::GetWindowDC(window);
  LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
  if (eraseLRCorner && (style & WS_VSCROLL) && (style & WS_HSCROLL)) {
    RECT inner = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    RECT corner = {inner.right - ::GetSystemMetrics(SM_CXVSCROLL), inner.bottom - ::GetSystemMetrics(SM_CYHSCROLL),
                   inner.right, inner.bottom};
    ::FillRect(dc, &corner, ::GetSysColorBrush(COLOR_BTNFACE));
  }
  ::ExcludeClipRect(dc, r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
  DrawElement(dc, GetElementDetails(teEditTextNormal), Rect(r.left, r.top, r.right, r.bottom));
  ::ReleaseDC(window, dc);
}
