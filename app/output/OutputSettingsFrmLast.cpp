// The output settings dialog's last choices: section [LastSettings] of the settings
// file, read once when the dialog is made and written once when it goes, and the
// video page's settings in "LastVideoProfile.pf" beside the program.
#include "app/KelvaneSettings.h"
#include "app/VideoProfile.h"
#include "app/output/OutputFormats.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/io/IniFiles.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinNotebook.h"

namespace {

constexpr char kSection[] = "LastSettings";
constexpr const char* kProfileKeys[8] = {"Last3GPProfile", "LastAVIProfile",  "LastMPEGProfile", "LastMP4Profile",
                                         "LastWMVProfile", "LastRealProfile", "LastMOVProfile",  "LastFLVProfile"};

String LastVideoProfilePath() { return ProgramFolder() + "LastVideoProfile.pf"; }

}  // namespace

void TOutputSettingsForm::LoadLastSettings() {
  try {
    TIniFile ini(SettingsFileName());
    for (int code = 0; code < 8; ++code) rememberedNames_[code] = ini.ReadString(kSection, kProfileKeys[code], String());
    auto code = static_cast<OutputFormatCode>(ini.ReadInteger(kSection, "LastOutputFormat", kFirstAudioFormat));
    // A stored code that names no format opens on MP3, as a first start does.
    if (!IsVideoFormatCode(code) && !IsAudioFormatCode(code)) code = kFirstAudioFormat;
    SelectOutputFormat(code);
    if (code >= kFirstAudioFormat) {
      SelectPresetNamed(ini.ReadString(kSection, "LastAudioScheme", String()));
    } else {
      chkVideoFormat->SetChecked(true);
      if (!FileExists(LastVideoProfilePath())) btnAVIClick(nullptr);
    }
  } catch (const Exception&) {
  }
}

void TOutputSettingsForm::SaveLastSettings() {
  try {
    TIniFile ini(SettingsFileName());
    for (int code = 0; code < 8; ++code) ini.WriteString(kSection, kProfileKeys[code], rememberedNames_[code]);
    int code = 1;
    if (Notebook->PageIndex() == 1) {
      int audio = ChosenAudioFormat();
      if (audio >= 0) code = audio;
      ini.WriteString(kSection, "LastAudioScheme", scheme_.PresetName);
    } else {
      int video = ChosenVideoFormat();
      if (video >= 0) code = video;
      // Written over the old file in one step: a failed save keeps the old one.
      if (TVideoProfile* profile = CreateVideoProfile()) profile->Save(LastVideoProfilePath());
    }
    ini.WriteInteger(kSection, "LastOutputFormat", code);
  } catch (const Exception&) {
  }
}
