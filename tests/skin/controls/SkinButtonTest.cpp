// The skinned button: the image of each state with and without a record, group
// presses, auto-repeat and the fade on the skin clock, and the default and
// cancel keys and ModalResult on a shown form.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edit.h"
#include "skin/controls/SkinButton.h"
#include "skin/draw/SkinClock.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

const char* kButtonRecord =
    "skinrect=0,0,40,20;activeskinrect=40,0,80,20;downskinrect=80,0,120,20;"
    "focusedskinrect=120,0,160,20;disabledskinrect=160,0,200,20;clientrect=2,2,38,18";

class ButtonTest : public ::testing::Test {
protected:
  ButtonTest() {
    skin.Add("button", "btn", kButtonRecord);
    skin.Add("button", "fade", String(kButtonRecord) + ";morphing=1");
    skin.Finish();
  }
  TspSkinButton* Make(const String& record, TRect bounds = {10, 10, 50, 30}) {
    auto* b = f.Make<TspSkinButton>(bounds);
    b->SkinDataName = record;
    b->SetSkinData(&skin.data);
    b->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    return b;
  }
  void Press(TControl* c) { c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
  void Release(TControl* c) { c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
  TestSkin skin;
  FormFixture f;
  int clicks = 0;
};

}  // namespace

TEST_F(ButtonTest, ImageOfEachStateWithAndWithoutRecord) {
  struct Case {
    const char* state;
    std::function<void(TspSkinButton*)> set;
    const char* rect;          // the record's piece drawn
    TColor defaultInside;      // without a record, at (5, 5)
  } cases[] = {
      {"normal", [](TspSkinButton*) {}, "skinrect", clBtnFace},
      {"hot", [](TspSkinButton* b) { b->MouseIn = true; }, "activeskinrect", RGB(182, 189, 210)},
      {"pressed", [](TspSkinButton* b) { b->MouseIn = true, b->SetDown(true); }, "downskinrect", RGB(133, 147, 181)},
      {"focused", [](TspSkinButton* b) { b->SetFocus(); }, "focusedskinrect", RGB(182, 189, 210)},
      {"disabled", [](TspSkinButton* b) { b->SetEnabled(false); }, "disabledskinrect", clBtnFace},
  };
  f.form->Show();
  for (const Case& c : cases) {
    for (bool record : {true, false}) {
      TspSkinButton* b = Make(record ? "btn" : "none");
      b->SetCanFocused(true);
      c.set(b);
      auto image = Render(b);
      TColor expected = record ? skin.ColorOf("btn", c.rect) : ColorToRGB(c.defaultInside);
      EXPECT_EQ(PixelOf(*image, 5, 5), expected) << c.state << (record ? " with record" : " default");
      delete b;
    }
  }
}

TEST_F(ButtonTest, RecordSizesTheButtonAndDisabledColourFallsBackToGray) {
  auto* record = skin.Add<TspDataSkinButtonControl>("button", "grey", String(kButtonRecord) + ";fontcolor=255;disabledfontcolor=255");
  TspSkinButton* b = Make("btn", {0, 0, 90, 40});
  EXPECT_EQ(b->Width(), 40);
  EXPECT_EQ(b->Height(), 20);
  b->SkinDataName = "grey";
  b->GetSkinData();
  EXPECT_EQ(record->disabledfontcolor, 255);
  EXPECT_EQ(b->look.disabledfontcolor, clGray);
}

TEST_F(ButtonTest, GroupPressClicksOnceAndRaisesOnlySameIndexSiblings) {
  TspSkinButton* a = Make("btn", {0, 0, 40, 20});
  TspSkinButton* b = Make("btn", {50, 0, 90, 20});
  TspSkinButton* other = Make("btn", {100, 0, 140, 20});
  a->SetGroupIndex(10), b->SetGroupIndex(10), other->SetGroupIndex(20);
  b->SetDown(true);
  other->SetDown(true);
  EXPECT_EQ(clicks, 0);  // SetDown fires no click
  Press(a);
  EXPECT_EQ(clicks, 1);
  Release(a);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(a->Down());
  EXPECT_FALSE(b->Down());
  EXPECT_TRUE(other->Down());
  // A down button of a group without AllowAllUp stays down; with it, it rises and clicks.
  Press(a), Release(a);
  EXPECT_TRUE(a->Down());
  a->AllowAllUp = true;
  Press(a), Release(a);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, RepeatClicksOnTheSkinClock) {
  TspManualSkinClockScope scope;
  TspSkinButton* b = Make("btn");
  b->SetCanFocused(false);
  b->RepeatMode = true;
  Press(b);
  scope.Clock().Advance(599);
  EXPECT_EQ(clicks, 0);
  scope.Clock().Advance(1);
  EXPECT_EQ(clicks, 1);  // 600 ms after the press
  scope.Clock().Advance(400);
  EXPECT_EQ(clicks, 5);  // every 100 ms after that
  Release(b);
  EXPECT_EQ(clicks, 6);  // one more on release inside
  scope.Clock().Advance(1000);
  EXPECT_EQ(clicks, 6);

  Press(b);
  scope.Clock().Advance(700);
  EXPECT_EQ(clicks, 8);
  b->Perform(CM_MOUSELEAVE);
  scope.Clock().Advance(500);
  Release(b);
  EXPECT_EQ(clicks, 8);  // stopped on leaving; no click released outside
  EXPECT_FALSE(b->Down());
}

TEST_F(ButtonTest, MorphFadesInFiveTicksAndBackFromWhereItWas) {
  TspManualSkinClockScope scope;
  TspSkinButton* b = Make("fade");
  b->Perform(CM_MOUSEENTER);
  for (double expected : {0.2, 0.4, 0.6, 0.8, 1.0}) {
    scope.Clock().Advance(20);
    EXPECT_NEAR(b->MorphKf(), expected, 1e-9);
  }
  scope.Clock().Advance(20);
  EXPECT_FALSE(b->MorphRunning());
  EXPECT_EQ(b->MorphKf(), 1.0);

  b->Perform(CM_MOUSELEAVE);
  scope.Clock().Advance(60);
  EXPECT_NEAR(b->MorphKf(), 0.4, 1e-9);
  b->Perform(CM_MOUSEENTER);
  scope.Clock().Advance(20);
  EXPECT_NEAR(b->MorphKf(), 0.6, 1e-9);  // back up from where the fade stood
  b->Perform(CM_MOUSELEAVE);
  scope.Clock().Advance(200);
  EXPECT_EQ(b->MorphKf(), 0.0);
  EXPECT_FALSE(b->MorphRunning());
  // Half way, the picture is a mix of the two pieces.
  b->Perform(CM_MOUSEENTER);
  scope.Clock().Advance(60);
  auto image = Render(b);
  TColor mixed = PixelOf(*image, 5, 5);
  EXPECT_NE(mixed, skin.ColorOf("fade", "skinrect"));
  EXPECT_NE(mixed, skin.ColorOf("fade", "activeskinrect"));
}

TEST_F(ButtonTest, ModalResultOnlyFromFocusableButtons) {
  TspSkinButton* b = Make("btn");
  b->ModalResult = mrOk;
  b->SetCanFocused(false);
  b->ButtonClick();
  EXPECT_EQ(f.form->ModalResult(), mrNone);
  b->SetCanFocused(true);
  b->ButtonClick();
  EXPECT_EQ(f.form->ModalResult(), mrOk);
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonAndShiftEscapeLeavesCancel) {
  f.form->Show();
  auto* edit = f.Make<TEdit>({10, 60, 110, 80});
  TspSkinButton* ok = Make("none", {10, 100, 85, 125});
  TspSkinButton* cancel = Make("none", {100, 100, 175, 125});
  int cancels = 0;
  cancel->OnClick = TNotifyEvent::Function([&](TObject*) { ++cancels; });
  ok->SetDefault(true);
  cancel->Cancel = true;
  edit->SetFocus();
  PumpMessages();
  EXPECT_TRUE(ok->MouseIn);  // the default button shows hot while an edit has the focus
  PostKey(edit->Handle(), VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));

  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys);
  PostKey(edit->Handle(), VK_ESCAPE);
  PumpMessages();
  keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(cancels, 0);
  PostKey(edit->Handle(), VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return cancels == 1; }));

  // Focus on another skinned button takes the default highlight away.
  cancel->SetFocus();
  PumpMessages();
  EXPECT_FALSE(ok->MouseIn);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, EraseThenPaintComposesTheButtonOnce) {
  f.form->Show();
  PumpMessages();
  for (const char* record : {"btn", "none"}) {
    TspSkinButton* b = Make(record);
    PumpMessages();
    int composed = 0;
    b->OnPaint = TspButtonPaintEvent::Function([&](TCanvas*, TRect, bool, bool, bool&) { ++composed; });
    ::RedrawWindow(b->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(composed, 1) << record;
    delete b;
  }
}
