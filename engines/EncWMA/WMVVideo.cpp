// EncWMA.dll's Windows Media video interface: WMV files in ASF through FFmpeg's
// Windows Media Video 7 and 8 encoders (WMV1, WMV2) with Windows Media Audio 8
// (WMA version 2) or V1 sound. One file at a time; the settings are kept from
// one file to the next until WMV_Uninit.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "engines/EncWMA/WMVPluginInterface.h"
#include "engines/MediaEngine/MediaWriter.h"

namespace {

struct AudioFormat {
  const char* name;
  int rate, channels, bitRate;
};
constexpr AudioFormat kWma2Formats[] = {
    {"128 kbps, 44 kHz, stereo CBR", 44100, 2, 128000}, {"96 kbps, 44 kHz, stereo CBR", 44100, 2, 96000},
    {"64 kbps, 44 kHz, stereo CBR", 44100, 2, 64000},   {"48 kbps, 44 kHz, stereo CBR", 44100, 2, 48000},
    {"160 kbps, 48 kHz, stereo CBR", 48000, 2, 160000}, {"32 kbps, 32 kHz, mono CBR", 32000, 1, 32000},
};
constexpr AudioFormat kWma1Formats[] = {
    {"128 kbps, 44 kHz, stereo CBR", 44100, 2, 128000},
    {"64 kbps, 44 kHz, stereo CBR", 44100, 2, 64000},
};
struct AudioCodec {
  const char* name;
  const char* encoder;
  const AudioFormat* formats;
  int formatCount;
};
const AudioCodec kAudioCodecs[] = {
    {"Windows Media Audio V1", "wmav1", kWma1Formats, static_cast<int>(std::size(kWma1Formats))},
    {"Windows Media Audio 8", "wmav2", kWma2Formats, static_cast<int>(std::size(kWma2Formats))},
};

struct VideoCodec {
  const char* name;
  const char* encoder;
};
constexpr VideoCodec kVideoCodecs[] = {
    {"Windows Media Video 8", "wmv2"},
    {"Windows Media Video 7", "wmv1"},
};

// A system profile fixes the codecs and bit rates; the size and frame rate stay as set.
struct SystemProfile {
  const char* name;
  int videoCodec, videoBitRate, audioCodec, audioFormat;
};
constexpr SystemProfile kSystemProfiles[] = {
    {"Windows Media Video 8 for Local Area Network (768 Kbps)", 0, 700000, 1, 2},
    {"Windows Media Video 8 for Broadband (340 Kbps)", 0, 290000, 1, 3},
    {"Windows Media Video 7 for Dial-up Modems (56 Kbps)", 1, 24000, 1, 5},
};

constexpr const char* kLanguages[] = {"English"};

struct Settings {
  int audioCodec = 1, audioFormat = 2;
  bool audioUncompressed = false;
  int videoCodec = 0;
  bool videoUncompressed = false;
  bool useVBR = false;
  int vbrMode = 0, bitRate = 768000, quality = 100, vbrQuality = 90;
  int width = 320, height = 240;
  double fps = 25;
  int keyframeSeconds = 8;
  bool useSystemProfile = false;
  int systemProfile = 0;
  bool video = true, audio = true;
  int inputWidth = 0, inputHeight = 0, rate1 = 0, rate2 = 0, pixelFormat = pfYUV420P;
  int sampleRate = 44100, channels = 2;
  std::string path;
  std::string tags[4];  // title, author, copyright, comment
};

struct Plugin {
  Settings settings;
  std::unique_ptr<MediaWriter> writer;  // the open file
  std::uint32_t finalSize = 0;
};
Plugin plugin;

void WriteName(char* buffer, const char* text) {
  if (!buffer) return;
  std::strncpy(buffer, text, kPluginNameBufferSize - 1);
  buffer[kPluginNameBufferSize - 1] = 0;
}

template <class T, std::size_t N>
bool InRange(const T (&)[N], int index) {
  return index >= 0 && index < static_cast<int>(N);
}

std::uint32_t Clamp32(std::int64_t bytes) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(bytes, 0, UINT32_MAX));
}

bool Configure(MediaWriter& w, const Settings& s) {
  int videoCodec = s.videoCodec, videoBitRate = s.bitRate, audioCodec = s.audioCodec, audioFormat = s.audioFormat;
  if (s.useSystemProfile) {
    if (!InRange(kSystemProfiles, s.systemProfile)) return false;
    const SystemProfile& p = kSystemProfiles[s.systemProfile];
    videoCodec = p.videoCodec;
    videoBitRate = p.videoBitRate;
    audioCodec = p.audioCodec;
    audioFormat = p.audioFormat;
  }
  if (w.SetFormat("asf")) return false;
  if (s.video) {
    if (s.videoUncompressed || !InRange(kVideoCodecs, videoCodec)) return false;
    if (!std::isfinite(s.fps) || s.fps <= 0) return false;
    if (w.SetVideoCodec(kVideoCodecs[videoCodec].encoder)) return false;
    if (w.SetVideoParams(s.width, s.height, videoBitRate, s.fps, s.inputWidth, s.inputHeight, s.pixelFormat, 0, 0,
                         0, 0, 0, 0, 0, 0)) {
      return false;
    }
    if (s.useVBR && !s.useSystemProfile) {
      // Quality 100 is the finest quantiser, 0 the coarsest.
      int q = std::clamp(s.vbrQuality, 0, 100);
      w.SetGlobalQuality(2 + (100 - q) * 29 / 100);
    }
    w.SetKeyframeInterval(std::clamp(static_cast<int>(s.fps * s.keyframeSeconds), 1, 600));
  }
  if (s.audio) {
    if (!InRange(kAudioCodecs, audioCodec)) return false;
    const AudioCodec& codec = kAudioCodecs[audioCodec];
    if (audioFormat < 0 || audioFormat >= codec.formatCount) return false;
    const AudioFormat& f = codec.formats[audioFormat];
    if (w.SetAudioCodec(s.audioUncompressed ? "pcm_s16le" : codec.encoder)) return false;
    if (w.SetAudioParams(f.rate, f.channels, f.bitRate, s.sampleRate, s.channels)) return false;
  }
  const char* tagOptions[] = {"str_title", "str_author", "str_copyright", "str_comment"};
  for (int i = 0; i < 4; ++i) {
    if (w.SetOption(tagOptions[i], s.tags[i].c_str())) return false;
  }
  return true;
}

}  // namespace

extern "C" {

bool VARNEL_STDCALL WMV_Init() {
#if defined(VARNEL_WMV_INIT_FAILS)
  return false;
#endif
  plugin.writer.reset();
  plugin.settings = Settings{};
  plugin.finalSize = 0;
  return true;
}

#if defined(VARNEL_WMV_INIT_FAILS)
int uninitCalls = 0;
#endif

void VARNEL_STDCALL WMV_Uninit() {
#if defined(VARNEL_WMV_INIT_FAILS)
  ++uninitCalls;
#endif
  if (plugin.writer) plugin.writer->End();
  plugin.writer.reset();
  plugin.settings = Settings{};
}

std::int32_t VARNEL_STDCALL WMV_GetLanguageCount() { return static_cast<std::int32_t>(std::size(kLanguages)); }

void VARNEL_STDCALL WMV_GetLanguageName(std::int32_t index, char* name) {
  WriteName(name, InRange(kLanguages, index) ? kLanguages[index] : "");
}

void VARNEL_STDCALL WMV_SetLanguage(std::int32_t) {}
void VARNEL_STDCALL WMV_SetUseSMPTEStream(std::uint8_t) {}

std::int32_t VARNEL_STDCALL WMV_GetAudioCodecCount() { return static_cast<std::int32_t>(std::size(kAudioCodecs)); }

void VARNEL_STDCALL WMV_GetAudioCodecName(std::int32_t index, char* name) {
  WriteName(name, InRange(kAudioCodecs, index) ? kAudioCodecs[index].name : "");
}

std::int32_t VARNEL_STDCALL WMV_GetAudioFormatCount(std::int32_t codec) {
  return InRange(kAudioCodecs, codec) ? kAudioCodecs[codec].formatCount : 0;
}

void VARNEL_STDCALL WMV_GetAudioFormat(std::int32_t codec, std::int32_t index, char* name) {
  bool known = InRange(kAudioCodecs, codec) && index >= 0 && index < kAudioCodecs[codec].formatCount;
  WriteName(name, known ? kAudioCodecs[codec].formats[index].name : "");
}

void VARNEL_STDCALL WMV_SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format) {
  plugin.settings.audioCodec = codec;
  plugin.settings.audioFormat = format;
}

void VARNEL_STDCALL WMV_SetAudioUseUncompressed(std::uint8_t use) { plugin.settings.audioUncompressed = use != 0; }
void VARNEL_STDCALL WMV_SetAudioBufferWindow(std::int32_t) {}

std::int32_t VARNEL_STDCALL WMV_GetVideoCodecCount() { return static_cast<std::int32_t>(std::size(kVideoCodecs)); }

void VARNEL_STDCALL WMV_GetVideoCodecName(std::int32_t index, char* name) {
  WriteName(name, InRange(kVideoCodecs, index) ? kVideoCodecs[index].name : "");
}

void VARNEL_STDCALL WMV_SetVideoCodec(std::int32_t index) { plugin.settings.videoCodec = index; }

bool VARNEL_STDCALL WMV_GetVideoIsVBR(std::int32_t codec) { return InRange(kVideoCodecs, codec); }

void VARNEL_STDCALL WMV_SetVideoUseUncompressed(std::uint8_t use) { plugin.settings.videoUncompressed = use != 0; }

// Uncompressed video is not written into these files.
std::int32_t VARNEL_STDCALL WMV_GetVideoUncompressedFormatCount() { return 0; }
void VARNEL_STDCALL WMV_GetVideoUncompressedFormatName(std::int32_t, char* name) { WriteName(name, ""); }
void VARNEL_STDCALL WMV_SetVideoUncompressedFormat(std::int32_t) {}

void VARNEL_STDCALL WMV_SetVideoUseVBR(std::uint8_t use) { plugin.settings.useVBR = use != 0; }
void VARNEL_STDCALL WMV_SetVideoVBRMode(std::int32_t mode) { plugin.settings.vbrMode = mode; }
void VARNEL_STDCALL WMV_SetVideoBufferWindow(std::int32_t) {}
void VARNEL_STDCALL WMV_SetVideoBitrate(std::int32_t bitRate) { plugin.settings.bitRate = bitRate; }
void VARNEL_STDCALL WMV_SetVideoQuality(std::int32_t quality) { plugin.settings.quality = quality; }
void VARNEL_STDCALL WMV_SetVideoVBRMaxBitrate(std::int32_t) {}
void VARNEL_STDCALL WMV_SetVideoVBRMaxBuffer(std::int32_t) {}
void VARNEL_STDCALL WMV_SetVideoVBRQuality(std::int32_t quality) { plugin.settings.vbrQuality = quality; }
void VARNEL_STDCALL WMV_SetVideoWidth(std::int32_t width) { plugin.settings.width = width; }
void VARNEL_STDCALL WMV_SetVideoHeight(std::int32_t height) { plugin.settings.height = height; }
void VARNEL_STDCALL WMV_SetVideoFPS(double fps) { plugin.settings.fps = fps; }
void VARNEL_STDCALL WMV_SetVideoSecsKeyframe(std::int32_t seconds) { plugin.settings.keyframeSeconds = seconds; }

// Writes the current settings as a small text file.
bool VARNEL_STDCALL WMV_SaveProfile(const char* path) {
  if (!path || !*path) return false;
  FILE* file = std::fopen(path, "w");
  if (!file) return false;
  const Settings& s = plugin.settings;
  int rc = std::fprintf(file, "video codec=%d\nvideo bit rate=%d\nsize=%dx%d\nframe rate=%g\naudio codec=%d\n"
                              "audio format=%d\nsystem profile=%d\n",
                        s.videoCodec, s.bitRate, s.width, s.height, s.fps, s.audioCodec, s.audioFormat,
                        s.useSystemProfile ? s.systemProfile : -1);
  return std::fclose(file) == 0 && rc > 0;
}

void VARNEL_STDCALL WMV_SetInputParms(std::uint8_t video, std::uint8_t audio, std::int32_t width,
                                      std::int32_t height, std::int32_t rate1, std::int32_t rate2,
                                      std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels) {
  Settings& s = plugin.settings;
  s.video = video != 0;
  s.audio = audio != 0;
  s.inputWidth = width;
  s.inputHeight = height;
  s.rate1 = rate1;
  s.rate2 = rate2;
  s.pixelFormat = pixelFormat;
  s.sampleRate = sampleRate;
  s.channels = channels;
}

bool VARNEL_STDCALL WMV_BeginEncoding() {
  if (plugin.writer || plugin.settings.path.empty()) return false;
  auto writer = std::make_unique<MediaWriter>(plugin.settings.path.c_str());
  if (!Configure(*writer, plugin.settings) || writer->Begin() != 0) return false;
  plugin.writer = std::move(writer);
  plugin.finalSize = 0;
  return true;
}

bool VARNEL_STDCALL WMV_EndEncoding() {
  if (!plugin.writer) return true;
  bool ok = plugin.writer->End() == 0;
  plugin.finalSize = Clamp32(plugin.writer->GetOutputSize());
  plugin.writer.reset();
  return ok;
}

bool VARNEL_STDCALL WMV_EncodeVideoSample(const void* frame, std::int32_t value1, std::int32_t value2) {
  return plugin.writer && plugin.writer->WriteVideo(frame, value1, value2) == 0;
}

bool VARNEL_STDCALL WMV_EncodeAudioSample(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                                          std::int32_t value2) {
  return plugin.writer && plugin.writer->WriteAudio(samples, byteCount, value1, value2) == 0;
}

bool VARNEL_STDCALL WMV_EncodeSample(std::int32_t kind, const void* data, std::int32_t byteCount,
                                     std::int32_t value1, std::int32_t value2) {
  if (kind == wskVideo) return WMV_EncodeVideoSample(data, value1, value2);
  if (kind == wskAudio) {
    return WMV_EncodeAudioSample(static_cast<const std::int16_t*>(data), byteCount, value1, value2);
  }
  return false;
}

std::uint32_t VARNEL_STDCALL WMV_GetOutputSize() {
  return plugin.writer ? Clamp32(plugin.writer->GetOutputSize()) : plugin.finalSize;
}

void VARNEL_STDCALL WMV_SetupDestinationFile(const char* path) { plugin.settings.path = path ? path : ""; }

std::int32_t VARNEL_STDCALL WMV_GetUseSystemProfileCount() {
  return static_cast<std::int32_t>(std::size(kSystemProfiles));
}

void VARNEL_STDCALL WMV_GetUseSystemProfileName(std::int32_t index, char* name) {
  WriteName(name, InRange(kSystemProfiles, index) ? kSystemProfiles[index].name : "");
}

void VARNEL_STDCALL WMV_SetUseSystemProfile(std::uint8_t use, std::int32_t index) {
  plugin.settings.useSystemProfile = use != 0;
  plugin.settings.systemProfile = index;
}

#if !defined(VARNEL_WMV_WITHOUT_SETID3TAG)
// The audio tag texts: title, artist (written as the author) and comment.
bool VARNEL_STDCALL WMV_SetId3Tag(const char* title, const char* artist, const char*, const char* comment,
                                  const char*) {
  Settings& s = plugin.settings;
  s.tags[0] = title ? title : "";
  s.tags[1] = artist ? artist : "";
  s.tags[3] = comment ? comment : "";
  return true;
}
#endif

bool VARNEL_STDCALL WMV_SetVideoTag(const char* title, const char* author, const char* copyright,
                                    const char* comment, const char*) {
  const char* texts[] = {title, author, copyright, comment};
  for (int i = 0; i < 4; ++i) plugin.settings.tags[i] = texts[i] ? texts[i] : "";
  return true;
}

#if defined(VARNEL_WMV_INIT_FAILS)
// The test build whose WMV_Init fails tells how often WMV_Uninit ran.
__declspec(dllexport) std::int32_t VARNEL_STDCALL WMVTest_UninitCount() { return uninitCalls; }
#endif

}  // extern "C"
