// The Musepack encoder's setting dialog: a quality slider (quality x 100) coupled
// to the encoder's named quality profiles.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TBevel;
class TRzComboBox;
class TRzLabel;
class TTrackBar;

class TMusePackSettingForm : public TSettingBaseForm {
public:
  explicit TMusePackSettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  TRzLabel* RzLabel3 = nullptr;
  TRzLabel* RzLabel1 = nullptr;
  TRzComboBox* cbQualityPresets = nullptr;
  TBevel* Bevel2 = nullptr;
  TRzLabel* RzLabel2 = nullptr;
  TTrackBar* tbQuality = nullptr;
  TRzLabel* lblQualityValue = nullptr;

  void cbQualityPresetsChange(TObject* sender);
  void tbQualityChange(TObject* sender);

private:
  void FormCreate(TObject* sender);
  void ApplyLanguage();
};
