// The AAC/M4A encoder's setting dialog: quantizer quality, bitrate per channel,
// MPEG version, bandwidth, object type, TNS and mid/side.
#pragma once

#include "app/settings/SettingBaseFrm.h"

class TLabel;
class TRzCheckBox;
class TRzComboBox;
class TRzLabel;
class TTrackBar;

class TAACSettingForm : public TSettingBaseForm {
public:
  explicit TAACSettingForm(TComponent* owner);
  void AfterConstruction() override;
  int GetEncoderParams(EncoderParamBlock& block) override;

  TRzLabel* lblTitle = nullptr;
  TRzCheckBox* chkQuality = nullptr;
  TTrackBar* tbQuality = nullptr;
  TLabel* Label0 = nullptr;
  TLabel* Label100 = nullptr;
  TLabel* lblQuality = nullptr;
  TLabel* Label1 = nullptr;
  TRzComboBox* cbBitrate = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TRzComboBox* cbMPEGVersion = nullptr;
  TLabel* Label5 = nullptr;
  TRzComboBox* cbBandwidth = nullptr;
  TLabel* Label4 = nullptr;
  TRzComboBox* cbAACObjectType = nullptr;
  TRzCheckBox* chkUseTNS = nullptr;
  TRzCheckBox* chkAllowMidSide = nullptr;

  void chkQualityClick(TObject* sender);
  void tbQualityChange(TObject* sender);

private:
  void ApplyLanguage();
};

// Registers the AAC dialog and its M4A form ("MPEG 4" fixed) as the presets' makers.
void RegisterAACSettingDialogs();
