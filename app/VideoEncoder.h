// Video encoder objects: each writes one output file of a video target. The base
// TEncoderObject holds what every format shares; six classes write through a
// MediaEncoder of the media engine and differ only in how they configure it.
// The Windows Media and RealMedia classes are in WMVRealEncoder.h.
#pragma once

#include <cstdint>

#include "app/MediaEngineLib.h"
#include "app/VideoProfile.h"
#include "platform/core/System.h"

class TEncoderObject {
public:
  TEncoderObject(const String& outputPath, const EncoderObjectValues& values);
  virtual ~TEncoderObject() = default;
  TEncoderObject(const TEncoderObject&) = delete;
  TEncoderObject& operator=(const TEncoderObject&) = delete;

  void SetTagTexts(const String& title, const String& author, const String& copyright, const String& comment,
                   const String& recTimestamp);

  // False: the object cannot encode (the driver deletes it and fails the title).
  virtual bool BeginEncode() = 0;
  virtual bool EndEncode() = 0;
  virtual bool EncodeVideo(const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t value3,
                           std::int32_t value4) = 0;
  virtual bool EncodeAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                           std::int32_t value2, std::int32_t value3, std::int32_t value4) = 0;
  virtual std::int64_t GetEncodedSize() = 0;

  // Configures the output from the profile; false when it cannot be written.
  virtual bool ConfigureEncoder(const TVideoProfile& profile) = 0;

protected:
  // The output size: the profile's, or the source's where the profile gives 0.
  std::int32_t OutputWidth(const TVideoProfile& profile) const;
  std::int32_t OutputHeight(const TVideoProfile& profile) const;
  // Sizes and margins that make no picture: negative sizes, margins that leave nothing.
  bool GeometryUsable(const TVideoProfile& profile) const;

  String outputPath_;
  const EncoderObjectValues values_;  // the source, its crop margins and the flags
  String title_, author_, copyright_, comment_, recTimestamp_;
};

// The six formats written by the media engine.
class TMediaEncoderObject : public TEncoderObject {
public:
  TMediaEncoderObject(const String& outputPath, const EncoderObjectValues& values);
  ~TMediaEncoderObject() override;

  bool BeginEncode() override;
  bool EndEncode() override;
  bool EncodeVideo(const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t value3,
                   std::int32_t value4) override;
  bool EncodeAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1, std::int32_t value2,
                   std::int32_t value3, std::int32_t value4) override;
  std::int64_t GetEncodedSize() override;
  bool ConfigureEncoder(const TVideoProfile& profile) override;

  MediaEncoder* Encoder() const { return encoder_; }

protected:
  class Sequence;
  template <class P>
  struct FormatRow;
  // The class's engine calls, in order; false at the first refusal.
  virtual bool Configure(const TVideoProfile& profile, Sequence& calls) = 0;
  // The one configuration routine: the engine calls a format's row asks for, in the
  // order every format shares.
  template <class P>
  bool ConfigureFormat(const FormatRow<P>& row, const P& profile, Sequence& calls);
  void Release();

  MediaEncoder* encoder_ = nullptr;  // owned; null when its creation or a step failed
};

#define VARNEL_MEDIA_ENCODER_CLASS(Name)                                    \
  class Name : public TMediaEncoderObject {                                 \
  public:                                                                   \
    using TMediaEncoderObject::TMediaEncoderObject;                         \
                                                                            \
  protected:                                                                \
    bool Configure(const TVideoProfile& profile, Sequence& calls) override; \
  };

VARNEL_MEDIA_ENCODER_CLASS(T3GPEncoderObject)
VARNEL_MEDIA_ENCODER_CLASS(TAVIEncoderObject)
VARNEL_MEDIA_ENCODER_CLASS(TMPEGEncoderObject)
VARNEL_MEDIA_ENCODER_CLASS(TMP4EncoderObject)
VARNEL_MEDIA_ENCODER_CLASS(TMOVEncoderObject)
VARNEL_MEDIA_ENCODER_CLASS(TFLVEncoderObject)
#undef VARNEL_MEDIA_ENCODER_CLASS

// Registers the encoder object of every video format with the profiles
// (SetEncoderObjectFactory); the program does it once at start-up.
void RegisterVideoEncoderObjects();
