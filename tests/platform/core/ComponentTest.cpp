#include "platform/core/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Collection.h"
#include "platform/core/Events.h"
#include "platform/core/Strings.h"

namespace {

std::vector<String> journal;

class TLogged : public TComponent {
public:
  TLogged(TComponent* owner, const String& name) : TComponent(owner) { SetName(name); }
  ~TLogged() override { journal.push_back("free " + Name()); }
  TComponent* watched = nullptr;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == watched) {
      journal.push_back(Name() + " lost " + component->Name());
      watched = nullptr;
    }
  }
};

}  // namespace

TEST(Component, OwnerFreesItsComponentsLastCreatedFirst) {
  journal.clear();
  auto* form = new TLogged(nullptr, "Form");
  new TLogged(form, "First");
  new TLogged(form, "Second");
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(form->FindComponent("second")->Name(), "Second");
  EXPECT_EQ(form->FindComponent("Third"), nullptr);
  delete form;
  EXPECT_EQ(journal, (std::vector<String>{"free Form", "free Second", "free First"}));
}

TEST(Component, NamesAreIdentifiersAndUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* a = new TLogged(&owner, "Button1");
  EXPECT_THROW(new TLogged(&owner, "button1"), EComponentError);
  EXPECT_THROW(a->SetName("1abc"), EComponentError);
  EXPECT_THROW(a->SetName("a b"), EComponentError);
  a->SetName("BUTTON1");  // a change of case is no clash with itself
  EXPECT_EQ(a->Name(), "BUTTON1");
}

TEST(Component, SiblingsAndFreeNotifiersHearOfARemoval) {
  journal.clear();
  TComponent form(nullptr);
  auto* label = new TLogged(&form, "Label");
  auto* button = new TLogged(&form, "Button");
  button->watched = label;
  TLogged outsider(nullptr, "Outsider");
  outsider.watched = label;
  outsider.FreeNotification(label);
  delete label;
  EXPECT_EQ(button->watched, nullptr);
  EXPECT_EQ(outsider.watched, nullptr);
  EXPECT_EQ(form.ComponentCount(), 1);
  journal.clear();
}

TEST(Component, LoadingStateEndsWithLoaded) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.BeginLoading();
  child->BeginLoading();
  EXPECT_TRUE(child->HasState(csLoading));
  owner.EndLoading();
  EXPECT_FALSE(owner.HasState(csLoading));
  EXPECT_FALSE(child->HasState(csLoading));
}

namespace {

struct TShape : TObject {
  explicit TShape(int size) : size(size) {}
  virtual String Kind() const = 0;
  int size;
};
struct TSquare : TShape {
  using TShape::TShape;
  String Kind() const override { return "square"; }
};
struct TCircle : TShape {
  using TShape::TShape;
  String Kind() const override { return "circle"; }
};

}  // namespace

TEST(ClassRegistry, CreatesByExactName) {
  TClassList<TShape, int> shapes;
  shapes.Add<TSquare>("TSquare");
  shapes.Add<TCircle>("TCircle");
  ASSERT_NE(shapes.Find("TCircle"), nullptr);
  EXPECT_EQ(shapes.Find("tcircle"), nullptr);
  std::unique_ptr<TShape> shape(shapes.Create("TSquare", 4));
  EXPECT_EQ(shape->Kind(), "square");
  EXPECT_EQ(shape->size, 4);
  EXPECT_EQ(shape->ClassName(), "TSquare");
  EXPECT_THROW(shapes.Create("TTriangle", 1), EClassNotFound);
}

namespace {

struct Receiver : TObject {
  void A(TObject*) { calls += "A"; }
  void B(TObject*) { calls += "B"; }
  String calls;
};

}  // namespace

TEST(Events, AssignClearCompare) {
  Receiver r, other;
  TNotifyEvent event;
  EXPECT_FALSE(event);
  event(nullptr);  // none: nothing happens
  event = TNotifyEvent(&r, &Receiver::A);
  TNotifyEvent saved = event;
  EXPECT_TRUE(saved == TNotifyEvent(&r, &Receiver::A));
  EXPECT_FALSE(saved == TNotifyEvent(&r, &Receiver::B));
  EXPECT_FALSE(saved == TNotifyEvent(&other, &Receiver::A));
  event = nullptr;
  event(nullptr);
  event = saved;
  event(nullptr);
  event = TNotifyEvent::Function([&](TObject*) { r.calls += "F"; });
  event(nullptr);
  EXPECT_EQ(r.calls, "AF");
  EXPECT_EQ(saved.Object(), &r);
}

namespace {

struct TItem : TCollectionItem {
  using TCollectionItem::TCollectionItem;
  void Assign(const TPersistent* source) override {
    if (auto item = dynamic_cast<const TItem*>(source)) value = item->value;
    else TCollectionItem::Assign(source);
  }
  int value = 0;
};

}  // namespace

TEST(Collection, ItemsKnowTheirIndexAndCopy) {
  TCollection a(CollectionItemClass<TItem>());
  static_cast<TItem*>(a.Add())->value = 1;
  static_cast<TItem*>(a.Add())->value = 2;
  a.Items(1)->SetIndex(0);
  EXPECT_EQ(static_cast<TItem*>(a.Items(0))->value, 2);
  EXPECT_EQ(a.Items(0)->Index(), 0);
  TCollection b(CollectionItemClass<TItem>());
  b.Assign(&a);
  EXPECT_EQ(b.Count(), 2);
  EXPECT_EQ(static_cast<TItem*>(b.Items(1))->value, 1);
  delete a.Items(0);
  EXPECT_EQ(a.Count(), 1);
  TStringList notACollection;
  EXPECT_THROW(b.Assign(&notACollection), EConvertError);
}
