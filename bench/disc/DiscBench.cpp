// Decoding speed of DiscEngine.dll over the benchmark DVD (a 60-second PAL title):
// the title converted with video and audio, with audio alone, and the whole path to
// an MP3 file (the engine's audio through the rate converter into EncMP3.dll at
// 128 kbit/s, quality 2, joint stereo). Each prints the median time of a title.
#include <cstdio>
#include <memory>
#include <string>

#include "bench/BenchMp3Path.h"
#include "bench/BenchSupport.h"

namespace {

constexpr int kRounds = 5;

struct Counts {
  long long Frames = 0;
  long long SampleFrames = 0;
};

bool VARNEL_STDCALL Begin(void*, VideoFrameInfo*, std::int32_t*, TitleBeginInfo*) { return true; }
bool VARNEL_STDCALL End(void*) { return true; }
std::int64_t VARNEL_STDCALL Size(void*) { return 0; }
bool VARNEL_STDCALL Video(void* c, const std::uint8_t*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                          std::int32_t, std::int32_t) {
  ++static_cast<Counts*>(c)->Frames;
  return true;
}
bool VARNEL_STDCALL Audio(void* c, const std::int16_t*, std::int32_t bytes, std::int32_t, std::int32_t, std::int32_t,
                          std::int32_t) {
  static_cast<Counts*>(c)->SampleFrames += bytes / 4;
  return true;
}

DiscEngineCallbacks Callbacks(void* context, bool mp3) {
  DiscEngineCallbacks cb{};
  cb.Context = context;
  cb.OnTitleBegin = mp3 ? bench::Mp3Begin : Begin;
  cb.OnTitleEnd = mp3 ? bench::Mp3End : End;
  cb.OnGetOutputSize = Size;
  cb.OnVideoFrame = Video;
  cb.OnAudioSamples = mp3 ? bench::Mp3Audio : Audio;
  return cb;
}

// The processor time this thread has spent. The audio path runs on the calling
// thread alone, so set beside the wall time it shows how much of a slow figure is
// waiting for a busy machine rather than work.
double ThreadCpuSeconds() {
  FILETIME created, exited, kernel, user;
  if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return ((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// The median time of converting the selected title, or a negative time when it fails.
double ConvertSeconds(DiscEngine* engine, DiscEngineCallbacks& cb, int streams) {
  engine->SetCallbacks(&cb);
  engine->SelectTitle(0);
  engine->SetOutputStreams(streams);
  bool ok = true;
  double seconds = bench::MedianSeconds(kRounds, [&] { ok &= engine->Convert() == crCompleted; });
  return ok ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = bench::ProgramFolder(argc, argv);
  ::SetDllDirectoryA(program.c_str());
  HMODULE module = ::LoadLibraryA((program + "DiscEngine.dll").c_str());
  auto create = module ? reinterpret_cast<CreateDiscEngineFunc>(::GetProcAddress(module, MAKEINTRESOURCEA(10))) : nullptr;
  DiscEngine* engine = create ? create() : nullptr;
  if (!engine) {
    std::printf("DiscEngine.dll could not be loaded from %s\n", program.c_str());
    return 1;
  }
  const std::string media = bench::MediaFolder();
  if (!engine->OpenDVD((media + "dvd\\").c_str())) {
    std::printf("the benchmark DVD is missing: tools/make_bench_media.sh <build>/bench-media\n");
    return 1;
  }
  TitleInfo info{};
  engine->GetTitleInfo(0, &info);

  Counts counts;
  DiscEngineCallbacks cb = Callbacks(&counts, false);
  double av = ConvertSeconds(engine, cb, kOutputVideoAndAudio);
  double audio = ConvertSeconds(engine, cb, kOutputAudioOnly);
  if (av < 0 || audio < 0) {
    std::printf("conversion failed\n");
    return 1;
  }
  std::printf("video+audio: %.1f frames/s, %.1fx real time\n", counts.Frames / kRounds / av, info.Duration / av);
  bench::ReportTime("dvd_decode_av", av);
  std::printf("audio only: %.1fx real time\n", info.Duration / audio);
  bench::ReportTime("dvd_decode_audio", audio);

  EncoderPlugin plugin(program + "EncMP3.dll");
  bench::Mp3Path mp3;
  mp3.Plugin = &plugin;
  mp3.Path = media + "title.mp3";
  cb = Callbacks(&mp3, true);
  const double cpuBefore = ThreadCpuSeconds();
  double toMp3 = ConvertSeconds(engine, cb, kOutputAudioOnly);
  const double cpu = (ThreadCpuSeconds() - cpuBefore) / kRounds;
  ::DeleteFileA(mp3.Path.c_str());
  if (toMp3 < 0 || mp3.Failed) {
    std::printf("title to MP3: cannot encode\n");
  } else {
    std::printf("title to MP3: %.1fx real time; processor time %.3f s a title (wall time above it is waiting)\n",
                info.Duration / toMp3, cpu);
    bench::ReportTime("dvd_to_mp3", toMp3);
  }
  engine->Release();
  return 0;
}
