// TRzLEDDisplay: a framed panel that shows its Caption as a dot-matrix LED sign:
// each character a cell of 5 x 7 lit or unlit dots plus an unlit spacing column,
// the dot size following the height, and the text optionally scrolling across on
// the family's clock.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/display/RzBorder.h"


class TRzLEDDisplay : public TRzBorder {
public:
  explicit TRzLEDDisplay(TComponent* owner);
  ~TRzLEDDisplay() override;

  String Caption() const { return TRzBorder::Caption(); }
  // Stores a new text and shows it at once.
  virtual void SetCaption(const String& value);
  TColor BackColor() const { return backColor_; }
  virtual void SetBackColor(TColor value);
  TColor SegOnColor() const { return segOnColor_; }
  virtual void SetSegOnColor(TColor value);
  TColor SegOffColor() const { return segOffColor_; }
  virtual void SetSegOffColor(TColor value);
  TRzScrollType ScrollType() const { return scrollType_; }
  void SetScrollType(TRzScrollType value);
  bool Scrolling() const { return scrolling_; }
  virtual void SetScrolling(bool value);
  Word ScrollDelay() const { return scrollDelay_; }
  void SetScrollDelay(Word value);

  int DotSize() const { return dotSize_; }
  int DotGap() const { return dotGap_; }
  // The scroll distance after which a pass is complete, and the part done.
  int Steps() const { return steps_; }
  int CurrentStep() const { return currentStep_; }
  bool TimerRunning() const { return timer_->Enabled(); }

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void SetBevelWidth(int value) override;
  void SetBorderInner(TFrameStyleEx value) override;
  void SetBorderOuter(TFrameStyleEx value) override;
  void SetBorderSides(TSides value) override;
  void SetBorderWidth(int value) override;

  TNotifyEvent OnScrollComplete;

protected:
  // Draws one character's cell: 7 rows by 6 columns of dots from the rectangle's corner.
  virtual void DrawCell(TCanvas* canvas, const TRect& rect, char ch);
  virtual void ScrollComplete() { OnScrollComplete(this); }
  TColor InteriorColor() const override { return backColor_; }
  void Paint() override;
  void DefineProperties(TFiler* filer) override;
  void CMTextChanged(TMessage& message) override;

private:
  void TimerEventHandler(TObject* sender);
  void UpdateDotDimensions();
  void UpdateSteps();
  void UpdateTimer();
  TColor DotColor(char ch, int column, int row) const;
  int Pitch() const { return dotSize_ + dotGap_; }
  int CellWidth() const { return 6 * Pitch(); }
  int CellHeight() const { return 7 * dotSize_ + 6 * dotGap_; }

  TColor backColor_ = clBlack;
  TColor segOnColor_ = clLime;
  TColor segOffColor_ = 0x003300;
  int dotSize_ = 2;
  int dotGap_ = 0;
  TRzScrollType scrollType_ = stRightToLeft;
  bool scrolling_ = false;
  int steps_ = 0;
  Word scrollDelay_ = 100;
  int currentStep_ = 0;
  std::unique_ptr<TRzTimer> timer_;  // owned, from the family's clock
};
