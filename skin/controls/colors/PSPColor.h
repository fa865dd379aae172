// The colour dialog's colour model and geometry: TPSPColor keeps RGB, HSL
// (0..1) and HSL bytes (0..255) of one colour in step; the HSV conversions of
// the dialog's fields; the angles and points of the colour wheel.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/graphics/Colors.h"

struct TRGB {
  Byte R = 0, G = 0, B = 0;
  bool operator==(const TRGB&) const = default;
};
struct THSL {
  double H = 0, S = 0, L = 0;
};
struct THSLPSP {
  Byte H = 0, S = 0, L = 0;
};
enum TClickZonePSP { czpspPnone, czpspPCircle, czpspPCar };

inline constexpr double CalcEpsilon = 1e-8;
inline constexpr double CalcRadian = 0.01745329252;
inline constexpr TRect PalettePSPCoord{0, 0, 195, 195};
inline constexpr TRect RectPSP{44, 44, 150, 150};

THSL RGBToHSL(const TRGB& rgb);
TRGB HSLToRGB(const THSL& hsl);
THSLPSP HSLToHSLPSP(const THSL& hsl);
THSL HSLPSPToHSL(const THSLPSP& bytes);

class TPSPColor {
public:
  TRGB RGB;
  THSL HSL;
  THSLPSP HSLPSP;
  void SetRGB(const TRGB& value);
  void SeTHSL(const THSL& value);
  void SeTHSLPSP(const THSLPSP& value);
  void Assign(const TPSPColor& other) { *this = other; }
};

// The dialog's H (0..359), S and V (0..100) fields. A grey colour has no hue:
// `hasHue` is false and H is left as it was.
struct THSVFields {
  Integer H = 0, S = 0, V = 0;
};
bool RGBToHSV(const TRGB& rgb, THSVFields& hsv);
TRGB HSVToRGB(const THSVFields& hsv);
TRGB ColorToRGBBytes(TColor color);
TColor RGBBytesToColor(const TRGB& rgb);

double CalcAngle360(double a);
double CalcDistancePoints(double x1, double y1, double x2, double y2);
double CalcArcTan(double y);
double CalcArcSinRadians(double x);
double CalcArcCosRadians(double x);
double CalcAnglePoints(double x1, double y1, double x2, double y2);
double CalcAngle3Points(double x1, double y1, double x2, double y2, double x3, double y3);
void CalcPointSurEllipse(double cx, double cy, double rx, double ry, double angle, double& x, double& y);
void CalcRotationPoint(double x1, double y1, double angle, double x2, double y2, double& x, double& y);
