#include "framed/buttons/RzMenuButton.h"

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Routines.h"
#include "platform/controls/Menus.h"
#include "platform/controls/WinControl.h"

TPoint DropDownPoint(TControl* control, int width) {
  TPoint p = control->ClientToScreen(TPoint{control->UseRightToLeftAlignment() ? control->Width() : 0,
                                            control->Height()});
  int limit;
  if (HMONITOR monitor = FindMonitorAtPoint(p))
    limit = GetMonitorWorkArea(monitor).Right;
  else
    limit = GetActiveWorkAreaWidth(control->Parent());
  if (limit < p.X + width) p.X = p.X + control->Width() - width;
  return p;
}

TRzMenuButton::TRzMenuButton(TComponent* owner) : TRzBitBtn(owner) {
  ControlStyle &= ~csDoubleClicks;
  DragMode = dmManual;
  SetWidth(110);
}

void TRzMenuButton::SetDropDownMenu(TPopupMenu* value) {
  if (dropDownMenu_ == value) return;
  dropDownMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TRzMenuButton::SetShowArrow(bool value) {
  if (showArrow_ == value) return;
  showArrow_ = value;
  Invalidate();
}

void TRzMenuButton::Notification(TComponent* component, TOperation operation) {
  TRzBitBtn::Notification(component, operation);
  if (operation == opRemove && component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TRzMenuButton::DoDropDown() {
  if (!dropDownMenu_) return;
  DropDown();
  const TPoint p = DropDownPoint(this, EstimateMenuWidth(this, dropDownMenu_));
  dropDownMenu_->SetPopupComponent(this);
  dropDownMenu_->Popup(p.X, p.Y);
}

void TRzMenuButton::Click() {
  if (skipNextClick_) {
    skipNextClick_ = false;
    return;
  }
  if (!dropDownMenu_ || KeyboardClick()) return TRzBitBtn::Click();
  MouseDown(mbLeft, ssLeft, 0, 0);
}

// The press that opens the menu runs its own release at once, so the click of
// that release is the one skipped; a press within 100 ms of the menu closing is
// the one that closed it.
void TRzMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzBitBtn::MouseDown(button, shift, x, y);
  if (!dropDownMenu_ || shift != ssLeft) return;
  if (dropTime_ != 0 && FramedClock().TickCount() < dropTime_ + 100) {
    skipNextClick_ = true;
    dropTime_ = 0;
    SetMouseCapture(false);
  } else {
    DoDropDown();
    skipNextClick_ = true;
    dropTime_ = FramedClock().TickCount();
  }
  TRzBitBtn::MouseUp(button, shift, x, y);
}

void TRzMenuButton::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_F4) {
    DoDropDown();
    skipNextClick_ = true;
  }
  TRzBitBtn::KeyDown(key, shift);
}

TRect TRzMenuButton::GetCaptionRect() {
  TRect r = TRzBitBtn::GetCaptionRect();
  if (showArrow_) {
    if (UseRightToLeftAlignment())
      r.Left += 14;
    else
      r.Right -= 14;
  }
  return r;
}

TRect TRzMenuButton::GetGlyphRect() {
  TRect r = TRzBitBtn::GetGlyphRect();
  if (!showArrow_) return r;
  if (Layout() == blGlyphRight) OffsetRect(r, -14, 0);
  if (Layout() == blGlyphTop || Layout() == blGlyphBottom) OffsetRect(r, -7, 0);
  return r;
}

void TRzMenuButton::Paint() {
  TRzBitBtn::Paint();
  if (!showArrow_) return;
  const TRect client = ClientRect();
  int x = UseRightToLeftAlignment() ? 8 : client.Right - 12;
  int y = (client.Bottom - client.Top) / 2 + client.Top + 2;
  if (showDownVersion_) ++x, ++y;
  const TColor color = Enabled() ? clWindowText : clBtnShadow;
  TCanvas* c = Canvas();
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Polygon({{x, y}, {x - 3, y - 3}, {x + 3, y - 3}});
}
