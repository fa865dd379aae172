#include "skin/controls/SkinMenuPopup.h"

#include "platform/controls/WinControl.h"

TspPopupMenuFromRect SP_PopupMenuFromRect;

void PopupMenuFromRect(TPopupMenu* menu, TControl* opener, const TRect& r) {
  if (!menu) return;
  if (SP_PopupMenuFromRect && SP_PopupMenuFromRect(menu, opener, r, false)) return;
  menu->Popup(r.Left, r.Bottom);
  if (auto* windowed = dynamic_cast<TWinControl*>(opener); windowed && windowed->HandleAllocated())
    ::SendMessageA(windowed->Handle(), SP_WM_CLOSESKINMENU, 0, 0);
  else if (opener)
    opener->Perform(SP_WM_CLOSESKINMENU, 0, 0);
}
