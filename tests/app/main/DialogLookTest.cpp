// Each dialog read from its definition and shown with the default skin; the
// captures are kept beside the test program to be looked at.
#include <memory>

#include "app/main/AboutFrm.h"
#include "app/main/CropFrm.h"
#include "app/main/JumpToFrm.h"
#include "app/main/OptionFrm.h"
#include "app/main/PreviewPromptFrm.h"
#include "app/main/ProcessingFrm.h"
#include "app/main/ShutDownFrm.h"
#include "app/main/SplitFrm.h"
#include "imaging/GR32_Image.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

TEST_F(DialogTest, EachDialogShowsWithTheDefaultSkin) {
  SystemCalls().GetDriveType = [](const String& root) -> UINT { return root == "E:\\" ? DRIVE_CDROM : DRIVE_FIXED; };
  SystemCalls().GetVolumeInformation = [](const String&, char* name, DWORD size) {
    lstrcpynA(name, "MOVIE", int(size));
    return TRUE;
  };
  std::unique_ptr<TCropForm> crop(NewPreviewDialog<TCropForm>(window.get(), task));
  ShowAndCapture(crop.get(), "CropForm");
  auto rightMargin = [&] { return crop->ClientWidth() - crop->btnClose->Left() - crop->btnClose->Width(); };
  const int margin = rightMargin();
  crop->SetBounds(0, 0, 900, 640);  // the crop dialog may be made larger
  ShowAndCapture(crop.get(), "CropFormLarger");
  EXPECT_GT(crop->PreviewImage->Height(), 400) << "the picture takes the room";
  EXPECT_EQ(rightMargin(), margin) << "the buttons keep to the right edge";
  std::unique_ptr<TSplitForm> split(NewPreviewDialog<TSplitForm>(window.get(), task));
  ShowAndCapture(split.get(), "SplitForm");
  std::unique_ptr<TOptionForm> options(NewForm<TOptionForm>(window.get()));
  ShowAndCapture(options.get(), "OptionForm");
  options->cbCDDVDRom->DropDown();
  PumpMessages();
  CaptureWindow(options->cbCDDVDRom->PopupList()->Handle()).SaveBmp("OptionFormDrives.bmp");
  options->cbCDDVDRom->CloseUp(false);
  std::unique_ptr<TAboutForm> about(NewForm<TAboutForm>(window.get()));
  ShowAndCapture(about.get(), "AboutForm");
}

TEST_F(DialogTest, TheSmallDialogsShowWithTheDefaultSkin) {
  std::unique_ptr<TJumpToForm> jump(NewForm<TJumpToForm>(window.get()));
  ShowAndCapture(jump.get(), "JumpToForm");
  std::unique_ptr<TPreviewPromptForm> prompt(NewForm<TPreviewPromptForm>(window.get()));
  ShowAndCapture(prompt.get(), "PreviewPromptForm");
  std::unique_ptr<TShutDownForm> shutDown(NewForm<TShutDownForm>(window.get()));
  ShowAndCapture(shutDown.get(), "ShutDownForm");
  std::unique_ptr<TProcessingForm> processing(NewForm<TProcessingForm>(window.get()));
  ShowAndCapture(processing.get(), "ProcessingForm");
}

}  // namespace
