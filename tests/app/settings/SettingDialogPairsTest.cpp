// The pairs each setting dialog writes: pressed OK at once, and after the choices
// that change them (the coupled lists, the enable rules, the typed values).
#include <functional>

#include "app/settings/AACSettingFrm.h"
#include "app/settings/APESettingFrm.h"
#include "app/settings/LameSettingFrm.h"
#include "app/settings/MusePackSettingFrm.h"
#include "app/settings/OggSettingFrm.h"
#include "app/settings/WaveSettingFrm.h"
#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzRadioButton.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/Label.h"
#include "tests/app/settings/SettingDialogFixture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/WindowPump.h"

namespace {

#define MP3_TAIL "6=-1,7=2,8=-1,40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=0,22=1,23=19500,25=0,26=800,29=0,30=0,31=0,32=50,33=0,34=0"
#define MP3_FLAGS "40=0,16=1,15=0,17=0,19=0,18=0,21=0,28=0,22=1,23=19500,25=0,26=800,29=0,30=0,31=0,32=50,33=0,34=0"

}  // namespace

TEST_F(SettingDialogTest, OkAtOnceWritesTheInitialPairs) {
  struct Case {
    const char* dialog;
    std::unique_ptr<TSettingBaseForm> (*open)();
    const char* pairs;
  } cases[] = {
      {"AAC", OpenDialog<AacPreset>, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1"},
      {"M4A", OpenDialog<Mp4Preset>, "1=-1,0=-1,2=18000,3=0,4=1,6=1,5=1"},
      {"APE", OpenDialog<ApePreset>, "0=0,1=3000"},
      {"MP3", OpenDialog<LamePreset>, "0=0,1=128,10=0," MP3_TAIL},
      {"Ogg Vorbis", OpenDialog<OggPreset>, "0=0,1=400"},
      {"WAV", OpenDialog<WavPreset>, "0=2,1=-1,2=-1"},
      {"Musepack", OpenDialog<MpcPreset>, "0=500"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TSettingBaseForm> form = c.open();
    ASSERT_NE(form, nullptr) << c.dialog;
    EXPECT_EQ(form->Caption(), "Encoder Settings") << c.dialog;
    EXPECT_EQ(form->btnOK->Caption(), "&OK") << c.dialog;
    EXPECT_TRUE(PressOK(form.get())) << c.dialog;
    EXPECT_EQ(Pairs(form.get()), c.pairs) << c.dialog;
  }
}
