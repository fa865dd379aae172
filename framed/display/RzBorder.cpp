#include "framed/display/RzBorder.h"

#include "framed/common/RzCommon_Borders.h"
#include "framed/controls/RzControlSupport.h"
#include "platform/controls/WinControl.h"

TRzBorder::TRzBorder(TComponent* owner) : TGraphicControl(owner) {
  SetCaption(String());
  SetBounds(Left(), Top(), 50, 50);
}

void TRzBorder::SetBevelWidth(int value) { Change(bevelWidth_, value, true); }
void TRzBorder::SetBorderInner(TFrameStyleEx value) { Change(borderInner_, value, true); }
void TRzBorder::SetBorderOuter(TFrameStyleEx value) { Change(borderOuter_, value, true); }
void TRzBorder::SetBorderWidth(int value) { Change(borderWidth_, value, true); }
void TRzBorder::SetBorderColor(TColor value) { Change(borderColor_, value, true); }
void TRzBorder::SetBorderHighlight(TColor value) { Change(borderHighlight_, value, true); }
void TRzBorder::SetBorderShadow(TColor value) { Change(borderShadow_, value, true); }
void TRzBorder::SetBorderSides(TSides value) { Change(borderSides_, value, true); }
void TRzBorder::SetFlatColor(TColor value) { Change(flatColor_, value, false); }
void TRzBorder::SetFlatColorAdjustment(int value) { Change(flatColorAdjustment_, value, false); }

TRect TRzBorder::ClientRect() const {
  TRect r = TGraphicControl::ClientRect();
  AdjustClientRect(r);
  return r;
}

void TRzBorder::AdjustClientRect(TRect& rect) const {
  rect = TRect(rect.Left + borderWidth_, rect.Top + borderWidth_, rect.Right - borderWidth_,
               rect.Bottom - borderWidth_);
  for (TFrameStyleEx style : {borderOuter_, borderInner_}) {
    const int w = FramedSideWidth(style, bevelWidth_);
    if (borderSides_ & SideBit(sdLeft)) rect.Left += w;
    if (borderSides_ & SideBit(sdTop)) rect.Top += w;
    if (borderSides_ & SideBit(sdRight)) rect.Right -= w;
    if (borderSides_ & SideBit(sdBottom)) rect.Bottom -= w;
  }
  if (rect.Bottom < rect.Top || rect.Right < rect.Left) rect = TRect(0, 0, 0, 0);
}

void TRzBorder::Paint() {
  TCanvas* canvas = Canvas();
  TRect r(0, 0, Width(), Height());
  // In the designer a frameless band shows where the control lies.
  if (HasState(csDesigning) && borderOuter_ == fsNone && borderWidth_ != 0) {
    const TPenStyle penStyle = canvas->Pen()->Style();
    const TBrushStyle brushStyle = canvas->Brush()->Style();
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(r);
    canvas->Pen()->SetStyle(penStyle);
    canvas->Brush()->SetStyle(brushStyle);
    r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  TInnerOuterBorders borders;
  borders.BorderOuter = borderOuter_;
  borders.BorderInner = borderInner_;
  borders.BorderWidth = borderWidth_;
  borders.BorderSides = borderSides_;
  borders.BevelWidth = bevelWidth_;
  borders.BorderColor = borderColor_;
  borders.BorderHighlight = borderHighlight_;
  borders.BorderShadow = borderShadow_;
  borders.FlatColor = flatColor_;
  borders.FlatColorAdjustment = flatColorAdjustment_;
  borders.Color = InteriorColor();
  borders.ParentColor = Parent() ? Parent()->Color() : Color();
  borders.Transparent = !(ControlStyle & csOpaque);
  DrawInnerOuterBorders(canvas, r, borders);
}

void TRzBorder::CMMouseEnter(TMessage& message) {
  TGraphicControl::CMMouseEnter(message);
  MouseEnter();
}

void TRzBorder::CMMouseLeave(TMessage& message) {
  TGraphicControl::CMMouseLeave(message);
  MouseLeave();
}
