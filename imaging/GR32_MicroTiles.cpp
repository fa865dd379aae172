// The tile word and grid routines of the micro tiles: sizing, clearing, copying,
// adding rectangles and lines, uniting grids and turning a grid into rectangles.
#include "imaging/GR32_MicroTiles.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"

// ---------------------------------------------------------------------------
// Union of tiles

void MicroTileUnionPlain(TMicroTile& dst, TMicroTile src) {
  if (dst == MICROTILE_FULL || src == 0 || MicroTileWidth(src) == 0 || MicroTileHeight(src) == 0) return;
  if (dst == 0 || src == MICROTILE_FULL) {
    dst = src;
    return;
  }
  dst = MakeMicroTile(std::min(MicroTileLeft(dst), MicroTileLeft(src)), std::min(MicroTileTop(dst), MicroTileTop(src)),
                      std::max(MicroTileRight(dst), MicroTileRight(src)),
                      std::max(MicroTileBottom(dst), MicroTileBottom(src)));
}

namespace {

// Four tiles at once: the byte minimum keeps left and top, the byte maximum right
// and bottom; lanes where the plain rule keeps or takes a whole tile are selected.
inline __m128i UnionFour(__m128i d, __m128i s) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi32(MICROTILE_FULL);
  const __m128i lowBytes = _mm_set1_epi32(0xFF);
  const __m128i width = _mm_sub_epi32(_mm_and_si128(_mm_srli_epi32(s, 8), lowBytes), _mm_srli_epi32(s, 24));
  const __m128i height = _mm_sub_epi32(_mm_and_si128(s, lowBytes), _mm_and_si128(_mm_srli_epi32(s, 16), lowBytes));
  // Lanes left alone: a full destination, or a source without width or height.
  const __m128i keep = _mm_or_si128(_mm_cmpeq_epi32(d, full),
                                    _mm_or_si128(_mm_cmpeq_epi32(width, zero), _mm_cmpeq_epi32(height, zero)));
  const __m128i take = _mm_or_si128(_mm_cmpeq_epi32(d, zero), _mm_cmpeq_epi32(s, full));
  const __m128i upper = _mm_set1_epi32(Integer(0xFFFF0000u));
  const __m128i merged = _mm_or_si128(_mm_and_si128(_mm_min_epu8(d, s), upper),
                                      _mm_andnot_si128(upper, _mm_max_epu8(d, s)));
  const __m128i changed = _mm_or_si128(_mm_and_si128(take, s), _mm_andnot_si128(take, merged));
  return _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, changed));
}

// The part of the source's used range that lies in the destination.
bool UsedRange(const TMicroTiles& dst, const TMicroTiles& src, TRect& range) {
  range = src.BoundsUsedTiles;
  range.Right = std::min(range.Right, dst.Columns);
  range.Bottom = std::min(range.Bottom, dst.Rows);
  return dst.Count > 0 && src.Count > 0 && range.Left <= range.Right && range.Top <= range.Bottom;
}

void WidenUsed(TMicroTiles& tiles, const TRect& tileRange) {
  TRect& used = tiles.BoundsUsedTiles;
  used.Left = std::min(used.Left, tileRange.Left);
  used.Top = std::min(used.Top, tileRange.Top);
  used.Right = std::max(used.Right, tileRange.Right);
  used.Bottom = std::max(used.Bottom, tileRange.Bottom);
}

void SetEmptyUsed(TMicroTiles& tiles) { tiles.BoundsUsedTiles = TRect{tiles.Columns, tiles.Rows, 0, 0}; }

}  // namespace

void MicroTileUnionPacked(TMicroTile& dst, TMicroTile src) {
  dst = _mm_cvtsi128_si32(UnionFour(_mm_cvtsi32_si128(dst), _mm_cvtsi32_si128(src)));
}

void MicroTilesUnionPlain(TMicroTiles& dst, const TMicroTiles& src) {
  TRect range;
  if (!UsedRange(dst, src, range)) return;
  for (Integer y = range.Top; y <= range.Bottom; ++y) {
    TMicroTile* d = dst.Tiles + y * dst.Columns;
    const TMicroTile* s = src.Tiles + y * src.Columns;
    for (Integer x = range.Left; x <= range.Right; ++x) MicroTileUnionPlain(d[x], s[x]);
  }
}

void MicroTilesUnionPacked(TMicroTiles& dst, const TMicroTiles& src) {
  TRect range;
  if (!UsedRange(dst, src, range)) return;
  for (Integer y = range.Top; y <= range.Bottom; ++y) {
    TMicroTile* d = dst.Tiles + y * dst.Columns;
    const TMicroTile* s = src.Tiles + y * src.Columns;
    Integer x = range.Left;
    for (; x + 3 <= range.Right; x += 4) {
      const __m128i united = UnionFour(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x)),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x)));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), united);
    }
    for (; x <= range.Right; ++x) MicroTileUnionPacked(d[x], s[x]);
  }
}

TMicroTileUnionProc MicroTileUnion = &MicroTileUnionPlain;
TMicroTilesUnionProc MicroTilesUnionTiles = &MicroTilesUnionPlain;

void BindMicroTilesFunctions(bool packed) {
  MicroTileUnion = packed ? &MicroTileUnionPacked : &MicroTileUnionPlain;
  MicroTilesUnionTiles = packed ? &MicroTilesUnionPacked : &MicroTilesUnionPlain;
}

namespace {
struct MicroTilesStartup {
  MicroTilesStartup() { BindMicroTilesFunctions(HasEMMX()); }
} microTilesStartup;
}  // namespace

// ---------------------------------------------------------------------------
// Grids

TMicroTiles MakeEmptyMicroTiles() { return TMicroTiles{}; }

void MicroTilesCreate(TMicroTiles& tiles) { tiles = TMicroTiles{}; }

void MicroTilesDestroy(TMicroTiles& tiles) {
  std::free(tiles.Tiles);
  tiles.Tiles = nullptr;
}

namespace {
// Resizes the array to `count` words, keeping what fits; new words are zeroed.
void ResizeTiles(TMicroTiles& tiles, Integer count) {
  if (count == tiles.Count && (tiles.Tiles || count == 0)) return;
  if (count <= 0) {
    MicroTilesDestroy(tiles);
    tiles.Count = 0;
    return;
  }
  auto* grown = static_cast<TMicroTile*>(std::realloc(tiles.Tiles, size_t(count) * sizeof(TMicroTile)));
  if (!grown) throw EOutOfMemory("Out of memory");
  const Integer kept = tiles.Tiles ? std::min(tiles.Count, count) : 0;
  if (count > kept) std::memset(grown + kept, 0, size_t(count - kept) * sizeof(TMicroTile));
  tiles.Tiles = grown;
  tiles.Count = count;
}
}  // namespace

void MicroTilesSetSize(TMicroTiles& tiles, const TRect& bounds) {
  // Reversed bounds count as empty; an unsigned difference would ask for 2^27 columns.
  tiles.BoundsRect = TRect{bounds.Left, bounds.Top, std::max(bounds.Left, bounds.Right),
                           std::max(bounds.Top, bounds.Bottom)};
  tiles.Columns = (tiles.BoundsRect.Width() >> MICROTILE_SHIFT) + 1;
  tiles.Rows = (tiles.BoundsRect.Height() >> MICROTILE_SHIFT) + 1;
  ResizeTiles(tiles, (tiles.Columns + 1) * (tiles.Rows + 1));
  MicroTilesClear(tiles);
}

void MicroTilesClear(TMicroTiles& tiles, TMicroTile value) {
  SetEmptyUsed(tiles);
  if (tiles.Tiles) FillLongword(tiles.Tiles, tiles.Count, Cardinal(value));
}

void MicroTilesClearUsed(TMicroTiles& tiles, TMicroTile value) {
  const TRect used = tiles.BoundsUsedTiles;
  if (tiles.Tiles && used.Left <= used.Right)
    for (Integer y = used.Top; y <= used.Bottom; ++y)
      FillLongword(tiles.Tiles + y * tiles.Columns + used.Left, used.Right - used.Left + 1, Cardinal(value));
  SetEmptyUsed(tiles);
}

void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src) {
  if (&dst == &src) return;
  if (dst.Tiles && dst.Count > 0) MicroTilesClearUsed(dst);
  dst.BoundsRect = src.BoundsRect;
  dst.Columns = src.Columns;
  dst.Rows = src.Rows;
  dst.BoundsUsedTiles = src.BoundsUsedTiles;
  ResizeTiles(dst, src.Count);
  const TRect used = src.BoundsUsedTiles;
  if (!src.Tiles || used.Left > used.Right) return;
  for (Integer y = used.Top; y <= used.Bottom; ++y) {
    const Integer at = y * src.Columns + used.Left;
    MoveLongword(src.Tiles + at, dst.Tiles + at, used.Right - used.Left + 1);
  }
}

Integer MicroTilesCountEmptyTiles(const TMicroTiles& tiles) {
  if (tiles.Count <= 0 || !tiles.Tiles) return 0;
  const TMicroTile* end = tiles.Tiles + tiles.Rows * tiles.Columns;
  return Integer(std::count(static_cast<const TMicroTile*>(tiles.Tiles), end, MICROTILE_EMPTY));
}

// ---------------------------------------------------------------------------
// Adding areas

namespace {

// The pieces of one row of a rectangle's tiles: the first and last columns may
// be partial, the middle ones span the tile width.
void AddRowPieces(TMicroTile* row, Integer sx, Integer ex, Integer l, Integer r, Integer t, Integer b,
                  bool fillMiddle) {
  if (sx == ex) return MicroTileUnion(row[sx], MakeMicroTile(l, t, r, b));
  MicroTileUnion(row[sx], MakeMicroTile(l, t, MICROTILE_SIZE, b));
  if (fillMiddle && ex - sx > 1) {
    FillLongword(row + sx + 1, ex - sx - 1, Cardinal(MICROTILE_FULL));
  } else {
    for (Integer x = sx + 1; x < ex; ++x) MicroTileUnion(row[x], MakeMicroTile(0, t, MICROTILE_SIZE, b));
  }
  MicroTileUnion(row[ex], MakeMicroTile(0, t, r, b));
}

}  // namespace

void MicroTilesAddRect(TMicroTiles& tiles, TRect rect, bool roundToWholeTiles) {
  if (tiles.Count == 0 || !tiles.Tiles) return;
  if (rect.Right < rect.Left) std::swap(rect.Left, rect.Right);
  if (rect.Bottom < rect.Top) std::swap(rect.Top, rect.Bottom);
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, tiles.Columns * MICROTILE_SIZE);
  rect.Bottom = std::min(rect.Bottom, tiles.Rows * MICROTILE_SIZE);
  if (rect.Right < rect.Left || rect.Top > rect.Bottom) return;

  const Integer sx = rect.Left >> MICROTILE_SHIFT, sy = rect.Top >> MICROTILE_SHIFT;
  const Integer ex = rect.Right >> MICROTILE_SHIFT, ey = rect.Bottom >> MICROTILE_SHIFT;
  if (roundToWholeTiles) {
    for (Integer y = sy; y <= ey; ++y)
      FillLongword(tiles.Tiles + y * tiles.Columns + sx, ex - sx + 1, Cardinal(MICROTILE_FULL));
  } else {
    const Integer l = rect.Left & 31, t = rect.Top & 31, r = rect.Right & 31, b = rect.Bottom & 31;
    auto row = [&](Integer y) { return tiles.Tiles + y * tiles.Columns; };
    if (sy == ey) {
      AddRowPieces(row(sy), sx, ex, l, r, t, b, false);
    } else {
      AddRowPieces(row(sy), sx, ex, l, r, t, MICROTILE_SIZE, false);
      // Middle rows of several columns are whole tiles between their edges.
      for (Integer y = sy + 1; y < ey; ++y) AddRowPieces(row(y), sx, ex, l, r, 0, MICROTILE_SIZE, true);
      AddRowPieces(row(ey), sx, ex, l, r, 0, b, false);
    }
  }
  WidenUsed(tiles, TRect{sx, sy, ex, ey});
}

void MicroTilesAddLine(TMicroTiles& tiles, Integer x1, Integer y1, Integer x2, Integer y2, Integer lineWidth,
                       bool roundToWholeTiles) {
  const Integer w = 2 * lineWidth;
  Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0) {
    TRect r{x1, y1, x2, y2};
    InflateArea(r, w, w);
    return MicroTilesAddRect(tiles, r, roundToWholeTiles);
  }
  const bool negX = dx < 0, negY = dy < 0;
  const TFixed fdx = TFixed(Int64(negX ? -dx : dx) << 16), fdy = TFixed(Int64(negY ? -dy : dy) << 16);
  const bool xMajor = fdx >= fdy;
  const TFixed major = xMajor ? fdx : fdy, minor = xMajor ? fdy : fdx;
  const TFixed steps = major / 32;
  const TFixed minorStep = FixedDiv(minor, steps);
  TFixed stepX = xMajor ? 0x200000 : minorStep, stepY = xMajor ? minorStep : 0x200000;
  if (negX) stepX = -stepX;
  if (negY) stepY = -stepY;
  const Integer n = FixedCeil(steps);
  TFixed px = Fixed(x1), py = Fixed(y1);
  for (Integer i = 0; i < n; ++i) {
    const TFixed nx = px + stepX, ny = py + stepY;
    TRect r = MakeRect(FixedRect(px, py, nx, ny), rrClosest);
    InflateArea(r, w, w);
    MicroTilesAddRect(tiles, r, roundToWholeTiles);
    px = nx;
    py = ny;
  }
}

void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles) {
  if (src.Count == 0 || !src.Tiles) return;
  TRect range;
  if (roundToWholeTiles) {
    if (UsedRange(dst, src, range))
      for (Integer y = range.Top; y <= range.Bottom; ++y)
        for (Integer x = range.Left; x <= range.Right; ++x) {
          TMicroTile& d = dst.Tiles[y * dst.Columns + x];
          const TMicroTile s = src.Tiles[y * src.Columns + x];
          if (d != MICROTILE_FULL && s != 0 && MicroTileWidth(s) != 0 && MicroTileHeight(s) != 0)
            d = MICROTILE_FULL;
        }
  } else {
    MicroTilesUnionTiles(dst, src);
  }
  if (src.BoundsUsedTiles.Left <= src.BoundsUsedTiles.Right) WidenUsed(dst, src.BoundsUsedTiles);
}

// ---------------------------------------------------------------------------
// Rectangles of a grid

Integer MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, const TRect& clip, bool countOnly,
                            bool roundToWholeTiles) {
  const TRect used = tiles.BoundsUsedTiles;
  if (tiles.Count == 0 || !tiles.Tiles || used.Right < used.Left || used.Bottom < used.Top) return 0;
  std::vector<TRect> rects;
  // For the tile below a run's first tile: the rectangle that run extended or added.
  std::vector<Integer> links(size_t(tiles.Columns) * tiles.Rows, -1);
  auto clampX = [&](Integer v) { return std::clamp(v, clip.Left, std::max(clip.Left, clip.Right)); };
  auto clampY = [&](Integer v) { return std::clamp(v, clip.Top, std::max(clip.Top, clip.Bottom)); };
  for (Integer y = 0; y < tiles.Rows; ++y) {
    const TMicroTile* row = tiles.Tiles + y * tiles.Columns;
    for (Integer x = 0; x < tiles.Columns; ++x) {
      const TMicroTile t = row[x];
      if (t == MICROTILE_EMPTY) continue;
      const Integer first = y * tiles.Columns + x;
      TRect r;
      if (roundToWholeTiles) {
        r.Top = clampY(y * 32);
        r.Bottom = clampY(y * 32 + 32);
        r.Left = clampX(x * 32);
        while (x + 1 < tiles.Columns && row[x + 1] != MICROTILE_EMPTY) ++x;
        r.Right = clampX(x * 32 + 32);
      } else {
        r.Top = clampY(y * 32 + MicroTileTop(t));
        r.Bottom = clampY(y * 32 + MicroTileBottom(t));
        r.Left = clampX(x * 32 + MicroTileLeft(t));
        TMicroTile last = t;
        if (MicroTileRight(t) == MICROTILE_SIZE)
          while (x + 1 < tiles.Columns && MicroTileTop(row[x + 1]) == MicroTileTop(t) &&
                 MicroTileBottom(row[x + 1]) == MicroTileBottom(t) && MicroTileLeft(row[x + 1]) == 0)
            last = row[++x];
        r.Right = clampX(x * 32 + MicroTileRight(last));
      }
      Integer number = links[size_t(first)];
      if (number >= 0 && rects[size_t(number)].Left == r.Left && rects[size_t(number)].Right == r.Right &&
          rects[size_t(number)].Bottom == r.Top) {
        rects[size_t(number)].Bottom = r.Bottom;
      } else {
        rects.push_back(r);
        number = Integer(rects.size()) - 1;
      }
      if (y < tiles.Rows - 1) links[size_t(first + tiles.Columns)] = number;
    }
  }
  if (!countOnly && dstRects)
    for (const TRect& r : rects) dstRects->Add(r);
  return Integer(rects.size());
}

Integer MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, bool countOnly) {
  return MicroTilesCalcRects(tiles, dstRects, tiles.BoundsRect, countOnly, false);
}
