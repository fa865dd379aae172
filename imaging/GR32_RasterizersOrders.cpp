// The progressive, tesseral and contour rasterizers: other orders of visiting
// the pixels of the rectangle.
#include <algorithm>
#include <functional>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_OrdinalMaps.h"
#include "imaging/GR32_Rasterizers.h"

// ---------------------------------------------------------------------------
// TProgressiveRasterizer

void TProgressiveRasterizer::SetSteps(Integer value) {
  if (value == steps_) return;
  steps_ = value;
  Changed();
}

void TProgressiveRasterizer::SetUpdateRows(bool value) {
  if (value == updateRows_) return;
  updateRows_ = value;
  Changed();
}

void TProgressiveRasterizer::AssignTo(TPersistent* dest) const {
  TRasterizer::AssignTo(dest);
  if (auto* other = dynamic_cast<TProgressiveRasterizer*>(dest)) {
    other->SetSteps(steps_);
    other->SetUpdateRows(updateRows_);
  }
}

// Blocks are filled with the sample at their top-left corner; every pass halves
// the block size and samples only the corners no earlier pass sampled, plus the
// last block of each band, which reaches to the rectangle's right edge.
void TProgressiveRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  const bool report = dst->UpdateCount() == 0 && static_cast<bool>(dst->OnAreaChanged);
  dst->BeginUpdate();
  struct End {
    TBitmap32* dst;
    ~End() { dst->EndUpdate(); }
  } end{dst};
  const Integer w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  TCustomSampler* sampler = Sampler();
  const auto reportArea = [&](const TRect& area) {
    if (report) dst->OnAreaChanged(dst, area, AREAINFO_RECT);
  };
  const auto fillBlock = [&](Integer k, Integer y, Integer s, bool toRight) {
    const Integer x = r.Left + k * s;
    const TColor32 c = sampler->GetSampleInt(x, y);
    dst->FillRect(x, y, toRight ? r.Right : std::min(x + s, r.Right), std::min(y + s, r.Bottom), c);
  };
  Integer s = 1 << std::clamp(steps_, 0, 30);
  const auto pass = [&](bool first) {
    const Integer blocks = w / s;
    for (Integer j = 0, y = r.Top; y < r.Bottom; ++j, y += s) {
      if (first) {
        for (Integer k = 0; k < std::max(blocks, 1); ++k) fillBlock(k, y, s, k == std::max(blocks, 1) - 1);
      } else {
        for (Integer k = (j % 2 == 1) ? 0 : 1; k < blocks; k += (j % 2 == 1) ? 1 : 2) fillBlock(k, y, s, false);
        fillBlock(std::max(0, blocks - 1), y, s, true);
      }
      if (updateRows_) reportArea(TRect{r.Left, y, r.Right, std::min(y + s, r.Bottom)});
    }
    if (!updateRows_) reportArea(r);
  };
  pass(true);
  while (s > 1) {
    s /= 2;
    pass(false);
  }
}

// ---------------------------------------------------------------------------
// TTesseralRasterizer

namespace {

class TesseralWalk {
public:
  TesseralWalk(TBitmap32* dst, TCustomSampler* sampler, const std::function<void(TColor32&, TColor32)>& assign)
      : dst_(dst), sampler_(sampler), assign_(assign) {}

  void Sample(Integer x, Integer y) { assign_(*dst_->GetPixelPtr(x, y), sampler_->GetSampleInt(x, y)); }

  void Vertical(Integer x, Integer y, Integer w, Integer h) {
    const Integer w2 = w / 2;
    if (w2 <= 0) return;
    for (Integer j = y + 1; j < y + h; ++j) Sample(x + w2, j);
    dst_->Changed(TRect{x + w2, y, x + w2 + 1, y + h}, AREAINFO_RECT);
    Horizontal(x, y, w2, h);
    Horizontal(x + w2, y, w - w2, h);
  }

  void Horizontal(Integer x, Integer y, Integer w, Integer h) {
    const Integer h2 = h / 2;
    if (h2 <= 0) return;
    for (Integer i = x + 1; i < x + w; ++i) Sample(i, y + h2);
    dst_->Changed(TRect{x, y + h2, x + w, y + h2 + 1}, AREAINFO_RECT);
    Vertical(x, y, w, h2);
    Vertical(x, y + h2, w, h - h2);
  }

private:
  TBitmap32* dst_;
  TCustomSampler* sampler_;
  const std::function<void(TColor32&, TColor32)>& assign_;
};

}  // namespace

void TTesseralRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  const Integer w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  const std::function<void(TColor32&, TColor32)> assign = [this](TColor32& p, TColor32 c) { AssignColor(p, c); };
  TesseralWalk walk(dst, Sampler(), assign);
  for (Integer x = r.Left; x < r.Right; ++x) walk.Sample(x, r.Top);
  dst->Changed(TRect{r.Left, r.Top, r.Right, r.Top + 1}, AREAINFO_RECT);
  for (Integer y = r.Top + 1; y < r.Bottom; ++y) walk.Sample(r.Left, y);
  dst->Changed(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, AREAINFO_RECT);
  if (h < w) walk.Vertical(r.Left, r.Top, w, h);
  else walk.Horizontal(r.Left, r.Top, w, h);
}

// ---------------------------------------------------------------------------
// TContourRasterizer

void TContourRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  const Integer w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  static const TPoint kStep[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // up, right, down, left
  TBooleanMap visited;
  visited.SetSize(w, h);
  TCustomSampler* sampler = Sampler();
  TRect area;
  // Marks, samples and writes a pixel (relative to R) and adds it to the area.
  const auto take = [&](Integer x, Integer y) {
    visited.SetValue(x, y, true);
    const TColor32 c = sampler->GetSampleInt(r.Left + x, r.Top + y);
    AssignColor(*dst->GetPixelPtr(r.Left + x, r.Top + y), c);
    const TRect pixel{r.Left + x, r.Top + y, r.Left + x + 1, r.Top + y + 1};
    if (IsRectEmpty(area)) area = pixel;
    else UnionRect(area, area, pixel);
    return c;
  };
  Integer dir = 1, x = 0, y = 0;
  Integer scan = 0;  // where the search for an unvisited pixel goes on
  area = TRect{};
  TColor32 last = take(0, 0);
  for (;;) {
    Integer best = -1, bestCost = 0;
    for (Integer candidate : {dir, (dir + 3) % 4, (dir + 1) % 4}) {
      const Integer nx = x + kStep[candidate].X, ny = y + kStep[candidate].Y;
      if (nx < 0 || ny < 0 || nx >= w || ny >= h || visited.GetValue(nx, ny)) continue;
      const Integer cost = Intensity(ColorSub(take(nx, ny), last));
      if (best < 0 || (candidate != dir && cost < bestCost)) {
        best = candidate;
        bestCost = cost;
      }
    }
    if (best >= 0) {
      dir = best;
      x += kStep[dir].X;
      y += kStep[dir].Y;
      last = dst->GetPixel(r.Left + x, r.Top + y);
      continue;
    }
    dst->Changed(area, AREAINFO_RECT);
    area = TRect{};
    while (scan < w * h && visited.GetValue(scan % w, scan / w)) ++scan;
    if (scan >= w * h) return;
    x = scan % w;
    y = scan / w;
    last = take(x, y);
  }
}
