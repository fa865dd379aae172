// The effect bitmap: blend formulas with their rounding, transitions, filters
// and the clamped cases of untrusted sizes and indexes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/draw/Speffbmp.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

// A picture w x h filled with one grey value, or by a function of (x, y).
TspEffectBmp Filled(int w, int h, Cardinal pixel) {
  TspEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, pixel);
  return b;
}

Cardinal Grey(Byte v) { return Cardinal(v) * 0x010101u; }
Byte Blue(const TspEffectBmp& b, int x, int y) { return static_cast<Byte>(b.GetPixel(x, y)); }

// Column x of a one-row picture holds grey x; the partner holds 200 + x.
std::vector<Byte> Row(const TspEffectBmp& b) {
  std::vector<Byte> row;
  for (int x = 0; x < b.Width(); ++x) row.push_back(Blue(b, x, 0));
  return row;
}

TEST(EffectMorph, CrossFadeRoundsHalvesToEven) {
  struct Case {
    Byte own, other;
    double kf;
    Byte expected;
  } cases[] = {{10, 11, 0.5, 10}, {11, 12, 0.5, 12}, {10, 200, -3, 10}, {10, 200, 7, 200},
               {100, 0, 1 - 200 / 255.0, 78}, {255, 255, 0.3, 255}};
  for (const Case& c : cases) {
    TspEffectBmp own = Filled(3, 2, Grey(c.own));
    TspEffectBmp other = Filled(3, 2, Grey(c.other));
    own.Morph(other, c.kf);
    EXPECT_EQ(own.GetPixel(2, 1), Grey(c.expected)) << int(c.own) << " to " << int(c.other) << " kf " << c.kf;
  }
}

TEST(EffectMorph, PicturesOfDifferentSizesAreLeftAlone) {
  TspEffectBmp own = Filled(3, 2, Grey(10)), other = Filled(3, 3, Grey(200));
  own.Morph(other, 0.5);
  own.MorphHGrad(other, 0.5);
  own.MorphRightGrad(other, 0.5);
  own.MorphPush(other, 0.5);
  own.MorphLeftSlide(other, 0.5);
  EXPECT_EQ(own.GetPixel(0, 0), Grey(10));
}

class OneRow : public ::testing::Test {
protected:
  void SetUp() override {
    for (int x = 0; x < 10; ++x) {
      own.SetPixel(x, 0, Grey(static_cast<Byte>(x)));
      other.SetPixel(x, 0, Grey(static_cast<Byte>(200 + x)));
    }
  }
  TspEffectBmp own{10, 1}, other{10, 1};
};

TEST_F(OneRow, SlidesAndPushShowAtLeastOneColumn) {
  TspEffectBmp slide(own);
  slide.MorphLeftSlide(other, 0);
  EXPECT_EQ(Row(slide), (std::vector<Byte>{209, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  TspEffectBmp full(own);
  full.MorphLeftSlide(other, 1);
  EXPECT_EQ(Row(full), (std::vector<Byte>{201, 202, 203, 204, 205, 206, 207, 208, 209, 9}));
  TspEffectBmp right(own);
  right.MorphRightSlide(other, 0.3);
  EXPECT_EQ(Row(right), (std::vector<Byte>{0, 1, 2, 3, 4, 5, 6, 200, 201, 202}));
  TspEffectBmp push(own);
  push.MorphPush(other, 0);
  EXPECT_EQ(Row(push), (std::vector<Byte>{209, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(OneRow, CentreGradientFadesOverItsSides) {
  own.MorphHGrad(other, 0.4);  // a = 4, b = 3: band 3..7, fades of a third
  // Left: t = 1/3 at 2 (own 2, other 202), 2/3 at 1, 1 at 0; right: 1/3 at 8, 2/3 at 9.
  EXPECT_EQ(Row(own), (std::vector<Byte>{0, 68, 135, 203, 204, 205, 206, 207, 141, 76}));
}

TEST_F(OneRow, EdgeGradientsEnterFromTheirSide) {
  TspEffectBmp left(own);
  left.MorphLeftGrad(other, 0.2);  // n = 2: columns 0..2, t 0, 1/2, 1
  EXPECT_EQ(Row(left), (std::vector<Byte>{200, 101, 2, 3, 4, 5, 6, 7, 8, 9}));
  TspEffectBmp right(own);
  right.MorphRightGrad(other, 0.2);  // s = 8: columns 9 (t 0) and 8 (t 1/2)
  EXPECT_EQ(Row(right), (std::vector<Byte>{0, 1, 2, 3, 4, 5, 6, 7, 108, 209}));
}

TEST(EffectMorph, RectangleMorphKeepsInsideBothPictures) {
  TspEffectBmp own = Filled(4, 4, Grey(0)), other = Filled(2, 2, Grey(100));
  own.MorphRect(other, 1, TRect{-10, -10, 100, 100}, -5, -5);  // no pixel has its partner inside other
  own.MorphRect(other, 1, TRect{2, 2, 10, 10}, 0, 0);
  EXPECT_EQ(own.GetPixel(2, 2), Grey(100));
  EXPECT_EQ(own.GetPixel(3, 3), Grey(100));
  EXPECT_EQ(own.GetPixel(1, 1), Grey(0));
}

TEST(EffectFilters, GreyByLuminanceInExtendedPrecision) {
  struct Case {
    Cardinal rgb;
    Byte grey;
  } cases[] = {{0xFF0000, 76}, {0x00FF00, 150}, {0x0000FF, 28}, {0xFFFFFF, 255}, {0x6496C8, 140}};
  for (const Case& c : cases) {
    TspEffectBmp b = Filled(1, 1, c.rgb);
    b.GrayScale();
    EXPECT_EQ(b.GetPixel(0, 0), Grey(c.grey)) << std::hex << c.rgb;
  }
}

TEST(EffectFilters, BrightnessDarknessAndInversion) {
  TspEffectBmp b = Filled(2, 1, 0x102030);
  b.ChangeBrightness(0.5);  // (16 + 255) / 2 = 135.5 -> 136, 143.5 -> 144, 151.5 -> 152
  EXPECT_EQ(b.GetPixel(0, 0), 0x889098u);
  b.ChangeDarkness(2);  // clamped to 1: black
  EXPECT_EQ(b.GetPixel(1, 0), 0u);
  b.Invert();
  EXPECT_EQ(b.GetPixel(1, 0), 0xFFFFFFu);
}

TEST(EffectFilters, BlursKeepTheirIndexesInsideThePicture) {
  // N as large as the picture: the fallback row and column would lie one past it.
  for (int n : {1, 4, 5, 100, -3}) {
    TspEffectBmp b = Filled(4, 4, Grey(80));
    b.SetPixel(0, 0, Grey(0));
    b.SplitBlur(n);
    EXPECT_LE(Blue(b, 3, 3), 80) << n;
    TspEffectBmp mask = Filled(4, 4, 0);
    mask.SetPixel(3, 3, 0xFFFFFF);
    TspEffectBmp m = Filled(4, 4, Grey(80));
    m.MaskBlur(mask, n);
    m.MaskAntialiasing(mask, n);
    EXPECT_EQ(m.GetPixel(3, 3), Grey(80)) << "white mask pixels stay, N " << n;
  }
}

TEST(EffectFilters, AntialiasingNeedsAnEdge) {
  for (Cardinal maskPixel : {0u, 0xFFFFFFu}) {
    TspEffectBmp b = Filled(5, 5, Grey(10));
    b.SetPixel(2, 2, Grey(250));
    TspEffectBmp mask = Filled(5, 5, maskPixel);
    b.MaskAntialiasing(mask, 1);
    EXPECT_EQ(b.GetPixel(2, 2), Grey(250)) << std::hex << maskPixel;
  }
}

TEST(EffectFilters, MaskFillBlendsOnlyInsideTheShape) {
  TspEffectBmp b = Filled(2, 1, 0);
  TspEffectBmp mask = Filled(2, 1, 0);
  mask.SetPixel(1, 0, 0xFFFFFF);
  b.MaskFillColor(mask, clRed, 0.5);  // red 255 * 0.5 = 127.5 -> 128
  EXPECT_EQ(b.GetPixel(0, 0), 0x800000u);
  EXPECT_EQ(b.GetPixel(1, 0), 0u);
}

TEST(EffectFilters, NoiseComesFromTheReplaceableSource) {
  auto saved = TspEffectBmp::Random;
  std::vector<Integer> draws{0, 9, 5};
  size_t next = 0;
  TspEffectBmp::Random = [&](Integer n) {
    EXPECT_EQ(n, 10);
    return draws[next++ % draws.size()];
  };
  TspEffectBmp mono = Filled(1, 1, Grey(100));
  mono.AddMonoNoise(10);  // 0 - 5
  EXPECT_EQ(mono.GetPixel(0, 0), Grey(95));
  TspEffectBmp colour = Filled(1, 1, Grey(100));
  colour.AddColorNoise(10);  // red +4, green 0, blue -5 (red, green, blue drawn in that order)
  EXPECT_EQ(colour.GetPixel(0, 0), 0x68645Fu);
  TspEffectBmp::Random = saved;
}

TEST(EffectFilters, MosaicAndWave) {
  TspEffectBmp b(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) b.SetPixel(x, y, Grey(static_cast<Byte>(y * 4 + x)));
  TspEffectBmp wave(b);
  wave.Wave(0, 5, 3);
  EXPECT_EQ(wave.GetPixel(3, 3), Grey(15)) << "XDiv 0 changes nothing";
  b.Mosaic(3);
  EXPECT_EQ(b.GetPixel(2, 2), Grey(0));
  EXPECT_EQ(b.GetPixel(3, 2), Grey(3));
  EXPECT_EQ(b.GetPixel(3, 3), Grey(15));
}

TEST(EffectFilters, TurnsFlipsAndCopies) {
  TspEffectBmp b(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b.SetPixel(x, y, Grey(static_cast<Byte>(10 * y + x)));
  TspEffectBmp anti(2, 3), clock(2, 3), flip(3, 2), wrong(3, 3);
  b.Rotate90_1(anti);
  EXPECT_EQ(anti.GetPixel(0, 2), Grey(0));   // (0, 0) -> (0, 2)
  EXPECT_EQ(anti.GetPixel(1, 0), Grey(12));  // (2, 1) -> (1, 0)
  b.Rotate90_2(clock);
  EXPECT_EQ(clock.GetPixel(1, 0), Grey(0));  // (0, 0) -> (1, 0)
  EXPECT_EQ(clock.GetPixel(0, 2), Grey(12));
  b.FlipVert(flip);
  EXPECT_EQ(flip.GetPixel(2, 0), Grey(12));
  TspEffectBmp before(wrong);
  b.Rotate90_1(wrong);  // not the turned size: untouched
  EXPECT_EQ(std::memcmp(before.Bits(), wrong.Bits(), static_cast<size_t>(wrong.Size())), 0);
  TspEffectBmp target = Filled(3, 2, Grey(99));
  target.CopyRect(b, TRect{1, 0, 50, 50}, 0, 0);  // right and bottom inclusive, cut to both pictures
  EXPECT_EQ(target.GetPixel(1, 0), Grey(0));
  EXPECT_EQ(target.GetPixel(2, 1), Grey(11));
  EXPECT_EQ(target.GetPixel(0, 0), Grey(99));
}

TEST(EffectFilters, ResizeReplicatesBlocks) {
  TspEffectBmp b(2, 1);
  b.SetPixel(0, 0, Grey(1));
  b.SetPixel(1, 0, Grey(2));
  TspEffectBmp big(5, 2);
  b.Resize(big);  // fx = 2: blocks 3 wide at 0 and 2; fy = 1/1... block 2 high
  EXPECT_EQ(big.GetPixel(1, 1), Grey(1));
  EXPECT_EQ(big.GetPixel(4, 0), Grey(2));
}

TEST(EffectBitmap, CopiesABitmapAndDrawsItsParts) {
  TBitmap picture;
  PaintZones(picture, 6, 4, {{{0, 0, 3, 2}, clRed}, {{3, 2, 6, 4}, clBlue}});
  TspEffectBmp b(picture.Handle());
  ASSERT_EQ(b.Width(), 6);
  ASSERT_EQ(b.Height(), 4);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFF0000u);
  EXPECT_EQ(b.GetPixel(5, 3), 0x0000FFu);
  TBitmap target;
  PaintZones(target, 10, 10, {});
  b.DrawRect(target.Canvas()->Handle(), 1, 1, 3, 2, 3, 2);
  EXPECT_EQ(At(target, 1, 1), clBlue);
  EXPECT_EQ(At(target, 3, 2), clBlue);
  EXPECT_EQ(At(target, 4, 1), clWhite);
  EXPECT_EQ(At(target, 1, 3), clWhite);
  b.Draw(target.Canvas()->Handle(), 4, 4);
  EXPECT_EQ(At(target, 4, 4), clRed);
  EXPECT_EQ(At(target, 9, 7), clBlue);
}

TEST(EffectBitmap, EmptyAndHugeSizesMakeAnEmptyPicture) {
  for (auto size : {std::pair{0, 5}, std::pair{-4, 4}, std::pair{100000, 100000}}) {
    TspEffectBmp b(size.first, size.second);
    EXPECT_EQ(b.Width(), 0);
    b.Morph(b, 0.5);
    b.GrayScale();
    b.SplitBlur(3);
    b.Wave(1, 1, 1);
    b.SetPixel(0, 0, 1);
    EXPECT_EQ(b.GetLine(0), nullptr);
  }
}

}  // namespace

namespace {

TEST(EffectMorph, FastCrossFadeMatchesTheReferenceForEveryChannelPair) {
  // Row y holds own = y and other = 0..255 along the row.
  TspEffectBmp own(256, 256), other(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) own.SetPixel(x, y, Grey(static_cast<Byte>(y))), other.SetPixel(x, y, Grey(static_cast<Byte>(x)));
  for (double kf : {0.0, 0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1 - 200 / 255.0, 1 - 100 / 255.0,
                    1 - 1 / 255.0, 1 / 3.0}) {
    TspEffectBmp fast(own), reference(own);
    fast.Morph(other, kf);
    TspEffectBmp::FastMorph = false;
    reference.Morph(other, kf);
    TspEffectBmp::FastMorph = true;
    EXPECT_EQ(std::memcmp(fast.Bits(), reference.Bits(), static_cast<size_t>(fast.Size())), 0) << kf;
  }
}

}  // namespace
