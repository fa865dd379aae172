// The sub-pixel block copy, under both routine bindings: whole positions equal the
// blended block copy, the coverage weights of the edge columns and rows (and their
// sum), the mixing of neighbours inside, negative positions, the pixels beside a
// source rectangle, and the reported area.
#include <cstdlib>
#include <vector>

#include "GR32BindingFixture.h"

namespace {

constexpr TFixed Fx(double v) { return TFixed(v * 65536); }

struct AreaLog : TObject {
  std::vector<TRect> areas;
  void Area(TObject*, const TRect& r, Cardinal) { areas.push_back(r); }
};

// Pixel (x, y) opaque with red 40 x + 10 and green 30 y + 5.
void Ramp(TBitmap32& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | TColor32(40 * x + 10) << 16 | TColor32(30 * y + 5) << 8);
}

class GR32BlockTransferX : public GR32Binding {};

TEST_P(GR32BlockTransferX, WholePositionsEqualTheBlendedBlockCopy) {
  const struct {
    int x, y;
  } cases[] = {{2, 1}, {-2, -1}, {6, 3}, {0, 0}};
  TBitmap32 src;
  Ramp(src, 4, 3);
  src.SetMasterAlpha(200);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    TBitmap32 a, b;
    a.SetSize(8, 5);
    a.Clear(0xFF204060);
    b.Assign(&a);
    BlockTransferX(&a, Fx(c.x), Fx(c.y), &src, src.BoundsRect(), dmBlend);
    BlockTransfer(&b, c.x, c.y, b.BoundsRect(), &src, src.BoundsRect(), dmBlend);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 8; ++x) ASSERT_EQ(a.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
  }
}

// White over opaque black: a pixel's red is the weight it was blended with.
TEST_P(GR32BlockTransferX, EdgePixelsTakeTheirCoverage) {
  TBitmap32 src, dst;
  src.SetSize(4, 3);
  src.Clear(0xFFFFFFFF);
  dst.SetSize(8, 6);
  dst.Clear(0xFF000000);
  const int fx = 64, fy = 128;  // placed at (1.25, 2.5)
  BlockTransferX(&dst, Fx(1) + fx * 256, Fx(2) + fy * 256, &src, src.BoundsRect(), dmBlend);
  // The plain forms round each term of a mix on its own and lose up to a level
  // per mixing step (two mixes and a blend here); the packed forms are exact.
  const int pixelSlack = Packed() ? 2 : 5, rowSlack = Packed() ? 6 : 25;
  const int colWeight[] = {0, 255 - fx, 255, 255, 255, fx, 0, 0};
  const int rowWeight[] = {0, 0, 255 - fy, 255, 255, fy};
  for (int y = 0; y < 6; ++y) {
    int rowSum = 0;
    for (int x = 0; x < 8; ++x) {
      int want = (colWeight[x] * rowWeight[y] + 127) / 255;
      int red = Ch(dst.GetPixel(x, y), 2);
      EXPECT_LE(std::abs(red - want), pixelSlack) << x << "," << y;
      rowSum += red;
    }
    // The source's whole width is laid down: four columns' worth in every row.
    int wantSum = 4 * rowWeight[y];
    EXPECT_LE(std::abs(rowSum - wantSum), rowSlack) << "row " << y;
  }
}

TEST_P(GR32BlockTransferX, InnerPixelsMixTheirTwoNeighbours) {
  TBitmap32 src, dst;
  Ramp(src, 4, 1);  // reds 10, 50, 90, 130
  dst.SetSize(6, 2);
  dst.Clear(0xFF000000);
  BlockTransferX(&dst, Fx(1) + 128 * 256, 0, &src, src.BoundsRect(), dmBlend);  // at x 1.5
  // Destination column 1 + d covers half of source columns d - 1 and d.
  const int inner[] = {30, 70, 110};
  for (int d = 1; d <= 3; ++d) EXPECT_LE(std::abs(Ch(dst.GetPixel(1 + d, 0), 2) - inner[d - 1]), 1) << d;
  // Nothing outside the covered columns 1..5 and row 0.
  EXPECT_EQ(dst.GetPixel(0, 0), 0xFF000000u);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.GetPixel(x, 1), 0xFF000000u);
}

TEST_P(GR32BlockTransferX, NegativePositionsKeepTheirFraction) {
  TBitmap32 src, dst;
  Ramp(src, 4, 1);  // reds 10, 50, 90, 130
  dst.SetSize(3, 1);
  dst.Clear(0xFF000000);
  // At x -1.5 destination column 0 covers half of source columns 1 and 2.
  BlockTransferX(&dst, -Fx(1.5), 0, &src, src.BoundsRect(), dmBlend);
  EXPECT_LE(std::abs(Ch(dst.GetPixel(0, 0), 2) - 70), 1);
  EXPECT_LE(std::abs(Ch(dst.GetPixel(1, 0), 2) - 110), 1);
}

TEST_P(GR32BlockTransferX, EdgeColoursTakeThePixelBesideTheRectangle) {
  TBitmap32 src, dst;
  Ramp(src, 4, 1);  // reds 10, 50, 90, 130
  dst.SetSize(4, 1);
  dst.Clear(0xFF000000);
  src.SetMasterAlpha(255);
  // Columns 1..2 at x 0.5: the first column mixes source columns 0 and 1 at half
  // coverage; the last mixes 2 and 3. A whole bitmap has no pixel beside it: there
  // the edge pixel itself is used.
  BlockTransferX(&dst, Fx(0.5), 0, &src, TRect{1, 0, 3, 1}, dmBlend);
  TBitmap32 whole, wdst;
  whole.SetSize(2, 1);
  whole.SetPixel(0, 0, src.GetPixel(1, 0));
  whole.SetPixel(1, 0, src.GetPixel(2, 0));
  wdst.SetSize(4, 1);
  wdst.Clear(0xFF000000);
  BlockTransferX(&wdst, Fx(0.5), 0, &whole, whole.BoundsRect(), dmBlend);
  // Weight 127 of colour (10 + 50) / 2 against weight 127 of colour 50.
  EXPECT_LT(Ch(dst.GetPixel(0, 0), 2), Ch(wdst.GetPixel(0, 0), 2));
  EXPECT_GT(Ch(dst.GetPixel(2, 0), 2), Ch(wdst.GetPixel(2, 0), 2));
  EXPECT_LE(std::abs(Ch(dst.GetPixel(0, 0), 2) - 15), 2);
  EXPECT_LE(std::abs(Ch(wdst.GetPixel(0, 0), 2) - 25), 2);
  EXPECT_EQ(dst.GetPixel(1, 0), wdst.GetPixel(1, 0));
}

TEST_P(GR32BlockTransferX, ReportsTheCoveredVisibleArea) {
  TBitmap32 src;
  Ramp(src, 4, 3);
  const struct {
    TFixed x, y;
    TRect area;  // empty: nothing visible, no notification
  } cases[] = {
      {Fx(2), Fx(1), {2, 1, 6, 4}},                // whole position: the source's size
      {Fx(2.25), Fx(1.5), {2, 1, 7, 5}},           // one more column and row
      {Fx(-1.5), Fx(-0.25), {0, 0, 3, 3}},         // cut at the top left
      {Fx(6.5), Fx(4), {6, 4, 8, 6}},              // cut at the bottom right
      {Fx(8), Fx(0), {}},                          // beside the bitmap
      {-Fx(5), Fx(0), {}},                         // wholly left of it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    for (bool measuring : {false, true}) {
      TBitmap32 dst;
      dst.SetSize(8, 6);
      dst.Clear(0xFF000000);
      AreaLog log;
      if (measuring) dst.BeginMeasuring(TAreaChangedEvent(&log, &AreaLog::Area));
      else dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
      BlockTransferX(&dst, c.x, c.y, &src, src.BoundsRect(), dmBlend);
      if (measuring) {
        dst.EndMeasuring();
        for (int y = 0; y < 6; ++y)
          for (int x = 0; x < 8; ++x) ASSERT_EQ(dst.GetPixel(x, y), 0xFF000000u);
      }
      if (IsRectEmpty(c.area)) {
        EXPECT_TRUE(log.areas.empty());
      } else {
        ASSERT_EQ(log.areas.size(), 1u);
        EXPECT_EQ(log.areas[0], c.area);
      }
    }
  }
}

TEST_P(GR32BlockTransferX, NothingToDrawAndNilBitmaps) {
  TBitmap32 src, dst, empty;
  Ramp(src, 4, 3);
  dst.SetSize(5, 5);
  dst.Clear(0xFF000000);
  AreaLog log;
  dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  src.SetMasterAlpha(0);
  BlockTransferX(&dst, Fx(1.5), Fx(1.5), &src, src.BoundsRect(), dmBlend);
  src.SetMasterAlpha(255);
  BlockTransferX(&dst, Fx(1.5), Fx(1.5), &src, TRect{2, 2, 2, 3}, dmBlend);  // empty rectangle
  BlockTransferX(&dst, Fx(1.5), Fx(1.5), &empty, TRect{0, 0, 1, 1}, dmBlend);
  EXPECT_TRUE(log.areas.empty());
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dst.GetPixel(x, y), 0xFF000000u);
  // A rectangle reaching past the source is cut to it.
  BlockTransferX(&dst, 0, 0, &src, TRect{2, 1, 9, 9}, dmBlend);
  EXPECT_EQ(log.areas.back(), (TRect{0, 0, 2, 2}));
  EXPECT_THROW(BlockTransferX(nullptr, 0, 0, &src, src.BoundsRect(), dmBlend), EBitmapException);
  EXPECT_THROW(BlockTransferX(&dst, 0, 0, nullptr, TRect{}, dmBlend), EBitmapException);
}

GR32_BOTH_BINDINGS(GR32BlockTransferX);

}  // namespace
