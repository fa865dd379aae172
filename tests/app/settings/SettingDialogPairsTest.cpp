// The pairs each setting dialog writes: pressed OK at once, and after the choices
// that change them (the coupled lists, the enable rules, the typed values).
#include <functional>

#include "app/settings/AACSettingFrm.h"
#include "app/settings/APESettingFrm.h"
#include "app/settings/LameSettingFrm.h"
#include "app/settings/MusePackSettingFrm.h"
#include "app/settings/OggSettingFrm.h"
#include "app/settings/WaveSettingFrm.h"
#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzRadioButton.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/controls/Application.h"
#include "platform/core/SystemCalls.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/Label.h"
#include "tests/app/settings/SettingDialogFixture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/WindowPump.h"

namespace {

#define MP3_TAIL "6=-1,7=2,8=-1,40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=0,22=1,23=19500,25=0,26=800,29=0,30=0,31=0,32=50,33=0,34=0"
#define MP3_FLAGS "40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=0,22=1,23=19500,25=0,26=800,29=0,30=0,31=0,32=50,33=0,34=0"

}  // namespace

TEST_F(SettingDialogTest, OkAtOnceWritesTheInitialPairs) {
  struct Case {
    const char* dialog;
    std::unique_ptr<TSettingBaseForm> (*open)();
    const char* pairs;
  } cases[] = {
      {"AAC", OpenDialog<AacPreset>, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1"},
      {"M4A", OpenDialog<Mp4Preset>, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1"},
      {"APE", OpenDialog<ApePreset>, "0=0,1=3000"},
      {"MP3", OpenDialog<LamePreset>, "0=0,1=128,10=0," MP3_TAIL},
      {"Ogg Vorbis", OpenDialog<OggPreset>, "0=0,1=400"},
      {"WAV", OpenDialog<WavPreset>, "0=2,1=-1,2=-1"},
      {"Musepack", OpenDialog<MpcPreset>, "0=500"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TSettingBaseForm> form = c.open();
    ASSERT_NE(form, nullptr) << c.dialog;
    EXPECT_EQ(form->Caption(), "Encoder Settings") << c.dialog;
    EXPECT_EQ(form->btnOK->Caption(), "&OK") << c.dialog;
    EXPECT_TRUE(PressOK(form.get())) << c.dialog;
    EXPECT_EQ(Pairs(form.get()), c.pairs) << c.dialog;
  }
}

namespace {

template <class Form>
Form* As(TSettingBaseForm* form) {
  auto* typed = dynamic_cast<Form*>(form);
  EXPECT_NE(typed, nullptr);
  return typed;
}

TLameSettingForm* Lame(TSettingBaseForm* f) { return As<TLameSettingForm>(f); }
TOggSettingForm* Ogg(TSettingBaseForm* f) { return As<TOggSettingForm>(f); }
TMusePackSettingForm* Mpc(TSettingBaseForm* f) { return As<TMusePackSettingForm>(f); }

const char kMpeg1Bitrates[] = "32,40,48,56,64,80,96,112,128,160,192,224,256,320";
const char kMpeg2Bitrates[] = "8,16,24,32,40,48,56,64,80,96,112,128,144,160";

struct StateCase {
  const char* name;
  std::unique_ptr<TSettingBaseForm> (*open)();
  std::function<void(TSettingBaseForm*)> act;
  const char* pairs;
  std::function<void(TSettingBaseForm*)> check;  // what the dialog shows then; may be empty
};

}  // namespace

TEST_F(SettingDialogTest, ChoicesChangeTheShownStateAndThePairs) {
  const StateCase cases[] = {
      // AAC and M4A
      {"AAC: the quality label shows the slider from the start, the slider waits for its box",
       OpenDialog<AacPreset>, [](TSettingBaseForm*) {}, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1",
       [](TSettingBaseForm* f) {
         auto* aac = As<TAACSettingForm>(f);
         EXPECT_EQ(aac->lblQuality->Caption(), "100");
         EXPECT_FALSE(aac->tbQuality->Enabled());
         EXPECT_FALSE(aac->Label100->Enabled());
         EXPECT_TRUE(aac->cbMPEGVersion->Enabled());
       }},
      {"AAC: quantizer quality checked, slider untouched", OpenDialog<AacPreset>,
       [](TSettingBaseForm* f) { As<TAACSettingForm>(f)->chkQuality->SetChecked(true); },
       "1=100,0=-1,2=18000,3=0,4=1,6=1,5=1",
       [](TSettingBaseForm* f) { EXPECT_TRUE(As<TAACSettingForm>(f)->tbQuality->Enabled()); }},
      {"AAC: slider moved", OpenDialog<AacPreset>,
       [](TSettingBaseForm* f) {
         As<TAACSettingForm>(f)->chkQuality->SetChecked(true);
         As<TAACSettingForm>(f)->tbQuality->SetPosition(37);
       },
       "1=37,0=-1,2=18000,3=0,4=1,6=1,5=1",
       [](TSettingBaseForm* f) { EXPECT_EQ(As<TAACSettingForm>(f)->lblQuality->Caption(), "37"); }},
      {"AAC: MPEG 2, 128000 bps, 16000 Hz, LTP, no TNS, no mid/side", OpenDialog<AacPreset>,
       [](TSettingBaseForm* f) {
         auto* aac = As<TAACSettingForm>(f);
         PickItem(aac->cbMPEGVersion, 0);
         PickItem(aac->cbBitrate, 5);
         PickItem(aac->cbBandwidth, 0);
         PickItem(aac->cbAACObjectType, 2);
         aac->chkUseTNS->SetChecked(false);
         aac->chkAllowMidSide->SetChecked(false);
       },
       "1=-1,0=128000,2=16000,3=1,4=3,6=0,5=0", nullptr},
      {"M4A: MPEG 4 fixed", OpenDialog<Mp4Preset>, [](TSettingBaseForm*) {}, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1",
       [](TSettingBaseForm* f) {
         auto* aac = As<TAACSettingForm>(f);
         EXPECT_EQ(aac->cbMPEGVersion->ItemIndex(), 1);
         EXPECT_FALSE(aac->cbMPEGVersion->Enabled());
       }},
      // APE
      {"APE: ID3 tag, fast", OpenDialog<ApePreset>,
       [](TSettingBaseForm* f) {
         As<TAPESettingForm>(f)->rbId3Tag->SetChecked(true);
         PickItem(As<TAPESettingForm>(f)->cbCompressionLevel, 0);
       },
       "0=1,1=1000", [](TSettingBaseForm* f) { EXPECT_FALSE(As<TAPESettingForm>(f)->rbAPETag->Checked()); }},
      // MP3
      {"MP3: a fresh dialog enables only what its choices allow", OpenDialog<LamePreset>, [](TSettingBaseForm*) {},
       "0=0,1=128,10=0," MP3_TAIL,
       [](TSettingBaseForm* f) {
         auto* lame = Lame(f);
         EXPECT_FALSE(lame->cbSamplerate->Enabled());
         EXPECT_FALSE(lame->cbChannelMode->Enabled());
         EXPECT_TRUE(lame->cbCBRValue->Enabled());
         EXPECT_FALSE(lame->cbABRValue->Enabled());
         EXPECT_FALSE(lame->chkMinVBR->Enabled());
         EXPECT_FALSE(lame->rgVBRMethod->Enabled());
         EXPECT_FALSE(lame->cbVBRMinValue->Enabled());
         EXPECT_TRUE(lame->edtLowpassFilterValue->Enabled());
         EXPECT_FALSE(lame->edtHighpassFilterValue->Enabled());
         EXPECT_FALSE(lame->edtLowerATHValue->Enabled());
         EXPECT_EQ(ItemsOf(lame->cbCBRValue), "32,40,48,56,64,80,96,112,128,144,160,192,224,256,320");
       }},
      {"MP3: variable bitrate with both limits, lists untouched", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->rbVBR->SetChecked(true);
         Lame(f)->chkMinVBR->SetChecked(true);
         Lame(f)->chkMaxVBR->SetChecked(true);
       },
       "0=2,4=128,5=128,11=1,12=0,13=0,14=0," MP3_TAIL,
       [](TSettingBaseForm* f) {
         EXPECT_TRUE(Lame(f)->cbVBRMinValue->Enabled());
         EXPECT_TRUE(Lame(f)->cbVBRMaxValue->Enabled());
         EXPECT_FALSE(Lame(f)->cbCBRValue->Enabled());
         EXPECT_FALSE(Lame(f)->chkFreeFormatBitstream->Enabled());
       }},
      {"MP3: variable bitrate without limits", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) { Lame(f)->rbVBR->SetChecked(true); }, "0=2,11=1,12=0,13=0,14=0," MP3_TAIL,
       [](TSettingBaseForm* f) {
         EXPECT_TRUE(Lame(f)->chkMinVBR->Enabled());
         EXPECT_FALSE(Lame(f)->cbVBRMinValue->Enabled());
       }},
      {"MP3: variable bitrate, old method, level 9, both flags", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->rbVBR->SetChecked(true);
         Lame(f)->rgVBRMethod->SetItemIndex(0);
         PickItem(Lame(f)->cbVBRQualityLevel, 9);
         Lame(f)->chkEnforceMinimumBitrate->SetChecked(true);
         Lame(f)->chkWriteVBRInfoTag->SetChecked(true);
       },
       "0=2,11=0,12=9,13=1,14=1," MP3_TAIL, nullptr},
      {"MP3: average bitrate", OpenDialog<LamePreset>, [](TSettingBaseForm* f) { Lame(f)->rbABR->SetChecked(true); },
       "0=1,2=128," MP3_TAIL, [](TSettingBaseForm* f) { EXPECT_TRUE(Lame(f)->cbABRValue->Enabled()); }},
      {"MP3: an MPEG-2 rate gives the MPEG-2 bitrates", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->rbSpecify->SetChecked(true);
         PickItem(Lame(f)->cbSamplerate, 3);
         Lame(f)->rbVBR->SetChecked(true);
         Lame(f)->chkMinVBR->SetChecked(true);
         Lame(f)->chkMaxVBR->SetChecked(true);
       },
       "0=2,4=8,5=160,11=1,12=0,13=0,14=0,6=-1,7=2,8=22050," MP3_FLAGS,
       [](TSettingBaseForm* f) {
         auto* lame = Lame(f);
         EXPECT_TRUE(lame->cbSamplerate->Enabled());
         for (TRzComboBox* list : {lame->cbCBRValue, lame->cbABRValue, lame->cbVBRMinValue, lame->cbVBRMaxValue})
           EXPECT_EQ(ItemsOf(list), kMpeg2Bitrates) << list->Name();
         EXPECT_EQ(lame->cbCBRValue->Items()->Get(lame->cbCBRValue->ItemIndex()), "64");
         EXPECT_EQ(lame->cbABRValue->Items()->Get(lame->cbABRValue->ItemIndex()), "64");
       }},
      {"MP3: an MPEG-2.5 rate, constant bitrate", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->rbSpecify->SetChecked(true);
         PickItem(Lame(f)->cbSamplerate, 8);
       },
       "0=0,1=64,10=0,6=-1,7=2,8=8000," MP3_FLAGS, nullptr},
      {"MP3: back to an MPEG-1 rate drops the form's 144", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->rbSpecify->SetChecked(true);
         PickItem(Lame(f)->cbSamplerate, 5);
         PickItem(Lame(f)->cbSamplerate, 1);
       },
       "0=0,1=128,10=0,6=-1,7=2,8=48000," MP3_FLAGS,
       [](TSettingBaseForm* f) { EXPECT_EQ(ItemsOf(Lame(f)->cbCBRValue), kMpeg1Bitrates); }},
      {"MP3: a channel mode pick resets the bitrates even with the rate automatic", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         PickItem(Lame(f)->cbCBRValue, 14);  // 320
         Lame(f)->rbChannelSpecify->SetChecked(true);
         PickItem(Lame(f)->cbChannelMode, 3);
       },
       "0=0,1=128,10=0,6=3,7=2,8=-1," MP3_FLAGS,
       [](TSettingBaseForm* f) {
         EXPECT_TRUE(Lame(f)->cbChannelMode->Enabled());
         EXPECT_EQ(ItemsOf(Lame(f)->cbCBRValue), kMpeg1Bitrates);
       }},
      {"MP3: all filters disabled still sends the filter values", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->chkHighpassFilter->SetChecked(true);
         Lame(f)->chkDisableAllFilters->SetChecked(true);
       },
       "0=0,1=128,10=0,6=-1,7=2,8=-1,40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=1,22=1,23=19500,25=1,26=800,29=0,30=0,31="
       "0,32=50,33=0,34=0",
       [](TSettingBaseForm* f) {
         auto* lame = Lame(f);
         EXPECT_FALSE(lame->chkLowpassFilter->Enabled());
         EXPECT_FALSE(lame->chkHighpassFilter->Enabled());
         EXPECT_FALSE(lame->edtLowpassFilterValue->Enabled());
         EXPECT_FALSE(lame->edtHighpassFilterValue->Enabled());
       }},
      {"MP3: ATH disabled still sends the lowering", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         Lame(f)->chkLowerTheATH->SetChecked(true);
         EXPECT_TRUE(Lame(f)->edtLowerATHValue->Enabled());
         Lame(f)->chkDisableATH->SetChecked(true);
       },
       "0=0,1=128,10=0,6=-1,7=2,8=-1,40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=0,22=1,23=19500,25=0,26=800,29=1,30=0,31="
       "1,32=50,33=0,34=0",
       [](TSettingBaseForm* f) {
         EXPECT_FALSE(Lame(f)->chkOnlyUseATH->Enabled());
         EXPECT_FALSE(Lame(f)->chkLowerTheATH->Enabled());
         EXPECT_FALSE(Lame(f)->edtLowerATHValue->Enabled());
       }},
      {"MP3: every flag turned over", OpenDialog<LamePreset>,
       [](TSettingBaseForm* f) {
         auto* lame = Lame(f);
         PickItem(lame->cbAlgorithmQuality, 5);
         lame->chkFreeFormatBitstream->SetChecked(true);
         for (TRzCheckBox* box : {lame->chkWaveHeader, lame->chkCopyright, lame->chkCRCErrorProt,
                                  lame->chkStrictISOBitstream, lame->chkDisableBitReservoir, lame->chkPrivate,
                                  lame->chkOnlyUseATH, lame->chkDisableTemporalMaskingEffect,
                                  lame->chkDisableShortBlocks})
           box->SetChecked(true);
         lame->chkOriginal->SetChecked(false);
         lame->chkLowpassFilter->SetChecked(false);
       },
       "0=0,1=128,10=1,6=-1,7=9,8=-1,40=1,16=0,15=1,17=1,19=1,18=1,21=1,28=0,22=0,23=19500,25=0,26=800,29=0,30=1,31="
       "0,32=50,33=1,34=1",
       [](TSettingBaseForm* f) { EXPECT_FALSE(Lame(f)->edtLowpassFilterValue->Enabled()); }},
      // Ogg Vorbis
      {"Ogg: a fresh dialog shows quality 4 at 128 kbps", OpenDialog<OggPreset>, [](TSettingBaseForm*) {}, "0=0,1=400",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->lblQualityValue->Caption(), "4");
         EXPECT_EQ(Ogg(f)->lblBitrateValue->Caption(), "128 kbps");
         EXPECT_FALSE(Ogg(f)->cbMinBitrate->Enabled());
         EXPECT_FALSE(Ogg(f)->cbNominalBitrate->Enabled());
       }},
      {"Ogg: slider at 810", OpenDialog<OggPreset>, [](TSettingBaseForm* f) { Ogg(f)->tbQuality->SetPosition(810); },
       "0=0,1=810",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->lblQualityValue->Caption(), "8.1");
         EXPECT_EQ(Ogg(f)->lblBitrateValue->Caption(), "262.3 kbps");
       }},
      {"Ogg: slider at 910", OpenDialog<OggPreset>, [](TSettingBaseForm* f) { Ogg(f)->tbQuality->SetPosition(910); },
       "0=0,1=910",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->lblQualityValue->Caption(), "9.1");
         EXPECT_EQ(Ogg(f)->lblBitrateValue->Caption(), "337.9 kbps");
       }},
      {"Ogg: slider at 900", OpenDialog<OggPreset>, [](TSettingBaseForm* f) { Ogg(f)->tbQuality->SetPosition(900); },
       "0=0,1=900",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->lblQualityValue->Caption(), "9");
         EXPECT_EQ(Ogg(f)->lblBitrateValue->Caption(), "320 kbps");
       }},
      {"Ogg: variable bitrate", OpenDialog<OggPreset>, [](TSettingBaseForm* f) { Ogg(f)->rbVBR->SetChecked(true); },
       "0=1,2=64,3=256",
       [](TSettingBaseForm* f) {
         EXPECT_FALSE(Ogg(f)->tbQuality->Enabled());
         EXPECT_FALSE(Ogg(f)->lblBitrateValue->Enabled());
         EXPECT_TRUE(Ogg(f)->cbMinBitrate->Enabled());
         EXPECT_FALSE(Ogg(f)->cbNominalBitrate->Enabled());
       }},
      {"Ogg: average bitrate", OpenDialog<OggPreset>, [](TSettingBaseForm* f) { Ogg(f)->rbABR->SetChecked(true); },
       "0=2,4=128",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->cbMinBitrate->ItemIndex(), -1);
         EXPECT_EQ(Ogg(f)->cbMaxBitrate->ItemIndex(), -1);
         EXPECT_TRUE(Ogg(f)->cbNominalBitrate->Enabled());
       }},
      {"Ogg: constant bitrate keeps all three equal", OpenDialog<OggPreset>,
       [](TSettingBaseForm* f) {
         Ogg(f)->rbCBR->SetChecked(true);
         PickItem(Ogg(f)->cbNominalBitrate, 6);
       },
       "0=3,4=192",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Ogg(f)->cbMinBitrate->ItemIndex(), 6);
         EXPECT_EQ(Ogg(f)->cbMaxBitrate->ItemIndex(), 6);
       }},
      {"Ogg: a minimum above the maximum snaps back", OpenDialog<OggPreset>,
       [](TSettingBaseForm* f) {
         Ogg(f)->rbVBR->SetChecked(true);
         PickItem(Ogg(f)->cbMinBitrate, 9);
       },
       "0=1,2=256,3=256", nullptr},
      {"Ogg: a maximum below the minimum snaps up", OpenDialog<OggPreset>,
       [](TSettingBaseForm* f) {
         Ogg(f)->rbVBR->SetChecked(true);
         PickItem(Ogg(f)->cbMinBitrate, 4);
         PickItem(Ogg(f)->cbMaxBitrate, 0);
       },
       "0=1,2=128,3=128", nullptr},
      // WAV
      {"WAV: IMA ADPCM, 22050 Hz, mono", OpenDialog<WavPreset>,
       [](TSettingBaseForm* f) {
         auto* wav = As<TWaveSettingForm>(f);
         PickItem(wav->cbCompression, 3);
         PickItem(wav->cbSamplerate, 2);
         PickItem(wav->cbChannelMode, 2);
       },
       "0=18,1=22050,2=1", nullptr},
      {"WAV: u-law, 44100 Hz, stereo", OpenDialog<WavPreset>,
       [](TSettingBaseForm* f) {
         auto* wav = As<TWaveSettingForm>(f);
         PickItem(wav->cbCompression, 1);
         PickItem(wav->cbSamplerate, 1);
         PickItem(wav->cbChannelMode, 1);
       },
       "0=16,1=44100,2=2", nullptr},
      // Musepack
      {"Musepack: a fresh dialog shows Standard at 5.00", OpenDialog<MpcPreset>, [](TSettingBaseForm*) {}, "0=500",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Mpc(f)->cbQualityPresets->ItemIndex(), 3);
         EXPECT_EQ(Mpc(f)->lblQualityValue->Caption(), "5.00");
       }},
      {"Musepack: a profile moves the slider", OpenDialog<MpcPreset>,
       [](TSettingBaseForm* f) { PickItem(Mpc(f)->cbQualityPresets, 5); }, "0=700",
       [](TSettingBaseForm* f) { EXPECT_EQ(Mpc(f)->lblQualityValue->Caption(), "7.00"); }},
      {"Musepack: the slider picks the profile below it", OpenDialog<MpcPreset>,
       [](TSettingBaseForm* f) { Mpc(f)->tbQuality->SetPosition(650); }, "0=650",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Mpc(f)->cbQualityPresets->ItemIndex(), 4);
         EXPECT_EQ(Mpc(f)->lblQualityValue->Caption(), "6.50");
       }},
      {"Musepack: below the profiles the list keeps its choice", OpenDialog<MpcPreset>,
       [](TSettingBaseForm* f) {
         PickItem(Mpc(f)->cbQualityPresets, 1);
         Mpc(f)->tbQuality->SetPosition(199);
       },
       "0=199",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Mpc(f)->cbQualityPresets->ItemIndex(), 1);
         EXPECT_EQ(Mpc(f)->lblQualityValue->Caption(), "1.99");
       }},
      {"Musepack: above the profiles too", OpenDialog<MpcPreset>,
       [](TSettingBaseForm* f) { Mpc(f)->tbQuality->SetPosition(1000); }, "0=1000",
       [](TSettingBaseForm* f) {
         EXPECT_EQ(Mpc(f)->cbQualityPresets->ItemIndex(), 3);
         EXPECT_EQ(Mpc(f)->lblQualityValue->Caption(), "10.00");
       }},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TSettingBaseForm> form = c.open();
    ASSERT_NE(form, nullptr);
    c.act(form.get());
    if (c.check) c.check(form.get());
    EXPECT_TRUE(PressOK(form.get()));
    EXPECT_EQ(Pairs(form.get()), c.pairs);
  }
}

TEST(OggVorbisEstimate, CutsTheBitrateOfTheStoredDoubleToOneDecimal) {
  struct Case {
    double quality;
    double kbps;
  } cases[] = {
      {0.01, 64.1}, {4.0, 128.0}, {4.1, 131.1},  // 131.2 in decimals: the double lies just below
      {8.1, 262.3}, {9.0, 320.0}, {9.1, 337.9}, {10.0, 500.0},
  };
  for (const Case& c : cases) EXPECT_EQ(EstimateVorbisBitrate(c.quality), c.kbps) << c.quality;
}

// A value typed into a spin edit is checked only when the edit loses the focus;
// OK by Enter keeps the focus there, and the encoder must still get a value within
// the edit's range.
TEST_F(SettingDialogTest, AValueTypedBeyondItsRangeIsBroughtIntoItBeforeItIsSent) {
  struct Case {
    const char* edit;
    const char* typed;
    const char* pair;
  } cases[] = {
      {"edtLowpassFilterValue", "60000", "23=48000"},
      {"edtLowpassFilterValue", "0", "23=1"},
      {"edtLowpassFilterValue", "12345.7", "23=12345"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(String(c.edit) + " " + c.typed);
    auto form = OpenDialog<LamePreset, TLameSettingForm>();
    auto* edit = dynamic_cast<TRzSpinEdit*>(form->FindComponent(c.edit));
    ASSERT_NE(edit, nullptr);
    form->SetActiveControl(edit);
    edit->SetText(c.typed);
    PostKey(edit->Handle(), VK_RETURN);
    ASSERT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(edit->Text(), c.typed) << "the edit was never left";
    EXPECT_NE(Pairs(form.get()).find(c.pair), String::npos);
  }
}

TEST_F(SettingDialogTest, HelpOpensTheHelpFileAndOnlyTheWaveDialogCloses) {
  struct Case {
    const char* dialog;
    std::unique_ptr<TSettingBaseForm> (*open)();
    bool closes;
  } cases[] = {
      {"AAC", OpenDialog<AacPreset>, false},      {"APE", OpenDialog<ApePreset>, false},
      {"MP3", OpenDialog<LamePreset>, false},     {"Ogg Vorbis", OpenDialog<OggPreset>, false},
      {"Musepack", OpenDialog<MpcPreset>, false}, {"WAV", OpenDialog<WavPreset>, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    SystemCallsGuard guard;
    struct Call {
      HWND owner;
      String verb, file, parameters, folder;
      int show;
    };
    std::vector<Call> calls;
    SystemCalls().ShellExecute = [&](HWND owner, const String& verb, const String& file, const String& parameters,
                                      const String& folder, int show) {
      calls.push_back({owner, verb, file, parameters, folder, show});
      return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(2));  // file not found: not reported
    };
    std::unique_ptr<TSettingBaseForm> form = c.open();
    PostClick(form->btnHelp);
    if (!c.closes) PostClick(form->btnOK);
    EXPECT_EQ(form->ShowModal(), c.closes ? mrCancel : mrOk);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, Application.Handle());
    EXPECT_EQ(calls[0].verb, "open");
    EXPECT_EQ(calls[0].file, folder.Path() + "VarnelRevo.chm");
    EXPECT_EQ(calls[0].parameters, "");
    EXPECT_EQ(calls[0].folder, "");
    EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
  }
}

TEST_F(SettingDialogTest, TheBaseDialogHasTheSharedCaptionAndWritesNoPairs) {
  std::unique_ptr<TSettingBaseForm> base(NewForm<TSettingBaseForm>(nullptr));
  EXPECT_EQ(base->Caption(), "Encoder Settings");
  EXPECT_EQ(base->BorderStyle(), bsDialog);
  EXPECT_EQ(Pairs(base.get()), "");
}
