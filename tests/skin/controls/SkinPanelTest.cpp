// Skinned panel and group box: the children's area, the roll-up and checked
// modes with their events and constraints, and the paint paths.
#include <gtest/gtest.h>

#include "skin/controls/SkinPanel.h"
#include "tests/skin/controls/ControlFixture.h"

using enum TspSkinBorderStyle;

namespace {

class PanelTest : public ::testing::Test {
protected:
  PanelTest() {
    skin.Add("panel", "panel",
             "skinrect=0,0,60,40;lefttoppoint=10,10;righttoppoint=50,10;leftbottompoint=10,30;"
             "rightbottompoint=50,30;clientrect=6,16,54,34;captionrect=4,2,56,14;fontcolor=255");
    skin.Add("panel", "picture",
             "skinrect=0,40,60,80;lefttoppoint=5,5;righttoppoint=55,5;leftbottompoint=5,35;rightbottompoint=55,35;"
             "clientrect=5,5,55,35;bgpictureindex=0");
    skin.Add("panel", "texture",
             "skinrect=60,0,100,40;lefttoppoint=5,5;righttoppoint=35,5;leftbottompoint=5,35;"
             "rightbottompoint=35,35;clientrect=5,5,35,35");
    skin.Add("panel", "inner", "skinrect=65,5,95,35");
    skin.Finish();
  }
  TspSkinPanel* Make(const String& record, TRect bounds = {0, 0, 160, 100}) {
    auto* p = f.Make<TspSkinPanel>(bounds);
    p->SkinDataName = record;
    p->SetSkinData(&skin.data);
    return p;
  }
  TestSkin skin;
  FormFixture f;
};

}  // namespace

TEST_F(PanelTest, ClientRectOfEachCase) {
  struct Case {
    const char* what;
    const char* record;
    TspSkinBorderStyle border;
    bool caption, transparent;
    TRect expected;
  } cases[] = {
      {"no record, frame", "none", bvFrame, false, false, {1, 1, 159, 99}},
      {"no record, no border", "none", bvNone, false, false, {0, 0, 160, 100}},
      {"no record, caption strip", "none", bvFrame, true, false, {1, 23, 159, 99}},
      {"record: the mapped client", "panel", bvFrame, false, false, {6, 16, 154, 94}},
      {"record, borderless mode 1 without caption: all", "panel", bvNone, false, false, {0, 0, 160, 100}},
      {"record with a background picture: all", "picture", bvFrame, false, false, {0, 0, 160, 100}},
      {"record, transparent", "panel", bvFrame, false, true, {2, 2, 158, 98}},
  };
  for (const Case& c : cases) {
    TspSkinPanel* p = Make(c.record);
    p->SetBorderStyle(c.border);
    p->SetCaptionMode(c.caption);
    p->SetTransparentMode(c.transparent);
    EXPECT_EQ(p->GetSkinClientRect(), c.expected) << c.what;
    delete p;
  }
}

TEST_F(PanelTest, GroupBoxWithoutSkinHasItsCaptionStripAndChildrenBelowIt) {
  auto* box = f.Make<TspSkinGroupBox>({0, 0, 200, 120});
  box->SetCaption("Options");
  auto* child = f.Make<TspSkinPanel>({0, 0, 10, 10}, box);
  child->SetAlign(alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(1, 23, 199, 119));
  auto image = Render(box);
  EXPECT_EQ(PixelOf(*image, 0, 10), ColorToRGB(clBtnShadow));  // the strip's frame
  EXPECT_EQ(PixelOf(*image, 100, 60), ColorToRGB(clBtnFace));
}

TEST_F(PanelTest, CaptionClickTogglesCheckThenRollAndKeepsConstraints) {
  TspSkinPanel* p = Make("none", {0, 0, 160, 100});
  std::vector<String> events;
  p->OnChecked = TNotifyEvent::Function([&](TObject*) { events.push_back("checked"); });
  p->OnChangeRollUpState = TNotifyEvent::Function([&](TObject*) { events.push_back("roll"); });
  auto* child = f.Make<TspSkinPanel>({10, 40, 50, 60}, p);
  p->SetCaptionMode(true);
  p->SetCheckedMode(true);
  p->SetRollUpMode(true);
  p->Constraints()->SetMinHeight(50);
  p->Constraints()->SetMaxWidth(300);

  p->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 8));
  p->Perform(WM_LBUTTONUP, 0, MAKELPARAM(30, 8));
  EXPECT_EQ(events, (std::vector<String>{"checked", "roll"}));
  EXPECT_TRUE(p->Checked());
  EXPECT_TRUE(p->RollUpState());
  EXPECT_EQ(p->Height(), 23);  // DefaultCaptionHeight + 1 without a record
  EXPECT_EQ(p->RealHeight, 100);
  EXPECT_FALSE(child->Visible());
  EXPECT_EQ(p->Constraints()->MinHeight(), 0);

  p->SetRollUpState(false);
  EXPECT_EQ(p->Height(), 100);
  EXPECT_EQ(p->RealHeight, -1);
  EXPECT_TRUE(child->Visible());
  // The limits given before the roll-up hold again.
  EXPECT_EQ(p->Constraints()->MinHeight(), 50);
  EXPECT_EQ(p->Constraints()->MaxWidth(), 300);

  // Without roll-up mode the state does not change and nothing fires.
  events.clear();
  p->SetRollUpMode(false);
  p->SetRollUpState(true);
  EXPECT_FALSE(p->RollUpState());
  EXPECT_EQ(p->Height(), 100);
  EXPECT_EQ(p->Constraints()->MinHeight(), 50);
  EXPECT_TRUE(events.empty());
}

TEST_F(PanelTest, CheckedEnablesChildrenAndAlwaysFires) {
  TspSkinPanel* p = Make("none");
  auto* child = f.Make<TspSkinPanel>({10, 40, 50, 60}, p);
  int fired = 0;
  p->OnChecked = TNotifyEvent::Function([&](TObject*) { ++fired; });
  p->SetChecked(false);  // outside checked mode: still fires, children untouched
  EXPECT_TRUE(child->Enabled());
  p->SetCheckedMode(true);
  p->SetChecked(false);
  EXPECT_FALSE(child->Enabled());
  p->AutoEnabledControls = false;
  p->SetChecked(true);
  EXPECT_FALSE(child->Enabled());
  EXPECT_EQ(fired, 3);
}

TEST_F(PanelTest, PaintPaths) {
  struct Case {
    const char* what;
    const char* record;
    TspSkinBorderStyle border;
    TPoint at;
    TColor expected;
  } cases[] = {
      {"base: the border piece at a corner", "panel", bvFrame, {2, 2}, skin.ColorOf("panel", "skinrect")},
      {"background picture only", "picture", bvFrame, {100, 60}, PixelOf(skin.Picture(), 100 % skin.Picture().Width(), 60)},
      {"borderless texture tiled from the client part", "texture", bvNone, {1, 1}, skin.ColorOf("inner", "skinrect")},
      {"default look", "none", bvFrame, {0, 0}, ColorToRGB(clBtnShadow)},
  };
  for (const Case& c : cases) {
    TspSkinPanel* p = Make(c.record);
    p->SetBorderStyle(c.border);
    auto image = Render(p);
    EXPECT_EQ(PixelOf(*image, c.at.X, c.at.Y), c.expected) << c.what;
    delete p;
  }
}

TEST_F(PanelTest, ZeroSizeAndEmptyRecordsPaintWithoutHarm) {
  skin.Add("panel", "empty", "skinrect=0,0,0,0");
  skin.Add("panel", "huge", "skinrect=0,0,5000,5000;clientrect=1,1,4999,4999");
  for (const char* record : {"empty", "huge", "none"}) {
    TspSkinPanel* p = Make(record, {0, 0, 0, 0});
    Render(p);
    p->SetBounds(0, 0, 30, 20);
    Render(p);
    delete p;
  }
}
