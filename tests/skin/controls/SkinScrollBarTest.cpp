// The skinned scroll bar: setters and their clamps, the thumb layout, the
// auto-repeat on the clock seam, dragging, and the skinned layout.
#include <gtest/gtest.h>

#include "skin/controls/SkinScrollBar.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

TEST(SkinScrollBar, SettersClampAndOnlySetPositionFires) {
  struct Case {
    const char* what;
    Integer min, max, page, position;  // the range set first (SetRange)
    int op;                            // 0 SetPosition, 1 SimplySetPosition, 2 SetMax, 3 SetMin, 4 SetPageSize
    Integer value;
    Integer wantPosition, wantPage;
    int wantChanges;
  };
  const Case cases[] = {
      {"below min", 0, 100, 0, 50, 0, -5, 0, 0, 1},
      {"above max", 0, 100, 0, 50, 0, 500, 100, 0, 1},
      {"above max less page", 0, 100, 10, 50, 0, 500, 91, 10, 1},
      {"unchanged fires nothing", 0, 100, 0, 50, 0, 50, 50, 0, 0},
      {"a page larger than the range stays at min", 0, 5, 20, 0, 0, 3, 0, 20, 0},
      {"simply set never fires", 0, 100, 0, 50, 1, 70, 70, 0, 0},
      {"max below position with page 3", 0, 100, 3, 90, 2, 50, 48, 3, 0},
      {"max below position without page", 0, 100, 0, 90, 2, 50, 50, 0, 0},
      {"min above position", 0, 100, 0, 10, 3, 20, 20, 0, 0},
      {"page accepted", 0, 100, 0, 10, 4, 30, 10, 30, 0},
      {"page refused past the end", 0, 100, 0, 90, 4, 30, 90, 0, 0},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
    int changes = 0;
    bar->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
    bar->SetRange(c.min, c.max, c.position, c.page);
    switch (c.op) {
      case 0: bar->SetPosition(c.value); break;
      case 1: bar->SimplySetPosition(c.value); break;
      case 2: bar->SetMax(c.value); break;
      case 3: bar->SetMin(c.value); break;
      case 4: bar->SetPageSize(c.value); break;
    }
    EXPECT_EQ(bar->Position(), c.wantPosition) << c.what;
    EXPECT_EQ(bar->PageSize(), c.wantPage) << c.what;
    EXPECT_EQ(changes, c.wantChanges) << c.what;
    EXPECT_GE(bar->Position(), bar->Min()) << c.what;
  }
}

TEST(SkinScrollBar, DefaultThumbLayout) {
  struct Case {
    const char* what;
    TScrollBarKind kind;
    Integer min, max, page, position;
    TRect thumb;
  };
  // A 200 x 19 horizontal bar: track 17..183 (166 long); vertical 19 x 200.
  const Case cases[] = {
      {"no page, at min", sbHorizontal, 0, 100, 0, 0, {17, 1, 33, 18}},
      {"no page, at max", sbHorizontal, 0, 100, 0, 100, {167, 1, 183, 18}},
      {"no page, Max = Min", sbHorizontal, 5, 5, 0, 5, {17, 1, 33, 18}},
      {"page of half the range", sbHorizontal, 0, 99, 50, 50, {101, 1, 183, 18}},
      {"page over the range, horizontal (fraction 1)", sbHorizontal, 0, 9, 20, 0, {-149, 1, 183, 18}},
      {"page over the range, vertical (fraction 0)", sbVertical, 0, 9, 20, 0, {1, 17, 18, 349}},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* bar = host.Make<TspSkinScrollBar>(c.kind == sbVertical ? TRect{0, 0, 19, 200} : TRect{0, 0, 200, 19});
    bar->SetKind(c.kind);
    bar->SetRange(c.min, c.max, c.position, c.page);
    bar->CalcRects();
    EXPECT_EQ(bar->ButtonRect(TspSkinScrollBar::Thumb), c.thumb) << c.what;
  }
}

TEST(SkinScrollBar, BothModeLeavesTheCorner) {
  BoxForm host;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  bar->SetBothMarkerWidth(19);
  bar->SetBoth(true);
  bar->CalcRects();
  EXPECT_EQ(bar->ButtonRect(TspSkinScrollBar::UpButton).Right, 200 - 20);
}

TEST(SkinScrollBar, ArrowRepeatRunsOnTheClock) {
  BoxForm host;
  BoxClock clock;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  bar->SetRange(0, 100, 0, 0);
  TPoint up = Centre(bar->ButtonRect(TspSkinScrollBar::UpButton));
  bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(up.X, up.Y));
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(bar->Position(), 1) << "one step at the press";
  EXPECT_EQ(clock.Interval(bar), 500u);
  clock.Tick(bar);
  EXPECT_EQ(bar->Position(), 1) << "the 500 ms tick only switches the rate";
  EXPECT_EQ(clock.Interval(bar), 50u);
  clock.Tick(bar);
  clock.Tick(bar);
  EXPECT_EQ(bar->Position(), 3);
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 8));
  EXPECT_EQ(clock.Interval(bar), 0u) << "leaving the pressed button pauses";
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(clock.Interval(bar), 50u) << "coming back resumes at 50 ms";
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(clock.Interval(bar), 0u);
  EXPECT_EQ(bar->Position(), 3);
}

TEST(SkinScrollBar, AssignedButtonEventReplacesTheStep) {
  BoxForm host;
  BoxClock clock;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  int clicks = 0;
  bar->OnUpButtonClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  TPoint up = Centre(bar->ButtonRect(TspSkinScrollBar::UpButton));
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(bar->Position(), 0);
}

TEST(SkinScrollBar, PageRepeatStopsAtThePointerAndRightButtonDoesNothing) {
  BoxForm host;
  BoxClock clock;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  bar->SetRange(0, 100, 0, 0);
  bar->SetLargeChange(30);
  bar->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(120, 8));
  EXPECT_EQ(bar->Position(), 0);
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 8));
  EXPECT_EQ(bar->Position(), 30);
  clock.Tick(bar);  // the wait
  for (int i = 0; i < 10; ++i) clock.Tick(bar);
  EXPECT_EQ(clock.Interval(bar), 0u) << "the thumb reached the pointer";
  EXPECT_LE(bar->ButtonRect(TspSkinScrollBar::Thumb).Left, 120);
  EXPECT_GE(bar->ButtonRect(TspSkinScrollBar::Thumb).Right, 120 - 30);
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(120, 8));
}

TEST(SkinScrollBar, DraggingTheThumbAndLastChange) {
  BoxForm host;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  bar->SetRange(0, 100, 0, 0);
  int last = 0;
  bar->OnLastChange = TNotifyEvent::Function([&](TObject*) { ++last; });
  TPoint thumb = Centre(bar->ButtonRect(TspSkinScrollBar::Thumb));
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.X, thumb.Y));
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.X + 75, thumb.Y));  // half the travel of 150
  EXPECT_EQ(bar->Position(), 50);
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.X + 500, thumb.Y));
  EXPECT_EQ(bar->Position(), 100);
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(thumb.X + 500, thumb.Y));
  EXPECT_EQ(last, 1);
}

TEST(SkinScrollBar, SkinnedLayoutFollowsTheLength) {
  BoxForm host;
  BoxSkin skin;
  auto* bar = host.Make<TspSkinScrollBar>({0, 0, 200, 19});
  bar->SetSkinData(&skin.data);
  EXPECT_EQ(bar->Height(), 16) << "the record's height";
  bar->SetRange(0, 100, 100, 0);
  bar->CalcRects();
  EXPECT_EQ(bar->ButtonRect(TspSkinScrollBar::UpButton), (TRect{184, 0, 200, 16}));
  EXPECT_EQ(bar->ButtonRect(TspSkinScrollBar::DownButton), (TRect{0, 0, 16, 16}));
  EXPECT_EQ(bar->ButtonRect(TspSkinScrollBar::Thumb), (TRect{168, 0, 184, 16}));
}

}  // namespace
