// EncOGG.dll: Ogg Vorbis through libvorbis and libogg, at the source's rate and
// channels, with the tag texts as Vorbis comments. Modes: 0 quality (key 1, the
// quality times 100, 0..1000), 1 managed bitrate within keys 2..3, 2 average
// bitrate (key 4, or key 1 as the presets send it), 3 constant bitrate (key 4).
#include <cstdio>
#include <ctime>
#include <vector>

#include <vorbis/vorbisenc.h>

#include "engines/EncoderCommon/PluginExport.h"

namespace {

class OggEncoder : public AudioEncoder {
public:
  ~OggEncoder() override { Close(); }

  bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
             const EncoderParams& params) override {
    rate_ = format.InputRate > 0 ? format.InputRate : 44100;
    channels_ = format.InputChannels == 1 ? 1 : 2;
    vorbis_info_init(&info_);
    infoReady_ = true;
    if (!Configure(params)) return false;
    vorbis_comment_init(&comment_);
    commentReady_ = true;
    AddComments(tags);
    if (vorbis_analysis_init(&dsp_, &info_) != 0) return false;
    dspReady_ = true;
    vorbis_block_init(&dsp_, &block_);
    blockReady_ = true;
    static int serial = 0;
    ogg_stream_init(&stream_, static_cast<int>(std::time(nullptr)) + ++serial);
    streamReady_ = true;

    file_ = std::fopen(path, "wb");
    if (!file_) return false;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    bool ok = true;
    while (ok && ogg_stream_flush(&stream_, &page) != 0) ok = WritePage(page);
    if (!ok) {
      Close();
      RemoveOutputFile(path);
      return false;
    }
    RequestFormat(format, kLayoutPlanar, rate_, channels_);
    return true;
  }

  bool Encode(const AudioFormatRecord& format) override {
    if (!file_ || !BlockMatches(format, kLayoutPlanar, channels_)) return false;
    int frames = format.OutputCount;
    if (frames == 0) return true;
    float** buffer = vorbis_analysis_buffer(&dsp_, frames);
    for (int c = 0; c < channels_; ++c) {
      auto* plane = static_cast<const std::int16_t*>(format.PlanarBuffers[c]);
      for (int f = 0; f < frames; ++f) buffer[c][f] = plane[f] / 32768.0f;
    }
    vorbis_analysis_wrote(&dsp_, frames);
    return Drain();
  }

  void End() override {
    if (file_) {
      vorbis_analysis_wrote(&dsp_, 0);
      Drain();
    }
    Close();
  }

private:
  bool Configure(const EncoderParams& p) {
    int mode = p.Get(0, 0);
    long k = 1000;
    switch (mode) {
      case 0: {
        int q = p.Get(1, 400);
        if (q < 0 || q > 1000) return false;
        return vorbis_encode_init_vbr(&info_, channels_, rate_, q / 1000.0f) == 0;
      }
      case 1: {
        int lo = p.Get(2, -1), hi = p.Get(3, -1);
        if ((lo <= 0 && hi <= 0) || (lo > 0 && hi > 0 && hi < lo)) return false;
        return vorbis_encode_init(&info_, channels_, rate_, hi > 0 ? hi * k : -1, -1,
                                  lo > 0 ? lo * k : -1) == 0;
      }
      case 2: {
        int kbps = p.Has(4) ? p.Get(4, -1) : p.Get(1, -1);
        if (kbps <= 0 || kbps > 1000) return false;
        return vorbis_encode_init(&info_, channels_, rate_, -1, kbps * k, -1) == 0;
      }
      case 3: {
        int kbps = p.Get(4, -1);
        if (kbps <= 0 || kbps > 1000) return false;
        return vorbis_encode_init(&info_, channels_, rate_, kbps * k, kbps * k, kbps * k) == 0;
      }
      default:
        return false;
    }
  }

  void AddComments(const TagTexts& t) {
    auto add = [&](const char* name, const std::string& text) {
      if (!text.empty()) vorbis_comment_add_tag(&comment_, name, AnsiToUtf8(text).c_str());
    };
    add("TITLE", t.title);
    add("ARTIST", t.artist);
    add("ALBUM", t.album);
    add("COMMENT", t.comment);
    add("GENRE", t.genre);
    add("DATE", t.year);
    add("COMPOSER", t.composer);
    add("COPYRIGHT", t.copyright);
    add("ENCODED-BY", t.encodedBy);
    if (t.track > 0) add("TRACKNUMBER", std::to_string(t.track));
  }

  bool Drain() {
    bool ok = true;
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0) ok = WritePage(page) && ok;
      }
    }
    ogg_page page;
    if (ogg_stream_eos(&stream_))
      while (ogg_stream_flush(&stream_, &page) != 0) ok = WritePage(page) && ok;
    return ok;
  }

  bool WritePage(const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file_) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file_) ==
               static_cast<std::size_t>(page.body_len);
  }

  void Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (streamReady_) ogg_stream_clear(&stream_);
    if (blockReady_) vorbis_block_clear(&block_);
    if (dspReady_) vorbis_dsp_clear(&dsp_);
    if (commentReady_) vorbis_comment_clear(&comment_);
    if (infoReady_) vorbis_info_clear(&info_);
    streamReady_ = blockReady_ = dspReady_ = commentReady_ = infoReady_ = false;
  }

  std::FILE* file_ = nullptr;  // owned
  vorbis_info info_{};
  vorbis_comment comment_{};
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
  bool infoReady_ = false, commentReady_ = false, dspReady_ = false, blockReady_ = false,
       streamReady_ = false;
  int rate_ = 44100, channels_ = 2;
};

}  // namespace

VARNEL_ENCODER_MODULE(OggEncoder)
