// TThemeServices: the one shared object that decides whether the framed controls
// draw with visual styles, caches one theme handle per element class, draws
// elements, edges, icons, text and parent backgrounds, and follows theme changes
// on the application window.
#pragma once

#include "framed/theme/RzThemeElements.h"
#include "framed/theme/RzUxTheme.h"
#include "platform/graphics/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/Geometry.h"
#include "platform/controls/WindowSubclass.h"

class TWinControl;

class TThemeServices : public TObject {
public:
  // Hooks `window` (0: none) to follow theme changes.
  explicit TThemeServices(HWND window);
  ~TThemeServices() override;

  bool ThemesAvailable() const { return themesAvailable_; }
  bool UseThemes() const { return useThemes_; }
  bool ControlsEnabled() const { return controlsEnabled_; }
  // Whether the controls draw themed.
  bool GetThemesEnabled() const { return themesAvailable_ && useThemes_ && controlsEnabled_; }
  bool ThemesEnabled() const { return GetThemesEnabled(); }

  void UpdateThemes();
  void UnloadThemeData();
  HTHEME GetTheme(TThemedElement element);
  bool Hooked() const { return hook_.Attached(); }

  TColor ColorToRGB(TColor color, const TThemedElementDetails* details = nullptr);
  TRect ContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds);
  void DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& rect, UINT edge, UINT flags,
                TRect* contentRect = nullptr);
  void DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& rect, const TRect* clip = nullptr);
  void DrawIcon(HDC dc, const TThemedElementDetails& details, const TRect& rect, HIMAGELIST images, int index);
  void DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details, bool onlyIfTransparent,
                            const TRect* bounds = nullptr);
  void DrawText(HDC dc, const TThemedElementDetails& details, const std::wstring& text, const TRect& rect,
                DWORD flags, DWORD flags2);
  bool HasTransparentParts(const TThemedElementDetails& details);
  void PaintBorder(TWinControl* control, bool eraseLRCorner);

  TNotifyEvent OnThemeChange;

protected:
  virtual void DoOnThemeChange();

private:
  void WindowProc(TMessage& message);

  HWND window_;
  TWindowSubclass hook_;
  HTHEME themes_[kThemedElementCount] = {};
  bool themesAvailable_ = false;
  bool useThemes_ = false;
  bool controlsEnabled_ = false;
};

// The shared object, made on the first call over the application window.
TThemeServices* ThemeServices();
// Frees the shared object (at the family's shutdown).
void FreeThemeServices();
// The common controls' version: major in the high 16 bits, minor in the low.
// Tests may replace it; 0 puts the real version back.
DWORD CommonControlsVersion();
void SetCommonControlsVersion(DWORD version);
