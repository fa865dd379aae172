#include "framed/controls/RzGroupBox.h"

#include <cctype>

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Menus.h"

String StripAccelChars(const String& caption) {
  String shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;  // the character after a mark is shown as it is ("&&" gives one '&')
    }
    shown += caption[i];
  }
  return shown;
}

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* owner) : TRzCustomPanel(owner) {
  ControlStyle |= csSetCaption | csDoubleClicks;
  SetBorderOuter(fsNone);
  SetBorderInner(fsNone);
  SetAlignment(taLeftJustify);
  SetAlignmentVertical(avTop);
  SetHeight(105);
}

void TRzCustomGroupBox::SetGroupBoxStyle(TRzGroupBoxStyle value) {
  if (groupStyle_ == value) return;
  groupStyle_ = value;
  if (value == gsCustom || value == gsTopLine) themeAware_ = false;
  Invalidate();
}

void TRzCustomGroupBox::CustomFramingChanged() {
  if (frameController_ && frameController_->FrameVisible() && groupStyle_ == gsCustom)
    TRzCustomPanel::CustomFramingChanged();
}

void TRzCustomGroupBox::AdjustClientRect(TRect& rect) {
  TRzCustomPanel::AdjustClientRect(rect);
  const int h = ScreenTextExtent(Font(), "Yy").cy;
  if (groupStyle_ == gsCustom) {
    rect.Top += h;
    rect = TRect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    return;
  }
  const int t = h / 2 - 1;
  rect.Top += t < BorderWidth() ? t : h - BorderWidth();
  const int shrink = groupStyle_ == gsStandard ? 2 : 1;
  rect = TRect(rect.Left + shrink, rect.Top + shrink, rect.Right - shrink, rect.Bottom - shrink);
}

TRect TRzCustomGroupBox::CaptionRect() {
  const String caption = Caption();
  if (caption.empty() || groupStyle_ == gsCustom) return TRect(0, 0, 0, 0);
  const String shown = StripAccelChars(caption);
  const TSize extent = ScreenTextExtent(Font(), shown);
  const int offset = groupStyle_ == gsTopLine ? 0 : 8;
  TRect c(offset, 0, offset + extent.cx, extent.cy);
  if (UseRightToLeftAlignment()) {
    const int shift = Width() - offset - c.Right;
    c.Left += shift;
    c.Right += shift;
  }
  return c;
}

void TRzCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const int h = canvas->TextHeight("Pp");
  const TRect c = CaptionRect();
  const TRect frame(0, h / 2 - 1, Width(), Height());
  HDC dc = canvas->Handle();
  if (themeAware_ && ThemeServices()->ThemesEnabled()) {
    if (!transparent_) DrawParentImage(this, dc);
    ::ExcludeClipRect(dc, c.Left, c.Top, c.Right, c.Bottom);
    const auto details = GetElementDetails(Enabled() ? tbGroupBoxNormal : tbGroupBoxDisabled);
    ThemeServices()->DrawElement(dc, details, frame);
    ::SelectClipRgn(dc, nullptr);
    if (!Caption().empty()) {
      const String caption = Caption();
      ThemeServices()->DrawText(dc, details, std::wstring(caption.begin(), caption.end()), c, 0, 0);
    }
    return;
  }
  if (groupStyle_ == gsCustom) return TRzCustomPanel::Paint();
  if (transparent_) {
    ::ExcludeClipRect(dc, c.Left, c.Top, c.Right, c.Bottom);
  } else {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(Rect(0, 0, Width(), Height()));
  }
  PaintFrame(frame);
  if (Caption().empty()) return;
  if (!transparent_) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(c);
  }
  canvas->Brush()->SetStyle(bsClear);
  const String caption = Caption();
  HDC textDC = FontDC(canvas);
  ::SetBkMode(textDC, TRANSPARENT);
  if (!Enabled()) {
    RECT embossed = WinRect(c);
    ::OffsetRect(&embossed, 1, 1);
    SetDCTextColor(textDC, clBtnHighlight);
    ::DrawTextA(textDC, caption.c_str(), -1, &embossed, DT_SINGLELINE);
  }
  SetDCTextColor(textDC, Enabled() ? Font()->Color() : clBtnShadow);
  ::SelectClipRgn(textDC, nullptr);
  RECT r = WinRect(c);
  ::DrawTextA(textDC, caption.c_str(), -1, &r, DT_SINGLELINE);
  canvas->Brush()->SetStyle(bsSolid);
}

void TRzCustomGroupBox::PaintFrame(const TRect& f) {
  TCanvas* canvas = Canvas();
  const TColor flat = AdjustColor(flatColor_, flatColorAdjustment_);
  canvas->Pen()->SetColor(flat);
  auto line = [&](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  switch (groupStyle_) {
    case gsStandard:
      if (borderOuter_ == fsNone)
        DrawBorderSides(canvas, f, fsGroove, sdAllSides);
      else if (borderOuter_ == fsFlat || borderOuter_ == fsFlatBold)
        DrawBevel(canvas, f, flat, flat, borderOuter_ == fsFlat ? 1 : 2, sdAllSides);
      else
        DrawBorderSides(canvas, f, borderOuter_, sdAllSides);
      break;
    case gsTopLine:
      if (borderOuter_ == fsNone) {
        DrawBorderSides(canvas, f, fsGroove, SideBit(sdTop));
      } else if (borderOuter_ == fsFlat || borderOuter_ == fsFlatBold) {
        line(f.Left + 2, f.Top, f.Right - 2, f.Top);
        if (borderOuter_ == fsFlatBold) line(f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
      } else {
        DrawBorderSides(canvas, f, borderOuter_, SideBit(sdTop));
      }
      break;
    case gsFlat:
      // A flat rectangle whose corners are cut by one pixel.
      line(f.Left, f.Top + 2, f.Left, f.Bottom - 2);
      line(f.Left + 2, f.Top, f.Right - 2, f.Top);
      line(f.Right - 1, f.Top + 2, f.Right - 1, f.Bottom - 2);
      line(f.Left + 2, f.Bottom - 1, f.Right - 2, f.Bottom - 1);
      canvas->SetPixels(f.Left + 1, f.Top + 1, flat);
      canvas->SetPixels(f.Right - 2, f.Top + 1, flat);
      canvas->SetPixels(f.Right - 2, f.Bottom - 2, flat);
      canvas->SetPixels(f.Left + 1, f.Bottom - 2, flat);
      break;
    case gsCustom:
      break;
  }
}

void TRzCustomGroupBox::Dispatch(TMessage& message) {
  TRzCustomPanel::Dispatch(message);
  if (message.Msg == CM_FONTCHANGED) Invalidate();
}

// The caption's accelerator moves the focus to the first child in tab order.
void TRzCustomGroupBox::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* child : list)
      if (child->CanFocus()) {
        child->SetFocus();
        break;
      }
    message.Result = 1;
    return;
  }
  TRzCustomPanel::CMDialogChar(message);
}
