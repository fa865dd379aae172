#include "platform/controls/ActnList.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/graphics/ImageList.h"

namespace {

// Records the calls an action makes on its handlers.
struct Journal : TObject {
  std::vector<String> lines;
  void Execute(TObject* sender) { lines.push_back("execute " + static_cast<TComponent*>(sender)->Name()); }
  void Update(TObject* sender) { lines.push_back("update " + static_cast<TComponent*>(sender)->Name()); }
  void ListExecute(TBasicAction* action, bool& handled) {
    lines.push_back("list " + action->Name());
    handled = handleInList;
  }
  bool handleInList = false;
};

// A client's link that records what it is told, with the caption it shows, so
// the order "tell the link, then store" can be seen.
class TRecordingLink : public TActionLink {
public:
  using TActionLink::TActionLink;
  std::vector<String> told;
  String shownCaption;
  bool shownChecked = false;

  bool IsCaptionLinked() override {
    return TActionLink::IsCaptionLinked() && shownCaption == CustomAction()->Caption();
  }
  void SetCaption(const String& value) override {
    told.push_back("caption " + value + " (action had " + CustomAction()->Caption() + ")");
    if (IsCaptionLinked()) shownCaption = value;
  }
  void SetChecked(bool value) override {
    told.push_back(value ? "checked" : "unchecked");
    shownChecked = value;
  }
  void SetEnabled(bool value) override { told.push_back(value ? "enabled" : "disabled"); }
  void SetShortCut(TShortCut value) override { told.push_back("shortcut " + std::to_string(value)); }
  void SetImageIndex(int value) override { told.push_back("image " + std::to_string(value)); }

protected:
  void Change() override {
    told.push_back("change");
    TActionLink::Change();
  }
};

TAction* NewAction(TComponent* owner, TActionList* list, const String& name) {
  auto* action = new TAction(owner);
  action->SetName(name);
  action->SetActionList(list);
  return action;
}

}  // namespace

TEST(Actions, ExecuteRunsTheHandlerWithTheActionAsSenderUnlessTheListHandlesIt) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  TAction* open = NewAction(&form, list, "actOpen");
  Journal journal;

  EXPECT_FALSE(open->Execute()) << "no handler: nothing ran";
  open->SetOnExecute(TNotifyEvent(&journal, &Journal::Execute));
  list->OnExecute = TActionEvent(&journal, &Journal::ListExecute);
  EXPECT_TRUE(open->Execute());
  journal.handleInList = true;
  EXPECT_TRUE(open->Execute());
  EXPECT_EQ(journal.lines, (std::vector<String>{"list actOpen", "execute actOpen", "list actOpen"}));

  journal.lines.clear();
  journal.handleInList = false;
  open->OnUpdate = TNotifyEvent(&journal, &Journal::Update);
  open->SetEnabled(false);
  EXPECT_FALSE(open->Execute()) << "a disabled action does not run";
  EXPECT_EQ(journal.lines, (std::vector<String>{"update actOpen"}));
}

TEST(Actions, AnUpdateHandlerMayEnableTheActionBeforeItRuns) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  TAction* play = NewAction(&form, list, "actPlay");
  play->SetEnabled(false);
  int runs = 0;
  play->OnUpdate = TNotifyEvent::Function([&](TObject*) { play->SetEnabled(true); });
  play->SetOnExecute(TNotifyEvent::Function([&](TObject*) { ++runs; }));
  EXPECT_TRUE(play->Execute());
  EXPECT_EQ(runs, 1);
}

TEST(Actions, CheckingAnActionOfAGroupUnchecksTheOthersOfThatGroupOnly) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* other = new TActionList(&form);
  TAction* a = NewAction(&form, list, "a");
  TAction* b = NewAction(&form, list, "b");
  TAction* c = NewAction(&form, list, "c");
  TAction* elsewhere = NewAction(&form, other, "elsewhere");
  for (TAction* action : {a, b, elsewhere}) action->SetGroupIndex(3);
  c->SetGroupIndex(4);
  for (TAction* action : {a, c, elsewhere}) action->SetChecked(true);

  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked()) << "another group";
  EXPECT_TRUE(elsewhere->Checked()) << "another action list";

  // AutoCheck toggles a plain action, but a checked action of a group stays checked.
  a->SetAutoCheck(true);
  b->SetAutoCheck(true);
  a->Execute();
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
  a->Execute();
  EXPECT_TRUE(a->Checked());
  c->SetGroupIndex(0);
  c->SetAutoCheck(true);
  c->Execute();
  EXPECT_FALSE(c->Checked());
}

TEST(Actions, LinksAreToldEachNewValueBeforeTheActionStoresIt) {
  TComponent form(nullptr);
  TAction* action = NewAction(&form, nullptr, "actToMP3");
  action->SetCaption("To MP3");
  TRecordingLink link(nullptr);
  link.shownCaption = "To MP3";
  link.SetAction(action);
  EXPECT_EQ(action->LinkCount(), 1);

  action->SetCaption("To MP3!");
  action->SetCaption("To MP3!");  // unchanged: nobody is told
  action->SetChecked(true);
  action->SetEnabled(false);
  action->SetShortCut(scCtrl | 'D');
  action->SetImageIndex(4);
  EXPECT_EQ(link.told, (std::vector<String>{"caption To MP3! (action had To MP3)", "change", "checked", "change",
                                            "disabled", "change", "shortcut " + std::to_string(scCtrl | 'D'),
                                            "change", "image 4", "change"}));
  EXPECT_EQ(link.shownCaption, "To MP3!");

  // A client whose caption no longer matches the action's is no longer linked.
  link.shownCaption = "My own";
  action->SetCaption("To WMA");
  EXPECT_EQ(link.shownCaption, "My own");
}

TEST(Actions, LinksAndActionsMayGoInEitherOrder) {
  TComponent form(nullptr);
  TAction* action = NewAction(&form, nullptr, "act");
  {
    TRecordingLink shortLived(nullptr);
    shortLived.SetAction(action);
    EXPECT_EQ(action->LinkCount(), 1);
  }
  EXPECT_EQ(action->LinkCount(), 0) << "a freed link leaves the action";

  TRecordingLink link(nullptr);
  link.SetAction(action);
  delete action;
  EXPECT_EQ(link.Action(), nullptr) << "a freed action leaves no dangling link";
  EXPECT_FALSE(link.Execute());
  EXPECT_FALSE(link.Update());
}

TEST(Actions, LinkExecuteNamesTheFiringComponentWhileTheHandlerRuns) {
  TComponent form(nullptr);
  TAction* action = NewAction(&form, nullptr, "act");
  auto* button = new TComponent(&form);
  TComponent* seen = nullptr;
  action->SetOnExecute(TNotifyEvent::Function([&](TObject*) { seen = action->ActionComponent(); }));
  TRecordingLink link(button);
  link.SetAction(action);
  EXPECT_TRUE(link.Execute(button));
  EXPECT_EQ(seen, button);
  EXPECT_EQ(action->ActionComponent(), nullptr);
}

TEST(Actions, ActionListKeepsOrderFreesItsActionsAndForgetsFreedImages) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* images = new TImageList(&form);
  list->SetImages(images);
  TAction* a = NewAction(&form, list, "a");
  TAction* b = NewAction(&form, list, "b");
  TAction* c = NewAction(&form, list, "c");
  EXPECT_EQ(b->Index(), 1);
  c->SetIndex(0);
  EXPECT_EQ(list->Actions(0), c);
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(a->Images(), images);
  EXPECT_THROW(list->Actions(3), EListError);

  b->SetActionList(nullptr);
  EXPECT_EQ(list->ActionCount(), 2);
  EXPECT_EQ(b->Index(), -1);

  delete images;
  EXPECT_EQ(list->Images(), nullptr);
  EXPECT_EQ(a->Images(), nullptr);

  int before = form.ComponentCount();
  delete list;
  EXPECT_EQ(form.ComponentCount(), before - 3) << "the list and its two actions are gone; b stays";
  EXPECT_EQ(form.FindComponent("b"), b);
}

TEST(Actions, ShortCutRunsTheFirstEnabledActionWithIt) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  TAction* play = NewAction(&form, list, "actPlay");
  TAction* previous = NewAction(&form, list, "actPrevious");
  const TShortCut altP = scAlt | 'P';
  play->SetShortCut(altP);
  previous->SetShortCut(altP);
  std::vector<String> ran;
  play->SetOnExecute(TNotifyEvent::Function([&](TObject*) { ran.push_back("play"); }));
  previous->SetOnExecute(TNotifyEvent::Function([&](TObject*) { ran.push_back("previous"); }));

  EXPECT_TRUE(list->IsShortCut(altP));
  play->SetEnabled(false);
  EXPECT_TRUE(list->IsShortCut(altP));
  previous->SetEnabled(false);
  EXPECT_FALSE(list->IsShortCut(altP));
  EXPECT_FALSE(list->IsShortCut(scNone));
  EXPECT_EQ(ran, (std::vector<String>{"play", "previous"}));
}

TEST(Actions, AHandlerMayFreeTheActionAndTheClient) {
  TComponent form(nullptr);
  auto* client = new TComponent(&form);
  TAction* action = NewAction(&form, nullptr, "actClose");
  auto* link = new TRecordingLink(client);
  link->SetAction(action);
  action->SetOnExecute(TNotifyEvent::Function([&](TObject*) {
    delete link;
    delete action;
    delete client;
  }));
  EXPECT_TRUE(link->Execute(client));
  EXPECT_EQ(form.ComponentCount(), 0);
}
