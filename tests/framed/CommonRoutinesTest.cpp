// The blink list on the manual clock, the obsolete-property reader, and the
// geometry, string, image-list and version routines.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Blink.h"
#include "framed/common/RzCommon_Routines.h"
#include "platform/controls/Controls.h"
#include "platform/published/FormDefinition.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/ImageList.h"
#include "platform/published/CorePublished.h"
#include "platform/published/Published.h"

namespace {

// A control that answers CM_GETBLINKING with `Answer` and counts CM_BLINK.
class TBlinker : public TGraphicControl {
public:
  explicit TBlinker(int answer) : TGraphicControl(nullptr), Answer(answer) {
    if (!BlinkingControls) BlinkingControls = new TRzBlinkingControlsList;
    BlinkingControls->Add(this);
  }
  ~TBlinker() override {
    BlinkingControls->Remove(this);
    FreeBlinkingControlsListIfEmpty();
  }
  int Answer;
  int Blinks = 0;
  WPARAM LastState = 99;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_GETBLINKING) {
      message.Result = Answer;
      return;
    }
    if (message.Msg == CM_BLINK) {
      ++Blinks;
      LastState = message.WParam;
      return;
    }
    TGraphicControl::WndProc(message);
  }
};

TEST(BlinkingControls, MadeByTheFirstAndFreedWithTheLast) {
  TManualClockScope clock;
  ASSERT_EQ(BlinkingControls, nullptr);
  auto* first = new TBlinker(1);
  TRzBlinkingControlsList* list = BlinkingControls;
  auto* second = new TBlinker(0);
  EXPECT_EQ(BlinkingControls, list);
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(clock.Clock().LiveTimers(), 1);
  delete first;
  EXPECT_EQ(BlinkingControls, list);
  EXPECT_EQ(list->GetCount(), 1);
  delete second;
  EXPECT_EQ(BlinkingControls, nullptr);
  EXPECT_EQ(clock.Clock().LiveTimers(), 0);
}

TEST(BlinkingControls, BlinkGoesOnlyToControlsThatBlink) {
  TManualClockScope clock;
  TBlinker blinking(1), steady(0);
  clock.Clock().Advance(499);
  EXPECT_EQ(blinking.Blinks, 0);
  clock.Clock().Advance(1);
  EXPECT_EQ(blinking.Blinks, 1);
  EXPECT_EQ(blinking.LastState, static_cast<WPARAM>(bsOn));
  EXPECT_EQ(steady.Blinks, 0);
  clock.Clock().Advance(1000);
  EXPECT_EQ(blinking.Blinks, 3);
  EXPECT_EQ(blinking.LastState, static_cast<WPARAM>(bsOn));
  EXPECT_EQ(steady.Blinks, 0);
}

TEST(BlinkingControls, RemovingAnUnlistedControlChangesNothing) {
  TManualClockScope clock;
  TBlinker listed(1);
  TGraphicControl stranger(nullptr);
  BlinkingControls->Remove(&stranger);
  EXPECT_EQ(BlinkingControls->GetCount(), 1);
}

// A component whose older versions streamed FrameSides and FrameFlatStyle.
class TOldPropsHolder : public TComponent {
public:
  explicit TOldPropsHolder(TComponent* owner) : TComponent(owner) {}
  String Caption;
  int Width = 0;

protected:
  void DefineProperties(TFiler* filer) override {
    TComponent::DefineProperties(filer);
    filer->DefineProperty("FrameSides", TRzOldPropReader::ReadOldSetProp, TRzOldPropReader::WriteOldProp, false);
    filer->DefineProperty("FrameFlatStyle", TRzOldPropReader::ReadOldEnumProp, TRzOldPropReader::WriteOldProp,
                          false);
    filer->DefineProperty("FrameFlat", TRzOldPropReader::ReadOldBooleanProp, TRzOldPropReader::WriteOldProp,
                          false);
  }
};

TEST(OldPropReader, ObsoletePropertiesBeforeRealOnesAreDropped) {
  PublishCoreClasses();
  PublishClass<TOldPropsHolder, TComponent>()
      .Str("Caption", &TOldPropsHolder::Caption, &TOldPropsHolder::Caption)
      .Integer("Width", &TOldPropsHolder::Width, &TOldPropsHolder::Width);
  TOldPropsHolder holder(nullptr);
  ReadComponentText(&holder,
                    "object Holder: TOldPropsHolder\n"
                    "  FrameSides = [sdLeft, sdTop]\n"
                    "  FrameFlatStyle = fsGroove\n"
                    "  FrameFlat = True\n"
                    "  Caption = 'kept'\n"
                    "  Width = 42\n"
                    "end");
  EXPECT_EQ(holder.Caption, "kept");
  EXPECT_EQ(holder.Width, 42);
}

TEST(CommonRoutines, CenterRect) {
  EXPECT_EQ(CenterRect(Rect(0, 0, 11, 11), 4, 4), Rect(3, 3, 7, 7));
  EXPECT_EQ(CenterRect(Rect(10, 20, 30, 24), 6, 2), Rect(17, 21, 23, 23));
  EXPECT_EQ(CenterRect(Rect(0, 0, 3, 3), 8, 8), Rect(-2, -2, 6, 6));  // -2.5 truncates toward zero
}

TEST(CommonRoutines, DesktopClientRectLosesTheTaskBar) {
  const TRect desktop = Rect(0, 0, 1000, 800);
  struct Case {
    const char* Name;
    TRect TaskBar;
    TRect Expected;
  } cases[] = {
      {"top", Rect(0, 0, 1000, 30), Rect(0, 30, 1000, 800)},
      {"left", Rect(0, 0, 60, 800), Rect(60, 0, 1000, 800)},
      {"bottom", Rect(0, 770, 1000, 800), Rect(0, 0, 1000, 770)},
      {"right", Rect(940, 0, 1000, 800), Rect(0, 0, 940, 800)},
      {"bottom, hanging off the screen", Rect(-2, 770, 1002, 802), Rect(0, 0, 1000, 770)},
  };
  for (const Case& c : cases) EXPECT_EQ(DesktopClientRect(desktop, &c.TaskBar), c.Expected) << c.Name;
  EXPECT_EQ(DesktopClientRect(desktop, nullptr), desktop);

  SetTrayWindowLookup([](TRect& taskBar) { return false; });
  RECT screen;
  ::GetWindowRect(::GetDesktopWindow(), &screen);
  EXPECT_EQ(GetDesktopClientRect(), Rect(screen.left, screen.top, screen.right, screen.bottom));
  SetTrayWindowLookup([&](TRect& taskBar) {
    taskBar = Rect(screen.left, screen.bottom - 40, screen.right, screen.bottom);
    return true;
  });
  EXPECT_EQ(GetDesktopClientRect(), Rect(screen.left, screen.top, screen.right, screen.bottom - 40));
  SetTrayWindowLookup(nullptr);
}

TEST(CommonRoutines, CentringOverAFormStaysOnTheWorkArea) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 300, 200);
  form.HandleNeeded();
  TGraphicControl small(nullptr), wide(nullptr);
  small.SetBounds(0, 0, 100, 50);
  int left = -1, top = -1;
  CenterToForm(&small, &form, left, top);
  EXPECT_EQ(left, 100);
  EXPECT_EQ(top, 75);
  TRect area = GetActiveWorkArea(&form);
  EXPECT_GT(area.Width(), 0);
  EXPECT_EQ(GetActiveWorkAreaWidth(&form), area.Width());
  wide.SetBounds(0, 0, area.Right + 500, 10);  // wider than the screen: kept at its right edge
  CenterToForm(&wide, &form, left, top);
  EXPECT_EQ(left, area.Right - wide.Width());
}

TEST(CommonRoutines, Strings) {
  EXPECT_EQ(CopyEx("a,b,c", 1, ',', 2), "a,b,");
  EXPECT_EQ(CopyEx("a,b,c", 3, ',', 1), "b,");
  EXPECT_EQ(CopyEx("a,b,c", 1, ',', 3), "a,b,c");  // fewer occurrences: the text itself
  EXPECT_EQ(CopyEx("a,b,c", 9, ',', 1), "a,b,c");
  EXPECT_EQ(CountChar(',', "a,b,c"), 2);
  EXPECT_EQ(LastChar("abc"), 'c');
  EXPECT_EQ(LastChar(""), '\0');
  String s = "a-b-c";
  EXPECT_TRUE(RemoveChar(s, '-'));
  EXPECT_EQ(s, "ab-c");
  EXPECT_FALSE(RemoveChar(s, '+'));

  struct Ident {
    const char* In;
    const char* Out;
  } idents[] = {{"Panel1", "Panel1"}, {"9abc", "abc"}, {"+-*", "Default"}, {"my panel", "mypanel"},
                {"", "Default"},      {"_x y", "_xy"},  {"912a", "a"}};
  for (const Ident& c : idents) EXPECT_EQ(CreateValidIdent(c.In, "Default"), c.Out) << c.In;
}

TEST(CommonRoutines, NewComponentNames) {
  TComponent owner(nullptr);
  EXPECT_EQ(GetNewComponentName(&owner, "Panel", true), "Panel");
  EXPECT_EQ(GetNewComponentName(&owner, "Panel", false), "Panel1");
  auto* taken = new TComponent(&owner);
  taken->SetName("Panel1");
  auto* plain = new TComponent(&owner);
  plain->SetName("Panel");
  EXPECT_EQ(GetNewComponentName(&owner, "Panel", true), "Panel2");
  EXPECT_EQ(GetNewComponentName(&owner, "Panel", false), "Panel2");
}

TEST(CommonRoutines, AddImageToImageList) {
  TImageList list(nullptr);
  list.SetSize(16, 16);
  int image = 0, disabled = 0;
  AddImageToImageList(nullptr, nullptr, true, image, disabled);
  EXPECT_EQ(image, -1);
  EXPECT_EQ(disabled, -1);

  TBitmap square(16, 16);
  AddImageToImageList(&list, &square, true, image, disabled);
  EXPECT_EQ(image, 0);
  EXPECT_EQ(disabled, -1);

  TBitmap pair(32, 16);
  AddImageToImageList(&list, &pair, true, image, disabled);
  EXPECT_EQ(image, 1);
  EXPECT_EQ(disabled, 2);
  EXPECT_EQ(list.Count(), 3);

  AddImageToImageList(&list, &pair, false, image, disabled);
  EXPECT_EQ(image, 3);
  EXPECT_EQ(disabled, -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(CommonRoutines, RunningUnder) {
  auto version = [](DWORD platform, DWORD major, DWORD minor) {
    OSVERSIONINFOA info = {};
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    return info;
  };
  const DWORD nt = VER_PLATFORM_WIN32_NT, w9x = VER_PLATFORM_WIN32_WINDOWS;
  EXPECT_TRUE(RunningUnder(WinXP, version(nt, 5, 1)));
  EXPECT_FALSE(RunningUnder(Win2000, version(nt, 5, 1)));
  EXPECT_TRUE(RunningUnder(Win2000, version(nt, 5, 0)));
  EXPECT_TRUE(RunningUnder(WinServer2003, version(nt, 5, 2)));
  EXPECT_TRUE(RunningUnder(WinNT, version(nt, 4, 0)));
  EXPECT_TRUE(RunningUnder(Win95, version(w9x, 4, 0)));
  EXPECT_TRUE(RunningUnder(Win98, version(w9x, 4, 10)));
  EXPECT_TRUE(RunningUnder(WinMe, version(w9x, 4, 90)));
  for (int v = Win95; v <= WinServer2003; ++v)
    EXPECT_FALSE(RunningUnder(static_cast<TRzWindowsVersion>(v), version(nt, 6, 0))) << v;
}

TEST(CommonRoutines, FontMeasures) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-13);
  EXPECT_GT(GetMinFontHeight(&font), 2);
  EXPECT_GT(GetAvgCharWidth(&font), 0);
  HFONT rotated = RotateFont(&font, 90);
  ASSERT_NE(rotated, nullptr);
  LOGFONTA log = {};
  ::GetObjectA(rotated, sizeof(log), &log);
  EXPECT_EQ(log.lfEscapement, 900);
  EXPECT_EQ(log.lfHeight, -13);
  ::DeleteObject(rotated);
}

}  // namespace
