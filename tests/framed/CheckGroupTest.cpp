// The check group: its streamed states (surplus ones included), the layout it
// shares with the radio group, grayed cycling, the change reports and a group
// that refuses changes.
#include <gtest/gtest.h>

#include <vector>

#include "framed/controls/RzRadioGroup.h"
#include "framed/groups/RzCheckGroup.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedCheckGroup : public FramedForm {
protected:
  template <class G>
  G* Group(int items, int columns = 1) {
    auto* group = Make<G>({10, 10, 250, 160});
    for (int i = 0; i < items; ++i) group->Items()->Add("Item " + std::to_string(i));
    group->SetColumns(columns);
    return group;
  }
  TRzCheckGroup* Read(const String& groupBody) {
    ReadComponentText(form, "object Form: TForm\n  object Checks: TRzCheckGroup\n" + groupBody + "  end\nend\n");
    return dynamic_cast<TRzCheckGroup*>(form->FindComponent("Checks"));
  }
  static std::vector<TCheckBoxState> States(TRzCheckGroup* group) {
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < group->CheckCount(); ++i) states.push_back(group->GetItemState(i));
    return states;
  }
  static void Click(TRzGroupCheck* check) {
    check->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    check->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
};

TEST_F(FramedCheckGroup, CheckStatesAreWrittenAndRead) {
  struct Case {
    const char* name;
    int items;
    std::vector<TCheckBoxState> states;
    const char* written;  // nullptr: no CheckStates at all
  } cases[] = {
      {"second checked", 3, {cbUnchecked, cbChecked, cbUnchecked}, "CheckStates = (\r\n      0\r\n      1\r\n      0)"},
      // Equal states stand for different boxes: none of them is dropped.
      {"repeated states", 4, {cbChecked, cbChecked, cbGrayed, cbChecked}, "(\r\n      1\r\n      1\r\n      2\r\n      1)"},
      {"no items", 0, {}, nullptr},
  };
  form->SetName("Form");
  for (const Case& c : cases) {
    auto* group = Group<TRzCheckGroup>(c.items);
    group->SetName("Checks");
    group->SetAllowGrayed(true);
    for (size_t i = 0; i < c.states.size(); ++i) group->SetItemState(static_cast<int>(i), c.states[i]);
    const String text = WriteComponentText(form);
    if (c.written)
      EXPECT_NE(text.find(c.written), String::npos) << c.name << "\n" << text;
    else
      EXPECT_EQ(text.find("CheckStates"), String::npos) << c.name << "\n" << text;
    delete group;
    TForm* copy = NewForm<TForm>(nullptr);
    ReadComponentText(copy, text);
    auto* read = dynamic_cast<TRzCheckGroup*>(copy->FindComponent("Checks"));
    ASSERT_NE(read, nullptr) << c.name;
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < read->CheckCount(); ++i) states.push_back(read->GetItemState(i));
    EXPECT_EQ(states, c.states) << c.name;
    delete copy;
  }
}

TEST_F(FramedCheckGroup, ADefinitionWithSurplusStatesLoads) {
  std::vector<std::pair<int, TCheckBoxState>> changes;
  TRzCheckGroup* group = nullptr;
  ASSERT_NO_THROW(group = Read("    Items.Strings = (\n      'One'\n      'Two')\n"
                               "    CheckStates = (\n      1\n      0\n      1\n      1)\n"));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(States(group), (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(FramedCheckGroup, LoadedStatesReportTheirChanges) {
  struct Probe : TComponent {
    using TComponent::TComponent;
    std::vector<std::pair<int, TCheckBoxState>> changes;
    void ChecksChange(TObject*, int index, TCheckBoxState state) { changes.emplace_back(index, state); }
  };
  Probe probe(nullptr);
  TFormBindings bindings;
  bindings.Handler("ChecksChange", &probe, &Probe::ChecksChange);
  ReadComponentText(form,
                    "object Form: TForm\n  object Checks: TRzCheckGroup\n"
                    "    Items.Strings = (\n      'One'\n      'Two'\n      'Three')\n"
                    "    CheckStates = (\n      0\n      1\n      2)\n"
                    "    AllowGrayed = True\n"
                    "    OnChange = ChecksChange\n  end\nend\n",
                    bindings);
  EXPECT_EQ(probe.changes, (std::vector<std::pair<int, TCheckBoxState>>{{1, cbChecked}, {2, cbGrayed}}));
}

// The check group lays its boxes out exactly as the radio group lays its buttons.
TEST_F(FramedCheckGroup, LayoutIsTheRadioGroups) {
  for (bool evenly : {false, true}) {
    auto* radios = Group<TRzRadioGroup>(5, 2);
    auto* checks = Group<TRzCheckGroup>(5, 2);
    radios->SetSpaceEvenly(evenly);
    checks->SetSpaceEvenly(evenly);
    checks->SetCaption("Options");
    radios->SetCaption("Options");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(checks->GetChecks(i)->BoundsRect(), radios->GetButtons(i)->BoundsRect()) << i;
    delete radios;
    delete checks;
  }
}

TEST_F(FramedCheckGroup, AddingAnItemKeepsTheStates) {
  auto* group = Group<TRzCheckGroup>(2);
  group->SetItemChecked(1, true);
  group->Items()->Add("Item 2");
  EXPECT_EQ(States(group), (std::vector<TCheckBoxState>{cbUnchecked, cbChecked, cbUnchecked}));
  EXPECT_EQ(group->GetChecks(2)->Caption(), "Item 2");
}

TEST_F(FramedCheckGroup, ClicksCycleThroughGrayedWhenTheGroupAllowsIt) {
  ShowForm();
  auto* group = Group<TRzCheckGroup>(2);
  std::vector<std::pair<int, TCheckBoxState>> changes;
  group->OnChange = TStateChangeEvent::Function([&](TObject*, int i, TCheckBoxState s) { changes.emplace_back(i, s); });
  group->SetAllowGrayed(true);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(group->GetChecks(i)->AllowGrayed());
  TRzGroupCheck* check = group->GetChecks(1);
  for (int i = 0; i < 3; ++i) Click(check);
  EXPECT_EQ(changes, (std::vector<std::pair<int, TCheckBoxState>>{{1, cbGrayed}, {1, cbChecked}, {1, cbUnchecked}}));
  changes.clear();
  group->SetItemState(1, cbGrayed);
  EXPECT_EQ(changes, (std::vector<std::pair<int, TCheckBoxState>>{{1, cbGrayed}}));
}

class LockedCheckGroup : public TRzCheckGroup {
public:
  using TRzCheckGroup::TRzCheckGroup;
  bool CanModify() override { return false; }
};

TEST_F(FramedCheckGroup, AGroupThatRefusesChangesIgnoresClicksAndSpace) {
  ShowForm();
  auto* group = Group<LockedCheckGroup>(2);
  TRzGroupCheck* check = group->GetChecks(0);
  Click(check);
  check->Perform(WM_CHAR, ' ', 0);
  EXPECT_EQ(group->GetItemState(0), cbUnchecked);
  group->SetItemChecked(0, true);  // code may still set it
  EXPECT_TRUE(group->GetItemChecked(0));
}

}  // namespace
