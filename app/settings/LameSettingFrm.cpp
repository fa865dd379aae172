#include "app/settings/LameSettingFrm.h"

#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzRadioButton.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "platform/core/SysUtils.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Label.h"

namespace {

const char kLameSection[] = "LAMEMP3SETTINGS_FORM";

// By item of the sample-rate list; the first three are MPEG-1 rates, the next
// three MPEG-2 and the last three MPEG-2.5 (which shares MPEG-2's bitrates).
constexpr int kSampleRates[] = {44100, 48000, 32000, 22050, 24000, 16000, 11025, 12000, 8000};
constexpr int kMpeg1RateCount = 3;

// Layer III bitrates in kbps, without the free format.
constexpr int kBitrateCount = 14;
constexpr int kBitrates[2][kBitrateCount] = {
    {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};
// 128 kbps for MPEG-1, 64 kbps for the others.
constexpr int kStandardBitrateItem[2] = {8, 7};

// By item of the algorithm-quality list.
constexpr int kAlgorithmQualities[] = {0, 1, 2, 5, 7, 9};
constexpr int kRecommendedQualityItem = 2;

template <size_t N>
bool InTable(const int (&)[N], int index) {
  return index >= 0 && index < static_cast<int>(N);
}

int Flag(const TRzCheckBox* box) { return box->GetChecked() ? 1 : 0; }

// What the spin edit holds, brought into its range: while it has the focus its
// text is not yet checked, and a typed value beyond the range must not reach
// the encoder.
int SpinValue(TRzSpinEdit* edit) { return static_cast<int>(edit->CheckValue(edit->GetValue())); }

TLameSettingForm::BitrateRow RowOfRate(int item) {
  return item >= kMpeg1RateCount ? TLameSettingForm::kMpeg2 : TLameSettingForm::kMpeg1;
}

}  // namespace

TLameSettingForm::TLameSettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("RzLabel1", RzLabel1)
      .Field("Label1", Label1)
      .Field("cbAlgorithmQuality", cbAlgorithmQuality)
      .Field("Samplerate", Samplerate)
      .Field("rbAutomatic", rbAutomatic)
      .Field("rbSpecify", rbSpecify)
      .Field("cbSamplerate", cbSamplerate)
      .Field("GroupBox1", GroupBox1)
      .Field("rbCBR", rbCBR)
      .Field("cbCBRValue", cbCBRValue)
      .Field("chkFreeFormatBitstream", chkFreeFormatBitstream)
      .Field("rbABR", rbABR)
      .Field("Label6", Label6)
      .Field("cbABRValue", cbABRValue)
      .Field("rbVBR", rbVBR)
      .Field("chkMinVBR", chkMinVBR)
      .Field("cbVBRMinValue", cbVBRMinValue)
      .Field("chkMaxVBR", chkMaxVBR)
      .Field("cbVBRMaxValue", cbVBRMaxValue)
      .Field("rgVBRMethod", rgVBRMethod)
      .Field("Label7", Label7)
      .Field("cbVBRQualityLevel", cbVBRQualityLevel)
      .Field("chkEnforceMinimumBitrate", chkEnforceMinimumBitrate)
      .Field("chkWriteVBRInfoTag", chkWriteVBRInfoTag)
      .Field("GroupBox7", GroupBox7)
      .Field("rbChannelAutoSelect", rbChannelAutoSelect)
      .Field("rbChannelSpecify", rbChannelSpecify)
      .Field("cbChannelMode", cbChannelMode)
      .Field("GroupBox4", GroupBox4)
      .Field("chkDisableAllFilters", chkDisableAllFilters)
      .Field("chkLowpassFilter", chkLowpassFilter)
      .Field("edtLowpassFilterValue", edtLowpassFilterValue)
      .Field("chkHighpassFilter", chkHighpassFilter)
      .Field("edtHighpassFilterValue", edtHighpassFilterValue)
      .Field("GroupBox5", GroupBox5)
      .Field("chkDisableATH", chkDisableATH)
      .Field("chkOnlyUseATH", chkOnlyUseATH)
      .Field("chkLowerTheATH", chkLowerTheATH)
      .Field("edtLowerATHValue", edtLowerATHValue)
      .Field("GroupBox6", GroupBox6)
      .Field("chkDisableTemporalMaskingEffect", chkDisableTemporalMaskingEffect)
      .Field("chkDisableShortBlocks", chkDisableShortBlocks)
      .Field("GroupBox3", GroupBox3)
      .Field("chkWaveHeader", chkWaveHeader)
      .Field("chkCopyright", chkCopyright)
      .Field("chkOriginal", chkOriginal)
      .Field("chkCRCErrorProt", chkCRCErrorProt)
      .Field("chkStrictISOBitstream", chkStrictISOBitstream)
      .Field("chkDisableBitReservoir", chkDisableBitReservoir)
      .Field("chkPrivate", chkPrivate)
      .Handler("rbAutomaticClick", this, &TLameSettingForm::rbAutomaticClick)
      .Handler("rbCBRClick", this, &TLameSettingForm::rbCBRClick)
      .Handler("chkMinVBRClick", this, &TLameSettingForm::chkMinVBRClick)
      .Handler("chkMaxVBRClick", this, &TLameSettingForm::chkMaxVBRClick)
      .Handler("rbChannelAutoSelectClick", this, &TLameSettingForm::rbChannelAutoSelectClick)
      .Handler("chkDisableAllFiltersClick", this, &TLameSettingForm::chkDisableAllFiltersClick)
      .Handler("chkDisableATHClick", this, &TLameSettingForm::chkDisableATHClick)
      .Handler("cbSamplerateClick", this, &TLameSettingForm::cbSamplerateClick);
}

void TLameSettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
  rbAutomaticClick(nullptr);
  rbCBRClick(nullptr);
  rbChannelAutoSelectClick(nullptr);
  chkDisableAllFiltersClick(nullptr);
  chkDisableATHClick(nullptr);
}

void TLameSettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kLameSection, {{RzLabel1, "01", "Lame(MP3) Encoder Settings:"}, {Label1, "02", "Algorithm Quality:"}});
  RefillItems(cbAlgorithmQuality,
              {Translate(kLameSection, "03", "Q0: Slowest, Even better"), Translate(kLameSection, "04", "Q1: Slowest, Best"),
               Translate(kLameSection, "05", "Q2: Recommended"),
               Translate(kLameSection, "06", "Q5: Good speed, reasonable quality"),
               Translate(kLameSection, "07", "Q7: Very fast, ok quality"), Translate(kLameSection, "08", "Q9: Poor Quality")},
              kRecommendedQualityItem);
  ApplyCaptions(kLameSection, {
                              {Samplerate, "09", "Samplerate"},
                              {rbAutomatic, "10", "Automatic"},
                              {rbSpecify, "11", "Specify"},
                              {GroupBox1, "12", "Bitrate"},
                              {rbCBR, "13", "Constant Bitrate"},
                              {chkFreeFormatBitstream, "14", "Free Format Bitstream"},
                              {rbABR, "15", "Average Bitrate"},
                              {Label6, "16", "Mean Bitrate:"},
                              {rbVBR, "17", "Variable Bitrate"},
                              {chkMinVBR, "18", "Min Bitrate"},
                              {chkMaxVBR, "19", "Max Bitrate"},
                          });
  // The radio group lays its buttons out again for the new caption.
  rgVBRMethod->SetCaption(Translate(kLameSection, "20", "VBR Method:"));
  rgVBRMethod->Items()->Clear();
  rgVBRMethod->Items()->Add(Translate(kLameSection, "21", "Old"));
  rgVBRMethod->Items()->Add(Translate(kLameSection, "22", "New"));
  rgVBRMethod->SetItemIndex(1);
  Label7->SetCaption(Translate(kLameSection, "23", "Quality Level"));
  RefillItems(cbVBRQualityLevel,
              {Translate(kLameSection, "24", "0 (Hightest)"), "1", "2", "3", "4", "5", "6", "7", "8",
               Translate(kLameSection, "25", "9 (Lowest)")},
              0);
  ApplyCaptions(kLameSection, {
                              {chkEnforceMinimumBitrate, "26", "Enforce Minimum Bitrate"},
                              {chkWriteVBRInfoTag, "27", "Write \"VBR Info\" Tag"},
                              {GroupBox7, "28", "Channel Mode"},
                              {rbChannelAutoSelect, "29", "Auto Select"},
                              {rbChannelSpecify, "30", "Specify"},
                              {GroupBox4, "31", "Filter Setting"},
                              {chkDisableAllFilters, "32", "Disable All Filters"},
                              {chkLowpassFilter, "33", "Lowpass Filter:"},
                              {chkHighpassFilter, "34", "Highpass Filter:"},
                              {GroupBox5, "35", "ATH Settings"},
                              {chkDisableATH, "36", "Disable ATH"},
                              {chkOnlyUseATH, "37", "Only use ATH"},
                              {chkLowerTheATH, "38", "Lower The ATH By"},
                              {GroupBox6, "39", "Other Encoder Settings"},
                              {chkDisableTemporalMaskingEffect, "40", "Disable Temporal Masking Effect"},
                              {chkDisableShortBlocks, "41", "Disable Short Blocks"},
                              {GroupBox3, "42", "MP3 Header/Stream Settings"},
                              {chkWaveHeader, "43", "Prepend RIFF WAVE Header"},
                              {chkCopyright, "44", "Copyright"},
                              {chkOriginal, "45", "Original"},
                              {chkCRCErrorProt, "46", "CRC Error Protection"},
                              {chkStrictISOBitstream, "47", "Strict ISO Bitstream"},
                              {chkDisableBitReservoir, "48", "Disable Bit Reservoir"},
                              {chkPrivate, "49", "Private"},
                          });
  RefillItems(cbChannelMode,
              {Translate(kLameSection, "50", "Stereo"), Translate(kLameSection, "51", "Joint Stereo"),
               Translate(kLameSection, "52", "Force Mid/Side"), Translate(kLameSection, "53", "Mono")},
              0);
}

void TLameSettingForm::FillBitrateList(TRzComboBox* list, BitrateRow row) {
  list->Clear();
  for (int kbps : kBitrates[row]) list->Items()->Add(IntToStr(kbps));
}

void TLameSettingForm::rbAutomaticClick(TObject*) { cbSamplerate->SetEnabled(rbSpecify->GetChecked()); }

void TLameSettingForm::rbCBRClick(TObject*) {
  const bool cbr = rbCBR->GetChecked(), abr = rbABR->GetChecked(), vbr = rbVBR->GetChecked();
  cbCBRValue->SetEnabled(cbr);
  chkFreeFormatBitstream->SetEnabled(cbr);
  cbABRValue->SetEnabled(abr);
  for (TControl* control : std::initializer_list<TControl*>{chkMinVBR, chkMaxVBR, rgVBRMethod, cbVBRQualityLevel,
                                                            chkEnforceMinimumBitrate, chkWriteVBRInfoTag})
    control->SetEnabled(vbr);
  cbVBRMinValue->SetEnabled(vbr && chkMinVBR->GetChecked());
  cbVBRMaxValue->SetEnabled(vbr && chkMaxVBR->GetChecked());
}

void TLameSettingForm::chkMinVBRClick(TObject*) { cbVBRMinValue->SetEnabled(chkMinVBR->GetChecked()); }

void TLameSettingForm::chkMaxVBRClick(TObject*) { cbVBRMaxValue->SetEnabled(chkMaxVBR->GetChecked()); }

void TLameSettingForm::rbChannelAutoSelectClick(TObject*) {
  cbChannelMode->SetEnabled(rbChannelSpecify->GetChecked());
}

void TLameSettingForm::chkDisableAllFiltersClick(TObject*) {
  const bool filters = !chkDisableAllFilters->GetChecked();
  chkLowpassFilter->SetEnabled(filters);
  chkHighpassFilter->SetEnabled(filters);
  edtLowpassFilterValue->SetEnabled(filters && chkLowpassFilter->GetChecked());
  edtHighpassFilterValue->SetEnabled(filters && chkHighpassFilter->GetChecked());
}

void TLameSettingForm::chkDisableATHClick(TObject*) {
  const bool ath = !chkDisableATH->GetChecked();
  chkOnlyUseATH->SetEnabled(ath);
  chkLowerTheATH->SetEnabled(ath);
  edtLowerATHValue->SetEnabled(ath && chkLowerTheATH->GetChecked());
}

// A pick of a sample rate (or of a channel mode) starts the four bitrate lists
// anew from the row of the chosen rate.
void TLameSettingForm::cbSamplerateClick(TObject*) {
  const BitrateRow row = RowOfRate(cbSamplerate->ItemIndex());
  FillBitrateList(cbCBRValue, row);
  cbCBRValue->SetItemIndex(kStandardBitrateItem[row]);
  FillBitrateList(cbABRValue, row);
  cbABRValue->SetItemIndex(kStandardBitrateItem[row]);
  FillBitrateList(cbVBRMinValue, row);
  FillBitrateList(cbVBRMaxValue, row);
  cbVBRMinValue->SetItemIndex(0);
  cbVBRMaxValue->SetItemIndex(kBitrateCount - 1);
}

int TLameSettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  int n = 0;
  if (rbCBR->GetChecked()) {
    Put(block, n, 0, 0);
    Put(block, n, 1, ShownNumber(cbCBRValue));
    Put(block, n, 10, Flag(chkFreeFormatBitstream));
  } else if (rbABR->GetChecked()) {
    Put(block, n, 0, 1);
    Put(block, n, 2, ShownNumber(cbABRValue));
  } else {
    Put(block, n, 0, 2);
    if (chkMinVBR->GetChecked()) Put(block, n, 4, ShownNumber(cbVBRMinValue));
    if (chkMaxVBR->GetChecked()) Put(block, n, 5, ShownNumber(cbVBRMaxValue));
    Put(block, n, 11, rgVBRMethod->ItemIndex());
    Put(block, n, 12, cbVBRQualityLevel->ItemIndex());
    Put(block, n, 13, Flag(chkEnforceMinimumBitrate));
    Put(block, n, 14, Flag(chkWriteVBRInfoTag));
  }
  Put(block, n, 6, rbChannelAutoSelect->GetChecked() ? -1 : cbChannelMode->ItemIndex());
  const int quality = cbAlgorithmQuality->ItemIndex();
  Put(block, n, 7, kAlgorithmQualities[InTable(kAlgorithmQualities, quality) ? quality : kRecommendedQualityItem]);
  const int rate = cbSamplerate->ItemIndex();
  Put(block, n, 8, rbAutomatic->GetChecked() || !InTable(kSampleRates, rate) ? -1 : kSampleRates[rate]);
  Put(block, n, 40, Flag(chkWaveHeader));
  Put(block, n, 16, Flag(chkOriginal));
  Put(block, n, 15, Flag(chkCopyright));
  Put(block, n, 17, Flag(chkCRCErrorProt));
  Put(block, n, 19, Flag(chkStrictISOBitstream));
  Put(block, n, 18, Flag(chkDisableBitReservoir));
  Put(block, n, 21, Flag(chkPrivate));
  Put(block, n, 28, Flag(chkDisableAllFilters));
  Put(block, n, 22, Flag(chkLowpassFilter));
  Put(block, n, 23, SpinValue(edtLowpassFilterValue));
  Put(block, n, 25, Flag(chkHighpassFilter));
  Put(block, n, 26, SpinValue(edtHighpassFilterValue));
  Put(block, n, 29, Flag(chkDisableATH));
  Put(block, n, 30, Flag(chkOnlyUseATH));
  Put(block, n, 31, Flag(chkLowerTheATH));
  Put(block, n, 32, SpinValue(edtLowerATHValue));
  Put(block, n, 33, Flag(chkDisableTemporalMaskingEffect));
  Put(block, n, 34, Flag(chkDisableShortBlocks));
  return n;
}
