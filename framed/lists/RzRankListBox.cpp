#include "framed/lists/RzRankListBox.h"

#include <algorithm>

#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"

TRzRankListBox::TRzRankListBox(TComponent* owner) : TRzListBox(owner) { SetExtendedSelect(false); }

void TRzRankListBox::SetMoveOnDrag(bool value) {
  if (moving_) throw Exception("MoveOnDrag property cannot be changed while moving an item");
  moveOnDrag_ = value;
}

void TRzRankListBox::MoveItem(int oldIndex, int newIndex) {
  Items()->Move(oldIndex, newIndex);
  SetItemIndex(newIndex);
  OnMoveItem(this, oldIndex, newIndex);
}

void TRzRankListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzListBox::MouseDown(button, shift, x, y);
  if (button != mbLeft || (ModifierKey == mkShift && (shift & ssShift) == 0)) return;
  oldIndex_ = ItemAtPos(TPoint(x, y), true);
  if (oldIndex_ < 0) return;
  oldCursor_ = ::GetCursor();
  ::SetCursor(Screen.Cursors(DragCursor));
  moving_ = true;
}

int TRzRankListBox::DropIndex(int x, int y, bool above) const {
  const int index = ItemAtPos(TPoint(x, y), true);
  if (index >= 0) return index;
  return above ? 0 : Items()->Count() - 1;
}

// The pointer is kept inside the list while an item is dragged.
void TRzRankListBox::MouseMove(TShiftState shift, int x, int y) {
  TRzListBox::MouseMove(shift, x, y);
  if (!moving_) return;
  const TRect client = ClientRect();
  bool above = false;
  if (!client.Contains(TPoint(x, y))) {
    above = y < client.Top;
    x = std::clamp(x, client.Left, client.Right - 1);
    y = std::clamp(y, client.Top, client.Bottom - 1);
    const TPoint screen = ClientToScreen(TPoint(x, y));
    ::SetCursorPos(screen.X, screen.Y);
  }
  if (!moveOnDrag_) return;
  const int newIndex = DropIndex(x, y, above);
  if (newIndex != oldIndex_) {
    MoveItem(oldIndex_, newIndex);
    oldIndex_ = ItemIndex();
  }
}

void TRzRankListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzListBox::MouseUp(button, shift, x, y);
  if (!moving_) return;
  if (!moveOnDrag_) {
    const int newIndex = DropIndex(x, y, y < ClientRect().Top);
    if (newIndex != oldIndex_) MoveItem(oldIndex_, newIndex);
  }
  ::SetCursor(oldCursor_);
  moving_ = false;
  oldIndex_ = -1;
}

void TRzRankListBox::KeyDown(Word& key, TShiftState shift) {
  const int current = ItemIndex();
  const int last = Items()->Count() - 1;
  if ((shift & ssShift) != 0 && !moving_ && current >= 0) {
    int target = -1;
    switch (key) {
      case VK_UP: target = current > 0 ? current - 1 : -1; break;
      case VK_DOWN: target = current < last ? current + 1 : -1; break;
      case VK_HOME: target = current > 0 ? 0 : -1; break;
      case VK_END: target = current < last ? last : -1; break;
      default: break;
    }
    if (target >= 0) {
      MoveItem(current, target);
      key = 0;
    }
  }
  TRzListBox::KeyDown(key, shift);
}
