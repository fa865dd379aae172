#include "platform/controls/Mouse.h"

#include "platform/core/WinApi.h"

int TMouse::WheelScrollLines() const {
  UINT lines = 0;
  if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return 3;
  return static_cast<int>(lines);
}

TPoint TMouse::CursorPos() const {
  POINT p = {};
  ::GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

TMouse* Mouse() {
  static TMouse mouse;
  return &mouse;
}
