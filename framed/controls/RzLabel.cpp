#include "framed/controls/RzLabel.h"

#include <cmath>

#include "framed/common/RzCommon_Blink.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Math.h"
#include "platform/published/Filer.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

TRzLabel::TRzLabel(TComponent* owner) : TCustomLabel(owner) {
  ControlStyle |= csOpaque;
  if (!BlinkingControls) BlinkingControls = new TRzBlinkingControlsList;
  BlinkingControls->Add(this);
  normalTextColor_ = currentTextColor_ = flyBySavedColor_ = Font()->Color();
  constructingColors_ = true;
  try {
    SetColor(clBtnFace);
    SetParentColor(true);
  } catch (...) {
    constructingColors_ = false;
    throw;
  }
  constructingColors_ = false;
}

TRzLabel::~TRzLabel() {
  if (frameController_) frameController_->RemoveControl(this);
  if (BlinkingControls) {
    BlinkingControls->Remove(this);
    FreeBlinkingControlsListIfEmpty();
  }
}

void TRzLabel::DefineProperties(TFiler* filer) {
  TCustomLabel::DefineProperties(filer);
  filer->DefineProperty("FrameSides", TRzOldPropReader::ReadOldSetProp, nullptr, false);
}

void TRzLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzLabel::SetFrameController(TRzFrameController* value) { SwitchFrameController(this, frameController_, value); }

void TRzLabel::CustomFramingChanged() {
  if (!frameController_ || !frameController_->FrameVisible()) return;
  borderOuter_ = frameController_->FrameStyle();
  borderSides_ = frameController_->FrameSides();
  flatColor_ = frameController_->FrameColor();
  flatColorAdjustment_ = 0;
  SetColor(frameController_->Color());
  SetParentColor(frameController_->ParentColor());
  borderHighlight_ = LighterColor(Color(), 100);
  borderShadow_ = DarkerColor(Color(), 50);
  Invalidate();
}

void TRzLabel::Loaded() {
  TCustomLabel::Loaded();
  if (rotation_ == roNone && angle_ != 0) rotation_ = roFlat;
  if (rotation_ != roNone && !IsTrueTypeFont(Font())) Font()->SetName("Verdana");
  normalTextColor_ = currentTextColor_ = Font()->Color();
}

void TRzLabel::EnsureTrueTypeFont() {
  if (!HasState(csLoading) && !IsTrueTypeFont(Font())) Font()->SetName("Verdana");
}

// Angles are kept within one turn: -90 is 270, 450 is 90 and -400 is 320.
void TRzLabel::SetAngle(int value) {
  angle_ = ((value % 360) + 360) % 360;
  if (value != 0) EnsureTrueTypeFont();
  if (angle_ != 0 && rotation_ == roNone) rotation_ = roFlat;
  AdjustBounds();
  Repaint();
}

void TRzLabel::SetRotation(TRotation value) {
  if (value != roNone) EnsureTrueTypeFont();
  rotation_ = value;
  if (value == roNone || value == roFlat) angle_ = 0;
  if (value == roFlat) centerPoint_ = cpCenter;
  Invalidate();
}

void TRzLabel::SetBlinking(bool value) {
  if (blinking_ == value) return;
  blinking_ = value;
  if (!value) {
    currentTextColor_ = normalTextColor_;
    showingNormalColor_ = true;
    Repaint();
  }
}

Word TRzLabel::GetBlinkIntervalOn() const { return BlinkingControls ? BlinkingControls->IntervalOn() : 500; }
void TRzLabel::SetBlinkIntervalOn(Word value) {
  if (BlinkingControls) BlinkingControls->SetIntervalOn(value);
}
Word TRzLabel::GetBlinkIntervalOff() const { return BlinkingControls ? BlinkingControls->IntervalOff() : 500; }
void TRzLabel::SetBlinkIntervalOff(Word value) {
  if (BlinkingControls) BlinkingControls->SetIntervalOff(value);
}

void TRzLabel::Blink(TBlinkState state) {
  showingNormalColor_ = state == bsOn;
  currentTextColor_ = showingNormalColor_ ? normalTextColor_ : blinkColor_;
  Repaint();
}

#define RZ_LABEL_SETTER(Name, Type, field)     \
  void TRzLabel::Set##Name(Type value) {       \
    if (field == value) return;                \
    field = value;                             \
    Changed();                                 \
  }
RZ_LABEL_SETTER(CenterPoint, TCenterPoint, centerPoint_)
RZ_LABEL_SETTER(BlinkColor, TColor, blinkColor_)
RZ_LABEL_SETTER(BevelWidth, int, bevelWidth_)
RZ_LABEL_SETTER(BorderInner, TFrameStyleEx, borderInner_)
RZ_LABEL_SETTER(BorderOuter, TFrameStyleEx, borderOuter_)
RZ_LABEL_SETTER(BorderSides, TSides, borderSides_)
RZ_LABEL_SETTER(BorderColor, TColor, borderColor_)
RZ_LABEL_SETTER(BorderHighlight, TColor, borderHighlight_)
RZ_LABEL_SETTER(BorderShadow, TColor, borderShadow_)
RZ_LABEL_SETTER(BorderWidth, int, borderWidth_)
RZ_LABEL_SETTER(FlatColor, TColor, flatColor_)
RZ_LABEL_SETTER(FlatColorAdjustment, int, flatColorAdjustment_)
RZ_LABEL_SETTER(FlyByColor, TColor, flyByColor_)
RZ_LABEL_SETTER(LightTextStyle, bool, lightTextStyle_)
RZ_LABEL_SETTER(TextStyle, TTextStyle, textStyle_)
RZ_LABEL_SETTER(HighlightColor, TColor, highlightColor_)
RZ_LABEL_SETTER(ShadowColor, TColor, shadowColor_)
RZ_LABEL_SETTER(ShadowDepth, int, shadowDepth_)
#undef RZ_LABEL_SETTER

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
  if (condenseCaption_ == value) return;
  condenseCaption_ = value;
  if (value != ccNone) SetAutoSize(false);
  Changed();
}

void TRzLabel::SetFlyByEnabled(bool value) {
  if (flyByEnabled_ == value) return;
  flyByEnabled_ = value;
  if (!value) Font()->SetColor(flyBySavedColor_);
  Changed();
}

UINT TRzLabel::EllipsisFlag() const {
  switch (condenseCaption_) {
    case ccAtEnd: return DT_END_ELLIPSIS;
    case ccWithinPath: return DT_PATH_ELLIPSIS;
    default: return 0;
  }
}

void TRzLabel::FixClientRect(TRect& rect, bool shrinkByBorder) {
  if (shrinkByBorder)
    rect = TRect(rect.Left + borderWidth_, rect.Top + borderWidth_, rect.Right - borderWidth_, rect.Bottom - borderWidth_);
  for (TFrameStyleEx style : {borderOuter_, borderInner_}) {
    const int w = FramedSideWidth(style, bevelWidth_);
    if (HasSide(borderSides_, sdLeft)) rect.Left += w;
    if (HasSide(borderSides_, sdTop)) rect.Top += w;
    if (HasSide(borderSides_, sdRight)) rect.Right -= w;
    if (HasSide(borderSides_, sdBottom)) rect.Bottom -= w;
  }
}

void TRzLabel::AdjustForBorders(TRect& rect) {
  const int widths[] = {FramedSideWidth(borderOuter_, bevelWidth_), borderWidth_,
                        FramedSideWidth(borderInner_, bevelWidth_)};
  for (int w : widths) {
    rect.Right += w * (HasSide(borderSides_, sdLeft) + HasSide(borderSides_, sdRight));
    rect.Bottom += w * (HasSide(borderSides_, sdTop) + HasSide(borderSides_, sdBottom));
  }
  if (rotation_ == roNone && textStyle_ == tsShadow) {
    rect.Right += shadowDepth_;
    rect.Bottom += shadowDepth_;
  }
  if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
    if (textStyle_ == tsShadow) {
      rect.Right += shadowDepth_ / 2;
      rect.Bottom += shadowDepth_ / 2;
    }
    const double w = rect.Right, h = rect.Bottom;
    double d = (angle_ % 90) * kPi / 180;
    if (angle_ == 90 || angle_ == 270) d += kPi / 2;
    rect.Right = static_cast<int>(Round(std::cos(d) * w + std::sin(d) * h));
    rect.Bottom = static_cast<int>(Round(std::sin(d) * w + std::cos(d) * h));
  }
}

void TRzLabel::AdjustBounds() {
  if (!AutoSize() || HasState(csLoading)) return;
  TRect r = ClientRect();
  FixClientRect(r, true);
  r = TRect(0, 0, r.Width(), r.Height());
  HDC dc = ::GetDC(nullptr);
  auto* canvas = static_cast<TControlCanvas*>(Canvas());
  canvas->BindPaintDC(dc);
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | EllipsisFlag();
  if (WordWrap()) flags |= DT_WORDBREAK;
  DoDrawText(r, flags);
  canvas->FreeHandle();
  ::ReleaseDC(nullptr, dc);
  AdjustForBorders(r);
  int left = Left();
  TAlignment alignment = Alignment();
  if (UseRightToLeftAlignment() && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  if (alignment == taRightJustify) left += Width() - r.Right;
  SetBounds(left, Top(), r.Right, r.Bottom);
}

TPoint TRzLabel::CalcCenterPoint() const {
  const int w = Width(), h = Height(), b = borderWidth_;
  if (rotation_ == roFlat) return TPoint{w / 2, h / 2};
  switch (centerPoint_) {
    case cpUpperLeft: return TPoint{b, b};
    case cpUpperCenter: return TPoint{w / 2, b};
    case cpUpperRight: return TPoint{w - b, b};
    case cpLeftCenter: return TPoint{b, h / 2};
    case cpCenter: return TPoint{w / 2, h / 2};
    case cpRightCenter: return TPoint{w - b, h / 2};
    case cpLowerLeft: return TPoint{b, h - b};
    case cpLowerCenter: return TPoint{w / 2, h - b};
    case cpLowerRight: return TPoint{w - b, h - b};
  }
  return TPoint{w / 2, h / 2};
}

TPoint TRzLabel::CalcRadius() const {
  const int w = Width(), h = Height(), b2 = 2 * borderWidth_;
  switch (centerPoint_) {
    case cpUpperCenter:
    case cpLowerCenter: return TPoint{w / 2 - b2, h - b2};
    case cpLeftCenter:
    case cpRightCenter: return TPoint{w - b2, h / 2 - b2};
    case cpCenter: return TPoint{w / 2 - b2, h / 2 - b2};
    default: return TPoint{w - b2, h - b2};
  }
}

void TRzLabel::Paint() {
  TCanvas* canvas = Canvas();
  TInnerOuterBorders borders;
  borders.BorderOuter = borderOuter_;
  borders.BorderInner = borderInner_;
  borders.BorderWidth = borderWidth_;
  borders.BorderSides = borderSides_;
  borders.BevelWidth = bevelWidth_;
  borders.BorderColor = borderColor_;
  borders.BorderHighlight = borderHighlight_;
  borders.BorderShadow = borderShadow_;
  borders.FlatColor = flatColor_;
  borders.FlatColorAdjustment = flatColorAdjustment_;
  borders.Color = Color();
  borders.ParentColor = Parent() ? Parent()->Color() : Color();
  borders.Transparent = Transparent();
  const TRect inner = DrawInnerOuterBorders(canvas, Rect(0, 0, Width(), Height()), borders);
  if (!Transparent()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(inner);
  }
  canvas->Brush()->SetStyle(bsClear);
  if (rotation_ == roCurve)
    DrawArcText();
  else
    Draw3DText();
}

// The 3D passes of the text style, then the text itself; `draw` puts the text in a
// colour at an offset. A disabled label shows only the embossed text.
void TRzLabel::DrawPasses(const std::function<void(TColor, int, int)>& draw, int shadowOffset, int mainOffset) {
  if (!Enabled()) {
    draw(clBtnHighlight, 1, 1);
    draw(clBtnShadow, 0, 0);
    return;
  }
  if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
    const bool raised = textStyle_ == tsRaised;
    const TColor first = raised ? shadowColor_ : highlightColor_;
    const TColor second = raised ? highlightColor_ : shadowColor_;
    if (!(raised && lightTextStyle_)) draw(first, 1, 1);
    if (!(!raised && lightTextStyle_)) draw(second, -1, -1);
  } else if (textStyle_ == tsShadow) {
    draw(shadowColor_, shadowOffset, shadowOffset);
  }
  draw(currentTextColor_, mainOffset, mainOffset);
}

void TRzLabel::AdjustForLayout(const String& text, UINT flags, TRect& rect) {
  TCanvas* canvas = Canvas();
  if (Layout() == tlCenter || Layout() == tlBottom) {
    RECT measured = WinRect(rect);
    ::DrawTextA(FontDC(canvas), text.c_str(), -1, &measured, flags | DT_CALCRECT | EllipsisFlag());
    const int spare = Height() - borderWidth_ - measured.bottom;
    const int down = Layout() == tlBottom ? spare : spare / 2;
    rect.Top += down;
    rect.Bottom += down;
  }
  if (textStyle_ == tsShadow) {
    if ((flags & DT_RIGHT) != 0) {
      rect.Left -= shadowDepth_;
      rect.Right -= shadowDepth_;
    }
    if (Layout() == tlBottom) {
      rect.Top -= shadowDepth_;
      rect.Bottom -= shadowDepth_;
    }
  }
}

void TRzLabel::Draw3DText() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  FixClientRect(r, true);
  static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DrawTextBiDiModeFlags(DT_EXPANDTABS | kAlignments[Alignment()]);
  if (WordWrap()) flags |= DT_WORDBREAK;
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  canvas->SetFont(Font());
  const String text = GetLabelText();
  HDC dc = FontDC(canvas);
  ::SetBkMode(dc, TRANSPARENT);
  auto setColor = [&](TColor color) {
    const TColor rgb = ColorToRGB(color);
    ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
  };
  if (rotation_ != roFlat) {
    DrawPasses(
        [&](TColor color, int dx, int dy) {
          TRect placed = r;
          AdjustForLayout(text, flags, placed);
          RECT moved = {placed.Left + dx, placed.Top + dy, placed.Right + dx, placed.Bottom + dy};
          setColor(color);
          ::DrawTextA(dc, text.c_str(), -1, &moved, flags | EllipsisFlag());
        },
        shadowDepth_, 0);
    return;
  }
  // Turned text: a start point and text alignment by angle, then a turned font.
  const TPoint centre = CalcCenterPoint();
  int x = centre.X, y = centre.Y;
  const double a = angle_ * kPi / 180 + kPi / 2;
  const double q = canvas->TextHeight("Pp") / 4.0;
  const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
  const int w = canvas->TextWidth(text) + e;
  const int h = canvas->TextHeight("Pp") + e;
  const bool centred = (flags & DT_CENTER) != 0;
  const bool right = !centred && (flags & DT_RIGHT) != 0;
  UINT align = ::GetTextAlign(dc);
  if (angle_ == 0 || angle_ == 360) {
    if (right) x = r.Right - w - e;
    else if (!centred) x = r.Left + e;
    y = y - h / 2;
    if (centred) align = TA_CENTER;
  } else if (angle_ == 90) {
    x = x - static_cast<int>(Round(std::cos(a) * q));
    y = centred ? r.Bottom - (r.Bottom - w) / 2 : right ? r.Top + w + e : r.Bottom - e;
    align = TA_BASELINE;
  } else if (angle_ == 180) {
    x = centred ? r.Right - (r.Right - w) / 2 : right ? r.Left + w : r.Right - e;
    y = y - h / 4;
    align = TA_BASELINE;
  } else if (angle_ == 270) {
    x = x - static_cast<int>(Round(std::cos(a) * q));
    y = centred ? (r.Bottom - w) / 2 : right ? r.Bottom - w - e : r.Top + e;
    align = TA_BASELINE;
  } else {
    x = x - static_cast<int>(Round(std::cos(a) * q));
    y = y + static_cast<int>(Round(std::sin(a) * q));
    align = TA_BASELINE | TA_CENTER;
  }
  HFONT turned = RotateFont(Font(), angle_);
  HGDIOBJ previous = ::SelectObject(dc, turned);
  const UINT oldAlign = ::SetTextAlign(dc, align);
  const int mainOffset = textStyle_ == tsShadow ? -(shadowDepth_ / 2) : 0;
  const RECT clip = WinRect(r);
  DrawPasses(
      [&](TColor color, int dx, int dy) {
        setColor(color);
        ::ExtTextOutA(dc, x + dx, y + dy, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
      },
      shadowDepth_ / 2, mainOffset);
  ::SetTextAlign(dc, oldAlign);
  ::SelectObject(dc, previous);
  ::DeleteObject(turned);
}

// Each character on the arc around the centre point, turned to follow it. A label
// too small for an arc (no horizontal radius) shows its text flat.
void TRzLabel::DrawArcText() {
  const TPoint radius = CalcRadius();
  if (radius.X <= 0) {
    const TRotation kept = rotation_;
    rotation_ = roNone;
    Draw3DText();
    rotation_ = kept;
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  HDC dc = canvas->Handle();
  ::SetBkMode(dc, TRANSPARENT);
  const TPoint c = CalcCenterPoint();
  double a = angle_ * kPi / 180;
  const UINT oldAlign = ::SetTextAlign(dc, TA_BASELINE | TA_CENTER);
  LOGFONTA font = {};
  ::GetObjectA(Font()->Handle(), sizeof(font), &font);
  const String caption = Caption();
  for (char ch : caption) {
    const int t = canvas->TextHeight("Yy");
    const int x = c.X - static_cast<int>(Round(std::sin(a) * (radius.X - t)));
    const int y = c.Y - static_cast<int>(Round(std::cos(a) * (radius.Y - t)));
    font.lfEscapement = font.lfOrientation = static_cast<LONG>(Round(a * 1800 / kPi));
    HFONT turned = ::CreateFontIndirectA(&font);
    HGDIOBJ previous = ::SelectObject(dc, turned);
    const char one[2] = {ch, 0};
    auto draw = [&](TColor color, int dx, int dy) {
      const TColor rgb = ColorToRGB(color);
      ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
      ::TextOutA(dc, x + dx, y + dy, one, 1);
    };
    if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
      const bool raised = textStyle_ == tsRaised;
      if (!(raised && lightTextStyle_)) draw(raised ? shadowColor_ : highlightColor_, 1, 1);
      if (!(!raised && lightTextStyle_)) draw(raised ? highlightColor_ : shadowColor_, -1, -1);
    } else if (textStyle_ == tsShadow) {
      draw(shadowColor_, shadowDepth_, shadowDepth_);
    }
    if (!Enabled()) draw(clBtnHighlight, 1, 1);
    draw(Enabled() ? currentTextColor_ : clBtnShadow, 0, 0);
    ::SelectObject(dc, previous);
    ::DeleteObject(turned);
    a -= (canvas->TextWidth("w") + 2) / static_cast<double>(radius.X);
  }
  ::SetTextAlign(dc, oldAlign);
}

void TRzLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_GETBLINKING:
      TCustomLabel::Dispatch(message);
      message.Result = blinking_ ? 1 : 0;
      return;
    case CM_BLINK:
      TCustomLabel::Dispatch(message);
      if (blinking_) Blink(static_cast<TBlinkState>(message.WParam & 0xFF));
      return;
    case CM_FONTCHANGED:
      TCustomLabel::Dispatch(message);
      if (HasState(csLoading)) return;
      if (!blinking_) normalTextColor_ = currentTextColor_ = Font()->Color();
      if (angle_ != 0 && !IsTrueTypeFont(Font())) angle_ = 0;
      return;
    case CM_TEXTCHANGED:
      TCustomLabel::Dispatch(message);
      Repaint();
      return;
    case CM_MOUSEENTER:
      TCustomLabel::Dispatch(message);
      if (flyByEnabled_) {
        flyBySavedColor_ = Font()->Color();
        Font()->SetColor(flyByColor_);
      }
      return MouseEnter();
    case CM_MOUSELEAVE:
      TCustomLabel::Dispatch(message);
      if (flyByEnabled_) Font()->SetColor(flyBySavedColor_);
      return MouseLeave();
    case CM_PARENTCOLORCHANGED:
      if (constructingColors_) return;
      return TCustomLabel::Dispatch(message);
    default:
      return TCustomLabel::Dispatch(message);
  }
}
