// An audio file written by one of FFmpeg's encoders into one of its containers,
// fed with 16-bit interleaved frames.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engines/EncoderCommon/PluginHost.h"

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

struct FFmpegAudioSettings {
  const char* muxer = nullptr;    // FFmpeg's container name ("adts", "ipod", "flac", "asf", "rm")
  const char* encoder = nullptr;  // FFmpeg's encoder name
  int rate = 44100;
  int channels = 2;
  std::int64_t bitRate = 0;       // bit/s; 0: the encoder's default
  int globalQuality = 0;          // > 0: constant-quality mode with this lambda
  int profile = -99;              // the codec profile; -99: the encoder's default
  int cutoff = 0;                 // Hz; 0: the encoder's default
  std::vector<std::pair<std::string, std::string>> codecOptions;
  std::vector<std::pair<std::string, std::string>> muxerOptions;
};

class FFmpegAudioWriter {
public:
  FFmpegAudioWriter() = default;
  ~FFmpegAudioWriter();
  FFmpegAudioWriter(const FFmpegAudioWriter&) = delete;
  FFmpegAudioWriter& operator=(const FFmpegAudioWriter&) = delete;

  // Creates the file and writes its header; false (and no file) when it cannot.
  bool Open(const char* path, const FFmpegAudioSettings& settings, const TagTexts& tags);
  bool Write(const std::int16_t* frames, int count);
  // Encodes what is pending, writes the trailer and closes the file.
  bool Finish();

private:
  bool EncodeFrame(const std::int16_t* frames, int count);
  bool DrainPackets();
  void Release();

  AVFormatContext* format_ = nullptr;  // owned, with its file
  AVCodecContext* codec_ = nullptr;    // owned
  AVFrame* frame_ = nullptr;           // owned
  AVPacket* packet_ = nullptr;         // owned
  std::vector<std::int16_t> pending_;  // frames waiting for a whole codec frame
  std::int64_t pts_ = 0;
  int frameSize_ = 0;
  int channels_ = 0;
  bool fileOpen_ = false;
  std::string path_;
};
