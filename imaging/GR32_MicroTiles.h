// Micro tiles: the changed area of a buffer recorded in a grid of 32 x 32 pixel
// tiles, each one word holding the bounding box of its dirty pixels; the routines
// that add rectangles and lines, unite grids and turn a grid into few rectangles;
// and the repaint optimiser built on them, which also adapts its grain to how
// long repaints take.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_Containers.h"
#include "imaging/GR32_RepaintOpt.h"
#include "imaging/GR32_System.h"

// A tile word: left in bits 31-24, top 23-16, right 15-8, bottom 7-0, each 0..32,
// relative to the tile's corner, right and bottom exclusive.
using TMicroTile = std::int32_t;
constexpr Integer MICROTILE_SHIFT = 5;
constexpr Integer MICROTILE_SIZE = 32;
constexpr TMicroTile MICROTILE_EMPTY = 0;
constexpr TMicroTile MICROTILE_FULL = 0x00002020;  // also marks a whole tile

inline TMicroTile MakeMicroTile(Integer left, Integer top, Integer right, Integer bottom) {
  return TMicroTile(Cardinal(left) << 24 | Cardinal(top) << 16 | Cardinal(right) << 8 | Cardinal(bottom));
}
inline Integer MicroTileLeft(TMicroTile t) { return Integer(Cardinal(t) >> 24); }
inline Integer MicroTileTop(TMicroTile t) { return Integer(Cardinal(t) >> 16 & 0xFF); }
inline Integer MicroTileRight(TMicroTile t) { return Integer(Cardinal(t) >> 8 & 0xFF); }
inline Integer MicroTileBottom(TMicroTile t) { return Integer(Cardinal(t) & 0xFF); }
inline Integer MicroTileWidth(TMicroTile t) { return MicroTileRight(t) - MicroTileLeft(t); }
inline Integer MicroTileHeight(TMicroTile t) { return MicroTileBottom(t) - MicroTileTop(t); }

// A grid of tiles over a pixel area. Rows are Columns words apart; one more column
// and row than the grid uses are allocated, as a rectangle whose edge lies on the
// last tile boundary reaches one tile further with an empty piece.
struct TMicroTiles {
  TRect BoundsRect;        // the pixel area covered, normalised
  Integer Columns = 0;
  Integer Rows = 0;
  TRect BoundsUsedTiles;   // in tiles, inclusive; (Columns, Rows, 0, 0) when none is used
  Integer Count = 0;       // words allocated: (Columns + 1) x (Rows + 1)
  TMicroTile* Tiles = nullptr;  // owned: freed by MicroTilesDestroy
};
using PMicroTiles = TMicroTiles*;

// The union of one tile into another, and of a grid's used tiles into another
// grid, each in a plain and a packed (SSE2) form; start-up binds them by the
// processor, and BindMicroTilesFunctions forces either.
using TMicroTileUnionProc = void (*)(TMicroTile& dst, TMicroTile src);
using TMicroTilesUnionProc = void (*)(TMicroTiles& dst, const TMicroTiles& src);
extern TMicroTileUnionProc MicroTileUnion;
extern TMicroTilesUnionProc MicroTilesUnionTiles;
void MicroTileUnionPlain(TMicroTile& dst, TMicroTile src);
void MicroTileUnionPacked(TMicroTile& dst, TMicroTile src);
void MicroTilesUnionPlain(TMicroTiles& dst, const TMicroTiles& src);
void MicroTilesUnionPacked(TMicroTiles& dst, const TMicroTiles& src);
void BindMicroTilesFunctions(bool packed);

TMicroTiles MakeEmptyMicroTiles();
void MicroTilesCreate(TMicroTiles& tiles);
void MicroTilesDestroy(TMicroTiles& tiles);
// A reversed or empty area gives the 1 x 1 grid of an empty buffer. The words are
// reallocated only when their number changes; all are cleared.
void MicroTilesSetSize(TMicroTiles& tiles, const TRect& bounds);
void MicroTilesClear(TMicroTiles& tiles, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesClearUsed(TMicroTiles& tiles, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src);
void MicroTilesAddRect(TMicroTiles& tiles, TRect rect, bool roundToWholeTiles = false);
void MicroTilesAddLine(TMicroTiles& tiles, Integer x1, Integer y1, Integer x2, Integer y2, Integer lineWidth,
                       bool roundToWholeTiles = false);
void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles = false);
// Appends the merged rectangles to the list (unless countOnly) and answers their number.
Integer MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, const TRect& clip, bool countOnly,
                            bool roundToWholeTiles = false);
Integer MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, bool countOnly = false);
Integer MicroTilesCountEmptyTiles(const TMicroTiles& tiles);

// A map from a layer to the grid of what it painted when last measured.
class TMicroTilesMap : public TPointerMap {
public:
  ~TMicroTilesMap() override { Clear(); }
  PMicroTiles Add(void* item);  // creates the grid on first insertion
  PMicroTiles GetData(void* item) const { return static_cast<PMicroTiles>(Data(item)); }
  void* Delete(Integer bucketIndex, Integer itemIndex) override;  // frees the grid
};

// The time sources of the adaptive mode: milliseconds of the system tick and a
// microsecond timer started around each buffer paint. Tests replace them.
class TRepaintClock {
public:
  virtual ~TRepaintClock() = default;
  virtual Int64 Ticks();
  virtual void StartTimer() { timer_.Start(); }
  virtual Int64 ReadTimer() { return timer_.ReadValue(); }

private:
  TPerfTimer timer_;
};

class TMicroTilesRepaintOptimizer : public TCustomRepaintOptimizer {
public:
  TMicroTilesRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects);
  ~TMicroTilesRepaintOptimizer() override;

  void SetEnabled(bool value) override;
  void RegisterLayerCollection(TLayerCollection* layers) override;
  void UnregisterLayerCollection(TLayerCollection* layers) override;
  void BeginPaintBuffer() override;
  void EndPaintBuffer() override;
  void Reset() override;
  bool UpdatesAvailable() override;
  void PerformOptimization() override;
  void AreaUpdateHandler(TObject* sender, const TRect& area, Cardinal info) override;
  void LayerUpdateHandler(TObject* sender, TCustomLayer* layer) override;
  void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action, TCustomLayer* layer,
                                    Integer index) override;
  void BufferResizedHandler(Integer newWidth, Integer newHeight) override;

  bool AdaptiveMode() const { return adaptiveMode_; }
  void SetAdaptiveMode(bool value);
  void ResetAdaptiveMode();
  Integer PerformanceLevel() const { return performanceLevel_; }
  Integer TimeDelta() const { return timeDelta_; }
  Int64 NextCheck() const { return nextCheck_; }
  void SetClock(std::unique_ptr<TRepaintClock> clock) { clock_ = std::move(clock); }
  // The grids, for tests and diagnostics.
  const TMicroTiles& ForcedInvalidTiles() const { return forcedInvalidTiles_; }
  const TMicroTiles& InvalidTiles() const { return invalidTiles_; }

private:
  void HookCollection(TLayerCollection* layers, bool hook);
  void AddArea(TMicroTiles& tiles, const TRect& area, Cardinal info);
  void DrawLayerToMicroTiles(TMicroTiles& tiles, TCustomLayer* layer);
  void DrawMeasuringHandler(TObject* sender, const TRect& area, Cardinal info);
  void ValidateWorkingTiles();
  void UpdateOldInvalidTiles();
  void BeginAdaption();
  void EndAdaption();

  TRect bufferBounds_;
  PMicroTiles workTiles_ = nullptr;  // borrowed: the grid being measured into
  TMicroTiles tempTiles_, invalidTiles_, forcedInvalidTiles_;
  std::vector<TCustomLayer*> invalidLayers_;  // borrowed from the collections
  TMicroTilesMap oldInvalidTilesMap_;
  bool workingTilesValid_ = false;
  bool oldInvalidTilesValid_ = false;
  bool useInvalidTiles_ = false;
  bool adaptiveMode_ = true;
  std::unique_ptr<TRepaintClock> clock_;
  Integer performanceLevel_ = 0;
  Int64 lastRepaintTime_ = 0, fullSceneTime_ = 0;
  bool adaptionFailed_ = false, timedCheck_ = false;
  Integer timeDelta_ = 0;
  Int64 nextCheck_ = 0;
  Int64 penaltyTime_ = 0;
  Integer oldInvalidRectsCount_ = 0;
};
