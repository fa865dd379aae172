// Frame drawing on 20 x 20 DIB sections: inner rectangles of every style and
// side set, exact corner pixels, the panel frame, the edit frame and the focus
// border.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "tests/framed/FramedPixels.h"

namespace {

TColor Rgb(TColor color) { return ColorToRGB(color); }

TRect Shrunk(const TRect& r, TSides sides, int by) {
  return Rect(r.Left + (HasSide(sides, sdLeft) ? by : 0), r.Top + (HasSide(sides, sdTop) ? by : 0),
              r.Right - (HasSide(sides, sdRight) ? by : 0), r.Bottom - (HasSide(sides, sdBottom) ? by : 0));
}

const TRect kBounds = Rect(2, 2, 18, 18);

TEST(BorderDrawing, EveryStyleAndSideSetFramesOnlyItsRing) {
  for (int style = fsNone; style <= fsFlatRounded; ++style) {
    for (TSides sides = 0; sides <= sdAllSides; ++sides) {
      for (bool colored : {false, true}) {
        TPixelSheet sheet;
        auto s = static_cast<TFrameStyleEx>(style);
        TRect inner = colored ? DrawColorBorderSides(sheet.Canvas(), kBounds, 0x2080C0, s, sides)
                              : DrawBorderSides(sheet.Canvas(), kBounds, s, sides);
        TRect expected = Shrunk(kBounds, sides, FrameStyleWidth(s));
        EXPECT_EQ(inner, expected) << "style " << style << " sides " << int(sides) << " colored " << colored;
        EXPECT_EQ(sheet.ChangedOutside(kBounds), 0) << "style " << style << " sides " << int(sides);
        int changedInside = 0;
        for (int y = inner.Top; y < inner.Bottom; ++y)
          for (int x = inner.Left; x < inner.Right; ++x) changedInside += sheet.At(x, y) != kBackground;
        EXPECT_EQ(changedInside, 0) << "style " << style << " sides " << int(sides);
      }
    }
  }
}

TEST(BorderDrawing, SidesWithNoColourStillShrink) {
  TPixelSheet sheet;
  EXPECT_EQ(DrawSides(sheet.Canvas(), kBounds, clNone, clNone, SideBit(sdLeft) | SideBit(sdBottom)),
            Rect(3, 2, 18, 17));
  EXPECT_EQ(sheet.ChangedOutside(Rect(0, 0, 0, 0)), 0);
}

TEST(BorderDrawing, LowerRightLinesCoverTheirCorners) {
  TPixelSheet sheet;
  DrawSides(sheet.Canvas(), kBounds, clRed, clBlue, sdAllSides);
  EXPECT_EQ(sheet.At(2, 2), clRed);
  EXPECT_EQ(sheet.At(17, 2), clBlue);
  EXPECT_EQ(sheet.At(2, 17), clBlue);
  EXPECT_EQ(sheet.At(17, 17), clBlue);
  EXPECT_EQ(sheet.At(2, 16), clRed);
}

struct PixelCase {
  const char* Name;
  TFrameStyleEx Style;
  TSides Sides;
  int X, Y;
  TColor Expected;  // a system colour is compared by its RGB value
};

const TSides kTopOnly = SideBit(sdTop);
const PixelCase kPixels[] = {
    {"flat bold top, first row", fsFlatBold, kTopOnly, 8, 2, clBtnShadow},
    {"flat bold top, second row", fsFlatBold, kTopOnly, 8, 3, clBtnShadow},
    {"flat bold top, below", fsFlatBold, kTopOnly, 8, 4, kBackground},
    {"lowered, outer upper-left", fsLowered, sdAllSides, 2, 2, clBtnShadow},
    {"lowered, outer top-right", fsLowered, sdAllSides, 17, 2, clBtnHighlight},
    {"lowered, inner upper-left", fsLowered, sdAllSides, 3, 3, cl3DDkShadow},
    {"lowered, inner lower-right", fsLowered, sdAllSides, 16, 16, cl3DLight},
    {"raised, outer upper-left", fsRaised, sdAllSides, 2, 8, cl3DLight},
    {"button down, outer", fsButtonDown, sdAllSides, 8, 2, clBtnText},
    {"button up, inner lower-right", fsButtonUp, sdAllSides, 16, 8, clBtnShadow},
    {"groove, outer upper-left", fsGroove, sdAllSides, 2, 2, clBtnShadow},
    {"groove, top-right corner", fsGroove, sdAllSides, 17, 2, clBtnHighlight},
    {"groove, bottom-left corner", fsGroove, sdAllSides, 2, 17, clBtnHighlight},
    {"groove, second ring", fsGroove, sdAllSides, 3, 3, clBtnHighlight},
    {"groove, inner lower-right", fsGroove, sdAllSides, 16, 16, clBtnShadow},
    {"bump, outer upper-left", fsBump, sdAllSides, 2, 8, clBtnHighlight},
    {"groove top only, right end", fsGroove, kTopOnly, 17, 2, clBtnShadow},
    {"groove top only, left end below", fsGroove, kTopOnly, 2, 3, clBtnHighlight},
    {"flat rounded as groove", fsFlatRounded, sdAllSides, 2, 8, clBtnShadow},
    {"status", fsStatus, sdAllSides, 17, 8, clBtnHighlight},
    {"popup", fsPopup, sdAllSides, 2, 8, clBtnHighlight},
};

TEST(BorderDrawing, ExactPixelsOfTheStyles) {
  for (const PixelCase& c : kPixels) {
    TPixelSheet sheet;
    DrawBorderSides(sheet.Canvas(), kBounds, c.Style, c.Sides);
    EXPECT_EQ(sheet.At(c.X, c.Y), Rgb(c.Expected)) << c.Name;
  }
}

TEST(BorderDrawing, ColourBorderOfFlatRoundedIsTheBump) {
  TPixelSheet rounded, bump;
  DrawColorBorderSides(rounded.Canvas(), kBounds, 0x3070B0, fsFlatRounded, sdAllSides);
  DrawColorBorderSides(bump.Canvas(), kBounds, 0x3070B0, fsBump, sdAllSides);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(rounded.At(x, y), bump.At(x, y)) << x << "," << y;
  EXPECT_EQ(rounded.At(2, 8), LighterColor(0x3070B0, 100));
}

TEST(BorderDrawing, ColourButtonBorder) {
  TPixelSheet sheet;
  TRect inner = DrawColorButtonBorder(sheet.Canvas(), kBounds, 0x808080, false);
  EXPECT_EQ(inner, Rect(4, 4, 16, 16));
  EXPECT_EQ(sheet.At(2, 8), LighterColor(0x808080, 100));
  EXPECT_EQ(sheet.At(17, 8), DarkerColor(0x808080, 100));
  EXPECT_EQ(sheet.At(3, 8), LighterColor(0x808080, 40));
  EXPECT_EQ(sheet.At(16, 8), DarkerColor(0x808080, 50));
}

TEST(BorderDrawing, RoundedFlatBorderLeavesItsCorners) {
  TPixelSheet sheet;
  EXPECT_EQ(DrawRoundedFlatBorder(sheet.Canvas(), kBounds, clRed, sdAllSides), Rect(4, 4, 16, 16));
  EXPECT_EQ(sheet.At(2, 2), kBackground);
  EXPECT_EQ(sheet.At(2, 3), kBackground);
  EXPECT_EQ(sheet.At(3, 3), clRed);
  EXPECT_EQ(sheet.At(2, 4), clRed);
  EXPECT_EQ(sheet.At(16, 16), clRed);
  EXPECT_EQ(sheet.At(17, 15), clRed);
  EXPECT_EQ(sheet.At(17, 16), kBackground);
}

TEST(BorderDrawing, PanelFrameChainsOuterWidthAndInner) {
  TPixelSheet sheet;
  TInnerOuterBorders b;
  b.BorderOuter = fsRaised;
  b.BorderWidth = 3;
  b.BorderInner = fsLowered;
  b.BorderColor = clRed;
  EXPECT_EQ(DrawInnerOuterBorders(sheet.Canvas(), Rect(0, 0, 20, 20), b), Rect(7, 7, 13, 13));
  EXPECT_EQ(sheet.At(2, 10), clRed);
  EXPECT_EQ(sheet.At(4, 10), clRed);
  EXPECT_EQ(sheet.At(5, 10), Rgb(clBtnShadow));  // the inner lowered border's outer line
  EXPECT_EQ(sheet.At(10, 10), kBackground);
}

TEST(BorderDrawing, PanelFrameFlatRoundedRings) {
  TPixelSheet sheet;
  TInnerOuterBorders b;
  b.BorderOuter = fsFlatRounded;
  b.BorderWidth = 1;
  b.BorderColor = clRed;
  b.ParentColor = clLime;
  b.FlatColor = clBlue;
  b.FlatColorAdjustment = 0;
  EXPECT_EQ(DrawInnerOuterBorders(sheet.Canvas(), Rect(0, 0, 20, 20), b), Rect(3, 3, 17, 17));
  EXPECT_EQ(sheet.At(0, 0), clLime);  // the parent's colour in the rounded corner
  EXPECT_EQ(sheet.At(1, 1), clBlue);  // the corner pixel of the rounded line
  EXPECT_EQ(sheet.At(0, 5), clBlue);
  EXPECT_EQ(sheet.At(2, 5), clRed);   // the border width
}

TEST(BorderDrawing, EditFrameColoursFollowTheBackground) {
  TPixelSheet window;
  DrawFrame(window.Canvas(), 20, 20, fsLowered, clWindow, clBtnShadow, sdAllSides);
  EXPECT_EQ(window.At(0, 8), Rgb(clBtnShadow));
  EXPECT_EQ(window.At(1, 8), Rgb(cl3DDkShadow));

  TPixelSheet gray;
  DrawFrame(gray.Canvas(), 20, 20, fsLowered, 0x808080, clBtnShadow, sdAllSides);
  EXPECT_EQ(gray.At(0, 8), DarkerColor(0x808080, 50));
  EXPECT_EQ(gray.At(1, 8), DarkerColor(0x808080, 100));

  TPixelSheet flat;
  DrawFrame(flat.Canvas(), 20, 20, fsFlat, 0x00FF00, clRed, sdAllSides);
  EXPECT_EQ(flat.At(0, 8), clRed);
  EXPECT_EQ(flat.At(1, 8), 0x00FF00);  // the erased ring in the control's colour
  EXPECT_EQ(flat.At(2, 8), kBackground);

  TPixelSheet skipped;
  DrawFrame(skipped.Canvas(), 20, 20, fsFlat, 0x00FF00, clRed, sdAllSides, true);
  EXPECT_EQ(skipped.At(1, 8), kBackground);
}

TEST(BorderDrawing, FocusBorderIsDottedBlack) {
  TPixelSheet sheet(20, 20, clWhite);
  EXPECT_EQ(DrawFocusBorder(sheet.Canvas(), Rect(0, 0, 20, 20)), Rect(1, 1, 19, 19));
  EXPECT_EQ(sheet.At(0, 1), clBlack);
  EXPECT_EQ(sheet.At(0, 2), clWhite);
  EXPECT_EQ(sheet.At(0, 0), clWhite);
  EXPECT_EQ(sheet.At(1, 0), clBlack);
  EXPECT_EQ(sheet.At(19, 19), clBlack);
  EXPECT_EQ(sheet.At(1, 19), clBlack);
  EXPECT_EQ(sheet.At(10, 10), clWhite);
}

}  // namespace
