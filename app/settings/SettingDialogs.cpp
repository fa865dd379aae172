#include "app/settings/SettingDialogs.h"

#include <algorithm>
#include <memory>

#include "app/output/OutputSettingsFrm.h"
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

// Shows a setting dialog modally and frees it; on OK its pairs are the result.
int RunDialog(TSettingBaseForm* dialog, EncoderParameter* pairs, std::int32_t& count) {
  std::unique_ptr<TSettingBaseForm> owned(dialog);
  const int result = dialog->ShowModal();
  if (result == mrOk) {
    EncoderParamBlock block{};
    count = dialog->GetEncoderParams(block);
    std::copy(std::begin(block.Pairs), std::end(block.Pairs), pairs);
  }
  return result;
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
  SetSettingDialogRunner(RunDialog);
}
