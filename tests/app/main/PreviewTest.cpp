// The preview: the size a frame is shown at, chapter stepping, jumping, the
// picture and volume controls, storing them into the task, the prompt's keys,
// and frames turned into the picture through the media engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "app/DVDConvertTask.h"
#include "app/KelvaneSettings.h"
#include "app/MediaEngineLib.h"
#include "app/main/FormRegistrations.h"
#include "app/main/FrameRenderer.h"
#include "app/main/MainFrm.h"
#include "app/main/PreviewPromptFrm.h"
#include "app/main/ResourceFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/io/IniFiles.h"
#include "platform/core/Lists.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/app/main/BuiltMediaEngine.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowPump.h"

namespace {

TEST(PreviewFrameSize, UnsqueezesAndFitsIntoThePicture) {
  struct Case {
    const char* name;
    int width, height;
    double aspect;
    bool unsqueeze;
    int imageWidth, imageHeight;
    int expectedWidth, expectedHeight;
  } cases[] = {
      {"16:9 unsqueezed, room enough", 720, 480, 16.0 / 9, true, 1000, 1000, 852, 480},
      {"16:9 unsqueezed into 400 x 300", 720, 480, 16.0 / 9, true, 400, 300, 400, 224},
      {"plain, smaller than the picture", 720, 480, 16.0 / 9, false, 1000, 1000, 720, 480},
      {"plain, fitted by height", 720, 576, 4.0 / 3, false, 800, 288, 360, 288},
      {"4:3 PAL unsqueezed", 720, 576, 4.0 / 3, true, 2000, 2000, 768, 576},
      {"narrow aspect widens the height", 720, 576, 1.0, true, 2000, 2000, 720, 720},
  };
  for (const Case& c : cases) {
    TSize size = PreviewFrameSize(c.width, c.height, c.aspect, c.unsqueeze, c.imageWidth, c.imageHeight);
    EXPECT_EQ(size.cx, c.expectedWidth) << c.name;
    EXPECT_EQ(size.cy, c.expectedHeight) << c.name;
  }
}

TEST(PreviewFrameSize, AnAspectThatCannotDivideIsTheFramesOwn) {
  for (double aspect : {0.0, -1.0, std::nan("")}) EXPECT_DOUBLE_EQ(UsableAspect(aspect, 720, 480), 1.5);
  EXPECT_DOUBLE_EQ(UsableAspect(16.0 / 9, 720, 480), 16.0 / 9);
}

TEST(PreviewChapters, StepsFromThePosition) {
  TitleInfo title{};
  title.Duration = 30;
  title.ChapterCount = 3;
  title.ChapterDurations[0] = title.ChapterDurations[1] = title.ChapterDurations[2] = 10;
  struct Case {
    double position;
    int step, expected;
  } cases[] = {
      {5, -1, 0},   // inside chapter 0: back stays at 0
      {15, -1, 0},  // inside chapter 1: back to 0
      {15, 1, 2},   // on to 2
      {25, 1, 2},   // inside the last: on stays at the last
      {35, 1, 0},   // past the end: chapter 0
      {35, -1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChapterStepTarget(title, c.position, c.step), c.expected) << c.position << " " << c.step;
  title.ChapterCount = 100000;  // a hostile count reads no further than the record's table
  EXPECT_LT(ChapterStepTarget(title, 1e12, 1), int(kMaxChapters));
}

TEST(PreviewJump, StaysBeforeTheEndAndNeverBelowZero) {
  EXPECT_DOUBLE_EQ(JumpTarget(99 * 3600 + 59 * 60 + 59, 3600), 3599);
  EXPECT_DOUBLE_EQ(JumpTarget(120, 3600), 120);
  EXPECT_DOUBLE_EQ(JumpTarget(0, 0.5), 0);
}

DiscEngine* theEngine = nullptr;
DiscEngine* MakeEngine() { return theEngine; }

class Preview : public ::testing::Test {
protected:
  void SetUp() override {
    UseProgramFormDefinitions();
    GetSettings()->DefaultOutputFolder = folder.Path() + "Output\\";
    ResourceForm = NewForm<TResourceForm>(nullptr);
    engine.Titles = {FakeTitle(3600, {{0, "English"}, {0, "French"}}, 1, {{"German", 1}})};
    engine.Titles[0].ChapterCount = 3;
    for (int i = 0; i < 3; ++i) engine.Titles[0].ChapterDurations[i] = 1200;
    theEngine = &engine;
    SetDiscEngineFactory(&MakeEngine);
    form.reset(NewForm<TMainForm>(nullptr));
    form->LoadTitles(folder.Path(), skDVDFolder);
    task = form->CurrentTask;
  }
  void TearDown() override {
    form.reset();
    FreeDiscEngine();
    SetDiscEngineFactory(nullptr);
    delete ResourceForm;
    ResourceForm = nullptr;
  }
  TempProgramFolder folder;
  FakeDiscEngine engine;
  SystemCallsGuard calls;
  std::unique_ptr<TMainForm> form;
  DVDConvertTask* task = nullptr;
};

TEST_F(Preview, ShowsTheTasksValuesAndOpensItInTheEngine) {
  ASSERT_NE(task, nullptr);
  task->LuminanceGain = 200;
  task->Volume = 1.5;
  task->AudioStream = 1;
  task->PreviewPosition = 61.5;
  form->UpdatePreviewControls(task);
  EXPECT_EQ(form->tbLuminanceGain->Value(), 200);
  EXPECT_EQ(form->edtLuminanceGain->Value(), 200);
  EXPECT_EQ(form->tbVolume->Value(), 15);
  EXPECT_EQ(form->edtVolume->Value(), 50);
  EXPECT_EQ(form->tbPreview->MaxValue(), 3600000);
  EXPECT_EQ(form->tbPreview->Value(), 61500);
  EXPECT_TRUE(form->btnPlay->Enabled());
  EXPECT_EQ(engine.Gain, -1) << "showing a task sends nothing to the engine";

  form->OpenedTask = nullptr;
  form->OpenTaskForPreview(task, false);
  EXPECT_EQ(engine.AudioStream, 1);
  EXPECT_EQ(engine.Gain, 200);
  EXPECT_DOUBLE_EQ(engine.Volume, 1.5) << "the task's unit, 3.0 for normal";
  EXPECT_DOUBLE_EQ(engine.SeekedTo, 61.5);
  EXPECT_EQ(form->OpenedTask, task);
}

TEST_F(Preview, AnUnavailableTaskDisablesThePreviewControls) {
  task->Available = false;
  form->UpdatePreviewControls(task);
  for (TControl* control : std::initializer_list<TControl*>{form->tbPreview, form->btnPlay, form->btnStopPlay,
                                                              form->btnPreviousChapter, form->btnNextChapter,
                                                              form->btnJumpTo, form->btnCrop, form->btnSplit})
    EXPECT_FALSE(control->Enabled()) << control->Name();
}

TEST_F(Preview, SlidersAndEditsFollowEachOtherAndTheTaskStoresThem) {
  form->UpdatePreviewControls(task);
  form->edtVolume->SetValue(100);
  EXPECT_EQ(form->tbVolume->Value(), 30);
  EXPECT_DOUBLE_EQ(engine.Volume, 3.0) << "one slider value, one loudness, whoever moved it";
  form->tbVolume->SetValue(60);
  EXPECT_EQ(form->edtVolume->Value(), 200);
  EXPECT_DOUBLE_EQ(engine.Volume, 6.0);
  form->edtLuminanceGain->SetValue(256);
  EXPECT_EQ(form->tbLuminanceGain->Value(), 256);
  EXPECT_EQ(engine.Gain, 256);
  form->tbLuminanceOffset->SetValue(-40);
  EXPECT_EQ(form->edtLuminanceOffset->Value(), -40);
  EXPECT_EQ(engine.Offset, -40);
  form->VolumeImageClick(nullptr);
  form->GainImageClick(nullptr);
  EXPECT_EQ(form->tbVolume->Value(), 30);
  EXPECT_EQ(engine.Gain, 128);

  form->StoreTaskSettings();
  EXPECT_DOUBLE_EQ(task->Volume, 3.0);
  EXPECT_EQ(task->LuminanceGain, 128);
  EXPECT_EQ(task->LuminanceOffset, -40);
}

TEST_F(Preview, ChapterButtonsSeekAndTheSliderFollows) {
  form->UpdatePreviewControls(task);
  form->tbPreview->SetValue(1500 * 1000);  // inside chapter 1
  engine.Position = 2400;
  form->actNextChapterExecute(nullptr);
  EXPECT_EQ(engine.SeekedChapter, 2);
  EXPECT_EQ(form->tbPreview->Value(), 2400000);
  form->actPreviousChapterClickExecute(nullptr);
  EXPECT_EQ(engine.SeekedChapter, 1);
}

TEST_F(Preview, ThePromptsKeysDecideHowPlayingStarts) {
  {
    TIniFile settings(SettingsFileName());
    settings.WriteBool("LastSettings", "ShowPreviewPrompt", false);
    settings.WriteBool("LastSettings", "PreviewMode", false);
  }
  form->actPlayPreviewExecute(nullptr);
  ASSERT_EQ(engine.Plays.size(), 1u);
  EXPECT_FALSE(engine.Plays[0]) << "video only, as remembered, without asking";
  EXPECT_TRUE(form->PreviewTimer->Enabled());
}

// Frames through the media engine beside the tests: a grey 64 x 48 frame in the
// engine's scaled format shows in the picture at its size.
TEST_F(Preview, AFrameBecomesThePictureOnTheWindowsThread) {
  BuiltMediaEngine media;
  form->UpdatePreviewControls(task);
  task->Unsqueeze = false;
  const int w = 64, h = 48;
  std::vector<std::uint8_t> frame(w * h * 3 / 2, 128);
  VideoFrameInfo info{};
  info.Width = w;
  info.Height = h;
  info.PixelFormat = kScaledPixelFormat;
  info.DisplayAspect = 4.0 / 3;
  TMainForm::RenderPreviewFrame(form.get(), frame.data(), &info);
  PumpMessages();
  TBitmap32* shown = form->PreviewImage->Bitmap();
  ASSERT_EQ(shown->Width(), w);
  ASSERT_EQ(shown->Height(), h);
  const TColor32 pixel = shown->GetScanLine(h / 2)[w / 2];
  EXPECT_NEAR(int((pixel >> 8) & 0xFF), 128, 12) << "mid grey";

  // No task: the idle picture, whatever the engine still delivers.
  form->ForgetTasksOfPreview();
  TMainForm::RenderPreviewFrame(form.get(), frame.data(), &info);
  PumpMessages();
  EXPECT_EQ(form->PreviewImage->Bitmap()->Width(), form->NoPreviewImage->Bitmap()->Width());
}

}  // namespace
