// The tool bar's customisation window, driven under Xvfb with posted messages:
// the list of controls with their check marks, the move buttons, hiding at once,
// dragging inside the list with its scrolling near the edges, the text options,
// the place beside the bar and the names the list shows.
#include <gtest/gtest.h>

#include <memory>

#include "framed/bars/RzFrmCustomizeToolbar.h"
#include "framed/bars/RzSpacer.h"
#include "framed/bars/RzToolbar.h"
#include "framed/buttons/RzToolButton.h"
#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/lists/RzCheckList.h"
#include "platform/core/SysUtils.h"
#include "platform/stdctrls/Button.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

class ToolbarCustomize : public FramedForm {
protected:
  TManualClockScope clock;
  TRzToolbar* bar = nullptr;
  std::unique_ptr<TRzFrmCustomizeToolbar> window;

  void SetUp() override {
    FramedForm::SetUp();
    bar = new TRzToolbar(form);
    bar->SetName("Bar");
    bar->SetParent(form);
  }
  TRzSpacer* AddSpacer(const String& name) {
    auto* spacer = new TRzSpacer(form);
    spacer->SetName(name);
    spacer->SetWidth(25);
    spacer->SetParent(bar);
    return spacer;
  }
  void Open(bool showTextOptions = true) {
    ShowForm();
    window.reset(NewForm<TRzFrmCustomizeToolbar>(nullptr));
    window->SetToolbar(bar, form);
    window->Reposition();
    window->UpdateControls(bar->CustomizeCaptions(), showTextOptions);
    window->Show();
    ::SetForegroundWindow(window->Handle());
    PumpMessages();
  }
  TRzCheckList* List() const { return window->LstControls; }
  String Order() const {
    String names;
    for (int i = 0; i < bar->ToolbarControls()->Count(); ++i) names += bar->ToolbarControls()->Items(i)->ControlName + " ";
    return names;
  }
  void PostToList(UINT msg, int x, int y) {
    ::PostMessageA(List()->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    PumpMessages();
  }
};

TEST_F(ToolbarCustomize, ListsTheBarAndMovesItsControls) {
  for (const char* name : {"A", "B", "C"}) AddSpacer(name);
  bar->Controls(1)->SetVisible(false);
  Open();
  EXPECT_EQ(window->Caption(), "Customize Toolbar");
  EXPECT_EQ(window->BtnMoveUp->Caption(), "Move Up");
  ASSERT_EQ(List()->Items()->Count(), 3);
  EXPECT_TRUE(List()->GetItemChecked(0));
  EXPECT_FALSE(List()->GetItemChecked(1));
  EXPECT_EQ(List()->ItemIndex(), 0);
  EXPECT_FALSE(window->BtnMoveUp->Enabled());
  EXPECT_TRUE(window->BtnMoveDown->Enabled());

  ::PostMessageA(window->BtnMoveDown->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(Order(), "B A C ");
  EXPECT_EQ(List()->ItemIndex(), 1);
  EXPECT_FALSE(List()->GetItemChecked(0)) << "the check mark moves with its item";
  EXPECT_TRUE(window->BtnMoveUp->Enabled());
  ::PostMessageA(window->BtnMoveDown->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(Order(), "B C A ");
  EXPECT_FALSE(window->BtnMoveDown->Enabled());

  // Unchecking hides at once and the rest close up; checking shows it again.
  const int cLeft = bar->Controls(2)->Left();
  List()->SetItemIndex(2);
  List()->ToggleCheckState();
  EXPECT_FALSE(bar->Controls(0)->Visible());
  List()->ToggleCheckState();
  EXPECT_TRUE(bar->Controls(0)->Visible());
  EXPECT_EQ(bar->Controls(2)->Left(), cLeft);

  window->Update();
  CaptureWindow(window->Handle()).SaveBmp("framed_customize_toolbar.bmp");
}

TEST_F(ToolbarCustomize, DragNearTheEdgeScrollsAndTheDropMoves) {
  for (int i = 0; i < 16; ++i) AddSpacer("S" + IntToStr(i));
  Open();
  const int h = List()->ItemHeight();
  PostToList(WM_LBUTTONDOWN, 60, h / 2);
  PostToList(WM_MOUSEMOVE, 60, h + h / 2);
  EXPECT_EQ(List()->ItemIndex(), 1) << "the selection follows the pointer";
  PostToList(WM_MOUSEMOVE, 60, List()->ClientHeight() - 3);
  ASSERT_TRUE(window->ScrollTimer()->Enabled());
  EXPECT_FALSE(window->ScrollingUp());
  const int top = List()->TopIndex();
  clock.Clock().Advance(300);
  EXPECT_EQ(List()->TopIndex(), top + 3) << "one item every 100 ms";
  PostToList(WM_MOUSEMOVE, 60, 3);
  EXPECT_TRUE(window->ScrollingUp());
  clock.Clock().Advance(100);
  EXPECT_EQ(List()->TopIndex(), top + 2);
  PostToList(WM_MOUSEMOVE, 60, 2 * h + h / 2);
  EXPECT_FALSE(window->ScrollTimer()->Enabled());
  const int drop = List()->ItemIndex();
  PostToList(WM_LBUTTONUP, 60, 2 * h + h / 2);
  EXPECT_EQ(bar->ToolbarControls()->Items(drop)->ControlName, "S0");
  EXPECT_EQ(List()->ItemIndex(), drop);
  EXPECT_FALSE(window->ScrollTimer()->Enabled());
}

TEST_F(ToolbarCustomize, OneControlAndNone) {
  Open();
  EXPECT_EQ(List()->Items()->Count(), 0);
  EXPECT_FALSE(window->BtnMoveUp->Enabled());
  EXPECT_FALSE(window->BtnMoveDown->Enabled());
  EXPECT_EQ(List()->ItemIndex(), -1);

  AddSpacer("Only")->SetVisible(false);
  Open();
  ASSERT_EQ(List()->Items()->Count(), 1);
  EXPECT_FALSE(List()->GetItemChecked(0));
  EXPECT_FALSE(window->BtnMoveUp->Enabled());
  EXPECT_FALSE(window->BtnMoveDown->Enabled());
}

TEST_F(ToolbarCustomize, TextOptionsBoxAndItsAbsence) {
  bar->SetButtonWidth(30);
  ASSERT_EQ(bar->TextOptions(), ttoCustom);
  Open();
  EXPECT_EQ(window->CbxTextOptions->Items()->Count(), 3);
  EXPECT_EQ(window->CbxTextOptions->ItemIndex(), -1) << "custom options show no selection";
  window->CbxTextOptions->SetItemIndex(1);
  window->CbxTextOptionsClick(window->CbxTextOptions);
  EXPECT_EQ(bar->TextOptions(), ttoShowTextLabels);
  EXPECT_EQ(bar->ButtonWidth(), 60);

  Open(false);
  EXPECT_EQ(window->ClientHeight(), 237);
  EXPECT_FALSE(window->CbxTextOptions->Visible());
  EXPECT_FALSE(window->LblTextOptions->Visible());
}

TEST_F(ToolbarCustomize, PlacedAboveABottomBar) {
  bar->SetAlignProp(alBottom);
  Open();
  const TRect b = bar->BoundsRect();
  const TPoint p = form->ClientToScreen(TPoint{b.Left, b.Top - window->Height() - 5});
  int x = p.X + 15, y = p.Y + 25;
  const TRect desktop = GetDesktopClientRect();
  x = std::max(x, 0);
  if (x + window->Width() > desktop.Right) x = desktop.Right - window->Width();
  y = std::max(y, 0);
  if (y + window->Height() > desktop.Bottom) y = desktop.Bottom - window->Height();
  EXPECT_EQ(window->Left(), x);
  EXPECT_EQ(window->Top(), y);
}

// A bar that fills its parent has no edge to open beside: its centre anchors.
TEST_F(ToolbarCustomize, PlacedFromTheCentreOfAFillingBar) {
  bar->SetAlignProp(alClient);
  Open();
  const TRect b = bar->BoundsRect();
  const TPoint p = form->ClientToScreen(TPoint{b.Left + b.Width() / 2, b.Top + b.Height() / 2});
  const TRect desktop = GetDesktopClientRect();
  EXPECT_EQ(window->Left(), std::min(p.X + 15, desktop.Right - window->Width()));
  EXPECT_EQ(window->Top(), std::min(p.Y + 25, desktop.Bottom - window->Height()));
}

TEST_F(ToolbarCustomize, NamesTheListShows) {
  auto* captioned = new TRzToolButton(form);
  captioned->SetName("Captioned");
  captioned->SetParent(bar);
  captioned->SetCaption("Open");
  auto* hinted = new TRzToolButton(form);
  hinted->SetName("Hinted");
  hinted->SetParent(bar);
  hinted->SetCaption("");
  hinted->SetHint("Save the file");
  auto* named = new TRzToolButton(form);
  named->SetName("Named");
  named->SetParent(bar);
  named->SetCaption("");
  TRzSpacer* spacer = AddSpacer("Gap");
  spacer->SetHint("A hint");
  Open();
  ASSERT_EQ(List()->Items()->Count(), 4);
  EXPECT_EQ(List()->Items()->Strings(0), "Open");
  EXPECT_EQ(List()->Items()->Strings(1), "Save the file");
  EXPECT_EQ(List()->Items()->Strings(2), "Named");
  EXPECT_EQ(List()->Items()->Strings(3), "Spacer");
}

// Closes the customisation window once it is the active one, from a timer that
// runs inside its modal loop.
bool sawCustomizeWindow = false;

void CALLBACK CloseCustomizeWindow(HWND, UINT, UINT_PTR id, DWORD) {
  HWND active = ::GetActiveWindow();
  char title[64] = {};
  ::GetWindowTextA(active, title, sizeof title);
  if (String(title) != "Customize Toolbar") return;
  sawCustomizeWindow = true;
  ::KillTimer(nullptr, id);
  ::PostMessageA(active, WM_CLOSE, 0, 0);
}

// Customize shows the window modally; closing it keeps what was done.
TEST_F(ToolbarCustomize, CustomizeRunsModally) {
  AddSpacer("A");
  ShowForm();
  sawCustomizeWindow = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseCustomizeWindow);
  bar->Customize();
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(sawCustomizeWindow);
  EXPECT_EQ(bar->ToolbarControls()->Count(), 1);
}

}  // namespace
