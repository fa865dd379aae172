#include "framed/buttons/RzRapidFireButton.h"

TRzRapidFireButton::TRzRapidFireButton(TComponent* owner) : TSpeedButton(owner) {}

TRzRapidFireButton::~TRzRapidFireButton() = default;

void TRzRapidFireButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSpeedButton::MouseDown(button, shift, x, y);
  if (!repeatTimer_) {
    repeatTimer_ = FramedClock().MakeTimer();
    repeatTimer_->OnTimer = TNotifyEvent(this, &TRzRapidFireButton::TimerExpired);
  }
  repeatTimer_->SetInterval(InitialDelay);
  repeatTimer_->SetEnabled(true);
}

void TRzRapidFireButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSpeedButton::MouseUp(button, shift, x, y);
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

void TRzRapidFireButton::TimerExpired(TObject*) {
  repeatTimer_->SetInterval(Delay);
  if (State() != bsDown || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}

void TRzRapidFireButton::SetScrollStyle(TRzScrollStyle value) {
  if (scrollStyle_ == value) return;
  scrollStyle_ = value;
  TBitmap none;
  SetGlyph(&none);
  if (value != scsNone) MakeArrowGlyph();
  Invalidate();
}

// The arrow of the system's scroll bar, cut out of a 17 x 17 frame control.
void TRzRapidFireButton::MakeArrowGlyph() {
  struct TArrow {
    UINT state;
    int x, y, w, h;
  };
  static const TArrow kArrows[] = {{0, 0, 0, 0, 0},
                                   {DFCS_SCROLLLEFT, 4, 4, 9, 9},
                                   {DFCS_SCROLLUP, 4, 5, 9, 6},
                                   {DFCS_SCROLLRIGHT, 6, 4, 9, 9},
                                   {DFCS_SCROLLDOWN, 4, 6, 9, 6}};
  const TArrow& arrow = kArrows[scrollStyle_];
  TBitmap work(17, 17);
  RECT r = {0, 0, 17, 17};
  UINT state = arrow.state;
  if (Down()) state |= DFCS_PUSHED;
  if (!Enabled()) state |= DFCS_INACTIVE;
  ::DrawFrameControl(work.Canvas()->Handle(), &r, DFC_SCROLL, state);
  TBitmap glyph(arrow.w, arrow.h);
  glyph.Canvas()->CopyRect(Rect(0, 0, arrow.w, arrow.h), work.Canvas(),
                           Bounds(arrow.x, arrow.y, arrow.w, arrow.h));
  SetGlyph(&glyph);
}
