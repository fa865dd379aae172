// TspSkinCustomComboBox: the skinned combo box: a face (item area and drop
// button) painted from a "combobox" record or the default look, its items in a
// drop-down list that opens as a pop-up, and in edit style an inner edit.
// SetItemIndex fires OnClick on every call; OnChange follows only a change of
// the text. The drop-down's opening, tracking and closing are in
// SkinComboBoxDropDown.cpp.
#pragma once

#include "skin/controls/ComboFace.h"
#include "skin/controls/CustomEdit.h"
#include "skin/controls/DropDownTracker.h"
#include "skin/controls/PopupListBox.h"

enum TspSkinCustomComboBoxStyle { spcbEditStyle, spcbFixedStyle };

class TspSkinCustomComboBox : public TspSkinCustomControl {
public:
  explicit TspSkinCustomComboBox(TComponent* owner);
  ~TspSkinCustomComboBox() override;

  bool UseSkinSize = true;
  bool ToolButtonStyle() const { return toolButtonStyle_; }
  void SetToolButtonStyle(bool value);
  bool HideSelection = true;
  bool AutoComplete = true;
  bool HorizontalExtent() const { return list_->HorizontalExtent(); }
  void SetHorizontalExtent(bool value) { list_->SetHorizontalExtent(value); }
  TCustomImageList* Images() const { return list_->Images(); }
  void SetImages(TCustomImageList* value);
  Integer ImageIndex() const { return list_->ImageIndex(); }
  void SetImageIndex(Integer value);
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  TStrings* Items() const { return list_->Items(); }
  void SetItems(const TStrings* value) { list_->Items()->Assign(value); }
  Integer ItemIndex() const { return list_->ItemIndex(); }
  // Selects, sets Text to the item (OnChange when it changes), then OnClick and
  // Change, on every call: also for the current index, -1 or out of range.
  void SetItemIndex(Integer value);
  Integer DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(Integer value) {
    if (value >= 1) dropDownCount_ = value;
  }
  TspSkinCustomComboBoxStyle Style() const { return style_; }
  void SetStyle(TspSkinCustomComboBoxStyle value);
  bool Sorted() const { return list_->Sorted(); }
  void SetSorted(bool value) { list_->SetSorted(value); }
  TStrings* TabWidths() const { return list_->TabWidths(); }
  void SetTabWidths(const TStrings* value) { list_->SetTabWidths(value); }

  // The drop-down list's own properties.
  bool ListBoxUseSkinItemHeight() const { return list_->UseSkinItemHeight; }
  void SetListBoxUseSkinItemHeight(bool value) { list_->UseSkinItemHeight = value; }
  bool ListBoxUseSkinFont() const { return list_->UseSkinFont; }
  void SetListBoxUseSkinFont(bool value) { list_->UseSkinFont = value; }
  TFont* ListBoxDefaultFont() const { return list_->DefaultFont(); }
  TFont* ListBoxDefaultCaptionFont() const { return list_->DefaultCaptionFont(); }
  Integer ListBoxDefaultItemHeight() const { return list_->DefaultItemHeight(); }
  void SetListBoxDefaultItemHeight(Integer value) { list_->SetDefaultItemHeight(value); }
  TAlignment ListBoxCaptionAlignment() const { return list_->Alignment(); }
  void SetListBoxCaptionAlignment(TAlignment value) { list_->SetAlignment(value); }
  String ListBoxCaption() const { return list_->Caption(); }
  void SetListBoxCaption(const String& value) { list_->SetCaption(value); }
  bool ListBoxCaptionMode() const { return list_->CaptionMode(); }
  void SetListBoxCaptionMode(bool value) { list_->SetCaptionMode(value); }
  bool ListBoxAlphaBlend() const { return list_->AlphaBlendOn; }
  void SetListBoxAlphaBlend(bool value) { list_->AlphaBlendOn = value; }
  bool ListBoxAlphaBlendAnimation() const { return list_->AlphaAnimation; }
  void SetListBoxAlphaBlendAnimation(bool value) { list_->AlphaAnimation = value; }
  Byte ListBoxAlphaBlendValue() const { return list_->AlphaValue; }
  void SetListBoxAlphaBlendValue(Byte value) { list_->AlphaValue = value; }
  Integer ListBoxWidth = 0;

  TspDrawSkinItemEvent OnListBoxDrawItem() const { return list_->OnDrawItem; }
  void SetOnListBoxDrawItem(TspDrawSkinItemEvent value) { list_->OnDrawItem = value; }
  TspDrawSkinItemEvent OnComboBoxDrawItem;
  TNotifyEvent OnChange, OnCloseUp, OnDropDown;

  // The drop-down.
  void DropDown();
  void CloseUp(bool acceptValue);
  bool IsPopupVisible() const { return list_->Visible(); }
  bool CanCancelDropDown() const { return list_->Visible() && !mouseIn_; }
  bool Dropped() const { return dropped_; }
  TspPopupListBox* PopupList() const { return list_; }  // owned (child component)
  TspCustomEdit* InnerEdit() const { return edit_; }     // owned in edit style, else nullptr
  bool NumericEdit = false;

  Integer SelStart() const { return edit_ ? edit_->SelStart() : 0; }
  void SetSelStart(Integer value) {
    if (edit_) edit_->SetSelStart(value);
  }
  Integer SelLength() const { return edit_ ? edit_->SelLength() : 0; }
  void SetSelLength(Integer value) {
    if (edit_) edit_->SetSelLength(value);
  }

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void DefaultFontChange() override { Font()->Assign(DefaultFont()); }
  void CalcSize(Integer& width, Integer& height) override;
  void SetControlRegion() override;
  void Invalidate() override;
  void CalcRects();
  TRect ItemArea() const { return itemArea_; }
  TRect ButtonArea() const { return buttonArea_; }
  // Type-ahead with a typed character (fixed style).
  void FindLBItem(char key);

protected:
  virtual void Change() {}
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  // Face painting (SkinCustomComboBox.cpp).
  void DrawButton(TCanvas* canvas);
  void DrawResizeButton(TCanvas* canvas);
  void DrawDefaultItem(TCanvas* canvas);
  void DrawSkinItem(TCanvas* canvas, bool resized);
  void DrawItemContent(TCanvas* c, const TRect& textRect, Integer width, Integer height, bool skinned);
  void CreateToolDefaultImage(TBitmap* b);
  void CreateToolSkinImage(TBitmap* b);
  bool FaceFocused();
  TColor DisabledColor();
  // Inner edit.
  void ShowEditor();
  void HideEditor();
  void EditWindowProcHook(TMessage& message);
  void EditChange(TObject*);
  void EditCancelMode(TObject* sender);
  void EditKeyDown(TObject*, Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
  void EditKeyUp(TObject*, Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }
  void EditKeyPress(TObject*, char& key) { OnKeyPress(this, key); }
  void FindLBItemFromEdit();
  void EditUpDown(bool up);
  void ApplyEditFont();
  // Drop-down (SkinComboBoxDropDown.cpp).
  void ListBoxWindowProcHook(TMessage& message);
  void ListBoxMouseMove(TObject*, TShiftState shift, int x, int y);
  void CheckButtonClick(TObject*);
  bool BelongsToDropDown(TObject* sender) const;
  void TextChanged();
  void MoveSelection(Integer delta);

  TspPopupListBox* list_;
  TspCustomEdit* edit_ = nullptr;
  TWndMethod oldEditWindowProc_, oldListWindowProc_;
  bool toolButtonStyle_ = false;
  TColor defaultColor_ = clWindow;
  TEditCharCase charCase_ = ecNormal;
  Integer dropDownCount_ = 8;
  TspSkinCustomComboBoxStyle style_ = spcbFixedStyle;
  bool mouseIn_ = false, buttonMouseIn_ = false, buttonPressed_ = false, dropped_ = false;
  Integer oldItemIndex_ = -1;
  TOwnerDrawState itemState_ = 0;
  TRect itemArea_, buttonArea_;
  bool editUpdating_ = false;
  DWORD lastKeyTime_ = 0;
  String searchText_;
  TspDropDownTracker tracker_{this};

  TspComboFace face_;  // copies of the "combobox" record
};

class TspSkinComboBox : public TspSkinCustomComboBox {
public:
  using TspSkinCustomComboBox::TspSkinCustomComboBox;
};
