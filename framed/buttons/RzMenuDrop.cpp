#include "framed/buttons/RzMenuDrop.h"

#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzCustomButton.h"
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

void TRzMenuDrop::SetMenu(TPopupMenu* value) {
  if (menu_ == value) return;
  menu_ = value;
  if (value) value->FreeNotification(button_);
}

void TRzMenuDrop::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == menu_) menu_ = nullptr;
}

void TRzMenuDrop::Popup() {
  if (!menu_) return;
  const TPoint p = DropDownPoint(button_, EstimateMenuWidth(button_, menu_));
  menu_->SetPopupComponent(button_);
  menu_->Popup(p.X, p.Y);
}

// The menu runs modally inside `drop`: the time kept is when it closed.
bool TRzMenuDrop::Press(const std::function<void()>& drop) {
  if (dropTime_ != 0 && FramedClock().TickCount() < dropTime_ + 100) {
    skipNextClick_ = true;
    dropTime_ = 0;
    button_->SetMouseCapture(false);
    return false;
  }
  drop();
  skipNextClick_ = true;
  dropTime_ = FramedClock().TickCount();
  return true;
}

bool TRzMenuDrop::TakeSkippedClick() {
  if (!skipNextClick_) return false;
  skipNextClick_ = false;
  return true;
}

void TRzMenuDrop::PaintArrow(TCanvas* canvas, int x, int y, bool enabled) {
  const TColor color = enabled ? clWindowText : clBtnShadow;
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->Polygon({{x, y}, {x - 3, y - 3}, {x + 3, y - 3}});
}
