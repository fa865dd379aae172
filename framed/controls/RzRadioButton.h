// TRzRadioButton: the framed radio button. Checking it unchecks every other radio
// button of the same parent; moving the focus to it by keyboard checks it.
#pragma once

#include "framed/controls/RzGlyphButton.h"

class TRzRadioButton : public TRzCustomGlyphButton {
public:
  explicit TRzRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  bool GetChecked() const override { return checked_; }
  void SetChecked(bool value) override;

protected:
  void ChangeState() override;
  TBitmap* SelectGlyph() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMSetFocus(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  // The recoloured resource glyph of the hot-track look.
  TBitmap* HotTrackGlyph();
  bool checked_ = false;
  bool usingMouse_ = false;
};
