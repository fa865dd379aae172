// The periphery's registrations, and the skin-change rows of its controls that
// share no skinned base: the form tests for them in this order, between the rows
// of the standard and the box controls (tree view 5, link label 60, button
// label 70, text label 90, control bar 120, splitter 130, rich edit 135, cool
// bar 137).
#include "skin/controls/PeripheryPublished.h"

#include "skin/controls/Periphery2Published.h"
#include "skin/controls/SkinBoxCtrlsPublished.h"
#include "skin/controls/SkinStdCtrlsPublished.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/form/SkinChangeTable.h"

namespace {

// Claims the controls of class C; after the change, those that follow the
// changed container re-read their record.
template <class C>
TSkinChangeHandler RowFor() {
  return [](TComponent* component, TSkinChangeStage stage) {
    auto* control = dynamic_cast<C*>(component);
    if (!control) return false;
    TSkinChangeTable& table = TSkinChangeTable::Instance();
    if (stage == TSkinChangeStage::After && control->SkinData() && table.Concerns(control->SkinData()))
      control->ChangeSkinData();
    return true;
  };
}

}  // namespace

void RegisterSkinPeripherySkinChange() {
  TSkinChangeTable& table = TSkinChangeTable::Instance();
  table.Register(5, RowFor<TspSkinCustomTreeView>());
  table.Register(60, RowFor<TspSkinLinkLabel>());
  table.Register(70, RowFor<TspSkinButtonLabel>());
  table.Register(90, RowFor<TspSkinTextLabel>());
  table.Register(120, RowFor<TspSkinControlBar>());
  table.Register(130, RowFor<TspSkinSplitter>());
  table.Register(135, RowFor<TspSkinRichEdit>());
  table.Register(137, RowFor<TspSkinCoolBar>());
}

void PublishSkinPeripheryControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishSkinStdControlClasses();
  PublishSkinBoxControlClasses();
  PublishSkinImagesMenu();
  PublishSkinButtonsPeriphery();
  PublishSkinLabelsPeriphery();
  PublishSkinPanelsPeriphery();
  PublishSkinBarsPeriphery();
  PublishSkinFramesPeriphery();
  PublishSkinViewsPeriphery();
  RegisterSkinPeripherySkinChange();
  PublishSkinPeriphery2ControlClasses();
}
