// The combo box: the events of SetItemIndex, type-ahead on the clock seam,
// keys, and the drop-down opened, tracked and closed with posted messages.
#include <gtest/gtest.h>

#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinMRUComboBox.h"
#include "skin/draw/SkinSystem.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct ComboHost {
  BoxForm host;
  TspSkinComboBox* combo = host.Make<TspSkinComboBox>({10, 10, 130, 30});
  String log;
  ComboHost(std::initializer_list<const char*> items = {"a", "b", "c"}) {
    for (const char* item : items) combo->Items()->Add(item);
    combo->OnClick = TNotifyEvent::Function([this](TObject*) { log += "click "; });
    combo->OnChange = TNotifyEvent::Function([this](TObject*) { log += "change "; });
    combo->OnCloseUp = TNotifyEvent::Function([this](TObject*) { log += "closeup "; });
    combo->OnDropDown = TNotifyEvent::Function([this](TObject*) { log += "dropdown "; });
  }
};

TEST(SkinComboBox, SetItemIndexEvents) {
  struct Case {
    const char* what;
    Integer from, to;
    Integer index;
    const char* text;
    const char* log;
  };
  const Case cases[] = {
      {"the current item", 1, 1, 1, "b", "click "},
      {"another item", 1, 2, 2, "c", "change click "},
      {"-1 keeps the text", 1, -1, -1, "b", "click "},
      {"out of range", 1, 7, 1, "b", "click "},
      {"an empty list", -1, 0, -1, "", "click "},
  };
  for (const Case& c : cases) {
    ComboHost h;
    if (c.from == -1) h.combo->Items()->Clear();
    else h.combo->SetItemIndex(c.from);
    h.log.clear();
    h.combo->SetItemIndex(c.to);
    EXPECT_EQ(h.combo->ItemIndex(), c.index) << c.what;
    EXPECT_EQ(h.combo->Text(), c.text) << c.what;
    EXPECT_EQ(h.log, c.log) << c.what;
  }
}

TEST(SkinComboBox, TypeAhead) {
  struct Case {
    const char* what;
    bool autoComplete;
    const char* keys;
    DWORD gap;
    const char* selected;  // the text after each key
  };
  const Case cases[] = {
      {"repeated letter steps and wraps", false, "bbb", 10, "b1 b2 b1"},
      {"slow presses step as well", true, "bbb", 600, "b1 b2 b1"},
      {"a quick second letter extends the search", true, "b2", 10, "b1 b2"},
      {"a quick bb finds nothing", true, "bb", 10, "b1 b1"},
  };
  for (const Case& c : cases) {
    ComboHost h({"b1", "b2", "c"});
    BoxClock clock;
    h.combo->AutoComplete = c.autoComplete;
    String seen;
    for (const char* k = c.keys; *k; ++k) {
      clock.Clock().Advance(c.gap);
      h.combo->FindLBItem(*k);
      seen += (seen.empty() ? "" : " ") + h.combo->Text();
    }
    EXPECT_EQ(seen, c.selected) << c.what;
  }
}

// Edit style: a key-up more than 200 ms after the last completion completes
// the typed prefix from the list and selects the completed tail; quicker
// key-ups, Backspace and prefixes of no item leave the typed text alone.
TEST(SkinComboBox, EditStyleCompletion) {
  struct Case {
    const char* what;
    const char* keys;  // '\b' is Backspace
    DWORD gap;         // milliseconds before each key
    const char* seen;  // text, '|', selected tail after each key
  };
  const Case cases[] = {
      {"keys apart complete each prefix", "apr", 300, "apple|pple apple|ple apricot|icot"},
      {"quick keys complete 200 ms after the last completion", "apri", 100,
       "apple|pple ap| apr| apricot|cot"},
      {"Backspace takes the tail away and completes nothing", "a\b", 300, "apple|pple a|"},
      {"a prefix of no item stays as typed", "bx", 300, "banana|anana bx|"},
  };
  for (const Case& c : cases) {
    ComboHost h({"apple", "apricot", "banana"});
    h.combo->SetStyle(spcbEditStyle);
    TspCustomEdit* edit = h.combo->InnerEdit();
    ASSERT_NE(edit, nullptr);
    BoxClock clock;
    clock.Clock().Advance(1000);
    String seen;
    for (const char* k = c.keys; *k; ++k) {
      clock.Clock().Advance(c.gap);
      WPARAM key = *k == '\b' ? VK_BACK : static_cast<WPARAM>(std::toupper(*k));
      edit->Perform(WM_CHAR, static_cast<WPARAM>(*k), 0);
      edit->Perform(WM_KEYUP, key, 0);
      seen += (seen.empty() ? "" : " ") + edit->Text() + "|" + edit->SelText();
    }
    EXPECT_EQ(seen, c.seen) << c.what;
  }
}

TEST(SkinComboBox, PageKeysAreAsymmetric) {
  ComboHost h({});
  for (int i = 0; i < 30; ++i) h.combo->Items()->Add("item" + std::to_string(i));
  h.combo->SetItemIndex(20);
  Word key = VK_PRIOR;
  h.combo->Perform(WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(h.combo->ItemIndex(), 11);
  h.combo->SetItemIndex(0);
  h.combo->Perform(WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(h.combo->ItemIndex(), 7);
  (void)key;
}

TEST(SkinComboBox, PressDragReleaseOnTheThirdItem) {
  ComboHost h({"a", "b", "c", "d"});
  h.combo->SetItemIndex(0);
  h.log.clear();
  TPoint button = Centre(h.combo->ButtonArea());
  PostMouse(h.combo, WM_LBUTTONDOWN, button.X, button.Y, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return h.combo->IsPopupVisible(); }, 1000));
  TspListBox* inner = h.combo->PopupList()->ListBox();
  TRect third = inner->ItemRect(2);
  TPoint p = h.combo->ScreenToClient(inner->ClientToScreen(Centre(third)));
  PostMouse(h.combo, WM_MOUSEMOVE, p.X, p.Y, MK_LBUTTON);
  PostMouse(h.combo, WM_LBUTTONUP, p.X, p.Y, 0);
  PumpUntil([&] { return !h.combo->IsPopupVisible(); }, 1000);
  EXPECT_FALSE(h.combo->IsPopupVisible());
  EXPECT_EQ(h.combo->ItemIndex(), 2);
  EXPECT_EQ(h.combo->Text(), "c");
  EXPECT_EQ(h.log, "dropdown change click closeup ");
}

TEST(SkinComboBox, ClickWithoutEnteringKeepsTheListOpenAndEscRestores) {
  ComboHost h;
  h.combo->SetItemIndex(1);
  h.log.clear();
  TPoint button = Centre(h.combo->ButtonArea());
  PostClick(h.combo, button.X, button.Y);
  PumpUntil([&] { return h.combo->IsPopupVisible(); }, 1000);
  PumpMessages();
  EXPECT_TRUE(h.combo->IsPopupVisible()) << "a click that never entered the list keeps it open";
  h.combo->PopupList()->SetItemIndex(2);
  h.combo->SetFocus();
  h.combo->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(h.combo->IsPopupVisible());
  EXPECT_EQ(h.combo->ItemIndex(), 1);
  EXPECT_EQ(h.log, "dropdown ") << "Esc restores without events";
}

TEST(SkinComboBox, CancelModeFromTheListsOwnBarKeepsItOpen) {
  ComboHost h({});
  for (int i = 0; i < 20; ++i) h.combo->Items()->Add("item" + std::to_string(i));
  h.combo->DropDown();
  ASSERT_TRUE(h.combo->IsPopupVisible());
  ASSERT_NE(h.combo->PopupList()->ScrollBar(), nullptr) << "20 items in 8 rows show a bar";
  h.combo->Perform(CM_CANCELMODE, 0, SenderParam(h.combo->PopupList()->ScrollBar()));
  EXPECT_TRUE(h.combo->IsPopupVisible());
  h.combo->Perform(CM_CANCELMODE, 0, SenderParam(h.host.form));
  EXPECT_FALSE(h.combo->IsPopupVisible());
  h.combo->DropDown();
  h.combo->Perform(CM_CANCELMODE, 0, 0);
  EXPECT_FALSE(h.combo->IsPopupVisible()) << "no sender closes";
}

TEST(SkinComboBox, OpensAboveAtTheBottomOfTheWorkArea) {
  ComboHost h;
  TRect work = GetMonitorWorkArea(h.host.form->Handle(), true);
  h.host.form->SetBounds(0, work.Bottom - 60, 300, 60);
  h.combo->SetBounds(10, 5, 120, 20);
  h.combo->DropDown();
  ASSERT_TRUE(h.combo->IsPopupVisible());
  RECT list;
  ::GetWindowRect(h.combo->PopupList()->Handle(), &list);
  TPoint top = h.combo->ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(list.bottom, top.Y);
  h.combo->CloseUp(false);
}

TEST(SkinComboBox, FadeInEndsSafelyOnCloseUp) {
  ComboHost h;
  BoxClock clock;
  h.combo->SetListBoxAlphaBlend(true);
  h.combo->SetListBoxAlphaBlendAnimation(true);
  h.combo->DropDown();
  TspPopupListBox* list = h.combo->PopupList();
  EXPECT_TRUE(list->Fading());
  EXPECT_EQ(clock.Interval(list, 2), 5u);
  clock.Tick(list, 2);
  h.combo->CloseUp(false);
  EXPECT_FALSE(list->Fading());
  EXPECT_EQ(clock.Interval(list, 2), 0u);
  clock.Tick(list, 2);  // a late tick does nothing
  h.combo->DropDown();
  for (int i = 0; i < 25 && list->Fading(); ++i) clock.Tick(list, 2);
  EXPECT_FALSE(list->Fading()) << "20 steps of 10 reach 200";
  h.combo->CloseUp(false);
}

TEST(SkinComboBoxEx, ItemsExKeepsItemsInStep) {
  BoxForm host;
  auto* combo = host.Make<TspSkinComboBoxEx>({10, 10, 130, 30});
  for (const char* caption : {"zero", "one", "two", "three", "four"}) combo->ItemsEx()->Add()->SetCaption(caption);
  ASSERT_EQ(combo->Items()->Count(), 5);
  combo->ItemsEx()->Delete(3);
  EXPECT_EQ(combo->Items()->Count(), 4);
  EXPECT_EQ(combo->Items()->Strings(3), "four");
  combo->ItemsEx()->Items(0)->SetIndex(2);
  String order;
  for (int i = 0; i < combo->Items()->Count(); ++i) order += combo->Items()->Strings(i) + " ";
  EXPECT_EQ(order, "one two zero four ") << "a moved item moves in both lists";
  combo->ItemsEx()->Delete(99);
  EXPECT_EQ(combo->Items()->Count(), 4);
}

TEST(SkinMRUComboBox, AddMRUItem) {
  BoxForm host;
  auto* combo = host.Make<TspSkinMRUComboBox>({10, 10, 130, 30});
  for (const char* item : {"a", "b", "c"}) combo->Items()->Add(item);
  auto order = [&] {
    String s;
    for (int i = 0; i < combo->Items()->Count(); ++i) s += combo->Items()->Strings(i);
    return s;
  };
  combo->AddMRUItem("b");
  EXPECT_EQ(order(), "bac");
  combo->AddMRUItem("d");
  EXPECT_EQ(order(), "dbac");
  combo->AddMRUItem("");
  EXPECT_EQ(order(), "dbac");
  combo->AddMRUItem("A");
  EXPECT_EQ(order(), "adbc");
}

}  // namespace
