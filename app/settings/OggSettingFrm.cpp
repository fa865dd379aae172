#include "app/settings/OggSettingFrm.h"

#include <cmath>

#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzRadioButton.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/core/SysUtils.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Bevel.h"
#include "platform/stdctrls/Label.h"

namespace {

const char kOggSection[] = "OGGSETTINGS_FORM";

constexpr int kInitialPosition = 400;  // quality 4, about 128 kbps
constexpr int k64Item = 0, k128Item = 4, k256Item = 8;

}  // namespace

// The thresholds are doubles and the factors singles, widened to 80 bits; the
// bitrate is kept as a double before it is cut, as the figures shown depend on
// it (quality 4.1 gives 131.1, not 131.2).
double EstimateVorbisBitrate(double quality) {
  static_assert(sizeof(long double) > sizeof(double), "the estimate needs the x87's extended precision");
  const long double q = quality;
  long double r;
  if (q < static_cast<long double>(4.1))
    r = 16.0f * q + 64.0f;
  else if (q < static_cast<long double>(8.1))
    r = 32.0f * q;
  else if (q < static_cast<long double>(9.1))
    r = 32.0f * q + 32.0f * (q - 8.0f);
  else
    r = 32.0f * q + 32.0f * (q - 8.0f) + 116.0f * (q - 9.0f);
  const double stored = static_cast<double>(r);
  return static_cast<double>(truncl(static_cast<long double>(stored) * 10.0f) * 0.1L);
}

TOggSettingForm::TOggSettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("RzLabel1", RzLabel1)
      .Field("Label4", Label4)
      .Field("Bevel2", Bevel2)
      .Field("rbQualitySettings", rbQualitySettings)
      .Field("tbQuality", tbQuality)
      .Field("lblWorst", lblWorst)
      .Field("lblBest", lblBest)
      .Field("lblQuality", lblQuality)
      .Field("lblQualityValue", lblQualityValue)
      .Field("lblBitrate", lblBitrate)
      .Field("lblBitrateValue", lblBitrateValue)
      .Field("Label9", Label9)
      .Field("Bevel1", Bevel1)
      .Field("rbVBR", rbVBR)
      .Field("rbABR", rbABR)
      .Field("rbCBR", rbCBR)
      .Field("Label10", Label10)
      .Field("Label11", Label11)
      .Field("Label12", Label12)
      .Field("cbMinBitrate", cbMinBitrate)
      .Field("cbNominalBitrate", cbNominalBitrate)
      .Field("cbMaxBitrate", cbMaxBitrate)
      .Handler("rbQualitySettingsClick", this, &TOggSettingForm::rbQualitySettingsClick)
      .Handler("tbQualityChange", this, &TOggSettingForm::tbQualityChange)
      .Handler("cbMinBitrateChange", this, &TOggSettingForm::cbMinBitrateChange)
      .Handler("cbNominalBitrateChange", this, &TOggSettingForm::cbNominalBitrateChange)
      .Handler("cbMaxBitrateChange", this, &TOggSettingForm::cbMaxBitrateChange);
}

void TOggSettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
  quality_ = 0;
  bitrate_ = 0;
  rbQualitySettingsClick(nullptr);
  tbQuality->SetPosition(kInitialPosition);
}

void TOggSettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kOggSection, {
                              {RzLabel1, "01", "OGG Vorbis Encoder Settings:"},
                              {Label4, "02", "Use Quality Management(Recommended)"},
                              {rbQualitySettings, "03", "Quality Settings:"},
                              {lblQuality, "04", "Quality:"},
                              {lblBitrate, "05", "Bitrate:"},
                              {lblWorst, "06", "Worst"},
                              {lblBest, "07", "Best"},
                              {Label9, "08", "Use Bitrate manager"},
                              {rbVBR, "09", "Variable Bitrate"},
                              {rbABR, "10", "Average Bitrate"},
                              {rbCBR, "11", "Constant Bitrate"},
                              {Label10, "12", "Minimun\nBitrate"},
                              {Label11, "13", "Nominal\nBitrate"},
                              {Label12, "14", "Maximum\nBitrate"},
                          });
}

void TOggSettingForm::tbQualityChange(TObject*) {
  quality_ = static_cast<double>(tbQuality->Position() * 0.01L);
  bitrate_ = EstimateVorbisBitrate(quality_);
  lblQualityValue->SetCaption(FloatToStr(quality_));
  lblBitrateValue->SetCaption(FloatToStr(bitrate_) + " kbps");
}

void TOggSettingForm::rbQualitySettingsClick(TObject*) {
  const bool quality = rbQualitySettings->GetChecked();
  for (TControl* control : std::initializer_list<TControl*>{tbQuality, lblWorst, lblBest, lblQuality, lblBitrate,
                                                            lblQualityValue, lblBitrateValue})
    control->SetEnabled(quality);
  const bool vbr = rbVBR->GetChecked(), abr = rbABR->GetChecked(), cbr = rbCBR->GetChecked();
  cbMinBitrate->SetEnabled(vbr);
  cbMaxBitrate->SetEnabled(vbr);
  cbNominalBitrate->SetEnabled(abr || cbr);
  if (vbr) {
    cbMinBitrate->SetItemIndex(k64Item);
    cbMaxBitrate->SetItemIndex(k256Item);
  } else if (abr) {
    cbMinBitrate->SetItemIndex(-1);
    cbMaxBitrate->SetItemIndex(-1);
    cbNominalBitrate->SetItemIndex(k128Item);
  } else if (cbr) {
    cbNominalBitrate->SetItemIndex(k128Item);
    cbMinBitrate->SetItemIndex(k128Item);
    cbMaxBitrate->SetItemIndex(k128Item);
  }
}

// A constant bitrate keeps all three equal.
void TOggSettingForm::cbNominalBitrateChange(TObject*) {
  if (!rbCBR->GetChecked()) return;
  cbMinBitrate->SetItemIndex(cbNominalBitrate->ItemIndex());
  cbMaxBitrate->SetItemIndex(cbNominalBitrate->ItemIndex());
}

void TOggSettingForm::cbMinBitrateChange(TObject*) {
  if (cbMinBitrate->ItemIndex() > cbMaxBitrate->ItemIndex()) cbMinBitrate->SetItemIndex(cbMaxBitrate->ItemIndex());
}

void TOggSettingForm::cbMaxBitrateChange(TObject*) {
  if (cbMaxBitrate->ItemIndex() < cbMinBitrate->ItemIndex()) cbMaxBitrate->SetItemIndex(cbMinBitrate->ItemIndex());
}

int TOggSettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  const int mode = rbQualitySettings->GetChecked() ? 0
                   : rbVBR->GetChecked()           ? 1
                   : rbABR->GetChecked()           ? 2
                   : rbCBR->GetChecked()           ? 3
                                                   : -1;
  int count = 0;
  if (mode >= 0) Put(block, count, 0, mode);
  switch (mode) {
    case 1:
      Put(block, count, 2, ShownNumber(cbMinBitrate));
      Put(block, count, 3, ShownNumber(cbMaxBitrate));
      break;
    case 2:
    case 3: Put(block, count, 4, ShownNumber(cbNominalBitrate)); break;
    default: Put(block, count, 1, tbQuality->Position()); break;
  }
  return count;
}
