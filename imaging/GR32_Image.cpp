// The image control: its properties, the size and place of the drawn bitmap, the
// cached view transform, change handling in the three repaint modes, and mouse
// routing through the layer collection.
#include "imaging/GR32_Image.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/core/Math.h"
#include "platform/core/WinApi.h"

TCustomImage32::TCustomImage32(TComponent* owner)
    : TCustomPaintBox32(owner),
      bitmap_(new TBitmap32),
      layers_(new TLayerCollection(this)),
      paintStages_(new TPaintStages) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable;
  bitmap_->OnResize = TNotifyEvent(this, &TCustomImage32::BitmapResizeHandler);
  layers_->ChangeEvent = TNotifyEvent(this, &TCustomImage32::LayerCollectionChangeHandler);
  layers_->GDIUpdateEvent = TNotifyEvent(this, &TCustomImage32::LayerCollectionGDIUpdateHandler);
  layers_->GetViewportScaleEvent = TGetScaleEvent(this, &TCustomImage32::LayerCollectionGetViewportScaleHandler);
  layers_->GetViewportShiftEvent = TGetShiftEvent(this, &TCustomImage32::LayerCollectionGetViewportShiftHandler);
  RepaintOptimizer()->RegisterLayerCollection(layers_);
  SetRepaintMode(rmFull);
  InitDefaultStages();
}

TCustomImage32::~TCustomImage32() {
  BeginUpdate();  // nothing is notified any more
  DestroyHandle();
  delete paintStages_;
  RepaintOptimizer()->UnregisterLayerCollection(layers_);
  delete layers_;
  delete bitmap_;
}

// ---- properties

void TCustomImage32::SetBitmap(const TBitmap32* value) {
  InvalidateCache();
  bitmap_->Assign(value);
}

void TCustomImage32::SetBitmapAlign(TBitmapAlign value) {
  InvalidateCache();
  bitmapAlign_ = value;
  Changed();
}

void TCustomImage32::SetScaleMode(TScaleMode value) {
  if (value == scaleMode_) return;
  InvalidateCache();
  scaleMode_ = value;
  Changed();
}

namespace {
float AtLeastMinimumScale(float value) { return value < 0.001f ? 0.001f : value; }
}  // namespace

void TCustomImage32::SetScale(float value) {
  value = AtLeastMinimumScale(value);
  if (value == scaleX_) return;
  InvalidateCache();
  scaleX_ = scaleY_ = value;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetScaleX(float value) {
  value = AtLeastMinimumScale(value);
  if (value == scaleX_) return;
  InvalidateCache();
  scaleX_ = value;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetScaleY(float value) {
  value = AtLeastMinimumScale(value);
  if (value == scaleY_) return;
  InvalidateCache();
  scaleY_ = value;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetOffsetHorz(float value) {
  if (value == offsetHorz_) return;
  offsetHorz_ = value;
  InvalidateCache();
  Changed();
}

void TCustomImage32::SetOffsetVert(float value) {
  if (value == offsetVert_) return;
  offsetVert_ = value;
  InvalidateCache();
  Changed();
}

void TCustomImage32::SetOnPixelCombine(const TPixelCombineEvent& value) {
  bitmap_->OnPixelCombine = value;
  Changed();
}

// ---- geometry and the view cache

TSize TCustomImage32::GetBitmapSize() {
  if (bitmap_->Empty() || Width() == 0 || Height() == 0) return TSize{};
  const TRect viewport = GetViewportRect();
  const Integer vw = viewport.Width(), vh = viewport.Height();
  const Integer bw = bitmap_->Width(), bh = bitmap_->Height();
  auto scaled = [](Integer side, float scale) { return Integer(Round(Extended(side) * scale)); };
  TScaleMode mode = scaleMode_;
  if (mode == smOptimal) mode = vw < bw || vh < bh ? smResize : smNormal;
  if (mode == smOptimalScaled)
    mode = vw < scaled(bw, scaleX_) || vh < scaled(bh, scaleY_) ? smResize : smScale;
  TSize size;
  switch (mode) {
    case smNormal: size = {bw, bh}; break;
    case smStretch: size = {vw, vh}; break;
    case smScale: size = {scaled(bw, scaleX_), scaled(bh, scaleY_)}; break;
    default: {  // smResize: the aspect kept, touching the tighter side
      const float rx = float(Extended(vw) / bw), ry = float(Extended(vh) / bh);
      size = rx >= ry ? TSize{scaled(bw, ry), vh} : TSize{vw, scaled(bh, rx)};
    }
  }
  size.cx = std::max(size.cx, 0);
  size.cy = std::max(size.cy, 0);
  return size;
}

TRect TCustomImage32::GetBitmapRect() {
  if (bitmap_->Empty()) return TRect{};
  const TSize size = GetBitmapSize();
  TRect r{0, 0, size.cx, size.cy};
  if (bitmapAlign_ == baCenter) {
    OffsetRect(r, (Width() - size.cx) / 2, (Height() - size.cy) / 2);
  } else if (bitmapAlign_ == baCustom) {
    OffsetRect(r, Integer(Round(offsetHorz_)), Integer(Round(offsetVert_)));
  }
  return r;
}

void TCustomImage32::ComputeViewTransform(const TRect& drawnRect) {
  // The identity where nothing is drawn: no division by an empty rectangle.
  if (bitmap_->Empty() || drawnRect.Width() < 1 || drawnRect.Height() < 1) {
    cachedTransform_ = TViewTransform{};
    return;
  }
  const Integer bw = bitmap_->Width(), bh = bitmap_->Height();
  cachedTransform_.XShift = drawnRect.Left;
  cachedTransform_.YShift = drawnRect.Top;
  cachedTransform_.XScale16 = ::MulDiv(drawnRect.Width(), 65536, bw);
  cachedTransform_.YScale16 = ::MulDiv(drawnRect.Height(), 65536, bh);
  cachedTransform_.XInvScale16 = ::MulDiv(bw, 65536, drawnRect.Width());
  cachedTransform_.YInvScale16 = ::MulDiv(bh, 65536, drawnRect.Height());
}

void TCustomImage32::UpdateCache() {
  if (cacheValid_) return;
  cachedBitmapRect_ = GetBitmapRect();
  ComputeViewTransform(cachedBitmapRect_);
  cacheValid_ = true;
}

TRect TCustomImage32::CachedBitmapRect() {
  UpdateCache();
  return cachedBitmapRect_;
}

TViewTransform TCustomImage32::ViewTransform() {
  UpdateCache();
  return cachedTransform_;
}

namespace {
// (a * b) div 65536 with a 32-bit product, as the 16.16 mapping is defined.
Integer Fixed16Product(Integer a, Integer b) { return Integer(std::int32_t(Int64(a) * b)) / 65536; }
}  // namespace

TPoint TCustomImage32::BitmapToControl(const TPoint& p) {
  UpdateCache();
  const TViewTransform& t = cachedTransform_;
  return TPoint{Fixed16Product(p.X, t.XScale16) + t.XShift, Fixed16Product(p.Y, t.YScale16) + t.YShift};
}

TPoint TCustomImage32::ControlToBitmap(const TPoint& p) {
  UpdateCache();
  const TViewTransform& t = cachedTransform_;
  return TPoint{Fixed16Product(p.X - t.XShift, t.XInvScale16), Fixed16Product(p.Y - t.YShift, t.YInvScale16)};
}

void TCustomImage32::InvalidateCache() {
  if (RepaintOptimizer()->Enabled()) RepaintOptimizer()->Reset();
  cacheValid_ = false;
}

void TCustomImage32::LayerCollectionGetViewportScaleHandler(TObject*, float& scaleX, float& scaleY) {
  UpdateCache();
  scaleX = cachedTransform_.XScale16 / 65536.0f;
  scaleY = cachedTransform_.YScale16 / 65536.0f;
}

void TCustomImage32::LayerCollectionGetViewportShiftHandler(TObject*, float& shiftX, float& shiftY) {
  UpdateCache();
  shiftX = float(cachedTransform_.XShift);
  shiftY = float(cachedTransform_.YShift);
}

// ---- updates and invalidation

void TCustomImage32::EndUpdate() {
  Assert(updateCount_ > 0, "Unpaired EndUpdate call");
  --updateCount_;
}

void TCustomImage32::Changed() {
  if (updateCount_ != 0) return;
  Invalidate();
  OnChange(this);
}

void TCustomImage32::Invalidate() {
  cacheValid_ = false;
  TCustomPaintBox32::Invalidate();
}

bool TCustomImage32::InvalidRectsAvailable() {
  DoPrepareInvalidRects();
  return InvalidRects()->Count() > 0;
}

void TCustomImage32::Resize() {
  InvalidateCache();
  TCustomPaintBox32::Resize();
}

void TCustomImage32::Loaded() {
  TCustomPaintBox32::Loaded();
  DoInitStages();
}

void TCustomImage32::SetupBitmap(bool doClear, TColor32 clearColor) {
  bitmap_->BeginUpdate();
  try {
    const TRect viewport = GetViewportRect();
    bitmap_->SetSize(viewport.Width(), viewport.Height());
    if (doClear) bitmap_->Clear(clearColor);
  } catch (...) {
    bitmap_->EndUpdate();
    throw;
  }
  bitmap_->EndUpdate();
  InvalidateCache();
  Changed();
}

bool TCustomImage32::CanAutoSize(int& newWidth, int& newHeight) {
  InvalidateCache();
  Integer w = bitmap_->Width(), h = bitmap_->Height();
  if (scaleMode_ == smScale) {
    w = Integer(Round(Extended(w) * scaleX_));
    h = Integer(Round(Extended(h) * scaleY_));
  }
  if (HasState(csDesigning) && (w <= 0 || h <= 0)) return true;
  if (Align() == alNone || Align() == alLeft || Align() == alRight) newWidth = w;
  if (Align() == alNone || Align() == alTop || Align() == alBottom) newHeight = h;
  return true;
}

void TCustomImage32::SetRepaintMode(TRepaintMode value) {
  TCustomPaintBox32::SetRepaintMode(value);
  switch (value) {
    case rmDirect:
      bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TCustomImage32::BitmapDirectAreaChangeHandler);
      bitmap_->OnChange = nullptr;
      break;
    case rmOptimizer:
      bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TCustomImage32::BitmapAreaChangeHandler);
      bitmap_->OnChange = nullptr;
      break;
    default:
      bitmap_->OnAreaChanged = nullptr;
      bitmap_->OnChange = TNotifyEvent(this, &TCustomImage32::BitmapChangeHandler);
      break;
  }
}

// ---- the bitmap's notifications

void TCustomImage32::BitmapResized() {
  if (AutoSize()) {
    Integer w = bitmap_->Width(), h = bitmap_->Height();
    if (scaleMode_ == smScale) {
      w = Integer(Round(Extended(w) * scaleX_));
      h = Integer(Round(Extended(h) * scaleY_));
    }
    if (w > 0 && h > 0) SetBounds(Left(), Top(), w, h);
  }
  if (updateCount_ == 0) OnBitmapResize(this);
  InvalidateCache();
  ForceFullInvalidate();
}

void TCustomImage32::BitmapChangeHandler(TObject*) {
  RepaintOptimizer()->Reset();
  BitmapChanged(bitmap_->BoundsRect());
}

template <class F>
void TCustomImage32::ForEachTile(const TRect& area, F each) {
  const TRect drawn = cachedBitmapRect_;
  if (bitmapAlign_ != baTile || drawn.Right <= 0 || drawn.Bottom <= 0) return each(area);
  for (Integer j = 0; j <= Buffer()->Height() / drawn.Bottom; ++j)
    for (Integer i = 0; i <= Buffer()->Width() / drawn.Right; ++i) {
      TRect tile = area;
      OffsetRect(tile, i * drawn.Right, j * drawn.Bottom);
      each(tile);
    }
}

// A bitmap area in control coordinates, widened by the resampler's reach.
TRect TCustomImage32::MapBitmapArea(const TRect& area) {
  TRect widened = area;
  const Integer reach = Integer(Trunc(bitmap_->Resampler()->GetWidth())) + 1;
  InflateArea(widened, reach, reach);
  const TPoint topLeft = BitmapToControl(widened.TopLeft());
  const TPoint bottomRight = BitmapToControl(widened.BottomRight());
  return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

void TCustomImage32::BitmapAreaChangeHandler(TObject* sender, const TRect& area, Cardinal) {
  if (sender != bitmap_) return;
  ForEachTile(MapBitmapArea(area), [this](const TRect& r) {
    RepaintOptimizer()->AreaUpdateHandler(this, r, AREAINFO_RECT);
  });
  BitmapChanged(area);
}

void TCustomImage32::BitmapDirectAreaChangeHandler(TObject* sender, const TRect& area, Cardinal) {
  if (sender != bitmap_) return;
  ForEachTile(MapBitmapArea(area), [this](const TRect& r) { InvalidRects()->Add(r); });
  if (updateCount_ != 0) return;
  RepaintNow();
  OnChange(this);
}

// ---- mouse

void TCustomImage32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPaintBox32::MouseDown(button, shift, x, y);
  if (TabStop() && CanFocus()) SetFocus();
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseDown(button, shift, x, y) : nullptr;
  if (button == mbLeft || layers_->MouseListener()) SetMouseCapture(true);
  MouseDown(button, shift, x, y, layer);
}

void TCustomImage32::MouseMove(TShiftState shift, int x, int y) {
  TCustomPaintBox32::MouseMove(shift, x, y);
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseMove(shift, x, y) : nullptr;
  MouseMove(shift, x, y, layer);
}

void TCustomImage32::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseUp(button, shift, x, y) : nullptr;
  if (button == mbLeft && !layers_->MouseListener()) SetMouseCapture(false);
  MouseUp(button, shift, x, y, layer);
}

void TCustomImage32::MouseDown(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseDown(this, button, shift, x, y, layer);
}

void TCustomImage32::MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseMove(this, shift, x, y, layer);
}

void TCustomImage32::MouseUp(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseUp(this, button, shift, x, y, layer);
}

void TCustomImage32::MouseLeave() {
  if (layers_->MouseEvents() && !layers_->MouseListener()) Screen.SetCursor(crDefault);
  TCustomPaintBox32::MouseLeave();
}
