// Small glyphs drawn in code when a skin has no picture for them (arrows, frame
// buttons, check mark, radio dot), and a flat 3-D frame. Lines leave their end
// point unpainted; rectangles exclude their right and bottom edges.
#pragma once

#include "platform/graphics/Canvas.h"

// Kind 1 left, 2 right, 3 up, 4 down; any other kind draws nothing.
void DrawArrowImage(TCanvas* canvas, const TRect& r, TColor color, Integer kind);
void DrawTrackArrowImage(TCanvas* canvas, const TRect& r, TColor color);
void DrawRCloseImage(TCanvas* canvas, const TRect& r, TColor color);
void DrawCloseImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawMinimizeImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawMaximizeImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawRestoreImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawRollUpImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawRestoreRollUpImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawSysMenuImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawMTImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawCheckImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawRadioImage(TCanvas* canvas, Integer x, Integer y, TColor color);
void Frm3D(TCanvas* canvas, TRect r, TColor topColor, TColor bottomColor);
