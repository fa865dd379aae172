// The micro-tiles repaint optimiser: records changed areas and layers in tile
// grids, lists the rectangles to repaint, and adapts its grain (precise tiles,
// whole tiles, the full scene) to how long repaints take.
#include <algorithm>
#include <cstdlib>

#include "imaging/GR32_MicroTiles.h"
#include "platform/core/WinApi.h"

// ---------------------------------------------------------------------------
// Map of layers to grids, and the clock

PMicroTiles TMicroTilesMap::Add(void* item) {
  bool created = false;
  void** slot = TPointerMap::Add(item, created);
  if (created) *slot = new TMicroTiles();
  return static_cast<PMicroTiles>(*slot);
}

void* TMicroTilesMap::Delete(Integer bucketIndex, Integer itemIndex) {
  auto* tiles = static_cast<PMicroTiles>(TPointerMap::Delete(bucketIndex, itemIndex));
  if (tiles) {
    MicroTilesDestroy(*tiles);
    delete tiles;
  }
  return nullptr;
}

Int64 TRepaintClock::Ticks() { return Int64(::GetTickCount()); }

// ---------------------------------------------------------------------------
// TMicroTilesRepaintOptimizer

TMicroTilesRepaintOptimizer::TMicroTilesRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects)
    : TCustomRepaintOptimizer(buffer, invalidRects), clock_(std::make_unique<TRepaintClock>()) {}

TMicroTilesRepaintOptimizer::~TMicroTilesRepaintOptimizer() {
  while (!LayerCollections().empty()) UnregisterLayerCollection(LayerCollections().back());
  MicroTilesDestroy(invalidTiles_);
  MicroTilesDestroy(tempTiles_);
  MicroTilesDestroy(forcedInvalidTiles_);
}

void TMicroTilesRepaintOptimizer::HookCollection(TLayerCollection* layers, bool hook) {
  if (hook) {
    layers->LayerUpdatedEvent = TLayerUpdateEvent(this, &TMicroTilesRepaintOptimizer::LayerUpdateHandler);
    layers->AreaUpdatedEvent = TAreaChangedEvent(this, &TMicroTilesRepaintOptimizer::AreaUpdateHandler);
    layers->ListNotifyEvent =
        TLayerListNotifyEvent(this, &TMicroTilesRepaintOptimizer::LayerCollectionNotifyHandler);
  } else {
    layers->LayerUpdatedEvent = nullptr;
    layers->AreaUpdatedEvent = nullptr;
    layers->ListNotifyEvent = nullptr;
  }
}

void TMicroTilesRepaintOptimizer::SetEnabled(bool value) {
  if (value == Enabled()) return;
  for (TLayerCollection* layers : LayerCollections()) HookCollection(layers, value);
  if (value) {
    BufferResizedHandler(Buffer()->Width(), Buffer()->Height());
  } else {
    MicroTilesDestroy(invalidTiles_);
    MicroTilesDestroy(tempTiles_);
    MicroTilesDestroy(forcedInvalidTiles_);
    useInvalidTiles_ = false;
    oldInvalidTilesValid_ = false;
    workingTilesValid_ = false;
    oldInvalidTilesMap_.Clear();
    invalidLayers_.clear();
  }
  TCustomRepaintOptimizer::SetEnabled(value);
}

void TMicroTilesRepaintOptimizer::RegisterLayerCollection(TLayerCollection* layers) {
  TCustomRepaintOptimizer::RegisterLayerCollection(layers);
  if (Enabled()) HookCollection(layers, true);
}

void TMicroTilesRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* layers) {
  HookCollection(layers, false);
  TCustomRepaintOptimizer::UnregisterLayerCollection(layers);
}

// ---- recording

void TMicroTilesRepaintOptimizer::AddArea(TMicroTiles& tiles, const TRect& area, Cardinal info) {
  const bool wholeTiles = performanceLevel_ > 0;
  if (info & AREAINFO_LINE) {
    const Integer width = Integer(info & 0x00FFFFFF);
    TRect line = area;
    InflateArea(line, width, width);
    return MicroTilesAddLine(tiles, line.Left, line.Top, line.Right, line.Bottom, width, wholeTiles);
  }
  MicroTilesAddRect(tiles, area, wholeTiles);
}

void TMicroTilesRepaintOptimizer::DrawMeasuringHandler(TObject*, const TRect& area, Cardinal info) {
  if (workTiles_) AddArea(*workTiles_, area, info);
}

void TMicroTilesRepaintOptimizer::DrawLayerToMicroTiles(TMicroTiles& tiles, TCustomLayer* layer) {
  Buffer()->BeginMeasuring(TAreaChangedEvent(this, &TMicroTilesRepaintOptimizer::DrawMeasuringHandler));
  workTiles_ = &tiles;
  try {
    layer->DoPaint(Buffer());
  } catch (...) {
    workTiles_ = nullptr;
    Buffer()->EndMeasuring();
    throw;
  }
  workTiles_ = nullptr;
  Buffer()->EndMeasuring();
}

void TMicroTilesRepaintOptimizer::AreaUpdateHandler(TObject*, const TRect& area, Cardinal info) {
  ValidateWorkingTiles();
  AddArea(forcedInvalidTiles_, area, info);
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::LayerUpdateHandler(TObject*, TCustomLayer* layer) {
  if (!oldInvalidTilesValid_ || layer->Invalid()) return;
  invalidLayers_.push_back(layer);
  layer->SetInvalid(true);
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::LayerCollectionNotifyHandler(TLayerCollection*, TLayerListNotification action,
                                                               TCustomLayer* layer, Integer) {
  switch (action) {
    case lnLayerAdded:
    case lnLayerInserted:
      MicroTilesSetSize(*oldInvalidTilesMap_.Add(layer), Buffer()->BoundsRect());
      oldInvalidTilesValid_ = true;
      break;
    case lnLayerDeleted:
      if (oldInvalidTilesValid_) {
        void** old = nullptr;
        if (oldInvalidTilesMap_.Find(layer, old)) MicroTilesUnion(invalidTiles_, *static_cast<PMicroTiles>(*old));
        useInvalidTiles_ = true;
      }
      invalidLayers_.erase(std::remove(invalidLayers_.begin(), invalidLayers_.end(), layer), invalidLayers_.end());
      oldInvalidTilesMap_.Remove(layer);
      break;
    case lnCleared:
      if (oldInvalidTilesValid_) {
        TPointerMapIterator it(&oldInvalidTilesMap_);
        while (it.Next()) MicroTilesUnion(invalidTiles_, *static_cast<PMicroTiles>(it.Data));
        useInvalidTiles_ = true;
        ResetAdaptiveMode();
      }
      oldInvalidTilesMap_.Clear();
      oldInvalidTilesValid_ = true;
      break;
  }
}

// ---- state of the grids

void TMicroTilesRepaintOptimizer::ValidateWorkingTiles() {
  if (workingTilesValid_) return;
  MicroTilesSetSize(tempTiles_, bufferBounds_);
  MicroTilesSetSize(invalidTiles_, bufferBounds_);
  MicroTilesSetSize(forcedInvalidTiles_, bufferBounds_);
  workingTilesValid_ = true;
}

void TMicroTilesRepaintOptimizer::UpdateOldInvalidTiles() {
  if (oldInvalidTilesValid_) return;
  ValidateWorkingTiles();
  for (TLayerCollection* layers : LayerCollections())
    for (Integer i = 0; i < layers->Count(); ++i) {
      TCustomLayer* layer = layers->Items(i);
      PMicroTiles tiles = oldInvalidTilesMap_.Add(layer);
      MicroTilesSetSize(*tiles, bufferBounds_);
      DrawLayerToMicroTiles(*tiles, layer);
      layer->SetInvalid(false);
    }
  invalidLayers_.clear();
  oldInvalidTilesValid_ = true;
  useInvalidTiles_ = false;
}

void TMicroTilesRepaintOptimizer::Reset() {
  workingTilesValid_ = false;
  oldInvalidTilesValid_ = false;
  UpdateOldInvalidTiles();
  MicroTilesClear(forcedInvalidTiles_, MICROTILE_FULL);
  forcedInvalidTiles_.BoundsUsedTiles = TRect{0, 0, forcedInvalidTiles_.Columns, forcedInvalidTiles_.Rows};
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::BufferResizedHandler(Integer newWidth, Integer newHeight) {
  bufferBounds_ = TRect{0, 0, newWidth, newHeight};
  Reset();
}

bool TMicroTilesRepaintOptimizer::UpdatesAvailable() {
  UpdateOldInvalidTiles();
  return useInvalidTiles_;
}

void TMicroTilesRepaintOptimizer::PerformOptimization() {
  if (useInvalidTiles_) {
    ValidateWorkingTiles();
    const bool wholeTiles = performanceLevel_ > 0;
    for (TCustomLayer* layer : invalidLayers_) {
      MicroTilesClearUsed(tempTiles_);
      DrawLayerToMicroTiles(tempTiles_, layer);  // where it is now
      MicroTilesUnion(invalidTiles_, tempTiles_, wholeTiles);
      PMicroTiles old = oldInvalidTilesMap_.Add(layer);
      MicroTilesUnion(invalidTiles_, *old, wholeTiles);  // where it was
      MicroTilesCopy(*old, tempTiles_);
      layer->SetInvalid(false);
    }
    invalidLayers_.clear();
    MicroTilesCalcRects(invalidTiles_, InvalidRects(), invalidTiles_.BoundsRect, false);
    MicroTilesCalcRects(forcedInvalidTiles_, InvalidRects(), forcedInvalidTiles_.BoundsRect, false);
  }
  BeginAdaption();
  MicroTilesClearUsed(invalidTiles_);
  MicroTilesClearUsed(forcedInvalidTiles_);
}

// ---- adaptive mode

void TMicroTilesRepaintOptimizer::BeginPaintBuffer() {
  if (adaptiveMode_) clock_->StartTimer();
}

void TMicroTilesRepaintOptimizer::EndPaintBuffer() {
  useInvalidTiles_ = false;
  EndAdaption();
}

void TMicroTilesRepaintOptimizer::SetAdaptiveMode(bool value) {
  if (value == adaptiveMode_) return;
  adaptiveMode_ = value;
  ResetAdaptiveMode();
}

void TMicroTilesRepaintOptimizer::ResetAdaptiveMode() {
  timeDelta_ = 1000;
  adaptionFailed_ = false;
  performanceLevel_ = 0;
}

namespace {
Integer ClampLevel(Integer level) { return std::clamp(level, 0, 2); }
Integer ClampDelta(Integer delta) { return std::clamp(delta, 1000, 5000); }
}  // namespace

void TMicroTilesRepaintOptimizer::BeginAdaption() {
  if (!adaptiveMode_ || performanceLevel_ == 0) return;
  if (clock_->Ticks() > nextCheck_) {
    performanceLevel_ = ClampLevel(performanceLevel_ - 1);
    timedCheck_ = true;
  } else if (!adaptionFailed_ && InvalidRects()->Count() < oldInvalidRectsCount_ - 10) {
    performanceLevel_ = ClampLevel(performanceLevel_ - 1);
  } else if (performanceLevel_ == 2) {
    InvalidRects()->Clear();  // the full scene
  }
}

void TMicroTilesRepaintOptimizer::EndAdaption() {
  const Int64 t = clock_->ReadTimer();
  if (InvalidRects()->Count() == 0) {
    fullSceneTime_ = t;
  } else if (adaptiveMode_) {
    if (t > fullSceneTime_) {
      const Integer level = ClampLevel(performanceLevel_ + 1);
      if (level != performanceLevel_) {
        oldInvalidRectsCount_ = InvalidRects()->Count();
        performanceLevel_ = level;
        if (timedCheck_) {
          timeDelta_ = ClampDelta(timeDelta_ + 250);
          nextCheck_ = clock_->Ticks() + timeDelta_;
          penaltyTime_ = t;
          timedCheck_ = false;
        }
        adaptionFailed_ = true;
      }
    } else if (t < fullSceneTime_) {
      if (timedCheck_) {
        timeDelta_ = 1000;
        nextCheck_ = clock_->Ticks() + timeDelta_;
        timedCheck_ = false;
      } else if (timeDelta_ > 1000) {
        timeDelta_ = ClampDelta(timeDelta_ - 1000);
        nextCheck_ = clock_->Ticks() + timeDelta_;
      }
      adaptionFailed_ = false;
    } else if (t < penaltyTime_ && timedCheck_) {
      timeDelta_ = ClampDelta(timeDelta_ - 250);
      nextCheck_ = clock_->Ticks() + timeDelta_;
      timedCheck_ = false;
    }
  }
  lastRepaintTime_ = t;
}
