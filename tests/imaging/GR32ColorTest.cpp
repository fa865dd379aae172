#include <gtest/gtest.h>

#include "imaging/GR32.h"
#include "platform/core/WinApi.h"

namespace {

TEST(GR32Colour, ConstructionAndChannels) {
  EXPECT_EQ(Color32(0x00332211), 0xFF112233u);  // platform colour: red in the low byte
  EXPECT_EQ(Color32(0x11, 0x22, 0x33, 0x44), 0x44112233u);
  TPalette32 palette{};
  palette[7] = 0x12345678;
  EXPECT_EQ(Color32(7, palette), 0x12345678u);
  EXPECT_EQ(Gray32(0x40, 0x80), 0x80404040u);
  EXPECT_EQ(WinColor(0x80112233), 0x00332211);
  EXPECT_EQ(ArrayOfColor32({1, 2, 3}), (TArrayOfColor32{1, 2, 3}));
  Byte r, g, b, a;
  Color32ToRGBA(0x44112233, r, g, b, a);
  EXPECT_EQ((std::array<int, 4>{r, g, b, a}), (std::array<int, 4>{0x11, 0x22, 0x33, 0x44}));
  EXPECT_EQ(Color32Components(true, false, true, false), 5);
  EXPECT_EQ(RedComponent(0x44112233), 0x11);
  EXPECT_EQ(AlphaComponent(0x44112233), 0x44);
}

TEST(GR32Colour, SystemColourUsesTheCurrentValue) {
  TPlatformColor face = TPlatformColor(0x80000000u | COLOR_BTNFACE);
  DWORD sys = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(Color32(face), 0xFF000000u | (sys & 0xFF) << 16 | (sys & 0xFF00) | (sys >> 16 & 0xFF));
}

TEST(GR32Colour, IntensityAndAlpha) {
  EXPECT_EQ(Intensity(0xFFFFFFFF), 255);
  EXPECT_EQ(Intensity(0xFF00FF00), 173);
  EXPECT_EQ(SetAlpha(0x80112233, -5), 0x00112233u);
  EXPECT_EQ(SetAlpha(0x80112233, 300), 0xFF112233u);
  EXPECT_EQ(SetAlpha(0x80112233, 7), 0x07112233u);
}

TEST(GR32Colour, IntegerHsl) {
  struct Case {
    TColor32 rgb;
    int h, s, l;
  } cases[] = {
      {0xFF808080, 0, 0, 128},    // grey: no hue, no saturation
      {0xFFFF0000, 0, 255, 127},  // red
      {0xFF00FF00, 85, 255, 127}, // green
      {0xFF0000FF, 170, 255, 127},
  };
  for (const Case& c : cases) {
    Byte h, s, l;
    RGBtoHSL(c.rgb, h, s, l);
    EXPECT_EQ((std::array<int, 3>{h, s, l}), (std::array<int, 3>{c.h, c.s, c.l})) << std::hex << c.rgb;
  }
  // The integer form answers alpha 0, the float form alpha 255.
  EXPECT_EQ(HSLtoRGB(0, 255, 127), 0x00FD0101u);  // V = 127 * 511 shr 8 = 253, M = 1
  EXPECT_EQ(HSLtoRGB(0, 0, 0), 0u);
  EXPECT_EQ(HSLtoRGB(0.0f, 1.0f, 0.5f), 0xFFFF0000u);
  EXPECT_EQ(HSLtoRGB(1.0f / 3, 1.0f, 0.5f), 0xFF00FF00u);
  EXPECT_EQ(HSLtoRGB(0.5f, 0.0f, 0.5f), 0xFF808080u);
}

TEST(GR32Colour, FloatHslRoundTrip) {
  for (TColor32 c : {0xFFFF0000u, 0xFF123456u, 0xFF808080u, 0xFFFFFFFFu, 0xFF00C0FFu}) {
    float h, s, l;
    RGBtoHSL(c, h, s, l);
    EXPECT_EQ(HSLtoRGB(h, s, l), c) << std::hex << c;
  }
  float h, s, l;
  RGBtoHSL(0xFF0000FF, h, s, l);
  EXPECT_FLOAT_EQ(h, 4.0f / 6);
}

TEST(GR32Rect, MakeRectRounding) {
  struct Case {
    TRectRounding rounding;
    TRect fromFloat, fromFixed;
  } cases[] = {
      {rrClosest, {0, 0, 6, 6}, {0, 0, 6, 6}},
      {rrOutside, {0, 0, 6, 6}, {0, 0, 6, 6}},
      {rrInside, {1, 1, 5, 5}, {1, 1, 5, 5}},  // inside in both forms
  };
  TFloatRect fr{0.2f, 0.2f, 5.7f, 5.7f};
  for (const Case& c : cases) {
    EXPECT_EQ(MakeRect(fr, c.rounding), c.fromFloat) << int(c.rounding);
    EXPECT_EQ(MakeRect(FixedRect(fr), c.rounding), c.fromFixed) << int(c.rounding);
  }
  // A rectangle narrower than a pixel collapses instead of turning over.
  EXPECT_EQ(MakeRect(TFloatRect{0.2f, 0.2f, 0.8f, 0.8f}, rrInside), (TRect{1, 1, 1, 1}));
}

TEST(GR32Rect, IntersectUnionAndTests) {
  TRect r;
  EXPECT_TRUE(IntersectRect(r, TRect{0, 0, 5, 5}, TRect{5, 0, 9, 5}));  // touching edges
  EXPECT_EQ(r, (TRect{5, 0, 5, 5}));
  EXPECT_FALSE(IntersectRect(r, TRect{0, 0, 5, 5}, TRect{6, 0, 9, 5}));
  EXPECT_EQ(r, TRect{});
  TRect a{1, 2, 3, 4};
  EXPECT_TRUE(IntersectRect(a, a, TRect{2, 0, 9, 9}));
  EXPECT_EQ(a, (TRect{2, 2, 3, 4}));
  EXPECT_TRUE(UnionRect(r, TRect{1, 2, 3, 4}, TRect{5, 5, 5, 9}));
  EXPECT_EQ(r, (TRect{1, 2, 3, 4}));
  EXPECT_TRUE(UnionRect(r, TRect{1, 2, 3, 4}, TRect{0, 3, 5, 9}));
  EXPECT_EQ(r, (TRect{0, 2, 5, 9}));
  EXPECT_FALSE(UnionRect(r, TRect{3, 3, 3, 9}, TRect{}));
  EXPECT_EQ(r, TRect{});
  TFloatRect f;
  EXPECT_TRUE(IntersectRect(f, TFloatRect{0, 0, 1.5f, 1}, TFloatRect{1.5f, 0, 2, 1}));
  EXPECT_TRUE(IsRectEmpty(TRect{0, 0, 0, 5}));
  EXPECT_FALSE(IsRectEmpty(TFloatRect{0, 0, 0.5f, 0.5f}));
  EXPECT_TRUE(PtInRect(TRect{0, 0, 2, 2}, TPoint{1, 1}));
  EXPECT_FALSE(PtInRect(TRect{0, 0, 2, 2}, TPoint{2, 1}));
  EXPECT_TRUE(EqualRectSize(TRect{0, 0, 2, 3}, TRect{5, 5, 7, 8}));
  EXPECT_TRUE(EqualRectSize(TFloatRect{0, 0, 2.5f, 3}, TFloatRect{1, 1, 3.5f, 4}));
  TRect g{1, 1, 3, 3};
  InflateRect(g, 1, 2);
  EXPECT_EQ(g, (TRect{0, -1, 4, 5}));
  OffsetRect(g, 2, 1);
  EXPECT_EQ(g, (TRect{2, 0, 6, 6}));
}

TEST(GR32Fixed, Conversions) {
  EXPECT_EQ(Fixed(1.5f), 98304);
  EXPECT_EQ(Fixed(-2), -131072);
  EXPECT_EQ(Point(FloatPoint(2.5f, 3.5f)), (TPoint{2, 4}));  // ties to even
  EXPECT_EQ(Point(TFixedPoint{32768, 32769}), (TPoint{0, 1}));
  EXPECT_EQ(FixedPoint(TPoint{1, -1}), (TFixedPoint{65536, -65536}));
  EXPECT_EQ(FloatPoint(TFixedPoint{98304, -32768}), (TFloatPoint{1.5f, -0.5f}));
  EXPECT_EQ(FixedRect(TRect{1, 2, 3, 4}), (TFixedRect{65536, 131072, 196608, 262144}));
  EXPECT_EQ(FloatRect(TFixedRect{32768, 0, 65536, 98304}), (TFloatRect{0.5f, 0, 1, 1.5f}));
}

TEST(GR32Gamma, TableFollowsTheCurve) {
  SetGamma(1.0f);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(GAMMA_TABLE[i], i);
  SetGamma(0.7f);
  EXPECT_EQ(GAMMA_TABLE[0], 0);
  EXPECT_EQ(GAMMA_TABLE[255], 255);
  EXPECT_EQ(GAMMA_TABLE[128], 157);  // Round((128/255)^0.7 * 255)
}

}  // namespace
