#include "app/EncoderDllWarpers.h"

#include "engines/EncoderCommon/EncoderPluginInterface.h"
#include "platform/core/WinApi.h"

namespace {

WM9EncoderDllWarper* keptWMV = nullptr;
RealEncoderDllWarper* keptReal = nullptr;

// A module's entries by name.
PluginEntryResolver ModuleResolver(void* module) {
  return [module](const char* name) -> void* {
    return module ? reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name)) : nullptr;
  };
}

void* LoadModule(const String& path) { return ::LoadLibraryA(path.c_str()); }

// A name the plug-in wrote into our buffer; the buffer's last byte is always
// zero, whatever the plug-in left there.
template <class Fill>
String ReadName(Fill fill) {
  char buffer[kPluginNameBufferSize] = {};
  fill(buffer);
  buffer[kPluginNameBufferSize - 1] = 0;
  return String(buffer);
}

template <class F, class... Args>
auto Forward(bool valid, F entry, Args... args) {
  using Result = decltype(entry(args...));
  if (!valid || !entry) return static_cast<Result>(0);
  return entry(args...);
}

}  // namespace

// ---------------------------------------------------------------------------
// WM9EncoderDllWarper

WM9EncoderDllWarper::WM9EncoderDllWarper(const String& modulePath) {
  module_ = LoadModule(modulePath.empty() ? String(kEncWMAModule) : modulePath);
  if (module_) Resolve(ModuleResolver(module_));
}

WM9EncoderDllWarper::WM9EncoderDllWarper(const PluginEntryResolver& resolve) { Resolve(resolve); }

WM9EncoderDllWarper::~WM9EncoderDllWarper() {
  if (module_) ::FreeLibrary(static_cast<HMODULE>(module_));
}

void WM9EncoderDllWarper::Resolve(const PluginEntryResolver& resolve) {
  bool all = true;
#define VARNEL_WMV_LOOKUP(name, result, params, args)                             \
  name##_ = reinterpret_cast<WMV##name##Entry>(resolve("WMV_" #name));            \
  all = all && name##_ != nullptr;
  VARNEL_WMV_ENTRIES(VARNEL_WMV_LOOKUP)
#undef VARNEL_WMV_LOOKUP
  valid_ = all;
}

bool WM9EncoderDllWarper::Init() { return Forward(valid_, Init_); }
void WM9EncoderDllWarper::Uninit() { Forward(valid_, Uninit_); }
void WM9EncoderDllWarper::SetLanguage(std::int32_t index) { Forward(valid_, SetLanguage_, index); }
void WM9EncoderDllWarper::SetUseSMPTEStream(std::uint8_t use) { Forward(valid_, SetUseSMPTEStream_, use); }
std::int32_t WM9EncoderDllWarper::GetAudioCodecCount() { return Forward(valid_, GetAudioCodecCount_); }

String WM9EncoderDllWarper::GetAudioCodecName(std::int32_t index) {
  return ReadName([&](char* buffer) { Forward(valid_, GetAudioCodecName_, index, buffer); });
}

std::int32_t WM9EncoderDllWarper::GetAudioFormatCount(std::int32_t codec) {
  return Forward(valid_, GetAudioFormatCount_, codec);
}

String WM9EncoderDllWarper::GetAudioFormat(std::int32_t codec, std::int32_t index) {
  return ReadName([&](char* buffer) { Forward(valid_, GetAudioFormat_, codec, index, buffer); });
}

void WM9EncoderDllWarper::SetAudioCodecAndFormat(std::int32_t codec, std::int32_t format) {
  Forward(valid_, SetAudioCodecAndFormat_, codec, format);
}

void WM9EncoderDllWarper::SetAudioUseUncompressed(std::uint8_t use) { Forward(valid_, SetAudioUseUncompressed_, use); }
void WM9EncoderDllWarper::SetAudioBufferWindow(std::int32_t ms) { Forward(valid_, SetAudioBufferWindow_, ms); }
std::int32_t WM9EncoderDllWarper::GetVideoCodecCount() { return Forward(valid_, GetVideoCodecCount_); }

String WM9EncoderDllWarper::GetVideoCodecName(std::int32_t index) {
  return ReadName([&](char* buffer) { Forward(valid_, GetVideoCodecName_, index, buffer); });
}

void WM9EncoderDllWarper::SetVideoCodec(std::int32_t index) { Forward(valid_, SetVideoCodec_, index); }
void WM9EncoderDllWarper::SetVideoUseUncompressed(std::uint8_t use) { Forward(valid_, SetVideoUseUncompressed_, use); }
void WM9EncoderDllWarper::SetVideoUseVBR(std::uint8_t use) { Forward(valid_, SetVideoUseVBR_, use); }
void WM9EncoderDllWarper::SetVideoVBRMode(std::int32_t mode) { Forward(valid_, SetVideoVBRMode_, mode); }
void WM9EncoderDllWarper::SetVideoBufferWindow(std::int32_t ms) { Forward(valid_, SetVideoBufferWindow_, ms); }
void WM9EncoderDllWarper::SetVideoBitrate(std::int32_t bitRate) { Forward(valid_, SetVideoBitrate_, bitRate); }
void WM9EncoderDllWarper::SetVideoQuality(std::int32_t quality) { Forward(valid_, SetVideoQuality_, quality); }
void WM9EncoderDllWarper::SetVideoVBRMaxBitrate(std::int32_t bitRate) { Forward(valid_, SetVideoVBRMaxBitrate_, bitRate); }
void WM9EncoderDllWarper::SetVideoVBRMaxBuffer(std::int32_t ms) { Forward(valid_, SetVideoVBRMaxBuffer_, ms); }
void WM9EncoderDllWarper::SetVideoVBRQuality(std::int32_t quality) { Forward(valid_, SetVideoVBRQuality_, quality); }
void WM9EncoderDllWarper::SetVideoWidth(std::int32_t width) { Forward(valid_, SetVideoWidth_, width); }
void WM9EncoderDllWarper::SetVideoHeight(std::int32_t height) { Forward(valid_, SetVideoHeight_, height); }
void WM9EncoderDllWarper::SetVideoFPS(double fps) { Forward(valid_, SetVideoFPS_, fps); }
void WM9EncoderDllWarper::SetVideoSecsKeyframe(std::int32_t seconds) { Forward(valid_, SetVideoSecsKeyframe_, seconds); }

void WM9EncoderDllWarper::SetInputParms(std::uint8_t video, std::uint8_t audio, std::int32_t width,
                                        std::int32_t height, std::int32_t rate1, std::int32_t rate2,
                                        std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels) {
  Forward(valid_, SetInputParms_, video, audio, width, height, rate1, rate2, pixelFormat, sampleRate, channels);
}

bool WM9EncoderDllWarper::BeginEncoding() { return Forward(valid_, BeginEncoding_); }
bool WM9EncoderDllWarper::EndEncoding() { return Forward(valid_, EndEncoding_); }

bool WM9EncoderDllWarper::EncodeVideoSample(const void* frame, std::int32_t value1, std::int32_t value2) {
  return Forward(valid_, EncodeVideoSample_, frame, value1, value2);
}

bool WM9EncoderDllWarper::EncodeAudioSample(const std::int16_t* samples, std::int32_t byteCount,
                                            std::int32_t value1, std::int32_t value2) {
  return Forward(valid_, EncodeAudioSample_, samples, byteCount, value1, value2);
}

std::uint32_t WM9EncoderDllWarper::GetOutputSize() { return Forward(valid_, GetOutputSize_); }

void WM9EncoderDllWarper::SetupDestinationFile(const String& path) {
  Forward(valid_, SetupDestinationFile_, path.c_str());
}

std::int32_t WM9EncoderDllWarper::GetUseSystemProfileCount() { return Forward(valid_, GetUseSystemProfileCount_); }

String WM9EncoderDllWarper::GetUseSystemProfileName(std::int32_t index) {
  return ReadName([&](char* buffer) { Forward(valid_, GetUseSystemProfileName_, index, buffer); });
}

void WM9EncoderDllWarper::SetUseSystemProfile(std::uint8_t use, std::int32_t index) {
  Forward(valid_, SetUseSystemProfile_, use, index);
}

bool WM9EncoderDllWarper::SetVideoTag(const String& title, const String& author, const String& copyright,
                                      const String& comment, const String& extra) {
  return Forward(valid_, SetVideoTag_, title.c_str(), author.c_str(), copyright.c_str(), comment.c_str(),
                 extra.c_str());
}

// ---------------------------------------------------------------------------
// RealEncoderDllWarper

RealEncoderDllWarper::RealEncoderDllWarper(const String& modulePath) {
  module_ = LoadModule(modulePath.empty() ? String(kEncRAModule) : modulePath);
  if (module_) Resolve(ModuleResolver(module_));
}

RealEncoderDllWarper::RealEncoderDllWarper(const PluginEntryResolver& resolve) { Resolve(resolve); }

RealEncoderDllWarper::~RealEncoderDllWarper() {
  if (handle_ && FreeEncoderHandle_) FreeEncoderHandle_(handle_);
  handle_ = 0;
  if (module_) ::FreeLibrary(static_cast<HMODULE>(module_));
}

void RealEncoderDllWarper::Resolve(const PluginEntryResolver& resolve) {
  bool all = true;
#define VARNEL_REAL_LOOKUP(name, result, params)                                 \
  name##_ = reinterpret_cast<Real##name##Entry>(resolve("Real_" #name));         \
  all = all && name##_ != nullptr;
  VARNEL_REAL_ENTRIES(VARNEL_REAL_LOOKUP)
#undef VARNEL_REAL_LOOKUP
  valid_ = all;
}

void RealEncoderDllWarper::RecreateEncoderHandle() {
  if (handle_) {
    if (FreeEncoderHandle_) FreeEncoderHandle_(handle_);
    handle_ = 0;
  }
  if (valid_) handle_ = CreateEncoderHandle_();
}

void RealEncoderDllWarper::SetInputParms(std::uint8_t video, std::uint8_t audio, std::int32_t width,
                                         std::int32_t height, std::int32_t rate1, std::int32_t rate2,
                                         std::int32_t pixelFormat, std::int32_t sampleRate, std::int32_t channels) {
  Forward(valid_, SetInputParms_, handle_, video, audio, width, height, rate1, rate2, pixelFormat, sampleRate,
          channels);
}

bool RealEncoderDllWarper::SetupDestinationFile(const String& path) {
  return Forward(valid_, SetupDestinationFile_, handle_, path.c_str());
}

bool RealEncoderDllWarper::SetupMediaProfile(std::uint8_t profile1, std::uint8_t profile2) {
  return Forward(valid_, SetupMediaProfile_, handle_, profile1, profile2);
}

void RealEncoderDllWarper::SetUse2Pass(std::uint8_t use) { Forward(valid_, SetUse2Pass_, handle_, use); }

bool RealEncoderDllWarper::SetupTag(const String& title, const String& author, const String& copyright,
                                    const String& comment, const String& extra) {
  return Forward(valid_, SetupTag_, handle_, title.c_str(), author.c_str(), copyright.c_str(), comment.c_str(),
                 extra.c_str());
}

bool RealEncoderDllWarper::BeginEncoding() { return Forward(valid_, BeginEncoding_, handle_); }
bool RealEncoderDllWarper::EndEncoding() { return Forward(valid_, EndEncoding_, handle_); }

bool RealEncoderDllWarper::EncodeVideoSample(const void* frame, std::int32_t value1, std::int32_t value2,
                                             std::int32_t value3, std::int32_t value4) {
  return Forward(valid_, EncodeVideoSample_, handle_, frame, value1, value2, value3, value4);
}

bool RealEncoderDllWarper::EncodeAudioSample(const std::int16_t* samples, std::int32_t byteCount,
                                             std::int32_t value1, std::int32_t value2, std::int32_t value3,
                                             std::int32_t value4) {
  return Forward(valid_, EncodeAudioSample_, handle_, samples, byteCount, value1, value2, value3, value4);
}

std::uint32_t RealEncoderDllWarper::GetOutputSize() { return Forward(valid_, GetOutputSize_, handle_); }

void RealEncoderDllWarper::SetManualSettingsParams(const RealManualSettings& settings) {
  Forward(valid_, SetManualSettingsParams_, handle_, &settings);
}

std::int32_t RealEncoderDllWarper::GetAudioCodecCount() { return Forward(valid_, GetAudioCodecCount_, handle_); }

String RealEncoderDllWarper::GetAudioCodecName(std::int32_t index) {
  return ReadName([&](char* buffer) { Forward(valid_, GetAudioCodecName_, handle_, index, buffer); });
}

void RealEncoderDllWarper::SetParamsMode(std::uint8_t manual) { Forward(valid_, SetParamsMode_, handle_, manual); }

// ---------------------------------------------------------------------------

WM9EncoderDllWarper* KeptWMVWrapper() { return keptWMV; }
RealEncoderDllWarper* KeptRealWrapper() { return keptReal; }

void SetKeptWrappers(WM9EncoderDllWarper* wmv, RealEncoderDllWarper* real) {
  keptWMV = wmv;
  keptReal = real;
}
