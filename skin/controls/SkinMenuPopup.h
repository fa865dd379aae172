// How a menu button drops its popup menu below itself. The skin menu engine sets
// SP_PopupMenuFromRect to its own PopupFromRect2 for its skinned popup menus;
// whatever pops the menu, the opener receives WM_CLOSESKINMENU (1228) once the
// menu has closed.
#pragma once

#include <functional>

#include "platform/controls/Control.h"
#include "platform/controls/Menus.h"

// Message 1228: the menu the control opened has closed.
constexpr UINT SP_WM_CLOSESKINMENU = WM_USER + 204;

// Pops `menu` beside the screen rectangle `r` on behalf of `opener`; false when
// it does not know the menu (the platform's own popup is used then).
using TspPopupMenuFromRect = std::function<bool(TPopupMenu* menu, TControl* opener, const TRect& r, bool popupUp)>;
extern TspPopupMenuFromRect SP_PopupMenuFromRect;

// The seam when set and taking the menu; otherwise the platform popup at the
// rectangle's bottom-left corner, which returns once the menu closed, and then
// WM_CLOSESKINMENU to the opener.
void PopupMenuFromRect(TPopupMenu* menu, TControl* opener, const TRect& r);
