#include "skin/controls/PopupListBox.h"

#include "skin/controls/SkinBoxTime.h"
#include "skin/draw/SkinSystem.h"

namespace {
constexpr UINT kFadeTimer = 2;
}

TspPopupListBox::TspPopupListBox(TComponent* owner) : TspSkinListBox(owner) {
  ControlStyle |= csAcceptsControls | csNoDesignVisible | csReplicatable;
  SetVisible(false);
}

void TspPopupListBox::CreateParams(TCreateParams& params) {
  TspSkinListBox::CreateParams(params);
  params.Style = WS_POPUP | WS_CLIPCHILDREN;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WindowClass.style |= CS_SAVEBITS;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

void TspPopupListBox::ShowAt(const TPoint& origin) {
  HWND window = Handle();
  if (CheckW2KWXP()) {
    LONG_PTR ex = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (AlphaBlendOn && !layeredOn_) ::SetWindowLongPtrA(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (!AlphaBlendOn && layeredOn_) ::SetWindowLongPtrA(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    layeredOn_ = AlphaBlendOn;
    if (AlphaBlendOn && (AlphaAnimation || appliedAlpha_ != AlphaValue)) {
      appliedAlpha_ = AlphaAnimation ? 0 : AlphaValue;
      SetAlphaBlendTransparent(window, appliedAlpha_);
    }
  }
  ::SetWindowPos(window, HWND_TOP, origin.X, origin.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (AlphaBlendOn && AlphaAnimation && CheckW2KWXP()) {
    // Timer-driven, so a close-up or the end of the combo box during the fade
    // simply stops it: nothing pumps messages inside this call.
    fading_ = true;
    fadeAlpha_ = 0;
    FadeStep();
    if (fading_) SetBoxTimer(this, kFadeTimer, 5);
  }
}

void TspPopupListBox::FadeStep() {
  int next = fadeAlpha_ + 10;
  fadeAlpha_ = static_cast<Byte>(next > AlphaValue ? AlphaValue : next);
  if (HandleAllocated()) SetAlphaBlendTransparent(Handle(), fadeAlpha_);
  if (fadeAlpha_ >= AlphaValue) {
    fading_ = false;
    KillBoxTimer(this, kFadeTimer);
  }
}

void TspPopupListBox::HideList() {
  if (fading_) {
    fading_ = false;
    KillBoxTimer(this, kFadeTimer);
  }
  if (HandleAllocated())
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
}

void TspPopupListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_TIMER:
      if (message.WParam == kFadeTimer) {
        if (fading_) FadeStep();
        return;
      }
      break;
    case WM_DESTROY:
      fading_ = false;
      KillBoxTimer(this, kFadeTimer);
      break;
    default:
      break;
  }
  TspSkinListBox::Dispatch(message);
}
