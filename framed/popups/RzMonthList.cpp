#include "framed/popups/RzMonthList.h"

#include <algorithm>
#include <cstdlib>

#include "framed/controls/RzControlSupport.h"
#include "framed/popups/RzCalendar.h"

TRzMonthList::TRzMonthList(TRzCalendar* calendar)
    : TCustomControl(calendar), calendar_(calendar), itemHeight_(calendar->CharHeight() + 2) {
  SetVisible(false);
  SetParent(calendar);
  SetColor(calendar->Color());
  const int w = calendar->CharWidth() + 2;
  const TPoint corner = calendar->ClientToScreen(Point(2 * w, 2 - 3 * itemHeight_));
  SetBounds(corner.X, corner.Y, calendar->Width() - 4 * w, 7 * itemHeight_ + 2);
  centerMonth_ = highlightMonth_ = calendar->ViewDate();
  DoubleBuffered = true;
  SetVisible(true);
}

void TRzMonthList::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
}

void TRzMonthList::SetHighlightMonth(TDateTime value) {
  if (highlightMonth_ == value) return;
  highlightMonth_ = value;
  Invalidate();
}

void TRzMonthList::SetCenterMonth(TDateTime value) {
  if (centerMonth_ == value) return;
  centerMonth_ = value;
  Invalidate();
}

void TRzMonthList::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  for (int row = 0; row < 7; ++row) {
    const TDateTime month = IncMonth(centerMonth_, row - 3);
    TRect r(0, row * itemHeight_, ClientWidth(), (row + 1) * itemHeight_);
    const bool highlighted = month == highlightMonth_;
    canvas->Brush()->SetColor(highlighted ? clHighlight : Color());
    canvas->FillRect(r);
    HDC dc = FontDC(canvas);
    SetDCTextColor(dc, highlighted ? clHighlightText : Font()->Color());
    ::SetBkMode(dc, TRANSPARENT);
    RECT box = WinRect(r);
    const String text = FormatDateTime("mmmm yyyy", month);
    ::DrawTextA(dc, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TRzMonthList::HitTest(const TPoint& point) {
  if (ClientRect().Contains(point))
    SetHighlightMonth(IncMonth(centerMonth_, point.Y / itemHeight_ - 3));
  else
    SetHighlightMonth(0);
}

int TRzMonthList::ScrollByCursor() {
  POINT p;
  ::GetCursorPos(&p);
  return ScrollByCursorAt(ScreenToClient(Point(p.x, p.y)).Y);
}

int TRzMonthList::ScrollByCursorAt(int y) {
  int step = 0, distance = y;
  if (y < 0) {
    step = -1;
    distance = -y;
  } else if (y > Height()) {
    step = 1;
    distance = y - Height();
  }
  if (step) SetCenterMonth(IncMonth(centerMonth_, step));
  return std::max(0, 5 - distance / 10);
}
