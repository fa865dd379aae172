// The family's start-up under Wine (versions, allocator, COM once, nothing leaked
// by a second cycle) and the generated resources: every bitmap loads with its
// size and only its marker colours, the cursor and the string table load.
#include <gtest/gtest.h>

#include <objbase.h>

#include <set>

#include "framed/common/RzResourceIds.h"
#include "framed/startup/FramedStartup.h"
#include "framed/startup/RzBorder_ColorNames.h"
#include "framed/startup/RzButton_Kinds.h"
#include "framed/startup/RzShellIntf.h"
#include "framed/startup/RzShellUtils.h"
#include "framed/startup/RzStrings.h"
#include "platform/graphics/Bitmap.h"

namespace {

TEST(FramedStartup, VersionsAllocatorAndCom) {
  ASSERT_EQ(FramedStartCount(), 1);  // started by the test program's entry
  EXPECT_NE(COMCTL32_VER.MS, 0u);
  EXPECT_NE(SHELL32_VER.MS, 0u);
  EXPECT_EQ(ShellOSVersion.dwOSVersionInfoSize, 148u);
  EXPECT_NE(ShellOSVersion.dwMajorVersion, 0u);
  ASSERT_NE(ShellMalloc, nullptr);
  void* block = ShellMalloc->Alloc(16);
  EXPECT_NE(block, nullptr);
  ShellMalloc->Free(block);
  EXPECT_TRUE(ShellComInitialized());
  // S_FALSE when a system library (the rich edit's) already held COM on this thread.
  EXPECT_TRUE(ShellComResult() == S_OK || ShellComResult() == S_FALSE) << ShellComResult();
  // A nested start does no work: COM stays initialised once on this thread.
  FramedStartup();
  EXPECT_EQ(FramedStartCount(), 2);
  EXPECT_EQ(::CoInitialize(nullptr), S_FALSE);
  ::CoUninitialize();
  FramedShutdown();
  EXPECT_EQ(FramedStartCount(), 1);
  EXPECT_TRUE(ShellComInitialized());
}

TEST(FramedStartup, ModuleVersionOfAMissingFileFails) {
  TRzModuleVersion version;
  version.MS = 7;
  EXPECT_FALSE(GetModuleVersion("no-such-module.dll", version));
  EXPECT_EQ(version.MS, 7u);
  EXPECT_TRUE(GetModuleVersion("comctl32.dll", version));
  EXPECT_EQ(version.MS, COMCTL32_VER.MS);
}

// COM is judged against what the thread holds without the family: a system
// library (the rich edit's) may keep its own initialisation once it has run.
TEST(FramedStartup, SecondCycleLeaksNothing) {
  FramedShutdown();
  ASSERT_EQ(FramedStartCount(), 0);
  EXPECT_FALSE(ShellComInitialized());
  const HRESULT withoutFamily = ::CoInitialize(nullptr);  // S_OK unless another part holds COM
  ::CoUninitialize();
  FramedStartup();
  FramedShutdown();
  DWORD handles = 0, handlesAfter = 0;
  ::GetProcessHandleCount(::GetCurrentProcess(), &handles);
  DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  FramedStartup();
  FramedShutdown();
  ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
  EXPECT_EQ(handlesAfter, handles);
  EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  EXPECT_EQ(::CoInitialize(nullptr), withoutFamily) << "the family's COM is released";
  ::CoUninitialize();
  FramedStartup();  // as the entry left it
  EXPECT_EQ(KindCaptions[bkHelp], "&Help");
}

// What a start sets up, from a fresh start: earlier tests may have filled the glyph cache.
TEST(FramedStartup, CaptionsAndColourNames) {
  ASSERT_EQ(FramedStartCount(), 1);
  FramedShutdown();
  FramedStartup();
  const char* captions[] = {"", "OK", "Cancel", "&Help", "&Yes", "&No", "&Close", "Abort", "&Retry", "&Ignore", "&All"};
  for (int kind = 0; kind < kBitBtnKindCount; ++kind) {
    EXPECT_EQ(KindCaptions[kind], captions[kind]);
    EXPECT_EQ(KindGlyphs[kind], nullptr);
  }
  EXPECT_EQ(ColorPickerColors[0].Name, "Black");
  EXPECT_EQ(ColorPickerColors[13].Name, "Blue");
  EXPECT_EQ(ColorPickerColors[13].Color, 0xFF0000);
  EXPECT_EQ(ColorPickerColors[39].Name, "White");
  EXPECT_EQ(ColorPickerColors[40].Name, "Scroll Bar");
  EXPECT_EQ(ColorPickerColors[40].Color, clScrollBar);
  EXPECT_EQ(ColorPickerColors[64].Name, "Info Background");
  EXPECT_EQ(ColorPickerColors[65].Name, "Hot Light");
  EXPECT_EQ(ColorPickerColors[65].Color, clHotLight);
  EXPECT_EQ(ColorPickerColors[69].Name, "Menu Bar");
}

TEST(FramedResources, StringTable) {
  EXPECT_EQ(LoadRzString(sRzCaptionAM), "AM");
  EXPECT_EQ(LoadRzString(sRzCaptionTodayBtn), "Today");
  EXPECT_EQ(LoadRzString(sRzHowToSelectTime),
            "Left-click to set Hour\rRight-click to set Minute\r    Ctrl key restricts to 5 minutes");
  EXPECT_EQ(LoadRzString(sRzCustomizeCaptionsFirst), "Customize Toolbar");
  EXPECT_EQ(LoadRzString(sRzCustomizeCaptionsFirst + 8), "Selective text on right");
  EXPECT_EQ(LoadRzString(sRzNoRegIniFile), "No TRzRegIniFile component specified");
  EXPECT_EQ(LoadRzString(sRzCannotSaveFraming),
            "Cannot save Custom Framing settings--No TRzRegIniFile component specified");
}

struct BitmapCase {
  const char* Name;
  int Width, Height;
  TPixelFormat Format;
  std::set<TColor> Markers;  // empty: any colour
};

TEST(FramedResources, BitmapsLoadWithTheirSizesAndMarkers) {
  const std::set<TColor> check = {clWhite, clGray, clRed, clFuchsia, clBlue};
  const std::set<TColor> radio = {clWhite, clBlack, clGreen, clGray, clPurple, clMaroon, clLime,
                                  clRed,   clFuchsia, clYellow, clNavy, clBlue, clAqua, clOlive};
  std::vector<BitmapCase> cases = {
      {"RZCOMMON_CHECKBOX_UNCHECKED", 13, 13, pf4bit, check},
      {"RZCOMMON_CHECKBOX_CHECKED", 13, 13, pf4bit, check},
      {"RZCOMMON_CHECKBOX_GRAYED", 13, 13, pf4bit, check},
      {"RZCOMMON_RADIOBUTTON_UNCHECKED", 13, 13, pf4bit, radio},
      {"RZCOMMON_RADIOBUTTON_CHECKED", 13, 13, pf4bit, radio},
  };
  for (const char* kind : {"RZCOMMON_OK", "RZCOMMON_CANCEL", "RZCOMMON_HELP", "RZCOMMON_YES", "RZCOMMON_NO",
                           "RZCOMMON_CLOSE", "RZCOMMON_ABORT", "RZCOMMON_RETRY", "RZCOMMON_IGNORE", "RZCOMMON_ALL"})
    cases.push_back({kind, 32, 16, pf8bit, {}});

  for (const BitmapCase& c : cases) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(::GetModuleHandleA(nullptr), c.Name);
    EXPECT_EQ(bitmap.Width(), c.Width) << c.Name;
    EXPECT_EQ(bitmap.Height(), c.Height) << c.Name;
    EXPECT_EQ(bitmap.PixelFormat(), c.Format) << c.Name;
    std::set<TColor> used;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) used.insert(bitmap.Canvas()->Pixels(x, y));
    for (TColor color : used)
      EXPECT_TRUE(c.Markers.empty() || c.Markers.count(color)) << c.Name << " uses " << std::hex << color;
    EXPECT_GE(used.size(), 2u) << c.Name;
  }
  // Each glyph has one role per marker: the checked glyphs show the check or dot.
  TBitmap checked, unchecked, dot;
  checked.LoadFromResourceName(::GetModuleHandleA(nullptr), "RZCOMMON_CHECKBOX_CHECKED");
  unchecked.LoadFromResourceName(::GetModuleHandleA(nullptr), "RZCOMMON_CHECKBOX_UNCHECKED");
  dot.LoadFromResourceName(::GetModuleHandleA(nullptr), "RZCOMMON_RADIOBUTTON_CHECKED");
  EXPECT_EQ(checked.Canvas()->Pixels(0, 6), clGray);
  EXPECT_EQ(unchecked.Canvas()->Pixels(6, 6), clWhite);
  EXPECT_EQ(dot.Canvas()->Pixels(6, 6), clNavy);
  EXPECT_EQ(dot.Canvas()->Pixels(0, 0), clOlive);
  EXPECT_EQ(dot.TransparentColor(), clOlive);
}

TEST(FramedResources, HandCursor) {
  HCURSOR cursor = ::LoadCursorA(::GetModuleHandleA(nullptr), "RZCOMMON_HANDCURSOR");
  ASSERT_NE(cursor, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(::GetIconInfo(cursor, &info));
  EXPECT_EQ(info.hbmColor, nullptr);  // monochrome
  BITMAP mask = {};
  ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, 64);  // the AND and XOR planes
  ::DeleteObject(info.hbmMask);
  ::DestroyCursor(cursor);
}

}  // namespace
