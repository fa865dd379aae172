// The target new tasks start with: MP3 with the encoder's default preset. The
// output settings dialog, once it exists, chooses it instead.
#include "app/AudioPresets.h"
#include "app/main/MainFrm.h"
#include "app/main/TitleList.h"
#include "platform/core/FileUtils.h"

namespace {

constexpr OutputFormatCode kMP3Target = 8;

}  // namespace

TaskTarget NewTaskTarget() {
  // The tasks copy the scheme; it is made afresh so it names today's program folder.
  static TAudioEncoderScheme scheme;
  LamePreset preset;
  scheme = TAudioEncoderScheme{};
  scheme.PluginPath = ProgramFolder() + preset.GetPluginFileName();
  scheme.PresetName = preset.GetPresetName(0);
  preset.FillPresetParams(0, scheme.Params);
  TaskTarget target;
  target.Scheme = &scheme;
  target.FormatName = "MP3";
  target.Extension = ".mp3";
  target.FormatCode = kMP3Target;
  return target;
}
