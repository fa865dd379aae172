#include "framed/common/RzCommon_Colors.h"

#include <cstdlib>

#include "platform/core/Math.h"

const TColor ULFrameColor[kFrameStyleCount] = {
    clWindow,       cl3DDkShadow, clBtnShadow, clBtnHighlight, clBtnShadow, clNone,
    cl3DDkShadow,   clNone,       clBtnShadow, clBtnHighlight, clBtnShadow};
const TColor LRFrameColor[kFrameStyleCount] = {
    clWindow,  cl3DDkShadow, clBtnHighlight, clBtnShadow, clBtnHighlight, clNone,
    clBtnFace, clNone,       clBtnHighlight, clBtnShadow, clBtnShadow};

const Word DrawTextAlignments[3] = {DT_LEFT, DT_RIGHT, DT_CENTER};
const Word SetTextAlignments[3] = {TA_LEFT, TA_RIGHT, TA_CENTER};

namespace {

Byte RoundByte(double value) { return static_cast<Byte>(Round(value)); }

}  // namespace

void ColorToHSL(TColor color, Byte& hue, Byte& saturation, Byte& luminance) {
  TColor rgb = ColorToRGB(color);
  double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
  double max = r > g ? r : g;
  if (b > max) max = b;
  double min = r < g ? r : g;
  if (b < min) min = b;
  double l = (max + min) / 2;
  double h = 0, s = 0;
  if (max != min) {
    double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    if (r == max)
      h = (g - b) / d;
    else if (g == max)
      h = 2 + (b - r) / d;
    else
      h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0) h += 1;
  }
  hue = RoundByte(h * 240);
  saturation = RoundByte(s * 240);
  luminance = RoundByte(l * 240);
}

Byte ColorHue(TColor color) {
  Byte h, s, l;
  ColorToHSL(color, h, s, l);
  return h;
}

Byte ColorSaturation(TColor color) {
  Byte h, s, l;
  ColorToHSL(color, h, s, l);
  return s;
}

Byte ColorLuminance(TColor color) {
  Byte h, s, l;
  ColorToHSL(color, h, s, l);
  return l;
}

TColor HSLtoColor(Byte hue, Byte saturation, Byte luminance) {
  double h = hue / 239.0, s = saturation / 240.0, l = luminance / 240.0;
  double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
  if (v <= 0) return 0;
  double m = 2 * l - v;
  double sv = (v - m) / v;
  double h6 = h * 6;
  int sextant = static_cast<int>(Trunc(h6));
  double f = h6 - sextant;
  double vsf = v * sv * f;
  double mid1 = m + vsf, mid2 = v - vsf;
  double red, green, blue;
  switch (sextant) {
    case 1: red = mid2, green = v, blue = m; break;
    case 2: red = m, green = v, blue = mid1; break;
    case 3: red = m, green = mid2, blue = v; break;
    case 4: red = mid1, green = m, blue = v; break;
    case 5: red = v, green = m, blue = mid2; break;
    default: red = v, green = mid1, blue = m; break;  // 0, and 6 for hues of 239 and above
  }
  auto channel = [](double value) { return RoundByte((value > 1.0 ? 1.0 : value) * 255); };
  return RGBColor(channel(red), channel(green), channel(blue));
}

TColor DarkerColor(TColor color, int amount) {
  Byte h, s, l;
  ColorToHSL(color, h, s, l);
  return HSLtoColor(h, s, static_cast<Byte>(Max(l - ClampAmount(amount), 0)));
}

TColor LighterColor(TColor color, int amount) {
  Byte h, s, l;
  ColorToHSL(color, h, s, l);
  return HSLtoColor(h, s, static_cast<Byte>(Min(l + ClampAmount(amount), 255)));
}

TColor AdjustColor(TColor color, int adjustment) {
  if (adjustment < 0) return DarkerColor(color, adjustment == INT32_MIN ? 255 : -adjustment);
  if (adjustment > 0) return LighterColor(color, adjustment);
  return color;
}

TColor BlendColors(TColor first, TColor second, Byte opacity) {
  TColor c1 = ColorToRGB(first), c2 = ColorToRGB(second);
  float f = opacity / 255.0f;
  auto mix = [f](Byte a, Byte b) {
    float value = a * f + (1.0f - f) * b;
    return static_cast<Byte>(Round(value));
  };
  return RGBColor(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                  mix(GetBValue(c1), GetBValue(c2)));
}

bool ColorsTooClose(TColor color1, TColor color2) {
  Byte h1, s1, l1, h2, s2, l2;
  ColorToHSL(color1, h1, s1, l1);
  ColorToHSL(color2, h2, s2, l2);
  return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ComplementaryColor(TColor color, Byte luminance) {
  Byte hue = ColorHue(color);
  Byte opposite = static_cast<Byte>(hue >= 120 ? hue - 120 : hue + 120);
  return HSLtoColor(opposite, 240, luminance);
}

TColor ComplementaryColor(TColor color) { return ComplementaryColor(color, ColorLuminance(color)); }

bool FullColorSupport() {
  HDC screen = ::GetDC(nullptr);
  int colors = ::GetDeviceCaps(screen, NUMCOLORS);
  ::ReleaseDC(nullptr, screen);
  return colors == -1;
}
