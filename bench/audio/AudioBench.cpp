// Audio benchmarks; the modules are found in the program folder beside the build's
// bench folder (or in the folder given as the first argument).
//   MP3: the benchmark music (60 s, 44.1 kHz stereo) through EncMP3.dll at 128 kbit/s,
//   quality 2, joint stereo, the median of three rounds;
//   encoders: seconds of audio encoded per second of wall time, per plug-in;
//   block path: 48 kHz -> 44.1 kHz in 4,096-frame blocks, with the converter kept
//   between blocks (ResampleContainer) and made and released for every block.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/EncoderPlugin.h"
#include "app/ResampleContainer.h"
#include "bench/BenchSupport.h"
#include "engines/RateConverter/RateConverterApi.h"
#include "platform/core/WinApi.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<std::int16_t> Signal(int rate, int frames) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(frames) * 2);
  for (int f = 0; f < frames; ++f) {
    s[2 * f] = static_cast<std::int16_t>(10000 * std::sin(2 * M_PI * 440.0 * f / rate));
    s[2 * f + 1] = static_cast<std::int16_t>(6000 * std::sin(2 * M_PI * 660.0 * f / rate));
  }
  return s;
}

// 16-bit stereo little-endian samples of a raw file; empty when it cannot be read.
std::vector<std::int16_t> ReadSamples(const std::string& path) {
  std::vector<std::int16_t> samples;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fseek(f, 0, SEEK_END);
    samples.resize(static_cast<std::size_t>(std::ftell(f)) / 4 * 2);
    std::fseek(f, 0, SEEK_SET);
    if (std::fread(samples.data(), 4, samples.size() / 2, f) != samples.size() / 2) samples.clear();
    std::fclose(f);
  }
  return samples;
}

// Seconds to encode `input` through the plug-in, or a negative time when it cannot.
double EncodeSeconds(const std::string& folder, const char* module, const char* file,
                     std::vector<EncoderParameter> pairs, const std::vector<std::int16_t>& input, int rate) {
  EncoderPlugin plugin(folder + module);
  AudioFormatRecord record;
  InitAudioFormatRecord(record);
  ResampleContainer(&record).SetInputFormat(16, 1, rate, 2);
  MyID3TagImp tag;
  std::string path = folder + file;
  auto start = Clock::now();
  if (plugin.BeginEncoding(path, &tag, &record, pairs.data(), static_cast<int>(pairs.size())) < 0) return -1;
  const int frames = static_cast<int>(input.size() / 2);
  for (int at = 0; at < frames; at += 4096) {
    ResampleContainer c(&record);
    c.ConvertBlock(input.data() + 2 * at, std::min(4096, frames - at));
    plugin.EncodeBlock(&record);
  }
  plugin.EndEncoding(1);
  double seconds = Since(start);
  FreeAudioFormatBuffers(record);
  ::DeleteFileA(path.c_str());
  return seconds;
}

void EncoderSpeed(const std::string& folder, const char* module, const char* file,
                  std::vector<EncoderParameter> pairs, const std::vector<std::int16_t>& input, int rate) {
  double seconds = EncodeSeconds(folder, module, file, pairs, input, rate);
  if (seconds < 0) std::printf("%-12s cannot encode\n", module);
  else std::printf("%-12s %8.1f audio seconds per second\n", module, input.size() / 2 / double(rate) / seconds);
}

// The figure set beside native `lame -q 2 -b 128 -m j` on the same music.
void Mp3Speed(const std::string& folder) {
  std::vector<std::int16_t> music = ReadSamples(bench::MediaFolder() + "music44k.raw");
  if (music.empty()) {
    std::printf("MP3: the benchmark music is missing: tools/make_bench_media.sh <build>/bench-media\n");
    return;
  }
  bool ok = true;
  double seconds = bench::MedianSeconds(3, [&] {
    ok &= EncodeSeconds(folder, "EncMP3.dll", "bench.mp3", {{0, 0}, {1, 128}, {6, 1}, {7, 2}, {8, -1}}, music,
                        44100) >= 0;
  });
  if (!ok) {
    std::printf("MP3 (music)  cannot encode\n");
    return;
  }
  std::printf("MP3 (music)  %8.1f audio seconds per second\n", music.size() / 2 / 44100.0 / seconds);
  bench::ReportTime("mp3_encode", seconds);
}

void BlockPath(const std::vector<std::int16_t>& input) {
  const int frames = static_cast<int>(input.size() / 2);
  AudioFormatRecord record;
  InitAudioFormatRecord(record);
  ResampleContainer(&record).SetInputFormat(16, 1, 48000, 2);
  record.OutputBits = 16;
  record.OutputLayout = kLayoutInterleaved;
  record.OutputRate = 44100;
  record.OutputChannels = 2;
  auto start = Clock::now();
  for (int at = 0; at < frames; at += 4096) {
    ResampleContainer c(&record);
    c.ConvertBlock(input.data() + 2 * at, std::min(4096, frames - at));
  }
  double kept = Since(start);
  FreeAudioFormatBuffers(record);

  HMODULE m = ::LoadLibraryA(kRateConverterModule);
  auto create = reinterpret_cast<CreateRateConverterEntry>(::GetProcAddress(m, MAKEINTRESOURCEA(kCreateRateConverterOrdinal)));
  auto convert = reinterpret_cast<ConvertRateEntry>(::GetProcAddress(m, MAKEINTRESOURCEA(kConvertRateOrdinal)));
  auto release = reinterpret_cast<ReleaseRateConverterEntry>(::GetProcAddress(m, MAKEINTRESOURCEA(kReleaseRateConverterOrdinal)));
  if (!create || !convert || !release) {
    std::printf("block path: no rate converter module\n");
    return;
  }
  std::vector<std::int16_t> out(static_cast<std::size_t>(RateConverterMaxOutput(4096, 48000, 44100)) * 2);
  start = Clock::now();
  for (int at = 0; at < frames; at += 4096) {
    RateConverterHandle h = create(2, 48000, 2, 44100);
    convert(h, input.data() + 2 * at, std::min(4096, frames - at), out.data());
    release(h);
  }
  double perBlock = Since(start);
  double audio = frames / 48000.0;
  std::printf("block path, converter kept:      %8.1f audio seconds per second\n", audio / kept);
  std::printf("block path, converter per block: %8.1f audio seconds per second (%+.1f%% time)\n",
              audio / perBlock, (perBlock / kept - 1) * 100);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::ProgramFolder(argc, argv);
  ::SetDllDirectoryA(folder.c_str());
  Mp3Speed(folder);
  const int rate = 44100;
  std::vector<std::int16_t> input = Signal(rate, rate * 10);
  EncoderSpeed(folder, "EncMP3.dll", "bench.mp3", {{0, 0}, {1, 128}, {6, 2}, {7, 2}, {8, -1}, {16, 1}}, input, rate);
  EncoderSpeed(folder, "EncWAV.dll", "bench.wav", {{0, 2}, {1, 44100}, {2, 2}}, input, rate);
  EncoderSpeed(folder, "EncWAV.dll", "bench-adpcm.wav", {{0, 19}, {1, 44100}, {2, 2}}, input, rate);
  EncoderSpeed(folder, "EncOGG.dll", "bench.ogg", {{0, 0}, {1, 400}}, input, rate);
  EncoderSpeed(folder, "EncAAC.dll", "bench.m4a", {{0, 128000}, {3, 0}, {4, 1}}, input, rate);
  EncoderSpeed(folder, "EncFLAC.dll", "bench.flac", {}, input, rate);
  EncoderSpeed(folder, "EncWMA.dll", "bench.wma", {{0, 0}}, input, rate);
  EncoderSpeed(folder, "EncRA.dll", "bench.ra", {{0, 0}}, input, rate);
  BlockPath(Signal(48000, 48000 * 30));
  return 0;
}
