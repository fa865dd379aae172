// TspPopupCheckListBox: the check combo box's drop-down, a check list shown as
// a pop-up tool window (saved bits, a drop shadow) that a click never activates.
#pragma once

#include "skin/controls/checklists/SkinCheckListBox.h"

class TspPopupCheckListBox : public TspSkinCheckListBox {
public:
  explicit TspPopupCheckListBox(TComponent* owner);

  // Places the window at the screen point without sizing or activating it and shows it.
  void ShowAt(const TPoint& origin);
  void HideList();

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
};
