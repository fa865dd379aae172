// TMouse: what the system says about the mouse. `Mouse()` is the program's one
// mouse object.
#pragma once

#include "platform/core/Geometry.h"

class TMouse {
public:
  // The lines a control scrolls for one notch of the wheel (the user's setting,
  // read each time so a change in the control panel is seen at once); 3 when the
  // system gives none.
  int WheelScrollLines() const;
  // The pointer's position in screen coordinates.
  TPoint CursorPos() const;
};

TMouse* Mouse();
