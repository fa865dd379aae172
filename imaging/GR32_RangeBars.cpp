// The arrow bar: geometry, zones, mouse and timer; the range and gauge bars'
// positions; the look group. Painting is in GR32_RangeBarsPaint.cpp.
#include "imaging/GR32_RangeBars.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Math.h"
#include "platform/core/WinApi.h"

namespace {
constexpr Cardinal kInitialDelay = 600;
constexpr Cardinal kRepeatInterval = 100;
constexpr Cardinal kHotTrackInterval = 150;
}  // namespace

TArrowBar::TArrowBar(TComponent* owner) : TCustomControl(owner), timer_(new TTimer(this)) {
  ControlStyle = (ControlStyle & ~(csAcceptsControls | csDoubleClicks)) | csOpaque;
  SetColor(clScrollBar);
  SetParentColor(false);
  timer_->SetEnabled(false);
  timer_->SetOnTimer(TNotifyEvent(this, &TArrowBar::TimerHandler));
  SetBounds(Left(), Top(), 100, 16);
}

TArrowBar::~TArrowBar() { timer_->SetEnabled(false); }

// ---- look

namespace {
template <class T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TArrowBar::SetBackgnd(TRBBackgnd value) {
  if (Store(backgnd_, value)) Invalidate();
}
void TArrowBar::SetButtonSize(Integer value) {
  if (Store(buttonSize_, value)) Invalidate();
}
void TArrowBar::SetHandleColor(TColor value) {
  if (Store(handleColor_, value)) Invalidate();
}
void TArrowBar::SetButtonColor(TColor value) {
  if (Store(buttonColor_, value)) Invalidate();
}
void TArrowBar::SetHighLightColor(TColor value) {
  if (Store(highLightColor_, value)) Invalidate();
}
void TArrowBar::SetShadowColor(TColor value) {
  if (Store(shadowColor_, value)) Invalidate();
}
void TArrowBar::SetBorderColor(TColor value) {
  if (Store(borderColor_, value)) Invalidate();
}
void TArrowBar::SetShowArrows(bool value) {
  if (Store(showArrows_, value)) Invalidate();
}
void TArrowBar::SetShowHandleGrip(bool value) {
  if (Store(showHandleGrip_, value)) Invalidate();
}

void TArrowBar::SetBorderStyle(TBorderStyle value) {
  if (!Store(borderStyle_, value)) return;
  if (HandleAllocated()) RecreateWnd();
}

void TArrowBar::SetStyle(TRBStyle value) {
  style_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TArrowBar::SetKind(TScrollBarKind value) {
  if (!Store(kind_, value)) return;
  if (HasState(csDesigning) && !HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

// ---- geometry

TRect TArrowBar::BarClientRect() const {
  const Integer b = GetBorderSize();
  return TRect{0, 0, std::max(Width() - 2 * b, 0), std::max(Height() - 2 * b, 0)};
}

Integer TArrowBar::ClientLength() const {
  const TRect c = BarClientRect();
  return Horizontal() ? c.Width() : c.Height();
}

Integer TArrowBar::Thickness() const {
  const TRect c = BarClientRect();
  return Horizontal() ? c.Height() : c.Width();
}

TRect TArrowBar::AlongRect(Integer start, Integer stop) const {
  const Integer t = Thickness();
  return Horizontal() ? TRect{start, 0, stop, t} : TRect{0, start, t, stop};
}

Integer TArrowBar::GetButtonSize() const {
  if (!showArrows_) return 0;
  const Integer length = ClientLength();
  Integer s = buttonSize_ != 0 ? buttonSize_ : std::min(Thickness(), 32);
  Integer result = 2 * s < length ? s : length / 2;
  if (style_ == rbsMac) --result;
  return result <= 1 ? 0 : result;
}

TRect TArrowBar::GetTrackBoundary() const {
  const Integer b = GetButtonSize();
  return AlongRect(b, ClientLength() - b);
}

TRect TArrowBar::GetHandleRect() const { return TRect{}; }

TRBZone TArrowBar::GetZone(Integer x, Integer y) const {
  if (!BarClientRect().Contains(TPoint{x, y})) return zNone;
  const Integer a = Along(x, y), b = GetButtonSize(), length = ClientLength();
  if (a < b) return zBtnPrev;
  if (a >= length - b) return zBtnNext;
  const TRect handle = GetZoneRect(zHandle);
  if (handle.Contains(TPoint{x, y})) return zHandle;
  const Integer start = Horizontal() ? handle.Left : handle.Top;
  const Integer stop = Horizontal() ? handle.Right : handle.Bottom;
  if (a > 0 && a < start) return zTrackPrev;
  if (a >= stop && a < length - 1) return zTrackNext;
  return zNone;
}

TRect TArrowBar::GetZoneRect(TRBZone zone) const {
  const Integer b = GetButtonSize(), length = ClientLength();
  const TRect track = GetTrackBoundary();
  const Integer trackStart = Horizontal() ? track.Left : track.Top;
  const Integer trackStop = Horizontal() ? track.Right : track.Bottom;
  TRect handle = GetHandleRect();
  if (!DrawEnabled() || IsRectEmpty(handle)) {
    const Integer centre = (trackStart + trackStop) / 2;
    handle = AlongRect(centre, centre);
  }
  const Integer handleStart = Horizontal() ? handle.Left : handle.Top;
  const Integer handleStop = Horizontal() ? handle.Right : handle.Bottom;
  switch (zone) {
    case zBtnPrev: return AlongRect(0, b);
    case zBtnNext: return AlongRect(length - b, length);
    case zTrackPrev: return AlongRect(trackStart, handleStart);
    case zHandle: return handle;
    case zTrackNext: return AlongRect(handleStop, trackStop);
    default: return TRect{};
  }
}

// ---- messages

void TArrowBar::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TArrowBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = -1;  // the paint covers everything
      return;
    case WM_NCCALCSIZE: {
      TCustomControl::Dispatch(message);
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
      const Integer b = GetBorderSize();
      if (params && b > 0) ::InflateRect(&params->rgrc[0], -b, -b);
      return;
    }
    case WM_NCPAINT:
      DrawNCArea(nullptr, HRGN(message.WParam));
      message.Result = 0;
      return;
    default: return TCustomControl::Dispatch(message);
  }
}

void TArrowBar::DrawNCArea(HDC dc, HRGN) {
  if (borderStyle_ == bsNone || !HandleAllocated()) return;
  const bool own = dc == nullptr;
  if (own) dc = ::GetWindowDC(Handle());
  RECT r{0, 0, Width(), Height()};
  ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  if (own) ::ReleaseDC(Handle(), dc);
}

void TArrowBar::CMEnabledChanged(TMessage& message) {
  TCustomControl::CMEnabledChanged(message);
  Invalidate();
}

void TArrowBar::CMMouseLeave(TMessage& message) {
  TCustomControl::CMMouseLeave(message);
  MouseLeft();
}

// ---- mouse and timer

void TArrowBar::DoChange() {
  OnChange(this);
  if (userChange_) OnUserChange(this);
}

void TArrowBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  dragZone_ = GetZone(x, y);
  Invalidate();
  pressPoint_ = TPoint{x, y};
  StartDragTracking();
}

void TArrowBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (dragZone_ != zNone || !DrawEnabled()) return;
  const TRBZone zone = GetZone(x, y);
  if (zone == hotZone_) return;
  hotZone_ = zone;
  if (zone != zNone) StartHotTracking();
  Invalidate();
}

void TArrowBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  dragZone_ = zNone;
  Invalidate();
  StopDragTracking();
}

void TArrowBar::MouseLeft() { StopHotTracking(); }

void TArrowBar::StartDragTracking() {
  timer_->SetInterval(kInitialDelay);
  timerMode_ = 2;
  TimerHandler(this);  // the first step, at once
  timerMode_ = 1;
  timer_->SetEnabled(true);
}

void TArrowBar::StopDragTracking() {
  timer_->SetEnabled(false);
  timerMode_ = 0;
  StartHotTracking();
}

void TArrowBar::StartHotTracking() {
  timer_->SetInterval(kHotTrackInterval);
  timerMode_ = 3;
  timer_->SetEnabled(true);
}

void TArrowBar::StopHotTracking() {
  timer_->SetEnabled(false);
  timerMode_ = 0;
  hotZone_ = zNone;
  Invalidate();
}

TPoint TArrowBar::CursorClientPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return ScreenToClient(TPoint{p.x, p.y});
}

void TArrowBar::TimerHandler(TObject*) {
  if (timerMode_ == 1) {
    timer_->SetInterval(kRepeatInterval);
    timerMode_ = 2;
  } else if (timerMode_ == 3) {
    if (!BarClientRect().Contains(CursorClientPos())) StopHotTracking();
  }
}

// ---------------------------------------------------------------------------
// TCustomRangeBar

TCustomRangeBar::TCustomRangeBar(TComponent* owner) : TArrowBar(owner) { UpdateEffectiveWindow(); }

void TCustomRangeBar::UpdateEffectiveWindow() {
  effectiveWindow_ = window_ > 0 ? window_ : (Horizontal() ? Width() : Height());
}

void TCustomRangeBar::AdjustPosition() {
  if (position_ > float(range_ - effectiveWindow_)) position_ = float(range_ - effectiveWindow_);
  if (position_ < 0) position_ = 0;
}

void TCustomRangeBar::Recenter(Integer oldRange, Integer oldWindow) {
  if (!centered_ || effectiveWindow_ >= range_) return;
  const float x = oldRange > 0 && oldWindow < oldRange ? (oldWindow * 0.5f + position_) / float(oldRange) : 0.5f;
  position_ = float(range_) * x - float(effectiveWindow_) * 0.5f;
}

void TCustomRangeBar::SetParams(Integer range, Integer window) {
  range = std::max(range, 0);
  window = std::max(window, 0);
  if (range == range_ && window == effectiveWindow_) return;
  const Integer oldRange = range_, oldWindow = effectiveWindow_;
  range_ = range;
  window_ = window;
  UpdateEffectiveWindow();
  Recenter(oldRange, oldWindow);
  AdjustPosition();
  Invalidate();
}

void TCustomRangeBar::SetPosition(float value) {
  if (value == position_) return;
  const float old = position_;
  position_ = value;
  AdjustPosition();
  if (position_ == old) return;
  Invalidate();
  DoChange();
}

bool TCustomRangeBar::DrawEnabled() const { return Enabled() && effectiveWindow_ < range_; }

TRect TCustomRangeBar::GetHandleRect() const {
  const TRect track = GetTrackBoundary();
  const Integer start = Horizontal() ? track.Left : track.Top;
  const Integer a = ClientLength() - 2 * GetButtonSize();
  if (a <= 17) return TRect{};
  if (effectiveWindow_ >= range_) return track;
  Integer size = Integer(Round(Extended(a) * effectiveWindow_ / range_));
  Integer offset;
  if (size <= 16) {
    size = 17;
    offset = Integer(Round(Extended(a - 17) * position_ / (range_ - effectiveWindow_)));
  } else {
    offset = Integer(Round(Extended(a) * position_ / range_));
  }
  return AlongRect(start + offset, start + offset + size);
}

void TCustomRangeBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (effectiveWindow_ >= range_) {
    SetDragZone(zNone);
    return;
  }
  TArrowBar::MouseDown(button, shift, x, y);
  if (DragZone() != zHandle) return;
  StopDragTracking();
  positionBeforeDrag_ = position_;
}

void TCustomRangeBar::MouseMove(TShiftState shift, int x, int y) {
  if (DragZone() != zHandle || range_ <= effectiveWindow_) return TArrowBar::MouseMove(shift, x, y);
  TCustomControl::MouseMove(shift, x, y);
  const Integer d = Along(x, y) - Along(PressPoint().X, PressPoint().Y);
  const Integer e = ClientLength() - 2 * GetButtonSize() - (BorderStyle() == bsSingle ? 2 : 0);
  if (e <= 0) return;  // no track to drag along
  float target;
  if (Round(Extended(effectiveWindow_) * e / range_) > 16) {
    target = positionBeforeDrag_ + float(Extended(range_) * d / e);
  } else {
    if (e - 17 <= 0) return;  // a track shorter than the smallest handle
    target = positionBeforeDrag_ + float(Round(Extended(d) * (range_ - effectiveWindow_) / (e - 17)));
  }
  SetUserChange(true);
  SetPosition(target);
  SetUserChange(false);
}

void TCustomRangeBar::TimerHandler(TObject* sender) {
  TArrowBar::TimerHandler(sender);
  SetUserChange(true);
  const TRect client = BarClientRect();
  const auto cursorZone = [this, &client] {
    TPoint p = CursorClientPos();
    p.X = std::clamp(p.X, client.Left, std::max(client.Right - 1, client.Left));
    p.Y = std::clamp(p.Y, client.Top, std::max(client.Bottom - 1, client.Top));
    return GetZone(p.X, p.Y);
  };
  const float old = position_;
  switch (DragZone()) {
    case zBtnPrev:
      SetPosition(position_ - increment_);
      if (position_ == old) StopDragTracking();
      break;
    case zBtnNext:
      SetPosition(position_ + increment_);
      if (position_ == old) StopDragTracking();
      break;
    case zTrackPrev: {
      const TRBZone z = cursorZone();
      if (z == zBtnPrev || z == zTrackPrev) SetPosition(position_ - effectiveWindow_);
      break;
    }
    case zTrackNext: {
      const TRBZone z = cursorZone();
      if (z == zTrackNext || z == zBtnNext) SetPosition(position_ + effectiveWindow_);
      break;
    }
    default: break;
  }
  SetUserChange(false);
}

bool TCustomRangeBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (!TArrowBar::DoMouseWheel(shift, wheelDelta, mousePos))
    SetPosition(position_ + float(wheelDelta) * increment_ / 120.0f);
  return true;
}

void TCustomRangeBar::Resize() {
  const Integer oldWindow = effectiveWindow_;
  UpdateEffectiveWindow();
  Recenter(range_, oldWindow);
  AdjustPosition();
  TArrowBar::Resize();
}

// ---------------------------------------------------------------------------
// TCustomGaugeBar

TCustomGaugeBar::TCustomGaugeBar(TComponent* owner) : TArrowBar(owner) {}

void TCustomGaugeBar::SetHandleSize(Integer value) {
  value = std::max(value, 0);
  if (Store(handleSize_, value)) Invalidate();
}

void TCustomGaugeBar::SetMax(Integer value) {
  if (!HasState(csLoading) && value <= min_) value = min_ + 1;
  if (!Store(max_, value)) return;
  AdjustPosition();
  Invalidate();
}

void TCustomGaugeBar::SetMin(Integer value) {
  if (!HasState(csLoading) && value >= max_) value = max_ - 1;
  if (!Store(min_, value)) return;
  AdjustPosition();
  Invalidate();
}

void TCustomGaugeBar::SetPosition(Integer value) {
  value = std::max(std::min(value, max_), min_);
  if (!Store(position_, value)) return;
  Invalidate();
  DoChange();
}

void TCustomGaugeBar::AdjustPosition() {
  if (position_ < min_) SetPosition(min_);
  else if (position_ > max_) SetPosition(max_);
}

Integer TCustomGaugeBar::GetHandleSize() const {
  const Integer a = ClientLength() - 2 * GetButtonSize();
  Integer size = handleSize_ != 0 ? handleSize_ : Thickness();
  if (size >= a) size = a - 1;
  return std::max(size, 0);
}

TRect TCustomGaugeBar::GetHandleRect() const {
  const TRect track = GetTrackBoundary();
  const Integer start = Horizontal() ? track.Left : track.Top;
  const Integer a = ClientLength() - 2 * GetButtonSize();
  const Integer size = GetHandleSize();
  // Max equals Min while a definition is read: the handle then stays at the start.
  const Integer offset =
      max_ != min_ ? Integer(Round(Extended(a - size) * (position_ - min_) / (Int64(max_) - min_))) : 0;
  return AlongRect(start + offset, start + offset + size);
}

void TCustomGaugeBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TArrowBar::MouseDown(button, shift, x, y);
  if (DragZone() != zHandle) return;
  StopDragTracking();
  positionBeforeDrag_ = position_;
}

void TCustomGaugeBar::MouseMove(TShiftState shift, int x, int y) {
  if (DragZone() != zHandle) return TArrowBar::MouseMove(shift, x, y);
  TCustomControl::MouseMove(shift, x, y);
  const Integer d = Along(x, y) - Along(PressPoint().X, PressPoint().Y);
  const Integer free = ClientLength() - 2 * GetButtonSize() - GetHandleSize();
  if (free <= 0) return;  // the handle fills the track: nowhere to drag
  SetUserChange(true);
  SetPosition(Integer(Round(positionBeforeDrag_ + Extended(Int64(max_) - min_) * d / free)));
  SetUserChange(false);
}

void TCustomGaugeBar::TimerHandler(TObject* sender) {
  TArrowBar::TimerHandler(sender);
  SetUserChange(true);
  const TRect client = BarClientRect();
  const auto cursorZone = [this, &client] {
    TPoint p = CursorClientPos();
    p.X = std::clamp(p.X, client.Left, std::max(client.Right - 1, client.Left));
    p.Y = std::clamp(p.Y, client.Top, std::max(client.Bottom - 1, client.Top));
    return GetZone(p.X, p.Y);
  };
  const Integer old = position_;
  switch (DragZone()) {
    case zBtnPrev:
      SetPosition(position_ - smallChange_);
      if (position_ == old) StopDragTracking();
      break;
    case zBtnNext:
      SetPosition(position_ + smallChange_);
      if (position_ == old) StopDragTracking();
      break;
    case zTrackPrev: {
      const TRBZone z = cursorZone();
      if (z == zBtnPrev || z == zTrackPrev) SetPosition(position_ - largeChange_);
      break;
    }
    case zTrackNext: {
      const TRBZone z = cursorZone();
      if (z == zTrackNext || z == zBtnNext) SetPosition(position_ + largeChange_);
      break;
    }
    default: break;
  }
  SetUserChange(false);
}

bool TCustomGaugeBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (!TArrowBar::DoMouseWheel(shift, wheelDelta, mousePos)) SetPosition(position_ + wheelDelta * smallChange_ / 120);
  return true;
}

// ---------------------------------------------------------------------------
// TArrowBarAccess

void TArrowBarAccess::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TArrowBarAccess*>(source);
  if (!other || !other->master_ || !master_) return TPersistent::Assign(source);
  SetColor(other->Color());
  SetBackgnd(other->Backgnd());
  SetButtonSize(other->ButtonSize());
  SetHandleColor(other->HandleColor());
  SetButtonColor(other->ButtonColor());
  SetHighLightColor(other->HighLightColor());
  SetShadowColor(other->ShadowColor());
  SetBorderColor(other->BorderColor());
  SetShowArrows(other->ShowArrows());
  SetShowHandleGrip(other->ShowHandleGrip());
  SetStyle(other->Style());
}
