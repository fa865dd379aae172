// The WAV encoder's setting dialog: compression format, sample rate and channels.
// Its Help button also closes it as Cancel.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TLabel;
class TRzComboBox;
class TRzLabel;

class TWaveSettingForm : public TSettingBaseForm {
public:
  explicit TWaveSettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  TRzLabel* RzLabel1 = nullptr;
  TLabel* Label1 = nullptr;
  TRzComboBox* cbCompression = nullptr;
  TLabel* Label2 = nullptr;
  TRzComboBox* cbSamplerate = nullptr;
  TLabel* Label3 = nullptr;
  TRzComboBox* cbChannelMode = nullptr;

private:
  void ApplyLanguage();
};
