// The APE (Monkey's Audio) encoder's setting dialog: tag format and compression level.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TLabel;
class TRzComboBox;
class TRzGroupBox;
class TRzLabel;
class TRzRadioButton;

class TAPESettingForm : public TSettingBaseForm {
public:
  explicit TAPESettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  TRzLabel* RzLabel1 = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TRzRadioButton* rbAPETag = nullptr;
  TRzRadioButton* rbId3Tag = nullptr;
  TLabel* Label1 = nullptr;
  TRzComboBox* cbCompressionLevel = nullptr;

private:
  void ApplyLanguage();
};
