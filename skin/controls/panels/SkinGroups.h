// TspSkinRadioGroup and TspSkinCheckGroup: skinned group boxes that make one
// button per line of Items and lay them out in Columns columns inside the
// group's client area. The radio group keeps one checked line (ItemIndex); the
// check group lets every line be checked (CheckedStatus) and remembers the line
// clicked last. The buttons (TspGroupButton, TspCheckGroupButton) are made,
// owned and freed by the group and are never streamed (they have no name and
// the form does not own them).
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Strings.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinPanel.h"

class TspSkinButtonGroup;

class TspGroupButton : public TspSkinCheckRadioBox {
public:
  explicit TspGroupButton(TspSkinButtonGroup* group);
  ~TspGroupButton() override;

protected:
  void KeyPress(char& key) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

  TspSkinButtonGroup* group_;

private:
  bool inClick_ = false;
};

class TspCheckGroupButton : public TspGroupButton {
public:
  explicit TspCheckGroupButton(TspSkinButtonGroup* group);
};

// What both groups share: the lines, the buttons, the columns and the layout.
class TspSkinButtonGroup : public TspSkinGroupBox {
public:
  explicit TspSkinButtonGroup(TComponent* owner, bool radio);
  ~TspSkinButtonGroup() override;

  TStrings* Items() const { return items_.get(); }  // owned
  void SetItems(const TStrings* value) { items_->Assign(value); }
  Integer ItemIndex() const { return itemIndex_; }
  Integer Columns() const { return columns_; }
  void SetColumns(Integer value);  // clamped to 1..16
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  String ButtonSkinDataName() const { return buttonSkinDataName_; }
  void SetButtonSkinDataName(const String& value);
  TFont* ButtonDefaultFont() const { return buttonDefaultFont_.get(); }  // owned
  void SetButtonDefaultFont(const TFont* value);

  virtual bool CanModify() { return true; }
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TspGroupButton* Button(int index) const { return buttons_.at(index); }
  void ArrangeButtons();
  void UpdateButtons();
  void UpdateButtonsFont();
  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;
  void Loaded() override;

  // The buttons' click: ItemIndex := its line, CM_CHANGED, the group's OnClick.
  void ButtonClick(TObject* sender);
  // The buttons' key events reach the group's own handlers.
  void GroupKeyPress(char& key) { KeyPress(key); }
  void GroupKeyDown(Word& key, TShiftState shift) { KeyDown(key, shift); }

protected:
  friend class TspGroupButton;
  virtual void ItemsChange(TObject*);
  void SetButtonCount(int count);
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  virtual TspGroupButton* NewButton() = 0;

  std::unique_ptr<TStringList> items_;
  std::vector<TspGroupButton*> buttons_;  // in line order; children owned by the group
  Integer itemIndex_ = -1;
  bool updating_ = false;

private:
  bool radio_;
  Integer columns_ = 1;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  String buttonSkinDataName_;
  std::unique_ptr<TFont> buttonDefaultFont_;
};

class TspSkinCustomRadioGroup : public TspSkinButtonGroup {
public:
  explicit TspSkinCustomRadioGroup(TComponent* owner) : TspSkinButtonGroup(owner, true) {}
  // Clamped to -1..count-1; checking the new line fires the group's OnClick.
  void SetItemIndex(Integer value);

protected:
  void ItemsChange(TObject* sender) override;
  TspGroupButton* NewButton() override { return new TspGroupButton(this); }
};

class TspSkinRadioGroup : public TspSkinCustomRadioGroup {
public:
  using TspSkinCustomRadioGroup::TspSkinCustomRadioGroup;
};

class TspSkinCustomCheckGroup : public TspSkinButtonGroup {
public:
  explicit TspSkinCustomCheckGroup(TComponent* owner) : TspSkinButtonGroup(owner, false) {}
  bool GetCheckedStatus(Integer index) const;
  void SetCheckedStatus(Integer index, bool value);  // an index outside the lines is ignored

protected:
  TspGroupButton* NewButton() override { return new TspCheckGroupButton(this); }
};

class TspSkinCheckGroup : public TspSkinCustomCheckGroup {
public:
  using TspSkinCustomCheckGroup::TspSkinCustomCheckGroup;
};
