// ResampleContainer over the rate converter module: buffers sized from the output
// side, planar and interleaved layouts, channel mixing, widths, format changes, and
// one continuous stream over the per-block containers.
#include "app/ResampleContainer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

namespace {

class ResampleTest : public testing::Test {
protected:
  void SetUp() override {
    ::SetDllDirectoryA(BuiltProgramFolder().c_str());
    InitAudioFormatRecord(r);
    ResampleContainer(&r).SetInputFormat(16, 1, 48000, 2);
  }
  void TearDown() override {
    FreeAudioFormatBuffers(r);
    ::SetDllDirectoryA(nullptr);
  }
  void Want(int bits, std::uint8_t layout, int rate, int channels) {
    r.OutputBits = bits;
    r.OutputLayout = layout;
    r.OutputRate = rate;
    r.OutputChannels = channels;
  }
  // Left: 440 Hz at `left`; right: the same tone at `right`.
  static std::vector<std::int16_t> Tone(int frames, int left, int right, int rate = 48000) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(frames) * 2);
    for (int f = 0; f < frames; ++f) {
      double v = std::sin(2 * M_PI * 440.0 * f / rate);
      s[2 * f] = static_cast<std::int16_t>(left * v);
      s[2 * f + 1] = static_cast<std::int16_t>(right * v);
    }
    return s;
  }
  static double Peak(const std::int16_t* s, int n, int stride = 1) {
    double peak = 0;
    for (int i = 0; i < n; ++i) peak = std::max(peak, std::fabs(double(s[i * stride])));
    return peak;
  }
  AudioFormatRecord r;
};

TEST_F(ResampleTest, InitClearsTheRecordAndMarksBothLayoutsUnset) {
  AudioFormatRecord fresh;
  std::memset(&fresh, 0x7F, sizeof fresh);
  InitAudioFormatRecord(fresh);
  EXPECT_EQ(fresh.InputLayout, kLayoutNotSet);
  EXPECT_EQ(fresh.OutputLayout, kLayoutNotSet);
  EXPECT_EQ(fresh.InputBits, 0);
  EXPECT_EQ(fresh.OutputRate, 0);
  EXPECT_EQ(fresh.PlanarBuffers, nullptr);
  EXPECT_EQ(fresh.InterleavedBuffer, nullptr);
  EXPECT_EQ(fresh.Capacity, 0);
  EXPECT_EQ(fresh.OutputCount, 0);
}

TEST_F(ResampleTest, UnsetLayoutConvertsNothingAndReportsTheBlock) {
  std::vector<std::int16_t> in = Tone(500, 1000, 1000);
  ResampleContainer c(&r);
  c.ConvertBlock(in.data(), 500);
  EXPECT_EQ(r.OutputCount, 500);
  EXPECT_EQ(r.InterleavedBuffer, nullptr);
  EXPECT_EQ(r.PlanarBuffers, nullptr);
  EXPECT_EQ(c.Converter(), nullptr);
}

TEST_F(ResampleTest, ContainerThatNeverConvertedHoldsNoConverter) {
  ResampleContainer c(&r);
  EXPECT_EQ(c.Converter(), nullptr);
}

TEST_F(ResampleTest, SameFormatStillGoesThroughTheConverterAndKeepsSamples) {
  Want(16, kLayoutInterleaved, 48000, 2);
  std::vector<std::int16_t> in = Tone(1000, 12000, -5000);
  ResampleContainer c(&r);
  c.ConvertBlock(in.data(), 1000);
  EXPECT_NE(c.Converter(), nullptr);
  ASSERT_EQ(r.OutputCount, 1000);
  EXPECT_EQ(std::memcmp(r.InterleavedBuffer, in.data(), in.size() * 2), 0);
}

TEST_F(ResampleTest, CapacityGrowsOnlyPastTheLargestBlock) {
  Want(16, kLayoutPlanar, 48000, 2);
  std::vector<std::int16_t> in = Tone(801, 1000, 2000);
  { ResampleContainer(&r).ConvertBlock(in.data(), 800); }
  ASSERT_EQ(r.Capacity, 800);
  void* left = r.PlanarBuffers[0];
  { ResampleContainer(&r).ConvertBlock(in.data(), 800); }
  EXPECT_EQ(r.Capacity, 800);
  EXPECT_EQ(r.PlanarBuffers[0], left);
  { ResampleContainer(&r).ConvertBlock(in.data(), 801); }
  EXPECT_EQ(r.Capacity, 801);
  EXPECT_EQ(r.OutputCount, 801);
  { ResampleContainer(&r).ConvertBlock(in.data(), 10); }
  EXPECT_EQ(r.Capacity, 801);
}

TEST_F(ResampleTest, UpsampledBlocksFitTheBuffers) {
  // 22,050 Hz in, 48 kHz out: each block yields more frames than it brought.
  ResampleContainer(&r).SetInputFormat(16, 1, 22050, 2);
  Want(16, kLayoutInterleaved, 48000, 2);
  std::vector<std::int16_t> in = Tone(2205, 10000, 10000, 22050);
  int total = 0;
  for (int i = 0; i < 10; ++i) {
    ResampleContainer c(&r);
    c.ConvertBlock(in.data(), 2205);
    EXPECT_LE(r.OutputCount, r.Capacity);
    EXPECT_GE(r.Capacity, 4800);
    total += r.OutputCount;
  }
  EXPECT_NEAR(total, 48000, 64);
}

TEST_F(ResampleTest, PlanarOutputLoopsOverOutputChannels) {
  struct Case {
    int channels;
    int left, right;
    double expected[2];  // peak of each output channel
  };
  const Case cases[] = {
      {1, 12000, 4000, {8000, 0}},      // down-mix: the mean
      {2, 12000, 0, {12000, 0}},        // channel order kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.channels);
    FreeAudioFormatBuffers(r);
    Want(16, kLayoutPlanar, 22050, c.channels);
    std::vector<std::int16_t> in = Tone(4800, c.left, c.right);
    for (int b = 0; b < 4; ++b) {
      ResampleContainer k(&r);
      k.ConvertBlock(in.data() + b * 2400, 1200);
    }
    ASSERT_GT(r.OutputCount, 400);
    for (int ch = 0; ch < c.channels; ++ch)
      EXPECT_NEAR(Peak(static_cast<std::int16_t*>(r.PlanarBuffers[ch]), r.OutputCount), c.expected[ch],
                  c.expected[ch] * 0.05 + 20);
  }
}

TEST_F(ResampleTest, UpMixFillsEveryOutputChannel) {
  ResampleContainer(&r).SetInputFormat(16, 1, 48000, 1);
  Want(16, kLayoutPlanar, 48000, 2);
  std::vector<std::int16_t> mono(1000);
  for (int i = 0; i < 1000; ++i) mono[i] = static_cast<std::int16_t>(10000 * std::sin(i * 0.06));
  ResampleContainer c(&r);
  c.ConvertBlock(mono.data(), 1000);
  ASSERT_EQ(r.OutputCount, 1000);
  for (int ch = 0; ch < 2; ++ch)
    EXPECT_GT(Peak(static_cast<std::int16_t*>(r.PlanarBuffers[ch]), 1000), 5000);
}

TEST_F(ResampleTest, LaterFileWithAWiderFormatGetsNewBuffers) {
  std::vector<std::int16_t> in = Tone(1000, 9000, 9000);
  Want(16, kLayoutPlanar, 48000, 1);
  { ResampleContainer(&r).ConvertBlock(in.data(), 1000); }
  ASSERT_EQ(r.OutputCount, 1000);
  // The next file: a plug-in that wants two planar channels of 32 bits.
  ResampleContainer(&r).SetInputFormat(16, 1, 48000, 2);
  Want(32, kLayoutPlanar, 48000, 2);
  { ResampleContainer(&r).ConvertBlock(in.data(), 1000); }
  ASSERT_EQ(r.OutputCount, 1000);
  ASSERT_NE(r.PlanarBuffers[1], nullptr);
  auto* right = static_cast<std::int32_t*>(r.PlanarBuffers[1]);
  EXPECT_EQ(right[999], std::int32_t(in[2 * 999 + 1]) * 65536);
  // And one that wants them interleaved at 24 bits.
  Want(24, kLayoutInterleaved, 48000, 2);
  { ResampleContainer(&r).ConvertBlock(in.data(), 1000); }
  ASSERT_EQ(r.OutputCount, 1000);
  auto* bytes = static_cast<std::uint8_t*>(r.InterleavedBuffer) + (999 * 2 + 1) * 3;
  std::int32_t v = std::int32_t(bytes[0] | bytes[1] << 8 | bytes[2] << 16) << 8 >> 8;
  EXPECT_EQ(v, std::int32_t(in[2 * 999 + 1]) * 256);
}

TEST_F(ResampleTest, WidthsAreConvertedOrRefused) {
  std::vector<std::int16_t> in = Tone(100, -32768, 32767);
  in[0] = -32768;
  in[1] = 32767;
  Want(8, kLayoutInterleaved, 48000, 2);
  { ResampleContainer(&r).ConvertBlock(in.data(), 100); }
  ASSERT_EQ(r.OutputCount, 100);
  auto* u8 = static_cast<std::uint8_t*>(r.InterleavedBuffer);
  EXPECT_EQ(u8[0], 0);
  EXPECT_EQ(u8[1], 255);
  for (int bits : {0, 12, 20, 64}) {
    Want(bits, kLayoutInterleaved, 48000, 2);
    ResampleContainer(&r).ConvertBlock(in.data(), 100);
    EXPECT_EQ(r.OutputCount, 0) << bits;
  }
}

TEST_F(ResampleTest, PerBlockContainersMakeOneContinuousStream) {
  // The same signal converted in one piece and in blocks through a new container
  // per block comes out the same: no state is lost at block boundaries.
  Want(16, kLayoutInterleaved, 44100, 2);
  std::vector<std::int16_t> in = Tone(9600, 15000, 7000);
  std::vector<std::int16_t> whole, blocks;
  {
    ResampleContainer c(&r);
    c.ConvertBlock(in.data(), 9600);
    auto* out = static_cast<std::int16_t*>(r.InterleavedBuffer);
    whole.assign(out, out + r.OutputCount * 2);
  }
  ResampleContainer(&r).SetInputFormat(16, 1, 48000, 2);
  const int sizes[] = {1000, 37, 4096, 1, 2500, 1966};
  int at = 0;
  for (int n : sizes) {
    ResampleContainer c(&r);
    c.ConvertBlock(in.data() + 2 * at, n);
    auto* out = static_cast<std::int16_t*>(r.InterleavedBuffer);
    blocks.insert(blocks.end(), out, out + r.OutputCount * 2);
    at += n;
  }
  ASSERT_EQ(at, 9600);
  std::size_t common = std::min(whole.size(), blocks.size());
  ASSERT_GT(common, 8000u * 2);
  EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + common, blocks.begin()));
}

}  // namespace
