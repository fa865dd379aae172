// The output settings dialog: its making, the side switch, the video page borrowed
// from its hidden profile editor with the profile list, the audio preset list, and
// the operations the main window uses. The last settings are in
// OutputSettingsFrmLast.cpp, the preset sources in OutputSettingsFrmPresets.cpp.
#include "app/output/OutputSettingsFrm.h"

#include "app/MultiLang.h"
#include "app/Myshelllib.h"
#include "app/ProfileManager.h"
#include "app/main/ResourceFrm.h"
#include "app/output/EditProfileFrm.h"
#include "app/output/OutputFormats.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListBox.h"
#include "skin/controls/SkinNotebook.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

using T = TOutputSettingsForm;

constexpr char kNoProfile[] = "No Profile in this category";


String CustomText() { return LanguageManager()->Translate("SELECTOUTFORMAT_FORM", "07", "Custom..."); }

TProfileManager* Profiles() { return ResourceForm ? ResourceForm->ProfileManager : nullptr; }

}  // namespace

TOutputSettingsForm::TOutputSettingsForm(TComponent* owner) : TForm(owner) {
  TFormBindings& bindings = DeclareFormBindings(this)
                                .Field("MainPanel", MainPanel)
                                .Field("lblSettingsTitle", lblSettingsTitle)
                                .Field("lblProfiles", lblProfiles)
                                .Field("cbProfiles", cbProfiles)
                                .Field("VideoPanel", VideoPanel)
                                .Field("AudioPanel", AudioPanel)
                                .Field("lbAudioPreset", lbAudioPreset)
                                .Field("btnCustomPreset", btnCustomPreset)
                                .Field("btnOk", btnOk)
                                .Field("btnCancel", btnCancel)
                                .Field("spSkinPanel1", spSkinPanel1)
                                .Field("Notebook", Notebook)
                                .Field("spSkinPanel2", spSkinPanel2)
                                .Field("lblSelectFormat", lblSelectFormat)
                                .Field("chkVideoFormat", chkVideoFormat)
                                .Field("chkAudioFormat", chkAudioFormat)
                                .Field("DSF", DSF)
                                .Handler("FormDestroy", this, &T::FormDestroy)
                                .Handler("FormKeyPress", this, &T::FormKeyPress)
                                .Handler("chkVideoFormatClick", this, &T::chkVideoFormatClick)
                                .Handler("btnAVIClick", this, &T::btnAVIClick)
                                .Handler("cbProfilesChange", this, &T::cbProfilesChange)
                                .Handler("lbAudioPresetListBoxClick", this, &T::lbAudioPresetListBoxClick)
                                .Handler("btnCustomPresetClick", this, &T::btnCustomPresetClick)
                                .Handler("btnOkClick", this, &T::btnOkClick);
  for (int code = 0; code < kOutputFormatCount; ++code) {
    const OutputFormatRow* row = OutputFormat(code);
    bindings.Field(row->ButtonName, FormatButtons[code]);
    if (IsAudioFormatCode(code)) bindings.Handler(String(row->ButtonName) + "Click", this, &T::FormatButtonClick);
  }
}

TOutputSettingsForm::~TOutputSettingsForm() { BeforeDestruction(); }

void TOutputSettingsForm::Loaded() {
  TForm::Loaded();
  scheme_ = TAudioEncoderScheme{};
  lblSelectFormat->SetVisible(false);
  chkVideoFormat->SetVisible(false);
  chkAudioFormat->SetVisible(false);
  chkVideoFormatClick(chkVideoFormat);
  CreateProfileEditor();
  AudioPanel->SetBounds(VideoPanel->Left(), VideoPanel->Top(), AudioPanel->Width(), AudioPanel->Height());
  LoadLastSettings();
}

void TOutputSettingsForm::CreateProfileEditor() {
  MyCursor wait(MyCursor::kHourGlass);
  editor_ = NewForm<TEditProfileForm>(this);
  btnAVIClick(FormatButtons[vfkAVI]);
}

void TOutputSettingsForm::FormDestroy(TObject*) {
  if (destroyed_) return;
  destroyed_ = true;
  SaveLastSettings();
  ReleaseCurrentProfile();
  ReleasePresetSource();
  // The editor is a component of the dialog; its page panels live in VideoPanel
  // now, so it goes while both windows still exist.
  delete editor_;
  editor_ = nullptr;
}

void TOutputSettingsForm::FormKeyPress(TObject*, char& key) {
  if (key == 27) SetModalResult(mrCancel);
}

void TOutputSettingsForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TOutputSettingsForm::btnOkClick(TObject*) {
  CreateVideoProfile();
  SetModalResult(mrOk);
}

// ---- Sides and format buttons ---------------------------------------------------

int TOutputSettingsForm::ChosenVideoFormat() const {
  for (int code = 0; code < kFirstAudioFormat; ++code)
    if (FormatButtons[code]->Down()) return code;
  return -1;
}

int TOutputSettingsForm::ChosenAudioFormat() const {
  for (int code : kAudioButtonOrder)
    if (FormatButtons[code]->Down()) return code;
  return -1;
}

bool TOutputSettingsForm::VideoSideActive() const { return chkVideoFormat->Checked(); }

void TOutputSettingsForm::chkVideoFormatClick(TObject*) {
  bool video = chkVideoFormat->Checked();
  if (video) {
    AudioPanel->SetVisible(false);
    VideoPanel->SetVisible(true);
    Notebook->SetPageIndex(0);
  } else {
    AudioPanel->SetVisible(true);
    VideoPanel->SetVisible(false);
    FormatButtonClick(FormatButtons[kFirstAudioFormat]);
    Notebook->SetPageIndex(1);
  }
  lblProfiles->SetVisible(video);
  cbProfiles->SetVisible(video);
}

void TOutputSettingsForm::btnAVIClick(TObject*) {
  int code = ChosenVideoFormat();
  if (code >= 0 && editor_) {
    for (int kind = 0; kind < kFirstAudioFormat; ++kind)
      if (kind != code) editor_->PagePanel(kind)->SetVisible(false);
    TspSkinPanel* panel = editor_->PagePanel(code);
    panel->SetParent(VideoPanel);
    panel->SetAlign(alClient);
    panel->SetVisible(true);
    lblSettingsTitle->SetCaption(OutputFormat(code)->Title);
  }
  FillProfileList();
}

// ---- Profile list -------------------------------------------------------------------

TVideoProfile* TOutputSettingsForm::ListedProfile(int index) const {
  if (index < 0 || index >= static_cast<int>(listedProfiles_.size()) || !listedProfiles_[index]) return nullptr;
  // The profile editor may have dropped the profile since the list was filled.
  TProfileManager* manager = Profiles();
  for (int i = 0; manager && i < manager->GetCount(); ++i)
    if (manager->GetProfile(i) == listedProfiles_[index]) return listedProfiles_[index];
  return nullptr;
}

void TOutputSettingsForm::FillProfileList() {
  if (fillingList_ || !editor_) return;
  fillingList_ = true;
  TNotifyEvent change = cbProfiles->OnChange;
  cbProfiles->OnChange = TNotifyEvent();
  cbProfiles->Items()->Clear();
  listedProfiles_.clear();
  int code = ChosenVideoFormat();
  if (TProfileManager* manager = Profiles()) {
    for (int i = 0; i < manager->GetCount(); ++i) {
      TVideoProfile* profile = manager->GetProfile(i);
      if (profile->Kind != code) continue;
      cbProfiles->Items()->Add(profile->ProfileName);
      listedProfiles_.push_back(profile);
    }
  }
  if (!listedProfiles_.empty()) {
    int index = SelectRememberedProfile(code >= 0 ? rememberedNames_[code] : String());
    editor_->ShowProfile(ListedProfile(index));
  } else {
    cbProfiles->Items()->Add(kNoProfile);
    listedProfiles_.push_back(nullptr);
    cbProfiles->SetItemIndex(0);
    editor_->ShowProfile(nullptr);
  }
  cbProfiles->OnChange = change;
  fillingList_ = false;
}

int TOutputSettingsForm::SelectRememberedProfile(const String& name) {
  int index = 0;
  for (int i = 0; !name.empty() && i < cbProfiles->Items()->Count(); ++i) {
    if (Trim(cbProfiles->Items()->Strings(i)) == name) {
      index = i;
      break;
    }
  }
  cbProfiles->SetItemIndex(index);
  return index;
}

void TOutputSettingsForm::RememberProfileName(const String& text) {
  int code = ChosenVideoFormat();
  if (code >= 0) rememberedNames_[code] = text;
}

void TOutputSettingsForm::cbProfilesChange(TObject*) {
  editor_->ShowProfile(ListedProfile(cbProfiles->ItemIndex()));
  RememberProfileName(cbProfiles->Text());
}

// ---- Audio presets --------------------------------------------------------------------

void TOutputSettingsForm::FormatButtonClick(TObject* sender) {
  for (int code = kFirstAudioFormat; code < kOutputFormatCount; ++code)
    if (FormatButtons[code] == sender) ChooseAudioFormat(code);
}

void TOutputSettingsForm::ChooseAudioFormat(int code) {
  const OutputFormatRow* row = OutputFormat(code);
  lblSettingsTitle->SetCaption(row->Title);
  ReleasePresetSource();
  presetSource_ = row->MakePresetSource();
  FillAudioPresetList();
}

void TOutputSettingsForm::ReleasePresetSource() {
  delete presetSource_;
  presetSource_ = nullptr;
}

void TOutputSettingsForm::FillAudioPresetList() {
  lbAudioPreset->Items()->Clear();
  for (int i = 0; i < presetSource_->GetPresetCount(); ++i) lbAudioPreset->Items()->Add(presetSource_->GetPresetName(i));
  bool custom = presetSource_->HasSettingDialog();
  if (custom) lbAudioPreset->Items()->Add(CustomText());
  lbAudioPreset->SetItemIndex(0);
  lbAudioPresetListBoxClick(lbAudioPreset);
  btnCustomPreset->SetEnabled(custom);
  btnCustomPreset->SetVisible(custom);
}

void TOutputSettingsForm::lbAudioPresetListBoxClick(TObject*) {
  int index = lbAudioPreset->ItemIndex();
  if (index < 0 || !presetSource_) {
    scheme_.Params.Count = 0;
    return;
  }
  if (presetSource_->HasSettingDialog() && index == lbAudioPreset->Items()->Count() - 1) {
    btnCustomPresetClick(btnCustomPreset);
    return;
  }
  presetSource_->FillPresetParams(index, scheme_.Params);
}

void TOutputSettingsForm::btnCustomPresetClick(TObject*) {
  if (!presetSource_) return;
  TSettingBaseForm* dialog = presetSource_->CreateSettingDialog();
  if (RunSettingDialog(dialog, scheme_.Params) == mrOk) {
    lbAudioPreset->SetItemIndex(lbAudioPreset->Items()->Count() - 1);
  } else {
    lbAudioPreset->SetItemIndex(0);
    lbAudioPresetListBoxClick(lbAudioPreset);
  }
}

bool TOutputSettingsForm::SelectPresetNamed(const String& name) {
  for (int i = 0; presetSource_ && i < presetSource_->GetPresetCount(); ++i) {
    if (presetSource_->GetPresetName(i) == name) {
      lbAudioPreset->SetItemIndex(i);
      lbAudioPresetListBoxClick(lbAudioPreset);
      return true;
    }
  }
  return false;
}

// ---- Operations of the main window ---------------------------------------------------------

void TOutputSettingsForm::ReleaseCurrentProfile() {
  delete currentProfile_;
  currentProfile_ = nullptr;
}

void TOutputSettingsForm::SelectOutputFormat(OutputFormatCode code) {
  if (!IsVideoFormatCode(code) && !IsAudioFormatCode(code)) code = kFirstAudioFormat;  // no such format: MP3
  if (IsVideoFormatCode(code)) {
    chkVideoFormat->SetChecked(true);
    FormatButtons[code]->SetDown(true);
    ReleaseCurrentProfile();
    currentProfile_ = NewVideoProfile(code, rememberedNames_[code], ProgramFolder() + "LastVideoProfile.pf");
    currentProfile_->Load();
    btnAVIClick(FormatButtons[code]);
    editor_->ShowProfile(currentProfile_);
    return;
  }
  chkAudioFormat->SetChecked(true);
  FormatButtons[code]->SetDown(true);
  FormatButtonClick(FormatButtons[code]);
}

void TOutputSettingsForm::ApplyVideoProfile(const TVideoProfile* profile) {
  if (!profile || !IsVideoFormatCode(profile->Kind)) return;
  ReleaseCurrentProfile();
  currentProfile_ = profile->Clone();
  chkVideoFormat->SetChecked(true);
  FormatButtons[currentProfile_->Kind]->SetDown(true);
  btnAVIClick(FormatButtons[currentProfile_->Kind]);
  editor_->ShowProfile(currentProfile_);
}

void TOutputSettingsForm::ApplyAudioScheme(const TAudioEncoderScheme& scheme) {
  const TAudioEncoderScheme given = scheme;  // the caller's may be this dialog's own
  scheme_ = given;
  chkAudioFormat->SetChecked(true);
  int code = IsAudioFormatCode(given.FormatCode) ? given.FormatCode : -1;
  // A scheme that does not say its format is known by its plug-in (AAC before M4A).
  for (int candidate : {8, 9, 10, 12, 11, 13, 15, 16, 17}) {
    if (code >= 0) break;
    if (given.PluginPath == ProgramFolder() + OutputFormat(candidate)->PluginModule) code = candidate;
  }
  if (code >= 0) {
    FormatButtons[code]->SetDown(true);
    FormatButtonClick(FormatButtons[code]);
  }
  if (SelectPresetNamed(given.PresetName)) return;
  // A scheme from the setting dialog keeps its own pairs under "Custom...".
  if (presetSource_ && presetSource_->HasSettingDialog() && given.PresetName == CustomText()) {
    lbAudioPreset->SetItemIndex(lbAudioPreset->Items()->Count() - 1);
    scheme_.Params = given.Params;
  }
}

TVideoProfile* TOutputSettingsForm::CreateVideoProfile() {
  ReleaseCurrentProfile();
  if (!chkVideoFormat->Checked()) return nullptr;
  int code = ChosenVideoFormat();
  if (code < 0) return nullptr;
  currentProfile_ = NewVideoProfile(code, String(), String());
  editor_->ReadPage(*currentProfile_);
  VideoFormatNaming(*currentProfile_, FormatName, Extension);
  FormatCode = static_cast<OutputFormatCode>(code);
  return currentProfile_;
}

TAudioEncoderScheme* TOutputSettingsForm::CreateAudioScheme() {
  if (!chkAudioFormat->Checked()) return nullptr;
  int code = ChosenAudioFormat();
  if (code >= 0) {
    const OutputFormatRow* row = OutputFormat(code);
    scheme_.PluginPath = ProgramFolder() + row->PluginModule;
    scheme_.FormatCode = static_cast<OutputFormatCode>(code);
    FormatName = row->FormatName;
    Extension = row->Extension;
    FormatCode = static_cast<OutputFormatCode>(code);
  }
  int index = lbAudioPreset->ItemIndex();
  scheme_.PresetName = index >= 0 ? lbAudioPreset->Items()->Strings(index) : String();
  return &scheme_;
}
