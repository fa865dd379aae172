// The Windows Media and RealMedia plug-in wrappers: each loads its plug-in module
// once, looks up every entry of the module's interface by name and forwards the
// calls the program makes. A wrapper is valid only when every entry was found.
#pragma once

#include <functional>

#include "engines/EncRA/RealPluginInterface.h"
#include "engines/EncWMA/WMVPluginInterface.h"
#include "platform/core/System.h"

// Finds an entry by its exported name; null when the module lacks it.
using PluginEntryResolver = std::function<void*(const char* name)>;

class WM9EncoderDllWarper {
public:
  // Loads the module (default: the Windows Media plug-in, found by the module search).
  explicit WM9EncoderDllWarper(const String& modulePath = "");
  // Takes the entries from `resolve` instead of a module (no module is loaded).
  explicit WM9EncoderDllWarper(const PluginEntryResolver& resolve);
  ~WM9EncoderDllWarper();
  WM9EncoderDllWarper(const WM9EncoderDllWarper&) = delete;
  WM9EncoderDllWarper& operator=(const WM9EncoderDllWarper&) = delete;

  bool Valid() const { return valid_; }
  // WMV_Init; false without the valid flag.
  bool Init();
  // WMV_Uninit, only with the valid flag.
  void Uninit();

  // One operation per entry the program calls; nothing (0 or false) while invalid.
  void SetLanguage(std::int32_t index);
  void SetUseSMPTEStream(std::uint8_t use);
  std::int32_t GetAudioCodecCount();
  String GetAudioCodecName(std::int32_t index);
  std::int32_t GetAudioFormatCount(std::int32_t codec);
  String GetAudioFormat(std::int32_t codec, std::int32_t index);
  void SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format);
  void SetAudioUseUncompressed(std::uint8_t use);
  void SetAudioBufferWindow(std::int32_t ms);
  std::int32_t GetVideoCodecCount();
  String GetVideoCodecName(std::int32_t index);
  void SetVideoCodec(std::int32_t index);
  void SetVideoUseUncompressed(std::uint8_t use);
  void SetVideoUseVBR(std::uint8_t use);
  void SetVideoVBRMode(std::int32_t mode);
  void SetVideoBufferWindow(std::int32_t ms);
  void SetVideoBitrate(std::int32_t bitRate);
  void SetVideoQuality(std::int32_t quality);
  void SetVideoVBRMaxBitrate(std::int32_t bitRate);
  void SetVideoVBRMaxBuffer(std::int32_t ms);
  void SetVideoVBRQuality(std::int32_t quality);
  void SetVideoWidth(std::int32_t width);
  void SetVideoHeight(std::int32_t height);
  void SetVideoFPS(double fps);
  void SetVideoSecsKeyframe(std::int32_t seconds);
  void SetInputParms(std::uint8_t video, std::uint8_t audio, std::int32_t width, std::int32_t height,
                     std::int32_t rate1, std::int32_t rate2, std::int32_t pixelFormat, std::int32_t sampleRate,
                     std::int32_t channels);
  bool BeginEncoding();
  bool EndEncoding();
  bool EncodeVideoSample(const void* frame, std::int32_t value1, std::int32_t value2);
  bool EncodeAudioSample(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                         std::int32_t value2);
  std::uint32_t GetOutputSize();
  void SetupDestinationFile(const String& path);
  std::int32_t GetUseSystemProfileCount();
  String GetUseSystemProfileName(std::int32_t index);
  void SetUseSystemProfile(std::uint8_t use, std::int32_t index);
  bool SetVideoTag(const String& title, const String& author, const String& copyright, const String& comment,
                   const String& extra);

private:
  void Resolve(const PluginEntryResolver& resolve);

  void* module_ = nullptr;  // owned module handle
  bool valid_ = false;
#define VARNEL_WMV_FIELD(name, result, params, args) WMV##name##Entry name##_ = nullptr;
  VARNEL_WMV_ENTRIES(VARNEL_WMV_FIELD)
#undef VARNEL_WMV_FIELD
};

class RealEncoderDllWarper {
public:
  explicit RealEncoderDllWarper(const String& modulePath = "");
  explicit RealEncoderDllWarper(const PluginEntryResolver& resolve);
  // Frees the encoder handle, then the module.
  ~RealEncoderDllWarper();
  RealEncoderDllWarper(const RealEncoderDllWarper&) = delete;
  RealEncoderDllWarper& operator=(const RealEncoderDllWarper&) = delete;

  bool Valid() const { return valid_; }
  RealEncoderHandle Handle() const { return handle_; }
  // Frees the handle there is, then makes a fresh one (with the valid flag).
  void RecreateEncoderHandle();

  // One operation per entry the program calls; each passes the encoder handle.
  // While invalid they do nothing and answer 0 or false.
  void SetInputParms(std::uint8_t video, std::uint8_t audio, std::int32_t width, std::int32_t height,
                     std::int32_t rate1, std::int32_t rate2, std::int32_t pixelFormat, std::int32_t sampleRate,
                     std::int32_t channels);
  bool SetupDestinationFile(const String& path);
  bool SetupMediaProfile(std::uint8_t profile1, std::uint8_t profile2);
  void SetUse2Pass(std::uint8_t use);
  bool SetupTag(const String& title, const String& author, const String& copyright, const String& comment,
                const String& extra);
  bool BeginEncoding();
  bool EndEncoding();
  bool EncodeVideoSample(const void* frame, std::int32_t value1, std::int32_t value2, std::int32_t value3,
                         std::int32_t value4);
  bool EncodeAudioSample(const std::int16_t* samples, std::int32_t byteCount, std::int32_t value1,
                         std::int32_t value2, std::int32_t value3, std::int32_t value4);
  std::uint32_t GetOutputSize();
  void SetManualSettingsParams(const RealManualSettings& settings);
  std::int32_t GetAudioCodecCount();
  String GetAudioCodecName(std::int32_t index);
  void SetParamsMode(std::uint8_t manual);

private:
  void Resolve(const PluginEntryResolver& resolve);

  void* module_ = nullptr;  // owned module handle
  bool valid_ = false;
  RealEncoderHandle handle_ = 0;
#define VARNEL_REAL_FIELD(name, result, params) Real##name##Entry name##_ = nullptr;
  VARNEL_REAL_ENTRIES(VARNEL_REAL_FIELD)
#undef VARNEL_REAL_FIELD
};

// The wrappers the program keeps from start-up to exit (none where a plug-in is
// missing or incomplete); the Windows Media and RealMedia encoder objects and the
// format lists use them.
WM9EncoderDllWarper* KeptWMVWrapper();
RealEncoderDllWarper* KeptRealWrapper();
void SetKeptWrappers(WM9EncoderDllWarper* wmv, RealEncoderDllWarper* real);
