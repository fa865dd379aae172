// TRzCustomCheckGroup and TRzCheckGroup: a group box with one check box per line
// of Items, laid out in columns like the radio group, which streams the state of
// every check box with the form ("CheckStates"). TRzGroupCheck is the check box
// the group makes, styles and frees itself.
#pragma once

#include <memory>

#include "framed/controls/RzCheckBox.h"
#include "framed/groups/RzItemGroup.h"
#include "framed/lists/RzIntegerList.h"

class TRzCustomCheckGroup;

using TStateChangeEvent = TEvent<TObject*, int, TCheckBoxState>;

class TRzGroupCheck : public TRzGroupItem<TRzCheckBox> {
public:
  explicit TRzGroupCheck(TRzCustomCheckGroup* group);
};

class TRzCustomCheckGroup : public TRzCustomItemGroup {
public:
  explicit TRzCustomCheckGroup(TComponent* owner);
  ~TRzCustomCheckGroup() override;

  bool AllowGrayed() const { return allowGrayed_; }
  virtual void SetAllowGrayed(bool value);
  int CheckCount() const { return ItemControlCount(); }
  TRzGroupCheck* GetChecks(int index) const { return static_cast<TRzGroupCheck*>(ItemControl(index)); }
  virtual bool GetItemChecked(int index) const { return GetChecks(index)->GetChecked(); }
  virtual void SetItemChecked(int index, bool value) { GetChecks(index)->SetChecked(value); }
  virtual TCheckBoxState GetItemState(int index) const { return GetChecks(index)->State(); }
  // Through the check box's SetState: a change fires its click and OnChange.
  virtual void SetItemState(int index, TCheckBoxState value) { GetChecks(index)->SetState(value); }
  int GetIndex(const TRzGroupCheck* check) const { return IndexOfItem(check); }
  void Loaded() override;

  TStateChangeEvent OnChange;

protected:
  virtual void SetCheckCount(int count);
  virtual void ArrangeChecks();
  virtual void UpdateChecks();
  virtual void Change(int index, TCheckBoxState newState) { OnChange(this, index, newState); }
  void Rearrange() override { ArrangeChecks(); }
  void ItemsChanged() override { UpdateChecks(); }
  void ItemClick(TObject* sender) override;
  void DefineProperties(TFiler* filer) override;

private:
  bool allowGrayed_ = false;
  std::unique_ptr<TRzIntegerList> checkStates_;  // owned: the states read from the form
};

class TRzCheckGroup : public TRzCustomCheckGroup {
public:
  using TRzCustomCheckGroup::TRzCustomCheckGroup;
};
