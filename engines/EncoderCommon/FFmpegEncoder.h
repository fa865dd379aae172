// The plug-in side of an FFmpeg-written format: a subclass chooses the settings
// from the parameter pairs; blocks arrive interleaved at the chosen format.
#pragma once

#include "engines/EncoderCommon/FFmpegAudioWriter.h"
#include "engines/EncoderCommon/PluginHost.h"

class FFmpegEncoder : public AudioEncoder {
public:
  bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
             const EncoderParams& params) override {
    FFmpegAudioSettings settings;
    if (!Choose(path, format, params, settings)) return false;
    if (!writer_.Open(path, settings, tags)) {
      RemoveOutputFile(path);
      return false;
    }
    channels_ = settings.channels;
    RequestFormat(format, kLayoutInterleaved, settings.rate, settings.channels);
    return true;
  }

  bool Encode(const AudioFormatRecord& format) override {
    if (!BlockMatches(format, kLayoutInterleaved, channels_)) return false;
    if (format.OutputCount == 0) return true;
    return writer_.Write(static_cast<const std::int16_t*>(format.InterleavedBuffer), format.OutputCount);
  }

  void End() override { writer_.Finish(); }

protected:
  // Fills the settings from the keys; false for values the format cannot take.
  virtual bool Choose(const char* path, const AudioFormatRecord& format, const EncoderParams& params,
                      FFmpegAudioSettings& settings) = 0;

private:
  FFmpegAudioWriter writer_;
  int channels_ = 2;
};

// One line of a list file: the format the line stands for.
struct ListedAudioFormat {
  const char* name;  // the line's display text
  int rate;
  int channels;
  int bitRate;       // bit/s
};
