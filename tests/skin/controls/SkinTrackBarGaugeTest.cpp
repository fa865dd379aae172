// Track bar geometry, values and the sources of its events; gauge fill, caps
// and text.
#include <gtest/gtest.h>

#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

struct Events {
  int change = 0, last = 0, drag = 0;
  void Hook(TspSkinTrackBar* bar) {
    bar->OnChange = TNotifyEvent::Function([this](TObject*) { ++change; });
    bar->OnLastChange = TNotifyEvent::Function([this](TObject*) { ++last; });
    bar->OnStartDragButton = TNotifyEvent::Function([this](TObject*) { ++drag; });
  }
};

}  // namespace

TEST(SkinTrackBar, ThumbPlaceAndValueOfAnOffset) {
  FormFixture f;
  auto* bar = f.Make<TspSkinTrackBar>({0, 0, 104, 20});
  struct Case {
    const char* what;
    bool vertical;
    int width, height, min, max, value;
    TRect thumb;
    int offset, valueOfOffset;
  } cases[] = {
      {"horizontal at 50", false, 104, 20, 0, 100, 50, {48, 2, 56, 18}, 46, 50},
      {"horizontal at the minimum", false, 104, 20, 0, 100, 0, {2, 2, 10, 18}, 0, 0},
      {"vertical at the minimum: the bottom", true, 20, 104, 0, 100, 0, {2, 94, 18, 102}, 92, 100},
      {"vertical at the maximum: the top", true, 20, 104, 0, 100, 100, {2, 2, 18, 10}, 23, 25},
      {"Min = Max: the Min end", false, 104, 20, 5, 5, 5, {2, 2, 10, 18}, 40, 5},
      {"Min > Max keeps the thumb on its track", false, 104, 20, 100, 0, 0, {94, 2, 102, 18}, 500, 0},
      {"half way rounds to even", false, 104, 20, 0, 3, 0, {2, 2, 10, 18}, 46, 2},
      {"a track too short for the thumb maps to Min", false, 8, 20, 0, 100, 50, {2, 2, 10, 18}, 3, 0},
  };
  for (const Case& c : cases) {
    bar->SetBounds(0, 0, c.width, c.height);
    bar->SetVertical(c.vertical);
    bar->SetMinValue(-1000), bar->SetMaxValue(1000);
    bar->SetValue(c.value);
    bar->SetMinValue(c.min), bar->SetMaxValue(c.max);
    bar->CalcButtonRect(TRect{2, 2, c.width - 2, c.height - 2});
    if (c.width > 10) {
      EXPECT_EQ(bar->NewButtonRect, c.thumb) << c.what;
    }
    EXPECT_EQ(bar->CalcValue(c.offset), c.valueOfOffset) << c.what;
  }
}

TEST(SkinTrackBar, EventSources) {
  FormFixture f;
  f.form->Show();
  auto* bar = f.Make<TspSkinTrackBar>({0, 0, 104, 20});
  Events e;
  e.Hook(bar);
  Render(bar);  // places the thumb
  // Drag: starts on the thumb, changes on each move, one last change on release.
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 10));
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(600, 10));
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(600, 10));
  EXPECT_EQ(bar->Value(), 100);
  EXPECT_EQ(e.drag, 1);
  EXPECT_EQ(e.change, 2);
  EXPECT_EQ(e.last, 1);
  // Click-jump: a change, no last change.
  bar->JumpWhenClick = true;
  Render(bar);
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(bar->Value(), 15);
  EXPECT_EQ(e.change, 3);
  EXPECT_EQ(e.last, 1);
  // Keys and wheel do nothing without CanFocused.
  bar->Perform(WM_KEYDOWN, VK_RIGHT, 0);
  bar->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(bar->Value(), 15);
  bar->SetCanFocused(true);
  bar->SetFocus();
  bar->Perform(WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(bar->Value(), 16);
  bar->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);  // forward lowers a horizontal bar
  EXPECT_EQ(bar->Value(), 15);
  EXPECT_EQ(e.last, 3);
  bar->SetValue(100);
  int changes = e.change;
  bar->Perform(WM_KEYDOWN, VK_UP, 0);  // at the bound: last change without a change
  EXPECT_EQ(e.change, changes);
  EXPECT_EQ(e.last, 4);
  bar->SetVertical(true);
  bar->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);  // forward raises a vertical bar
  EXPECT_EQ(bar->Value(), 100);
  bar->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(bar->Value(), 99);
}

TEST(SkinTrackBar, RecordTurnsTheBarVertical) {
  TestSkin skin;
  skin.Add("trackbar", "trackbar", "skinrect=0,0,20,100;trackarea=0,5,20,95;buttonrect=20,0,36,8;vertical=1");
  skin.Finish();
  FormFixture f;
  auto* bar = f.Make<TspSkinTrackBar>({0, 0, 20, 100});
  bar->SkinDataName = "trackbar";
  bar->SetSkinData(&skin.data);
  bar->SetValue(0);
  auto image = Render(bar);
  EXPECT_TRUE(bar->Vertical());
  EXPECT_EQ(bar->NewButtonRect, Rect(2, 87, 18, 95));
  EXPECT_EQ(PixelOf(*image, 10, 90), skin.ColorOf("trackbar", "buttonrect"));
}

TEST(SkinGauge, Rows) {
  TestSkin skin;
  skin.Add("gauge", "gauge", "skinrect=0,0,100,20;progressarea=5,5,95,15;progressrect=0,20,30,30;beginoffset=3;endoffset=3");
  skin.Add("gauge", "thin", "skinrect=0,0,100,20;progressarea=5,5,95,15;progressrect=0,20,6,30;beginoffset=3;endoffset=3");
  skin.Add("gauge", "caps", "skinrect=0,20,3,30");
  skin.Add("gauge", "vgauge", "skinrect=0,30,20,130;progressarea=5,5,15,95;progressrect=30,20,40,50;vertical=1");
  skin.Finish();
  FormFixture f;
  auto* g = f.Make<TspSkinGauge>({0, 0, 100, 20});
  g->SetShowPercent(true);
  struct Case {
    int min, max, value;
    String text;
    int fillRight;  // of the default area (1..99); Min above Max stays within it
  } cases[] = {{0, 100, 50, "50%", 50}, {0, 3, 2, "66%", 66}, {5, 5, 5, "0%", 1}, {100, 0, 0, "100%", 99}};
  for (const Case& c : cases) {
    g->SetMinValue(-1000), g->SetMaxValue(1000);
    g->SetValue(c.value);
    g->SetMinValue(c.min), g->SetMaxValue(c.max);
    EXPECT_EQ(g->GaugeText(), c.text) << c.value;
    EXPECT_EQ(g->CalcProgressRect(TRect{1, 1, 99, 19}).Right, c.fillRight) << c.value;
  }
  g->SetMinValue(0), g->SetMaxValue(100), g->SetValue(50);
  g->SkinDataName = "gauge";
  g->SetSkinData(&skin.data);
  auto image = Render(g);
  TBitmap& picture = skin.Picture();
  EXPECT_EQ(PixelOf(*image, 6, 6), PixelOf(picture, 1, 21));    // the begin cap
  EXPECT_EQ(PixelOf(*image, 49, 6), PixelOf(picture, 29, 21));  // the end cap, at the fill's right end
  EXPECT_EQ(PixelOf(*image, 20, 6), PixelOf(picture, 15, 21));  // the middle, tiled
  EXPECT_EQ(PixelOf(*image, 51, 6), PixelOf(picture, 51, 6));   // beyond the fill: the gauge's picture

  // A fill shorter than the caps, and a picture with no middle: the caps still show.
  g->SkinDataName = "thin";
  g->SetValue(3);
  image = Render(g);
  EXPECT_EQ(PixelOf(*image, 6, 6), PixelOf(skin.Picture(), 5, 21));  // the end cap over the begin cap

  auto* v = f.Make<TspSkinGauge>({120, 0, 140, 100});
  v->SkinDataName = "vgauge";
  v->SetSkinData(&skin.data);
  v->SetValue(25);
  image = Render(v);
  EXPECT_TRUE(v->Vertical());
  TColor vfill = skin.ColorOf("vgauge", "progressrect");
  EXPECT_EQ(PixelOf(*image, 10, 90), vfill);  // fills from the bottom
  EXPECT_NE(PixelOf(*image, 10, 30), vfill);
}

TEST(SkinGauge, SetValueRepaintsOnlyOnChangeAndAnimationNeedsAStrip) {
  FormFixture f;
  auto* g = f.Make<TspSkinGauge>({0, 0, 100, 20});
  g->SetValue(500);
  EXPECT_EQ(g->Value(), 100);
  g->StartProgressAnimation();
  EXPECT_FALSE(g->AnimationRunning());  // no skin strip: no timers
  g->SetProgressAnimationPause(-5);
  EXPECT_EQ(g->ProgressAnimationPause(), 1000);
}
