// Colour arithmetic: HSL both ways, darker, lighter, adjusted, blended and
// complementary colours, and the closeness test.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Colors.h"

namespace {

struct HslCase {
  const char* Name;
  TColor Color;
  int Hue, Saturation, Luminance;
};

const HslCase kToHsl[] = {
    {"red", 0x0000FF, 0, 240, 120},
    {"green", 0x00FF00, 80, 240, 120},
    {"blue", 0xFF0000, 160, 240, 120},
    {"aqua", 0xFFFF00, 120, 240, 120},
    {"white", 0xFFFFFF, 0, 0, 240},
    {"black", 0x000000, 0, 0, 0},
    {"gray 128", 0x808080, 0, 0, 120},   // 128 / 255 x 240 = 120.47
    {"red with a little blue", 0x0500FF, 239, 240, 120},
};

TEST(ColorArithmetic, ColorToHslOfPlainColours) {
  for (const HslCase& c : kToHsl) {
    Byte h, s, l;
    ColorToHSL(c.Color, h, s, l);
    EXPECT_EQ(h, c.Hue) << c.Name;
    EXPECT_EQ(s, c.Saturation) << c.Name;
    EXPECT_EQ(l, c.Luminance) << c.Name;
    EXPECT_EQ(ColorHue(c.Color), c.Hue) << c.Name;
    EXPECT_EQ(ColorSaturation(c.Color), c.Saturation) << c.Name;
    EXPECT_EQ(ColorLuminance(c.Color), c.Luminance) << c.Name;
  }
}

TEST(ColorArithmetic, SystemColoursAreResolvedFirst) {
  Byte h1, s1, l1, h2, s2, l2;
  ColorToHSL(clBtnFace, h1, s1, l1);
  ColorToHSL(ColorToRGB(clBtnFace), h2, s2, l2);
  EXPECT_EQ(h1, h2);
  EXPECT_EQ(s1, s2);
  EXPECT_EQ(l1, l2);
  EXPECT_EQ(BlendColors(clBtnFace, clWindow, 255), ColorToRGB(clBtnFace));
}

struct ToColorCase {
  int Hue, Saturation, Luminance;
  TColor Expected;
};

const ToColorCase kToColor[] = {
    {0, 0, 240, 0xFFFFFF},
    {0, 240, 0, 0x000000},
    {200, 100, 0, 0x000000},
    {0, 240, 120, 0x0000FF},
    {239, 240, 120, 0x0000FF},  // sextant 6 is drawn as sextant 0
    {80, 240, 120, 0x02FF00},   // hues are divided by 239: 80 lands a little past green
    {120, 240, 120, 0xFFFC00},
    {0, 0, 120, 0x808080},      // 0.5 x 255 = 127.5 rounds to even 128
};

TEST(ColorArithmetic, HslToColor) {
  for (const ToColorCase& c : kToColor)
    EXPECT_EQ(HSLtoColor(c.Hue, c.Saturation, c.Luminance), c.Expected)
        << c.Hue << "," << c.Saturation << "," << c.Luminance;
}

TEST(ColorArithmetic, DarkerAndLighterByTheWholeScale) {
  for (TColor color : {0x0000FF, 0x123456, 0x808080, 0xFFFFFF, 0x000000, clBtnFace}) {
    EXPECT_EQ(DarkerColor(color, 255), 0x000000) << std::hex << color;
    EXPECT_EQ(LighterColor(color, 255), 0xFFFFFF) << std::hex << color;
  }
  EXPECT_EQ(LighterColor(0x808080, 40), HSLtoColor(0, 0, 160));
  EXPECT_EQ(DarkerColor(0x808080, 40), HSLtoColor(0, 0, 80));
}

TEST(ColorArithmetic, AdjustColorDirectionsAndClamp) {
  EXPECT_EQ(AdjustColor(clBtnFace, 0), static_cast<TColor>(0x8000000F));
  EXPECT_EQ(AdjustColor(0x808080, 30), LighterColor(0x808080, 30));
  EXPECT_EQ(AdjustColor(0x808080, -30), DarkerColor(0x808080, 30));
  // Amounts beyond a byte are clamped, not cut to their low byte (300 is not 44).
  EXPECT_EQ(AdjustColor(0x808080, 300), 0xFFFFFF);
  EXPECT_EQ(AdjustColor(0x808080, -300), 0x000000);
  EXPECT_EQ(LighterColor(0x808080, 300), 0xFFFFFF);
  EXPECT_EQ(DarkerColor(0x808080, -5), 0x808080);  // a negative amount changes nothing
}

TEST(ColorArithmetic, BlendAtTheEndsAndTheMiddle) {
  EXPECT_EQ(BlendColors(0x0000FF, 0x00FF00, 255), 0x0000FF);
  EXPECT_EQ(BlendColors(0x0000FF, 0x00FF00, 0), 0x00FF00);
  // f = 128 / 255 in single precision: red 255 f = 128, green 255 (1 - f) = 127.
  EXPECT_EQ(BlendColors(0x0000FF, 0x00FF00, 128), 0x007F80);
  EXPECT_EQ(BlendColors(0xFFFFFF, 0x000000, 128), 0x808080);
  EXPECT_EQ(BlendColors(0x000000, 0xFFFFFF, 128), 0x7F7F7F);
}

TEST(ColorArithmetic, TooCloseComparesHueWithoutWrap) {
  EXPECT_FALSE(ColorsTooClose(0x0000FF, 0x0500FF));  // hues 0 and 239
  EXPECT_TRUE(ColorsTooClose(0x0000FF, 0x0000E0));   // same hue, luminances 120 and 105
  EXPECT_FALSE(ColorsTooClose(0x0000FF, 0x000040));  // same hue, luminance 60 apart
  EXPECT_FALSE(ColorsTooClose(0x0000FF, 0x00FF00));
}

TEST(ColorArithmetic, ComplementaryColours) {
  EXPECT_EQ(ComplementaryColor(0xFFFF00), 0x0000FF);  // hue 120 gives hue 0
  EXPECT_EQ(ComplementaryColor(0x0000FF), 0xFFFC00);  // hue 0 gives hue 120
  EXPECT_EQ(ComplementaryColor(0x0000FF, 240), 0xFFFFFF);
  EXPECT_EQ(ComplementaryColor(0x0000FF, 0), 0x000000);
}

TEST(ColorArithmetic, FrameColourTables) {
  EXPECT_EQ(ULFrameColor[fsFlat], cl3DDkShadow);
  EXPECT_EQ(LRFrameColor[fsRaised], clBtnFace);
  EXPECT_EQ(ULFrameColor[fsButtonUp], clNone);
  EXPECT_EQ(LRFrameColor[fsFlatBold], clBtnShadow);
  EXPECT_EQ(DrawTextAlignments[taCenter], DT_CENTER);
  EXPECT_EQ(SetTextAlignments[taRightJustify], TA_RIGHT);
}

}  // namespace
