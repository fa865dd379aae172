// The skin clock seam and the control fixture: manual time fires timer objects
// and window timers in time order; the generated skin names a colour per piece.
#include <gtest/gtest.h>

#include "skin/draw/SkinClock.h"
#include "tests/skin/controls/ControlFixture.h"

TEST(SkinClock, ManualTimersAndWindowTimersFireInTimeOrder) {
  TspManualSkinClockScope scope;
  TspManualSkinClock& clock = scope.Clock();
  std::vector<String> fired;
  auto timer = SkinClock().MakeTimer();
  timer->OnTimer = TNotifyEvent::Function([&](TObject*) { fired.push_back("fade"); });
  timer->SetInterval(20);
  timer->SetEnabled(true);

  FormFixture f;
  struct Catcher : TCustomControl {
    using TCustomControl::TCustomControl;
    std::vector<String>* log = nullptr;
    void WndProc(TMessage& m) override {
      if (m.Msg == WM_TIMER) log->push_back("window " + std::to_string(m.WParam));
      TCustomControl::WndProc(m);
    }
  };
  auto* catcher = f.Make<Catcher>({0, 0, 10, 10});
  catcher->log = &fired;
  SkinClock().SetWindowTimer(catcher->Handle(), 1, 30);

  clock.Advance(60);
  EXPECT_EQ(fired, (std::vector<String>{"fade", "window 1", "fade", "fade", "window 1"}));
  EXPECT_EQ(clock.TickCount(), 60u);
  SkinClock().KillWindowTimer(catcher->Handle(), 1);
  EXPECT_FALSE(clock.WindowTimerRuns(catcher->Handle(), 1));
  timer.reset();
  EXPECT_EQ(clock.LiveTimers(), 0);
}

TEST(ControlFixture, RecordsReadFromLinesOverZonePicture) {
  TestSkin skin;
  auto* button = skin.Add<TspDataSkinButtonControl>("button", "btn",
                                                    "skinrect=0,0,30,20;activeskinrect=30,0,60,20;fontcolor=255");
  skin.Finish();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->activeskinrect, Rect(30, 0, 60, 20));
  EXPECT_EQ(button->fontcolor, 255);
  EXPECT_EQ(button->pictureindex, 0);
  EXPECT_EQ(skin.data.GetControlIndex("btn"), 0);
  EXPECT_FALSE(skin.data.Empty);
  EXPECT_NE(skin.ColorOf("btn", "skinrect"), skin.ColorOf("btn", "activeskinrect"));
  EXPECT_EQ(PixelOf(skin.Picture(), 40, 5), skin.ColorOf("btn", "activeskinrect"));
  EXPECT_EQ(PixelOf(skin.Picture(), 30, 19), clFuchsia);  // the piece's transparent corner
}
