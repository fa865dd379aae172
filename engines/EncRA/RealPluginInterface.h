// The RealMedia video interface of EncRA.dll: 21 plain __stdcall functions,
// exported by name as "Real_" and the short name. Every entry but
// Real_CreateEncoderHandle takes the encoder handle first. The list below is the
// one description of them: the plug-in defines each, the program's wrapper looks
// each up. A "bool" is one byte, non-zero for success; names are written as
// zero-terminated text into a caller's buffer of 1,024 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engines/include/EngineRecords.h"

using RealEncoderHandle = std::uint32_t;  // 0: none

// The manual settings of Real_SetManualSettingsParams: 72 bytes, little-endian.
#pragma pack(push, 4)
struct RealManualSettings {
  std::int32_t UseVBR;             // 1: variable bit rate
  std::int32_t VideoVersion;       // 2 newest codec, 1, 0 oldest
  std::int32_t NoiseReduction;     // 0 on, 2 off
  std::int32_t Reserved1;
  double FrameRate;                // frames per second
  std::int32_t Reserved2;
  std::int32_t VideoKbps;          // average video bit rate, kbit/s
  std::int32_t MaxVideoKbps;       // highest video bit rate, kbit/s
  std::int32_t TargetVideoKbps;    // kbit/s
  std::int32_t Quality;            // 0-100
  std::int32_t AudioCodec;         // index into the RealAudio codec list
  double BufferSeconds;            // the decoder's buffer
  double KeyframeSeconds;          // longest time between key frames
  std::int32_t VBRMode;            // 2 with UseVBR, else 0
  std::uint8_t Flag1;
  std::uint8_t Flag2;
  std::uint8_t Reserved3[2];
};
#pragma pack(pop)
static_assert(sizeof(RealManualSettings) == 72);
static_assert(offsetof(RealManualSettings, FrameRate) == 16);
static_assert(offsetof(RealManualSettings, VideoKbps) == 28);
static_assert(offsetof(RealManualSettings, MaxVideoKbps) == 32);
static_assert(offsetof(RealManualSettings, TargetVideoKbps) == 36);
static_assert(offsetof(RealManualSettings, Quality) == 40);
static_assert(offsetof(RealManualSettings, AudioCodec) == 44);
static_assert(offsetof(RealManualSettings, BufferSeconds) == 48);
static_assert(offsetof(RealManualSettings, KeyframeSeconds) == 56);
static_assert(offsetof(RealManualSettings, VBRMode) == 64);
static_assert(offsetof(RealManualSettings, Flag1) == 68);
static_assert(offsetof(RealManualSettings, Flag2) == 69);

// X(short name, result, parameters)
#define VARNEL_REAL_ENTRIES(X)                                                                              \
  X(CreateEncoderHandle, RealEncoderHandle, ())                                                             \
  X(FreeEncoderHandle, void, (RealEncoderHandle h))                                                         \
  X(SetInputParms, void,                                                                                    \
    (RealEncoderHandle h, std::uint8_t video, std::uint8_t audio, std::int32_t width, std::int32_t height,  \
     std::int32_t rate1, std::int32_t rate2, std::int32_t pixelFormat, std::int32_t sampleRate,             \
     std::int32_t channels))                                                                                \
  X(SetupDestinationFile, bool, (RealEncoderHandle h, const char* path))                                    \
  X(SetupMediaProfile, bool, (RealEncoderHandle h, std::uint8_t profile1, std::uint8_t profile2))           \
  X(SetUse2Pass, void, (RealEncoderHandle h, std::uint8_t use))                                             \
  X(GetAvailableAudiencesCount, std::int32_t, (RealEncoderHandle h))                                        \
  X(GetAvailableAudiencesName, void, (RealEncoderHandle h, std::int32_t index, char* name))                 \
  X(SetupAudiences, bool, (RealEncoderHandle h, std::int32_t index))                                        \
  X(SetupTag, bool,                                                                                         \
    (RealEncoderHandle h, const char* title, const char* author, const char* copyright, const char* comment, \
     const char* extra))                                                                                    \
  X(BeginEncoding, bool, (RealEncoderHandle h))                                                             \
  X(EndEncoding, bool, (RealEncoderHandle h))                                                               \
  X(EncodeSample, bool,                                                                                     \
    (RealEncoderHandle h, std::int32_t kind, const void* data, std::int32_t byteCount, std::int32_t value1, \
     std::int32_t value2, std::int32_t value3, std::int32_t value4))                                        \
  X(EncodeVideoSample, bool,                                                                                \
    (RealEncoderHandle h, const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t value3, \
     std::int32_t value4))                                                                                  \
  X(EncodeAudioSample, bool,                                                                                \
    (RealEncoderHandle h, const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,         \
     std::int32_t value2, std::int32_t value3, std::int32_t value4))                                        \
  X(StartDo2Pass, bool, (RealEncoderHandle h))                                                              \
  X(GetOutputSize, std::uint32_t, (RealEncoderHandle h))                                                    \
  X(SetManualSettingsParams, void, (RealEncoderHandle h, const RealManualSettings* settings))              \
  X(GetAudioCodecCount, std::int32_t, (RealEncoderHandle h))                                                \
  X(GetAudioCodecName, void, (RealEncoderHandle h, std::int32_t index, char* name))                         \
  X(SetParamsMode, void, (RealEncoderHandle h, std::uint8_t manual))

// Kinds of Real_EncodeSample.
enum RealSampleKind : std::int32_t { rskVideo = 0, rskAudio = 1 };

#define VARNEL_REAL_TYPE(name, result, params) using Real##name##Entry = result(VARNEL_STDCALL*) params;
VARNEL_REAL_ENTRIES(VARNEL_REAL_TYPE)
#undef VARNEL_REAL_TYPE

#if defined(VARNEL_BUILDING_REAL_PLUGIN)
#define VARNEL_REAL_DECLARE(name, result, params) \
  extern "C" __declspec(dllexport) result VARNEL_STDCALL Real_##name params;
VARNEL_REAL_ENTRIES(VARNEL_REAL_DECLARE)
#undef VARNEL_REAL_DECLARE
#endif
