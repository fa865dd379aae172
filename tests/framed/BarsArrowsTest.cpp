// Bars, arrows and the drop shadow: shadow alphas, LED segment rows, the percent
// bar's fill, and the arrows' shift when pressed.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Colors.h"
#include "tests/framed/FramedPixels.h"

namespace {

TEST(DropShadow, RingsFadeOutward) {
  TPixelSheet sheet(30, 30, clWhite);
  DrawDropShadow(sheet.Canvas(), Rect(2, 2, 20, 20), 4, clBlack);
  // Below the rectangle, ring I at row Bottom + I - 1 with alpha 128 - (I - 1) x 32.
  const int alphas[] = {128, 96, 64, 32};
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(sheet.At(12, 20 + i - 1), BlendColors(clBlack, clWhite, alphas[i - 1])) << "ring " << i;
  // Right of it, column Right + I - 1.
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(sheet.At(20 + i - 1, 12), BlendColors(clBlack, clWhite, alphas[i - 1])) << "ring " << i;
  EXPECT_EQ(sheet.At(12, 24), clWhite);
  EXPECT_EQ(sheet.At(5, 20), clWhite);  // starts 2 x Depth in from the left
  EXPECT_EQ(sheet.At(10, 10), clWhite);
}

TEST(DropShadow, NoDepthNoShadow) {
  TPixelSheet sheet;
  DrawDropShadow(sheet.Canvas(), Rect(2, 2, 10, 10), 0, clBlack);
  EXPECT_EQ(sheet.ChangedOutside(Rect(0, 0, 0, 0)), 0);
}

// Which segments of a horizontal LED bar are lit: one entry per segment start.
std::vector<bool> LitSegments(TPixelSheet& sheet, int width, int segSize, int margin, int count) {
  std::vector<bool> lit;
  for (int i = 0; i < count; ++i) lit.push_back(sheet.At(margin + i * segSize + segSize / 2, 5) == clLime);
  (void)width;
  return lit;
}

TEST(LEDBar, SegmentRows) {
  struct Case {
    const char* Name;
    int Width, Segments, Percent;
    int SegSize, Margin, Count, Lit;
  } cases[] = {
      {"100 wide, 20 segments, half", 100, 20, 50, 5, 0, 20, 10},
      {"60 wide, 20 segments: ten of 6", 60, 20, 100, 6, 0, 10, 10},
      {"103 wide, 10 segments: margin 1", 103, 10, 30, 10, 1, 10, 3},
      {"95 wide, 30 segments: one more", 95, 30, 100, 3, 1, 31, 31},
  };
  for (const Case& c : cases) {
    TPixelSheet sheet(c.Width + 2, 12, clWhite);
    DrawLEDBar(sheet.Canvas(), Rect(0, 0, c.Width, 10), orHorizontal, clLime, clBlack, c.Segments, c.Percent, false);
    std::vector<bool> lit = LitSegments(sheet, c.Width, c.SegSize, c.Margin, c.Count);
    int litCount = 0;
    for (bool on : lit) litCount += on;
    EXPECT_EQ(litCount, c.Lit) << c.Name;
    for (int i = 0; i < c.Lit; ++i) EXPECT_TRUE(lit[i]) << c.Name << " segment " << i;
    EXPECT_EQ(sheet.At(c.Margin, 5), clBlack) << c.Name;  // the outline between segments
  }
}

TEST(LEDBar, VerticalFillsFromTheBottom) {
  TPixelSheet sheet(12, 100, clWhite);
  DrawLEDBar(sheet.Canvas(), Rect(0, 0, 10, 100), orVertical, clLime, clBlack, 10, 30, false);
  EXPECT_EQ(sheet.At(5, 95), clLime);
  EXPECT_EQ(sheet.At(5, 75), clLime);
  EXPECT_EQ(sheet.At(5, 65), clBlack);
  EXPECT_EQ(sheet.At(5, 5), clBlack);
}

TEST(LEDBar, NoSegmentsDrawNothing) {
  TPixelSheet sheet;
  DrawLEDBar(sheet.Canvas(), Rect(0, 0, 20, 10), orHorizontal, clLime, clBlack, 0, 50, false);
  DrawLEDBar(sheet.Canvas(), Rect(0, 0, 20, 10), orHorizontal, clLime, clBlack, -3, 50, false);
  EXPECT_EQ(sheet.ChangedOutside(Rect(0, 0, 0, 0)), 0);
}

TEST(PercentBar, FillsAndWrites) {
  TPixelSheet full(40, 20, clWhite);
  DrawPercentBar(full.Canvas(), Rect(0, 0, 40, 20), orHorizontal, clBlue, clYellow, 150, false);
  for (int x = 0; x < 40; x += 3) EXPECT_EQ(full.At(x, 10), clBlue) << x;

  TPixelSheet quarter(40, 20, clWhite);
  DrawPercentBar(quarter.Canvas(), Rect(0, 0, 40, 20), orHorizontal, clBlue, clYellow, 25, false);
  EXPECT_EQ(quarter.At(5, 2), clBlue);
  EXPECT_EQ(quarter.At(9, 2), clBlue);
  EXPECT_EQ(quarter.At(10, 2), clYellow);

  TPixelSheet vertical(20, 40, clWhite);
  DrawPercentBar(vertical.Canvas(), Rect(0, 0, 20, 40), orVertical, clBlue, clYellow, 25, false);
  EXPECT_EQ(vertical.At(2, 35), clBlue);
  EXPECT_EQ(vertical.At(2, 25), clYellow);

  TPixelSheet text(60, 20, clWhite);
  DrawPercentBar(text.Canvas(), Rect(0, 0, 60, 20), orHorizontal, clBlue, clYellow, 100, true);
  int inverted = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) inverted += text.At(x, y) == clYellow;
  EXPECT_GT(inverted, 0);  // "100%" in the back colour over the filled bar
}

// The bounding box of the pixels in `color`.
TRect Extent(TPixelSheet& sheet, TColor color) {
  TRect r = Rect(1000, 1000, -1, -1);
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x)
      if (sheet.At(x, y) == color) {
        r.Left = std::min<int>(r.Left, x);
        r.Top = std::min<int>(r.Top, y);
        r.Right = std::max<int>(r.Right, x + 1);
        r.Bottom = std::max<int>(r.Bottom, y + 1);
      }
  return r;
}

TEST(Arrows, PressedShiftFollowsTheRules) {
  for (TRzUIStyle style : {uiWindows95, uiWindowsXP}) {
    TPixelSheet up(20, 20, clWhite), down(20, 20, clWhite);
    DrawDropDownArrow(up.Canvas(), Rect(0, 0, 20, 20), style, false, true);
    DrawDropDownArrow(down.Canvas(), Rect(0, 0, 20, 20), style, true, true);
    TColor ink = style == uiWindowsXP ? ColorToRGB(cl3DDkShadow) : clBlack;
    TRect a = Extent(up, ink), b = Extent(down, ink);
    EXPECT_FALSE(a.IsEmpty()) << style;
    EXPECT_EQ(b.Left, a.Left + 1) << style;
    EXPECT_EQ(b.Top, a.Top + 1) << style;

    // A drop-down arrow that is down shifts even when disabled.
    TPixelSheet offUp(20, 20, clWhite), offDown(20, 20, clWhite);
    DrawDropDownArrow(offUp.Canvas(), Rect(0, 0, 20, 20), style, false, false);
    DrawDropDownArrow(offDown.Canvas(), Rect(0, 0, 20, 20), style, true, false);
    TColor grey = ColorToRGB(clBtnShadow);
    EXPECT_EQ(Extent(offDown, grey).Left, Extent(offUp, grey).Left + 1) << style;

    // A spin arrow that is down but disabled stays where it was.
    for (TDirection direction : {dirUp, dirDown, dirLeft, dirRight}) {
      TPixelSheet s1(20, 20, clWhite), s2(20, 20, clWhite), s3(20, 20, clWhite);
      DrawSpinArrow(s1.Canvas(), Rect(0, 0, 20, 20), style, direction, false, false);
      DrawSpinArrow(s2.Canvas(), Rect(0, 0, 20, 20), style, direction, true, false);
      DrawSpinArrow(s3.Canvas(), Rect(0, 0, 20, 20), style, direction, true, true);
      EXPECT_EQ(Extent(s1, grey), Extent(s2, grey)) << style << " " << direction;
      TRect enabledUp = Extent(s3, ink);
      EXPECT_EQ(enabledUp.Left, Extent(s1, grey).Left + 1) << style << " " << direction;
    }
  }
}

TEST(Arrows, BrushColourIsPutBack) {
  TPixelSheet sheet;
  sheet.Canvas()->Brush()->SetColor(clTeal);
  DrawDropDownArrow(sheet.Canvas(), Rect(0, 0, 20, 20), uiWindows95, false, true);
  EXPECT_EQ(sheet.Canvas()->Brush()->Color(), clTeal);
  EXPECT_EQ(sheet.Canvas()->Pen()->Style(), psSolid);
}

}  // namespace
