// EncRA.dll: RealAudio in a RealMedia file through FFmpeg, at the audience of the
// chosen line of RAAudiences.txt (key 0; line 0 when no pair comes). FFmpeg writes
// one RealAudio codec, 14.4 (the voice codec: 8 kbit/s, 8 kHz mono), so that is the
// one audience offered; the program converts the blocks to the rate and channels
// asked for here.
#include <iterator>

#include "engines/EncoderCommon/FFmpegEncoder.h"
#include "engines/EncoderCommon/PluginExport.h"

namespace {

// The lines of RAAudiences.txt, in order.
constexpr ListedAudioFormat kAudiences[] = {
    {"RealAudio 14.4 voice, 8 kbit/s, 8,000 Hz, mono", 8000, 1, 8000},
};

class RealAudioEncoder : public FFmpegEncoder {
protected:
  bool Choose(const char*, const AudioFormatRecord&, const EncoderParams& p,
              FFmpegAudioSettings& s) override {
    int line = p.Get(0, 0);
    if (line < 0 || line >= static_cast<int>(std::size(kAudiences))) return false;
    s.muxer = "rm";
    s.encoder = "real_144";
    s.rate = kAudiences[line].rate;
    s.channels = kAudiences[line].channels;
    s.bitRate = kAudiences[line].bitRate;
    return true;
  }
};

}  // namespace

VARNEL_ENCODER_MODULE(RealAudioEncoder)
