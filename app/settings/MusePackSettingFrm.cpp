#include "app/settings/MusePackSettingFrm.h"

#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/core/Format.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Bevel.h"

namespace {

const char kMusePackSection[] = "MUSEPACKSETTINGS_FORM";

// Profile i stands at slider position i x 100 + 200 (Telephone 200 .. Braindead 800).
constexpr int kFirstProfilePosition = 200;
constexpr int kLastProfilePosition = 800;
constexpr int kProfileStep = 100;
constexpr int kStandardProfile = 3;  // the form's choice, at position 500

}  // namespace

TMusePackSettingForm::TMusePackSettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("RzLabel3", RzLabel3)
      .Field("RzLabel1", RzLabel1)
      .Field("cbQualityPresets", cbQualityPresets)
      .Field("Bevel2", Bevel2)
      .Field("RzLabel2", RzLabel2)
      .Field("tbQuality", tbQuality)
      .Field("lblQualityValue", lblQualityValue)
      .Handler("FormCreate", this, &TMusePackSettingForm::FormCreate)
      .Handler("cbQualityPresetsChange", this, &TMusePackSettingForm::cbQualityPresetsChange)
      .Handler("tbQualityChange", this, &TMusePackSettingForm::tbQualityChange);
}

// OnCreate runs inside the base's construction, before the texts are applied.
void TMusePackSettingForm::FormCreate(TObject*) { cbQualityPresetsChange(nullptr); }

void TMusePackSettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
}

// The refilled list shows the profile the slider stands at ("Standard").
void TMusePackSettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kMusePackSection, {
                              {RzLabel3, "01", "Musepack(MPC) Encoder Settings:"},
                              {RzLabel1, "02", "Profile Options (Quality Presets):"},
                              {RzLabel2, "03", "Quality:"},
                          });
  RefillItems(cbQualityPresets,
              {Translate(kMusePackSection, "04", "Telephone - Lowest quality(32... 48 kbps)"),
               Translate(kMusePackSection, "05", "Thumb - Low quality/internet(58... 86 kbps)"),
               Translate(kMusePackSection, "06", "Radio - Medium (MP3) quality(112...152 kbps)"),
               Translate(kMusePackSection, "07", "Standard - High quality (142...184 kbps)"),
               Translate(kMusePackSection, "08", "Xtreme - Extreme high quality(168...212 kbps)"),
               Translate(kMusePackSection, "09", "Insane - Extreme high quality(232...268 kbps)"),
               Translate(kMusePackSection, "10", "Braindead - Extreme high quality(232...278 kbps)")},
              kStandardProfile);
}

void TMusePackSettingForm::cbQualityPresetsChange(TObject*) {
  const int profile = cbQualityPresets->ItemIndex();
  if (profile >= 0) tbQuality->SetPosition(profile * kProfileStep + kFirstProfilePosition);
}

void TMusePackSettingForm::tbQualityChange(TObject*) {
  const int position = tbQuality->Position();
  lblQualityValue->SetCaption(Format("%1.2f", position * 0.01));
  if (position < kFirstProfilePosition || position > kLastProfilePosition) return;
  // The slider follows the list and the list the slider: no feedback between them.
  const TNotifyEvent change = cbQualityPresets->OnChange;
  cbQualityPresets->OnChange = TNotifyEvent();
  cbQualityPresets->SetItemIndex((position - kFirstProfilePosition) / kProfileStep);
  cbQualityPresets->OnChange = change;
}

int TMusePackSettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  int count = 0;
  Put(block, count, 0, tbQuality->Position());
  return count;
}
