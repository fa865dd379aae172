// The rapid-fire button and the spinner on the family's clock: first delay,
// repeat, the release step, ranges, vetoes, keys, wheel and hexadecimal text.
#include <gtest/gtest.h>

#include "framed/buttons/RzRapidFireButton.h"
#include "framed/buttons/RzSpinner.h"
#include "framed/common/RzClock.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedSpinner : public FramedForm {
protected:
  TManualClockScope clock;
  TRzSpinner* spinner = nullptr;
  int changes = 0;

  void SetUp() override {
    FramedForm::SetUp();
    spinner = Make<TRzSpinner>(Rect(8, 8, 88, 26));
    spinner->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    ShowForm();
  }
  void Down(int x) { spinner->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5)); }
  void Up(int x) { spinner->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, 5)); }
  static constexpr int kPlus = 75, kMinus = 5, kField = 40;
};

TEST_F(FramedSpinner, HoldingPlusRepeatsAfterTheFirstDelay) {
  Down(kPlus);
  EXPECT_EQ(spinner->Value(), 0) << "the press itself does not step";
  clock.Clock().Advance(399);
  EXPECT_EQ(spinner->Value(), 0);
  clock.Clock().Advance(1);
  EXPECT_EQ(spinner->Value(), 1);
  clock.Clock().Advance(300);
  EXPECT_EQ(spinner->Value(), 4);
  Up(kPlus);
  EXPECT_EQ(spinner->Value(), 5) << "and one more on the release";
  clock.Clock().Advance(1000);
  EXPECT_EQ(spinner->Value(), 5);
}

// A release steps only over the button its press began on.
TEST_F(FramedSpinner, ReleaseStepsOnlyOverThePressedButton) {
  struct Case {
    const char* name;
    int down, up, value;
  };
  for (const Case c : {Case{"plus to plus", kPlus, kPlus, 1}, Case{"field to plus", kField, kPlus, 0},
                       Case{"minus to plus", kMinus, kPlus, 0}, Case{"minus to minus", kMinus, kMinus, -1},
                       Case{"plus to field", kPlus, kField, 0}}) {
    spinner->SetMin(-100);
    spinner->SetValue(0);
    Down(c.down);
    Up(c.up);
    EXPECT_EQ(spinner->Value(), c.value) << c.name;
  }
}

TEST_F(FramedSpinner, RangesAndVetoes) {
  spinner->SetMin(5);
  spinner->SetMax(5);
  spinner->SetValue(100);
  EXPECT_EQ(spinner->Value(), 100) << "Min equal to Max is no range";
  spinner->SetCheckRange(true);
  EXPECT_EQ(spinner->Value(), 5);

  spinner->SetMax(50);
  spinner->SetValue(40);
  spinner->SetMax(3);
  EXPECT_EQ(spinner->Min(), 3);
  EXPECT_EQ(spinner->Value(), 3);

  spinner->SetMax(100);
  changes = 0;
  spinner->OnChanging = TRzSpinnerEvent::Function([](TObject*, int, bool& allow) { allow = false; });
  spinner->SetValue(20);
  EXPECT_EQ(spinner->Value(), 3);
  EXPECT_EQ(changes, 0);
}

TEST_F(FramedSpinner, KeysWheelAndHexText) {
  spinner->SetMax(1000);
  struct Case {
    Word key;
    int delta;
  };
  for (const Case c : {Case{VK_PRIOR, 10}, Case{VK_NEXT, -10}, Case{VK_UP, 1}, Case{VK_RIGHT, 1}, Case{VK_ADD, 1},
                       Case{VK_LEFT, -1}, Case{VK_DOWN, -1}, Case{VK_SUBTRACT, -1}}) {
    spinner->SetValue(500);
    spinner->Perform(WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(spinner->Value(), 500 + c.delta) << "key " << c.key;
  }
  spinner->SetValue(500);
  spinner->Perform(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 120), 0);
  EXPECT_EQ(spinner->Value(), 510);
  spinner->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(spinner->Value(), 509);

  spinner->SetValue(255);
  spinner->SetShowHexValue(true);
  EXPECT_EQ(spinner->DisplayText(), "$FF");
}

TEST_F(FramedSpinner, RapidFireRepeatsOnlyWhileHeld) {
  auto* button = Make<TRzRapidFireButton>(Rect(100, 8, 125, 33));
  int clicks = 0;
  button->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PumpMessages();
  clock.Clock().Advance(300);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
  PumpMessages();
  clock.Clock().Advance(1000);
  EXPECT_EQ(clicks, 1) << "released before the first delay: one ordinary click";

  clicks = 0;
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PumpMessages();
  clock.Clock().Advance(400);
  EXPECT_EQ(clicks, 1);
  clock.Clock().Advance(200);
  EXPECT_EQ(clicks, 3);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
  PumpMessages();
  EXPECT_EQ(clicks, 4);

  button->SetScrollStyle(scsUp);
  EXPECT_EQ(button->Glyph()->Width(), 9);
  EXPECT_EQ(button->Glyph()->Height(), 6);
}

}  // namespace
