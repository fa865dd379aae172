// The six media-engine encoder objects made by their profiles, against an engine
// that logs every call: the order of the configuration calls for each format and
// for a table of profiles, failures at any step, and the encoding operations.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "app/VideoEncoder.h"
#include "app/VideoProfiles.h"

namespace {

std::vector<String> calls;  // the engine calls of the running test, in order
std::set<String> refused;   // calls (by their logged text) the engine refuses
bool createFails = false;
int released = 0;

class LoggingEncoder final : public MediaEncoder {
public:
  std::uint8_t Log(const String& text) {
    calls.push_back(text);
    return refused.count(text) ? 1 : 0;
  }
  std::uint8_t SetVideoCodec(const char* n) override { return Log(String("SetVideoCodec ") + n); }
  std::uint8_t SetAudioCodec(const char* n) override { return Log(String("SetAudioCodec ") + n); }
  std::uint8_t SetFormat(const char* n) override { return Log(String("SetFormat ") + n); }
  std::uint8_t SetAudioParams(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, std::int32_t e) override {
    return Log("SetAudioParams " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + " " +
               std::to_string(d) + " " + std::to_string(e));
  }
  std::uint8_t SetVideoParams(std::int32_t w, std::int32_t h, std::int32_t br, double fps, std::int32_t sw,
                              std::int32_t sh, std::int32_t pf, std::int32_t cl, std::int32_t cr, std::int32_t ct,
                              std::int32_t cb, std::int32_t r1, std::int32_t r2, std::int32_t r3,
                              std::int32_t r4) override {
    char text[200];
    std::snprintf(text, sizeof text, "SetVideoParams %d %d %d %g %d %d %d %d %d %d %d %d %d %d %d", w, h, br, fps, sw,
                  sh, pf, cl, cr, ct, cb, r1, r2, r3, r4);
    return Log(text);
  }
  std::uint8_t Unused1() override { return Log("Unused"); }
  std::uint8_t Unused2() override { return Log("Unused"); }
  std::uint8_t Unused3() override { return Log("Unused"); }
  std::uint8_t Unused4() override { return Log("Unused"); }
  std::uint8_t Unused5() override { return Log("Unused"); }
  std::uint8_t Unused6() override { return Log("Unused"); }
  std::uint8_t Begin() override { return Log("Begin"); }
  std::uint8_t End() override { return Log("End"); }
  std::uint8_t WriteVideo(const void*, std::int32_t a, std::int32_t b) override {
    return Log("WriteVideo " + std::to_string(a) + " " + std::to_string(b));
  }
  std::uint8_t WriteAudio(const std::int16_t*, std::int32_t n, std::int32_t a, std::int32_t b) override {
    return Log("WriteAudio " + std::to_string(n) + " " + std::to_string(a) + " " + std::to_string(b));
  }
  std::uint8_t SetOption(const char* n, const char* v) override { return Log(String("SetOption ") + n + "=" + v); }
  std::int64_t GetOutputSize() override { return 4242; }
};

MediaEncoder* VARNEL_STDCALL Create(const char* path) {
  calls.push_back(String("Create ") + path);
  return createFails ? nullptr : new LoggingEncoder();
}
void VARNEL_STDCALL Release(MediaEncoder* e) {
  ++released;
  calls.push_back("Release");
  delete static_cast<LoggingEncoder*>(e);
}

class VideoEncoderObjects : public testing::Test {
protected:
  void SetUp() override {
    functions_.CreateMediaEncoder = Create;
    functions_.ReleaseMediaEncoder = Release;
    SetMediaEngineFunctions(&functions_);
    RegisterVideoEncoderObjects();
    calls.clear();
    refused.clear();
    createFails = false;
    released = 0;
  }
  void TearDown() override {
    SetMediaEngineFunctions(nullptr);
    for (int k = 0; k < kVideoFormatKindCount; ++k) SetEncoderObjectFactory(static_cast<VideoFormatKind>(k), nullptr);
  }

  // Makes the object as the conversion driver does: 720 x 576 source, format 5,
  // 25/1, 48 kHz stereo, crops 1 2 3 4 (left right top bottom).
  std::unique_ptr<TEncoderObject> Make(TVideoProfile& profile, bool keepAspect = false, int sw = 720,
                                       int sh = 576) {
    return std::unique_ptr<TEncoderObject>(profile.CreateEncoderObject("out.file", sw, sh, 5, 25, 1, 48000, 2,
                                                                       keepAspect, false, 1, 2, 3, 4, 0, 0, 0, 0));
  }

  MediaEngineFunctions functions_;
};

const char* const kCreate = "Create out.file";
const char* const kBitexact = "SetOption bitexact=1";
const char* const kAspect = "SetOption fix_aspect_ratio=1";

std::vector<String> Rate(int max, int min, int buffer) {
  return {"SetOption video_rc_max_rate=" + std::to_string(max), "SetOption video_rc_min_rate=" + std::to_string(min),
          "SetOption video_rc_buffer_size=" + std::to_string(buffer)};
}

std::vector<String> Join(std::initializer_list<std::vector<String>> parts) {
  std::vector<String> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(VideoEncoderObjects, EachFormatConfiguresTheEngineInItsOrder) {
  TAVIProfile avi("a", "");
  TMPEGProfile mpeg("m", "");
  T3GPProfile gp("g", "");
  TMP4Profile mp4("4", "");
  TMOVProfile mov("q", "");
  TFLVProfile flv("f", "");
  struct Case {
    TVideoProfile* profile;
    std::vector<String> expected;
  } cases[] = {
      {&avi, Join({{kCreate, "SetFormat avi", kBitexact, kAspect,
                    "SetVideoParams 320 240 768000 23.97 720 576 5 1 2 3 4 0 0 0 0", "SetVideoCodec mpeg4"},
                   Rate(768000, 768000, 768000),
                   {"SetAudioCodec mp3", "SetAudioParams 44100 2 96000 48000 2"}})},
      {&mpeg, Join({{kCreate, "SetFormat dvd", "SetVideoCodec mpeg2video", kAspect,
                     "SetVideoParams 320 240 1150000 23.97 720 576 5 1 2 3 4 0 0 0 0"},
                    Rate(1150000, 1150000, 1150000),
                    {"SetAudioCodec mp2", "SetAudioParams 48000 2 224000 48000 2"}})},
      {&gp, {kCreate, "SetFormat 3gp", kBitexact, kAspect, "SetVideoParams 176 144 120000 15 720 576 5 1 2 3 4 0 0 0 0",
             "SetVideoCodec mpeg4", "SetOption video_bit_rate_tolerance=60000", "SetAudioCodec aac",
             "SetAudioParams 16000 1 48000 48000 2"}},
      {&mp4, Join({{kCreate, "SetFormat mp4", kBitexact, kAspect,
                    "SetVideoParams 320 240 768000 23.97 720 576 5 1 2 3 4 0 0 0 0", "SetVideoCodec mpeg4"},
                   Rate(768000, 768000, 768000),
                   {"SetAudioCodec aac", "SetAudioParams 48000 2 96000 48000 2"}})},
      {&mov, {kCreate, "SetFormat mov", kBitexact, kAspect, "SetVideoParams 320 240 768000 23.97 720 576 5 1 2 3 4 0 0 0 0",
              "SetVideoCodec mpeg4", "SetAudioCodec aac", "SetAudioParams 48000 2 96000 48000 2"}},
      {&flv, {kCreate, "SetFormat flv", kBitexact, kAspect, "SetVideoParams 320 240 768000 24 720 576 5 1 2 3 4 0 0 0 0",
              "SetVideoCodec flv", "SetAudioCodec mp3", "SetAudioParams 44100 2 96000 48000 2"}},
  };
  for (const Case& c : cases) {
    calls.clear();
    auto object = Make(*c.profile, true);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(calls, c.expected) << c.profile->ProfileName;
  }
}

// One profile field changed from the defaults, and the calls it changes.
struct ProfileCase {
  const char* name;
  std::function<TVideoProfile*()> make;
  std::vector<String> present;  // calls that must appear, in this order
  std::vector<String> absent;
};

TEST_F(VideoEncoderObjects, ProfileValuesChooseNamesSizesAndOptions) {
  auto avi = [](int codec, int audio, int w, int h) {
    auto* p = new TAVIProfile("a", "");
    p->AVIVideoCodec = codec;
    p->AVIAudioCodec = audio;
    p->Width = w;
    p->Height = h;
    return p;
  };
  const ProfileCase cases[] = {
      {"AVI h264 at 0x0 from 719x479 is x16", [&] { return avi(7, 0, 0, 0); },
       {"SetVideoParams 704 464 768000 23.97 719 479 5 1 2 3 4 0 0 0 0", "SetVideoCodec h264"}, {}},
      {"AVI mpeg4 at 0x0 from 719x479 is even", [&] { return avi(0, 0, 0, 0); },
       {"SetVideoParams 718 478 768000 23.97 719 479 5 1 2 3 4 0 0 0 0"}, {}},
      {"AVI xvid with DIVX tag", [&] { return avi(1, 1, 320, 240); },
       {"SetVideoCodec xvid", "SetOption vcodecTag=DIVX", "SetAudioCodec pcm_s16le"}, {}},
      {"AVI codec 12 is mpeg4, audio 9 is mp3", [&] { return avi(12, 9, 320, 240); },
       {"SetVideoCodec mpeg4", "SetAudioCodec mp3"}, {"SetOption vcodecTag=DIVX"}},
      {"AVI table", [&] { return avi(8, 5, 320, 240); }, {"SetVideoCodec zlib", "SetAudioCodec ac3"}, {}},
      {"MPEG-1 with audio type 7", [] { auto* p = new TMPEGProfile("m", ""); p->MPEGVersion = 0; p->MPEGAudioType = 7; return p; },
       {"SetFormat mpeg", "SetVideoCodec mpeg1video", "SetAudioCodec mp2"}, {"SetFormat dvd"}},
      {"MPEG VBR", [] { auto* p = new TMPEGProfile("m", ""); p->UseVBR = true; p->VideoVBRMaxBitrate = 2000000; p->VideoVBRMinBitrate = 100; return p; },
       {"SetOption video_rc_max_rate=2000000", "SetOption video_rc_min_rate=100", "SetOption video_rc_buffer_size=2000000"}, {}},
      {"3GP 175x143 as is, 3G2, h263 and amr_nb", [] { auto* p = new T3GPProfile("g", ""); p->Width = 175; p->Height = 143; p->Format3GP = 1; p->VideoCodec = 0; p->AudioCodec = 0; return p; },
       {"SetFormat 3g2", "SetVideoParams 175 143 120000 15 719 479 5 1 2 3 4 0 0 0 0", "SetVideoCodec h263", "SetAudioCodec amr_nb"}, {}},
      {"MP4 h264 x16 and additional f=avi last", [] {
         auto* p = new TMP4Profile("4", ""); p->MP4VideoCodec = 3; p->Width = 330; p->Height = 250;
         p->AdditionalParamKeys->Add("g"); p->AdditionalParamValues->Add("2");
         p->AdditionalParamKeys->Add("f"); p->AdditionalParamValues->Add("avi"); return p; },
       {"SetVideoParams 320 240 768000 23.97 719 479 5 1 2 3 4 0 0 0 0", "SetVideoCodec h264", "SetAudioParams 48000 2 96000 48000 2",
        "SetOption g=2", "SetFormat avi"}, {}},
      {"MOV xvid and no rate control", [] { auto* p = new TMOVProfile("q", ""); p->MOVVideoCodec = 2; p->UseVBR = true; return p; },
       {"SetVideoCodec xvid", "SetAudioCodec aac"}, {"SetOption video_rc_max_rate=768000"}},
  };
  for (const ProfileCase& c : cases) {
    std::unique_ptr<TVideoProfile> profile(c.make());
    calls.clear();
    auto object = Make(*profile, false, 719, 479);
    std::size_t at = 0;
    for (const String& call : c.present) {
      auto found = std::find(calls.begin() + at, calls.end(), call);
      EXPECT_NE(found, calls.end()) << c.name << ": " << call;
      if (found != calls.end()) at = found - calls.begin() + 1;
    }
    for (const String& call : c.absent) EXPECT_EQ(std::count(calls.begin(), calls.end(), call), 0) << c.name;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), kAspect), 0) << c.name << ": no keep-aspect flag";
  }
}

TEST_F(VideoEncoderObjects, BeginEncodeHandsOverTheTagTextsThenBegins) {
  TAVIProfile avi("a", "");
  auto object = Make(avi);
  object->SetTagTexts("T", "A", "", "C", "R");
  calls.clear();
  EXPECT_TRUE(object->BeginEncode());
  EXPECT_EQ(calls, (std::vector<String>{"SetOption str_title=T", "SetOption str_author=A", "SetOption str_copyright=",
                                        "SetOption str_comment=C", "SetOption rec_timestamp=R", "Begin"}));
  calls.clear();
  EXPECT_TRUE(object->EncodeVideo(nullptr, 7, 8, 9, 10));
  EXPECT_TRUE(object->EncodeAudio(nullptr, 4096, 5, 6, 7, 8));
  EXPECT_EQ(object->GetEncodedSize(), 4242);
  EXPECT_EQ(calls, (std::vector<String>{"WriteVideo 7 8", "WriteAudio 4096 5 6"}));
  calls.clear();
  object.reset();
  EXPECT_EQ(calls, (std::vector<String>{"End", "Release"}));
}

TEST_F(VideoEncoderObjects, ARefusedStepReleasesTheEngineAndBeginAnswersFalse) {
  TFLVProfile flv("f", "");
  const char* steps[] = {"SetFormat flv", "SetVideoCodec flv", "SetAudioParams 44100 2 96000 48000 2"};
  for (const char* step : steps) {
    calls.clear();
    refused = {step};
    released = 0;
    auto object = Make(flv);
    EXPECT_EQ(calls.back(), "Release") << step;
    EXPECT_EQ(calls[calls.size() - 2], step) << "nothing after the refused call";
    EXPECT_FALSE(object->BeginEncode());
    EXPECT_FALSE(object->EncodeVideo(nullptr, 0, 0, 0, 0));
    object.reset();
    EXPECT_EQ(released, 1);
  }
  // A refused tag text, and a refused Begin (which is ended first).
  for (const char* step : {"SetOption str_comment=", "Begin"}) {
    refused = {step};
    auto object = Make(flv);
    calls.clear();
    EXPECT_FALSE(object->BeginEncode()) << step;
    EXPECT_EQ(calls.back(), "Release");
    if (String(step) == "Begin") {
      EXPECT_EQ(calls[calls.size() - 2], "End");
    }
    calls.clear();
    object.reset();
    EXPECT_TRUE(calls.empty());
  }
}

TEST_F(VideoEncoderObjects, WithoutAnEngineNothingIsCalled) {
  createFails = true;
  TMP4Profile mp4("4", "");
  auto object = Make(mp4);
  EXPECT_EQ(calls, (std::vector<String>{kCreate}));
  EXPECT_FALSE(object->BeginEncode());
  EXPECT_TRUE(object->EndEncode());
}

// Values the engine would divide by, or sizes that make no picture, never reach it.
TEST_F(VideoEncoderObjects, ValuesThatMakeNoPictureAreRefusedBeforeAnyCall) {
  auto flv = [](double fps, int w, int h) {
    auto* p = new TFLVProfile("f", "");
    p->FrameRate = fps;
    p->Width = w;
    p->Height = h;
    return p;
  };
  std::function<TVideoProfile*()> cases[] = {
      [&] { return flv(0, 320, 240); },
      [&] { return flv(-25, 320, 240); },
      [&] { return flv(NAN, 320, 240); },
      [&] { return flv(INFINITY, 320, 240); },
      [&] { return flv(25, -320, 240); },
      [&] { return flv(25, 320, -2); },
      [&] {
        auto* p = flv(25, 320, 240);
        p->AdditionalParamKeys->Add("aspect");
        p->AdditionalParamValues->Add("0");
        return p;
      },
  };
  for (auto& make : cases) {
    std::unique_ptr<TVideoProfile> profile(make());
    calls.clear();
    auto object = Make(*profile);
    EXPECT_EQ(calls, (std::vector<String>{kCreate, "Release"}));
    EXPECT_FALSE(object->BeginEncode());
  }
  // A source of no size, or crops that leave nothing, are refused the same way.
  TFLVProfile plain("f", "");
  calls.clear();
  auto object = Make(plain, false, 0, 576);
  EXPECT_EQ(calls, (std::vector<String>{kCreate, "Release"}));
}

}  // namespace
