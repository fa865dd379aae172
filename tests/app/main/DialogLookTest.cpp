// Each dialog read from its definition and shown with the default skin; the
// captures are kept beside the test program to be looked at.
#include <memory>

#include "app/main/AboutFrm.h"
#include "app/main/CropFrm.h"
#include "app/main/OptionFrm.h"
#include "app/main/SplitFrm.h"
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
  std::unique_ptr<TSplitForm> split(NewPreviewDialog<TSplitForm>(window.get(), task));
  ShowAndCapture(split.get(), "SplitForm");
  std::unique_ptr<TOptionForm> options(NewForm<TOptionForm>(window.get()));
  ShowAndCapture(options.get(), "OptionForm");
  std::unique_ptr<TAboutForm> about(NewForm<TAboutForm>(window.get()));
  ShowAndCapture(about.get(), "AboutForm");
}

}  // namespace
