// EncRA.dll's RealMedia video interface: RealMedia files through FFmpeg's
// RealVideo 1.0 and 2.0 (G2) encoders, with Dolby Digital (AC-3, "dnet") music or
// RealAudio 14.4 voice sound, the two audio codings FFmpeg writes into RealMedia.
// Each encoder handle keeps its own settings and file.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "engines/EncRA/RealPluginInterface.h"
#include "engines/MediaEngine/MediaWriter.h"

namespace {

struct AudioCodec {
  const char* name;
  const char* encoder;
  int rate, channels, bitRate;
};
constexpr AudioCodec kAudioCodecs[] = {
    {"64 Kbps Stereo Music - Dolby Digital (music)", "ac3", 44100, 2, 64000},
    {"96 Kbps Stereo Music - Dolby Digital (music)", "ac3", 44100, 2, 96000},
    {"128 Kbps Stereo Music - Dolby Digital (music)", "ac3", 48000, 2, 128000},
    {"8 Kbps Voice - RealAudio 14.4 (voice)", "real_144", 8000, 1, 8000},
};

// Audiences: a video bit rate and an audio codec, used outside manual mode.
struct Audience {
  const char* name;
  int videoKbps, audioCodec;
};
constexpr Audience kAudiences[] = {
    {"56K Dial-up Modem", 26, 3},
    {"256K DSL or Cable", 180, 0},
    {"512K DSL or Cable", 400, 1},
};

struct Session {
  bool video = true, audio = true;
  int width = 0, height = 0, rate1 = 0, rate2 = 0, pixelFormat = pfYUV420P, sampleRate = 44100, channels = 2;
  std::string path;
  bool manual = false;
  RealManualSettings settings{};
  int audience = 1;
  std::string tags[4];  // title, author, copyright, comment
  std::unique_ptr<MediaWriter> writer;  // the open file
  std::int64_t finalSize = 0;
};

std::map<RealEncoderHandle, std::unique_ptr<Session>> sessions;
RealEncoderHandle lastHandle = 0;

Session* Find(RealEncoderHandle h) {
  auto it = sessions.find(h);
  return it == sessions.end() ? nullptr : it->second.get();
}

void WriteName(char* buffer, const char* text) {
  if (!buffer) return;
  std::strncpy(buffer, text, 1023);
  buffer[1023] = 0;
}

template <class T, std::size_t N>
bool InRange(const T (&)[N], int index) {
  return index >= 0 && index < static_cast<int>(N);
}

double FrameRate(const Session& s) {
  if (s.manual && std::isfinite(s.settings.FrameRate) && s.settings.FrameRate > 0) return s.settings.FrameRate;
  if (s.rate1 > 0 && s.rate2 > 0) return static_cast<double>(s.rate1) / s.rate2;
  return 0;
}

bool Configure(MediaWriter& w, const Session& s) {
  const RealManualSettings& m = s.settings;
  if (w.SetFormat("rm")) return false;
  int audioCodec = s.manual ? m.AudioCodec : kAudiences[s.audience].audioCodec;
  if (s.video) {
    double fps = FrameRate(s);
    if (fps <= 0 || fps > 1000) return false;
    // RealVideo G2 for the newer versions, RealVideo 1.0 for the oldest.
    if (w.SetVideoCodec(s.manual && m.VideoVersion == 0 ? "rv10" : "rv20")) return false;
    int kbps = s.manual ? m.VideoKbps : kAudiences[s.audience].videoKbps;
    if (kbps <= 0 || kbps > 100000) return false;
    if (w.SetVideoParams(s.width, s.height, kbps * 1000, fps, s.width, s.height, s.pixelFormat, 0, 0, 0, 0, 0, 0,
                         0, 0)) {
      return false;
    }
    if (s.manual && m.UseVBR && m.MaxVideoKbps > kbps) {
      std::int64_t max = static_cast<std::int64_t>(m.MaxVideoKbps) * 1000;
      double seconds = std::isfinite(m.BufferSeconds) && m.BufferSeconds > 0 ? m.BufferSeconds : 4.0;
      if (w.SetOption("video_rc_max_rate", std::to_string(max).c_str())) return false;
      if (w.SetOption("video_rc_buffer_size", std::to_string(static_cast<std::int64_t>(max * seconds)).c_str())) {
        return false;
      }
    }
    if (s.manual && m.NoiseReduction == 0) w.SetNoiseReduction(256);
    double keySeconds = s.manual && std::isfinite(m.KeyframeSeconds) && m.KeyframeSeconds > 0 ? m.KeyframeSeconds : 10;
    w.SetKeyframeInterval(std::clamp(static_cast<int>(fps * keySeconds), 1, 600));
  }
  if (s.audio) {
    if (!InRange(kAudioCodecs, audioCodec)) return false;
    const AudioCodec& a = kAudioCodecs[audioCodec];
    if (w.SetAudioCodec(a.encoder)) return false;
    if (w.SetAudioParams(a.rate, a.channels, a.bitRate, s.sampleRate, s.channels)) return false;
  }
  const char* tagOptions[] = {"str_title", "str_author", "str_copyright", "str_comment"};
  for (int i = 0; i < 4; ++i) {
    if (w.SetOption(tagOptions[i], s.tags[i].c_str())) return false;
  }
  return true;
}

}  // namespace

extern "C" {

RealEncoderHandle VARNEL_STDCALL Real_CreateEncoderHandle() {
  do {
    ++lastHandle;
  } while (lastHandle == 0 || sessions.count(lastHandle));
  sessions[lastHandle] = std::make_unique<Session>();
  return lastHandle;
}

void VARNEL_STDCALL Real_FreeEncoderHandle(RealEncoderHandle h) {
  Session* s = Find(h);
  if (!s) return;
  if (s->writer) s->writer->End();
  sessions.erase(h);
}

void VARNEL_STDCALL Real_SetInputParms(RealEncoderHandle h, std::uint8_t video, std::uint8_t audio,
                                       std::int32_t width, std::int32_t height, std::int32_t rate1,
                                       std::int32_t rate2, std::int32_t pixelFormat, std::int32_t sampleRate,
                                       std::int32_t channels) {
  Session* s = Find(h);
  if (!s) return;
  s->video = video != 0;
  s->audio = audio != 0;
  s->width = width;
  s->height = height;
  s->rate1 = rate1;
  s->rate2 = rate2;
  s->pixelFormat = pixelFormat;
  s->sampleRate = sampleRate;
  s->channels = channels;
}

bool VARNEL_STDCALL Real_SetupDestinationFile(RealEncoderHandle h, const char* path) {
  Session* s = Find(h);
  if (!s || !path || !*path || s->writer) return false;
  s->path = path;
  return true;
}

// (0, 0): video and audio, the one media profile of this module.
bool VARNEL_STDCALL Real_SetupMediaProfile(RealEncoderHandle h, std::uint8_t profile1, std::uint8_t profile2) {
  return Find(h) && profile1 == 0 && profile2 == 0;
}

void VARNEL_STDCALL Real_SetUse2Pass(RealEncoderHandle, std::uint8_t) {}

std::int32_t VARNEL_STDCALL Real_GetAvailableAudiencesCount(RealEncoderHandle) {
  return static_cast<std::int32_t>(std::size(kAudiences));
}

void VARNEL_STDCALL Real_GetAvailableAudiencesName(RealEncoderHandle, std::int32_t index, char* name) {
  WriteName(name, InRange(kAudiences, index) ? kAudiences[index].name : "");
}

bool VARNEL_STDCALL Real_SetupAudiences(RealEncoderHandle h, std::int32_t index) {
  Session* s = Find(h);
  if (!s || !InRange(kAudiences, index)) return false;
  s->audience = index;
  return true;
}

bool VARNEL_STDCALL Real_SetupTag(RealEncoderHandle h, const char* title, const char* author,
                                  const char* copyright, const char* comment, const char*) {
  Session* s = Find(h);
  if (!s) return false;
  const char* texts[] = {title, author, copyright, comment};
  for (int i = 0; i < 4; ++i) s->tags[i] = texts[i] ? texts[i] : "";
  return true;
}

bool VARNEL_STDCALL Real_BeginEncoding(RealEncoderHandle h) {
  Session* s = Find(h);
  if (!s || s->writer || s->path.empty()) return false;
  auto writer = std::make_unique<MediaWriter>(s->path.c_str());
  if (!Configure(*writer, *s) || writer->Begin() != 0) return false;
  s->writer = std::move(writer);
  s->finalSize = 0;
  return true;
}

bool VARNEL_STDCALL Real_EndEncoding(RealEncoderHandle h) {
  Session* s = Find(h);
  if (!s || !s->writer) return false;
  bool ok = s->writer->End() == 0;
  s->finalSize = s->writer->GetOutputSize();
  s->writer.reset();
  return ok;
}

bool VARNEL_STDCALL Real_EncodeVideoSample(RealEncoderHandle h, const void* frame, std::int32_t value1,
                                           std::int32_t value2, std::int32_t, std::int32_t) {
  Session* s = Find(h);
  return s && s->writer && s->writer->WriteVideo(frame, value1, value2) == 0;
}

bool VARNEL_STDCALL Real_EncodeAudioSample(RealEncoderHandle h, const std::int16_t* samples,
                                           std::int32_t byteCount, std::int32_t value1, std::int32_t value2,
                                           std::int32_t, std::int32_t) {
  Session* s = Find(h);
  return s && s->writer && s->writer->WriteAudio(samples, byteCount, value1, value2) == 0;
}

bool VARNEL_STDCALL Real_EncodeSample(RealEncoderHandle h, std::int32_t kind, const void* data,
                                      std::int32_t byteCount, std::int32_t value1, std::int32_t value2,
                                      std::int32_t value3, std::int32_t value4) {
  if (kind == rskVideo) return Real_EncodeVideoSample(h, data, value1, value2, value3, value4);
  if (kind == rskAudio) {
    return Real_EncodeAudioSample(h, static_cast<const std::int16_t*>(data), byteCount, value1, value2, value3,
                                  value4);
  }
  return false;
}

#if !defined(VARNEL_REAL_WITHOUT_STARTDO2PASS)
// Two-pass encoding is not offered: the files are written in one pass.
bool VARNEL_STDCALL Real_StartDo2Pass(RealEncoderHandle) { return false; }
#endif

std::uint32_t VARNEL_STDCALL Real_GetOutputSize(RealEncoderHandle h) {
  Session* s = Find(h);
  if (!s) return 0;
  std::int64_t bytes = s->writer ? s->writer->GetOutputSize() : s->finalSize;
  return static_cast<std::uint32_t>(std::max<std::int64_t>(bytes, 0) / 1048576);
}

void VARNEL_STDCALL Real_SetManualSettingsParams(RealEncoderHandle h, const RealManualSettings* settings) {
  Session* s = Find(h);
  if (s && settings) s->settings = *settings;
}

std::int32_t VARNEL_STDCALL Real_GetAudioCodecCount(RealEncoderHandle) {
  return static_cast<std::int32_t>(std::size(kAudioCodecs));
}

void VARNEL_STDCALL Real_GetAudioCodecName(RealEncoderHandle, std::int32_t index, char* name) {
  WriteName(name, InRange(kAudioCodecs, index) ? kAudioCodecs[index].name : "");
}

void VARNEL_STDCALL Real_SetParamsMode(RealEncoderHandle h, std::uint8_t manual) {
  if (Session* s = Find(h)) s->manual = manual != 0;
}

}  // extern "C"
