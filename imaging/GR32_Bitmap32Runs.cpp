// TBitmap32: horizontal and vertical runs, plain, clipped, blended and stippled.
#include <cstdlib>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"

// The unchecked runs report nothing: their callers do.
void TBitmap32::HorzLine(Integer x1, Integer y, Integer x2, TColor32 value) {
  FillLongword(GetPixelPtr(x1, y), x2 - x1 + 1, value);
}

void TBitmap32::VertLine(Integer x, Integer y1, Integer y2, TColor32 value) {
  Integer count = y2 - y1 + 1;
  if (count <= 0) return;
  const Integer w = Width();
  TColor32* p = GetPixelPtr(x, y1);
  for (; count >= 4; count -= 4, p += 4 * w) {
    p[0] = value;
    p[w] = value;
    p[2 * w] = value;
    p[3 * w] = value;
  }
  for (; count > 0; --count, p += w) *p = value;
}

void TBitmap32::HorzLineT(Integer x1, Integer y, Integer x2, TColor32 value) {
  if (x2 < x1) return;
  TBlendMem blend = BLEND_MEM[CombineMode()];
  TColor32* p = GetPixelPtr(x1, y);
  for (Integer i = x1; i <= x2; ++i, ++p) blend(value, *p);
  EMMS();
}

void TBitmap32::VertLineT(Integer x, Integer y1, Integer y2, TColor32 value) {
  if (y2 < y1) return;
  TBlendMem blend = BLEND_MEM[CombineMode()];
  TColor32* p = GetPixelPtr(x, y1);
  for (Integer i = y1; i <= y2; ++i, p += Width()) blend(value, *p);
  EMMS();
}

void TBitmap32::HorzLineS(Integer x1, Integer y, Integer x2, TColor32 value) {
  if (MeasuringMode()) return Changed(TRect{x1, y, x2, y + 1}, AREAINFO_RECT);
  const TRect c = ClipRect();
  if (y < c.Top || y >= c.Bottom || !TestClip(x1, x2, c.Left, c.Right)) return;
  HorzLine(x1, y, x2, value);
  Changed(TRect{x1, y, x2, y + 1}, AREAINFO_RECT);
}

void TBitmap32::VertLineS(Integer x, Integer y1, Integer y2, TColor32 value) {
  if (MeasuringMode()) return Changed(TRect{x, y1, x + 1, y2}, AREAINFO_RECT);
  const TRect c = ClipRect();
  if (x < c.Left || x >= c.Right || !TestClip(y1, y2, c.Top, c.Bottom)) return;
  VertLine(x, y1, y2, value);
  Changed(TRect{x, y1, x + 1, y2}, AREAINFO_RECT);
}

void TBitmap32::HorzLineTS(Integer x1, Integer y, Integer x2, TColor32 value) {
  if (MeasuringMode()) return Changed(TRect{x1, y, x2, y + 1}, AREAINFO_RECT);
  const TRect c = ClipRect();
  if (y < c.Top || y >= c.Bottom || !TestClip(x1, x2, c.Left, c.Right)) return;
  HorzLineT(x1, y, x2, value);
  Changed(TRect{x1, y, x2, y + 1}, AREAINFO_RECT);
}

void TBitmap32::VertLineTS(Integer x, Integer y1, Integer y2, TColor32 value) {
  if (MeasuringMode()) return Changed(TRect{x, y1, x + 1, y2}, AREAINFO_RECT);
  const TRect c = ClipRect();
  if (x < c.Left || x >= c.Right || !TestClip(y1, y2, c.Top, c.Bottom)) return;
  VertLineT(x, y1, y2, value);
  Changed(TRect{x, y1, x + 1, y2}, AREAINFO_RECT);
}

namespace {

// A stippled run along one axis, from `from` towards `to` in either direction,
// cut to [lo, hi); the counter advances over the cut parts as if they were drawn.
struct StippleSpan {
  Integer From, To;
  Integer CutAfter = 0;  // pixels past the end that were cut off
  bool Visible = true;
};

StippleSpan CutStippleSpan(TBitmap32& bitmap, Integer from, Integer to, Integer lo, Integer hi) {
  StippleSpan s{from, to};
  if ((from < lo && to < lo) || (from >= hi && to >= hi)) {
    bitmap.AdvanceStippleCounter(float(std::abs(Int64(to) - from) + 1));
    s.Visible = false;
    return s;
  }
  if (s.From < lo) {
    bitmap.AdvanceStippleCounter(float(lo - s.From));
    s.From = lo;
  } else if (s.From >= hi) {
    bitmap.AdvanceStippleCounter(float(s.From - hi + 1));
    s.From = hi - 1;
  }
  if (s.To < lo) {
    s.CutAfter = lo - s.To;
    s.To = lo;
  } else if (s.To >= hi) {
    s.CutAfter = s.To - hi + 1;
    s.To = hi - 1;
  }
  return s;
}

}  // namespace

void TBitmap32::HorzLineTSP(Integer x1, Integer y, Integer x2) {
  if (MeasuringMode()) return Changed(TRect{x1, y, x2, y + 1}, AREAINFO_RECT);
  if (Empty()) return;
  const TRect c = ClipRect();
  if (y < c.Top || y >= c.Bottom) return AdvanceStippleCounter(float(std::abs(Int64(x2) - x1) + 1));
  const StippleSpan s = CutStippleSpan(*this, x1, x2, c.Left, c.Right);
  if (!s.Visible) return;
  const Integer step = s.From <= s.To ? 1 : -1;
  for (Integer x = s.From;; x += step) {
    SetPixelT(x, y, GetStippleColor());
    if (x == s.To) break;
  }
  Changed(TRect{s.From, y, s.To, y + 1}, AREAINFO_RECT);
  if (s.CutAfter > 0) AdvanceStippleCounter(float(s.CutAfter));
}

void TBitmap32::VertLineTSP(Integer x, Integer y1, Integer y2) {
  if (MeasuringMode()) return Changed(TRect{x, y1, x + 1, y2}, AREAINFO_RECT);
  if (Empty()) return;
  const TRect c = ClipRect();
  if (x < c.Left || x >= c.Right) return AdvanceStippleCounter(float(std::abs(Int64(y2) - y1) + 1));
  const StippleSpan s = CutStippleSpan(*this, y1, y2, c.Top, c.Bottom);
  if (!s.Visible) return;
  const Integer step = s.From <= s.To ? 1 : -1;
  for (Integer y = s.From;; y += step) {
    SetPixelT(x, y, GetStippleColor());
    if (y == s.To) break;
  }
  Changed(TRect{x, s.From, x + 1, s.To}, AREAINFO_RECT);
  if (s.CutAfter > 0) AdvanceStippleCounter(float(s.CutAfter));
}
