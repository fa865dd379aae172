// The profile editor's commands: New from the popup menu, Save, Copy and Delete,
// and how a made profile replaces its old entry and file in the profile manager.
#include "app/AppInfo.h"
#include "app/Myshelllib.h"
#include "app/ProfileManager.h"
#include "app/output/EditProfileFrm.h"
#include "app/output/OutputFormats.h"
#include "platform/core/WinApi.h"
#include "skin/controls/SkinEdit.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

struct NewItem {
  const char* MenuName;
  int Kind;
  const char* ProfileName;
};
// "New Real Profile", although the menu item reads "New RealVideo Profile".
constexpr NewItem kNewItems[] = {
    {"mnuNewAVIProfile", vfkAVI, "New AVI Profile"},    {"mnuNewWMVProfile", vfkWMV, "New WMV Profile"},
    {"mnuNewRealProfile", vfkReal, "New Real Profile"}, {"mnuNewMP4Profile", vfkMP4, "New MP4 Profile"},
    {"mnuNewMPEGProfile", vfkMPEG, "New MPEG Profile"}, {"mnuNew3GPProfile", vfk3GP, "New 3GP Profile"},
    {"mnuNewMOVProfile", vfkMOV, "New MOV Profile"},    {"mnuNewFLVProfile", vfkFLV, "New FLV Profile"},
};

int IndexOfProfile(TProfileManager& manager, const TVideoProfile* profile) {
  for (int i = 0; i < manager.GetCount(); ++i)
    if (manager.GetProfile(i) == profile) return i;
  return -1;
}

}  // namespace

void TEditProfileForm::btnNewClick(TObject*) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  NewPopupMenu->Popup(cursor.x, cursor.y);
}

void TEditProfileForm::NewProfileClick(TObject* sender) {
  auto* item = dynamic_cast<TComponent*>(sender);
  const NewItem* chosen = nullptr;
  for (const NewItem& row : kNewItems)
    if (item && item->Name() == row.MenuName) chosen = &row;
  if (!chosen) return;
  SavePendingProfile();
  newProfile_ = true;
  TVideoProfile* made = NewVideoProfile(chosen->Kind, chosen->ProfileName, String());
  ShowProfileOfKind(*made);
  if (edtName->CanFocus()) edtName->SetFocus();
  delete made;
}

void TEditProfileForm::btnSaveClick(TObject*) {
  SavePendingProfile();
  RememberProfileName(edtName->Text());
  FillProfileList();
}

void TEditProfileForm::btnSaveAsClick(TObject*) {
  SavePendingProfile();
  if (currentIndex_ == -1) return;
  newProfile_ = true;
  edtName->SetText(edtName->Text() + " - Copy");
}

void TEditProfileForm::btnDeleteProfileClick(TObject*) {
  if (!SavePendingProfile()) return;
  TProfileManager* manager = Profiles();
  if (!manager) return;
  int chosen = -1;
  for (int i = 0; i < manager->GetCount() && chosen < 0; ++i) {
    TVideoProfile* profile = manager->GetProfile(i);
    if (profile->ProfileName != edtName->Text()) continue;
    if (AppMessageBox("Do you want delete profile:\n" + profile->ProfileName + "?", ApplicationTitle(), 68) == IDYES)
      chosen = i;
  }
  if (chosen < 0) return;
  DropFromManager(manager->GetProfile(chosen), false);
  if (chosen < manager->GetCount()) ShowProfile(manager->GetProfile(chosen));
  else ShowProfile(manager->GetCount() > 0 ? manager->GetProfile(manager->GetCount() - 1) : nullptr);
  FillProfileList();
}

// Saves `made` into the manager. A profile of the same name (other than the one
// being replaced) is overwritten only when the user agrees; the file is written
// over in one step, and the old entries go only once the new file is there. A
// failed save is reported and keeps every old entry and file.
bool TEditProfileForm::SaveIntoManager(TVideoProfile* made, const TVideoProfile* replaced, bool askOverwrite) {
  TProfileManager* manager = Profiles();
  if (!manager) {
    delete made;
    return false;
  }
  TVideoProfile* sameName = nullptr;
  for (int i = 0; i < manager->GetCount() && !sameName; ++i) {
    TVideoProfile* profile = manager->GetProfile(i);
    if (profile != replaced && profile->ProfileName == made->ProfileName) sameName = profile;
  }
  if (sameName && askOverwrite &&
      AppMessageBox("There is already a Profile having the same name of " + made->ProfileName +
                        ",\nDo you want to overwrite it?",
                    ApplicationTitle(), 68) != IDYES) {
    delete made;
    return false;
  }
  String target;
  if (sameName) target = sameName->FilePath;
  else if (replaced && replaced->ProfileName == made->ProfileName) target = replaced->FilePath;
  if (!made->Save(target)) {
    AppMessageBox("Cannot save profile:\n" + made->ProfileName, ApplicationTitle(), 16);
    delete made;
    return false;
  }
  if (sameName) DropFromManager(sameName, true);
  if (replaced) {
    auto* old = const_cast<TVideoProfile*>(replaced);
    DropFromManager(old, !target.empty() && old->FilePath == target);
  }
  manager->AddProfile(made);
  return true;
}

// Takes a profile out of the manager; its file goes too unless the file now holds
// the profile that replaced it. The object lives until the list is refilled, as
// the list's items may still point at it.
void TEditProfileForm::DropFromManager(TVideoProfile* profile, bool keepFile) {
  TProfileManager* manager = Profiles();
  int index = manager ? IndexOfProfile(*manager, profile) : -1;
  if (index < 0) return;
  if (keepFile) profile->FilePath.clear();
  manager->DeleteProfile(index);
  dropped_.push_back(profile);
}

void TEditProfileForm::FreeDroppedProfiles() {
  for (TVideoProfile* profile : dropped_) delete profile;
  dropped_.clear();
}
