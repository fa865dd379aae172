// The program's settings: fourteen values in section [Settings] of "DUZORERAVE.ini"
// in the program's folder, loaded once when first asked for and written back once
// at exit. Other keys of the file (LangIndex, [LastSettings]) belong to others and
// are never touched here.
#pragma once

#include "platform/core/System.h"

// The values that depend on the machine: the defaults of the output folder, the two
// languages and the skin. SystemSettingsDefaults() asks the system; tests pin them.
struct SettingsDefaults {
  String OutputFolder;  // the documents folder + "\VARNEL Output\"
  String Language;      // the locale name of 1033 (LOCALE_SLANGUAGE)
  String Skin;          // the program's folder + "Skins\VARNEL\Skin.ini"
};
SettingsDefaults SystemSettingsDefaults();

// The settings file's full path in the program's folder.
String SettingsFileName();

class KelvaneSettings {
public:
  String DefaultDVDRom;
  String DefaultOutputFolder;
  String DefaultAudioLang;
  String DefaultSubtitleLang;
  String SingleFileSymbols;
  String MultiFilesSymbols;
  String ByChapterMultiFilesSymbols;
  bool Shutdown = false;
  bool PreviewMovie = false;
  bool OnlySelectMainMovie = false;
  bool DontShowNotAvailableTitles = false;
  bool ClearExistsTasks = false;
  bool OpenOutputFolder = false;
  String Skin;

  // Reads the fourteen keys; a missing key takes its default, an empty one stays empty.
  void Load();
  void Load(const SettingsDefaults& defaults);
  // Writes all fourteen keys; a failure to write is not reported.
  void Save() const;
};

// The one settings object, created and loaded on the first call.
KelvaneSettings* GetSettings();
// Saves and frees the settings object when it exists; the entry routine calls it at exit.
void FreeSettings();
