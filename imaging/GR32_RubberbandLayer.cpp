// The rubber-band layer: which handle lies under the mouse, the drag that moves
// or resizes the location within its limits, the child that follows, painting.
#include "imaging/GR32_RubberbandLayer.h"

#include <cmath>
#include <cstdlib>

#include "platform/controls/Screen.h"
#include "platform/core/Math.h"

using namespace GR32_Layers;

TCursor DragStateCursor(GR32_Layers::TDragState state, TCursor moveCursor) {
  switch (state) {
    case dsMove: return moveCursor;
    case dsSizeL:
    case dsSizeR: return crSizeWE;
    case dsSizeT:
    case dsSizeB: return crSizeNS;
    case dsSizeTL:
    case dsSizeBR: return crSizeNWSE;
    case dsSizeTR:
    case dsSizeBL: return crSizeNESW;
    default: return crDefault;
  }
}

TRubberbandLayer::TRubberbandLayer(TLayerCollection* layerCollection) : TPositionedLayer(layerCollection) {
  InitOptions(LayerOptVisible | LayerOptMouseEvents);
}

TRubberbandLayer::~TRubberbandLayer() { SetChildLayer(nullptr); }

// ---- properties

void TRubberbandLayer::AskForRepaint() {
  if (LayerCollection()) LayerCollection()->GDIUpdate();
}

void TRubberbandLayer::SetFrameStipple(const TArrayOfColor32& value) {
  frameStipple_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetFrameStippleStep(float value) {
  if (value == frameStippleStep_) return;
  frameStippleStep_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetFrameStippleCounter(float value) {
  if (value == frameStippleCounter_) return;
  frameStippleCounter_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetHandleFrame(TColor32 value) {
  if (value == handleFrame_) return;
  handleFrame_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetHandleFill(TColor32 value) {
  if (value == handleFill_) return;
  handleFill_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetHandles(TRBHandles value) {
  if (value == handles_) return;
  handles_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetHandleSize(Integer value) {
  if (value <= 0) value = 1;
  if (value == handleSize_) return;
  handleSize_ = value;
  AskForRepaint();
}

void TRubberbandLayer::SetLayerOptions(Cardinal value) {
  TPositionedLayer::SetLayerOptions(value & ~LayerOptNoUpdate);
}

// ---- the child

// Each side hears of the other's destruction: the child is told when the rubber
// band goes, and the rubber band clears its reference when the child goes first.
void TRubberbandLayer::SetChildLayer(TPositionedLayer* value) {
  if (value == childLayer_) return;
  if (childLayer_) {
    RemoveNotification(childLayer_);
    childLayer_->RemoveNotification(this);
  }
  childLayer_ = value;
  if (!value) return;
  SetLocation(value->Location());
  SetScaled(value->Scaled());
  AddNotification(value);
  value->AddNotification(this);
}

void TRubberbandLayer::Notification(TCustomLayer* layer) {
  if (layer != childLayer_) return;
  RemoveNotification(childLayer_);
  childLayer_ = nullptr;
}

void TRubberbandLayer::DoSetLocation(const TFloatRect& newLocation) {
  TPositionedLayer::DoSetLocation(newLocation);
  UpdateChildLayer();
}

void TRubberbandLayer::UpdateChildLayer() {
  if (childLayer_) childLayer_->SetLocation(Location());
}

void TRubberbandLayer::DoResizing(const TFloatRect& oldLocation, TFloatRect& newLocation, GR32_Layers::TDragState dragState,
                                  TShiftState shift) {
  OnResizing(this, oldLocation, newLocation, dragState, shift);
}

// ---- hit testing and dragging

namespace {
TRect RoundedRect(const TFloatRect& r) {
  return TRect{Integer(Round(r.Left)), Integer(Round(r.Top)), Integer(Round(r.Right)), Integer(Round(r.Bottom))};
}
}  // namespace

GR32_Layers::TDragState TRubberbandLayer::GetDragState(Integer x, Integer y) {
  TRect r = RoundedRect(GetAdjustedLocation());
  --r.Right;
  --r.Bottom;
  const Integer d = handleSize_ + 1;
  const bool nearLeft = std::abs(r.Left - x) <= d, nearRight = std::abs(r.Right - x) <= d;
  const bool nearHCentre = std::abs((r.Left + r.Right) / 2 - x) <= d;
  const bool nearTop = std::abs(r.Top - y) <= d, nearBottom = std::abs(r.Bottom - y) <= d;
  const bool nearVCentre = std::abs((r.Top + r.Bottom) / 2 - y) <= d;
  const auto has = [this](TRBHandles h) { return (handles_ & h) != 0; };
  const bool corners = has(rhCorners), sides = has(rhSides);
  if (nearRight && nearBottom && corners && !has(rhNotBRCorner)) return dsSizeBR;
  if (nearLeft && nearBottom && corners && !has(rhNotBLCorner)) return dsSizeBL;
  if (nearRight && nearTop && corners && !has(rhNotTRCorner)) return dsSizeTR;
  if (nearLeft && nearTop && corners && !has(rhNotTLCorner)) return dsSizeTL;
  if (nearRight && nearVCentre && sides && !has(rhNotRightSide)) return dsSizeR;
  if (nearHCentre && nearBottom && sides && !has(rhNotBottomSide)) return dsSizeB;
  if (nearLeft && nearVCentre && sides && !has(rhNotLeftSide)) return dsSizeL;
  if (nearTop && nearHCentre && sides && !has(rhNotTopSide)) return dsSizeT;
  if (has(rhCenter) && r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom) return dsMove;
  return dsNone;
}

bool TRubberbandLayer::DoHitTest(Integer x, Integer y) { return GetDragState(x, y) != dsNone; }

void TRubberbandLayer::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (dragging_) return;
  dragState_ = GetDragState(x, y);
  dragging_ = dragState_ != dsNone;
  if (dragging_) {
    oldLocation_ = Location();
    const TFloatRect a = GetAdjustedLocation();
    mouseShift_ = dragState_ == dsMove ? TFloatPoint{x - a.Left, y - a.Top} : TFloatPoint{0, 0};
  }
  TCustomLayer::MouseDown(button, shift, x, y);
}

namespace {

// One edge moved to `to`, then kept at least `min` and, when the maximum is in
// force (not below the minimum), at most `max` away from the fixed edge.
float MovedLowEdge(float low, float high, float to, float min, float max) {
  low += to - low;
  if (high - low < min) low = high - min;
  if (max >= min && high - low > max) low = high - max;
  return low;
}

float MovedHighEdge(float low, float high, float to, float min, float max) {
  high += to - high;
  if (high - low < min) high = low + min;
  if (max >= min && high - low > max) high = low + max;
  return high;
}

bool MovesLeft(GR32_Layers::TDragState s) { return s == dsSizeL || s == dsSizeTL || s == dsSizeBL; }
bool MovesRight(GR32_Layers::TDragState s) { return s == dsSizeR || s == dsSizeTR || s == dsSizeBR; }
bool MovesTop(GR32_Layers::TDragState s) { return s == dsSizeT || s == dsSizeTL || s == dsSizeTR; }
bool MovesBottom(GR32_Layers::TDragState s) { return s == dsSizeB || s == dsSizeBL || s == dsSizeBR; }

}  // namespace

TFloatRect TRubberbandLayer::DraggedLocation(float px, float py) const {
  float l = oldLocation_.Left, t = oldLocation_.Top, r = oldLocation_.Right, b = oldLocation_.Bottom;
  if (dragState_ == dsMove) return TFloatRect{px, py, px + (r - l), py + (b - t)};
  if (MovesLeft(dragState_)) l = MovedLowEdge(l, r, px, minWidth_, maxWidth_);
  if (MovesRight(dragState_)) r = MovedHighEdge(l, r, px, minWidth_, maxWidth_);
  if (MovesTop(dragState_)) t = MovedLowEdge(t, b, py, minHeight_, maxHeight_);
  if (MovesBottom(dragState_)) b = MovedHighEdge(t, b, py, minHeight_, maxHeight_);
  return TFloatRect{l, t, r, b};
}

void TRubberbandLayer::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (!dragging_) {
    dragState_ = GetDragState(x, y);
    Screen.SetCursor(DragStateCursor(dragState_, Cursor()));
    return;
  }
  float px = x - mouseShift_.X, py = y - mouseShift_.Y;
  if (Scaled()) {
    const TFloatRect a = GetAdjustedLocation();
    if (!(a.Right > a.Left && a.Bottom > a.Top)) return;
    const TFloatRect loc = Location();
    px = loc.Left + (px - a.Left) / (a.Right - a.Left) * (loc.Right - loc.Left);
    py = loc.Top + (py - a.Top) / (a.Bottom - a.Top) * (loc.Bottom - loc.Top);
  }
  TFloatRect newLocation = DraggedLocation(px, py);
  DoResizing(oldLocation_, newLocation, dragState_, shift);
  if (newLocation == Location()) return;
  SetLocation(newLocation);
  OnUserChange(this);
}

void TRubberbandLayer::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  dragging_ = false;
  TCustomLayer::MouseUp(button, shift, x, y);
}

// ---- painting

void TRubberbandLayer::DrawHandle(TBitmap32* buffer, Integer x, Integer y) const {
  const Integer s = handleSize_;
  buffer->FillRectTS(x - s, y - s, x + s, y + s, handleFill_);
  buffer->FrameRectTS(x - s, y - s, x + s, y + s, handleFrame_);
}

void TRubberbandLayer::Paint(TBitmap32* buffer) {
  const TRect r = RoundedRect(GetAdjustedLocation());
  const auto has = [this](TRBHandles h) { return (handles_ & h) != 0; };
  if (has(rhFrame)) {
    buffer->SetStipple(frameStipple_);
    buffer->StippleStep = frameStippleStep_;
    buffer->StippleCounter = frameStippleCounter_;
    buffer->FrameRectTSP(r.Left, r.Top, r.Right, r.Bottom);
  }
  if (has(rhCorners)) {
    if (!has(rhNotTLCorner)) DrawHandle(buffer, r.Left, r.Top);
    if (!has(rhNotTRCorner)) DrawHandle(buffer, r.Right, r.Top);
    if (!has(rhNotBLCorner)) DrawHandle(buffer, r.Left, r.Bottom);
    if (!has(rhNotBRCorner)) DrawHandle(buffer, r.Right, r.Bottom);
  }
  if (has(rhSides)) {
    const Integer cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    if (!has(rhNotTopSide)) DrawHandle(buffer, cx, r.Top);
    if (!has(rhNotLeftSide)) DrawHandle(buffer, r.Left, cy);
    if (!has(rhNotRightSide)) DrawHandle(buffer, r.Right, cy);
    if (!has(rhNotBottomSide)) DrawHandle(buffer, cx, r.Bottom);
  }
}
