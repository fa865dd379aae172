// Decoding speed of DiscEngine.dll: converts the fixture's first title repeatedly,
// with video and audio and with audio alone, and reports frames per second and
// audio seconds per second, each against real time.
#include <cstdio>
#include <string>

#include "DiscEngine.h"
#include "platform/core/WinApi.h"

namespace {

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

std::string WinePath(const char* linuxPath) {
  std::string path = std::string("Z:") + linuxPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path + "\\";
}

double Seconds() {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

}  // namespace

int main() {
  HMODULE module = ::LoadLibraryA((WinePath(DISC_PROGRAM_DIR) + "DiscEngine.dll").c_str());
  auto create = module ? reinterpret_cast<CreateDiscEngineFunc>(::GetProcAddress(module, MAKEINTRESOURCEA(10))) : nullptr;
  DiscEngine* engine = create ? create() : nullptr;
  if (!engine) {
    std::printf("DiscEngine.dll could not be loaded\n");
    return 1;
  }
  if (!engine->OpenDVD((WinePath(DISC_FIXTURE_DIR) + "dvd\\").c_str())) {
    std::printf("the DVD fixture is missing: tools/make_dvd_fixtures.sh <build>/disc-fixtures\n");
    return 1;
  }
  TitleInfo info{};
  engine->GetTitleInfo(0, &info);
  const int rounds = 5;
  for (int streams : {kOutputVideoAndAudio, kOutputAudioOnly}) {
    Counts counts;
    DiscEngineCallbacks cb{};
    cb.Context = &counts;
    cb.OnTitleBegin = Begin;
    cb.OnTitleEnd = End;
    cb.OnGetOutputSize = Size;
    cb.OnVideoFrame = Video;
    cb.OnAudioSamples = Audio;
    engine->SetCallbacks(&cb);
    engine->SelectTitle(0);
    engine->SetOutputStreams(streams);
    double start = Seconds();
    for (int i = 0; i < rounds; ++i)
      if (engine->Convert() != crCompleted) std::printf("conversion failed\n");
    double elapsed = Seconds() - start;
    double title = info.Duration * rounds;
    if (streams == kOutputVideoAndAudio)
      std::printf("video+audio: %.1f frames/s (real time 25), %.2fx real time; audio %.1f s/s\n",
                  counts.Frames / elapsed, title / elapsed, counts.SampleFrames / 48000.0 / elapsed);
    else
      std::printf("audio only: %.1f audio s/s, %.2fx real time\n", counts.SampleFrames / 48000.0 / elapsed,
                  title / elapsed);
  }
  engine->Release();
  return 0;
}
