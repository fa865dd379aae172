// The sub-pixel block copy (declared in GR32_Resamplers.h).
//
// A source placed at (X + fx, Y + fy), X and Y whole and fx, fy in 0..255/256,
// covers destination columns X .. X + W and rows Y .. Y + H. Destination column
// X + d takes source column d - 1 with weight fx and column d with weight 1 - fx;
// the first column has no column d - 1 (its coverage is 1 - fx) and the last no
// column d (coverage fx). For the colour of those two columns the pixel beside the
// source rectangle is mixed in when the bitmap has one, else the edge pixel itself.
// Rows likewise with fy.
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Resamplers.h"

#include <algorithm>
#include <vector>

namespace {

struct EmmsGuard {
  ~EmmsGuard() { EMMS(); }
};

// a x b x c / (255 x 255), rounded: a full coverage leaves the master alpha as it is.
Cardinal Scale3(Cardinal a, Cardinal b, Cardinal c) { return (a * b * c + 32512) / 65025; }

class SubPixelCopy {
public:
  SubPixelCopy(TBitmap32* dst, TBitmap32* src, const TRect& srcRect, Integer x, Integer y, Cardinal fx, Cardinal fy,
               const TRect& visible)
      : dst_(dst), src_(src), rect_(srcRect), x_(x), y_(y), fx_(fx), fy_(fy), vis_(visible) {}

  void Run() {
    const Integer n = vis_.Width();
    std::vector<TColor32> upper(n), lower(n), mixed(n);
    Integer upperRow = vis_.Top - y_ - 1;
    MixRow(upperRow, upper);
    for (Integer row = vis_.Top; row < vis_.Bottom; ++row) {
      const Integer e = row - y_;
      MixRow(e, lower);
      MoveLongword(lower.data(), mixed.data(), n);
      CombineLine(upper.data(), mixed.data(), n, fy_);
      WriteRow(row, e == 0 ? 255 - fy_ : e == rect_.Height() ? fy_ : 255, mixed);
      upper.swap(lower);
    }
  }

private:
  // Source column (row) index relative to the rectangle, -1 and W (H) meaning the
  // pixel beside it: that pixel when the bitmap has it, else the edge pixel.
  Integer Column(Integer d) const {
    Integer c = rect_.Left + d;
    if (c < rect_.Left) return rect_.Left > 0 ? rect_.Left - 1 : rect_.Left;
    if (c >= rect_.Right) return rect_.Right < src_->Width() ? rect_.Right : rect_.Right - 1;
    return c;
  }
  Integer Row(Integer e) const {
    Integer r = rect_.Top + e;
    if (r < rect_.Top) return rect_.Top > 0 ? rect_.Top - 1 : rect_.Top;
    if (r >= rect_.Bottom) return rect_.Bottom < src_->Height() ? rect_.Bottom : rect_.Bottom - 1;
    return r;
  }

  // The horizontally mixed colours of source row e for the visible columns: the
  // columns with both neighbours inside the rectangle as one run, the rest alone.
  void MixRow(Integer e, std::vector<TColor32>& out) const {
    const TColor32* line = src_->GetScanLine(Row(e));
    const Integer n = vis_.Width(), shift = vis_.Left - x_;  // column i is d = i + shift
    auto single = [&](Integer i) { out[i] = CombineReg(line[Column(i + shift - 1)], line[Column(i + shift)], fx_); };
    const Integer from = std::max<Integer>(0, 1 - shift), to = std::min<Integer>(n, rect_.Width() - shift);
    if (from >= to) {
      for (Integer i = 0; i < n; ++i) single(i);
      return;
    }
    for (Integer i = 0; i < from; ++i) single(i);
    const TColor32* run = line + rect_.Left + from + shift;
    MoveLongword(run, &out[from], to - from);
    CombineLine(run - 1, &out[from], to - from, fx_);
    for (Integer i = to; i < n; ++i) single(i);
  }

  Cardinal ColumnWeight(Integer d) const { return d == 0 ? 255 - fx_ : d == rect_.Width() ? fx_ : 255; }

  // Partly covered columns one by one, the fully covered run in one call.
  void WriteRow(Integer row, Cardinal rowWeight, const std::vector<TColor32>& colours) {
    const Cardinal master = src_->MasterAlpha();
    const TBlendMemEx blendPixel = BLEND_MEM_EX[src_->CombineMode()];
    const TBlendLineEx blendRun = BLEND_LINE_EX[src_->CombineMode()];
    TColor32* target = dst_->GetPixelPtr(vis_.Left, row);
    const Integer n = vis_.Width();
    Integer first = 0, last = n;
    while (first < n && ColumnWeight(vis_.Left + first - x_) != 255) {
      blendPixel(colours[first], target[first], Scale3(ColumnWeight(vis_.Left + first - x_), rowWeight, master));
      ++first;
    }
    while (last > first && ColumnWeight(vis_.Left + last - 1 - x_) != 255) {
      --last;
      blendPixel(colours[last], target[last], Scale3(ColumnWeight(vis_.Left + last - x_), rowWeight, master));
    }
    if (last > first) blendRun(&colours[first], &target[first], last - first, Scale3(255, rowWeight, master));
  }

  TBitmap32* dst_;
  TBitmap32* src_;
  TRect rect_;
  Integer x_, y_;
  Cardinal fx_, fy_;
  TRect vis_;
};

}  // namespace

void BlockTransferX(TBitmap32* dst, TFixed dstX, TFixed dstY, TBitmap32* src, TRect srcRect, TDrawMode combineOp,
                    const TPixelCombineEvent&) {
  if (!dst) throw EBitmapException("Destination bitmap is nil");
  if (!src) throw EBitmapException("Source bitmap is nil");
  if (dst->Empty() || src->Empty() || src->MasterAlpha() == 0) return;
  (void)combineOp;  // every mode blends; dmBlend at master alpha 0 ended above with the rest
  // A rectangle reaching past the source is cut to it rather than read beyond.
  IntersectRect(srcRect, srcRect, src->BoundsRect());
  if (IsRectEmpty(srcRect)) return;

  // Whole pixels toward minus infinity, so a negative position keeps its fraction.
  const Integer x = dstX >> 16, y = dstY >> 16;
  const Cardinal fx = Cardinal(dstX >> 8) & 255, fy = Cardinal(dstY >> 8) & 255;
  // The covered area; a last column (row) of zero coverage is not part of it.
  const TRect covered{x, y, x + srcRect.Width() + (fx ? 1 : 0), y + srcRect.Height() + (fy ? 1 : 0)};
  TRect visible;
  IntersectRect(visible, covered, dst->BoundsRect());
  if (IsRectEmpty(visible)) return;
  if (!dst->MeasuringMode()) {
    EmmsGuard emms;
    SubPixelCopy(dst, src, srcRect, x, y, fx, fy, visible).Run();
  }
  dst->Changed(visible, AREAINFO_RECT);
}
