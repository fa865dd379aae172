// Colours, fixed-point numbers, points and rectangles.
#include "imaging/GR32.h"

#include <algorithm>
#include <cmath>

#include "imaging/GR32_Math.h"
#include "platform/core/Math.h"
#include "platform/core/WinApi.h"

Byte GAMMA_TABLE[256];

void SetGamma(float gamma) {
  for (int i = 0; i < 256; ++i) GAMMA_TABLE[i] = Byte(Round(Power(i / 255.0L, gamma) * 255));
}

TColor32 Color32(TPlatformColor winColor) {
  Cardinal c = Cardinal(winColor);
  if (winColor < 0) c = ::GetSysColor(int(c & 0xFF));
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

TColor32 Color32(Byte r, Byte g, Byte b, Byte a) { return Cardinal(a) << 24 | Cardinal(r) << 16 | Cardinal(g) << 8 | b; }

TColor32 Color32(Byte index, const TPalette32& palette) { return palette[index]; }

TColor32 Gray32(Byte intensity, Byte alpha) { return Cardinal(alpha) << 24 | Cardinal(intensity) * 0x010101u; }

TPlatformColor WinColor(TColor32 color) {
  return TPlatformColor((color >> 16 & 0xFF) | (color & 0xFF00) | (color & 0xFF) << 16);
}

TArrayOfColor32 ArrayOfColor32(std::initializer_list<TColor32> colors) { return TArrayOfColor32(colors); }

void Color32ToRGB(TColor32 color, Byte& r, Byte& g, Byte& b) {
  r = Byte(color >> 16);
  g = Byte(color >> 8);
  b = Byte(color);
}

void Color32ToRGBA(TColor32 color, Byte& r, Byte& g, Byte& b, Byte& a) {
  Color32ToRGB(color, r, g, b);
  a = Byte(color >> 24);
}

TColor32Components Color32Components(bool r, bool g, bool b, bool a) {
  return TColor32Components((b ? 1 : 0) | (g ? 2 : 0) | (r ? 4 : 0) | (a ? 8 : 0));
}

Integer Intensity(TColor32 color) {
  return Integer((RedComponent(color) * 61 + GreenComponent(color) * 174 + BlueComponent(color) * 21) >> 8);
}

TColor32 SetAlpha(TColor32 color, Integer alpha) {
  if (alpha < 0) alpha = 0;
  if (alpha > 255) alpha = 255;
  return (color & 0x00FFFFFF) | Cardinal(alpha) << 24;
}

void* WinPalette(const TPalette32& palette) {
  struct {
    WORD version, count;
    PALETTEENTRY entries[256];
  } lp;
  lp.version = 0x300;
  lp.count = 256;
  for (int i = 0; i < 256; ++i) {
    lp.entries[i].peRed = Byte(palette[i] >> 16);
    lp.entries[i].peGreen = Byte(palette[i] >> 8);
    lp.entries[i].peBlue = Byte(palette[i]);
    lp.entries[i].peFlags = 0;
  }
  return ::CreatePalette(reinterpret_cast<LOGPALETTE*>(&lp));
}

// ---------------------------------------------------------------------------
// HSL

namespace {
float HueToChannel(float m1, float m2, float h) {
  h = h - std::floor(h);
  if (6 * h < 1) return m1 + (m2 - m1) * h * 6;
  if (2 * h < 1) return m2;
  if (3 * h < 2) return m1 + (m2 - m1) * (2.0f / 3 - h) * 6;
  return m1;
}
}  // namespace

TColor32 HSLtoRGB(float h, float s, float l) {
  if (s == 0) {
    Byte v = Byte(Round(255 * l));
    return Color32(v, v, v, 255);
  }
  float m2 = l <= 0.5f ? l * (1 + s) : l + s - l * s;
  float m1 = 2 * l - m2;
  return Color32(Byte(Round(HueToChannel(m1, m2, h + 1.0f / 3) * 255)), Byte(Round(HueToChannel(m1, m2, h) * 255)),
                 Byte(Round(HueToChannel(m1, m2, h - 1.0f / 3) * 255)), 255);
}

void RGBtoHSL(TColor32 color, float& h, float& s, float& l) {
  float r = RedComponent(color) / 255.0f, g = GreenComponent(color) / 255.0f, b = BlueComponent(color) / 255.0f;
  float mx = std::fmax(r, std::fmax(g, b)), mn = std::fmin(r, std::fmin(g, b));
  l = (mx + mn) / 2;
  if (mx == mn) {
    h = 0;
    s = 0;
    return;
  }
  float d = mx - mn;
  s = l < 0.5f ? d / (mx + mn) : d / (2 - mx - mn);
  if (r == mx) h = (g - b) / d;
  else if (g == mx) h = 2 + (b - r) / d;
  else h = 4 + (r - g) / d;
  h = h / 6;
  if (h < 0) h = h + 1;
}

TColor32 HSLtoRGB(Integer h, Integer s, Integer l) {
  Integer v = l <= 127 ? (l * (s + 256)) >> 8 : l + s - (l * s) / 255;
  if (v <= 0) return 0;
  Integer m = 2 * l - v;
  Integer h6 = h * 6;
  Integer f = ((v - m) * (h6 & 255)) >> 8;
  Integer mid1 = m + f, mid2 = v - f;
  auto rgb = [](Integer r, Integer g, Integer b) {
    return TColor32(Cardinal(r & 0xFF) << 16 | Cardinal(g & 0xFF) << 8 | Cardinal(b & 0xFF));
  };
  switch (h6 >> 8) {
    case 0: return rgb(v, mid1, m);
    case 1: return rgb(mid2, v, m);
    case 2: return rgb(m, v, mid1);
    case 3: return rgb(m, mid2, v);
    case 4: return rgb(mid1, m, v);
    case 5: return rgb(v, m, mid2);
    default: return 0;
  }
}

void RGBtoHSL(TColor32 color, Byte& h, Byte& s, Byte& l) {
  Integer r = RedComponent(color), g = GreenComponent(color), b = BlueComponent(color);
  Integer mx = std::max(r, std::max(g, b)), mn = std::min(r, std::min(g, b));
  l = Byte((mx + mn) / 2);
  if (mx == mn) {
    h = 0;
    s = 0;
    return;
  }
  Integer d = (mx - mn) * 255;
  Integer sv = l <= 127 ? d / (mx + mn) : d / (510 - mx - mn);
  Integer hv;
  if (r == mx) hv = (g - b) * 65025 / (6 * d);
  else if (g == mx) hv = (b - r) * 65025 / (6 * d) + 85;
  else hv = (r - g) * 65025 / (6 * d) + 170;
  if (hv < 0) hv += 510;
  h = Byte(hv);
  s = Byte(sv);
}

// ---------------------------------------------------------------------------
// Fixed point, points and rectangles

TFixed Fixed(float s) { return TFixed(Round(s * 65536.0f)); }
TFixed Fixed(Integer i) { return TFixed(Cardinal(i) << 16); }
TPoint Point(const TFloatPoint& p) { return {Integer(Round(p.X)), Integer(Round(p.Y))}; }
TPoint Point(const TFixedPoint& p) { return {FixedRound(p.X), FixedRound(p.Y)}; }
TFloatPoint FloatPoint(float x, float y) { return {x, y}; }
TFloatPoint FloatPoint(const TPoint& p) { return {float(p.X), float(p.Y)}; }
TFloatPoint FloatPoint(const TFixedPoint& p) { return {p.X * (1.0f / 65536), p.Y * (1.0f / 65536)}; }
TFixedPoint FixedPoint(Integer x, Integer y) { return {Fixed(x), Fixed(y)}; }
TFixedPoint FixedPoint(float x, float y) { return {Fixed(x), Fixed(y)}; }
TFixedPoint FixedPoint(const TPoint& p) { return {Fixed(p.X), Fixed(p.Y)}; }
TFixedPoint FixedPoint(const TFloatPoint& p) { return {Fixed(p.X), Fixed(p.Y)}; }

TRect MakeRect(Integer l, Integer t, Integer r, Integer b) { return {l, t, r, b}; }

TRect MakeRect(const TFloatRect& fr, TRectRounding rounding) {
  TRect r;
  switch (rounding) {
    case rrClosest:
      r = {Integer(Round(fr.Left)), Integer(Round(fr.Top)), Integer(Round(fr.Right)), Integer(Round(fr.Bottom))};
      break;
    case rrOutside:
      r = {Integer(Floor(fr.Left)), Integer(Floor(fr.Top)), Integer(Ceil(fr.Right)), Integer(Ceil(fr.Bottom))};
      break;
    case rrInside:  // Right and Bottom round down, so the rectangle stays inside
      r = {Integer(Ceil(fr.Left)), Integer(Ceil(fr.Top)), Integer(Floor(fr.Right)), Integer(Floor(fr.Bottom))};
      break;
  }
  if (rounding != rrClosest) {
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
  }
  return r;
}

TRect MakeRect(const TFixedRect& fxr, TRectRounding rounding) {
  TRect r;
  switch (rounding) {
    case rrClosest:
      r = {FixedRound(fxr.Left), FixedRound(fxr.Top), FixedRound(fxr.Right), FixedRound(fxr.Bottom)};
      break;
    case rrOutside:
      r = {FixedFloor(fxr.Left), FixedFloor(fxr.Top), FixedCeil(fxr.Right), FixedCeil(fxr.Bottom)};
      break;
    case rrInside:
      r = {FixedCeil(fxr.Left), FixedCeil(fxr.Top), FixedFloor(fxr.Right), FixedFloor(fxr.Bottom)};
      break;
  }
  if (rounding != rrClosest) {
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
  }
  return r;
}

TFixedRect FixedRect(TFixed l, TFixed t, TFixed r, TFixed b) { return {l, t, r, b}; }
TFixedRect FixedRect(const TRect& r) { return {Fixed(r.Left), Fixed(r.Top), Fixed(r.Right), Fixed(r.Bottom)}; }
TFixedRect FixedRect(const TFloatRect& fr) {
  return {Fixed(fr.Left), Fixed(fr.Top), Fixed(fr.Right), Fixed(fr.Bottom)};
}
TFloatRect FloatRect(float l, float t, float r, float b) { return {l, t, r, b}; }
TFloatRect FloatRect(const TRect& r) { return {float(r.Left), float(r.Top), float(r.Right), float(r.Bottom)}; }
TFloatRect FloatRect(const TFixedRect& r) {
  const float k = 1.0f / 65536;
  return {r.Left * k, r.Top * k, r.Right * k, r.Bottom * k};
}

bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2) {
  TRect r{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top), std::min(r1.Right, r2.Right),
          std::min(r1.Bottom, r2.Bottom)};
  bool ok = r.Right >= r.Left && r.Bottom >= r.Top;
  dst = ok ? r : TRect{};
  return ok;
}

bool IntersectRect(TFloatRect& dst, const TFloatRect& r1, const TFloatRect& r2) {
  TFloatRect r{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top), std::min(r1.Right, r2.Right),
               std::min(r1.Bottom, r2.Bottom)};
  bool ok = r.Right >= r.Left && r.Bottom >= r.Top;
  dst = ok ? r : TFloatRect{};
  return ok;
}

bool UnionRect(TRect& dst, const TRect& r1, const TRect& r2) {
  TRect r = r1;
  if (!IsRectEmpty(r2)) {
    r.Left = std::min(r.Left, r2.Left);
    r.Top = std::min(r.Top, r2.Top);
    r.Right = std::max(r.Right, r2.Right);
    r.Bottom = std::max(r.Bottom, r2.Bottom);
  }
  if (IsRectEmpty(r)) r = TRect{};
  dst = r;
  return !IsRectEmpty(r);
}

bool UnionRect(TFloatRect& dst, const TFloatRect& r1, const TFloatRect& r2) {
  TFloatRect r = r1;
  if (!IsRectEmpty(r2)) {
    r.Left = std::min(r.Left, r2.Left);
    r.Top = std::min(r.Top, r2.Top);
    r.Right = std::max(r.Right, r2.Right);
    r.Bottom = std::max(r.Bottom, r2.Bottom);
  }
  if (IsRectEmpty(r)) r = TFloatRect{};
  dst = r;
  return !IsRectEmpty(r);
}

bool EqualRect(const TRect& r1, const TRect& r2) { return r1 == r2; }
bool EqualRectSize(const TRect& r1, const TRect& r2) {
  return r1.Width() == r2.Width() && r1.Height() == r2.Height();
}
bool EqualRectSize(const TFloatRect& r1, const TFloatRect& r2) {
  TFixedRect a = FixedRect(r1), b = FixedRect(r2);
  return a.Right - a.Left == b.Right - b.Left && a.Bottom - a.Top == b.Bottom - b.Top;
}
void InflateRect(TRect& r, Integer dx, Integer dy) { r = {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }
void InflateRect(TFloatRect& r, float dx, float dy) { r = {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }
void OffsetRect(TRect& r, Integer dx, Integer dy) { r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
void OffsetRect(TFloatRect& r, float dx, float dy) { r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
bool IsRectEmpty(const TRect& r) { return !(r.Left < r.Right && r.Top < r.Bottom); }
bool IsRectEmpty(const TFloatRect& r) { return !(r.Left < r.Right && r.Top < r.Bottom); }
bool PtInRect(const TRect& r, const TPoint& p) {
  return r.Left <= p.X && p.X < r.Right && r.Top <= p.Y && p.Y < r.Bottom;
}
