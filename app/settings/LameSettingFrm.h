// The MP3 (LAME) encoder's setting dialog: bitrate mode and bitrates, algorithm
// quality, sample rate, channel mode, filters, ATH and stream flags. The bitrate
// lists follow the MPEG version of the chosen sample rate, and the dependent
// controls are enabled as the choices change.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TLabel;
class TRzCheckBox;
class TRzComboBox;
class TRzGroupBox;
class TRzLabel;
class TRzRadioButton;
class TRzRadioGroup;
class TRzSpinEdit;

class TLameSettingForm : public TSettingBaseForm {
public:
  explicit TLameSettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  // The bitrate rows, by MPEG version of the sample rate.
  enum BitrateRow { kMpeg1, kMpeg2 };
  static void FillBitrateList(TRzComboBox* list, BitrateRow row);

  TRzLabel* RzLabel1 = nullptr;
  TLabel* Label1 = nullptr;
  TRzComboBox* cbAlgorithmQuality = nullptr;
  TRzGroupBox* Samplerate = nullptr;
  TRzRadioButton* rbAutomatic = nullptr;
  TRzRadioButton* rbSpecify = nullptr;
  TRzComboBox* cbSamplerate = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TRzRadioButton* rbCBR = nullptr;
  TRzComboBox* cbCBRValue = nullptr;
  TRzCheckBox* chkFreeFormatBitstream = nullptr;
  TRzRadioButton* rbABR = nullptr;
  TLabel* Label6 = nullptr;
  TRzComboBox* cbABRValue = nullptr;
  TRzRadioButton* rbVBR = nullptr;
  TRzCheckBox* chkMinVBR = nullptr;
  TRzComboBox* cbVBRMinValue = nullptr;
  TRzCheckBox* chkMaxVBR = nullptr;
  TRzComboBox* cbVBRMaxValue = nullptr;
  TRzRadioGroup* rgVBRMethod = nullptr;
  TLabel* Label7 = nullptr;
  TRzComboBox* cbVBRQualityLevel = nullptr;
  TRzCheckBox* chkEnforceMinimumBitrate = nullptr;
  TRzCheckBox* chkWriteVBRInfoTag = nullptr;
  TRzGroupBox* GroupBox7 = nullptr;
  TRzRadioButton* rbChannelAutoSelect = nullptr;
  TRzRadioButton* rbChannelSpecify = nullptr;
  TRzComboBox* cbChannelMode = nullptr;
  TRzGroupBox* GroupBox4 = nullptr;
  TRzCheckBox* chkDisableAllFilters = nullptr;
  TRzCheckBox* chkLowpassFilter = nullptr;
  TRzSpinEdit* edtLowpassFilterValue = nullptr;
  TRzCheckBox* chkHighpassFilter = nullptr;
  TRzSpinEdit* edtHighpassFilterValue = nullptr;
  TRzGroupBox* GroupBox5 = nullptr;
  TRzCheckBox* chkDisableATH = nullptr;
  TRzCheckBox* chkOnlyUseATH = nullptr;
  TRzCheckBox* chkLowerTheATH = nullptr;
  TRzSpinEdit* edtLowerATHValue = nullptr;
  TRzGroupBox* GroupBox6 = nullptr;
  TRzCheckBox* chkDisableTemporalMaskingEffect = nullptr;
  TRzCheckBox* chkDisableShortBlocks = nullptr;
  TRzGroupBox* GroupBox3 = nullptr;
  TRzCheckBox* chkWaveHeader = nullptr;
  TRzCheckBox* chkCopyright = nullptr;
  TRzCheckBox* chkOriginal = nullptr;
  TRzCheckBox* chkCRCErrorProt = nullptr;
  TRzCheckBox* chkStrictISOBitstream = nullptr;
  TRzCheckBox* chkDisableBitReservoir = nullptr;
  TRzCheckBox* chkPrivate = nullptr;

  void rbAutomaticClick(TObject* sender);
  void rbCBRClick(TObject* sender);
  void chkMinVBRClick(TObject* sender);
  void chkMaxVBRClick(TObject* sender);
  void rbChannelAutoSelectClick(TObject* sender);
  void chkDisableAllFiltersClick(TObject* sender);
  void chkDisableATHClick(TObject* sender);
  void cbSamplerateClick(TObject* sender);

private:
  void ApplyLanguage();
};
