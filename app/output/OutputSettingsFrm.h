// The output settings dialog: turns a target format into a task's target, a video
// profile built from the profile editor's page of that format or an audio encoder
// scheme built from a preset list; and the preset sources behind that list (one
// per audio target) with the encoder setting dialogs they open for "Custom...".
#pragma once

#include <cstdint>

#include "app/DVDConvertTask.h"
#include "platform/controls/CustomForm.h"
#include "platform/core/Strings.h"

class TEditProfileForm;
class TSettingBaseForm;  // the encoder setting dialogs' base, declared by its unit
class TVideoProfile;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinListBox;
class TspSkinNotebook;
class TspSkinPanel;
class TspSkinStdLabel;

// ---- Encoder setting dialogs --------------------------------------------------

// The setting dialogs the presets open; each dialog's unit registers its maker.
enum class SettingDialogKind { kLame, kWave, kOgg, kAAC, kAACMpeg4, kAPE, kMusePack };
constexpr int kSettingDialogKindCount = 7;
// Makes the dialog with no owner, its language texts and initial states applied
// (kAACMpeg4: the AAC dialog with "MPEG 4" selected and the version combo disabled).
using SettingDialogFactory = TSettingBaseForm* (*)();
void SetSettingDialogFactory(SettingDialogKind kind, SettingDialogFactory factory);

// Shows a made setting dialog modally, frees it, and answers its modal result; on
// OK (1) it has written its pairs into `pairs` (all 100 cleared first) and set
// `count` to their number. The setting dialogs' base unit installs the runner,
// since only it knows the dialog's class; without one a dialog counts as
// cancelled and is left alive, as nothing here can free it.
using SettingDialogRunner = int (*)(TSettingBaseForm* dialog, EncoderParameter* pairs, std::int32_t& count);
void SetSettingDialogRunner(SettingDialogRunner runner);
int RunSettingDialog(TSettingBaseForm* dialog, EncoderParamBlock& block);

// ---- Preset sources -----------------------------------------------------------

class PresetBase {
public:
  virtual ~PresetBase() = default;
  virtual String GetPluginFileName() const = 0;
  virtual int GetPresetCount() const = 0;
  // The translated display name; empty outside 0..count-1.
  virtual String GetPresetName(int index) const = 0;
  // Writes the preset's pairs from the first on and sets the count; returns 0.
  virtual int FillPresetParams(int index, EncoderParamBlock& block) const = 0;
  virtual bool HasSettingDialog() const { return false; }
  // A new setting dialog owned by the caller, or null (no dialog, or none registered).
  virtual TSettingBaseForm* CreateSettingDialog() const = 0;
};

// A source with a fixed table of presets named in section "AUDIO_PRESET".
class FixedPreset : public PresetBase {
public:
  struct Row {
    const char* Key;   // language key of the name
    const char* Name;  // English default
    int PairCount;
    EncoderParameter Pairs[6];
  };
  int GetPresetCount() const override { return rowCount_; }
  String GetPresetName(int index) const override;
  int FillPresetParams(int index, EncoderParamBlock& block) const override;

protected:
  FixedPreset(const Row* rows, int rowCount) : rows_(rows), rowCount_(rowCount) {}

private:
  const Row* rows_;
  int rowCount_;
};

// A fixed source whose encoder has a setting dialog.
class DialogPreset : public FixedPreset {
public:
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;

protected:
  DialogPreset(const Row* rows, int rowCount, SettingDialogKind kind) : FixedPreset(rows, rowCount), kind_(kind) {}

private:
  SettingDialogKind kind_;
};

class LamePreset : public DialogPreset {
public:
  LamePreset();
  String GetPluginFileName() const override;
};

class WavPreset : public DialogPreset {
public:
  WavPreset();
  String GetPluginFileName() const override;
};

class OggPreset : public DialogPreset {
public:
  OggPreset();
  String GetPluginFileName() const override;
};

class AacPreset : public DialogPreset {
public:
  AacPreset();
  String GetPluginFileName() const override;
};

class Mp4Preset : public DialogPreset {
public:
  Mp4Preset();
  String GetPluginFileName() const override;
};

class ApePreset : public DialogPreset {
public:
  ApePreset();
  String GetPluginFileName() const override;
};

class MpcPreset : public DialogPreset {
public:
  MpcPreset();
  String GetPluginFileName() const override;
};

class FlacPreset : public FixedPreset {
public:
  FlacPreset();
  String GetPluginFileName() const override;
  TSettingBaseForm* CreateSettingDialog() const override { return nullptr; }
};

// A source whose presets are the lines of a list file beside the plug-ins; without
// the file it offers one preset, "The same as the source", that writes no pairs.
class ListFilePreset : public PresetBase {
public:
  ~ListFilePreset() override;
  int GetPresetCount() const override;
  String GetPresetName(int index) const override;
  int FillPresetParams(int index, EncoderParamBlock& block) const override;
  TSettingBaseForm* CreateSettingDialog() const override { return nullptr; }
  const TStringList* List() const { return list_; }

protected:
  explicit ListFilePreset(const String& listFileName);

private:
  TStringList* list_ = nullptr;  // owned; null when the file was missing
};

class WMA9Preset : public ListFilePreset {
public:
  WMA9Preset();
  String GetPluginFileName() const override;
};

class RealPreset : public ListFilePreset {
public:
  RealPreset();
  String GetPluginFileName() const override;
};

// ---- The dialog ----------------------------------------------------------------

constexpr int kOutputFormatCount = 18;  // codes 0-7 video, 8-17 audio
constexpr OutputFormatCode kFirstAudioFormat = 8;

class TOutputSettingsForm : public TForm {
public:
  explicit TOutputSettingsForm(TComponent* owner);
  ~TOutputSettingsForm() override;

  // Components of the definition.
  TspSkinPanel* MainPanel = nullptr;
  TspSkinStdLabel* lblSettingsTitle = nullptr;
  TspSkinStdLabel* lblProfiles = nullptr;
  TspSkinComboBox* cbProfiles = nullptr;
  TspSkinPanel* VideoPanel = nullptr;
  TspSkinPanel* AudioPanel = nullptr;
  TspSkinListBox* lbAudioPreset = nullptr;
  TspSkinButton* btnCustomPreset = nullptr;
  TspSkinButton* btnOk = nullptr;
  TspSkinButton* btnCancel = nullptr;
  TspSkinPanel* spSkinPanel1 = nullptr;
  TspSkinNotebook* Notebook = nullptr;
  TspSkinPanel* spSkinPanel2 = nullptr;
  TspSkinStdLabel* lblSelectFormat = nullptr;
  TspSkinCheckRadioBox* chkVideoFormat = nullptr;
  TspSkinCheckRadioBox* chkAudioFormat = nullptr;
  TspDynamicSkinForm* DSF = nullptr;
  // The eighteen hidden format buttons, by format code.
  TspSkinButton* FormatButtons[kOutputFormatCount] = {};

  void SelectOutputFormat(OutputFormatCode code);
  void ApplyVideoProfile(const TVideoProfile* profile);
  void ApplyAudioScheme(const TAudioEncoderScheme& scheme);
  // Owned by the dialog; null on the audio side.
  TVideoProfile* CreateVideoProfile();
  // The dialog's own scheme; null on the video side.
  TAudioEncoderScheme* CreateAudioScheme();

  // Set by the two Create operations.
  String FormatName;
  String Extension;  // without the dot
  OutputFormatCode FormatCode = 0;

  // The chosen format of each side (first down button), -1 for none.
  int ChosenVideoFormat() const;
  int ChosenAudioFormat() const;
  bool VideoSideActive() const;
  TEditProfileForm* ProfileEditor() const { return editor_; }
  const TAudioEncoderScheme& Scheme() const { return scheme_; }
  const String& RememberedProfileName(int code) const { return rememberedNames_[code]; }

  // Handlers of the definition, public for the tests' driving.
  void chkVideoFormatClick(TObject* sender);
  void btnAVIClick(TObject* sender);
  void cbProfilesChange(TObject* sender);
  void lbAudioPresetListBoxClick(TObject* sender);
  void btnCustomPresetClick(TObject* sender);
  void btnOkClick(TObject* sender);
  void FormatButtonClick(TObject* sender);  // every audio button

protected:
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;

private:
  void FormDestroy(TObject* sender);
  void FormKeyPress(TObject* sender, char& key);
  void CreateProfileEditor();
  void FillProfileList();
  int SelectRememberedProfile(const String& name);
  void RememberProfileName(const String& text);
  void ChooseAudioFormat(int code);
  void FillAudioPresetList();
  void ReleasePresetSource();
  void ReleaseCurrentProfile();
  bool SelectPresetNamed(const String& name);
  void LoadLastSettings();
  void SaveLastSettings();
  TVideoProfile* ListedProfile(int index) const;

  TEditProfileForm* editor_ = nullptr;          // owned, never shown
  TVideoProfile* currentProfile_ = nullptr;     // owned, may be null
  bool fillingList_ = false;
  String rememberedNames_[8];                   // by video format code
  std::vector<TVideoProfile*> listedProfiles_;  // borrowed from the profile manager, by cbProfiles item
  PresetBase* presetSource_ = nullptr;          // owned
  TAudioEncoderScheme scheme_;
  bool destroyed_ = false;
};
