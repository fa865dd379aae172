// TRzFontComboBox: the family's combo box that lists the font families of the
// screen or the printer, with a glyph of each family's kind, the name drawn in
// the control's font, in the family itself or both, the recently chosen
// families kept on top, and an optional preview beside the dropped list.
#pragma once

#include "framed/controls/RzComboBox.h"
#include "framed/fonts/RzFontChooser.h"

class TRzFontComboBox : public TRzFontChooser<TRzCustomComboBox> {
public:
  explicit TRzFontComboBox(TComponent* owner);

protected:
  int ListWidth() const override { return DropDownWidth() == 0 ? Width() : DropDownWidth(); }
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void DropDown() override;
  // Closing the list puts the chosen family on top of the recent ones.
  void CloseUp() override;
};
