#include "framed/controls/RzControlButton.h"

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/WinControl.h"

TRzControlButton::TRzControlButton(TComponent* owner)
    : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  ControlStyle = csCaptureMouse;
  SetBounds(Left(), Top(), 17, 21);
  SetColor(clBtnFace);
  glyph_->OnChange = TNotifyEvent(this, &TRzControlButton::GlyphChangedHandler);
}

TRzControlButton::~TRzControlButton() = default;

void TRzControlButton::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  Repaint();
}

void TRzControlButton::SetNumGlyphs(TNumGlyphs value) {
  if (numGlyphs_ == value) return;
  numGlyphs_ = value;
  Invalidate();
}

void TRzControlButton::SetStyle(TRzControlButtonStyle value) {
  if (style_ == value) return;
  style_ = value;
  Invalidate();
}

TSize TRzControlButton::GetImageSize() const {
  if (!glyph_) return TSize{0, 0};
  return TSize{glyph_->Width() / (numGlyphs_ ? numGlyphs_ : 1), glyph_->Height()};
}

TPoint TRzControlButton::CursorPosition() const {
  POINT p;
  ::GetCursorPos(&p);
  return ScreenToClient(TPoint{p.x, p.y});
}

// A strip of equal square images says how many it holds (1 when more than 4).
void TRzControlButton::GlyphChangedHandler(TObject*) {
  const int w = glyph_->Width(), h = glyph_->Height();
  if (h != 0 && w % h == 0) {
    const int n = w / h;
    SetNumGlyphs(static_cast<TNumGlyphs>(n > 4 ? 1 : n));
  }
  Invalidate();
}

void TRzControlButton::Click() { TGraphicControl::Click(); }

void TRzControlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  pressAborted_ = false;
  TGraphicControl::MouseDown(button, shift, x, y);
  if (pressAborted_) return;
  if (button == mbLeft && Enabled()) {
    if (!pressed_) {
      pressed_ = true;
      Invalidate();
    }
    tracking_ = true;
  }
  if (RepeatClicks) {
    if (!repeatTimer_) {
      repeatTimer_ = FramedClock().MakeTimer();
      repeatTimer_->OnTimer = TNotifyEvent(this, &TRzControlButton::TimerExpired);
    }
    repeatTimer_->SetInterval(InitialDelay);
    repeatTimer_->SetEnabled(true);
  }
}

void TRzControlButton::TimerExpired(TObject*) {
  repeatTimer_->SetInterval(Delay);
  if (!pressed_ || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}

void TRzControlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (tracking_) {
    tracking_ = false;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    pressed_ = false;
    mouseOver_ = false;
    Repaint();
    if (inside) Click();
    UpdateTracking();
  }
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

void TRzControlButton::UpdateTracking() {
  if (!(flat_ || ThemeServices()->ThemesEnabled()) || !Enabled()) return;
  POINT p;
  ::GetCursorPos(&p);
  if (FindDragTarget(TPoint{p.x, p.y}, true) == this) {
    mouseOver_ = false;
    Perform(CM_MOUSEENTER);
  } else {
    mouseOver_ = true;
    Perform(CM_MOUSELEAVE);
  }
}

void TRzControlButton::MouseEnter() {
  mouseOver_ = true;
  OnMouseEnter(this);
  if (flat_ || ThemeServices()->ThemesEnabled()) Repaint();
}

void TRzControlButton::MouseLeave() {
  mouseOver_ = false;
  OnMouseLeave(this);
  if (flat_ || ThemeServices()->ThemesEnabled()) Repaint();
}

void TRzControlButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(message);
      return MouseEnter();
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(message);
      return MouseLeave();
    default:
      return TGraphicControl::Dispatch(message);
  }
}

bool TRzControlButton::Active() const {
  return pressed_ || (mouseOver_ && Enabled()) || HasState(csDesigning);
}

void TRzControlButton::Paint() {
  TRect r = ClientRect();
  switch (style_) {
    case cbsNone: {
      DrawBtnFace(r);
      if (glyph_->Empty()) return;
      r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
      const TSize size = GetImageSize();
      TRect image = CenterRect(r, size.cx, size.cy);
      if (pressed_) {
        image.Left += 1;
        image.Right += 1;
        if (!ThemeServices()->ThemesEnabled()) {
          image.Top += 1;
          image.Bottom += 1;
        }
      }
      DrawGlyph(image);
      return;
    }
    case cbsDropDown: return DrawDropDownButton(r);
    default: return DrawSpinButton(r);
  }
}

void TRzControlButton::DrawClassicFace(TRect& r) {
  TCanvas* canvas = Canvas();
  if (flat_) {
    if (Active()) r = DrawBorder(canvas, r, pressed_ ? fsStatus : fsPopup);
    canvas->Brush()->SetColor(Color());
  } else {
    r = pressed_ ? DrawBevel(canvas, r, clBtnShadow, clBtnShadow, 1, sdAllSides) : DrawBorder(canvas, r, fsButtonUp);
    canvas->Brush()->SetColor(clBtnFace);
  }
  canvas->FillRect(r);
}

void TRzControlButton::DrawBtnFace(TRect& r) {
  TCanvas* canvas = Canvas();
  if (!ThemeServices()->ThemesEnabled()) return DrawClassicFace(r);
  if (flat_ && !Active()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
  } else {
    const TThemedScrollBar element = Active() ? (pressed_ ? tsThumbBtnHorzPressed : tsThumbBtnHorzHot)
                                     : Enabled() ? tsThumbBtnHorzNormal
                                                 : tsThumbBtnHorzDisabled;
    // Only the inside of the thumb shows: the element overlaps the bitmap's edges.
    const TRect e(r.Left - 1, r.Top - 2, r.Right + 2, r.Bottom + 2);
    TBitmap face(e.Width(), e.Height(), pf32bit);
    ThemeServices()->DrawElement(face.Canvas()->Handle(), GetElementDetails(element), e);
    canvas->Draw(0, 0, &face);
  }
  r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

void TRzControlButton::DrawSpinButton(TRect& r) {
  static const TDirection kDirections[] = {dirUp, dirLeft, dirUp, dirRight, dirDown, dirDown};
  const TDirection direction = kDirections[style_];
  TCanvas* canvas = Canvas();
  if (!ThemeServices()->ThemesEnabled()) {
    DrawClassicFace(r);
    DrawSpinArrow(canvas, r, uiWindows95, direction, pressed_, Enabled());
    return;
  }
  if (flat_ && !Active()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    DrawSpinArrow(canvas, r, uiWindowsXP, direction, pressed_, Enabled());
    return;
  }
  const int state = Active() ? (pressed_ ? 2 : 1) : (Enabled() ? 0 : 3);
  TThemedSpin base = tsUpNormal;
  if (style_ == cbsLeft) base = tsDownHorzNormal;
  if (style_ == cbsRight) base = tsUpHorzNormal;
  if (style_ == cbsDown) base = tsDownNormal;
  ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(static_cast<TThemedSpin>(base + state)), r);
  r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

void TRzControlButton::DrawDropDownButton(TRect& r) {
  TCanvas* canvas = Canvas();
  if (!ThemeServices()->ThemesEnabled()) {
    DrawClassicFace(r);
    DrawDropDownArrow(canvas, r, uiWindows95, pressed_, Enabled());
    return;
  }
  r = TRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
  if (flat_ && !Active()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    DrawDropDownArrow(canvas, r, uiWindowsXP, pressed_, Enabled());
    return;
  }
  const TThemedComboBox element = Active() ? (pressed_ ? tcDropDownButtonPressed : tcDropDownButtonHot)
                                  : Enabled() ? tcDropDownButtonNormal
                                              : tcDropDownButtonDisabled;
  ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(element), r);
  r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

// The glyph over the painted face; its bottom-left pixel's colour is transparent.
void TRzControlButton::DrawGlyph(const TRect& r) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  const TRect source = numGlyphs_ > 1 && !Enabled() ? TRect(w, 0, 2 * w, h) : TRect(0, 0, w, h);
  TBitmap image(w, h, pf32bit);
  image.Canvas()->Brush()->SetColor(Color());
  image.Canvas()->CopyRect(Rect(0, 0, w, h), Canvas(), r);
  DrawFullTransparentBitmap(image.Canvas(), glyph_.get(), Rect(0, 0, w, h), source, glyph_->Canvas()->Pixels(0, h - 1));
  Canvas()->Draw(r.Left, r.Top, &image);
}
