// Theme services over a fake visual-styles library: binding by name with a
// reference count, the element details table, opening and closing theme handles,
// and theme changes on the hooked window.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "framed/theme/RzThemeSrv.h"
#include "framed/common/RzCommon_Bars.h"
#include "platform/core/Timer.h"
#include "tests/framed/FramedPixels.h"

namespace {

// The fake library's state, as its entries see it.
struct FakeTheme {
  bool AppThemed = true;
  bool Active = true;
  DWORD AppProperties = STAP_ALLOW_CONTROLS;
  int Opened = 0;
  int Closed = 0;
  int LastPart = 0;
};
FakeTheme fake;

HTHEME WINAPI FakeOpen(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(++fake.Opened)); }
HRESULT WINAPI FakeClose(HTHEME) {
  ++fake.Closed;
  return S_OK;
}
BOOL WINAPI FakeIsAppThemed() { return fake.AppThemed; }
BOOL WINAPI FakeIsThemeActive() { return fake.Active; }
DWORD WINAPI FakeAppProperties() { return fake.AppProperties; }
COLORREF WINAPI FakeSysColor(HTHEME, int index) { return 0x010000 + index; }
// Paints the part's rectangle red, its top row blue (to see which way it lands).
HRESULT WINAPI FakeDrawBackground(HTHEME, HDC dc, int part, int, const RECT* rect, const RECT*) {
  HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0)), blue = ::CreateSolidBrush(RGB(0, 0, 255));
  ::FillRect(dc, rect, red);
  RECT top = {rect->left, rect->top, rect->right, rect->top + 1};
  ::FillRect(dc, &top, blue);
  ::DeleteObject(red);
  ::DeleteObject(blue);
  fake.LastPart = part;
  return S_OK;
}

class FakeLibrary : public TRzThemeLibrarySource {
public:
  int Loads = 0, Frees = 0;
  bool Present = true;
  HMODULE Load() override {
    if (!Present) return nullptr;
    ++Loads;
    return reinterpret_cast<HMODULE>(0x1000);
  }
  void* Find(HMODULE, const char* name) override {
    static const std::map<String, void*> entries = {
        {"OpenThemeData", reinterpret_cast<void*>(&FakeOpen)},
        {"CloseThemeData", reinterpret_cast<void*>(&FakeClose)},
        {"IsAppThemed", reinterpret_cast<void*>(&FakeIsAppThemed)},
        {"IsThemeActive", reinterpret_cast<void*>(&FakeIsThemeActive)},
        {"GetThemeAppProperties", reinterpret_cast<void*>(&FakeAppProperties)},
        {"GetThemeSysColor", reinterpret_cast<void*>(&FakeSysColor)},
        {"DrawThemeBackground", reinterpret_cast<void*>(&FakeDrawBackground)},
    };
    auto found = entries.find(name);
    return found == entries.end() ? nullptr : found->second;
  }
  void Free(HMODULE) override { ++Frees; }
};

class ThemeServicesTest : public testing::Test {
protected:
  void SetUp() override {
    fake = FakeTheme();
    FreeThemeServices();  // the shared object holds the system library; made again on next use
    ASSERT_EQ(ThemeLibraryUsers(), 0);
    SetThemeLibrarySource(&library);
    SetCommonControlsVersion(0x60000);
  }
  void TearDown() override {
    FreeThemeServices();
    while (ThemeLibraryUsers() > 0) FreeThemeLibrary();
    SetThemeLibrarySource(nullptr);
    SetCommonControlsVersion(0);
  }
  FakeLibrary library;
};

TEST_F(ThemeServicesTest, TwoInitsNeedTwoFrees) {
  EXPECT_TRUE(InitThemeLibrary());
  EXPECT_TRUE(InitThemeLibrary());
  EXPECT_EQ(library.Loads, 1);
  EXPECT_NE(ThemeApi.OpenThemeData, nullptr);
  EXPECT_EQ(ThemeApi.DrawThemeText, nullptr);  // missing from the library: stays empty
  FreeThemeLibrary();
  EXPECT_TRUE(ThemeLibraryLoaded());
  EXPECT_EQ(library.Frees, 0);
  FreeThemeLibrary();
  EXPECT_FALSE(ThemeLibraryLoaded());
  EXPECT_EQ(library.Frees, 1);
  EXPECT_EQ(ThemeApi.OpenThemeData, nullptr);
  FreeThemeLibrary();  // one too many changes nothing
  EXPECT_EQ(ThemeLibraryUsers(), 0);
}

TEST_F(ThemeServicesTest, WithoutTheLibraryNothingIsThemed) {
  library.Present = false;
  EXPECT_FALSE(InitThemeLibrary());
  EXPECT_EQ(ThemeApi.IsAppThemed, nullptr);
  FreeThemeLibrary();
  TThemeServices services(nullptr);
  EXPECT_FALSE(services.ThemesAvailable());
  EXPECT_FALSE(services.GetThemesEnabled());
  EXPECT_EQ(services.GetTheme(teButton), nullptr);
}

TEST_F(ThemeServicesTest, OldCommonControlsOpenNothing) {
  SetCommonControlsVersion(0x50050);
  TThemeServices services(nullptr);
  EXPECT_TRUE(services.ThemesAvailable());
  EXPECT_FALSE(services.UseThemes());
  EXPECT_EQ(services.GetTheme(teButton), nullptr);
  EXPECT_EQ(fake.Opened, 0);
}

TEST_F(ThemeServicesTest, ControlsNeedTheAppProperty) {
  fake.AppProperties = 0;
  TThemeServices services(nullptr);
  EXPECT_TRUE(services.UseThemes());
  EXPECT_FALSE(services.ControlsEnabled());
  EXPECT_FALSE(services.GetThemesEnabled());
}

TEST_F(ThemeServicesTest, HandlesAreOpenedOnceAndColoursResolved) {
  TThemeServices services(nullptr);
  EXPECT_TRUE(services.GetThemesEnabled());
  HTHEME button = services.GetTheme(teButton);
  EXPECT_NE(button, nullptr);
  EXPECT_EQ(services.GetTheme(teButton), button);
  EXPECT_EQ(fake.Opened, 1);
  EXPECT_EQ(services.ColorToRGB(clBtnFace), clBtnFace);  // no details: unchanged
  TThemedElementDetails details = GetElementDetails(tbPushButtonNormal);
  EXPECT_EQ(services.ColorToRGB(clBtnFace, &details), 0x010000 + 15);
  EXPECT_EQ(services.ColorToRGB(0x123456, &details), 0x123456);
}

TEST_F(ThemeServicesTest, ThemeChangeClosesHandlesAndTells) {
  TUtilityWindow window([](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
  int changes = 0;
  {
    TThemeServices services(window.Handle());
    EXPECT_TRUE(services.Hooked());
    services.OnThemeChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
    services.GetTheme(teButton);
    services.GetTheme(teEdit);
    ::SendMessageA(window.Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(fake.Closed, 2);
    EXPECT_EQ(changes, 1);
    services.GetTheme(teButton);  // reopened on next use
    EXPECT_EQ(fake.Opened, 3);
  }
  EXPECT_EQ(fake.Closed, 3);  // the destructor closes what is open
  ::SendMessageA(window.Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(changes, 1);  // unhooked
}

TEST_F(ThemeServicesTest, LetsGoOfADestroyedWindow) {
  auto* window = new TUtilityWindow([](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
  TThemeServices services(window->Handle());
  EXPECT_TRUE(services.Hooked());
  delete window;
  EXPECT_FALSE(services.Hooked());
}

TEST_F(ThemeServicesTest, ThemedBarsDrawTheProgressElements) {
  ASSERT_TRUE(ThemeServices()->ThemesEnabled());
  TPixelSheet horizontal(40, 12);
  DrawLEDBar(horizontal.Canvas(), Rect(0, 0, 40, 12), orHorizontal, clLime, clBlack, 10, 50, true);
  EXPECT_EQ(fake.LastPart, 3);  // the chunk
  EXPECT_EQ(horizontal.At(1, 6), clRed);
  EXPECT_EQ(horizontal.At(19, 6), clRed);  // 38 x 50 % = 19 pixels from x 1
  EXPECT_EQ(horizontal.At(20, 6), kBackground);

  TPixelSheet vertical(12, 40);
  DrawLEDBar(vertical.Canvas(), Rect(0, 0, 12, 40), orVertical, clLime, clBlack, 10, 50, true);
  EXPECT_EQ(fake.LastPart, 4);  // the vertical chunk, drawn upside down at the bottom
  EXPECT_EQ(vertical.At(5, 38), clBlue);
  EXPECT_EQ(vertical.At(5, 20), clRed);
  EXPECT_EQ(vertical.At(5, 19), kBackground);

  TPixelSheet bar(40, 40);
  DrawGroupBarBackground(bar.Canvas(), Rect(0, 0, 40, 40), true, gpTopToBottom, clBlue, 50);
  EXPECT_EQ(bar.At(20, 20), clRed);
}

struct DetailsCase {
  TThemedElementDetails Details;
  int Part, State;
};

TEST(ThemeElements, DetailsOfEveryFamily) {
  const DetailsCase cases[] = {
      {GetElementDetails(tbCheckBoxCheckedHot), 3, 6},
      {GetElementDetails(tbPushButtonNormal), 1, 1},
      {GetElementDetails(tbUserButton), 5, 1},
      {GetElementDetails(tbButtonDontCare), 0, 1},
      {GetElementDetails(tbButtonRoot), 0, 2},
      {GetElementDetails(tcDropDownButtonNormal), 1, 1},
      {GetElementDetails(tpChunkVert), 4, 1},
      {GetElementDetails(tebHeaderPinNormal), 3, 1},
      {GetElementDetails(tebHeaderPinSelectedNormal), 3, 4},
      {GetElementDetails(tebSpecialGroupHead), 12, 1},
      {GetElementDetails(teEditCaret), 2, 1},
      {GetElementDetails(thHeaderSortArrowSortedDown), 4, 2},
      {GetElementDetails(trChevronVertDisabled), 5, 4},
      {GetElementDetails(tsSizeBoxLeftAlign), 10, 2},
      {GetElementDetails(tsDownHorzDisabled), 4, 4},
      {GetElementDetails(tsGripper), 3, 1},
      {GetElementDetails(ttbSeparatorVertCheckedHot), 6, 6},
      {GetElementDetails(static_cast<TThemedWindow>(106)), 37, 3},
      {GetElementDetails(static_cast<TThemedWindow>(107)), 0, 108},  // past the last value
      {GetElementDetails(static_cast<TThemedTab>(42)), 9, 1},
      {GetElementDetails(static_cast<TThemedTrackBar>(37)), 10, 3},
  };
  for (const DetailsCase& c : cases) {
    EXPECT_EQ(c.Details.Part, c.Part) << c.Details.Element << " state " << c.State;
    EXPECT_EQ(c.Details.State, c.State) << c.Details.Element << " part " << c.Part;
  }
  int total = 0;
  for (int e = 0; e < kThemedElementCount; ++e) total += ThemedElementValueCount(static_cast<TThemedElement>(e));
  EXPECT_EQ(ThemedElementValueCount(teWindow), 105);
  EXPECT_GT(total, 400);
  EXPECT_EQ(std::wcscmp(ThemedElementClassName(teTreeview), L"treeview"), 0);
  EXPECT_EQ(ThemeEntryCount, 46);
}

TEST(ThemeServicesUnderWine, NoManifestNoThemes) {
  EXPECT_FALSE(ThemeServices()->ThemesEnabled());
  EXPECT_EQ(ThemeServices(), ThemeServices());
}

}  // namespace
