// The Windows Media and RealMedia encoder objects: they write through the plug-in
// wrappers the program keeps (EncoderDllWarpers.h); every frame is first cropped
// and scaled to the output size by a frame scaler of the media engine. Each
// plug-in is one shared instance, so at most one object of each class encodes.
#pragma once

#include "app/EncoderDllWarpers.h"
#include "app/VideoEncoder.h"

class TPluginEncoderObject : public TEncoderObject {
public:
  TPluginEncoderObject(const String& outputPath, const EncoderObjectValues& values);
  ~TPluginEncoderObject() override;

protected:
  // Configures the scaler for the output size; false when the values make no picture.
  bool ConfigureScaler(const TVideoProfile& profile, std::int32_t width, std::int32_t height, double frameRate);

  FrameScaler* scaler_ = nullptr;  // owned
  bool configured_ = false;        // the plug-in was configured for this object
};

// Samples go through the plug-in wrapper `Wrapper` (the kept one of its kind),
// video frames through the scaler first; a failure of either ends in false.
template <class Wrapper>
class TPluginWriterObject : public TPluginEncoderObject {
public:
  using TPluginEncoderObject::TPluginEncoderObject;

  bool EncodeVideo(const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t value3,
                   std::int32_t value4) override;
  bool EncodeAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1, std::int32_t value2,
                   std::int32_t value3, std::int32_t value4) override;
  std::int64_t GetEncodedSize() override;

protected:
  // Whether the plug-in takes samples for this object now.
  virtual bool Writing() const = 0;
};

class TWMVEncoderObject : public TPluginWriterObject<WM9EncoderDllWarper> {
public:
  using TPluginWriterObject::TPluginWriterObject;
  ~TWMVEncoderObject() override;

  bool ConfigureEncoder(const TVideoProfile& profile) override;
  bool BeginEncode() override;
  bool EndEncode() override;

protected:
  bool Writing() const override { return configured_; }
};

class TRealEncoderObject : public TPluginWriterObject<RealEncoderDllWarper> {
public:
  using TPluginWriterObject::TPluginWriterObject;
  ~TRealEncoderObject() override;

  bool ConfigureEncoder(const TVideoProfile& profile) override;
  bool BeginEncode() override;
  bool EndEncode() override;

protected:
  bool Writing() const override { return !ended_; }

private:
  bool ended_ = true;  // no RealMedia encoding is open
};

class TRealProfile;
// The settings record of Real_SetManualSettingsParams for a profile and a RealAudio codec index.
RealManualSettings RealSettingsFor(const TRealProfile& profile, std::int32_t audioCodec);
// The index of the first RealAudio codec (voice and multichannel codecs skipped,
// "(music)" removed) whose trimmed name is the trimmed `name`; 0 when none is.
std::int32_t FindRealAudioCodec(RealEncoderDllWarper& wrapper, const String& name);
// The index of the first Windows Media Audio 10, 9 or 8 codec (exact names); 0 when none is.
std::int32_t FindWMAudioCodec(WM9EncoderDllWarper& wrapper);
// Whether a RealAudio codec name is listed (no "(voice)", no "Multichannel"), and its listed form.
bool ListedRealAudioName(const String& name, String& listed);
