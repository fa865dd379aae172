#include "skin/controls/colors/ColorViewer.h"

TspColorViewer::TspColorViewer(TComponent* owner) : TGraphicControl(owner) { ControlStyle |= csOpaque; }

void TspColorViewer::SetColorValue(TColor value) {
  if (value == colorValue_) return;
  colorValue_ = value;
  Repaint();
}

void TspColorViewer::Paint() {
  if (Width() < 1 || Height() < 1) return;
  TBitmap b(Width(), Height());
  b.Canvas()->Pen()->SetColor(clBlack);
  b.Canvas()->Brush()->SetColor(colorValue_);
  b.Canvas()->Rectangle(0, 0, Width(), Height());
  Canvas()->Draw(0, 0, &b);
}

void TspEmptyControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(message);
}
