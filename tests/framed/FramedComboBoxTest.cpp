// The framed combo box: the drop-down list search on the family's clock, the
// read-only list, the wheel, the edit-style completion, colours and the kept
// drop-down width.
#include <gtest/gtest.h>

#include <vector>

#include "framed/controls/RzComboBox.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class ProbeComboBox : public TRzComboBox {
public:
  using TRzComboBox::TRzComboBox;
  int beeps = 0;
  std::vector<String> events;

protected:
  void InvalidKeyPressed() override { ++beeps; }
  void Click() override {
    events.push_back("Click");
    TRzComboBox::Click();
  }
  void Change() override {
    events.push_back("Change");
    TRzComboBox::Change();
  }
};

class FramedComboBox : public FramedForm {
public:
  ProbeComboBox* List(TComboBoxStyle style = csDropDownList) {
    auto* combo = Make<ProbeComboBox>({10, 10, 160, 31});
    combo->SetStyle(style);
    for (const char* item : {"Apple", "Apricot", "Banana", "Blueberry", "Cherry", "B\x81@z"})
      combo->Items()->Add(item);
    combo->SetFocus();
    return combo;
  }
  void Type(ProbeComboBox* combo, const String& keys) {
    for (char key : keys) combo->Perform(WM_CHAR, static_cast<unsigned char>(key), 0);
  }
  void SetUp() override {
    FramedForm::SetUp();
    ShowForm();
  }
  TManualClockScope clock;
};

TEST_F(FramedComboBox, ListSearchRows) {
  struct Case {
    const char* name;
    std::function<void(FramedComboBox*, ProbeComboBox*)> act;
    int index;
    const char* search;
    int beeps;
    std::vector<String> events;
  };
  const Case cases[] = {
      {"two letters quickly", [](auto* t, auto* c) { t->Type(c, "ap"); }, 0, "ap", 0,
       {"Click", "Change", "Click", "Change"}},
      {"a third letter narrows", [](auto* t, auto* c) { t->Type(c, "apr"); }, 1, "apr", 0,
       {"Click", "Change", "Click", "Change", "Click", "Change"}},
      {"a pause starts a new search",
       [](auto* t, auto* c) {
         t->Type(c, "ap");
         t->clock.Clock().Advance(1500);
         t->Type(c, "b");
       },
       2, "b", 0, {"Click", "Change", "Click", "Change", "Click", "Change"}},
      {"no pause keeps searching",
       [](auto* t, auto* c) {
         t->Type(c, "b");
         t->clock.Clock().Advance(1400);
         t->Type(c, "l");
       },
       3, "bl", 0, {"Click", "Change", "Click", "Change"}},
      {"a letter that matches nothing", [](auto* t, auto* c) { t->Type(c, "bz"); }, 2, "b", 1, {"Click", "Change"}},
      {"escape with the list closed selects the first",
       [](auto* t, auto* c) {
         c->SetItemIndex(3);
         t->Type(c, "\x1b");
       },
       0, "", 0, {"Click", "Change"}},
      {"backspace shortens the search", [](auto* t, auto* c) { t->Type(c, "apr\b"); }, 0, "ap", 0,
       {"Click", "Change", "Click", "Change", "Click", "Change", "Click", "Change"}},
      {"backspace on an empty search keeps the selection",
       [](auto* t, auto* c) {
         c->SetItemIndex(4);
         t->Type(c, "\b");
       },
       4, "", 1, {}},
      {"backspace that empties the search keeps the selection", [](auto* t, auto* c) { t->Type(c, "c\b"); }, 4, "",
       0, {"Click", "Change"}},
      {"backspace drops a whole double-byte character",
       [](auto*, auto* c) {
         TRzCustomComboBox::SetLeadByteTest([](char ch) { return ch == '\x81'; });
         for (char ch : String("b\x81@\b")) c->Perform(WM_CHAR, static_cast<unsigned char>(ch), 0);
         TRzCustomComboBox::SetLeadByteTest(nullptr);
       },
       2, "b", 0, {"Click", "Change", "Click", "Change", "Click", "Change", "Click", "Change"}},
      {"navigation keys clear the search",
       [](auto* t, auto* c) {
         t->Type(c, "ap");
         c->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
       },
       0, "", 0, {"Click", "Change", "Click", "Change"}},
  };
  for (const Case& c : cases) {
    auto* combo = List();
    c.act(this, combo);
    EXPECT_EQ(combo->ItemIndex(), c.index) << c.name;
    EXPECT_EQ(combo->SearchString(), c.search) << c.name;
    EXPECT_EQ(combo->beeps, c.beeps) << c.name;
    EXPECT_EQ(combo->events, c.events) << c.name;
    delete combo;
  }
}

TEST_F(FramedComboBox, ReadOnlyListKeepsItsSelection) {
  auto* combo = List();
  combo->SetItemIndex(1);
  combo->SetReadOnly(true);
  combo->Perform(WM_KEYDOWN, VK_DOWN, 0);
  combo->Perform(WM_KEYDOWN, VK_F4, 0);
  Type(combo, "ch");  // typing once changed a read-only selection
  combo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  combo->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  combo->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_TRUE(combo->events.empty());
  EXPECT_EQ(combo->beeps, 2) << "each refused character beeps";
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(FramedComboBox, WheelStepsThroughTheItemsAndStopsAtTheEnds) {
  struct Case {
    int start;
    int delta;
    int index;
    size_t events;
  };
  const Case cases[] = {{1, -WHEEL_DELTA, 2, 2}, {5, -WHEEL_DELTA, 5, 0}, {2, WHEEL_DELTA, 1, 2},
                        {0, WHEEL_DELTA, 0, 0},   {-1, WHEEL_DELTA, 0, 0}};
  for (const Case& c : cases) {
    auto* combo = List();
    combo->SetItemIndex(c.start);
    combo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
    EXPECT_EQ(combo->ItemIndex(), c.index) << c.start;
    EXPECT_EQ(combo->events.size(), c.events) << c.start;
    delete combo;
  }
}

TEST_F(FramedComboBox, SettingTheIndexFromCodeFiresNothing) {
  auto* combo = List();
  combo->SetItemIndex(3);
  EXPECT_TRUE(combo->events.empty());
}

TEST_F(FramedComboBox, EditStyleCompletesFromTheItems) {
  struct Case {
    const char* name;
    bool allowEdit, keepCase;
    const char* typed;
    const char* text;
    int beeps;
  };
  const Case cases[] = {{"completes", true, false, "ba", "Banana", 0},
                        {"keeps the typed case", true, true, "ba", "banana", 0},
                        {"refuses a character without AllowEdit", false, false, "baz", "Banana", 1},
                        {"takes a character with AllowEdit", true, false, "xy", "xy", 0}};
  for (const Case& c : cases) {
    auto* combo = List(csDropDown);
    combo->AllowEdit = c.allowEdit;
    combo->KeepSearchCase = c.keepCase;
    HWND edit = ::FindWindowExA(combo->Handle(), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    for (char key : String(c.typed)) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 0);
    EXPECT_EQ(combo->Text(), c.text) << c.name;
    EXPECT_EQ(combo->beeps, c.beeps) << c.name;
    delete combo;
  }
}

TEST_F(FramedComboBox, LeavingAnEditStyleBoxReportsTextThatIsNoItem) {
  auto* combo = List(csDropDown);
  int notInList = 0;
  combo->OnNotInList = TNotifyEvent::Function([&](TObject*) { ++notInList; });
  combo->SetText("");
  combo->Perform(CM_EXIT);
  EXPECT_EQ(notInList, 0);
  combo->SetText("Durian");
  combo->Perform(CM_EXIT);
  EXPECT_EQ(notInList, 1);
}

TEST_F(FramedComboBox, ColoursFollowEnabledAndFocus) {
  auto* combo = List();
  combo->SetDisabledColor(15527920);
  combo->SetFocusColor(clYellow);
  combo->Perform(CM_ENTER);
  EXPECT_EQ(combo->Color(), clYellow);
  combo->Perform(CM_EXIT);
  EXPECT_EQ(combo->Color(), clWindow);
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), 15527920);
  combo->SetEnabled(true);
  EXPECT_EQ(combo->Color(), clWindow);
}

TEST_F(FramedComboBox, DropDownWidthSurvivesANewWindow) {
  auto* combo = List();
  combo->SetDropDownWidth(300);
  combo->RecreateWnd();
  combo->HandleNeeded();
  EXPECT_EQ(::SendMessageA(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 300);
  EXPECT_EQ(combo->DropDownWidth(), 300);
}

TEST_F(FramedComboBox, TabOnEnterMovesTheFocusOn) {
  auto* combo = List();
  auto* next = List();
  combo->TabOnEnter = true;
  combo->SetFocus();
  combo->Perform(WM_CHAR, '\r', 0);
  ASSERT_TRUE(PumpUntil([&] { return next->HasFocus(); }, 1000));
}

}  // namespace
