// Painting of the calendar: title, buttons, weekday row, week numbers and the
// day grid, classic or in the visual style.
#include <algorithm>
#include <cmath>

#include "framed/controls/RzControlSupport.h"
#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzPopupButton.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/core/LocaleSettings.h"

class TRzCalendarPainter {
public:
  explicit TRzCalendarPainter(TRzCalendar& c)
      : c_(c), canvas_(c.Canvas()), colors_(*c.CalendarColors()), themed_(ThemeServices()->ThemesEnabled()) {}

  void Paint();

private:
  bool FlatLook() const { return c_.borderOuter_ == fsFlat || c_.borderOuter_ == fsFlatBold; }
  void Text(const TRect& r, const String& text, TColor color, UINT flags);
  void HorizontalLine(int x1, int x2, int y);
  void VerticalLine(int x, int y1, int y2);
  void Title();
  void Triangle(const TRect& r, int direction);
  void Button(TRzCalendarArea area, const String& caption);
  void WeekdayRow();
  void DayGrid();
  int LineStart(TRzCalendarArea fallback) const {
    return c_.Has(ceWeekNumbers) ? a_[caWeekNumbers].Right - (themed_ ? 6 : 5) : a_[fallback].Left;
  }

  TRzCalendar& c_;
  TCanvas* canvas_;
  const TRzCalendarColors& colors_;
  const bool themed_;
  TRzCalendarAreas a_;
};

void TRzCalendarPainter::Text(const TRect& r, const String& text, TColor color, UINT flags) {
  HDC dc = FontDC(canvas_);
  SetDCTextColor(dc, color);
  ::SetBkMode(dc, TRANSPARENT);
  RECT box = WinRect(r);
  ::DrawTextA(dc, text.c_str(), -1, &box, flags);
}

void TRzCalendarPainter::HorizontalLine(int x1, int x2, int y) {
  if (themed_) {
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(ttbSeparatorNormal), TRect(x1, y, x2, y + 3));
    return;
  }
  canvas_->Pen()->SetColor(colors_.Lines());
  canvas_->MoveTo(x1, y);
  canvas_->LineTo(x2, y);
}

void TRzCalendarPainter::VerticalLine(int x, int y1, int y2) {
  if (themed_) {
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(ttbSeparatorVertNormal),
                                 TRect(x, y1, x + 3, y2));
    return;
  }
  canvas_->Pen()->SetColor(colors_.Lines());
  canvas_->MoveTo(x, y1);
  canvas_->LineTo(x, y2);
}

// The arrow the symbol font would show: a solid triangle pointing left (-1) or right (1).
void TRzCalendarPainter::Triangle(const TRect& r, int direction) {
  const int half = std::max(2, c_.charHeight_ / 3);
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  const int tip = cx + direction * half / 2, back = cx - direction * half / 2;
  canvas_->Pen()->SetColor(c_.Font()->Color());
  canvas_->Brush()->SetColor(c_.Font()->Color());
  canvas_->Polygon({Point(tip, cy), Point(back, cy - half), Point(back, cy + half)});
  canvas_->Brush()->SetStyle(bsClear);
}

void TRzCalendarPainter::Title() {
  const TRect& title = a_[caYear];
  if (themed_) {
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(thHeaderRoot), title);
  } else {
    RECT r = WinRect(title);
    ::DrawEdge(canvas_->Handle(), &r, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | (FlatLook() ? BF_FLAT : 0));
  }
  constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (c_.Has(ceArrows)) {
    TFont arrows;
    arrows.Assign(c_.Font());
    arrows.SetName("Marlett");
    arrows.SetSize(c_.Font()->Size() + 4);
    canvas_->SetFont(&arrows);
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(FontDC(canvas_), sizeof face, face);
    if (String(face) == "Marlett") {
      Text(a_[caLeftArrow], "3", c_.Font()->Color(), kCentred);
      Text(a_[caRightArrow], "4", c_.Font()->Color(), kCentred);
    } else {
      Triangle(a_[caLeftArrow], -1);  // a system without the symbol font
      Triangle(a_[caRightArrow], 1);
    }
  }
  canvas_->SetFont(c_.Font());
  const String format = c_.Has(ceYear) ? "mmmm yyyy" : "mmmm";
  Text(title, FormatDateTime(format, c_.viewDate_), c_.Font()->Color(), kCentred);
}

void TRzCalendarPainter::Button(TRzCalendarArea area, const String& caption) {
  const bool pressed = c_.pressedArea_ == area && c_.overArea_ == area;
  DrawPopupButton(canvas_, a_[area], caption, c_.Font()->Color(), pressed, themed_, FlatLook());
}

void TRzCalendarPainter::WeekdayRow() {
  const TRect& row = a_[caDaysOfWeek];
  TRect cell(row.Left, row.Top - 1, row.Left + c_.cellWidth_ - 2, row.Top - 1 + c_.cellHeight_);
  const auto& names = LocaleSettings().ShortDayNames;  // [0] is Sunday
  for (int i = 0; i < 7; ++i) {
    const int mondayBased = (c_.startOfWeek_ + i) % 7;
    const String& name = names[(mondayBased + 1) % 7];
    Text(cell, name.substr(0, 1), colors_.DaysOfWeek(), DT_RIGHT | DT_NOCLIP | DT_VCENTER | DT_SINGLELINE);
    cell.Left += c_.cellWidth_;
    cell.Right += c_.cellWidth_;
  }
  if (c_.Has(ceTodayButton) || c_.Has(ceClearButton) || c_.Has(ceWeekNumbers))
    HorizontalLine(LineStart(caDaysOfWeek), row.Right, cell.Bottom);
}

void TRzCalendarPainter::DayGrid() {
  Cardinal previousMask, shownMask, nextMask;
  c_.BoldMasks(previousMask, shownMask, nextMask);
  if (c_.Has(ceWeekNumbers)) {
    const int t = themed_ ? 1 : 0;
    VerticalLine(a_[caWeekNumbers].Right - 5, a_[caWeekNumbers].Top - t, a_[caWeekNumbers].Bottom + t);
  }
  Word year, shownMonth, day, month;
  DecodeDate(c_.viewDate_, year, shownMonth, day);
  const TDateTime today = ::Date();
  const TRect& days = a_[caDays];
  TRect week(a_[caWeekNumbers].Left, a_[caWeekNumbers].Top + 1, a_[caWeekNumbers].Right - 5,
             a_[caWeekNumbers].Top + 1 + c_.cellHeight_);
  TDateTime d = c_.firstVisibleDate_;
  TFont font;
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column, d += 1) {
      const int left = days.Left + column * c_.cellWidth_, top = days.Top - 1 + row * c_.cellHeight_;
      TRect cell(left, top, left + c_.cellWidth_ - 2, top + c_.cellHeight_);
      DecodeDate(d, year, month, day);
      const bool inMonth = month == shownMonth;
      if (!inMonth && !c_.Has(ceFillDays)) continue;
      const bool before = !inMonth && d < c_.viewDate_;
      const Cardinal mask = inMonth ? shownMask : before ? previousMask : nextMask;
      font.Assign(c_.Font());
      if (mask & (1u << (day - 1))) font.SetStyle(font.Style() | fsBold);
      canvas_->SetFont(&font);
      canvas_->Brush()->SetColor(c_.Color());
      TColor fore = inMonth ? colors_.Days() : colors_.FillDays();
      if (std::trunc(c_.date_) == d) {
        const TRect selected(cell.Left, cell.Top, cell.Right + 2, cell.Bottom);
        canvas_->Brush()->SetColor(colors_.SelectedDateBack());
        canvas_->FillRect(selected);
        fore = colors_.SelectedDateFore();
        if (c_.Focused()) canvas_->DrawFocusRect(selected);
      }
      Text(cell, std::to_string(day), fore, DT_RIGHT | DT_NOCLIP | DT_VCENTER | DT_SINGLELINE);
      if (d == today) {
        canvas_->Pen()->SetColor(colors_.TodaysDateFrame());
        canvas_->Brush()->SetStyle(bsClear);
        canvas_->Rectangle(cell.Left, cell.Top, cell.Right + 2, cell.Bottom);
        canvas_->Brush()->SetStyle(bsSolid);
      }
    }
    if (c_.Has(ceWeekNumbers)) {
      const int number = c_.WeekNumberOfRow(row);
      canvas_->SetFont(c_.Font());
      canvas_->Brush()->SetColor(c_.Color());
      Text(week, std::to_string(number), colors_.DaysOfWeek(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      week.Top += c_.cellHeight_;
      week.Bottom += c_.cellHeight_;
    }
  }
  canvas_->SetFont(c_.Font());
}

void TRzCalendarPainter::Paint() {
  if (themed_)
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(teEditRoot), c_.ClientRect());
  else
    c_.TRzCustomPanel::Paint();
  c_.CalcAreas(a_);
  canvas_->SetFont(c_.Font());
  if (c_.Has(ceYear) || c_.Has(ceMonth)) Title();
  if (c_.Has(ceTodayButton)) Button(caTodayButton, c_.TodayCaption());
  if (c_.Has(ceClearButton)) Button(caClearButton, c_.ClearCaption());
  canvas_->Brush()->SetColor(c_.Color());
  if (c_.Has(ceDaysOfWeek)) WeekdayRow();
  DayGrid();
  if (c_.Has(ceTodayButton) || c_.Has(ceClearButton))
    HorizontalLine(LineStart(caDays), a_[caDays].Right, a_[caDays].Bottom - 1);
}

void TRzCalendar::Paint() { TRzCalendarPainter(*this).Paint(); }
