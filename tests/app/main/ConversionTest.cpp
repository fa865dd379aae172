// The conversion driver: frame sizes, the run over the tasks with the engine's
// results, the processing dialog's construction and its Pause and Cancel, and the
// shutdown countdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/DVDConvertTask.h"
#include "app/KelvaneSettings.h"
#include "app/main/ConversionSizes.h"
#include "app/main/FormRegistrations.h"
#include "app/main/MainFrm.h"
#include "app/main/ProcessingFrm.h"
#include "app/main/ResourceFrm.h"
#include "app/main/ShutDownFrm.h"
#include "framed/controls/RzLabel.h"
#include "platform/core/Timer.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowPump.h"

namespace {

TEST(ConversionSizes, FollowTheAspectTheProfileAndTheCrops) {
  struct Case {
    const char* name;
    int width, height;
    double aspect;
    bool unsqueeze;
    ConversionCrop crop;
    bool profile;
    int profileWidth, profileHeight;
    int outputWidth, outputHeight;
    bool usable;
  } cases[] = {
      {"4:3 NTSC, source size: the box itself less 2", 720, 480, 4.0 / 3, true, {}, true, 0, 0, 718, 538, true},
      {"fixed size, 16:9: the box widened", 720, 576, 16.0 / 9, true, {}, true, 320, 240, 426, 240, true},
      {"audio task: the 320 x 240 box", 720, 576, 4.0 / 3, true, {}, false, 0, 0, 318, 238, true},
      {"plain source with crops", 720, 576, 4.0 / 3, false, {8, 8, 4, 4}, true, 0, 0, 756, 568, true},
      {"an aspect of 0 is the frame's own", 720, 576, 0.0, true, {}, true, 0, 0, 718, 574, true},
      {"crops that leave no picture", 720, 576, 4.0 / 3, true, {400, 400, 0, 0}, true, 0, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    ConversionSizes s =
        ComputeConversionSizes(c.width, c.height, c.aspect, c.unsqueeze, c.crop, c.profile, c.profileWidth,
                               c.profileHeight);
    EXPECT_EQ(s.Usable, c.usable) << c.name;
    if (!c.usable) continue;
    EXPECT_EQ(s.OutputWidth, c.outputWidth) << c.name;
    EXPECT_EQ(s.OutputHeight, c.outputHeight) << c.name;
  }
}

DiscEngine* theEngine = nullptr;
DiscEngine* MakeEngine() { return theEngine; }

class Conversion : public ::testing::Test {
protected:
  void SetUp() override {
    UseProgramFormDefinitions();
    GetSettings()->DefaultOutputFolder = folder.Path() + "Output\\";
    GetSettings()->Shutdown = false;
    GetSettings()->OpenOutputFolder = true;
    ResourceForm = NewForm<TResourceForm>(nullptr);
    theEngine = &engine;
    SetDiscEngineFactory(&MakeEngine);
    form.reset(NewForm<TMainForm>(nullptr));
  }
  void TearDown() override {
    form.reset();
    FreeDiscEngine();
    SetDiscEngineFactory(nullptr);
    delete ResourceForm;
    ResourceForm = nullptr;
  }
  DVDConvertTask* AddTask(bool checked, TaskState state) {
    auto* task = new DVDConvertTask();
    task->Checked = checked;
    task->State = state;
    task->Title.Duration = 60;
    form->TaskList->Add(task);
    return task;
  }
  TempProgramFolder folder;
  FakeDiscEngine engine;
  SystemCallsGuard calls;
  std::unique_ptr<TMainForm> form;
};

TEST_F(Conversion, TheRunGivesEachTaskTheEnginesResult) {
  DVDConvertTask* done = AddTask(true, tsCompleted);
  DVDConvertTask* unchecked = AddTask(false, tsReady);
  DVDConvertTask* failedBefore = AddTask(true, tsEncodeError);
  DVDConvertTask* fresh = AddTask(true, tsReady);
  engine.Results = {1, 0};
  form->RunConversion();
  EXPECT_EQ(done->State, tsCompleted) << "skipped";
  EXPECT_EQ(unchecked->State, tsReady) << "skipped";
  EXPECT_EQ(failedBefore->State, tsDecoderInitFailure) << "runs again";
  EXPECT_EQ(fresh->State, tsCompleted);
  EXPECT_TRUE(form->ShowResultTimer->Enabled());
  EXPECT_FALSE(form->Converting);
  EXPECT_EQ(engine.Log.back(), "SetCallbacks") << "the preview's callbacks come back last";
}

TEST_F(Conversion, AnInterruptedTaskStopsTheRunAndShowsNoResult) {
  DVDConvertTask* first = AddTask(true, tsReady);
  DVDConvertTask* second = AddTask(true, tsReady);
  engine.Results = {5, 0};
  form->RunConversion();
  EXPECT_EQ(first->State, tsInterrupted);
  EXPECT_EQ(second->State, tsReady);
  EXPECT_FALSE(form->ShowResultTimer->Enabled());
  EXPECT_EQ(form->OpenedTask, nullptr) << "the engine no longer holds a task for the preview";
}

TEST_F(Conversion, StartingWithoutTasksSaysSo) {
  calls.AnswerMessageBoxes(IDOK);
  form->StartConversion();
  ASSERT_EQ(calls.Boxes.size(), 1u);
  EXPECT_EQ(calls.Boxes[0].Text, "Please open a valid DVD source at first!");
  EXPECT_EQ(calls.Boxes[0].Caption, "Varnel Revo");
}

TEST_F(Conversion, TheProcessingDialogRunsPausesAndCancels) {
  GetSettings()->Shutdown = true;
  DVDConvertTask* task = AddTask(true, tsReady);
  std::vector<TaskState> statesWhilePaused;
  calls.AnswerMessageBoxes(IDNO);
  engine.DuringConvert = [&] {
    TProcessingForm* dialog = form->ProcessingForm;
    ASSERT_NE(dialog, nullptr);
    dialog->Update();
    CaptureWindow(dialog->Handle()).SaveBmp("ProcessingForm.bmp");
    EXPECT_TRUE(dialog->chkShutdown->Checked());
    EXPECT_FALSE(GetSettings()->OpenOutputFolder) << "choosing shutdown clears the other";
    EXPECT_FALSE(dialog->chkPreviewMovie->Checked());
    dialog->btnPauseConvert->ButtonClick();
    EXPECT_EQ(dialog->btnPauseConvert->Caption(), "&Resume");
    statesWhilePaused.push_back(task->State);
    dialog->btnPauseConvert->ButtonClick();
    EXPECT_EQ(dialog->btnPauseConvert->Caption(), "&Pause");
    dialog->btnCancel->ButtonClick();  // answered No: the run goes on
  };
  engine.Log.clear();
  form->StartConversion();
  EXPECT_EQ(statesWhilePaused, std::vector<TaskState>{tsProcessing});
  EXPECT_EQ(task->State, tsCompleted);
  EXPECT_EQ(engine.Log, (std::vector<String>{"SetConvertOptions", "SetCallbacks", "OpenDVD ", "Convert", "Pause",
                                             "Resume", "Pause", "Resume", "SetCallbacks"}));
  ASSERT_EQ(calls.Boxes.size(), 1u);
  EXPECT_EQ(calls.Boxes[0].Text, "Are you sure you want to stop converting?");
  EXPECT_EQ(calls.Boxes[0].Flags, 68u);
}

TEST_F(Conversion, CancelAnsweredYesInterruptsTheTask) {
  DVDConvertTask* task = AddTask(true, tsReady);
  calls.AnswerMessageBoxes(IDYES);
  engine.DuringConvert = [&] { form->ProcessingForm->btnCancel->ButtonClick(); };
  engine.Results = {5};
  form->StartConversion();
  EXPECT_EQ(task->State, tsInterrupted);
  EXPECT_NE(std::find(engine.Log.begin(), engine.Log.end(), "Abort"), engine.Log.end());
  EXPECT_FALSE(form->ShowResultTimer->Enabled()) << "neither shutdown nor the output folder";
}

class ShutDown : public ::testing::Test {
protected:
  void SetUp() override {
    UseProgramFormDefinitions();
    ResourceForm = NewForm<TResourceForm>(nullptr);
    calls.AnswerMessageBoxes(IDOK);
    SystemCalls().ExitWindowsEx = [this](UINT flags, DWORD reason) {
      exits.push_back({flags, reason});
      return TRUE;
    };
    dialog.reset(NewForm<TShutDownForm>(nullptr));
  }
  void TearDown() override {
    dialog.reset();
    delete ResourceForm;
    ResourceForm = nullptr;
  }
  SystemCallsGuard calls;
  std::vector<std::pair<UINT, DWORD>> exits;
  std::unique_ptr<TShutDownForm> dialog;
};

TEST_F(ShutDown, CountsDownThenShutsDownOnce) {
  std::vector<String> shown;
  for (int second = 0; second < 14; ++second) {
    dialog->TimerTimer(nullptr);
    shown.push_back(dialog->lblInfo->Caption());
  }
  EXPECT_EQ(shown.front(), "System will shutdown in 14 seconds");
  EXPECT_EQ(shown.back(), "System will shutdown in 1 seconds");
  EXPECT_TRUE(exits.empty());
  dialog->TimerTimer(nullptr);
  EXPECT_EQ(dialog->lblInfo->Caption(), "System will shutdown in 1 seconds") << "0 is never shown";
  ASSERT_EQ(exits.size(), 1u);
  EXPECT_EQ(exits[0], (std::pair<UINT, DWORD>{1, 0}));
  dialog->TimerTimer(nullptr);
  EXPECT_EQ(exits.size(), 1u);
}

TEST_F(ShutDown, ShutdownActsAtOnceAndCancelDoesNothing) {
  dialog->btnCancel->ButtonClick();
  dialog->TimerTimer(nullptr);
  EXPECT_TRUE(exits.empty());
  std::unique_ptr<TShutDownForm> second(NewForm<TShutDownForm>(nullptr));
  second->btnOk->ButtonClick();
  EXPECT_EQ(exits.size(), 1u);
}

}  // namespace
