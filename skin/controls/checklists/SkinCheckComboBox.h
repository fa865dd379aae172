// TspSkinCustomCheckComboBox: a skinned drop-down whose list is a check list.
// The closed control shows the checked items' captions joined by ","; the
// drop-down stays open while items are checked. Drawn and laid out like the
// fixed-style combo box from a "combobox" record (or the default look).
#pragma once

#include "skin/controls/ComboFace.h"
#include "skin/controls/DropDownTracker.h"
#include "skin/controls/checklists/PopupCheckListBox.h"

class TspSkinCustomCheckComboBox : public TspSkinCustomControl {
public:
  explicit TspSkinCustomCheckComboBox(TComponent* owner);
  ~TspSkinCustomCheckComboBox() override;

  // Stored; this control's drop-down is not made translucent.
  bool AlphaBlend = false;
  Byte AlphaBlendValue = 0;
  bool AlphaBlendAnimation = false;
  Integer ListBoxWidth = 0;
  TColor DefaultColor = clWindow;
  Integer DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(Integer value) {
    if (value > 0) dropDownCount_ = value;
  }
  TStrings* Items() const { return list_->Items(); }
  void SetItems(const TStrings* value) { list_->SetItems(value); }
  Integer ItemIndex() const { return list_->ItemIndex(); }
  void SetItemIndex(Integer value) { list_->SetItemIndex(value); }
  bool GetChecked(Integer index) const { return list_->GetChecked(index); }
  void SetChecked(Integer index, bool checked);
  String Text() const { return TControl::Text(); }
  TspPopupCheckListBox* ListBox() const { return list_; }  // owned (child)

  TNotifyEvent OnChange, OnCloseUp, OnDropDown;

  virtual void DropDown();
  void CloseUp(bool accept);
  virtual void Change() { OnChange(this); }
  bool IsPopupVisible() const { return list_->Visible(); }
  TRect ButtonArea() const { return buttonArea_; }
  TRect ItemArea() const { return itemArea_; }
  void CalcRects();

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void DefaultFontChange() override;

protected:
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void CheckText();
  void ToggleCurrent();
  bool BelongsToDropDown(TObject* sender) const;
  void ListBoxMouseMove(TObject*, TShiftState, int x, int y);
  void ListBoxWindowProcHook(TMessage& message);
  void MoveIndex(Integer delta);
  void DrawItemArea(TBitmap* b, bool skinned);
  TColor GetDisabledFontColor();

  TspPopupCheckListBox* list_;
  TWndMethod oldListWindowProc_;
  Integer dropDownCount_ = 8;
  TRect buttonArea_, itemArea_;
  bool mouseIn_ = false, buttonMouseIn_ = false, buttonPressed_ = false;
  TspDropDownTracker tracker_{this};
  TspComboFace face_;  // copies of the "combobox" record
};

class TspSkinCheckComboBox : public TspSkinCustomCheckComboBox {
public:
  using TspSkinCustomCheckComboBox::TspSkinCustomCheckComboBox;
};
