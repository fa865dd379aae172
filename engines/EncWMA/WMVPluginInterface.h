// The Windows Media video interface of EncWMA.dll: 47 plain __stdcall functions,
// exported by name as "WMV_" and the short name. The list below is the one
// description of them: the plug-in defines each, the program's wrapper looks
// each up. A "bool" is one byte, non-zero for success; names are written as
// zero-terminated text into a caller's buffer of kPluginNameBufferSize bytes.
#pragma once

#include <cstdint>

#include "engines/include/EngineRecords.h"

inline constexpr int kPluginNameBufferSize = 1024;

// X(short name, result, parameters, arguments)
#define VARNEL_WMV_ENTRIES(X)                                                                             \
  X(Init, bool, (), ())                                                                                   \
  X(Uninit, void, (), ())                                                                                 \
  X(GetLanguageCount, std::int32_t, (), ())                                                               \
  X(GetLanguageName, void, (std::int32_t index, char* name), (index, name))                               \
  X(SetLanguage, void, (std::int32_t index), (index))                                                     \
  X(SetUseSMPTEStream, void, (std::uint8_t use), (use))                                                   \
  X(GetAudioCodecCount, std::int32_t, (), ())                                                             \
  X(GetAudioCodecName, void, (std::int32_t index, char* name), (index, name))                             \
  X(GetAudioFormatCount, std::int32_t, (std::int32_t codec), (codec))                                     \
  X(GetAudioFormat, void, (std::int32_t codec, std::int32_t index, char* name), (codec, index, name))     \
  X(SetAudioCodecAndFormat, void, (std::int32_t codec, std::int32_t format), (codec, format))             \
  X(SetAudioUseUncompressed, void, (std::uint8_t use), (use))                                             \
  X(SetAudioBufferWindow, void, (std::int32_t ms), (ms))                                                  \
  X(GetVideoCodecCount, std::int32_t, (), ())                                                             \
  X(GetVideoCodecName, void, (std::int32_t index, char* name), (index, name))                             \
  X(SetVideoCodec, void, (std::int32_t index), (index))                                                   \
  X(GetVideoIsVBR, bool, (std::int32_t codec), (codec))                                                   \
  X(SetVideoUseUncompressed, void, (std::uint8_t use), (use))                                             \
  X(GetVideoUncompressedFormatCount, std::int32_t, (), ())                                                \
  X(GetVideoUncompressedFormatName, void, (std::int32_t index, char* name), (index, name))               \
  X(SetVideoUncompressedFormat, void, (std::int32_t index), (index))                                      \
  X(SetVideoUseVBR, void, (std::uint8_t use), (use))                                                      \
  X(SetVideoVBRMode, void, (std::int32_t mode), (mode))                                                   \
  X(SetVideoBufferWindow, void, (std::int32_t ms), (ms))                                                  \
  X(SetVideoBitrate, void, (std::int32_t bitRate), (bitRate))                                             \
  X(SetVideoQuality, void, (std::int32_t quality), (quality))                                             \
  X(SetVideoVBRMaxBitrate, void, (std::int32_t bitRate), (bitRate))                                       \
  X(SetVideoVBRMaxBuffer, void, (std::int32_t ms), (ms))                                                  \
  X(SetVideoVBRQuality, void, (std::int32_t quality), (quality))                                          \
  X(SetVideoWidth, void, (std::int32_t width), (width))                                                   \
  X(SetVideoHeight, void, (std::int32_t height), (height))                                                \
  X(SetVideoFPS, void, (double fps), (fps))                                                               \
  X(SetVideoSecsKeyframe, void, (std::int32_t seconds), (seconds))                                        \
  X(SaveProfile, bool, (const char* path), (path))                                                        \
  X(SetInputParms, void,                                                                                  \
    (std::uint8_t video, std::uint8_t audio, std::int32_t width, std::int32_t height, std::int32_t rate1, \
     std::int32_t rate2, std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels),       \
    (video, audio, width, height, rate1, rate2, pixelFormat, sampleRate, channels))                       \
  X(BeginEncoding, bool, (), ())                                                                          \
  X(EndEncoding, bool, (), ())                                                                            \
  X(EncodeSample, bool,                                                                                   \
    (std::int32_t kind, const void* data, std::int32_t byteCount, std::int32_t value1,                    \
     std::int32_t value2),                                                                                \
    (kind, data, byteCount, value1, value2))                                                              \
  X(EncodeVideoSample, bool, (const void* frame, std::int32_t value1, std::int32_t value2),               \
    (frame, value1, value2))                                                                              \
  X(EncodeAudioSample, bool,                                                                              \
    (const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1, std::int32_t value2),      \
    (samples, byteCount, value1, value2))                                                                 \
  X(GetOutputSize, std::uint32_t, (), ())                                                                 \
  X(SetupDestinationFile, void, (const char* path), (path))                                               \
  X(GetUseSystemProfileCount, std::int32_t, (), ())                                                       \
  X(GetUseSystemProfileName, void, (std::int32_t index, char* name), (index, name))                       \
  X(SetUseSystemProfile, void, (std::uint8_t use, std::int32_t index), (use, index))                      \
  X(SetId3Tag, bool,                                                                                      \
    (const char* title, const char* artist, const char* album, const char* comment, const char* genre),   \
    (title, artist, album, comment, genre))                                                               \
  X(SetVideoTag, bool,                                                                                    \
    (const char* title, const char* author, const char* copyright, const char* comment,                   \
     const char* extra),                                                                                  \
    (title, author, copyright, comment, extra))

// Kinds of WMV_EncodeSample.
enum WMVSampleKind : std::int32_t { wskVideo = 0, wskAudio = 1 };

#if defined(VARNEL_BUILDING_WMV_PLUGIN)
#define VARNEL_WMV_EXPORT __declspec(dllexport)
#else
#define VARNEL_WMV_EXPORT
#endif

// The pointer type of each entry (WMVInitEntry, ...) and, for the plug-in, its declaration.
#define VARNEL_WMV_TYPE(name, result, params, args) using WMV##name##Entry = result(VARNEL_STDCALL*) params;
VARNEL_WMV_ENTRIES(VARNEL_WMV_TYPE)
#undef VARNEL_WMV_TYPE

#if defined(VARNEL_BUILDING_WMV_PLUGIN)
#define VARNEL_WMV_DECLARE(name, result, params, args) \
  extern "C" VARNEL_WMV_EXPORT result VARNEL_STDCALL WMV_##name params;
VARNEL_WMV_ENTRIES(VARNEL_WMV_DECLARE)
#undef VARNEL_WMV_DECLARE
#endif
