// The one list of blinking controls with its single timer: every 500 ms the
// blink state flips and each listed control that answers CM_GETBLINKING with 1
// receives CM_BLINK with the new state, so all blinking controls change in step.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Types.h"
#include "platform/core/Lists.h"

class TControl;

class TRzBlinkingControlsList : public TObject {
public:
  TRzBlinkingControlsList();
  ~TRzBlinkingControlsList() override;

  void Add(TControl* control);  // appended, no duplicate check
  // Takes the control out; a control not in the list is left alone.
  void Remove(TControl* control);
  int GetCount() const { return controls_.Count(); }
  TBlinkState State() const { return state_; }
  // The lengths of the two phases; a change takes effect from the next phase on.
  Word IntervalOn() const { return intervalOn_; }
  void SetIntervalOn(Word value) { intervalOn_ = value; }
  Word IntervalOff() const { return intervalOff_; }
  void SetIntervalOff(Word value) { intervalOff_ = value; }

  void TimerFired(TObject* sender);

private:
  TBlinkState state_ = bsOff;
  Word intervalOn_ = 500;
  Word intervalOff_ = 500;
  std::unique_ptr<TRzTimer> timer_;  // owned
  TList controls_;                   // borrowed controls, in the order added
};

// Made by the first blinking control, freed when the last one leaves.
extern TRzBlinkingControlsList* BlinkingControls;
void FreeBlinkingControlsListIfEmpty();
