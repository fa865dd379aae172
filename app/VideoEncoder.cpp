#include "app/VideoEncoder.h"

#include <cmath>

#include "app/VideoProfiles.h"
#include "app/WMVRealEncoder.h"
#include "platform/core/Exceptions.h"

// ---------------------------------------------------------------------------
// TEncoderObject

TEncoderObject::TEncoderObject(const String& outputPath, std::int32_t sourceWidth, std::int32_t sourceHeight,
                               std::int32_t pixelFormat, std::int32_t frameRate1, std::int32_t frameRate2,
                               std::int32_t audioSampleRate, std::int32_t audioChannels, bool keepAspect,
                               bool secondFlag, std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                               std::int32_t cropBottom, std::int32_t reserved1, std::int32_t reserved2,
                               std::int32_t reserved3, std::int32_t reserved4)
    : outputPath_(outputPath),
      sourceWidth_(sourceWidth),
      sourceHeight_(sourceHeight),
      pixelFormat_(pixelFormat),
      frameRate1_(frameRate1),
      frameRate2_(frameRate2),
      audioSampleRate_(audioSampleRate),
      audioChannels_(audioChannels),
      keepAspect_(keepAspect),
      secondFlag_(secondFlag),
      cropLeft_(cropLeft),
      cropTop_(cropTop),
      cropRight_(cropRight),
      cropBottom_(cropBottom),
      reserved_{reserved1, reserved2, reserved3, reserved4} {}

void TEncoderObject::SetTagTexts(const String& title, const String& author, const String& copyright,
                                 const String& comment, const String& recTimestamp) {
  title_ = title;
  author_ = author;
  copyright_ = copyright;
  comment_ = comment;
  recTimestamp_ = recTimestamp;
}

std::int32_t TEncoderObject::OutputWidth(const TVideoProfile& profile) const {
  return profile.Width == 0 ? sourceWidth_ : profile.Width;
}

std::int32_t TEncoderObject::OutputHeight(const TVideoProfile& profile) const {
  return profile.Height == 0 ? sourceHeight_ : profile.Height;
}

bool TEncoderObject::GeometryUsable(const TVideoProfile& profile) const {
  if (profile.Width < 0 || profile.Height < 0 || sourceWidth_ <= 0 || sourceHeight_ <= 0) return false;
  if (cropLeft_ < 0 || cropRight_ < 0 || cropTop_ < 0 || cropBottom_ < 0) return false;
  return static_cast<std::int64_t>(cropLeft_) + cropRight_ < sourceWidth_ &&
         static_cast<std::int64_t>(cropTop_) + cropBottom_ < sourceHeight_;
}

// ---------------------------------------------------------------------------
// The engine calls of one configuration: each runs only while all before it succeeded.

class TMediaEncoderObject::Sequence {
public:
  explicit Sequence(MediaEncoder* encoder) : encoder_(encoder) {}

  bool Ok() const { return ok_; }
  Sequence& Format(const char* name) { return Step([&] { return encoder_->SetFormat(name); }); }
  Sequence& VideoCodec(const char* name) { return Step([&] { return encoder_->SetVideoCodec(name); }); }
  Sequence& AudioCodec(const char* name) { return Step([&] { return encoder_->SetAudioCodec(name); }); }
  Sequence& Option(const char* name, const String& value) {
    return Step([&] { return encoder_->SetOption(name, value.c_str()); });
  }
  Sequence& Option(const char* name, std::int64_t value) { return Option(name, String(std::to_string(value))); }
  Sequence& VideoParams(std::int32_t width, std::int32_t height, std::int32_t bitRate, double frameRate,
                        const TEncoderObject& o, std::int32_t sw, std::int32_t sh, std::int32_t pf,
                        const std::int32_t crop[4], const std::int32_t reserved[4]) {
    return Step([&] {
      return encoder_->SetVideoParams(width, height, bitRate, frameRate, sw, sh, pf, crop[0], crop[1], crop[2],
                                      crop[3], reserved[0], reserved[1], reserved[2], reserved[3]);
    });
  }
  Sequence& AudioParams(std::int32_t rate, std::int32_t channels, std::int32_t bitRate, std::int32_t inRate,
                        std::int32_t inChannels) {
    return Step([&] { return encoder_->SetAudioParams(rate, channels, bitRate, inRate, inChannels); });
  }

private:
  template <class F>
  Sequence& Step(F call) {
    if (ok_) ok_ = call() == 0;
    return *this;
  }

  MediaEncoder* encoder_;
  bool ok_ = true;
};

// ---------------------------------------------------------------------------
// TMediaEncoderObject

TMediaEncoderObject::TMediaEncoderObject(const String& outputPath, std::int32_t sourceWidth,
                                         std::int32_t sourceHeight, std::int32_t pixelFormat,
                                         std::int32_t frameRate1, std::int32_t frameRate2,
                                         std::int32_t audioSampleRate, std::int32_t audioChannels, bool keepAspect,
                                         bool secondFlag, std::int32_t cropLeft, std::int32_t cropRight,
                                         std::int32_t cropTop, std::int32_t cropBottom, std::int32_t reserved1,
                                         std::int32_t reserved2, std::int32_t reserved3, std::int32_t reserved4)
    : TEncoderObject(outputPath, sourceWidth, sourceHeight, pixelFormat, frameRate1, frameRate2, audioSampleRate,
                     audioChannels, keepAspect, secondFlag, cropLeft, cropRight, cropTop, cropBottom, reserved1,
                     reserved2, reserved3, reserved4) {
  encoder_ = CreateMediaEncoder(outputPath_.c_str());
}

TMediaEncoderObject::~TMediaEncoderObject() {
  if (encoder_) encoder_->End();
  Release();
}

void TMediaEncoderObject::Release() {
  ReleaseMediaEncoder(encoder_);
  encoder_ = nullptr;
}

bool TMediaEncoderObject::ConfigureEncoder(const TVideoProfile& profile) {
  if (!encoder_) return false;
  Sequence calls(encoder_);
  if (!Configure(profile, calls) || !calls.Ok()) {
    Release();
    return false;
  }
  return true;
}

bool TMediaEncoderObject::BeginEncode() {
  if (!encoder_) return false;
  const std::pair<const char*, const String*> tags[] = {
      {"str_title", &title_},     {"str_author", &author_},          {"str_copyright", &copyright_},
      {"str_comment", &comment_}, {"rec_timestamp", &recTimestamp_},
  };
  for (const auto& [name, text] : tags) {
    if (encoder_->SetOption(name, text->c_str()) != 0) {
      Release();
      return false;
    }
  }
  if (encoder_->Begin() != 0) {
    encoder_->End();
    Release();
    return false;
  }
  return true;
}

bool TMediaEncoderObject::EndEncode() {
  if (encoder_) {
    encoder_->End();
    Release();
  }
  return true;
}

bool TMediaEncoderObject::EncodeVideo(const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t,
                                      std::int32_t) {
  if (!encoder_) return false;
  try {
    return encoder_->WriteVideo(frame, value1, value2) == 0;
  } catch (const Exception&) {
    return false;
  }
}

bool TMediaEncoderObject::EncodeAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                                      std::int32_t value2, std::int32_t, std::int32_t) {
  if (!encoder_) return false;
  try {
    return encoder_->WriteAudio(samples, byteCount, value1, value2) == 0;
  } catch (const Exception&) {
    return false;
  }
}

std::int64_t TMediaEncoderObject::GetEncodedSize() { return encoder_ ? encoder_->GetOutputSize() : 0; }

// ---------------------------------------------------------------------------
// The six configurations

namespace {

enum class SizeRule { kAsIs, kEven, kMultipleOf16 };

std::int32_t Adjust(std::int32_t value, SizeRule rule) {
  switch (rule) {
    case SizeRule::kEven: return value / 2 * 2;
    case SizeRule::kMultipleOf16: return value / 16 * 16;
    default: return value;
  }
}

// A frame rate the engine can divide by.
bool FrameRateUsable(double rate) { return std::isfinite(rate) && rate > 0; }

// An "aspect" entry must name a display aspect above 0.
bool AdditionalParamsUsable(const TVideoProfile& profile) {
  for (int i = 0; i < profile.AdditionalParamKeys->Count(); ++i) {
    if (profile.AdditionalParamKeys->Get(i) != "aspect") continue;
    String value = i < profile.AdditionalParamValues->Count() ? profile.AdditionalParamValues->Get(i) : "";
    char* end = nullptr;
    double a = std::strtod(value.c_str(), &end);
    if (value.empty() || !(std::isfinite(a) && a > 0)) return false;
  }
  return true;
}

const char* Pick(const char* const* table, int count, int index, const char* other) {
  return index >= 0 && index < count ? table[index] : other;
}

// The codec name of a table entry; "xvid with DIVX tag" is written as this marker.
constexpr char kXvidDivx[] = "xvid+DIVX";

const char* const kAVIVideo[] = {"mpeg4", kXvidDivx, "xvid", "msmpeg4v1", "msmpeg4v2",
                                 "msmpeg4", "mjpeg", "h264", "zlib", "rawvideo"};
const char* const kAVIAudio[] = {"mp3", "pcm_s16le", "adpcm_ms", "pcm_alaw", "pcm_mulaw", "ac3"};
const char* const kMPEGAudio[] = {"mp2", "ac3", "pcm_s16le"};
const char* const k3GPVideo[] = {"h263", "mpeg4", "xvid"};
const char* const k3GPAudio[] = {"amr_nb", "amr_wb", "aac"};
const char* const kMP4Video[] = {"mpeg4", kXvidDivx, "xvid", "h264"};

template <std::size_t N>
const char* Pick(const char* const (&table)[N], int index, const char* other) {
  return Pick(table, static_cast<int>(N), index, other);
}

}  // namespace

namespace {

template <class Calls>
void VideoCodecStep(Calls& calls, const char* name) {
  if (name == kXvidDivx) {
    calls.VideoCodec("xvid").Option("vcodecTag", String("DIVX"));
  } else {
    calls.VideoCodec(name);
  }
}

template <class Calls>
void AdditionalStep(Calls& calls, const TVideoProfile& profile) {
  for (int i = 0; i < profile.AdditionalParamKeys->Count(); ++i) {
    const String key = profile.AdditionalParamKeys->Get(i);
    const String value = i < profile.AdditionalParamValues->Count() ? profile.AdditionalParamValues->Get(i) : "";
    if (key == "f") calls.Format(value.c_str());
    else calls.Option(key.c_str(), value);
  }
}

template <class Calls>
void RateControlStep(Calls& calls, bool useVBR, std::int32_t bitRate, std::int32_t maxRate, std::int32_t minRate) {
  calls.Option("video_rc_max_rate", useVBR ? maxRate : bitRate)
      .Option("video_rc_min_rate", useVBR ? minRate : bitRate)
      .Option("video_rc_buffer_size", useVBR ? maxRate : bitRate);
}

}  // namespace

// The shared prologue of every Configure: values the engine would divide by are
// refused here, before any call.
#define VARNEL_CHECK_VALUES(p)                                                                      \
  if (!GeometryUsable(p) || !FrameRateUsable((p).FrameRate) || !AdditionalParamsUsable(p)) return false; \
  const std::int32_t crop[4] = {cropLeft_, cropRight_, cropTop_, cropBottom_};

bool TAVIEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const TAVIProfile&>(profile);
  VARNEL_CHECK_VALUES(p)
  SizeRule rule = p.AVIVideoCodec == 7 ? SizeRule::kMultipleOf16 : SizeRule::kEven;
  calls.Format("avi").Option("bitexact", String("1"));
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(Adjust(OutputWidth(p), rule), Adjust(OutputHeight(p), rule), p.VideoBitrate, p.FrameRate, *this,
                    sourceWidth_, sourceHeight_, pixelFormat_, crop, reserved_);
  VideoCodecStep(calls, Pick(kAVIVideo, p.AVIVideoCodec, "mpeg4"));
  RateControlStep(calls, p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  calls.AudioCodec(Pick(kAVIAudio, p.AVIAudioCodec, "mp3"))
      .AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, audioSampleRate_, audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

bool TMPEGEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const TMPEGProfile&>(profile);
  VARNEL_CHECK_VALUES(p)
  if (p.MPEGVersion != 0) calls.Format("dvd").VideoCodec("mpeg2video");
  else calls.Format("mpeg").VideoCodec("mpeg1video");
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(Adjust(OutputWidth(p), SizeRule::kEven), Adjust(OutputHeight(p), SizeRule::kEven),
                    p.VideoBitrate, p.FrameRate, *this, sourceWidth_, sourceHeight_, pixelFormat_, crop, reserved_);
  RateControlStep(calls, p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  calls.AudioCodec(Pick(kMPEGAudio, p.MPEGAudioType, "mp2"))
      .AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, audioSampleRate_, audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

bool T3GPEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const T3GPProfile&>(profile);
  VARNEL_CHECK_VALUES(p)
  calls.Format(p.Format3GP != 0 ? "3g2" : "3gp").Option("bitexact", String("1"));
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(OutputWidth(p), OutputHeight(p), p.VideoBitrate, p.FrameRate, *this, sourceWidth_,
                    sourceHeight_, pixelFormat_, crop, reserved_);
  VideoCodecStep(calls, Pick(k3GPVideo, p.VideoCodec, "mpeg4"));
  calls.Option("video_bit_rate_tolerance", p.VideoBitrateTolerance)
      .AudioCodec(Pick(k3GPAudio, p.AudioCodec, "aac"))
      .AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, audioSampleRate_, audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

bool TMP4EncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const TMP4Profile&>(profile);
  VARNEL_CHECK_VALUES(p)
  SizeRule rule = p.MP4VideoCodec == 3 ? SizeRule::kMultipleOf16 : SizeRule::kEven;
  calls.Format("mp4").Option("bitexact", String("1"));
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(Adjust(OutputWidth(p), rule), Adjust(OutputHeight(p), rule), p.VideoBitrate, p.FrameRate, *this,
                    sourceWidth_, sourceHeight_, pixelFormat_, crop, reserved_);
  VideoCodecStep(calls, Pick(kMP4Video, p.MP4VideoCodec, "mpeg4"));
  RateControlStep(calls, p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  calls.AudioCodec("aac").AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, audioSampleRate_,
                                      audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

bool TMOVEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const TMOVProfile&>(profile);
  VARNEL_CHECK_VALUES(p)
  SizeRule rule = p.MOVVideoCodec == 3 ? SizeRule::kMultipleOf16 : SizeRule::kEven;
  calls.Format("mov").Option("bitexact", String("1"));
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(Adjust(OutputWidth(p), rule), Adjust(OutputHeight(p), rule), p.VideoBitrate, p.FrameRate, *this,
                    sourceWidth_, sourceHeight_, pixelFormat_, crop, reserved_);
  VideoCodecStep(calls, Pick(kMP4Video, p.MOVVideoCodec, "mpeg4"));
  calls.AudioCodec("aac").AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, audioSampleRate_,
                                      audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

bool TFLVEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  const auto& p = static_cast<const TFLVProfile&>(profile);
  VARNEL_CHECK_VALUES(p)
  calls.Format("flv").Option("bitexact", String("1"));
  if (keepAspect_) calls.Option("fix_aspect_ratio", String("1"));
  calls.VideoParams(Adjust(OutputWidth(p), SizeRule::kEven), Adjust(OutputHeight(p), SizeRule::kEven),
                    p.VideoBitrate, p.FrameRate, *this, sourceWidth_, sourceHeight_, pixelFormat_, crop, reserved_);
  calls.VideoCodec("flv").AudioCodec("mp3").AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate,
                                                        audioSampleRate_, audioChannels_);
  AdditionalStep(calls, p);
  return calls.Ok();
}

#undef VARNEL_CHECK_VALUES

// ---------------------------------------------------------------------------
// Registration

namespace {

template <class Object>
TEncoderObject* Make(const TVideoProfile& profile, const String& path, const EncoderObjectValues& v) {
  auto* object = new Object(path, v.SourceWidth, v.SourceHeight, v.PixelFormat, v.FrameRate1, v.FrameRate2,
                            v.AudioSampleRate, v.AudioChannels, v.KeepAspect, v.SecondFlag, v.CropLeft, v.CropRight,
                            v.CropTop, v.CropBottom, v.Reserved[0], v.Reserved[1], v.Reserved[2], v.Reserved[3]);
  object->ConfigureEncoder(profile);
  return object;
}

}  // namespace

void RegisterVideoEncoderObjects() {
  SetEncoderObjectFactory(vfk3GP, Make<T3GPEncoderObject>);
  SetEncoderObjectFactory(vfkAVI, Make<TAVIEncoderObject>);
  SetEncoderObjectFactory(vfkMPEG, Make<TMPEGEncoderObject>);
  SetEncoderObjectFactory(vfkMP4, Make<TMP4EncoderObject>);
  SetEncoderObjectFactory(vfkWMV, Make<TWMVEncoderObject>);
  SetEncoderObjectFactory(vfkReal, Make<TRealEncoderObject>);
  SetEncoderObjectFactory(vfkMOV, Make<TMOVEncoderObject>);
  SetEncoderObjectFactory(vfkFLV, Make<TFLVEncoderObject>);
}
