// The engine alone turning a title's audio into an MP3 file: the disc engine's
// callbacks feeding the rate converter and EncMP3.dll at 128 kbit/s, quality 2,
// joint stereo, with no window in between. The disc and driver benchmarks both
// measure it.
#pragma once

#include <string>

#include "DiscEngine.h"
#include "app/EncoderPlugin.h"
#include "app/ResampleContainer.h"

namespace bench {

// The audio path of a conversion to MP3: the record the rate converter fills and the plug-in.
struct Mp3Path {
  EncoderPlugin* Plugin = nullptr;  // borrowed from the benchmark
  std::string Path;
  AudioFormatRecord Record{};
  bool Failed = false;
};

inline bool VARNEL_STDCALL Mp3Begin(void* c, VideoFrameInfo*, std::int32_t* audio, TitleBeginInfo*) {
  auto& mp3 = *static_cast<Mp3Path*>(c);
  InitAudioFormatRecord(mp3.Record);
  ResampleContainer(&mp3.Record).SetInputFormat(16, kLayoutInterleaved, audio[0], audio[1]);
  const EncoderParameter pairs[] = {{0, 0}, {1, 128}, {6, 1}, {7, 2}, {8, -1}};
  MyID3TagImp tag;
  mp3.Failed = mp3.Plugin->BeginEncoding(mp3.Path, &tag, &mp3.Record, pairs, 5) < 0;
  return !mp3.Failed;
}
inline bool VARNEL_STDCALL Mp3End(void* c) {
  auto& mp3 = *static_cast<Mp3Path*>(c);
  if (!mp3.Failed) mp3.Plugin->EndEncoding(1);
  FreeAudioFormatBuffers(mp3.Record);
  return true;
}
inline bool VARNEL_STDCALL Mp3Audio(void* c, const std::int16_t* samples, std::int32_t bytes, std::int32_t,
                                    std::int32_t, std::int32_t, std::int32_t) {
  auto& mp3 = *static_cast<Mp3Path*>(c);
  ResampleContainer(&mp3.Record).ConvertBlock(samples, bytes / 4);
  return mp3.Plugin->EncodeBlock(&mp3.Record) >= 0;
}

}  // namespace bench
