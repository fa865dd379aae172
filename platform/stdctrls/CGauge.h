// TCGauge: a windowless progress gauge showing Progress between MinValue and
// MaxValue as text only, a horizontal or vertical bar, a pie or a needle.
#pragma once

#include "platform/controls/BorderStyle.h"
#include "platform/controls/GraphicControl.h"

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TCGauge : public TGraphicControl {
public:
  explicit TCGauge(TComponent* owner);

  // MinValue stays below MaxValue: a value that would cross the other raises
  // EInvalidOperation (outside loading) and changes nothing.
  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  // Kept within MinValue..MaxValue.
  int Progress() const { return progress_; }
  void SetProgress(int value);
  void AddProgress(int value) { SetProgress(progress_ + value); }
  // How far Progress has come, 0..100 (0 when the range is empty).
  int PercentDone() const;

  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor value);
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value);

protected:
  void Paint() override;

private:
  void PaintBar(TCanvas* canvas, const TRect& rect, bool horizontal);
  void PaintPie(TCanvas* canvas, const TRect& rect);
  void PaintNeedle(TCanvas* canvas, const TRect& rect);
  void PaintText(TCanvas* canvas, const TRect& rect);

  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
  TGaugeKind kind_ = gkHorizontalBar;
  bool showText_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TColor foreColor_ = clBlack;
  TColor backColor_ = clWhite;
};
