// The hidden form that lives for the whole run: the skin every window names, the
// skin list, the profile manager, the Windows Media and RealMedia plug-in wrappers
// and the lists of their formats. Reached through the global `ResourceForm`.
#pragma once

#include "platform/controls/CustomForm.h"

class TComboBox;
class TspSkinData;
class TspResourceStrData;
class TProfileManager;
class WM9EncoderDllWarper;
class RealEncoderDllWarper;

class TResourceForm : public TForm {
public:
  explicit TResourceForm(TComponent* owner);
  ~TResourceForm() override;

  // Lists the entries of the skins folder (folders and plain files alike) and
  // loads the skin the settings name.
  void LoadSkinList();
  // Loads the profiles, then fills the three plug-in format lists.
  void LoadResources();
  void FillWMVSystemProfiles();
  void FillWMVAudioFormats();
  void FillRealAudioFormats();

  TspSkinData* FormSkinData = nullptr;
  TspResourceStrData* spResourceStrData = nullptr;
  TComboBox* cbWMVAudioFormat = nullptr;
  TComboBox* cbSystemProfile = nullptr;
  TComboBox* cbRealAudioFormat = nullptr;
  TComboBox* cbSkins = nullptr;

  // Made by the constructor and kept until the process ends (freed by ReleaseResources).
  TProfileManager* ProfileManager = nullptr;
  WM9EncoderDllWarper* WMVEncoder = nullptr;   // none when the plug-in is missing or fails
  RealEncoderDllWarper* RealEncoder = nullptr;  // none when the plug-in is missing

  // Frees the wrappers and the profile manager; the entry routine calls it at exit.
  void ReleaseResources();
};

extern TResourceForm* ResourceForm;
