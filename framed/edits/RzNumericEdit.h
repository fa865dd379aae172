// TRzNumericEdit: a framed edit for a floating-point number shown through a
// display format (",0;(,0)" by default: thousands separators, negatives in
// parentheses). Typing is limited to digits, signs and the decimal separator;
// the number is read back from whatever digits the text holds; on leaving, the
// value is range-checked (an OnRangeError handler may refuse the correction and
// keep the focus) and the text is formatted again.
#pragma once

#include "framed/edits/RzPlainEdits.h"

// (Sender, entered value, the bound it would be corrected to, may correct).
using TRzRangeErrorEvent = TEvent<TObject*, Extended, Extended, bool&>;

class TRzNumericEdit : public TRzEdit {
public:
  explicit TRzNumericEdit(TComponent* owner);

  bool AllowBlank = false;
  Extended BlankValue = 0;
  // Checks Min..Max on leaving even when Min = Max.
  bool CheckRange = false;
  bool IntegersOnly() const { return integersOnly_; }
  virtual void SetIntegersOnly(bool value);
  Extended Min() const { return min_; }
  virtual void SetMin(Extended value);
  Extended Max() const { return max_; }
  virtual void SetMax(Extended value);
  const String& DisplayFormat() const { return displayFormat_; }
  virtual void SetDisplayFormat(const String& value);
  // The number in the text; an empty text gives BlankValue (AllowBlank) or Min,
  // which it then shows. Not range-checked.
  virtual Extended GetValue();
  // Shows the value, unless the text already stands for it.
  virtual void SetValue(Extended value);
  virtual Integer GetIntValue() { return static_cast<Integer>(RoundHalfEven(GetValue())); }
  virtual void SetIntValue(Integer value) { SetValue(value); }
  Extended LastValue() const { return lastValue_; }

  // The number the text stands for: negative when it holds "-" or "(" anywhere,
  // made of its digits and decimal separators only ("12-3" is -123); 0 for none.
  virtual Extended EvaluateText();
  virtual String FormatText(Extended value);
  virtual bool IsValidChar(char key);
  // The value kept within the range, asking OnRangeError first; `keepFocus` is
  // set when the handler refuses the correction.
  virtual Extended CheckValue(Extended value, bool& keepFocus);

  void Loaded() override;

  TRzRangeErrorEvent OnRangeError;

  static Extended RoundHalfEven(Extended value);

protected:
  virtual void RangeError(Extended entered, Extended adjusted, bool& autoCorrect);
  void Change() override;
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;

private:
  bool integersOnly_ = true;
  Extended min_ = 0;
  Extended max_ = 0;
  String displayFormat_ = ",0;(,0)";
  Extended lastValue_ = 0;
  bool formatting_ = false;  // Loaded is formatting the text: no OnChange
};
