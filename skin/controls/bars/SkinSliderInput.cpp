// The slider's pointer, keys and messages: thumb dragging, ruler tracking on
// window timer 1 every 400 ms, the key jumps, focus and sizing.
#include "platform/controls/Messages.h"
#include "skin/controls/bars/SkinSlider.h"
#include "skin/draw/SkinClock.h"

namespace {
constexpr UINT_PTR kTrackTimer = 1;
}  // namespace

void TspSkinCustomSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || (shift & ssDouble)) return;
  if (CanFocus()) SetFocus();
  TPoint p{x, y};
  if (thumbBounds_.Contains(p)) return ThumbMouseDown(button, shift, x, y);
  TRect ruler{rulerPos_.X, rulerPos_.Y, rulerPos_.X + ruler_->Width(), rulerPos_.Y + ruler_->Height()};
  if (orientation_ == soHorizontal) ruler.Top -= 3, ruler.Bottom += 3;
  else ruler.Left -= 3, ruler.Right += 3;
  if (!ruler.Contains(p) || !CanModify() || readOnly_) return;
  if (HandleAllocated()) ::SetCapture(Handle());
  rulerTracking_ = true;
  trackPoint_ = p;
  trackDirection_ = JumpTo(x, y);
  TimerTrack();
}

void TspSkinCustomSlider::TimerTrack() {
  if (JumpTo(trackPoint_.X, trackPoint_.Y) != trackDirection_) return;
  ThumbJump(trackDirection_);
  if (timerRunning_ || !HandleAllocated()) return;
  SkinClock().SetWindowTimer(Handle(), kTrackTimer, 400);
  timerRunning_ = true;
}

void TspSkinCustomSlider::StopTracking() {
  if (!rulerTracking_) return;
  if (HandleAllocated()) SkinClock().KillWindowTimer(Handle(), kTrackTimer);
  timerRunning_ = false;
  rulerTracking_ = false;
  if (HandleAllocated() && ::GetCapture() == Handle()) ::ReleaseCapture();
  Changed();
}

void TspSkinCustomSlider::MouseMove(TShiftState shift, int x, int y) {
  if ((shift & ssLeft) && sliding_) ThumbMouseMove(shift, x, y);
  else if (rulerTracking_) trackPoint_ = TPoint{x, y};
  TspSkinControl::MouseMove(shift, x, y);
}

void TspSkinCustomSlider::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopTracking();
  if (sliding_) ThumbMouseUp(button, shift, x, y);
  TspSkinControl::MouseUp(button, shift, x, y);
}

void TspSkinCustomSlider::ThumbMouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (CanFocus()) SetFocus();
  if (button != mbLeft || !CanModify() || readOnly_) return;
  sliding_ = thumbDown_ = true;
  hitOffset_ = orientation_ == soVertical ? y - thumbBounds_.Top : x - thumbBounds_.Left;
  InvalidateThumb();
  Update();
}

void TspSkinCustomSlider::ThumbMouseMove(TShiftState shift, int x, int y) {
  if (!(shift & ssLeft) || !CanModify() || readOnly_) return;
  SetThumbOffset((orientation_ == soVertical ? y : x) - hitOffset_);
}

void TspSkinCustomSlider::ThumbMouseUp(TMouseButton button, TShiftState, int, int) {
  if (button != mbLeft) return;
  sliding_ = thumbDown_ = false;
  InvalidateThumb();
  Update();
  if (CanModify() && !readOnly_) Changed();
}

void TspSkinCustomSlider::KeyDown(Word& key, TShiftState shift) {
  TspJumpMode mode = jmNone;
  if ((shift & (ssShift | ssCtrl | ssAlt)) == 0) {
    if (key == VK_HOME) mode = jmHome;
    else if (key == VK_END) mode = jmEnd;
    else if (orientation_ == soHorizontal && key == VK_LEFT) mode = jmPrior;
    else if (orientation_ == soHorizontal && key == VK_RIGHT) mode = jmNext;
    else if (orientation_ == soVertical && key == VK_UP) mode = jmNext;
    else if (orientation_ == soVertical && key == VK_DOWN) mode = jmPrior;
  }
  if (mode != jmNone && CanModify() && !readOnly_) {
    key = 0;
    ThumbJump(mode);
    Changed();
  }
  TspSkinControl::KeyDown(key, shift);
}

void TspSkinCustomSlider::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_TIMER:
      if (message.WParam == kTrackTimer) {
        TimerTrack();
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      bool now = MessageSender(message) == this;
      if (now != focused_) {
        focused_ = now;
        if (HasOption(soShowFocus)) Invalidate();
      }
      break;
    }
    default:
      break;
  }
  TspSkinControl::WndProc(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED: InvalidateThumb(); break;
    case WM_SIZE:
      if (!HasState(csReading)) Sized();
      break;
    case WM_MOVE:
    case WM_CHECKPARENTBG:
      if (transparent_) Invalidate();
      break;
    default: break;
  }
}
