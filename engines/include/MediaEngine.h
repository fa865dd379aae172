// The media engine's objects: a MediaEncoder writes one video file, a FrameScaler
// crops and scales frames, a ColorConverter turns frames into 32-bit pixels for
// display. MediaEngine.dll exports six functions by ordinal (below). The virtual
// operations stand in the order of the engine's tables; never reorder, insert or
// remove one. Pixel format codes are PixelFormatCode (EngineRecords.h).
#pragma once

#include <cstdint>

#include "EngineRecords.h"

// Every result is a byte: 0 = success, anything else = refused.
class MediaEncoder {
public:
  virtual std::uint8_t SetVideoCodec(const char* name) = 0;
  virtual std::uint8_t SetAudioCodec(const char* name) = 0;
  virtual std::uint8_t SetFormat(const char* container) = 0;
  virtual std::uint8_t SetAudioParams(std::int32_t outRate, std::int32_t outChannels, std::int32_t bitRate,
                                      std::int32_t inRate, std::int32_t inChannels) = 0;
  virtual std::uint8_t SetVideoParams(std::int32_t width, std::int32_t height, std::int32_t bitRate,
                                      double frameRate, std::int32_t sourceWidth, std::int32_t sourceHeight,
                                      std::int32_t pixelFormat, std::int32_t cropLeft, std::int32_t cropRight,
                                      std::int32_t cropTop, std::int32_t cropBottom, std::int32_t reserved1,
                                      std::int32_t reserved2, std::int32_t reserved3, std::int32_t reserved4) = 0;
  // Six operations the program never calls; each refuses (answers 1).
  virtual std::uint8_t Unused1() = 0;
  virtual std::uint8_t Unused2() = 0;
  virtual std::uint8_t Unused3() = 0;
  virtual std::uint8_t Unused4() = 0;
  virtual std::uint8_t Unused5() = 0;
  virtual std::uint8_t Unused6() = 0;
  // Creates the file and writes its header.
  virtual std::uint8_t Begin() = 0;
  // Writes what is pending and the trailer, and closes the file.
  virtual std::uint8_t End() = 0;
  // One frame of the configured source size and pixel format.
  virtual std::uint8_t WriteVideo(const void* frame, std::int32_t value1, std::int32_t value2) = 0;
  // Interleaved 16-bit samples at the configured source rate and channels.
  virtual std::uint8_t WriteAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                                  std::int32_t value2) = 0;
  virtual std::uint8_t SetOption(const char* name, const char* value) = 0;
  // Bytes written to the file so far (its size once ended).
  virtual std::int64_t GetOutputSize() = 0;

protected:
  ~MediaEncoder() = default;  // ReleaseMediaEncoder frees it
};

class FrameScaler {
public:
  // Non-zero: the scaler can turn frames of the source into frames of the output.
  virtual std::uint8_t Configure(std::int32_t width, std::int32_t height, std::int32_t sourceWidth,
                                 std::int32_t sourceHeight, std::int32_t pixelFormat, std::uint8_t keepAspect,
                                 std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                                 std::int32_t cropBottom, std::int32_t reserved1, std::int32_t reserved2,
                                 std::int32_t reserved3, std::int32_t reserved4) = 0;
  // Non-zero: success.
  virtual std::uint8_t Process(const void* frame) = 0;
  // The processed frame, pfYUV420P, valid until the next Process.
  virtual const void* GetOutput() = 0;
  virtual std::int32_t GetWidth() = 0;
  virtual std::int32_t GetHeight() = 0;

protected:
  ~FrameScaler() = default;
};

class ColorConverter {
public:
  // Non-zero: success (the program converts pfYUV420P to pfBGR32BottomUp).
  virtual std::uint8_t Init(std::int32_t width, std::int32_t height, std::int32_t fromFormat,
                            std::int32_t toFormat) = 0;
  // Bytes of one converted frame (0 before a successful Init).
  virtual std::int32_t GetOutputSize() = 0;
  // Non-zero: success.
  virtual std::uint8_t Convert(const void* frame, void* output) = 0;

protected:
  ~ColorConverter() = default;
};

// The module's exports, by ordinal.
using CreateMediaEncoderFunc = MediaEncoder*(VARNEL_STDCALL*)(const char* outputPath);
using ReleaseMediaEncoderFunc = void(VARNEL_STDCALL*)(MediaEncoder* encoder);
using CreateFrameScalerFunc = FrameScaler*(VARNEL_STDCALL*)();
using ReleaseFrameScalerFunc = void(VARNEL_STDCALL*)(FrameScaler* scaler);
using CreateColorConverterFunc = ColorConverter*(VARNEL_STDCALL*)();
using ReleaseColorConverterFunc = void(VARNEL_STDCALL*)(ColorConverter* converter);

enum MediaEngineOrdinal : std::uint16_t {
  meoCreateMediaEncoder = 10,
  meoReleaseMediaEncoder = 20,
  meoCreateFrameScaler = 30,
  meoReleaseFrameScaler = 40,
  meoCreateColorConverter = 50,
  meoReleaseColorConverter = 60,
};

inline constexpr char kMediaEngineModule[] = "MediaEngine.dll";
