#include "app/output/OutputFormats.h"

#include "app/VideoProfiles.h"
#include "app/output/OutputSettingsFrm.h"
#include "engines/EncoderCommon/EncoderPluginInterface.h"

namespace {

template <class P>
PresetBase* Make() {
  return new P();
}

const OutputFormatRow kRows[kOutputFormatCount] = {
    {"btn3GP", "3GP Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnAVI", "AVI Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnMPEG", "MPEG Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnMP4", "MP4 Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnWMV", "WMV Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnReal", "Real Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnMOV", "Quick Time Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnFLV", "Flash Video Settings", nullptr, nullptr, nullptr, nullptr},
    {"btnMP3", "MP3 Settings", "MP3", "mp3", kEncMP3Module, Make<LamePreset>},
    {"btnWMA", "WMA Settings", "WMA", "wma", kEncWMAModule, Make<WMA9Preset>},
    {"btnWAV", "WAV Settings", "WAV", "wav", kEncWAVModule, Make<WavPreset>},
    {"btnRA", "RA Settings", "RA", "ra", kEncRAModule, Make<RealPreset>},
    {"btnOGG", "OGG Settings", "OGG", "ogg", kEncOGGModule, Make<OggPreset>},
    {"btnAAC", "AAC Settings", "AAC", "aac", kEncAACModule, Make<AacPreset>},
    {"btnM4A", "M4A Settings", "M4A", "mp4", kEncAACModule, Make<Mp4Preset>},
    {"btnAPE", "APE Settings", "APE", "ape", kEncAPEModule, Make<ApePreset>},
    {"btnMPC", "MPC Settings", "MPC", "mpc", kEncMPCModule, Make<MpcPreset>},
    {"btnFLAC", "FLAC Settings", "FLAC", "flac", kEncFLACModule, Make<FlacPreset>},
};

}  // namespace

const int kAudioButtonOrder[10] = {8, 9, 10, 12, 11, 13, 14, 15, 16, 17};

const OutputFormatRow* OutputFormat(int code) {
  return code >= 0 && code < kOutputFormatCount ? &kRows[code] : nullptr;
}

bool IsVideoFormatCode(int code) { return code >= 0 && code < kFirstAudioFormat; }
bool IsAudioFormatCode(int code) { return code >= kFirstAudioFormat && code < kOutputFormatCount; }

TVideoProfile* NewVideoProfile(int code, const String& name, const String& path) {
  switch (code) {
    case vfk3GP: return new T3GPProfile(name, path);
    case vfkAVI: return new TAVIProfile(name, path);
    case vfkMPEG: return new TMPEGProfile(name, path);
    case vfkMP4: return new TMP4Profile(name, path);
    case vfkWMV: return new TWMVProfile(name, path);
    case vfkReal: return new TRealProfile(name, path);
    case vfkMOV: return new TMOVProfile(name, path);
    case vfkFLV: return new TFLVProfile(name, path);
    default: return nullptr;
  }
}

void VideoFormatNaming(const TVideoProfile& profile, String& formatName, String& extension) {
  switch (profile.Kind) {
    case vfk3GP: {
      bool g2 = static_cast<const T3GPProfile&>(profile).Format3GP != 0;
      formatName = g2 ? "3GPP2" : "3GPP";
      extension = g2 ? "3g2" : "3gp";
      return;
    }
    case vfkAVI: formatName = "AVI"; extension = "avi"; return;
    case vfkMPEG:
      formatName = static_cast<const TMPEGProfile&>(profile).MPEGVersion != 0 ? "MPEG2" : "MPEG1";
      extension = "mpg";
      return;
    case vfkMP4:
      formatName = static_cast<const TMP4Profile&>(profile).MP4VideoCodec == 3 ? "MP4(AVC)" : "MP4";
      extension = "mp4";
      return;
    case vfkWMV: formatName = "WMV"; extension = "wmv"; return;
    case vfkReal: {
      bool vbr = static_cast<const TRealProfile&>(profile).UseVBR;
      formatName = vbr ? "RMVB" : "RM";
      extension = vbr ? "rmvb" : "rm";
      return;
    }
    case vfkMOV: formatName = "MOV"; extension = "mov"; return;
    case vfkFLV: formatName = "FLV"; extension = "flv"; return;
  }
}
