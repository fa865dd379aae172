// The tick count the menu and hint fade-ins step by: the skin engine's clock, so
// one installed test clock drives menus, hints and controls alike. A fade reads
// the tick until it has moved through every step: a test clock must move on
// reads (see TspSteppingSkinClock) while a menu or hint fades in.
#pragma once

#include "skin/draw/SkinClock.h"

inline DWORD SP_MenuTickCount() { return SkinClock().TickCount(); }

// A manual clock whose tick count moves by `step` on every read (from `Tick`),
// so a fade runs to its end at once; its timers still move only by Advance.
class TspSteppingSkinClock : public TspManualSkinClock {
public:
  explicit TspSteppingSkinClock(Cardinal step, Cardinal start = 0) : Tick(start), step_(step) {}
  Cardinal TickCount() override { return Tick += step_; }
  Cardinal Tick;

private:
  Cardinal step_;
};
