// The Windows Media and RealMedia plug-in wrappers and encoder objects. Against
// logging stand-ins for the plug-in entries and the frame scaler: the calls of
// both configurations, their edge cases, the RealMedia settings record byte for
// byte, the format lists and untrusted names. Against the built plug-ins: start-up
// with a complete, an incomplete and a failing module, and real files that
// Debian's ffprobe reads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

#include "app/PluginFormatLists.h"
#include "app/VideoProfiles.h"
#include "app/WMVRealEncoder.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

namespace {

// ---------------------------------------------------------------------------
// Logging stand-ins

std::vector<String> calls;
std::map<String, long long> answers;  // results by entry name; bool: true, numbers: 0 by default
std::vector<String> wmaCodecs, wmaFormats, wmvCodecs, systemProfiles, realCodecs;
std::vector<std::uint8_t> lastRecord;

String ArgText(const char* s) { return s ? s : "(null)"; }
String ArgText(const void*) { return "p"; }
String ArgText(double d) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", d);
  return text;
}
template <class I, class = std::enable_if_t<std::is_integral_v<I>>>
String ArgText(I i) {
  return std::to_string(static_cast<long long>(i));
}

template <class... A>
void Log(const char* name, A... args) {
  String text = name;
  ((text += " " + ArgText(args)), ...);
  calls.push_back(text);
}

template <class R>
R Answer(const char* name) {
  if constexpr (std::is_void_v<R>) {
    return;
  } else {
    auto it = answers.find(name);
    if (it != answers.end()) return static_cast<R>(it->second);
    return std::is_same_v<R, bool> ? static_cast<R>(1) : static_cast<R>(0);
  }
}

// A stand-in for one entry: logs its name and arguments, answers from `answers`.
template <const char* Name, class F>
struct Fake;
template <const char* Name, class R, class... A>
struct Fake<Name, R(VARNEL_STDCALL*)(A...)> {
  static R VARNEL_STDCALL Call(A... args) {
    Log(Name, args...);
    return Answer<R>(Name);
  }
};

#define NAME_WMV(name, result, params, args) constexpr char kWMV_##name[] = "WMV_" #name;
VARNEL_WMV_ENTRIES(NAME_WMV)
#undef NAME_WMV
#define NAME_REAL(name, result, params) constexpr char kReal_##name[] = "Real_" #name;
VARNEL_REAL_ENTRIES(NAME_REAL)
#undef NAME_REAL

// The name lists, written the way a plug-in writes them.
void Write(const std::vector<String>& list, std::int32_t index, char* buffer) {
  std::strcpy(buffer, index >= 0 && index < static_cast<std::int32_t>(list.size()) ? list[index].c_str() : "");
}
std::int32_t VARNEL_STDCALL WmaCodecCount() { return static_cast<std::int32_t>(wmaCodecs.size()); }
void VARNEL_STDCALL WmaCodecName(std::int32_t i, char* b) { Write(wmaCodecs, i, b); }
std::int32_t VARNEL_STDCALL WmaFormatCount(std::int32_t codec) {
  Log("WMV_GetAudioFormatCount", codec);
  return static_cast<std::int32_t>(wmaFormats.size());
}
void VARNEL_STDCALL WmaFormat(std::int32_t, std::int32_t i, char* b) { Write(wmaFormats, i, b); }
std::int32_t VARNEL_STDCALL WmvCodecCount() { return static_cast<std::int32_t>(wmvCodecs.size()); }
void VARNEL_STDCALL WmvCodecName(std::int32_t i, char* b) { Write(wmvCodecs, i, b); }
std::int32_t VARNEL_STDCALL ProfileCount() { return static_cast<std::int32_t>(systemProfiles.size()); }
void VARNEL_STDCALL ProfileName(std::int32_t i, char* b) { Write(systemProfiles, i, b); }
std::int32_t VARNEL_STDCALL RealCodecCount(RealEncoderHandle) { return static_cast<std::int32_t>(realCodecs.size()); }
void VARNEL_STDCALL RealCodecName(RealEncoderHandle, std::int32_t i, char* b) { Write(realCodecs, i, b); }
void VARNEL_STDCALL RealRecord(RealEncoderHandle h, const RealManualSettings* s) {
  Log("Real_SetManualSettingsParams", h);
  auto* bytes = reinterpret_cast<const std::uint8_t*>(s);
  lastRecord.assign(bytes, bytes + sizeof *s);
}

std::map<String, void*> Overrides() {
  return {{"WMV_GetAudioCodecCount", reinterpret_cast<void*>(WmaCodecCount)},
          {"WMV_GetAudioCodecName", reinterpret_cast<void*>(WmaCodecName)},
          {"WMV_GetAudioFormatCount", reinterpret_cast<void*>(WmaFormatCount)},
          {"WMV_GetAudioFormat", reinterpret_cast<void*>(WmaFormat)},
          {"WMV_GetVideoCodecCount", reinterpret_cast<void*>(WmvCodecCount)},
          {"WMV_GetVideoCodecName", reinterpret_cast<void*>(WmvCodecName)},
          {"WMV_GetUseSystemProfileCount", reinterpret_cast<void*>(ProfileCount)},
          {"WMV_GetUseSystemProfileName", reinterpret_cast<void*>(ProfileName)},
          {"Real_GetAudioCodecCount", reinterpret_cast<void*>(RealCodecCount)},
          {"Real_GetAudioCodecName", reinterpret_cast<void*>(RealCodecName)},
          {"Real_SetManualSettingsParams", reinterpret_cast<void*>(RealRecord)}};
}

// Entries by name; `missing` is left out.
PluginEntryResolver FakeResolver(const String& missing = "") {
  static std::map<String, void*> entries;
  entries.clear();
#define ADD_WMV(name, result, params, args) \
  entries["WMV_" #name] = reinterpret_cast<void*>(&Fake<kWMV_##name, WMV##name##Entry>::Call);
  VARNEL_WMV_ENTRIES(ADD_WMV)
#undef ADD_WMV
#define ADD_REAL(name, result, params) \
  entries["Real_" #name] = reinterpret_cast<void*>(&Fake<kReal_##name, Real##name##Entry>::Call);
  VARNEL_REAL_ENTRIES(ADD_REAL)
#undef ADD_REAL
  for (auto& [name, entry] : Overrides()) entries[name] = entry;
  entries.erase(missing);
  return [](const char* name) -> void* {
    auto it = entries.find(name);
    return it == entries.end() ? nullptr : it->second;
  };
}

}  // namespace

namespace {

// A frame scaler that logs, and the engine functions that make it.
class LoggingScaler final : public FrameScaler {
public:
  std::uint8_t Configure(std::int32_t w, std::int32_t h, std::int32_t sw, std::int32_t sh, std::int32_t pf,
                         std::uint8_t keep, std::int32_t cl, std::int32_t cr, std::int32_t ct, std::int32_t cb,
                         std::int32_t r1, std::int32_t r2, std::int32_t r3, std::int32_t r4) override {
    Log("Configure", w, h, sw, sh, pf, keep, cl, cr, ct, cb, r1, r2, r3, r4);
    return 1;
  }
  std::uint8_t Process(const void*) override {
    Log("Process");
    return answers.count("Process") ? static_cast<std::uint8_t>(answers["Process"]) : 1;
  }
  const void* GetOutput() override { return this; }
  std::int32_t GetWidth() override { return 0; }
  std::int32_t GetHeight() override { return 0; }
};
FrameScaler* VARNEL_STDCALL NewScaler() { return new LoggingScaler(); }
void VARNEL_STDCALL FreeScaler(FrameScaler* s) {
  Log("ReleaseFrameScaler");
  delete static_cast<LoggingScaler*>(s);
}

class PluginEncoders : public testing::Test {
protected:
  void SetUp() override {
    engine_.CreateFrameScaler = NewScaler;
    engine_.ReleaseFrameScaler = FreeScaler;
    SetMediaEngineFunctions(&engine_);
    RegisterVideoEncoderObjects();
    calls.clear();
    answers = {{"Real_CreateEncoderHandle", 7}};
    wmaCodecs = {"Windows Media Audio V1", "Windows Media Audio 9.2", "Windows Media Audio 10"};
    wmaFormats = {" 32 kbps, 22 kHz, mono CBR", " 64 kbps, 44 kHz, stereo CBR ", "64 kbps, 44 kHz, stereo CBR"};
    wmvCodecs = {"Windows Media Video 7", "Windows Media Video 8", "Windows Media Video 9"};
    systemProfiles = {"LAN", " Broadband ", "Modem"};
    realCodecs = {"32 Kbps Voice (voice)", "64 Kbps Music (music)", "5.1 Multichannel (music)", "96 Kbps Music"};
    wmv_ = std::make_unique<WM9EncoderDllWarper>(FakeResolver());
    real_ = std::make_unique<RealEncoderDllWarper>(FakeResolver());
    SetKeptWrappers(wmv_.get(), real_.get());
  }
  void TearDown() override {
    SetKeptWrappers(nullptr, nullptr);
    SetMediaEngineFunctions(nullptr);
    for (int k = 0; k < kVideoFormatKindCount; ++k) SetEncoderObjectFactory(static_cast<VideoFormatKind>(k), nullptr);
  }

  std::unique_ptr<TEncoderObject> Make(TVideoProfile& p, int sw = 722, int sh = 478, const String& path = "o.x") {
    return std::unique_ptr<TEncoderObject>(
        p.CreateEncoderObject(path, sw, sh, 5, 25, 1, 48000, 2, true, false, 1, 2, 3, 4, 0, 0, 0, 0));
  }

  MediaEngineFunctions engine_;
  std::unique_ptr<WM9EncoderDllWarper> wmv_;
  std::unique_ptr<RealEncoderDllWarper> real_;
};

TEST_F(PluginEncoders, WMVConfigurationCallsThePlugInInItsOrder) {
  TWMVProfile p("w", "");
  p.Width = 0;
  p.Height = 0;
  p.WMV_Version = 0;
  p.AudioFormatName = "64 kbps, 44 kHz, stereo CBR";
  auto object = Make(p);
  const std::vector<String> expected = {
      "Configure 722 478 722 478 5 1 1 2 3 4 0 0 0 0",
      "WMV_SetUseSMPTEStream 0", "WMV_SetLanguage 0", "WMV_SetAudioUseUncompressed 0",
      "WMV_GetAudioFormatCount 1", "WMV_SetAudioCodecAndFormat 1 1", "WMV_SetAudioBufferWindow 1000",
      "WMV_SetVideoUseUncompressed 0", "WMV_SetVideoCodec 0", "WMV_SetVideoUseVBR 0", "WMV_SetVideoVBRMode 0",
      "WMV_SetVideoQuality 100", "WMV_SetVideoBitrate 768000", "WMV_SetVideoBufferWindow 10000",
      "WMV_SetVideoFPS 23.97", "WMV_SetVideoSecsKeyframe 8", "WMV_SetUseSystemProfile 0 0",
      "WMV_SetVideoWidth 722", "WMV_SetVideoHeight 478", "WMV_SetInputParms 1 1 722 478 25 1 5 48000 2",
      "WMV_SetupDestinationFile o.x"};
  EXPECT_EQ(calls, expected);

  object->SetTagTexts("T", "A", "C", "M", "R");
  calls.clear();
  EXPECT_TRUE(object->BeginEncode());
  EXPECT_TRUE(object->EncodeVideo(nullptr, 1, 2, 3, 4));
  EXPECT_TRUE(object->EncodeAudio(nullptr, 64, 5, 6, 7, 8));
  answers["WMV_GetOutputSize"] = 3000000000LL;
  EXPECT_EQ(object->GetEncodedSize(), 3000000000LL) << "unsigned";
  object.reset();
  EXPECT_EQ(calls, (std::vector<String>{"WMV_SetVideoTag T A C M ", "WMV_BeginEncoding", "Process",
                                        "WMV_EncodeVideoSample p 1 2", "WMV_EncodeAudioSample p 64 5 6",
                                        "WMV_GetOutputSize", "WMV_EndEncoding", "ReleaseFrameScaler"}));
}

TEST_F(PluginEncoders, WMVChoicesFollowTheProfile) {
  struct Case {
    int version;
    bool vbr, system;
    std::vector<String> codecs;
    std::vector<String> present;
  } cases[] = {
      {0, false, false, {"Windows Media Video 8", "Windows Media Video 9", "Windows Media Video 7"}, {"WMV_SetVideoCodec 0"}},
      {0, false, false, {"Other", "Windows Media Video 9", "Windows Media Video 7"}, {"WMV_SetVideoCodec 1"}},
      {2, false, false, {"Windows Media Video 7", "Windows Media Video 8"}, {"WMV_SetVideoCodec 0"}},
      {1, false, false, {"Windows Media Video V7.1", " Windows Media Video 8.1 "}, {"WMV_SetVideoCodec 1"}},
      {0, false, false, {"Windows Media Video 7.0", "Windows Media Video V7.1"}, {"WMV_SetVideoCodec 1"}},
      {0, false, false, {"Windows Media Video V7", "Windows Media Video 7.9"}, {"WMV_SetVideoCodec 1"}},
      {3, false, false, {"Windows Media Video 8", "Windows Media Video 9"}, {"WMV_SetVideoCodec 0"}},
      {1, true, false, {"Windows Media Video 8"},
       {"WMV_SetVideoUseVBR 1", "WMV_SetVideoVBRMode 1", "WMV_SetVideoBitrate 768000", "WMV_SetVideoVBRQuality 90",
        "WMV_SetVideoVBRMaxBitrate 0", "WMV_SetVideoVBRMaxBuffer 0"}},
      {1, false, true, {"Windows Media Video 8"}, {"WMV_SetUseSystemProfile 1 1"}},
  };
  for (const Case& c : cases) {
    wmvCodecs = c.codecs;
    TWMVProfile p("w", "");
    p.WMV_Version = c.version;
    p.UseVBR = c.vbr;
    p.UseSystemProfile = c.system;
    p.SystemProfileName = "Broadband";
    calls.clear();
    auto object = Make(p);
    std::size_t at = 0;
    for (const String& call : c.present) {
      auto found = std::find(calls.begin() + at, calls.end(), call);
      EXPECT_NE(found, calls.end()) << call << " (version " << c.version << ")";
      if (found != calls.end()) at = found - calls.begin() + 1;
    }
  }
  // No preferred audio codec and no matching format: index 0 for both.
  wmaCodecs = {"Windows Media Audio 7", "Windows Media Audio 9.10"};
  wmaFormats = {"a", "b"};
  TWMVProfile p("w", "");
  calls.clear();
  auto object = Make(p);
  EXPECT_NE(std::find(calls.begin(), calls.end(), "WMV_SetAudioCodecAndFormat 0 0"), calls.end());
}

TEST_F(PluginEncoders, RealConfigurationCallsThePlugInInItsOrder) {
  TRealProfile p("r", "");
  p.Width = 0;
  p.Height = 0;
  p.AudioFormatName = "64 Kbps Music";
  auto object = Make(p);
  EXPECT_EQ(calls, (std::vector<String>{"Configure 720 476 722 478 5 1 1 2 3 4 0 0 0 0", "Real_CreateEncoderHandle",
                                        "Real_SetInputParms 7 1 1 720 476 25 1 5 48000 2",
                                        "Real_SetupDestinationFile 7 o.x", "Real_SetupMediaProfile 7 0 0",
                                        "Real_SetParamsMode 7 1", "Real_SetManualSettingsParams 7",
                                        "Real_SetUse2Pass 7 0"}));
  EXPECT_EQ(reinterpret_cast<const RealManualSettings*>(lastRecord.data())->AudioCodec, 1);
  object->SetTagTexts("T", "A", "", "M", "R");
  calls.clear();
  EXPECT_TRUE(object->BeginEncode());
  EXPECT_TRUE(object->EncodeVideo(nullptr, 1, 2, 3, 4));
  EXPECT_TRUE(object->EncodeAudio(nullptr, 64, 5, 6, 7, 8));
  answers["Real_GetOutputSize"] = 3;
  EXPECT_EQ(object->GetEncodedSize(), 3145728);
  EXPECT_TRUE(object->EndEncode());
  EXPECT_TRUE(object->EndEncode()) << "already ended: no second call";
  object.reset();
  EXPECT_EQ(calls, (std::vector<String>{"Real_SetupTag 7 T A  M ", "Real_BeginEncoding 7", "Process",
                                        "Real_EncodeVideoSample 7 p 1 2 3 4", "Real_EncodeAudioSample 7 p 64 5 6 7 8",
                                        "Real_GetOutputSize 7", "Real_EndEncoding 7", "ReleaseFrameScaler"}));
}

TEST_F(PluginEncoders, RealStopsAtARefusedDestinationOrProfileAndNeverEndsWhatDidNotBegin) {
  for (const char* refused : {"Real_SetupDestinationFile", "Real_SetupMediaProfile"}) {
    answers = {{"Real_CreateEncoderHandle", 7}, {refused, 0}, {"Real_BeginEncoding", 0}};
    TRealProfile p("r", "");
    calls.clear();
    auto object = Make(p);
    EXPECT_EQ(calls.back().rfind(refused, 0), 0u) << "nothing after " << refused;
    EXPECT_FALSE(object->BeginEncode());
    calls.clear();
    object.reset();
    EXPECT_EQ(calls, (std::vector<String>{"ReleaseFrameScaler"})) << "no Real_EndEncoding";
  }
  answers = {{"Real_CreateEncoderHandle", 7}, {"Real_SetupTag", 0}};
  TRealProfile p("r", "");
  auto object = Make(p);
  calls.clear();
  EXPECT_FALSE(object->BeginEncode());
  EXPECT_EQ(calls, (std::vector<String>{"Real_SetupTag 7     "}));
}

// Byte offsets of the record, written out: the profile is VBR, RealVersion 1,
// noise reduction on, 29.97 fps, 450500 bit/s average, 900999 bit/s at most.
TEST_F(PluginEncoders, RealSettingsRecordMatchesByteForByte) {
  TRealProfile p("r", "");
  p.UseVBR = true;
  p.RealVersion = 1;
  p.VideoNoiseReduction = true;
  p.FrameRate = 29.97;
  p.VideoBitrate = 450500;
  p.VideoVBRMaxBitrate = 900999;
  std::uint8_t expected[72] = {};
  auto put32 = [&](int at, std::int32_t v) { std::memcpy(expected + at, &v, 4); };
  auto putDouble = [&](int at, double v) { std::memcpy(expected + at, &v, 8); };
  put32(0, 1);
  put32(4, 1);
  put32(8, 0);
  putDouble(16, 29.97);
  put32(28, 450);
  put32(32, 900);
  put32(36, 450);
  put32(40, 90);
  put32(44, 3);
  putDouble(48, 4.0);
  putDouble(56, 10.0);
  put32(64, 2);
  expected[68] = 1;
  expected[69] = 1;
  RealManualSettings record = RealSettingsFor(p, 3);
  EXPECT_EQ(std::memcmp(&record, expected, 72), 0);
  // Without VBR, RealVersion 0 and 2 and another value, noise reduction off.
  struct { int version, code; } versions[] = {{0, 2}, {1, 1}, {2, 0}, {9, 0}};
  p.UseVBR = false;
  p.VideoNoiseReduction = false;
  for (auto v : versions) {
    p.RealVersion = v.version;
    record = RealSettingsFor(p, 0);
    EXPECT_EQ(record.VideoVersion, v.code);
    EXPECT_EQ(record.UseVBR, 0);
    EXPECT_EQ(record.NoiseReduction, 2);
    EXPECT_EQ(record.MaxVideoKbps, 450);
    EXPECT_EQ(record.VBRMode, 0);
  }
  // The record the plug-in receives is the same.
  p.UseVBR = true;
  p.RealVersion = 1;
  p.VideoNoiseReduction = true;
  p.AudioFormatName = "96 Kbps Music";
  auto object = Make(p);
  ASSERT_EQ(lastRecord.size(), 72u);
  EXPECT_EQ(std::memcmp(lastRecord.data(), expected, 72), 0);
}

TEST_F(PluginEncoders, WithoutAWrapperOrWithValuesThatMakeNoPictureNothingIsCalled) {
  TRealProfile real("r", "");
  TWMVProfile wmv("w", "");
  real.FrameRate = 0;
  wmv.Width = -4;
  calls.clear();
  auto a = Make(real);
  auto b = Make(wmv);
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(a->BeginEncode());
  EXPECT_FALSE(b->BeginEncode());
  SetKeptWrappers(nullptr, nullptr);
  real.FrameRate = 15;
  wmv.Width = 320;
  calls.clear();
  auto c = Make(real);
  auto d = Make(wmv);
  EXPECT_FALSE(c->BeginEncode());
  EXPECT_FALSE(d->BeginEncode());
  EXPECT_TRUE(calls.empty());
}

// ---------------------------------------------------------------------------
// Format lists and names

TEST_F(PluginEncoders, FormatListsFollowTheirRules) {
  TStringList profiles, formats, real;
  int profileIndex = -5, formatIndex = -5, realIndex = -5;
  FillWMVSystemProfiles(wmv_.get(), profiles, profileIndex);
  FillWMVAudioFormats(wmv_.get(), formats, formatIndex);
  FillRealAudioFormats(real_.get(), real, realIndex);
  EXPECT_EQ(profiles.Text(), "LAN\r\n Broadband \r\nModem\r\n");
  EXPECT_EQ(profileIndex, 0);
  EXPECT_EQ(formats.Text(), "32 kbps, 22 kHz, mono CBR\r\n64 kbps, 44 kHz, stereo CBR\r\n64 kbps, 44 kHz, stereo CBR\r\n");
  EXPECT_NE(std::find(calls.begin(), calls.end(), "WMV_GetAudioFormatCount 1"), calls.end()) << "Windows Media Audio 9.2";
  ASSERT_EQ(real.Count(), 2);
  EXPECT_EQ(real.Get(0), "64 Kbps Music");
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(real.Objects(0)), 1);
  EXPECT_EQ(real.Get(1), "96 Kbps Music");
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(real.Objects(1)), 3);
  // "(music)" inside a name: the blanks around it stay.
  realCodecs = {"Stereo (music) Music"};
  real.Clear();
  FillRealAudioFormats(real_.get(), real, realIndex);
  EXPECT_EQ(real.Get(0), "Stereo  Music");
  // Without wrappers the lists stay empty.
  TStringList empty;
  int emptyIndex = -1;
  FillWMVSystemProfiles(nullptr, empty, emptyIndex);
  FillWMVAudioFormats(nullptr, empty, emptyIndex);
  FillRealAudioFormats(nullptr, empty, emptyIndex);
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(emptyIndex, -1);
}

void VARNEL_STDCALL UnterminatedName(std::int32_t, char* buffer) { std::memset(buffer, 'x', kPluginNameBufferSize); }

TEST_F(PluginEncoders, NamesFromAPlugInAreCutAtTheirBuffer) {
  std::map<String, void*> entries;
  auto base = FakeResolver();
  WM9EncoderDllWarper wrapper([&](const char* name) -> void* {
    if (String(name) == "WMV_GetVideoCodecName") return reinterpret_cast<void*>(UnterminatedName);
    return base(name);
  });
  ASSERT_TRUE(wrapper.Valid());
  EXPECT_EQ(wrapper.GetVideoCodecName(0), String(kPluginNameBufferSize - 1, 'x'));
}

TEST_F(PluginEncoders, AWrapperMissingOneEntryIsInvalidAndCallsNothing) {
  for (const char* missing : {"WMV_SetId3Tag", "WMV_Init", "WMV_SetVideoTag"}) {
    WM9EncoderDllWarper wrapper(FakeResolver(missing));
    EXPECT_FALSE(wrapper.Valid()) << missing;
    calls.clear();
    EXPECT_FALSE(wrapper.Init());
    wrapper.Uninit();
    EXPECT_EQ(wrapper.GetAudioCodecCount(), 0);
    EXPECT_TRUE(calls.empty());
  }
  for (const char* missing : {"Real_StartDo2Pass", "Real_SetParamsMode", "Real_CreateEncoderHandle"}) {
    RealEncoderDllWarper wrapper(FakeResolver(missing));
    EXPECT_FALSE(wrapper.Valid()) << missing;
    wrapper.RecreateEncoderHandle();
    EXPECT_EQ(wrapper.Handle(), 0u);
  }
}

TEST_F(PluginEncoders, ARecreatedHandleFreesTheOldOne) {
  real_->RecreateEncoderHandle();
  answers["Real_CreateEncoderHandle"] = 8;
  calls.clear();
  real_->RecreateEncoderHandle();
  EXPECT_EQ(calls, (std::vector<String>{"Real_FreeEncoderHandle 7", "Real_CreateEncoderHandle"}));
  EXPECT_EQ(real_->Handle(), 8u);
  calls.clear();
  real_.reset();
  SetKeptWrappers(wmv_.get(), nullptr);
  EXPECT_EQ(calls, (std::vector<String>{"Real_FreeEncoderHandle 8"}));
}

}  // namespace

// ---------------------------------------------------------------------------
// The built plug-ins

namespace {

String TestPlugin(const char* name) { return BuiltProgramFolder() + "..\\test-plugins\\" + name; }

TEST(PluginWrapperModules, CompleteModulesStartAndListWhatTheyWrite) {
  std::unique_ptr<WM9EncoderDllWarper> wmv(StartWMVWrapper(BuiltProgramFolder() + "EncWMA.dll"));
  std::unique_ptr<RealEncoderDllWarper> real(StartRealWrapper(BuiltProgramFolder() + "EncRA.dll"));
  ASSERT_NE(wmv, nullptr);
  ASSERT_NE(real, nullptr);
  EXPECT_NE(real->Handle(), 0u);
  TStringList profiles, formats, realFormats;
  int index = -1;
  FillWMVSystemProfiles(wmv.get(), profiles, index);
  EXPECT_GT(profiles.Count(), 0);
  FillWMVAudioFormats(wmv.get(), formats, index);
  EXPECT_GE(formats.IndexOf("64 kbps, 44 kHz, stereo CBR"), 0) << "the WMV profile's default format";
  FillRealAudioFormats(real.get(), realFormats, index);
  EXPECT_EQ(realFormats.Count(), 3) << "the voice codec is not listed";
  EXPECT_EQ(realFormats.Get(0), "64 Kbps Stereo Music - Dolby Digital");
  wmv->Uninit();
}

TEST(PluginWrapperModules, AModuleMissingOneExportIsNotKept) {
  WM9EncoderDllWarper wmv(TestPlugin("EncWMANoSetId3Tag.dll"));
  EXPECT_FALSE(wmv.Valid());
  EXPECT_EQ(StartWMVWrapper(TestPlugin("EncWMANoSetId3Tag.dll")), nullptr);
  RealEncoderDllWarper real(TestPlugin("EncRANoStartDo2Pass.dll"));
  EXPECT_FALSE(real.Valid());
  EXPECT_EQ(StartRealWrapper(TestPlugin("EncRANoStartDo2Pass.dll")), nullptr);
}

TEST(PluginWrapperModules, AFailingInitIsFollowedByOneUninit) {
  // Held here, so the counter outlives the wrapper's own load of the module.
  HMODULE held = ::LoadLibraryA(TestPlugin("EncWMAInitFails.dll").c_str());
  ASSERT_NE(held, nullptr);
  auto uninitCount = reinterpret_cast<std::int32_t(VARNEL_STDCALL*)()>(::GetProcAddress(held, "WMVTest_UninitCount"));
  ASSERT_NE(uninitCount, nullptr);
  EXPECT_EQ(StartWMVWrapper(TestPlugin("EncWMAInitFails.dll")), nullptr);
  EXPECT_EQ(uninitCount(), 1);
  ::FreeLibrary(held);
}

TEST(PluginWrapperModules, WithoutModulesStartUpGoesOnWithEmptyLists) {
  EXPECT_EQ(StartWMVWrapper(TestPlugin("NoSuchPlugin.dll")), nullptr);
  EXPECT_EQ(StartRealWrapper(TestPlugin("NoSuchPlugin.dll")), nullptr);
}

}  // namespace
