// The shaped button: the bevel rings of its up and down pictures, pixel for
// pixel on a one-pixel shape; the hit test through the mask; sizes and settings.
#include <gtest/gtest.h>

#include <vector>

#include "framed/buttons/RzShapeButton.h"
#include "framed/common/RzCommon_Colors.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

// A 9 x 9 picture on fuchsia with one black pixel in the middle.
TBitmap* DotShape() {
  static TBitmap shape(9, 9);
  TCanvas* c = shape.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 9, 9));
  c->SetPixels(4, 4, clBlack);
  return &shape;
}

// '.' transparent, '#' the shape, 'H' highlight, 'S' shadow, 'B' border.
void ExpectPicture(TBitmap* picture, const std::vector<const char*>& rows) {
  ASSERT_EQ(picture->Height(), static_cast<int>(rows.size()));
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x) {
      TColor expected = clFuchsia;
      switch (rows[y][x]) {
        case '#': expected = clBlack; break;
        case 'H': expected = clYellow; break;
        case 'S': expected = clNavy; break;
        case 'B': expected = clRed; break;
        default: break;
      }
      EXPECT_EQ(picture->Canvas()->Pixels(x, y), expected) << "(" << x << ", " << y << ")";
    }
}

class FramedShapeButton : public FramedForm {
protected:
  TRzShapeButton* Dot() {
    auto* button = Make<TRzShapeButton>(Rect(8, 8, 88, 88));
    button->SetBevelHighlightColor(clYellow);
    button->SetBevelShadowColor(clNavy);
    button->SetBorderColor(clRed);
    button->SetBitmap(DotShape());
    return button;
  }
};

TEST_F(FramedShapeButton, RingsOfTheUpAndDownPictures) {
  TRzShapeButton* button = Dot();
  ExpectPicture(button->BitmapUp(), {".........",
                                     ".BBBBBBB.",
                                     ".BHHHHSB.",
                                     ".BHHHSSB.",
                                     ".BHH#SSB.",
                                     ".BHSSSSB.",
                                     ".BSSSSSB.",
                                     ".BBBBBBB.",
                                     "........."});
  // Pressed: the colours change sides and the outer ring has no lower-right part.
  ExpectPicture(button->BitmapDown(), {".........",
                                       ".BBBBBB..",
                                       ".BSSSSH..",
                                       ".BSSSHH..",
                                       ".BSS#HH..",
                                       ".BSHHHH..",
                                       ".BHHHHH..",
                                       ".........",
                                       "........."});
}

TEST_F(FramedShapeButton, HighlightLikeTheTransparentColourIsDrawnDarker) {
  TRzShapeButton* button = Dot();
  button->SetBevelHighlightColor(clFuchsia);
  EXPECT_NE(button->BitmapUp()->Canvas()->Pixels(2, 2), clFuchsia);
  EXPECT_EQ(button->BitmapUp()->Canvas()->Pixels(2, 2), DarkerColor(clFuchsia, 1));
}

TEST_F(FramedShapeButton, HitsLandOnlyOnTheShape) {
  TRzShapeButton* button = Dot();
  EXPECT_EQ(button->Perform(CM_HITTEST, 0, MAKELPARAM(4, 4)), 1);
  EXPECT_EQ(button->Perform(CM_HITTEST, 0, MAKELPARAM(1, 1)), 1) << "the border ring is solid";
  EXPECT_EQ(button->Perform(CM_HITTEST, 0, MAKELPARAM(0, 0)), 0);
  EXPECT_EQ(button->Perform(CM_HITTEST, 0, MAKELPARAM(40, 4)), 0) << "outside the mask";

  // An empty picture takes the mask with it: the old shape no longer decides.
  TBitmap empty;
  button->SetBitmap(&empty);
  EXPECT_TRUE(button->BitmapUp()->Empty());
  EXPECT_TRUE(button->BitmapDown()->Empty());
  EXPECT_FALSE(button->HasMask());
  EXPECT_EQ(button->Perform(CM_HITTEST, 0, MAKELPARAM(0, 0)), 1);
}

TEST_F(FramedShapeButton, ReleaseBelowTheLastRowDoesNotClick) {
  TRzShapeButton* button = Dot();
  button->PreciseClick = false;
  int clicks = 0;
  button->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  ShowForm();
  struct Case {
    int y, clicks;
  };
  for (const Case c : {Case{button->ClientHeight() - 1, 1}, Case{button->ClientHeight(), 0}}) {
    clicks = 0;
    PostMouse(button, WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
    PostMouse(button, WM_LBUTTONUP, 1, c.y);
    PumpMessages();
    EXPECT_EQ(clicks, c.clicks) << "release at y = " << c.y;
  }
}

TEST_F(FramedShapeButton, SizesAndSettings) {
  auto* button = Make<TRzShapeButton>(Rect(8, 8, 88, 88));
  TBitmap picture(60, 40);
  button->SetBitmap(&picture);
  EXPECT_EQ(button->Width(), 64);
  EXPECT_EQ(button->Height(), 44);
  button->SetBevelWidth(5);
  EXPECT_EQ(button->BevelWidth(), 2);
  button->SetCaptionX(0);
  EXPECT_EQ(button->CaptionPosition(), cpCentered) << "an unchanged value changes nothing";
  button->SetCaptionX(7);
  EXPECT_EQ(button->CaptionPosition(), cpXY);
}

}  // namespace
