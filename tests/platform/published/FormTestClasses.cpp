#include "platform/published/Reader.h"
#include "platform/published/Writer.h"
#include "tests/platform/published/FormTestClasses.h"

namespace {

const TEnumNames kAligns{"TDemoAlign", {"daNone", "daTop", "daBottom", "daClient"}};
const TEnumNames kSides{"TDemoSides", {"dsLeft", "dsTop", "dsRight", "dsBottom"}};

}  // namespace

TDemoWidget::TDemoWidget(TComponent* owner)
    : TComponent(owner), Columns(this, CollectionItemClass<TDemoColumn>()) {}

void TDemoWidget::Publish() {
  static bool done = false;
  if (done) return;
  done = true;
  PublishClass<TDemoColumn, TCollectionItem>()
      .Str("Caption", &TDemoColumn::Caption, &TDemoColumn::Caption)
      .Integer("Width", &TDemoColumn::Width, &TDemoColumn::Width, 50);
  PublishClass<TDemoWidget, TComponent>()
      .Integer("Left", &TDemoWidget::Left, [](TDemoWidget& w, int left) {
        if (w.HasState(csLoading)) w.ReadWhileLoading = "yes";
        w.SetLeft(left);
      })
      .Enum("Align", kAligns, &TDemoWidget::Align, &TDemoWidget::SetAlign, daNone)
      .Str("Caption", &TDemoWidget::Caption, &TDemoWidget::SetCaption)
      .Bool("Visible", &TDemoWidget::Visible, &TDemoWidget::Visible, true)
      .Set("Sides", kSides, &TDemoWidget::Sides, &TDemoWidget::Sides, (1u << dsLeft) | (1u << dsTop))
      .Color("Color", &TDemoWidget::Color, &TDemoWidget::Color, clBtnFace)
      .Float("Ratio", &TDemoWidget::Ratio, &TDemoWidget::Ratio, 1.0)
      .ShortCut("ShortCut", &TDemoWidget::ShortCut, &TDemoWidget::ShortCut)
      .IdentInt("Cursor", CursorIdents(), &TDemoWidget::Cursor, &TDemoWidget::Cursor, 0)
      .Object("Items", &TDemoWidget::Items)
      .Object("Font", &TDemoWidget::Font)
      .Object("Columns", &TDemoWidget::Columns)
      .Object("Picture", &TDemoWidget::Picture)
      .Component<TDemoWidget>("Buddy", &TDemoWidget::Buddy, &TDemoWidget::Buddy)
      .Event("OnClick", &TDemoWidget::OnClick)
      .Event("OnChange", &TDemoWidget::OnChange);
  RegisterChildPlacement({[](TComponent* child, TComponent* container) {
                            auto* widget = dynamic_cast<TDemoWidget*>(child);
                            if (!widget || !dynamic_cast<TDemoWidget*>(container)) return false;
                            widget->Container = container;
                            return true;
                          },
                          [](TComponent* child) -> TComponent* {
                            auto* widget = dynamic_cast<TDemoWidget*>(child);
                            return widget ? widget->Container : nullptr;
                          }});
  PublishClass<TDemoForm, TComponent>();
  PublishClass<TDemoResourceForm, TComponent>();
}

void TDemoWidget::DefineProperties(TFiler* filer) {
  TComponent::DefineProperties(filer);
  // Older versions wrote these; they are read and dropped.
  filer->DefineProperty("FrameSides", ReadAndDrop(), nullptr, false);
  filer->DefineProperty("FrameFlat", ReadAndDrop(), nullptr, false);
  filer->DefineProperty(
      "Numbers",
      [this](TReader& reader) {
        Numbers.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) Numbers.push_back(static_cast<int>(reader.ReadInteger()));
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int number : Numbers) writer.WriteInteger(number);
        writer.WriteListEnd();
      },
      !Numbers.empty());
}

void TDemoWidget::Loaded() {
  LoadedLog.push_back(String(HasState(csLoading) ? "loading" : "not loading") + ", buddy " +
                      (Buddy ? Buddy->Name() : String("none")));
  TComponent::Loaded();
}
