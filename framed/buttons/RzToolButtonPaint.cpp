// The tool button's painting: its frame in the classic, flat, themed and gradient
// looks, the drop-down arrow, the image and the caption.
#include "framed/buttons/RzToolButton.h"

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/graphics/PatternBitmap.h"

// ---- painting ----

TRect TRzToolButton::InsetRect() const {
  TRect r = ClientRect();
  if (toolStyle_ == tsDropDown) {
    if (UseRightToLeftAlignment())
      r.Left += kArrowWidth;
    else
      r.Right -= kArrowWidth;
  }
  InflateRect(r, -2, -2);
  return r;
}

bool TRzToolButton::ShiftedWhenPressed() const {
  return state_ == bsDown || state_ == bsExclusive || (state_ == kDropped && !Split());
}

TRect TRzToolButton::GetImageRect() {
  TRect r = InsetRect();
  const TSize size = GetImageSize();
  const int w = size.cx, h = size.cy;
  TRect measure = r;
  Canvas()->SetFont(Font());
  const int t = Canvas()->TextRect(measure, showCaption_ ? Caption() : String(),
                                   DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | DT_VCENTER);
  const int d = (Height() - (h + t + 4)) / 2;
  switch (layout_) {
    case blGlyphLeft: r.Left += 2; break;
    case blGlyphRight: r.Left = r.Right - w - 2; break;
    case blGlyphTop: r.Top = d; break;
    case blGlyphBottom: r.Top += t + d; break;
  }
  if (layout_ == blGlyphLeft || layout_ == blGlyphRight)
    r.Top += (r.Bottom - r.Top - h) / 2;
  else
    r.Left += (r.Right - r.Left - w) / 2;
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  if (ShiftedWhenPressed() && !useGradients_) OffsetRect(r, 1, Themed() ? 0 : 1);
  return r;
}

TRect TRzToolButton::GetCaptionRect() {
  TRect r = InsetRect();
  if (imageIndex_ == -1) return r;
  const TSize size = GetImageSize();
  TRect measure = r;
  Canvas()->SetFont(Font());
  const int t = Canvas()->TextRect(measure, Caption(), DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | DT_VCENTER);
  const int d = (Height() - (size.cy + t + 4)) / 2;
  switch (layout_) {
    case blGlyphLeft: r.Left += size.cx + 4; break;
    case blGlyphRight: r.Right -= size.cx + 4; break;
    case blGlyphTop:
      r.Top += d + size.cy;
      r.Bottom = r.Top + t;
      break;
    case blGlyphBottom:
      r.Top += d;
      r.Bottom = r.Top + t;
      break;
  }
  if (ShiftedWhenPressed() && !useGradients_) OffsetRect(r, 1, Themed() ? 0 : 1);
  return r;
}

void TRzToolButton::DrawBtnBorder(TRect& r) {
  TCanvas* c = Canvas();
  const bool pressedOrDown = state_ == bsDown || state_ == bsExclusive;
  if (Themed() && !useGradients_) {
    TThemedElementDetails details;
    TRect drawn = r;
    if (flat_ && Split() && toolStyle_ == tsDropDown) {
      if (UseRightToLeftAlignment())
        drawn.Left += kArrowWidth;
      else
        drawn.Right -= kArrowWidth;
      TThemedToolBar e = ttbSplitButtonNormal;
      if (state_ == bsDown) e = ttbSplitButtonPressed;
      else if (state_ == bsExclusive) e = mouseOverButton_ ? ttbSplitButtonCheckedHot : ttbSplitButtonChecked;
      else if (state_ == kDropped || Hot()) e = ttbSplitButtonHot;
      details = GetElementDetails(e);
    } else if (flat_) {
      TThemedToolBar e = ttbButtonNormal;
      if (state_ == bsDown || state_ == kDropped) e = ttbButtonPressed;
      else if (state_ == bsExclusive) e = mouseOverButton_ ? ttbButtonCheckedHot : ttbButtonChecked;
      else if (Hot()) e = ttbButtonHot;
      details = GetElementDetails(e);
    } else {
      TThemedButton e = tbPushButtonNormal;
      if (!Enabled()) e = tbPushButtonDisabled;
      else if (pressedOrDown) e = tbPushButtonPressed;
      else if (Hot()) e = tbPushButtonHot;
      details = GetElementDetails(e);
    }
    ThemeServices()->DrawElement(c->Handle(), details, drawn);
    return;
  }
  if (!flat_) {
    r = DrawBorder(c, r, pressedOrDown ? fsLowered : fsButtonUp);
    return;
  }
  if (!pressedOrDown && !Hot()) return;
  if (!useGradients_) {
    r = DrawBorder(c, r, pressedOrDown ? fsStatus : fsPopup);
    return;
  }
  TColor frame, s, e;
  if (Themed()) {
    frame = DarkerColor(clHighlight, 30);
    e = ComplementaryColor(clHighlight, 180);
    s = LighterColor(e, 40);
  } else if (gradientColorDefault_) {
    frame = DarkerColor(clHighlight, 30);
    const TColor t = DarkerColor(clBtnFace, 20);
    s = LighterColor(t, 20);
    e = DarkerColor(t, 20);
  } else {
    frame = frameColor_;
    s = gradientColorStart_;
    e = gradientColorStop_;
  }
  r = DrawBevel(c, r, frame, frame, 1, sdAllSides);
  TColor start = s, stop = e;
  if (state_ == bsDown || state_ == kDropped) {
    start = e, stop = s;
  } else if (state_ == bsExclusive) {
    if (mouseOverButton_ && down_) start = e, stop = s;
    else if (mouseOverButton_) start = s, stop = e;
    else start = DarkerColor(e, 40), stop = s;
  }
  PaintGradient(c, r, gdHorizontalEnd, start, stop, 1);
}

void TRzToolButton::DrawImage(const TRect& r) {
  TCustomImageList* list = ImageList();
  if (!list || imageIndex_ == -1) return;
  const bool pressed = state_ == bsDown || state_ == bsExclusive || (state_ == kDropped && !Split());
  if (pressed && downIndex_ != -1) return list->Draw(Canvas(), r.Left, r.Top, downIndex_, true);
  const bool hot = hotIndex_ != -1 && mouseOverButton_ && Enabled();
  if (disabledIndex_ == -1) return list->Draw(Canvas(), r.Left, r.Top, hot ? hotIndex_ : imageIndex_, Enabled());
  const int index = Enabled() ? (hot ? hotIndex_ : imageIndex_) : disabledIndex_;
  list->Draw(Canvas(), r.Left, r.Top, index, true);
}

void TRzToolButton::DrawCaption(TRect r) {
  if (!showCaption_) return;
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsClear);
  c->SetFont(Font());
  if (!useGradients_ && state_ == bsDown) c->Font()->SetColor(clHighlightText);
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  UINT format = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS;
  if (UseRightToLeftReading()) format |= DT_RTLREADING;
  TRect measure = r;
  const int t = c->TextRect(measure, Caption(), format | DT_CALCRECT);
  r.Top = (r.Top + r.Bottom - t) / 2;
  r.Bottom = r.Top + t;
  c->TextRect(r, Caption(), format);
  c->Brush()->SetStyle(bsSolid);
}

void TRzToolButton::DrawArrow() {
  if (toolStyle_ != tsDropDown) return;
  TCanvas* c = Canvas();
  const TRect client = ClientRect();
  int x0 = UseRightToLeftAlignment() ? kArrowWidth : Width() - kArrowWidth;
  const TRect arrowPart = UseRightToLeftAlignment() ? Rect(0, 0, kArrowWidth, Height())
                                                    : Rect(Width() - kArrowWidth, 0, Width(), Height());
  const bool themedLook = Themed() && !useGradients_;
  auto separatorPen = [&]() -> TColor {
    if (Themed()) return clHighlight;
    if (useGradients_) return gradientColorDefault_ ? DarkerColor(clHighlight, 30) : frameColor_;
    return clBtnShadow;
  };
  auto vline = [&](TColor color, int x) {
    c->Pen()->SetColor(color);
    c->MoveTo(x, 0);
    c->LineTo(x, Height());
  };
  c->Pen()->SetStyle(psSolid);
  if (themedLook && Split()) {
    TThemedToolBar e = ttbSplitButtonDropDownNormal;
    if (!Enabled()) e = ttbSplitButtonDropDownDisabled;
    else if (state_ == bsDown || state_ == kDropped) e = ttbSplitButtonDropDownPressed;
    else if (Hot()) e = ttbSplitButtonDropDownHot;
    ThemeServices()->DrawElement(c->Handle(), GetElementDetails(e), arrowPart);
    return;
  }
  if (!themedLook) {
    if (state_ == kDropped) {
      if (Split()) {
        vline(separatorPen(), x0 - 1);
        if (!useGradients_) DrawBorder(c, arrowPart, fsStatus);
      } else if (!useGradients_) {
        DrawBorder(c, client, fsStatus);
      }
    } else if ((flat_ && mouseOverButton_ && Enabled()) || (!flat_ && Enabled())) {
      if (!useGradients_ && state_ == bsDown) ++x0;
      if (Split()) {
        if (useGradients_) {
          vline(separatorPen(), x0 - 1);
        } else {
          if (state_ != bsDown) vline(clBtnHighlight, x0);
          vline(clBtnShadow, x0 - 1);
        }
      }
    }
  }
  int ax = UseRightToLeftAlignment() ? 6 : client.Right - 8;
  int ay = (client.Bottom - client.Top) / 2 + client.Top + 2;
  if (!useGradients_ && (state_ == bsDown || state_ == kDropped)) ++ax, ++ay;
  const TColor color = Enabled() ? clWindowText : clBtnShadow;
  c->Pen()->SetColor(color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Polygon({{ax, ay}, {ax - 2, ay - 2}, {ax + 2, ay - 2}});
}

void TRzToolButton::Paint() {
  if (!Enabled()) {
    state_ = bsDisabled;
    dragging_ = false;
  } else if (state_ == bsDisabled) {
    state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
  }
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  DrawBtnBorder(r);
  if (!transparent_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  }
  if (!useGradients_ && !Themed() && state_ == bsExclusive && (!flat_ || !mouseOverButton_)) {
    TBitmap* pattern = transparent_ ? AllocPatternBitmap(clBtnFace, clBtnHighlight)
                                    : AllocPatternBitmap(Color(), LighterColor(Color(), 20));
    HBRUSH brush = ::CreatePatternBrush(pattern->Handle());
    RECT fill = {r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(c->Handle(), &fill, brush);
    ::DeleteObject(brush);
  }
  DrawArrow();
  DrawImage(GetImageRect());
  DrawCaption(GetCaptionRect());
}
