// The popup panel under Xvfb, driven by posted messages: where the pop-up opens,
// what closes it and what it answers, where keys go, where the focus returns, and
// that a pop-up is freed once even when its panel goes while a close is pending.
#include <gtest/gtest.h>

#include <functional>

#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/Messages.h"
#include "platform/core/LocaleSettings.h"
#include "platform/stdctrls/Edit.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/PopupJobs.h"

namespace {

class FramedPopup : public FramedForm {
protected:
  void SetUp() override {
    FramedForm::SetUp();
    jobs = Make<TJobWindow>({0, 0, 1, 1});
    anchor = Make<TRzPanel>({20, 20, 120, 24});
    panel = Make<TRzPopupPanel>({0, 0, 100, 100});
    calendar = new TRzCalendar(panel);
    calendar->SetParent(panel);
    calendar->InPopup = true;
    calendar->SetFirstDayOfWeek(fdowMonday);
  }

  TLocaleOverride locale{TLocaleSettings::English()};
  TNowOverride today{EncodeDate(2008, 8, 8)};
  TJobWindow* jobs = nullptr;
  TRzPanel* anchor = nullptr;
  TRzPopupPanel* panel = nullptr;
  TRzCalendar* calendar = nullptr;
  TPopupRescue rescue;
};

}  // namespace

TEST_F(FramedPopup, PlacementFollowsAlignmentAndTheWorkArea) {
  const TRect work(0, 0, 1280, 1000);
  struct Case {
    TRect control;
    int width, height;
    TAlignment alignment;
    int left, top;
  } cases[] = {
      {{300, 200, 420, 224}, 200, 150, taRightJustify, 220, 224},  // right edges line up
      {{300, 200, 420, 224}, 200, 150, taLeftJustify, 300, 224},
      {{300, 200, 420, 224}, 200, 150, taCenter, 260, 224},
      {{300, 876, 420, 900}, 200, 150, taRightJustify, 220, 726},   // 100 pixels below: opens above
      {{1200, 200, 1270, 224}, 200, 150, taLeftJustify, 1080, 224},  // kept inside on the right
      {{10, 200, 60, 224}, 200, 150, taRightJustify, 0, 224},         // and on the left
      {{300, 10, 420, 34}, 200, 990, taLeftJustify, 300, 0},          // too tall either way: at the top
  };
  for (const Case& k : cases) {
    const TPoint at = TRzPopup::Placement(k.control, k.width, k.height, k.alignment, work);
    EXPECT_EQ(at.X, k.left) << k.control.Left << "," << k.control.Top;
    EXPECT_EQ(at.Y, k.top) << k.control.Left << "," << k.control.Top;
  }
}

TEST_F(FramedPopup, OpensUnderTheControlOrAboveItNearTheBottom) {
  ShowForm();
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  TRect shown;
  auto watch = [&] {
    jobs->Post([&] {
      RECT r;
      ::GetWindowRect(panel->PopupWindow()->Handle(), &r);
      shown = TRect(r.left, r.top, r.right, r.bottom);
      panel->Close();
    });
  };
  watch();
  ASSERT_TRUE(panel->Popup(anchor));
  RECT a;
  ::GetWindowRect(anchor->Handle(), &a);
  EXPECT_EQ(shown.Right, a.right);
  EXPECT_EQ(shown.Top, a.bottom);
  EXPECT_EQ(shown.Width(), panel->Width());
  // The anchor's bottom 100 pixels above the work area's bottom: the pop-up opens above it.
  const TPoint origin = form->ClientToScreen(Point(0, 0));
  form->SetTop(form->Top() + (work.bottom - 100) - a.bottom);
  ::GetWindowRect(anchor->Handle(), &a);
  ASSERT_EQ(a.bottom, work.bottom - 100) << origin.Y;
  ASSERT_GT(panel->Height(), 100);
  watch();
  ASSERT_TRUE(panel->Popup(anchor));
  EXPECT_EQ(shown.Bottom, a.top);
}

TEST_F(FramedPopup, WhatEndsThePopupAndWhatItAnswers) {
  ShowForm();
  int outsidePresses = 0;
  anchor->OnMouseDown = TMouseEvent::Function([&](TObject*, TMouseButton, TShiftState, int, int) { ++outsidePresses; });
  struct Case {
    const char* what;
    std::function<void()> act;
    bool answer;
  } cases[] = {
      {"Escape", [&] { ::PostMessageA(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }, false},
      {"a click outside", [&] { PostMouse(anchor, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON); }, false},
      {"another application", [&] { ::PostMessageA(form->Handle(), WM_ACTIVATEAPP, FALSE, 0); }, false},
      {"Close", [&] { panel->Close(); }, true},
      {"a child's click bound to Close",
       [&] {
         const TPoint mid = Point(calendar->Width() / 2, calendar->Height() / 2);
         const TPoint s = calendar->ClientToScreen(mid);
         calendar->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));  // the mouse is over a day
         PostClick(calendar, mid.X, mid.Y);
       },
       true},
  };
  calendar->OnClick = TNotifyEvent(panel, &TRzPopupPanel::Close);
  calendar->SetElements(0);  // the whole grid: a click anywhere is a day
  for (const Case& k : cases) {
    PumpMessages();  // what ended the last pop-up and stayed queued goes to the form, as in the program
    int opened = 0, closed = 0;
    panel->OnPopup = TNotifyEvent::Function([&](TObject*) { ++opened; });
    panel->OnClose = TNotifyEvent::Function([&](TObject*) { ++closed; });
    jobs->Post(k.act);
    EXPECT_EQ(panel->Popup(anchor), k.answer) << k.what;
    EXPECT_FALSE(panel->Active()) << k.what;
    EXPECT_EQ(opened, 1) << k.what;
    EXPECT_EQ(closed, 1) << k.what;
    EXPECT_EQ(calendar->Parent(), panel) << "the children are back: " << k.what;
    EXPECT_EQ(TRzPopup::LiveCount(), 0) << k.what;
  }
  PumpMessages();
  EXPECT_EQ(outsidePresses, 0) << "the click that closed the pop-up never landed";
}

TEST_F(FramedPopup, ASecondPopupAnswersFalseAtOnce) {
  ShowForm();
  bool second = true;
  jobs->Post([&] {
    second = panel->Popup(anchor);
    panel->Close();
  });
  EXPECT_TRUE(panel->Popup(anchor));
  EXPECT_FALSE(second);
}

TEST_F(FramedPopup, KeysReachTheFirstEnabledWindowedChildAndTheFocusReturns) {
  auto* disabled = new TRzPanel(panel);
  disabled->SetParent(panel);  // after the calendar: first in the pop-up's reversed order
  disabled->SetEnabled(false);
  auto* edit = Make<TEdit>({20, 100, 120, 122});
  ShowForm();
  edit->SetFocus();
  calendar->SetDate(EncodeDate(2008, 8, 8));
  TControl* active = nullptr;
  jobs->Post([&] {
    active = panel->PopupWindow()->ActiveControl();
    ::PostMessageA(form->Handle(), WM_KEYDOWN, VK_RIGHT, 0);  // meant for another window
    jobs->Post([&] { panel->Close(); });
  });
  EXPECT_TRUE(panel->Popup(anchor));
  EXPECT_EQ(active, calendar);
  EXPECT_EQ(calendar->Date(), EncodeDate(2008, 8, 9)) << "the arrow moved the calendar's date";
  EXPECT_EQ(::GetFocus(), edit->Handle());
  EXPECT_EQ(panel->ControlCount(), 2);
  EXPECT_EQ(panel->Controls(0), calendar) << "the panel's order is kept";
  EXPECT_FALSE(form->AutoRangeDisabled());
}

TEST_F(FramedPopup, APanelDestroyedWithACloseWaitingFreesThePopupOnce) {
  ShowForm();
  jobs->Post([&] {
    panel->Close();  // WM_CLOSEPOPUP is now waiting
    delete panel;
    panel = nullptr;
  });
  TRzPopupPanel* doomed = panel;
  EXPECT_FALSE(doomed->Popup(anchor));
  EXPECT_EQ(TRzPopup::LiveCount(), 0);
  PumpMessages();  // the waiting close finds no pop-up
  EXPECT_EQ(TRzPopup::LiveCount(), 0);
  EXPECT_FALSE(form->AutoRangeDisabled());
}
