// The window timers of the list and edit controls (auto-repeat, drop-down
// scrolling, fading) on the skin engine's one clock, so a test's manual clock
// drives them like every other skinned control. A control without a window
// has no timer to set or kill.
#pragma once

#include "platform/controls/WinControl.h"
#include "skin/draw/SkinClock.h"

inline void SetBoxTimer(TWinControl* control, UINT id, UINT intervalMs) {
  if (control && control->HandleAllocated()) SkinClock().SetWindowTimer(control->Handle(), id, intervalMs);
}

inline void KillBoxTimer(TWinControl* control, UINT id) {
  if (control && control->HandleAllocated()) SkinClock().KillWindowTimer(control->Handle(), id);
}
