#include "skin/controls/checklists/PopupCheckListBox.h"

#include "skin/draw/SkinSystem.h"

TspPopupCheckListBox::TspPopupCheckListBox(TComponent* owner) : TspSkinCheckListBox(owner) {
  ControlStyle |= csAcceptsControls | csNoDesignVisible | csReplicatable;
  SetVisible(false);
}

void TspPopupCheckListBox::CreateParams(TCreateParams& params) {
  TspSkinCheckListBox::CreateParams(params);
  params.Style = WS_POPUP | WS_CLIPCHILDREN;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WindowClass.style |= CS_SAVEBITS;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

void TspPopupCheckListBox::ShowAt(const TPoint& origin) {
  ::SetWindowPos(Handle(), HWND_TOP, origin.X, origin.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
}

void TspPopupCheckListBox::HideList() {
  if (HandleAllocated())
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
}

void TspPopupCheckListBox::Dispatch(TMessage& message) {
  if (message.Msg == WM_MOUSEACTIVATE) {
    message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinCheckListBox::Dispatch(message);
}
