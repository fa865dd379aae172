// The frame-picture controls and the animated gauge: frames of the switch and
// the animate on the skin clock, the frame of a gauge value, the regulator's
// drag, the default looks, and the strips that give no step.
#include <gtest/gtest.h>

#include "platform/controls/Messages.h"
#include "skin/controls/bars/SkinAnimateGauge.h"
#include "skin/controls/frames/FrameSkinControl.h"
#include "skin/draw/SkinClock.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

// A horizontal strip of `frames` frames of 10 x 10.
TestSkin& StripSkin(TestSkin& skin, const char* type, const char* name, int frames) {
  skin.Add(type, name, "skinrect=0,0," + std::to_string(frames * 10) + ",10;framescount=" + std::to_string(frames));
  return skin;
}

}  // namespace

TEST(SkinSwitch, TwoFramesJumpMoreFramesStepOnTheClock) {
  TspManualSkinClockScope clock;
  TestSkin skin;
  StripSkin(skin, "switch", "two", 2);
  StripSkin(skin, "switch", "five", 5);
  skin.Finish();
  FormFixture f;
  auto* two = f.Make<TspSkinSwitch>({0, 0, 25, 50});
  two->SkinDataName = "two";
  two->SetSkinData(&skin.data);
  EXPECT_EQ(two->Width(), 10);  // the frame's size
  int changes = 0;
  two->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  two->SetState(swOn);
  EXPECT_EQ(two->Frame(), 2);
  EXPECT_FALSE(two->Animating());
  two->SetState(swOn);
  EXPECT_EQ(changes, 2);  // also for an unchanged state
  auto* five = f.Make<TspSkinSwitch>({30, 0, 55, 50});
  five->SkinDataName = "five";
  five->SetSkinData(&skin.data);
  five->SetState(swOn);
  std::vector<Integer> frames{five->Frame()};
  for (int i = 0; i < 5; ++i) {
    clock.Clock().Advance(50);
    frames.push_back(five->Frame());
  }
  EXPECT_EQ(frames, (std::vector<Integer>{1, 2, 3, 4, 5, 5}));
  EXPECT_FALSE(five->Animating());
  five->SetState(swOff);
  clock.Clock().Advance(50 * 5);
  EXPECT_EQ(five->Frame(), 1);
}

TEST(SkinAnimate, CycleModeLoopsOtherwiseItStops) {
  TspManualSkinClockScope clock;
  TestSkin skin;
  StripSkin(skin, "animate", "anim", 3);
  skin.Finish();
  FormFixture f;
  for (bool cycle : {true, false}) {
    auto* a = f.Make<TspSkinAnimate>({0, 0, 50, 50});
    a->SkinDataName = "anim";
    a->SetSkinData(&skin.data);
    a->CycleMode = cycle;
    int stops = 0;
    a->OnStop = TNotifyEvent::Function([&](TObject*) { ++stops; });
    a->SetActive(true);
    std::vector<Integer> frames;
    for (int i = 0; i < 5; ++i) {
      clock.Clock().Advance(50);
      frames.push_back(a->Frame());
    }
    std::vector<Integer> expected = cycle ? std::vector<Integer>{2, 3, 1, 2, 3} : std::vector<Integer>{2, 3, 3, 3, 3};
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(stops, cycle ? 0 : 1);
    delete a;
  }
}

TEST(SkinFrameGauge, ValueFrames) {
  struct Case {
    Integer frames, min, max, value, frame;
  } cases[] = {
      {11, 0, 100, 50, 6}, {11, 0, 100, 100, 11}, {11, 0, 100, 0, 1},
      {1, 0, 100, 70, 1},  // one frame
      {11, 0, 5, 4, 1},    // a range smaller than the steps gives no step
  };
  for (const Case& c : cases)
    EXPECT_EQ(ValueFrame(c.value, c.min, c.max, c.frames), c.frame) << c.frames << " frames, value " << c.value;
  TestSkin skin;
  StripSkin(skin, "framegauge", "fg", 11);
  skin.Finish();
  FormFixture f;
  auto* gauge = f.Make<TspSkinFrameGauge>({0, 0, 50, 50});
  gauge->SkinDataName = "fg";
  gauge->SetSkinData(&skin.data);
  EXPECT_EQ(gauge->Frame(), 6);
  gauge->SetValue(100);
  EXPECT_EQ(gauge->Frame(), 11);
  gauge->SetValue(140);  // outside the range: ignored
  EXPECT_EQ(gauge->Value(), 100);
}

TEST(SkinFrameGauge, ADefaultImageOfOneFrameShowsFrameOne) {
  FormFixture f;
  auto* gauge = f.Make<TspSkinFrameGauge>({0, 0, 50, 50});
  TBitmap picture(20, 20);
  gauge->SetDefaultFramesCount(1);
  gauge->SetDefaultImage(&picture);
  gauge->SetValue(80);
  EXPECT_EQ(gauge->Frame(), 1);
  EXPECT_EQ(gauge->Width(), 20);
}

TEST(SkinFrameRegulator, DragStepsOncePerMoveAndIgnoresOutsideValues) {
  TestSkin skin;
  skin.Add("frameregulator", "reg", "skinrect=0,0,110,10;framescount=11;kind=rkhorizontal");
  skin.Finish();
  FormFixture f;
  auto* reg = f.Make<TspSkinFrameRegulator>({0, 0, 50, 50});
  reg->SkinDataName = "reg";
  reg->SetSkinData(&skin.data);
  EXPECT_EQ(reg->Kind, rkHorizontal);
  int changes = 0;
  reg->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  reg->SetValue(150);
  EXPECT_EQ(changes, 0);
  reg->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 5));
  reg->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 5));  // several pixel steps in one move
  EXPECT_EQ(reg->Value(), 60);
  EXPECT_EQ(changes, 1);
  reg->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 5));
  EXPECT_EQ(reg->Value(), 50);
  reg->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 5));
  reg->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
  EXPECT_EQ(reg->Value(), 50);
}

TEST(SkinFrameRegulator, AnglesClockwiseFromBelowAndNoneAtTheCentre) {
  FormFixture f;
  auto* reg = f.Make<TspSkinFrameRegulator>({0, 0, 50, 50});
  struct Case {
    int x, y, angle;
  } cases[] = {{25, 45, 0}, {5, 25, 90}, {25, 5, 180}, {45, 25, 270}, {25, 25, -1}};
  for (const Case& c : cases) EXPECT_EQ(reg->GetRoundValue(c.x, c.y), c.angle) << c.x << "," << c.y;
}

TEST(SkinFrameControls, WithoutARecordOrPictureAFlatBox) {
  TestSkin skin;
  skin.Add("framegauge", "nopicture", "skinrect=0,0,20,10;framescount=2;pictureindex=9");
  skin.Finish();
  FormFixture f;
  auto* gauge = f.Make<TspSkinFrameGauge>({0, 0, 50, 50});
  gauge->SkinDataName = "nopicture";
  gauge->SetSkinData(&skin.data);
  gauge->SetValue(90);
  EXPECT_EQ(gauge->Frame(), 1);
  auto image = Render(gauge);
  EXPECT_EQ(PixelOf(*image, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(*image, 20, 20), ColorToRGB(clBtnFace));
}

TEST(SkinAnimateGauge, DefaultRunSweepCountAndNarrowPictures) {
  TspManualSkinClockScope clock;
  FormFixture f;
  auto* plain = f.Make<TspSkinAnimateGauge>({0, 0, 100, 20});
  plain->SetAnimationPause(300);
  plain->StartAnimation();
  EXPECT_TRUE(plain->DefaultAnimation());
  EXPECT_EQ(plain->AnimationFrames(), 15);
  clock.Clock().Advance(40 * 3);
  EXPECT_EQ(plain->AnimationFrame(), 3);
  clock.Clock().Advance(40 * 13);
  EXPECT_EQ(plain->AnimationFrame(), 0);  // the run ended; the pause runs
  clock.Clock().Advance(300);
  EXPECT_EQ(plain->AnimationFrame(), 0);
  clock.Clock().Advance(40);
  EXPECT_EQ(plain->AnimationFrame(), 1);
  plain->StopAnimation();
  EXPECT_FALSE(plain->AnimationRunning());
  TestSkin skin;
  skin.Add("gauge", "sweep",
           "skinrect=0,0,100,20;progressarea=2,2,98,18;progressrect=0,30,20,46;animationskinrect=0,50,30,66;"
           "animationcountframes=1;animationtimerinterval=30");
  skin.Add("gauge", "thin", "skinrect=0,0,100,20;progressarea=2,2,98,18;animationskinrect=0,50,2,66;animationcountframes=1");
  skin.Finish();
  auto* sweep = f.Make<TspSkinAnimateGauge>({0, 30, 100, 50});
  sweep->SkinDataName = "sweep";
  sweep->SetSkinData(&skin.data);
  sweep->StartAnimation();
  EXPECT_EQ(sweep->AnimationFrames(), (96 + 60) / 10);
  sweep->SkinDataName = "thin";
  sweep->ChangeSkinData();
  EXPECT_EQ(sweep->SweepFrameCount(), (96 + 4) / 1);  // a 2-pixel picture steps 1 pixel
  clock.Clock().Advance(200);
  Render(sweep);
}
