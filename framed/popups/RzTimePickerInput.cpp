// The time picker's mouse, keys and its how-to hint.
#include "framed/popups/RzTimePicker.h"
#include "framed/startup/RzStrings.h"
#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"

namespace {

constexpr unsigned kHowToSelectTimeId = 65392;

bool ApplicationInForeground() {
  DWORD process = 0;
  ::GetWindowThreadProcessId(::GetForegroundWindow(), &process);
  return process == ::GetCurrentProcessId();
}

}  // namespace

void TRzTimePicker::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DLGC_WANTARROWS; return;
    default: return TRzCustomPanel::Dispatch(message);
  }
}

void TRzTimePicker::CMDialogChar(TMessage& message) {
  if (!Enabled()) return TRzCustomPanel::CMDialogChar(message);
  const Word key = static_cast<Word>(message.WParam);
  if (IsAccel(key, captionAM_)) ChangeToAM();
  else if (IsAccel(key, captionPM_)) ChangeToPM();
  else if (showSetButton_ && IsAccel(key, captionSet_)) SetBtnClick();
  else return TRzCustomPanel::CMDialogChar(message);
  message.Result = 1;
}

void TRzTimePicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseDown(button, shift, x, y);
  if (!HasState(csDesigning) && !InPopup && CanFocus()) SetFocus();
  CalcRects();
  const TPoint p = Point(x, y);
  if (button == mbLeft) {
    leftDown_ = true;
    if (amRect_.Contains(p)) {
      amPressed_ = true;
    } else if (pmRect_.Contains(p)) {
      pmPressed_ = true;
    } else if (showSetButton_ && setButtonRect_.Contains(p)) {
      setPressed_ = true;
    } else if (clockRect_.Contains(p)) {
      clockPressed_ = true;
      SetHour(GetHourFromXY(x, y));
    }
    Invalidate();
  } else if (button == mbRight) {
    rightDown_ = true;
    if (clockRect_.Contains(p)) {
      clockPressed_ = true;
      SetMinutes(GetMinuteFromXY(x, y, (shift & ssCtrl) != 0));
    }
  }
}

void TRzTimePicker::MouseMove(TShiftState shift, int x, int y) {
  if (ShowHowToUseHint) DoHint(x, y);
  TRzCustomPanel::MouseMove(shift, x, y);
  if (!clockPressed_ || !clockRect_.Contains(Point(x, y))) return;
  if (leftDown_) SetHour(GetHourFromXY(x, y));
  else if (rightDown_) SetMinutes(GetMinuteFromXY(x, y, (shift & ssCtrl) != 0));
}

// A press released outside its target does nothing more; a time already set by
// dragging stays.
void TRzTimePicker::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseUp(button, shift, x, y);
  const TPoint p = Point(x, y);
  if (button == mbLeft && leftDown_) {
    if (amPressed_ && amRect_.Contains(p)) {
      ChangeToAM();
    } else if (pmPressed_ && pmRect_.Contains(p)) {
      ChangeToPM();
    } else if (setPressed_ && setButtonRect_.Contains(p)) {
      SetBtnClick();
    } else if (clockPressed_ && clockRect_.Contains(p)) {
      SetHour(GetHourFromXY(x, y));
      OnSetTime(this);
    }
  } else if (button == mbRight && rightDown_ && clockPressed_ && clockRect_.Contains(p)) {
    SetMinutes(GetMinuteFromXY(x, y, (shift & ssCtrl) != 0));
    OnSetTime(this);
  }
  ClearPresses();
  Invalidate();
}

void TRzTimePicker::ClearPresses() {
  leftDown_ = rightDown_ = false;
  amPressed_ = pmPressed_ = setPressed_ = clockPressed_ = false;
}

void TRzTimePicker::KeyDown(Word& key, TShiftState shift) {
  TRzCustomPanel::KeyDown(key, shift);
  switch (key) {
    case VK_RETURN:
      if (showSetButton_) SetBtnClick();
      break;
    case VK_PRIOR: AdjustHour(1); break;
    case VK_NEXT: AdjustHour(-1); break;
    case VK_UP: AdjustMinute(1); break;
    case VK_DOWN: AdjustMinute(-1); break;
    default: break;
  }
}

void TRzTimePicker::DoEnter() {
  TRzCustomPanel::DoEnter();
  Invalidate();
}

void TRzTimePicker::DoExit() {
  TRzCustomPanel::DoExit();
  Invalidate();
}

// ---- the how-to hint ----

void TRzTimePicker::MouseEnter() {
  TRzCustomPanel::MouseEnter();
  if (ShowHowToUseHint) {
    const TPoint p = ScreenToClient(Mouse()->CursorPos());
    DoHint(p.X, p.Y);
  }
}

void TRzTimePicker::MouseLeave() {
  TRzCustomPanel::MouseLeave();
  ReleaseHintWindow();
}

void TRzTimePicker::DoHint(int x, int y) {
  CalcRects();
  if (HasState(csDesigning) || !clockRect_.Contains(Point(x, y)) || !ApplicationInForeground()) {
    hintTimer_->SetEnabled(false);
    ReleaseHintWindow();
    Repaint();
    return;
  }
  if (!hintWindow_) {
    hintWindow_ = std::make_unique<THintWindow>(nullptr);
    hintWindow_->SetColor(Application.HintColor);
  }
  const String text = HowToUseMsg.empty() ? LoadRzString(kHowToSelectTimeId) : HowToUseMsg;
  TRect r = hintWindow_->CalcHintRect(Screen.Width(), text);
  const TPoint at = ClientToScreen(Point(0, Height()));
  r = TRect(at.X, at.Y, at.X + r.Width(), at.Y + r.Height());
  const bool shown = hintWindow_->HandleAllocated() && ::IsWindowVisible(hintWindow_->Handle());
  if (!shown || hintWindow_->BoundsRect() != r) {
    hintWindow_->ActivateHint(r, text);
    hintTimer_->SetEnabled(true);
  }
}

void TRzTimePicker::ReleaseHintWindow() {
  if (hintWindow_ && hintWindow_->HandleAllocated()) hintWindow_->ReleaseHandle();
}

void TRzTimePicker::HintTimerTick() {
  if (clockRect_.Contains(ScreenToClient(Mouse()->CursorPos()))) return;
  hintTimer_->SetEnabled(false);
  ReleaseHintWindow();
  Repaint();
}
