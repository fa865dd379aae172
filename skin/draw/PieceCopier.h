// The three drawing operations of skin composition: copying a part of a skin
// piece into a bitmap, stretching it there through a temporary bitmap, and tiling
// it along a span. Source rectangles are relative to the piece; target rectangles
// are in the target's pixels.
#pragma once

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "skin/draw/SkinImage.h"

// Tile i = 0..lastIndex of a span starting at `from` with step `step`, cut where it
// passes `to`: draw(position, length). The length is negative for a tile that
// starts past `to` (its rectangles run backwards and are passed on as they are).
// Tiles that would land wholly before 0 or from `limit` on are not drawn. Nothing
// for a step that is not positive.
template <class Draw>
void ForEachTile(Int64 from, Int64 to, Int64 step, Int64 lastIndex, Int64 limit, Draw draw) {
  if (step <= 0 || lastIndex < 0) return;
  Int64 first = from < 0 ? std::max<Int64>(0, -from / step - 1) : 0;
  for (Int64 i = first; i <= lastIndex; ++i) {
    Int64 p = from + i * step;
    Int64 length = step - std::max<Int64>(0, p + step - to);
    if (std::min(p, p + length) >= limit) break;
    draw(p, length);
  }
}

// The span rule: (to - from) div step + 1 tiles, none when that count is negative.
template <class Draw>
void TileSpan(Int64 from, Int64 to, Int64 step, Int64 limit, Draw draw) {
  if (step <= 0) return;
  ForEachTile(from, to, step, (to - from) / step, limit, draw);
}

Integer ClampToInteger(Int64 value);

class TspPieceCopier {
public:
  TspPieceCopier(TBitmap* dest, TBitmap* source, const TRect& skinrect)
      : dest_(dest), source_(source), origin_{skinrect.Left, skinrect.Top} {}

  void Copy(const TRect& s, const TRect& t);
  // Stretched as drawing a copy of the piece would; nothing for a piece larger
  // than the picture.
  void Stretch(const TRect& s, const TRect& t);
  void CopyOrStretch(bool stretch, const TRect& s, const TRect& t) { stretch ? Stretch(s, t) : Copy(s, t); }
  // Tiles the strip s (step: its width) over t.Left..t.Right, rows t.Top..t.Bottom.
  void TileX(const TRect& s, const TRect& t);
  // As TileX with lastIndex + 1 tiles from t.Left, cut where they pass t.Right.
  void TileXTimes(const TRect& s, const TRect& t, Int64 lastIndex);
  // Tiles the strip s (step: its height) over t.Top..t.Bottom, columns t.Left..t.Right.
  void TileY(const TRect& s, const TRect& t);
  // Tiles s in two dimensions over t, columns outer, rows inner.
  void Tile2D(const TRect& s, const TRect& t);
  // An edge: stretched, or tiled along the given axis.
  void Edge(bool stretch, bool horizontal, const TRect& s, const TRect& t);
  // The client piece stretched into t by type: whole (spstFull), or stretched one
  // way into a strip repeated the other way (spstHorz, spstVert), the strips cut
  // at t's edges when `clip`. Nothing unless t has an area.
  void StretchClient(const TRect& s, const TRect& t, TspStretchType type, bool clip);

  TBitmap* Dest() const { return dest_; }

private:
  TRect InPicture(const TRect& s) const;

  TBitmap* dest_;    // borrowed
  TBitmap* source_;  // borrowed
  TPoint origin_;    // the piece's top-left corner in the picture
};
