#include "skin/draw/SkinGlyphs.h"

#include "skin/draw/SkinRects.h"

namespace {

TPoint Centre(const TRect& r) { return TPoint{r.Left + RectWidth(r) / 2, r.Top + RectHeight(r) / 2}; }

void Line(TCanvas* canvas, Integer x1, Integer y1, Integer x2, Integer y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

void OutlinePen(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsClear);
}

void FilledTools(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
}

}  // namespace

void DrawArrowImage(TCanvas* canvas, const TRect& r, TColor color, Integer kind) {
  canvas->Pen()->SetColor(color);
  TPoint c = Centre(r);
  switch (kind) {
    case 1:
      for (Integer i = 0; i <= 3; ++i) Line(canvas, c.X - 2 + i, c.Y - i, c.X - 2 + i, c.Y + i + 1);
      break;
    case 2:
      for (Integer n = 3; n >= 0; --n) Line(canvas, c.X + 2 - n, c.Y + n, c.X + 2 - n, c.Y - n - 1);
      break;
    case 3:
      for (Integer i = 0; i <= 3; ++i) Line(canvas, c.X - i, c.Y - 2 + i, c.X + i + 1, c.Y - 2 + i);
      break;
    case 4:
      for (Integer n = 3; n >= 0; --n) Line(canvas, c.X - n, c.Y + 2 - n, c.X + n + 1, c.Y + 2 - n);
      break;
    default:
      break;
  }
}

void DrawTrackArrowImage(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Pen()->SetColor(color);
  TPoint c = Centre(r);
  for (Integer n = 2; n >= 0; --n) Line(canvas, c.X - n, c.Y + 2 - n, c.X + n + 1, c.Y + 2 - n);
}

void DrawRCloseImage(TCanvas* canvas, const TRect& r, TColor color) {
  TPoint c = Centre(r);
  DrawCloseImage(canvas, c.X - 5, c.Y - 5, color);
}

void DrawCloseImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  Line(canvas, x + 1, y + 1, x + 9, y + 9);
  Line(canvas, x + 9, y + 1, x + 1, y + 9);
  Line(canvas, x + 2, y + 1, x + 10, y + 9);
  Line(canvas, x + 8, y + 1, x, y + 9);
}

void DrawMinimizeImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  Line(canvas, x + 1, y + 8, x + 9, y + 8);
  Line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawMaximizeImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  OutlinePen(canvas, color);
  canvas->Rectangle(x, y, x + 11, y + 10);
  canvas->Rectangle(x, y, x + 11, y + 2);
}

void DrawRestoreImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  OutlinePen(canvas, color);
  canvas->Rectangle(x + 2, y, x + 10, y + 6);
  canvas->Rectangle(x + 2, y, x + 10, y + 2);
  canvas->Rectangle(x, y + 4, x + 7, y + 10);
  canvas->Rectangle(x, y + 4, x + 7, y + 6);
}

void DrawRollUpImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (Integer i = 0; i <= 4; ++i) Line(canvas, x + 5 - i, y + 2 + i, x + 5 + i, y + 2 + i);
}

void DrawRestoreRollUpImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (Integer i = 0; i <= 4; ++i) Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawSysMenuImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  OutlinePen(canvas, color);
  canvas->Rectangle(x + 1, y + 3, x + 9, y + 6);
}

void DrawMTImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  FilledTools(canvas, color);
  canvas->Rectangle(x + 2, y + 2, x + 7, y + 7);
}

void DrawCheckImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (Integer i = 0; i <= 2; ++i) {
    canvas->MoveTo(x, y + 5 - i);
    canvas->LineTo(x + 2, y + 7 - i);
    canvas->LineTo(x + 7, y + 2 - i);
  }
}

void DrawRadioImage(TCanvas* canvas, Integer x, Integer y, TColor color) {
  FilledTools(canvas, color);
  canvas->Rectangle(x, y, x + 6, y + 6);
}

void Frm3D(TCanvas* canvas, TRect r, TColor topColor, TColor bottomColor) {
  canvas->Pen()->SetWidth(1);
  --r.Right;
  --r.Bottom;
  canvas->Pen()->SetColor(topColor);
  canvas->Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
  canvas->Pen()->SetColor(bottomColor);
  canvas->Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
}
