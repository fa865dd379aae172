// TRzSpinEdit: a framed edit holding a number between Min and Max with spin
// buttons at its right edge. Buttons, arrow keys and the wheel step it by
// Increment, Page keys and the wheel with Ctrl by PageSize; the text shows the
// value with Decimals places. The text is the value: GetValue reads it again.
#pragma once

#include "framed/controls/RzEdit.h"
#include "platform/core/Math.h"
#include "framed/controls/RzSpinButtons.h"

enum TSpinButtonType : Byte { sbUp, sbDown };
using TSpinChangingEvent = TEvent<TObject*, bool&>;
using TSpinButtonEvent = TEvent<TObject*, TSpinButtonType>;

class TRzSpinEdit : public TRzCustomEdit {
public:
  explicit TRzSpinEdit(TComponent* owner);

  bool AllowKeyEdit = false;
  bool AllowBlank = false;
  Extended BlankValue = 0;
  Extended Increment = 1.0;
  Extended PageSize = 10.0;
  // The flat buttons' colour while the edit is hot (the spin edit's own).
  TColor FlatButtonColor = clBtnFace;

  int ButtonWidth() const { return buttonWidth_; }
  virtual void SetButtonWidth(int value);
  bool CheckRange() const { return checkRange_; }
  virtual void SetCheckRange(bool value);
  Byte Decimals() const { return decimals_; }
  virtual void SetDecimals(Byte value);
  bool IntegersOnly() const { return integersOnly_; }
  virtual void SetIntegersOnly(bool value);
  Extended Min() const { return min_; }
  virtual void SetMin(Extended value);
  Extended Max() const { return max_; }
  virtual void SetMax(Extended value);
  TSpinDirection GetDirection() const { return buttons_->Direction(); }
  virtual void SetDirection(TSpinDirection value) { buttons_->SetDirection(value); }
  TOrientation GetOrientation() const { return buttons_->Orientation(); }
  virtual void SetOrientation(TOrientation value);
  TRzControlButton* GetButton(int index) const;
  TRzSpinButtons* SpinButtons() const { return buttons_; }
  void SetFlatButtons(bool value) override;
  void SetFrameStyle(TFrameStyle value) override;

  // The text as a number, unclamped; an empty text gives Min (written back) or,
  // with AllowBlank, BlankValue; a text that does not parse gives Min.
  virtual Extended GetValue();
  // The value clamped into Min..Max (unless Min = Max without CheckRange).
  virtual Extended CheckValue(Extended value) const;
  virtual void SetValue(Extended value);
  virtual int GetIntValue() { return static_cast<int>(Round(GetValue())); }
  virtual void SetIntValue(int value) { SetValue(value); }
  virtual void IncValue(Extended amount);
  virtual void DecValue(Extended amount);
  void Loaded() override;

  TSpinChangingEvent OnChanging;
  TSpinButtonEvent OnButtonClick;

protected:
  virtual void ResizeButtons();
  virtual void SetEditRect();
  virtual bool IsValidChar(char key);
  virtual bool CanChange();
  virtual void DoButtonClick(TSpinButtonType button) { OnButtonClick(this, button); }
  void UpRightClickHandler(TObject*) { IncValue(Increment); }
  void DownLeftClickHandler(TObject*) { DecValue(Increment); }
  TRect GetEditRect() override;
  void UpdateFrame(bool viaMouse, bool inFocus) override;
  void DefineProperties(TFiler* filer) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void Dispatch(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;

private:
  TRzSpinButtons* buttons_;  // owned child component
  int buttonWidth_ = 17;
  bool checkRange_ = false;
  Byte decimals_ = 0;
  bool integersOnly_ = true;
  Extended min_ = 0.0;
  Extended max_ = 100.0;
};
