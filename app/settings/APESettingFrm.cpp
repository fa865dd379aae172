#include "app/settings/APESettingFrm.h"

#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzRadioButton.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Label.h"

namespace {

const char kAPESection[] = "APESETTINGS_FORM";
constexpr int kLevelCount = 4;  // Fast, Normal, High, Extra High: 1000 .. 4000

}  // namespace

TAPESettingForm::TAPESettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("RzLabel1", RzLabel1)
      .Field("GroupBox1", GroupBox1)
      .Field("rbAPETag", rbAPETag)
      .Field("rbId3Tag", rbId3Tag)
      .Field("Label1", Label1)
      .Field("cbCompressionLevel", cbCompressionLevel);
}

void TAPESettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
}

void TAPESettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kAPESection, {
                              {RzLabel1, "01", "Monkey's Audio(APE) Encoder Settings:"},
                              {GroupBox1, "02", "Tag Format"},
                              {rbAPETag, "03", "APE Tag(Default)"},
                              {rbId3Tag, "04", "ID3 Tag"},
                              {Label1, "05", "Compression Level"},
                          });
  RefillItems(cbCompressionLevel,
              {Translate(kAPESection, "06", "Fast"), Translate(kAPESection, "07", "Normal"),
               Translate(kAPESection, "08", "High"), Translate(kAPESection, "09", "Extra High")},
              2);
}

int TAPESettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  int count = 0;
  Put(block, count, 0, rbAPETag->GetChecked() ? 0 : 1);
  const int level = cbCompressionLevel->ItemIndex();
  if (level >= 0 && level < kLevelCount) Put(block, count, 1, (level + 1) * 1000);
  return count;
}
