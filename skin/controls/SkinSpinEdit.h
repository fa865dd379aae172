// TspSkinSpinEdit: the skinned numeric field: a numeric inner edit between a
// skinned frame and up and down buttons with auto-repeat, keeping a floating
// point Value in step with the text. SetValue fires OnChange on every call.
#pragma once

#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinNumEdit.h"

enum TspValueType { vtInteger, vtFloat };

class TspSkinSpinEdit : public TspSkinCustomControl {
public:
  explicit TspSkinSpinEdit(TComponent* owner);

  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  bool UseSkinSize = true;
  TspValueType ValueType() const { return valueType_; }
  void SetValueType(TspValueType value);
  Byte Decimal = 2;
  void SetDecimal(Byte value) { Decimal = value; }
  double MinValue() const { return minValue_; }
  void SetMinValue(double value);
  double MaxValue() const { return maxValue_; }
  void SetMaxValue(double value);
  double Value() const { return value_; }
  // Clamps, writes the text and fires OnChange (also for an unchanged value);
  // from inside OnChange or the text parser it only rewrites the edit's text.
  void SetValue(double value);
  void SimpleSetValue(double value);
  double Increment = 1;
  void SetIncrement(double value) { Increment = value; }
  bool EditorEnabled() const { return edit_->EditorEnabled; }
  void SetEditorEnabled(bool value) { edit_->EditorEnabled = value; }
  Integer MaxLength() const { return edit_->MaxLength(); }
  void SetMaxLength(Integer value) { edit_->SetMaxLength(value); }
  double CheckValue(double value) const;
  bool IsNumText(const String& text) const;
  // The text of a value: fixed-point with Decimal digits, or the value rounded half to even.
  String ValueText(double value) const;
  TspSkinNumEdit* Edit() const { return edit_; }  // owned (a child component)

  TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick, OnEditEnter, OnEditExit;
  TKeyEvent OnEditKeyDown, OnEditKeyUp;
  TKeyPressEvent OnEditKeyPress;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void DefaultFontChange() override;
  void CalcSize(Integer& width, Integer& height) override;
  void SetControlRegion() override;
  void Invalidate() override;
  void CalcRects();
  void AdjustEditHeight();
  enum { Up = 0, Down = 1 };
  TRect ButtonRect(int index) const { return buttons_[index].R; }

protected:
  virtual void Change();
  virtual void EditKeyDown(TObject*, Word& key, TShiftState shift) { OnEditKeyDown(this, key, shift); }
  virtual void EditKeyUp(TObject*, Word& key, TShiftState shift) { OnEditKeyUp(this, key, shift); }
  virtual void EditKeyPress(TObject*, char& key) { OnEditKeyPress(this, key); }
  virtual void EditEnter(TObject*);
  virtual void EditExit(TObject*);
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  struct Button {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  void WriteEditText(double value);
  void TextChanged();
  void EditChange(TObject*);
  void UpClick(TObject*);
  void DownClick(TObject*);
  void EditMouseEnter(TObject*);
  void EditMouseLeave(TObject*);
  void TestActive(int x, int y);
  void OnTimer();
  void ApplyEditColor();
  void DrawResizeButton(TCanvas* canvas, int index);

  TspSkinNumEdit* edit_;
  TColor defaultColor_ = clWindow;
  TspValueType valueType_ = vtInteger;
  double minValue_ = 0, maxValue_ = 0, value_ = 0;
  Button buttons_[2];
  int activeButton_ = -1, oldActiveButton_ = -1, pressedButton_ = -1;
  int timerMode_ = 0;
  bool firstRepeat_ = false, mouseIn_ = false, editFocused_ = false;
  bool updating_ = false, editIsSource_ = false;

  TRect activeSkinRect_;
  String fontName_;
  TFontStyles fontStyle_ = 0;
  Integer fontHeight_ = 14;
  TColor fontColor_ = 0, activeFontColor_ = 0, disabledFontColor_ = 0;
  TRect upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
  TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
  Integer leftFixed_ = 0, rightFixed_ = 0;
};
