// The screen shows the hourglass while one long operation of the main window runs,
// and then the cursor it showed before (the guards nest).
#pragma once

#include "platform/controls/Screen.h"

class HourGlass {
public:
  HourGlass() : saved_(Screen.Cursor()) { Screen.SetCursor(crHourGlass); }
  ~HourGlass() { Screen.SetCursor(saved_); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;

private:
  TCursor saved_;
};
