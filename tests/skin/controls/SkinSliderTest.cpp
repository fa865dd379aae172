// The slider: offsets of values, the tick marks, snapping, the key jumps, ruler
// tracking every 400 ms on the skin clock, the range rules and orientation.
#include <gtest/gtest.h>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/bars/SkinSlider.h"
#include "skin/draw/SkinClock.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class SliderTest : public ::testing::Test {
protected:
  SliderTest() {
    slider = f.Make<TspSkinSlider>({10, 10, 160, 50});
    slider->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    slider->OnChanged = TNotifyEvent::Function([this](TObject*) { ++changed; });
  }
  FormFixture f;
  TspSkinSlider* slider = nullptr;
  int changes = 0, changed = 0;
};

}  // namespace

TEST_F(SliderTest, BuiltInPicturesLayTheElementsOut) {
  TBitmap* thumb = slider->Image(siHThumb);
  ASSERT_FALSE(thumb->Empty());  // the program's bitmaps are compiled in
  EXPECT_EQ(slider->Ruler()->Width(), 150 - 12);
  EXPECT_EQ(slider->GetRulerLength(), 138 - thumb->Width() / 2);
  EXPECT_EQ(slider->ThumbBounds().Left, 6);
  EXPECT_EQ(slider->RulerPos().X, 6);
}

TEST_F(SliderTest, OffsetsOfValuesAndValuesOfOffsets) {
  const Integer l = slider->GetRulerLength();
  struct Case {
    Integer value, offset;
  } cases[] = {{0, 6}, {100, 6 + l}, {50, 6 + RoundEven(l * 0.5)}, {25, 6 + RoundEven(l * 0.25)}};
  for (const Case& c : cases) {
    EXPECT_EQ(slider->GetOffsetByValue(c.value), c.offset) << c.value;
    EXPECT_EQ(slider->GetValueByOffset(c.offset), c.value) << c.offset;
  }
  EXPECT_EQ(slider->GetValueByOffset(-40), 0);
  EXPECT_EQ(slider->GetValueByOffset(4000), 100);
}

TEST_F(SliderTest, FifteenMarksForASixtyPixelTravel) {
  slider->SetIncrement(1);
  slider->SetBounds(10, 10, 12 + 60 + slider->Image(siHThumb)->Width() / 2, 40);
  ASSERT_EQ(slider->GetRulerLength(), 60);
  std::vector<Integer> marks = slider->PointValues(1);
  ASSERT_EQ(marks.size(), 15u);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(marks[i], 7 * i);
  EXPECT_EQ(marks[14], 100);
}

TEST_F(SliderTest, ADragSnapsToTheIncrementWithoutSmooth) {
  slider->SetOptions(slider->Options() & ~SliderOption(soSmooth));
  const TRect thumb = slider->ThumbBounds();
  slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.Left + 2, thumb.Top + 2));
  ASSERT_TRUE(slider->Sliding());
  Integer to = slider->GetOffsetByValue(33) + 2;
  slider->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to, thumb.Top + 2));
  EXPECT_EQ(slider->Value(), 30);
  slider->Perform(WM_LBUTTONUP, 0, MAKELPARAM(to, thumb.Top + 2));
  EXPECT_FALSE(slider->Sliding());
  EXPECT_EQ(changed, 1);
}

TEST_F(SliderTest, KeysJumpAndFireChanged) {
  f.form->Show();
  slider->SetValue(40);
  changes = 0;
  struct Step {
    Word key;
    Integer value;
  } steps[] = {{VK_END, 100}, {VK_HOME, 0}, {VK_RIGHT, 10}, {VK_RIGHT, 20}, {VK_LEFT, 10}, {VK_UP, 10}};
  for (const Step& s : steps) {
    Word key = s.key;
    slider->Perform(WM_KEYDOWN, key, 0);
    EXPECT_EQ(slider->Value(), s.value) << s.key;
  }
  EXPECT_EQ(changes, 5);  // Up does nothing on a horizontal slider
  EXPECT_EQ(changed, 5);
}

TEST_F(SliderTest, RulerTrackingStepsEvery400MillisecondsUntilThePointer) {
  f.form->Show();
  TspManualSkinClockScope clock;
  Integer target = slider->GetOffsetByValue(45);
  TPoint at{target + 3, slider->RulerPos().Y + 1};
  TPoint screen = slider->ClientToScreen(at);
  ::SetCursorPos(screen.X, screen.Y);  // the capture reports where the pointer is
  PostMouse(slider, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
  PumpMessages();
  EXPECT_TRUE(slider->RulerTracking());
  EXPECT_EQ(slider->Value(), 10);  // one step at once
  EXPECT_TRUE(clock.Clock().WindowTimerRuns(slider->Handle(), 1));
  clock.Clock().Advance(399);
  EXPECT_EQ(slider->Value(), 10);
  clock.Clock().Advance(1);
  EXPECT_EQ(slider->Value(), 20);
  clock.Clock().Advance(400 * 4);
  EXPECT_EQ(slider->Value(), 40);  // the thumb stops under the pointer
  PostMouse(slider, WM_LBUTTONUP, at.X, at.Y);
  PumpMessages();
  EXPECT_FALSE(slider->RulerTracking());
  EXPECT_EQ(changed, 1);
  clock.Clock().Advance(800);
  EXPECT_EQ(slider->Value(), 40);
}

TEST_F(SliderTest, RangeRulesAndOrientation) {
  slider->SetMaxValue(5);  // below MinValue + Increment
  EXPECT_EQ(slider->Increment(), 5);
  slider->SetMinValue(10);  // an inverted range is refused
  EXPECT_EQ(slider->MinValue(), 0);
  slider->SetIncrement(0);
  EXPECT_EQ(slider->Increment(), 5);
  slider->SetOrientation(soVertical);
  EXPECT_EQ(slider->Width(), 40);
  EXPECT_EQ(slider->Height(), 150);
  slider->SetValue(5);
  EXPECT_LT(slider->ThumbBounds().Top, slider->GetOffsetByValue(0));  // the maximum is at the top
  Word up = VK_UP;
  slider->SetValue(0);
  slider->Perform(WM_KEYDOWN, up, 0);
  EXPECT_EQ(slider->Value(), 5);
}

TEST_F(SliderTest, ARulerOfNoLengthGivesTheMinimum) {
  slider->SetBounds(10, 10, 8, 40);
  EXPECT_LE(slider->GetRulerLength(), 0);
  EXPECT_EQ(slider->GetValueByOffset(30), 0);
  slider->SetValue(70);
  EXPECT_EQ(slider->Value(), 70);
  auto image = Render(slider);  // paints without dividing by the ruler
  SUCCEED();
}
