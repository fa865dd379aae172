#include "app/settings/SettingBaseFrm.h"

#include "app/MultiLang.h"
#include "app/Myshelllib.h"
#include "platform/controls/Application.h"
#include "platform/core/SysUtils.h"
#include "platform/core/SystemCalls.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/ComboBox.h"

TSettingBaseForm::TSettingBaseForm(TComponent* owner) : TForm(owner) {}

void TSettingBaseForm::AfterConstruction() {
  TForm::AfterConstruction();
  SetBorderStyle(bsDialog);
  SetCaption(Translate(section_, "00", "Encoder Settings"));
}

int TSettingBaseForm::GetEncoderParams(EncoderParamBlock& block) {
  for (EncoderParameter& pair : block.Pairs) pair = {0, 0};
  return 0;
}

TFormBindings& TSettingBaseForm::DeclareFrame() {
  return DeclareFormBindings(this)
      .Field("btnOK", btnOK)
      .Field("btnCancel", btnCancel)
      .Field("btnHelp", btnHelp)
      .Handler("btnHelpClick", this, &TSettingBaseForm::btnHelpClick);
}

// The shell's answer is not looked at: a missing help file is not worth a box.
void TSettingBaseForm::btnHelpClick(TObject*) {
  SystemCalls().ShellExecute(Application.Handle(), "open", GetHelpFileName(), "", "", SW_SHOWNORMAL);
}

String TSettingBaseForm::Translate(const char* section, const char* key, const char* defaultText) const {
  return LanguageManager()->Translate(section, key, defaultText);
}

void TSettingBaseForm::ApplyButtonTexts() {
  btnOK->SetCaption(Translate(section_, "01", "&OK"));
  btnCancel->SetCaption(Translate(section_, "02", "&Cancel"));
  btnHelp->SetCaption(Translate(section_, "03", "&Help"));
}

void TSettingBaseForm::ApplyCaptions(const char* section, std::initializer_list<TextKey> texts) {
  for (const TextKey& text : texts) text.Control->SetCaption(Translate(section, text.Key, text.Default));
}

void TSettingBaseForm::RefillItems(TCustomComboBox* box, std::initializer_list<String> items, int selection) {
  box->Clear();
  for (const String& item : items) box->Items()->Add(item);
  box->SetItemIndex(selection);
}

void TSettingBaseForm::Put(EncoderParamBlock& block, int& count, int key, int value) {
  block.Pairs[count++] = {key, value};
}

int TSettingBaseForm::ShownNumber(const TCustomComboBox* box) {
  const int index = box->ItemIndex();
  if (index < 0 || index >= box->Items()->Count()) return 0;
  return StrToIntDef(box->Items()->Get(index), 0);
}
