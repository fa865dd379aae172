#include "app/settings/WaveSettingFrm.h"

#include <iterator>

#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "platform/published/FormBindings.h"
#include "platform/stdctrls/Label.h"

namespace {

const char kWaveSection[] = "WAVESETTINGS_FORM";

// The plug-in's format codes by compression item: PCM, u-law, A-law, IMA and
// Microsoft ADPCM.
constexpr int kFormats[] = {2, 16, 17, 18, 19};
constexpr int kAutoItem = 0;
constexpr int kStereoItem = 1;

}  // namespace

TWaveSettingForm::TWaveSettingForm(TComponent* owner) : TSettingBaseForm(owner) {
  DeclareFrame()
      .Field("RzLabel1", RzLabel1)
      .Field("Label1", Label1)
      .Field("cbCompression", cbCompression)
      .Field("Label2", Label2)
      .Field("cbSamplerate", cbSamplerate)
      .Field("Label3", Label3)
      .Field("cbChannelMode", cbChannelMode);
}

void TWaveSettingForm::AfterConstruction() {
  TSettingBaseForm::AfterConstruction();
  ApplyLanguage();
}

void TWaveSettingForm::ApplyLanguage() {
  ApplyButtonTexts();
  ApplyCaptions(kWaveSection, {
                              {RzLabel1, "01", "Wave File Encoder Settings:"},
                              {Label1, "02", "Compression"},
                              {Label2, "03", "Samplerate"},
                              {Label3, "04", "Channel Mode"},
                          });
  RefillItems(cbCompression,
              {Translate(kWaveSection, "05", "Standard"), Translate(kWaveSection, "06", "U-Law"),
               Translate(kWaveSection, "07", "A-Law"), Translate(kWaveSection, "08", "IMA ADPCM"),
               Translate(kWaveSection, "09", "Microsoft ADPCM")},
              0);
  const String automatic = Translate(kWaveSection, "10", "Auto");
  RefillItems(cbSamplerate, {automatic, "44100", "22050", "11025"}, 0);
  RefillItems(cbChannelMode,
              {automatic, Translate(kWaveSection, "11", "Stereo"), Translate(kWaveSection, "12", "Mono")}, 0);
}

int TWaveSettingForm::GetEncoderParams(EncoderParamBlock& block) {
  TSettingBaseForm::GetEncoderParams(block);
  int count = 0;
  const int format = cbCompression->ItemIndex();
  if (format >= 0 && format < static_cast<int>(std::size(kFormats))) Put(block, count, 0, kFormats[format]);
  Put(block, count, 1, cbSamplerate->ItemIndex() == kAutoItem ? -1 : ShownNumber(cbSamplerate));
  const int channels = cbChannelMode->ItemIndex();
  Put(block, count, 2, channels == kAutoItem ? -1 : channels == kStereoItem ? 2 : 1);
  return count;
}
