// Moving and growing rectangles in place, as the family's drawing code does it.
#pragma once

#include "platform/core/Geometry.h"

inline void OffsetRect(TRect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

// Negative amounts shrink the rectangle.
inline void InflateRect(TRect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}
