// Check and radio boxes: SetChecked and its group, the user's toggles by mouse
// and space, and the glyph drawn for each state.
#include <gtest/gtest.h>

#include "skin/controls/SkinCheckRadioBox.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
  CheckBoxTest() {
    skin.Add("checkradio", "checkbox",
             "skinrect=0,0,100,20;textarea=20,0,100,20;checkimagearea=0,0,20,20;"
             "checkimagerect=0,20,12,32;uncheckimagerect=12,20,24,32;activecheckimagerect=24,20,36,32;"
             "activeuncheckimagerect=36,20,48,32;unenabledcheckimagerect=48,20,60,32;"
             "unenableduncheckimagerect=60,20,72,32");
    skin.Add("checkradio", "grayed", "skinrect=0,0,100,20;textarea=20,0,100,20;checkimagearea=0,0,20,20;"
                                     "checkimagerect=0,20,12,32;uncheckimagerect=12,20,24,32;grayedcheckimagerect=72,20,84,32");
    skin.Finish();
  }
  TspSkinCheckRadioBox* Make(const String& record, bool radio = false, Integer group = 0) {
    auto* box = f.Make<TspSkinCheckRadioBox>({0, 0, 100, 20});
    box->SetFlat(false);
    box->SkinDataName = record;
    box->SetSkinData(&skin.data);
    box->SetRadio(radio);
    box->GroupIndex = group;
    return box;
  }
  TestSkin skin;
  FormFixture f;
};

}  // namespace

TEST_F(CheckBoxTest, SetCheckedRows) {
  struct Case {
    const char* what;
    bool radio;
    TCheckBoxState before;
    bool value;
    TCheckBoxState after;
    int clicks;
  } cases[] = {
      {"check box on", false, cbUnchecked, true, cbChecked, 1},
      {"check box off", false, cbChecked, false, cbUnchecked, 1},
      {"check box off again", false, cbUnchecked, false, cbUnchecked, 1},
      {"grayed box unchecked stays grayed", false, cbGrayed, false, cbGrayed, 1},
      {"radio on", true, cbUnchecked, true, cbChecked, 1},
      {"radio on again", true, cbChecked, true, cbChecked, 1},
      {"radio off", true, cbChecked, false, cbUnchecked, 0},
  };
  for (const Case& c : cases) {
    TspSkinCheckRadioBox* box = Make("checkbox", c.radio);
    box->SetState(c.before);
    int clicks = 0;
    box->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
    box->SetChecked(c.value);
    EXPECT_EQ(box->State(), c.after) << c.what;
    EXPECT_EQ(box->Checked(), c.value) << c.what;
    EXPECT_EQ(clicks, c.clicks) << c.what;
    delete box;
  }
}

TEST_F(CheckBoxTest, UnCheckAllReachesTheSameGroupUnderTheSameParentOnly) {
  TspSkinCheckRadioBox* a = Make("checkbox", true, 2);
  TspSkinCheckRadioBox* b = Make("checkbox", true, 2);
  TspSkinCheckRadioBox* loose = Make("checkbox", false, 0);
  TspSkinCheckRadioBox* otherGroup = Make("checkbox", true, 1);
  auto* elsewhere = new TspSkinCheckRadioBox(f.form);
  auto* panel = f.Make<TspSkinCheckRadioBox>({0, 0, 10, 10});
  (void)panel;
  b->SetChecked(true), loose->SetChecked(true), otherGroup->SetChecked(true);
  int bClicks = 0;
  b->OnClick = TNotifyEvent::Function([&](TObject*) { ++bClicks; });
  a->SetChecked(true);
  EXPECT_FALSE(b->Checked());
  EXPECT_TRUE(loose->Checked());
  EXPECT_TRUE(otherGroup->Checked());
  EXPECT_EQ(bClicks, 0);  // a radio button unchecked by its group fires nothing
  delete elsewhere;
}

TEST_F(CheckBoxTest, MouseAndSpaceToggles) {
  TspSkinCheckRadioBox* box = Make("checkbox");
  box->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  box->OnClick = TNotifyEvent::Function([&](TObject*) { seen.push_back(box->State()); });
  for (int i = 0; i < 3; ++i) {
    box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    box->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  box->Perform(CM_MOUSELEAVE);
  box->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(seen.size(), 3u);  // released after leaving: nothing

  f.form->Show();
  box->SetFocus();
  box->Perform(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(seen.size(), 3u);  // not on the key press
  box->Perform(WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(seen.size(), 4u);
  box->Perform(WM_KEYUP, 'A', 0);
  EXPECT_EQ(seen.size(), 4u);

  TspSkinCheckRadioBox* radio = Make("checkbox", true, 3);
  radio->SetChecked(true);
  int clicks = 0;
  radio->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  radio->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  radio->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(CheckBoxTest, GlyphRows) {
  struct Case {
    const char* what;
    bool checked, mouseIn, enabled;
    const char* rect;
  } cases[] = {
      {"checked", true, false, true, "checkimagerect"},
      {"unchecked", false, false, true, "uncheckimagerect"},
      {"checked, hot", true, true, true, "activecheckimagerect"},
      {"unchecked, hot", false, true, true, "activeuncheckimagerect"},
      {"checked, disabled", true, false, false, "unenabledcheckimagerect"},
      {"unchecked, disabled", false, true, false, "unenableduncheckimagerect"},
  };
  for (const Case& c : cases) {
    TspSkinCheckRadioBox* box = Make("checkbox");
    box->SetChecked(c.checked);
    box->SetEnabled(c.enabled);
    box->MouseIn = c.mouseIn;
    auto image = Render(box);
    // The glyph is centred in the 20 x 20 area: 12 x 12 at (4, 4).
    EXPECT_EQ(PixelOf(*image, 8, 8), skin.ColorOf("checkbox", c.rect)) << c.what;
    EXPECT_EQ(PixelOf(*image, 50, 2), skin.ColorOf("checkbox", "skinrect")) << c.what;
    delete box;
  }
  // Grayed without a grayed glyph: the checked glyph brightened by half.
  TspSkinCheckRadioBox* box = Make("checkbox");
  box->SetState(cbGrayed);
  auto image = Render(box);
  TColor c = skin.ColorOf("checkbox", "checkimagerect"), b = PixelOf(*image, 8, 8);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR((b >> shift) & 0xFF, ((c >> shift) & 0xFF) / 2.0 + 127.5, 1.0);
  TspSkinCheckRadioBox* grayed = Make("grayed");
  grayed->SetState(cbGrayed);
  image = Render(grayed);
  EXPECT_EQ(PixelOf(*image, 8, 8), skin.ColorOf("grayed", "grayedcheckimagerect"));
}

TEST_F(CheckBoxTest, DefaultAndFlatLooks) {
  TspSkinCheckRadioBox* box = Make("none");
  box->SetChecked(true);
  auto image = Render(box);
  EXPECT_EQ(PixelOf(*image, 3, 3), ColorToRGB(clBtnShadow));  // the box square's frame
  EXPECT_EQ(PixelOf(*image, 1, 1), ColorToRGB(clBtnFace));
  box->SetFlat(true);
  box->SetBounds(0, 0, 300, 60);
  EXPECT_EQ(box->Width(), 300);  // a flat box keeps any size
  image = Render(box);
  EXPECT_EQ(PixelOf(*image, 1, 1), ColorToRGB(clGreen));  // the parent shows through
}
