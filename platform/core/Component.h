// TComponent: the owner tree. An owner frees the components it owns, last created
// first; a component being removed or destroyed is announced through Notification
// to its owner's components and to every component that asked (FreeNotification).
#pragma once

#include <vector>

#include "platform/core/Persistent.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csReading = 1u << 1,
  csWriting = 1u << 2,
  csDestroying = 1u << 3,
  csDesigning = 1u << 4,
  csAncestor = 1u << 5,
  csUpdating = 1u << 6,
  csFixups = 1u << 7,
  csFreeNotification = 1u << 8,
  csInline = 1u << 9,
  csDesignInstance = 1u << 10,
};
using TComponentState = unsigned;

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* owner);
  // Descendants whose Notification must see their own components go away call
  // DestroyComponents at the start of their destructor.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // Case-insensitive search among the owned components; nullptr when absent.
  TComponent* FindComponent(const String& name) const;

  const String& Name() const { return name_; }
  // EComponentError for a name that is no identifier or that a sibling has.
  virtual void SetName(const String& name);
  int Tag = 0;

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  void SetDesigning(bool designing);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  void Destroying();

  // Asks to be told (Notification with opRemove) when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Streaming: set while a form definition is read into the component.
  void BeginLoading() { state_ |= csLoading | csReading; }
  void EndLoading();

  String GetNamePath() const override { return name_; }

protected:
  virtual void Notification(TComponent* component, TOperation operation);
  // Called once after the component's properties were read from a definition.
  virtual void Loaded() { state_ &= ~csLoading; }
  virtual void ValidateRename(TComponent* component, const String& currentName, const String& newName);
  void SetState(TComponentStateFlag flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }

private:
  friend class TReader;  // sets the reading state and calls Loaded while a definition is read
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void AddFreeNotify(TComponent* component);
  void RemoveFreeNotify(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;   // owned
  std::vector<TComponent*> freeNotifies_;  // borrowed: told when this one goes
  String name_;
  TComponentState state_ = 0;
};

bool IsValidIdent(const String& name);
