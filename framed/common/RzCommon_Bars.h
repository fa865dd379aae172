// Bars, arrows and shadows of the framed controls: the drop-down and spin arrows,
// the group-bar gradient background, the segmented LED bar, the percent bar with
// inverted text, and a soft drop shadow below and right of a rectangle.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/graphics/Canvas.h"

void DrawDropShadow(TCanvas* canvas, const TRect& bounds, int depth, TColor shadowColor);
// Adjustment: lighter above 0, darker below, its size clamped to 255.
void DrawGroupBarBackground(TCanvas* canvas, const TRect& bounds, bool themeAware,
                            TRzGroupBarGradientPath gradientPath, TColor color, int adjustment);
// NumSegments below 1 draws nothing.
void DrawLEDBar(TCanvas* canvas, const TRect& bounds, TOrientation orientation, TColor barColor, TColor backColor,
                int numSegments, int percent, bool themeAware);
void DrawPercentBar(TCanvas* canvas, const TRect& bounds, TOrientation orientation, TColor barColor,
                    TColor backColor, Word percent, bool showPercent);
void DrawDropDownArrow(TCanvas* canvas, const TRect& bounds, TRzUIStyle uiStyle, bool down, bool enabled);
void DrawSpinArrow(TCanvas* canvas, const TRect& bounds, TRzUIStyle uiStyle, TDirection direction, bool down,
                   bool enabled);
