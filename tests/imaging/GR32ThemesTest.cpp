// The visual-styles binding: uxtheme.dll bound by name (Wine has one), the absent
// library and missing routines through the loading seams, and the themes the
// nexus opens, closes and reopens on a theme change, with stand-in routines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/GR32_System.h"

namespace {

std::vector<void*> RoutineVariables() {
  return {reinterpret_cast<void*>(OpenThemeData),  reinterpret_cast<void*>(CloseThemeData),
          reinterpret_cast<void*>(DrawThemeBackground), reinterpret_cast<void*>(DrawThemeEdge),
          reinterpret_cast<void*>(GetThemeColor),  reinterpret_cast<void*>(GetThemeMetric),
          reinterpret_cast<void*>(GetThemeMargins), reinterpret_cast<void*>(SetWindowTheme),
          reinterpret_cast<void*>(IsThemeActive),  reinterpret_cast<void*>(IsAppThemed),
          reinterpret_cast<void*>(EnableTheming)};
}

// Stand-ins for the routines that decide and open themes.
struct Stand {
  static inline BOOL active = TRUE;
  static inline std::string missing;  // a routine name the library "lacks"
  static inline std::vector<std::wstring> opened;
  static inline std::vector<HWND> openedFor;
  static inline std::vector<HTHEME> closed;

  static BOOL WINAPI Active() { return active; }
  static HTHEME WINAPI Open(HWND window, LPCWSTR classList) {
    opened.push_back(classList);
    openedFor.push_back(window);
    return reinterpret_cast<HTHEME>(std::uintptr_t(0x1000 + opened.size()));
  }
  static HRESULT WINAPI Close(HTHEME theme) {
    closed.push_back(theme);
    return S_OK;
  }
  // The real library's routines, with the stand-ins where the test asks for them.
  static FARPROC WithStandIns(HMODULE library, LPCSTR name) {
    std::string n = name;
    if (n == missing) return nullptr;
    if (n == "IsThemeActive" || n == "IsAppThemed") return reinterpret_cast<FARPROC>(&Active);
    if (n == "OpenThemeData") return reinterpret_cast<FARPROC>(&Open);
    if (n == "CloseThemeData") return reinterpret_cast<FARPROC>(&Close);
    return ::GetProcAddress(library, name);
  }
  static FARPROC Lacking(HMODULE library, LPCSTR name) {
    return std::string(name) == missing ? nullptr : ::GetProcAddress(library, name);
  }
  static HMODULE NoLibrary(LPCSTR) { return nullptr; }
};

class GR32Themes : public testing::Test {
protected:
  void SetUp() override {
    load_ = LoadThemeLibrary;
    find_ = FindThemeRoutine;
    Stand::active = TRUE;
    Stand::missing.clear();
    Stand::opened.clear();
    Stand::openedFor.clear();
    Stand::closed.clear();
  }
  void TearDown() override {
    LoadThemeLibrary = load_;
    FindThemeRoutine = find_;
    ThemeNexus->Reopen();
  }
  HMODULE (*load_)(LPCSTR);
  FARPROC (*find_)(HMODULE, LPCSTR);
};

TEST_F(GR32Themes, UxthemeIsBoundByName) {
  ASSERT_NE(ThemeNexus, nullptr);
  ThemeNexus->Reopen();
  EXPECT_EQ(THEME_LIBRARY, ::GetModuleHandleA("uxtheme.dll"));
  EXPECT_NE(THEME_LIBRARY, nullptr);
  for (void* routine : RoutineVariables()) EXPECT_NE(routine, nullptr);
  EXPECT_EQ(USE_THEMES, IsAppThemed() != 0 && IsThemeActive() != 0);
  if (!USE_THEMES) {
    EXPECT_EQ(SCROLLBAR_THEME, nullptr);
    EXPECT_EQ(GLOBALS_THEME, nullptr);
  }
  // The nexus hears theme changes through a hidden window of its own.
  EXPECT_TRUE(::IsWindow(ThemeNexus->WindowHandle()));
  EXPECT_FALSE(::IsWindowVisible(ThemeNexus->WindowHandle()));
}

TEST_F(GR32Themes, WithoutTheLibraryNothingIsBound) {
  LoadThemeLibrary = Stand::NoLibrary;
  ThemeNexus->Reopen();
  EXPECT_FALSE(USE_THEMES);
  EXPECT_EQ(THEME_LIBRARY, nullptr);
  EXPECT_EQ(SCROLLBAR_THEME, nullptr);
  EXPECT_EQ(GLOBALS_THEME, nullptr);
  for (void* routine : RoutineVariables()) EXPECT_EQ(routine, nullptr);
}

TEST_F(GR32Themes, ARequiredRoutineMissingUnbindsEverything) {
  FindThemeRoutine = Stand::Lacking;
  for (const char* name : {"OpenThemeData", "CloseThemeData", "IsThemeActive", "IsAppThemed", "EnableTheming"}) {
    SCOPED_TRACE(name);
    Stand::missing = name;
    ThemeNexus->Reopen();
    EXPECT_FALSE(USE_THEMES);
    EXPECT_EQ(THEME_LIBRARY, nullptr);
    for (void* routine : RoutineVariables()) EXPECT_EQ(routine, nullptr);
  }
  // Any other routine may be missing: the rest stays bound.
  Stand::missing = "DrawThemeEdge";
  ThemeNexus->Reopen();
  EXPECT_NE(THEME_LIBRARY, nullptr);
  EXPECT_EQ(DrawThemeEdge, nullptr);
  EXPECT_NE(DrawThemeBackground, nullptr);
}

TEST_F(GR32Themes, ActiveThemesAreOpenedClosedAndReopenedOnAThemeChange) {
  FindThemeRoutine = Stand::WithStandIns;
  ThemeNexus->Reopen();
  ASSERT_TRUE(USE_THEMES);
  ASSERT_EQ(Stand::opened.size(), 2u);
  EXPECT_EQ(Stand::opened[0], L"SCROLLBAR");
  EXPECT_EQ(Stand::opened[1], L"GLOBALS");
  EXPECT_EQ(Stand::openedFor[0], ThemeNexus->WindowHandle());
  HTHEME scrollbar = SCROLLBAR_THEME, globals = GLOBALS_THEME;
  EXPECT_NE(scrollbar, nullptr);
  EXPECT_NE(globals, nullptr);

  // Message 794 to the nexus window: both closed, both opened anew.
  ::SendMessageA(ThemeNexus->WindowHandle(), 794, 0, 0);
  EXPECT_EQ(Stand::closed, (std::vector<HTHEME>{scrollbar, globals}));
  EXPECT_EQ(Stand::opened.size(), 4u);
  EXPECT_TRUE(USE_THEMES);

  // Themes switched off meanwhile: the open handles are still closed, none is
  // left pointing into the freed library, and themes are no longer used.
  Stand::closed.clear();
  Stand::active = FALSE;
  HTHEME before[2] = {SCROLLBAR_THEME, GLOBALS_THEME};
  ThemeNexus->Reopen();
  EXPECT_EQ(Stand::closed, (std::vector<HTHEME>{before[0], before[1]}));
  EXPECT_FALSE(USE_THEMES);
  EXPECT_EQ(SCROLLBAR_THEME, nullptr);
  EXPECT_EQ(GLOBALS_THEME, nullptr);
}

}  // namespace
