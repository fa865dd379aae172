// TspSkinNumEdit: the numeric inner edit of the spin edit (and of the font-size
// combo box): digits, sign and (with Float) the decimal separator only; arrow
// keys and the wheel step through hooks.
#pragma once

#include "skin/controls/CustomEdit.h"

class TspSkinNumEdit : public TspCustomEdit {
public:
  explicit TspSkinNumEdit(TComponent* owner) : TspCustomEdit(owner) {}

  TNotifyEvent OnUpClick, OnDownClick, OnMouseEnterHook, OnMouseLeaveHook;
  bool EditorEnabled = true;
  bool Float = false;

  bool IsValidChar(char key) const;

protected:
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;
};
