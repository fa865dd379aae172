// TRzMenuToolbarButton: a tool-bar speed button whose arrow part (its right 15
// pixels, or all of it without the arrow) drops a popup menu; a press elsewhere
// is an ordinary press.
#pragma once

#include "framed/buttons/RzMenuDrop.h"
#include "framed/buttons/RzToolbarButton.h"

class TRzMenuToolbarButton : public TRzToolbarButton {
public:
  explicit TRzMenuToolbarButton(TComponent* owner);

  TPopupMenu* DropDownMenu() const { return drop_.Menu(); }
  void SetDropDownMenu(TPopupMenu* value) { drop_.SetMenu(value); }
  bool ShowArrow() const { return showArrow_; }
  void SetShowArrow(bool value);
  TNotifyEvent OnDropDown;

  void Click() override;
  virtual void DoDropDown();

protected:
  virtual void DropDown() { OnDropDown(reinterpret_cast<TObject*>(drop_.Menu())); }
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  bool InArrowPart(int x) const;

private:
  TRzMenuDrop drop_{this};
  bool showArrow_ = true;
};
