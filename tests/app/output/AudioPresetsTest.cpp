#include "app/output/OutputSettingsFrm.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/MultiLang.h"
#include "platform/core/SysUtils.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

String Pairs(const EncoderParamBlock& block) {
  String text;
  for (int i = 0; i < block.Count; ++i) {
    if (i) text += ",";
    text += IntToStr(block.Pairs[i].Key) + "=" + IntToStr(block.Pairs[i].Value);
  }
  return text;
}

EncoderParamBlock Filled(const PresetBase& preset, int index) {
  EncoderParamBlock block{};
  block.Count = 99;  // stale: every preset sets its own count
  preset.FillPresetParams(index, block);
  return block;
}

// Each test has its own program folder; the shared language manager follows it.
class PresetTest : public testing::Test {
protected:
  PresetTest() { FreeLanguageManager(); }
  ~PresetTest() override { FreeLanguageManager(); }
  TempProgramFolder folder;
};

struct Source {
  const char* name;
  std::unique_ptr<PresetBase> (*make)();
  const char* plugin;
  bool dialog;
  std::vector<const char*> names;
  std::vector<const char*> pairs;
};

template <class T>
std::unique_ptr<PresetBase> Make() {
  return std::make_unique<T>();
}

#define CBR_TAIL "6=-1,7=2,8=-1,16=1"
#define AAC(b, v) "1=-1,0=" #b ",3=" #v ",4=1,6=0,5=0"

const std::vector<Source>& Sources() {
  static const std::vector<Source> sources = {
      {"MP3", Make<LamePreset>, "EncMP3.dll", true,
       {"Near CD-Quality", "CD-Quality", "CBR 320 kbit/s", "CBR 256 kbit/s", "CBR 224 kbit/s", "CBR 192 kbit/s",
        "CBR 160 kbit/s", "CBR 128 kbit/s", "CBR 112 kbit/s", "CBR 96 kbit/s", "CBR 80 kbit/s", "CBR 64 kbit/s",
        "CBR 56 kbit/s", "CBR 48 kbit/s", "CBR 40 kbit/s", "CBR 32 kbit/s", "ABR - 150 kbit/s", "ABR - 175 kbit/s",
        "ABR - 200 kbit/s", "ABR - 225 kbit/s", "ABR - 250 kbit/s", "VBR - Quality Level 0 (Highest)",
        "VBR - Quality Level 1", "VBR - Quality Level 2", "VBR - Quality Level 3", "VBR - Quality Level 4",
        "VBR - Quality Level 5", "VBR - Quality Level 6", "VBR - Quality Level 7", "VBR - Quality Level 8",
        "VBR - Quality Level 9 (Lowest)", "Perfect Quality"},
       {"0=0,1=128,6=2,7=2,8=-1,16=1", "0=0,1=192," CBR_TAIL, "0=0,1=320," CBR_TAIL, "0=0,1=256," CBR_TAIL,
        "0=0,1=224," CBR_TAIL, "0=0,1=192," CBR_TAIL, "0=0,1=160," CBR_TAIL, "0=0,1=128," CBR_TAIL,
        "0=0,1=112," CBR_TAIL, "0=0,1=96," CBR_TAIL, "0=0,1=80," CBR_TAIL, "0=0,1=64," CBR_TAIL,
        "0=0,1=56," CBR_TAIL, "0=0,1=48," CBR_TAIL, "0=0,1=40," CBR_TAIL, "0=0,1=32," CBR_TAIL,
        "0=1,2=150," CBR_TAIL, "0=1,2=175," CBR_TAIL, "0=1,2=200," CBR_TAIL, "0=1,2=225," CBR_TAIL,
        "0=1,2=250," CBR_TAIL, "0=2,12=0," CBR_TAIL, "0=2,12=1," CBR_TAIL, "0=2,12=2," CBR_TAIL,
        "0=2,12=3," CBR_TAIL, "0=2,12=4," CBR_TAIL, "0=2,12=5," CBR_TAIL, "0=2,12=6," CBR_TAIL,
        "0=2,12=7," CBR_TAIL, "0=2,12=8," CBR_TAIL, "0=2,12=9," CBR_TAIL, "0=0,1=320,6=2,7=9,8=-1,16=1"}},
      {"AAC", Make<AacPreset>, "EncAAC.dll", true,
       {"Automatic Bitrate", "160 kbit/s", "128 kbit/s", "112 kbit/s", "96 kbit/s", "64 kbit/s"},
       {AAC(-1, 1), AAC(160000, 1), AAC(128000, 1), AAC(112000, 1), AAC(96000, 1), AAC(64000, 1)}},
      {"M4A", Make<Mp4Preset>, "EncAAC.dll", true,
       {"Automatic Bitrate", "160 kbit/s", "128 kbit/s", "112 kbit/s", "96 kbit/s", "64 kbit/s"},
       {AAC(-1, 0), AAC(160000, 0), AAC(128000, 0), AAC(112000, 0), AAC(96000, 0), AAC(64000, 0)}},
      {"OGG", Make<OggPreset>, "EncOGG.dll", true,
       {"VBR Quality-4(128 kbit/s)", "VBR Quality-0(64 kbit/s)", "VBR Quality-1(80 kbit/s)",
        "VBR Quality-2(96 kbit/s)", "VBR Quality-3(112 kbit/s)", "VBR Quality-5(160 kbit/s)",
        "VBR Quality-6(192 kbit/s)", "VBR Quality-7(224 kbit/s)", "VBR Quality-8(256 kbit/s)",
        "VBR Quality-9(320 kbit/s)", "VBR Quality-10(500 kbit/s)", "ABR(64 kbit/s)", "ABR(80 kbit/s)",
        "ABR(96 kbit/s)", "ABR(112 kbit/s)", "ABR(160 kbit/s)", "ABR(192 kbit/s)", "ABR(224 kbit/s)",
        "ABR(256 kbit/s)", "ABR(320 kbit/s)"},
       {"0=0,1=400", "0=0,1=0", "0=0,1=100", "0=0,1=200", "0=0,1=300", "0=0,1=500", "0=0,1=600", "0=0,1=700",
        "0=0,1=800", "0=0,1=900", "0=0,1=1000", "0=2,1=64", "0=2,1=80", "0=2,1=96", "0=2,1=112", "0=2,1=160",
        "0=2,1=192", "0=2,1=224", "0=2,1=256", "0=2,1=320"}},
      {"WAV", Make<WavPreset>, "EncWAV.dll", true,
       {"Standard 44,100Hz Stereo (CD Quality)", "Standard 22,050Hz Stereo", "Standard 11,025Hz Stereo",
        "Standard 44,100Hz Mono", "Standard 22,050Hz Mono", "Standard 11,025Hz Mono", "ACPCM 44,100Hz 4bit Stereo",
        "ACPCM 22,050Hz 4bit Stereo"},
       {"0=2,1=44100,2=2", "0=2,1=22050,2=2", "0=2,1=11025,2=2", "0=2,1=44100,2=1", "0=2,1=22050,2=1",
        "0=2,1=11025,2=1", "0=19,1=44100,2=2", "0=19,1=22050,2=2"}},
      {"APE", Make<ApePreset>, "EncAPE.dll", true,
       {"Extra High Compression Level", "High Compression Level", "Normal Compression Level",
        "Fast Compression Level"},
       {"1=4000", "1=3000", "1=2000", "1=1000"}},
      {"MPC", Make<MpcPreset>, "EncMPC.dll", true,
       {"Standard - High quality (142...184 kbps)", "Telephone - Lowest quality(32... 48 kbps)",
        "Thumb - Low quality/internet(58... 86 kbps)", "Radio - Medium (MP3) quality(112...152 kbps)",
        "Xtreme - Extreme high quality(168...212 kbps)", "Insane - Extreme high quality(232...268 kbps)",
        "Braindead - Extreme high quality(232...278 kbps)"},
       {"0=500", "0=200", "0=300", "0=400", "0=600", "0=700", "0=800"}},
      {"FLAC", Make<FlacPreset>, "EncFLAC.dll", false, {"The same as the source"}, {""}},
      {"WMA", Make<WMA9Preset>, "EncWMA.dll", false, {"The same as the source"}, {""}},
      {"RA", Make<RealPreset>, "EncRA.dll", false, {"The same as the source"}, {""}},
  };
  return sources;
}

}  // namespace

TEST_F(PresetTest, EverySourceNamesItsPresetsAndWritesTheirPairs) {
  for (const Source& source : Sources()) {
    std::unique_ptr<PresetBase> preset = source.make();
    SCOPED_TRACE(source.name);
    EXPECT_EQ(preset->GetPluginFileName(), source.plugin);
    EXPECT_EQ(preset->HasSettingDialog(), source.dialog);
    ASSERT_EQ(preset->GetPresetCount(), static_cast<int>(source.names.size()));
    ASSERT_EQ(source.pairs.size(), source.names.size());
    for (int i = 0; i < preset->GetPresetCount(); ++i) {
      EXPECT_EQ(preset->GetPresetName(i), source.names[i]) << i;
      EXPECT_EQ(Pairs(Filled(*preset, i)), source.pairs[i]) << i;
    }
  }
}

TEST_F(PresetTest, IndexesOutsideTheFixedPresetsChangeNothing) {
  for (const Source& source : Sources()) {
    std::unique_ptr<PresetBase> preset = source.make();
    SCOPED_TRACE(source.name);
    if (String(source.name) == "WMA" || String(source.name) == "RA") {
      // Without a list every index names the one preset and writes no pairs.
      EXPECT_EQ(preset->GetPresetName(5), "The same as the source");
      EXPECT_EQ(Filled(*preset, 5).Count, 0);
      continue;
    }
    for (int index : {-1, preset->GetPresetCount()}) {
      EXPECT_EQ(preset->GetPresetName(index), "");
      EncoderParamBlock block{};
      block.Pairs[0] = {77, 78};
      block.Count = 1;
      EXPECT_EQ(preset->FillPresetParams(index, block), 0);
      EXPECT_EQ(Pairs(block), "77=78");
    }
  }
}

TEST_F(PresetTest, PairsBeyondTheNewCountStay) {
  LamePreset lame;
  EncoderParamBlock block{};
  for (int i = 0; i < 10; ++i) block.Pairs[i] = {100 + i, i};
  block.Count = 10;
  ApePreset().FillPresetParams(0, block);
  EXPECT_EQ(block.Count, 1);
  EXPECT_EQ(block.Pairs[1].Key, 101);
  lame.FillPresetParams(0, block);
  EXPECT_EQ(block.Pairs[6].Key, 106);
}

TEST_F(PresetTest, ListFilesGiveTheirLinesAsPresets) {
  folder.Write("WMAFormats.txt", "64 kbps, 44 kHz, stereo CBR\r\n  32 kbps, 22 kHz, mono CBR  \r\n");
  folder.Write("RAAudiences.txt", "44 Kbps Music - RealAudio\r\n");
  WMA9Preset wma;
  RealPreset real;
  ASSERT_EQ(wma.GetPresetCount(), 2);
  EXPECT_EQ(wma.GetPresetName(1), "  32 kbps, 22 kHz, mono CBR  ");  // lines are not trimmed
  EXPECT_EQ(wma.GetPresetName(2), "");
  EXPECT_EQ(Pairs(Filled(wma, 1)), "0=1");
  EXPECT_EQ(Pairs(Filled(wma, 7)), "0=7");  // any index with a list
  ASSERT_EQ(real.GetPresetCount(), 1);
  EXPECT_EQ(real.GetPresetName(0), "44 Kbps Music - RealAudio");
  EXPECT_EQ(Pairs(Filled(real, 0)), "0=0");
}

TEST_F(PresetTest, NamesComeFromTheLanguageFile) {
  folder.Write("Lang\\de.ini",
               "[GENERAL]\r\nname=Deutsch\r\n[AUDIO_PRESET]\r\n00=Wie die Quelle\r\n100=Fast CD\r\n"
               "305=64 kbit/s (de)\r\n205=\r\n");
  folder.Write("DUZORERAVE.ini", "[Settings]\r\nLangIndex=0\r\n");
  EXPECT_EQ(LamePreset().GetPresetName(0), "Fast CD");
  EXPECT_EQ(LamePreset().GetPresetName(1), "CD-Quality");
  EXPECT_EQ(AacPreset().GetPresetName(5), "64 kbit/s (de)");
  EXPECT_EQ(Mp4Preset().GetPresetName(5), "");
  EXPECT_EQ(FlacPreset().GetPresetName(0), "Wie die Quelle");
  EXPECT_EQ(WMA9Preset().GetPresetName(0), "Wie die Quelle");
}

namespace {

int madeDialogs[kSettingDialogKindCount] = {};
TSettingBaseForm* const kFakeDialog = reinterpret_cast<TSettingBaseForm*>(0x1000);

template <int Kind>
TSettingBaseForm* CountingFactory() {
  ++madeDialogs[Kind];
  return kFakeDialog;
}

}  // namespace

TEST_F(PresetTest, SettingDialogsComeFromTheRegisteredMakers) {
  EXPECT_EQ(LamePreset().CreateSettingDialog(), nullptr);  // no dialog unit registered
  SetSettingDialogFactory(SettingDialogKind::kLame, CountingFactory<0>);
  SetSettingDialogFactory(SettingDialogKind::kWave, CountingFactory<1>);
  SetSettingDialogFactory(SettingDialogKind::kOgg, CountingFactory<2>);
  SetSettingDialogFactory(SettingDialogKind::kAAC, CountingFactory<3>);
  SetSettingDialogFactory(SettingDialogKind::kAACMpeg4, CountingFactory<4>);
  SetSettingDialogFactory(SettingDialogKind::kAPE, CountingFactory<5>);
  SetSettingDialogFactory(SettingDialogKind::kMusePack, CountingFactory<6>);
  EXPECT_EQ(LamePreset().CreateSettingDialog(), kFakeDialog);
  WavPreset().CreateSettingDialog();
  OggPreset().CreateSettingDialog();
  AacPreset().CreateSettingDialog();
  Mp4Preset().CreateSettingDialog();
  ApePreset().CreateSettingDialog();
  MpcPreset().CreateSettingDialog();
  EXPECT_EQ(FlacPreset().CreateSettingDialog(), nullptr);
  EXPECT_EQ(WMA9Preset().CreateSettingDialog(), nullptr);
  EXPECT_EQ(RealPreset().CreateSettingDialog(), nullptr);
  for (int kind = 0; kind < kSettingDialogKindCount; ++kind) {
    EXPECT_EQ(madeDialogs[kind], 1) << kind;
    SetSettingDialogFactory(static_cast<SettingDialogKind>(kind), nullptr);
  }
}
