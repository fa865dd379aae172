// EncWMA.dll: Windows Media Audio 2 through FFmpeg's encoder in an ASF file, at the
// format of the chosen line of WMAFormats.txt (key 0, the line's number).
#include <iterator>

#include "engines/EncoderCommon/FFmpegEncoder.h"
#include "engines/EncoderCommon/PluginExport.h"

namespace {

// The lines of WMAFormats.txt, in order.
constexpr ListedAudioFormat kFormats[] = {
    {"Windows Media Audio 2, 128 kbit/s, 44,100 Hz, stereo", 44100, 2, 128000},
    {"Windows Media Audio 2, 160 kbit/s, 48,000 Hz, stereo", 48000, 2, 160000},
    {"Windows Media Audio 2, 96 kbit/s, 44,100 Hz, stereo", 44100, 2, 96000},
    {"Windows Media Audio 2, 64 kbit/s, 44,100 Hz, stereo", 44100, 2, 64000},
    {"Windows Media Audio 2, 48 kbit/s, 32,000 Hz, stereo", 32000, 2, 48000},
    {"Windows Media Audio 2, 32 kbit/s, 22,050 Hz, mono", 22050, 1, 32000},
};

class WmaEncoder : public FFmpegEncoder {
protected:
  bool Choose(const char*, const AudioFormatRecord&, const EncoderParams& p,
              FFmpegAudioSettings& s) override {
    int line = p.Get(0, 0);
    if (line < 0 || line >= static_cast<int>(std::size(kFormats))) return false;
    s.muxer = "asf";
    s.encoder = "wmav2";
    s.rate = kFormats[line].rate;
    s.channels = kFormats[line].channels;
    s.bitRate = kFormats[line].bitRate;
    return true;
  }
};

}  // namespace

VARNEL_ENCODER_MODULE(WmaEncoder)
