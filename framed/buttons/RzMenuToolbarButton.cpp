#include "framed/buttons/RzMenuToolbarButton.h"

#include "platform/controls/Menus.h"

TRzMenuToolbarButton::TRzMenuToolbarButton(TComponent* owner) : TRzToolbarButton(owner) {
  ControlStyle &= ~csDoubleClicks;
  DragMode = dmManual;
  SetWidth(40);
  SetMargin(2);
}

void TRzMenuToolbarButton::SetShowArrow(bool value) {
  if (showArrow_ == value) return;
  showArrow_ = value;
  Invalidate();
}

void TRzMenuToolbarButton::Notification(TComponent* component, TOperation operation) {
  TRzToolbarButton::Notification(component, operation);
  drop_.Notification(component, operation);
}

void TRzMenuToolbarButton::DoDropDown() {
  if (!drop_.Menu()) return;
  DropDown();
  drop_.Popup();
  if (GroupIndex() > 0 && !Down()) Click();
}

void TRzMenuToolbarButton::Click() {
  if (drop_.TakeSkippedClick()) return;
  TRzToolbarButton::Click();
}

bool TRzMenuToolbarButton::InArrowPart(int x) const {
  if (!showArrow_) return true;
  return UseRightToLeftAlignment() ? x < 15 : x >= Width() - 15;
}

void TRzMenuToolbarButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzToolbarButton::MouseDown(button, shift, x, y);
  if (!drop_.Menu() || shift != ssLeft || !InArrowPart(x)) return;
  drop_.Press([this] { DoDropDown(); });
  TSpeedButton::MouseUp(button, shift, x, y);
}

void TRzMenuToolbarButton::Paint() {
  TRzToolbarButton::Paint();
  if (!showArrow_) return;
  TCanvas* c = Canvas();
  const bool down = State() == bsDown;
  c->Pen()->SetStyle(psSolid);
  if ((MouseOverControl() && Enabled()) || !Flat()) {
    const int x = UseRightToLeftAlignment() ? 15 : Width() - 15;
    c->Pen()->SetColor(clBtnShadow);
    if (down) {
      c->MoveTo(x, 0);
      c->LineTo(x, Height());
    } else {
      c->Pen()->SetColor(clBtnHighlight);
      c->MoveTo(x, 0);
      c->LineTo(x, Height());
      c->Pen()->SetColor(clBtnShadow);
      c->MoveTo(x - 1, 0);
      c->LineTo(x - 1, Height());
    }
  }
  const TRect client = ClientRect();
  int ax = UseRightToLeftAlignment() ? 8 : client.Right - 8;
  int ay = (client.Bottom - client.Top) / 2 + client.Top + 2;
  if (down) ++ax, ++ay;
  TRzMenuDrop::PaintArrow(c, ax, ay, Enabled());
}
