// TRzCustomCheckBox and TRzCheckBox: the framed check box, two- or three-state,
// toggled by a click, by Space (Escape before the release cancels) and by its
// accelerator.
#pragma once

#include "framed/controls/RzGlyphButton.h"

class TRzCustomCheckBox : public TRzCustomGlyphButton {
public:
  explicit TRzCustomCheckBox(TComponent* owner);

  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  TCheckBoxState State() const { return state_; }
  virtual void SetState(TCheckBoxState value);
  // Stores and shows a state without a click.
  void InitState(TCheckBoxState value);
  // Checked only: a grayed box is not checked.
  bool GetChecked() const override { return state_ == cbChecked; }
  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }

protected:
  void ChangeState() override;
  TBitmap* SelectGlyph() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void DoExit() override;
  void CMDialogChar(TMessage& message) override;

private:
  TBitmap* HotTrackGlyph();
  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
  bool keyToggle_ = false;
};

class TRzCheckBox : public TRzCustomCheckBox {
public:
  using TRzCustomCheckBox::TRzCustomCheckBox;
};
