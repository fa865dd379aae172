// The target new tasks start with: the output settings dialog's current choice.
#include "app/main/MainFrm.h"
#include "app/main/TitleList.h"
#include "app/output/OutputFormats.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/core/FileUtils.h"

namespace {

// Without a main window (a window-less caller) the target is the dialog's first
// choice on a first start: MP3 with its first preset.
TaskTarget FirstStartTarget() {
  static TAudioEncoderScheme scheme;
  LamePreset preset;
  scheme = TAudioEncoderScheme{};
  scheme.PluginPath = ProgramFolder() + preset.GetPluginFileName();
  scheme.PresetName = preset.GetPresetName(0);
  scheme.FormatCode = kFirstAudioFormat;
  preset.FillPresetParams(0, scheme.Params);
  const OutputFormatRow* mp3 = OutputFormat(kFirstAudioFormat);
  return TaskTarget{nullptr, &scheme, mp3->FormatName, mp3->Extension, kFirstAudioFormat};
}

}  // namespace

TaskTarget NewTaskTarget() {
  if (!MainForm) return FirstStartTarget();
  TOutputSettingsForm* dialog = MainForm->GetOutputSettingsForm();
  TaskTarget target;
  target.Profile = dialog->CreateVideoProfile();
  target.Scheme = dialog->CreateAudioScheme();
  target.FormatName = dialog->FormatName;
  target.Extension = dialog->Extension;
  target.FormatCode = dialog->FormatCode;
  return target;
}
