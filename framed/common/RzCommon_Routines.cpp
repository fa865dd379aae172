#include "framed/common/RzCommon_Routines.h"

#include "platform/graphics/Bitmap.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/ImageList.h"
#include "platform/core/Math.h"

namespace {

TRect FromRECT(const RECT& r) { return Rect(r.left, r.top, r.right, r.bottom); }

bool SystemTrayWindow(TRect& taskBar) {
  HWND tray = ::FindWindowA("Shell_TrayWnd", "");
  RECT r;
  if (!tray || !::GetWindowRect(tray, &r)) return false;
  taskBar = FromRECT(r);
  return true;
}

TTrayWindowLookup& TrayLookup() {
  static TTrayWindowLookup lookup;
  return lookup;
}

// Keeps a position of `size` at or above 0 and inside `limit`.
int KeepInside(int position, int size, int limit) {
  if (position < 0) position = 0;
  if (position + size > limit) position = limit - size;
  return position;
}

void CenterOver(TControl* control, const TRect& over, const TRect& workArea, int& left, int& top) {
  left = KeepInside(over.Left + (over.Width() - control->Width()) / 2, control->Width(), workArea.Right);
  top = KeepInside(over.Top + (over.Height() - control->Height()) / 2, control->Height(), workArea.Bottom);
}

TRect WorkAreaOf(HWND window) {
  return GetMonitorWorkArea(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// Runs `measure` with the font selected into the screen's device context.
template <class F>
auto WithScreenFont(TFont* font, F measure) {
  HDC screen = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(screen, font->Handle());
  auto result = measure(screen);
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  return result;
}

}  // namespace

TRect CenterRect(const TRect& r, int width, int height) {
  return Bounds((r.Left + r.Right - width) / 2, (r.Top + r.Bottom - height) / 2, width, height);
}

TRect DesktopClientRect(const TRect& desktop, const TRect* taskBar) {
  TRect r = desktop;
  if (!taskBar) return r;
  TRect t;
  t.Left = Max(taskBar->Left, r.Left);
  t.Top = Max(taskBar->Top, r.Top);
  t.Right = Min(taskBar->Right, r.Right);
  t.Bottom = Min(taskBar->Bottom, r.Bottom);
  if (t.Left == r.Left && t.Top == r.Top && t.Width() == r.Width())
    r.Top += t.Height();
  else if (t.Left == r.Left && t.Top == r.Top)
    r.Left += t.Width();
  else if (t.Left == r.Left)
    r.Bottom -= t.Height();
  else
    r.Right -= t.Width();
  return r;
}

TRect GetDesktopClientRect() {
  RECT desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  TRect taskBar;
  bool found = TrayLookup() ? TrayLookup()(taskBar) : SystemTrayWindow(taskBar);
  return DesktopClientRect(FromRECT(desktop), found ? &taskBar : nullptr);
}

void SetTrayWindowLookup(TTrayWindowLookup lookup) { TrayLookup() = std::move(lookup); }

TRect GetMonitorWorkArea(HMONITOR monitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);  // 40
  if (!::GetMonitorInfoA(monitor, &info)) return TRect();
  return FromRECT(info.rcWork);
}

TRect GetMonitorBoundsRect(HMONITOR monitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoA(monitor, &info)) return TRect();
  return FromRECT(info.rcMonitor);
}

TRect GetActiveWorkArea(TWinControl* control) { return WorkAreaOf(control->Handle()); }
int GetActiveWorkAreaWidth(TWinControl* control) { return GetActiveWorkArea(control).Width(); }
int GetActiveWorkAreaHeight(TWinControl* control) { return GetActiveWorkArea(control).Height(); }

void CenterToForm(TControl* control, TCustomForm* form, int& left, int& top) {
  CenterOver(control, form->BoundsRect(), GetActiveWorkArea(form), left, top);
}

void CenterToWindow(TControl* control, HWND window, int& left, int& top) {
  RECT r;
  ::GetWindowRect(window, &r);
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  ::ClientToScreen(window, &corners[0]);
  ::ClientToScreen(window, &corners[1]);
  TRect over = Rect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  CenterOver(control, over, WorkAreaOf(window), left, top);
}

void CenterToMDIChild(TControl* control, TCustomForm* form, int& left, int& top) {
  TRect b = form->BoundsRect();
  HWND client = nullptr;
  if (TCustomForm* main = Application.MainForm()) {
    HWND mainWindow = main->Handle();
    client = ::FindWindowExA(mainWindow, nullptr, "MDICLIENT", nullptr);
    if (!client) client = mainWindow;
  }
  POINT corners[2] = {{b.Left, b.Top}, {b.Right, b.Bottom}};
  if (client) ::MapWindowPoints(client, nullptr, corners, 2);
  TRect over = Rect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  CenterOver(control, over, GetDesktopClientRect(), left, top);
}

HFONT RotateFont(TFont* font, int angle) {
  LOGFONTA log = {};
  log.lfHeight = font->Height();
  log.lfEscapement = angle * 10;
  log.lfWeight = (font->Style() & fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = (font->Style() & fsItalic) ? 1 : 0;
  log.lfUnderline = (font->Style() & fsUnderline) ? 1 : 0;
  log.lfStrikeOut = (font->Style() & fsStrikeOut) ? 1 : 0;
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfPitchAndFamily = font->Pitch() == fpVariable ? VARIABLE_PITCH
                         : font->Pitch() == fpFixed  ? FIXED_PITCH
                                                     : DEFAULT_PITCH;
  lstrcpynA(log.lfFaceName, font->Name().c_str(), LF_FACESIZE);
  return ::CreateFontIndirectA(&log);
}

bool IsTrueTypeFont(TFont* font) {
  return WithScreenFont(font, [](HDC dc) {
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
  });
}

int GetMinFontHeight(TFont* font) {
  return WithScreenFont(font, [](HDC dc) {
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    return static_cast<int>(metrics.tmHeight) + 2;
  });
}

int GetAvgCharWidth(TFont* font) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  return WithScreenFont(font, [](HDC dc) {
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, kLetters, 52, &size);
    return static_cast<int>(Round(size.cx / 52.0));
  });
}

char LastChar(const String& s) { return s.empty() ? '\0' : s.back(); }

int CountChar(char c, const String& s) {
  int count = 0;
  for (char ch : s) count += ch == c;
  return count;
}

String CopyEx(const String& s, int start, char c, int count) {
  if (start < 1 || start > static_cast<int>(s.size())) return s;
  int found = 0;
  for (size_t i = start - 1; i < s.size(); ++i) {
    if (s[i] != c || ++found < count) continue;
    int position = static_cast<int>(i) + 1 - start + 1;  // of the occurrence, counted from start
    return s.substr(start - 1, position);
  }
  return s;
}

bool RemoveChar(String& s, char c) {
  size_t at = s.find(c);
  if (at == String::npos) return false;
  s.erase(at, 1);
  return true;
}

String CreateValidIdent(const String& ident, const String& defaultIdent) {
  if (ident.empty()) return defaultIdent;
  if (IsValidIdent(ident)) return ident;
  String result;
  if (IsIdentStart(ident[0])) result += ident[0];
  for (size_t i = 1; i < ident.size(); ++i)
    if (IsIdentChar(ident[i])) result += ident[i];
  while (!result.empty() && !IsIdentStart(result[0])) result.erase(0, 1);  // never a leading digit
  return result.empty() ? defaultIdent : result;
}

String GetNewComponentName(TComponent* owner, const String& baseName, bool tryBaseName) {
  if (tryBaseName && !owner->FindComponent(baseName)) return baseName;
  for (int i = 1;; ++i) {
    String name = baseName + std::to_string(i);
    if (!owner->FindComponent(name)) return name;
  }
}

void AddImageToImageList(TCustomImageList* imageList, TBitmap* glyph, bool twoImages, int& imageIndex,
                         int& disabledIndex) {
  imageIndex = -1;
  disabledIndex = -1;
  if (!imageList || !glyph || glyph->Empty()) return;
  if (glyph->Width() == glyph->Height()) {
    imageList->AddMasked(glyph, glyph->Canvas()->Pixels(0, 15));
    imageIndex = imageList->Count() - 1;
  } else if (twoImages) {
    imageList->AddMasked(glyph, glyph->Canvas()->Pixels(0, 15));
    imageIndex = imageList->Count() - 2;
    disabledIndex = imageList->Count() - 1;
  } else {
    TBitmap part(imageList->Width(), imageList->Height());
    TRect r = Rect(0, 0, imageList->Width(), imageList->Height());
    part.Canvas()->CopyRect(r, glyph->Canvas(), r);
    imageList->AddMasked(&part, part.Canvas()->Pixels(0, 15));
    imageIndex = imageList->Count() - 1;
  }
}

bool RunningUnder(TRzWindowsVersion version, const OSVERSIONINFOA& info) {
  DWORD platform = info.dwPlatformId, major = info.dwMajorVersion, minor = info.dwMinorVersion;
  bool win9x = platform == VER_PLATFORM_WIN32_WINDOWS, nt = platform == VER_PLATFORM_WIN32_NT;
  switch (version) {
    case Win95: return win9x && major <= 4 && minor == 0;
    case WinNT: return nt && major <= 4;
    case Win98: return win9x && major <= 4 && minor == 10;
    case WinMe: return win9x && major <= 4 && minor == 90;
    case Win2000: return nt && major == 5 && minor == 0;
    case WinXP: return nt && major == 5 && minor == 1;
    case WinServer2003: return nt && major == 5 && minor == 2;
  }
  return false;
}

bool RunningUnder(TRzWindowsVersion version) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  ::GetVersionExA(&info);
  return RunningUnder(version, info);
}

void UpdateObjectInspector(TControl*) {}

void TRzOldPropReader::ReadOldBooleanProp(TReader& reader) { ReadAndDrop()(reader); }
void TRzOldPropReader::ReadOldEnumProp(TReader& reader) { ReadAndDrop()(reader); }
void TRzOldPropReader::ReadOldIdentProp(TReader& reader) { ReadAndDrop()(reader); }
void TRzOldPropReader::ReadOldIntegerProp(TReader& reader) { ReadAndDrop()(reader); }
void TRzOldPropReader::ReadOldSetProp(TReader& reader) { ReadAndDrop()(reader); }
void TRzOldPropReader::ReadOldStringProp(TReader& reader) { ReadAndDrop()(reader); }
