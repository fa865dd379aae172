#include "skin/controls/colors/PSPColor.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "skin/controls/SkinCtrlHelpers.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

Byte ToByte(double v) { return static_cast<Byte>(std::clamp(RoundEven(v), 0, 255)); }

double Hue(double m1, double m2, double h) {
  if (h < 0) h += 1;
  else if (h > 1) h -= 1;
  if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
  if (2 * h < 1) return m2;
  if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
  return m1;
}

}  // namespace

THSL RGBToHSL(const TRGB& rgb) {
  double r = rgb.R / 255.0, g = rgb.G / 255.0, b = rgb.B / 255.0;
  double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  THSL out;
  out.L = (mx + mn) / 2;
  if (mx == mn) return out;
  double d = mx - mn;
  out.S = out.L < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
  double h6 = mx == r ? (g - b) / d : mx != g ? (r - g) / d + 4 : (b - r) / d + 2;
  out.H = h6 / 6;
  if (out.H < 0) out.H += 1;
  return out;
}

TRGB HSLToRGB(const THSL& hsl) {
  if (hsl.S == 0) {
    Byte v = ToByte(hsl.L * 255);
    return {v, v, v};
  }
  double m2 = hsl.L <= 0.5 ? hsl.L * (1 + hsl.S) : hsl.L + hsl.S - hsl.L * hsl.S;
  double m1 = 2 * hsl.L - m2;
  return {ToByte(Hue(m1, m2, hsl.H + 1.0 / 3) * 255), ToByte(Hue(m1, m2, hsl.H) * 255),
          ToByte(Hue(m1, m2, hsl.H - 1.0 / 3) * 255)};
}

THSLPSP HSLToHSLPSP(const THSL& hsl) { return {ToByte(hsl.H * 255), ToByte(hsl.S * 255), ToByte(hsl.L * 255)}; }

THSL HSLPSPToHSL(const THSLPSP& b) { return {b.H / 255.0, b.S / 255.0, b.L / 255.0}; }

void TPSPColor::SetRGB(const TRGB& value) {
  RGB = value;
  HSL = RGBToHSL(value);
  HSLPSP = HSLToHSLPSP(HSL);
}

void TPSPColor::SeTHSL(const THSL& value) {
  HSL = value;
  RGB = HSLToRGB(value);
  HSLPSP = HSLToHSLPSP(value);
}

void TPSPColor::SeTHSLPSP(const THSLPSP& value) {
  HSLPSP = value;
  HSL = HSLPSPToHSL(value);
  RGB = HSLToRGB(HSL);
}

bool RGBToHSV(const TRGB& rgb, THSVFields& hsv) {
  int mx = std::max({rgb.R, rgb.G, rgb.B}), mn = std::min({rgb.R, rgb.G, rgb.B});
  int d = mx - mn;
  if (d == 0) {
    hsv.S = 0;
    hsv.V = RoundEven(rgb.R * 100.0 / 255);
    return false;
  }
  hsv.S = RoundEven(static_cast<double>(d) / mx * 100);
  hsv.V = RoundEven(mx / 255.0 * 100);
  hsv.H = RoundEven(RGBToHSL(rgb).H * 359);
  return true;
}

TRGB HSVToRGB(const THSVFields& hsv) {
  double s = hsv.S / 100.0, v = hsv.V * 255.0 / 100;
  if (s == 0) return {ToByte(v), ToByte(v), ToByte(v)};
  double f = (hsv.H / 360.0) / (1.0 / 6);
  int i = static_cast<int>(std::floor(f));
  f -= i;
  double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r, g, b;
  switch (i) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
  return {ToByte(r), ToByte(g), ToByte(b)};
}

TRGB ColorToRGBBytes(TColor color) {
  auto c = static_cast<std::uint32_t>(color);
  return {static_cast<Byte>(c & 0xFF), static_cast<Byte>((c >> 8) & 0xFF), static_cast<Byte>((c >> 16) & 0xFF)};
}

TColor RGBBytesToColor(const TRGB& rgb) { return static_cast<TColor>(rgb.R + rgb.G * 256 + rgb.B * 65536); }

// ---- geometry ----

double CalcAngle360(double a) {
  while (a < 0) a += 360;
  while (a >= 360) a -= 360;
  return a;
}

double CalcDistancePoints(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

double CalcArcTan(double y) { return std::atan(y) / CalcRadian; }

double CalcArcSinRadians(double x) {
  double c = std::sqrt(std::max(0.0, 1 - x * x));
  if (std::fabs(c) >= CalcEpsilon) return std::atan(x / c);
  return x > 0 ? kPi / 2 : -kPi / 2;
}

double CalcArcCosRadians(double x) { return kPi / 2 - CalcArcSinRadians(x); }

double CalcAnglePoints(double x1, double y1, double x2, double y2) {
  double distance = CalcDistancePoints(x1, y1, x2, y2);
  if (distance < CalcEpsilon) return 0;
  double g = CalcArcCosRadians(std::fabs(x1 - x2) / distance);
  if (std::fabs(y1 - y2) >= CalcEpsilon && y2 < y1) g = -g;
  if (std::fabs(x1 - x2) >= CalcEpsilon && x2 < x1) g = kPi - g;
  if (std::fabs(g) < CalcEpsilon) g = 0;
  if (g < 0) g += 2 * kPi;
  return g / CalcRadian;
}

double CalcAngle3Points(double x1, double y1, double x2, double y2, double x3, double y3) {
  return CalcAngle360(CalcAnglePoints(x2, y2, x3, y3) - CalcAnglePoints(x2, y2, x1, y1));
}

void CalcPointSurEllipse(double cx, double cy, double rx, double ry, double angle, double& x, double& y) {
  angle = CalcAngle360(angle);
  double u = std::cos((90 - angle) * CalcRadian) * rx, w = std::sin((90 - angle) * CalcRadian) * ry;
  double t;
  if (std::fabs(w) < CalcEpsilon) {
    t = std::fabs(angle - 90) < 1e-7 ? 90 : 270;
  } else {
    t = CalcArcTan(u / w);
    if (angle >= 90 && angle < 270) t += 180;
  }
  x = cx + rx * std::cos(t * CalcRadian);
  y = cy + ry * std::sin(t * CalcRadian);
}

void CalcRotationPoint(double x1, double y1, double angle, double x2, double y2, double& x, double& y) {
  double r = CalcDistancePoints(x1, y1, x2, y2);
  CalcPointSurEllipse(x1, y1, r, r, CalcAnglePoints(x1, y1, x2, y2) + angle, x, y);
}
