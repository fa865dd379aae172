// RateConverter.dll through its ordinal exports: formats, the output bound per call,
// continuity over blocks and the level of the signal after conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engines/RateConverter/RateConverterApi.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

namespace {

struct RateConverterModule {
  HMODULE module = ::LoadLibraryA((BuiltProgramFolder() + kRateConverterModule).c_str());
  CreateRateConverterEntry create = Entry<CreateRateConverterEntry>(kCreateRateConverterOrdinal);
  ConvertRateEntry convert = Entry<ConvertRateEntry>(kConvertRateOrdinal);
  ReleaseRateConverterEntry release = Entry<ReleaseRateConverterEntry>(kReleaseRateConverterOrdinal);
  ~RateConverterModule() {
    if (module) ::FreeLibrary(module);
  }
  template <class F>
  F Entry(int ordinal) {
    return module ? reinterpret_cast<F>(::GetProcAddress(module, MAKEINTRESOURCEA(ordinal))) : nullptr;
  }
};

// A stereo signal: 440 Hz on the left, the same at half the level on the right.
std::vector<std::int16_t> Signal(int rate, int frames) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(frames) * 2);
  for (int f = 0; f < frames; ++f) {
    double v = std::sin(2 * M_PI * 440.0 * f / rate);
    s[2 * f] = static_cast<std::int16_t>(16000 * v);
    s[2 * f + 1] = static_cast<std::int16_t>(8000 * v);
  }
  return s;
}

double Rms(const std::vector<std::int16_t>& s, int channels, int channel, std::size_t from) {
  double sum = 0;
  std::size_t n = 0;
  for (std::size_t i = from * channels + channel; i < s.size(); i += channels, ++n) sum += double(s[i]) * s[i];
  return n ? std::sqrt(sum / n) : 0;
}

TEST(AudioRateConverter, ExportsItsThreeEntriesByOrdinal) {
  RateConverterModule m;
  ASSERT_NE(m.module, nullptr);
  EXPECT_NE(m.create, nullptr);
  EXPECT_NE(m.convert, nullptr);
  EXPECT_NE(m.release, nullptr);
}

TEST(AudioRateConverter, RefusesFormatsItCannotConvert) {
  RateConverterModule m;
  ASSERT_NE(m.create, nullptr);
  const int bad[][4] = {{0, 48000, 2, 48000}, {2, 48000, 9, 48000}, {2, 0, 2, 44100}, {2, 44100, 2, -1}};
  for (const auto& f : bad) EXPECT_EQ(m.create(f[0], f[1], f[2], f[3]), nullptr) << f[0] << " " << f[2];
  std::int16_t in[4] = {}, out[4] = {};
  EXPECT_EQ(m.convert(nullptr, in, 2, out), 0);
  m.release(nullptr);  // harmless
}

struct ConversionCase {
  int inChannels, inRate, outChannels, outRate;
  double leftLevel, rightLevel;  // expected RMS of the output channels (mono: the mix)
};

TEST(AudioRateConverter, ConvertsBlockByBlockWithinTheBound) {
  RateConverterModule m;
  ASSERT_NE(m.create, nullptr);
  const double full = 16000 / std::sqrt(2.0), half = full / 2;
  const ConversionCase cases[] = {
      {2, 48000, 1, 22050, (full + half) / 2, 0},  // down-mix: the mean of both channels
      {2, 44100, 2, 48000, full, half},
      {2, 44100, 2, 44100, full, half},
      {2, 22050, 2, 48000, full, half},
  };
  const int blocks[] = {1000, 4096, 333, 2500, 1, 1777};
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inRate << "->" << c.outRate << " x" << c.outChannels);
    const int frames = c.inRate;  // one second
    std::vector<std::int16_t> in = Signal(c.inRate, frames), out;
    RateConverterHandle h = m.create(c.inChannels, c.inRate, c.outChannels, c.outRate);
    ASSERT_NE(h, nullptr);
    int done = 0;
    for (int i = 0; done < frames; ++i) {
      int n = std::min(blocks[i % 6], frames - done);
      std::int64_t bound = RateConverterMaxOutput(n, c.inRate, c.outRate);
      std::vector<std::int16_t> block(static_cast<std::size_t>(bound + 16) * c.outChannels, 0x5555);
      int got = m.convert(h, in.data() + 2 * done, n, block.data());
      ASSERT_GE(got, 0);
      ASSERT_LE(got, bound);
      for (std::size_t k = static_cast<std::size_t>(bound) * c.outChannels; k < block.size(); ++k)
        ASSERT_EQ(block[k], 0x5555) << "wrote past the bound";
      out.insert(out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got) * c.outChannels);
      done += n;
    }
    m.release(h);
    std::int64_t frameCount = static_cast<std::int64_t>(out.size()) / c.outChannels;
    EXPECT_LE(std::llabs(frameCount - c.outRate), kRateConverterDelay);
    std::size_t settle = static_cast<std::size_t>(c.outRate / 10);
    EXPECT_NEAR(Rms(out, c.outChannels, 0, settle), c.leftLevel, c.leftLevel * 0.03);
    if (c.outChannels == 2) {
      EXPECT_NEAR(Rms(out, 2, 1, settle), c.rightLevel, c.rightLevel * 0.03);
    }
  }
}

TEST(AudioRateConverter, KeepsSamplesExactWhenTheFormatIsTheSame) {
  RateConverterModule m;
  ASSERT_NE(m.create, nullptr);
  std::vector<std::int16_t> in = Signal(44100, 3000), out(in.size());
  RateConverterHandle h = m.create(2, 44100, 2, 44100);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(m.convert(h, in.data(), 3000, out.data()), 3000);
  m.release(h);
  EXPECT_EQ(in, out);
}

}  // namespace
