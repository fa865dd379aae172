// Where the edits meet the skinned menus and the skinned form without knowing
// their classes: the context menu is made, shown and found through these hooks,
// which the menu and form units bind when they are linked in. Unbound, the menu
// is a plain TPopupMenu that shows nothing (as when a form has no skinned-form
// component) and no container gives interface strings.
#pragma once

#include <functional>

#include "platform/controls/Control.h"
#include "platform/controls/Menus.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/data/SkinData.h"

class TCustomForm;

// Sent by the skin menu engine to the control that popped a menu once the
// chosen command has run; the edits free their context menu on it.
constexpr UINT WM_AFTERDISPATCH = WM_USER + 205;  // 1229

struct TspEditMenuHooks {
  // Makes the context menu, owned by `owner` (the skinned popup menu when bound).
  std::function<TPopupMenu*(TComponent* owner)> CreateMenu;
  // Shows the menu at the screen point on behalf of the control (Popup2).
  std::function<void(TPopupMenu* menu, TControl* control, int x, int y)> Popup2;
  // The container of the form's skinned-form component, nullptr when none.
  std::function<TspSkinData*(TCustomForm* form)> FormSkinData;
};

inline TspEditMenuHooks& SPEditMenuHooks() {
  static TspEditMenuHooks hooks{[](TComponent* owner) { return new TPopupMenu(owner); },
                                [](TPopupMenu*, TControl*, int, int) {},
                                [](TCustomForm*) -> TspSkinData* { return nullptr; }};
  return hooks;
}

// Shows an edit's context menu where WM_CONTEXTMENU asks: at the pointer, or at the
// centre of the control when the menu was asked for from the keyboard (-1, -1).
inline void PopupEditMenu(TPopupMenu* menu, TControl* control, LPARAM at) {
  int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
  if (x < 0 || y < 0) {
    const TPoint origin = control->ClientOrigin();
    x = origin.X + control->Width() / 2;
    y = origin.Y + control->Height() / 2;
  }
  SPEditMenuHooks().Popup2(menu, control, x, y);
}
