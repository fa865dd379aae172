// TRzCustomRadioGroup and TRzRadioGroup: a group box with one radio button per
// line of Items, laid out in columns, whose ItemIndex follows the checked button.
// TRzGroupButton is the radio button the group makes, styles and frees itself.
#pragma once

#include "framed/controls/RzRadioButton.h"
#include "framed/groups/RzItemGroup.h"

class TRzCustomRadioGroup;

using TRzIndexChangingEvent = TEvent<TObject*, int, bool&>;

class TRzGroupButton : public TRzGroupItem<TRzRadioButton> {
public:
  explicit TRzGroupButton(TRzCustomRadioGroup* group);

protected:
  // Presses reach the button only while the group allows changes.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
};

class TRzCustomRadioGroup : public TRzCustomItemGroup {
public:
  explicit TRzCustomRadioGroup(TComponent* owner);
  ~TRzCustomRadioGroup() override;

  int ItemIndex() const { return itemIndex_; }
  // While a definition is read only stored; otherwise clamped to -1..count-1, and
  // a change checks the new button, which reports a click as the user's would.
  virtual void SetItemIndex(int value);
  int ButtonCount() const { return ItemControlCount(); }
  TRzGroupButton* GetButtons(int index) const { return static_cast<TRzGroupButton*>(ItemControl(index)); }
  void Loaded() override;

  TRzIndexChangingEvent OnChanging;

protected:
  virtual bool CanChange(int newIndex);
  virtual void SetButtonCount(int count);
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  void Rearrange() override { ArrangeButtons(); }
  void ItemsChanged() override;
  void ItemClick(TObject* sender) override;
  void DefineProperties(TFiler* filer) override;

private:
  int itemIndex_ = -1;
  bool updating_ = false;
};

class TRzRadioGroup : public TRzCustomRadioGroup {
public:
  using TRzCustomRadioGroup::TRzCustomRadioGroup;
};
