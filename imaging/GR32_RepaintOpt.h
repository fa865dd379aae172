// The repaint optimiser's interface, which the double-buffered paint box and the
// image control talk to, and InflateArea, which widens a changed area outward.
#pragma once

#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_Containers.h"
#include "imaging/GR32_Layers.h"

// Widens the area by dx left and right and by dy above and below; a rectangle
// stored reversed (a line drawn right to left or upward) widens outward as well.
void InflateArea(TRect& area, Integer dx, Integer dy);

class TCustomRepaintOptimizer : public TObject {
public:
  // Keeps both: the control's back buffer and its list of rectangles to repaint.
  TCustomRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects);
  ~TCustomRepaintOptimizer() override;

  virtual bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value) { enabled_ = value; }

  // A collection is registered once; its list notifications come here.
  virtual void RegisterLayerCollection(TLayerCollection* layers);
  virtual void UnregisterLayerCollection(TLayerCollection* layers);

  virtual void BeginPaint() {}
  virtual void EndPaint() {}
  virtual void BeginPaintBuffer() {}
  virtual void EndPaintBuffer() {}

  virtual void Reset() = 0;
  virtual bool UpdatesAvailable() = 0;
  virtual void PerformOptimization() = 0;

  virtual void AreaUpdateHandler(TObject* sender, const TRect& area, Cardinal info) = 0;
  virtual void LayerUpdateHandler(TObject* sender, TCustomLayer* layer) = 0;
  virtual void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action,
                                            TCustomLayer* layer, Integer index) = 0;
  virtual void BufferResizedHandler(Integer newWidth, Integer newHeight) = 0;

protected:
  const std::vector<TLayerCollection*>& LayerCollections() const { return layerCollections_; }
  TBitmap32* Buffer() const { return buffer_; }
  TRectList* InvalidRects() const { return invalidRects_; }

private:
  bool enabled_ = false;
  std::vector<TLayerCollection*> layerCollections_;  // borrowed: the controls own them
  TRectList* invalidRects_;                           // borrowed from the control
  TBitmap32* buffer_;                                 // borrowed from the control
};
