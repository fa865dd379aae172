// EncFLAC.dll: lossless FLAC through FFmpeg's encoder at the source's rate and
// channels, with the tag texts as Vorbis comments. It takes no keys.
#include "engines/EncoderCommon/FFmpegEncoder.h"
#include "engines/EncoderCommon/PluginExport.h"

namespace {

class FlacEncoder : public FFmpegEncoder {
protected:
  bool Choose(const char*, const AudioFormatRecord& format, const EncoderParams&,
              FFmpegAudioSettings& s) override {
    s.muxer = "flac";
    s.encoder = "flac";
    s.rate = format.InputRate > 0 && format.InputRate <= 655350 ? format.InputRate : 44100;
    s.channels = format.InputChannels == 1 ? 1 : 2;
    return true;
  }
};

}  // namespace

VARNEL_ENCODER_MODULE(FlacEncoder)
