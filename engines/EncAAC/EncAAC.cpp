// EncAAC.dll: AAC through FFmpeg's encoder, in an ADTS stream (".aac", MPEG-2 or
// MPEG-4 as key 3 says) or an MP4 file (".m4a", ".mp4"), at bitrate or quality.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engines/EncoderCommon/FFmpegEncoder.h"
#include "engines/EncoderCommon/PluginExport.h"

namespace {

constexpr int kAacRates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000};

bool Mp4Path(const char* path) {
  std::string p(path);
  std::size_t dot = p.find_last_of('.');
  if (dot == std::string::npos || (p.find_last_of("\\/") > dot && p.find_last_of("\\/") != std::string::npos))
    return false;
  std::string ext = p.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".m4a" || ext == ".mp4" || ext == ".m4b";
}

class AacEncoder : public FFmpegEncoder {
protected:
  bool Choose(const char* path, const AudioFormatRecord& format, const EncoderParams& p,
              FFmpegAudioSettings& s) override {
    int bitRate = p.Get(0, -1), quality = p.Get(1, -1), bandwidth = p.Get(2, -1);
    int mpeg = p.Get(3, 0), object = p.Get(4, 1), midSide = p.Get(5, 1), tns = p.Get(6, 0);
    if (bitRate != -1 && (bitRate < 8000 || bitRate > 576000)) return false;
    if (quality != -1 && (quality < 1 || quality > 100)) return false;
    if (bandwidth != -1 && (bandwidth < 1000 || bandwidth > 48000)) return false;
    if ((mpeg != 0 && mpeg != 1) || (object != 0 && object != 1 && object != 3)) return false;
    if (mpeg == 1 && object == 3) return false;  // LTP exists in MPEG-4 only
    bool mp4 = Mp4Path(path);
    s.muxer = mp4 ? "ipod" : "adts";
    s.encoder = "aac";
    s.rate = kAacRates[0];
    int input = format.InputRate > 0 ? format.InputRate : 44100;
    for (int r : kAacRates)
      if (std::abs(r - input) < std::abs(s.rate - input)) s.rate = r;
    s.channels = 2;
    if (bitRate > 0) s.bitRate = bitRate;
    else if (quality > 0) s.globalQuality = quality * 120 / 100 + 1;
    s.profile = object;  // Main 0, Low Complexity 1, LTP 3: FFmpeg's AAC profile numbers
    if (bandwidth > 0) s.cutoff = bandwidth;
    s.codecOptions = {{"aac_ms", midSide ? "auto" : "0"}, {"aac_tns", tns ? "1" : "0"}};
    if (object == 0) s.codecOptions.push_back({"aac_pred", "1"});
    if (!mp4 && mpeg == 1) s.muxerOptions = {{"write_mpeg2", "1"}};
    if (!mp4) s.muxerOptions.push_back({"write_id3v2", "1"});
    return true;
  }
};

}  // namespace

VARNEL_ENCODER_MODULE(AacEncoder)
