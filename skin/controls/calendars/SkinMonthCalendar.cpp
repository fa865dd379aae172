#include "skin/controls/calendars/SkinMonthCalendar.h"

#include <cmath>

#include "platform/core/LocaleSettings.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/draw/SPUtils.h"

namespace {

struct ButtonSpec {
  const char* Glyph;
  Integer Interval;
  void (TspSkinMonthCalendar::*Click)(TObject*);
};

}  // namespace

TspSkinMonthCalendar::TspSkinMonthCalendar(TComponent* owner) : TspSkinPanel(owner), date_(Now()) {
  SetBorderStyle(TspSkinBorderStyle::bvFrame);
  PaintByBorders = false;  // the whole panel image, so the grid is drawn on it
  SetBounds(Left(), Top(), 200, 150);
  const ButtonSpec specs[4] = {{"SP_PRIORYEAR", 100, &TspSkinMonthCalendar::PriorYear},
                               {"SP_PRIORMONTH", 250, &TspSkinMonthCalendar::PriorMonth},
                               {"SP_NEXTMONTH", 250, &TspSkinMonthCalendar::NextMonth},
                               {"SP_NEXTYEAR", 100, &TspSkinMonthCalendar::NextYear}};
  for (int i = 0; i < 4; ++i) {
    auto* b = new TspSkinSpeedButton(this);
    b->SetParent(this);
    b->SetBounds(0, 0, 23, 23);
    b->SkinDataName = "resizebutton";
    b->SetNumGlyphs(1);
    b->RepeatMode = true;
    b->RepeatInterval = specs[i].Interval;
    TBitmap glyph;
    glyph.LoadFromResourceName(::GetModuleHandleA(nullptr), specs[i].Glyph);
    b->SetGlyph(&glyph);
    b->OnClick = TNotifyEvent(this, specs[i].Click);
    buttons_[i] = b;
  }
  ArangeControls();
}

// ---- properties ----

void TspSkinMonthCalendar::SetDate(TDateTime value) {
  date_ = value;
  Repaint();
}

void TspSkinMonthCalendar::SetTodayDefault(bool value) {
  todayDefault_ = value;
  if (value) date_ = Now();
  Repaint();
}

void TspSkinMonthCalendar::SetFirstDayOfWeek(TspDaysOfWeek value) {
  firstDayOfWeek_ = value;
  Repaint();
}

void TspSkinMonthCalendar::SetBoldDays(bool value) {
  boldDays_ = value;
  Repaint();
}

void TspSkinMonthCalendar::Loaded() {
  TspSkinPanel::Loaded();
  if (todayDefault_) date_ = Now();
}

void TspSkinMonthCalendar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (TspSkinSpeedButton* b : buttons_)
    if (b) b->SetSkinData(value);
}

void TspSkinMonthCalendar::ChangeSkinData() {
  TspSkinData* data = SkinData();
  if (data && !data->Empty && data->GetControlIndex("stdlabel") != -1) {
    if (auto* label = FindRecord<TspDataSkinStdLabelControl>(data, "stdlabel")) {
      dayColor_ = label->fontcolor;
      titleColor_ = label->activefontcolor;
    } else {
      dayColor_ = titleColor_ = Font()->Color();
    }
  }
  TspSkinPanel::ChangeSkinData();
  ArangeControls();
}

void TspSkinMonthCalendar::SetDefaultCaptionHeight(Integer value) {
  TspSkinPanel::SetDefaultCaptionHeight(value);
  ArangeControls();
  Repaint();
}

void TspSkinMonthCalendar::SetCaptionMode(bool value) {
  TspSkinPanel::SetCaptionMode(value);
  ArangeControls();
  Repaint();
}

// ---- stepping ----

Integer TspSkinMonthCalendar::DaysThisMonth() {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  return DaysInMonth(y, m);
}

// The day is lowered to the new month's last day; the year is not changed.
void TspSkinMonthCalendar::OffsetMonth(Integer n) {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  int month = m + n;
  if (month > 12) month = 1;
  if (month < 1) month = 12;
  int day = std::min<int>(d, DaysInMonth(y, month));
  SetDate(EncodeDate(y, month, day));
}

void TspSkinMonthCalendar::OffsetYear(Integer n) {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  int year = y + n;
  if (year <= 1760 || year > 9999) return;
  int day = std::min<int>(d, DaysInMonth(year, m));
  SetDate(EncodeDate(year, m, day));
}

void TspSkinMonthCalendar::PriorYear(TObject*) {
  OffsetYear(-1);
  Click();
}

void TspSkinMonthCalendar::NextYear(TObject*) {
  OffsetYear(1);
  Click();
}

void TspSkinMonthCalendar::PriorMonth(TObject*) {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  if (m == 1) OffsetYear(-1);
  OffsetMonth(-1);
  Click();
}

void TspSkinMonthCalendar::NextMonth(TObject*) {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  if (m == 12) OffsetYear(1);
  OffsetMonth(1);
  Click();
}

// ---- layout ----

TRect TspSkinMonthCalendar::Area() {
  TRect r{0, 0, Width(), Height()};
  AdjustClientRect(r);
  return r;
}

void TspSkinMonthCalendar::ArangeControls() {
  if (!buttons_[3]) return;
  TRect r = Area();
  buttons_[0]->SetBounds(r.Left + 1, r.Top + 1, buttons_[0]->Width(), buttons_[0]->Height());
  buttons_[1]->SetBounds(buttons_[0]->Left() + 24, r.Top + 1, buttons_[1]->Width(), buttons_[1]->Height());
  buttons_[3]->SetBounds(r.Right - 24, r.Top + 1, buttons_[3]->Width(), buttons_[3]->Height());
  buttons_[2]->SetBounds(buttons_[3]->Left() - 24, r.Top + 1, buttons_[2]->Width(), buttons_[2]->Height());
}

Integer TspSkinMonthCalendar::GetMonthOffset() {
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  // 1 when the 1st falls on the first day of the week, 0 on the day before it.
  int shift = (DayOfWeek(EncodeDate(y, m, 1)) - static_cast<int>(firstDayOfWeek_) + 7) % 7;
  return shift == 0 ? -5 : 2 - shift;
}

// A tiny calendar keeps rows of at least one pixel.
void TspSkinMonthCalendar::Metrics(TCanvas* canvas, const TRect& area) {
  columnWidth_ = (area.Width() - 2) / 7;
  lineY_ = area.Top + 33 + canvas->TextHeight("Wq") + 1;
  rowHeight_ = std::max<Integer>((area.Bottom - lineY_ - 4) / 6, 1);
}

// ---- drawing ----

void TspSkinMonthCalendar::DrawFrame(const TRect& r, TCanvas* canvas) {
  bool skinned = SkinRecordIndex != -1;
  TspButtonRecordLook look;
  if (!skinned || !look.Find(SkinData(), "resizebutton")) {
    canvas->Pen()->SetColor(skinned ? titleColor_ : Font()->Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    return;
  }
  if (r.Width() <= 0 || r.Height() <= 0) return;
  TBitmap image(r.Width(), r.Height());
  look.Compose(&image, true, true);
  canvas->Draw(r.Left, r.Top, &image);
  canvas->Font()->SetColor(look.Record->downfontcolor);
}

void TspSkinMonthCalendar::DrawCalendar(TCanvas* canvas) {
  TRect r = Area();
  bool skinned = SkinRecordIndex != -1;
  TFont* font = canvas->Font();
  font->Assign(DefaultFont());
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  canvas->Brush()->SetStyle(bsClear);
  font->SetStyle(fsBold);
  if (skinned) font->SetColor(titleColor_);
  String title = FormatDateTime("mmmm, yyyy", date_);
  canvas->TextOut(Width() / 2 - canvas->TextWidth(title) / 2 - 2, r.Top + 3, title);
  Metrics(canvas, r);
  Integer w = columnWidth_;
  const TLocaleSettings& locale = LocaleSettings();
  for (int i = 0; i < 7; ++i) {
    String name = locale.ShortDayNames[static_cast<size_t>((firstDayOfWeek_ + i) % 7)].substr(0, 4);
    Integer x = r.Left + 1 + i * w;
    canvas->TextOut(x + w / 2 - canvas->TextWidth(name) / 2, r.Top + 33, name);
  }
  canvas->Pen()->SetColor(font->Color());
  canvas->MoveTo(r.Left + 1, lineY_);
  canvas->LineTo(r.Right - 1, lineY_);
  font->SetStyle(boldDays_ ? fsBold : 0);
  if (skinned) font->SetColor(dayColor_);
  Integer offset = GetMonthOffset(), days = DaysThisMonth(), h = rowHeight_;
  Word y, m, d;
  DecodeDate(date_, y, m, d);
  for (int k = 1; k <= 6; ++k) {
    Integer top = lineY_ + 3 + (k - 1) * h, bottom = lineY_ + 3 + k * h;
    for (int c = 0; c < 7; ++c) {
      Integer n = offset + c + 7 * (k - 1);
      if (n < 1 || n > days) continue;
      Integer x = r.Left + 1 + c * w;
      if (n == d) DrawFrame(TRect{x, top, x + w, bottom}, canvas);
      String text = std::to_string(n);
      canvas->Brush()->SetStyle(bsClear);
      canvas->TextOut(x + w / 2 - canvas->TextWidth(text) / 2, bottom - h / 2 - canvas->TextHeight(text) / 2, text);
      if (skinned) font->SetColor(dayColor_);
    }
  }
}

void TspSkinMonthCalendar::CreateControlDefaultImage(TBitmap* b) {
  TspSkinPanel::CreateControlDefaultImage(b);
  DrawCalendar(b->Canvas());
}

void TspSkinMonthCalendar::CreateControlSkinImage(TBitmap* b) {
  TspSkinPanel::CreateControlSkinImage(b);
  DrawCalendar(b->Canvas());
}

// ---- clicking a day ----

Integer TspSkinMonthCalendar::DayNumFromPoint(int x, int y) {
  TRect r = Area();
  if (x < r.Left || y < r.Top || x >= r.Right || y >= r.Bottom) return 0;
  TBitmap probe(1, 1);
  probe.Canvas()->Font()->Assign(DefaultFont());
  probe.Canvas()->Font()->SetStyle(fsBold);
  Metrics(probe.Canvas(), r);
  Integer w = columnWidth_, h = rowHeight_;
  if (w <= 0) return 0;
  Integer offset = GetMonthOffset(), days = DaysThisMonth();
  for (int k = 0; k <= 6; ++k) {
    Integer top = lineY_ + 3 + (k - 1) * h, bottom = lineY_ + 3 + k * h;
    if (y < top || y >= bottom) continue;
    for (int c = 0; c < 7; ++c) {
      Integer left = r.Left + 1 + c * w;
      if (x < left || x >= left + w) continue;
      Integer n = offset + c + 7 * (k - 1);
      return n >= 1 && n <= days ? n : 0;
    }
  }
  return 0;
}

void TspSkinMonthCalendar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinPanel::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  Integer n = DayNumFromPoint(x, y);
  if (n == 0) return;
  Word year, month, day;
  DecodeDate(date_, year, month, day);
  SetDate(EncodeDate(year, month, n));
  OnNumberClick(this);
}

void TspSkinMonthCalendar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TspSkinPanel::Dispatch(message);
      return ArangeControls();
    case WM_PAINT:
      inPaint_ = true;
      TspSkinPanel::Dispatch(message);
      inPaint_ = false;
      return;
    case WM_ERASEBKGND:
      if (!inPaint_ && message.WParam) PaintWindow(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    default:
      break;
  }
  TspSkinPanel::Dispatch(message);
}
