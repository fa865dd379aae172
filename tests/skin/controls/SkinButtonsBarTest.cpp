// The buttons bar on a shown form: headers stacked around the open section,
// the order of its events, the visible items with their scroll buttons, the
// item index, and rebuilding on a change.
#include <gtest/gtest.h>

#include "skin/controls/panels/SkinButtonsBar.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class ButtonsBarTest : public ::testing::Test {
protected:
  ButtonsBarTest() {
    f.form->SetBorderStyle(bsNone);
    f.form->SetClientHeight(300);
    f.form->Show();
  }
  TspSkinButtonsBar* MakeBar(int sections, int items, Integer open, Integer height = 300) {
    auto* bar = new TspSkinButtonsBar(f.form);
    bar->SetAlign(alNone);
    bar->SetBounds(0, 0, 150, height);
    for (int s = 0; s < sections; ++s) {
      TspButtonBarSection* section = bar->Sections()->Add();
      section->SetText("Section " + std::to_string(s));
      section->OnClick = TNotifyEvent::Function([this, s](TObject*) { events.push_back("click " + std::to_string(s)); });
      for (int i = 0; i < items; ++i) section->Items()->Add()->SetText("Item " + std::to_string(i));
    }
    bar->SetSectionIndex(open);
    bar->OnChanging = TNotifyEvent::Function([this](TObject*) { events.push_back("changing"); });
    bar->OnChange = TNotifyEvent::Function([this](TObject*) { events.push_back("change"); });
    bar->SetParent(f.form);
    PumpMessages();
    events.clear();
    return bar;
  }
  FormFixture f;
  std::vector<String> events;
};

}  // namespace

TEST_F(ButtonsBarTest, HeadersStackAroundTheOpenSection) {
  TspSkinButtonsBar* bar = MakeBar(3, 2, 1);
  ASSERT_EQ(bar->HeaderCount(), 3);
  EXPECT_EQ(bar->HeaderOf(0)->BoundsRect(), Rect(1, 1, 149, 26));
  EXPECT_EQ(bar->HeaderOf(1)->BoundsRect(), Rect(1, 26, 149, 51));
  EXPECT_EQ(bar->HeaderOf(2)->BoundsRect(), Rect(1, 274, 149, 299));
  EXPECT_EQ(bar->ItemPanel()->BoundsRect(), Rect(1, 51, 149, 274));
  ASSERT_EQ(bar->ItemCount(), 2);
  EXPECT_EQ(bar->ItemButton(0)->Caption(), "Item 0");
  EXPECT_EQ(bar->ItemButton(1)->Top(), 60);
  bar->SetSectionIndex(-1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bar->HeaderOf(i)->Align(), alTop);
  EXPECT_EQ(bar->HeaderOf(2)->Top(), 51);
  EXPECT_EQ(bar->ItemCount(), 0);
  EXPECT_EQ(bar->DownButton(), nullptr);
}

TEST_F(ButtonsBarTest, EventsOfOpeningBySectionHeader) {
  TspSkinButtonsBar* bar = MakeBar(3, 2, 1);
  bar->HeaderOf(2)->ButtonClick();
  EXPECT_EQ(events, (std::vector<String>{"click 2", "changing", "click 2", "change"}));
  EXPECT_EQ(bar->SectionIndex(), 2);
  EXPECT_EQ(bar->HeaderOf(2)->Align(), alTop);
  events.clear();
  bar->HeaderOf(2)->ButtonClick();
  EXPECT_EQ(events, (std::vector<String>{"click 2"}));
}

TEST_F(ButtonsBarTest, TenItemsOfSixtyInTwoHundredFiftyShowFour) {
  TspSkinButtonsBar* bar = MakeBar(1, 10, 0, 277);  // item panel: 277 - 2 - 25
  ASSERT_EQ(bar->ItemPanel()->Height(), 250);
  EXPECT_EQ(bar->VisibleItemCount, 4);
  EXPECT_EQ(bar->FirstVisibleItem, 0);
  EXPECT_EQ(bar->UpButton(), nullptr);
  ASSERT_NE(bar->DownButton(), nullptr);
  EXPECT_EQ(bar->DownButton()->BoundsRect(), Rect(148 - 23, 250 - 23, 148 - 5, 250 - 5));
  EXPECT_TRUE(bar->ItemButton(3)->Visible());
  EXPECT_FALSE(bar->ItemButton(4)->Visible());
  bar->DownButton()->ButtonClick();
  EXPECT_EQ(bar->FirstVisibleItem, 1);
  EXPECT_FALSE(bar->ItemButton(0)->Visible());
  EXPECT_TRUE(bar->ItemButton(4)->Visible());
  EXPECT_EQ(bar->ItemButton(1)->Top(), 0);
  EXPECT_NE(bar->UpButton(), nullptr);
  EXPECT_NE(bar->DownButton(), nullptr);
  bar->UpButton()->ButtonClick();
  EXPECT_EQ(bar->FirstVisibleItem, 0);
  EXPECT_EQ(bar->UpButton(), nullptr);
}

TEST_F(ButtonsBarTest, ItemIndexFollowsTheLastClickOrSetItem) {
  TspSkinButtonsBar* bar = MakeBar(2, 3, 0);
  bar->ShowSelectedItem = true;
  EXPECT_EQ(bar->GetItemIndex(), -1);
  int clicks = 0;
  bar->Sections()->Items(1)->Items()->Items(2)->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  bar->SetItemIndex(1, 2);
  EXPECT_EQ(bar->SectionIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(bar->ItemButton(2)->Down());
  EXPECT_EQ(bar->GetItemIndex(), 2);
  bar->ItemButton(0)->ButtonClick();
  EXPECT_EQ(bar->GetItemIndex(), 0);
  bar->SetItemIndex(5, 0);  // an invalid section is ignored
  bar->SetItemIndex(1, 9);  // so is an invalid item
  EXPECT_EQ(bar->SectionIndex(), 1);
  EXPECT_EQ(bar->GetItemIndex(), 0);
}

TEST_F(ButtonsBarTest, ChangesRebuildAndAZeroItemHeightIsRefused) {
  TspSkinButtonsBar* bar = MakeBar(2, 3, 0);
  bar->Sections()->Items(0)->Items()->Items(1)->SetText("Renamed");
  EXPECT_EQ(bar->ItemButton(1)->Caption(), "Renamed");
  bar->Sections()->Items(1)->SetText("Second");
  EXPECT_EQ(bar->HeaderOf(1)->Caption(), "Second");
  bar->SetItemHeight(0);
  EXPECT_EQ(bar->ItemHeight(), 60);
  bar->SetItemHeight(-3);
  EXPECT_EQ(bar->ItemHeight(), 60);
}
