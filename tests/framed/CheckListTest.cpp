// The check list: user toggles, state records kept parallel to the items, the
// text format (round trip without growth, bad lines refused before anything
// changes), form streaming, enabling, groups and a new window.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framed/lists/RzCheckList.h"
#include "platform/core/Exceptions.h"
#include "platform/io/Streams.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

struct Row {
  String text;
  TCheckBoxState state;
  bool enabled;
  bool operator==(const Row& o) const { return text == o.text && state == o.state && enabled == o.enabled; }
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.text << "," << int(r.state) << "," << r.enabled << "}";
}

class FramedCheckList : public FramedForm {
protected:
  TRzCheckList* List(const std::vector<Row>& rows = {}) {
    auto* list = Make<TRzCheckList>({10, 10, 220, 200});
    for (const Row& r : rows) {
      const int i = list->Items()->Add(r.text);
      list->SetItemState(i, r.state);
      list->SetItemEnabled(i, r.enabled);
    }
    return list;
  }
  static std::vector<Row> Rows(TRzCheckList* list) {
    std::vector<Row> rows;
    for (int i = 0; i < list->Items()->Count(); ++i)
      rows.push_back({list->Items()->Strings(i), list->GetItemState(i), list->GetItemEnabled(i)});
    return rows;
  }
  static String Saved(TRzCheckList* list) {
    TStringStream stream;
    list->SaveToStream(stream);
    return stream.DataString();
  }
  static void Load(TRzCheckList* list, const String& text) {
    TStringStream stream(text);
    list->LoadFromStream(stream);
  }
  // A press and release at a client point of an item (x from the item's left).
  static void ClickItem(TRzCheckList* list, int pressItem, int releaseItem, int x) {
    const TRect a = list->ItemRect(pressItem), b = list->ItemRect(releaseItem);
    list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.Left + x, a.Top + 2));
    list->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(b.Left + x, b.Top + 2));
    list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(b.Left + x, b.Top + 2));
  }
};

const std::vector<Row> kFruit = {{"Apple", cbChecked, true}, {"Pear", cbUnchecked, false}, {"Plum", cbGrayed, true}};

TEST_F(FramedCheckList, ClicksToggleOnTheBoxOrAnywhereWhenAsked) {
  ShowForm();
  struct Case {
    const char* name;
    bool onItemClick;
    int press, release, x;
    TCheckBoxState expected;
  } cases[] = {
      {"on the box", false, 0, 0, 5, cbChecked},
      {"on the text", false, 0, 0, 60, cbUnchecked},
      {"on the text, toggle on item click", true, 0, 0, 60, cbChecked},
      {"pressed on one, released on another", false, 0, 1, 5, cbUnchecked},
  };
  for (const Case& c : cases) {
    auto* list = List({{"One", cbUnchecked, true}, {"Two", cbUnchecked, true}});
    list->ToggleOnItemClick = c.onItemClick;
    ClickItem(list, c.press, c.release, c.x);
    EXPECT_EQ(list->GetItemState(0), c.expected) << c.name;
    delete list;
  }
}

TEST_F(FramedCheckList, TogglesCycleAndCanBeRefused) {
  auto* list = List({{"One", cbUnchecked, true}, {"//Head", cbUnchecked, true}, {"Off", cbUnchecked, false}});
  std::vector<TCheckBoxState> reported;
  list->OnChange = TStateChangeEvent::Function([&](TObject*, int, TCheckBoxState s) { reported.push_back(s); });
  list->SetItemIndex(0);
  list->SetAllowGrayed(true);
  for (int i = 0; i < 3; ++i) list->ToggleCheckState();
  list->SetAllowGrayed(false);
  for (int i = 0; i < 2; ++i) list->ToggleCheckState();
  EXPECT_EQ(reported, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbChecked, cbUnchecked}));

  list->OnChanging = TStateChangingEvent::Function([](TObject*, int, TCheckBoxState, bool& allow) { allow = false; });
  list->ToggleCheckState();
  EXPECT_EQ(list->GetItemState(0), cbUnchecked);
  EXPECT_EQ(reported.size(), 5u);
  list->OnChanging = TStateChangingEvent();
  for (int locked : {1, 2}) {  // a header and a disabled item
    list->SetItemIndex(locked);
    list->ToggleCheckState();
    EXPECT_EQ(list->GetItemState(locked), cbUnchecked) << locked;
  }
  list->CheckAll();
  EXPECT_EQ(list->ItemsChecked(), 2);  // the header does not count
}

TEST_F(FramedCheckList, SpaceTogglesOnRelease) {
  auto* list = List({{"One", cbUnchecked, true}});
  list->SetItemIndex(0);
  list->Perform(WM_KEYDOWN, VK_SPACE, 0);
  list->Perform(WM_CHAR, ' ', 0);
  EXPECT_EQ(list->GetItemState(0), cbUnchecked);
  list->Perform(WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(list->GetItemState(0), cbChecked);
}

TEST_F(FramedCheckList, RecordsStayWithTheirItems) {
  struct Case {
    const char* name;
    std::function<void(TStrings*)> change;
    std::vector<Row> expected;
  } cases[] = {
      {"add", [](TStrings* s) { s->Add("Fig"); }, {kFruit[0], kFruit[1], kFruit[2], {"Fig", cbUnchecked, true}}},
      {"insert", [](TStrings* s) { s->Insert(1, "Fig"); }, {kFruit[0], {"Fig", cbUnchecked, true}, kFruit[1], kFruit[2]}},
      {"delete", [](TStrings* s) { s->Delete(0); }, {kFruit[1], kFruit[2]}},
      {"move", [](TStrings* s) { s->Move(0, 2); }, {kFruit[1], kFruit[2], kFruit[0]}},
      {"exchange", [](TStrings* s) { s->Exchange(0, 2); }, {kFruit[2], kFruit[1], kFruit[0]}},
      {"put", [](TStrings* s) { s->Put(1, "Quince"); }, {kFruit[0], {"Quince", cbUnchecked, false}, kFruit[2]}},
  };
  for (const Case& c : cases) {
    auto* list = List(kFruit);
    c.change(list->Items());
    EXPECT_EQ(Rows(list), c.expected) << c.name;
    delete list;
  }
}

TEST_F(FramedCheckList, PutKeepsTheCurrentItem) {
  auto* list = List(kFruit);
  list->SetItemIndex(1);
  list->Items()->Put(1, "Quince");
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(FramedCheckList, TextRoundTripsWithoutGrowing) {
  auto* list = List({{"Apple", cbChecked, true}, {"Pear", cbUnchecked, false}, {"", cbGrayed, true}});
  const String saved = Saved(list);
  EXPECT_EQ(saved, "&1 1 Apple \r\n&0 0 Pear \r\n&1 2  \r\n");
  Load(list, saved);
  EXPECT_EQ(Saved(list), saved);
  EXPECT_EQ(Rows(list)[0], (Row{"Apple", cbChecked, true}));
  Load(list, "Plain line\r\n");
  EXPECT_EQ(Rows(list), (std::vector<Row>{{"Plain line", cbUnchecked, true}}));
}

TEST_F(FramedCheckList, BadSavedLinesAreRefusedBeforeAnythingChanges) {
  for (const char* bad : {"&1 1", "&x 1 Fig ", "&1 3 Fig ", "&1 a Fig ", "&2 1 Fig "}) {
    auto* list = List(kFruit);
    try {
      Load(list, String("&1 1 Fig \r\n") + bad + "\r\n");
      ADD_FAILURE() << bad << " was accepted";
    } catch (const EConvertError& e) {
      EXPECT_NE(String(e.what()).find("line 2"), String::npos) << e.what();
    }
    EXPECT_EQ(Rows(list), kFruit) << bad;
    delete list;
  }
}

TEST_F(FramedCheckList, LongItemsStayWhole) {
  const String text(5000, 'w');
  auto* list = List({{text, cbChecked, true}});
  EXPECT_EQ(list->Items()->Strings(0), text);
  Load(list, Saved(list));
  EXPECT_EQ(list->Items()->Strings(0), text);
}

TEST_F(FramedCheckList, ASortedListGivesEveryLoadedItemItsState) {
  auto* list = List();
  list->SetSorted(true);
  Load(list, "&1 1 Pear \r\n&0 0 Apple \r\n&1 2 Fig \r\n");
  EXPECT_EQ(Rows(list), (std::vector<Row>{{"Apple", cbUnchecked, false}, {"Fig", cbGrayed, true}, {"Pear", cbChecked, true}}));
}

TEST_F(FramedCheckList, EnablingTheListEnablesEveryItem) {
  auto* list = List(kFruit);
  list->SetEnabled(false);
  list->SetEnabled(true);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(list->GetItemEnabled(i)) << i;
}

TEST_F(FramedCheckList, GroupsWorkOnTheirOwnItemsOnly) {
  auto* list = List({{"Loose", cbUnchecked, true}, {"//A", cbUnchecked, true}, {"a1", cbUnchecked, true},
                     {"//B", cbUnchecked, true}, {"b1", cbUnchecked, true}});
  list->CheckGroup(1);
  list->DisableGroup(0);
  list->CheckGroup(7);    // no such group: nothing changes
  list->DisableGroup(7);
  EXPECT_EQ(Rows(list), (std::vector<Row>{{"Loose", cbUnchecked, true}, {"//A", cbUnchecked, true},
                                          {"a1", cbUnchecked, false}, {"//B", cbUnchecked, true},
                                          {"b1", cbChecked, true}}));
  EXPECT_EQ(list->ItemsInGroup(7), 0);
}

TEST_F(FramedCheckList, ANewWindowKeepsEverything) {
  ShowForm();
  std::vector<Row> rows;
  for (int i = 0; i < 30; ++i) rows.push_back({"Item " + std::to_string(i), TCheckBoxState(i % 3), i % 4 != 0});
  auto* list = List(rows);
  list->SetTopIndex(10);
  list->SetItemIndex(12);
  list->SetFrameVisible(true);  // re-creates the window
  EXPECT_EQ(Rows(list), rows);
  EXPECT_EQ(list->TopIndex(), 10);
  EXPECT_EQ(list->ItemIndex(), 12);
}

TEST_F(FramedCheckList, StatesAreStreamedAndSurplusValuesIgnored) {
  form->SetName("Form");
  auto* list = List(kFruit);
  list->SetName("Checks");
  const String text = WriteComponentText(form);
  EXPECT_NE(text.find("ItemState"), String::npos) << text;
  delete list;
  TForm* copy = NewForm<TForm>(nullptr);
  ReadComponentText(copy, text);
  EXPECT_EQ(Rows(dynamic_cast<TRzCheckList*>(copy->FindComponent("Checks"))), kFruit);
  delete copy;

  ASSERT_NO_THROW(ReadComponentText(form,
                                    "object Form: TForm\n  object More: TRzCheckList\n"
                                    "    Items.Strings = (\n      'One')\n"
                                    "    ItemEnabled = (\n      False\n      True\n      True)\n"
                                    "    ItemState = (\n      1\n      2\n      0)\n  end\nend\n"));
  auto* more = dynamic_cast<TRzCheckList*>(form->FindComponent("More"));
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(Rows(more), (std::vector<Row>{{"One", cbChecked, false}}));
}

}  // namespace
