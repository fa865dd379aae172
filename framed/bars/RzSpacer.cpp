#include "framed/bars/RzSpacer.h"

#include "framed/bars/RzToolbar.h"

#include "framed/theme/RzThemeSrv.h"

TRzSpacer::TRzSpacer(TComponent* owner) : TGraphicControl(owner) { SetBounds(Left(), Top(), 8, 25); }

void TRzSpacer::SetGrooved(bool value) {
  if (grooved_ == value) return;
  grooved_ = value;
  Invalidate();
}

void TRzSpacer::SetOrientation(TOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TRzSpacer::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (HasState(csDesigning) && !grooved_) {
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(r);
    return;
  }
  if (!grooved_) return;
  const bool across = Width() > Height();
  if (ThemeServices()->ThemesEnabled()) {
    ThemeServices()->DrawElement(c->Handle(), GetElementDetails(across ? ttbSeparatorVertNormal : ttbSeparatorNormal), r);
    return;
  }
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(color);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  if (across) {
    const int y = (r.Bottom - r.Top) / 2 + r.Top - 1;
    line(clBtnShadow, r.Left + 1, y, r.Right, y);
    line(clBtnHighlight, r.Left + 1, y + 1, r.Right, y + 1);
  } else {
    const int x = (r.Right - r.Left) / 2 + r.Left - 1;
    line(clBtnShadow, x, r.Top + 1, x, r.Bottom);
    line(clBtnHighlight, x + 1, r.Top + 1, x + 1, r.Bottom);
  }
}

void TRzSpacer::RequestAlign() {
  TGraphicControl::RequestAlign();
  RequestToolbarLayout(this);
}
