// A whole run through the real disc engine and audio plug-in: a title of the
// fixture disc becomes an MP3 file of the title's length, named by the pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/DVDConvertTask.h"
#include "app/KelvaneSettings.h"
#include "app/VideoEncoder.h"
#include "app/VideoProfiles.h"
#include "app/main/FormRegistrations.h"
#include "app/main/MainFrm.h"
#include "app/main/ResourceFrm.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Lists.h"
#include "platform/core/Timer.h"
#include "tests/app/EncoderPluginDecode.h"
#include "tests/app/main/BuiltMediaEngine.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

String Fixture(const String& relative) { return BuiltProgramFolder() + "..\\disc-fixtures\\" + relative; }

class ConversionRun : public ::testing::Test {
protected:
  void SetUp() override {
    // The rate converter comes from the program folder, as the plug-ins do.
    ::SetDllDirectoryA(BuiltProgramFolder().c_str());
    UseProgramFormDefinitions();
    GetSettings()->DefaultOutputFolder = folder.Path() + "Output";  // no backslash yet
    GetSettings()->SingleFileSymbols = "<volumelabel>_T<title_index>[angle_index][clips_number]";
    ResourceForm = NewForm<TResourceForm>(nullptr);
    SetDiscEngineFactory(nullptr);
    form.reset(NewForm<TMainForm>(nullptr));
  }
  void TearDown() override {
    form.reset();
    FreeDiscEngine();
    delete ResourceForm;
    ResourceForm = nullptr;
    ::SetDllDirectoryA(nullptr);
    // The encoder objects a test registered are for that test only.
    for (int kind = vfk3GP; kind <= vfkFLV; ++kind) SetEncoderObjectFactory(VideoFormatKind(kind), nullptr);
  }
  // Title 1 of the fixture disc, checked, named by the pattern "DVD_T01".
  DVDConvertTask* NewFixtureTask() {
    auto* task = new DVDConvertTask();
    task->Source = skDVDFolder;
    task->SourcePath = Fixture("dvd\\");
    task->VolumeLabel = "DVD";
    task->TitleIndex = 0;
    task->Checked = true;
    task->Title.Duration = 3;
    return task;
  }
  TempProgramFolder folder;
  BuiltMediaEngine media;
  SystemCallsGuard calls;
  std::unique_ptr<TMainForm> form;
};

TEST_F(ConversionRun, ATitleBecomesAnMP3FileOfItsLength) {
  auto* task = NewFixtureTask();
  task->SourcePath = Fixture("dvd\\");
  task->VolumeLabel = "DVD";
  task->TitleIndex = 0;
  task->Checked = true;
  task->Title.Duration = 3;
  auto* scheme = new TAudioEncoderScheme();
  LamePreset preset;
  scheme->PluginPath = BuiltProgramFolder() + preset.GetPluginFileName();
  preset.FillPresetParams(0, scheme->Params);
  task->AudioScheme = scheme;
  task->Extension = "mp3";
  task->FormatCode = 8;
  form->TaskList->Add(task);

  form->RunConversion();
  EXPECT_EQ(task->State, tsCompleted);
  EXPECT_EQ(GetSettings()->DefaultOutputFolder, folder.Path() + "Output\\") << "the setting gains its backslash";
  const String written = folder.Path() + "Output\\DVD_T01.mp3";
  ASSERT_TRUE(FileExists(written));
  DecodedAudio audio = DecodeAudioFile(written, false);
  ASSERT_TRUE(audio.ok);
  EXPECT_EQ(audio.container, "mp3");
  ASSERT_GT(audio.rate, 0);
  EXPECT_NEAR(double(audio.frames) / audio.rate, 3.0, 0.3) << "the title's length";
  EXPECT_TRUE(form->ShowResultTimer->Enabled());
}

TEST_F(ConversionRun, ATitleBecomesAnAVIFile) {
  RegisterVideoEncoderObjects();
  DVDConvertTask* task = NewFixtureTask();
  task->VideoProfile = new TAVIProfile("AVI", "");
  task->VideoProfile->Width = task->VideoProfile->Height = 0;  // the source's size
  task->Extension = "avi";
  task->FormatCode = 1;
  form->TaskList->Add(task);
  form->RunConversion();
  EXPECT_EQ(task->State, tsCompleted);
  const String written = folder.Path() + "Output\\DVD_T01.avi";
  ASSERT_TRUE(FileExists(written));
  EXPECT_GT(FileSizeOf(written), 10000);
  EXPECT_EQ(task->VideoProfile->Width, 0) << "a size taken from the source is not kept in the profile";
}

// Clips, chapters and time pieces through the real engine: the files they give,
// named by the pattern, and their lengths.
TEST_F(ConversionRun, SplitTitlesGiveTheirFiles) {
  GetSettings()->MultiFilesSymbols = "<volumelabel>_T<title_index>[angle_index]_<clips_number>";
  GetSettings()->ByChapterMultiFilesSymbols = "<volumelabel>_T<title_index>[angle_index]_C<chapter_index>";
  struct Case {
    const char* name;
    SplitMode mode;
    std::vector<TimeRange> clips;
    std::vector<int> chapters;  // chosen chapters, by chapter
    std::vector<std::pair<String, double>> files;
  } cases[] = {
      {"two clips", smClips, {{1, 3}, {4, 7}}, {}, {{"DVD_T01.mp3", 2}, {"DVD_T01_Clips02.mp3", 3}}},
      {"one clip", smClips, {{2, 6}}, {}, {{"DVD_T01.mp3", 4}}},
      {"chapters", smByChapter, {}, {0, 1, 3}, {{"DVD_T01_C01.mp3", 2}, {"DVD_T01_C02.mp3", 2}, {"DVD_T01_C04.mp3", 2}}},
      // A minute's pieces of an 8-second title: one piece, named as one of many.
      {"by time", smByTime, {}, {}, {{"DVD_T01_01.mp3", 8}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const String output = folder.Path() + "Output\\" + c.name + "\\";
    GetSettings()->DefaultOutputFolder = output;
    auto* task = NewFixtureTask();
    task->SourcePath = Fixture("movie\\");
    task->Title.Duration = 8;
    auto* scheme = new TAudioEncoderScheme();
    LamePreset preset;
    scheme->PluginPath = BuiltProgramFolder() + preset.GetPluginFileName();
    preset.FillPresetParams(0, scheme->Params);
    task->AudioScheme = scheme;
    task->Extension = "mp3";
    task->Split = c.mode;
    task->SplitMinutes = 1;
    for (const TimeRange& clip : c.clips) task->Clips.push_back(new TimeRange(clip));
    for (int chapter : c.chapters) task->ChapterFlags[chapter] = 1;
    form->TaskList->Clear();
    form->TaskList->Add(task);
    form->RunConversion();
    form->ShowResultTimer->SetEnabled(false);  // no output folder opened between the runs
    EXPECT_EQ(task->State, tsCompleted);
    std::vector<String> names;
    TSearchRec found;
    if (FindFirst(output + "*.mp3", faAnyFile, found) == 0) {
      do names.push_back(found.Name);
      while (FindNext(found) == 0);
      FindClose(found);
    }
    std::sort(names.begin(), names.end());
    std::vector<String> expected;
    for (const auto& file : c.files) expected.push_back(file.first);
    EXPECT_EQ(names, expected);
    for (const auto& [name, seconds] : c.files) {
      DecodedAudio audio = DecodeAudioFile(output + name, false);
      if (audio.ok && audio.rate) {
        EXPECT_NEAR(double(audio.frames) / audio.rate, seconds, 0.5) << name;
      }
    }
    delete task;
  }
}

}  // namespace
