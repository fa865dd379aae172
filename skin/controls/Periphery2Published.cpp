// The second periphery's registrations, and the skin-change rows of its
// controls that share no skinned base: the tab control (20, after the page
// control), the memo (40) and the light memo (50), after the edit.
#include "skin/controls/Periphery2Published.h"

#include "skin/controls/memos/SkinMemo.h"
#include "skin/controls/memos/SkinMemo2.h"
#include "skin/controls/tabs/SkinTabControl.h"
#include "skin/form/SkinChangeTable.h"

namespace {

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

void RegisterSkinPeriphery2SkinChange() {
  TSkinChangeTable& table = TSkinChangeTable::Instance();
  table.Register(20, RowFor<TspSkinTabControl>());
  table.Register(40, RowFor<TspSkinMemo>());
  table.Register(50, RowFor<TspSkinMemo2>());
}

void PublishSkinPeriphery2ControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishSkinMemosPeriphery();
  PublishSkinEdits2Periphery();
  PublishSkinTabsPeriphery();
  PublishSkinBoxesPeriphery();
  PublishSkinChecklistsPeriphery();
  PublishSkinColorsPeriphery();
  PublishSkinCalendarsPeriphery();
  PublishSkinPickersPeriphery();
  RegisterSkinPeriphery2SkinChange();
}
