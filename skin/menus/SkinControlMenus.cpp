// The skinned controls' menus shown by the skinned popup menus: the menu button
// drops its menu through the engine of its form, the edits make their context
// menu a skinned popup menu. Kept apart from the engine's header, whose
// message names the controls declare for themselves.
#include "platform/controls/Control.h"  // the edits' seam names TControl
#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinMenuPopup.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinPopupMenu.h"

void UseSkinControlMenus() {
  SP_PopupMenuFromRect = [](TPopupMenu* menu, TControl* opener, const TRect& r, bool popupUp) {
    auto* skinned = dynamic_cast<TspSkinPopupMenu*>(menu);
    if (!skinned) return false;
    skinned->PopupFromRect2(opener, r, popupUp);
    return true;
  };
  TspEditMenuHooks& edit = SPEditMenuHooks();
  edit.CreateMenu = [](TComponent* owner) -> TPopupMenu* { return new TspSkinPopupMenu(owner); };
  edit.Popup2 = [](TPopupMenu* menu, TControl* control, int x, int y) {
    if (auto* skinned = dynamic_cast<TspSkinPopupMenu*>(menu)) skinned->Popup2(control, x, y);
  };
  edit.FormSkinData = [](TCustomForm* form) { return FormComponentSkinData(form); };
}

std::function<void()> ControlMenuHooksRestorer() {
  return [popup = SP_PopupMenuFromRect, edit = SPEditMenuHooks()] {
    SP_PopupMenuFromRect = popup;
    SPEditMenuHooks() = edit;
  };
}
