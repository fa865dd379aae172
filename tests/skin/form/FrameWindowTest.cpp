// Window management of a skinned form: size limits, maximize and restore,
// minimized slots, roll-up, caption double-clicks and snapping to the work
// area's edges, against a fixed monitor.
#include <gtest/gtest.h>

#include <memory>

#include "skin/draw/SkinSystem.h"
#include "skin/form/SkinCaptionObject.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

const TRect kMonitor = {0, 0, 800, 600};
const TRect kWorkArea = {0, 0, 800, 560};

void FixMonitor(TspDynamicSkinForm* frame) {
  frame->MonitorArea = [](HWND, bool workArea) { return workArea ? kWorkArea : kMonitor; };
}

}  // namespace

TEST(FrameWindow, SizeLimits) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  struct Case {
    const char* what;
    Integer minWidth, minHeight, maxWidth;
    Integer wantMinW, wantMinH, wantMaxW;
  } cases[] = {
      {"from the skin", 0, 0, 0, 100, 29, 800},
      {"a larger minimum", 800, 580, 0, 800, 580, 800},
      {"a smaller minimum keeps the frame", 50, 10, 0, 100, 29, 800},
      {"a smaller maximum", 0, 0, 640, 100, 29, 640},
      {"a larger maximum is the monitor's", 0, 0, 2000, 100, 29, 800},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    f.frame->MinWidth = c.minWidth, f.frame->MinHeight = c.minHeight, f.frame->MaxWidth = c.maxWidth;
    EXPECT_EQ(f.frame->GetMinWidth(), c.wantMinW);
    EXPECT_EQ(f.frame->GetMinHeight(), c.wantMinH);
    EXPECT_EQ(f.frame->GetMaxWidth(), c.wantMaxW);
    EXPECT_EQ(f.frame->GetMaxHeight(), 560);
  }
  f.frame->MinWidth = f.frame->MinHeight = f.frame->MaxWidth = 0;
  skin.data.FormMinWidth = 150;
  EXPECT_EQ(f.frame->GetMinWidth(), 150);
  f.frame->MaximizeOnFullScreen = true;
  EXPECT_EQ(f.frame->GetMaxHeight(), 600);

  FrameForm plain(nullptr);
  EXPECT_EQ(plain.frame->GetMinWidth(), 130);
  EXPECT_EQ(plain.frame->GetMinHeight(), 25);
  plain.frame->MinHeight = 40;
  EXPECT_EQ(plain.frame->GetMinHeight(), 40);
  plain.frame->SetRollUpState(true);
  EXPECT_EQ(plain.frame->GetMinHeight(), 25) << "rolled up: the caption alone";
}

// The main window's limits: a form made at 400 x 300 grows to 800 x 580.
TEST(FrameWindow, MinimumSizeAppliedOnSkinChange) {
  FrameSkin skin;
  FrameForm f(nullptr, {10, 10, 410, 310});
  f.frame->MinWidth = 800;
  f.frame->MinHeight = 580;
  f.frame->SetSkinData(&skin.data);
  EXPECT_EQ(f.form->Width(), 800);
  EXPECT_EQ(f.form->Height(), 580);
}

TEST(FrameWindow, MaximizeAndRestore) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  const TRect before = f.form->BoundsRect();
  int maximized = 0, restored = 0;
  f.frame->OnMaximize = TNotifyEvent::Function([&](TObject*) { ++maximized; });
  f.frame->OnRestore = TNotifyEvent::Function([&](TObject*) { ++restored; });
  f.frame->SetWindowState(wsMaximized);
  EXPECT_EQ(f.form->BoundsRect(), kWorkArea);
  EXPECT_EQ(f.frame->RestoreBounds(), before);
  EXPECT_EQ(f.frame->NewNCHitTest(Point(1, 1)), HTOBJECT) << "no grips while maximized";
  f.frame->SetWindowState(wsNormal);
  EXPECT_EQ(f.form->BoundsRect(), before);
  EXPECT_TRUE(f.frame->RestoreBounds().IsEmpty());
  EXPECT_EQ(maximized, 1);
  EXPECT_EQ(restored, 1);
}

// A monitor without a taskbar that is the primary one: 1 px inside every edge.
TEST(FrameWindow, MaximizeOnAMonitorWithoutTaskbar) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  const TRect primary = GetPrimaryMonitorWorkArea(false);
  f.frame->MonitorArea = [primary](HWND, bool) { return primary; };
  f.frame->SetWindowState(wsMaximized);
  EXPECT_EQ(f.form->BoundsRect(), Rect(primary.Left + 1, primary.Top + 1, primary.Right - 1, primary.Bottom - 1));
}

// Minimized forms line up along the work area's bottom edge, each a caption
// bar of the minimum width; the next row starts when one no longer fits.
TEST(FrameWindow, MinimizedSlots) {
  FrameSkin skin;
  std::vector<std::unique_ptr<FrameForm>> forms;
  const TRect area = {0, 0, 350, 560};
  std::vector<TPoint> places;
  for (int i = 0; i < 4; ++i) {
    forms.push_back(std::make_unique<FrameForm>(&skin.data));
    FrameForm& f = *forms.back();
    f.frame->MonitorArea = [area](HWND, bool) { return area; };
    f.form->Show();
    f.frame->SetWindowState(wsMinimized);
    places.push_back(f.form->BoundsRect().TopLeft());
    EXPECT_EQ(f.form->Width(), 100);
    EXPECT_EQ(f.form->Height(), 29);
  }
  EXPECT_EQ(places[0], Point(0, 531));
  EXPECT_EQ(places[1], Point(100, 531));
  EXPECT_EQ(places[2], Point(200, 531));
  EXPECT_EQ(places[3], Point(0, 502));
  // Restoring gives the form its bounds back.
  forms[0]->frame->SetWindowState(wsNormal);
  EXPECT_EQ(forms[0]->form->BoundsRect(), Rect(100, 100, 300, 220));
}

// A minimum size of 0 still steps from place to place and ends: the first
// place is taken by another minimized form.
TEST(FrameWindow, MinimizedSlotsWithNoMinimumSize) {
  FrameSkin skin;
  const TRect area = {0, 0, 3, 3};
  FrameForm other(&skin.data);
  other.frame->MonitorArea = [area](HWND, bool) { return area; };
  other.form->Show();
  other.frame->SetWindowState(wsMinimized);
  other.form->SetBounds(0, 2, 100, 29);
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  auto* frame = new TspDynamicSkinForm(form);
  frame->SetSupportNCArea(false);  // client-area mode without a skin: minimum 0 x 0
  frame->MonitorArea = [area](HWND, bool) { return area; };
  ASSERT_EQ(frame->GetMinWidth(), 0);
  EXPECT_EQ(frame->GetMinimizeCoord(), Point(1, 2)) << "the search starts at (0, 3 - 1), taken";
  delete form;
}

TEST(FrameWindow, RollUpAndDoubleClickRules) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  const Integer height = f.form->Height();
  f.frame->SetRollUpState(true);
  EXPECT_EQ(f.form->Height(), 29) << "only the frame remains";
  EXPECT_EQ(f.frame->GetRealHeight(), height);
  EXPECT_EQ(f.frame->NewNCHitTest(Point(40, 10)), HTCAPTION);
  EXPECT_EQ(f.frame->NewNCHitTest(Point(198, 27)), HTOBJECT) << "no grips while rolled up";
  f.frame->CaptionDoubleClick();
  EXPECT_FALSE(f.frame->RollUpState()) << "a rolled-up form unrolls";
  EXPECT_EQ(f.form->Height(), height);

  struct Case {
    const char* what;
    bool sizeable;
    TspBorderIcons icons;
    bool rolledUp;
    TWindowState wantState;
    bool wantRolledUp;
  } cases[] = {
      {"sizeable with maximize: maximizes", true, biMaximize | biRollUp, false, wsMaximized, false},
      {"sizeable without maximize: rolls up", true, biRollUp, false, wsNormal, true},
      {"not sizeable: rolls up", false, biMaximize | biRollUp, false, wsNormal, true},
      {"without roll-up either: nothing", true, biSystemMenu, false, wsNormal, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameForm g(&skin.data);
    FixMonitor(g.frame);
    g.frame->Sizeable = c.sizeable;
    g.frame->SetBorderIcons(c.icons);
    g.frame->CaptionDoubleClick();
    EXPECT_EQ(g.frame->WindowState(), c.wantState);
    EXPECT_EQ(g.frame->RollUpState(), c.wantRolledUp);
  }
  // Maximized: a double-click restores.
  FrameForm g(&skin.data);
  FixMonitor(g.frame);
  g.frame->CaptionDoubleClick();
  ASSERT_EQ(g.frame->WindowState(), wsMaximized);
  g.frame->CaptionDoubleClick();
  EXPECT_EQ(g.frame->WindowState(), wsNormal);
}

// MagneticSize 10 and the work area's left at 0: 9 snaps, 10 does not; once
// snapped the window stays until the cursor has moved 11 px.
TEST(FrameWindow, MagneticSnapping) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  f.frame->Magnetic = true;
  TPoint cursor = {300, 300};
  f.frame->CursorPos = [&cursor] { return cursor; };
  auto move = [&](Integer left) {
    Integer l = left, t = 200;
    f.frame->DoMagnetic(l, t, 120, 200);
    return l;
  };
  EXPECT_EQ(move(10), 10);
  EXPECT_EQ(move(9), 0) << "snaps";
  cursor.X = 310;
  EXPECT_EQ(move(5), 0) << "10 px of cursor travel: stays";
  cursor.X = 311;
  EXPECT_EQ(move(6), 11) << "11 px: released where the drag would have taken it";
  EXPECT_EQ(move(300), 11) << "the release is followed by one move at the cursor";
  // The right edge: 800 - 200 = 600 is the snapped left.
  EXPECT_EQ(move(595), 600);
  // Through the window procedure: the proposed rectangle keeps the size.
  FrameForm g(&skin.data);
  FixMonitor(g.frame);
  g.frame->Magnetic = true;
  RECT r = {3, 200, 203, 320};
  g.form->Perform(WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right - r.left, g.form->Width());
}

// A maximized form cannot be moved.
TEST(FrameWindow, MaximizedFormDoesNotMove) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  f.frame->SetWindowState(wsMaximized);
  RECT r = {50, 50, 850, 610};
  f.form->Perform(WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
}

// Position in monitor: centred on the first show.
TEST(FrameWindow, PositionInMonitor) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  FixMonitor(f.frame);
  f.frame->PositionInMonitor = sppDesktopCenter;
  EXPECT_EQ(f.frame->GetPositionInMonitor(5, 5, 120, 200), Point(300, 220));
  f.frame->PositionInMonitor = sppScreenCenter;
  EXPECT_EQ(f.frame->GetPositionInMonitor(5, 5, 120, 200), Point(300, 240));
  f.form->Show();
  EXPECT_EQ(f.form->BoundsRect().TopLeft(), Point(300, 240));
}

// The fade rises by 10 whenever more than 5 ms passed, to the target, and
// drops the layered style at 255.
TEST(FrameWindow, FadeSteps) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  DWORD now = 1000;
  auto saved = SP_FadeClock;
  SP_FadeClock = [&now] { return now; };
  f.frame->AlphaBlendAnimation = true;
  f.frame->StartFade();
  HWND window = f.form->Handle();
  EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  int steps = 0;
  for (; steps < 100 && (::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED); ++steps) {
    now += 3;
    f.form->Perform(WM_TIMER, 1, 0);
  }
  EXPECT_EQ(steps, 52) << "26 rises of 10 (the last to 255), one every second tick of 3 ms";
  EXPECT_FALSE(::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  SP_FadeClock = saved;
}
