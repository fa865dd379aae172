#include "framed/lists/RzFontListBox.h"

TRzFontListBox::TRzFontListBox(TComponent* owner) : TRzFontChooser(owner, false, sfOwnText) {
  SetStyle(lbOwnerDrawFixed);
  SetSorted(true);
}

void TRzFontListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  UpdatePreviewText();
  TRzCustomListBox::MouseDown(button, shift, x, y);
  if (ShowStyle() == ssFontPreview) ShowPreviewPanel();
}

void TRzFontListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomListBox::MouseUp(button, shift, x, y);
  if (ShowStyle() == ssFontPreview) HidePreviewPanel();
}

void TRzFontListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  DrawFamily(canvas, rect, index, ShowStyle());
  FinishItem(canvas, rect, index, state, true);
  canvas->SetFont(Font());
}
