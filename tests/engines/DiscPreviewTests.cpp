// The preview: Play delivers frames on the engine's own thread at the title's pace
// and stops; RefreshFrame delivers the frame at the position once; Seek and
// SeekChapter move the position within the title.
#include <gtest/gtest.h>

#include <functional>

#include "platform/core/WinApi.h"
#include "tests/engines/DiscTestSupport.h"

using namespace disctest;

namespace {

EnginePtr PreviewEngine(Recorder& r, const char* source = "dvd\\") {
  auto engine = NewEngine();
  EXPECT_TRUE(engine->OpenDVD(Fixture(source).c_str()));
  DiscEngineCallbacks cb = r.Callbacks(true);
  engine->SetCallbacks(&cb);
  engine->SelectTitle(0);
  return engine;
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 10) {
    if (done()) return true;
    ::Sleep(10);
  }
  return done();
}

}  // namespace

TEST(DiscPreview, PlayDeliversFramesOnItsOwnThreadAndStops) {
  Recorder r;
  auto engine = PreviewEngine(r);
  engine->Play(true);  // a missing sound device is no error
  EXPECT_TRUE(engine->IsPlaying());
  ASSERT_TRUE(WaitFor([&] { return r.PreviewFrames >= 3; }, 60000));
  engine->Stop();
  EXPECT_FALSE(engine->IsPlaying());
  EXPECT_NE(r.PreviewThread.load(), ::GetCurrentThreadId());
  EXPECT_EQ(r.PreviewInfo.Width, 352);
  EXPECT_EQ(r.PreviewInfo.PixelFormat, pfYUV420P);
  EXPECT_GT(engine->GetPosition(), 0.0);
  int stopped = r.PreviewFrames;
  ::Sleep(200);
  EXPECT_EQ(r.PreviewFrames, stopped);
}

TEST(DiscPreview, PlayEndsByItselfAtTheEndOfTheTitle) {
  Recorder r;
  auto engine = PreviewEngine(r);
  engine->Seek(2.5);
  engine->Play(false);
  ASSERT_TRUE(WaitFor([&] { return !engine->IsPlaying(); }, 60000));
  EXPECT_GT(r.PreviewFrames, 0);
  EXPECT_LE(r.PreviewFrames, 25);
}

TEST(DiscPreview, RefreshFrameDeliversOneFrameOnTheCallingThread) {
  Recorder r;
  auto engine = PreviewEngine(r);
  engine->Seek(1.5);
  EXPECT_DOUBLE_EQ(engine->GetPosition(), 1.5);
  engine->RefreshFrame();
  EXPECT_EQ(r.PreviewFrames, 1);
  EXPECT_EQ(r.PreviewThread.load(), ::GetCurrentThreadId());
  EXPECT_NEAR(r.PreviewInfo.DisplayAspect, 4.0 / 3.0, 1e-9);
}

TEST(DiscPreview, SeeksStayInsideTheTitle) {
  Recorder r;
  auto engine = PreviewEngine(r);
  struct Case { double Seek; double Expected; } seeks[] = {{-5.0, 0.0}, {1.25, 1.25}, {1e9, 3.0}};
  for (const auto& c : seeks) {
    engine->Seek(c.Seek);
    EXPECT_NEAR(engine->GetPosition(), c.Expected, 0.05) << c.Seek;
  }
  engine->SeekChapter(2);
  EXPECT_NEAR(engine->GetPosition(), 2.0, 0.05);
  engine->SeekChapter(99);  // no such chapter: the position stays
  EXPECT_NEAR(engine->GetPosition(), 2.0, 0.05);
}

TEST(DiscPreview, EncryptedDiscDeliversNothingAndStops) {
  Recorder r;
  auto engine = PreviewEngine(r, "scrambled\\");
  engine->RefreshFrame();
  engine->Play(false);
  ASSERT_TRUE(WaitFor([&] { return !engine->IsPlaying(); }, 60000));
  EXPECT_EQ(r.PreviewFrames, 0);
}
