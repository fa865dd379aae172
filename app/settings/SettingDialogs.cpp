#include "app/settings/SettingDialogs.h"

#include "app/settings/AACSettingFrm.h"
#include "app/settings/APESettingFrm.h"
#include "app/settings/LameSettingFrm.h"
#include "app/settings/MusePackSettingFrm.h"
#include "app/settings/OggSettingFrm.h"
#include "app/settings/WaveSettingFrm.h"

void RegisterSettingDialogs() {
  RegisterLameSettingDialog();
  RegisterWaveSettingDialog();
  RegisterOggSettingDialog();
  RegisterAACSettingDialogs();
  RegisterAPESettingDialog();
  RegisterMusePackSettingDialog();
}
