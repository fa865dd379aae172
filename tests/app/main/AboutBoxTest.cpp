// The about box: its version line, its two links opened through the shell's
// hook when clicked, and Close answering 1; and the help menu's command that
// shows it.
#include <memory>
#include <vector>

#include "app/main/AboutFrm.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzURLLabel.h"
#include "skin/controls/SkinButton.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

TEST(AboutVersionLine, JoinsItsPartsWithoutBlanks) {
  EXPECT_EQ(AboutVersionLine(), "Version: 4.0.0(Build: 20071106)");
}

TEST_F(DialogTest, AboutBoxLinksOpenOurTargetsAndCloseAnswersOne) {
  std::vector<String> opened;
  SystemCalls().ShellExecuteEx = [&](SHELLEXECUTEINFOA* request) {
    opened.push_back(request->lpFile ? request->lpFile : "");
    return TRUE;
  };
  std::unique_ptr<TAboutForm> about(NewForm<TAboutForm>(window.get()));
  EXPECT_EQ(about->lblVersion->Caption(), "Version: 4.0.0(Build: 20071106)");
  EXPECT_EQ(about->lblWebSite->URL, kHomePageAddress) << "the help menu's addresses";
  EXPECT_EQ(about->lblSupport->URL, kSupportMailLink);
  EXPECT_EQ(about->lblNameAndCopy->TextStyle(), tsRecessed);
  RunInNextLoop([&] {
    PostClick(about->lblWebSite, 5, 5);
    PostClick(about->lblSupport, 5, 5);
    PostClick(about->btnClose, 10, 10);
  });
  EXPECT_EQ(about->ShowModal(), 1);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], kHomePageAddress);
  EXPECT_EQ(opened[1], kSupportMailLink);
  EXPECT_TRUE(about->lblWebSite->Visited());
}

TEST_F(DialogTest, TheHelpMenusAboutCommandShowsTheBox) {
  bool shown = false;
  RunInNextLoop([&] {
    TAboutForm* open = OpenForm<TAboutForm>();
    shown = open && open->Visible();
    if (open) PostClick(open->btnClose, 10, 10);
  });
  window->AboutKelvane1Click(nullptr);
  EXPECT_TRUE(shown);
  EXPECT_EQ(OpenForm<TAboutForm>(), nullptr) << "destroyed once closed";
}

}  // namespace
