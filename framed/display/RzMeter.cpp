#include "framed/display/RzMeter.h"

#include <algorithm>

#include "framed/common/RzCommon_Borders.h"
#include "platform/core/SysUtils.h"

namespace {

// The polygon of a trapezoid with its right and bottom points one pixel in, as a
// filled rectangle leaves its right and bottom edges.
std::vector<TPoint> PulledIn(TTrap trap) {
  trap.P[1].X -= 1;
  trap.P[2].X -= 1;
  trap.P[2].Y -= 1;
  trap.P[3].Y -= 1;
  return {trap.P[0], trap.P[1], trap.P[2], trap.P[3]};
}

TRect Shrunk(const TRect& r, int by) { return TRect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by); }

}  // namespace

TRzMeter::TRzMeter(TComponent* owner) : TRzBorder(owner), bitmap_(std::make_unique<TBitmap>()) {
  ControlStyle |= csFramed | csOpaque;
  bitmap_->OnChange = TNotifyEvent(this, &TRzMeter::BitmapChangedHandler);
  SetBorderOuter(fsStatus);
  SetParentColor(true);
  SetBounds(Left(), Top(), 150, 30);
}

TRzMeter::~TRzMeter() { bitmap_->OnChange = TNotifyEvent(); }

void TRzMeter::SetMin(int value) {
  if (min_ == value) return;
  min_ = value;
  if (min_ == max_) min_ = max_ - 1;
  value_ = std::clamp(value_, min_, max_);
  Repaint();
}

void TRzMeter::SetMax(int value) {
  if (max_ == value) return;
  max_ = value;
  if (max_ == min_) max_ = min_ + 1;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  Repaint();
}

void TRzMeter::SetValue(int value) {
  if (value_ == value) return;
  value_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  Repaint();
}

void TRzMeter::AddValue(int delta) {
  SetValue(value_ + delta);
  Repaint();
}

int TRzMeter::GetPercent() const { return (value_ - min_) * 100 / (max_ - min_); }

void TRzMeter::SetSegCount(int index, Byte value) {
  if (value < 1) value = 1;
  Change(segCount_[index], value);
}

void TRzMeter::Paint() {
  if (Height() < 4 || Width() < 4) return;
  const bool trapezoid = meterShape_ == msTrapezoidal;
  TRect r = trapezoid ? TRect(0, 0, Width(), Height()) : ClientRect();
  if (!trapezoid) TRzBorder::Paint();
  TBitmap work(r.Width(), r.Height());
  TCanvas* canvas = work.Canvas();
  canvas->Brush()->SetColor(trapezoid ? clBtnFace : backColor_);
  canvas->FillRect(TRect(0, 0, r.Width(), r.Height()));
  if (BorderOuter() == fsLowered || BorderOuter() == fsRaised) {
    if (trapezoid) {
      TTrap trap;
      SetTrapezoid(trap, r, trapMin_, trapShape_, direction_, trapDirect_);
      if (backColor_ != clBtnFace) {
        canvas->Brush()->SetColor(backColor_);
        canvas->Pen()->SetColor(backColor_);
        canvas->Polygon(PulledIn(trap));
      }
      DrawTrapezoidBorder(canvas, trap, TTrapBevelStyle::bsLowered, BevelWidth());
    }
    bevelInset_ = BevelWidth();
    r = Shrunk(r, BevelWidth());
  } else {
    bevelInset_ = 0;
  }
  const TPoint origin = trapezoid ? TPoint{0, 0} : TPoint{ClientRect().Left, ClientRect().Top};
  if (!trapezoid) r = TRect(r.Left - origin.X - 1, r.Top - origin.Y - 1, r.Right - origin.X, r.Bottom - origin.Y);
  if (meterType_ == mtLED)
    DrawLEDBar(canvas, r);
  else
    DrawStandardBar(canvas, r);
  Canvas()->CopyMode = cmSrcCopy;
  Canvas()->Draw(origin.X, origin.Y, &work);
}

// The bar's moving edge scales the absolute coordinate, each result taken as a
// 16-bit unsigned number, as the meter has always drawn it.
TRect TRzMeter::BarRect(const TRect& r) const {
  const int f = value_ - min_, s = max_ - min_;
  TRect b = r;
  switch (direction_) {
    case dirRight: b.Right = std::max<int>(static_cast<Word>(r.Right * f / s), r.Left); break;
    case dirDown: b.Bottom = std::max<int>(static_cast<Word>(r.Bottom * f / s), r.Top); break;
    case dirUp: b.Top = std::min<int>(static_cast<Word>(r.Top + r.Bottom - r.Bottom * f / s), r.Bottom); break;
    case dirLeft: b.Left = std::min<int>(static_cast<Word>(r.Left + r.Right - r.Right * f / s), r.Right); break;
  }
  return b;
}

void TRzMeter::DrawStandardBar(TCanvas* canvas, const TRect& r) {
  const TRect b = BarRect(r);
  const bool trapezoid = meterShape_ == msTrapezoidal;
  TTrap trap;
  if (trapDirect_ == tdSmallToLarge) {
    SetTrapezoid(trap, r, trapMin_ - 2 * bevelInset_, trapShape_, direction_, trapDirect_);
    trap = AdjustTrapezoid(trap, b, direction_);
  } else {
    SetTrapezoid(trap, b, trapMin_ - 2 * bevelInset_, trapShape_, direction_, trapDirect_);
  }
  const std::vector<TPoint> polygon = PulledIn(trap);
  if (!trapezoid || value_ > 0) {
    if (!bitmap_->Empty()) {
      HRGN region = nullptr;
      if (trapezoid) {
        POINT points[4];
        for (int i = 0; i < 4; ++i) points[i] = POINT{polygon[i].X, polygon[i].Y};
        region = ::CreatePolygonRgn(points, 4, WINDING);
        ::SelectClipRgn(canvas->Handle(), region);
      }
      TileBitmap(canvas, bitmap_.get(), b);
      if (region) {
        ::SelectClipRgn(canvas->Handle(), nullptr);
        ::DeleteObject(region);
      }
    } else {
      canvas->Brush()->SetStyle(brushStyle_);
      canvas->Brush()->SetColor(barColor_);
      canvas->Pen()->SetColor(barColor_);
      if (trapezoid)
        canvas->Polygon(polygon);
      else if (brushStyle_ != bsSolid)
        canvas->Rectangle(b);
      else
        canvas->FillRect(b);
      canvas->Brush()->SetStyle(bsSolid);
    }
  }
  if (meterType_ == mtBar3D) {
    TRect e = ClientRect();
    switch (direction_) {
      case dirRight: e.Right = b.Right; break;
      case dirDown: e.Bottom = b.Bottom; break;
      case dirUp: e.Top = b.Top; break;
      case dirLeft: e.Left = b.Left; break;
    }
    if (e.Width() > 2 * BevelWidth() && e.Height() > 2 * BevelWidth()) {
      if (!trapezoid) {
        DrawBevel(canvas, b, clBtnHighlight, clBtnShadow, BevelWidth(), sdAllSides);
      } else {
        if (trapDirect_ == tdLargeToSmall) SetTrapezoid(trap, e, trapMin_, trapShape_, direction_, trapDirect_);
        DrawTrapezoidBorder(canvas, trap, TTrapBevelStyle::bsRaised, BevelWidth());
      }
    }
  }
  if (showPercent_) DrawPercent(canvas);
}

void TRzMeter::DrawPercent(TCanvas* canvas) {
  const String text = Format("%d%%", GetPercent());
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->Assign(Font());
  const TRect client = ClientRect();
  canvas->TextOut((client.Width() - canvas->TextWidth(text)) / 2, (client.Height() - canvas->TextHeight(text)) / 2,
                  text);
  canvas->Brush()->SetStyle(bsSolid);
}

// The segments sit one size plus the spacing apart, from the end the bar grows
// from; the lit ones take their group's colour, the others SegOffColor.
void TRzMeter::DrawLEDBar(TCanvas* canvas, const TRect& area) {
  const int n = SegmentTotal();
  if (n == 0) return;
  const int lit = n * (value_ - min_) / (max_ - min_);
  const bool trapezoid = meterShape_ == msTrapezoidal;
  TTrap trap;
  if (trapezoid) {
    SetTrapezoid(trap, area, trapMin_ - 2 * bevelInset_, trapShape_, direction_, trapDirect_);
    InflateTrapezoid(trap, -segSpacing_);
  }
  const TRect r = Shrunk(area, segSpacing_);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(clBlack);
  const bool horizontal = direction_ == dirLeft || direction_ == dirRight;
  const int length = horizontal ? r.Width() : r.Height();
  const int size = (length - (n - 2) * segSpacing_) / n;
  int group = 0, usedInGroup = 0;
  for (int k = 0; k < n; ++k) {
    const int offset = k * (size + segSpacing_);
    TRect seg = r;
    switch (direction_) {
      case dirRight: seg.Left = r.Left + offset, seg.Right = seg.Left + size; break;
      case dirDown: seg.Top = r.Top + offset, seg.Bottom = seg.Top + size; break;
      case dirLeft: seg.Right = r.Right - offset, seg.Left = seg.Right - size; break;
      case dirUp: seg.Bottom = r.Bottom - offset, seg.Top = seg.Bottom - size; break;
    }
    if (k < lit) {
      if (usedInGroup == segCount_[group] && group < 2) {
        ++group;
        usedInGroup = 0;
      }
      ++usedInGroup;
      canvas->Brush()->SetColor(segColor_[group]);
    } else {
      canvas->Brush()->SetColor(segOffColor_);
    }
    if (trapezoid)
      canvas->Polygon(PulledIn(AdjustTrapezoid(trap, seg, direction_)));
    else
      canvas->FillRect(Shrunk(seg, 1));
  }
}
