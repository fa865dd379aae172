// TRzRankListBox: the framed list box whose items the user reorders, by dragging
// an item (with Shift held, unless no key is asked for) or with Shift and the
// arrow, Home and End keys. Its selection is always single and unsorted.
#pragma once

#include "framed/lists/RzListBox.h"

enum TRzModifierKey { mkShift, mkNone };
using TRzMoveItemEvent = TEvent<TObject*, int, int>;

class TRzRankListBox : public TRzListBox {
public:
  explicit TRzRankListBox(TComponent* owner);

  // Moves an item, makes it current and reports it.
  virtual void MoveItem(int oldIndex, int newIndex);
  TRzModifierKey ModifierKey = mkShift;
  bool MoveOnDrag() const { return moveOnDrag_; }
  // Refused (Exception) while an item is being dragged.
  void SetMoveOnDrag(bool value);
  bool Moving() const { return moving_; }

  TRzMoveItemEvent OnMoveItem;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  // The item a drag has reached at a client point; `clamped` tells whether the
  // point lay above the client area.
  int DropIndex(int x, int y, bool above) const;

  bool moveOnDrag_ = true;
  bool moving_ = false;
  int oldIndex_ = -1;
  HCURSOR oldCursor_ = nullptr;
};
