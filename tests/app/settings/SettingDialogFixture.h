// What the setting-dialog tests share: a program folder of their own with the
// language manager following it, the dialogs registered as the presets' makers
// (and unregistered after), and the user's ways into a dialog: picking a list
// item, pressing OK, reading the pairs it writes.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/output/OutputSettingsFrm.h"
#include "app/settings/SettingBaseFrm.h"
#include "tests/harness/TempProgramFolder.h"

class TCustomComboBox;

// The preset source's "Custom..." dialog, as the output settings dialog gets it,
// with its window made.
template <class Preset, class Form = TSettingBaseForm>
std::unique_ptr<Form> OpenDialog() {
  TSettingBaseForm* dialog = Preset().CreateSettingDialog();
  EXPECT_NE(dialog, nullptr);
  auto* form = dynamic_cast<Form*>(dialog);
  EXPECT_NE(form, nullptr);
  if (form) form->HandleNeeded();
  return std::unique_ptr<Form>(form);
}

class SettingDialogTest : public testing::Test {
protected:
  SettingDialogTest();
  ~SettingDialogTest() override;

  TempProgramFolder folder;
};

// The user picks an item of a list: the list shows it, then its click and change
// handlers run as the system reports the pick.
void PickItem(TCustomComboBox* box, int index);
// Shows the dialog modally and presses OK; false when it closed otherwise.
bool PressOK(TSettingBaseForm* form);
// The pairs the dialog writes as "key=value,..." (their count is the result).
String Pairs(TSettingBaseForm* form);
// The items of a list, comma-separated.
String ItemsOf(TCustomComboBox* box);
