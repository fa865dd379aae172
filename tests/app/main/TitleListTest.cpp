// The tasks built for a newly opened source, and the texts of its streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "app/KelvaneSettings.h"
#include "app/VideoProfiles.h"
#include "app/main/TitleList.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/harness/SystemCallsGuard.h"

namespace {

enum { AC3 = 0, MPEG1 = 2, MPEG2 = 3, LPCM = 4, DTS = 6 };

struct Built {
  std::vector<DVDConvertTask*> tasks;
  ~Built() {
    for (DVDConvertTask* task : tasks) delete task;
  }
  std::vector<String> Names() const {
    std::vector<String> names;
    for (DVDConvertTask* task : tasks) names.push_back(task->Name);
    return names;
  }
  std::vector<bool> Checked() const {
    std::vector<bool> checked;
    for (DVDConvertTask* task : tasks) checked.push_back(task->Checked);
    return checked;
  }
};

TAudioEncoderScheme Mp3Scheme() {
  TAudioEncoderScheme scheme;
  scheme.PluginPath = "C:\\Varnel\\EncMP3.dll";
  scheme.PresetName = "Normal";
  scheme.Params.Count = 1;
  scheme.Params.Pairs[0] = {1, 128};
  return scheme;
}

void Build(Built& built, FakeDiscEngine& engine, const KelvaneSettings& settings, const TaskTarget& target,
           int counter = 0) {
  built.tasks = BuildTitleTasks(engine, "C:\\Movie\\VIDEO_TS\\VTS_01_0.IFO", skIFOFile, counter, "DVD", target,
                                settings);
}

}  // namespace

TEST(TitleList, MainMovieIsTheFirstOfTheLongest) {
  struct Case {
    std::vector<double> durations;
    int main;
  } cases[] = {{{10, 30, 30, 20}, 1}, {{0, 0, 0}, 0}, {{}, 0}, {{5, 4, 6}, 2}};
  for (const Case& c : cases) {
    FakeDiscEngine engine;
    for (double d : c.durations) engine.Titles.push_back(FakeTitle(d, {{AC3, "English"}}));
    EXPECT_EQ(FindMainMovie(engine), c.main);
  }
}

TEST(TitleList, AvailabilityNeedsMoreThanFiveSecondsAndAnAc3OrMpeg1Stream) {
  struct Case {
    double duration;
    std::vector<FakeAudio> audio;
    bool available;
  } cases[] = {
      {5.0, {{AC3, "English"}}, false},   {5.01, {{MPEG1, "English"}}, true}, {60, {{LPCM, "English"}}, false},
      {60, {{DTS, "English"}}, false},    {60, {{MPEG2, "English"}}, false}, {60, {}, false},
      {60, {{DTS, "x"}, {AC3, "y"}}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(TitleAvailable(FakeTitle(c.duration, c.audio)), c.available) << c.duration;
}

TEST(TitleList, NamesAnglesMainMovieAndChecks) {
  FakeDiscEngine engine;
  engine.Titles = {FakeTitle(3600, {{AC3, "English"}}, 3), FakeTitle(60, {{AC3, "English"}}),
                   FakeTitle(3, {{AC3, "English"}}), FakeTitle(60, {{MPEG1, "English"}}, 0)};
  const TAudioEncoderScheme scheme = Mp3Scheme();
  TaskTarget target{nullptr, &scheme, "MP3", "mp3", 8};

  KelvaneSettings settings;
  Built all;
  Build(all, engine, settings, target, 4);
  EXPECT_EQ(all.Names(), (std::vector<String>{"Title 01 Angle 01(Main Movie)", "Title 01 Angle 02",
                                              "Title 01 Angle 03", "Title 02", "Title 03 - Not Available"}));
  EXPECT_EQ(all.Checked(), (std::vector<bool>{true, true, true, true, false}));
  EXPECT_EQ(all.tasks[1]->AngleIndex, 1);
  EXPECT_EQ(all.tasks[3]->TitleIndex, 1);
  EXPECT_FALSE(all.tasks[4]->Available);
  EXPECT_EQ(all.tasks[0]->SourceListingNumber, 4);
  EXPECT_EQ(all.tasks[1]->VideoTitle, "DVD_Title 01 Angle 02");
  EXPECT_EQ(all.tasks[0]->VideoTitle, "DVD_Title 01 Angle 01") << "the mark comes after the tag";
  EXPECT_EQ(all.tasks[0]->AudioTags[0], all.tasks[0]->VideoTitle);

  settings.OnlySelectMainMovie = true;
  settings.DontShowNotAvailableTitles = true;
  Built main;
  Build(main, engine, settings, target);
  EXPECT_EQ(main.Names().size(), 4u) << "the short title is left out";
  EXPECT_EQ(main.Checked(), (std::vector<bool>{true, false, false, false}));
}

TEST(TitleList, EveryTaskStartsFromTheTargetWithItsDefaults) {
  FakeDiscEngine engine;
  engine.Titles = {FakeTitle(100, {{DTS, "German"}, {MPEG2, "German"}, {AC3, "French"}}, 1,
                             {{"French", 1}, {"German", 2}})};
  TAVIProfile profile("Fine AVI", "");
  TaskTarget videoTarget{&profile, nullptr, "AVI", "avi", 0};
  KelvaneSettings settings;
  settings.DefaultAudioLang = "German";
  settings.DefaultSubtitleLang = "German";
  Built built;
  Build(built, engine, settings, videoTarget);
  ASSERT_EQ(built.tasks.size(), 1u);
  const DVDConvertTask& task = *built.tasks[0];
  EXPECT_EQ(task.AudioStream, 1) << "the DTS stream in that language is passed over";
  EXPECT_EQ(task.SubtitleStream, 2);
  EXPECT_DOUBLE_EQ(task.PreviewPosition, 50.0);
  ASSERT_NE(task.VideoProfile, nullptr);
  EXPECT_NE(task.VideoProfile, &profile) << "a clone of its own";
  EXPECT_EQ(task.VideoProfile->ProfileName, "Fine AVI");
  EXPECT_EQ(task.AudioScheme, nullptr);
  EXPECT_EQ(task.FormatName, "AVI");
  EXPECT_EQ(task.Source, skIFOFile);
  for (std::uint8_t flag : task.ChapterFlags) EXPECT_EQ(flag, 1);
  EXPECT_EQ(task.State, tsReady);

  settings.DefaultAudioLang = "Klingon";
  const TAudioEncoderScheme scheme = Mp3Scheme();
  Built audio;
  Build(audio, engine, settings, TaskTarget{nullptr, &scheme, "MP3", "mp3", 8});
  EXPECT_EQ(audio.tasks[0]->AudioStream, 0);
  ASSERT_NE(audio.tasks[0]->AudioScheme, nullptr);
  EXPECT_EQ(audio.tasks[0]->AudioScheme->PluginPath, scheme.PluginPath);
  EXPECT_EQ(audio.tasks[0]->AudioScheme->Params.Pairs[0].Value, 128);
}

TEST(TitleList, CountsPastTheRecordsArraysAreNotTrusted) {
  TitleInfo title = FakeTitle(100, {{AC3, "English"}});
  title.AudioStreamCount = 1000;
  title.SubtitleStreamCount = -3;
  EXPECT_EQ(AudioStreamTexts(title).size(), 8u);
  EXPECT_EQ(SubtitleStreamTexts(title), std::vector<String>{"None"});
  EXPECT_EQ(FindDefaultSubtitleStream(title, ""), 0);
}

TEST(TitleList, VolumeLabelIsTheDiscsNameOrDvd) {
  const String unterminated(300, 'L');
  struct Case {
    const char* name;
    SourceKind kind;
    BOOL answer;
    String label;     // what the system writes into the name buffer
    String expected;
    bool asked;
  } cases[] = {
      {"named disc", skDVDFolder, TRUE, "MOVIE_DISC", "MOVIE_DISC", true},
      {"unnamed disc", skDVDFolder, TRUE, "", "DVD", true},
      {"no volume", skDVDFolder, FALSE, "", "DVD", true},
      {"name filling the buffer", skDVDFolder, TRUE, unterminated, String(255, 'L'), true},
      {"IFO file", skIFOFile, TRUE, "MOVIE_DISC", "DVD", false},
      {"VOB files", skVOBFiles, TRUE, "MOVIE_DISC", "DVD", false},
  };
  for (const Case& c : cases) {
    SystemCallsGuard calls;
    bool asked = false;
    SystemCalls().GetVolumeInformation = [&](const String& root, char* name, DWORD size) {
      asked = true;
      EXPECT_EQ(root, "D:\\");
      EXPECT_EQ(size, 255u);
      // A system that fills the whole buffer leaves no terminating zero in it.
      std::memcpy(name, c.label.data(), std::min<size_t>(c.label.size() + 1, size));
      return c.answer;
    };
    EXPECT_EQ(SourceVolumeLabel("D:\\", c.kind), c.expected) << c.name;
    EXPECT_EQ(asked, c.asked) << c.name;
  }
}

TEST(TitleList, HostileRecordsStayWithinTheirArrays) {
  struct Case {
    const char* name;
    int audio, subtitles, angles, chapters;
    int keptAudio, keptSubtitles, tasks, keptChapters;
  } cases[] = {
      {"counts past the arrays", 1000, 99, 1, 5000, 8, 32, 1, 999},
      {"negative counts", -3, -1, -2, -7, 0, 0, 0, 0},
      {"a million angles", 1, 0, 1000000, 4, 1, 0, 9, 4},
      {"an angle count of 0", 1, 0, 0, 4, 1, 0, 0, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDiscEngine engine;
    TitleInfo title = FakeTitle(100, {{AC3, "English"}});
    title.AudioStreamCount = c.audio;
    title.SubtitleStreamCount = c.subtitles;
    title.AngleCount = c.angles;
    title.ChapterCount = c.chapters;
    engine.Titles = {title};
    KelvaneSettings settings;
    const TAudioEncoderScheme scheme = Mp3Scheme();
    Built built;
    Build(built, engine, settings, TaskTarget{nullptr, &scheme, "MP3", "mp3", 8});
    ASSERT_EQ(built.tasks.size(), static_cast<size_t>(c.tasks));
    for (DVDConvertTask* task : built.tasks) {
      EXPECT_EQ(task->Title.AudioStreamCount, c.keptAudio);
      EXPECT_EQ(task->Title.SubtitleStreamCount, c.keptSubtitles);
      EXPECT_EQ(task->Title.ChapterCount, c.keptChapters);
      EXPECT_EQ(AudioStreamTexts(task->Title).size(), static_cast<size_t>(c.keptAudio));
      EXPECT_EQ(SubtitleStreamTexts(task->Title).size(), static_cast<size_t>(c.keptSubtitles) + 1);
    }
  }
}

TEST(TitleList, NamesWithoutTheirZeroAreReadWithinTheirBytes) {
  TitleInfo title = FakeTitle(100, {{AC3, ""}, {AC3, ""}}, 1, {{"", 1}});
  std::memset(title.AudioStreams[0].Language, 'E', sizeof(title.AudioStreams[0].Language));
  std::memset(title.SubtitleStreams[0].Language, 'G', sizeof(title.SubtitleStreams[0].Language));
  // The bytes after each name are a number and a kind that must not join the text.
  title.AudioStreams[0].Extension = 'X';
  title.SubtitleStreams[0].CaptionKind = 'Y';
  const String english(256, 'E'), german(256, 'G');
  EXPECT_EQ(AudioStreamText(title.AudioStreams[0]), "Dolby AC-3(48KHz) 2 Channels - " + english);
  EXPECT_EQ(SubtitleStreamText(title.SubtitleStreams[0]), german);
  EXPECT_EQ(FindDefaultAudioStream(title, english), 0);
  EXPECT_EQ(FindDefaultAudioStream(title, ""), 1);
  EXPECT_EQ(FindDefaultSubtitleStream(title, german), 1);
}

TEST(TitleList, ATitleTheEngineCannotDescribeGetsNoTask) {
  struct Case {
    std::vector<int> failing;
    std::vector<String> names;
  } cases[] = {
      {{1}, {"Title 01", "Title 03(Main Movie)"}},
      {{2}, {"Title 01", "Title 02(Main Movie)"}},
      {{0, 1, 2}, {}},
  };
  for (const Case& c : cases) {
    FakeDiscEngine engine;
    engine.Titles = {FakeTitle(60, {{AC3, "English"}}), FakeTitle(9000, {{AC3, "English"}}),
                     FakeTitle(120, {{AC3, "English"}})};
    engine.FailingTitles = c.failing;
    KelvaneSettings settings;
    const TAudioEncoderScheme scheme = Mp3Scheme();
    Built built;
    Build(built, engine, settings, TaskTarget{nullptr, &scheme, "MP3", "mp3", 8});
    EXPECT_EQ(built.Names(), c.names);
  }
}

TEST(TitleList, DefaultStreamsFollowTheLanguagesOfTheSettings) {
  const TitleInfo title = FakeTitle(100, {{DTS, "German"}, {LPCM, "French"}, {MPEG2, "French"}, {AC3, "English"},
                                          {MPEG1, "english"}},
                                    1, {{"English", 1}, {"German", 2}, {"German", 3}});
  struct Case {
    const char* language;
    int audio, subtitle;
  } cases[] = {
      {"German", 0, 2},   // only a DTS stream in German: the first stream
      {"French", 2, 0},   // the LPCM stream is passed over, MPEG-2 is taken
      {"English", 3, 1},
      {"english", 4, 0},  // exact, case and all
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindDefaultAudioStream(title, c.language), c.audio) << c.language;
    EXPECT_EQ(FindDefaultSubtitleStream(title, c.language), c.subtitle) << c.language;
  }
}

TEST(StreamTexts, AudioAndSubtitleEntries) {
  struct AudioCase {
    FakeAudio audio;
    String text;
  } audio[] = {
      {{AC3, "English", 48000, 6}, "Dolby AC-3(48KHz) 5.1 Channels - English"},
      {{MPEG1, "French", 44100, 2, 2}, "MPEG-1(44.1KHz) 2 Channels - French(Visually Impaired)"},
      {{MPEG2, "Dutch", 32000, 1, 1}, "MPEG-2(32000Hz) 1 Channels - Dutch"},
      {{LPCM, "German", 96000, 8, 3}, "LPCM(96000Hz) 7.1 Channels - German(Director's Comments)"},
      {{DTS, "Greek", 48000, 5, 5}, "DTS(48KHz) 5 Channels - Greek"},
      {{7, "Czech", 44100, 7}, "SDDS(44.1KHz) 7 Channels - Czech"},
      {{8, "", 32000, 1, 4}, "Unkown(32000Hz) 1 Channels - (Director's Comments)"},
      {{1, "Italian", 48000, 2}, "Unkown(48KHz) 2 Channels - Italian"},
      {{5, "Polish", 0, 0}, "Unkown(0Hz) 0 Channels - Polish"},
      {{-1, "Finnish", -44100, 255, 255}, "Unkown(-44100Hz) 255 Channels - Finnish"},
      {{99, "Welsh", 22050, 3}, "Unkown(22050Hz) 3 Channels - Welsh"},
  };
  for (const AudioCase& c : audio) EXPECT_EQ(AudioStreamText(FakeTitle(10, {c.audio}).AudioStreams[0]), c.text);

  const TitleInfo title =
      FakeTitle(10, {}, 1,
                {{"English", 1}, {"English", 2}, {"English", 3}, {"English", 5}, {"English", 6}, {"English", 7},
                 {"English", 9}, {"English", 13}, {"English", 14}, {"English", 15}, {"German", 0}, {"German", 4},
                 {"German", 8}, {"German", 16}, {"German", 255}});
  EXPECT_EQ(SubtitleStreamTexts(title),
            (std::vector<String>{"None", "English(Normal Captions)", "English(Big Captions)",
                                 "English(Captions For Children)", "English(Normal Closed Captions)",
                                 "English(Big Closed Captions)", "English(Closed Captions For Children)",
                                 "English(Forcedly Activated)", "English(Director's Comments)",
                                 "English(Large-Sized Director's Comments)",
                                 "English(Director's Comments for Children)", "German", "German", "German", "German",
                                 "German"}));
}
