#include "tests/app/main/FakeDiscEngine.h"

#include <cstring>

TitleInfo FakeTitle(double duration, std::vector<FakeAudio> audio, int angles,
                    std::vector<std::pair<const char*, int>> subtitles) {
  TitleInfo title{};
  title.Duration = duration;
  title.AngleCount = angles;
  title.AudioStreamCount = static_cast<std::int32_t>(audio.size());
  for (size_t i = 0; i < audio.size(); ++i) {
    AudioStreamInfo& stream = title.AudioStreams[i];
    stream.Coding = audio[i].Coding;
    std::strcpy(stream.Language, audio[i].Language);
    stream.SampleRate = audio[i].SampleRate;
    stream.Channels = static_cast<std::uint8_t>(audio[i].Channels);
    stream.Extension = static_cast<std::uint8_t>(audio[i].Extension);
  }
  title.SubtitleStreamCount = static_cast<std::int32_t>(subtitles.size());
  for (size_t i = 0; i < subtitles.size(); ++i) {
    std::strcpy(title.SubtitleStreams[i].Language, subtitles[i].first);
    title.SubtitleStreams[i].CaptionKind = static_cast<std::uint8_t>(subtitles[i].second);
  }
  return title;
}
