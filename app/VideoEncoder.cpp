#include "app/VideoEncoder.h"

#include <cmath>

#include "app/VideoProfiles.h"
#include "app/WMVRealEncoder.h"
#include "platform/core/Exceptions.h"

// ---------------------------------------------------------------------------
// TEncoderObject

TEncoderObject::TEncoderObject(const String& outputPath, const EncoderObjectValues& values)
    : outputPath_(outputPath), values_(values) {}

void TEncoderObject::SetTagTexts(const String& title, const String& author, const String& copyright,
                                 const String& comment, const String& recTimestamp) {
  title_ = title;
  author_ = author;
  copyright_ = copyright;
  comment_ = comment;
  recTimestamp_ = recTimestamp;
}

std::int32_t TEncoderObject::OutputWidth(const TVideoProfile& profile) const {
  return profile.Width == 0 ? values_.SourceWidth : profile.Width;
}

std::int32_t TEncoderObject::OutputHeight(const TVideoProfile& profile) const {
  return profile.Height == 0 ? values_.SourceHeight : profile.Height;
}

bool TEncoderObject::GeometryUsable(const TVideoProfile& profile) const {
  const EncoderObjectValues& v = values_;
  if (profile.Width < 0 || profile.Height < 0 || v.SourceWidth <= 0 || v.SourceHeight <= 0) return false;
  if (v.CropLeft < 0 || v.CropRight < 0 || v.CropTop < 0 || v.CropBottom < 0) return false;
  return static_cast<std::int64_t>(v.CropLeft) + v.CropRight < v.SourceWidth &&
         static_cast<std::int64_t>(v.CropTop) + v.CropBottom < v.SourceHeight;
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
                        const EncoderObjectValues& v) {
    return Step([&] {
      return encoder_->SetVideoParams(width, height, bitRate, frameRate, v.SourceWidth, v.SourceHeight,
                                      v.PixelFormat, v.CropLeft, v.CropRight, v.CropTop, v.CropBottom,
                                      v.Reserved[0], v.Reserved[1], v.Reserved[2], v.Reserved[3]);
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

TMediaEncoderObject::TMediaEncoderObject(const String& outputPath, const EncoderObjectValues& values)
    : TEncoderObject(outputPath, values) {
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

// What sets one format's configuration apart; the order of the calls is the same
// for every format.
template <class P>
struct TMediaEncoderObject::FormatRow {
  const char* (*format)(const P&);
  bool bitExact;         // "bitexact" after the format
  bool codecWithFormat;  // the video codec right after the format, not after the video parameters
  SizeRule (*size)(const P&);
  const char* (*videoCodec)(const P&);
  void (*videoExtra)(Sequence&, const P&);  // after the video codec; nullptr for none
  const char* (*audioCodec)(const P&);
};

template <class P>
bool TMediaEncoderObject::ConfigureFormat(const FormatRow<P>& row, const P& p, Sequence& calls) {
  // Values the engine would divide by are refused before any call.
  if (!GeometryUsable(p) || !FrameRateUsable(p.FrameRate) || !AdditionalParamsUsable(p)) return false;
  calls.Format(row.format(p));
  if (row.codecWithFormat) VideoCodecStep(calls, row.videoCodec(p));
  if (row.bitExact) calls.Option("bitexact", String("1"));
  if (values_.KeepAspect) calls.Option("fix_aspect_ratio", String("1"));
  const SizeRule rule = row.size(p);
  calls.VideoParams(Adjust(OutputWidth(p), rule), Adjust(OutputHeight(p), rule), p.VideoBitrate, p.FrameRate,
                    values_);
  if (!row.codecWithFormat) VideoCodecStep(calls, row.videoCodec(p));
  if (row.videoExtra) row.videoExtra(calls, p);
  calls.AudioCodec(row.audioCodec(p))
      .AudioParams(p.AudioFrequency, p.AudioChannels, p.AudioBitrate, values_.AudioSampleRate,
                   values_.AudioChannels);
  AdditionalStep(calls, p);
  return calls.Ok();
}

namespace {

template <class P>
SizeRule Even(const P&) {
  return SizeRule::kEven;
}

}  // namespace

// The rate control options, for the formats that take them.
#define VARNEL_RATE_CONTROL(P) \
  [](Sequence& calls, const P& p) { RateControlStep(calls, p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate); }

bool TAVIEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<TAVIProfile> row{
      [](const TAVIProfile&) { return "avi"; }, true, false,
      [](const TAVIProfile& p) { return p.AVIVideoCodec == 7 ? SizeRule::kMultipleOf16 : SizeRule::kEven; },
      [](const TAVIProfile& p) { return Pick(kAVIVideo, p.AVIVideoCodec, "mpeg4"); }, VARNEL_RATE_CONTROL(TAVIProfile),
      [](const TAVIProfile& p) { return Pick(kAVIAudio, p.AVIAudioCodec, "mp3"); }};
  return ConfigureFormat(row, static_cast<const TAVIProfile&>(profile), calls);
}

bool TMPEGEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<TMPEGProfile> row{
      [](const TMPEGProfile& p) { return p.MPEGVersion != 0 ? "dvd" : "mpeg"; }, false, true, Even<TMPEGProfile>,
      [](const TMPEGProfile& p) { return p.MPEGVersion != 0 ? "mpeg2video" : "mpeg1video"; },
      VARNEL_RATE_CONTROL(TMPEGProfile), [](const TMPEGProfile& p) { return Pick(kMPEGAudio, p.MPEGAudioType, "mp2"); }};
  return ConfigureFormat(row, static_cast<const TMPEGProfile&>(profile), calls);
}

bool T3GPEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<T3GPProfile> row{
      [](const T3GPProfile& p) { return p.Format3GP != 0 ? "3g2" : "3gp"; }, true, false,
      [](const T3GPProfile&) { return SizeRule::kAsIs; },
      [](const T3GPProfile& p) { return Pick(k3GPVideo, p.VideoCodec, "mpeg4"); },
      [](Sequence& calls, const T3GPProfile& p) { calls.Option("video_bit_rate_tolerance", p.VideoBitrateTolerance); },
      [](const T3GPProfile& p) { return Pick(k3GPAudio, p.AudioCodec, "aac"); }};
  return ConfigureFormat(row, static_cast<const T3GPProfile&>(profile), calls);
}

bool TMP4EncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<TMP4Profile> row{
      [](const TMP4Profile&) { return "mp4"; }, true, false,
      [](const TMP4Profile& p) { return p.MP4VideoCodec == 3 ? SizeRule::kMultipleOf16 : SizeRule::kEven; },
      [](const TMP4Profile& p) { return Pick(kMP4Video, p.MP4VideoCodec, "mpeg4"); }, VARNEL_RATE_CONTROL(TMP4Profile),
      [](const TMP4Profile&) { return "aac"; }};
  return ConfigureFormat(row, static_cast<const TMP4Profile&>(profile), calls);
}

bool TMOVEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<TMOVProfile> row{
      [](const TMOVProfile&) { return "mov"; }, true, false,
      [](const TMOVProfile& p) { return p.MOVVideoCodec == 3 ? SizeRule::kMultipleOf16 : SizeRule::kEven; },
      [](const TMOVProfile& p) { return Pick(kMP4Video, p.MOVVideoCodec, "mpeg4"); }, nullptr,
      [](const TMOVProfile&) { return "aac"; }};
  return ConfigureFormat(row, static_cast<const TMOVProfile&>(profile), calls);
}

bool TFLVEncoderObject::Configure(const TVideoProfile& profile, Sequence& calls) {
  static const FormatRow<TFLVProfile> row{[](const TFLVProfile&) { return "flv"; }, true, false, Even<TFLVProfile>,
                                          [](const TFLVProfile&) { return "flv"; }, nullptr,
                                          [](const TFLVProfile&) { return "mp3"; }};
  return ConfigureFormat(row, static_cast<const TFLVProfile&>(profile), calls);
}

#undef VARNEL_RATE_CONTROL

// ---------------------------------------------------------------------------
// Registration

namespace {

template <class Object>
TEncoderObject* Make(const TVideoProfile& profile, const String& path, const EncoderObjectValues& v) {
  auto* object = new Object(path, v);
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
