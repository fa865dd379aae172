// MediaWriter: the media engine's encoder object over FFmpeg. Collects the
// container, codecs, parameters and options, and on Begin opens the encoders and
// the file; frames are cropped and scaled to the output size, samples converted
// to the audio encoder's rate and channels. The Windows Media and RealMedia
// plug-ins write their files through it too.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "MediaEngine.h"

class MediaWriter final : public MediaEncoder {
public:
  explicit MediaWriter(const char* outputPath);
  ~MediaWriter();
  MediaWriter(const MediaWriter&) = delete;
  MediaWriter& operator=(const MediaWriter&) = delete;

  std::uint8_t SetVideoCodec(const char* name) override;
  std::uint8_t SetAudioCodec(const char* name) override;
  std::uint8_t SetFormat(const char* container) override;
  std::uint8_t SetAudioParams(std::int32_t outRate, std::int32_t outChannels, std::int32_t bitRate,
                              std::int32_t inRate, std::int32_t inChannels) override;
  std::uint8_t SetVideoParams(std::int32_t width, std::int32_t height, std::int32_t bitRate, double frameRate,
                              std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t pixelFormat,
                              std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                              std::int32_t cropBottom, std::int32_t reserved1, std::int32_t reserved2,
                              std::int32_t reserved3, std::int32_t reserved4) override;
  std::uint8_t Unused1() override { return 1; }
  std::uint8_t Unused2() override { return 1; }
  std::uint8_t Unused3() override { return 1; }
  std::uint8_t Unused4() override { return 1; }
  std::uint8_t Unused5() override { return 1; }
  std::uint8_t Unused6() override { return 1; }
  std::uint8_t Begin() override;
  std::uint8_t End() override;
  std::uint8_t WriteVideo(const void* frame, std::int32_t value1, std::int32_t value2) override;
  std::uint8_t WriteAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                          std::int32_t value2) override;
  std::uint8_t SetOption(const char* name, const char* value) override;
  std::int64_t GetOutputSize() override;

  // For the plug-ins: settings beyond the engine's names.
  void SetGlobalQuality(int qscale) { qscale_ = qscale; }      // > 0: constant quality
  void SetKeyframeInterval(int frames) { gop_ = frames; }     // 0: the encoder's default
  void SetNoiseReduction(int value) { noiseReduction_ = value; }
  bool Begun() const { return open_ != nullptr; }

private:
  struct Open;  // the FFmpeg state of an open file

  std::string path_;
  std::string container_;           // FFmpeg muxer name; empty: from the file name
  std::string videoEncoder_, audioEncoder_;
  std::string videoTag_;            // four characters, or empty
  bool hasVideoParams_ = false, hasAudioParams_ = false;
  int width_ = 0, height_ = 0, sourceWidth_ = 0, sourceHeight_ = 0, pixelFormat_ = 0;
  int cropLeft_ = 0, cropRight_ = 0, cropTop_ = 0, cropBottom_ = 0;
  std::int64_t videoBitRate_ = 0;
  double frameRate_ = 0;
  int outRate_ = 0, outChannels_ = 0, inRate_ = 0, inChannels_ = 0;
  std::int64_t audioBitRate_ = 0;
  std::int64_t rcMax_ = -1, rcMin_ = -1, rcBuffer_ = -1, tolerance_ = -1;
  bool bitExact_ = false, keepAspect_ = false;
  double displayAspect_ = 0;        // 0: square pixels
  int qscale_ = 0, gop_ = 0, noiseReduction_ = 0;
  std::map<std::string, std::string> tags_;     // FFmpeg metadata keys
  std::map<std::string, std::string> codecOptions_;
  std::unique_ptr<Open> open_;
  std::int64_t finalSize_ = 0;
};
