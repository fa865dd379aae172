// TBitmap32: whole-picture moves: rolling the pixel store, flips and turns.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_LowLevel.h"

// The store moves as one array of pixels, so a horizontal roll carries pixels
// across row ends. The move is overlap-safe in both directions.
void TBitmap32::Roll(Integer dx, Integer dy, bool fillBack, TColor32 fillColor) {
  if (Empty() || (dx == 0 && dy == 0)) return;
  const Integer w = Width(), h = Height();
  if (std::abs(dx) >= w || std::abs(dy) >= h) {
    if (fillBack) Clear(fillColor);
    return;
  }
  const Integer shift = dx + dy * w;
  const Integer moved = w * h - std::abs(shift);
  if (shift > 0) MoveLongword(Bits(), Bits() + shift, moved);
  else MoveLongword(Bits() - shift, Bits(), moved);
  if (fillBack) {
    TRect r = BoundsRect();
    OffsetRect(r, dx, dy);
    IntersectRect(r, r, BoundsRect());
    if (r.Top > 0) FillRect(0, 0, w, r.Top, fillColor);
    else if (r.Top == 0) FillRect(0, r.Bottom, w, h, fillColor);
    if (r.Left > 0) FillRect(0, 0, r.Left, h, fillColor);
    else if (r.Left == 0) FillRect(r.Right, 0, w, h, fillColor);
  }
  Changed();
}

namespace {

// A target other than the source, sized and filled inside its update bracket.
template <class Fill>
void IntoOther(TBitmap32* dst, Integer width, Integer height, Fill fill) {
  dst->BeginUpdate();
  try {
    dst->SetSize(width, height);
    fill();
  } catch (...) {
    dst->EndUpdate();
    throw;
  }
  dst->EndUpdate();
  dst->Changed();
}

}  // namespace

void TBitmap32::FlipHorz(TBitmap32* dst) {
  const Integer w = Width(), h = Height();
  if (!dst || dst == this) {
    for (Integer y = 0; y < h; ++y) std::reverse(GetScanLine(y), GetScanLine(y) + w);
    return Changed();
  }
  IntoOther(dst, w, h, [&] {
    for (Integer y = 0; y < h; ++y) std::reverse_copy(GetScanLine(y), GetScanLine(y) + w, dst->GetScanLine(y));
  });
}

void TBitmap32::FlipVert(TBitmap32* dst) {
  const Integer w = Width(), h = Height();
  if (!dst || dst == this) {
    std::vector<TColor32> row(std::max(w, 0));
    for (Integer y = 0; y < h / 2; ++y) {
      MoveLongword(GetScanLine(y), row.data(), w);
      MoveLongword(GetScanLine(h - 1 - y), GetScanLine(y), w);
      MoveLongword(row.data(), GetScanLine(h - 1 - y), w);
    }
    return Changed();
  }
  IntoOther(dst, w, h, [&] {
    for (Integer y = 0; y < h; ++y) MoveLongword(GetScanLine(y), dst->GetScanLine(h - 1 - y), w);
  });
}

namespace {

// A quarter turn into a target sized height x width; `to` maps a source pixel
// (x, y) to its place. A missing target, or the bitmap itself (which would read
// what it has already written), turns through a temporary bitmap.
template <class To>
void QuarterTurn(TBitmap32* self, TBitmap32* dst, To to) {
  const Integer w = self->Width(), h = self->Height();
  const bool inPlace = !dst || dst == self;
  std::unique_ptr<TBitmap32> temporary;
  TBitmap32* target = dst;
  if (inPlace) {
    temporary = std::make_unique<TBitmap32>();
    target = temporary.get();
  }
  const auto fill = [&] {
    target->SetSize(h, w);
    for (Integer y = 0; y < h; ++y)
      for (Integer x = 0; x < w; ++x) {
        const TPoint p = to(x, y, w, h);
        target->SetPixel(p.X, p.Y, self->GetPixel(x, y));
      }
  };
  if (!inPlace) return IntoOther(target, h, w, fill);
  fill();
  temporary->CopyMapTo(self);
  self->Changed();
}

}  // namespace

void TBitmap32::Rotate90(TBitmap32* dst) {
  QuarterTurn(this, dst, [](Integer x, Integer y, Integer, Integer h) { return TPoint{h - 1 - y, x}; });
}

void TBitmap32::Rotate270(TBitmap32* dst) {
  QuarterTurn(this, dst, [](Integer x, Integer y, Integer w, Integer) { return TPoint{y, w - 1 - x}; });
}

void TBitmap32::Rotate180(TBitmap32* dst) {
  const Integer n = Width() * Height();
  if (!dst || dst == this) {
    std::reverse(Bits(), Bits() + n);
    return Changed();
  }
  IntoOther(dst, Width(), Height(), [&] { std::reverse_copy(Bits(), Bits() + n, dst->Bits()); });
}
