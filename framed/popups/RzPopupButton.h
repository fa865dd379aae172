// The push buttons the calendar and the clock draw on their face ("Today",
// "Clear", "Set"): in the visual style, or with a classic edge, etched for a flat
// look and sunken while pressed, the caption moved with it.
#pragma once

#include "platform/graphics/Canvas.h"

void DrawPopupButton(TCanvas* canvas, TRect r, const String& caption, TColor textColor, bool pressed, bool themed,
                     bool flat);
