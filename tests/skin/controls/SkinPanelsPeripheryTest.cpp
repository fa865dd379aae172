// The expanding panel (rolling, caption buttons, hit codes), the scroll panel
// (keys, wheel, sizing to its children) and the radio and check groups (the
// button layout, ItemIndex, CheckedStatus, Columns).
#include <gtest/gtest.h>

#include "platform/controls/Messages.h"
#include "skin/controls/panels/SkinExPanel.h"
#include "skin/controls/panels/SkinGroups.h"
#include "skin/controls/panels/SkinScrollPanel.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class Block : public TCustomControl {
public:
  explicit Block(TComponent* owner) : TCustomControl(owner) {}
};

LRESULT HitAt(TWinControl* c, int x, int y) {
  TPoint p = c->ClientToScreen(TPoint{x, y});
  return ::SendMessageA(c->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
}

}  // namespace

TEST(SkinExPanel, RollsToTheCaptionHeightWithoutASkinAndBackExactly) {
  FormFixture f;
  auto* panel = f.Make<TspSkinExPanel>({10, 10, 160, 123});
  auto* child = f.Make<Block>({5, 30, 50, 60}, panel);
  int changes = 0;
  panel->OnChangeRollState = TNotifyEvent::Function([&](TObject*) { ++changes; });
  panel->Constraints()->SetMinHeight(50);
  panel->SetRollState(true);
  EXPECT_EQ(panel->Height(), 21);
  EXPECT_EQ(panel->RealHeight, 113);
  EXPECT_FALSE(child->Visible());
  panel->SetBounds(10, 10, 150, 300);  // a rolled panel keeps its strip
  EXPECT_EQ(panel->Height(), 21);
  panel->SetRollKind(rkRollHorizontal);  // changing the kind does not unroll
  EXPECT_TRUE(panel->RollState());
  panel->SetRollKind(rkRollVertical);
  panel->SetRollState(false);
  EXPECT_EQ(panel->Height(), 113);
  EXPECT_EQ(panel->RealHeight, 0);
  EXPECT_EQ(panel->Constraints()->MinHeight(), 50);
  EXPECT_TRUE(child->Visible());
  EXPECT_EQ(changes, 2);
  panel->SetRollKind(rkRollHorizontal);
  panel->SetRollState(true);
  EXPECT_EQ(panel->Width(), 21);
  panel->SetRollState(false);
  EXPECT_EQ(panel->Width(), 150);
}

TEST(SkinExPanel, CloseAndRollButtonsActOnReleaseOverThemOnly) {
  FormFixture f;
  f.form->Show();
  auto* panel = f.Make<TspSkinExPanel>({10, 10, 160, 110});
  int closes = 0;
  panel->OnClose = TNotifyEvent::Function([&](TObject*) { ++closes; });
  Render(panel);  // lays the buttons out
  TRect close = panel->Buttons[0].R, roll = panel->Buttons[1].R;
  EXPECT_EQ(close, Rect(150 - 17, 3, 148, 18));
  EXPECT_EQ(roll, Rect(close.Left - 15, 3, close.Left, 18));
  TPoint inClose{close.Left + 3, close.Top + 3}, inRoll{roll.Left + 3, roll.Top + 3};
  auto mouse = [&](UINT msg, TPoint p) { panel->Perform(msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(p.X, p.Y)); };
  mouse(WM_MOUSEMOVE, inClose);
  mouse(WM_LBUTTONDOWN, inClose);
  mouse(WM_MOUSEMOVE, inRoll);
  EXPECT_FALSE(panel->Buttons[1].Active);  // a pressed button keeps the others dark
  mouse(WM_LBUTTONUP, inRoll);
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(panel->Visible());
  mouse(WM_MOUSEMOVE, inRoll);
  mouse(WM_LBUTTONDOWN, inRoll);
  mouse(WM_LBUTTONUP, inRoll);
  EXPECT_TRUE(panel->RollState());
  Render(panel);
  mouse(WM_MOUSEMOVE, TPoint{panel->Buttons[0].R.Left + 3, 5});
  mouse(WM_LBUTTONDOWN, TPoint{panel->Buttons[0].R.Left + 3, 5});
  mouse(WM_LBUTTONUP, TPoint{panel->Buttons[0].R.Left + 3, 5});
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(panel->Visible());
}

TEST(SkinExPanel, HitCodesForTheCaptionAndTheEdges) {
  FormFixture f;
  f.form->Show();
  auto* panel = f.Make<TspSkinExPanel>({10, 10, 160, 110});
  panel->Moveable = true;
  panel->Sizeable = true;
  Render(panel);
  struct Case {
    const char* where;
    TPoint p;
    LRESULT hit;
  } cases[] = {
      {"caption", {20, 8}, HTCAPTION},
      {"close button", {panel->Buttons[0].R.Left + 3, 8}, HTCLIENT},
      {"roll button", {panel->Buttons[1].R.Left + 3, 8}, HTCLIENT},
      {"bottom-right corner", {149, 99}, HTBOTTOMRIGHT},
      {"bottom edge", {60, 99}, HTBOTTOM},
      {"right edge", {149, 50}, HTRIGHT},
      {"client", {60, 50}, HTCLIENT},
  };
  for (const Case& c : cases) EXPECT_EQ(HitAt(panel, c.p.X, c.p.Y), c.hit) << c.where;
  panel->SetRollState(true);
  EXPECT_EQ(HitAt(panel, 149, 20), HTCLIENT);  // a rolled panel is not sized from its edges
}

TEST(SkinScrollPanel, KeysAndWheelStepAVerticalPanel) {
  FormFixture f;
  auto* panel = f.Make<TspSkinScrollPanel>({0, 0, 100, 100});
  panel->SetScrollType(TspScrollType::spstVert);
  panel->CanFocused = true;
  panel->SetScrollOffset(10);
  for (int i = 0; i < 4; ++i) f.Make<Block>({0, i * 60, 80, i * 60 + 60}, panel);
  f.form->Show();
  panel->GetScrollInfo();
  ASSERT_TRUE(panel->Arrows().Shown());
  panel->SetFocus();
  PumpMessages();
  struct Step {
    const char* what;
    std::function<void()> act;
    Integer pos;
  } steps[] = {
      {"Down", [&] { PostKey(panel->Handle(), VK_DOWN); }, 10},
      {"Right", [&] { PostKey(panel->Handle(), VK_RIGHT); }, 20},
      {"wheel towards the user", [&] { ::PostMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0); }, 30},
      {"wheel away", [&] { ::PostMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0); }, 20},
      {"Up", [&] { PostKey(panel->Handle(), VK_UP); }, 10},
  };
  for (const Step& s : steps) {
    s.act();
    PumpMessages();
    EXPECT_EQ(panel->Arrows().ScrollPos, s.pos) << s.what;
  }
  panel->SetScrollOffset(-5);
  panel->SetScrollTimerInterval(0);
  EXPECT_EQ(panel->ScrollOffset(), 10);
  EXPECT_EQ(panel->ScrollTimerInterval(), 50);
}

TEST(SkinScrollPanel, AutoSizeFollowsTheChildrenAcrossTheDirection) {
  FormFixture f;
  auto* horizontal = f.Make<TspSkinScrollPanel>({0, 0, 100, 30});
  f.Make<Block>({0, 0, 40, 55}, horizontal);
  f.Make<Block>({40, 10, 80, 44}, horizontal);
  horizontal->SetAutoSize(true);
  EXPECT_EQ(horizontal->Height(), 55);
  auto* vertical = f.Make<TspSkinScrollPanel>({0, 100, 30, 200});
  vertical->SetScrollType(TspScrollType::spstVert);
  f.Make<Block>({0, 0, 70, 40}, vertical);
  vertical->SetAutoSize(true);
  EXPECT_EQ(vertical->Width(), 70);
}

namespace {

class GroupTest : public ::testing::Test {
protected:
  FormFixture f;
};

}  // namespace

TEST_F(GroupTest, ArrangeButtonsTable) {
  struct Case {
    int lines, columns;
    TRect bounds;
    std::vector<TRect> expected;  // in the group's client coordinates
  } cases[] = {
      // Without a skin the client area is (1, 23, w - 1, h - 1).
      {3, 2, {0, 0, 202, 124}, {Rect(2, 23, 100, 73), Rect(2, 73, 100, 123), Rect(100, 23, 198, 73)}},
      {2, 1, {0, 0, 102, 84}, {Rect(2, 23, 100, 53), Rect(2, 53, 100, 83)}},
      {4, 16, {0, 0, 10, 30}, {Rect(2, 23, 2, 29), Rect(2, 23, 2, 29), Rect(2, 23, 2, 29), Rect(2, 23, 2, 29)}},
  };
  for (const Case& c : cases) {
    auto* group = f.Make<TspSkinRadioGroup>(c.bounds);
    group->SetColumns(c.columns);
    for (int i = 0; i < c.lines; ++i) group->Items()->Add("line " + std::to_string(i));
    ASSERT_EQ(group->ButtonCount(), c.lines);
    for (int i = 0; i < c.lines; ++i) {
      EXPECT_EQ(group->Button(i)->BoundsRect(), c.expected[i]) << c.lines << " lines, button " << i;
      EXPECT_TRUE(group->Button(i)->Visible());
    }
    delete group;
  }
}

TEST_F(GroupTest, ItemIndexClampsAndFiresOnceAndLinesGoing) {
  auto* group = f.Make<TspSkinRadioGroup>({0, 0, 200, 120});
  int clicks = 0;
  group->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  for (const char* s : {"a", "b", "c"}) group->Items()->Add(s);
  group->SetItemIndex(5);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->Button(2)->Checked());
  EXPECT_EQ(clicks, 1);
  group->SetItemIndex(2);
  EXPECT_EQ(clicks, 1);
  group->Button(2)->SetCheckState();  // clicking the checked radio button changes nothing
  EXPECT_EQ(clicks, 1);
  group->Button(0)->SetCheckState();
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_FALSE(group->Button(2)->Checked());
  EXPECT_EQ(clicks, 2);
  group->SetItemIndex(2);
  group->Items()->Delete(2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 3);  // the deletion itself fires nothing
  for (int value : {0, 40}) {
    group->SetColumns(value);
    EXPECT_EQ(group->Columns(), value == 0 ? 1 : 16);
  }
}

TEST_F(GroupTest, CheckGroupButtonsAreIndependentAndTrackTheLastClick) {
  auto* group = f.Make<TspSkinCheckGroup>({0, 0, 200, 120});
  int clicks = 0;
  group->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  for (const char* s : {"a", "b", "c"}) group->Items()->Add(s);
  group->Button(1)->SetCheckState();
  EXPECT_TRUE(group->GetCheckedStatus(1));
  EXPECT_FALSE(group->GetCheckedStatus(0));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group->SetCheckedStatus(2, true);
  EXPECT_TRUE(group->GetCheckedStatus(1));
  EXPECT_TRUE(group->GetCheckedStatus(2));
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 2);
  group->SetCheckedStatus(7, true);  // ignored
  EXPECT_FALSE(group->GetCheckedStatus(7));
  EXPECT_EQ(clicks, 2);
}

TEST(SkinScrollPanel, ARecordWithoutAPicturePaintsThePlainFace) {
  TestSkin skin;
  skin.Add("panel", "nopicture", "pictureindex=9;skinrect=0,0,40,40;clientrect=2,2,38,38");
  skin.Add("panel", "tiled", "skinrect=0,0,40,40;clientrect=2,2,38,38");
  skin.Finish();
  FormFixture f;
  auto* panel = f.Make<TspSkinScrollPanel>({0, 0, 100, 40});
  panel->SkinDataName = "nopicture";
  panel->SetSkinData(&skin.data);
  EXPECT_EQ(PixelOf(*Render(panel), 50, 20), ColorToRGB(clBtnFace));
  panel->SkinDataName = "tiled";
  panel->ChangeSkinData();
  EXPECT_EQ(PixelOf(*Render(panel), 50, 20), skin.ColorOf("tiled", "skinrect"));
}
