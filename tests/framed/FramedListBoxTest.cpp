// The framed list box: incremental search on the family's clock, groups, item
// hints, the horizontal extent, deleting the current item and the frame.
#include <gtest/gtest.h>

#include "framed/controls/RzControlSupport.h"
#include "framed/lists/RzListBox.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class CountingListBox : public TRzListBox {
public:
  using TRzListBox::TRzListBox;
  int beeps = 0;
  THintWindow* Hint() const { return ItemHintWindow(); }

protected:
  void InvalidKeyPressed() override { ++beeps; }
};

class FramedListBox : public FramedForm {
protected:
  CountingListBox* List(std::initializer_list<const char*> items) {
    auto* list = Make<CountingListBox>({10, 10, 160, 150});
    for (const char* s : items) list->Items()->Add(s);
    return list;
  }
  static void Type(TRzCustomListBox* list, const char* keys) {
    for (const char* k = keys; *k; ++k) list->Perform(WM_CHAR, static_cast<unsigned char>(*k), 0);
  }
};

TEST_F(FramedListBox, TypingSearchesAndAPauseStartsANewSearch) {
  TManualClockScope clock;
  auto* list = List({"Apple", "Abacus", "Banana", "Cherry"});
  Type(list, "AB");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SearchString(), "AB");
  Type(list, "z");  // no match: beeps, keeps selection and search
  EXPECT_EQ(list->beeps, 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SearchString(), "AB");
  clock.Clock().Advance(1500);
  Type(list, "c");
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->SearchString(), "c");
}

// A Backspace that empties the search only forgets it; an empty search selects nothing.
TEST_F(FramedListBox, BackspaceAndEscape) {
  TManualClockScope clock;
  auto* list = List({"Apple", "Banana", "Berry"});
  Type(list, "be\b");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SearchString(), "b");
  Type(list, "\b");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SearchString(), "");
  Type(list, "\b");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->beeps, 1);
  Type(list, "\x1b");
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(FramedListBox, ASpaceDoesNotSearchAMultipleSelectionList) {
  auto* list = List({" lead", "Other"});
  list->SetMultiSelect(true);
  list->SetExtendedSelect(false);
  Type(list, " ");
  EXPECT_EQ(list->SearchString(), "");
  EXPECT_EQ(list->beeps, 0);
}

TEST_F(FramedListBox, EnterMovesTheFocusOnWhenAsked) {
  auto* list = List({"One"});
  auto* next = Make<TRzListBox>({200, 10, 300, 100});
  ShowForm();
  list->SetFocus();
  list->TabOnEnter = true;
  Type(list, "\r");
  PumpUntil([&] { return next->Focused(); }, 3000);
  EXPECT_TRUE(next->Focused());
}

TEST_F(FramedListBox, GroupQueries) {
  auto* list = List({"Loose", "//Fruit", "Apple", "Pear", "//Nuts", "Pecan"});
  list->SetShowGroups(true);
  EXPECT_EQ(list->ItemIndexOfGroup(0), 1);
  EXPECT_EQ(list->ItemIndexOfGroup(1), 4);
  EXPECT_EQ(list->ItemIndexOfGroup(5), -1);
  EXPECT_EQ(list->ItemsInGroup(0), 2);
  EXPECT_EQ(list->ItemsInGroup(1), 1);
  EXPECT_EQ(list->ItemsInGroup(5), 0);  // no such group: no items, not the loose ones
  EXPECT_EQ(list->InsertItemIntoGroup(5, 0, "x"), -1);
  EXPECT_EQ(list->InsertItemIntoGroup(0, 3, "x"), -1);
  EXPECT_EQ(list->Items()->Count(), 6);
  EXPECT_EQ(list->AddItemToGroup(0, "Plum"), 4);
  EXPECT_EQ(list->ItemCaption(1), "Fruit");
  EXPECT_EQ(list->ItemCaption(2), "Apple");
  EXPECT_EQ(list->ItemCaption(99), "");
  EXPECT_EQ(list->ItemGroupIndex(0), -1);
  EXPECT_EQ(list->ItemGroupIndex(3), 1);
  EXPECT_TRUE(list->ItemInsideGroup(1));
  list->SetItemIndex(2);
  list->ItemToGroup(2);
  EXPECT_EQ(list->Items()->Strings(2), "//Apple");
  EXPECT_EQ(list->ItemIndex(), 2);
  list->GroupToItem(2);
  EXPECT_EQ(list->Items()->Strings(2), "Apple");
}

TEST_F(FramedListBox, HeadersAreDrawnWithTheirCaption) {
  ShowForm();
  auto* list = List({"//Fruit", "Apple"});
  list->SetUseGradients(false);
  list->SetGroupColor(clYellow);
  list->SetShowGroups(true);
  PumpMessages();
  list->Repaint();
  const TRect header = list->ItemRect(0);
  EXPECT_EQ(ShownPixel(list, header.Right - 3, header.Top + 1), ColorToRGB(clYellow));
  EXPECT_NE(ShownPixel(list, list->ItemRect(1).Right - 3, list->ItemRect(1).Top + 1), ColorToRGB(clYellow));
}

TEST_F(FramedListBox, TheExtentFollowsTheWidestItem) {
  ShowForm();
  auto* list = List({});
  list->SetHorzScrollBar(true);
  list->Items()->Add("short");
  const String wide = "a considerably longer item than the box";
  list->Items()->Add(wide);
  EXPECT_EQ(list->HorzExtent(), ScreenTextExtent(list->Font(), wide + "x").cx);
  list->Items()->Clear();
  EXPECT_EQ(list->HorzExtent(), 0);
}

TEST_F(FramedListBox, DeletingTheCurrentLastItemSelectsTheNewLast) {
  auto* list = List({"One", "Two", "Three"});
  int clicks = 0;
  list->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  list->SetItemIndex(2);
  list->Delete(2);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FramedListBox, HintsShowOnlyForItemsTooWide) {
  ShowForm();
  auto* list = List({"Short", "An item far too wide to be shown whole in this box"});
  PumpMessages();
  for (int index : {0, 1}) {
    const TRect r = list->ItemRect(index);
    list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 5, r.Top + 2));
    const bool shown = list->Hint() && list->Hint()->HandleAllocated() && ::IsWindowVisible(list->Hint()->Handle());
    EXPECT_EQ(shown, index == 1) << index;
  }
  list->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(list->Hint()->HandleAllocated());
}

TEST_F(FramedListBox, TheFramePaintsInItsStyleAndHotWhileFocused) {
  ShowForm();
  auto* list = List({"One"});
  list->SetFramingPreference(fpCustomFraming);
  list->SetFrameVisible(true);
  list->SetFrameColor(clRed);
  list->SetFrameHotTrack(true);
  list->SetFrameHotColor(clBlue);
  list->SetFrameHotStyle(fsFlat);
  PumpMessages();
  auto framePixel = [&] {
    HDC dc = ::GetWindowDC(list->Handle());
    const COLORREF c = ::GetPixel(dc, 0, list->Height() / 2);
    ::ReleaseDC(list->Handle(), dc);
    return static_cast<TColor>(c);
  };
  EXPECT_EQ(framePixel(), ColorToRGB(clRed));
  list->SetFocus();
  PumpMessages();
  EXPECT_EQ(framePixel(), ColorToRGB(clBlue));
}

}  // namespace
