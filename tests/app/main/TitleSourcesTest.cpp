// The titles of the DVD fixtures as the main window lists them through the engine
// library: by folder, IFO file and VOB files, each task with its defaults and the
// target of the day; sources that do not open leave the last ones in place.
#include <gtest/gtest.h>

#include "app/main/TitleList.h"
#include "platform/comctrls/ListItems.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListView.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/controls/ActnList.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Lists.h"
#include "platform/io/IniFiles.h"
#include "skin/controls/SkinEdit.h"
#include "tests/app/EncoderPluginDecode.h"
#include "tests/app/main/BuiltMediaEngine.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/WindowPump.h"
#include "tests/app/main/TitleWindowFixture.h"

namespace {

std::vector<String> Texts(TStrings* strings) {
  std::vector<String> texts;
  for (int i = 0; i < strings->Count(); ++i) texts.push_back(strings->Strings(i));
  return texts;
}

String Movie(const String& file = "") { return DiscFixture(file.empty() ? "movie" : "movie\\" + file); }

std::vector<String> MovieVobs() {
  return {Movie("VIDEO_TS\\VTS_01_1.VOB"), Movie("VIDEO_TS\\VTS_02_1.VOB"), Movie("VIDEO_TS\\VTS_03_1.VOB")};
}

enum class Command { Folder, Ifo, Vobs };

TEST_F(TitleWindow, TheMovieDiscListsItsTitlesByFolderIfoFileAndVobFiles) {
  const std::vector<String> vobs = MovieVobs();
  const String joined = vobs[0] + ";" + vobs[1] + ";" + vobs[2];
  struct Case {
    const char* name;
    Command command;
    std::vector<String> files;
    bool showUnavailable;
    bool onlyMainMovie;
    std::vector<String> rows;
    std::vector<String> audio, subtitles;  // the stream boxes for the first task
    int subtitle;                          // the first task's default subtitle stream
  } cases[] = {
      {"folder",
       Command::Folder,
       {Movie()},
       false,
       true,
       {"MOVIE_DISC(" + Movie() + "\\) | 2", "Title 01(Main Movie) | 00:00:08  | Ready | 0 | x",
        "Title 02 | 00:00:06  | Ready | 0 | -"},
       {"Dolby AC-3(48KHz) 2 Channels - English", "MPEG-1(48KHz) 2 Channels - Spanish"},
       {"None", "German"},
       1},
      {"folder with every title",
       Command::Folder,
       {Movie()},
       true,
       false,
       {"MOVIE_DISC(" + Movie() + "\\) | 2", "Title 01(Main Movie) | 00:00:08  | Ready | 0 | x",
        "Title 02 | 00:00:06  | Ready | 0 | x", "Title 03 - Not Available | 00:00:03  | Ready | 5"},
       {"Dolby AC-3(48KHz) 2 Channels - English", "MPEG-1(48KHz) 2 Channels - Spanish"},
       {"None", "German"},
       1},
      {"IFO file",
       Command::Ifo,
       {Movie("VIDEO_TS\\VTS_01_0.IFO")},
       false,
       true,
       {"DVD(" + Movie("VIDEO_TS\\VTS_01_0.IFO") + ") | 3", "Title 01(Main Movie) | 00:00:08  | Ready | 0 | x"},
       {"Dolby AC-3(48KHz) 2 Channels - English", "MPEG-1(48KHz) 2 Channels - Spanish"},
       {"None", "German"},
       1},
      {"VOB files",
       Command::Vobs,
       vobs,
       false,
       true,
       {"DVD(" + joined + ") | 10", "Title 01(Main Movie) | 00:00:17  | Ready | 0 | x"},
       // A list of files names no languages.
       {"Dolby AC-3(48KHz) 2 Channels - ", "MPEG-1(48KHz) 2 Channels - ", "MPEG-1(48KHz) 2 Channels - ",
        "LPCM(48KHz) 2 Channels - "},
       {"None", "(Normal Captions)"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GetSettings()->DontShowNotAvailableTitles = !c.showUnavailable;
    GetSettings()->OnlySelectMainMovie = c.onlyMainMovie;
    String askedRoot;
    SystemCalls().GetVolumeInformation = [&](const String& root, char* name, DWORD size) {
      askedRoot = root;
      strncpy(name, "MOVIE_DISC", size);
      return TRUE;
    };
    MakeWindow(nullptr);
    if (c.command == Command::Folder) OpenFolder(c.files[0]);
    if (c.command == Command::Ifo) OpenIfo(c.files[0]);
    if (c.command == Command::Vobs) OpenVobs(c.files);

    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(askedRoot, c.command == Command::Folder ? Movie() + "\\" : String()) << "only a folder has a volume";
    ASSERT_GT(form->TaskCount(), 0);
    const TaskTarget target = NewTaskTarget();
    for (int i = 0; i < form->TaskCount(); ++i) {
      const DVDConvertTask& task = *form->Task(i);
      EXPECT_EQ(task.FormatName, target.FormatName);
      EXPECT_EQ(task.Extension, target.Extension);
      EXPECT_EQ(task.FormatCode, target.FormatCode);
      ASSERT_NE(task.AudioScheme, nullptr);
      EXPECT_EQ(task.AudioScheme->PluginPath, target.Scheme->PluginPath);
      EXPECT_EQ(task.AudioScheme->PresetName, target.Scheme->PresetName);
      EXPECT_EQ(task.SourceListingNumber, 0);
    }
    const DVDConvertTask& first = *form->Task(0);
    EXPECT_EQ(form->CurrentTask, &first);
    EXPECT_EQ(first.AudioStream, 0);
    EXPECT_EQ(first.SubtitleStream, c.subtitle);
    form->FillAudioStreams(first.Title);
    form->FillSubtitleStreams(first.Title);
    EXPECT_EQ(Texts(form->cbAudioStreams->Items()), c.audio);
    EXPECT_EQ(Texts(form->cbSubtitleStreams->Items()), c.subtitles);
    EXPECT_FALSE(form->FileListBackgroundPanel->Visible());
    form.reset();
    FreeDiscEngine();
  }
}

TEST_F(TitleWindow, ASourceThatDoesNotOpenLeavesTheLastTasksAndRows) {
  struct Case {
    const char* name;
    Command command;
    std::vector<String> files;
    const char* message;  // nullptr: none
  } cases[] = {
      {"folder without a disc", Command::Folder, {DiscFixture("broken")}, nullptr},
      {"truncated IFO file", Command::Ifo, {DiscFixture("broken\\VTS_01_0.IFO")}, "Invalid IFO file!"},
      {"files that are no video objects", Command::Vobs, {DiscFixture("vob\\noise.vob"), DiscFixture("vob\\text.vob")},
       "Invalid VOB files!"},
  };
  MakeWindow(nullptr);
  OpenFolder(Movie());
  const std::vector<String> rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  DVDConvertTask* first = form->Task(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    calls.Boxes.clear();
    if (c.command == Command::Folder) OpenFolder(c.files[0]);
    if (c.command == Command::Ifo) OpenIfo(c.files[0]);
    if (c.command == Command::Vobs) OpenVobs(c.files);
    EXPECT_FALSE(form->LastOpenResult);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(form->Task(0), first);
    EXPECT_EQ(form->CurrentTask, first);
    ASSERT_EQ(calls.Boxes.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(calls.Boxes[0].Text, c.message);
    }
  }
}

TEST_F(TitleWindow, ShortAndEncryptedDiscsListTheirTitlesAsNotAvailable) {
  for (const char* disc : {"dvd", "scrambled"}) {
    SCOPED_TRACE(disc);
    const String root = DiscFixture(disc);
    MakeWindow(nullptr);
    GetSettings()->DontShowNotAvailableTitles = false;
    OpenFolder(root);
    EXPECT_EQ(Rows(), (std::vector<String>{"DVD(" + root + "\\) | 2",
                                           "Title 01(Main Movie) - Not Available | 00:00:03  | Ready | 5",
                                           "Title 02 - Not Available | 00:00:02  | Ready | 5"}));
    for (int i = 0; i < form->TaskCount(); ++i) EXPECT_FALSE(form->Task(i)->Checked);

    GetSettings()->DontShowNotAvailableTitles = true;
    OpenFolder(root);
    EXPECT_TRUE(Rows().empty()) << "the disc opened, and none of its titles is offered";
    EXPECT_EQ(form->CurrentTask, nullptr);
    EXPECT_TRUE(form->FileListBackgroundPanel->Visible());
    form.reset();
    FreeDiscEngine();
  }
}

}  // namespace

// The opened movie's first title shows a still frame of its own in the preview,
// made by the real engine and media engine and shown at the picture's size.
TEST_F(TitleWindow, TheOpenedMovieShowsAFrameInThePreview) {
  BuiltMediaEngine media;
  MakeWindow(nullptr);
  ShowWindow();
  OpenFolder(Movie());
  ASSERT_NE(form->CurrentTask, nullptr);
  const int idleWidth = form->NoPreviewImage->Bitmap()->Width();
  TBitmap32* shown = form->PreviewImage->Bitmap();
  for (int i = 0; i < 200 && shown->Width() == idleWidth; ++i) {
    PumpPosted(form->Handle());
    ::Sleep(10);
  }
  EXPECT_NE(shown->Width(), idleWidth) << "a frame of the title replaced the idle picture";
  EXPECT_LE(shown->Width(), form->PreviewImage->Width());
  EXPECT_LE(shown->Height(), form->PreviewImage->Height());
  CapturePainted(form->Handle()).SaveBmp("main-window-movie.bmp");
}

namespace {

TOutputSettingsForm* dialogToConfirm = nullptr;

// Closes the output settings dialog with OK once its modal loop runs.
void CALLBACK ConfirmDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (dialogToConfirm) dialogToConfirm->SetModalResult(mrOk);
}

}  // namespace

// "To MP3" on the movie opened by its IFO file: the output settings dialog (OK),
// the processing dialog running the conversion, an MP3 of the title's length, the
// row's status, and the result timer opening the output folder.
TEST_F(TitleWindow, ToMP3ConvertsTheCheckedTitleThroughTheProcessingDialog) {
  // The plug-in and the rate converter, beside the program as installed.
  for (const char* module : {"EncMP3.dll", "RateConverter.dll"})
    ASSERT_TRUE(::CopyFileA((BuiltProgramFolder() + module).c_str(), (folder.Path() + module).c_str(), FALSE));
  BuiltMediaEngine media;
  GetSettings()->OpenOutputFolder = true;
  GetSettings()->Shutdown = false;
  std::vector<String> opened;
  SystemCalls().ShellExecute = [&](HWND, const String&, const String& file, const String&, const String&, int) {
    opened.push_back(file);
    return reinterpret_cast<HINSTANCE>(33);
  };
  MakeWindow(nullptr);
  ShowWindow();
  OpenIfo(Movie("VIDEO_TS\\VTS_01_0.IFO"));
  ASSERT_GE(form->TaskCount(), 1);
  DVDConvertTask* title = form->Task(0);
  ASSERT_TRUE(title->Checked);
  dialogToConfirm = form->GetOutputSettingsForm();
  dialogToConfirm->SelectOutputFormat(8);
  ::SetTimer(nullptr, 0, 100, ConfirmDialog);
  form->actToMP3->Execute();
  dialogToConfirm = nullptr;

  EXPECT_EQ(int(title->State), int(tsCompleted));
  for (const auto& box : calls.Boxes) ADD_FAILURE() << "message: " << box.Text;
  EXPECT_EQ(title->Extension, "mp3");
  const String written = form->edtOutputFolder->Text() + "DVD_T01.mp3";
  ASSERT_TRUE(FileExists(written)) << written;
  DecodedAudio audio = DecodeAudioFile(written, false);
  ASSERT_TRUE(audio.ok);
  EXPECT_EQ(audio.container, "mp3");
  EXPECT_NEAR(double(audio.frames) / audio.rate, 8.0, 0.5);
  EXPECT_NE(Rows()[1].find("| Completed |"), String::npos) << Rows()[1];
  EXPECT_TRUE(PumpUntil([&] { return !opened.empty(); })) << "the result timer opens the output folder";
  EXPECT_EQ(opened.size(), 1u);
}

// The engine's thread delivers frames while the window switches the current title,
// reopens the disc (its tasks go and come back) and stops and plays again: every
// frame finds either a task or none, never one that is gone.
TEST_F(TitleWindow, PlayingSurvivesSwitchingAndReopeningTitles) {
  BuiltMediaEngine media;  // the scaler of the preview
  TIniFile settings(SettingsFileName());
  settings.WriteBool("LastSettings", "ShowPreviewPrompt", false);
  settings.WriteBool("LastSettings", "PreviewMode", false);  // frames only, no sound
  MakeWindow(nullptr);
  ShowWindow();
  OpenFolder(Movie());
  ASSERT_NE(form->CurrentTask, nullptr);
  bool sawFrame = false;
  auto pumpAWhile = [&] {
    for (int i = 0; i < 5; ++i) {
      PumpPosted(form->Handle());
      ::Sleep(4);
      sawFrame = sawFrame || form->PreviewImage->ScaleMode() == smNormal;  // a frame, not the idle picture
    }
  };
  int gdiAfterFirstRound = 0;
  for (int round = 0; round < 24; ++round) {
    SCOPED_TRACE(round);
    if (round == 1) gdiAfterFirstRound = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (!DiscEngineObject->IsPlaying()) form->actPlayPreviewExecute(nullptr);
    pumpAWhile();
    SelectRows({1 + round % 2});
    pumpAWhile();
    if (round % 5 == 4) OpenFolder(Movie());
    if (round % 7 == 6) form->actStopPreviewExecute(nullptr);
    pumpAWhile();
    ASSERT_NE(form->CurrentTask, nullptr);
  }
  form->actStopPreviewExecute(nullptr);
  PumpPosted(form->Handle());
  EXPECT_FALSE(DiscEngineObject->IsPlaying());
  EXPECT_TRUE(sawFrame) << "frames were shown on the way";
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdiAfterFirstRound + 20) << "GDI objects stable";
  EXPECT_EQ(form->TaskList->Count(), 2) << "the disc's two titles, as opened last";
}
