// TspSkinNumericEdit: a skinned edit that takes only numbers and keeps a
// floating-point Value inside MinValue..MaxValue (any value when the two are
// equal); a typed number past a bound is rewritten to it at once.
#pragma once

#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinSpinEdit.h"

class TspSkinNumericEdit : public TspSkinEdit {
public:
  explicit TspSkinNumericEdit(TComponent* owner);

  double Value() const { return value_; }
  void SetValue(double value);
  double MinValue = 0, MaxValue = 0;
  double Increment = 1;
  bool SupportUpDownKeys = false;
  Byte Decimal = 2;
  TspValueType ValueType = vtInteger;

  double CheckValue(double value) const;
  bool IsNumText(const String& text) const;
  bool IsValidChar(char key) const;
  String ValueText(double value) const;

protected:
  void KeyPress(char& key) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Change() override;
  void Dispatch(TMessage& message) override;

private:
  void WriteText(double value);

  double value_ = 0;
  bool updating_ = false;   // the text is being written from Value
  bool rewriting_ = false;  // the typed text is being replaced by the clamped value
};
