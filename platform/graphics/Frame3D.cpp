#include "platform/graphics/Frame3D.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  canvas->Pen()->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
    rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
  ++rect.Bottom;
  ++rect.Right;
}
