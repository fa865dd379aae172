// TBitmap32: antialiased integer lines. Each step along the major axis writes a
// pixel pair across the minor axis, weighted from a 16-bit accumulator through
// GAMMA_TABLE. The clipped form walks the same pairs and writes those pixels that
// lie inside the clip rectangle, so it draws exactly what the unclipped form draws
// there.
#include <algorithm>
#include <cstdlib>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"

namespace {

// The walk of one antialiased line with the end pixel decided: step i (1 .. Count)
// lies at major coordinate Major1 + i * MajorStep; its pair starts at minor
// coordinate Minor1 + MinorStep * (i * Step shr 16) with weight (i * Step and
// 0xFFFF) shr 8 for the neighbour. Step is the 16-bit minor advance per step.
struct AAWalk {
  bool XMajor;
  Integer Major1, Minor1, MajorStep, MinorStep;
  Cardinal Step;
  Integer Count;

  AAWalk(Integer x1, Integer y1, Integer x2, Integer y2, bool l) {
    const Integer dx = x2 - x1, dy = y2 - y1;
    XMajor = std::abs(dx) > std::abs(dy);
    const Integer dMajor = XMajor ? dx : dy, dMinor = XMajor ? dy : dx;
    Major1 = XMajor ? x1 : y1;
    Minor1 = XMajor ? y1 : x1;
    MajorStep = dMajor > 0 ? 1 : -1;
    MinorStep = dMinor > 0 ? 1 : -1;
    Step = Cardinal((Int64(std::abs(dMinor)) << 16) / std::abs(dMajor)) & 0xFFFF;
    Count = std::abs(dMajor) - (l ? 0 : 1);
  }

  // Calls pixel(x, y, weight) for both pixels of step i; weights of 0 are left
  // out, as they would leave the pixel as it is.
  template <class Pixel>
  void Pair(Integer i, Pixel pixel) const {
    const Int64 total = Int64(i) * Step;
    const Integer major = Major1 + i * MajorStep;
    const Integer minor = Minor1 + MinorStep * Integer(total >> 16);
    const Cardinal w = Cardinal(total & 0xFFFF) >> 8;
    Plot(major, minor, GAMMA_TABLE[255 - w], pixel);
    Plot(major, minor + MinorStep, GAMMA_TABLE[w], pixel);
  }

  template <class Pixel>
  void Plot(Integer major, Integer minor, Cardinal weight, Pixel pixel) const {
    if (weight == 0) return;
    if (XMajor) pixel(major, minor, weight);
    else pixel(minor, major, weight);
  }
};

}  // namespace

void TBitmap32::LineA(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  const Integer dx = x2 - x1, dy = y2 - y1;
  // An exact diagonal steps a whole pixel each time: its 16-bit step would wrap to 0.
  if (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) return LineT(x1, y1, x2, y2, value, l);
  struct Report {
    TBitmap32* self;
    TRect area;
    ~Report() { self->Changed(area, AREAINFO_LINE_ENDS); }
  } report{this, TRect{x1, y1, x2, y2}};
  BLEND_MEM[CombineMode()](value, *GetPixelPtr(x1, y1));
  const TBlendMemEx blend = BLEND_MEM_EX[CombineMode()];
  const AAWalk walk(x1, y1, x2, y2, l);
  for (Integer i = 1; i <= walk.Count; ++i)
    walk.Pair(i, [this, value, blend](Integer x, Integer y, Cardinal w) { blend(value, *GetPixelPtr(x, y), w); });
  EMMS();
}

void TBitmap32::LineAS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  const TRect area{x1, y1, x2, y2};
  if (MeasuringMode()) return Changed(area, AREAINFO_LINE_ENDS);
  const TRect c = ClipRect();
  if (c.Width() <= 0 || c.Height() <= 0) return;
  const Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) return LineTS(x1, y1, x2, y2, value, l);
  if (std::max(x1, x2) < c.Left || std::min(x1, x2) >= c.Right || std::max(y1, y2) < c.Top ||
      std::min(y1, y2) >= c.Bottom)
    return;

  const auto inside = [&c](Integer x, Integer y) { return x >= c.Left && x < c.Right && y >= c.Top && y < c.Bottom; };
  if (inside(x1, y1)) BLEND_MEM[CombineMode()](value, *GetPixelPtr(x1, y1));
  const TBlendMemEx blend = BLEND_MEM_EX[CombineMode()];
  const AAWalk walk(x1, y1, x2, y2, l);
  // The steps whose major coordinate lies inside the window, found once.
  const Integer lo = walk.XMajor ? c.Left : c.Top, hi = (walk.XMajor ? c.Right : c.Bottom) - 1;
  Integer first = walk.MajorStep > 0 ? lo - walk.Major1 : walk.Major1 - hi;
  Integer last = walk.MajorStep > 0 ? hi - walk.Major1 : walk.Major1 - lo;
  first = std::max(first, 1);
  last = std::min(last, walk.Count);
  for (Integer i = first; i <= last; ++i)
    walk.Pair(i, [&](Integer x, Integer y, Cardinal w) {
      if (inside(x, y)) blend(value, *GetPixelPtr(x, y), w);
    });
  EMMS();
  Changed(area, AREAINFO_LINE_ENDS);
}
