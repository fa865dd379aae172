// The status bar: the size grip and when the form allows it, simple mode and the
// panes it hides and gives back, pane scaling, and the classic client area.
#include <gtest/gtest.h>

#include <vector>

#include "framed/bars/RzStatusBar.h"
#include "framed/theme/RzThemeSrv.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedStatusBar : public FramedForm {
protected:
  TRzStatusBar* bar = nullptr;
  std::vector<WPARAM> sysCommands;  // WM_SYSCOMMAND the form received (and did not run)

  void SetUp() override {
    FramedForm::SetUp();
    bar = new TRzStatusBar(form);
    bar->SetParent(form);
    TWndMethod previous = form->WindowProc;
    form->WindowProc = TWndMethod::Function([this, previous](TMessage& message) {
      if (message.Msg == WM_SYSCOMMAND) return sysCommands.push_back(message.WParam);
      previous(message);
    });
  }
  TRzPanel* Pane(int width, TAlign align = alNone) {
    auto* pane = new TRzPanel(form);
    pane->SetParent(bar);
    pane->SetAlign(align);
    pane->SetWidth(width);
    return pane;
  }
};

TEST_F(FramedStatusBar, GripSizesASizeableFormFromItsCorner) {
  ShowForm();
  bar->ValidateSizeGrip();
  EXPECT_TRUE(bar->SizeGripAllowed());
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Width() - 13, 3));
  ASSERT_EQ(sysCommands.size(), 1u);
  EXPECT_EQ(sysCommands[0], 0xF008u);
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Width() - 14, 3));
  EXPECT_EQ(sysCommands.size(), 1u) << "left of the grip is no grip";

  form->SetWindowState(wsMaximized);
  PumpMessages();
  bar->ValidateSizeGrip();
  EXPECT_FALSE(bar->SizeGripAllowed());
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Width() - 5, 3));
  EXPECT_EQ(sysCommands.size(), 1u);
  form->SetWindowState(wsNormal);
  PumpMessages();
  bar->Repaint();
  EXPECT_TRUE(bar->SizeGripAllowed()) << "the next paint brings the grip back";

  form->SetBorderStyle(bsDialog);
  PumpMessages();
  bar->Repaint();
  EXPECT_FALSE(bar->SizeGripAllowed());
}

TEST_F(FramedStatusBar, SimpleModeGivesBackWhatEachPaneHad) {
  TRzPanel* shown = Pane(100, alLeft);
  TRzPanel* hidden = Pane(100, alLeft);
  hidden->SetVisible(false);
  bar->SetSimpleCaption("Ready");
  bar->SetSimpleStatus(true);
  EXPECT_FALSE(shown->Visible());
  EXPECT_FALSE(hidden->Visible());
  bar->SetSimpleStatus(false);
  EXPECT_TRUE(shown->Visible());
  EXPECT_FALSE(hidden->Visible()) << "a pane hidden before simple mode stays hidden";
}

TEST_F(FramedStatusBar, PanesScaleWithTheBar) {
  bar->SetAlign(alNone);
  bar->SetBounds(0, 0, 400, 19);
  TRzPanel* a = Pane(100);
  TRzPanel* b = Pane(300);
  bar->AutoScalePanes = true;
  bar->SetWidth(500);
  EXPECT_EQ(a->Width(), 125);
  EXPECT_EQ(b->Width(), 375);

  auto* fresh = new TRzStatusBar(form);
  fresh->SetParent(form);
  fresh->SetAlign(alNone);
  fresh->AutoScalePanes = true;
  fresh->SetBounds(0, 40, 0, 19);
  auto* pane = new TRzPanel(form);
  pane->SetParent(fresh);
  pane->SetWidth(50);
  fresh->SetWidth(200);
  EXPECT_EQ(pane->Width(), 50) << "no width before: nothing to scale by";

  bar->AutoScalePanes = false;
  bar->SetWidth(600);
  EXPECT_EQ(a->Width(), 125);
}

// Without visual styles the panes reach one pixel past the left, right and
// bottom edges and start one below the top; with them they fill the bar.
TEST_F(FramedStatusBar, PaneAreaFollowsTheDrawing) {
  TRzPanel* pane = Pane(10, alClient);
  ShowForm();
  EXPECT_EQ(bar->Height(), 19);
  const int w = bar->Width();
  const TRect expected = ThemeServices()->ThemesAvailable() ? Rect(0, 0, w, 19) : Rect(-1, 1, w + 1, 20);
  EXPECT_EQ(pane->BoundsRect(), expected);
}

}  // namespace
