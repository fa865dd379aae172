// TRzRapidFireButton: a speed button that repeats its click while held, after a
// first delay, and can show a scroll arrow as its glyph.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Types.h"
#include "platform/stdctrls/SpeedButton.h"

class TRzRapidFireButton : public TSpeedButton {
public:
  explicit TRzRapidFireButton(TComponent* owner);
  ~TRzRapidFireButton() override;

  Word InitialDelay = 400;
  Word Delay = 100;
  TRzScrollStyle ScrollStyle() const { return scrollStyle_; }
  virtual void SetScrollStyle(TRzScrollStyle value);

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void TimerExpired(TObject*);
  void MakeArrowGlyph();

  TRzScrollStyle scrollStyle_ = scsNone;
  std::unique_ptr<TRzTimer> repeatTimer_;  // made on first use
};
