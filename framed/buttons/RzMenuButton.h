// TRzMenuButton: a bit button that drops a popup menu below itself, with a small
// arrow at its right. The press that opens the menu, and a press that closes it
// again, never click the button.
#pragma once

#include "framed/buttons/RzBitBtn.h"

class TPopupMenu;

class TRzMenuButton : public TRzBitBtn {
public:
  explicit TRzMenuButton(TComponent* owner);

  TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* value);
  bool ShowArrow() const { return showArrow_; }
  virtual void SetShowArrow(bool value);
  TNotifyEvent OnDropDown;

  void Click() override;
  virtual void DoDropDown();

protected:
  virtual void DropDown() { OnDropDown(reinterpret_cast<TObject*>(dropDownMenu_)); }
  TRect GetCaptionRect() override;
  TRect GetGlyphRect() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  TPopupMenu* dropDownMenu_ = nullptr;  // borrowed, with a free notification
  Cardinal dropTime_ = 0;
  bool skipNextClick_ = false;
  bool showArrow_ = true;
};

// Where a drop-down menu of `width` pops up below `control`: under its left edge
// (right edge when reading right to left), moved left so that it ends under the
// control's right edge when it would cross the work area's right edge.
TPoint DropDownPoint(TControl* control, int width);
