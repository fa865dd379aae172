// The images menu's grid and the buttons that own one: the grid layout, its
// keys and closing rules, the pickers' pictures on the face and their grids, and
// the XForm button's own look.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edit.h"
#include "skin/controls/buttons/SkinGraphicButton.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class GridTest : public ::testing::Test {
protected:
  GridTest() : grid(f.form), images(f.form) {
    images.SetSize(16, 16);
    TBitmap cell(16, 16);
    for (int i = 0; i < 4; ++i) images.Add(&cell, nullptr);
    grid.SetImages(&images);
    grid.OnItemClick = TNotifyEvent::Function([this](TObject*) { events.push_back("item click"); });
    grid.OnChange = TNotifyEvent::Function([this](TObject*) { events.push_back("change"); });
    f.form->Show();
  }
  ~GridTest() override { grid.Hide(); }
  TspImagesMenuItem* Add(Integer image, bool header = false) {
    TspImagesMenuItem* item = grid.ImagesItems()->Add();
    item->ImageIndex = image;
    item->Header = header;
    item->OnClick = TNotifyEvent::Function([this](TObject*) { events.push_back("click"); });
    return item;
  }
  void Open() {
    TPoint at = f.form->ClientToScreen(TPoint{10, 10});
    grid.PopupFromRect(TRect{at.X, at.Y, at.X + 40, at.Y + 20});
    ASSERT_NE(grid.GridWindow(), nullptr);
  }
  FormFixture f;
  TspSkinImagesMenu grid;
  TCustomImageList images;
  std::vector<String> events;
};

}  // namespace

TEST_F(GridTest, ColumnsAndAHeaderStartingANewRow) {
  for (Integer bad : {0, 51}) {
    grid.SetColumnsCount(bad);
    EXPECT_EQ(grid.ColumnsCount(), 1);
  }
  grid.SetColumnsCount(50);
  EXPECT_EQ(grid.ColumnsCount(), 50);
  grid.SetColumnsCount(2);
  for (int i = 0; i < 3; ++i) Add(i);
  Add(-1, true);
  Open();
  const Integer cw = 26, ch = 26;
  EXPECT_EQ(grid.ImagesItems()->Items(0)->ItemRect, Rect(5, 5, 5 + cw, 5 + ch));
  EXPECT_EQ(grid.ImagesItems()->Items(1)->ItemRect, Rect(5 + cw, 5, 5 + 2 * cw, 5 + ch));
  EXPECT_EQ(grid.ImagesItems()->Items(2)->ItemRect, Rect(5, 5 + ch + 1, 5 + cw, 5 + 2 * ch + 1));
  EXPECT_EQ(grid.ImagesItems()->Items(3)->ItemRect, Rect(5, 5 + 2 * ch + 2, 5 + 2 * cw, 5 + 3 * ch + 2));
}

TEST_F(GridTest, EnterWithoutAHotCellRepeatsTheChoiceWithoutAChange) {
  for (int i = 0; i < 3; ++i) Add(i);
  grid.ItemIndex = 1;
  Open();
  auto* edit = new TEdit(f.form);
  edit->SetParent(f.form);
  int keys = 0;
  edit->OnKeyDown = TKeyEvent::Function([&](TObject*, Word&, TShiftState) { ++keys; });
  edit->SetFocus();
  PostKey(edit->Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return grid.GridWindow() == nullptr; }));
  EXPECT_EQ(events, (std::vector<String>{"click", "item click"}));
  EXPECT_EQ(keys, 0);  // the keys of an open grid reach no control
  events.clear();
  Open();
  PostKey(edit->Handle(), VK_RIGHT);
  PostKey(edit->Handle(), VK_RIGHT);
  PostKey(edit->Handle(), VK_SPACE);
  ASSERT_TRUE(PumpUntil([&] { return grid.GridWindow() == nullptr; }));
  EXPECT_EQ(grid.ItemIndex, 1);  // Right from no hot cell goes to the first, then the second
  EXPECT_EQ(events, (std::vector<String>{"click", "item click"}));
}

TEST_F(GridTest, ARightPressClosesWithoutAChoice) {
  for (int i = 0; i < 3; ++i) Add(i);
  Open();
  HWND window = grid.GridWindow()->Handle();
  ::PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 8));
  ASSERT_TRUE(PumpUntil([&] { return grid.GridWindow() == nullptr; }));
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(grid.ItemIndex, -1);
}

TEST_F(GridTest, AClickOnACellChoosesIt) {
  for (int i = 0; i < 4; ++i) Add(i);
  grid.SetColumnsCount(2);
  Open();
  HWND window = grid.GridWindow()->Handle();
  TRect cell = grid.ImagesItems()->Items(3)->ItemRect;
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.Left + 3, cell.Top + 3));
  ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(cell.Left + 3, cell.Top + 3));
  ASSERT_TRUE(PumpUntil([&] { return grid.GridWindow() == nullptr; }));
  EXPECT_EQ(grid.ItemIndex, 3);
  EXPECT_EQ(events, (std::vector<String>{"click", "item click", "change"}));
}

TEST(SkinStylePickers, GradientPickerShowsItsChoice) {
  FormFixture f;
  f.form->Show();
  auto* picker = f.Make<TspSkinGradientStyleButton>({10, 10, 75, 40});
  ASSERT_EQ(picker->Images()->Count(), 6);
  EXPECT_EQ(picker->Images()->Width(), 40);
  EXPECT_EQ(picker->Width(), 65);
  EXPECT_EQ(picker->GraphicItems()->Items(0)->Hint, "HorizotalIn");
  EXPECT_EQ(picker->ItemIndex(), 0);
  // The face shows the chosen picture: its left column is the lightest of a
  // horizontal-in gradient, its top row the lightest of a vertical-in one.
  auto pictureAt = [&](int index, int x, int y) {
    TBitmap b;
    picker->Images()->GetBitmap(index, &b);
    return PixelOf(b, x, y);
  };
  auto face = [&] { return Render(picker); };
  auto at = [&](TBitmap& image, int index) {
    // The picture is centred in the content left of the 15-pixel strip.
    Integer left = (65 - 15) / 2 - 40 / 2, top = 30 / 2 - 16 / 2;
    return std::pair{PixelOf(image, left + 2, top + 8), pictureAt(index, 2, 8)};
  };
  auto rest = face();
  auto [shown, expected] = at(*rest, 0);
  EXPECT_EQ(shown, expected);
  PostMouse(picker, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return picker->Menu()->GridWindow() != nullptr; }));
  HWND window = picker->Menu()->GridWindow()->Handle();
  TRect cell = picker->GraphicItems()->Items(3)->ItemRect;
  EXPECT_EQ(cell.Top, 5 + 26 + 1);  // the fourth cell ends the second row of two
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.Left + 3, cell.Top + 3));
  ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(cell.Left + 3, cell.Top + 3));
  ASSERT_TRUE(PumpUntil([&] { return picker->Menu()->GridWindow() == nullptr; }));
  EXPECT_EQ(picker->ItemIndex(), 3);
  EXPECT_FALSE(picker->Down());
  auto after = face();
  auto [shownAfter, expectedAfter] = at(*after, 3);
  EXPECT_EQ(shownAfter, expectedAfter);
  EXPECT_NE(pictureAt(3, 2, 8), pictureAt(0, 2, 8));
}

TEST(SkinStylePickers, ShadowGridRowsOfFourBetweenTwoButtons) {
  FormFixture f;
  f.form->Show();
  auto* picker = f.Make<TspSkinShadowStyleButton>({10, 10, 75, 40});
  ASSERT_EQ(picker->GraphicItems()->Count(), 22);
  ASSERT_EQ(picker->Images()->Count(), 21);
  picker->Menu()->PopupFromRect(TRect{0, 0, 10, 10});
  ASSERT_NE(picker->Menu()->GridWindow(), nullptr);
  auto rect = [&](int i) { return picker->GraphicItems()->Items(i)->ItemRect; };
  const Integer cw = 30, rw = 4 * cw;
  EXPECT_EQ(rect(0), Rect(5, 5, 5 + rw, 5 + 30));
  EXPECT_EQ(rect(1), Rect(5, 36, 5 + cw, 66));
  EXPECT_EQ(rect(4), Rect(5 + 3 * cw, 36, 5 + rw, 66));
  EXPECT_EQ(rect(5).Top, 67);
  EXPECT_EQ(rect(20).Top, 36 + 4 * 31);
  EXPECT_EQ(rect(21), Rect(5, 36 + 5 * 31, 5 + rw, 36 + 5 * 31 + 30));
  picker->Menu()->Hide();
  struct Picker {
    std::function<TspSkinGraphicButton*()> make;
    int pictures, items, columns;
  } pickers[] = {
      {[&] { return f.Make<TspSkinBrushStyleButton>({0, 0, 65, 25}); }, 8, 8, 2},
      {[&] { return f.Make<TspSkinPenStyleButton>({0, 0, 65, 25}); }, 5, 5, 1},
      {[&] { return f.Make<TspSkinPenWidthButton>({0, 0, 65, 25}); }, 12, 12, 2},
  };
  for (const Picker& p : pickers) {
    TspSkinGraphicButton* b = p.make();
    EXPECT_EQ(b->Images()->Count(), p.pictures);
    EXPECT_EQ(b->GraphicItems()->Count(), p.items);
    EXPECT_EQ(b->Menu()->ColumnsCount(), p.columns);
  }
}

TEST(SkinXFormButton, OwnPicturesSizeAndShapeWithoutARecord) {
  FormFixture f;
  f.form->Show();
  auto* b = f.Make<TspSkinXFormButton>({0, 0, 75, 25});
  EXPECT_FALSE(b->CanFocused());
  TBitmap image(60, 24), active(60, 24);
  image.Canvas()->Brush()->SetColor(clRed);
  image.Canvas()->FillRect(TRect{0, 0, 60, 24});
  active.Canvas()->Brush()->SetColor(clLime);
  active.Canvas()->FillRect(TRect{0, 0, 60, 24});
  b->SetDefImage(&image);
  b->SetDefActiveImage(&active);
  b->SetBounds(0, 0, 100, 50);
  EXPECT_EQ(b->Width(), 60);
  EXPECT_EQ(b->Height(), 24);
  EXPECT_EQ(PixelOf(*Render(b), 30, 2), clRed);
  b->MouseIn = true;
  EXPECT_EQ(PixelOf(*Render(b), 30, 2), clLime);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(b->Handle(), region), ERROR);  // no mask: the full rectangle
  TBitmap mask(60, 24);
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(TRect{0, 0, 60, 24});
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(TRect{0, 0, 30, 24});
  b->SetDefMask(&mask);
  ASSERT_NE(::GetWindowRgn(b->Handle(), region), ERROR);
  RECT box;
  ::GetRgnBox(region, &box);
  EXPECT_EQ(box.right, 30);
  ::DeleteObject(region);
}
