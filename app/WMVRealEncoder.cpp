#include "app/WMVRealEncoder.h"

#include <cmath>

#include "app/OutputFileName.h"
#include "app/VideoProfiles.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

// "<prefix><n>" and "<prefix><n>.<first>" to "<prefix><n>.9"; with `alsoV`,
// "<prefix>V<n>.1" to "<prefix>V<n>.9" as well.
bool InFamily(const String& name, const String& prefix, int version, int first, bool alsoV) {
  const String stem = prefix + std::to_string(version);
  if (name == stem) return true;
  for (int minor = 0; minor <= 9; ++minor) {
    if (minor >= first && name == stem + "." + std::to_string(minor)) return true;
    if (alsoV && minor > 0 && name == prefix + "V" + std::to_string(version) + "." + std::to_string(minor)) {
      return true;
    }
  }
  return false;
}

// Windows Media Audio 10, 9 and 8 with their dotted versions (10.0 counts for the 10 family).
bool PreferredWMAudio(const String& name) {
  for (int version : {10, 9, 8}) {
    if (InFamily(name, "Windows Media Audio ", version, 0, false)) return true;
  }
  return false;
}

// Whether a video codec name belongs to a family that WMV_Version accepts:
// 0 the families 7, 8 and 9; 1 the families 8 and 9; 2 the family 9.
bool AcceptedWMVideo(const String& name, int version) {
  if (version < 0 || version > 2) return false;
  for (int family = 7 + version; family <= 9; ++family) {
    if (InFamily(name, "Windows Media Video ", family, 1, true)) return true;
  }
  return false;
}

bool FrameRateUsable(double rate) { return std::isfinite(rate) && rate > 0; }

}  // namespace

bool ListedRealAudioName(const String& name, String& listed) {
  if (name.find("(voice)") != String::npos || name.find("Multichannel") != String::npos) return false;
  listed = Trim(ReplaceFirst(name, "(music)", ""));
  return true;
}

std::int32_t FindRealAudioCodec(RealEncoderDllWarper& wrapper, const String& name) {
  const String wanted = Trim(name);
  const std::int32_t count = wrapper.GetAudioCodecCount();
  for (std::int32_t i = 0; i < count; ++i) {
    String listed;
    if (ListedRealAudioName(wrapper.GetAudioCodecName(i), listed) && listed == wanted) return i;
  }
  return 0;
}

std::int32_t FindWMAudioCodec(WM9EncoderDllWarper& wrapper) {
  const std::int32_t count = wrapper.GetAudioCodecCount();
  for (std::int32_t i = 0; i < count; ++i) {
    if (PreferredWMAudio(wrapper.GetAudioCodecName(i))) return i;
  }
  return 0;
}

RealManualSettings RealSettingsFor(const TRealProfile& p, std::int32_t audioCodec) {
  RealManualSettings r{};
  r.UseVBR = p.UseVBR ? 1 : 0;
  r.VideoVersion = p.RealVersion == 0 ? 2 : p.RealVersion == 1 ? 1 : 0;
  r.NoiseReduction = p.VideoNoiseReduction ? 0 : 2;
  r.FrameRate = p.FrameRate;
  r.VideoKbps = p.VideoBitrate / 1000;
  r.MaxVideoKbps = (p.UseVBR ? p.VideoVBRMaxBitrate : p.VideoBitrate) / 1000;
  r.TargetVideoKbps = p.VideoBitrate / 1000;
  r.Quality = 90;
  r.AudioCodec = audioCodec;
  r.BufferSeconds = 4.0;
  r.KeyframeSeconds = 10.0;
  r.VBRMode = p.UseVBR ? 2 : 0;
  r.Flag1 = 1;
  r.Flag2 = 1;
  return r;
}

// ---------------------------------------------------------------------------
// TPluginEncoderObject

TPluginEncoderObject::TPluginEncoderObject(const String& outputPath, const EncoderObjectValues& values)
    : TEncoderObject(outputPath, values) {
  scaler_ = CreateFrameScaler();
}

TPluginEncoderObject::~TPluginEncoderObject() { ReleaseFrameScaler(scaler_); }

bool TPluginEncoderObject::ConfigureScaler(const TVideoProfile& profile, std::int32_t width, std::int32_t height,
                                           double frameRate) {
  // Values that make no picture, or that the plug-in would divide by, are refused here.
  if (!GeometryUsable(profile) || width <= 0 || height <= 0 || !FrameRateUsable(frameRate)) return false;
  const EncoderObjectValues& v = values_;
  return scaler_->Configure(width, height, v.SourceWidth, v.SourceHeight, v.PixelFormat, v.KeepAspect ? 1 : 0,
                            v.CropLeft, v.CropRight, v.CropTop, v.CropBottom, v.Reserved[0], v.Reserved[1],
                            v.Reserved[2], v.Reserved[3]) != 0;
}

// ---------------------------------------------------------------------------
// TPluginWriterObject: what tells the two wrappers apart

namespace {

template <class Wrapper>
Wrapper* KeptWrapper();
template <>
WM9EncoderDllWarper* KeptWrapper<WM9EncoderDllWarper>() {
  return KeptWMVWrapper();
}
template <>
RealEncoderDllWarper* KeptWrapper<RealEncoderDllWarper>() {
  return KeptRealWrapper();
}

// The Windows Media plug-in takes two of the four sample values.
bool EncodeVideoSample(WM9EncoderDllWarper& w, const void* frame, std::int32_t value1, std::int32_t value2,
                       std::int32_t, std::int32_t) {
  return w.EncodeVideoSample(frame, value1, value2);
}
bool EncodeVideoSample(RealEncoderDllWarper& w, const void* frame, std::int32_t value1, std::int32_t value2,
                       std::int32_t value3, std::int32_t value4) {
  return w.EncodeVideoSample(frame, value1, value2, value3, value4);
}
bool EncodeAudioSample(WM9EncoderDllWarper& w, const std::int16_t* samples, std::int32_t byteCount,
                       std::int32_t value1, std::int32_t value2, std::int32_t, std::int32_t) {
  return w.EncodeAudioSample(samples, byteCount, value1, value2);
}
bool EncodeAudioSample(RealEncoderDllWarper& w, const std::int16_t* samples, std::int32_t byteCount,
                       std::int32_t value1, std::int32_t value2, std::int32_t value3, std::int32_t value4) {
  return w.EncodeAudioSample(samples, byteCount, value1, value2, value3, value4);
}

// The unit of the plug-in's output size: bytes, or megabytes for RealMedia.
constexpr std::int64_t OutputSizeUnit(const WM9EncoderDllWarper*) { return 1; }
constexpr std::int64_t OutputSizeUnit(const RealEncoderDllWarper*) { return 1048576; }

}  // namespace

template <class Wrapper>
bool TPluginWriterObject<Wrapper>::EncodeVideo(const void* frame, std::int32_t value1, std::int32_t value2,
                                               std::int32_t value3, std::int32_t value4) {
  Wrapper* w = KeptWrapper<Wrapper>();
  if (!Writing() || !w) return false;
  try {
    if (!scaler_->Process(frame)) return false;
    return EncodeVideoSample(*w, scaler_->GetOutput(), value1, value2, value3, value4);
  } catch (const Exception&) {
    return false;
  }
}

template <class Wrapper>
bool TPluginWriterObject<Wrapper>::EncodeAudio(const std::int16_t* samples, std::int32_t byteCount,
                                               std::int32_t value1, std::int32_t value2, std::int32_t value3,
                                               std::int32_t value4) {
  Wrapper* w = KeptWrapper<Wrapper>();
  if (!Writing() || !w) return false;
  try {
    return EncodeAudioSample(*w, samples, byteCount, value1, value2, value3, value4);
  } catch (const Exception&) {
    return false;
  }
}

template <class Wrapper>
std::int64_t TPluginWriterObject<Wrapper>::GetEncodedSize() {
  Wrapper* w = KeptWrapper<Wrapper>();
  return w ? static_cast<std::int64_t>(w->GetOutputSize()) * OutputSizeUnit(w) : 0;
}

template class TPluginWriterObject<WM9EncoderDllWarper>;
template class TPluginWriterObject<RealEncoderDllWarper>;

// ---------------------------------------------------------------------------
// TWMVEncoderObject

TWMVEncoderObject::~TWMVEncoderObject() {
  if (WM9EncoderDllWarper* w = KeptWMVWrapper()) w->EndEncoding();
}

bool TWMVEncoderObject::ConfigureEncoder(const TVideoProfile& profile) {
  WM9EncoderDllWarper* w = KeptWMVWrapper();
  if (!scaler_ || !w) return false;
  const auto& p = static_cast<const TWMVProfile&>(profile);
  const std::int32_t width = OutputWidth(p), height = OutputHeight(p);
  if (!ConfigureScaler(p, width, height, p.FrameRate)) return false;

  w->SetUseSMPTEStream(0);
  w->SetLanguage(0);
  w->SetAudioUseUncompressed(0);
  const std::int32_t audioCodec = FindWMAudioCodec(*w);
  std::int32_t audioFormat = 0;
  const std::int32_t formats = w->GetAudioFormatCount(audioCodec);
  for (std::int32_t i = 0; i < formats; ++i) {
    if (Trim(w->GetAudioFormat(audioCodec, i)) == p.AudioFormatName) {
      audioFormat = i;
      break;
    }
  }
  w->SetAudioCodecAndFormat(audioCodec, audioFormat);
  w->SetAudioBufferWindow(1000);
  w->SetVideoUseUncompressed(0);

  std::int32_t videoCodec = 0;
  const std::int32_t codecs = w->GetVideoCodecCount();
  for (std::int32_t i = 0; i < codecs; ++i) {
    if (AcceptedWMVideo(Trim(w->GetVideoCodecName(i)), p.WMV_Version)) {
      videoCodec = i;
      break;
    }
  }
  w->SetVideoCodec(videoCodec);

  w->SetVideoUseVBR(p.UseVBR ? 1 : 0);
  if (p.UseVBR) {
    w->SetVideoVBRMode(1);
    w->SetVideoBitrate(p.VideoBitrate);
    w->SetVideoVBRQuality(p.VBRVideoQuality);
    w->SetVideoVBRMaxBitrate(0);
    w->SetVideoVBRMaxBuffer(0);
  } else {
    w->SetVideoVBRMode(0);
    w->SetVideoQuality(100);
    w->SetVideoBitrate(p.VideoBitrate);
  }
  w->SetVideoBufferWindow(10000);
  w->SetVideoFPS(p.FrameRate);
  w->SetVideoSecsKeyframe(8);

  std::int32_t systemProfile = 0;
  if (p.UseSystemProfile) {
    const String wanted = Trim(p.SystemProfileName);
    const std::int32_t count = w->GetUseSystemProfileCount();
    for (std::int32_t i = 0; i < count; ++i) {
      if (Trim(w->GetUseSystemProfileName(i)) == wanted) {
        systemProfile = i;
        break;
      }
    }
  }
  w->SetUseSystemProfile(p.UseSystemProfile ? 1 : 0, systemProfile);
  w->SetVideoWidth(width);
  w->SetVideoHeight(height);
  w->SetInputParms(1, values_.SecondFlag ? 0 : 1, width, height, values_.FrameRate1, values_.FrameRate2, pfYUV420P,
                   values_.AudioSampleRate, values_.AudioChannels);
  w->SetupDestinationFile(outputPath_);
  configured_ = true;
  return true;
}

bool TWMVEncoderObject::BeginEncode() {
  WM9EncoderDllWarper* w = KeptWMVWrapper();
  if (!configured_ || !w) return false;
  w->SetVideoTag(title_, author_, copyright_, comment_, "");
  return w->BeginEncoding();
}

bool TWMVEncoderObject::EndEncode() {
  WM9EncoderDllWarper* w = KeptWMVWrapper();
  return w && w->EndEncoding();
}

// ---------------------------------------------------------------------------
// TRealEncoderObject

TRealEncoderObject::~TRealEncoderObject() { EndEncode(); }

bool TRealEncoderObject::ConfigureEncoder(const TVideoProfile& profile) {
  RealEncoderDllWarper* w = KeptRealWrapper();
  if (!scaler_ || !w) return false;
  const auto& p = static_cast<const TRealProfile&>(profile);
  const std::int32_t width = OutputWidth(p) / 4 * 4, height = OutputHeight(p) / 4 * 4;
  if (!ConfigureScaler(p, width, height, p.FrameRate)) return false;

  w->RecreateEncoderHandle();
  configured_ = true;
  w->SetInputParms(1, values_.SecondFlag ? 0 : 1, width, height, values_.FrameRate1, values_.FrameRate2, pfYUV420P,
                   values_.AudioSampleRate, values_.AudioChannels);
  if (!w->SetupDestinationFile(outputPath_)) return false;
  if (!w->SetupMediaProfile(0, 0)) return false;
  w->SetParamsMode(1);
  const RealManualSettings settings = RealSettingsFor(p, FindRealAudioCodec(*w, p.AudioFormatName));
  w->SetManualSettingsParams(settings);
  w->SetUse2Pass(0);
  return true;
}

bool TRealEncoderObject::BeginEncode() {
  RealEncoderDllWarper* w = KeptRealWrapper();
  if (!configured_ || !w) return false;
  if (!w->SetupTag(title_, author_, copyright_, comment_, "")) return false;
  bool begun = w->BeginEncoding();
  if (begun) ended_ = false;
  return begun;
}

bool TRealEncoderObject::EndEncode() {
  if (ended_) return true;
  ended_ = true;
  RealEncoderDllWarper* w = KeptRealWrapper();
  return w && w->EndEncoding();
}
