// The calendar's mouse, keys and the auto-repeat of its arrows and month list.
#include <cmath>

#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzMonthList.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"

namespace {

constexpr Cardinal kRepeatInterval = 50;

bool Contains(const TRect& r, const TPoint& p) { return !r.IsEmpty() && r.Contains(p); }

bool IsButtonOrDays(TRzCalendarArea area) {
  return area == caDays || area == caTodayButton || area == caClearButton;
}

}  // namespace

void TRzCalendar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST: return WMNCHitTest(message);
    case WM_GETDLGCODE: message.Result = DLGC_WANTARROWS; return;
    default: return TRzCustomPanel::Dispatch(message);
  }
}

// The areas are tried from the Clear button down to the title, so the arrows win
// over the title they lie in.
void TRzCalendar::WMNCHitTest(TMessage& message) {
  TRzCustomPanel::Dispatch(message);
  TRzCalendarAreas areas;
  CalcAreas(areas);
  const TPoint p = ScreenToClient(Point(static_cast<short>(LOWORD(message.LParam)),
                                        static_cast<short>(HIWORD(message.LParam))));
  TRzCalendarArea over = caFillDays;
  for (int a = caClearButton; a >= caYear; --a)
    if (Contains(areas[a], p)) {
      over = static_cast<TRzCalendarArea>(a);
      break;
    }
  SetOverArea(over);
}

void TRzCalendar::CMDialogChar(TMessage& message) {
  if (!Enabled()) return TRzCustomPanel::CMDialogChar(message);
  const Word key = static_cast<Word>(message.WParam);
  if (IsAccel(key, captionClearBtn_)) {
    Clear();
    message.Result = 1;
  } else if (IsAccel(key, captionTodayBtn_)) {
    Today();
    message.Result = 1;
  } else {
    TRzCustomPanel::CMDialogChar(message);
  }
}

void TRzCalendar::InvalidatePressedRect() {
  if (pressedRect_.IsEmpty() || !HandleAllocated()) return;
  RECT r = {pressedRect_.Left, pressedRect_.Top, pressedRect_.Right, pressedRect_.Bottom};
  ::InvalidateRect(Handle(), &r, FALSE);
}

void TRzCalendar::SetOverArea(TRzCalendarArea value) {
  if (overArea_ == value) return;
  const bool touchesPressed = overArea_ == pressedArea_ || value == pressedArea_;
  overArea_ = value;
  if (touchesPressed) InvalidatePressedRect();
}

void TRzCalendar::SetPressedArea(TRzCalendarArea value) {
  if (pressedArea_ == value) return;
  pressedArea_ = value;
  InvalidatePressedRect();
}

void TRzCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseDown(button, shift, x, y);
  if (!HasState(csDesigning) && !InPopup && HandleAllocated() && ::IsWindowVisible(Handle()) && CanFocus())
    SetFocus();
  if (button != mbLeft) return;
  if (!ClientRect().Contains(Point(x, y))) SetOverArea(caFillDays);
  TRzCalendarAreas areas;
  CalcAreas(areas);
  pressedRect_ = IsButtonOrDays(overArea_) ? areas[overArea_] : TRect(0, 0, 0, 0);
  SetPressedArea(overArea_);
  if (pressedArea_ >= caWeekNumbers)
    UpdateHighlight(x, y);
  else if (pressedArea_ == caYear || pressedArea_ == caLeftArrow || pressedArea_ == caRightArrow)
    StartTimer();
}

void TRzCalendar::MouseMove(TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseMove(shift, x, y);
  UpdateHighlight(x, y);
}

// Dragging over the grid moves the selection day by day, without turning the page.
void TRzCalendar::UpdateHighlight(int x, int y) {
  if (monthList_) {
    monthList_->HitTest(monthList_->ScreenToClient(ClientToScreen(Point(x, y))));
    return;
  }
  if (pressedArea_ != caDays || overArea_ != caDays) return;
  const TDateTime d = InternalHitTest(pressedRect_, Point(x, y));
  if (d == 0 || d == std::trunc(date_)) return;
  date_ = (date_ - std::trunc(date_)) + d;
  Changed();
  Invalidate();
}

void TRzCalendar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    if (monthList_ && monthList_->HighlightMonth() != 0) SetViewDate(monthList_->HighlightMonth());
    SetPressedArea(caFillDays);
    StopTimer();
  }
  TRzCustomPanel::MouseUp(button, shift, x, y);
}

// The platform clicks on the release, before MouseUp: only a release on the area
// that was pressed counts.
void TRzCalendar::Click() {
  if (pressedArea_ != overArea_ || !IsButtonOrDays(pressedArea_)) return;
  if (pressedArea_ == caDays) SetViewDate(date_);
  else if (pressedArea_ == caTodayButton) Today();
  else Clear();
  TRzCustomPanel::Click();
}

void TRzCalendar::DblClick() {
  SetPressedArea(overArea_);
  if (IsButtonOrDays(pressedArea_)) TRzCustomPanel::DblClick();
}

void TRzCalendar::DoEnter() {
  TRzCustomPanel::DoEnter();
  Invalidate();
}

void TRzCalendar::DoExit() {
  TRzCustomPanel::DoExit();
  Invalidate();
}

void TRzCalendar::KeyDown(Word& key, TShiftState shift) {
  TRzCustomPanel::KeyDown(key, shift);
  if (shift != 0) return;
  const TDateTime base = IsClear() ? ::Date() : date_;
  Word year, month, day;
  DecodeDate(base, year, month, day);
  const TDateTime time = base - std::trunc(base);
  switch (key) {
    case VK_END: SetDate(EncodeDate(year, month, DaysInMonth(year, month)) + time); break;
    case VK_HOME: SetDate(EncodeDate(year, month, 1) + time); break;
    case VK_LEFT: SetDate(base - 1); break;
    case VK_UP: SetDate(base - 7); break;
    case VK_RIGHT: SetDate(base + 1); break;
    case VK_DOWN: SetDate(base + 7); break;
    case VK_PRIOR:
      if (Has(ceMonth)) SetDate(IncMonth(base, -1));
      break;
    case VK_NEXT:
      if (Has(ceMonth)) SetDate(IncMonth(base, 1));
      break;
    case VK_RETURN: OnClick(this); break;
    default: break;
  }
}

// ---- auto-repeat ----

bool TRzCalendar::RepeatDue(int& count) {
  ++count;
  return (count <= 19 && count % 5 == 0) || (count >= 20 && count <= 199 && count % 2 == 0) || count >= 200;
}

void TRzCalendar::StartTimer() {
  if (overArea_ == caYear) monthList_ = std::make_unique<TRzMonthList>(this);
  repeatCount_ = -1;
  TimerExpired();
  repeatTimer_ = FramedClock().MakeTimer();
  repeatTimer_->OnTimer = TNotifyEvent::Function([this](TObject*) { TimerExpired(); });
  repeatTimer_->SetInterval(kRepeatInterval);
  repeatTimer_->SetEnabled(true);
}

void TRzCalendar::StopTimer() {
  repeatTimer_.reset();
  CloseMonthList();
}

void TRzCalendar::CloseMonthList() { monthList_.reset(); }

void TRzCalendar::TimerExpired() {
  if (pressedArea_ == caLeftArrow || pressedArea_ == caRightArrow) {
    if (!RepeatDue(repeatCount_) || overArea_ != pressedArea_) return;
    int step = pressedArea_ == caLeftArrow ? -1 : 1;
    if (UseRightToLeftAlignment()) step = -step;
    SetViewDate(IncMonth(viewDate_, step));
  } else if (pressedArea_ == caYear && monthList_) {
    if (--repeatCount_ > 0) return;
    repeatCount_ = monthList_->ScrollByCursor();
  }
}
