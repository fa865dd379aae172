#include "engines/EncWAV/WaveCodecs.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Segment(int value, const int* ends) {
  for (int i = 0; i < 8; ++i)
    if (value <= ends[i]) return i;
  return 8;
}

void Put16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

constexpr int kImaSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kImaIndexShift[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

constexpr int kMsCoef1[7] = {256, 512, 0, 192, 240, 460, 392};
constexpr int kMsCoef2[7] = {0, -256, 0, 64, 0, -208, -232};
constexpr int kMsAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                              768, 614, 512, 409, 307, 230, 230, 230};

std::int16_t Clamp16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

}  // namespace

std::uint8_t MuLawFromLinear(std::int16_t sample) {
  static const int ends[8] = {0x3F, 0x7F, 0xFF, 0x1FF, 0x3FF, 0x7FF, 0xFFF, 0x1FFF};
  int value = sample >> 2;
  int mask = 0xFF;
  if (value < 0) {
    value = -value;
    mask = 0x7F;
  }
  value = std::min(value, 8159) + 0x21;
  int seg = Segment(value, ends);
  if (seg >= 8) return static_cast<std::uint8_t>(0x7F ^ mask);
  return static_cast<std::uint8_t>(((seg << 4) | ((value >> (seg + 1)) & 0xF)) ^ mask);
}

std::uint8_t ALawFromLinear(std::int16_t sample) {
  static const int ends[8] = {0x1F, 0x3F, 0x7F, 0xFF, 0x1FF, 0x3FF, 0x7FF, 0xFFF};
  int value = sample >> 3;
  int mask = 0xD5;
  if (value < 0) {
    mask = 0x55;
    value = -value - 1;
  }
  int seg = Segment(value, ends);
  if (seg >= 8) return static_cast<std::uint8_t>(0x7F ^ mask);
  int a = seg << 4;
  a |= seg < 2 ? (value >> 1) & 0xF : (value >> seg) & 0xF;
  return static_cast<std::uint8_t>(a ^ mask);
}

AdpcmCoder::AdpcmCoder(int channels, int rate, int headerBytesPerChannel, int leadSamples)
    : channels_(channels) {
  blockAlign_ = 256 * channels * std::max(1, rate / 11025);
  samplesPerBlock_ = (blockAlign_ - headerBytesPerChannel * channels) * 8 / (4 * channels) + leadSamples;
}

ImaAdpcmCoder::ImaAdpcmCoder(int channels, int rate) : AdpcmCoder(channels, rate, 4, 1) {}

std::vector<std::uint8_t> ImaAdpcmCoder::ExtraFormat() const {
  std::vector<std::uint8_t> extra;
  Put16(extra, samplesPerBlock_);
  return extra;
}

void ImaAdpcmCoder::EncodeBlock(const std::int16_t* frames, std::vector<std::uint8_t>& out) {
  const int n = samplesPerBlock_;
  std::vector<std::uint8_t> nibbles[2];
  int predicted[2];
  for (int c = 0; c < channels_; ++c) {
    predicted[c] = frames[c];
    Put16(out, predicted[c]);
    out.push_back(static_cast<std::uint8_t>(index_[c]));
    out.push_back(0);
    for (int i = 1; i < n; ++i) {
      int step = kImaSteps[index_[c]];
      int diff = frames[i * channels_ + c] - predicted[c];
      int code = 0;
      if (diff < 0) {
        code = 8;
        diff = -diff;
      }
      int delta = step >> 3;
      if (diff >= step) { code |= 4; diff -= step; delta += step; }
      step >>= 1;
      if (diff >= step) { code |= 2; diff -= step; delta += step; }
      step >>= 1;
      if (diff >= step) { code |= 1; delta += step; }
      predicted[c] = Clamp16(code & 8 ? predicted[c] - delta : predicted[c] + delta);
      index_[c] = std::clamp(index_[c] + kImaIndexShift[code & 7], 0, 88);
      nibbles[c].push_back(static_cast<std::uint8_t>(code));
    }
  }
  // Data: per channel in turn, four bytes (eight samples) at a time, low nibble first.
  for (int group = 0; group * 8 < n - 1; ++group)
    for (int c = 0; c < channels_; ++c)
      for (int b = 0; b < 4; ++b) {
        std::size_t i = static_cast<std::size_t>(group * 8 + b * 2);
        out.push_back(static_cast<std::uint8_t>(nibbles[c][i] | (nibbles[c][i + 1] << 4)));
      }
}

MsAdpcmCoder::MsAdpcmCoder(int channels, int rate) : AdpcmCoder(channels, rate, 7, 2) {}

std::vector<std::uint8_t> MsAdpcmCoder::ExtraFormat() const {
  std::vector<std::uint8_t> extra;
  Put16(extra, samplesPerBlock_);
  Put16(extra, 7);
  for (int i = 0; i < 7; ++i) {
    Put16(extra, kMsCoef1[i]);
    Put16(extra, kMsCoef2[i]);
  }
  return extra;
}

namespace {

// One channel of one Microsoft ADPCM block with the given predictor; returns the
// squared error of the reconstruction.
struct MsChannel {
  int predictor = 0, delta = 16, sample1 = 0, sample2 = 0;
  std::vector<std::uint8_t> nibbles;
  double error = 0;
};

MsChannel EncodeMsChannel(const std::int16_t* frames, int channels, int c, int n, int predictor) {
  MsChannel ch;
  ch.predictor = predictor;
  ch.sample2 = frames[c];
  ch.sample1 = frames[channels + c];
  int first = std::abs(frames[2 * channels + c] -
                       (ch.sample1 * kMsCoef1[predictor] + ch.sample2 * kMsCoef2[predictor]) / 256);
  ch.delta = std::max(16, first / 4);
  int s1 = ch.sample1, s2 = ch.sample2, delta = ch.delta;
  for (int i = 2; i < n; ++i) {
    int x = frames[i * channels + c];
    int predicted = (s1 * kMsCoef1[predictor] + s2 * kMsCoef2[predictor]) / 256;
    int e = x - predicted;
    int code = e >= 0 ? (e + delta / 2) / delta : -((-e + delta / 2) / delta);
    code = std::clamp(code, -8, 7);
    int rebuilt = Clamp16(predicted + code * delta);
    ch.error += static_cast<double>(x - rebuilt) * (x - rebuilt);
    s2 = s1;
    s1 = rebuilt;
    delta = std::max(16, (delta * kMsAdapt[code & 0xF]) >> 8);
    ch.nibbles.push_back(static_cast<std::uint8_t>(code & 0xF));
  }
  return ch;
}

}  // namespace

void MsAdpcmCoder::EncodeBlock(const std::int16_t* frames, std::vector<std::uint8_t>& out) {
  const int n = samplesPerBlock_;
  MsChannel best[2];
  for (int c = 0; c < channels_; ++c) {
    best[c] = EncodeMsChannel(frames, channels_, c, n, 0);
    for (int p = 1; p < 7; ++p) {
      MsChannel trial = EncodeMsChannel(frames, channels_, c, n, p);
      if (trial.error < best[c].error) best[c] = std::move(trial);
    }
  }
  for (int c = 0; c < channels_; ++c) out.push_back(static_cast<std::uint8_t>(best[c].predictor));
  for (int c = 0; c < channels_; ++c) Put16(out, best[c].delta);
  for (int c = 0; c < channels_; ++c) Put16(out, best[c].sample1);
  for (int c = 0; c < channels_; ++c) Put16(out, best[c].sample2);
  // Nibbles in frame order, channels interleaved, high nibble first.
  std::vector<std::uint8_t> all;
  for (int i = 0; i < n - 2; ++i)
    for (int c = 0; c < channels_; ++c) all.push_back(best[c].nibbles[static_cast<std::size_t>(i)]);
  for (std::size_t i = 0; i + 1 < all.size(); i += 2)
    out.push_back(static_cast<std::uint8_t>((all[i] << 4) | all[i + 1]));
}
