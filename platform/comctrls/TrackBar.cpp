// The track bar: its range, position and ticks in the window, and the position
// the user moves it to.
#include "platform/comctrls/TrackBar.h"

#include <algorithm>

#include "platform/comctrls/CommonControls.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  ControlStyle &= ~(csCaptureMouse | csClickEvents | csDoubleClicks);
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetMin(int value) {
  if (min_ == value) return;
  min_ = value;
  max_ = std::max(max_, min_);
  ApplyRange();
}

void TTrackBar::SetMax(int value) {
  if (max_ == value) return;
  max_ = value;
  min_ = std::min(min_, max_);
  ApplyRange();
}

void TTrackBar::ApplyRange() {
  // While a definition is read the position waits for both bounds (Loaded).
  if (HasState(csLoading)) return;
  position_ = std::clamp(position_, min_, max_);
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  ::SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max_);
  ::SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
  if (tickStyle_ == tsAuto) ::SendMessageA(Handle(), TBM_SETTICFREQ, frequency_, 0);
}

void TTrackBar::SetPosition(int value) {
  if (HasState(csLoading)) {
    position_ = value;
    return;
  }
  value = std::clamp(value, min_, max_);
  if (position_ == value) return;
  position_ = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
  Changed();
}

void TTrackBar::SetFrequency(int value) {
  value = std::max(value, 1);
  if (frequency_ == value) return;
  frequency_ = value;
  if (HandleAllocated() && tickStyle_ == tsAuto) ::SendMessageA(Handle(), TBM_SETTICFREQ, frequency_, 0);
}

void TTrackBar::SetPageSize(int value) {
  pageSize_ = std::max(value, 0);
  if (HandleAllocated()) ::SendMessageA(Handle(), TBM_SETPAGESIZE, 0, pageSize_);
}

void TTrackBar::SetLineSize(int value) {
  lineSize_ = std::max(value, 0);
  if (HandleAllocated()) ::SendMessageA(Handle(), TBM_SETLINESIZE, 0, lineSize_);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  // Turning the bar swaps its width and height, except while a definition is read.
  if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (tickStyle_ == value) return;
  tickStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  if (tickMarks_ == value) return;
  tickMarks_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  ApplyRange();
}

void TTrackBar::Changed() {
  if (!HasState(csLoading)) OnChange(this);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, TRACKBAR_CLASSA);
  params.Style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  static const DWORD kTickStyles[] = {TBS_NOTICKS, TBS_AUTOTICKS, 0};
  params.Style |= kTickStyles[tickStyle_];
  static const DWORD kTickMarks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};  // TBS_RIGHT, TBS_LEFT when vertical
  params.Style |= kTickMarks[tickMarks_];
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  ::SendMessageA(Handle(), TBM_SETPAGESIZE, 0, pageSize_);
  ::SendMessageA(Handle(), TBM_SETLINESIZE, 0, lineSize_);
  ApplyRange();
}

void TTrackBar::PositionFromWindow() {
  const int position = static_cast<int>(::SendMessageA(Handle(), TBM_GETPOS, 0, 0));
  if (position == position_) return;
  position_ = position;
  Changed();
}

void TTrackBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      PositionFromWindow();
      message.Result = 0;
      return;
    default:
      return TWinControl::Dispatch(message);
  }
}
