// Actions: named commands with a caption, a shortcut, a checked and an enabled
// state, kept in action lists. Controls and menu items bind to an action through
// an action link; the action tells its links of every change, and a link's
// virtual setters copy the new value into its client.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/ShortCuts.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"

class TCustomImageList;
class TBasicAction;
class TCustomActionList;

// The link between an action and one client. The client owns the link; the
// action only keeps it in its list of links to tell of changes.
class TBasicActionLink : public TObject {
public:
  explicit TBasicActionLink(TObject* client) : client_(client) {}
  ~TBasicActionLink() override;  // leaves the action's list of links

  TBasicAction* Action() const { return action_; }
  // Leaves the old action's links and joins the new one's (nullptr: none).
  virtual void SetAction(TBasicAction* action);
  TObject* Client() const { return client_; }

  // Runs the action with the client as its action component; false without one.
  virtual bool Execute(TComponent* component = nullptr);
  virtual bool Update();

  // Whether the client's click handler follows the action's OnExecute.
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent& value) {}

  TNotifyEvent OnChange;  // after any change of the action

protected:
  friend class TBasicAction;
  // The action changed (some property; the setters below said which).
  virtual void Change();

  TObject* client_;  // borrowed: the client owns this link
  TBasicAction* action_ = nullptr;  // borrowed
};

class TBasicAction : public TComponent {
public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  // Every link is cut loose before the action goes; clients drop their links
  // when they hear of its removal.
  ~TBasicAction() override;

  // Runs OnExecute; false when there is none to run.
  virtual bool Execute();
  // Runs OnUpdate; false when there is none to run.
  virtual bool Update();

  const TNotifyEvent& OnExecute() const { return onExecute_; }
  void SetOnExecute(const TNotifyEvent& value);
  TNotifyEvent OnUpdate;

  // The component that fired the action last (a menu item, a button), or nullptr.
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* component);

  void RegisterChanges(TBasicActionLink* link);
  void UnRegisterChanges(TBasicActionLink* link);
  int LinkCount() const { return static_cast<int>(clients_.size()); }
  TBasicActionLink* Links(int index) const { return clients_[index]; }

protected:
  // Tells every link that the action changed.
  virtual void Change();
  void Notification(TComponent* component, TOperation operation) override;

  std::vector<TBasicActionLink*> clients_;  // borrowed: each client owns its link

private:
  friend class TBasicActionLink;
  TNotifyEvent onExecute_;
  TComponent* actionComponent_ = nullptr;  // borrowed, free notification
  // Expires with the action, so a caller can tell whether a handler freed it.
  std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

// An action that belongs to an action list, under a category.
class TContainedAction : public TBasicAction {
public:
  explicit TContainedAction(TComponent* owner) : TBasicAction(owner) {}
  ~TContainedAction() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* list);
  // The position in the action list (-1 without one).
  int Index() const;
  void SetIndex(int index);

  String Category;

  // The action list's OnExecute may handle it first; then the action's own.
  bool Execute() override;
  bool Update() override;

private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;  // borrowed: the list holds the action
};

class TActionLink;

class TCustomAction : public TContainedAction {
public:
  explicit TCustomAction(TComponent* owner) : TContainedAction(owner) {}

  // Each setter first tells the links the new value (so a link can compare it
  // with the value its client still shows), then stores it and reports a change.
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  bool Checked() const { return checked_; }
  // Checking an action of a group (GroupIndex > 0) unchecks the others of that
  // group in the same action list.
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value);

  // The image list of the action list (nullptr without one).
  TCustomImageList* Images() const;

  // Updates first; a disabled action does not run. An AutoCheck action toggles
  // its Checked (a checked action of a group stays checked) before it runs.
  bool Execute() override;

private:
  template <class Setter>
  void TellLinks(Setter setter);

  String caption_, hint_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool autoCheck_ = false;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  int groupIndex_ = 0;
  int helpContext_ = 0;
};

class TAction : public TCustomAction {
public:
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

// The link of a client that shows an action's caption, states and image. Each
// setter copies the value into the client when the matching IsXLinked holds;
// the base copies nothing, clients override the setters they need.
class TActionLink : public TBasicActionLink {
public:
  using TBasicActionLink::TBasicActionLink;

  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHintLinked();
  virtual bool IsGroupIndexLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();
  virtual bool IsAutoCheckLinked();

  virtual void SetCaption(const String& value) {}
  virtual void SetChecked(bool value) {}
  virtual void SetEnabled(bool value) {}
  virtual void SetHelpContext(int value) {}
  virtual void SetHint(const String& value) {}
  virtual void SetImageIndex(int value) {}
  virtual void SetShortCut(TShortCut value) {}
  virtual void SetVisible(bool value) {}
  virtual void SetGroupIndex(int value) {}
  virtual void SetAutoCheck(bool value) {}

protected:
  // The bound action as a TCustomAction, or nullptr for other actions.
  TCustomAction* CustomAction() const;
};

// Moves a client's link to `action`, making the link (of class Link) on first use
// and dropping it for nullptr. True when the client is newly bound and should copy
// the action's state and ask to be told when the action goes.
template <class Link, class Held, class Client>
bool RelinkAction(Client* client, std::unique_ptr<Held>& link, TBasicAction* action) {
  TBasicAction* current = link ? link->Action() : nullptr;
  if (action == current) return false;
  if (current) current->RemoveFreeNotification(client);
  if (!action) {
    link.reset();
    return false;
  }
  if (!link) link = std::make_unique<Link>(client);
  link->SetAction(action);
  return true;
}

using TActionEvent = TEvent<TBasicAction*, bool&>;  // (action, handled)

// A list of actions. The actions are components of their own owner (the form);
// the list holds them in order and frees those still in it when it goes.
class TCustomActionList : public TComponent {
public:
  explicit TCustomActionList(TComponent* owner) : TComponent(owner) {}
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TContainedAction* Actions(int index) const;
  int IndexOf(const TContainedAction* action) const;

  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  // Offers the action to OnExecute / OnUpdate; true when the handler handled it.
  virtual bool ExecuteAction(TBasicAction* action);
  virtual bool UpdateAction(TBasicAction* action);
  // Runs the enabled action with this shortcut; true when there was one.
  bool IsShortCut(TShortCut shortCut);

  TActionEvent OnExecute;
  TActionEvent OnUpdate;
  TNotifyEvent OnChange;  // an action joined or left the list, or the images changed

protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void Change() { OnChange(this); }

private:
  friend class TContainedAction;
  void AddAction(TContainedAction* action);
  void RemoveAction(TContainedAction* action);
  void MoveAction(TContainedAction* action, int index);

  std::vector<TContainedAction*> actions_;  // the actions in list order; freed with the list
  TCustomImageList* images_ = nullptr;      // borrowed, free notification
};

class TActionList : public TCustomActionList {
public:
  explicit TActionList(TComponent* owner) : TCustomActionList(owner) {}
};
