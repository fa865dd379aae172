#include "app/main/ResourceFrm.h"

#include "app/KelvaneSettings.h"
#include "app/PluginFormatLists.h"
#include "app/ProfileManager.h"
#include "platform/core/FileUtils.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/ComboBox.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

TResourceForm* ResourceForm = nullptr;

namespace {

// Read-only, hidden, directory and archive: the entries the skin list shows.
constexpr int kSkinEntryMask = 0x33;


}  // namespace

TResourceForm::TResourceForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("FormSkinData", FormSkinData)
      .Field("spResourceStrData", spResourceStrData)
      .Field("cbWMVAudioFormat", cbWMVAudioFormat)
      .Field("cbSystemProfile", cbSystemProfile)
      .Field("cbRealAudioFormat", cbRealAudioFormat)
      .Field("cbSkins", cbSkins);
  ProfileManager = new TProfileManager(ProgramFolder() + "Profiles\\");
  WMVEncoder = StartWMVWrapper();
  RealEncoder = StartRealWrapper();
}

TResourceForm::~TResourceForm() {
  if (ResourceForm == this) ResourceForm = nullptr;
}

void TResourceForm::ReleaseResources() {
  delete WMVEncoder;
  WMVEncoder = nullptr;
  delete RealEncoder;
  RealEncoder = nullptr;
  delete ProfileManager;
  ProfileManager = nullptr;
}

void TResourceForm::LoadSkinList() {
  TSearchRec entry;
  if (FindFirst(ProgramFolder() + "Skins\\*.*", kSkinEntryMask, entry) == 0) {
    do {
      const bool withinMask = (entry.Attr & ~kSkinEntryMask) == 0;
      if (withinMask && entry.Name != "." && entry.Name != "..") cbSkins->Items()->Add(entry.Name);
    } while (FindNext(entry) == 0);
    FindClose(entry);
  }
  FormSkinData->LoadFromFile(GetSettings()->Skin);
}

void TResourceForm::LoadResources() {
  ProfileManager->LoadProfiles();
  FillWMVSystemProfiles();
  FillWMVAudioFormats();
  FillRealAudioFormats();
}

void TResourceForm::FillWMVSystemProfiles() {
  int index = -1;
  ::FillWMVSystemProfiles(WMVEncoder, *cbSystemProfile->Items(), index);
  if (index >= 0) cbSystemProfile->SetItemIndex(index);
}

void TResourceForm::FillWMVAudioFormats() {
  int index = -1;
  ::FillWMVAudioFormats(WMVEncoder, *cbWMVAudioFormat->Items(), index);
  if (index >= 0) cbWMVAudioFormat->SetItemIndex(index);
}

void TResourceForm::FillRealAudioFormats() {
  int index = -1;
  ::FillRealAudioFormats(RealEncoder, *cbRealAudioFormat->Items(), index);
  if (index >= 0) cbRealAudioFormat->SetItemIndex(index);
}
