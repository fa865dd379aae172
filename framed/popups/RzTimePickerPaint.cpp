// Painting of the time picker: the time band, the clock face with its numbers,
// ticks and hands, and the AM/PM choices and Set button below it.
#include <cmath>
#include <vector>

#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/popups/RzPopupButton.h"
#include "framed/popups/RzTimePicker.h"
#include "framed/theme/RzThemeSrv.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

TPoint Polar(double angle, double length) {
  const int d = Round(length);
  return Point(Round(std::cos(angle) * d), Round(std::sin(angle) * d));
}

// A colour equal to mid-grey as RGB is moved off it by one, so the glyph's grey
// entries never collide with a mapped colour.
TColor OffGray(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return rgb == 0x808080 ? rgb + 1 : color;
}

}  // namespace

class TRzTimePickerPainter {
public:
  explicit TRzTimePickerPainter(TRzTimePicker& p)
      : p_(p), canvas_(p.Canvas()), themed_(ThemeServices()->ThemesEnabled()) {}

  void Paint();
  void Clock(const TRect& rect, const TPoint& center, int radius);

private:
  bool FlatLook() const { return p_.borderOuter_ == fsFlat || p_.borderOuter_ == fsFlatBold; }
  void Text(const TRect& r, const String& text, TColor color) {
    HDC dc = FontDC(canvas_);
    SetDCTextColor(dc, color);
    ::SetBkMode(dc, TRANSPARENT);
    RECT box = WinRect(r);
    ::DrawTextA(dc, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  void Choice(const TRect& r, const String& caption, bool selected);
  void SetButton();
  void Hand(const TPoint& center, double angle, double tip, double base, int r);

  TRzTimePicker& p_;
  TCanvas* canvas_;
  const bool themed_;
};

void TRzTimePickerPainter::Hand(const TPoint& center, double angle, double tip, double base, int r) {
  const TPoint t = Polar(angle, tip), b = Polar(angle, base);
  const int w = Round(0.04 * r);
  const double across = angle + kPi / 2;
  const TPoint side = Point(Round(std::cos(across) * w), Round(std::sin(across) * w));
  canvas_->Polygon({center, Point(center.X + b.X - side.X, center.Y + b.Y - side.Y),
                    Point(center.X + t.X, center.Y + t.Y), Point(center.X + b.X + side.X, center.Y + b.Y + side.Y)});
}

void TRzTimePickerPainter::Clock(const TRect& rect, const TPoint& center, int r) {
  const TRzClockFaceColors& colors = *p_.ClockFaceColors();
  canvas_->Pen()->SetColor(p_.Focused() ? DarkerColor(colors.Face(), 40) : colors.Face());
  canvas_->Brush()->SetColor(colors.Face());
  TFont font;
  font.Assign(p_.Font());
  font.SetStyle(font.Style() | fsBold);
  font.SetHeight(-Round(0.2 * r));
  canvas_->SetFont(&font);
  canvas_->Ellipse(rect);
  HDC dc = FontDC(canvas_);
  const UINT savedAlign = ::SetTextAlign(dc, TA_CENTER | TA_TOP);
  const int h = canvas_->TextHeight("0") / 2;
  canvas_->Brush()->SetStyle(bsClear);
  for (int n = 1; n <= 12; ++n) {
    const TPoint q = Polar(n * kPi / 6 - kPi / 2, 0.75 * r);
    SetDCTextColor(dc, colors.Numbers());
    ::SetBkMode(dc, TRANSPARENT);
    const String text = std::to_string(n);
    ::TextOutA(dc, center.X + q.X, center.Y + q.Y - h, text.c_str(), static_cast<int>(text.size()));
  }
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->Pen()->SetColor(colors.HourTicks());
  canvas_->Brush()->SetColor(colors.HourTicks());
  const int e = Round(0.02 * r);
  for (int i = 1; i <= 60; ++i) {
    const TPoint q = Polar(i * kPi / 30 - kPi / 2, 0.92 * r);
    const int x = center.X + q.X, y = center.Y + q.Y;
    if (i % 5 == 0)
      canvas_->Rectangle(x - e, y - e, x + e + 1, y + e + 1);
    else
      canvas_->SetPixels(x, y, colors.MinuteTicks());
  }
  canvas_->Pen()->SetColor(colors.Hands());
  canvas_->Brush()->SetColor(colors.Hands());
  Word hour, minute, second, ms;
  DecodeTime(p_.Time(), hour, minute, second, ms);
  Hand(center, minute * kPi / 30 - kPi / 2, 0.8 * r, 0.25 * r, r);
  const int h12 = hour > 12 ? hour - 12 : hour;
  Hand(center, h12 * kPi / 6 - kPi / 2, 0.5 * r, 0.15 * r, r);
  ::SetTextAlign(dc, savedAlign);
}

// The classic choice is the shared radio glyph recoloured for the picker; its
// corners (olive) and background (teal) both take the picker's colour.
void TRzTimePickerPainter::Choice(const TRect& r, const String& caption, bool selected) {
  TBitmap glyph(13, 13, pf32bit);
  glyph.Canvas()->Brush()->SetColor(p_.Color());
  glyph.Canvas()->FillRect(Rect(0, 0, 13, 13));
  if (themed_) {
    ThemeServices()->DrawElement(glyph.Canvas()->Handle(),
                                 GetElementDetails(selected ? tbRadioButtonCheckedNormal : tbRadioButtonUncheckedNormal),
                                 Rect(0, 0, 13, 13));
    canvas_->Draw(r.Left, r.Top + (r.Height() - 13) / 2, &glyph);
  } else {
    static const std::vector<TColor> kOld = {clWhite, clBlack, clGreen,  clGray, clPurple, clMaroon, clLime, clRed,
                                             clFuchsia, clYellow, clNavy, clBlue, clAqua,   clTeal,   clOlive};
    const TColor shadow = clBtnShadow, window = clWindow, face = p_.Color();
    const std::vector<TColor> kNew = {window,
                                      OffGray(shadow),
                                      LighterColor(shadow, 10),
                                      BlendColors(shadow, window, 128),
                                      BlendColors(shadow, window, 128),
                                      BlendColors(shadow, window, 80),
                                      BlendColors(shadow, window, 80),
                                      window,
                                      window,
                                      window,
                                      OffGray(clHighlight),
                                      BlendColors(clHighlight, window, 153),
                                      BlendColors(shadow, face, 100),
                                      face,
                                      face};
    TBitmap* mapped =
        MappedGlyph(selected ? "RZCOMMON_RADIOBUTTON_CHECKED" : "RZCOMMON_RADIOBUTTON_UNCHECKED", kOld, kNew);
    canvas_->Draw(r.Left, r.Top + (r.Height() - 13) / 2, mapped ? mapped : &glyph);
  }
  canvas_->Brush()->SetColor(p_.Color());
  canvas_->SetFont(p_.Font());
  Text(TRect(r.Left + 14, r.Top, r.Right, r.Bottom), caption, p_.Font()->Color());
}

void TRzTimePickerPainter::SetButton() {
  const bool pressed = p_.leftDown_ && p_.setPressed_;
  DrawPopupButton(canvas_, p_.SetButtonRect(), p_.SetButtonText(), p_.Font()->Color(), pressed, themed_, FlatLook());
}

void TRzTimePickerPainter::Paint() {
  if (themed_)
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(teEditRoot), p_.ClientRect());
  else
    p_.TRzCustomPanel::Paint();
  p_.CalcRects();
  canvas_->SetFont(p_.Font());
  const TRect band = p_.TimeRect();
  if (themed_) {
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(thHeaderRoot), band);
  } else {
    RECT r = WinRect(band);
    ::DrawEdge(canvas_->Handle(), &r, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | (FlatLook() ? BF_FLAT : 0));
  }
  canvas_->Brush()->SetStyle(bsClear);
  Text(band, FormatDateTime(p_.Format().empty() ? String("h:mm ampm") : p_.Format(), p_.Time()), p_.Font()->Color());
  canvas_->Brush()->SetStyle(bsSolid);
  p_.DrawClock(p_.ClockRect(), p_.Center(), p_.Radius());
  canvas_->SetFont(p_.Font());
  const int y = p_.AMRect().Top - 5;
  if (themed_) {
    ThemeServices()->DrawElement(canvas_->Handle(), GetElementDetails(ttbSeparatorNormal),
                                 TRect(5, y, p_.Width() - 5, y + 3));
  } else {
    canvas_->Pen()->SetColor(clBtnShadow);
    canvas_->MoveTo(5, y);
    canvas_->LineTo(p_.Width() - 5, y);
  }
  Choice(p_.AMRect(), p_.AMText(), !p_.IsPM());
  Choice(p_.PMRect(), p_.PMText(), p_.IsPM());
  if (p_.ShowSetButton()) SetButton();
}

void TRzTimePicker::Paint() { TRzTimePickerPainter(*this).Paint(); }

void TRzTimePicker::DrawClock(const TRect& rect, const TPoint& center, int radius) {
  TRzTimePickerPainter(*this).Clock(rect, center, radius);
}
