#include "framed/controls/RzPanel.h"

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/published/Filer.h"

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TCustomPanel(owner) {
  ControlStyle &= ~csSetCaption;
  SetBevelOuter(bvNone);
}

TRzCustomPanel::~TRzCustomPanel() {
  if (frameController_) frameController_->RemoveControl(this);
}

void TRzCustomPanel::DefineProperties(TFiler* filer) {
  TCustomPanel::DefineProperties(filer);
  filer->DefineProperty("FrameSides", TRzOldPropReader::ReadOldSetProp, nullptr, false);
}

void TRzCustomPanel::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzCustomPanel::SetFrameController(TRzFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TRzCustomPanel::CustomFramingChanged() {
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

void TRzCustomPanel::BorderChanged() {
  Realign();
  Invalidate();
}

#define RZ_PANEL_SETTER(Name, Type, field, after) \
  void TRzCustomPanel::Set##Name(Type value) {    \
    if (field == value) return;                    \
    field = value;                                 \
    after();                                       \
  }
RZ_PANEL_SETTER(AlignmentVertical, TAlignmentVertical, alignmentVertical_, Changed)
RZ_PANEL_SETTER(BorderInner, TFrameStyleEx, borderInner_, BorderChanged)
RZ_PANEL_SETTER(BorderOuter, TFrameStyleEx, borderOuter_, BorderChanged)
RZ_PANEL_SETTER(BorderSides, TSides, borderSides_, BorderChanged)
RZ_PANEL_SETTER(BorderColor, TColor, borderColor_, Changed)
RZ_PANEL_SETTER(BorderHighlight, TColor, borderHighlight_, Changed)
RZ_PANEL_SETTER(BorderShadow, TColor, borderShadow_, Changed)
RZ_PANEL_SETTER(FlatColor, TColor, flatColor_, Changed)
RZ_PANEL_SETTER(FlatColorAdjustment, int, flatColorAdjustment_, Changed)
RZ_PANEL_SETTER(UseGradients, bool, useGradients_, Changed)
RZ_PANEL_SETTER(GradientColorStart, TColor, gradientColorStart_, Changed)
RZ_PANEL_SETTER(GradientColorStop, TColor, gradientColorStop_, Changed)
RZ_PANEL_SETTER(GradientDirection, TGradientDirection, gradientDirection_, Changed)
RZ_PANEL_SETTER(GridColor, TColor, gridColor_, Changed)
RZ_PANEL_SETTER(GridStyle, TRzGridStyle, gridStyle_, Changed)
RZ_PANEL_SETTER(GridXSize, Word, gridXSize_, Changed)
RZ_PANEL_SETTER(GridYSize, Word, gridYSize_, Changed)
RZ_PANEL_SETTER(ShowGrid, bool, showGrid_, Changed)
RZ_PANEL_SETTER(ThemeAware, bool, themeAware_, Changed)
#undef RZ_PANEL_SETTER

void TRzCustomPanel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  if (value)
    ControlStyle &= ~csOpaque;
  else
    ControlStyle |= csOpaque;
  Invalidate();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

// A bottom- or right-aligned panel keeps its bottom or right edge when resized.
void TRzCustomPanel::SetBounds(int left, int top, int width, int height) {
  if (Align() == alBottom && height != Height()) top = Top() + Height() - height;
  if (Align() == alRight && width != Width()) left = Left() + Width() - width;
  TCustomPanel::SetBounds(left, top, width, height);
}

void TRzCustomPanel::FixClientRect(TRect& rect, bool shrinkByBorder) {
  if (shrinkByBorder) rect = TRect(rect.Left + BorderWidth(), rect.Top + BorderWidth(), rect.Right - BorderWidth(),
                                   rect.Bottom - BorderWidth());
  for (TFrameStyleEx style : {borderOuter_, borderInner_}) {
    const int w = FramedSideWidth(style, BevelWidth());
    if (HasSide(borderSides_, sdLeft)) rect.Left += w;
    if (HasSide(borderSides_, sdTop)) rect.Top += w;
    if (HasSide(borderSides_, sdRight)) rect.Right -= w;
    if (HasSide(borderSides_, sdBottom)) rect.Bottom -= w;
  }
}

void TRzCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomPanel::AdjustClientRect(rect);
  if (DockSite) FixClientRect(rect, false);
}

void TRzCustomPanel::AlignControls(TControl* control, TRect& rect) {
  FixClientRect(rect, false);
  TCustomPanel::AlignControls(control, rect);
}

TPoint TRzCustomPanel::CursorPosition() {
  POINT p;
  ::GetCursorPos(&p);
  return ScreenToClient(TPoint{p.x, p.y});
}

void TRzCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TInnerOuterBorders borders;
  borders.BorderOuter = borderOuter_;
  borders.BorderInner = borderInner_;
  borders.BorderWidth = BorderWidth();
  borders.BorderSides = borderSides_;
  borders.BevelWidth = BevelWidth();
  borders.BorderColor = borderColor_;
  borders.BorderHighlight = borderHighlight_;
  borders.BorderShadow = borderShadow_;
  borders.FlatColor = flatColor_;
  borders.FlatColorAdjustment = flatColorAdjustment_;
  borders.Color = Color();
  borders.ParentColor = Parent() ? Parent()->Color() : Color();
  borders.Transparent = transparent_;
  TRect r = DrawInnerOuterBorders(canvas, GetControlRect(), borders);
  if (!transparent_) {
    if (useGradients_) {
      const bool themed = themeAware_ && ThemeServices()->ThemesEnabled();
      PaintGradient(canvas, r, gradientDirection_, themed ? clInactiveCaptionText : gradientColorStart_,
                    themed ? clInactiveCaption : gradientColorStop_, 1);
    } else {
      canvas->Brush()->SetColor(Color());
      canvas->Brush()->SetStyle(bsSolid);
      canvas->FillRect(r);
    }
  }
  if (showGrid_) DrawGrid(r);
  canvas->Brush()->SetStyle(bsClear);
  DrawCaption(r);
  canvas->Brush()->SetStyle(bsSolid);
  OnPaint(this);
}

void TRzCustomPanel::DrawCaption(TRect rect) {
  const String caption = Caption();
  if (caption.empty()) return;
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  TRect text = rect;
  text.Left += 1;
  static const UINT kHorizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT horizontal = kHorizontal[Alignment()];
  RECT measure = WinRect(text);
  HDC dc = FontDC(canvas);
  const int h = ::DrawTextA(dc, caption.c_str(), -1, &measure,
                            horizontal | DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER);
  if (alignmentVertical_ == avCenter) {
    text.Top = static_cast<int>(static_cast<unsigned>(text.Top + text.Bottom - h) >> 1);
    text.Bottom = text.Top + h;
  } else if (alignmentVertical_ == avBottom) {
    text.Top = text.Bottom - h - 1;
  }
  canvas->Brush()->SetStyle(bsClear);
  const UINT flags = horizontal | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;
  if (!Enabled()) {
    RECT embossed = WinRect(text);
    ::OffsetRect(&embossed, 1, 1);
    SetDCTextColor(dc, clBtnHighlight);
    ::DrawTextA(dc, caption.c_str(), -1, &embossed, flags);
  }
  SetDCTextColor(dc, Enabled() ? Font()->Color() : clBtnShadow);
  ::SetBkMode(dc, TRANSPARENT);
  RECT r = WinRect(text);
  ::DrawTextA(dc, caption.c_str(), -1, &r, flags);
}

void TRzCustomPanel::DrawGrid(const TRect& rect) {
  TCanvas* canvas = Canvas();
  const int nx = gridXSize_ ? (rect.Right - rect.Left) / gridXSize_ : 0;
  const int ny = gridYSize_ ? (rect.Bottom - rect.Top) / gridYSize_ : 0;
  canvas->Pen()->SetColor(gridColor_);
  if (gridStyle_ == gsDots) {
    for (int i = 1; i <= nx; ++i)
      for (int j = 1; j <= ny; ++j)
        canvas->SetPixels(rect.Left - 1 + gridXSize_ * i, rect.Top - 1 + gridYSize_ * j, gridColor_);
    return;
  }
  auto line = [&](int x1, int y1, int x2, int y2) {
    if (gridStyle_ == gsSolidLines) {
      canvas->MoveTo(x1, y1);
      canvas->LineTo(x2, y2);
      return;
    }
    if (x1 == x2)
      for (int y = y1 + 1; y < y2; y += 2) canvas->SetPixels(x1, y, gridColor_);
    else
      for (int x = x1 + 1; x < x2; x += 2) canvas->SetPixels(x, y1, gridColor_);
  };
  for (int i = 1; i <= nx; ++i) line(rect.Left - 1 + gridXSize_ * i, rect.Top, rect.Left - 1 + gridXSize_ * i, rect.Bottom);
  for (int j = 1; j <= ny; ++j) line(rect.Left, rect.Top - 1 + gridYSize_ * j, rect.Right, rect.Top - 1 + gridYSize_ * j);
}

void TRzCustomPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      TCustomPanel::Dispatch(message);
      return MouseEnter();
    case CM_MOUSELEAVE:
      TCustomPanel::Dispatch(message);
      return MouseLeave();
    default:
      return TCustomPanel::Dispatch(message);
  }
}

void TRzCustomPanel::WMEraseBkgnd(TMessage& message) {
  if (!transparent_) return TCustomPanel::WMEraseBkgnd(message);
  DrawParentImage(this, reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

// Without FullRepaint and caption only the strips the frame moves over repaint.
void TRzCustomPanel::WMWindowPosChanged(TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  if (HandleAllocated() && pos) {
    if (FullRepaint || !Caption().empty()) {
      Invalidate();
    } else if (!(pos->flags & SWP_NOSIZE)) {
      TRect inner = Rect(0, 0, Width(), Height());
      FixClientRect(inner, true);
      if (pos->cx != Width()) {
        RECT strip = {inner.Right - 1, 0, Width(), Height()};
        ::InvalidateRect(Handle(), &strip, TRUE);
      }
      if (pos->cy != Height()) {
        RECT strip = {0, inner.Bottom - 1, Width(), Height()};
        ::InvalidateRect(Handle(), &strip, TRUE);
      }
    }
  }
  TCustomPanel::WMWindowPosChanged(message);
}

void TRzCustomPanel::CMEnabledChanged(TMessage& message) {
  TCustomPanel::CMEnabledChanged(message);
  if (HandleAllocated()) Repaint();
  if (Enabled())
    RestoreChildStates();
  else
    SaveChildStates();
}

void TRzCustomPanel::SaveChildStates() {
  savedChildStates_.clear();
  for (int i = 0; i < ControlCount(); ++i) savedChildStates_.emplace_back(Controls(i), Controls(i)->Enabled());
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
}

void TRzCustomPanel::RestoreChildStates() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    bool enable = true;
    for (const auto& [saved, enabled] : savedChildStates_)
      if (saved == child) enable = enabled;
    if (enable) child->SetEnabled(true);
  }
}
