#include "app/DVDConvertTask.h"

#include "app/VideoProfile.h"

String TaskStateText(int state) {
  static const char* const kTexts[] = {
      "Ready",
      "Processing",
      "Pause",
      "Completed",
      "Decoder initialization failure",
      "Encoder initialization failure",
      "An error occurs when decoding",
      "An error occurs when encoding",
      "Interrupted by user",
  };
  if (state < 0 || state >= static_cast<int>(sizeof kTexts / sizeof kTexts[0])) return String();
  return kTexts[state];
}

DVDConvertTask::DVDConvertTask() = default;

DVDConvertTask::~DVDConvertTask() {
  ReleaseTaskOutput(*this);
  for (TimeRange* clip : Clips) delete clip;
  Clips.clear();
}

ConvertOptions DVDConvertTask::EngineOptions() const {
  ConvertOptions options{};
  options.OptionByte1 = OptionBytes[0];
  options.OptionByte2 = OptionBytes[1];
  options.OptionByte3 = OptionBytes[2];
  options.OptionByte6 = OptionBytes[5];
  options.OptionByte4 = OptionBytes[3];
  options.OptionByte5 = OptionBytes[4];
  options.Volume = Volume;
  return options;
}

void ReleaseTaskOutput(DVDConvertTask& task) {
  FreeAndNil(task.VideoProfile);
  FreeAndNil(task.AudioScheme);
}

void AssignTaskOutput(DVDConvertTask& task, TVideoProfile* profile, TAudioEncoderScheme* scheme) {
  if (profile && scheme) {
    delete scheme;
    scheme = nullptr;
  }
  if (profile == task.VideoProfile && profile) return;
  if (scheme == task.AudioScheme && scheme) return;
  ReleaseTaskOutput(task);
  task.VideoProfile = profile;
  task.AudioScheme = scheme;
}

bool AddWholeTitleClip(DVDConvertTask& task) {
  if (task.Clips.size() >= static_cast<size_t>(kMaxClips)) return false;
  task.Clips.push_back(new TimeRange{0.0, task.Title.Duration});
  return true;
}
