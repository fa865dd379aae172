// The menu speed button on a shown form: a press drops its popup menu and its
// image grid and keeps it down until the menus close; the track strip decides
// between dropping and clicking; the flat, arrow and new-style looks.
#include <gtest/gtest.h>

#include <set>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinMenuPopup.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"
#include "skin/menus/SkinImagesMenu.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class MenuSpeedButtonTest : public ::testing::Test {
protected:
  MenuSpeedButtonTest() : menu(f.form), grid(f.form), images(f.form) {
    SP_PopupMenuFromRect = [this](TPopupMenu* m, TControl* opener, const TRect& r, bool) {
      popups.push_back({m, opener, r});
      return true;  // stays open until the test sends the close
    };
    images.SetSize(16, 16);
    TBitmap cell(16, 16);
    for (int i = 0; i < 4; ++i) images.Add(&cell, nullptr);
    grid.SetImages(&images);
    for (int i = 0; i < 4; ++i) grid.ImagesItems()->Add()->ImageIndex = i;
    f.form->Show();
  }
  ~MenuSpeedButtonTest() override {
    grid.Hide();
    SP_PopupMenuFromRect = nullptr;
  }
  TspSkinMenuSpeedButton* Make(TRect bounds = {20, 30, 120, 55}) {
    auto* b = f.Make<TspSkinMenuSpeedButton>(bounds);
    b->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    b->OnShowTrackMenu = TNotifyEvent::Function([this](TObject*) { ++shown; });
    b->OnHideTrackMenu = TNotifyEvent::Function([this](TObject*) { ++hidden; });
    return b;
  }
  struct Popup {
    TPopupMenu* menu;
    TControl* opener;
    TRect r;
  };
  FormFixture f;
  TPopupMenu menu;
  TspSkinImagesMenu grid;
  TCustomImageList images;
  std::vector<Popup> popups;
  int clicks = 0, shown = 0, hidden = 0;
};

// The rows and columns a colour covers inside r.
std::pair<int, int> Extent(TBitmap& image, const TRect& r, TColor colour) {
  std::set<int> rows, columns;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (PixelOf(image, x, y) == colour) rows.insert(y), columns.insert(x);
  return {static_cast<int>(rows.size()), static_cast<int>(columns.size())};
}

}  // namespace

TEST_F(MenuSpeedButtonTest, DropsItsMenuAndGridAndStaysDownUntilTheyClose) {
  TspSkinMenuSpeedButton* b = Make();
  b->SetSkinPopupMenu(&menu);
  b->SetSkinImagesMenu(&grid);
  PostMouse(b, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return !popups.empty() && grid.GridWindow(); }));
  TPoint origin = b->ClientOrigin();
  EXPECT_EQ(popups[0].menu, &menu);
  EXPECT_EQ(popups[0].opener, b);
  EXPECT_EQ(popups[0].r, Rect(origin.X, origin.Y, origin.X + 100, origin.Y + 25));
  EXPECT_TRUE(::IsWindowVisible(grid.GridWindow()->Handle()));
  EXPECT_EQ(shown, 2);  // once per menu
  EXPECT_TRUE(b->Down());
  PostMouse(b, WM_LBUTTONUP, 10, 10);
  PumpMessages();
  EXPECT_TRUE(b->Down());  // the release waits for the menu
  b->Perform(SP_WM_CLOSESKINMENU, 0, 0);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->MenuTracking);
  EXPECT_EQ(hidden, 1);
  // Escape closes the grid through its close link.
  PostKey(f.form->Handle(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !grid.GridWindow(); }));
  EXPECT_EQ(hidden, 2);
  EXPECT_EQ(clicks, 0);
}

TEST_F(MenuSpeedButtonTest, TrackStripDropsAndTheRestClicks) {
  struct Case {
    const char* name;
    bool newStyle;
    TspTrackPosition position;
    TPoint press;
    bool drops;
  } cases[] = {
      {"right strip", false, sptpRight, {95, 10}, true},
      {"left of the right strip", false, sptpRight, {20, 10}, false},
      {"new style, bottom strip", true, sptpBottom, {20, 45}, true},
      {"new style, above the bottom strip", true, sptpBottom, {20, 10}, false},
      {"new style, right edge above the bottom strip", true, sptpBottom, {95, 10}, false},
  };
  for (const Case& c : cases) {
    TspSkinMenuSpeedButton* b = Make({20, 30, 120, 80});
    b->SetSkinPopupMenu(&menu);
    b->SetNewStyle(c.newStyle);
    b->SetTrackPosition(c.position);
    b->SetTrackButtonMode(true);
    popups.clear();
    clicks = 0;
    b->Perform(CM_MOUSEENTER, 0, 0);
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.press.X, c.press.Y));
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(c.press.X, c.press.Y));
    EXPECT_EQ(popups.size(), c.drops ? 1u : 0u) << c.name;
    EXPECT_EQ(clicks, c.drops ? 0 : 1) << c.name;
    delete b;
  }
}

TEST_F(MenuSpeedButtonTest, WithoutMenusItIsAPlainSpeedButton) {
  TspSkinMenuSpeedButton* b = Make();
  EXPECT_FALSE(b->CanMenuTrack(95, 10));
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 10));
  b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(95, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(shown, 0);
}

TEST_F(MenuSpeedButtonTest, FlatAtRestShowsContentAndArrowWithoutBackground) {
  TspSkinMenuSpeedButton* b = Make({0, 0, 60, 24});
  b->SetFlat(true);
  auto image = Render(b);
  EXPECT_EQ(PixelOf(*image, 2, 2), clWhite);
  EXPECT_EQ(PixelOf(*image, 60 - 8, 12), clBlack);  // the track arrow's middle row
}

TEST_F(MenuSpeedButtonTest, ArrowModeDrawsItsKindInsteadOfTheTrackArrow) {
  TspSkinMenuSpeedButton* b = Make({0, 0, 60, 24});
  TRect strip{45, 0, 60, 24};
  auto down = Render(b);
  auto [downRows, downColumns] = Extent(*down, strip, clBlack);
  EXPECT_GT(downColumns, downRows);  // a downward triangle is wider than high
  b->ArrowMode = true;
  b->ArrowKind = 2;
  auto right = Render(b);
  auto [rightRows, rightColumns] = Extent(*right, strip, clBlack);
  EXPECT_GT(rightRows, rightColumns);  // a right-pointing one is higher than wide
}

TEST_F(MenuSpeedButtonTest, NewStyleStripComesFromTheTrackRecordWhileHovered) {
  TestSkin skin;
  skin.Add("button", "resizetoolbutton",
           "skinrect=0,0,30,30;activeskinrect=30,0,60,30;downskinrect=60,0,90,30;clientrect=3,3,27,27;"
           "lefttoppoint=3,3;righttoppoint=27,3;leftbottompoint=3,27;rightbottompoint=27,27");
  skin.Add("button", "htracktoolbutton",
           "skinrect=0,40,30,55;activeskinrect=30,40,60,55;downskinrect=60,40,90,55;clientrect=3,3,27,12;"
           "lefttoppoint=3,3;righttoppoint=27,3;leftbottompoint=3,12;rightbottompoint=27,12");
  skin.Finish();
  TspSkinMenuSpeedButton* b = Make({0, 0, 80, 60});
  b->SetNewStyle(true);
  b->SetTrackPosition(sptpBottom);
  b->SetTrackButtonMode(true);
  b->SetSkinPopupMenu(&menu);
  b->SetSkinData(&skin.data);
  auto idle = Render(b);
  EXPECT_EQ(PixelOf(*idle, 10, 52), skin.ColorOf("resizetoolbutton", "skinrect"));  // no strip at rest
  b->Perform(CM_MOUSEENTER, 0, 0);
  auto hot = Render(b);
  EXPECT_EQ(PixelOf(*hot, 40, 20), skin.ColorOf("resizetoolbutton", "activeskinrect"));
  EXPECT_EQ(PixelOf(*hot, 10, 52), skin.ColorOf("htracktoolbutton", "activeskinrect"));
}

TEST_F(MenuSpeedButtonTest, NewStyleWithoutAResizeRecordDrawsTheDefaultLook) {
  TestSkin skin;
  skin.Add("button", "other", "skinrect=0,0,30,30");
  skin.Finish();
  TspSkinMenuSpeedButton* b = Make({0, 0, 80, 40});
  b->SetNewStyle(true);
  b->SetSkinData(&skin.data);
  b->Perform(CM_MOUSEENTER, 0, 0);
  auto image = Render(b);
  EXPECT_EQ(PixelOf(*image, 0, 0), TColor(0x800000));
  EXPECT_EQ(PixelOf(*image, 20, 20), TColor(RGB(182, 189, 210)));
}
