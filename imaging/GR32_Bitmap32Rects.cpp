// TBitmap32: filled, framed and raised rectangles, and the stipple pattern.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "platform/core/Math.h"

namespace {

bool Overlaps(Integer x1, Integer y1, Integer x2, Integer y2, const TRect& c) {
  return x1 < c.Right && x2 > c.Left && y1 < c.Bottom && y2 > c.Top;
}

// The rectangle cut to the clip rectangle when it is not empty and meets it;
// answers whether anything is left to fill.
bool ClampToClip(Integer& x1, Integer& y1, Integer& x2, Integer& y2, const TRect& c) {
  if (x1 >= x2 || y1 >= y2 || !Overlaps(x1, y1, x2, y2, c)) return false;
  x1 = std::max(x1, c.Left);
  y1 = std::max(y1, c.Top);
  x2 = std::min(x2, c.Right);
  y2 = std::min(y2, c.Bottom);
  return true;
}

}  // namespace

void TBitmap32::FillRectS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  if (!MeasuringMode() && ClampToClip(x1, y1, x2, y2, ClipRect()))
    for (Integer y = y1; y < y2; ++y) FillLongword(GetPixelPtr(x1, y), x2 - x1, value);
  Changed(TRect{x1, y1, x2, y2}, AREAINFO_RECT);
}

void TBitmap32::FillRectS(const TRect& r, TColor32 value) { FillRectS(r.Left, r.Top, r.Right, r.Bottom, value); }

void TBitmap32::FillRectT(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  const Cardinal alpha = value >> 24;
  if (alpha == 255) return FillRect(x1, y1, x2, y2, value);
  if (alpha == 0) return;
  const bool merge = CombineMode() == cmMerge;
  for (Integer y = y1; y < y2; ++y) {
    TColor32* p = GetPixelPtr(x1, y);
    for (Integer x = x1; x < x2; ++x, ++p) {
      if (merge) MergeMem(value, *p);
      else CombineMem(value, *p, alpha);
    }
  }
  EMMS();
  Changed(TRect{x1, y1, x2, y2}, AREAINFO_RECT);
}

void TBitmap32::FillRectTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  if (!MeasuringMode() && ClampToClip(x1, y1, x2, y2, ClipRect())) return FillRectT(x1, y1, x2, y2, value);
  if ((value >> 24) != 0) Changed(TRect{x1, y1, x2, y2}, AREAINFO_RECT);
}

void TBitmap32::FillRectTS(const TRect& r, TColor32 value) { FillRectTS(r.Left, r.Top, r.Right, r.Bottom, value); }

namespace {

template <class H, class V>
void Frame(Integer x1, Integer y1, Integer x2, Integer y2, H horz, V vert) {
  const Integer r = x2 - 1;
  horz(x1, y1, r);
  if (y1 < y2 - 1) horz(x1, y2 - 1, r);
  if (y1 + 1 < y2 - 1) {
    vert(x1, y1 + 1, y2 - 2);
    if (x1 < r) vert(r, y1 + 1, y2 - 2);
  }
}

}  // namespace

void TBitmap32::FrameRectS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  if (x1 >= x2 || y1 >= y2 || !Overlaps(x1, y1, x2, y2, ClipRect())) return;
  Frame(
      x1, y1, x2, y2, [&](Integer a, Integer y, Integer b) { HorzLineS(a, y, b, value); },
      [&](Integer x, Integer a, Integer b) { VertLineS(x, a, b, value); });
}

void TBitmap32::FrameRectS(const TRect& r, TColor32 value) { FrameRectS(r.Left, r.Top, r.Right, r.Bottom, value); }

void TBitmap32::FrameRectTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  if (x1 >= x2 || y1 >= y2 || !Overlaps(x1, y1, x2, y2, ClipRect())) return;
  Frame(
      x1, y1, x2, y2, [&](Integer a, Integer y, Integer b) { HorzLineTS(a, y, b, value); },
      [&](Integer x, Integer a, Integer b) { VertLineTS(x, a, b, value); });
}

void TBitmap32::FrameRectTS(const TRect& r, TColor32 value) { FrameRectTS(r.Left, r.Top, r.Right, r.Bottom, value); }

// Clockwise from the top-left corner, so that the pattern runs on around corners.
void TBitmap32::FrameRectTSP(Integer x1, Integer y1, Integer x2, Integer y2) {
  if (x1 >= x2 || y1 >= y2 || x1 >= Width() || y1 >= Height() || x2 <= 0 || y2 <= 0) return;
  const Integer r = x2 - 1, b = y2 - 1;
  if (x1 == r && y1 == b) {
    SetPixelT(x1, y1, GetStippleColor());
    return Changed(TRect{x1, y1, x1 + 1, y1 + 1}, AREAINFO_RECT);
  }
  if (x1 == r) return VertLineTSP(x1, y1, b);
  if (y1 == b) return HorzLineTSP(x1, y1, r);
  HorzLineTSP(x1, y1, x2 - 2);
  VertLineTSP(r, y1, y2 - 2);
  HorzLineTSP(r, b, x1 + 1);
  VertLineTSP(x1, b, y1 + 1);
}

void TBitmap32::RaiseRectTS(Integer x1, Integer y1, Integer x2, Integer y2, Integer contrast) {
  if (x1 >= x2 || y1 >= y2 || !Overlaps(x1, y1, x2, y2, ClipRect()) || contrast == 0) return;
  const Integer c = Integer(std::min<Int64>(std::abs(Int64(contrast)), 1000));  // beyond 100 all is opaque
  const TColor32 strong = TColor32(Clamp(c * 512 / 100)) << 24, weak = TColor32(Clamp(c * 255 / 100)) << 24;
  const TColor32 light = contrast > 0 ? strong | 0xFFFFFF : weak;
  const TColor32 dark = contrast > 0 ? weak : strong | 0xFFFFFF;
  HorzLineTS(x1, y1, x2 - 1, light);
  HorzLineTS(x1, y2 - 1, x2 - 1, dark);
  VertLineTS(x1, y1 + 1, y2 - 2, light);
  VertLineTS(x2 - 1, y1 + 1, y2 - 2, dark);
}

void TBitmap32::RaiseRectTS(const TRect& r, Integer contrast) {
  RaiseRectTS(r.Left, r.Top, r.Right, r.Bottom, contrast);
}

// ---------------------------------------------------------------------------
// Stipple

void TBitmap32::SetStipple(const TArrayOfColor32& value) {
  StipplePattern = value;
  StippleCounter = 0;
}

namespace {

// The counter brought into 0 <= counter < n, whatever its distance from that
// range; a counter that is not a finite number starts the pattern again.
float WrappedCounter(float counter, size_t n) {
  if (!std::isfinite(counter)) return 0;
  const double size = double(n);
  double c = double(counter) - size * std::floor(double(counter) / size);
  if (!(c >= 0 && c < size)) c = 0;
  float wrapped = float(c);
  return wrapped < float(size) ? wrapped : 0;
}

}  // namespace

void TBitmap32::AdvanceStippleCounter(float length) {
  if (StipplePattern.empty()) return;
  const float delta = length * StippleStep;
  if (delta == 0) return;
  StippleCounter = WrappedCounter(StippleCounter + delta, StipplePattern.size());
}

TColor32 TBitmap32::GetStippleColor() {
  if (StipplePattern.empty()) return 0xFF000000;
  const size_t n = StipplePattern.size();
  const float counter = WrappedCounter(StippleCounter, n);
  Integer i = Integer(Round(double(counter) - 0.5));
  i = Clamp(i, 0, Integer(n) - 1);
  const Integer w = 255 - Integer(Round((double(counter) - i) * 255));
  TColor32 result = StipplePattern[i];
  if (w != 255) {
    result = CombineReg(StipplePattern[i], StipplePattern[size_t(i + 1) % n], TColor32(Clamp(w)));
    EMMS();
  }
  StippleCounter = counter + StippleStep;
  return result;
}
