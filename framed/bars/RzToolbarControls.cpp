#include "framed/bars/RzToolbarControls.h"

#include "framed/bars/RzToolbar.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

int TRzToolbarControlList::IndexOf(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i]->Control == control) return i;
  return -1;
}

int TRzToolbarControlList::IndexOfName(const String& name) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareText(items_[i]->ControlName, name) == 0) return i;
  return -1;
}

int TRzToolbarControlList::AddControl(TControl* control) {
  const int index = IndexOf(control);
  if (index >= 0) return index;
  auto entry = CreateToolBarControl();
  entry->Control = control;
  entry->ControlName = control->Name();
  items_.push_back(std::move(entry));
  return Count() - 1;
}

int TRzToolbarControlList::AddControlName(const String& name) {
  const int index = IndexOfName(name);
  if (index >= 0) return index;
  auto entry = CreateToolBarControl();
  entry->ControlName = name;
  items_.push_back(std::move(entry));
  return Count() - 1;
}

int TRzToolbarControlList::RemoveControl(TControl* control) {
  const int index = IndexOf(control);
  if (index >= 0) items_.erase(items_.begin() + index);
  return index;
}

int TRzToolbarControlList::RemoveControlName(const String& name) {
  const int index = IndexOfName(name);
  if (index >= 0) items_.erase(items_.begin() + index);
  return index;
}

void TRzToolbarControlList::Move(int curIndex, int newIndex) {
  if (curIndex < 0 || curIndex >= Count() || newIndex < 0 || newIndex >= Count())
    throw EListError(Format("List index out of bounds (%d)", curIndex < 0 || curIndex >= Count() ? curIndex : newIndex));
  if (curIndex == newIndex) return;
  auto entry = std::move(items_[curIndex]);
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, std::move(entry));
}

void TRzToolbarControlList::WriteControls(TWriter& writer) {
  writer.WriteListBegin();
  for (auto& entry : items_) writer.WriteIdent(entry->Control ? entry->Control->Name() : entry->ControlName);
  writer.WriteListEnd();
}

void TRzToolbarControlList::ReadControls(TReader& reader) {
  if (!names_) names_ = std::make_unique<TRzToolbarControlList>(toolbar_);
  names_->items_.clear();
  reader.ReadListBegin();
  while (!reader.EndOfList()) names_->AddControlName(reader.ReadIdent());
  reader.ReadListEnd();
}

void TRzToolbarControlList::ControlsAreLoaded(TComponent* owner) {
  if (!names_) {
    for (int i = 0; i < toolbar_->ControlCount(); ++i) AddControl(toolbar_->Controls(i));
    return;
  }
  bool strayNames = false;
  for (auto& named : names_->items_) {
    auto* control = dynamic_cast<TControl*>(owner ? owner->FindComponent(named->ControlName) : nullptr);
    if (!control) continue;
    if (control->Parent() == toolbar_) {
      Items(AddControl(control))->AssignElements(named.get());
    } else {
      RemoveControlName(named->ControlName);
      strayNames = true;
    }
  }
  if (strayNames)
    for (int i = 0; i < toolbar_->ControlCount(); ++i) AddControl(toolbar_->Controls(i));
  names_.reset();
}
