// Layers over an image control's bitmap: the collection that stacks them, routes
// the control's mouse to the layer under it (or to the one holding the mouse) and
// reports their changes; the layer base, the positioned layer (a floating-point
// rectangle) and the bitmap layer (a positioned layer showing a TBitmap32).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "imaging/GR32.h"
#include "platform/controls/Controls.h"

class TCustomLayer;
class TLayerCollection;

// The layer option bits (a layer paint stage's mask is matched against all of them).
constexpr Cardinal LayerOptVisible = 0x80000000u;
constexpr Cardinal LayerOptGDIOverlay = 0x40000000u;
constexpr Cardinal LayerOptMouseEvents = 0x20000000u;
constexpr Cardinal LayerOptNoUpdate = 0x10000000u;
constexpr Cardinal LayerOptNoCapture = 0x08000000u;
constexpr Cardinal LayerOptInvalid = 0x04000000u;
constexpr Cardinal LayerOptForceUpdate = 0x02000000u;

enum TLayerListNotification { lnLayerAdded, lnLayerInserted, lnLayerDeleted, lnCleared };
enum TLayerState { lsMouseLeft, lsMouseRight, lsMouseMiddle };
using TLayerStates = unsigned;  // bit i: state i
constexpr TLayerStates LayerStateOf(TMouseButton button) { return 1u << unsigned(button); }
constexpr TLayerStates AllMouseStates = 7;

using TLayerUpdateEvent = TEvent<TObject*, TCustomLayer*>;
using TLayerListNotifyEvent = TEvent<TLayerCollection*, TLayerListNotification, TCustomLayer*, Integer>;
using TGetScaleEvent = TEvent<TObject*, float&, float&>;
using TGetShiftEvent = TEvent<TObject*, float&, float&>;
using TPaintLayerEvent = TEvent<TObject*, TBitmap32*>;
using THitTestEvent = TEvent<TObject*, Integer, Integer, bool&>;
// A layer class: makes a layer of that class in a collection.
using TLayerClass = TCustomLayer* (*)(TLayerCollection* collection);
template <class T>
TCustomLayer* NewLayer(TLayerCollection* collection) {
  return new T(collection);
}

class TLayerCollection : public TPersistent {
public:
  explicit TLayerCollection(TPersistent* owner);
  ~TLayerCollection() override;

  Integer Count() const { return Integer(items_.size()); }
  // The platform list's index error for a bad index.
  TCustomLayer* Items(Integer index) const;
  void SetItem(Integer index, TCustomLayer* value);
  TPersistent* Owner() const { return owner_; }

  TCustomLayer* Add(TLayerClass layerClass);
  template <class T>
  T* Add() {
    return static_cast<T*>(Add(&NewLayer<T>));
  }
  TCustomLayer* Insert(Integer index, TLayerClass layerClass);
  void Delete(Integer index);
  void Clear();
  // Layers cannot copy themselves: a source holding layers is refused with the
  // platform's assignment error before anything changes.
  void Assign(const TPersistent* source) override;

  void BeginUpdate();
  void EndUpdate();
  void Changed() { ChangeEvent(this); }
  void Changing() { ChangingEvent(this); }
  void GDIUpdate();
  void Notify(TLayerListNotification action, TCustomLayer* layer, Integer index) {
    ListNotifyEvent(this, action, layer, index);
  }
  void DoUpdateArea(const TRect& rect);
  void DoUpdateLayer(TCustomLayer* layer);

  virtual void GetViewportScale(float& scaleX, float& scaleY);
  virtual void GetViewportShift(float& shiftX, float& shiftY);
  TFloatPoint LocalToViewport(const TFloatPoint& p, bool scaled);
  TFloatPoint ViewportToLocal(const TFloatPoint& p, bool scaled);

  // The topmost layer that shares a bit with the mask and is hit; nullptr when none.
  TCustomLayer* FindLayerAtPos(Integer x, Integer y, Cardinal optionsMask);
  // Mouse routing in control coordinates; each answers the layer concerned.
  TCustomLayer* MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y);
  TCustomLayer* MouseMove(TShiftState shift, Integer x, Integer y);
  TCustomLayer* MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y);

  bool MouseEvents() const { return mouseEvents_; }
  void SetMouseEvents(bool value);
  TCustomLayer* MouseListener() const { return mouseListener_; }
  void SetMouseListener(TCustomLayer* value);

  // Used by the layers themselves when they join or leave.
  void InsertItem(TCustomLayer* layer);
  void RemoveItem(TCustomLayer* layer);
  // Moves a layer within the list, without notification.
  void MoveItem(Integer curIndex, Integer newIndex);
  Integer IndexOf(const TCustomLayer* layer) const;
  Integer UpdateCount() const { return updateCount_; }

  TNotifyEvent ChangingEvent;
  TNotifyEvent ChangeEvent;
  TNotifyEvent GDIUpdateEvent;
  TLayerListNotifyEvent ListNotifyEvent;
  TLayerUpdateEvent LayerUpdatedEvent;
  TAreaChangedEvent AreaUpdatedEvent;
  TGetScaleEvent GetViewportScaleEvent;
  TGetShiftEvent GetViewportShiftEvent;

  String GetNamePath() const override;

private:
  // BeginUpdate ... EndUpdate around the body, also when it throws.
  void WithinUpdate(const std::function<void()>& body);

  std::vector<TCustomLayer*> items_;  // owned: index 0 at the bottom
  bool mouseEvents_ = true;
  TCustomLayer* mouseListener_ = nullptr;  // borrowed from items_
  Integer updateCount_ = 0;
  TPersistent* owner_;  // borrowed: the image control
};

class TCustomLayer : public TNotifiablePersistent {
public:
  explicit TCustomLayer(TLayerCollection* layerCollection);
  ~TCustomLayer() override;
  // Fires OnDestroy; the owner of a layer calls it before deleting it.
  void BeforeDestruction() { OnDestroy(this); }

  void AddNotification(TCustomLayer* layer);
  void RemoveNotification(TCustomLayer* layer);

  Integer Index() const;
  virtual void SetIndex(Integer value);
  void BringToFront();
  void SendToBack();
  TLayerCollection* LayerCollection() const { return layerCollection_; }
  virtual void SetLayerCollection(TLayerCollection* value);

  Cardinal LayerOptions() const { return layerOptions_; }
  virtual void SetLayerOptions(Cardinal value);
  bool Visible() const { return (layerOptions_ & LayerOptVisible) != 0; }
  void SetVisible(bool value);
  bool MouseEvents() const { return (layerOptions_ & LayerOptMouseEvents) != 0; }
  void SetMouseEvents(bool value);
  // Read and written directly, without notification (the repaint optimiser's mark).
  bool Invalid() const { return (layerOptions_ & LayerOptInvalid) != 0; }
  void SetInvalid(bool value) { SetOption(LayerOptInvalid, value); }
  bool ForceUpdate() const { return (layerOptions_ & LayerOptForceUpdate) != 0; }
  void SetForceUpdate(bool value) { SetOption(LayerOptForceUpdate, value); }
  TLayerStates LayerStates() const { return layerStates_; }
  void SetLayerStates(TLayerStates value) { layerStates_ = value; }

  TCursor Cursor() const { return cursor_; }
  virtual void SetCursor(TCursor value);
  void SetAsMouseListener();

  bool HitTest(Integer x, Integer y);
  void DoPaint(TBitmap32* buffer);
  virtual void PaintGDI(TCanvas* canvas) {}

  virtual void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y);
  virtual void MouseMove(TShiftState shift, Integer x, Integer y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y);

  void Changed() override;
  void Changed(const TRect& rect);
  void Changing();
  void Update();
  void Update(const TRect& rect);

  THitTestEvent OnHitTest;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TPaintLayerEvent OnPaint;
  TNotifyEvent OnDestroy;

protected:
  virtual bool DoHitTest(Integer x, Integer y) { return true; }
  virtual void Notification(TCustomLayer* layer) {}
  virtual void Paint(TBitmap32* buffer) {}
  // The options a descendant starts with, set without notification.
  void InitOptions(Cardinal value) { layerOptions_ = value; }

private:
  friend class TLayerCollection;  // sets layerCollection_ as the layer joins or leaves
  void SetOption(Cardinal bit, bool value) { layerOptions_ = value ? layerOptions_ | bit : layerOptions_ & ~bit; }
  bool ReportsChanges() const;

  TCursor cursor_ = crDefault;
  std::unique_ptr<std::vector<TCustomLayer*>> freeNotifies_;  // owned list of borrowed layers
  TLayerCollection* layerCollection_ = nullptr;             // borrowed: the collection owns the layer
  TLayerStates layerStates_ = 0;
  Cardinal layerOptions_ = LayerOptVisible;
};

class TPositionedLayer : public TCustomLayer {
public:
  explicit TPositionedLayer(TLayerCollection* layerCollection);

  TFloatRect Location() const { return location_; }
  void SetLocation(const TFloatRect& value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value);
  // The rectangle in control coordinates: scaled and shifted by the viewport when
  // Scaled and in a collection.
  virtual TFloatRect GetAdjustedRect(const TFloatRect& r) const;
  TFloatRect GetAdjustedLocation() const { return GetAdjustedRect(location_); }

protected:
  bool DoHitTest(Integer x, Integer y) override;
  virtual void DoSetLocation(const TFloatRect& newLocation) { location_ = newLocation; }

private:
  TFloatRect location_{0, 0, 64, 64};
  bool scaled_ = false;
};

class TBitmapLayer : public TPositionedLayer {
public:
  explicit TBitmapLayer(TLayerCollection* layerCollection);
  ~TBitmapLayer() override;

  TBitmap32* Bitmap() const { return bitmap_; }  // owned
  void SetBitmap(const TBitmap32* value) { bitmap_->Assign(value); }
  bool HitByAlpha() const { return hitByAlpha_; }
  void SetHitByAlpha(bool value) { hitByAlpha_ = value; }
  bool Cropped() const { return cropped_; }
  void SetCropped(bool value);

protected:
  bool DoHitTest(Integer x, Integer y) override;
  void Paint(TBitmap32* buffer) override;

private:
  void BitmapAreaChanged(TObject* sender, const TRect& area, Cardinal info);
  TBitmap32* bitmap_;
  bool hitByAlpha_ = false;
  bool cropped_ = false;
};
