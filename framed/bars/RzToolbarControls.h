// The tool bar's own ordered list of the controls it lays out: one entry per
// control with the control's name, so the order can be streamed as names and
// saved to and restored from a settings store.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Control.h"

class TReader;
class TWriter;
class TRzToolbar;

class TRzToolbarControl : public TObject {
public:
  TControl* Control = nullptr;  // borrowed
  String ControlName;
  // The hook through which a descendant entry copies extra data from the entry
  // read from the stream.
  virtual void AssignElements(TRzToolbarControl* source) {}
};

class TRzToolbarControlList : public TObject {
public:
  explicit TRzToolbarControlList(TRzToolbar* toolbar) : toolbar_(toolbar) {}

  int Count() const { return static_cast<int>(items_.size()); }
  TRzToolbarControl* Items(int index) const { return items_.at(index).get(); }
  int IndexOf(const TControl* control) const;
  int IndexOfName(const String& name) const;  // ignoring case
  int AddControl(TControl* control);
  int AddControlName(const String& name);
  int RemoveControl(TControl* control);
  int RemoveControlName(const String& name);
  void RemoveAt(int index) { items_.erase(items_.begin() + index); }
  // Names read from the stream wait to be bound to their controls.
  bool NamesPending() const { return names_ != nullptr; }
  // Moves an entry; an index outside the list raises EListError.
  void Move(int curIndex, int newIndex);

  void WriteControls(TWriter& writer);
  void ReadControls(TReader& reader);
  // Binds the names read from the stream to the owner's controls.
  void ControlsAreLoaded(TComponent* owner);

protected:
  virtual std::unique_ptr<TRzToolbarControl> CreateToolBarControl() { return std::make_unique<TRzToolbarControl>(); }

private:
  TRzToolbar* toolbar_;  // borrowed: the owner
  std::vector<std::unique_ptr<TRzToolbarControl>> items_;
  std::unique_ptr<TRzToolbarControlList> names_;  // present between reading and loading
};
