// The menu button on a shown form: the menu drops below it through the popup
// seam, the button stays down until the menu reports its close (1228), and the
// keys click once.
#include <gtest/gtest.h>

#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinMenuPopup.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class MenuButtonTest : public ::testing::Test {
protected:
  MenuButtonTest() : menu(f.form) {
    SP_PopupMenuFromRect = [this](TPopupMenu* m, TControl* opener, const TRect& r, bool) {
      popups.push_back({m, opener, r});
      return true;  // stays open until the test sends the close
    };
    f.form->Show();
    button = f.Make<TspSkinMenuButton>({20, 30, 120, 55});
    button->SetSkinPopupMenu(&menu);
    button->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    button->OnShowTrackMenu = TNotifyEvent::Function([this](TObject*) { ++shown; });
    button->OnHideTrackMenu = TNotifyEvent::Function([this](TObject*) { ++hidden; });
  }
  ~MenuButtonTest() override { SP_PopupMenuFromRect = nullptr; }
  struct Popup {
    TPopupMenu* menu;
    TControl* opener;
    TRect r;
  };
  FormFixture f;
  TPopupMenu menu;
  TspSkinMenuButton* button = nullptr;
  std::vector<Popup> popups;
  int clicks = 0, shown = 0, hidden = 0;
};

}  // namespace

TEST_F(MenuButtonTest, DropsBelowAndStaysDownUntilTheMenuCloses) {
  PostMouse(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return !popups.empty(); }));
  TPoint origin = button->ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(popups[0].menu, &menu);
  EXPECT_EQ(popups[0].opener, button);
  EXPECT_EQ(popups[0].r, Rect(origin.X, origin.Y, origin.X + 100, origin.Y + 25));
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->MenuTracking);
  PostMouse(button, WM_LBUTTONUP, 10, 10);
  PumpMessages();
  EXPECT_TRUE(button->Down());  // the release waits for the menu
  ::SendMessageA(button->Handle(), SP_WM_CLOSESKINMENU, 0, 0);
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MouseIn);
  EXPECT_FALSE(button->MenuTracking);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 1);
  auto image = Render(button);
  EXPECT_NE(PixelOf(*image, 50, 12), TColor(RGB(133, 147, 181)));  // not drawn pressed
}

TEST_F(MenuButtonTest, OneClickPerEnterAndSpaceReleaseClicksThroughTheButton) {
  button->SetFocus();
  PumpMessages();
  PostKey(button->Handle(), VK_RETURN);
  PumpMessages();
  PumpUntil([&] { return false; }, 100);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(popups.empty());

  // Space drops the menu; its release does nothing while the menu is open.
  PostKey(button->Handle(), VK_SPACE);
  ASSERT_TRUE(PumpUntil([&] { return !popups.empty(); }));
  PumpMessages();
  EXPECT_EQ(clicks, 1);
  ::SendMessageA(button->Handle(), SP_WM_CLOSESKINMENU, 0, 0);

  // With the menu on the track part only, space clicks on its release like a
  // mouse click: ModalResult and OnClick.
  button->SetTrackButtonMode(true);
  button->ModalResult = mrOk;
  PostKey(button->Handle(), VK_SPACE);
  PumpMessages();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(f.form->ModalResult(), mrOk);
  EXPECT_EQ(popups.size(), 1u);
}

TEST_F(MenuButtonTest, TrackModeDropsOnlyFromTheTrackPart) {
  button->SetTrackButtonMode(true);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(popups.empty());
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 10));
  EXPECT_EQ(popups.size(), 1u);
  EXPECT_TRUE(button->Down());
}

TEST(SkinMenuPopup, WithoutTheSeamThePlatformMenuClosesAndTheOpenerHears) {
  FormFixture f;
  auto* button = f.Make<TspSkinMenuButton>({0, 0, 80, 25});
  button->MenuTracking = true;
  // No menu: nothing is shown and nothing is sent.
  PopupMenuFromRect(nullptr, button, TRect{0, 0, 10, 10});
  EXPECT_TRUE(button->MenuTracking);
}
