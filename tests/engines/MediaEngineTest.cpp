// The media engine loaded from the built MediaEngine.dll by ordinal: every
// container and codec the video encoder objects name is written from generated
// frames and sound and read back by Debian's ffprobe (a Linux program that Wine
// starts); names this build cannot encode are refused. Then the frame scaler and
// the colour converter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "MediaEngine.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

namespace {

struct Engine {
  HMODULE module = nullptr;
  CreateMediaEncoderFunc createEncoder = nullptr;
  ReleaseMediaEncoderFunc releaseEncoder = nullptr;
  CreateFrameScalerFunc createScaler = nullptr;
  ReleaseFrameScalerFunc releaseScaler = nullptr;
  CreateColorConverterFunc createConverter = nullptr;
  ReleaseColorConverterFunc releaseConverter = nullptr;

  Engine() {
    module = ::LoadLibraryA((BuiltProgramFolder() + kMediaEngineModule).c_str());
    if (!module) return;
    auto get = [&](MediaEngineOrdinal o) { return ::GetProcAddress(module, MAKEINTRESOURCEA(o)); };
    createEncoder = reinterpret_cast<CreateMediaEncoderFunc>(get(meoCreateMediaEncoder));
    releaseEncoder = reinterpret_cast<ReleaseMediaEncoderFunc>(get(meoReleaseMediaEncoder));
    createScaler = reinterpret_cast<CreateFrameScalerFunc>(get(meoCreateFrameScaler));
    releaseScaler = reinterpret_cast<ReleaseFrameScalerFunc>(get(meoReleaseFrameScaler));
    createConverter = reinterpret_cast<CreateColorConverterFunc>(get(meoCreateColorConverter));
    releaseConverter = reinterpret_cast<ReleaseColorConverterFunc>(get(meoReleaseColorConverter));
  }
  ~Engine() {
    if (module) ::FreeLibrary(module);
  }
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

// A frame of format 5 whose picture moves with the frame number.
std::vector<std::uint8_t> TestFrame(int width, int height, int number) {
  std::vector<std::uint8_t> frame(YUV420PFrameSize(width, height));
  std::uint8_t* y = frame.data();
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) y[row * width + col] = static_cast<std::uint8_t>(16 + (col + row + 4 * number) % 200);
  std::fill(frame.begin() + width * height, frame.end(), 128);
  return frame;
}

std::vector<std::int16_t> TestSound(int rate, int channels, int frames) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(frames) * channels);
  for (int f = 0; f < frames; ++f)
    for (int c = 0; c < channels; ++c) s[f * channels + c] = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * (440 + 220 * c) * f / rate));
  return s;
}

String OutputFolder() {
  String folder = BuiltProgramFolder() + "..\\media-out\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

String UnixPath(const String& windowsPath) {
  String path = windowsPath.substr(2);  // after "Z:"
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// What ffprobe says about a file: "format_name", "duration", and per stream type
// "video.codec_name", "video.width", "audio.codec_name", "audio.sample_rate", ...
std::map<String, String> Probe(const String& file) {
  String report = file + ".probe.txt";
  ::DeleteFileA(report.c_str());
  String command = "/usr/bin/ffprobe -v error -show_entries "
                   "format=format_name,duration:stream=codec_type,codec_name,width,height,sample_rate,channels "
                   "-of default=nw=1 -o \"" + UnixPath(report) + "\" \"" + UnixPath(file) + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::map<String, String> values;
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return values;
  ::WaitForSingleObject(pi.hProcess, 60000);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  // Wine does not wait for a Linux program: the report is complete once its last
  // section (the format's) has been written.
  String text;
  for (int tries = 0; tries < 600 && text.find("duration=") == String::npos; ++tries) {
    ::Sleep(50);
    text.clear();
    if (FILE* f = std::fopen(report.c_str(), "r")) {
      char chunk[512];
      while (std::fgets(chunk, sizeof chunk, f)) text += chunk;
      std::fclose(f);
    }
  }
  ::Sleep(50);
  FILE* f = std::fopen(report.c_str(), "r");
  if (!f) return values;
  char line[512];
  String type;
  while (std::fgets(line, sizeof line, f)) {
    String text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    auto eq = text.find('=');
    if (eq == String::npos) continue;
    String key = text.substr(0, eq), value = text.substr(eq + 1);
    if (key == "codec_name") type.clear();
    if (key == "codec_type") {
      type = value;
      // The codec name came first: move it under the type.
      values[type + ".codec_name"] = values["pending.codec_name"];
      continue;
    }
    if (key == "codec_name") values["pending.codec_name"] = value;
    else if (key == "format_name" || key == "duration") values[key] = value;
    else values[type.empty() ? "pending." + key : type + "." + key] = value;
  }
  std::fclose(f);
  return values;
}

struct FormatCase {
  const char* container;
  const char* videoCodec;
  const char* audioCodec;
  int width, height;
  double fps;
  int rate, channels, audioBitRate;
  const char* probedFormat;  // null: the engine refuses the case
  const char* probedVideo;
  const char* probedAudio;
};

const FormatCase kFormats[] = {
    {"avi", "mpeg4", "mp3", 320, 240, 25, 44100, 2, 128000, "avi", "mpeg4", "mp3"},
    {"avi", "xvid", "pcm_s16le", 320, 240, 23.97, 44100, 2, 0, "avi", "mpeg4", "pcm_s16le"},
    {"avi", "msmpeg4v2", "adpcm_ms", 320, 240, 25, 44100, 2, 0, "avi", "msmpeg4v2", "adpcm_ms"},
    {"avi", "msmpeg4", "pcm_alaw", 320, 240, 25, 22050, 1, 0, "avi", "msmpeg4v3", "pcm_alaw"},
    {"avi", "mjpeg", "pcm_mulaw", 320, 240, 25, 22050, 1, 0, "avi", "mjpeg", "pcm_mulaw"},
    {"avi", "zlib", "ac3", 160, 120, 25, 48000, 2, 192000, "avi", "zlib", "ac3"},
    {"avi", "rawvideo", "mp3", 160, 120, 25, 44100, 2, 128000, "avi", "rawvideo", "mp3"},
    {"mpeg", "mpeg1video", "mp2", 352, 288, 25, 44100, 2, 192000, "mpeg", "mpeg1video", "mp2"},
    {"dvd", "mpeg2video", "ac3", 720, 576, 25, 48000, 2, 224000, "mpeg", "mpeg2video", "ac3"},
    {"dvd", "mpeg2video", "mp2", 720, 480, 23.97, 48000, 2, 224000, "mpeg", "mpeg2video", "mp2"},
    {"3gp", "h263", "aac", 176, 144, 15, 16000, 1, 48000, "mov,mp4,m4a,3gp,3g2,mj2", "h263", "aac"},
    {"3g2", "mpeg4", "aac", 176, 144, 15, 16000, 1, 48000, "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "aac"},
    {"mp4", "mpeg4", "aac", 320, 240, 23.97, 48000, 2, 96000, "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "aac"},
    {"mov", "xvid", "aac", 320, 240, 25, 48000, 2, 96000, "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "aac"},
    {"flv", "flv", "mp3", 320, 240, 24, 44100, 2, 96000, "flv", "flv1", "mp3"},
    // Not written by this build: refused, never replaced by another codec.
    {"avi", "msmpeg4v1", "mp3", 320, 240, 25, 44100, 2, 128000, nullptr, nullptr, nullptr},
    {"mp4", "h264", "aac", 320, 240, 25, 48000, 2, 96000, nullptr, nullptr, nullptr},
    {"3gp", "h263", "amr_nb", 176, 144, 15, 8000, 1, 12200, nullptr, nullptr, nullptr},
    {"3gp", "h263", "amr_wb", 176, 144, 15, 16000, 1, 23850, nullptr, nullptr, nullptr},
    {"dvd", "mpeg2video", "pcm_s16le", 720, 576, 25, 48000, 2, 0, nullptr, nullptr, nullptr},
    {"h263", "h263", "aac", 176, 144, 15, 16000, 1, 48000, nullptr, nullptr, nullptr},
};

// Configures and writes two seconds; answers the first refusal's step name, or "".
String WriteFile(const FormatCase& c, const String& path, std::int64_t* sizeDuring = nullptr,
                 std::int64_t* sizeAfter = nullptr) {
  Engine& e = TheEngine();
  MediaEncoder* enc = e.createEncoder(path.c_str());
  if (!enc) return "create";
  String failed;
  const int sw = 720, sh = 576;
  if (enc->SetFormat(c.container)) failed = "format";
  else if (enc->SetOption("bitexact", "1")) failed = "bitexact";
  else if (enc->SetVideoParams(c.width, c.height, 800000, c.fps, sw, sh, pfYUV420P, 8, 8, 0, 0, 0, 0, 0, 0)) failed = "video params";
  else if (enc->SetVideoCodec(c.videoCodec)) failed = "video codec";
  else if (enc->SetAudioCodec(c.audioCodec)) failed = "audio codec";
  else if (enc->SetAudioParams(c.rate, c.channels, c.audioBitRate, 48000, 2)) failed = "audio params";
  else if (enc->SetOption("str_title", "Title")) failed = "title";
  else if (enc->Begin()) failed = "begin";
  if (failed.empty()) {
    const int frames = static_cast<int>(std::lround(2 * c.fps));
    const int blocks = 20;
    for (int i = 0; i < frames && failed.empty(); ++i) {
      auto frame = TestFrame(sw, sh, i);
      if (enc->WriteVideo(frame.data(), i, 0)) failed = "video";
      if (i % (frames / blocks + 1) == 0) {
        auto sound = TestSound(48000, 2, 48000 * 2 / blocks);
        if (enc->WriteAudio(sound.data(), static_cast<int>(sound.size() * 2), 0, 0)) failed = "audio";
      }
    }
    if (sizeDuring) *sizeDuring = enc->GetOutputSize();
    if (failed.empty() && enc->End()) failed = "end";
    if (sizeAfter) *sizeAfter = enc->GetOutputSize();
  }
  e.releaseEncoder(enc);
  return failed;
}

class MediaEngineFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(MediaEngineFormats, WritesWhatFFprobeReadsOrRefuses) {
  ASSERT_NE(TheEngine().createEncoder, nullptr);
  const FormatCase& c = GetParam();
  String path = OutputFolder() + c.container + "-" + c.videoCodec + "-" + c.audioCodec + ".out";
  ::DeleteFileA(path.c_str());
  String failed = WriteFile(c, path);
  if (!c.probedFormat) {
    EXPECT_NE(failed, "");
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "no file is left behind";
    return;
  }
  ASSERT_EQ(failed, "");
  auto probe = Probe(path);
  EXPECT_EQ(probe["format_name"], c.probedFormat);
  EXPECT_EQ(probe["video.codec_name"], c.probedVideo);
  EXPECT_EQ(probe["audio.codec_name"], c.probedAudio);
  EXPECT_EQ(probe["video.width"], std::to_string(c.width));
  EXPECT_EQ(probe["video.height"], std::to_string(c.height));
  EXPECT_EQ(probe["audio.sample_rate"], std::to_string(c.rate));
  EXPECT_EQ(probe["audio.channels"], std::to_string(c.channels));
  EXPECT_NEAR(std::atof(probe["duration"].c_str()), 2.0, 0.25);
}

INSTANTIATE_TEST_SUITE_P(Formats, MediaEngineFormats, testing::ValuesIn(kFormats));

TEST(MediaEngine, OutputSizeCountsTheBytesWritten) {
  String path = OutputFolder() + "size.avi";
  std::int64_t during = 0, after = 0;
  ASSERT_EQ(WriteFile(kFormats[0], path, &during, &after), "");
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
  EXPECT_GT(during, 0);
  EXPECT_LE(during, after);
  EXPECT_EQ(after, static_cast<std::int64_t>(data.nFileSizeLow));
}

// Values a profile can hold that make no picture or divide by zero.
TEST(MediaEngine, RefusesValuesThatMakeNoPicture) {
  Engine& e = TheEngine();
  MediaEncoder* enc = e.createEncoder((OutputFolder() + "refused.avi").c_str());
  ASSERT_NE(enc, nullptr);
  struct { int w, h; double fps; int sw, sh, pf, crop; } bad[] = {
      {320, 240, 0, 720, 576, 5, 0},   {320, 240, -25, 720, 576, 5, 0}, {320, 240, NAN, 720, 576, 5, 0},
      {-320, 240, 25, 720, 576, 5, 0}, {320, 0, 25, 720, 576, 5, 0},    {320, 240, 25, 721, 576, 5, 0},
      {320, 240, 25, 720, 576, 9, 0},  {320, 240, 25, 720, 576, 5, 360}, {320, 240, 25, 720, 576, 5, -2},
  };
  for (const auto& b : bad) {
    EXPECT_NE(enc->SetVideoParams(b.w, b.h, 800000, b.fps, b.sw, b.sh, b.pf, b.crop, b.crop, 0, 0, 0, 0, 0, 0), 0)
        << b.w << "x" << b.h << " at " << b.fps;
  }
  EXPECT_NE(enc->SetAudioParams(0, 2, 128000, 48000, 2), 0);
  EXPECT_NE(enc->SetAudioParams(44100, 2, 128000, 48000, 0), 0);
  EXPECT_NE(enc->SetOption("aspect", "0"), 0);
  EXPECT_NE(enc->SetOption("aspect", "4:0"), 0);
  EXPECT_EQ(enc->SetOption("aspect", "16:9"), 0);
  EXPECT_NE(enc->SetOption("video_rc_max_rate", "fast"), 0);
  EXPECT_NE(enc->SetOption("no_such_option", "1"), 0);
  EXPECT_EQ(enc->SetOption("g", "25"), 0) << "FFmpeg's own options pass";
  EXPECT_NE(enc->SetFormat("no_such_container"), 0);
  EXPECT_NE(enc->Begin(), 0) << "nothing was configured";
  EXPECT_NE(enc->WriteVideo(nullptr, 0, 0), 0);
  e.releaseEncoder(enc);
}

// A source whose top half is white and bottom half black, 4:3, into a 16:9 frame.
TEST(MediaEngine, ScalerCropsScalesAndKeepsProportions) {
  Engine& e = TheEngine();
  FrameScaler* scaler = e.createScaler();
  ASSERT_NE(scaler, nullptr);
  const int sw = 64, sh = 48;
  std::vector<std::uint8_t> frame(YUV420PFrameSize(sw, sh), 128);
  for (int y = 0; y < sh; ++y)
    for (int x = 0; x < sw; ++x) frame[y * sw + x] = y < sh / 2 ? 235 : 16;
  EXPECT_EQ(scaler->Process(frame.data()), 0) << "not configured";
  ASSERT_NE(scaler->Configure(128, 48, sw, sh, pfYUV420P, 1, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(scaler->GetWidth(), 128);
  EXPECT_EQ(scaler->GetHeight(), 48);
  ASSERT_NE(scaler->Process(frame.data()), 0);
  auto* out = static_cast<const std::uint8_t*>(scaler->GetOutput());
  EXPECT_LE(out[10 * 128 + 2], 20) << "bar at the left";
  EXPECT_GE(out[10 * 128 + 64], 220) << "white top half in the middle";
  EXPECT_LE(out[40 * 128 + 64], 30) << "black bottom half";
  EXPECT_LE(out[10 * 128 + 125], 20) << "bar at the right";
  // Cropping the top half away leaves a black picture.
  ASSERT_NE(scaler->Configure(32, 24, sw, sh, pfYUV420P, 0, 0, 0, 24, 0, 0, 0, 0, 0), 0);
  ASSERT_NE(scaler->Process(frame.data()), 0);
  out = static_cast<const std::uint8_t*>(scaler->GetOutput());
  EXPECT_LE(out[0], 30);
  EXPECT_EQ(scaler->Configure(31, 24, sw, sh, pfYUV420P, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0) << "format 5 is even";
  EXPECT_EQ(scaler->Configure(32, 24, sw, sh, pfYUV420P, 0, 40, 40, 0, 0, 0, 0, 0, 0), 0) << "nothing left";
  EXPECT_EQ(scaler->Process(frame.data()), 0);
  e.releaseScaler(scaler);
}

TEST(MediaEngine, ColorConverterWritesBottomRowFirst) {
  Engine& e = TheEngine();
  ColorConverter* cc = e.createConverter();
  ASSERT_NE(cc, nullptr);
  EXPECT_EQ(cc->GetOutputSize(), 0);
  EXPECT_EQ(cc->Init(16, 16, pfYUV420P, 7), 0) << "only to format 3";
  ASSERT_NE(cc->Init(16, 16, pfYUV420P, pfBGR32BottomUp), 0);
  EXPECT_EQ(cc->GetOutputSize(), 16 * 16 * 4);
  std::vector<std::uint8_t> frame(YUV420PFrameSize(16, 16), 128);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) frame[y * 16 + x] = y < 8 ? 235 : 16;
  std::vector<std::uint8_t> pixels(cc->GetOutputSize());
  ASSERT_NE(cc->Convert(frame.data(), pixels.data()), 0);
  EXPECT_LE(pixels[0], 10) << "the first row written is the bottom (black) one";
  EXPECT_GE(pixels[15 * 16 * 4], 245) << "the last row is the top (white) one";
  EXPECT_EQ(cc->Convert(nullptr, pixels.data()), 0);
  e.releaseConverter(cc);
}

}  // namespace

// ---------------------------------------------------------------------------
// The Windows Media and RealMedia plug-ins' video interfaces, driven the way the
// program's encoder objects drive them.

#include "engines/EncRA/RealPluginInterface.h"
#include "engines/EncWMA/WMVPluginInterface.h"

namespace {

struct PluginModule {
  HMODULE module;
  explicit PluginModule(const char* name) : module(::LoadLibraryA((BuiltProgramFolder() + name).c_str())) {}
  ~PluginModule() {
    if (module) ::FreeLibrary(module);
  }
  template <class F>
  F Get(const char* name) const {
    return reinterpret_cast<F>(::GetProcAddress(module, name));
  }
};

std::int64_t FileSize(const String& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct WMVCase {
  int videoCodec, audioCodec, audioFormat;
  int width, height;
  const char* video;
  const char* audio;
  int rate, channels;
  bool begins;
};

TEST(MediaPlugins, WindowsMediaVideoFilesAreWhatFFprobeReads) {
  PluginModule wma("EncWMA.dll");
  ASSERT_NE(wma.module, nullptr);
#define GET(name) auto name = wma.Get<WMV##name##Entry>("WMV_" #name); ASSERT_NE(name, nullptr);
  GET(Init) GET(Uninit) GET(SetAudioCodecAndFormat) GET(SetVideoCodec) GET(SetVideoBitrate) GET(SetVideoFPS)
  GET(SetVideoWidth) GET(SetVideoHeight) GET(SetInputParms) GET(SetupDestinationFile) GET(SetVideoTag)
  GET(BeginEncoding) GET(EndEncoding) GET(EncodeVideoSample) GET(EncodeAudioSample) GET(GetOutputSize)
  GET(GetVideoCodecName) GET(GetAudioCodecName)
#undef GET
  char name[kPluginNameBufferSize];
  GetVideoCodecName(0, name);
  EXPECT_STREQ(name, "Windows Media Video 8");
  GetAudioCodecName(1, name);
  EXPECT_STREQ(name, "Windows Media Audio 8");
  const WMVCase cases[] = {
      {0, 1, 2, 320, 240, "wmv2", "wmav2", 44100, 2, true},
      {1, 1, 5, 176, 144, "wmv1", "wmav2", 32000, 1, true},
      {0, 0, 1, 320, 240, "wmv2", "wmav1", 44100, 2, true},
      {0, 1, 2, 321, 240, nullptr, nullptr, 0, 0, false},  // format 5 frames are even
      {5, 1, 2, 320, 240, nullptr, nullptr, 0, 0, false},  // no such codec
  };
  for (const WMVCase& c : cases) {
    ASSERT_TRUE(Init());
    String path = OutputFolder() + "wmv-" + std::to_string(c.videoCodec) + "-" + std::to_string(c.width) + ".wmv";
    ::DeleteFileA(path.c_str());
    SetAudioCodecAndFormat(c.audioCodec, c.audioFormat);
    SetVideoCodec(c.videoCodec);
    SetVideoBitrate(400000);
    SetVideoFPS(25);
    SetVideoWidth(c.width);
    SetVideoHeight(c.height);
    SetInputParms(1, 1, c.width, c.height, 25, 1, 5, 48000, 2);
    SetupDestinationFile(path.c_str());
    SetVideoTag("Title", "Author", "", "", "");
    ASSERT_EQ(BeginEncoding(), c.begins) << path;
    if (!c.begins) {
      EXPECT_EQ(FileSize(path), -1);
      continue;
    }
    auto sound = TestSound(48000, 2, 4800);
    for (int i = 0; i < 50; ++i) {
      auto frame = TestFrame(c.width, c.height, i);
      ASSERT_TRUE(EncodeVideoSample(frame.data(), i, 0));
      if (i % 5 == 0) {
        ASSERT_TRUE(EncodeAudioSample(sound.data(), static_cast<int>(sound.size() * 2), 0, 0));
      }
    }
    ASSERT_TRUE(EndEncoding());
    EXPECT_EQ(static_cast<std::int64_t>(GetOutputSize()), FileSize(path));
    auto probe = Probe(path);
    EXPECT_EQ(probe["format_name"], "asf");
    EXPECT_EQ(probe["video.codec_name"], c.video);
    EXPECT_EQ(probe["audio.codec_name"], c.audio);
    EXPECT_EQ(probe["video.width"], std::to_string(c.width));
    EXPECT_EQ(probe["audio.sample_rate"], std::to_string(c.rate));
    EXPECT_EQ(probe["audio.channels"], std::to_string(c.channels));
    EXPECT_NEAR(std::atof(probe["duration"].c_str()), 2.0, 0.3);
    Uninit();
  }
}

struct RealCase {
  int version, audioCodec, width, height;
  const char* video;
  const char* audio;
  int rate, channels;
};

TEST(MediaPlugins, RealMediaFilesAreWhatFFprobeReads) {
  PluginModule ra("EncRA.dll");
  ASSERT_NE(ra.module, nullptr);
#define GET(name) auto name = ra.Get<Real##name##Entry>("Real_" #name); ASSERT_NE(name, nullptr);
  GET(CreateEncoderHandle) GET(FreeEncoderHandle) GET(SetInputParms) GET(SetupDestinationFile) GET(SetupMediaProfile)
  GET(SetParamsMode) GET(SetManualSettingsParams) GET(SetUse2Pass) GET(SetupTag) GET(BeginEncoding) GET(EndEncoding)
  GET(EncodeVideoSample) GET(EncodeAudioSample) GET(GetOutputSize) GET(GetAudioCodecCount) GET(GetAudioCodecName)
#undef GET
  const RealCase cases[] = {
      {2, 0, 176, 144, "rv20", "ac3", 44100, 2},
      {1, 2, 320, 240, "rv20", "ac3", 48000, 2},
      {0, 3, 176, 144, "rv10", "ra_144", 8000, 1},
  };
  for (const RealCase& c : cases) {
    RealEncoderHandle h = CreateEncoderHandle();
    ASSERT_NE(h, 0u);
    String path = OutputFolder() + "real-" + std::to_string(c.version) + ".rm";
    ::DeleteFileA(path.c_str());
    SetInputParms(h, 1, 1, c.width, c.height, 25, 1, 5, 48000, 2);
    EXPECT_FALSE(SetupDestinationFile(h, "")) << "an empty path is refused";
    ASSERT_TRUE(SetupDestinationFile(h, path.c_str()));
    ASSERT_TRUE(SetupMediaProfile(h, 0, 0));
    SetParamsMode(h, 1);
    RealManualSettings s{};
    s.VideoVersion = c.version;
    s.NoiseReduction = 2;
    s.FrameRate = 25;
    s.VideoKbps = s.MaxVideoKbps = s.TargetVideoKbps = 300;
    s.Quality = 90;
    s.AudioCodec = c.audioCodec;
    s.BufferSeconds = 4;
    s.KeyframeSeconds = 10;
    s.Flag1 = s.Flag2 = 1;
    SetManualSettingsParams(h, &s);
    SetUse2Pass(h, 0);
    ASSERT_TRUE(SetupTag(h, "Title", "", "", "", ""));
    ASSERT_TRUE(BeginEncoding(h)) << path;
    auto sound = TestSound(48000, 2, 4800);
    for (int i = 0; i < 50; ++i) {
      auto frame = TestFrame(c.width, c.height, i);
      ASSERT_TRUE(EncodeVideoSample(h, frame.data(), i, 0, 0, 0));
      if (i % 5 == 0) {
        ASSERT_TRUE(EncodeAudioSample(h, sound.data(), static_cast<int>(sound.size() * 2), 0, 0, 0, 0));
      }
    }
    ASSERT_TRUE(EndEncoding(h));
    EXPECT_EQ(GetOutputSize(h), static_cast<std::uint32_t>(FileSize(path) / 1048576));
    FreeEncoderHandle(h);
    auto probe = Probe(path);
    EXPECT_EQ(probe["format_name"], "rm");
    EXPECT_EQ(probe["video.codec_name"], c.video);
    EXPECT_EQ(probe["audio.codec_name"], c.audio);
    EXPECT_EQ(probe["video.width"], std::to_string(c.width));
    EXPECT_EQ(probe["audio.sample_rate"], std::to_string(c.rate));
    EXPECT_EQ(probe["audio.channels"], std::to_string(c.channels));
    EXPECT_NEAR(std::atof(probe["duration"].c_str()), 2.0, 0.3);
  }
  // The codec list names what is written; the voice codec is marked as such.
  char name[1024];
  ASSERT_EQ(GetAudioCodecCount(0), 4);
  GetAudioCodecName(0, 3, name);
  EXPECT_NE(String(name).find("(voice)"), String::npos);
}

}  // namespace
