// EncWAV.dll: RIFF WAVE files in PCM, u-law, A-law, IMA ADPCM or Microsoft ADPCM,
// at the rate and channel count the keys ask for (the source's when automatic),
// with the tag texts in a LIST INFO chunk.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "engines/EncWAV/WaveCodecs.h"
#include "engines/EncoderCommon/PluginExport.h"

namespace {

enum WaveCoding { kPcm = 2, kMuLaw = 16, kALaw = 17, kImaAdpcm = 18, kMsAdpcm = 19 };

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, const char* id) { out.insert(out.end(), id, id + 4); }

constexpr std::uint64_t kMaxRiff = 0xFFFFFFF0u;

class WavEncoder : public AudioEncoder {
public:
  ~WavEncoder() override {
    if (file_) std::fclose(file_);
  }

  bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
             const EncoderParams& params) override {
    coding_ = params.Get(0, kPcm);
    rate_ = params.Get(1, -1);
    channels_ = params.Get(2, -1);
    if (coding_ != kPcm && coding_ != kMuLaw && coding_ != kALaw && coding_ != kImaAdpcm &&
        coding_ != kMsAdpcm)
      return false;
    if (rate_ == -1) rate_ = format.InputRate;
    if (channels_ == -1) channels_ = format.InputChannels == 1 ? 1 : 2;
    if (rate_ < 1000 || rate_ > 384000 || (channels_ != 1 && channels_ != 2)) return false;
    if (coding_ == kImaAdpcm) adpcm_ = std::make_unique<ImaAdpcmCoder>(channels_, rate_);
    if (coding_ == kMsAdpcm) adpcm_ = std::make_unique<MsAdpcmCoder>(channels_, rate_);
    tags_ = tags;
    file_ = std::fopen(path, "wb");
    if (!file_) return false;
    std::vector<std::uint8_t> header = Header(0, 0, 0);
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size()) {
      std::fclose(file_);
      file_ = nullptr;
      RemoveOutputFile(path);
      return false;
    }
    RequestFormat(format, kLayoutInterleaved, rate_, channels_);
    return true;
  }

  bool Encode(const AudioFormatRecord& format) override {
    if (!file_ || !BlockMatches(format, kLayoutInterleaved, channels_)) return false;
    const auto* samples = static_cast<const std::int16_t*>(format.InterleavedBuffer);
    const std::size_t count = static_cast<std::size_t>(format.OutputCount) * channels_;
    std::vector<std::uint8_t> out;
    switch (coding_) {
      case kPcm:
        for (std::size_t i = 0; i < count; ++i) Put16(out, static_cast<std::uint16_t>(samples[i]));
        break;
      case kMuLaw:
        for (std::size_t i = 0; i < count; ++i) out.push_back(MuLawFromLinear(samples[i]));
        break;
      case kALaw:
        for (std::size_t i = 0; i < count; ++i) out.push_back(ALawFromLinear(samples[i]));
        break;
      default:
        pending_.insert(pending_.end(), samples, samples + count);
        EncodeWholeBlocks(out, false);
    }
    frames_ += static_cast<std::uint64_t>(format.OutputCount);
    return Write(out);
  }

  void End() override {
    if (!file_) return;
    if (adpcm_ && !pending_.empty()) {
      std::vector<std::uint8_t> out;
      EncodeWholeBlocks(out, true);
      Write(out);
    }
    std::uint32_t data = static_cast<std::uint32_t>(dataBytes_);
    if (dataBytes_ & 1) std::fputc(0, file_);
    std::vector<std::uint8_t> info = InfoChunk();
    std::fwrite(info.data(), 1, info.size(), file_);
    std::uint64_t fileBytes = HeaderSize() + dataBytes_ + (dataBytes_ & 1) + info.size();
    std::vector<std::uint8_t> header =
        Header(static_cast<std::uint32_t>(fileBytes - 8), data, static_cast<std::uint32_t>(frames_));
    std::fseek(file_, 0, SEEK_SET);
    std::fwrite(header.data(), 1, header.size(), file_);
    std::fclose(file_);
    file_ = nullptr;
  }

private:
  void EncodeWholeBlocks(std::vector<std::uint8_t>& out, bool last) {
    const std::size_t block = static_cast<std::size_t>(adpcm_->SamplesPerBlock()) * channels_;
    std::size_t done = 0;
    while (pending_.size() - done >= block) {
      adpcm_->EncodeBlock(pending_.data() + done, out);
      done += block;
    }
    if (last && done < pending_.size()) {  // the last block padded with silence
      std::vector<std::int16_t> tail(pending_.begin() + static_cast<std::ptrdiff_t>(done), pending_.end());
      tail.resize(block, 0);
      adpcm_->EncodeBlock(tail.data(), out);
      done = pending_.size();
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
  }

  bool Write(const std::vector<std::uint8_t>& out) {
    if (out.empty()) return true;
    if (HeaderSize() + dataBytes_ + out.size() + 1024 > kMaxRiff) return false;  // RIFF's 4 GB limit
    if (std::fwrite(out.data(), 1, out.size(), file_) != out.size()) return false;
    dataBytes_ += out.size();
    return true;
  }

  std::size_t HeaderSize() const { return Header(0, 0, 0).size(); }

  std::vector<std::uint8_t> Header(std::uint32_t riffSize, std::uint32_t dataSize,
                                   std::uint32_t frames) const {
    unsigned tag = 1, bits = 16, blockAlign = static_cast<unsigned>(2 * channels_);
    unsigned bytesPerSecond = static_cast<unsigned>(rate_) * blockAlign;
    std::vector<std::uint8_t> extra;
    if (coding_ == kMuLaw || coding_ == kALaw) {
      tag = coding_ == kMuLaw ? 7 : 6;
      bits = 8;
      blockAlign = static_cast<unsigned>(channels_);
      bytesPerSecond = static_cast<unsigned>(rate_) * blockAlign;
    } else if (adpcm_) {
      tag = coding_ == kImaAdpcm ? 0x11 : 0x02;
      bits = 4;
      blockAlign = static_cast<unsigned>(adpcm_->BlockAlign());
      bytesPerSecond = static_cast<unsigned>(
          static_cast<std::uint64_t>(rate_) * blockAlign / adpcm_->SamplesPerBlock());
      extra = adpcm_->ExtraFormat();
    }
    std::vector<std::uint8_t> h;
    PutTag(h, "RIFF");
    Put32(h, riffSize);
    PutTag(h, "WAVE");
    PutTag(h, "fmt ");
    bool plain = coding_ == kPcm;
    Put32(h, plain ? 16 : static_cast<unsigned>(18 + extra.size()));
    Put16(h, tag);
    Put16(h, static_cast<unsigned>(channels_));
    Put32(h, static_cast<unsigned>(rate_));
    Put32(h, bytesPerSecond);
    Put16(h, blockAlign);
    Put16(h, bits);
    if (!plain) {
      Put16(h, static_cast<unsigned>(extra.size()));
      h.insert(h.end(), extra.begin(), extra.end());
      PutTag(h, "fact");
      Put32(h, 4);
      Put32(h, frames);
    }
    PutTag(h, "data");
    Put32(h, dataSize);
    return h;
  }

  std::vector<std::uint8_t> InfoChunk() const {
    std::vector<std::uint8_t> body;
    auto add = [&](const char* id, const std::string& text) {
      if (text.empty()) return;
      PutTag(body, id);
      Put32(body, static_cast<unsigned>(text.size() + 1));
      body.insert(body.end(), text.begin(), text.end());
      body.push_back(0);
      if ((text.size() + 1) & 1) body.push_back(0);
    };
    add("INAM", tags_.title);
    add("IART", tags_.artist);
    add("IPRD", tags_.album);
    add("ICMT", tags_.comment);
    add("IGNR", tags_.genre);
    add("ICRD", tags_.year);
    add("ICOP", tags_.copyright);
    if (tags_.track > 0) add("ITRK", std::to_string(tags_.track));
    if (body.empty()) return body;
    std::vector<std::uint8_t> chunk;
    PutTag(chunk, "LIST");
    Put32(chunk, static_cast<unsigned>(body.size() + 4));
    PutTag(chunk, "INFO");
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
  }

  std::FILE* file_ = nullptr;  // owned
  std::unique_ptr<AdpcmCoder> adpcm_;
  std::vector<std::int16_t> pending_;  // ADPCM frames waiting for a whole block
  TagTexts tags_;
  int coding_ = kPcm, rate_ = 44100, channels_ = 2;
  std::uint64_t dataBytes_ = 0, frames_ = 0;
};

}  // namespace

VARNEL_ENCODER_MODULE(WavEncoder)
