#include "app/settings/SettingDialogs.h"

#include "app/AudioPresets.h"
#include "app/settings/AACSettingFrm.h"
#include "app/settings/APESettingFrm.h"
#include "app/settings/LameSettingFrm.h"
#include "app/settings/MusePackSettingFrm.h"
#include "app/settings/OggSettingFrm.h"
#include "app/settings/WaveSettingFrm.h"

namespace {

template <class Form>
TSettingBaseForm* Make() {
  return NewForm<Form>(nullptr);
}

TSettingBaseForm* MakeMpeg4() {
  TAACSettingForm* form = NewForm<TAACSettingForm>(nullptr);
  form->FixMpeg4();
  return form;
}

}  // namespace

void RegisterSettingDialogs() {
  SetSettingDialogFactory(SettingDialogKind::kLame, Make<TLameSettingForm>);
  SetSettingDialogFactory(SettingDialogKind::kWave, Make<TWaveSettingForm>);
  SetSettingDialogFactory(SettingDialogKind::kOgg, Make<TOggSettingForm>);
  SetSettingDialogFactory(SettingDialogKind::kAAC, Make<TAACSettingForm>);
  SetSettingDialogFactory(SettingDialogKind::kAACMpeg4, MakeMpeg4);
  SetSettingDialogFactory(SettingDialogKind::kAPE, Make<TAPESettingForm>);
  SetSettingDialogFactory(SettingDialogKind::kMusePack, Make<TMusePackSettingForm>);
}
