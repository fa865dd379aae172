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

  // Brackets a batch of child moves (a pop-up placing its panel) so the scroll range
  // is not recomputed at every step; the calls nest.
  void DisableAutoRange() { ++autoRangeCount_; }
  void EnableAutoRange() {
    if (autoRangeCount_ > 0) --autoRangeCount_;
  }
  bool AutoRangeDisabled() const { return autoRangeCount_ > 0; }

private:
  bool autoScroll_ = false;
  int autoRangeCount_ = 0;
};
