// The crop and split dialogs on the disc engine and the media engine of the
// program folder: the frames of the DVD fixtures' movie in the dialog's picture,
// a dialog closed while the engine's play thread delivers frames, and twenty
// openings that leave nothing behind.
#include <memory>
#include <set>
#include <vector>

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
#include "tests/app/main/TitleWindowFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

DiscEngine* discEngine = nullptr;
DiscEngine* MakeDiscEngine() { return discEngine; }

// The main window over the real engine with the movie fixture opened through its
// command: title 1 (8 s, 720 x 576, 16:9), the main movie, is current.
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
    SystemCalls().GetVolumeInformation = [](const String&, char*, DWORD) { return FALSE; };
    SystemCalls().BrowseForFolder = [](BROWSEINFOA*) { return ::ILCreateFromPathA(DiscFixture("movie").c_str()); };
    window->actOpenDVDExecute(nullptr);
    task = window->CurrentTask;
    ASSERT_NE(task, nullptr);
    ASSERT_TRUE(task->Available);
    ASSERT_DOUBLE_EQ(task->Title.Duration, 8.0);
    TIniFile settings(SettingsFileName());
    settings.WriteBool("LastSettings", "ShowPreviewPrompt", false);
    settings.WriteBool("LastSettings", "PreviewMode", false);  // video only: no sound device needed
  }
  void TearDown() override {
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
    const PreviewFit fit = FitPreviewFrame(VideoFrameInfo{720, 576, 25, 1, 0, {}, 16.0 / 9}, true,
                                           dialog->PreviewImage->Width(), dialog->PreviewImage->Height());
    EXPECT_EQ(picture->Width(), fit.Fitted.cx) << "720 x 576 unsqueezed to 16:9, fitted";
    EXPECT_EQ(picture->Height(), fit.Fitted.cy);
    EXPECT_LT(fit.HorizontalRatio, 1.0);
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

// The frames come from a still engine that delivers a PAL frame whenever asked,
// through the media engine of the program folder.
TEST_F(DialogTest, TwentyOpeningsLeaveNothingBehind) {
  BuiltMediaEngine media;
  std::vector<std::uint8_t> frame(720 * 576 * 3 / 2, 128);
  VideoFrameInfo format{720, 576, 25, 1, kScaledPixelFormat, {}, 4.0 / 3};
  engine.OnRefreshFrame = [&] { TMainForm::RenderPreviewFrame(window.get(), frame.data(), &format); };
  auto openAndClose = [&](bool split) {
    bool shown = false;
    RunInNextLoop([&] {
      TPreviewDialog* dialog = split ? static_cast<TPreviewDialog*>(window->OpenSplitForm) : window->OpenCropForm;
      ASSERT_NE(dialog, nullptr);
      shown = PumpUntil([dialog] { return dialog->PreviewImage->Bitmap()->Height() > 0; });
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
