// The edit list box's click-to-edit timeline and its keys, and the rank list
// box's drags and Shift keys, driven by posted mouse and key messages.
#include <gtest/gtest.h>

#include <vector>

#include "framed/lists/RzEditListBox.h"
#include "framed/lists/RzRankListBox.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedEditListBox : public FramedForm {
protected:
  // Outlives the form, whose controls hold its timers.
  TManualClockScope clock_;

  template <class L>
  L* List(std::initializer_list<const char*> items) {
    auto* list = Make<L>({10, 10, 200, 200});
    for (const char* s : items) list->Items()->Add(s);
    return list;
  }
  template <class L>
  static TPoint In(L* list, int index) {
    const TRect r = list->ItemRect(index);
    return TPoint(r.Left + 10, r.Top + r.Height() / 2);
  }
  static void ClickItem(TRzListBox* list, int index) {
    const TPoint p = In(list, index);
    PostClick(list, p.X, p.Y);
    PumpMessages();
  }
  static void HoldShift(bool down) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
};

TEST_F(FramedEditListBox, ASlowSecondClickOpensTheEditor) {
  ShowForm();
  auto* list = List<TRzEditListBox>({"Zero", "One", "Two", "Three", "Four"});
  list->SetFocus();
  PumpMessages();
  ClickItem(list, 3);  // the click that focused the list, or chose the item, opens nothing
  clock_.Clock().Advance(400);
  EXPECT_FALSE(list->PopupVisible());
  ClickItem(list, 3);
  clock_.Clock().Advance(399);
  EXPECT_FALSE(list->PopupVisible());
  clock_.Clock().Advance(1);
  ASSERT_TRUE(list->PopupVisible());
  EXPECT_EQ(list->Editor()->Text(), "Three");
  EXPECT_TRUE(::IsWindowVisible(list->Editor()->Handle()));
  const TRect item = list->ItemRect(3);
  EXPECT_EQ(list->Editor()->Top(), item.Top);

  list->Editor()->SetText("Drei");
  PostKey(list->Editor()->Handle(), VK_RETURN);
  PumpUntil([&] { return !list->PopupVisible(); }, 3000);
  EXPECT_EQ(list->Items()->Strings(3), "Drei");
  EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(FramedEditListBox, ADoubleClickOpensNoEditor) {
  ShowForm();
  auto* list = List<TRzEditListBox>({"Zero", "One"});
  list->SetFocus();
  PumpMessages();
  ClickItem(list, 1);
  const TPoint p = In(list, 1);
  PostMouse(list, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON);
  PostMouse(list, WM_LBUTTONUP, p.X, p.Y);
  PostMouse(list, WM_LBUTTONDBLCLK, p.X, p.Y, MK_LBUTTON);
  PostMouse(list, WM_LBUTTONUP, p.X, p.Y);
  PumpMessages();
  clock_.Clock().Advance(1000);
  EXPECT_FALSE(list->PopupVisible());
}

TEST_F(FramedEditListBox, F2OpensAndEscapeLeavesTheText) {
  ShowForm();
  auto* list = List<TRzEditListBox>({"Zero", "One"});
  std::vector<String> events;
  list->OnHidingEditor = TNotifyEvent::Function([&](TObject*) { events.push_back("hiding"); });
  list->OnItemChanged = TRzItemChangedEvent::Function([&](TObject*, int i) { events.push_back("changed " + std::to_string(i)); });
  list->SetFocus();
  list->SetItemIndex(1);
  PostKey(list->Handle(), VK_F2);
  PumpUntil([&] { return list->PopupVisible(); }, 3000);
  ASSERT_TRUE(list->PopupVisible());
  list->Editor()->SetText("changed");
  PostKey(list->Editor()->Handle(), VK_ESCAPE);
  PumpUntil([&] { return !list->PopupVisible(); }, 3000);
  EXPECT_EQ(list->Items()->Strings(1), "One");
  EXPECT_EQ(events, (std::vector<String>{"hiding", "changed 1"}));
}

TEST_F(FramedEditListBox, ASortedListPutsTheEditedItemInItsPlace) {
  ShowForm();
  auto* list = List<TRzEditListBox>({"Apple", "Banana", "Cherry"});
  list->SetSorted(true);
  list->SetFocus();
  list->SetItemIndex(0);
  list->ShowEditor();
  list->Editor()->SetText("Date");
  list->HideEditor(true);
  EXPECT_EQ(list->Items()->Strings(2), "Date");
  EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(FramedEditListBox, ARefusedEditorStaysHiddenAndTheSelectionGone) {
  ShowForm();
  auto* list = List<TRzEditListBox>({"Apple", "Banana"});
  list->OnShowingEditor = TRzShowingEditorEvent::Function([](TObject*, int, bool& allow) { allow = false; });
  list->SetFocus();
  list->SetItemIndex(1);
  list->ShowEditor();
  EXPECT_FALSE(list->PopupVisible());
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(FramedEditListBox, RankDragsMoveItemsWithShift) {
  ShowForm();
  struct Case {
    const char* name;
    bool moveOnDrag;
    WPARAM keys;
    std::vector<std::pair<int, int>> moves;
  } cases[] = {
      {"follow the mouse", true, MK_SHIFT, {{0, 1}, {1, 2}, {2, 3}}},
      {"move on release", false, MK_SHIFT, {{0, 3}}},
      {"without Shift", true, 0, {}},
  };
  for (const Case& c : cases) {
    auto* list = List<TRzRankListBox>({"A", "B", "C", "D"});
    list->SetMoveOnDrag(c.moveOnDrag);
    std::vector<std::pair<int, int>> moves;
    list->OnMoveItem = TRzMoveItemEvent::Function([&](TObject*, int from, int to) { moves.emplace_back(from, to); });
    PumpMessages();
    const TPoint start = In(list, 0);
    PostMouse(list, WM_LBUTTONDOWN, start.X, start.Y, MK_LBUTTON | c.keys);
    for (int row = 1; row <= 3; ++row) {
      const TPoint p = In(list, row);
      PostMouse(list, WM_MOUSEMOVE, p.X, p.Y, MK_LBUTTON | c.keys);
    }
    const TPoint end = In(list, 3);
    PostMouse(list, WM_LBUTTONUP, end.X, end.Y, c.keys);
    PumpMessages();
    EXPECT_EQ(moves, c.moves) << c.name;
    EXPECT_EQ(list->Items()->Strings(3), c.moves.empty() ? "D" : "A") << c.name;
    EXPECT_FALSE(list->Moving()) << c.name;
    delete list;
  }
}

TEST_F(FramedEditListBox, ShiftKeysRankTheCurrentItem) {
  ShowForm();
  auto* list = List<TRzRankListBox>({"A", "B", "C"});
  list->SetFocus();
  HoldShift(true);
  struct Step {
    Word key;
    const char* order;
  } steps[] = {{VK_END, "BCA"}, {VK_END, "BCA"}, {VK_UP, "BAC"}, {VK_HOME, "ABC"}, {VK_HOME, "ABC"}, {VK_DOWN, "BAC"}};
  list->SetItemIndex(0);
  for (const Step& s : steps) {
    list->Perform(WM_KEYDOWN, s.key, 0);
    String order;
    for (int i = 0; i < 3; ++i) order += list->Items()->Strings(i);
    EXPECT_EQ(order, s.order) << s.key;
  }
  list->SetItemIndex(-1);
  list->Perform(WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list->Items()->Strings(0), "B");
  HoldShift(false);
}

TEST_F(FramedEditListBox, MoveOnDragCannotChangeDuringADrag) {
  ShowForm();
  auto* list = List<TRzRankListBox>({"A", "B"});
  list->ModifierKey = mkNone;
  const TPoint p = In(list, 0);
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  ASSERT_TRUE(list->Moving());
  EXPECT_THROW(list->SetMoveOnDrag(false), Exception);
  EXPECT_TRUE(list->MoveOnDrag());
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
}

}  // namespace
