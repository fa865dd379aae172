// Each dialog shown as the user sees it: the white title strip over the dialog's
// face, the button strip at the bottom, the buttons at the right. The captures
// are kept beside the test program to look at.
#include "framed/controls/RzPanel.h"
#include "platform/stdctrls/Button.h"
#include "tests/app/settings/SettingDialogFixture.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

TEST_F(SettingDialogTest, EachDialogShowsTheSharedFrame) {
  struct Case {
    const char* name;
    std::unique_ptr<TSettingBaseForm> (*open)();
    int width, height;
  } cases[] = {
      {"AACSettingForm", OpenDialog<AacPreset>, 424, 250},
      {"M4ASettingForm", OpenDialog<Mp4Preset>, 424, 250},
      {"APESettingForm", OpenDialog<ApePreset>, 320, 192},
      {"LameSettingForm", OpenDialog<LamePreset>, 666, 511},
      {"MusePackSettingForm", OpenDialog<MpcPreset>, 383, 197},
      {"OggSettingForm", OpenDialog<OggPreset>, 398, 259},
      {"WaveSettingForm", OpenDialog<WavPreset>, 264, 190},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TSettingBaseForm> form = c.open();
    ASSERT_NE(form, nullptr) << c.name;
    EXPECT_EQ(form->ClientWidth(), c.width) << c.name;
    EXPECT_EQ(form->ClientHeight(), c.height) << c.name;
    form->Show();
    PumpMessages();
    CapturedPixels shot = CaptureClient(form->Handle());
    shot.SaveBmp(String(c.name) + ".bmp");
    ASSERT_EQ(shot.Width, c.width) << c.name;
    EXPECT_EQ(shot.At(c.width - 4, 20), 0xFFFFFFu) << c.name << ": the title strip is white";
    const std::uint32_t face = ColorToRGB(clBtnFace);
    const std::uint32_t faceRGB = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
    EXPECT_EQ(shot.At(c.width - 4, c.height - 4), faceRGB) << c.name << ": the button strip has the dialog's face";
    // The buttons keep to the right edge, Help last.
    EXPECT_EQ(form->btnHelp->Left() + form->btnHelp->Width(), c.width - 8) << c.name;
    EXPECT_LT(form->btnCancel->Left(), form->btnHelp->Left()) << c.name;
    EXPECT_LT(form->btnOK->Left(), form->btnCancel->Left()) << c.name;
    form->Hide();
  }
}
