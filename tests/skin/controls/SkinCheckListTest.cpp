// The check list box (fresh items, the toggle cycle, the 20-pixel check
// column, states across a re-created window, a bad index, the check caption
// button, the height from RowCount) and the check combo box (its text, the
// drop-down's rows and side, checking while open, closing keys, cancel
// requests, posted clicks under the display server).
#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "skin/controls/checklists/SkinCheckComboBox.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct CheckHost {
  BoxForm host;
  TspSkinCheckListBox* list = host.Make<TspSkinCheckListBox>({10, 10, 160, 160});
  CheckHost() {
    for (const char* s : {"one", "two", "three"}) list->Items()->Add(s);
  }
  void PressAt(UINT msg, int x, int item) {
    TRect r = list->ListBox()->ItemRect(item);
    list->ListBox()->Perform(msg, msg == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(r.Left + x, r.Top + 5));
    list->ListBox()->Perform(msg + 1, 0, MAKELPARAM(r.Left + x, r.Top + 5));
  }
};

struct ComboHost {
  BoxForm host;
  TspSkinCheckComboBox* combo = host.Make<TspSkinCheckComboBox>({10, 10, 160, 30});
  String log;
  explicit ComboHost(int count = 3) {
    for (int i = 0; i < count; ++i) combo->Items()->Add(String(1, static_cast<char>('a' + i)));
    combo->OnChange = TNotifyEvent::Function([this](TObject*) { log += "change "; });
    combo->OnClick = TNotifyEvent::Function([this](TObject*) { log += "click "; });
    combo->OnCloseUp = TNotifyEvent::Function([this](TObject*) { log += "closeup "; });
    combo->OnDropDown = TNotifyEvent::Function([this](TObject*) { log += "dropdown "; });
  }
};

}  // namespace

TEST(SkinCheckListBox, FreshItemsAndABadIndex) {
  CheckHost h;
  EXPECT_FALSE(h.list->HaveWrapper(1));
  EXPECT_EQ(h.list->GetState(1), cbUnchecked);
  EXPECT_TRUE(h.list->GetItemEnabled(1));
  EXPECT_EQ(h.list->GetItemData(1), 0);
  EXPECT_FALSE(h.list->HaveWrapper(1)) << "reading makes no wrapper";
  EXPECT_THROW(h.list->GetChecked(7), EListError);
  EXPECT_THROW(h.list->SetState(-2, cbChecked), EListError);
  h.list->ToggleClickCheck(7);  // ignored
}

TEST(SkinCheckListBox, SpaceCyclesTheStates) {
  struct Case {
    bool allowGrayed, enabled;
    TCheckBoxState expected[3];
  };
  const Case cases[] = {{true, true, {cbGrayed, cbChecked, cbUnchecked}},
                        {false, true, {cbChecked, cbUnchecked, cbChecked}},
                        {true, false, {cbUnchecked, cbUnchecked, cbUnchecked}}};
  for (const Case& c : cases) {
    CheckHost h;
    int clicks = 0;
    h.list->OnClickCheck = TNotifyEvent::Function([&](TObject*) { ++clicks; });
    h.list->AllowGrayed = c.allowGrayed;
    h.list->SetItemEnabled(0, c.enabled);
    h.list->SetItemIndex(0);
    for (TCheckBoxState want : c.expected) {
      h.list->ListBox()->Perform(WM_CHAR, ' ', 0);
      EXPECT_EQ(h.list->GetState(0), want) << c.allowGrayed << c.enabled;
    }
    EXPECT_EQ(clicks, c.enabled ? 3 : 0);
  }
}

TEST(SkinCheckListBox, PressInTheTwentyPixelColumnToggles) {
  struct Case {
    UINT press;
    int x;
    bool toggles;
  };
  const Case cases[] = {{WM_LBUTTONDOWN, 19, true}, {WM_LBUTTONDOWN, 20, false}, {WM_RBUTTONDOWN, 5, true}};
  for (const Case& c : cases) {
    CheckHost h;
    h.PressAt(c.press, c.x, 1);
    EXPECT_EQ(h.list->GetChecked(1), c.toggles) << c.x;
  }
}

TEST(SkinCheckListBox, StatesSurviveARecreatedWindow) {
  CheckHost h;
  h.list->SetItemData(0, 42);
  h.list->SetState(1, cbGrayed);
  h.list->SetItemEnabled(2, false);
  h.list->ListBox()->RecreateWnd();
  h.list->ListBox()->HandleNeeded();
  EXPECT_EQ(h.list->GetItemData(0), 42);
  EXPECT_EQ(h.list->GetState(1), cbGrayed);
  EXPECT_FALSE(h.list->GetItemEnabled(2));
  EXPECT_EQ(h.list->Items()->Strings(2), "three");
}

TEST(SkinCheckListBox, CheckCaptionButtonAndRowCountHeight) {
  CheckHost h;
  h.list->SetCaptionMode(true);
  h.list->SetRowCount(5);
  EXPECT_EQ(h.list->Height(), 5 * 20 + 4 + 20);
  TPoint check = Centre(h.list->CaptionButtonRect(TspSkinCustomListBox::CheckCaptionButton));
  auto click = [&] {
    h.list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(check.X, check.Y));
    h.list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(check.X, check.Y));
  };
  click();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(h.list->GetChecked(i)) << "no current item: nothing";
  h.list->SetItemIndex(1);
  h.list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(check.X, check.Y));
  h.list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 60));
  EXPECT_FALSE(h.list->GetChecked(1)) << "a release away from the button does nothing";
  click();
  EXPECT_TRUE(h.list->GetChecked(1));
  int events = 0;
  h.list->OnCheckButtonClick = TNotifyEvent::Function([&](TObject*) { ++events; });
  click();
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(h.list->GetChecked(1)) << "with the event assigned only the event runs";
}

TEST(SkinCheckComboBox, TextJoinsTheCheckedCaptions) {
  ComboHost h;
  h.combo->SetChecked(1, true);
  h.combo->SetChecked(2, true);
  EXPECT_EQ(h.combo->Text(), "b,c");
  h.combo->SetChecked(1, false);
  h.combo->SetChecked(2, false);
  EXPECT_EQ(h.combo->Text(), "");
}

TEST(SkinCheckComboBox, DropDownRowsAndNothingWithoutItems) {
  {
    ComboHost h(0);
    h.combo->DropDown();
    EXPECT_FALSE(h.combo->IsPopupVisible());
    EXPECT_EQ(h.log, "");
  }
  ComboHost h(20);
  h.combo->SetDropDownCount(0);
  EXPECT_EQ(h.combo->DropDownCount(), 8) << "0 keeps the old count";
  h.combo->DropDown();
  ASSERT_TRUE(h.combo->IsPopupVisible());
  EXPECT_EQ(h.combo->ListBox()->RowCount(), 8);
  EXPECT_EQ(h.combo->ListBox()->Height(), h.combo->ListBox()->CalcHeight(8));
  TPoint below = h.combo->ClientToScreen(TPoint{0, h.combo->Height()});
  EXPECT_EQ(h.combo->ListBox()->BoundsRect().Top, below.Y);
}

TEST(SkinCheckComboBox, ReleaseOverAnItemTogglesAndKeepsTheListOpen) {
  ComboHost h;
  h.combo->DropDown();
  h.log.clear();
  TspListBox* inner = h.combo->ListBox()->ListBox();
  TRect item = inner->ItemRect(1);
  inner->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, item.Top + 3));
  inner->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, item.Top + 3));
  TPoint at = h.combo->ScreenToClient(inner->ClientToScreen(TPoint{5, item.Top + 3}));
  h.combo->Perform(WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
  EXPECT_TRUE(h.combo->GetChecked(1));
  EXPECT_EQ(h.combo->Text(), "b");
  EXPECT_EQ(h.log, "change click ");
  EXPECT_TRUE(h.combo->IsPopupVisible());
}

TEST(SkinCheckComboBox, ClosingKeysCancelRequestsAndDisabling) {
  ComboHost h;
  h.combo->SetFocus();
  h.combo->DropDown();
  h.log.clear();
  h.combo->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(h.combo->IsPopupVisible());
  EXPECT_EQ(h.log, "") << "Escape: no OnCloseUp";
  h.combo->DropDown();
  h.log.clear();
  h.combo->Perform(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(h.log, "closeup click ");
  h.combo->DropDown();
  h.combo->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(h.combo->ListBox()->ListBox()));
  EXPECT_TRUE(h.combo->IsPopupVisible()) << "its own list does not cancel it";
  h.combo->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(h.host.form));
  EXPECT_FALSE(h.combo->IsPopupVisible());
  h.log.clear();
  h.combo->SetEnabled(false);
  EXPECT_EQ(h.log, "change ");
}

// Driven by posted clicks: a click opens the list, a click in it checks an
// item and leaves it open, Enter accepts and closes, a click on the form's
// other control cancels.
TEST(SkinCheckComboBox, PostedClicksOpenCheckAcceptAndCancel) {
  ComboHost h;
  auto* other = h.host.Make<TspSkinCheckListBox>({200, 10, 300, 100});
  PostClick(h.combo, 20, 10);
  ASSERT_TRUE(PumpUntil([&] { return h.combo->IsPopupVisible(); }));
  TspListBox* inner = h.combo->ListBox()->ListBox();
  TRect item = inner->ItemRect(2);
  PostMouse(inner, WM_LBUTTONDOWN, 30, item.Top + 3, MK_LBUTTON);
  // The combo box holds the capture from the press, so the release reaches it.
  TPoint at = h.combo->ScreenToClient(inner->ClientToScreen(TPoint{30, item.Top + 3}));
  PostMouse(h.combo, WM_MOUSEMOVE, at.X, at.Y, MK_LBUTTON);
  PostMouse(h.combo, WM_LBUTTONUP, at.X, at.Y);
  ASSERT_TRUE(PumpUntil([&] { return h.combo->GetChecked(2); }));
  EXPECT_TRUE(h.combo->IsPopupVisible());
  PostKey(h.combo->Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !h.combo->IsPopupVisible(); }));
  EXPECT_NE(h.log.find("closeup"), String::npos);
  PostClick(h.combo, 20, 10);
  ASSERT_TRUE(PumpUntil([&] { return h.combo->IsPopupVisible(); }));
  h.combo->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(other));
  EXPECT_FALSE(h.combo->IsPopupVisible());
}
