// The rubber-band layer: a positioned layer the user moves and resizes with the
// mouse by its stippled frame and square handles, within minimum and maximum
// sizes, optionally carrying a child layer that follows its location.
#pragma once

#include "imaging/GR32_Layers.h"

// Named in the layer unit's own namespace: the platform's drag and drop has a
// TDragState of its own.
namespace GR32_Layers {
enum TDragState { dsNone, dsMove, dsSizeL, dsSizeT, dsSizeR, dsSizeB, dsSizeTL, dsSizeTR, dsSizeBL, dsSizeBR };
}  // namespace GR32_Layers

enum TRBHandle : Word {
  rhCenter = 1 << 0,
  rhSides = 1 << 1,
  rhCorners = 1 << 2,
  rhFrame = 1 << 3,
  rhNotLeftSide = 1 << 4,
  rhNotRightSide = 1 << 5,
  rhNotTopSide = 1 << 6,
  rhNotBottomSide = 1 << 7,
  rhNotTLCorner = 1 << 8,
  rhNotTRCorner = 1 << 9,
  rhNotBLCorner = 1 << 10,
  rhNotBRCorner = 1 << 11,
};
using TRBHandles = Word;

using TRBResizingEvent = TEvent<TObject*, const TFloatRect&, TFloatRect&, GR32_Layers::TDragState, TShiftState>;

// The screen cursor shown over each drag state (dsMove shows the layer's own).
TCursor DragStateCursor(GR32_Layers::TDragState state, TCursor moveCursor);

class TRubberbandLayer : public TPositionedLayer {
public:
  explicit TRubberbandLayer(TLayerCollection* layerCollection);
  ~TRubberbandLayer() override;

  TPositionedLayer* ChildLayer() const { return childLayer_; }
  void SetChildLayer(TPositionedLayer* value);
  const TArrayOfColor32& FrameStipple() const { return frameStipple_; }
  void SetFrameStipple(const TArrayOfColor32& value);
  float FrameStippleStep() const { return frameStippleStep_; }
  void SetFrameStippleStep(float value);
  float FrameStippleCounter() const { return frameStippleCounter_; }
  void SetFrameStippleCounter(float value);
  TColor32 HandleFrame() const { return handleFrame_; }
  void SetHandleFrame(TColor32 value);
  TColor32 HandleFill() const { return handleFill_; }
  void SetHandleFill(TColor32 value);
  TRBHandles Handles() const { return handles_; }
  void SetHandles(TRBHandles value);
  Integer HandleSize() const { return handleSize_; }
  void SetHandleSize(Integer value);
  float MinWidth() const { return minWidth_; }
  void SetMinWidth(float value) { minWidth_ = value; }
  float MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(float value) { maxWidth_ = value; }
  float MinHeight() const { return minHeight_; }
  void SetMinHeight(float value) { minHeight_ = value; }
  float MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(float value) { maxHeight_ = value; }
  bool IsDragging() const { return dragging_; }
  GR32_Layers::TDragState DragState() const { return dragState_; }

  void SetLayerOptions(Cardinal value) override;
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  virtual GR32_Layers::TDragState GetDragState(Integer x, Integer y);

  TNotifyEvent OnUserChange;
  TRBResizingEvent OnResizing;

protected:
  virtual void DoResizing(const TFloatRect& oldLocation, TFloatRect& newLocation, GR32_Layers::TDragState dragState,
                          TShiftState shift);
  bool DoHitTest(Integer x, Integer y) override;
  void Notification(TCustomLayer* layer) override;
  void Paint(TBitmap32* buffer) override;
  void DoSetLocation(const TFloatRect& newLocation) override;

private:
  void UpdateChildLayer();
  void AskForRepaint();
  void DrawHandle(TBitmap32* buffer, Integer x, Integer y) const;
  // The location the drag gives for a mouse point in layer coordinates.
  TFloatRect DraggedLocation(float px, float py) const;

  TPositionedLayer* childLayer_ = nullptr;  // borrowed; cleared when the child goes
  TArrayOfColor32 frameStipple_{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000};
  float frameStippleStep_ = 1.0f;
  float frameStippleCounter_ = 0;
  TColor32 handleFrame_ = 0xFF000000;
  TColor32 handleFill_ = 0xFFFFFFFF;
  TRBHandles handles_ = rhCenter | rhSides | rhCorners | rhFrame;
  Integer handleSize_ = 3;
  float minWidth_ = 10;
  float maxHeight_ = 0;
  float minHeight_ = 10;
  float maxWidth_ = 0;
  bool dragging_ = false;
  GR32_Layers::TDragState dragState_ = GR32_Layers::dsNone;
  TFloatRect oldLocation_;
  TFloatPoint mouseShift_;
};
