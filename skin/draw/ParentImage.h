// What a parent shows behind one of its controls: its background and face, and
// the earlier windowless siblings that overlap the control, painted into a
// canvas of the control's size (for see-through skinned controls).
#pragma once

#include <functional>

#include "platform/controls/Controls.h"

void GetParentImage(TControl* control, TCanvas* dest);
// The same for the part r of the control (r in the control's coordinates).
void GetParentImageRect(TControl* control, const TRect& r, TCanvas* dest);

// A parent that paints its own background for its children (the skinned tab
// control) answers true from this hook after painting it on the device context.
using TspParentBackgroundPainter = std::function<bool(TWinControl* parent, HDC dc)>;
extern TspParentBackgroundPainter SP_PaintParentBackground;
