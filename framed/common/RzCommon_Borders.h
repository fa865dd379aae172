// Frame drawing of the framed controls: lines on chosen sides, bevels, the
// twelve frame styles in system colours or derived from one base colour, the
// panel frame (outer border, border width, inner border), the non-client frame
// of edit-type controls and the dotted focus frame. Each routine that frames a
// rectangle answers the rectangle left inside what it drew.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/graphics/Canvas.h"

TRect DrawSides(TCanvas* canvas, const TRect& bounds, TColor ulColor, TColor lrColor, TSides sides);
TRect DrawBevel(TCanvas* canvas, const TRect& bounds, TColor ulColor, TColor lrColor, int width, TSides sides);
TRect DrawCtl3DBorderSides(TCanvas* canvas, const TRect& bounds, bool lowered, TSides sides);
TRect DrawCtl3DBorder(TCanvas* canvas, const TRect& bounds, bool lowered);
TRect DrawButtonBorderSides(TCanvas* canvas, const TRect& bounds, bool lowered, TSides sides);
TRect DrawButtonBorder(TCanvas* canvas, const TRect& bounds, bool lowered);
TRect DrawColorButtonBorderSides(TCanvas* canvas, const TRect& bounds, TColor color, bool lowered, TSides sides);
TRect DrawColorButtonBorder(TCanvas* canvas, const TRect& bounds, TColor color, bool lowered);
TRect DrawBorderSides(TCanvas* canvas, const TRect& bounds, TFrameStyleEx style, TSides sides);
TRect DrawBorder(TCanvas* canvas, const TRect& bounds, TFrameStyleEx style);
TRect DrawColorBorderSides(TCanvas* canvas, const TRect& bounds, TColor color, TFrameStyleEx style, TSides sides);
TRect DrawColorBorder(TCanvas* canvas, const TRect& bounds, TColor color, TFrameStyleEx style);
TRect DrawRoundedFlatBorder(TCanvas* canvas, const TRect& bounds, TColor color, TSides sides);

// The settings of the panel-type frame.
struct TInnerOuterBorders {
  TFrameStyleEx BorderOuter = fsNone;
  TFrameStyleEx BorderInner = fsNone;
  int BorderWidth = 0;
  TSides BorderSides = sdAllSides;
  int BevelWidth = 1;
  TColor BorderColor = clBtnFace;
  TColor BorderHighlight = clBtnHighlight;
  TColor BorderShadow = clBtnShadow;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
  TColor Color = clBtnFace;
  TColor ParentColor = clBtnFace;
  bool Transparent = false;
  bool SoftCorners = false;
};
TRect DrawInnerOuterBorders(TCanvas* canvas, const TRect& bounds, const TInnerOuterBorders& borders);

// The non-client frame of an edit-type control in (0, 0, width, height).
void DrawFrame(TCanvas* canvas, int width, int height, TFrameStyle style, TColor color, TColor frameColor,
               TSides frameSides, bool skipErase = false);
// A black dotted frame on any background.
TRect DrawFocusBorder(TCanvas* canvas, const TRect& bounds);

// Width a style takes from each bordered side (fsStatus and fsPopup: 1).
int FrameStyleWidth(TFrameStyleEx style);
