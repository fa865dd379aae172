// TScrollingWinControl: the base of forms, frames and scroll boxes.
#pragma once

#include "platform/controls/WinControl.h"

// A windowed control that may scroll its contents; the program's forms keep
// AutoScroll off, so only the flag is kept.
class TScrollingWinControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }

private:
  bool autoScroll_ = false;
};
