// The sample codings of the WAV plug-in besides plain PCM: G.711 u-law and A-law,
// and the IMA and Microsoft ADPCM block codings.
#pragma once

#include <cstdint>
#include <vector>

std::uint8_t MuLawFromLinear(std::int16_t sample);
std::uint8_t ALawFromLinear(std::int16_t sample);

// An ADPCM block coder: blocks of SamplesPerBlock() frames, BlockAlign() bytes each.
class AdpcmCoder {
public:
  virtual ~AdpcmCoder() = default;
  int BlockAlign() const { return blockAlign_; }
  int SamplesPerBlock() const { return samplesPerBlock_; }
  // Encodes exactly SamplesPerBlock() interleaved frames, appending one block.
  virtual void EncodeBlock(const std::int16_t* frames, std::vector<std::uint8_t>& out) = 0;
  // The format's extra bytes after WAVEFORMATEX's cbSize.
  virtual std::vector<std::uint8_t> ExtraFormat() const = 0;

protected:
  AdpcmCoder(int channels, int rate, int headerBytesPerChannel, int leadSamples);
  int channels_;
  int blockAlign_;
  int samplesPerBlock_;
};

class ImaAdpcmCoder : public AdpcmCoder {
public:
  ImaAdpcmCoder(int channels, int rate);
  void EncodeBlock(const std::int16_t* frames, std::vector<std::uint8_t>& out) override;
  std::vector<std::uint8_t> ExtraFormat() const override;

private:
  int index_[2] = {0, 0};  // step index carried from block to block
};

class MsAdpcmCoder : public AdpcmCoder {
public:
  MsAdpcmCoder(int channels, int rate);
  void EncodeBlock(const std::int16_t* frames, std::vector<std::uint8_t>& out) override;
  std::vector<std::uint8_t> ExtraFormat() const override;
};
