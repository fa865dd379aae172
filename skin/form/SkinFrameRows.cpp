// The skinned frame's rows for the skinned classes that share no skinned base,
// in the frame's own order: page control, edits, the labels, tree view, bevel,
// list view, header, rich edit, control and cool bars, splitter.
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinCustomEdit.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinHeaderControl.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/form/SkinFrame.h"

namespace {

template <class C>
TspSkinDataSetter SetterFor() {
  return [](TComponent* component, TspSkinData* skinData) {
    auto* control = dynamic_cast<C*>(component);
    if (!control) return false;
    control->SetSkinData(skinData);
    return true;
  };
}

}  // namespace

void RegisterSkinFrameSetters() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  TspSkinFrameSetters& rows = TspSkinFrameSetters::Instance();
  rows.Register(10, SetterFor<TspSkinPageControl>());
  rows.Register(30, SetterFor<TspSkinCustomEdit>());
  rows.Register(60, SetterFor<TspSkinStdLabel>());
  rows.Register(70, SetterFor<TspSkinLinkLabel>());
  rows.Register(80, SetterFor<TspSkinButtonLabel>());
  rows.Register(90, SetterFor<TspSkinTextLabel>());
  rows.Register(100, SetterFor<TspSkinCustomTreeView>());
  rows.Register(110, SetterFor<TspSkinBevel>());
  rows.Register(120, SetterFor<TspSkinCustomListView>());
  rows.Register(130, SetterFor<TspSkinHeaderControl>());
  rows.Register(140, SetterFor<TspSkinRichEdit>());
  rows.Register(150, SetterFor<TspSkinControlBar>());
  rows.Register(160, SetterFor<TspSkinCoolBar>());
  rows.Register(170, SetterFor<TspSkinSplitter>());
}
