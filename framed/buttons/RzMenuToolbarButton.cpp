#include "framed/buttons/RzMenuToolbarButton.h"

#include "framed/buttons/RzMenuButton.h"
#include "framed/common/RzClock.h"
#include "framed/controls/RzCustomButton.h"
#include "platform/controls/Menus.h"

TRzMenuToolbarButton::TRzMenuToolbarButton(TComponent* owner) : TRzToolbarButton(owner) {
  ControlStyle &= ~csDoubleClicks;
  DragMode = dmManual;
  SetWidth(40);
  SetMargin(2);
}

void TRzMenuToolbarButton::SetDropDownMenu(TPopupMenu* value) {
  if (dropDownMenu_ == value) return;
  dropDownMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TRzMenuToolbarButton::SetShowArrow(bool value) {
  if (showArrow_ == value) return;
  showArrow_ = value;
  Invalidate();
}

void TRzMenuToolbarButton::Notification(TComponent* component, TOperation operation) {
  TRzToolbarButton::Notification(component, operation);
  if (operation == opRemove && component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TRzMenuToolbarButton::DoDropDown() {
  if (!dropDownMenu_) return;
  DropDown();
  const TPoint p = DropDownPoint(this, EstimateMenuWidth(this, dropDownMenu_));
  dropDownMenu_->SetPopupComponent(this);
  dropDownMenu_->Popup(p.X, p.Y);
  if (GroupIndex() > 0 && !Down()) Click();
}

void TRzMenuToolbarButton::Click() {
  if (skipNextClick_) {
    skipNextClick_ = false;
    return;
  }
  TRzToolbarButton::Click();
}

bool TRzMenuToolbarButton::InArrowPart(int x) const {
  if (!showArrow_) return true;
  return UseRightToLeftAlignment() ? x < 15 : x >= Width() - 15;
}

void TRzMenuToolbarButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzToolbarButton::MouseDown(button, shift, x, y);
  if (!dropDownMenu_ || shift != ssLeft || !InArrowPart(x)) return;
  if (dropTime_ != 0 && FramedClock().TickCount() < dropTime_ + 100) {
    skipNextClick_ = true;
    dropTime_ = 0;
    SetMouseCapture(false);
  } else {
    DoDropDown();
    skipNextClick_ = true;
    dropTime_ = FramedClock().TickCount();
  }
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
  const TColor color = Enabled() ? clWindowText : clBtnShadow;
  c->Pen()->SetColor(color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Polygon({{ax, ay}, {ax - 3, ay - 3}, {ax + 3, ay - 3}});
}
