#include "framed/common/RzCommon_Blink.h"

#include "platform/controls/Controls.h"

TRzBlinkingControlsList* BlinkingControls = nullptr;

TRzBlinkingControlsList::TRzBlinkingControlsList() : timer_(FramedClock().MakeTimer()) {
  timer_->OnTimer = TNotifyEvent(this, &TRzBlinkingControlsList::TimerFired);
  timer_->SetInterval(intervalOff_);
  timer_->SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() = default;

void TRzBlinkingControlsList::Add(TControl* control) { controls_.Add(control); }

void TRzBlinkingControlsList::Remove(TControl* control) {
  int index = controls_.IndexOf(control);
  if (index >= 0) controls_.Delete(index);
}

void TRzBlinkingControlsList::TimerFired(TObject*) {
  state_ = state_ == bsOff ? bsOn : bsOff;
  timer_->SetInterval(state_ == bsOn ? intervalOn_ : intervalOff_);
  int count = controls_.Count();
  for (int i = 0; i < count && i < controls_.Count(); ++i) {
    auto* control = static_cast<TControl*>(controls_[i]);
    if (control->Perform(CM_GETBLINKING, 0, 0) == 1) control->Perform(CM_BLINK, state_, 0);
  }
}

void FreeBlinkingControlsListIfEmpty() {
  if (BlinkingControls && BlinkingControls->GetCount() == 0) FreeAndNil(BlinkingControls);
}
