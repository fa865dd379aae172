// The skinned page control: its display rectangle by tab position, the
// placeholder room for images and close buttons, side tabs drawn rotated, the
// close buttons, and tab scrolling with the skinned up-down.
#include <gtest/gtest.h>

#include "skin/controls/SkinPageControl.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct PagesHost {
  BoxForm host;
  TspSkinPageControl* pages;
  explicit PagesHost(int count = 3, TRect bounds = {10, 10, 310, 210}) {
    pages = host.Make<TspSkinPageControl>(bounds);
    for (int i = 0; i < count; ++i) {
      auto* sheet = new TspSkinTabSheet(host.form);
      sheet->SetPageControl(pages);
      sheet->SetCaption("Page " + std::to_string(i));
    }
    pages->SetActivePageIndex(0);
  }
  TspSkinCustomTabSheet* Sheet(int i) { return pages->SkinPage(i); }
};

// Answers what the native control gives before the skinned control adjusts it.
class TNativeProbe : public TspSkinPageControl {
public:
  using TspSkinPageControl::TspSkinPageControl;
  RECT Native(RECT r) {
    TMessage message = MakeMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    TPageControl::Dispatch(message);
    return r;
  }
};

TEST(SkinPageControl, AdjustRectTable) {
  struct Case {
    TTabPosition position;
    bool skinned;
    // Expected from the native answer n and the client size (cw, ch).
    RECT (*expected)(RECT n, int cw, int ch);
  };
  // The fixture record: frame widths L 4, T 4, Rb 4, Bb 4.
  const Case cases[] = {
      {tpTop, false, [](RECT n, int cw, int ch) { return RECT{1, n.top - 5, cw - 1, ch - 1}; }},
      {tpBottom, false, [](RECT n, int cw, int) { return RECT{1, 1, cw - 1, n.bottom + 3}; }},
      {tpLeft, false, [](RECT n, int cw, int ch) { return RECT{n.left - 3, n.top - 5, cw - 1, ch - 1}; }},
      {tpRight, false, [](RECT n, int, int ch) { return RECT{n.left - 3, n.top - 5, n.right + 3, ch - 1}; }},
      {tpTop, true, [](RECT n, int cw, int ch) { return RECT{4, n.top + 4 - 6, cw - 4, ch - 4}; }},
      {tpBottom, true, [](RECT n, int cw, int) { return RECT{4, n.top + 4 - 4, cw - 4, n.bottom + 4 - 4}; }},
      {tpLeft, true, [](RECT n, int cw, int ch) { return RECT{n.left + 4 - 4, n.top + 4 - 4, cw - 4, ch - 4}; }},
      {tpRight, true, [](RECT n, int, int ch) { return RECT{4, n.top + 4 - 4, n.right + 4 - 4, ch - 4}; }},
  };
  for (const Case& c : cases) {
    BoxForm host;
    BoxSkin skin;
    auto* pages = host.Make<TNativeProbe>({10, 10, 310, 210});
    for (int i = 0; i < 3; ++i) {
      auto* sheet = new TspSkinTabSheet(host.form);
      sheet->SetPageControl(pages);
      sheet->SetCaption("Page " + std::to_string(i));
    }
    pages->SetTabPosition(c.position);
    if (c.skinned) pages->SetSkinData(&skin.data);
    RECT r;
    ::GetClientRect(pages->Handle(), &r);
    RECT native = pages->Native(r);
    int cw = r.right, ch = r.bottom;
    pages->Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    RECT want = c.expected(native, cw, ch);
    EXPECT_EQ(r.top, want.top) << c.position << (c.skinned ? " skinned" : "");
    EXPECT_EQ(r.left, want.left) << c.position << (c.skinned ? " skinned" : "");
    EXPECT_EQ(r.right, want.right) << c.position << (c.skinned ? " skinned" : "");
    EXPECT_EQ(r.bottom, want.bottom) << c.position << (c.skinned ? " skinned" : "");
  }
}

TEST(SkinPageControl, PlaceholderMakesRoomForImagesAndCloseButtons) {
  PagesHost h;
  EXPECT_EQ(h.pages->PlaceholderSize(), 1);
  h.pages->SetShowCloseButtons(true);
  EXPECT_EQ(h.pages->PlaceholderSize(), 15);
  TCustomImageList images(nullptr);
  images.SetSize(16, 16);
  h.pages->SetImages(&images);
  EXPECT_EQ(h.pages->PlaceholderSize(), 31);
  h.pages->SetShowCloseButtons(false);
  h.pages->SetShowCloseButtons(true);
  h.pages->SetShowCloseButtons(false);
  EXPECT_EQ(h.pages->PlaceholderSize(), 17);
  h.pages->SetImages(nullptr);
  EXPECT_EQ(h.pages->PlaceholderSize(), 1);
}

TEST(SkinPageControl, SideTabIsDrawnRotatedWithItsCloseButton) {
  for (TTabPosition position : {tpLeft, tpRight}) {
    PagesHost h;
    h.pages->SetTabPosition(position);
    h.pages->SetShowCloseButtons(true);
    TBitmap target(20, 80);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect{0, 0, 20, 80});
    h.pages->DrawTab(1, TRect{0, 0, 20, 80}, false, false, target.Canvas());
    TRect close = h.Sheet(1)->CloseRect;
    // The close button ends the tab's text line: at the top of a left tab
    // (turned counter-clockwise), at the bottom of a right tab (clockwise).
    if (position == tpLeft) EXPECT_LT(close.Bottom, 40) << "left";
    else EXPECT_GT(close.Top, 40) << "right";
    EXPECT_EQ(close.Width(), 14);
    int black = 0;
    for (int y = close.Top; y < close.Bottom; ++y)
      for (int x = close.Left; x < close.Right; ++x) black += target.Canvas()->Pixels(x, y) == clBlack;
    EXPECT_GT(black, 10) << "the cross is drawn where its rectangle says";
  }
}

TEST(SkinPageControl, CloseButtonClosesOnlyWhenPressedAndReleasedOnIt) {
  PagesHost h;
  h.pages->SetShowCloseButtons(true);
  h.pages->Repaint();
  PumpMessages();
  String log;
  h.pages->OnClose = TspCloseEvent::Function([&](TObject*, bool&) { log += "close "; });
  h.pages->OnAfterClose = TNotifyEvent::Function([&](TObject*) { log += "after "; });
  TRect item = h.pages->GetItemRect(0);
  TRect close = h.Sheet(0)->CloseRect;
  ASSERT_FALSE(close.IsEmpty());
  TPoint on{item.Left + (close.Left + close.Right) / 2, item.Top + (close.Top + close.Bottom) / 2};
  h.pages->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(on.X, on.Y));
  h.pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.X, on.Y));
  h.pages->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.Left + 3, on.Y));
  h.pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(item.Left + 3, on.Y));
  EXPECT_TRUE(h.pages->Pages(0)->TabVisible()) << "pressed, moved off, released: the page stays";
  EXPECT_FALSE(h.Sheet(0)->CloseHot || h.Sheet(0)->ClosePressed);
  h.pages->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(on.X, on.Y));
  h.pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_TRUE(h.pages->Pages(0)->TabVisible()) << "a release without a press closes nothing";
  h.pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.X, on.Y));
  h.pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_FALSE(h.pages->Pages(0)->TabVisible());
  EXPECT_EQ(log, "close after ");
}

TEST(SkinPageControl, TabWithoutADrawnCloseButtonHasNoCloseRectangle) {
  PagesHost h;
  BoxSkin skin;
  skin.data.CtrlList.erase(skin.data.CtrlList.begin() + skin.data.GetControlIndex("resizebutton"));
  h.pages->SetShowCloseButtons(true);
  h.pages->SetSkinData(&skin.data);
  h.Sheet(0)->CloseRect = TRect{1, 1, 10, 10};
  TBitmap target(100, 30);
  h.pages->DrawTab(0, TRect{0, 0, 100, 30}, true, false, target.Canvas());
  EXPECT_TRUE(h.Sheet(0)->CloseRect.IsEmpty());
}

TEST(SkinPageControl, EightTabsInANarrowControlScrollOneTabPerClick) {
  PagesHost h(8, {10, 10, 170, 110});
  const char* captions[] = {"AVI", "WMV", "RM/RMVB", "MP4", "MPEG1/2", "MOV", "3GP", "FLV"};
  for (int i = 0; i < 8; ++i) h.pages->Pages(i)->SetCaption(captions[i]);
  h.pages->CheckScroll();
  PumpMessages();
  ASSERT_NE(h.pages->UpDown(), nullptr) << "tabs lie outside the strip";
  EXPECT_EQ(::FindWindowExA(h.pages->Handle(), nullptr, "msctls_updown32", nullptr), nullptr);
  TspSkinUpDown* updown = h.pages->UpDown();
  EXPECT_EQ(updown->Max(), h.pages->GetInVisibleItemCount());
  EXPECT_EQ(updown->Left(), h.pages->Width() - updown->Width());
  TPoint up = Centre(updown->ButtonRect(TspSkinUpDown::Up));
  updown->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(up.X, up.Y));
  updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  updown->Perform(WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(updown->Position(), 1);
  EXPECT_EQ(h.pages->GetPosition(), 1) << "one tab scrolled off to the left";
  updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  updown->Perform(WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(h.pages->GetPosition(), 2);
}

// Wine's tab control moves one tab per scroll message; a jump of the up-down
// (its position set from code) still brings the row all the way, both ways.
TEST(SkinPageControl, AJumpOfTheUpDownScrollsTheRowAllTheWay) {
  PagesHost h(8, {10, 10, 170, 110});
  h.pages->CheckScroll();
  TspSkinUpDown* updown = h.pages->UpDown();
  ASSERT_NE(updown, nullptr);
  ASSERT_GE(updown->Max(), 3);
  updown->SetPosition(3);
  EXPECT_EQ(h.pages->GetPosition(), 3);
  updown->SetPosition(0);
  EXPECT_EQ(h.pages->GetPosition(), 0);
}

TEST(SkinPageControl, HideAndShowTabsRestoreTheRow) {
  PagesHost h;
  h.pages->SetTabPosition(tpLeft);
  h.pages->SetTabHeight(0);
  h.pages->HideTabs();
  EXPECT_TRUE(h.pages->TabsHidden());
  EXPECT_EQ(h.pages->TabPosition(), tpTop);
  h.pages->ShowTabs();
  EXPECT_FALSE(h.pages->TabsHidden());
  EXPECT_EQ(h.pages->TabPosition(), tpLeft);
  PagesHost empty(0);
  empty.pages->HideTabs();
  EXPECT_FALSE(empty.pages->TabsHidden()) << "no visible tab: nothing to hide";
}

}  // namespace
