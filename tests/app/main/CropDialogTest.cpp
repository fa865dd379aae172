// The crop dialog on a fake disc engine: the task's values in its controls, the
// size and ratios a frame is shown with, the border detection in frame pixels,
// OK storing what it shows cut to whole pixels, Cancel storing nothing, and the
// slider, chapter and jump commands.
#include <cmath>
#include <memory>
#include <vector>

#include "app/DVDConvertTask.h"
#include "app/main/CropFrm.h"
#include "app/main/JumpToFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/core/SysUtils.h"
#include "platform/core/Timer.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/app/main/BuiltMediaEngine.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

VideoFrameInfo FrameFormat(int width, int height, double aspect) {
  VideoFrameInfo info{};
  info.Width = width;
  info.Height = height;
  info.PixelFormat = kScaledPixelFormat;
  info.DisplayAspect = aspect;
  return info;
}

constexpr TColor32 kBorder = 0xFF101010, kPicture = 0xFFE0C0A0;

std::unique_ptr<TBitmap32> Filled(int width, int height, TColor32 color) {
  auto bitmap = std::make_unique<TBitmap32>();
  bitmap->SetSize(width, height);
  bitmap->Clear(color);
  return bitmap;
}

std::unique_ptr<TBitmap32> Painted(std::unique_ptr<TBitmap32> bitmap, TRect area, TColor32 color) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) bitmap->SetPixel(x, y, color);
  return bitmap;
}

// A mid-grey frame in the engine's planar format.
std::vector<std::uint8_t> GreyFrame(int width, int height) {
  return std::vector<std::uint8_t>(std::size_t(width) * height * 3 / 2, 128);
}

TEST(PreviewFit, UnsqueezesFitsAndMeasuresBothRatios) {
  struct Case {
    const char* name;
    int width, height;
    double aspect;
    bool unsqueeze;
    int pictureWidth, pictureHeight;
    TSize shown, fitted;
  } cases[] = {
      {"PAL 4:3 into the crop picture", 720, 576, 4.0 / 3, true, 712, 333, {768, 576}, {444, 332}},
      {"PAL 16:9, plain view", 720, 576, 16.0 / 9, false, 712, 333, {720, 576}, {416, 332}},
      {"smaller than the picture", 352, 288, 4.0 / 3, true, 712, 333, {384, 288}, {384, 288}},
      {"aspect 0 takes the frame's own", 720, 480, 0.0, true, 1000, 1000, {720, 480}, {720, 480}},
      {"aspect 0 fitted", 720, 480, 0.0, true, 360, 200, {720, 480}, {300, 200}},
      {"negative aspect", 720, 480, -1.0, true, 360, 200, {720, 480}, {300, 200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PreviewFit fit = FitPreviewFrame(FrameFormat(c.width, c.height, c.aspect), c.unsqueeze, c.pictureWidth,
                                           c.pictureHeight);
    EXPECT_EQ(fit.Shown.cx, c.shown.cx);
    EXPECT_EQ(fit.Shown.cy, c.shown.cy);
    EXPECT_EQ(fit.Fitted.cx, c.fitted.cx);
    EXPECT_EQ(fit.Fitted.cy, c.fitted.cy);
    EXPECT_DOUBLE_EQ(fit.HorizontalRatio, double(c.fitted.cx) / c.shown.cx);
    EXPECT_DOUBLE_EQ(fit.VerticalRatio, double(c.fitted.cy) / c.shown.cy);
  }
}

class CropDialog : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    task->CropLeft = 8;
    task->CropRight = 6;
    task->CropTop = 4;
    task->CropBottom = 2;
    task->Unsqueeze = true;
    task->KeepAspect = false;
    engine.Position = 1234.5678;
    dialog.reset(NewPreviewDialog<TCropForm>(window.get(), task));
  }
  void TearDown() override {
    dialog.reset();
    DialogTest::TearDown();
  }
  std::unique_ptr<TCropForm> dialog;
};

TEST_F(CropDialog, ShowsTheTasksValues) {
  EXPECT_EQ(dialog->Caption(), "Cropping");
  EXPECT_EQ(dialog->edtCropLeft->Value(), 8);
  EXPECT_EQ(dialog->edtCropRight->Value(), 6);
  EXPECT_EQ(dialog->edtCropTop->Value(), 4);
  EXPECT_EQ(dialog->edtCropBottom->Value(), 2);
  EXPECT_TRUE(dialog->chkResumeDVDSize->Checked());
  EXPECT_FALSE(dialog->chkFixAspectRatio->Checked());
  EXPECT_EQ(dialog->tbPreview->MaxValue(), 3600000);
  EXPECT_EQ(dialog->tbPreview->Value(), 1234567);
  EXPECT_FALSE(dialog->rbSourceMovie->Visible());
  EXPECT_FALSE(dialog->rbOutputMovie->Visible());
  EXPECT_TRUE(dialog->rbSourceMovie->Checked()) << "the source picture, always";
  EXPECT_EQ(dialog->PreviewImage->Color(), 3947580);
}

// Pictures with a known border, measured with display ratios other than 1: the
// edits take the border in frame pixels, OK keeps the whole pixels of them.
TEST_F(CropDialog, AutoCropFindsTheBorderInFramePixels) {
  BuiltMediaEngine media;
  const std::vector<std::uint8_t> frame = GreyFrame(720, 576);
  const VideoFrameInfo format = FrameFormat(720, 576, 4.0 / 3);
  dialog->RenderCropPreview(frame.data(), format);
  const double horizontal = dialog->HorizontalRatio(), vertical = dialog->VerticalRatio();
  const PreviewFit fit =
      FitPreviewFrame(format, true, dialog->PreviewImage->Width(), dialog->PreviewImage->Height());
  ASSERT_LT(horizontal, 1.0);
  ASSERT_DOUBLE_EQ(horizontal, fit.HorizontalRatio);
  ASSERT_DOUBLE_EQ(vertical, fit.VerticalRatio);

  struct Case {
    const char* name;
    std::unique_ptr<TBitmap32> (*make)();
    CropEdges expected;
  } cases[] = {
      {"no border: every pixel but the corner differs",
       [] { return Painted(Filled(200, 120, kPicture), {0, 0, 1, 1}, kBorder); }, {0, 0, 0, 0}},
      {"a ten-pixel band on every side",
       [] { return Painted(Filled(200, 120, kBorder), {10, 10, 190, 110}, kPicture); }, {10, 10, 10, 10}},
      {"uniform: a blank frame crops nothing", [] { return Filled(200, 120, kBorder); }, {0, 0, 0, 0}},
      {"uneven bands, the border's shades within 20",
       [] {
         auto b = Painted(Filled(200, 120, kBorder), {0, 60, 200, 61}, kBorder + 0x141414);
         return Painted(std::move(b), {12, 20, 196, 120}, kPicture);
       },
       {12, 20, 4, 0}},
      {"one line of picture keeps three",
       [] { return Painted(Filled(200, 120, kBorder), {0, 50, 200, 51}, kPicture); }, {0, 50, 0, 67}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto bitmap = c.make();
    const CropEdges found = FindPictureBorder(*bitmap);
    EXPECT_EQ(found.Left, c.expected.Left);
    EXPECT_EQ(found.Top, c.expected.Top);
    EXPECT_EQ(found.Right, c.expected.Right);
    EXPECT_EQ(found.Bottom, c.expected.Bottom);

    dialog->btnAutoCropClick(nullptr);
    ASSERT_TRUE(dialog->AutoCropRequested());
    EXPECT_EQ(dialog->Renderer().FrameWidth(), 0) << "the next frame is made anew";
    dialog->RenderCropPreview(frame.data(), format);
    dialog->DetectAutoCrop(bitmap.get());
    EXPECT_FALSE(dialog->AutoCropRequested());
    EXPECT_DOUBLE_EQ(dialog->edtCropLeft->Value(), c.expected.Left / horizontal);
    EXPECT_DOUBLE_EQ(dialog->edtCropRight->Value(), c.expected.Right / horizontal);
    EXPECT_DOUBLE_EQ(dialog->edtCropTop->Value(), c.expected.Top / vertical);
    EXPECT_DOUBLE_EQ(dialog->edtCropBottom->Value(), c.expected.Bottom / vertical);
    EXPECT_EQ(dialog->edtCropLeft->Text(), IntToStr(int(std::lround(c.expected.Left / horizontal))));
    EXPECT_NE(dialog->Renderer().FrameWidth(), 0) << "measuring asks for no redraw";
    dialog->btnOkClick(nullptr);
    EXPECT_EQ(task->CropLeft, int(c.expected.Left / horizontal));
    EXPECT_EQ(task->CropRight, int(c.expected.Right / horizontal));
    EXPECT_EQ(task->CropTop, int(c.expected.Top / vertical));
    EXPECT_EQ(task->CropBottom, int(c.expected.Bottom / vertical));
  }
}

// The measured frame is not shown; the one after it is.
TEST_F(CropDialog, AutoCropMeasuresTheFirstFrameAndShowsTheNext) {
  BuiltMediaEngine media;
  const std::vector<std::uint8_t> frame = GreyFrame(320, 240);
  VideoFrameInfo format = FrameFormat(320, 240, 4.0 / 3);
  int refreshes = 0;
  engine.OnRefreshFrame = [&] {
    ++refreshes;
    TMainForm::RenderPreviewFrame(window.get(), frame.data(), &format);
  };
  window->SetForeignFrameHandler([this](const std::uint8_t* data, const VideoFrameInfo& info) {
    dialog->RenderCropPreview(data, info);
    return true;
  });
  dialog->Show();
  PumpMessages();
  dialog->edtCropLeft->SetValue(77);
  PumpMessages();
  refreshes = 0;
  dialog->btnAutoCropClick(nullptr);
  EXPECT_EQ(refreshes, 2) << "a still engine delivers twice";
  dialog->PreviewImage->Bitmap()->SetSize(1, 1);
  ASSERT_TRUE(PumpUntil([&] { return dialog->PreviewImage->Bitmap()->Width() == 320; }));
  EXPECT_FALSE(dialog->AutoCropRequested());
  EXPECT_EQ(dialog->edtCropLeft->Value(), 0) << "the grey frame has no border";
  window->SetForeignFrameHandler(nullptr);
}

TEST_F(CropDialog, ShowsASmallFrameAtItsSizeAndReusesItsScalerUntilTheViewChanges) {
  BuiltMediaEngine media;
  const std::vector<std::uint8_t> frame = GreyFrame(352, 288);
  dialog->Show();
  PumpMessages();
  dialog->RenderCropPreview(frame.data(), FrameFormat(352, 288, 4.0 / 3));
  PumpMessages();
  EXPECT_EQ(dialog->PreviewImage->Bitmap()->Width(), 384) << "unsqueezed to 4:3";
  EXPECT_EQ(dialog->PreviewImage->Bitmap()->Height(), 288);
  EXPECT_DOUBLE_EQ(dialog->HorizontalRatio(), 1.0);
  EXPECT_DOUBLE_EQ(dialog->VerticalRatio(), 1.0);
  EXPECT_EQ(BuiltMediaEngine::LiveScalers(), 1);
  EXPECT_EQ(BuiltMediaEngine::LiveConverters(), 1);

  dialog->RenderCropPreview(frame.data(), FrameFormat(352, 288, 4.0 / 3));
  EXPECT_EQ(dialog->Renderer().FrameWidth(), 352) << "the same format reuses the scaler";

  for (auto change : {+[](TCropForm& d) { d.edtCropTop->SetValue(12); },
                      +[](TCropForm& d) { d.chkResumeDVDSize->SetChecked(false); },
                      +[](TCropForm& d) { d.chkFixAspectRatio->SetChecked(true); }}) {
    change(*dialog);
    EXPECT_EQ(dialog->Renderer().FrameWidth(), 0) << "a change forgets the format";
    dialog->RenderCropPreview(frame.data(), FrameFormat(352, 288, 4.0 / 3));
    EXPECT_EQ(dialog->Renderer().FrameWidth(), 352);
  }
  PumpMessages();
  EXPECT_EQ(dialog->PreviewImage->Bitmap()->Width(), 352) << "the plain view";
  EXPECT_EQ(BuiltMediaEngine::LiveScalers(), 1) << "a new scaler replaces the old one";

  // A display aspect of 0 shows the frame at its own proportions.
  dialog->chkResumeDVDSize->SetChecked(true);
  dialog->RenderCropPreview(frame.data(), FrameFormat(352, 288, 0.0));
  PumpMessages();
  EXPECT_EQ(dialog->PreviewImage->Bitmap()->Width(), 352);
  EXPECT_EQ(dialog->PreviewImage->Bitmap()->Height(), 288);

  dialog.reset();
  EXPECT_EQ(BuiltMediaEngine::LiveScalers(), 0) << "the dialog releases what it made";
  EXPECT_EQ(BuiltMediaEngine::LiveConverters(), 0);
}

TEST_F(CropDialog, AnEditKeepsTheExactValueAndOkStoresItsWholePixels) {
  dialog->edtCropLeft->SetValue(10.6);
  EXPECT_EQ(dialog->edtCropLeft->Text(), "11");
  dialog->btnCropResetClick(nullptr);
  for (TspSkinSpinEdit* edit : {dialog->edtCropLeft, dialog->edtCropRight, dialog->edtCropTop, dialog->edtCropBottom})
    EXPECT_EQ(edit->Value(), 0) << edit->Name();
  dialog->edtCropLeft->SetValue(10.6);
  dialog->edtCropBottom->SetValue(3.2);
  dialog->chkFixAspectRatio->SetChecked(true);
  dialog->chkResumeDVDSize->SetChecked(false);
  dialog->btnOkClick(nullptr);
  EXPECT_EQ(task->CropLeft, 10);
  EXPECT_EQ(task->CropRight, 0);
  EXPECT_EQ(task->CropBottom, 3);
  EXPECT_TRUE(task->KeepAspect);
  EXPECT_FALSE(task->Unsqueeze);
}

TEST_F(CropDialog, SliderChaptersAndJumpMoveTheEngine) {
  dialog->tbPreview->SetValue(1500 * 1000);  // inside chapter 1
  engine.Position = 2400;
  dialog->btnNextChapterClick(nullptr);
  EXPECT_EQ(engine.SeekedChapter, 2);
  EXPECT_EQ(dialog->tbPreview->Value(), 2400000);
  dialog->btnPreviousChapterClick(nullptr);
  EXPECT_EQ(engine.SeekedChapter, 1);

  dialog->tbPreview->SetValue(61000);
  dialog->tbPreviewLastChange(nullptr);
  EXPECT_DOUBLE_EQ(engine.SeekedTo, 61.0);
  EXPECT_FALSE(dialog->PreviewTimer->Enabled()) << "the fake engine does not play";

  engine.Position = 99.9;
  dialog->PreviewTimerTimer(nullptr);
  EXPECT_EQ(dialog->tbPreview->Value(), 99900);
  EXPECT_DOUBLE_EQ(engine.SeekedTo, 61.0) << "the timer moves the slider without seeking";

  // A jump past the end seeks to a second before it.
  RunInNextLoop([] {
    TJumpToForm* jump = OpenForm<TJumpToForm>();
    ASSERT_NE(jump, nullptr);
    jump->SetTime(99 * 3600);
    jump->SetModalResult(mrOk);
  });
  dialog->btnJumpToClick(nullptr);
  EXPECT_DOUBLE_EQ(engine.SeekedTo, 3599.0);
  EXPECT_EQ(dialog->tbPreview->Value(), 3599000);
}

// The main window's command: the dialog is its open crop dialog only while it
// shows and takes the frames meanwhile; OK stores, Cancel leaves the task as it was.
TEST_F(DialogTest, CropCommandOpensTheDialogForTheCurrentTask) {
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    bool sawDialog = false;
    RunInNextLoop([&] {
      TCropForm* open = window->OpenCropForm;
      sawDialog = open && open->Task() == task && window->ForeignFrameHandler;
      if (!open) return;
      open->edtCropRight->SetValue(24);
      open->chkResumeDVDSize->SetChecked(!task->Unsqueeze);
      PostClick(ok ? open->btnOk : open->btnClose, 10, 10);
    });
    const bool unsqueeze = task->Unsqueeze;
    engine.Position = 42;
    int refreshes = 0;
    engine.OnRefreshFrame = [&] { ++refreshes; };
    window->btnCrop->ButtonClick();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(window->OpenCropForm, nullptr);
    EXPECT_FALSE(window->ForeignFrameHandler) << "the frames go back to the main window";
    EXPECT_EQ(task->CropRight, ok ? 24 : 0);
    EXPECT_EQ(task->Unsqueeze, ok ? !unsqueeze : unsqueeze);
    EXPECT_EQ(window->tbPreview->Value(), 42000) << "the slider takes the engine's position";
    EXPECT_GT(refreshes, 0);
  }
  window->CurrentTask = nullptr;
  window->btnCrop->ButtonClick();  // nothing to crop: no dialog
  EXPECT_EQ(window->OpenCropForm, nullptr);
}

}  // namespace
