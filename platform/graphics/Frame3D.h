// Frame3D: the 3-D frame of bevels and panels.
#pragma once

#include "platform/graphics/Canvas.h"

// Draws a 3-D frame of `width` pixels just inside `rect` (top and left in
// `topLeft`, bottom and right in `bottomRight`) and shrinks `rect` by it.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);
