// The value and label objects of a skinned frame: track bar, gauge, frame gauge,
// frame regulator, bit label and label.
#include "skin/form/SkinValueObjects.h"

#include <cmath>
#include <numbers>

#include "skin/draw/SkinRects.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

Integer RoundEven(double v) { return static_cast<Integer>(std::nearbyint(v)); }

// The fraction of a value between two bounds; 0 when the bounds are equal.
double Fraction(Integer value, Integer low, Integer high) {
  return high == low ? 0.0 : double(value - low) / double(high - low);
}

void DrawBitmapAt(TCanvas* canvas, TBitmap& b, const TRect& at) {
  ::BitBlt(canvas->Handle(), at.Left, at.Top, b.Width(), b.Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void CopyPart(TBitmap& dest, Integer x, Integer y, TBitmap* source, const TRect& s) {
  if (!source || s.Width() <= 0 || s.Height() <= 0) return;
  ::BitBlt(dest.Canvas()->Handle(), x, y, s.Width(), s.Height(), source->Canvas()->Handle(), s.Left, s.Top, SRCCOPY);
}

}  // namespace

// ---- track bar ----

TspSkinTrackBarObject::TspSkinTrackBarObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* r = dynamic_cast<TspDataSkinTrackBar*>(data)) {
    ButtonRect = r->ButtonRect;
    activebuttonrect = r->activebuttonrect;
    beginpoint = r->beginpoint;
    endpoint = r->endpoint;
    MinValue = r->MinValue;
    MaxValue = r->MaxValue;
    mousedownchangevalue = r->mousedownchangevalue;
    buttontransparent = r->buttontransparent;
    buttontransparentcolor = r->buttontransparentcolor;
  }
  Vertical = std::abs(beginpoint.Y - endpoint.Y) >= std::abs(endpoint.X - beginpoint.X);
  Value = MinValue;
  ButtonPos = CalcButtonPos();
}

TPoint TspSkinTrackBarObject::CalcButtonPos() const {
  const double f = Fraction(Value, MinValue, MaxValue);
  if (!Vertical) return Point(beginpoint.X + RoundEven(f * (endpoint.X - beginpoint.X)), beginpoint.Y);
  return Point(beginpoint.X, endpoint.Y + RoundEven((1 - f) * (beginpoint.Y - endpoint.Y)));
}

Integer TspSkinTrackBarObject::CalcValue() const {
  // A track without length has one place: the minimum.
  double f = 0;
  if (!Vertical && endpoint.X != beginpoint.X)
    f = double(ButtonPos.X - beginpoint.X) / (endpoint.X - beginpoint.X);
  else if (Vertical && beginpoint.Y != endpoint.Y)
    f = 1 - double(ButtonPos.Y - endpoint.Y) / (beginpoint.Y - endpoint.Y);
  return MinValue + RoundEven((MaxValue - MinValue) * f);
}

TRect TspSkinTrackBarObject::CalcButtonRect(const TPoint& p) const {
  const Integer w = RectWidth(ButtonRect), h = RectHeight(ButtonRect);
  return Bounds(p.X - w / 2, p.Y - h / 2, w, h);
}

void TspSkinTrackBarObject::SimplySetValue(Integer value) {
  Value = std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
  OldButtonPos = ButtonPos;
  ButtonPos = CalcButtonPos();
  SkinForm->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::SetValue(Integer value) {
  if (value == Value) return;
  Value = std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
  OldButtonPos = ButtonPos;
  ButtonPos = CalcButtonPos();
  SkinForm->DrawSkinObject(this);
  SkinForm->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::SetButtonPos(const TPoint& p) {
  if (p == ButtonPos) return;
  OldButtonPos = ButtonPos;
  ButtonPos = p;
  Value = CalcValue();
  SkinForm->DrawSkinObject(this);
  SkinForm->TrackBarChangeValueEvent(IDName, Value);
}

void TspSkinTrackBarObject::Draw(TCanvas* canvas, bool) {
  if (!HasSkin()) return;
  const Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  if (!DrawableSize(w, h)) return;
  TBitmap b(w, h);
  if (IsNullRect(activeskinrect)) {
    CopyPart(b, 0, 0, Picture, skinrect);
  } else if (!Vertical) {
    const Integer split = std::clamp(ButtonPos.X, 0, w);
    CopyPart(b, 0, 0, ActivePicture, Bounds(activeskinrect.Left, activeskinrect.Top, split, h));
    CopyPart(b, split, 0, Picture, Bounds(skinrect.Left + split, skinrect.Top, w - split, h));
  } else {
    const Integer split = std::clamp(ButtonPos.Y, 0, h);
    CopyPart(b, 0, 0, Picture, Bounds(skinrect.Left, skinrect.Top, w, split));
    CopyPart(b, 0, split, ActivePicture, Bounds(activeskinrect.Left, activeskinrect.Top + split, w, h - split));
  }
  const TRect source = Dragging && !IsNullRect(activebuttonrect) ? activebuttonrect : ButtonRect;
  if (ActivePicture && !IsNullRect(source) && DrawableSize(source.Width(), source.Height())) {
    const TRect at = CalcButtonRect(ButtonPos);
    TBitmap button(source.Width(), source.Height());
    CopyPart(button, 0, 0, ActivePicture, source);
    if (buttontransparent) {
      button.SetTransparentMode(tmFixed);
      button.SetTransparentColor(buttontransparentcolor);
      button.SetTransparent(true);
    }
    b.Canvas()->Draw(at.Left, at.Top, &button);
  }
  DrawBitmapAt(canvas, b, ObjectRect);
}

void TspSkinTrackBarObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  const TPoint l = Point(x - ObjectRect.Left, y - ObjectRect.Top);
  if (CalcButtonRect(ButtonPos).Contains(l) && button == mbLeft) {
    Dragging = true;
    DragPoint = l;
    if (!IsNullRect(activebuttonrect)) SkinForm->DrawSkinObject(this);
  } else if (mousedownchangevalue && button == mbLeft) {
    if (!Vertical)
      SetButtonPos(Point(std::clamp(l.X, std::min(beginpoint.X, endpoint.X), std::max(beginpoint.X, endpoint.X)),
                         beginpoint.Y));
    else
      SetButtonPos(Point(beginpoint.X,
                         std::clamp(l.Y, std::min(endpoint.Y, beginpoint.Y), std::max(endpoint.Y, beginpoint.Y))));
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinTrackBarObject::MouseMove(Integer x, Integer y) {
  const TPoint l = Point(x - ObjectRect.Left, y - ObjectRect.Top);
  if (Dragging) {
    if (!Vertical) {
      const Integer n = l.X + ButtonPos.X - DragPoint.X;
      if (beginpoint.X <= n && n <= endpoint.X) SetButtonPos(Point(n, ButtonPos.Y));
    } else {
      const Integer n = l.Y + ButtonPos.Y - DragPoint.Y;
      if (endpoint.Y <= n && n <= beginpoint.Y) SetButtonPos(Point(ButtonPos.X, n));
    }
  }
  DragPoint = l;
  TspActiveSkinObject::MouseMove(x, y);
}

void TspSkinTrackBarObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  if (button == mbLeft && Dragging) {
    Dragging = false;
    if (!IsNullRect(activebuttonrect)) SkinForm->DrawSkinObject(this);
  }
  TspActiveSkinObject::MouseUp(x, y, button);
}

// ---- gauge ----

TspSkinGaugeObject::TspSkinGaugeObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* r = dynamic_cast<TspDataSkinGauge*>(data)) {
    MinValue = r->MinValue;
    MaxValue = r->MaxValue;
    Kind = r->Kind;
  }
  Value = MinValue;
  ProgressPos = CalcProgressPos();
}

TPoint TspSkinGaugeObject::CalcProgressPos() const {
  const double f = Fraction(Value, MinValue, MaxValue);
  if (Kind == gkHorizontal) return Point(RoundEven(f * RectWidth(skinrect)), 0);
  return Point(0, RoundEven(RectHeight(skinrect) * (1 - f)));
}

void TspSkinGaugeObject::SimplySetValue(Integer value) {
  if (value == Value) return;
  Value = std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
  OldProgressPos = ProgressPos;
  ProgressPos = CalcProgressPos();
}

void TspSkinGaugeObject::SetValue(Integer value) {
  SimplySetValue(value);
  SkinForm->DrawSkinObject(this);
}

void TspSkinGaugeObject::Draw(TCanvas* canvas, bool update) {
  if (!HasSkin() || (Value == MinValue && !update)) return;
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (!DrawableSize(w, h)) return;
  TBitmap b(w, h);
  if (Kind == gkHorizontal) {
    const Integer p = std::clamp(ProgressPos.X, 0, w);
    CopyPart(b, p, 0, Picture, Bounds(skinrect.Left + p, skinrect.Top, w - p, h));
    CopyPart(b, 0, 0, ActivePicture, Bounds(activeskinrect.Left, activeskinrect.Top, p, h));
  } else {
    const Integer p = std::clamp(ProgressPos.Y, 0, h);
    CopyPart(b, 0, 0, Picture, Bounds(skinrect.Left, skinrect.Top, w, p));
    CopyPart(b, 0, p, ActivePicture, Bounds(activeskinrect.Left, activeskinrect.Top + p, w, h - p));
  }
  DrawBitmapAt(canvas, b, ObjectRect);
}

void TspSkinGaugeObject::MouseEnter() {
  MouseOver = Active = true;
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinGaugeObject::MouseLeave() {
  MouseOver = Active = false;
  SkinForm->MouseLeaveEvent(IDName);
}

// ---- frame strips ----

TspSkinFrameObject::TspSkinFrameObject(TspDynamicSkinForm* form, TspDataSkinObject* data, Integer frames,
                                       TFramesPlacement placement)
    : TspActiveSkinObject(form, data), countframes(frames), FramesPlacement(placement) {
  if (countframes <= 0) return;
  if (placement == fpHorizontal) {
    FrameWidth = RectWidth(activeskinrect) / countframes;
    FrameHeight = RectHeight(activeskinrect);
  } else {
    FrameHeight = RectHeight(activeskinrect) / countframes;
    FrameWidth = RectWidth(activeskinrect);
  }
}

void TspSkinFrameObject::SetFrame(Integer value) {
  if (value >= 1 && value <= countframes) Frame = value;
  SkinForm->DrawSkinObject(this);
}

Integer TspSkinFrameObject::FrameOf(Integer value, Integer minValue, Integer maxValue) const {
  if (countframes < 2) return 1;
  const Integer step = (maxValue - minValue) / (countframes - 1);
  if (step == 0) return 1;
  return std::min(countframes, std::abs(value - minValue) / std::abs(step) + 1);
}

void TspSkinFrameObject::Draw(TCanvas* canvas, bool) {
  if (!HasSkin() || FrameWidth <= 0 || FrameHeight <= 0) return;
  const TRect& a = activeskinrect;
  const TRect source = FramesPlacement == fpHorizontal
                           ? Rect(a.Left + FrameWidth * (Frame - 1), a.Top, a.Left + FrameWidth * Frame, a.Top + FrameHeight)
                           : Rect(a.Left, a.Top + (Frame - 1) * FrameHeight, a.Left + FrameWidth, a.Top + Frame * FrameHeight);
  CopyFrom(canvas, ActivePicture, source);
}

TspSkinFrameGaugeObject::TspSkinFrameGaugeObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspSkinFrameObject(form, data,
                         dynamic_cast<TspDataSkinFrameGaugeObject*>(data)
                             ? static_cast<TspDataSkinFrameGaugeObject*>(data)->countframes : 0,
                         dynamic_cast<TspDataSkinFrameGaugeObject*>(data)
                             ? static_cast<TspDataSkinFrameGaugeObject*>(data)->FramesPlacement : fpHorizontal) {
  if (auto* r = dynamic_cast<TspDataSkinFrameGaugeObject*>(data)) {
    MinValue = r->MinValue;
    MaxValue = r->MaxValue;
  }
}

void TspSkinFrameGaugeObject::SimplySetValue(Integer value) {
  if (value != Value && MinValue <= value && value <= MaxValue) Value = value;
}

void TspSkinFrameGaugeObject::SetValue(Integer value) {
  if (value == Value || value < MinValue || value > MaxValue) return;
  Value = value;
  SkinForm->DrawSkinObject(this);
}

void TspSkinFrameGaugeObject::Draw(TCanvas* canvas, bool update) {
  Frame = CalcFrame();
  TspSkinFrameObject::Draw(canvas, update);
}

void TspSkinFrameGaugeObject::MouseEnter() {
  MouseOver = Active = true;
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinFrameGaugeObject::MouseLeave() {
  MouseOver = Active = false;
  SkinForm->MouseLeaveEvent(IDName);
}

// ---- frame regulator ----

TspSkinFrameRegulatorObject::TspSkinFrameRegulatorObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspSkinFrameObject(form, data,
                         dynamic_cast<TspDataSkinFrameRegulatorObject*>(data)
                             ? static_cast<TspDataSkinFrameRegulatorObject*>(data)->countframes : 0,
                         dynamic_cast<TspDataSkinFrameRegulatorObject*>(data)
                             ? static_cast<TspDataSkinFrameRegulatorObject*>(data)->FramesPlacement : fpHorizontal) {
  if (auto* r = dynamic_cast<TspDataSkinFrameRegulatorObject*>(data)) {
    MinValue = r->MinValue;
    MaxValue = r->MaxValue;
    Kind = r->Kind;
  }
  Value = std::clamp(0, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

void TspSkinFrameRegulatorObject::SimplySetValue(Integer value) {
  if (value == Value || value < MinValue || value > MaxValue) return;
  Value = value;
  SkinForm->FrameRegulatorChangeValueEvent(IDName, Value);
}

void TspSkinFrameRegulatorObject::SetValue(Integer value) {
  if (value == Value || value < MinValue || value > MaxValue) return;
  Value = value;
  SkinForm->DrawSkinObject(this);
  SkinForm->FrameRegulatorChangeValueEvent(IDName, Value);
}

void TspSkinFrameRegulatorObject::Draw(TCanvas* canvas, bool update) {
  Frame = CalcFrame();
  TspSkinFrameObject::Draw(canvas, update);
}

void TspSkinFrameRegulatorObject::Step(bool up) {
  RefPos = CurPos;
  WorkValue += up ? ValueStep : -ValueStep;
  WorkValue = std::clamp(WorkValue, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
  SetValue(WorkValue);
}

void TspSkinFrameRegulatorObject::CalcValue() {
  StepSize = std::max<Integer>(1, (Kind == rkHorizontal ? FrameWidth : FrameHeight) / Steps());
  ValueStep = (MaxValue - MinValue) / Steps();
  if (ValueStep == 0) ValueStep = 1;
  if (std::abs(CurPos - RefPos) < StepSize) return;
  Step(RefPos <= CurPos);
}

void TspSkinFrameRegulatorObject::CalcRoundValue() {
  StepSize = std::max<Integer>(1, 360 / Steps());
  ValueStep = (MaxValue - MinValue) / Steps();
  if (ValueStep == 0) ValueStep = 1;
  if (std::abs(CurPos - LastPos) > 300) {
    Step(CurPos < LastPos);
    return;
  }
  if (std::abs(CurPos - RefPos) >= StepSize) Step(CurPos >= RefPos);
}

Integer TspSkinFrameRegulatorObject::GetRoundValue(Integer x, Integer y) const {
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  x = std::clamp(x, 0, std::max(0, w));
  y = std::clamp(y, 0, std::max(0, h));
  const Integer cx = w / 2, cy = h / 2;
  const double dx = cx - x, dy = cy - y;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0) return 0;  // the centre has no direction
  Integer q = 0;
  if (x <= cx && y < cy)
    q = 90;
  else if (x < cx && y >= cy)
    q = 180;
  else if (x >= cx && y > cy)
    q = 270;
  const double s = (q == 0 || q == 180) ? std::fabs(dy) / d : std::fabs(dx) / d;
  const double a = s >= 1 ? 90.0 : std::atan(s / std::sqrt(1 - s * s)) * 180.0 / std::numbers::pi;
  Integer r = 270 - static_cast<Integer>(std::trunc(q + a));
  if (r < 0) r += 360;
  return r;
}

void TspSkinFrameRegulatorObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  const TPoint l = Point(x - ObjectRect.Left, y - ObjectRect.Top);
  Dragging = true;
  WorkValue = Value;
  if (Kind == rkRound) {
    RefPos = GetRoundValue(l.X, l.Y);
    LastPos = RefPos;
  } else {
    RefPos = Kind == rkHorizontal ? l.X : -l.Y;
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinFrameRegulatorObject::MouseMove(Integer x, Integer y) {
  if (Dragging) {
    const TPoint l = Point(x - ObjectRect.Left, y - ObjectRect.Top);
    CurPos = Kind == rkRound ? GetRoundValue(l.X, l.Y) : Kind == rkHorizontal ? l.X : -l.Y;
    if (Kind == rkRound)
      CalcRoundValue();
    else
      CalcValue();
    LastPos = CurPos;
  }
  TspActiveSkinObject::MouseMove(x, y);
}

void TspSkinFrameRegulatorObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  Dragging = false;
  TspActiveSkinObject::MouseUp(x, y, button);
}

// ---- bit label ----

TspSkinBitLabelObject::TspSkinBitLabelObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* r = dynamic_cast<TspDataSkinBitLabel*>(data)) {
    TextValue = r->TextValue;
    symbolwidth = r->symbolwidth;
    symbolheight = r->symbolheight;
    Symbols = &r->Symbols;
    Transparent = r->Transparent;
    TransparentColor = r->TransparentColor;
  }
}

void TspSkinBitLabelObject::SetTextValue(const String& text, bool update) {
  TextValue = text;
  if (update) SkinForm->DrawSkinObject(this);
}

void TspSkinBitLabelObject::Draw(TCanvas* canvas, bool) {
  if (!HasSkin()) return;
  const Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  if (!DrawableSize(w, h)) return;
  TBitmap b(w, h);
  CopyPart(b, 0, 0, Picture, skinrect);
  for (size_t i = 1; i <= TextValue.size() && Symbols && symbolwidth > 0; ++i) {
    const Integer over = std::max<Integer>(0, Integer(i) * symbolwidth - w);
    Integer row = -1, col = -1;
    for (int line = 0; line < Symbols->Count() && row < 0; ++line) {
      const size_t at = Symbols->Strings(line).find(TextValue[i - 1]);
      if (at != String::npos) row = line, col = Integer(at);
    }
    if (row < 0) continue;
    const TRect source = Rect(activeskinrect.Left + col * symbolwidth, activeskinrect.Top + row * symbolheight,
                              activeskinrect.Left + (col + 1) * symbolwidth - over,
                              activeskinrect.Top + (row + 1) * symbolheight);
    CopyPart(b, Integer(i - 1) * symbolwidth, 0, ActivePicture, source);
    if (over > 0) break;
  }
  if (!Transparent) return DrawBitmapAt(canvas, b, ObjectRect);
  b.SetTransparentMode(tmFixed);
  b.SetTransparentColor(TransparentColor);
  b.SetTransparent(true);
  TBitmap back(w, h);
  CopyPart(back, 0, 0, SkinData ? SkinData->Picture.get() : nullptr, skinrect);
  back.Canvas()->Draw(0, 0, &b);
  DrawBitmapAt(canvas, back, ObjectRect);
}

// ---- label ----

TspSkinLabelObject::TspSkinLabelObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* r = dynamic_cast<TspDataSkinLabel*>(data)) {
    TextValue = r->TextValue;
    FontName = r->FontName;
    FontStyle = r->FontStyle;
    FontHeight = r->FontHeight;
    FontColor = r->FontColor;
    ActiveFontColor = r->ActiveFontColor;
    Alignment = r->Alignment;
  }
}

void TspSkinLabelObject::SetTextValue(const String& text, bool update) {
  TextValue = text;
  if (update) SkinForm->DrawSkinObject(this);
}

void TspSkinLabelObject::PlaceText(TCanvas* canvas, const TRect& r, bool activeColor) {
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetName(FontName);
  canvas->Font()->SetStyle(FontStyle);
  canvas->Font()->SetHeight(FontHeight);
  canvas->Font()->SetColor(activeColor ? ActiveFontColor : FontColor);
  const Integer tw = canvas->TextWidth(TextValue), th = canvas->TextHeight(TextValue);
  Integer x = r.Left;
  if (Alignment == taRightJustify) x = r.Right - tw;
  if (Alignment == taCenter) x = r.Left + r.Width() / 2 - tw / 2;
  canvas->TextRect(r, x, r.Top + r.Height() / 2 - th / 2, TextValue);
}

void TspSkinLabelObject::MakeImage(TBitmap& image, bool activePicture, bool activeColor) {
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (!DrawableSize(w, h)) return;
  image.SetSize(w, h);
  if (activePicture && ActivePicture)
    image.Canvas()->CopyRect(Rect(0, 0, w, h), ActivePicture->Canvas(), activeskinrect);
  else if (Picture)
    image.Canvas()->CopyRect(Rect(0, 0, w, h), Picture->Canvas(), skinrect);
  PlaceText(image.Canvas(), Rect(0, 0, w, h), activeColor);
}

void TspSkinLabelObject::Draw(TCanvas* canvas, bool) {
  if (!HasSkin() || !DrawableSize(RectWidth(ObjectRect), RectHeight(ObjectRect))) return;
  const bool hasActive = !IsNullRect(activeskinrect);
  TBitmap image;
  if (MorphInProgress()) {
    TBitmap active;
    MakeImage(image, false, false);
    MakeImage(active, hasActive, true);
    TspEffectBmp normal(image.Handle()), other(active.Handle());
    normal.Morph(other, MorphKf);
    normal.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
    return;
  }
  if (Active && !hasActive && ActiveFontColor == FontColor) return;
  MakeImage(image, Active && hasActive, Active);
  DrawBitmapAt(canvas, image, ObjectRect);
}

void TspSkinLabelObject::MouseEnter() {
  MouseOver = Active = true;
  if (!IsNullRect(activeskinrect) || ActiveFontColor != FontColor) Redraw();
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinLabelObject::MouseLeave() {
  MouseOver = Active = false;
  if (!IsNullRect(activeskinrect) || ActiveFontColor != FontColor) Redraw();
  SkinForm->MouseLeaveEvent(IDName);
}
