// The crop and split dialogs on the disc engine and the media engine of the
// program folder, over the engine tests' DVD fixture: the disc's frames in the
// dialog's picture, a dialog closed while the engine's play thread delivers
// frames, and twenty openings that leave nothing behind.
#include <memory>
#include <set>

#include "platform/core/WinApi.h"

#include <psapi.h>

#include "app/DVDConvertTask.h"
#include "app/main/CropFrm.h"
#include "app/main/SplitFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/io/IniFiles.h"
#include "app/KelvaneSettings.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/app/main/BuiltMediaEngine.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

DiscEngine* discEngine = nullptr;
DiscEngine* MakeDiscEngine() { return discEngine; }

// The main window over the real engine with title 1 of the fixture disc (3 s,
// 352 x 288, 4:3) opened and current.
class RealFrames : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    window.reset();
    FreeDiscEngine();
    discEngine = LoadBuiltDiscEngine();
    ASSERT_NE(discEngine, nullptr);
    SetDiscEngineFactory(&MakeDiscEngine);
    window.reset(NewForm<TMainForm>(nullptr));
    ASSERT_TRUE(discEngine->OpenDVD(DiscFixture("dvd\\").c_str()));
    ASSERT_TRUE(discEngine->GetTitleInfo(0, &disc.Title));
    disc.SourcePath = DiscFixture("dvd\\");
    task = &disc;
    window->CurrentTask = &disc;
    window->OpenTaskForPreview(&disc, false);
    window->UpdatePreviewControls(&disc);
    TIniFile settings(SettingsFileName());
    settings.WriteBool("LastSettings", "ShowPreviewPrompt", false);
    settings.WriteBool("LastSettings", "PreviewMode", false);  // video only: no sound device needed
  }
  void TearDown() override {
    if (window) window->ForgetTasksOfPreview();
    window.reset();
    if (discEngine) discEngine->Release();
    discEngine = nullptr;
    DialogTest::TearDown();
  }
  // The picture of the disc's still frame has arrived in the dialog.
  static bool PictureShown(TPreviewDialog* dialog) {
    return PumpUntil([dialog] { return dialog->PreviewImage->Bitmap()->Height() > 0; });
  }

  BuiltMediaEngine media;
  DVDConvertTask disc;
};

std::size_t DistinctColours(const TBitmap32& picture) {
  std::set<TColor32> colours;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) colours.insert(picture.GetPixel(x, y) & 0xFFFFFF);
  return colours.size();
}

TEST_F(RealFrames, TheCropDialogShowsTheDiscAndClosesWhileItPlays) {
  bool shown = false, played = false;
  std::size_t colours = 0;
  RunInNextLoop([&] {
    TCropForm* dialog = window->OpenCropForm;
    ASSERT_NE(dialog, nullptr);
    shown = PictureShown(dialog);
    TBitmap32* picture = dialog->PreviewImage->Bitmap();
    EXPECT_EQ(picture->Height(), 288) << "352 x 288 unsqueezed to 4:3";
    colours = DistinctColours(*picture);
    CaptureWindow(dialog->Handle()).SaveBmp("CropFormFrame.bmp");
    dialog->btnPlayClick(nullptr);
    played = PumpUntil([&] { return dialog->tbPreview->Value() >= 1000; });
    EXPECT_TRUE(discEngine->IsPlaying());
    PostClick(dialog->btnClose, 10, 10);
  });
  window->btnCrop->ButtonClick();
  EXPECT_TRUE(shown);
  EXPECT_GT(colours, 200u) << "the test picture's colours, not a blank";
  EXPECT_TRUE(played) << "the slider follows the playing engine";
  EXPECT_EQ(window->OpenCropForm, nullptr);
  EXPECT_FALSE(discEngine->IsPlaying()) << "no frame is on its way to the closed dialog";
  EXPECT_EQ(window->tbPreview->Value(), int(discEngine->GetPosition() * 1000));
  EXPECT_GE(window->tbPreview->Value(), 1000);
}

TEST_F(RealFrames, TheSplitDialogShowsTheDisc) {
  bool shown = false;
  RunInNextLoop([&] {
    TSplitForm* dialog = window->OpenSplitForm;
    ASSERT_NE(dialog, nullptr);
    shown = PictureShown(dialog);
    EXPECT_GT(DistinctColours(*dialog->PreviewImage->Bitmap()), 200u);
    CaptureWindow(dialog->Handle()).SaveBmp("SplitFormFrame.bmp");
    PostClick(dialog->btnClose, 10, 10);
  });
  window->btnSplit->ButtonClick();
  EXPECT_TRUE(shown);
}

// What the process holds. Wine answers 0 for the GDI and USER counts; the private
// bytes (the page-file usage) and the media engine's objects tell there.
struct Footprint {
  DWORD GdiObjects, UserObjects;
  SIZE_T PrivateBytes;
  int Scalers, Converters;
};

Footprint Measure() {
  PumpMessages();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  EXPECT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                     sizeof(memory)));
  return {::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
          ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), memory.PagefileUsage,
          BuiltMediaEngine::LiveScalers(), BuiltMediaEngine::LiveConverters()};
}

TEST_F(RealFrames, TwentyOpeningsLeaveNothingBehind) {
  auto openAndClose = [&](bool split) {
    bool shown = false;
    RunInNextLoop([&] {
      TPreviewDialog* dialog = split ? static_cast<TPreviewDialog*>(window->OpenSplitForm) : window->OpenCropForm;
      ASSERT_NE(dialog, nullptr);
      shown = PictureShown(dialog);
      PostClick(dialog->btnClose, 10, 10);
    });
    if (split) window->btnSplit->ButtonClick();
    else window->btnCrop->ButtonClick();
    EXPECT_TRUE(shown);
  };
  openAndClose(false);
  openAndClose(true);
  const Footprint before = Measure();
  for (int i = 0; i < 20; ++i) {
    openAndClose(false);
    openAndClose(true);
  }
  const Footprint after = Measure();
  EXPECT_EQ(after.Scalers, before.Scalers) << "the main window's own, no more";
  EXPECT_EQ(after.Converters, before.Converters);
  EXPECT_EQ(after.GdiObjects, before.GdiObjects);
  EXPECT_EQ(after.UserObjects, before.UserObjects);
  EXPECT_LT(after.PrivateBytes, before.PrivateBytes + 8 * 1024 * 1024)
      << before.PrivateBytes << " -> " << after.PrivateBytes;
}

}  // namespace
