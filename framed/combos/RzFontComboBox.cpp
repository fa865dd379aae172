#include "framed/combos/RzFontComboBox.h"

TRzFontComboBox::TRzFontComboBox(TComponent* owner) : TRzFontChooser(owner, true, sfAnySample) {
  SetStyle(csOwnerDrawFixed);
  SetSorted(true);
  SetDropDownCount(14);
}

void TRzFontComboBox::DropDown() {
  UpdatePreviewText();
  TRzCustomComboBox::DropDown();
  if (ShowStyle() == ssFontPreview) ShowPreviewPanel();
}

void TRzFontComboBox::CloseUp() {
  TRzCustomComboBox::CloseUp();
  if (ShowStyle() == ssFontPreview) HidePreviewPanel();
  ChooseRecentFont();
}

// The edit part shows the name alone where the list shows name and sample.
void TRzFontComboBox::DrawItem(int index, const TRect& itemRect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  if ((state & odSelected) != 0) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  }
  if (index < 0 || index >= Items()->Count()) {
    canvas->FillRect(itemRect);
    return;
  }
  TRect r = itemRect;
  canvas->FillRect(TRect(r.Left, r.Top, r.Left + 24, r.Bottom));
  r.Left += 24;
  const bool edit = (state & odComboBoxEdit) != 0;
  DrawFamily(canvas, r, index, edit && ShowStyle() == ssFontNameAndSample ? ssFontName : ShowStyle());
  FinishItem(canvas, r, index, state, !edit);
}
