// The skinned list box: scroll bars that follow the items, a refill inside
// BeginUpdate/EndUpdate, the horizontal extent kept through every change of
// the items, the inner list's events, the skin's item height and
// the caption buttons.
#include <gtest/gtest.h>

#include "skin/controls/SkinCustomListBox.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

TEST(SkinListBox, VerticalBarAppearsPastOnePage) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 114});  // 100 high inside: 5 rows of 20
  for (int i = 0; i < 5; ++i) list->Items()->Add("item");
  EXPECT_EQ(list->ScrollBar(), nullptr) << "five rows fit";
  list->Items()->Add("item");
  ASSERT_NE(list->ScrollBar(), nullptr);
  EXPECT_EQ(list->ScrollBar()->PageSize(), 5);
  EXPECT_EQ(list->ScrollBar()->LargeChange(), 5);
  list->Clear();
  EXPECT_EQ(list->ScrollBar(), nullptr);
}

TEST(SkinListBox, RowCountSizesTheListWithoutABar) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 50});
  for (int i = 0; i < 5; ++i) list->Items()->Add("item");
  list->SetRowCount(5);
  EXPECT_EQ(list->Height(), 5 * 20 + 4);
  EXPECT_EQ(list->ScrollBar(), nullptr);
}

// Counts the bar updates through the bar's SetRange repaints: a refill inside
// BeginUpdate/EndUpdate makes the bar once, at the end.
TEST(SkinListBox, RefillInsideAnUpdateUpdatesTheBarsOnce) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 104});
  TStrings* items = list->Items();
  items->BeginUpdate();
  for (int i = 0; i < 50; ++i) items->Add("item");
  EXPECT_EQ(list->ScrollBar(), nullptr) << "nothing while the update runs";
  items->EndUpdate();
  ASSERT_NE(list->ScrollBar(), nullptr);
  EXPECT_EQ(list->ScrollBar()->Max(), 49);
}

TEST(SkinListBox, HorizontalExtentShowsABarForAWideItem) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 104});
  list->SetHorizontalExtent(true);
  list->Items()->Add("a very long item that does not fit the list at all");
  ASSERT_NE(list->HScrollBar(), nullptr);
  EXPECT_EQ(list->HScrollBar()->PageSize(), list->ListBox()->Width() - 4);
  EXPECT_LE(list->ListArea().Bottom, list->HScrollBar()->Top());
}

// The widest text is kept as items come and go: the bar's range follows
// inserts, deletes, a clear, a sorted add, a new window and a larger font.
TEST(SkinListBox, HorizontalExtentFollowsEveryChangeOfTheItems) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 104});
  list->SetHorizontalExtent(true);
  TStrings* items = list->Items();
  const String wide = "a very long item that does not fit the list at all";
  auto widthOf = [&](const String& text) {
    TCanvas canvas;
    HDC dc = ::GetDC(list->ListBox()->Handle());
    canvas.SetHandle(dc);
    canvas.Font()->Assign(list->ListBox()->Font());
    Integer width = canvas.TextWidth(text);
    canvas.SetHandle(nullptr);
    ::ReleaseDC(list->ListBox()->Handle(), dc);
    return width;
  };
  auto range = [&] { return list->HScrollBar() ? list->HScrollBar()->Max() : 0; };
  items->Add("short");
  EXPECT_EQ(list->HScrollBar(), nullptr);
  items->Insert(0, wide);
  EXPECT_EQ(range(), widthOf(wide)) << "inserted at the top";
  items->Add(wide + " and more");
  EXPECT_EQ(range(), widthOf(wide + " and more"));
  items->Delete(2);
  EXPECT_EQ(range(), widthOf(wide)) << "the widest deleted";
  items->Delete(0);
  EXPECT_EQ(list->HScrollBar(), nullptr) << "only the short item is left";
  items->Add(wide);
  items->Clear();
  EXPECT_EQ(list->HScrollBar(), nullptr) << "cleared";
  list->SetSorted(true);
  items->Add("m");
  items->Add(wide);  // sorts before "m"
  items->Delete(1);  // "m"
  EXPECT_EQ(range(), widthOf(wide)) << "the sorted add kept its place";
  list->ListBox()->RecreateWnd();
  list->UpDateScrollBar();
  EXPECT_EQ(range(), widthOf(wide)) << "a new window";
  list->ListBox()->Font()->SetHeight(-24);
  list->UpDateScrollBar();
  EXPECT_EQ(range(), widthOf(wide)) << "a larger font";
}

TEST(SkinListBox, InnerEventsReachTheOwnerIncludingKeyUp) {
  BoxForm host;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 104});
  list->Items()->Add("a");
  String log;
  list->OnListBoxKeyDown = TKeyEvent::Function([&](TObject* s, Word&, TShiftState) { log += s == list ? "down " : "? "; });
  list->OnListBoxKeyUp = TKeyEvent::Function([&](TObject* s, Word&, TShiftState) { log += s == list ? "up " : "? "; });
  list->OnListBoxClick = TNotifyEvent::Function([&](TObject*) { log += "click "; });
  list->ListBox()->Perform(WM_KEYDOWN, 'A', 0);
  list->ListBox()->Perform(WM_KEYUP, 'A', 0);
  list->SetItemIndex(0);
  EXPECT_EQ(log, "down up ") << "and setting ItemIndex fires nothing";
}

TEST(SkinListBox, SkinItemHeightOfZeroBecomesOne) {
  BoxForm host;
  BoxSkin skin;
  auto* record = dynamic_cast<TspDataSkinListBox*>(skin.data.CtrlList[skin.data.GetControlIndex("listbox")].get());
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 104});
  list->Items()->Add("a");
  list->SetSkinData(&skin.data);
  EXPECT_EQ(list->ListBox()->ItemHeight(), 10) << "the record's item height";
  record->itemrect = {60, 20, 100, 20};
  list->ChangeSkinData();
  EXPECT_EQ(list->ListBox()->ItemHeight(), 1);
  EXPECT_GT(list->CalcHeight(3), 0);
}

TEST(SkinListBox, CaptionButtonsActOnlyWhenReleasedOverThemselves) {
  BoxForm host;
  BoxClock clock;
  auto* list = host.Make<TspSkinListBox>({10, 10, 130, 124});
  for (const char* item : {"a", "b", "c"}) list->Items()->Add(item);
  list->SetCaptionMode(true);
  list->SetItemIndex(0);
  list->Repaint();
  TRect down = list->CaptionButtonRect(TspSkinCustomListBox::DownCaptionButton);
  ASSERT_FALSE(down.IsEmpty());
  EXPECT_EQ(down.Width(), 17);
  TPoint p = Centre(down);
  list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  list->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 60));
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 60));
  EXPECT_EQ(list->ItemIndex(), 0) << "released outside: nothing";
  list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  EXPECT_EQ(clock.Interval(list), 500u);
  clock.Tick(list);
  clock.Tick(list);
  EXPECT_EQ(list->ItemIndex(), 1) << "the repeat steps after the wait";
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
  EXPECT_EQ(list->ItemIndex(), 2) << "released over it: one more step";
  int checks = 0;
  list->OnListBoxClick = TNotifyEvent::Function([&](TObject*) { ++checks; });
  TPoint check = Centre(list->CaptionButtonRect(TspSkinCustomListBox::CheckCaptionButton));
  list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(check.X, check.Y));
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(check.X, check.Y));
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(check.X, check.Y));
  EXPECT_EQ(checks, 1) << "the check button clicks the list";
}

}  // namespace
