// EncMP3.dll: MP3 through LAME. Takes 16-bit planar samples at the MP3 rate it
// chose, writes ID3v2 tags in front and an ID3v1 tag behind the frames, and, when
// asked, wraps the stream in a RIFF WAVE file (format 0x55).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <lame/lame.h>

#include "engines/EncoderCommon/PluginExport.h"

namespace {

constexpr int kMpegRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr int kMpegBitrates[] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320};

bool OneOf(int value, const int* first, const int* last) {
  for (; first != last; ++first)
    if (*first == value) return true;
  return false;
}
template <std::size_t N>
bool OneOf(int value, const int (&list)[N]) { return OneOf(value, list, list + N); }

int NearestMpegRate(int rate) {
  int best = 44100;
  for (int r : kMpegRates)
    if (std::abs(r - rate) < std::abs(best - rate)) best = r;
  return best;
}

bool Flag(const EncoderParams& p, int key) { return p.Get(key, 0) != 0; }

class Mp3Encoder : public AudioEncoder {
public:
  ~Mp3Encoder() override { Close(); }

  bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
             const EncoderParams& params) override {
    if (!Configure(tags, format, params)) return false;
    file_ = std::fopen(path, "wb");
    if (!file_) return false;
    path_ = path;
    bool ok = riff_ ? WriteRiffHeader() : WriteId3v2();
    streamStart_ = std::ftell(file_);
    if (!ok) {
      Close();
      RemoveOutputFile(path);
      return false;
    }
    RequestFormat(format, kLayoutPlanar, rate_, channels_);
    return true;
  }

  bool Encode(const AudioFormatRecord& format) override {
    if (!lame_ || !file_ || !BlockMatches(format, kLayoutPlanar, channels_)) return false;
    int frames = format.OutputCount;
    if (frames == 0) return true;
    auto* left = static_cast<short*>(format.PlanarBuffers[0]);
    auto* right = channels_ == 2 ? static_cast<short*>(format.PlanarBuffers[1]) : left;
    buffer_.resize(static_cast<std::size_t>(frames) * 5 / 4 + 7200);
    int bytes = lame_encode_buffer(lame_, left, right, frames, buffer_.data(),
                                   static_cast<int>(buffer_.size()));
    return bytes >= 0 && Write(buffer_.data(), bytes);
  }

  void End() override {
    if (lame_ && file_) {
      buffer_.resize(7200);
      int bytes = lame_encode_flush(lame_, buffer_.data(), static_cast<int>(buffer_.size()));
      if (bytes > 0) Write(buffer_.data(), bytes);
      if (!riff_) WriteId3v1();
      long end = std::ftell(file_);
      WriteInfoFrame();
      if (riff_) PatchRiffSizes(end);
    }
    Close();
  }

private:
  bool Configure(const TagTexts& tags, const AudioFormatRecord& format, const EncoderParams& p) {
    int mode = p.Get(0, 0);
    int channelMode = p.Get(6, -1);
    int quality = p.Get(7, 2);
    int rate = p.Get(8, -1);
    if (mode < 0 || mode > 2 || channelMode < -1 || channelMode > 3) return false;
    if (quality < 0 || quality > 9) return false;
    if (rate != -1 && !OneOf(rate, kMpegRates)) return false;
    if (rate == -1) rate = NearestMpegRate(format.InputRate > 0 ? format.InputRate : 44100);
    rate_ = rate;
    channels_ = channelMode == 3 ? 1 : 2;
    riff_ = Flag(p, 40);

    lame_ = lame_init();
    if (!lame_) return false;
    lame_set_num_channels(lame_, channels_);
    lame_set_in_samplerate(lame_, rate_);
    lame_set_out_samplerate(lame_, rate_);
    lame_set_quality(lame_, quality);
    switch (channelMode) {
      case 0: lame_set_mode(lame_, STEREO); break;
      case 1: lame_set_mode(lame_, JOINT_STEREO); break;
      case 2: lame_set_mode(lame_, JOINT_STEREO); lame_set_force_ms(lame_, 1); break;
      case 3: lame_set_mode(lame_, MONO); break;
      default: break;
    }
    if (mode == 0) {
      int kbps = p.Get(1, 128);
      if (!OneOf(kbps, kMpegBitrates)) return false;
      lame_set_VBR(lame_, vbr_off);
      lame_set_brate(lame_, kbps);
    } else if (mode == 1) {
      int kbps = p.Get(2, 128);
      if (kbps < 8 || kbps > 320) return false;
      lame_set_VBR(lame_, vbr_abr);
      lame_set_VBR_mean_bitrate_kbps(lame_, kbps);
    } else {
      int level = p.Get(12, 4);
      if (level < 0 || level > 9) return false;
      lame_set_VBR(lame_, p.Get(11, 1) == 0 ? vbr_rh : vbr_mtrh);
      lame_set_VBR_q(lame_, level);
      int lo = p.Get(4, -1), hi = p.Get(5, -1);
      if (lo > 0) {
        if (!OneOf(lo, kMpegBitrates)) return false;
        lame_set_VBR_min_bitrate_kbps(lame_, lo);
      }
      if (hi > 0) {
        if (!OneOf(hi, kMpegBitrates) || (lo > 0 && hi < lo)) return false;
        lame_set_VBR_max_bitrate_kbps(lame_, hi);
      }
      lame_set_VBR_hard_min(lame_, Flag(p, 13) ? 1 : 0);
    }
    lame_set_free_format(lame_, Flag(p, 10));
    lame_set_bWriteVbrTag(lame_, p.Get(14, 1) != 0);
    lame_set_copyright(lame_, Flag(p, 15));
    lame_set_original(lame_, Flag(p, 16));
    lame_set_error_protection(lame_, Flag(p, 17));
    lame_set_disable_reservoir(lame_, Flag(p, 18));
    lame_set_strict_ISO(lame_, Flag(p, 19));
    lame_set_extension(lame_, Flag(p, 21));
    if (Flag(p, 28)) {
      lame_set_lowpassfreq(lame_, -1);
      lame_set_highpassfreq(lame_, -1);
    } else {
      if (Flag(p, 22)) lame_set_lowpassfreq(lame_, p.Get(23, 0));
      if (Flag(p, 25)) lame_set_highpassfreq(lame_, p.Get(26, 0));
    }
    if (Flag(p, 29)) lame_set_noATH(lame_, 1);
    if (Flag(p, 30)) lame_set_ATHonly(lame_, 1);
    if (Flag(p, 31)) lame_set_ATHlower(lame_, static_cast<float>(p.Get(32, 0)));
    if (Flag(p, 33)) lame_set_useTemporal(lame_, 0);
    if (Flag(p, 34)) lame_set_no_short_blocks(lame_, 1);
    lame_set_write_id3tag_automatic(lame_, 0);
    SetTags(tags);
    return lame_init_params(lame_) >= 0;
  }

  void SetTags(const TagTexts& t) {
    if (riff_ || t.Empty()) return;
    hasTags_ = true;
    id3tag_init(lame_);
    id3tag_add_v2(lame_);
    if (!t.title.empty()) id3tag_set_title(lame_, t.title.c_str());
    if (!t.artist.empty()) id3tag_set_artist(lame_, t.artist.c_str());
    if (!t.album.empty()) id3tag_set_album(lame_, t.album.c_str());
    if (!t.year.empty()) id3tag_set_year(lame_, t.year.c_str());
    if (!t.comment.empty()) id3tag_set_comment(lame_, t.comment.c_str());
    if (!t.genre.empty()) id3tag_set_genre(lame_, t.genre.c_str());
    if (t.track > 0) id3tag_set_track(lame_, std::to_string(t.track).c_str());
  }

  bool WriteId3v2() {
    if (!hasTags_) return true;
    std::size_t size = lame_get_id3v2_tag(lame_, nullptr, 0);
    std::vector<unsigned char> tag(size);
    if (size && lame_get_id3v2_tag(lame_, tag.data(), size) != size) return false;
    return Write(tag.data(), static_cast<int>(size));
  }

  void WriteId3v1() {
    if (!hasTags_) return;
    unsigned char tag[128];
    std::size_t size = lame_get_id3v1_tag(lame_, tag, sizeof tag);
    if (size > 0 && size <= sizeof tag) Write(tag, static_cast<int>(size));
  }

  // LAME's info frame (Xing/LAME header) replaces the silent first frame it reserved.
  void WriteInfoFrame() {
    if (!lame_get_bWriteVbrTag(lame_)) return;
    unsigned char frame[2880];
    std::size_t size = lame_get_lametag_frame(lame_, frame, sizeof frame);
    if (size == 0 || size > sizeof frame) return;
    std::fseek(file_, streamStart_, SEEK_SET);
    std::fwrite(frame, 1, size, file_);
  }

  bool WriteRiffHeader() {
    // RIFF, WAVE, 'fmt ' with MPEGLAYER3WAVEFORMAT (30 bytes), 'data'; sizes patched at the end.
    unsigned char h[58] = {};
    auto put16 = [&](int at, unsigned v) { h[at] = v & 0xFF; h[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](int at, unsigned v) { put16(at, v & 0xFFFF); put16(at + 2, v >> 16); };
    std::memcpy(h, "RIFF", 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 30);
    put16(20, 0x55);
    put16(22, static_cast<unsigned>(channels_));
    put32(24, static_cast<unsigned>(rate_));
    int kbps = lame_get_VBR(lame_) == vbr_off ? lame_get_brate(lame_) : lame_get_VBR_mean_bitrate_kbps(lame_);
    put32(28, static_cast<unsigned>(kbps * 1000 / 8));
    put16(32, 1);
    put16(34, 0);
    put16(36, 12);        // extra bytes
    put16(38, 1);         // MPEGLAYER3_ID_MPEG
    put32(40, 2);         // padding flags: off
    put16(44, static_cast<unsigned>(144 * kbps * 1000 / rate_));  // block size
    put16(46, 1);         // frames per block
    put16(48, 1393);      // codec delay
    std::memcpy(h + 50, "data", 4);
    return Write(h, sizeof h);
  }

  void PatchRiffSizes(long end) {
    unsigned riff = static_cast<unsigned>(end - 8), data = static_cast<unsigned>(end - 58);
    unsigned char b[4];
    auto put = [&](long at, unsigned v) {
      for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(v >> (8 * i));
      std::fseek(file_, at, SEEK_SET);
      std::fwrite(b, 1, 4, file_);
    };
    put(4, riff);
    put(54, data);
  }

  bool Write(const unsigned char* data, int bytes) {
    if (bytes <= 0) return true;
    return std::fwrite(data, 1, static_cast<std::size_t>(bytes), file_) == static_cast<std::size_t>(bytes);
  }

  void Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (lame_) lame_close(lame_);
    lame_ = nullptr;
  }

  lame_global_flags* lame_ = nullptr;  // owned
  std::FILE* file_ = nullptr;          // owned
  std::string path_;
  std::vector<unsigned char> buffer_;
  long streamStart_ = 0;
  int rate_ = 44100, channels_ = 2;
  bool riff_ = false, hasTags_ = false;
};

}  // namespace

VARNEL_ENCODER_MODULE(Mp3Encoder)
