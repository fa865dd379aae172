// TRzMenuDrop: the popup menu a button drops below itself, as the menu button,
// the menu tool-bar button and the tool button share it: the borrowed menu with
// its free notification, where the menu pops up, and the press that drops it
// (a press within 100 ms of the menu closing is the one that closed it, and
// drops nothing). The click that follows such a press can be skipped.
#pragma once

#include <functional>

#include "platform/controls/Control.h"
#include "platform/graphics/Canvas.h"

class TPopupMenu;

class TRzMenuDrop {
public:
  explicit TRzMenuDrop(TControl* button) : button_(button) {}

  TPopupMenu* Menu() const { return menu_; }
  void SetMenu(TPopupMenu* value);
  // From the button's Notification: a freed menu is forgotten.
  void Notification(TComponent* component, TOperation operation);

  // Pops the menu up below the button (nothing without a menu).
  void Popup();
  // A left press that drops the menu: runs `drop` (the button's DoDropDown)
  // unless it is the press that closed the menu, which gives the mouse back.
  // Either way the next click is skipped. Answers whether it dropped the menu.
  bool Press(const std::function<void()>& drop);

  void SkipNextClick() { skipNextClick_ = true; }
  // True once after a press that dropped or closed the menu.
  bool TakeSkippedClick();

  // The small arrow that marks a drop-down button, pointing down from (x, y).
  static void PaintArrow(TCanvas* canvas, int x, int y, bool enabled);

private:
  TControl* button_;              // the button that owns this
  TPopupMenu* menu_ = nullptr;    // borrowed, with a free notification to the button
  Cardinal dropTime_ = 0;         // when the last dropped menu closed
  bool skipNextClick_ = false;
};

// Where a drop-down menu of `width` pops up below `control`: under its left edge
// (right edge when reading right to left), moved left so that it ends under the
// control's right edge when it would cross the work area's right edge.
TPoint DropDownPoint(TControl* control, int width);
