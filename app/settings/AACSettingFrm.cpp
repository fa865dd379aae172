#include "app/settings/AACSettingFrm.h"

#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/core/SysUtils.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Label.h"

namespace {

const char kAACSection[] = "AACMP4SETTINGS_FORM";

constexpr int kMpeg2Item = 0;
constexpr int kMpeg4Item = 1;
// The plug-in's object type codes by list item: Main, Low Complexity, LTP.
constexpr int kObjectTypes[] = {0, 1, 3};

}  // namespace

TAACSettingForm::TAACSettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("lblTitle", lblTitle)
      .Field("chkQuality", chkQuality)
      .Field("tbQuality", tbQuality)
      .Field("Label0", Label0)
      .Field("Label100", Label100)
      .Field("lblQuality", lblQuality)
      .Field("Label1", Label1)
      .Field("cbBitrate", cbBitrate)
      .Field("Label2", Label2)
      .Field("Label3", Label3)
      .Field("cbMPEGVersion", cbMPEGVersion)
      .Field("Label5", Label5)
      .Field("cbBandwidth", cbBandwidth)
      .Field("Label4", Label4)
      .Field("cbAACObjectType", cbAACObjectType)
      .Field("chkUseTNS", chkUseTNS)
      .Field("chkAllowMidSide", chkAllowMidSide)
      .Handler("chkQualityClick", this, &TAACSettingForm::chkQualityClick)
      .Handler("tbQualityChange", this, &TAACSettingForm::tbQualityChange);
}

void TAACSettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
  chkQualityClick(nullptr);
  tbQualityChange(nullptr);  // the value label shows the slider's position from the start
}

void TAACSettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kAACSection, {
                              {lblTitle, "01", "AAC/MP4 Encoder Settings:"},
                              {chkQuality, "02", "Quantizer Quality:"},
                              {Label100, "03", "100(Default)"},
                              {Label1, "04", "Bitrate:"},
                              {Label2, "05", "bps/ch"},
                          });
  RefillItems(cbBitrate,
              {Translate(kAACSection, "06", "Auto"), "64000", "80000", "96000", "112000", "128000", "144000", "160000",
               "192000", "224000", "240000", "256000", "320000"},
              0);
  ApplyCaptions(kAACSection, {
                              {Label3, "07", "MPEG Version"},
                              {Label5, "08", "Bandwidth"},
                              {Label4, "09", "AAC Object Type"},
                              {chkUseTNS, "10", "Use TNS"},
                              {chkAllowMidSide, "11", "Allow Mid/Side"},
                          });
}

void TAACSettingForm::FixMpeg4() {
  cbMPEGVersion->SetItemIndex(kMpeg4Item);
  cbMPEGVersion->SetEnabled(false);
}

void TAACSettingForm::chkQualityClick(TObject*) {
  const bool on = chkQuality->GetChecked();
  tbQuality->SetEnabled(on);
  Label0->SetEnabled(on);
  Label100->SetEnabled(on);
}

void TAACSettingForm::tbQualityChange(TObject*) { lblQuality->SetCaption(IntToStr(tbQuality->Position())); }

int TAACSettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  int count = 0;
  Put(block, count, 1, chkQuality->GetChecked() ? tbQuality->Position() : -1);
  Put(block, count, 0, cbBitrate->ItemIndex() == 0 ? -1 : ShownNumber(cbBitrate));
  Put(block, count, 2, ShownNumber(cbBandwidth));
  Put(block, count, 3, cbMPEGVersion->ItemIndex() == kMpeg2Item ? 1 : 0);
  const int objectType = cbAACObjectType->ItemIndex();
  if (objectType >= 0 && objectType < 3) Put(block, count, 4, kObjectTypes[objectType]);
  Put(block, count, 6, chkUseTNS->GetChecked() ? 1 : 0);
  Put(block, count, 5, chkAllowMidSide->GetChecked() ? 1 : 0);
  return count;
}
