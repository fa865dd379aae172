#include "tests/app/settings/SettingDialogFixture.h"

#include "app/MultiLang.h"
#include "app/main/FormRegistrations.h"
#include "app/settings/SettingDialogs.h"
#include "platform/core/SysUtils.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/ComboBox.h"
#include "tests/harness/WindowPump.h"

SettingDialogTest::SettingDialogTest() {
  FreeLanguageManager();
  UseProgramFormDefinitions();
  RegisterSettingDialogs();
}

SettingDialogTest::~SettingDialogTest() {
  for (int kind = 0; kind < kSettingDialogKindCount; ++kind)
    SetSettingDialogFactory(static_cast<SettingDialogKind>(kind), nullptr);
  FreeLanguageManager();
}

void PickItem(TCustomComboBox* box, int index) {
  box->SetItemIndex(index);
  ::SendMessageA(box->Parent()->Handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box->Handle()));
}

bool PressOK(TSettingBaseForm* form) {
  PostClick(form->btnOK);
  return form->ShowModal() == mrOk;
}

String Pairs(TSettingBaseForm* form) {
  EncoderParamBlock block;
  for (EncoderParameter& pair : block.Pairs) pair = {77, 77};  // stale pairs from an earlier choice
  block.Count = 55;
  const int count = form->GetEncoderParams(block);
  EXPECT_EQ(block.Count, 55) << "the count is the caller's to set";
  String text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ",";
    text += IntToStr(block.Pairs[i].Key) + "=" + IntToStr(block.Pairs[i].Value);
  }
  for (int i = count; i < kMaxEncoderParameters; ++i) {
    if (block.Pairs[i].Key != 0 || block.Pairs[i].Value != 0) {
      ADD_FAILURE() << "pair " << i << " past the count is not zero";
      break;
    }
  }
  return text;
}

String ItemsOf(TCustomComboBox* box) {
  String text;
  for (int i = 0; i < box->Items()->Count(); ++i) {
    if (i) text += ",";
    text += box->Items()->Get(i);
  }
  return text;
}
