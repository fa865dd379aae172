// The splitter's painting: its bar, grooved or bumped or as a group bar, and the hot spot.
#include "framed/bars/RzSplitter.h"

#include <cstdlib>

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"

// ---- painting ----

void TRzSplitter::Paint() {
  TRzCustomPanel::Paint();
  DrawSplitterBar();
}

void TRzSplitter::DrawSplitterBar() {
  TCanvas* c = Canvas();
  const bool across = orientation_ == orVertical;
  if (splitterStyle_ == ssGroove || splitterStyle_ == ssBump) {
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->Rectangle(bar_.Left, bar_.Top, bar_.Right + 1, bar_.Bottom + 1);
    c->Pen()->SetStyle(psSolid);
    DrawBarStrips(c, bar_, across, splitterStyle_);
  } else if (splitterStyle_ == ssGroupBar && UseGradients()) {
    DrawGroupBarBackground(c, bar_, ThemeAware(), gradientPath_, Color(), gradientColorAdjustment_);
  }
  if (hotSpotVisible_) DrawHotSpot(false, TPoint{0, 0});
}

void TRzSplitter::DrawHotSpot(bool highlight, TPoint p) {
  const bool across = orientation_ == orVertical;
  const int cx = hotSpot_.Left + hotSpot_.Width() / 2, cy = hotSpot_.Top + hotSpot_.Height() / 2;
  THotSpotLook look{};
  look.across = across;
  look.twoWay = hotSpotDirection_ == hsdBoth;
  look.highlight = highlight;
  look.highlightAll = hotSpotClosed_ || hotSpotDirection_ != hsdBoth;
  look.firstHalf = across ? p.X < cx : p.Y < cy;
  look.highlightColor = hotSpotHighlight_;
  bool first1 = true, first2 = true;  // towards pane 1
  switch (hotSpotDirection_) {
    case hsdMin: first1 = first2 = !hotSpotClosed_; break;
    case hsdMax: first1 = first2 = hotSpotClosed_; break;
    case hsdBoth:
      if (hotSpotClosedToMin_) first1 = first2 = false;
      else if (hotSpotClosedToMax_) first1 = first2 = true;
      else first1 = true, first2 = false;
      break;
  }
  look.arrow1TowardsFirst = first1;
  look.arrow2TowardsFirst = first2;
  look.twoWay = look.twoWay && !hotSpotClosed_;
  PaintHotSpot(Canvas(), hotSpot_, look);
}

void PaintHotSpot(TCanvas* c, const TRect& s, const THotSpotLook& look) {
  const TRect inside = DrawSides(c, s, clBtnShadow, clBtnShadow, sdAllSides);
  const int cx = s.Left + s.Width() / 2, cy = s.Top + s.Height() / 2;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(look.highlight && look.highlightAll && !look.twoWay ? look.highlightColor : clBtnFace);
  c->FillRect(inside);
  if (look.highlight && (look.twoWay || look.highlightAll)) {
    TRect half = inside;
    if (look.twoWay && !look.highlightAll) {
      if (look.across)
        (look.firstHalf ? half.Right : half.Left) = cx;
      else
        (look.firstHalf ? half.Bottom : half.Top) = cy;
    }
    c->Brush()->SetColor(look.highlightColor);
    c->FillRect(half);
  }
  DrawSides(c, inside, clBtnHighlight, clNone, sdAllSides);
  auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(color);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  if (look.twoWay) {
    if (look.across) {
      line(clBtnShadow, cx, s.Top, cx, s.Bottom);
      line(clBtnHighlight, cx - 1, s.Top + 1, cx - 1, s.Bottom - 1);
    } else {
      line(clBtnShadow, s.Left, cy, s.Right, cy);
      line(clBtnHighlight, s.Left + 1, cy - 1, s.Right - 1, cy - 1);
    }
  }
  c->Pen()->SetColor(clHighlight);
  c->Brush()->SetColor(clHighlight);
  auto arrow = [&](int x, int y, bool towardsFirst) {
    if (look.across) {
      if (towardsFirst)
        c->Polygon({{x - 2, y + 1}, {x, y - 1}, {x + 2, y + 1}});
      else
        c->Polygon({{x - 2, y - 1}, {x, y + 1}, {x + 2, y - 1}});
    } else if (towardsFirst) {
      c->Polygon({{x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}});
    } else {
      c->Polygon({{x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}});
    }
  };
  if (look.across) {
    arrow(s.Left + look.arrowInset, cy, look.arrow1TowardsFirst);
    arrow(s.Right - look.arrowInset, cy, look.arrow2TowardsFirst);
  } else {
    arrow(cx, s.Top + look.arrowInset, look.arrow1TowardsFirst);
    arrow(cx, s.Bottom - look.arrowInset, look.arrow2TowardsFirst);
  }
  const int length = look.across ? s.Width() : s.Height();
  const int middle = look.across ? cx : cy;
  for (int i = 0; i <= (length - 32) / 3 && length >= 32; ++i) {
    const int at = (look.across ? s.Left : s.Top) + 15 + 3 * i;
    if (look.twoWay && std::abs(at - middle) <= 3) continue;
    if (look.across) {
      c->SetPixels(at, cy, clHighlightText);
      c->SetPixels(at + 1, cy + 1, clHighlight);
    } else {
      c->SetPixels(cx, at, clHighlightText);
      c->SetPixels(cx + 1, at + 1, clHighlight);
    }
  }
}
