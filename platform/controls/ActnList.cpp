#include "platform/controls/ActnList.h"

#include <algorithm>

#include "platform/core/SysUtils.h"
#include "platform/graphics/ImageList.h"

// ---- TBasicActionLink ----

TBasicActionLink::~TBasicActionLink() {
  if (action_) action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == action_) return;
  if (action_) action_->UnRegisterChanges(this);
  action_ = action;
  if (action_) action_->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* component) {
  if (!action_) return false;
  // The handler may free the client (and this link) or even the action.
  TBasicAction* action = action_;
  std::weak_ptr<int> alive = action->lifetime_;
  action->SetActionComponent(component);
  bool result = false;
  try {
    result = action->Execute();
  } catch (...) {
    if (!alive.expired()) action->SetActionComponent(nullptr);
    throw;
  }
  if (!alive.expired()) action->SetActionComponent(nullptr);
  return result;
}

void TBasicActionLink::Change() { OnChange(action_); }

bool TBasicActionLink::Update() { return action_ && action_->Update(); }

// ---- TBasicAction ----

TBasicAction::~TBasicAction() {
  // Links stay with their clients, which drop them when told of the removal.
  for (TBasicActionLink* link : clients_) link->action_ = nullptr;
  clients_.clear();
  if (actionComponent_) actionComponent_->RemoveFreeNotification(this);
}

bool TBasicAction::Execute() {
  if (!onExecute_) return false;
  onExecute_(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& value) {
  if (value == onExecute_) return;
  // Copy first: a link's client may hand in the very event it holds.
  std::vector<TBasicActionLink*> links = clients_;
  for (TBasicActionLink* link : links) link->SetOnExecute(value);
  onExecute_ = value;
  Change();
}

void TBasicAction::SetActionComponent(TComponent* component) {
  if (component == actionComponent_) return;
  if (actionComponent_) actionComponent_->RemoveFreeNotification(this);
  actionComponent_ = component;
  if (actionComponent_) actionComponent_->FreeNotification(this);
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
  if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) return;
  clients_.push_back(link);
  link->action_ = this;
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) {
  auto it = std::find(clients_.begin(), clients_.end(), link);
  if (it == clients_.end()) return;
  clients_.erase(it);
  link->action_ = nullptr;
}

void TBasicAction::Change() {
  std::vector<TBasicActionLink*> links = clients_;
  for (TBasicActionLink* link : links)
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
}

void TBasicAction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == actionComponent_) actionComponent_ = nullptr;
}

// ---- TContainedAction ----

TContainedAction::~TContainedAction() {
  if (actionList_) actionList_->RemoveAction(this);
}

void TContainedAction::SetActionList(TCustomActionList* list) {
  if (list == actionList_) return;
  if (actionList_) actionList_->RemoveAction(this);
  if (list) list->AddAction(this);
}

int TContainedAction::Index() const { return actionList_ ? actionList_->IndexOf(this) : -1; }

void TContainedAction::SetIndex(int index) {
  if (actionList_) actionList_->MoveAction(this, index);
}

bool TContainedAction::Execute() {
  if (actionList_ && actionList_->ExecuteAction(this)) return true;
  return TBasicAction::Execute();
}

bool TContainedAction::Update() {
  if (actionList_ && actionList_->UpdateAction(this)) return true;
  return TBasicAction::Update();
}

// ---- TCustomAction ----

template <class Setter>
void TCustomAction::TellLinks(Setter setter) {
  std::vector<TBasicActionLink*> links = clients_;
  for (TBasicActionLink* link : links)
    if (auto* actionLink = dynamic_cast<TActionLink*>(link)) setter(actionLink);
}

void TCustomAction::SetCaption(const String& value) {
  if (value == caption_) return;
  TellLinks([&](TActionLink* link) { link->SetCaption(value); });
  caption_ = value;
  Change();
}

void TCustomAction::SetChecked(bool value) {
  if (value == checked_) return;
  TellLinks([&](TActionLink* link) { link->SetChecked(value); });
  checked_ = value;
  if (value && groupIndex_ > 0 && ActionList()) {
    TCustomActionList* list = ActionList();
    for (int i = 0; i < list->ActionCount(); ++i) {
      auto* other = dynamic_cast<TCustomAction*>(list->Actions(i));
      if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
    }
  }
  Change();
}

void TCustomAction::SetEnabled(bool value) {
  if (value == enabled_) return;
  TellLinks([&](TActionLink* link) { link->SetEnabled(value); });
  enabled_ = value;
  Change();
}

void TCustomAction::SetVisible(bool value) {
  if (value == visible_) return;
  TellLinks([&](TActionLink* link) { link->SetVisible(value); });
  visible_ = value;
  Change();
}

void TCustomAction::SetHint(const String& value) {
  if (value == hint_) return;
  TellLinks([&](TActionLink* link) { link->SetHint(value); });
  hint_ = value;
  Change();
}

void TCustomAction::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  TellLinks([&](TActionLink* link) { link->SetImageIndex(value); });
  imageIndex_ = value;
  Change();
}

void TCustomAction::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  TellLinks([&](TActionLink* link) { link->SetShortCut(value); });
  shortCut_ = value;
  Change();
}

void TCustomAction::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  TellLinks([&](TActionLink* link) { link->SetGroupIndex(value); });
  groupIndex_ = value;
  Change();
}

void TCustomAction::SetHelpContext(int value) {
  if (value == helpContext_) return;
  TellLinks([&](TActionLink* link) { link->SetHelpContext(value); });
  helpContext_ = value;
  Change();
}

void TCustomAction::SetAutoCheck(bool value) {
  if (value == autoCheck_) return;
  TellLinks([&](TActionLink* link) { link->SetAutoCheck(value); });
  autoCheck_ = value;
  Change();
}

TCustomImageList* TCustomAction::Images() const { return ActionList() ? ActionList()->Images() : nullptr; }

bool TCustomAction::Execute() {
  Update();
  if (!enabled_) return false;
  if (autoCheck_ && (!checked_ || groupIndex_ == 0)) SetChecked(!checked_);
  return TContainedAction::Execute();
}

// ---- TActionLink ----

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(action_); }

bool TActionLink::IsCaptionLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHelpContextLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsGroupIndexLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsImageIndexLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsShortCutLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsAutoCheckLinked() { return CustomAction() != nullptr; }

// ---- TCustomActionList ----

TCustomActionList::~TCustomActionList() {
  SetImages(nullptr);
  while (!actions_.empty()) delete actions_.back();  // each leaves the list as it goes
}

TContainedAction* TCustomActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return actions_[index];
}

int TCustomActionList::IndexOf(const TContainedAction* action) const {
  auto it = std::find(actions_.begin(), actions_.end(), action);
  return it == actions_.end() ? -1 : static_cast<int>(it - actions_.begin());
}

void TCustomActionList::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  Change();
}

bool TCustomActionList::ExecuteAction(TBasicAction* action) {
  bool handled = false;
  OnExecute(action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action) {
  bool handled = false;
  OnUpdate(action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) {
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (!custom || custom->ShortCut() != shortCut) continue;
    custom->Update();
    if (!custom->Enabled()) continue;  // another action may share the shortcut
    custom->Execute();
    return true;
  }
  return false;
}

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) {
    images_ = nullptr;
    Change();
  }
}

void TCustomActionList::AddAction(TContainedAction* action) {
  actions_.push_back(action);
  action->actionList_ = this;
  Change();
}

void TCustomActionList::RemoveAction(TContainedAction* action) {
  auto it = std::find(actions_.begin(), actions_.end(), action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  action->actionList_ = nullptr;
  if (!HasState(csDestroying)) Change();
}

void TCustomActionList::MoveAction(TContainedAction* action, int index) {
  int from = IndexOf(action);
  if (from < 0) return;
  index = std::clamp(index, 0, ActionCount() - 1);
  actions_.erase(actions_.begin() + from);
  actions_.insert(actions_.begin() + index, action);
  Change();
}
