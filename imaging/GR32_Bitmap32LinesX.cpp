// TBitmap32: sub-pixel lines in 16.16 and float coordinates, plain and stippled,
// drawn as dots one pixel apart with the 24.8 writers; the pen methods.
#include <cmath>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"
#include "platform/core/Math.h"

namespace {

// The dots of one sub-pixel line: Count dots a unit step apart from the start
// (moved by 127/65536 to round), then a last dot halfway to the end whose alpha
// is scaled by the fraction of a step left over.
struct SubPixelDots {
  Int64 N = 0;  // length in 1/65536 pixel, plus one pixel when the end dot is wanted
  Integer Count = 0;
  Integer StepX = 0, StepY = 0;

  SubPixelDots(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l) {
    const double dx = double(Int64(x2) - x1), dy = double(Int64(y2) - y1);
    N = Round(Hypot(dx, dy)) + (l ? 65536 : 0);
    if (N < 256) return;
    Count = Integer(N / 65536);
    StepX = Integer(Round(dx * 65536 / double(N)));
    StepY = Integer(Round(dy * 65536 / double(N)));
  }
  bool Drawn() const { return N >= 256; }
  // How many colours a stippled line takes from the pattern.
  Integer Dots() const { return Drawn() ? Count + 1 : 0; }
  Cardinal LastAlpha(TColor32 c) const { return Cardinal((Int64(c >> 24) * (N - Int64(Count) * 65536)) >> 16); }

  // put(x256, y256, colour) for every dot; colour() gives each dot's colour.
  template <class Colour, class Put>
  void Walk(TFixed x1, TFixed y1, TFixed x2, TFixed y2, Colour colour, Put put) const {
    if (!Drawn()) return;
    Integer x = x1 + 127, y = y1 + 127;
    for (Integer i = 0; i < Count; ++i) {
      put(SAR_8(x), SAR_8(y), colour());
      x += StepX;
      y += StepY;
    }
    const TColor32 c = colour();
    put(SAR_9(x2 + x - StepX + 127), SAR_9(y2 + y - StepY + 127), (c & 0x00FFFFFF) | LastAlpha(c) << 24);
  }
};

TRect RoundedEnds(TFixed x1, TFixed y1, TFixed x2, TFixed y2) {
  return TRect{FixedRound(x1), FixedRound(y1), FixedRound(x2), FixedRound(y2)};
}

struct EndReport {
  TBitmap32* Bitmap;
  TRect Area;
  Cardinal Info;
  ~EndReport() { Bitmap->Changed(Area, Info); }
};

// The segment cut to the fixed clip rectangle (the left and top edges one pixel
// further out, for dots that reach into the first column or row).
struct ClippedSegment {
  TFixed X1, Y1, X2, Y2;
  bool Visible;
  bool StartCut, EndCut;
  bool WellInside;  // both ends so far inside that every dot's block lies in the clip

  ClippedSegment(const TFixedRect& fc, TFixed x1, TFixed y1, TFixed x2, TFixed y2)
      : X1(x1), Y1(y1), X2(x2), Y2(y2) {
    Visible = ClipLine(X1, Y1, X2, Y2, fc.Left - 65536, fc.Top - 65536, fc.Right, fc.Bottom);
    StartCut = X1 != x1 || Y1 != y1;
    EndCut = X2 != x2 || Y2 != y2;
    const auto inside = [&fc](TFixed x, TFixed y) {
      return x > fc.Left && x < fc.Right - 131072 && y > fc.Top && y < fc.Bottom - 131072;
    };
    WellInside = inside(X1, Y1) && inside(X2, Y2);
  }
};

// Skipped dots take their colours from the pattern like drawn ones, so that the
// counter moves exactly as it would have.
void SkipStippleDots(TBitmap32& bitmap, Int64 dots) {
  if (dots < 0) return bitmap.AdvanceStippleCounter(float(dots));
  for (Int64 i = 0; i < dots; ++i) bitmap.GetStippleColor();
}

}  // namespace

void TBitmap32::LineX(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l) {
  EndReport report{this, RoundedEnds(x1, y1, x2, y2), AREAINFO_LINE_ENDS};
  SubPixelDots(x1, y1, x2, y2, l).Walk(
      x1, y1, x2, y2, [value] { return value; }, [this](Integer x, Integer y, TColor32 c) { SET_T256(x, y, c); });
  EMMS();
}

void TBitmap32::LineXP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l) {
  EndReport report{this, RoundedEnds(x1, y1, x2, y2), AREAINFO_LINE_ENDS};
  SubPixelDots(x1, y1, x2, y2, l).Walk(
      x1, y1, x2, y2, [this] { return GetStippleColor(); },
      [this](Integer x, Integer y, TColor32 c) {
        SET_T256(x, y, c);
        EMMS();
      });
}

void TBitmap32::LineXS(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l) {
  if (MeasuringMode()) return Changed(RoundedEnds(x1, y1, x2, y2), AREAINFO_LINE_ENDS);
  const ClippedSegment s(fixedClipRect_, x1, y1, x2, y2);
  if (!s.Visible) return;
  if (s.EndCut) l = true;
  if (s.WellInside) return LineX(s.X1, s.Y1, s.X2, s.Y2, value, l);
  EndReport report{this, RoundedEnds(s.X1, s.Y1, s.X2, s.Y2), AREAINFO_LINE_ENDS};
  SubPixelDots(s.X1, s.Y1, s.X2, s.Y2, l)
      .Walk(
          s.X1, s.Y1, s.X2, s.Y2, [value] { return value; },
          [this](Integer x, Integer y, TColor32 c) { SET_TS256(x, y, c); });
  EMMS();
}

// The pattern stays in step with the unclipped line: the dots that line would
// place before the clipped start, and those it would place after the clipped
// walk, move the counter as if drawn.
void TBitmap32::LineXSP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l) {
  if (MeasuringMode()) return Changed(RoundedEnds(x1, y1, x2, y2), AREAINFO_STIPPLED_LINE_ENDS);
  const SubPixelDots whole(x1, y1, x2, y2, l);
  const ClippedSegment s(fixedClipRect_, x1, y1, x2, y2);
  if (!s.Visible) return SkipStippleDots(*this, whole.Dots());
  Int64 before = 0;
  if (s.StartCut && whole.Drawn()) {
    const double stepLength = Hypot(whole.StepX, whole.StepY);
    const double cut = Hypot(double(Int64(s.X1) - x1), double(Int64(s.Y1) - y1));
    before = stepLength > 0 ? std::min<Int64>(whole.Count, Int64(std::ceil(cut / stepLength))) : 0;
  }
  SkipStippleDots(*this, before);
  const SubPixelDots part(s.X1, s.Y1, s.X2, s.Y2, l || s.EndCut);
  {
    EndReport report{this, RoundedEnds(s.X1, s.Y1, s.X2, s.Y2), AREAINFO_STIPPLED_LINE_ENDS};
    part.Walk(
        s.X1, s.Y1, s.X2, s.Y2, [this] { return GetStippleColor(); },
        [this](Integer x, Integer y, TColor32 c) {
          SET_TS256(x, y, c);
          EMMS();
        });
  }
  SkipStippleDots(*this, whole.Dots() - before - part.Dots());
}

void TBitmap32::LineF(float x1, float y1, float x2, float y2, TColor32 value, bool l) {
  LineX(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), value, l);
}
void TBitmap32::LineFS(float x1, float y1, float x2, float y2, TColor32 value, bool l) {
  LineXS(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), value, l);
}
void TBitmap32::LineFP(float x1, float y1, float x2, float y2, bool l) {
  LineXP(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), l);
}
void TBitmap32::LineFSP(float x1, float y1, float x2, float y2, bool l) {
  LineXSP(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), l);
}

// ---------------------------------------------------------------------------
// The pen

void TBitmap32::MoveTo(Integer x, Integer y) {
  rasterX_ = x;
  rasterY_ = y;
}

void TBitmap32::LineToS(Integer x, Integer y) {
  LineS(rasterX_, rasterY_, x, y, PenColor);
  MoveTo(x, y);
}

void TBitmap32::LineToTS(Integer x, Integer y) {
  LineTS(rasterX_, rasterY_, x, y, PenColor);
  MoveTo(x, y);
}

void TBitmap32::LineToAS(Integer x, Integer y) {
  LineAS(rasterX_, rasterY_, x, y, PenColor);
  MoveTo(x, y);
}

void TBitmap32::MoveToX(TFixed x, TFixed y) {
  rasterXF_ = x;
  rasterYF_ = y;
}

void TBitmap32::LineToXS(TFixed x, TFixed y) {
  LineXS(rasterXF_, rasterYF_, x, y, PenColor);
  MoveToX(x, y);
}

void TBitmap32::LineToXSP(TFixed x, TFixed y) {
  LineXSP(rasterXF_, rasterYF_, x, y);
  MoveToX(x, y);
}

void TBitmap32::MoveToF(float x, float y) { MoveToX(Fixed(x), Fixed(y)); }
void TBitmap32::LineToFS(float x, float y) { LineToXS(Fixed(x), Fixed(y)); }
void TBitmap32::LineToFSP(float x, float y) { LineToXSP(Fixed(x), Fixed(y)); }
