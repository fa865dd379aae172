// Video benchmark: frames per second encoded for each video format at 720 x 576 (the
// RealMedia writer at 352 x 288) and 25 frames a second, from the benchmark frames (720 x 576, pixel format 5) with
// 48 kHz stereo sound, through the program's encoder objects. The engine and the
// plug-ins are found in the program folder beside the build's bench folder (or in
// the folder given as the first argument). MPEG-2 (the MPEG profile) and MPEG-4 (the
// AVI profile) also print their median processor time for scripts/bench.sh to set
// beside the processor time of native ffmpeg with the same settings: on a shared
// core the wall time counts whatever else runs there. `--figures` runs only those two.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/PluginFormatLists.h"
#include "app/VideoEncoder.h"
#include "app/VideoProfiles.h"
#include "app/WMVRealEncoder.h"
#include "bench/BenchSupport.h"

namespace {

constexpr int kWidth = 720, kHeight = 576, kFrameRate = 25, kSoundRate = 48000;
constexpr int kLoops = 3;  // the frames and their sound are encoded three times over

struct Input {
  std::vector<std::vector<std::uint8_t>> Frames;
  std::vector<std::int16_t> Sound;  // interleaved stereo, as long as the frames
};

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fseek(f, 0, SEEK_END);
    bytes.resize(static_cast<std::size_t>(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
    std::fclose(f);
  }
  return bytes;
}

bool ReadInput(Input& input) {
  const std::string media = bench::MediaFolder();
  std::vector<std::uint8_t> frames = ReadFile(media + "frames.yuv");
  std::vector<std::uint8_t> sound = ReadFile(media + "sound48k.raw");
  const std::size_t frameSize = YUV420PFrameSize(kWidth, kHeight);
  for (std::size_t at = 0; at + frameSize <= frames.size(); at += frameSize)
    input.Frames.emplace_back(frames.begin() + at, frames.begin() + at + frameSize);
  input.Sound.resize(sound.size() / 2);
  std::copy(sound.begin(), sound.end(), reinterpret_cast<std::uint8_t*>(input.Sound.data()));
  return !input.Frames.empty() && input.Sound.size() >= input.Frames.size() * kSoundRate / kFrameRate * 2;
}

// Encodes the whole input; false when the format cannot.
bool Encode(TVideoProfile& profile, const std::string& path, const Input& input) {
  const int soundPerFrame = kSoundRate / kFrameRate * 2;
  std::unique_ptr<TEncoderObject> object(profile.CreateEncoderObject(
      path, kWidth, kHeight, 5, kFrameRate, 1, kSoundRate, 2, false, false, 0, 0, 0, 0, 0, 0, 0, 0));
  bool ok = object && object->BeginEncode();
  const std::size_t frames = input.Frames.size();
  for (std::size_t n = 0; ok && n < frames * kLoops; ++n) {
    const std::size_t i = n % frames;
    ok = object->EncodeVideo(input.Frames[i].data(), static_cast<int>(n), 0, 0, 0) &&
         object->EncodeAudio(input.Sound.data() + i * soundPerFrame, soundPerFrame * 2, 0, 0, 0, 0);
  }
  return ok;
}

// Processor time (user and kernel, every thread) this process has spent, in seconds.
double ProcessSeconds() {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One run per format; the compared figures take the median of three. The output is
// 720 x 576 unless a size is given.
template <class Profile>
void Run(const char* label, const char* figure, const std::string& path, const Input& input, int width = kWidth,
         int height = kHeight) {
  Profile profile("", "");
  profile.Width = width;
  profile.Height = height;
  profile.FrameRate = kFrameRate;
  bool ok = true;
  std::vector<double> cpu;
  double seconds = bench::MedianSeconds(figure ? 3 : 1, [&] {
    const double before = ProcessSeconds();
    ok &= Encode(profile, path, input);
    cpu.push_back(ProcessSeconds() - before);
  });
  ::DeleteFileA(path.c_str());
  if (!ok) {
    std::printf("%-28s cannot encode\n", label);
    return;
  }
  const double cpuSeconds = Median(cpu);
  std::printf("%-28s %7.1f frames/s (wall), %7.1f frames/s (processor)\n", label,
              input.Frames.size() * kLoops / seconds, input.Frames.size() * kLoops / cpuSeconds);
  if (figure) bench::ReportTime(figure, cpuSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  bool figuresOnly = false;
  std::vector<char*> args(argv, argv + argc);
  for (auto arg = args.begin() + 1; arg < args.end(); ++arg) {
    if (std::string(*arg) == "--figures") {
      figuresOnly = true;
      args.erase(arg);
      break;
    }
  }
  const std::string folder = bench::ProgramFolder(static_cast<int>(args.size()), args.data());
  ::SetDllDirectoryA(folder.c_str());
  Input input;
  if (!ReadInput(input)) {
    std::printf("the benchmark frames are missing: tools/make_bench_media.sh <build>/bench-media\n");
    return 1;
  }
  RegisterVideoEncoderObjects();
  std::unique_ptr<WM9EncoderDllWarper> wmv(StartWMVWrapper(folder + "EncWMA.dll"));
  std::unique_ptr<RealEncoderDllWarper> real(StartRealWrapper(folder + "EncRA.dll"));
  SetKeptWrappers(wmv.get(), real.get());

  const std::string out = bench::MediaFolder();
  std::printf("%zu frames of %d x %d each, %d times over\n", input.Frames.size(), kWidth, kHeight, kLoops);
  Run<TMPEGProfile>("MPEG (MPEG-2 DVD, MP2)", "mpeg2_encode", out + "bench.mpg", input);
  Run<TAVIProfile>("AVI (MPEG-4, MP3)", "mpeg4_encode", out + "bench.avi", input);
  if (!figuresOnly) {
    Run<T3GPProfile>("3GP (MPEG-4, AAC)", nullptr, out + "bench.3gp", input);
    Run<TMP4Profile>("MP4 (MPEG-4, AAC)", nullptr, out + "bench.mp4", input);
    Run<TMOVProfile>("MOV (MPEG-4, AAC)", nullptr, out + "bench.mov", input);
    Run<TFLVProfile>("FLV (Sorenson, MP3)", nullptr, out + "bench.flv", input);
    Run<TWMVProfile>("WMV (WMV8, WMA)", nullptr, out + "bench.wmv", input);
    // FFmpeg's RealMedia writer takes no packet over 64 KB, which a 720 x 576 key frame of
    // this noisy picture passes at RealMedia's bit rates: it encodes at 352 x 288.
    Run<TRealProfile>("RealMedia (RV20, AC-3) 352x288", nullptr, out + "bench.rm", input, 352, 288);
  }
  SetKeptWrappers(nullptr, nullptr);
  if (wmv) wmv->Uninit();
  return 0;
}
