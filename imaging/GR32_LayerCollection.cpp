// The layer collection: the stack of layers of one image control, its change
// reporting, the viewport mapping and the routing of the control's mouse.
#include <algorithm>

#include "imaging/GR32_Layers.h"
#include "platform/controls/Forms.h"
#include "platform/core/SysUtils.h"

TLayerCollection::TLayerCollection(TPersistent* owner) : owner_(owner) {}

TLayerCollection::~TLayerCollection() {
  updateCount_ = 1;  // no change events any more; list notifications still go out
  Clear();
}

TCustomLayer* TLayerCollection::Items(Integer index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return items_[index];
}

void TLayerCollection::SetItem(Integer index, TCustomLayer* value) { Items(index)->Assign(value); }

Integer TLayerCollection::IndexOf(const TCustomLayer* layer) const {
  auto it = std::find(items_.begin(), items_.end(), layer);
  return it == items_.end() ? -1 : Integer(it - items_.begin());
}

String TLayerCollection::GetNamePath() const {
  return owner_ ? owner_->GetNamePath() + ".Layers" : ClassName();
}

// ---- adding and removing

TCustomLayer* TLayerCollection::Add(TLayerClass layerClass) {
  TCustomLayer* layer = layerClass(this);  // inserts itself on top
  layer->SetIndex(Count() - 1);
  Notify(lnLayerAdded, layer, layer->Index());
  return layer;
}

TCustomLayer* TLayerCollection::Insert(Integer index, TLayerClass layerClass) {
  TCustomLayer* layer = nullptr;
  WithinUpdate([&] {
    layer = Add(layerClass);
    layer->SetIndex(index);
    Notify(lnLayerInserted, layer, index);  // the index asked for, not the clamped one
  });
  return layer;
}

void TLayerCollection::Delete(Integer index) {
  TCustomLayer* layer = Items(index);
  layer->BeforeDestruction();
  delete layer;  // removes itself
}

void TLayerCollection::Clear() {
  WithinUpdate([&] {
    while (!items_.empty()) Delete(Count() - 1);
    Notify(lnCleared, nullptr, 0);
  });
}

void TLayerCollection::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TLayerCollection*>(source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  // No layer class copies itself: refuse while nothing has changed yet.
  if (other->Count() > 0) RaiseCannotAssign(other->items_[0], other->items_[0]);
  WithinUpdate([&] {
    while (!items_.empty()) Delete(Count() - 1);
  });
}

void TLayerCollection::InsertItem(TCustomLayer* layer) {
  WithinUpdate([&] {
    items_.push_back(layer);
    layer->layerCollection_ = this;
    Notify(lnLayerAdded, layer, Count() - 1);
  });
}

void TLayerCollection::RemoveItem(TCustomLayer* layer) {
  const Integer index = IndexOf(layer);
  if (index < 0) return;
  WithinUpdate([&] {
    items_.erase(items_.begin() + index);
    layer->layerCollection_ = nullptr;
    Notify(lnLayerDeleted, layer, index);
  });
}

void TLayerCollection::MoveItem(Integer curIndex, Integer newIndex) {
  TCustomLayer* layer = items_[curIndex];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, layer);
}

// ---- change reporting

void TLayerCollection::BeginUpdate() {
  if (updateCount_ == 0) Changing();
  ++updateCount_;
}

void TLayerCollection::EndUpdate() {
  Assert(updateCount_ > 0, "Unpaired EndUpdate");
  if (--updateCount_ == 0) Changed();
}

void TLayerCollection::WithinUpdate(const std::function<void()>& body) {
  BeginUpdate();
  try {
    body();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TLayerCollection::GDIUpdate() {
  if (updateCount_ == 0) GDIUpdateEvent(this);
}

void TLayerCollection::DoUpdateArea(const TRect& rect) {
  AreaUpdatedEvent(this, rect, AREAINFO_RECT);
  Changed();
}

void TLayerCollection::DoUpdateLayer(TCustomLayer* layer) {
  LayerUpdatedEvent(this, layer);
  Changed();
}

// ---- viewport mapping

void TLayerCollection::GetViewportScale(float& scaleX, float& scaleY) {
  if (GetViewportScaleEvent) return GetViewportScaleEvent(this, scaleX, scaleY);
  scaleX = scaleY = 1;
}

void TLayerCollection::GetViewportShift(float& shiftX, float& shiftY) {
  if (GetViewportShiftEvent) return GetViewportShiftEvent(this, shiftX, shiftY);
  shiftX = shiftY = 0;
}

TFloatPoint TLayerCollection::LocalToViewport(const TFloatPoint& p, bool scaled) {
  if (!scaled) return p;
  float sx, sy, dx, dy;
  GetViewportScale(sx, sy);
  GetViewportShift(dx, dy);
  return {p.X * sx + dx, p.Y * sy + dy};
}

TFloatPoint TLayerCollection::ViewportToLocal(const TFloatPoint& p, bool scaled) {
  if (!scaled) return p;
  float sx, sy, dx, dy;
  GetViewportScale(sx, sy);
  GetViewportShift(dx, dy);
  return {(p.X - dx) / sx, (p.Y - dy) / sy};
}

// ---- mouse

TCustomLayer* TLayerCollection::FindLayerAtPos(Integer x, Integer y, Cardinal optionsMask) {
  for (Integer i = Count() - 1; i >= 0; --i) {
    TCustomLayer* layer = items_[i];
    if ((layer->LayerOptions() & optionsMask) && layer->HitTest(x, y)) return layer;
  }
  return nullptr;
}

void TLayerCollection::SetMouseEvents(bool value) {
  mouseEvents_ = value;
  SetMouseListener(nullptr);
}

void TLayerCollection::SetMouseListener(TCustomLayer* value) {
  if (value == mouseListener_) return;
  if (mouseListener_) mouseListener_->SetLayerStates(mouseListener_->LayerStates() & ~AllMouseStates);
  mouseListener_ = value;
}

TCustomLayer* TLayerCollection::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomLayer* layer = mouseListener_ ? mouseListener_ : FindLayerAtPos(x, y, LayerOptMouseEvents);
  if (layer != mouseListener_ && layer && !(layer->LayerOptions() & LayerOptNoCapture)) SetMouseListener(layer);
  if (mouseListener_) {
    mouseListener_->SetLayerStates(mouseListener_->LayerStates() | LayerStateOf(button));
    mouseListener_->MouseDown(button, shift, x, y);
  }
  return layer;
}

TCustomLayer* TLayerCollection::MouseMove(TShiftState shift, Integer x, Integer y) {
  TCustomLayer* layer = mouseListener_ ? mouseListener_ : FindLayerAtPos(x, y, LayerOptMouseEvents);
  if (layer) {
    layer->MouseMove(shift, x, y);
  } else if (auto* control = dynamic_cast<TControl*>(owner_)) {
    Screen.SetCursor(control->Cursor());
  }
  return layer;
}

TCustomLayer* TLayerCollection::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomLayer* layer = mouseListener_ ? mouseListener_ : FindLayerAtPos(x, y, LayerOptMouseEvents);
  if (layer) {
    layer->SetLayerStates(layer->LayerStates() & ~LayerStateOf(button));
    layer->MouseUp(button, shift, x, y);
  }
  if (mouseListener_ && !(mouseListener_->LayerStates() & AllMouseStates)) SetMouseListener(nullptr);
  return layer;
}
