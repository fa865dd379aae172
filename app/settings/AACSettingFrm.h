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
  // The M4A target's form of the dialog: "MPEG 4" chosen and not to be changed.
  void FixMpeg4();

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
