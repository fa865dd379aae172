// Audio presets: one preset source per audio target names its presets, writes the
// encoder parameter pairs of the chosen one, and makes its encoder's setting dialog
// where it has one.
#pragma once

#include "app/DVDConvertTask.h"
#include "platform/core/Strings.h"

class TSettingBaseForm;  // the encoder setting dialogs' base, declared by its unit

// The setting dialogs the presets open; each dialog's unit registers its maker.
enum class SettingDialogKind { kLame, kWave, kOgg, kAAC, kAACMpeg4, kAPE, kMusePack };
constexpr int kSettingDialogKindCount = 7;
// Makes the dialog with no owner, its language texts and initial states applied
// (kAACMpeg4: the AAC dialog with "MPEG 4" selected and the version combo disabled).
using SettingDialogFactory = TSettingBaseForm* (*)();
void SetSettingDialogFactory(SettingDialogKind kind, SettingDialogFactory factory);

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
    const char* Key;      // language key of the name
    const char* Name;     // English default
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

class LamePreset : public FixedPreset {
public:
  LamePreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class WavPreset : public FixedPreset {
public:
  WavPreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class OggPreset : public FixedPreset {
public:
  OggPreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class AacPreset : public FixedPreset {
public:
  AacPreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class Mp4Preset : public FixedPreset {
public:
  Mp4Preset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class ApePreset : public FixedPreset {
public:
  ApePreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
};

class MpcPreset : public FixedPreset {
public:
  MpcPreset();
  String GetPluginFileName() const override;
  bool HasSettingDialog() const override { return true; }
  TSettingBaseForm* CreateSettingDialog() const override;
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

// The list files' names, beside the plug-ins in the program's folder.
extern const char kWMAFormatListFile[];
extern const char kRealAudienceListFile[];
