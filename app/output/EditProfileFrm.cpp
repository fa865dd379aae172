// The profile editor as a dialog: its making, the profile list of each page with
// the remembered profile per format, the page switch, and the save question that
// guards every change of what the page shows. The commands are in
// EditProfileFrmCommands.cpp, the pages in EditProfileFrmPages/Show/Read.cpp.
#include "app/output/EditProfileFrm.h"

#include "app/AppInfo.h"
#include "app/Myshelllib.h"
#include "app/ProfileManager.h"
#include "app/main/ResourceFrm.h"
#include "app/output/OutputFormats.h"
#include "platform/core/WinApi.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinPanel.h"

namespace {

TProfileManager* managerOverride = nullptr;

constexpr int kPageKinds[kVideoFormatKindCount] = {vfkAVI, vfkWMV, vfkReal, vfkMP4, vfkMPEG, vfkMOV, vfk3GP, vfkFLV};

constexpr char kNoProfile[] = "No Profile in this category";


}  // namespace

void TEditProfileForm::SetProfileManagerOverride(TProfileManager* manager) { managerOverride = manager; }

TProfileManager* TEditProfileForm::Profiles() const {
  if (managerOverride) return managerOverride;
  return ResourceForm ? ResourceForm->ProfileManager : nullptr;
}

TEditProfileForm::TEditProfileForm(TComponent* owner) : TForm(owner) { DeclareBindings(); }

TEditProfileForm::~TEditProfileForm() { BeforeDestruction(); }

void TEditProfileForm::Loaded() {
  TForm::Loaded();
  SetCaption(String(kProductName) + " - " + "Profile Editor");
  BuildPageRows();
  MyCursor wait(MyCursor::kHourGlass);
  fillingList_ = false;
  newProfile_ = false;
  ready_ = false;
  currentIndex_ = -1;
  currentKind_ = 3;
  paramKeys_ = new TStringList();
  paramValues_ = new TStringList();
  pcFormatsChange(nullptr);
  InitPages();
}

void TEditProfileForm::FormDestroy(TObject*) {
  if (destroyed_) return;
  destroyed_ = true;
  ready_ = false;
  for (TVideoProfile*& shown : shown_) {
    delete shown;
    shown = nullptr;
  }
  listedProfiles_.clear();
  FreeDroppedProfiles();
  delete paramKeys_;
  delete paramValues_;
  paramKeys_ = paramValues_ = nullptr;
}

void TEditProfileForm::FormKeyPress(TObject*, char& key) {
  if (key == 27) SetModalResult(mrCancel);
}

void TEditProfileForm::btnCloseClick(TObject*) { Close(); }

void TEditProfileForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

int TEditProfileForm::PageKind(int pageIndex) {
  return pageIndex >= 0 && pageIndex < kVideoFormatKindCount ? kPageKinds[pageIndex] : -1;
}

TspSkinTabSheet* TEditProfileForm::KindSheet(int kind) const {
  TspSkinTabSheet* sheets[kVideoFormatKindCount] = {ts3GP, tsAVI, tsMPEG, tsMP4, tsWMV, tsReal, tsMOV, tsFLV};
  return kind >= 0 && kind < kVideoFormatKindCount ? sheets[kind] : nullptr;
}

TspSkinPanel* TEditProfileForm::PagePanel(int kind) const {
  TspSkinPanel* panels[kVideoFormatKindCount] = {My3GPPanel, AVIPanel,  MPEGPanel, MP4Panel,
                                                 WMVPanel,   RealPanel, MOVPanel,  FLVPanel};
  return kind >= 0 && kind < kVideoFormatKindCount ? panels[kind] : nullptr;
}

void TEditProfileForm::pcFormatsChange(TObject*) {
  if (ready_) SavePendingProfile();
  int kind = PageKind(pcFormats->ActivePageIndex());
  if (kind < 0) return;
  ProfileInfoPanel->SetParent(pcFormats->ActivePage());
  ProfileInfoPanel->SetAlign(alTop);
  if (kind != currentKind_) {
    currentKind_ = static_cast<std::uint8_t>(kind);
    FillProfileList();
  }
}

TVideoProfile* TEditProfileForm::ListedProfile(int index) const {
  return index >= 0 && index < static_cast<int>(listedProfiles_.size()) ? listedProfiles_[index] : nullptr;
}

void TEditProfileForm::FillProfileList() {
  if (fillingList_) return;
  fillingList_ = true;
  TNotifyEvent change = cbProfiles->OnChange;
  cbProfiles->OnChange = TNotifyEvent();
  cbProfiles->Items()->Clear();
  listedProfiles_.clear();
  int kind = PageKind(pcFormats->ActivePageIndex());
  if (TProfileManager* manager = Profiles()) {
    for (int i = 0; i < manager->GetCount(); ++i) {
      TVideoProfile* profile = manager->GetProfile(i);
      if (profile->Kind != kind) continue;
      cbProfiles->Items()->Add(profile->ProfileName);
      listedProfiles_.push_back(profile);
    }
  }
  // The list no longer points at profiles the manager has dropped.
  FreeDroppedProfiles();
  if (!listedProfiles_.empty()) {
    int index = SelectRememberedProfile(rememberedNames_[kind]);
    ShowProfile(ListedProfile(index));
    currentIndex_ = index;
  } else {
    cbProfiles->Items()->Add(kNoProfile);
    listedProfiles_.push_back(nullptr);
    cbProfiles->SetItemIndex(0);
    currentIndex_ = -1;
    ShowProfile(nullptr);
  }
  cbProfiles->OnChange = change;
  fillingList_ = false;
}

int TEditProfileForm::SelectRememberedProfile(const String& name) {
  int index = 0;
  for (int i = 0; !name.empty() && i < cbProfiles->Items()->Count(); ++i) {
    if (cbProfiles->Items()->Strings(i) == name) {
      index = i;
      break;
    }
  }
  cbProfiles->SetItemIndex(index);
  return index;
}

void TEditProfileForm::RememberProfileName(const String& text) {
  int kind = PageKind(pcFormats->ActivePageIndex());
  if (kind >= 0) rememberedNames_[kind] = text;
}

void TEditProfileForm::cbProfilesChange(TObject*) {
  SavePendingProfile();
  int index = cbProfiles->ItemIndex();
  ShowProfile(ListedProfile(index));
  currentIndex_ = index;
  RememberProfileName(cbProfiles->Text());
}

TVideoProfile* TEditProfileForm::ReadPendingProfile() {
  TVideoProfile* made = NewVideoProfile(currentKind_, String(), String());
  if (made) ReadPage(*made);
  return made;
}

// Offers to save what the page shows; false when the user declined a save or an
// overwrite, or when the save failed (then nothing of the old profile is lost).
bool TEditProfileForm::SavePendingProfile() {
  if (!ready_) return true;
  TVideoProfile* made = ReadPendingProfile();
  if (!made) return true;
  const String title = ApplicationTitle();
  if (newProfile_) {
    newProfile_ = false;
    if (AppMessageBox("Do You Want To Save Profile:\n" + made->ProfileName + "?", title, 68) != IDYES) {
      delete made;
      return false;
    }
    return SaveIntoManager(made, nullptr, true);
  }
  if (currentIndex_ == -1) {
    delete made;
    return true;
  }
  TVideoProfile* started = ListedProfile(currentIndex_);
  if (!started || made->IsEqual(started)) {
    delete made;
    return true;
  }
  if (AppMessageBox("Profile:" + made->ProfileName + "\n has been modified ,Do you want to save it?", title, 68) !=
      IDYES) {
    delete made;
    return false;
  }
  TProfileManager* manager = Profiles();
  bool listed = false;
  for (int i = 0; manager && i < manager->GetCount(); ++i) listed = listed || manager->GetProfile(i) == started;
  if (!listed) {
    delete made;
    return true;
  }
  return SaveIntoManager(made, started, true);
}
