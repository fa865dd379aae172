// The output settings dialog the main window keeps, and the profile editor it shows.
#include <memory>

#include "app/main/MainFrm.h"
#include "app/output/EditProfileFrm.h"
#include "app/output/OutputSettingsFrm.h"

TOutputSettingsForm* TMainForm::GetOutputSettingsForm() {
  // A component of the window: it goes (writing its last choices) with the window.
  if (!outputSettings_) outputSettings_ = NewForm<TOutputSettingsForm>(this);
  return outputSettings_;
}

void TMainForm::EditProfiles1Click(TObject*) {
  std::unique_ptr<TEditProfileForm> editor(NewForm<TEditProfileForm>(this));
  editor->ShowModal();
}
