// The whole-bitmap filters and the line clipper.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "GR32AreaLog.h"
#include "imaging/GR32_Filters.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_System.h"

namespace {

constexpr TColor32Components kBlue = 1, kGreen = 2, kRed = 4, kAlpha = 8;

TEST(GR32ClipLine, CutsToTheRectangleInOnePass) {
  struct Case {
    const char* what;
    int x1, y1, x2, y2;
    bool visible;
    int ex1, ey1, ex2, ey2;
  } cases[] = {
      {"across both sides", -10, 5, 20, 5, true, 0, 5, 10, 5},
      {"below the rectangle", -10, 20, 20, 20, false, -10, 20, 20, 20},
      {"inside", 2, 3, 7, 8, true, 2, 3, 7, 8},
      {"through the top and the right", 4, -6, 16, 6, true, 10, 0, 10, 0},
      {"from above into the middle", 5, -10, 5, 5, true, 5, 0, 5, 5},
      // Rejected after the Y cut, which has already moved the second point.
      {"past the top-left corner", -5, 3, 5, -7, false, -5, 3, -2, 0},
      {"reversed through the left", 8, 2, -8, 6, true, 8, 2, 0, 4},
  };
  for (const Case& c : cases) {
    int x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), c.visible) << c.what;
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{c.ex1, c.ey1, c.ex2, c.ey2})) << c.what;
  }
}

// Every filter refuses a missing bitmap with its own text, before writing.
TEST(GR32Filters, MissingBitmapsAreRefusedWithTheirTexts) {
  TBitmap32 b;
  b.SetSize(2, 2);
  const Byte lut[256] = {};
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* text;
  } cases[] = {
      {"CopyComponents source", [&] { CopyComponents(&b, nullptr, kRed); }, "The source is nil"},
      {"CopyComponents destination", [&] { CopyComponents(nullptr, &b, kRed); }, "Destination is nil"},
      {"both missing: the source first", [&] { AlphaToGrayscale(nullptr, nullptr); }, "The source is nil"},
      {"IntensityToAlpha", [&] { IntensityToAlpha(nullptr, &b); }, "Destination is nil"},
      {"ColorToGrayscale", [&] { ColorToGrayscale(&b, nullptr); }, "The source is nil"},
      {"ApplyLUT", [&] { ApplyLUT(nullptr, &b, lut); }, "Destination is nil"},
      {"Invert", [&] { Invert(&b, nullptr, kRed); }, "The source is nil"},
      {"InvertRGB writes its second", [&] { InvertRGB(&b, nullptr); }, "Destination is nil"},
      {"two-bitmap ApplyBitmask", [&] { ApplyBitmask(&b, 0, 0, nullptr, TRect{0, 0, 1, 1}, 0, loXOR); },
       "The source is nil"},
      {"in-place ApplyBitmask", [&] { ApplyBitmask(nullptr, TRect{0, 0, 1, 1}, 0, loXOR); }, "The bitmap is nil"},
      {"ChromaKey", [&] { ChromaKey(nullptr, 0); }, "The bitmap is nil"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << ": nothing raised";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, c.text) << c.what;
    }
  }
}

TEST(GR32Filters, ChannelMasks) {
  EXPECT_EQ(CreateBitmask(0), 0u);
  EXPECT_EQ(CreateBitmask(kAlpha), 0xFF000000u);
  EXPECT_EQ(CreateBitmask(kRed | kBlue), 0x00FF00FFu);
  EXPECT_EQ(CreateBitmask(kBlue | kGreen | kRed | kAlpha), 0xFFFFFFFFu);
}

// Rows up to 16 pixels and wider ones take different copies; all agree.
TEST(GR32Filters, CopyComponentsCopiesOnlyTheChosenChannels) {
  struct Case {
    const char* what;
    TColor32Components channels;
  } cases[] = {{"alpha", kAlpha}, {"red and blue", kRed | kBlue}, {"three", kRed | kGreen | kBlue},
               {"all four", kBlue | kGreen | kRed | kAlpha}};
  for (int width : {5, 16, 17, 40}) {
    for (const Case& c : cases) {
      TBitmap32 src, dst;
      FillDistinct(src, width, 3);
      dst.SetSize(width, 3);
      dst.Clear(0x11223344);
      CopyComponents(&dst, &src, c.channels);
      const TColor32 mask = CreateBitmask(c.channels);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(dst.GetPixel(x, y), (0x11223344u & ~mask) | (src.GetPixel(x, y) & mask))
              << c.what << " width " << width << " at " << x << "," << y;
    }
  }
}

TEST(GR32Filters, CopyComponentsReportsTheWrittenRectangle) {
  TBitmap32 src, dst;
  FillDistinct(src, 8, 8);
  dst.SetSize(6, 6);
  AreaLog log;
  log.Watch(dst);
  struct Case {
    const char* what;
    int x, y;
    TRect srcRect;
    TRect reported;
  } cases[] = {
      {"inside", 1, 2, TRect{0, 0, 3, 2}, TRect{1, 2, 4, 4}},
      {"cut by the destination", 4, 4, TRect{0, 0, 5, 5}, TRect{4, 4, 6, 6}},
      {"a negative position is brought to 0", -3, -3, TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}},
      {"a source rectangle that misses", 0, 0, TRect{20, 20, 30, 30}, TRect{0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    log.Clear();
    CopyComponents(&dst, c.x, c.y, &src, c.srcRect, kRed);
    ASSERT_EQ(log.areas.size(), 1u) << c.what;
    EXPECT_EQ(log.areas[0], (AreaReport{c.reported, AREAINFO_RECT})) << c.what;
  }
  log.Clear();
  const std::vector<TColor32> before = Pixels(dst);
  CopyComponents(&dst, 0, 0, &src, src.BoundsRect(), 0);
  EXPECT_TRUE(log.areas.empty()) << "an empty channel set reports nothing";
  EXPECT_EQ(Pixels(dst), before);
}

// A clip rectangle that cuts the landing place on its left or top moves the
// source start along, so every pixel lands where it belongs.
TEST(GR32Filters, ClippingKeepsTheSourceAligned) {
  TBitmap32 src, dst;
  FillDistinct(src, 8, 8);
  dst.SetSize(8, 8);
  dst.Clear(0);
  dst.SetClipRect(TRect{3, 2, 8, 8});
  CopyComponents(&dst, 1, 1, &src, src.BoundsRect(), kBlue | kGreen | kRed | kAlpha);
  EXPECT_EQ(dst.GetPixel(3, 2), src.GetPixel(2, 1));
  EXPECT_EQ(dst.GetPixel(7, 7), src.GetPixel(6, 6));
  EXPECT_EQ(dst.GetPixel(2, 2), 0u) << "outside the clip rectangle";
  dst.Clear(0);
  ApplyBitmask(&dst, 1, 1, &src, src.BoundsRect(), 0, loOR);
  EXPECT_EQ(dst.GetPixel(4, 5), src.GetPixel(3, 4));
}

TEST(GR32Filters, PixelConversions) {
  TBitmap32 src, dst;
  src.SetSize(1, 1);
  src.SetPixel(0, 0, 0x40C08020);  // alpha 0x40, red 0xC0, green 0x80, blue 0x20
  const Integer intensity = Intensity(0x40C08020);
  dst.SetSize(1, 1);
  dst.SetPixel(0, 0, 0x7F010203);
  struct Case {
    const char* what;
    std::function<void()> run;
    TColor32 expected;
  } cases[] = {
      {"alpha to grey", [&] { AlphaToGrayscale(&dst, &src); }, 0xFF404040},
      {"intensity to alpha keeps the colour", [&] { IntensityToAlpha(&dst, &src); },
       TColor32(intensity) << 24 | 0x010203},
      {"grey", [&] { ColorToGrayscale(&dst, &src); }, Gray32(Byte(intensity))},
      {"grey keeping alpha", [&] { ColorToGrayscale(&dst, &src, true); }, Gray32(Byte(intensity), 0x40)},
  };
  for (const Case& c : cases) {
    dst.SetPixel(0, 0, 0x7F010203);
    c.run();
    EXPECT_EQ(dst.GetPixel(0, 0), c.expected) << c.what;
  }
}

TEST(GR32Filters, LookupTableKeepsTheDestinationsAlphaWhenAsked) {
  Byte lut[256];
  for (int i = 0; i < 256; ++i) lut[i] = Byte(255 - i);
  TBitmap32 src, dst;
  src.SetSize(2, 1);
  src.SetPixel(0, 0, 0x10203040);
  src.SetPixel(1, 0, 0xF0000000);
  dst.SetSize(2, 1);
  dst.SetPixel(0, 0, 0x66000000);
  dst.SetPixel(1, 0, 0x77000000);
  ApplyLUT(&dst, &src, lut, true);
  EXPECT_EQ(dst.GetPixel(0, 0), 0x66DFCFBFu) << "the destination's alpha, not the source's";
  EXPECT_EQ(dst.GetPixel(1, 0), 0x77FFFFFFu);
  ApplyLUT(&dst, &src, lut);
  EXPECT_EQ(dst.GetPixel(0, 0), 0xFFDFCFBFu);
}

TEST(GR32Filters, ChromaKeyMatchesColourAlone) {
  TBitmap32 b;
  b.SetSize(3, 1);
  b.SetPixel(0, 0, 0xFF123456);
  b.SetPixel(1, 0, 0x80123456);
  b.SetPixel(2, 0, 0xFF123457);
  AreaLog log;
  log.Watch(b);
  ChromaKey(&b, 0x00123456);
  EXPECT_EQ(Pixels(b), (std::vector<TColor32>{0x00123456, 0x00123456, 0xFF123457}));
  EXPECT_EQ(log.changes, 1);
}

// The bit-mask filters in each family of two-bitmap row routines.
class GR32BitMasks : public ::testing::TestWithParam<TMaskRowFamily> {
protected:
  void SetUp() override { BindMaskRowFunctions(GetParam()); }
  void TearDown() override { BindMaskRowFunctions(HasEMMX() ? mrPacked128 : HasMMX() ? mrPacked64 : mrPlain); }
};

TEST_P(GR32BitMasks, EachOperatorOnRowsOfEveryLength) {
  for (int width : {1, 15, 16, 17, 33}) {
    TBitmap32 src, dst;
    FillDistinct(src, width, 2);
    dst.SetSize(width, 2);
    const TColor32 mask = 0xF00FF0F0;
    struct Case {
      TLogicalOperator op;
      TColor32 (*apply)(TColor32, TColor32);
    } cases[] = {{loXOR, [](TColor32 a, TColor32 m) { return a ^ m; }},
                 {loAND, [](TColor32 a, TColor32 m) { return a & m; }},
                 {loOR, [](TColor32 a, TColor32 m) { return a | m; }}};
    for (const Case& c : cases) {
      ApplyBitmask(&dst, 0, 0, &src, src.BoundsRect(), mask, c.op);
      for (int i = 0; i < width * 2; ++i)
        ASSERT_EQ(dst.Bits()[i], c.apply(src.Bits()[i], mask)) << "operator " << int(c.op) << " width " << width;
      TBitmap32 inPlace;
      inPlace.Assign(&src);
      ApplyBitmask(&inPlace, TRect{0, 1, width, 2}, mask, c.op);
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(inPlace.GetPixel(x, 0), src.GetPixel(x, 0)) << "the row outside stays";
        ASSERT_EQ(inPlace.GetPixel(x, 1), c.apply(src.GetPixel(x, 1), mask));
      }
    }
  }
}

TEST_P(GR32BitMasks, InversionsAndTheirReports) {
  TBitmap32 a, b;
  FillDistinct(a, 20, 3);
  const std::vector<TColor32> original = Pixels(a);
  InvertRGB(&a, &b);
  EXPECT_EQ(Pixels(a), original) << "the first argument is only read";
  ASSERT_EQ(b.Width(), 20);
  for (size_t i = 0; i < original.size(); ++i) ASSERT_EQ(b.Bits()[i], original[i] ^ 0x00FFFFFFu);

  AreaLog log;
  log.Watch(a);
  Invert(&a, &a, kAlpha);
  for (size_t i = 0; i < original.size(); ++i) ASSERT_EQ(a.Bits()[i], original[i] ^ 0xFF000000u);
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0], (AreaReport{TRect{0, 0, 20, 3}, AREAINFO_RECT}));

  log.Clear();
  ApplyBitmask(&a, TRect{30, 30, 40, 40}, 0xFFFFFFFF, loXOR);
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0], (AreaReport{TRect{0, 0, 0, 0}, AREAINFO_RECT})) << "a rectangle that misses";
  log.Clear();
  ApplyBitmask(&b, 0, 0, &a, TRect{25, 0, 30, 3}, 0xFFFFFFFF, loXOR);
  EXPECT_EQ(log.areas.size(), 0u) << "b is watched by nobody";
  b.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  ApplyBitmask(&b, 0, 0, &a, TRect{25, 0, 30, 3}, 0xFFFFFFFF, loXOR);
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0].Area, (TRect{0, 0, 0, 0}));
}

std::string FamilyName(const ::testing::TestParamInfo<TMaskRowFamily>& info) {
  static const char* const kNames[] = {"Plain", "Packed64", "Packed128"};
  return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(Families, GR32BitMasks, ::testing::Values(mrPlain, mrPacked64, mrPacked128), FamilyName);

}  // namespace
