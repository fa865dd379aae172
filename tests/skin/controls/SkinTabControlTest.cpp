// The skinned tab control: closing through the close button (pressed and
// released on it, left button only), close states that follow the tabs (past
// the 255th, and shifted on a deletion), the page background for transparent
// children, a background picture without frame widths, and no hover before
// the pointer moved.
#include <gtest/gtest.h>

#include "skin/controls/tabs/SkinTabControl.h"
#include "skin/draw/ParentImage.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct TabsHost {
  BoxForm host;
  TspSkinTabControl* tabs;
  explicit TabsHost(int count = 3, TRect bounds = {10, 10, 310, 210}) {
    ::SetCursorPos(0, 0);  // the pointer of an earlier test is not over the tabs
    tabs = host.Make<TspSkinTabControl>(bounds);
    for (int i = 0; i < count; ++i) tabs->Tabs()->Add("Tab " + std::to_string(i));
    tabs->SetTabIndex(0);
  }
  TPoint CloseCentre(int tab) {
    TRect item = tabs->GetItemRect(tab);
    TRect close = tabs->CloseState(tab).Rect;
    return {item.Left + (close.Left + close.Right) / 2, item.Top + (close.Top + close.Bottom) / 2};
  }
};

class Child : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};

TColor Pixel(TBitmap& b, int x, int y) { return ColorToRGB(b.Canvas()->Pixels(x, y)); }

}  // namespace

TEST(SkinTabControl, CloseButtonClosesOnlyOnALeftPressAndReleaseOnIt) {
  TabsHost h;
  h.tabs->SetShowCloseButtons(true);
  h.tabs->Repaint();
  PumpMessages();
  String log;
  h.tabs->OnClose = TspCloseEvent2::Function([&](Integer index, bool&) { log += "close " + std::to_string(index) + " "; });
  h.tabs->OnAfterClose = TNotifyEvent::Function([&](TObject*) { log += "after "; });
  ASSERT_FALSE(h.tabs->CloseState(0).Rect.IsEmpty());
  TPoint on = h.CloseCentre(0);
  EXPECT_EQ(h.tabs->HoverTab(), -1) << "no hover before the pointer moved";
  h.tabs->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(on.X, on.Y));
  h.tabs->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(on.X, on.Y));
  EXPECT_FALSE(h.tabs->CloseState(0).Pressed) << "a right press does not press it";
  h.tabs->Perform(WM_RBUTTONUP, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_EQ(h.tabs->Tabs()->Count(), 3);
  h.tabs->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.X, on.Y));
  h.tabs->Perform(WM_LBUTTONUP, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_EQ(h.tabs->Tabs()->Count(), 2);
  EXPECT_EQ(h.tabs->Tabs()->Strings(0), "Tab 1");
  EXPECT_EQ(log, "close 0 after ");
  h.tabs->OnClose = TspCloseEvent2::Function([](Integer, bool& canClose) { canClose = false; });
  h.tabs->SetTabIndex(0);
  h.tabs->DoClose();
  EXPECT_EQ(h.tabs->Tabs()->Count(), 2) << "a refusal keeps the tab";
}

// Each tab has its close state, past the 255th as well; a deleted tab takes
// its state along, so the tabs after it keep their own.
TEST(SkinTabControl, CloseStatesFollowTheTabs) {
  TabsHost h(300);
  h.tabs->SetShowCloseButtons(true);
  h.tabs->CloseState(280).Hot = true;
  EXPECT_TRUE(h.tabs->CloseState(280).Hot);
  h.tabs->CloseState(2).Pressed = true;
  h.tabs->SetTabIndex(1);
  h.tabs->DoClose();
  EXPECT_EQ(h.tabs->Tabs()->Strings(1), "Tab 2");
  EXPECT_TRUE(h.tabs->CloseState(1).Pressed) << "the state moved with its tab";
  EXPECT_TRUE(h.tabs->CloseState(279).Hot);
  h.tabs->SetShowCloseButtons(true);
  EXPECT_FALSE(h.tabs->CloseState(279).Hot) << "setting it again clears every state";
}

TEST(SkinTabControl, TransparentChildSeesThePageBackgroundNotTheTabs) {
  BoxSkin skin;
  TabsHost h;
  h.tabs->SetSkinData(&skin.data);
  auto* child = new Child(h.host.form);
  child->SetParent(h.tabs);
  child->SetBounds(0, 0, 40, 30);  // over the tab strip
  TBitmap under(40, 30);
  GetParentImage(child, under.Canvas());
  EXPECT_EQ(Pixel(under, 5, 5), ColorToRGB(kClient));
  EXPECT_EQ(Pixel(under, 30, 20), ColorToRGB(kClient));
}

TEST(SkinTabControl, BackgroundPictureLeavesNoFrameWidths) {
  BoxSkin skin;
  TabsHost h;
  h.tabs->SetSkinData(&skin.data);
  TRect framed = h.tabs->DisplayRect();
  EXPECT_EQ(framed.Left, 4);
  auto* record = dynamic_cast<TspDataSkinTabControl*>(skin.data.CtrlList[skin.data.GetControlIndex("tab")].get());
  record->bgpictureindex = 0;
  h.tabs->ChangeSkinData();
  TRect open = h.tabs->DisplayRect();
  EXPECT_EQ(open.Left, 0);
  EXPECT_EQ(open.Right, h.tabs->ClientWidth());
  EXPECT_EQ(open.Bottom, h.tabs->ClientHeight());
}
