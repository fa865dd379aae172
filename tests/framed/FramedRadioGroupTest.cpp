// The radio group: its buttons' layout in columns, the index rows, the refused
// change, the custom strip, and enabling the whole group.
#include <gtest/gtest.h>

#include <vector>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzRadioGroup.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedRadioGroup : public FramedForm {
protected:
  TRzRadioGroup* Group(int items, int columns = 1) {
    auto* group = Make<TRzRadioGroup>({10, 10, 250, 160});
    for (int i = 0; i < items; ++i) group->Items()->Add("Item " + std::to_string(i));
    group->SetColumns(columns);
    return group;
  }
};

TEST_F(FramedRadioGroup, ButtonsFillTheColumnsTopToBottom) {
  struct Case {
    int items, columns;
    std::vector<int> column;  // of each button
    std::vector<int> row;
  };
  const Case cases[] = {{5, 2, {0, 0, 0, 1, 1}, {0, 1, 2, 0, 1}},
                        {3, 1, {0, 0, 0}, {0, 1, 2}},
                        {4, 4, {0, 1, 2, 3}, {0, 0, 0, 0}},
                        {2, 2, {0, 1}, {0, 0}}};
  for (const Case& c : cases) {
    auto* group = Group(c.items, c.columns);
    group->SetSpaceEvenly(true);
    const int width = (group->Width() - group->StartXPos() - 10) / c.columns;
    for (int i = 0; i < c.items; ++i) {
      TRzGroupButton* button = group->GetButtons(i);
      EXPECT_EQ(button->Left(), group->StartXPos() + c.column[i] * width) << c.items << "/" << c.columns << " #" << i;
      EXPECT_EQ(button->Top() - group->GetButtons(0)->Top(), c.row[i] * (17 + 3)) << "#" << i;
      EXPECT_EQ(button->Width(), width);
      EXPECT_EQ(button->Height(), 17);
    }
    delete group;
  }
}

TEST_F(FramedRadioGroup, ColumnsAreClampedToOneToSixteen) {
  auto* group = Group(3);
  const int cases[][2] = {{0, 1}, {-3, 1}, {20, 16}, {16, 16}, {2, 2}};
  for (auto [set, expected] : cases) {
    group->SetColumns(set);
    EXPECT_EQ(group->Columns(), expected) << set;
  }
}

TEST_F(FramedRadioGroup, TheTopMarginFollowsTheCaption) {
  auto* group = Group(2);
  group->SetGroupBoxStyle(gsStandard);
  const int f = GetMinFontHeight(group->Font());
  group->SetCaption("VBR Method:");
  EXPECT_EQ(group->GetButtons(0)->Top(), f + group->StartYPos());
  group->SetCaption("");
  EXPECT_EQ(group->GetButtons(0)->Top(), f / 2 + 2 + group->StartYPos());
  group->SetGroupBoxStyle(gsFlat);
  group->SetCaption("VBR Method:");
  EXPECT_EQ(group->GetButtons(0)->Top(), 1 + f + group->StartYPos());
}

TEST_F(FramedRadioGroup, IndexRows) {
  struct Case {
    const char* name;
    int items, set, index;
  };
  const Case cases[] = {{"in range", 3, 1, 1}, {"above the items", 3, 7, 2}, {"below -1", 3, -5, -1},
                        {"none", 3, -1, -1}, {"no items", 0, 2, -1}};
  for (const Case& c : cases) {
    auto* group = Group(c.items);
    int changing = 0, clicks = 0;
    group->OnChanging = TRzIndexChangingEvent::Function([&](TObject*, int, bool&) { ++changing; });
    group->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
    group->SetItemIndex(c.set);
    EXPECT_EQ(group->ItemIndex(), c.index) << c.name;
    for (int i = 0; i < c.items; ++i) EXPECT_EQ(group->GetButtons(i)->Checked(), i == c.index) << c.name << " #" << i;
    const int fired = c.index >= 0 ? 1 : 0;
    EXPECT_EQ(changing, fired) << c.name << ": setting the index from code asks as a click does";
    EXPECT_EQ(clicks, fired) << c.name;
    delete group;
  }
}

TEST_F(FramedRadioGroup, DeletingTheSelectedLastItemSelectsTheNewLast) {
  auto* group = Group(3);
  group->SetItemIndex(2);
  group->Items()->Delete(2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(group->ButtonCount(), 2);
  EXPECT_TRUE(group->GetButtons(1)->Checked());
  group->Items()->Clear();
  EXPECT_EQ(group->ButtonCount(), 0);
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(FramedRadioGroup, ARefusedChangeChecksThePreviousItemAgain) {
  ShowForm();
  auto* group = Group(3);
  group->SetItemIndex(0);
  group->OnChanging = TRzIndexChangingEvent::Function([](TObject*, int, bool& allow) { allow = false; });
  TRzGroupButton* other = group->GetButtons(2);
  other->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  other->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_TRUE(group->GetButtons(0)->Checked());
  EXPECT_FALSE(other->Checked());
}

TEST_F(FramedRadioGroup, AUserClickSelectsAndClicksTheGroup) {
  ShowForm();
  auto* group = Group(2, 2);
  int clicks = 0;
  group->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  TRzGroupButton* second = group->GetButtons(1);
  second->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  second->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FramedRadioGroup, AnEmptyStripSwitchesTheCustomGlyphsOff) {
  auto* group = Group(2);
  TBitmap strip(78, 13, pf32bit);
  group->SetCustomGlyphs(&strip);
  EXPECT_TRUE(group->UseCustomGlyphs());
  EXPECT_EQ(group->GetButtons(0)->GlyphWidth(), 13);
  TBitmap empty;
  group->SetCustomGlyphs(&empty);  // once switched the custom glyphs on, at no width
  EXPECT_FALSE(group->UseCustomGlyphs());
  EXPECT_FALSE(group->GetButtons(0)->UseCustomGlyphs());
  EXPECT_EQ(group->GetButtons(0)->GlyphWidth(), 13);
}

TEST_F(FramedRadioGroup, DisablingAndEnablingTheGroupCoversEveryButton) {
  auto* group = Group(3);
  group->SetItemEnabled(1, false);
  group->SetEnabled(false);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(group->GetButtons(i)->Enabled());
  group->SetEnabled(true);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(group->GetButtons(i)->Enabled()) << i;
}

TEST_F(FramedRadioGroup, ItemSettingsReachEveryButton) {
  auto* group = Group(2);
  group->SetItemHotTrack(true);
  group->SetItemFrameColor(8409372);
  group->SetItemHotTrackColor(3983359);
  group->SetItemHotTrackColorType(htctActual);
  group->SetItemHighlightColor(2203937);
  for (int i = 0; i < 2; ++i) {
    TRzGroupButton* b = group->GetButtons(i);
    EXPECT_TRUE(b->HotTrack());
    EXPECT_EQ(b->FrameColor(), 8409372);
    EXPECT_EQ(b->HotTrackColor, 3983359);
    EXPECT_EQ(b->HotTrackColorType, htctActual);
    EXPECT_EQ(b->HighlightColor(), 2203937);
    EXPECT_EQ(b->WinMaskColor(), clTeal);
  }
}

}  // namespace
