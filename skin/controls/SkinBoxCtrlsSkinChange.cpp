// The skin-change rows of the controls built on the platform's own classes: a
// form's skin change reaches them here, in the order the form tests them (page
// control first, then the edits, then the list view and the header; the gaps
// hold the tab control, memos and labels).
#include "skin/controls/SkinBoxCtrlsPublished.h"
#include "skin/controls/SkinCustomEdit.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinHeaderControl.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/form/SkinChangeTable.h"

namespace {

// A row for class C: claims its controls; after the change, those with a
// container re-read their record.
template <class C>
TSkinChangeHandler RowFor() {
  return [](TComponent* component, TSkinChangeStage stage) {
    auto* control = dynamic_cast<C*>(component);
    if (!control) return false;
    if (stage == TSkinChangeStage::After && control->SkinData()) control->ChangeSkinData();
    return true;
  };
}

}  // namespace

void RegisterSkinBoxControlsSkinChange() {
  TSkinChangeTable& table = TSkinChangeTable::Instance();
  table.Register(10, RowFor<TspSkinPageControl>());
  table.Register(30, RowFor<TspSkinCustomEdit>());
  table.Register(100, RowFor<TspSkinCustomListView>());
  table.Register(110, RowFor<TspSkinHeaderControl>());
}
