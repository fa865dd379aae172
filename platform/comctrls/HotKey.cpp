#include "platform/comctrls/HotKey.h"

#include "platform/comctrls/CommonControls.h"
#include "platform/controls/Messages.h"

namespace {

// The window's HOTKEYF_* modifier bits and the shortcut's modifier bits.
TShortCut FromWindow(LRESULT value) {
  const Byte key = LOBYTE(LOWORD(value));
  const Byte flags = HIBYTE(LOWORD(value));
  TShortCut result = key;
  if (flags & HOTKEYF_SHIFT) result |= scShift;
  if (flags & HOTKEYF_CONTROL) result |= scCtrl;
  if (flags & HOTKEYF_ALT) result |= scAlt;
  return result;
}

WPARAM ToWindow(TShortCut value) {
  Byte flags = 0;
  if (value & scShift) flags |= HOTKEYF_SHIFT;
  if (value & scCtrl) flags |= HOTKEYF_CONTROL;
  if (value & scAlt) flags |= HOTKEYF_ALT;
  return MAKEWORD(value & 0xFF, flags);
}

}  // namespace

THotKeyControl::THotKeyControl(TComponent* owner) : TWinControl(owner) {
  InitCommonControlClasses(ICC_HOTKEY_CLASS);
  SetBounds(0, 0, 121, 19);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

THotKeyControl::~THotKeyControl() {
  if (brush_) ::DeleteObject(brush_);
}

void THotKeyControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_HOTKEY_CLASS);
  TWinControl::CreateParams(params);
  CreateSubClass(params, HOTKEY_CLASSA);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void THotKeyControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRules();
  ::SendMessageA(Handle(), HKM_SETHOTKEY, ToWindow(hotKey_), 0);
}

void THotKeyControl::DestroyWnd() {
  hotKey_ = HotKey();
  TWinControl::DestroyWnd();
}

TShortCut THotKeyControl::HotKey() {
  if (HandleAllocated()) hotKey_ = FromWindow(::SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0));
  return hotKey_;
}

void THotKeyControl::SetHotKey(TShortCut value) {
  hotKey_ = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), HKM_SETHOTKEY, ToWindow(value), 0);
}

void THotKeyControl::SetInvalidKeys(THKInvalidKeys value) {
  invalidKeys_ = value;
  ApplyRules();
}

void THotKeyControl::SetModifiers(THKModifiers value) {
  modifiers_ = value;
  ApplyRules();
}

// The bit orders of both sets are the window's own (HKCOMB_*, HOTKEYF_*).
void THotKeyControl::ApplyRules() {
  if (HandleAllocated()) ::SendMessageA(Handle(), HKM_SETRULES, invalidKeys_, MAKELPARAM(modifiers_, 0));
}

// The window erases with the brush its parent gives for an edit.
void THotKeyControl::CtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const TColor background = ColorToRGB(Color());
  const TColor text = ColorToRGB(Font()->Color());
  ::SetTextColor(dc, RGB(text & 0xFF, (text >> 8) & 0xFF, (text >> 16) & 0xFF));
  ::SetBkColor(dc, RGB(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
  if (!brush_ || brushColor_ != background) {
    if (brush_) ::DeleteObject(brush_);
    brush_ = ::CreateSolidBrush(RGB(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
    brushColor_ = background;
  }
  message.Result = reinterpret_cast<LRESULT>(brush_);
}

void THotKeyControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE && !HasControlState(csCreating)) Change();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: return CtlColor(message);
    default: return TWinControl::Dispatch(message);
  }
}
