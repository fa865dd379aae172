#include "platform/core/Component.h"

#include <algorithm>

#include "platform/core/SysUtils.h"

bool IsValidIdent(const String& name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who asked that this component goes away.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->RemoveFreeNotify(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return components_[index];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& siblings = owner_->components_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

TComponent* TComponent::FindComponent(const String& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_)
    if (SameText(component->name_, name)) return component;
  return nullptr;
}

void TComponent::ValidateRename(TComponent* component, const String& currentName, const String& newName) {
  if (component && !SameText(currentName, newName) && FindComponent(newName))
    throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::SetName(const String& name) {
  if (name_ == name) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_) owner_->ValidateRename(this, name_, name);
  name_ = name;
}

void TComponent::SetDesigning(bool designing) {
  SetState(csDesigning, designing);
  for (TComponent* component : components_) component->SetDesigning(designing);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  component->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, String(), component->name_);
  Insert(component);
  if (HasState(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* component = components_.back();
    Remove(component);
    delete component;
  }
}

void TComponent::Destroying() {
  if (HasState(csDestroying)) return;
  state_ |= csDestroying;
  for (TComponent* component : components_) component->Destroying();
}

void TComponent::AddFreeNotify(TComponent* component) {
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
}

void TComponent::RemoveFreeNotify(TComponent* component) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  // Each tells the other, so whichever goes first is announced to the one left.
  if (component->owner_ != owner_ || !owner_) {
    component->AddFreeNotify(this);
    AddFreeNotify(component);
  }
  state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  RemoveFreeNotify(component);
  component->RemoveFreeNotify(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  for (size_t i = components_.size(); i > 0; --i) {
    if (i > components_.size()) continue;  // a handler removed several entries
    components_[i - 1]->Notification(component, operation);
  }
}

void TComponent::EndLoading() {
  state_ &= ~csReading;
  Loaded();
  for (TComponent* component : components_)
    if (component->HasState(csLoading)) component->EndLoading();
}
