// The profile editor's format pages: every profile class survives being shown and
// read back, and the page rules (frame sizes, steps, codec lists, enable states).
#include <functional>
#include <memory>

#include "app/output/EditProfileFrm.h"
#include "app/output/OutputFormats.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/app/output/OutputFixture.h"

namespace {

class ProfilePages : public OutputFixture {
public:
  void SetUp() override {
    OutputFixture::SetUp();
    editor.reset(NewForm<TEditProfileForm>(nullptr));
  }
  void TearDown() override {
    editor.reset();
    OutputFixture::TearDown();
  }
  // What the page builds now, as a new profile of `kind`.
  std::unique_ptr<TVideoProfile> Read(int kind) {
    std::unique_ptr<TVideoProfile> read(NewVideoProfile(kind, String(), String()));
    editor->ReadPage(*read);
    return read;
  }
  std::unique_ptr<TEditProfileForm> editor;
};

template <class P>
std::function<TVideoProfile*()> Make(std::function<void(P&)> set) {
  return [set] {
    auto* profile = new P("Shown", String());
    set(*profile);
    return profile;
  };
}

TEST_F(ProfilePages, EveryProfileSurvivesShowAndRead) {
  struct Case {
    const char* name;
    std::function<TVideoProfile*()> make;
  } cases[] = {
      {"AVI defaults", Make<TAVIProfile>([](TAVIProfile&) {})},
      {"AVI H.264 VBR PCM", Make<TAVIProfile>([](TAVIProfile& p) {
         p.AVIVideoCodec = 7, p.UseVBR = true, p.VideoVBRMaxBitrate = 3000000, p.VideoVBRMinBitrate = 500000;
         p.AVIAudioCodec = 1, p.AudioFrequency = 22050, p.AudioChannels = 1, p.AudioBitrate = 384000;
         p.Width = 352, p.Height = 288, p.FrameRate = 29.97, p.VideoBitrate = 2500000;
       })},
      {"AVI custom size, each audio codec", Make<TAVIProfile>([](TAVIProfile& p) { p.Width = 123, p.Height = 77, p.AVIAudioCodec = 4; })},
      {"AVI A-LAW", Make<TAVIProfile>([](TAVIProfile& p) { p.AVIAudioCodec = 3; })},
      {"AVI ADPCM", Make<TAVIProfile>([](TAVIProfile& p) { p.AVIAudioCodec = 2; })},
      {"AVI AC3", Make<TAVIProfile>([](TAVIProfile& p) { p.AVIAudioCodec = 5; })},
      {"MPEG-1 VBR AC3", Make<TMPEGProfile>([](TMPEGProfile& p) {
         p.MPEGVersion = 0, p.UseVBR = true, p.VideoVBRMaxBitrate = 9000000, p.VideoVBRMinBitrate = 1000000;
         p.MPEGAudioType = 1, p.AudioFrequency = 48000, p.AudioChannels = 1, p.AudioBitrate = 448000, p.FrameRate = 25.0;
         p.Width = 480, p.Height = 576;
       })},
      {"MPEG defaults", Make<TMPEGProfile>([](TMPEGProfile&) {})},
      {"MP4 H.264 VBR", Make<TMP4Profile>([](TMP4Profile& p) {
         p.MP4VideoCodec = 3, p.UseVBR = true, p.VideoVBRMaxBitrate = 2000000, p.VideoVBRMinBitrate = 100000;
         p.FrameRate = 14.985, p.Width = 368, p.Height = 208, p.AudioBitrate = 32000;
       })},
      {"MOV DIVX", Make<TMOVProfile>([](TMOVProfile& p) {
         p.MOVVideoCodec = 1, p.AudioFrequency = 32000, p.AudioBitrate = 384000, p.FrameRate = 1.0;
       })},
      {"FLV", Make<TFLVProfile>([](TFLVProfile& p) { p.FrameRate = 24.0, p.AudioBitrate = 256000, p.VideoBitrate = 350000; })},
      {"WMV system profile", Make<TWMVProfile>([](TWMVProfile& p) {
         p.UseSystemProfile = true, p.SystemProfileName = "Windows Media Video 8 for Dial-up Modems (28.8 Kbps)";
         p.AudioFormatName = "32 kbps, 22 kHz, stereo CBR";
       })},
      {"WMV 9 VBR", Make<TWMVProfile>([](TWMVProfile& p) {
         p.WMV_Version = 2, p.UseVBR = true, p.VBRVideoQuality = 75, p.FrameRate = 4.0;
         p.SystemProfileName = "Windows Media Video 8 for Local Area Network (384 Kbps)";
         p.AudioFormatName = "32 kbps, 22 kHz, stereo CBR";
       })},
      {"RealVideo 9 VBR", Make<TRealProfile>([](TRealProfile& p) {
         p.RealVersion = 1, p.UseVBR = true, p.VideoVBRMaxBitrate = 2000000, p.VideoNoiseReduction = true;
         p.AudioFormatName = "Stereo Music - 64 kbps", p.FrameRate = 11.0;
       })},
      {"RealVideo 8 CBR", Make<TRealProfile>([](TRealProfile& p) {
         p.RealVersion = 0, p.VideoBitrate = 450000, p.VideoVBRMaxBitrate = 450000, p.AudioFormatName = "14.4 Voice";
       })},
      {"3GP H263 AMR-NB", Make<T3GPProfile>([](T3GPProfile& p) {
         p.VideoCodec = 0, p.Width = 352, p.Height = 288, p.FrameRate = 12.5, p.VideoBitrate = 40000;
         p.AudioCodec = 0, p.AudioFrequency = 8000, p.AudioChannels = 1, p.AudioBitrate = 5900;
         p.VideoBitrateTolerance = 100000;
       })},
      {"3GP2 XVID AMR-WB", Make<T3GPProfile>([](T3GPProfile& p) {
         p.Format3GP = 1, p.VideoCodec = 2, p.Width = 220, p.Height = 176, p.FrameRate = 23.98;
         p.AudioCodec = 1, p.AudioFrequency = 16000, p.AudioChannels = 1, p.AudioBitrate = 19850;
       })},
      {"3GP MPEG4 AAC", Make<T3GPProfile>([](T3GPProfile& p) {
         p.VideoCodec = 1, p.Width = 320, p.Height = 240, p.FrameRate = 30.0, p.VideoBitrate = 512000;
         p.AudioCodec = 2, p.AudioFrequency = 11025, p.AudioChannels = 2, p.AudioBitrate = 112000;
       })},
      {"additional parameters", Make<TFLVProfile>([](TFLVProfile& p) {
         p.AdditionalParamKeys->Add("qmin");
         p.AdditionalParamValues->Add("3");
         p.AdditionalParamKeys->Add("g");
         p.AdditionalParamValues->Add("250");
       })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TVideoProfile> shown(c.make());
    editor->ShowProfile(shown.get());
    EXPECT_TRUE(editor->PagePanel(shown->Kind)->Visible());
    std::unique_ptr<TVideoProfile> read = Read(shown->Kind);
    EXPECT_TRUE(read->IsEqual(shown.get()));
    EXPECT_EQ(read->AdditionalParamKeys->Text(), shown->AdditionalParamKeys->Text());
    EXPECT_EQ(read->AdditionalParamValues->Text(), shown->AdditionalParamValues->Text());
  }
}

TEST_F(ProfilePages, PageRules) {
  using E = TEditProfileForm;
  struct Case {
    const char* name;
    std::function<void(ProfilePages&, E&)> run;
  } cases[] = {
      {"Custom gives 0 x 0, 352 x 288 selects CIF",
       [](ProfilePages&, E& e) {
         e.cbAVIFrameSize->SetItemIndex(16);
         EXPECT_EQ(e.edtAVIWidth->Value(), 0);
         EXPECT_EQ(e.edtAVIHeight->Value(), 0);
         EXPECT_EQ(e.cbAVIFrameSize->Text(), "Custom");
         e.edtAVIWidth->SetValue(352);
         EXPECT_EQ(e.cbAVIFrameSize->Text(), "Custom");
         e.edtAVIHeight->SetValue(288);
         EXPECT_EQ(e.cbAVIFrameSize->Text(), "352 x 288 (CIF)");
       }},
      {"the FLV height edit matches its own list",
       [](ProfilePages&, E& e) {
         e.edtFLVWidth->SetValue(368);
         e.edtFLVHeight->SetValue(208);
         EXPECT_EQ(e.cbFLVFrameSize->Text(), "368 x 208");
       }},
      {"330 becomes 320 only with H.264",
       [](ProfilePages&, E& e) {
         for (auto [codec, expected] : {std::pair{3, 320}, std::pair{0, 330}}) {
           e.cbMP4VideoCodec->SetItemIndex(codec);
           e.edtMP4Width->SetValue(330);
           e.SizeEditExit(e.edtMP4Width);
           EXPECT_EQ(e.edtMP4Width->Value(), expected) << codec;
         }
         e.cbAVIVideoCodec->SetItemIndex(7);
         EXPECT_EQ(e.edtAVIHeight->Increment, 16);
         EXPECT_EQ(e.edtWMVHeight->Increment, 2);
       }},
      {"3GP lists follow the video codec",
       [](ProfilePages&, E& e) {
         e.cb3GPVideoCodec->SetItemIndex(0);
         e.cb3GPVideoCodecChange(nullptr);
         EXPECT_EQ(e.cb3GPFrameSize->Items()->Count(), 3);
         EXPECT_EQ(e.cb3GPFrameRate->Items()->Count(), 4);
         e.cb3GPVideoCodec->SetItemIndex(2);
         EXPECT_EQ(e.cb3GPFrameSize->Items()->Count(), 7);
         EXPECT_EQ(e.cb3GPFrameRate->Items()->Count(), 10);
         EXPECT_EQ(e.cb3GPFrameSize->Text(), "176 x 144 (QCIF)");
         EXPECT_EQ(e.cb3GPFrameRate->Text(), "15.00 fps");
       }},
      {"3GP lists follow the audio codec",
       [](ProfilePages&, E& e) {
         struct {
           int codec, frequencies, channels, bitrates;
           const char* bitrate;
         } rows[] = {{0, 1, 1, 8, "12.2 kbps"}, {1, 1, 1, 9, "23.85 kbps"}, {2, 9, 2, 8, "48 kbps"}};
         for (auto row : rows) {
           e.cb3GPAudioCodec->SetItemIndex(row.codec);
           e.cb3GPAudioCodecChange(nullptr);
           EXPECT_EQ(e.cb3GPFrequency->Items()->Count(), row.frequencies);
           EXPECT_EQ(e.cb3GPChannels->Items()->Count(), row.channels);
           EXPECT_EQ(e.cb3GPAudioBitrate->Items()->Count(), row.bitrates);
           EXPECT_EQ(e.cb3GPAudioBitrate->Text(), row.bitrate);
         }
       }},
      {"a 3GP page read before any 3GP profile was shown",
       [](ProfilePages& t, E&) {
         auto read = t.Read(vfk3GP);
         auto& p = static_cast<T3GPProfile&>(*read);
         EXPECT_EQ(p.Width, 176);
         EXPECT_EQ(p.Height, 144);
         EXPECT_EQ(p.FrameRate, 15.0);
         EXPECT_EQ(p.AudioFrequency, 8000);
         EXPECT_EQ(p.AudioBitrate, 12200);
       }},
      {"AMR-WB at 8.85 kbps",
       [](ProfilePages& t, E& e) {
         T3GPProfile p("WB", String());
         p.AudioCodec = 1, p.AudioBitrate = 8850, p.AudioFrequency = 16000, p.AudioChannels = 1;
         e.ShowProfile(&p);
         EXPECT_EQ(e.cb3GPAudioBitrate->Text(), "8.85 kbps");
         EXPECT_EQ(static_cast<T3GPProfile&>(*t.Read(vfk3GP)).AudioBitrate, 8850);
       }},
      {"AVIAudioCodec 7 shows MP3; no box checked keeps the default",
       [](ProfilePages& t, E& e) {
         TAVIProfile p("Seven", String());
         p.AVIAudioCodec = 7;
         e.ShowProfile(&p);
         EXPECT_TRUE(e.rbAVI_MP3->Checked());
         EXPECT_TRUE(e.cbAVIAudioBitrate->Enabled());
         e.rbAVI_MP3->SetChecked(false);
         EXPECT_EQ(static_cast<TAVIProfile&>(*t.Read(vfkAVI)).AVIAudioCodec, TAVIProfile("", "").AVIAudioCodec);
         e.rbAVI_PCM->SetChecked(true);
         EXPECT_FALSE(e.cbAVIAudioBitrate->Enabled());
       }},
      {"WMV without VBR shows 90 and stores 0; the quality pair stays equal",
       [](ProfilePages& t, E& e) {
         TWMVProfile p("NoVBR", String());
         p.VBRVideoQuality = 40;
         e.ShowProfile(&p);
         EXPECT_EQ(e.tbWMVVBRQuality->Value(), 90);
         EXPECT_EQ(e.edtWMVVBRQuality->Value(), 90);
         EXPECT_FALSE(e.edtWMVVBRQuality->Enabled());
         EXPECT_EQ(static_cast<TWMVProfile&>(*t.Read(vfkWMV)).VBRVideoQuality, 0);
         e.chkWMVUseVBR->SetChecked(true);
         EXPECT_TRUE(e.tbWMVVBRQuality->Enabled());
         e.edtWMVVBRQuality->SetValue(55);
         EXPECT_EQ(e.tbWMVVBRQuality->Value(), 55);
         e.tbWMVVBRQuality->SetValue(70);
         EXPECT_EQ(e.edtWMVVBRQuality->Value(), 70);
         e.chkUseSystemProfile->SetChecked(true);
         EXPECT_TRUE(e.cbSystemProfile->Enabled());
         EXPECT_FALSE(e.edtWMVWidth->Enabled());
         EXPECT_TRUE(e.cbWMVFrameRate->Enabled());
       }},
      {"Real Video 8 forces CBR",
       [](ProfilePages& t, E& e) {
         TRealProfile p("RV8", String());
         p.RealVersion = 0, p.UseVBR = true;
         e.ShowProfile(&p);
         EXPECT_TRUE(e.rbRealUseCBR->Checked());
         EXPECT_FALSE(e.rbRealUseVBR->Enabled());
         EXPECT_FALSE(static_cast<TRealProfile&>(*t.Read(vfkReal)).UseVBR);
       }},
      {"a rate no entry has leaves no selection and is kept",
       [](ProfilePages& t, E& e) {
         TAVIProfile p("Odd", String());
         p.FrameRate = 23.976;
         p.AudioFrequency = 12345;
         e.ShowProfile(&p);
         EXPECT_EQ(e.cbAVIFrameRate->ItemIndex(), -1);
         EXPECT_EQ(e.cbAVIFrequency->ItemIndex(), -1);
         auto read = t.Read(vfkAVI);
         EXPECT_EQ(static_cast<TAVIProfile&>(*read).FrameRate, 23.976);
         EXPECT_EQ(static_cast<TAVIProfile&>(*read).AudioFrequency, 12345);
       }},
      {"B's parameters after A's, across pages",
       [](ProfilePages&, E& e) {
         TAVIProfile a("A", String());
         a.AdditionalParamKeys->Add("a");
         a.AdditionalParamValues->Add("1");
         TMOVProfile b("B", String());
         b.AdditionalParamKeys->Add("b");
         b.AdditionalParamValues->Add("2");
         e.ShowProfile(&a);
         e.ShowProfile(&b);
         EXPECT_EQ(e.AdditionalParamKeys()->Text(), "b\r\n");
         EXPECT_EQ(e.AdditionalParamValues()->Text(), "2\r\n");
         EXPECT_EQ(e.pcFormats->ActivePageIndex(), 5);
       }},
      {"CBR shows the bit rate as the maximum and 0 as the minimum",
       [](ProfilePages&, E& e) {
         TMPEGProfile p("CBR", String());
         p.VideoBitrate = 4000000, p.VideoVBRMaxBitrate = 9000000, p.VideoVBRMinBitrate = 100000;
         e.ShowProfile(&p);
         EXPECT_EQ(e.edtMPEGVideoVBRMaxBitrate->Value(), 4000);
         EXPECT_EQ(e.edtMPEGVideoVBRMinBitrate->Value(), 0);
         EXPECT_FALSE(e.edtMPEGVideoVBRMaxBitrate->Enabled());
         e.rbMPEGUseVBR->SetChecked(true);
         EXPECT_TRUE(e.edtMPEGVideoVBRMinBitrate->Enabled());
       }},
      {"showing nothing hides every page",
       [](ProfilePages&, E& e) {
         e.ShowProfile(nullptr);
         EXPECT_EQ(e.edtName->Text(), "(empty)");
         for (int kind = 0; kind < kVideoFormatKindCount; ++kind) EXPECT_FALSE(e.PagePanel(kind)->Visible());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor.reset(NewForm<TEditProfileForm>(nullptr));
    c.run(*this, *editor);
  }
}

}  // namespace
