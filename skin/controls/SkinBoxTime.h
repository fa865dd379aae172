// The time the list and edit controls read: the millisecond tick of type-ahead
// and auto-completion, and the window timers of auto-repeat and drop-down
// scrolling. Tests replace the hooks to drive time and timers without sleeping
// (a recorded interval is delivered by performing WM_TIMER on the control).
#pragma once

#include <functional>

#include "platform/controls/WinControl.h"

struct TspBoxTime {
  std::function<DWORD()> TickCount;
  std::function<void(TWinControl* control, UINT id, UINT intervalMs)> SetTimer;
  std::function<void(TWinControl* control, UINT id)> KillTimer;
};

// The hooks in force, bound to the system at first use.
inline TspBoxTime& SPBoxTime() {
  static TspBoxTime time{
      [] { return ::GetTickCount(); },
      [](TWinControl* control, UINT id, UINT ms) {
        if (control && control->HandleAllocated()) ::SetTimer(control->Handle(), id, ms, nullptr);
      },
      [](TWinControl* control, UINT id) {
        if (control && control->HandleAllocated()) ::KillTimer(control->Handle(), id);
      }};
  return time;
}
