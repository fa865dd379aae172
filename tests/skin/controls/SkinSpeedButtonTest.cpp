// The skinned speed button: each state's image with and without a record, the
// flat looks, the caption width switch, the tool bar's image lists, group
// presses, auto-repeat and the fade on the skin clock, and the accelerator.
#include <gtest/gtest.h>

#include <functional>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/controls/buttons/SkinSpeedButton.h"
#include "skin/draw/SkinClock.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

const char* kToolButton =
    "skinrect=0,0,40,20;activeskinrect=40,0,80,20;downskinrect=80,0,120,20;disabledskinrect=160,0,200,20;"
    "clientrect=2,2,38,18";

// An image list of one-colour 16 x 16 images.
std::unique_ptr<TCustomImageList> SolidImages(std::initializer_list<TColor> colours) {
  auto list = std::make_unique<TCustomImageList>(nullptr);
  list->SetSize(16, 16);
  for (TColor c : colours) {
    TBitmap b(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect{0, 0, 16, 16});
    list->Add(&b, nullptr);
  }
  return list;
}

class SpeedButtonTest : public ::testing::Test {
protected:
  SpeedButtonTest() {
    skin.Add("button", "tb", kToolButton);
    skin.Add("button", "fade", String(kToolButton) + ";morphing=1");
    skin.Add("button", "nopicture", String(kToolButton) + ";pictureindex=7");
    skin.Finish();
    skin.data.EnableSkinEffects = true;
  }
  TspSkinSpeedButton* Make(const String& record, TRect bounds = {10, 10, 50, 30}, TWinControl* parent = nullptr) {
    auto* b = f.Make<TspSkinSpeedButton>(bounds, parent);
    b->SkinDataName = record;
    b->SetSkinData(&skin.data);
    b->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    return b;
  }
  static void Enter(TControl* c) { c->Perform(CM_MOUSEENTER, 0, 0); }
  static void Leave(TControl* c) { c->Perform(CM_MOUSELEAVE, 0, 0); }
  static void Press(TControl* c) { c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
  static void Release(TControl* c) { c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
  TestSkin skin;
  FormFixture f;
  int clicks = 0;
};

}  // namespace

TEST_F(SpeedButtonTest, ImageOfEachStateWithAndWithoutRecord) {
  struct Case {
    const char* state;
    std::function<void(TspSkinSpeedButton*)> set;
    const char* rect;      // the record's piece drawn
    TColor defaultInside;  // without a record, at (5, 5)
  } cases[] = {
      {"normal", [](TspSkinSpeedButton*) {}, "skinrect", clBtnFace},
      {"hot", [](TspSkinSpeedButton* b) { Enter(b); }, "activeskinrect", RGB(182, 189, 210)},
      {"pressed", [](TspSkinSpeedButton* b) { Enter(b), b->SetDown(true); }, "downskinrect", RGB(133, 147, 181)},
      {"down in a group", [](TspSkinSpeedButton* b) { b->GroupIndex = 1, b->SetDown(true); }, "downskinrect",
       RGB(133, 147, 181)},
      {"down alone, pointer away", [](TspSkinSpeedButton* b) { b->SetDown(true); }, "skinrect", clBtnFace},
      {"disabled", [](TspSkinSpeedButton* b) { b->SetEnabled(false); }, "disabledskinrect", clBtnFace},
      {"disabled under the pointer", [](TspSkinSpeedButton* b) { b->SetEnabled(false), Enter(b); },
       "disabledskinrect", clBtnFace},
  };
  f.form->Show();
  for (const Case& c : cases) {
    for (bool record : {true, false}) {
      TspSkinSpeedButton* b = Make(record ? "tb" : "none");
      c.set(b);
      auto image = Render(b);
      TColor expected = record ? skin.ColorOf("tb", c.rect) : ColorToRGB(c.defaultInside);
      EXPECT_EQ(PixelOf(*image, 5, 5), expected) << c.state << (record ? " with record" : " default");
      delete b;
    }
  }
}

TEST_F(SpeedButtonTest, RecordWithoutPictureDrawsTheDefaultLook) {
  TspSkinSpeedButton* b = Make("nopicture");
  auto image = Render(b);
  EXPECT_EQ(PixelOf(*image, 5, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelOf(*image, 0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(SpeedButtonTest, FlatShowsOnlyContentOverTheParentUntilHovered) {
  for (bool record : {false, true}) {
    TspSkinSpeedButton* b = Make(record ? "tb" : "none");
    b->SetFlat(true);
    b->SetCaption("x");
    auto idle = Render(b);
    EXPECT_EQ(PixelOf(*idle, 1, 1), clWhite) << "no face while idle, record " << record;
    Enter(b);
    auto hot = Render(b);
    EXPECT_EQ(PixelOf(*hot, 5, 5), record ? skin.ColorOf("tb", "activeskinrect") : TColor(RGB(182, 189, 210)));
    if (!record) {
      EXPECT_EQ(PixelOf(*hot, 0, 0), TColor(0x800000));
    }
    delete b;
  }
}

TEST_F(SpeedButtonTest, FlatSwitchesTheFadeOff) {
  TspManualSkinClockScope clock;
  TspSkinSpeedButton* b = Make("fade");
  b->SetFlat(true);
  b->GetSkinData();
  EXPECT_FALSE(b->look.morphing);
  EXPECT_FALSE(b->EnableMorphing());
}

TEST_F(SpeedButtonTest, FadeStepsOnTheSkinClock) {
  TspManualSkinClockScope clock;
  TspSkinSpeedButton* b = Make("fade");
  Enter(b);
  EXPECT_TRUE(b->MorphRunning());
  clock.Clock().Advance(20);
  EXPECT_NEAR(b->MorphKf(), 0.2, 1e-9);
  clock.Clock().Advance(100);
  EXPECT_NEAR(b->MorphKf(), 1, 1e-9);
  clock.Clock().Advance(20);
  EXPECT_FALSE(b->MorphRunning());
  Leave(b);
  clock.Clock().Advance(200);
  EXPECT_NEAR(b->MorphKf(), 0, 1e-9);
}

TEST_F(SpeedButtonTest, ShowCaptionSwitchesBetweenTheTwoWidths) {
  TspSkinSpeedButton* b = Make("none", {0, 0, 60, 25});
  b->WidthWithCaption = 60;
  b->WidthWithoutCaption = 25;
  b->SetShowCaption(false);
  EXPECT_EQ(b->Width(), 25);
  b->SetShowCaption(true);
  EXPECT_EQ(b->Width(), 60);
  b->WidthWithoutCaption = 0;
  b->SetShowCaption(false);
  EXPECT_EQ(b->Width(), 60);  // with either width at 0 the width stays
}

TEST_F(SpeedButtonTest, ContentSourcesOnAToolBarAndBeside) {
  auto images = SolidImages({clRed, clLime});
  auto hot = SolidImages({clBlue, clYellow});
  auto disabled = SolidImages({clAqua, clFuchsia});
  auto* bar = f.Make<TspSkinToolBar>({0, 0, 300, 40});
  bar->SetImages(images.get());
  bar->SetHotImages(hot.get());
  bar->SetDisabledImages(disabled.get());
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clNavy);
  glyph.Canvas()->FillRect(TRect{0, 0, 16, 16});
  glyph.Canvas()->SetPixels(0, 15, clWhite);  // its transparent colour
  struct Case {
    const char* name;
    bool onBar;
    std::function<void(TspSkinSpeedButton*)> set;
    TColor centre;
  } cases[] = {
      {"bar, idle: Images", true, [](TspSkinSpeedButton* b) { b->SetImageIndex(1); }, clLime},
      {"bar, hot: HotImages", true, [](TspSkinSpeedButton* b) { b->SetImageIndex(1), Enter(b); }, clYellow},
      {"bar, pressed: HotImages", true, [](TspSkinSpeedButton* b) { Enter(b), b->SetDown(true); }, clBlue},
      {"bar, disabled: DisabledImages ungreyed", true, [](TspSkinSpeedButton* b) { b->SetEnabled(false); },
       clAqua},
      {"glyph wins over the bar", true, [&](TspSkinSpeedButton* b) { b->SetGlyph(&glyph); }, clNavy},
      {"image list beside", false, [&](TspSkinSpeedButton* b) { b->SetImageList(images.get()); }, clRed},
      {"glyph wins over the image list", false,
       [&](TspSkinSpeedButton* b) { b->SetImageList(images.get()), b->SetGlyph(&glyph); }, clNavy},
  };
  for (const Case& c : cases) {
    TspSkinSpeedButton* b = Make("none", {10, 5, 40, 35}, c.onBar ? bar : nullptr);
    c.set(b);
    auto image = Render(b);
    EXPECT_EQ(PixelOf(*image, 15, 15), c.centre) << c.name;
    delete b;
  }
}

TEST_F(SpeedButtonTest, GroupPressClicksOnceAndRaisesTheOthers) {
  TspSkinSpeedButton* a = Make("tb", {0, 0, 40, 20});
  TspSkinSpeedButton* b = Make("tb", {50, 0, 90, 20});
  TspSkinSpeedButton* other = Make("tb", {100, 0, 140, 20});
  a->GroupIndex = b->GroupIndex = 1;
  other->GroupIndex = 2;
  other->SetDown(true);
  a->SetDown(true);
  Press(b);
  EXPECT_EQ(clicks, 1);
  Release(b);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(other->Down());
  Press(b);  // pressing the down one without AllowAllUp keeps it down
  Release(b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks, 1);
  b->AllowAllUp = true;
  b->MouseIn = true;
  Press(b);
  Release(b);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, RepeatWaitsThenClicksEveryInterval) {
  TspManualSkinClockScope clock;
  TspSkinSpeedButton* b = Make("tb");
  b->RepeatMode = true;
  b->RepeatInterval = 100;
  Press(b);
  clock.Clock().Advance(500);
  EXPECT_EQ(clicks, 0);  // the wait only switches to the interval
  clock.Clock().Advance(100);
  EXPECT_EQ(clicks, 1);
  clock.Clock().Advance(200);
  EXPECT_EQ(clicks, 3);
  Leave(b);
  clock.Clock().Advance(300);
  EXPECT_EQ(clicks, 3);  // away from the button the repeat pauses
  Enter(b);
  clock.Clock().Advance(600);
  EXPECT_EQ(clicks, 4);
  Release(b);
  EXPECT_EQ(clicks, 5);  // the release clicks once more
  clock.Clock().Advance(500);
  EXPECT_EQ(clicks, 5);
}

TEST_F(SpeedButtonTest, AcceleratorClicksAVisibleEnabledButton) {
  f.form->Show();
  TspSkinSpeedButton* b = Make("tb");
  b->SetCaption("&Go");
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'g', 0), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  b->SetEnabled(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'g', 0), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, ToolBarHandsItsSkinAndFlatLookToItsButtons) {
  auto* bar = f.Make<TspSkinToolBar>({0, 0, 300, 40});
  auto* b = new TspSkinSpeedButton(f.form);
  b->SetParent(bar);
  b->SkinDataName = "tb";
  bar->SetSkinData(&skin.data);
  EXPECT_EQ(b->SkinData(), &skin.data);
  EXPECT_EQ(b->SkinRecordIndex, skin.data.GetControlIndex("tb"));
  bar->SetFlat(true);
  EXPECT_TRUE(b->Flat());
  bar->AutoShowHideCaptions = true;
  bar->SetShowCaptions(true);
  bar->SetShowCaptions(false);
  EXPECT_FALSE(b->ShowCaption());
}
