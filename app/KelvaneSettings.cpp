#include "app/KelvaneSettings.h"

#include "app/Myshelllib.h"
#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"
#include "platform/io/IniFiles.h"

namespace {

const char kSection[] = "Settings";

enum class DefaultKind { kEmpty, kText, kTrue, kFalse, kOutputFolder, kLanguage, kSkin };

// One key of the file: its name, the member it fills and its default, in file order.
struct SettingRow {
  const char* key;
  String KelvaneSettings::*text;
  bool KelvaneSettings::*flag;
  DefaultKind kind;
  const char* text_default;
};

const SettingRow kRows[] = {
    {"DefaultDVDRom", &KelvaneSettings::DefaultDVDRom, nullptr, DefaultKind::kEmpty, ""},
    {"DefaultOutputFolder", &KelvaneSettings::DefaultOutputFolder, nullptr, DefaultKind::kOutputFolder, ""},
    {"SingleFileSymbols", &KelvaneSettings::SingleFileSymbols, nullptr, DefaultKind::kText,
     "<volumelabel>_T<title_index>[angle_index][clips_number]"},
    {"MultiFilesSymbols", &KelvaneSettings::MultiFilesSymbols, nullptr, DefaultKind::kText,
     "<volumelabel>_T<title_index>[angle_index]_<clips_number>"},
    {"ByChapterMultiFilesSymbols", &KelvaneSettings::ByChapterMultiFilesSymbols, nullptr, DefaultKind::kText,
     "<volumelabel>_T<title_index>[angle_index]_C<chapter_index>"},
    {"Shutdown", nullptr, &KelvaneSettings::Shutdown, DefaultKind::kFalse, ""},
    {"PreviewMovie", nullptr, &KelvaneSettings::PreviewMovie, DefaultKind::kTrue, ""},
    {"OnlySelectMainMovie", nullptr, &KelvaneSettings::OnlySelectMainMovie, DefaultKind::kTrue, ""},
    {"DontShowNotAvailableTitles", nullptr, &KelvaneSettings::DontShowNotAvailableTitles, DefaultKind::kTrue, ""},
    {"DefaultAudioLang", &KelvaneSettings::DefaultAudioLang, nullptr, DefaultKind::kLanguage, ""},
    {"DefaultSubtitleLang", &KelvaneSettings::DefaultSubtitleLang, nullptr, DefaultKind::kLanguage, ""},
    {"ClearExistsTasks", nullptr, &KelvaneSettings::ClearExistsTasks, DefaultKind::kTrue, ""},
    {"OpenOutputFolder", nullptr, &KelvaneSettings::OpenOutputFolder, DefaultKind::kTrue, ""},
    {"Skin", &KelvaneSettings::Skin, nullptr, DefaultKind::kSkin, ""},
};
static_assert(sizeof kRows / sizeof kRows[0] == 14, "the settings file holds fourteen keys");

String TextDefault(const SettingRow& row, const SettingsDefaults& defaults) {
  switch (row.kind) {
    case DefaultKind::kOutputFolder: return defaults.OutputFolder;
    case DefaultKind::kLanguage: return defaults.Language;
    case DefaultKind::kSkin: return defaults.Skin;
    default: return row.text_default;
  }
}

String LocaleLanguageName() {
  char name[50] = {};
  if (::GetLocaleInfoA(1033, LOCALE_SLANGUAGE, name, sizeof name) == 0) return String();
  name[sizeof name - 1] = '\0';
  return name;
}

KelvaneSettings* instance = nullptr;

}  // namespace

SettingsDefaults SystemSettingsDefaults() {
  SettingsDefaults defaults;
  defaults.OutputFolder = GetMyDocumentsFolder() + "\\VARNEL Output\\";
  defaults.Language = LocaleLanguageName();
  defaults.Skin = ProgramFolder() + "Skins\\" + "VARNEL\\Skin.ini";
  return defaults;
}

String SettingsFileName() { return ProgramFolder() + "DUZORERAVE.ini"; }

void KelvaneSettings::Load() { Load(SystemSettingsDefaults()); }

void KelvaneSettings::Load(const SettingsDefaults& defaults) {
  TIniFile ini(SettingsFileName());
  for (const SettingRow& row : kRows) {
    if (row.text) {
      this->*row.text = ini.ReadString(kSection, row.key, TextDefault(row, defaults));
    } else {
      this->*row.flag = ini.ReadBool(kSection, row.key, row.kind == DefaultKind::kTrue);
    }
  }
}

void KelvaneSettings::Save() const {
  try {
    TMemIniFile ini(SettingsFileName());
    for (const SettingRow& row : kRows) {
      if (row.text) {
        ini.WriteString(kSection, row.key, this->*row.text);
      } else {
        ini.WriteBool(kSection, row.key, this->*row.flag);
      }
    }
    ini.UpdateFile();
  } catch (const Exception&) {
    // Settings are written at exit, where nobody could act on a report; the old
    // file stays as it was.
  }
}

KelvaneSettings* GetSettings() {
  if (!instance) {
    instance = new KelvaneSettings();
    instance->Load();
  }
  return instance;
}

void FreeSettings() {
  if (!instance) return;
  instance->Save();
  FreeAndNil(instance);
}
