// The sample gauge: background in BackColor, the part done in ForeColor, and
// the percentage as text in the font.
#include "platform/stdctrls/CGauge.h"

#include <algorithm>
#include <cmath>

TCGauge::TCGauge(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle |= csFramed | csOpaque;
  SetBounds(0, 0, 100, 100);
}

void TCGauge::SetMinValue(int value) {
  if (value == minValue_) return;
  if (value > maxValue_) {
    if (!HasState(csLoading))
      throw EInvalidOperation("Value must be between " + std::to_string(INT32_MIN) + " and " +
                              std::to_string(maxValue_));
    maxValue_ = value;
  }
  minValue_ = value;
  progress_ = std::max(progress_, minValue_);
  Invalidate();
}

void TCGauge::SetMaxValue(int value) {
  if (value == maxValue_) return;
  if (value < minValue_) {
    if (!HasState(csLoading))
      throw EInvalidOperation("Value must be between " + std::to_string(minValue_) + " and " +
                              std::to_string(INT32_MAX));
    minValue_ = value;
  }
  maxValue_ = value;
  progress_ = std::min(progress_, maxValue_);
  Invalidate();
}

void TCGauge::SetProgress(int value) {
  value = std::clamp(value, minValue_, maxValue_);
  if (value == progress_) return;
  progress_ = value;
  Invalidate();
}

int TCGauge::PercentDone() const {
  const long long range = static_cast<long long>(maxValue_) - minValue_;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(progress_) - minValue_) * 100 / range);
}

void TCGauge::SetKind(TGaugeKind value) {
  if (kind_ == value) return;
  kind_ = value;
  Invalidate();
}

void TCGauge::SetShowText(bool value) {
  if (showText_ == value) return;
  showText_ = value;
  Invalidate();
}

void TCGauge::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  Invalidate();
}

void TCGauge::SetForeColor(TColor value) {
  if (foreColor_ == value) return;
  foreColor_ = value;
  Invalidate();
}

void TCGauge::SetBackColor(TColor value) {
  if (backColor_ == value) return;
  backColor_ = value;
  Invalidate();
}

void TCGauge::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(psSolid);
  if (borderStyle_ == bsSingle) {
    canvas->Brush()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FrameRect(rect);
    rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(kind_ == gkPie || kind_ == gkNeedle ? Color() : backColor_);
  canvas->FillRect(rect);
  switch (kind_) {
    case gkText: break;
    case gkHorizontalBar: PaintBar(canvas, rect, true); break;
    case gkVerticalBar: PaintBar(canvas, rect, false); break;
    case gkPie: PaintPie(canvas, rect); break;
    case gkNeedle: PaintNeedle(canvas, rect); break;
  }
  if (showText_) PaintText(canvas, rect);
}

void TCGauge::PaintBar(TCanvas* canvas, const TRect& rect, bool horizontal) {
  TRect done = rect;
  if (horizontal)
    done.Right = rect.Left + rect.Width() * PercentDone() / 100;
  else
    done.Top = rect.Bottom - rect.Height() * PercentDone() / 100;
  if (done.Width() <= 0 || done.Height() <= 0) return;
  canvas->Brush()->SetColor(foreColor_);
  canvas->FillRect(done);
}

// A circle in BackColor with the part done as a slice in ForeColor, starting at
// twelve o'clock and running clockwise.
void TCGauge::PaintPie(TCanvas* canvas, const TRect& rect) {
  canvas->Pen()->SetColor(foreColor_);
  canvas->Brush()->SetColor(backColor_);
  canvas->Ellipse(rect);
  const int percent = PercentDone();
  if (percent <= 0) return;
  canvas->Brush()->SetColor(foreColor_);
  if (percent >= 100) {
    canvas->Ellipse(rect);
    return;
  }
  const double cx = (rect.Left + rect.Right) / 2.0, cy = (rect.Top + rect.Bottom) / 2.0;
  const double angle = percent * 2 * 3.14159265358979 / 100;
  const int endX = static_cast<int>(std::lround(cx + std::sin(angle) * rect.Width()));
  const int endY = static_cast<int>(std::lround(cy - std::cos(angle) * rect.Height()));
  // Pie runs counter-clockwise from its first point to its second.
  canvas->Pie(rect.Left, rect.Top, rect.Right, rect.Bottom, endX, endY, static_cast<int>(std::lround(cx)),
              rect.Top - rect.Height());
}

// A half circle in BackColor with a needle from the middle of its base, lying
// left at 0 % and right at 100 %.
void TCGauge::PaintNeedle(TCanvas* canvas, const TRect& rect) {
  const TRect circle(rect.Left, rect.Top, rect.Right, rect.Bottom + rect.Height());
  const int cx = (rect.Left + rect.Right) / 2;
  canvas->Pen()->SetColor(foreColor_);
  canvas->Brush()->SetColor(backColor_);
  canvas->Pie(circle.Left, circle.Top, circle.Right, circle.Bottom, rect.Right, rect.Bottom, rect.Left, rect.Bottom);
  const double angle = 3.14159265358979 * PercentDone() / 100;
  canvas->MoveTo(cx, rect.Bottom - 1);
  canvas->LineTo(static_cast<int>(std::lround(cx - std::cos(angle) * rect.Width() / 2.0)),
                 static_cast<int>(std::lround(rect.Bottom - 1 - std::sin(angle) * (rect.Height() - 1))));
}

void TCGauge::PaintText(TCanvas* canvas, const TRect& rect) {
  const String text = std::to_string(PercentDone()) + "%";
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = canvas->Handle();
  ::SelectObject(dc, Font()->Handle());
  ::SetBkMode(dc, TRANSPARENT);
  const TColor rgb = ColorToRGB(Font()->Color());
  ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
  RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
