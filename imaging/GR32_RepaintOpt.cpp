// InflateArea and the repaint optimiser's base: its switch and its registered
// layer collections.
#include "imaging/GR32_RepaintOpt.h"

#include <algorithm>

void InflateArea(TRect& area, Integer dx, Integer dy) {
  if (area.Left > area.Right) dx = -dx;
  if (area.Top > area.Bottom) dy = -dy;
  area.Left -= dx;
  area.Top -= dy;
  area.Right += dx;
  area.Bottom += dy;
}

TCustomRepaintOptimizer::TCustomRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects)
    : invalidRects_(invalidRects), buffer_(buffer) {}

TCustomRepaintOptimizer::~TCustomRepaintOptimizer() {
  while (!layerCollections_.empty()) TCustomRepaintOptimizer::UnregisterLayerCollection(layerCollections_.back());
}

void TCustomRepaintOptimizer::RegisterLayerCollection(TLayerCollection* layers) {
  if (std::find(layerCollections_.begin(), layerCollections_.end(), layers) != layerCollections_.end()) return;
  layerCollections_.push_back(layers);
  layers->ListNotifyEvent = TLayerListNotifyEvent(this, &TCustomRepaintOptimizer::LayerCollectionNotifyHandler);
}

void TCustomRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* layers) {
  layers->ListNotifyEvent = nullptr;
  layerCollections_.erase(std::remove(layerCollections_.begin(), layerCollections_.end(), layers),
                          layerCollections_.end());
}
