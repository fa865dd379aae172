// Reads back an audio file a plug-in wrote, through FFmpeg's demuxers and decoders.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct DecodedAudio {
  bool ok = false;
  std::string container;  // FFmpeg's demuxer name ("mp3", "ogg", "wav", ...)
  std::string codec;      // FFmpeg's decoder name
  int rate = 0;
  int channels = 0;
  std::int64_t frames = 0;                   // decoded sample frames
  std::vector<std::int16_t> samples;         // interleaved, when asked for
  std::map<std::string, std::string> tags;   // container and stream tags, lower-case keys
};

DecodedAudio DecodeAudioFile(const std::string& path, bool keepSamples);
