// TBevel: lines and boxes in the button colours.
#include "platform/stdctrls/Bevel.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle |= csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (shape_ == value) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (style_ == value) return;
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = Width(), h = Height();
  auto box = [&](TColor topLeft, TColor bottomRight, int left, int top, int right, int bottom) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({{left, bottom}, {left, top}, {right, top}});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({{right, top}, {right, bottom}, {left, bottom}});
  };
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  canvas->Pen()->SetWidth(1);
  switch (shape_) {
    case bsBox: box(first, second, 0, 0, w - 1, h - 1); break;
    case bsFrame:
      box(second, second, 1, 1, w - 1, h - 1);
      box(first, first, 0, 0, w - 2, h - 2);
      break;
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}
