#include "skin/draw/ByteMask.h"

#include <algorithm>

#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinMask.h"

void TspByteMask::SetSize(Integer width, Integer height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  bits_.assign(static_cast<size_t>(Int64(width_) * height_), 0);
}

bool TspByteMask::Read(TBitmap* mask) {
  if (!mask || mask->Empty()) return false;
  SetSize(mask->Width(), mask->Height());
  for (const TRect& run : MaskRuns(mask, 0, 0)) std::fill(Row(run.Top) + run.Left, Row(run.Top) + run.Right, Byte(1));
  return true;
}

void TspByteMask::AddRuns(Integer xOffset, Integer yOffset, std::vector<TRect>& runs) const {
  for (Integer y = 0; y < height_; ++y) {
    const Byte* row = Row(y);
    Integer x = 0;
    while (x < width_) {
      if (!row[x]) {
        ++x;
        continue;
      }
      Integer end = x + 1;
      while (end < width_ && row[end]) ++end;
      runs.push_back(TRect{x + xOffset, y + yOffset, end + xOffset, y + yOffset + 1});
      x = end;
    }
  }
}

namespace {

// A rectangle with its sides in order, and whether they were reversed.
TRect Ordered(const TRect& r, bool& flippedX, bool& flippedY) {
  flippedX = r.Right < r.Left;
  flippedY = r.Bottom < r.Top;
  return TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
               std::max(r.Top, r.Bottom)};
}

}  // namespace

void TspByteMaskCopier::Copy(const TRect& s, const TRect& t) {
  bool sx, sy, tx, ty;
  TRect from = Ordered(s, sx, sy), to = Ordered(t, tx, ty);
  if (from.Width() == 0 || from.Height() == 0 || to.Width() == 0 || to.Height() == 0) return;
  if (sx != tx || sy != ty || from.Width() != to.Width() || from.Height() != to.Height()) {
    exact_ = false;
    return;
  }
  // Only the part inside both masks is copied.
  Integer dx = to.Left - from.Left, dy = to.Top - from.Top;
  Integer left = std::max({from.Left, 0, -dx}), right = std::min({from.Right, source_->Width(), dest_->Width() - dx});
  Integer top = std::max({from.Top, 0, -dy}), bottom = std::min({from.Bottom, source_->Height(), dest_->Height() - dy});
  for (Integer y = top; y < bottom; ++y)
    if (left < right) std::copy(source_->Row(y) + left, source_->Row(y) + right, dest_->Row(y + dy) + left + dx);
}

void TspByteMaskCopier::TileY(const TRect& s, const TRect& t) {
  TileSpan(t.Top, t.Bottom, s.Height(), dest_->Height(), [&](Int64 p, Int64 length) {
    Copy(TRect{s.Left, s.Top, s.Right, ClampToInteger(s.Top + length)},
         TRect{t.Left, ClampToInteger(p), t.Right, ClampToInteger(p + length)});
  });
}

void TspByteMaskCopier::TileXTimes(const TRect& s, const TRect& t, Int64 lastIndex) {
  ForEachTile(t.Left, t.Right, s.Width(), lastIndex, dest_->Width(), [&](Int64 p, Int64 length) {
    Copy(TRect{s.Left, s.Top, ClampToInteger(s.Left + length), s.Bottom},
         TRect{ClampToInteger(p), t.Top, ClampToInteger(p + length), t.Bottom});
  });
}
