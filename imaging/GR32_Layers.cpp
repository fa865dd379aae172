// The layer base (stacking, options, change reporting, mouse and cursor), the
// positioned layer and the bitmap layer.
#include "imaging/GR32_Layers.h"

#include <algorithm>

#include "imaging/GR32_Image.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_RepaintOpt.h"
#include "platform/controls/Forms.h"
#include "platform/core/Math.h"

// ---------------------------------------------------------------------------
// TCustomLayer

TCustomLayer::TCustomLayer(TLayerCollection* layerCollection) {
  SetLayerCollection(layerCollection);
  layerOptions_ = LayerOptVisible;
}

TCustomLayer::~TCustomLayer() {
  // Each listener may remove itself (freeing the emptied list) while it is told.
  for (size_t i = freeNotifies_ ? freeNotifies_->size() : 0; i > 0 && freeNotifies_; --i) {
    if (i > freeNotifies_->size()) continue;
    (*freeNotifies_)[i - 1]->Notification(this);
  }
  freeNotifies_.reset();
  SetLayerCollection(nullptr);
}

void TCustomLayer::AddNotification(TCustomLayer* layer) {
  if (!freeNotifies_) freeNotifies_ = std::make_unique<std::vector<TCustomLayer*>>();
  if (std::find(freeNotifies_->begin(), freeNotifies_->end(), layer) == freeNotifies_->end())
    freeNotifies_->push_back(layer);
}

void TCustomLayer::RemoveNotification(TCustomLayer* layer) {
  if (!freeNotifies_) return;
  freeNotifies_->erase(std::remove(freeNotifies_->begin(), freeNotifies_->end(), layer), freeNotifies_->end());
  if (freeNotifies_->empty()) freeNotifies_.reset();
}

Integer TCustomLayer::Index() const { return layerCollection_ ? layerCollection_->IndexOf(this) : -1; }

void TCustomLayer::SetIndex(Integer value) {
  if (!layerCollection_) return;
  const Integer current = Index();
  if (value == current) return;
  value = std::clamp(value, 0, layerCollection_->Count() - 1);
  TLayerCollection* collection = layerCollection_;
  const bool visible = Visible();
  if (visible) collection->BeginUpdate();
  collection->MoveItem(current, value);
  if (visible) collection->EndUpdate();
}

void TCustomLayer::BringToFront() {
  if (layerCollection_) SetIndex(layerCollection_->Count());
}

void TCustomLayer::SendToBack() { SetIndex(0); }

void TCustomLayer::SetLayerCollection(TLayerCollection* value) {
  if (value == layerCollection_) return;
  if (TLayerCollection* old = layerCollection_) {
    if (old->MouseListener() == this) old->SetMouseListener(nullptr);
    old->RemoveItem(this);
  }
  if (value) value->InsertItem(this);
}

void TCustomLayer::SetLayerOptions(Cardinal value) {
  Changing();
  layerOptions_ = value;
  Changed();
}

void TCustomLayer::SetVisible(bool value) {
  if (value) return SetLayerOptions(layerOptions_ | LayerOptVisible);
  // The area the layer leaves is still reported.
  SetForceUpdate(true);
  SetLayerOptions(layerOptions_ & ~LayerOptVisible);
  SetForceUpdate(false);
}

void TCustomLayer::SetMouseEvents(bool value) {
  SetLayerOptions(value ? layerOptions_ | LayerOptMouseEvents : layerOptions_ & ~LayerOptMouseEvents);
}

void TCustomLayer::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  if (layerCollection_ && layerCollection_->MouseListener() == this) Screen.SetCursor(value);
}

void TCustomLayer::SetAsMouseListener() {
  if (layerCollection_) layerCollection_->SetMouseListener(this);
  Screen.SetCursor(cursor_);
}

bool TCustomLayer::HitTest(Integer x, Integer y) {
  bool passed = DoHitTest(x, y);
  OnHitTest(this, x, y, passed);
  return passed;
}

void TCustomLayer::DoPaint(TBitmap32* buffer) {
  Paint(buffer);
  OnPaint(this, buffer);
}

void TCustomLayer::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  OnMouseDown(this, button, shift, x, y);
}

void TCustomLayer::MouseMove(TShiftState shift, Integer x, Integer y) {
  Screen.SetCursor(cursor_);
  OnMouseMove(this, shift, x, y);
}

void TCustomLayer::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  Screen.SetCursor(crDefault);
  OnMouseUp(this, button, shift, x, y);
}

// ---- change reporting

bool TCustomLayer::ReportsChanges() const {
  return UpdateCount() == 0 && layerCollection_ && !(layerOptions_ & LayerOptNoUpdate);
}

void TCustomLayer::Changing() {
  if (UpdateCount() <= 0 && Visible() && layerCollection_ && !(layerOptions_ & LayerOptNoUpdate))
    layerCollection_->Changing();
}

void TCustomLayer::Changed() {
  if (!ReportsChanges()) return;
  Update();
  if (Visible()) layerCollection_->Changed();
  else if (layerOptions_ & LayerOptGDIOverlay) layerCollection_->GDIUpdate();
  TNotifiablePersistent::Changed();
}

void TCustomLayer::Changed(const TRect& rect) {
  if (!ReportsChanges()) return;
  Update(rect);
  if (Visible()) layerCollection_->Changed();
  else if (layerOptions_ & LayerOptGDIOverlay) layerCollection_->GDIUpdate();
  TNotifiablePersistent::Changed();
}

void TCustomLayer::Update() {
  if (layerCollection_ && (Visible() || ForceUpdate())) layerCollection_->DoUpdateLayer(this);
}

void TCustomLayer::Update(const TRect& rect) {
  if (layerCollection_) layerCollection_->DoUpdateArea(rect);
}

// ---------------------------------------------------------------------------
// TPositionedLayer

TPositionedLayer::TPositionedLayer(TLayerCollection* layerCollection) : TCustomLayer(layerCollection) {
  InitOptions(LayerOptVisible | LayerOptMouseEvents);
}

TFloatRect TPositionedLayer::GetAdjustedRect(const TFloatRect& r) const {
  if (!scaled_ || !LayerCollection()) return r;
  float sx, sy, dx, dy;
  LayerCollection()->GetViewportScale(sx, sy);
  LayerCollection()->GetViewportShift(dx, dy);
  return {r.Left * sx + dx, r.Top * sy + dy, r.Right * sx + dx, r.Bottom * sy + dy};
}

bool TPositionedLayer::DoHitTest(Integer x, Integer y) {
  const TFloatRect a = GetAdjustedLocation();
  return a.Left <= float(x) && float(x) < a.Right && a.Top <= float(y) && float(y) < a.Bottom;
}

void TPositionedLayer::SetLocation(const TFloatRect& value) {
  Changing();
  DoSetLocation(value);
  Changed();
}

void TPositionedLayer::SetScaled(bool value) {
  if (value == scaled_) return;
  Changing();
  scaled_ = value;
  Changed();
}

// ---------------------------------------------------------------------------
// TBitmapLayer

TBitmapLayer::TBitmapLayer(TLayerCollection* layerCollection)
    : TPositionedLayer(layerCollection), bitmap_(new TBitmap32) {
  bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TBitmapLayer::BitmapAreaChanged);
}

TBitmapLayer::~TBitmapLayer() {
  bitmap_->OnAreaChanged = nullptr;
  delete bitmap_;
}

void TBitmapLayer::SetCropped(bool value) {
  if (value == cropped_) return;
  cropped_ = value;
  Changed();
}

bool TBitmapLayer::DoHitTest(Integer x, Integer y) {
  if (!TPositionedLayer::DoHitTest(x, y)) return false;
  if (!hitByAlpha_) return true;
  const TFloatRect a = GetAdjustedLocation();
  const Int64 w = Round(Extended(a.Right) - a.Left), h = Round(Extended(a.Bottom) - a.Top);
  if (w < 1 || h < 1) return false;
  const Integer bx = Integer(Round((Extended(x) - a.Left) * bitmap_->Width() / w));
  const Integer by = Integer(Round((Extended(y) - a.Top) * bitmap_->Height() / h));
  return AlphaComponent(bitmap_->GetPixelS(bx, by)) != 0;
}

void TBitmapLayer::Paint(TBitmap32* buffer) {
  if (bitmap_->Empty()) return;
  const TFloatRect a = GetAdjustedLocation();
  const TRect dstRect{Integer(Round(a.Left)), Integer(Round(a.Top)), Integer(Round(a.Right)), Integer(Round(a.Bottom))};
  TRect clipRect = buffer->ClipRect();
  TRect overlap;
  if (!IntersectRect(overlap, clipRect, dstRect)) return;
  // A cropped layer never shows outside the image control's picture.
  auto* image = LayerCollection() ? dynamic_cast<TCustomImage32*>(LayerCollection()->Owner()) : nullptr;
  if (cropped_ && image && !image->PaintingToTarget()) {
    if (dstRect.Width() < 1 || dstRect.Height() < 1) return;
    IntersectRect(clipRect, clipRect, image->GetBitmapRect());
  }
  StretchTransfer(buffer, dstRect, clipRect, bitmap_, bitmap_->BoundsRect(), bitmap_->Resampler(),
                  bitmap_->DrawMode(), bitmap_->OnPixelCombine);
}

void TBitmapLayer::BitmapAreaChanged(TObject* sender, const TRect& area, Cardinal info) {
  if (bitmap_->Empty() || !LayerCollection() || (LayerOptions() & LayerOptNoUpdate)) return;
  const TFloatRect t = GetAdjustedLocation();
  const float sx = (t.Right - t.Left) / float(bitmap_->Width());
  const float sy = (t.Bottom - t.Top) / float(bitmap_->Height());
  TRect r{Integer(Floor(t.Left + area.Left * sx)), Integer(Floor(t.Top + area.Top * sy)),
          Integer(Ceil(t.Left + area.Right * sx)), Integer(Ceil(t.Top + area.Bottom * sy))};
  const Integer reach = Integer(Trunc(bitmap_->Resampler()->GetWidth())) + 1;
  InflateArea(r, reach, reach);
  Changed(r);
}
