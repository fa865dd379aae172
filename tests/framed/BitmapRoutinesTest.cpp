// Bitmap routines: transparent draws keep the background, flipping, tiling,
// centring, the trapezoid geometry and the parent's background.
#include <gtest/gtest.h>

#include "framed/graphics/RzGrafx.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "tests/framed/FramedPixels.h"

namespace {

// A 4 x 4 pattern: every pixel its own colour (x, y in the red and green bytes).
std::unique_ptr<TBitmap> Pattern(int width = 4, int height = 4) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf32bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixels(x, y, RGBColor(10 + x * 40, 10 + y * 40, 200));
  return bitmap;
}

TColor PatternAt(int x, int y) { return RGBColor(10 + x * 40, 10 + y * 40, 200); }

// A 4 x 4 bitmap in white with a transparent colour on its left half.
std::unique_ptr<TBitmap> HalfTransparent(TColor transparent) {
  auto bitmap = std::make_unique<TBitmap>(4, 4, pf32bit);
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect(Rect(0, 0, 4, 4));
  bitmap->Canvas()->Brush()->SetColor(transparent);
  bitmap->Canvas()->FillRect(Rect(0, 0, 2, 4));
  return bitmap;
}

TEST(BitmapRoutines, TransparentDrawsKeepTheBackground) {
  for (TColor transparent : {clFuchsia, clBlack}) {
    for (bool full : {false, true}) {
      TPixelSheet sheet;
      auto bitmap = HalfTransparent(transparent);
      // Stretched twice the size into (4, 4, 12, 12).
      if (full)
        DrawFullTransparentBitmap(sheet.Canvas(), bitmap.get(), Rect(4, 4, 12, 12), Rect(0, 0, 4, 4), transparent);
      else
        DrawTransparentBitmap(sheet.Canvas(), bitmap.get(), Rect(4, 4, 12, 12), Rect(0, 0, 4, 4), transparent);
      EXPECT_EQ(sheet.At(5, 5), kBackground) << transparent << " full " << full;
      EXPECT_EQ(sheet.At(7, 11), kBackground) << transparent << " full " << full;
      EXPECT_EQ(sheet.At(8, 5), clWhite) << transparent << " full " << full;
      EXPECT_EQ(sheet.At(11, 11), clWhite) << transparent << " full " << full;
      EXPECT_EQ(sheet.ChangedOutside(Rect(8, 4, 12, 12)), 0) << transparent << " full " << full;
      if (!full) {
        EXPECT_EQ(sheet.Canvas()->CopyMode, cmSrcPaint);
      }
    }
  }
}

TEST(BitmapRoutines, StretchAndTileTransparent) {
  TPixelSheet stretched;
  auto bitmap = HalfTransparent(clFuchsia);
  StretchTransparentBitmap(stretched.Canvas(), bitmap.get(), Rect(0, 0, 20, 20), clFuchsia);
  EXPECT_EQ(stretched.At(2, 2), kBackground);
  EXPECT_EQ(stretched.At(15, 2), clWhite);

  TPixelSheet tiled;
  TileTransparentBitmap(tiled.Canvas(), bitmap.get(), Rect(1, 1, 11, 7), clFuchsia);
  EXPECT_EQ(tiled.At(1, 1), kBackground);
  EXPECT_EQ(tiled.At(3, 1), clWhite);
  EXPECT_EQ(tiled.At(5, 5), kBackground);
  EXPECT_EQ(tiled.At(7, 6), clWhite);
  EXPECT_EQ(tiled.At(9, 1), kBackground);   // the cut last tile: its transparent half only
  EXPECT_EQ(tiled.At(10, 6), kBackground);
  EXPECT_EQ(tiled.ChangedOutside(Rect(1, 1, 11, 7)), 0);
}

TEST(BitmapRoutines, FlipTwiceIsExact) {
  for (TPixelFormat format : {pf32bit, pf24bit, pf8bit}) {
    auto bitmap = Pattern(5, 3);
    bitmap->SetPixelFormat(format);
    auto original = Pattern(5, 3);
    original->SetPixelFormat(format);
    FlipBitmap(bitmap.get());
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 0), original->Canvas()->Pixels(1, 2)) << format;
    FlipBitmap(bitmap.get());
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        EXPECT_EQ(bitmap->Canvas()->Pixels(x, y), original->Canvas()->Pixels(x, y)) << format << " " << x << "," << y;
  }
}

TEST(BitmapRoutines, TilingFromTheCornerAndFromTheOrigin) {
  auto pattern = Pattern();
  TPixelSheet plain;
  TileBitmap(plain.Canvas(), pattern.get(), Rect(5, 5, 15, 14));
  EXPECT_EQ(plain.At(5, 5), PatternAt(0, 0));
  EXPECT_EQ(plain.At(9, 9), PatternAt(0, 0));
  EXPECT_EQ(plain.At(14, 13), PatternAt(1, 0));
  EXPECT_EQ(plain.ChangedOutside(Rect(5, 5, 15, 14)), 0);

  TPixelSheet realized;
  TileRealizedBitmap(realized.Canvas(), pattern.get(), Rect(5, 5, 15, 14));
  EXPECT_EQ(realized.At(5, 5), PatternAt(1, 1));  // lined up with the canvas origin
  EXPECT_EQ(realized.At(8, 8), PatternAt(0, 0));
  EXPECT_EQ(realized.At(14, 13), PatternAt(2, 1));
  EXPECT_EQ(realized.ChangedOutside(Rect(5, 5, 15, 14)), 0);

  TPixelSheet empty;
  TBitmap nothing;
  TileBitmap(empty.Canvas(), &nothing, Rect(0, 0, 20, 20));
  TileRealizedBitmap(empty.Canvas(), &nothing, Rect(0, 0, 20, 20));
  TileTransparentBitmap(empty.Canvas(), &nothing, Rect(0, 0, 20, 20), clWhite);
  TileBitmap(empty.Canvas(), nullptr, Rect(0, 0, 20, 20));
  EXPECT_EQ(empty.ChangedOutside(Rect(0, 0, 0, 0)), 0);
}

TEST(BitmapRoutines, CenterAndStretch) {
  auto pattern = Pattern();
  TPixelSheet centred;
  CenterBitmap(centred.Canvas(), pattern.get(), Rect(0, 0, 10, 10));
  EXPECT_EQ(centred.At(3, 3), PatternAt(0, 0));
  EXPECT_EQ(centred.At(6, 6), PatternAt(3, 3));
  EXPECT_EQ(centred.ChangedOutside(Rect(3, 3, 7, 7)), 0);

  TPixelSheet offset;  // a rectangle away from the origin
  CenterBitmap(offset.Canvas(), pattern.get(), Rect(10, 10, 20, 20));
  EXPECT_EQ(offset.At(13, 13), PatternAt(0, 0));
  EXPECT_EQ(offset.ChangedOutside(Rect(13, 13, 17, 17)), 0);

  TPixelSheet cropped;  // a bitmap larger than the rectangle shows its middle
  auto large = Pattern(8, 8);
  CenterBitmap(cropped.Canvas(), large.get(), Rect(2, 2, 6, 6));
  EXPECT_EQ(cropped.At(2, 2), PatternAt(2, 2));
  EXPECT_EQ(cropped.ChangedOutside(Rect(2, 2, 6, 6)), 0);

  TPixelSheet stretched;
  StretchBitmap(stretched.Canvas(), pattern.get(), Rect(0, 0, 8, 8));
  EXPECT_EQ(stretched.At(1, 1), PatternAt(0, 0));
  EXPECT_EQ(stretched.At(7, 7), PatternAt(3, 3));
}

struct TrapCase {
  const char* Name;
  TTrapShape Shape;
  TDirection Direction;
  TTrapDirect Direct;
  TTrap Expected;
};

TEST(BitmapRoutines, TrapezoidTables) {
  const TRect r = Rect(10, 20, 110, 60);  // 100 x 40
  const TrapCase cases[] = {
      {"up, large to small, left", tsLeft, dirUp, tdLargeToSmall, {{{10, 20}, {40, 20}, {110, 60}, {10, 60}}}},
      {"up, large to small, centre", tsCenter, dirUp, tdLargeToSmall, {{{45, 20}, {75, 20}, {110, 60}, {10, 60}}}},
      {"down, large to small, right", tsRight, dirDown, tdLargeToSmall, {{{10, 20}, {110, 20}, {110, 60}, {80, 60}}}},
      {"down, small to large, left", tsLeft, dirDown, tdSmallToLarge, {{{10, 20}, {40, 20}, {110, 60}, {10, 60}}}},
      {"right, large to small, centre", tsCenter, dirRight, tdLargeToSmall, {{{10, 20}, {110, 25}, {110, 55}, {10, 60}}}},
      {"left, large to small, left", tsLeft, dirLeft, tdLargeToSmall, {{{10, 20}, {110, 20}, {110, 60}, {10, 50}}}},
  };
  for (const TrapCase& c : cases) {
    TTrap trap;
    SetTrapezoid(trap, r, 30, c.Shape, c.Direction, c.Direct);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(trap.P[i], c.Expected.P[i]) << c.Name << " point " << i;
  }
  TTrap trap;
  SetTrapezoid(trap, r, 30, tsLeft, dirUp, tdLargeToSmall);
  InflateTrapezoid(trap, 2);
  EXPECT_EQ(trap.P[0], Point(8, 18));
  EXPECT_EQ(trap.P[1], Point(42, 18));
  EXPECT_EQ(trap.P[2], Point(112, 62));
  EXPECT_EQ(trap.P[3], Point(8, 62));
}

TEST(BitmapRoutines, IntersectAndAdjust) {
  EXPECT_EQ(Intersect(Point(0, 0), Point(10, 20), Point(5, 99), dirRight), Point(5, 10));
  EXPECT_EQ(Intersect(Point(0, 0), Point(20, 10), Point(99, 5), dirUp), Point(10, 5));
  EXPECT_EQ(Intersect(Point(0, 0), Point(3, 10), Point(99, 5), dirDown), Point(1, 5));  // 1.5 truncates
  // A line parallel to the cut has no crossing: the point itself.
  EXPECT_EQ(Intersect(Point(4, 0), Point(4, 10), Point(7, 3), dirLeft), Point(7, 3));
  EXPECT_EQ(Intersect(Point(0, 4), Point(10, 4), Point(7, 3), dirUp), Point(7, 3));

  TTrap trap = {{{0, 0}, {100, 20}, {100, 80}, {0, 100}}};
  TTrap cut = AdjustTrapezoid(trap, Rect(50, 0, 100, 100), dirRight);
  EXPECT_EQ(cut.P[0], Point(50, 10));
  EXPECT_EQ(cut.P[3], Point(50, 90));
  EXPECT_EQ(cut.P[1], Point(100, 20));
}

TEST(BitmapRoutines, TrapezoidBorderColours) {
  TPixelSheet sheet;
  TTrap trap = {{{2, 2}, {18, 2}, {18, 18}, {2, 18}}};
  DrawTrapezoidBorder(sheet.Canvas(), trap, TTrapBevelStyle::bsLowered, 1);
  EXPECT_EQ(sheet.At(17, 10), ColorToRGB(clBtnHighlight));  // right side
  EXPECT_EQ(sheet.At(2, 10), ColorToRGB(clBtnShadow));      // left side
  EXPECT_EQ(sheet.Canvas()->Pen()->Color(), clBtnShadow);
}

TEST(BitmapRoutines, ParentImageWithoutParentDoesNothing) {
  TPixelSheet sheet;
  TGraphicControl orphan(nullptr);
  DrawParentImage(&orphan, sheet.Canvas());
  EXPECT_EQ(sheet.ChangedOutside(Rect(0, 0, 0, 0)), 0);
}

TEST(BitmapRoutines, ParentImageShowsTheParentsBackground) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 60, 40);
  form.SetColor(clLime);
  auto* child = new TGraphicControl(&form);
  child->SetParent(&form);
  child->SetBounds(50, 10, 20, 20);  // reaches past the parent's right edge
  form.HandleNeeded();
  TPixelSheet sheet;
  DrawParentImage(child, sheet.Canvas());
  EXPECT_EQ(sheet.At(0, 0), clLime);
  EXPECT_EQ(sheet.At(9, 19), clLime);
  EXPECT_EQ(sheet.At(10, 5), kBackground);  // clipped to the parent's client area
  EXPECT_EQ(sheet.Canvas()->Pixels(19, 19), kBackground);
  POINT origin;
  ::GetViewportOrgEx(sheet.Canvas()->Handle(), &origin);
  EXPECT_EQ(origin.x, 0);  // the device context is restored
}

}  // namespace
