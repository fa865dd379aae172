// The output settings dialog: its first start, the eighteen formats, the custom
// settings flow, the last settings it keeps, and choices kept on Cancel.
#include <memory>

#include "app/KelvaneSettings.h"
#include "app/ProfileManager.h"
#include "app/output/EditProfileFrm.h"
#include "app/output/OutputFormats.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/core/FileUtils.h"
#include "platform/io/IniFiles.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinNotebook.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinStdLabel.h"
#include "tests/app/output/OutputFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

String Pairs(const EncoderParamBlock& block) {
  String text;
  for (int i = 0; i < block.Count; ++i) text += (i ? "," : "") + std::to_string(block.Pairs[i].Key) + "=" + std::to_string(block.Pairs[i].Value);
  return text;
}

// A stand-in for the encoder setting dialogs: the runner answers as the test says.
int runnerResult = 1;
int runnerCalls = 0;
TSettingBaseForm* const kFakeDialog = reinterpret_cast<TSettingBaseForm*>(0x1000);
TSettingBaseForm* MakeFakeDialog() { return kFakeDialog; }
int RunFakeDialog(TSettingBaseForm* dialog, EncoderParameter* pairs, std::int32_t& count) {
  ++runnerCalls;
  EXPECT_EQ(dialog, kFakeDialog);
  if (runnerResult != 1) return runnerResult;
  pairs[0] = {0, 1};
  pairs[1] = {2, 210};
  count = 2;
  return 1;
}

class OutputSettings : public OutputFixture {
public:
  void SetUp() override {
    OutputFixture::SetUp();
    for (int kind = 0; kind < kSettingDialogKindCount; ++kind)
      SetSettingDialogFactory(static_cast<SettingDialogKind>(kind), &MakeFakeDialog);
    SetSettingDialogRunner(&RunFakeDialog);
    runnerCalls = 0;
    runnerResult = 1;
  }
  void TearDown() override {
    dialog.reset();
    for (int kind = 0; kind < kSettingDialogKindCount; ++kind)
      SetSettingDialogFactory(static_cast<SettingDialogKind>(kind), nullptr);
    SetSettingDialogRunner(nullptr);
    OutputFixture::TearDown();
  }
  TOutputSettingsForm* Open() {
    dialog.reset(NewForm<TOutputSettingsForm>(nullptr));
    return dialog.get();
  }
  // Destroys the dialog, which writes its last choices.
  void Close() { dialog.reset(); }
  String Last(const char* key) { return TIniFile(SettingsFileName()).ReadString("LastSettings", key, "(none)"); }
  std::unique_ptr<TOutputSettingsForm> dialog;
};

TEST_F(OutputSettings, FirstStartOpensOnTheMp3Presets) {
  TOutputSettingsForm* d = Open();
  EXPECT_EQ(d->Caption(), "Output Settings");
  EXPECT_FALSE(d->VideoSideActive());
  EXPECT_EQ(d->lblSettingsTitle->Caption(), "MP3 Settings");
  EXPECT_FALSE(d->cbProfiles->Visible());
  ASSERT_EQ(d->lbAudioPreset->Items()->Count(), 33);
  EXPECT_EQ(d->lbAudioPreset->Items()->Strings(32), "Custom...");
  EXPECT_EQ(d->lbAudioPreset->ItemIndex(), 0);
  EXPECT_TRUE(d->btnCustomPreset->Visible());
  for (int code = 0; code < 8; ++code) EXPECT_EQ(d->RememberedProfileName(code), "");
  EXPECT_EQ(d->CreateVideoProfile(), nullptr);
  TAudioEncoderScheme* scheme = d->CreateAudioScheme();
  ASSERT_NE(scheme, nullptr);
  EXPECT_EQ(Pairs(scheme->Params), "0=0,1=128,6=2,7=2,8=-1,16=1");
  EXPECT_EQ(scheme->PresetName, "Near CD-Quality");
}

TEST_F(OutputSettings, SelectOutputFormatGivesEachFormatItsTarget) {
  struct Case {
    int code;
    const char* title;
    const char* formatName;
    const char* extension;
    const char* plugin;  // audio only
    int presets;         // audio only: items of the list, "Custom..." included
  } cases[] = {
      {0, "3GP Video Settings", "3GPP", "3gp", nullptr, 0},
      {1, "AVI Video Settings", "AVI", "avi", nullptr, 0},
      {2, "MPEG Video Settings", "MPEG2", "mpg", nullptr, 0},
      {3, "MP4 Video Settings", "MP4", "mp4", nullptr, 0},
      {4, "WMV Video Settings", "WMV", "wmv", nullptr, 0},
      {5, "Real Video Settings", "RM", "rm", nullptr, 0},
      {6, "Quick Time Video Settings", "MOV", "mov", nullptr, 0},
      {7, "Flash Video Settings", "FLV", "flv", nullptr, 0},
      {8, "MP3 Settings", "MP3", "mp3", "EncMP3.dll", 33},
      {9, "WMA Settings", "WMA", "wma", "EncWMA.dll", 1},
      {10, "WAV Settings", "WAV", "wav", "EncWAV.dll", 9},
      {11, "RA Settings", "RA", "ra", "EncRA.dll", 1},
      {12, "OGG Settings", "OGG", "ogg", "EncOGG.dll", 21},
      {13, "AAC Settings", "AAC", "aac", "EncAAC.dll", 7},
      {14, "M4A Settings", "M4A", "mp4", "EncAAC.dll", 7},
      {15, "APE Settings", "APE", "ape", "EncAPE.dll", 5},
      {16, "MPC Settings", "MPC", "mpc", "EncMPC.dll", 8},
      {17, "FLAC Settings", "FLAC", "flac", "EncFLAC.dll", 1},
  };
  TOutputSettingsForm* d = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    d->SelectOutputFormat(static_cast<OutputFormatCode>(c.code));
    EXPECT_EQ(d->lblSettingsTitle->Caption(), c.title);
    TVideoProfile* profile = d->CreateVideoProfile();
    TAudioEncoderScheme* scheme = d->CreateAudioScheme();
    EXPECT_EQ(profile != nullptr, c.plugin == nullptr);
    EXPECT_EQ(scheme != nullptr, c.plugin != nullptr);
    EXPECT_EQ(d->FormatName, c.formatName);
    EXPECT_EQ(d->Extension, c.extension);
    EXPECT_EQ(d->FormatCode, c.code);
    if (profile) {
      EXPECT_EQ(profile->Kind, c.code);
      EXPECT_TRUE(d->cbProfiles->Visible());
      EXPECT_EQ(d->cbProfiles->Text(), "No Profile in this category");
      EXPECT_EQ(profile->ProfileName, "Unknow") << "no LastVideoProfile.pf to name it";
      EXPECT_EQ(d->Notebook->PageIndex(), 0);
    } else {
      EXPECT_EQ(scheme->PluginPath, folder.Path() + c.plugin);
      EXPECT_EQ(d->lbAudioPreset->Items()->Count(), c.presets);
      EXPECT_EQ(d->Notebook->PageIndex(), 1);
    }
  }
}

TEST_F(OutputSettings, VideoFormatNamesFollowThePage) {
  struct Case {
    const char* name;
    int code;
    std::function<void(TEditProfileForm&)> set;
    const char* formatName;
    const char* extension;
  } cases[] = {
      {"MPEG-1", 2, [](TEditProfileForm& e) { e.rbMPEG1->SetChecked(true); }, "MPEG1", "mpg"},
      {"MPEG-2", 2, [](TEditProfileForm& e) { e.rbMPEG2->SetChecked(true); }, "MPEG2", "mpg"},
      {"3GPP2", 0, [](TEditProfileForm& e) { e.cb3GPFormat->SetItemIndex(1); }, "3GPP2", "3g2"},
      {"H.264", 3, [](TEditProfileForm& e) { e.cbMP4VideoCodec->SetItemIndex(3); }, "MP4(AVC)", "mp4"},
      {"RMVB", 5,
       [](TEditProfileForm& e) {
         e.cbRealVideoCodec->SetItemIndex(1);
         e.rbRealUseVBR->SetChecked(true);
       },
       "RMVB", "rmvb"},
  };
  TOutputSettingsForm* d = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    d->SelectOutputFormat(static_cast<OutputFormatCode>(c.code));
    c.set(*d->ProfileEditor());
    ASSERT_NE(d->CreateVideoProfile(), nullptr);
    EXPECT_EQ(d->FormatName, c.formatName);
    EXPECT_EQ(d->Extension, c.extension);
  }
}

TEST_F(OutputSettings, CustomSettingsKeepTheDialogsPairsOnlyOnOk) {
  TOutputSettingsForm* d = Open();
  d->SelectOutputFormat(13);  // AAC
  int custom = d->lbAudioPreset->Items()->Count() - 1;

  runnerResult = 1;
  d->lbAudioPreset->SetItemIndex(custom);
  d->lbAudioPresetListBoxClick(d->lbAudioPreset);
  EXPECT_EQ(runnerCalls, 1);
  EXPECT_EQ(d->lbAudioPreset->ItemIndex(), custom);
  TAudioEncoderScheme* scheme = d->CreateAudioScheme();
  EXPECT_EQ(Pairs(scheme->Params), "0=1,2=210");
  EXPECT_EQ(scheme->PresetName, "Custom...");

  runnerResult = 2;
  d->btnCustomPresetClick(d->btnCustomPreset);
  EXPECT_EQ(d->lbAudioPreset->ItemIndex(), 0);
  EXPECT_EQ(Pairs(d->CreateAudioScheme()->Params), "1=-1,0=-1,3=1,4=1,6=0,5=0") << "the first preset's pairs";
}

TEST_F(OutputSettings, ClosingWritesTheLastSettingsOfItsSide) {
  AddProfile<TAVIProfile>("Small AVI");
  AddProfile<TAVIProfile>("Wide AVI ");  // a trailing blank: remembered, then not found
  struct Case {
    const char* name;
    int code;
    std::function<void(TOutputSettingsForm&)> choose;
    const char* lastFormat;
    const char* lastScheme;  // "(none)": left as it was
    bool videoFile;
  } cases[] = {
      {"audio, a preset", 12,
       [](TOutputSettingsForm& d) {
         d.lbAudioPreset->SetItemIndex(3);
         d.lbAudioPresetListBoxClick(nullptr);
         d.CreateAudioScheme();
       },
       "12", "VBR Quality-2(96 kbit/s)", false},
      {"video, a listed profile", 1,
       [](TOutputSettingsForm& d) {
         d.cbProfiles->SetItemIndex(1);
         d.cbProfiles->SetItemIndex(0);
       },
       "1", "(none)", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFile(SettingsFileName());
    DeleteFile(folder.Path() + "LastVideoProfile.pf");
    TOutputSettingsForm* d = Open();
    d->SelectOutputFormat(static_cast<OutputFormatCode>(c.code));
    c.choose(*d);
    Close();
    EXPECT_EQ(Last("LastOutputFormat"), c.lastFormat);
    EXPECT_EQ(Last("LastAudioScheme"), c.lastScheme);
    EXPECT_EQ(Last("LastAVIProfile"), c.videoFile ? "Small AVI" : "");
    EXPECT_EQ(FileExists(folder.Path() + "LastVideoProfile.pf"), c.videoFile);

    d = Open();  // read back
    EXPECT_EQ(d->VideoSideActive(), c.videoFile);
    if (c.videoFile) {
      EXPECT_EQ(d->cbProfiles->Text(), "Small AVI");
    } else {
      EXPECT_EQ(d->lbAudioPreset->ItemIndex(), 3);
    }
    Close();
  }
  // A name with a trailing blank is remembered with it and then not found again
  // (the list's text is compared trimmed): the first profile comes back.
  TOutputSettingsForm* d = Open();
  d->SelectOutputFormat(1);
  d->cbProfiles->SetItemIndex(1);
  EXPECT_EQ(d->RememberedProfileName(1), "Wide AVI ");
  d->SelectOutputFormat(3);
  d->SelectOutputFormat(1);
  EXPECT_EQ(d->cbProfiles->ItemIndex(), 0);
}

TEST_F(OutputSettings, AFailedSaveKeepsTheLastVideoProfile) {
  const String kept = folder.Write("LastVideoProfile.pf", "[ProfileCommon]\r\nProfileName=Kept\r\nVideoFormat=AVI\r\n");
  ForceDirectories(kept + ".tmp~");  // the new file cannot be written
  Open()->SelectOutputFormat(1);
  Close();
  EXPECT_EQ(ReadText(folder, "LastVideoProfile.pf"), "[ProfileCommon]\r\nProfileName=Kept\r\nVideoFormat=AVI\r\n");
  EXPECT_EQ(Last("LastOutputFormat"), "1");
}

TEST_F(OutputSettings, AStoredFormatThatNamesNoFormatOpensOnMp3) {
  for (const char* stored : {"18", "127", "-1", "200"}) {
    SCOPED_TRACE(stored);
    TIniFile(SettingsFileName()).WriteString("LastSettings", "LastOutputFormat", stored);
    TOutputSettingsForm* d = Open();
    EXPECT_FALSE(d->VideoSideActive());
    EXPECT_EQ(d->ChosenAudioFormat(), 8);
    EXPECT_EQ(d->lblSettingsTitle->Caption(), "MP3 Settings");
    dialog.reset();
  }
}

TEST_F(OutputSettings, AppliedSchemesComeBackAsTheyWereMade) {
  TOutputSettingsForm* d = Open();
  struct Case {
    const char* name;
    int code;
    int preset;  // -1: "Custom..." through the setting dialog
    int button;
    const char* pairs;
  } cases[] = {
      {"M4A stays M4A", 14, 2, 14, "1=-1,0=128000,3=0,4=1,6=0,5=0"},
      {"AAC stays AAC", 13, 2, 13, "1=-1,0=128000,3=1,4=1,6=0,5=0"},
      {"a custom scheme keeps its pairs", 12, -1, 12, "0=1,2=210"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    d->SelectOutputFormat(static_cast<OutputFormatCode>(c.code));
    int item = c.preset >= 0 ? c.preset : d->lbAudioPreset->Items()->Count() - 1;
    d->lbAudioPreset->SetItemIndex(item);
    d->lbAudioPresetListBoxClick(nullptr);
    const TAudioEncoderScheme made = *d->CreateAudioScheme();
    d->SelectOutputFormat(8);  // elsewhere
    d->ApplyAudioScheme(made);
    EXPECT_EQ(d->ChosenAudioFormat(), c.button);
    EXPECT_EQ(d->lbAudioPreset->ItemIndex(), item);
    TAudioEncoderScheme* again = d->CreateAudioScheme();
    EXPECT_EQ(Pairs(again->Params), c.pairs);
    EXPECT_EQ(d->Extension, OutputFormat(c.button)->Extension);
  }
}

TEST_F(OutputSettings, AnAppliedProfileShowsOnItsPage) {
  TOutputSettingsForm* d = Open();
  TMP4Profile given("Given", String());
  given.Width = 640;
  given.Height = 480;
  given.MP4VideoCodec = 3;
  d->ApplyVideoProfile(&given);
  EXPECT_TRUE(d->VideoSideActive());
  EXPECT_EQ(d->ChosenVideoFormat(), 3);
  EXPECT_EQ(d->lblSettingsTitle->Caption(), "MP4 Video Settings");
  TVideoProfile* built = d->CreateVideoProfile();
  ASSERT_NE(built, nullptr);
  given.ProfileName = built->ProfileName;
  EXPECT_TRUE(built->IsEqual(&given));
  EXPECT_EQ(d->FormatName, "MP4(AVC)");
}

TEST_F(OutputSettings, RemembersTheChosenProfileOfEachFormat) {
  AddProfile<T3GPProfile>("3GP A");
  AddProfile<T3GPProfile>("3GP B");
  AddProfile<TAVIProfile>("AVI A");
  AddProfile<TAVIProfile>("AVI B");
  AddProfile<TMPEGProfile>("MPEG A");
  AddProfile<TMPEGProfile>("MPEG B");
  AddProfile<TMP4Profile>("MP4 A");
  AddProfile<TMP4Profile>("MP4 B");
  AddProfile<TWMVProfile>("WMV A");
  AddProfile<TWMVProfile>("WMV B");
  AddProfile<TRealProfile>("Real A");
  AddProfile<TRealProfile>("Real B");
  AddProfile<TMOVProfile>("MOV A");
  AddProfile<TMOVProfile>("MOV B");
  AddProfile<TFLVProfile>("FLV A");
  AddProfile<TFLVProfile>("FLV B");
  TOutputSettingsForm* d = Open();
  for (int code = 0; code < 8; ++code) {
    d->SelectOutputFormat(static_cast<OutputFormatCode>(code));
    d->cbProfiles->SetItemIndex(1);
    EXPECT_EQ(d->ProfileEditor()->edtName->Text(), d->cbProfiles->Text());
  }
  for (int code = 0; code < 8; ++code) {
    SCOPED_TRACE(code);
    d->SelectOutputFormat(static_cast<OutputFormatCode>(code));
    EXPECT_EQ(d->cbProfiles->ItemIndex(), 1);
    EXPECT_EQ(d->RememberedProfileName(code).back(), 'B');
  }
}

TEST_F(OutputSettings, CancelAndEscapeKeepEveryChoice) {
  TOutputSettingsForm* d = Open();
  d->SelectOutputFormat(10);
  d->lbAudioPreset->SetItemIndex(4);
  d->lbAudioPresetListBoxClick(nullptr);
  struct Case {
    const char* name;
    std::function<void(TOutputSettingsForm&)> leave;
  } cases[] = {
      {"Cancel", [](TOutputSettingsForm& f) { PostClick(f.btnCancel, 10, 10); }},
      {"Escape", [](TOutputSettingsForm& f) { PostMessageA(f.lbAudioPreset->Handle(), WM_CHAR, 27, 0); }},
      {"OK", [](TOutputSettingsForm& f) { PostClick(f.btnOk, 10, 10); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    d->Show();
    PumpMessages();
    d->Hide();
    c.leave(*d);
    int result = d->ShowModal();
    EXPECT_EQ(result, String(c.name) == "OK" ? 1 : 2);
    EXPECT_EQ(d->ChosenAudioFormat(), 10);
    EXPECT_EQ(d->lbAudioPreset->ItemIndex(), 4);
    EXPECT_EQ(Pairs(d->CreateAudioScheme()->Params), "0=2,1=22050,2=1");
  }
}

}  // namespace
