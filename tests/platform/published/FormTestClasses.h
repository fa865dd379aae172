// Small component classes with published properties of every kind, for the form
// definition tests: a widget that nests in another widget, and a form that
// declares fields and handlers.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Strings.h"
#include "platform/graphics/Graphics.h"
#include "platform/published/FormDefinition.h"

enum TDemoAlign { daNone, daTop, daBottom, daClient };
enum TDemoSide { dsLeft, dsTop, dsRight, dsBottom };
using TDemoSides = unsigned;
using TChangeEvent = TEvent<TObject*, int&>;

class TDemoColumn : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  String Caption;
  int Width = 50;
};

class TDemoWidget : public TComponent {
public:
  explicit TDemoWidget(TComponent* owner);

  int Left() const { return left_; }
  void SetLeft(int left) { left_ = left; }
  TDemoAlign Align() const { return align_; }
  void SetAlign(TDemoAlign align) { align_ = align; }
  const String& Caption() const { return caption_; }
  void SetCaption(const String& caption) { caption_ = caption; }

  bool Visible = true;
  TDemoSides Sides = (1u << dsLeft) | (1u << dsTop);
  TColor Color = clBtnFace;
  double Ratio = 1.0;
  int ShortCut = 0;
  int Cursor = 0;
  TStringList Items;
  TFont Font;
  TOwnedCollection Columns;
  TPicture Picture;
  TDemoWidget* Buddy = nullptr;   // borrowed
  TComponent* Container = nullptr;  // borrowed: the widget it is nested in
  TNotifyEvent OnClick;
  TChangeEvent OnChange;

  // Written besides the published properties: a list of integers.
  std::vector<int> Numbers;
  // What each Loaded saw: the loading flag and the buddy's name.
  std::vector<String> LoadedLog;
  String ReadWhileLoading;  // "yes" when a property setter saw csLoading

  static void Publish();

protected:
  void DefineProperties(TFiler* filer) override;
  void Loaded() override;

private:
  int left_ = 0;
  TDemoAlign align_ = daNone;
  String caption_;
};

class TDemoForm : public TComponent {
public:
  explicit TDemoForm(TComponent* owner = nullptr) : TComponent(owner) {
    bindings.Field("Panel", Panel).Handler("WidgetClick", this, &TDemoForm::WidgetClick)
        .Handler("WidgetChange", this, &TDemoForm::WidgetChange);
  }

  void WidgetClick(TObject* sender) { Clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
  void WidgetChange(TObject*, int& value) { value += 1; }

  TFormBindings bindings;
  TDemoWidget* Panel = nullptr;  // borrowed from the definition
  std::vector<String> Clicks;
};

// A second root class, for references across roots and the compiled resource.
class TDemoResourceForm : public TComponent {
public:
  explicit TDemoResourceForm(TComponent* owner = nullptr) : TComponent(owner) {}
};
