#include "app/KelvaneSettings.h"

#include <vector>

#include "app/Myshelllib.h"
#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"
#include "platform/io/IniFiles.h"
#include "platform/io/RecordTable.h"

namespace {

const char kSection[] = "Settings";

// The fourteen keys in file order, with the defaults of this machine.
std::vector<TRecordField<KelvaneSettings>> SettingsFields(const SettingsDefaults& defaults) {
  using S = KelvaneSettings;
  return {
      RecordText<S>("DefaultDVDRom", &S::DefaultDVDRom, ""),
      RecordText<S>("DefaultOutputFolder", &S::DefaultOutputFolder, defaults.OutputFolder),
      RecordText<S>("SingleFileSymbols", &S::SingleFileSymbols, "<volumelabel>_T<title_index>[angle_index][clips_number]"),
      RecordText<S>("MultiFilesSymbols", &S::MultiFilesSymbols, "<volumelabel>_T<title_index>[angle_index]_<clips_number>"),
      RecordText<S>("ByChapterMultiFilesSymbols", &S::ByChapterMultiFilesSymbols,
                    "<volumelabel>_T<title_index>[angle_index]_C<chapter_index>"),
      RecordFlag<S>("Shutdown", &S::Shutdown, false),
      RecordFlag<S>("PreviewMovie", &S::PreviewMovie, true),
      RecordFlag<S>("OnlySelectMainMovie", &S::OnlySelectMainMovie, true),
      RecordFlag<S>("DontShowNotAvailableTitles", &S::DontShowNotAvailableTitles, true),
      RecordText<S>("DefaultAudioLang", &S::DefaultAudioLang, defaults.Language),
      RecordText<S>("DefaultSubtitleLang", &S::DefaultSubtitleLang, defaults.Language),
      RecordFlag<S>("ClearExistsTasks", &S::ClearExistsTasks, true),
      RecordFlag<S>("OpenOutputFolder", &S::OpenOutputFolder, true),
      RecordText<S>("Skin", &S::Skin, defaults.Skin),
  };
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
  const auto fields = SettingsFields(defaults);
  ReadRecord<KelvaneSettings>(ini, kSection, *this, fields);
}

void KelvaneSettings::Save() const {
  try {
    TMemIniFile ini(SettingsFileName());
    // Writing needs no machine defaults: every field is written as it stands.
    const auto fields = SettingsFields(SettingsDefaults());
    WriteRecord<KelvaneSettings>(ini, kSection, *this, fields);
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
