// Convert over the DVD fixture: the pieces of every split mode with their frames and
// samples, the picture and volume settings, failures of the callbacks, Pause and
// Abort from a timer while the call keeps the thread's messages flowing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/core/WinApi.h"
#include "tests/engines/DiscTestSupport.h"

using namespace disctest;

namespace {

constexpr int kWidth = 352, kHeight = 288;
constexpr long long kRate = 48000;
constexpr long long kAudioSlack = 1536;  // one AC-3 frame

EnginePtr OpenedEngine(Recorder& recorder, const char* source = "dvd\\") {
  auto engine = NewEngine();
  EXPECT_TRUE(engine);
  if (!engine) return engine;
  EXPECT_TRUE(engine->OpenDVD(Fixture(source).c_str()));
  DiscEngineCallbacks cb = recorder.Callbacks();
  engine->SetCallbacks(&cb);
  ConvertOptions options{1, 1, 255, 0, 1, 0, {0, 0}, 3.0};
  engine->SetConvertOptions(&options);
  engine->SelectTitle(0);
  engine->SelectAngle(0);
  engine->SelectAudioStream(0);
  engine->SelectSubtitleStream(0);
  engine->SetOutputStreams(kOutputVideoAndAudio);
  return engine;
}

void WholeTitle(DiscEngine& engine) {
  TimeRange whole{-1.0, -1.0};
  engine.SetSplitMode(smClips, 0);
  engine.SetTimeRanges(1, &whole);
}

}  // namespace

TEST(DiscConvert, WholeTitleDeliversEveryFrameAndSample) {
  Recorder r;
  auto engine = OpenedEngine(r);
  WholeTitle(*engine);
  ASSERT_EQ(engine->Convert(), crCompleted);
  ASSERT_EQ(r.Pieces.size(), 1u);
  const PieceRecord& p = r.Pieces[0];
  EXPECT_TRUE(p.Ended);
  EXPECT_EQ(p.Video.Width, kWidth);
  EXPECT_EQ(p.Video.Height, kHeight);
  EXPECT_EQ(p.Video.PixelFormat, pfYUV420P);
  EXPECT_EQ(p.Video.FrameRate1, 25);
  EXPECT_EQ(p.Video.FrameRate2, 1);
  EXPECT_NEAR(p.Video.DisplayAspect, 4.0 / 3.0, 1e-9);
  EXPECT_EQ(p.AudioRate, 48000);
  EXPECT_EQ(p.AudioChannels, 2);
  EXPECT_EQ(p.Title.TitleIndex, 0);
  EXPECT_EQ(p.Title.ClipNumber, 1);
  EXPECT_STREQ(p.Title.AudioLanguage, "English");
  EXPECT_STREQ(p.Title.SubtitleLanguage, "");
  EXPECT_NEAR(p.Frames, 75, 1);
  EXPECT_NEAR(static_cast<double>(p.SampleFrames), 3 * kRate, kAudioSlack);
  EXPECT_FALSE(r.AllSamplesZero);
  ASSERT_FALSE(r.Progress.empty());
  EXPECT_FLOAT_EQ(r.Progress.back().Percent, 100.0f);
}

TEST(DiscConvert, SplitModesCutTheTitleIntoPieces) {
  struct Case {
    const char* Name;
    int Mode, Value;
    std::vector<std::uint8_t> Chapters;   // for mode 2, the first flags (others 0)
    std::vector<TimeRange> Ranges;        // for mode 0
    std::vector<int> Frames;              // per piece
    std::vector<int> ChapterIndexes;
  } cases[] = {
      {"by chapter, all", smByChapter, 0, {1, 1, 1}, {}, {25, 25, 25}, {0, 1, 2}},
      {"by chapter, first and last", smByChapter, 0, {1, 0, 1}, {}, {25, 25}, {0, 2}},
      {"by time, one second", smByTime, 1, {}, {}, {25, 25, 25}, {0, 1, 2}},
      {"clips", smClips, 0, {}, {{0.4, 1.2}, {2.0, 2.6}}, {20, 15}, {0, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Recorder r;
    auto engine = OpenedEngine(r);
    engine->SetSplitMode(c.Mode, c.Value);
    std::uint8_t flags[kChapterFlagCount] = {};
    std::copy(c.Chapters.begin(), c.Chapters.end(), flags);
    engine->SetChapterSelection(flags);
    TimeRange whole{-1.0, -1.0};
    if (c.Ranges.empty()) engine->SetTimeRanges(1, &whole);
    else engine->SetTimeRanges(static_cast<int>(c.Ranges.size()), c.Ranges.data());
    ASSERT_EQ(engine->Convert(), crCompleted);
    ASSERT_EQ(r.Pieces.size(), c.Frames.size());
    for (std::size_t i = 0; i < c.Frames.size(); ++i) {
      SCOPED_TRACE(i);
      const PieceRecord& p = r.Pieces[i];
      EXPECT_TRUE(p.Ended);
      EXPECT_EQ(p.Title.ClipNumber, static_cast<int>(i) + 1);
      EXPECT_EQ(p.Title.ChapterIndex, c.ChapterIndexes[i]);
      EXPECT_NEAR(p.Frames, c.Frames[i], 1);
      double seconds = c.Frames[i] / 25.0;
      bool last = i + 1 == c.Frames.size() && c.Ranges.empty();
      EXPECT_NEAR(static_cast<double>(p.SampleFrames), seconds * kRate, last ? kAudioSlack : 2);
    }
  }
}

TEST(DiscConvert, SplitBySizeStartsANewPieceAtTheLimit) {
  Recorder r;
  auto engine = OpenedEngine(r);
  engine->SetOutputStreams(kOutputVideoAndAudio);
  engine->SetSplitMode(smBySize, 1);  // 1 MB: 7 frames of 152,064 bytes pass it
  TimeRange whole{-1.0, -1.0};
  engine->SetTimeRanges(1, &whole);
  ASSERT_EQ(engine->Convert(), crCompleted);
  ASSERT_GE(r.Pieces.size(), 9u);
  EXPECT_NEAR(r.TotalFrames, 75, 1);
  for (std::size_t i = 0; i < r.Pieces.size(); ++i) {
    EXPECT_EQ(r.Pieces[i].Title.ClipNumber, static_cast<int>(i) + 1);
    EXPECT_TRUE(r.Pieces[i].Ended);
    EXPECT_LE(r.Pieces[i].Frames, 7);
  }
}

TEST(DiscConvert, AudioOnlyDeliversNoFrames) {
  struct Case { int Audio; const char* Language; } cases[] = {{0, "English"}, {1, "French"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Language);
    Recorder r;
    auto engine = OpenedEngine(r);
    engine->SetOutputStreams(kOutputAudioOnly);
    engine->SelectAudioStream(c.Audio);
    WholeTitle(*engine);
    ASSERT_EQ(engine->Convert(), crCompleted);
    ASSERT_EQ(r.Pieces.size(), 1u);
    EXPECT_EQ(r.TotalFrames, 0);
    EXPECT_STREQ(r.Pieces[0].Title.AudioLanguage, c.Language);
    EXPECT_NEAR(static_cast<double>(r.TotalSampleFrames), 3 * kRate, kAudioSlack);
  }
}

TEST(DiscConvert, VolumeZeroSilencesTheSamples) {
  Recorder r;
  auto engine = OpenedEngine(r);
  ConvertOptions silent{1, 1, 255, 0, 1, 0, {0, 0}, 0.0};
  engine->SetConvertOptions(&silent);
  engine->SetOutputStreams(kOutputAudioOnly);
  WholeTitle(*engine);
  ASSERT_EQ(engine->Convert(), crCompleted);
  EXPECT_GT(r.TotalSampleFrames, 0);
  EXPECT_TRUE(r.AllSamplesZero);
}

TEST(DiscConvert, LuminanceAndSubtitleReachThePicture) {
  auto lumaAt = [](const std::vector<std::uint8_t>& frame, int x, int y) { return frame[y * kWidth + x]; };
  // Share of bright pixels in the subtitle's box (160 x 32 at 96, 220), moved by dy.
  auto brightInBox = [&](const std::vector<std::uint8_t>& frame, int dy) {
    int bright = 0;
    for (int y = 224; y < 248; ++y)
      for (int x = 100; x < 250; ++x) bright += lumaAt(frame, x, y + dy) >= 200;
    return bright / (24.0 * 150.0);
  };
  struct Case { const char* Name; int Gain, Offset, Subtitle, SubOffset; } cases[] = {
      {"plain", 128, 0, 0, 0},
      {"flat grey", 0, 100, 0, 0},
      {"subtitle", 128, 0, 1, 0},
      {"subtitle moved up", 128, 0, 1, -100},
  };
  std::vector<std::uint8_t> frames[4];
  for (int i = 0; i < 4; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.Name);
    Recorder r;
    r.KeepFrame = 37;  // 1.48 s, while the subtitle shows
    auto engine = OpenedEngine(r);
    engine->SetLuminanceGain(c.Gain);
    engine->SetLuminanceOffset(c.Offset);
    engine->SelectSubtitleStream(c.Subtitle);
    engine->SetSubtitleOffset(c.SubOffset);
    TimeRange range{0.0, 1.6};
    engine->SetSplitMode(smClips, 0);
    engine->SetTimeRanges(1, &range);
    ASSERT_EQ(engine->Convert(), crCompleted);
    ASSERT_EQ(r.KeptFrame.size(), static_cast<std::size_t>(kWidth * kHeight * 3 / 2));
    frames[i] = r.KeptFrame;
  }
  for (int i = 0; i < kWidth * kHeight; ++i) ASSERT_EQ(frames[1][i], 100) << i;
  EXPECT_GT(brightInBox(frames[2], 0), 0.95);
  EXPECT_LT(brightInBox(frames[0], 0), 0.5);
  EXPECT_GT(brightInBox(frames[3], -100), 0.95);
  EXPECT_LT(brightInBox(frames[3], 0), 0.5);
}

TEST(DiscConvert, CallbackFailuresEndTheConversion) {
  {
    Recorder r;
    r.BeginAnswer = false;
    auto engine = OpenedEngine(r);
    WholeTitle(*engine);
    EXPECT_EQ(engine->Convert(), crEncoderInitFailed);
  }
  {
    Recorder r;
    r.VideoAnswer = false;
    auto engine = OpenedEngine(r);
    WholeTitle(*engine);
    EXPECT_EQ(engine->Convert(), crEncodingError);
    EXPECT_EQ(r.TotalFrames, 1);
    ASSERT_EQ(r.Pieces.size(), 1u);
    EXPECT_TRUE(r.Pieces[0].Ended);
  }
}

TEST(DiscConvert, BadSelectionsAndSourcesFailCleanly) {
  struct Case { const char* Name; const char* Source; int Title, Angle; int Expected; } cases[] = {
      {"title out of range", "dvd\\", 5, 0, crDecoderInitFailed},
      {"negative title", "dvd\\", -1, 0, crDecoderInitFailed},
      {"angle out of range", "dvd\\", 0, 3, crDecoderInitFailed},
      {"encrypted disc", "scrambled\\", 0, 0, crDecodingError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Recorder r;
    auto engine = OpenedEngine(r, c.Source);
    engine->SelectTitle(c.Title);
    engine->SelectAngle(c.Angle);
    WholeTitle(*engine);
    EXPECT_EQ(engine->Convert(), c.Expected);
    for (const PieceRecord& p : r.Pieces) EXPECT_TRUE(p.Ended);
  }
  auto unopened = NewEngine();
  EXPECT_EQ(unopened->Convert(), crDecoderInitFailed);
}

namespace {

DiscEngine* gTimerEngine = nullptr;
int gTicks = 0;
int gAbortAtTick = 0;

void CALLBACK DriveEngine(HWND, UINT, UINT_PTR, DWORD) {
  ++gTicks;
  if (gAbortAtTick > 0) {
    if (gTicks == gAbortAtTick) gTimerEngine->Abort();
  } else if (gTicks == 1) {
    gTimerEngine->Pause();
  } else if (gTicks == 5) {
    gTimerEngine->Resume();
  }
}

}  // namespace

TEST(DiscConvert, AbortFromATimerDuringTheCallAnswersInterrupted) {
  Recorder r;
  r.FrameDelayMs = 5;
  auto engine = OpenedEngine(r);
  WholeTitle(*engine);
  gTimerEngine = engine.get();
  gTicks = 0;
  gAbortAtTick = 1;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 1, DriveEngine);
  std::uint8_t result = engine->Convert();
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(result, crInterrupted);
  EXPECT_GE(gTicks, 1);
  EXPECT_LT(r.TotalFrames, 75);
  for (const PieceRecord& p : r.Pieces) EXPECT_TRUE(p.Ended);
}

TEST(DiscConvert, PauseAndResumeFromATimerLetTheConversionFinish) {
  Recorder r;
  r.FrameDelayMs = 5;
  auto engine = OpenedEngine(r);
  WholeTitle(*engine);
  gTimerEngine = engine.get();
  gTicks = 0;
  gAbortAtTick = 0;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 1, DriveEngine);
  std::uint8_t result = engine->Convert();
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(result, crCompleted);
  EXPECT_GE(gTicks, 5);  // the timer kept firing while the engine was paused
  EXPECT_NEAR(r.TotalFrames, 75, 1);
}

TEST(DiscConvert, VobFileTitleConvertsLikeTheDiscTitle) {
  Recorder r;
  auto engine = NewEngine();
  String path = Fixture("vob\\title1.vob");
  char* paths[1] = {path.data()};
  ASSERT_TRUE(engine->OpenVOBFiles(paths, 1, nullptr, nullptr, nullptr, nullptr));
  DiscEngineCallbacks cb = r.Callbacks();
  engine->SetCallbacks(&cb);
  engine->SelectTitle(0);
  engine->SelectAudioStream(0);
  WholeTitle(*engine);
  ASSERT_EQ(engine->Convert(), crCompleted);
  ASSERT_EQ(r.Pieces.size(), 1u);
  EXPECT_NEAR(r.TotalFrames, 75, 1);
  EXPECT_NEAR(static_cast<double>(r.TotalSampleFrames), 3 * kRate, kAudioSlack);
}
