// TButton: the push button over the system's "BUTTON" class. A click gives the
// parent form the button's ModalResult (ending ShowModal) and runs OnClick; Enter
// clicks the default button and Escape the cancel button of the form.
#include "platform/controls/CustomForm.h"
#include "platform/stdctrls/Button.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // Clicks come from the window's BN_CLICKED, not from the mouse messages.
  ControlStyle = csSetCaption | csDoubleClicks;
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
  active_ = default_;
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  SetButtonStyle(value);
}

void TButton::SetButtonStyle(bool isDefault) {
  active_ = isDefault;
  if (!HandleAllocated()) return;
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE) & 0x0F;
  const LONG_PTR wanted = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (style != wanted) ::SendMessageA(Handle(), BM_SETSTYLE, static_cast<WPARAM>(wanted), 1);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

void TButton::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED) Click();
    return;
  }
  if (message.Msg == CN_CTLCOLORBTN) {
    message.Result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  TWinControl::Dispatch(message);
}

// Enter on a default button (or on the focused button that shows as default)
// and Escape on a cancel button click it, when no modifier is held.
void TButton::CMDialogKey(TMessage& message) {
  const Word key = static_cast<Word>(message.WParam);
  const bool alt = (message.LParam & (1 << 29)) != 0;
  const bool plain = !alt && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
  if (plain && ((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TWinControl::CMDialogKey(message);
}

// The focused button shows as the default one; when another kind of control has
// the focus, the button marked Default does.
void TButton::CMFocusChanged(TMessage& message) {
  auto* focused = dynamic_cast<TButton*>(MessageSender(message));
  SetButtonStyle(focused ? focused == this : default_);
  TWinControl::CMFocusChanged(message);
}
