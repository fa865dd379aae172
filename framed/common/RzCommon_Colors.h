// Colour arithmetic of the framed controls: hue, saturation and luminance on a
// 0..240 scale, darker, lighter, blended and complementary colours, and the test
// whether two colours are too close to tell apart. System colours are resolved
// to their current RGB value before any arithmetic.
#pragma once

#include "framed/common/RzCommon_Types.h"

void ColorToHSL(TColor color, Byte& hue, Byte& saturation, Byte& luminance);
Byte ColorHue(TColor color);
Byte ColorSaturation(TColor color);
Byte ColorLuminance(TColor color);
TColor HSLtoColor(Byte hue, Byte saturation, Byte luminance);

// Amounts are luminance steps; an int amount outside 0..255 is clamped.
TColor DarkerColor(TColor color, int amount);
TColor LighterColor(TColor color, int amount);
// Darker for a negative, lighter for a positive adjustment (its size clamped to
// 255); 0 gives the colour itself, a system colour unchanged.
TColor AdjustColor(TColor color, int adjustment);
// first x f + second x (1 - f) per channel, f = opacity / 255 in single precision.
TColor BlendColors(TColor first, TColor second, Byte opacity);
// Hues less than 20 apart (no wrap around the circle) and luminances less than 60.
bool ColorsTooClose(TColor color1, TColor color2);
TColor ComplementaryColor(TColor color);
TColor ComplementaryColor(TColor color, Byte luminance);
// More than 256 colours on the screen.
bool FullColorSupport();

// The amount a routine that takes one byte passes on: clamped to 0..255.
inline Byte ClampAmount(int amount) { return static_cast<Byte>(amount < 0 ? 0 : (amount > 255 ? 255 : amount)); }
