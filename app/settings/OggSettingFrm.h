// The Ogg Vorbis encoder's setting dialog: quality mode with a live bitrate
// estimate, or one of the bitrate manager's modes (variable, average, constant)
// with coupled minimum, nominal and maximum bitrates.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TBevel;
class TLabel;
class TRzComboBox;
class TRzLabel;
class TRzRadioButton;
class TTrackBar;

// The approximate bitrate in kbps of a Vorbis quality (0 .. 10), cut to one
// decimal. Worked in the x87's 80-bit precision, so the shown figures are the
// same on every build.
double EstimateVorbisBitrate(double quality);

class TOggSettingForm : public TSettingBaseForm {
public:
  explicit TOggSettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  TRzLabel* RzLabel1 = nullptr;
  TLabel* Label4 = nullptr;
  TBevel* Bevel2 = nullptr;
  TRzRadioButton* rbQualitySettings = nullptr;
  TTrackBar* tbQuality = nullptr;
  TLabel* lblWorst = nullptr;
  TLabel* lblBest = nullptr;
  TLabel* lblQuality = nullptr;
  TLabel* lblQualityValue = nullptr;
  TLabel* lblBitrate = nullptr;
  TLabel* lblBitrateValue = nullptr;
  TLabel* Label9 = nullptr;
  TBevel* Bevel1 = nullptr;
  TRzRadioButton* rbVBR = nullptr;
  TRzRadioButton* rbABR = nullptr;
  TRzRadioButton* rbCBR = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label11 = nullptr;
  TLabel* Label12 = nullptr;
  TRzComboBox* cbMinBitrate = nullptr;
  TRzComboBox* cbNominalBitrate = nullptr;
  TRzComboBox* cbMaxBitrate = nullptr;

  void rbQualitySettingsClick(TObject* sender);
  void tbQualityChange(TObject* sender);
  void cbMinBitrateChange(TObject* sender);
  void cbNominalBitrateChange(TObject* sender);
  void cbMaxBitrateChange(TObject* sender);

  double Quality() const { return quality_; }
  double Bitrate() const { return bitrate_; }

private:
  void ApplyLanguage();

  double quality_ = 0;  // of the slider's position
  double bitrate_ = 0;  // its estimate, kbps
};
