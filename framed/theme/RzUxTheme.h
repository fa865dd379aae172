// The visual-styles library (uxtheme.dll) bound by name at run time, under a lock
// and with a reference count. One list of entry names drives the binding; where
// the library comes from is replaceable, so tests bind a fake theme API.
#pragma once

#include "platform/core/WinApi.h"

#include <uxtheme.h>

#define RZ_UXTHEME_ENTRIES(X)                                                                                \
  X(OpenThemeData) X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeText) X(GetThemeBackgroundContentRect) \
  X(GetThemePartSize) X(GetThemeTextExtent) X(GetThemeTextMetrics) X(GetThemeBackgroundRegion)                \
  X(HitTestThemeBackground) X(DrawThemeEdge) X(DrawThemeIcon) X(IsThemePartDefined)                           \
  X(IsThemeBackgroundPartiallyTransparent) X(GetThemeColor) X(GetThemeMetric) X(GetThemeString)              \
  X(GetThemeBool) X(GetThemeInt) X(GetThemeEnumValue) X(GetThemePosition) X(GetThemeFont) X(GetThemeRect)     \
  X(GetThemeMargins) X(GetThemeIntList) X(GetThemePropertyOrigin) X(SetWindowTheme) X(GetThemeFilename)       \
  X(GetThemeSysColor) X(GetThemeSysColorBrush) X(GetThemeSysBool) X(GetThemeSysSize) X(GetThemeSysFont)       \
  X(GetThemeSysString) X(GetThemeSysInt) X(IsThemeActive) X(IsAppThemed) X(GetWindowTheme)                    \
  X(EnableThemeDialogTexture) X(IsThemeDialogTextureEnabled) X(GetThemeAppProperties) X(SetThemeAppProperties) \
  X(GetCurrentThemeName) X(GetThemeDocumentationProperty) X(DrawThemeParentBackground) X(EnableTheming)

// The bound entries; each is empty while the library is not loaded or lacks it.
struct TRzThemeApi {
#define RZ_THEME_POINTER(name) decltype(&::name) name = nullptr;
  RZ_UXTHEME_ENTRIES(RZ_THEME_POINTER)
#undef RZ_THEME_POINTER
};
extern TRzThemeApi ThemeApi;

// The names of the bound entries, in binding order.
extern const char* const ThemeEntryNames[];
extern const int ThemeEntryCount;

// Where the library comes from: the system's uxtheme.dll by default.
class TRzThemeLibrarySource {
public:
  virtual ~TRzThemeLibrarySource() = default;
  virtual HMODULE Load() = 0;  // nullptr when there is none
  virtual void* Find(HMODULE library, const char* name) = 0;
  virtual void Free(HMODULE library) = 0;
};
// Installs a source (borrowed; nullptr: the system's). Only while nothing is bound.
void SetThemeLibrarySource(TRzThemeLibrarySource* source);

// Counts one user more; loads and binds the library for the first. True when loaded.
bool InitThemeLibrary();
// Counts one user less; the last one unloads the library and clears the entries.
void FreeThemeLibrary();
bool ThemeLibraryLoaded();
int ThemeLibraryUsers();
// The library is loaded and the application and the system report themes active.
bool UseThemes();
