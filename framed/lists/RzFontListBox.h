// TRzFontListBox: the framed list box filled with the font families of the
// screen or the printer, each with a glyph of its kind and its name drawn in
// the control's font, in the family itself, or both. While the mouse button is
// down a preview beside the list shows a sample in the highlighted family;
// chosen families can be kept on top as recently used ones.
#pragma once

#include "framed/fonts/RzFontChooser.h"
#include "framed/lists/RzListBox.h"

class TRzFontListBox : public TRzFontChooser<TRzCustomListBox> {
public:
  explicit TRzFontListBox(TComponent* owner);

  // Copies the selected family to the top of the list (with MaintainMRUFonts).
  void AddFontToMRUList() { ChooseRecentFont(); }

protected:
  int OwnerDrawItemIndent() const override { return 24; }
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};
