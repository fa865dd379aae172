// TRzMenuButton: a bit button that drops a popup menu below itself, with a small
// arrow at its right. The press that opens the menu, and a press that closes it
// again, never click the button.
#pragma once

#include "framed/buttons/RzBitBtn.h"
#include "framed/buttons/RzMenuDrop.h"

class TRzMenuButton : public TRzBitBtn {
public:
  explicit TRzMenuButton(TComponent* owner);

  TPopupMenu* DropDownMenu() const { return drop_.Menu(); }
  void SetDropDownMenu(TPopupMenu* value) { drop_.SetMenu(value); }
  bool ShowArrow() const { return showArrow_; }
  virtual void SetShowArrow(bool value);
  TNotifyEvent OnDropDown;

  void Click() override;
  virtual void DoDropDown();

protected:
  virtual void DropDown() { OnDropDown(reinterpret_cast<TObject*>(drop_.Menu())); }
  TRect GetCaptionRect() override;
  TRect GetGlyphRect() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  TRzMenuDrop drop_{this};
  bool showArrow_ = true;
};
