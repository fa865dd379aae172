#include "app/DVDConvertTask.h"

#include <gtest/gtest.h>

#include "app/VideoProfiles.h"

namespace {

// A profile that counts its destructions.
class CountedProfile : public TAVIProfile {
public:
  explicit CountedProfile(int& destroyed) : TAVIProfile("counted", ""), destroyed_(destroyed) {}
  ~CountedProfile() override { ++destroyed_; }

private:
  int& destroyed_;
};

}  // namespace

TEST(DVDConvertTaskTest, StartsWithTheRecordDefaults) {
  DVDConvertTask task;
  EXPECT_EQ(task.SourceListingNumber, 0);
  EXPECT_FALSE(task.Checked);
  EXPECT_TRUE(task.Available);
  EXPECT_EQ(task.Title.Duration, 0.0);
  EXPECT_EQ(task.FormatCode, 0);
  EXPECT_EQ(task.Source, skDVDFolder);
  EXPECT_EQ(task.Volume, 3.0);
  EXPECT_EQ(task.Split, smClips);
  EXPECT_EQ(task.SplitSize, 200);
  EXPECT_EQ(task.SplitMinutes, 20);
  EXPECT_TRUE(task.Clips.empty());
  for (std::uint8_t flag : task.ChapterFlags) EXPECT_EQ(flag, 0);
  EXPECT_EQ(task.LuminanceGain, 128);
  EXPECT_EQ(task.LuminanceOffset, 0);
  EXPECT_EQ(task.SubtitleOffset, 0);
  EXPECT_TRUE(task.Unsqueeze);
  EXPECT_TRUE(task.KeepAspect);
  EXPECT_EQ(task.CropLeft + task.CropRight + task.CropTop + task.CropBottom, 0);
  EXPECT_EQ(task.VideoProfile, nullptr);
  EXPECT_EQ(task.AudioScheme, nullptr);
  EXPECT_EQ(task.State, tsReady);
  EXPECT_EQ(task.Percent, 0.0);
}

TEST(DVDConvertTaskTest, EngineOptionsGoInTheEnginesOrder) {
  DVDConvertTask task;
  ConvertOptions options = task.EngineOptions();
  const std::uint8_t* bytes = reinterpret_cast<const std::uint8_t*>(&options);
  const std::uint8_t expected[6] = {1, 1, 255, 0, 1, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(bytes[i], expected[i]) << i;
  EXPECT_EQ(options.Volume, 3.0);

  const std::uint8_t distinct[6] = {11, 12, 13, 14, 15, 16};
  std::copy(distinct, distinct + 6, task.OptionBytes);
  task.Volume = 1.5;
  options = task.EngineOptions();
  const std::uint8_t sent[6] = {11, 12, 13, 16, 14, 15};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(bytes[i], sent[i]) << i;
  EXPECT_EQ(options.Volume, 1.5);
}

TEST(DVDConvertTaskTest, StateTexts) {
  const char* texts[] = {"Ready",
                         "Processing",
                         "Pause",
                         "Completed",
                         "Decoder initialization failure",
                         "Encoder initialization failure",
                         "An error occurs when decoding",
                         "An error occurs when encoding",
                         "Interrupted by user"};
  for (int state = 0; state < 9; ++state) EXPECT_EQ(TaskStateText(state), texts[state]);
  EXPECT_EQ(TaskStateText(-1), "");
  EXPECT_EQ(TaskStateText(9), "");
}

TEST(DVDConvertTaskTest, ANewTargetFreesTheOldOneOnce) {
  int destroyed = 0;
  {
    DVDConvertTask task;
    AssignTaskOutput(task, new CountedProfile(destroyed), nullptr);
    EXPECT_NE(task.VideoProfile, nullptr);
    AssignTaskOutput(task, nullptr, new TAudioEncoderScheme{"C:\\EncMP3.dll", "CD-Quality"});
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(task.VideoProfile, nullptr);
    ASSERT_NE(task.AudioScheme, nullptr);
    EXPECT_EQ(task.AudioScheme->PresetName, "CD-Quality");
    AssignTaskOutput(task, new CountedProfile(destroyed), nullptr);
    EXPECT_EQ(task.AudioScheme, nullptr);
    AssignTaskOutput(task, task.VideoProfile, nullptr);  // the same profile again: kept
    EXPECT_EQ(destroyed, 1);
    ReleaseTaskOutput(task);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(task.VideoProfile, nullptr);
    AssignTaskOutput(task, new CountedProfile(destroyed), nullptr);
  }
  EXPECT_EQ(destroyed, 3);  // the destructor releases the target
}

TEST(DVDConvertTaskTest, ClipsCoverTheTitleAndStopAtTheLimit) {
  DVDConvertTask task;
  task.Title.Duration = 125.5;
  for (int i = 0; i < kMaxClips; ++i) ASSERT_TRUE(AddWholeTitleClip(task));
  EXPECT_FALSE(AddWholeTitleClip(task));
  ASSERT_EQ(task.Clips.size(), 100u);
  EXPECT_EQ(task.Clips[0]->Start, 0.0);
  EXPECT_EQ(task.Clips[0]->End, 125.5);
}
