#include "framed/display/RzLEDDisplay.h"

#include "framed/display/RzLEDGlyphs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/published/Filer.h"

TRzLEDDisplay::TRzLEDDisplay(TComponent* owner) : TRzBorder(owner), timer_(FramedClock().MakeTimer()) {
  ControlStyle |= csOpaque;
  timer_->SetInterval(scrollDelay_);
  timer_->OnTimer = TNotifyEvent(this, &TRzLEDDisplay::TimerEventHandler);
  SetBounds(Left(), Top(), 100, 30);
  SetBorderOuter(fsStatus);
}

TRzLEDDisplay::~TRzLEDDisplay() { timer_->SetEnabled(false); }

// Older versions stored the spacing and the cell count; both follow the size now.
void TRzLEDDisplay::DefineProperties(TFiler* filer) {
  TRzBorder::DefineProperties(filer);
  filer->DefineProperty("SegSpacing", ReadAndDrop(), nullptr, false);
  filer->DefineProperty("DisplayCells", ReadAndDrop(), nullptr, false);
}

void TRzLEDDisplay::SetBounds(int left, int top, int width, int height) {
  TRzBorder::SetBounds(left, top, width, height);
  UpdateDotDimensions();
}

void TRzLEDDisplay::Loaded() {
  TRzBorder::Loaded();
  SetBounds(Left(), Top(), Width(), Height());
  UpdateTimer();
}

void TRzLEDDisplay::SetBevelWidth(int value) {
  TRzBorder::SetBevelWidth(value);
  UpdateDotDimensions();
}
void TRzLEDDisplay::SetBorderInner(TFrameStyleEx value) {
  TRzBorder::SetBorderInner(value);
  UpdateDotDimensions();
}
void TRzLEDDisplay::SetBorderOuter(TFrameStyleEx value) {
  TRzBorder::SetBorderOuter(value);
  UpdateDotDimensions();
}
void TRzLEDDisplay::SetBorderSides(TSides value) {
  TRzBorder::SetBorderSides(value);
  UpdateDotDimensions();
}
void TRzLEDDisplay::SetBorderWidth(int value) {
  TRzBorder::SetBorderWidth(value);
  UpdateDotDimensions();
}

void TRzLEDDisplay::SetCaption(const String& value) {
  if (Caption() == value) return;
  TRzBorder::SetCaption(value);
  Repaint();
}

void TRzLEDDisplay::CMTextChanged(TMessage& message) {
  TRzBorder::CMTextChanged(message);
  UpdateSteps();
  Invalidate();
}

#define RZ_LED_COLOR_SETTER(Name, field) \
  void TRzLEDDisplay::Set##Name(TColor value) { \
    if (field == value) return;                 \
    field = value;                              \
    Repaint();                                  \
  }
RZ_LED_COLOR_SETTER(BackColor, backColor_)
RZ_LED_COLOR_SETTER(SegOnColor, segOnColor_)
RZ_LED_COLOR_SETTER(SegOffColor, segOffColor_)
#undef RZ_LED_COLOR_SETTER

// The timer runs only while the text scrolls in some direction.
void TRzLEDDisplay::UpdateTimer() { timer_->SetEnabled(scrolling_ && scrollType_ != stNone && !HasState(csLoading)); }

void TRzLEDDisplay::SetScrolling(bool value) {
  if (scrolling_ == value) return;
  scrolling_ = value;
  UpdateTimer();
  if (!value) currentStep_ = 0;
  Invalidate();
}

void TRzLEDDisplay::SetScrollType(TRzScrollType value) {
  if (scrollType_ == value) return;
  scrollType_ = value;
  UpdateTimer();
  Invalidate();
}

void TRzLEDDisplay::SetScrollDelay(Word value) {
  if (scrollDelay_ == value) return;
  scrollDelay_ = value;
  timer_->SetInterval(value);
}

void TRzLEDDisplay::UpdateDotDimensions() {
  const int h = ClientRect().Height();
  dotSize_ = static_cast<int>(h / 7.6);
  if (dotSize_ < 1) dotSize_ = 1;
  dotGap_ = static_cast<int>(dotSize_ * 0.1);
  UpdateSteps();
}

void TRzLEDDisplay::UpdateSteps() { steps_ = Pitch() * 6 * static_cast<int>(Caption().size()) + Width(); }

// One pitch per tick. The display is invalidated and painted before the tick
// returns; no other messages are handled here, so a handler the queue holds
// cannot free the display in the middle of its own tick.
void TRzLEDDisplay::TimerEventHandler(TObject*) {
  currentStep_ += Pitch();
  Repaint();
  if (currentStep_ >= steps_) {
    currentStep_ = 0;
    ScrollComplete();
  }
}

TColor TRzLEDDisplay::DotColor(char ch, int column, int row) const {
  if (column == 5) return segOffColor_;
  return (LEDGlyph(ch)[column] & (0x80 >> row)) ? segOnColor_ : segOffColor_;
}

void TRzLEDDisplay::DrawCell(TCanvas* canvas, const TRect& rect, char ch) {
  const int p = Pitch();
  canvas->Pen()->SetColor(backColor_);
  for (int row = 0; row < 7; ++row)
    for (int column = 0; column < 6; ++column) {
      const int x = rect.Left + column * p, y = rect.Top + row * p;
      canvas->Brush()->SetColor(DotColor(ch, column, row));
      canvas->Rectangle(x, y, x + dotSize_ + 1, y + dotSize_ + 1);
    }
}

void TRzLEDDisplay::Paint() {
  TRzBorder::Paint();
  const TRect client = ClientRect();
  const TRect r(0, 0, client.Width(), client.Height());
  if (r.Width() <= 0 || r.Height() <= 7) return;
  TBitmap work(r.Width(), r.Height());
  TCanvas* canvas = work.Canvas();
  canvas->Brush()->SetColor(backColor_);
  canvas->FillRect(r);
  const int cellWidth = CellWidth();
  const int y0 = r.Top + (r.Height() - CellHeight()) / 2;
  for (int x = r.Left; x < r.Right; x += cellWidth) DrawCell(canvas, TRect(x, y0, x + cellWidth, y0 + CellHeight()), ' ');
  const String text = Caption();
  int x = 0;
  if (scrolling_ && scrollType_ == stRightToLeft) x = Pitch() * (client.Width() / Pitch()) - currentStep_;
  if (scrolling_ && scrollType_ == stLeftToRight) x = -(cellWidth * static_cast<int>(text.size())) + currentStep_;
  for (char ch : text) {
    DrawCell(canvas, TRect(x, y0, x + cellWidth, y0 + CellHeight()), ch);
    x += cellWidth;
  }
  Canvas()->CopyMode = cmSrcCopy;
  Canvas()->Draw(client.Left, client.Top, &work);
}
