// The preset sources of the output settings dialog and the registry of the encoder
// setting dialogs they open.
#include "app/MultiLang.h"
#include "app/output/OutputSettingsFrm.h"
#include "engines/EncoderCommon/EncoderPluginInterface.h"
#include "platform/core/FileUtils.h"

namespace {

const char kSection[] = "AUDIO_PRESET";
const char kSameAsSource[] = "The same as the source";

SettingDialogFactory dialogFactories[kSettingDialogKindCount] = {};
SettingDialogRunner dialogRunner = nullptr;

String SameAsSourceName() { return LanguageManager()->Translate(kSection, "00", kSameAsSource); }

#define LAME_TAIL(ch, q) {6, ch}, {7, q}, {8, -1}, {16, 1}
#define LAME_CBR(key, name, kbps) {key, name, 6, {{0, 0}, {1, kbps}, LAME_TAIL(-1, 2)}}
#define LAME_ABR(key, name, kbps) {key, name, 6, {{0, 1}, {2, kbps}, LAME_TAIL(-1, 2)}}
#define LAME_VBR(key, name, level) {key, name, 6, {{0, 2}, {12, level}, LAME_TAIL(-1, 2)}}

const FixedPreset::Row kLameRows[] = {
    {"100", "Near CD-Quality", 6, {{0, 0}, {1, 128}, LAME_TAIL(2, 2)}},
    LAME_CBR("101", "CD-Quality", 192),
    LAME_CBR("102", "CBR 320 kbit/s", 320),
    LAME_CBR("103", "CBR 256 kbit/s", 256),
    LAME_CBR("104", "CBR 224 kbit/s", 224),
    LAME_CBR("105", "CBR 192 kbit/s", 192),
    LAME_CBR("106", "CBR 160 kbit/s", 160),
    LAME_CBR("107", "CBR 128 kbit/s", 128),
    LAME_CBR("108", "CBR 112 kbit/s", 112),
    LAME_CBR("109", "CBR 96 kbit/s", 96),
    LAME_CBR("110", "CBR 80 kbit/s", 80),
    LAME_CBR("111", "CBR 64 kbit/s", 64),
    LAME_CBR("112", "CBR 56 kbit/s", 56),
    LAME_CBR("113", "CBR 48 kbit/s", 48),
    LAME_CBR("114", "CBR 40 kbit/s", 40),
    LAME_CBR("115", "CBR 32 kbit/s", 32),
    LAME_ABR("116", "ABR - 150 kbit/s", 150),
    LAME_ABR("117", "ABR - 175 kbit/s", 175),
    LAME_ABR("118", "ABR - 200 kbit/s", 200),
    LAME_ABR("119", "ABR - 225 kbit/s", 225),
    LAME_ABR("120", "ABR - 250 kbit/s", 250),
    LAME_VBR("121", "VBR - Quality Level 0 (Highest)", 0),
    LAME_VBR("122", "VBR - Quality Level 1", 1),
    LAME_VBR("123", "VBR - Quality Level 2", 2),
    LAME_VBR("124", "VBR - Quality Level 3", 3),
    LAME_VBR("125", "VBR - Quality Level 4", 4),
    LAME_VBR("126", "VBR - Quality Level 5", 5),
    LAME_VBR("127", "VBR - Quality Level 6", 6),
    LAME_VBR("128", "VBR - Quality Level 7", 7),
    LAME_VBR("129", "VBR - Quality Level 8", 8),
    LAME_VBR("130", "VBR - Quality Level 9 (Lowest)", 9),
    {"131", "Perfect Quality", 6, {{0, 0}, {1, 320}, LAME_TAIL(2, 9)}},
};
static_assert(sizeof kLameRows / sizeof kLameRows[0] == 32);

// AAC (MPEG 2, version 1) and M4A (MPEG 4, version 0) share their names and bitrates.
#define AAC_ROW(key, name, bitrate, version) {key, name, 6, {{1, -1}, {0, bitrate}, {3, version}, {4, 1}, {6, 0}, {5, 0}}}
const FixedPreset::Row kAacRows[] = {
    AAC_ROW("300", "Automatic Bitrate", -1, 1), AAC_ROW("301", "160 kbit/s", 160000, 1),
    AAC_ROW("302", "128 kbit/s", 128000, 1),    AAC_ROW("303", "112 kbit/s", 112000, 1),
    AAC_ROW("304", "96 kbit/s", 96000, 1),      AAC_ROW("305", "64 kbit/s", 64000, 1),
};
const FixedPreset::Row kMp4Rows[] = {
    AAC_ROW("200", "Automatic Bitrate", -1, 0), AAC_ROW("201", "160 kbit/s", 160000, 0),
    AAC_ROW("202", "128 kbit/s", 128000, 0),    AAC_ROW("203", "112 kbit/s", 112000, 0),
    AAC_ROW("204", "96 kbit/s", 96000, 0),      AAC_ROW("205", "64 kbit/s", 64000, 0),
};

#define OGG_ROW(key, name, mode, value) {key, name, 2, {{0, mode}, {1, value}}}
const FixedPreset::Row kOggRows[] = {
    OGG_ROW("400", "VBR Quality-4(128 kbit/s)", 0, 400),  OGG_ROW("401", "VBR Quality-0(64 kbit/s)", 0, 0),
    OGG_ROW("402", "VBR Quality-1(80 kbit/s)", 0, 100),   OGG_ROW("403", "VBR Quality-2(96 kbit/s)", 0, 200),
    OGG_ROW("404", "VBR Quality-3(112 kbit/s)", 0, 300),  OGG_ROW("405", "VBR Quality-5(160 kbit/s)", 0, 500),
    OGG_ROW("406", "VBR Quality-6(192 kbit/s)", 0, 600),  OGG_ROW("407", "VBR Quality-7(224 kbit/s)", 0, 700),
    OGG_ROW("408", "VBR Quality-8(256 kbit/s)", 0, 800),  OGG_ROW("409", "VBR Quality-9(320 kbit/s)", 0, 900),
    OGG_ROW("410", "VBR Quality-10(500 kbit/s)", 0, 1000), OGG_ROW("411", "ABR(64 kbit/s)", 2, 64),
    OGG_ROW("412", "ABR(80 kbit/s)", 2, 80),              OGG_ROW("413", "ABR(96 kbit/s)", 2, 96),
    OGG_ROW("414", "ABR(112 kbit/s)", 2, 112),            OGG_ROW("415", "ABR(160 kbit/s)", 2, 160),
    OGG_ROW("416", "ABR(192 kbit/s)", 2, 192),            OGG_ROW("417", "ABR(224 kbit/s)", 2, 224),
    OGG_ROW("418", "ABR(256 kbit/s)", 2, 256),            OGG_ROW("419", "ABR(320 kbit/s)", 2, 320),
};
static_assert(sizeof kOggRows / sizeof kOggRows[0] == 20);

#define WAV_ROW(key, name, format, rate, channels) {key, name, 3, {{0, format}, {1, rate}, {2, channels}}}
const FixedPreset::Row kWavRows[] = {
    WAV_ROW("500", "Standard 44,100Hz Stereo (CD Quality)", 2, 44100, 2),
    WAV_ROW("501", "Standard 22,050Hz Stereo", 2, 22050, 2),
    WAV_ROW("502", "Standard 11,025Hz Stereo", 2, 11025, 2),
    WAV_ROW("503", "Standard 44,100Hz Mono", 2, 44100, 1),
    WAV_ROW("504", "Standard 22,050Hz Mono", 2, 22050, 1),
    WAV_ROW("505", "Standard 11,025Hz Mono", 2, 11025, 1),
    WAV_ROW("506", "ACPCM 44,100Hz 4bit Stereo", 19, 44100, 2),
    WAV_ROW("507", "ACPCM 22,050Hz 4bit Stereo", 19, 22050, 2),
};

const FixedPreset::Row kApeRows[] = {
    {"600", "Extra High Compression Level", 1, {{1, 4000}}},
    {"601", "High Compression Level", 1, {{1, 3000}}},
    {"602", "Normal Compression Level", 1, {{1, 2000}}},
    {"603", "Fast Compression Level", 1, {{1, 1000}}},
};

const FixedPreset::Row kMpcRows[] = {
    {"700", "Standard - High quality (142...184 kbps)", 1, {{0, 500}}},
    {"701", "Telephone - Lowest quality(32... 48 kbps)", 1, {{0, 200}}},
    {"702", "Thumb - Low quality/internet(58... 86 kbps)", 1, {{0, 300}}},
    {"703", "Radio - Medium (MP3) quality(112...152 kbps)", 1, {{0, 400}}},
    {"704", "Xtreme - Extreme high quality(168...212 kbps)", 1, {{0, 600}}},
    {"705", "Insane - Extreme high quality(232...268 kbps)", 1, {{0, 700}}},
    {"706", "Braindead - Extreme high quality(232...278 kbps)", 1, {{0, 800}}},
};

const FixedPreset::Row kFlacRows[] = {
    {"00", kSameAsSource, 0, {}},
};

template <size_t N>
constexpr int CountOf(const FixedPreset::Row (&)[N]) {
  return static_cast<int>(N);
}

}  // namespace

void SetSettingDialogFactory(SettingDialogKind kind, SettingDialogFactory factory) {
  int index = static_cast<int>(kind);
  if (index >= 0 && index < kSettingDialogKindCount) dialogFactories[index] = factory;
}

void SetSettingDialogRunner(SettingDialogRunner runner) { dialogRunner = runner; }

int RunSettingDialog(TSettingBaseForm* dialog, EncoderParamBlock& block) {
  if (!dialog || !dialogRunner) return 2;
  std::int32_t count = 0;
  int result = dialogRunner(dialog, block.Pairs, count);
  if (result == 1) block.Count = count < 0 ? 0 : (count > kMaxEncoderParameters ? kMaxEncoderParameters : count);
  return result;
}

String FixedPreset::GetPresetName(int index) const {
  if (index < 0 || index >= rowCount_) return String();
  return LanguageManager()->Translate(kSection, rows_[index].Key, rows_[index].Name);
}

int FixedPreset::FillPresetParams(int index, EncoderParamBlock& block) const {
  if (index < 0 || index >= rowCount_) return 0;
  const Row& row = rows_[index];
  for (int i = 0; i < row.PairCount; ++i) block.Pairs[i] = row.Pairs[i];
  block.Count = row.PairCount;
  return 0;
}

TSettingBaseForm* DialogPreset::CreateSettingDialog() const {
  SettingDialogFactory factory = dialogFactories[static_cast<int>(kind_)];
  return factory ? factory() : nullptr;
}

LamePreset::LamePreset() : DialogPreset(kLameRows, CountOf(kLameRows), SettingDialogKind::kLame) {}
String LamePreset::GetPluginFileName() const { return kEncMP3Module; }

WavPreset::WavPreset() : DialogPreset(kWavRows, CountOf(kWavRows), SettingDialogKind::kWave) {}
String WavPreset::GetPluginFileName() const { return kEncWAVModule; }

OggPreset::OggPreset() : DialogPreset(kOggRows, CountOf(kOggRows), SettingDialogKind::kOgg) {}
String OggPreset::GetPluginFileName() const { return kEncOGGModule; }

AacPreset::AacPreset() : DialogPreset(kAacRows, CountOf(kAacRows), SettingDialogKind::kAAC) {}
String AacPreset::GetPluginFileName() const { return kEncAACModule; }

Mp4Preset::Mp4Preset() : DialogPreset(kMp4Rows, CountOf(kMp4Rows), SettingDialogKind::kAACMpeg4) {}
String Mp4Preset::GetPluginFileName() const { return kEncAACModule; }

ApePreset::ApePreset() : DialogPreset(kApeRows, CountOf(kApeRows), SettingDialogKind::kAPE) {}
String ApePreset::GetPluginFileName() const { return kEncAPEModule; }

MpcPreset::MpcPreset() : DialogPreset(kMpcRows, CountOf(kMpcRows), SettingDialogKind::kMusePack) {}
String MpcPreset::GetPluginFileName() const { return kEncMPCModule; }

FlacPreset::FlacPreset() : FixedPreset(kFlacRows, CountOf(kFlacRows)) {}
String FlacPreset::GetPluginFileName() const { return kEncFLACModule; }

ListFilePreset::ListFilePreset(const String& listFileName) {
  const String path = ProgramFolder() + listFileName;
  if (!FileExists(path)) return;
  list_ = new TStringList();
  try {
    list_->LoadFromFile(path);
  } catch (const Exception&) {
    FreeAndNil(list_);  // a file that cannot be read counts as missing
  }
}

ListFilePreset::~ListFilePreset() { delete list_; }

int ListFilePreset::GetPresetCount() const { return list_ ? list_->Count() : 1; }

String ListFilePreset::GetPresetName(int index) const {
  if (!list_) return SameAsSourceName();
  if (index < 0 || index >= list_->Count()) return String();
  return list_->Get(index);
}

int ListFilePreset::FillPresetParams(int index, EncoderParamBlock& block) const {
  if (list_) {
    block.Pairs[0] = {0, index};
    block.Count = 1;
  } else {
    block.Count = 0;
  }
  return 0;
}

WMA9Preset::WMA9Preset() : ListFilePreset(kWMAFormatsFile) {}
String WMA9Preset::GetPluginFileName() const { return kEncWMAModule; }

RealPreset::RealPreset() : ListFilePreset(kRAAudiencesFile) {}
String RealPreset::GetPluginFileName() const { return kEncRAModule; }
