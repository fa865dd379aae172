#include "framed/controls/RzCustomButton.h"

#include <vector>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"

TRzCustomButton::TRzCustomButton(TComponent* owner) : TCustomControl(owner) {
  ControlStyle = csCaptureMouse | csSetCaption | csDoubleClicks | csReplicatable | csReflector;
  SetBounds(Left(), Top(), 115, 17);
  SetTabStop(true);
}

#define RZ_BUTTON_SETTER(Name, Type, field) \
  void TRzCustomButton::Set##Name(Type value) { \
    if (field == value) return;             \
    field = value;                          \
    Changed();                              \
  }
RZ_BUTTON_SETTER(AlignmentVertical, TAlignmentVertical, alignmentVertical_)
RZ_BUTTON_SETTER(HotTrack, bool, hotTrack_)
RZ_BUTTON_SETTER(HighlightColor, TColor, highlightColor_)
RZ_BUTTON_SETTER(LightTextStyle, bool, lightTextStyle_)
RZ_BUTTON_SETTER(TextStyle, TTextStyle, textStyle_)
RZ_BUTTON_SETTER(TextHighlightColor, TColor, textHighlightColor_)
RZ_BUTTON_SETTER(TextShadowColor, TColor, textShadowColor_)
RZ_BUTTON_SETTER(TextShadowDepth, int, textShadowDepth_)
RZ_BUTTON_SETTER(ThemeAware, bool, themeAware_)
RZ_BUTTON_SETTER(Transparent, bool, transparent_)
#undef RZ_BUTTON_SETTER

void TRzCustomButton::Draw3DText(TCanvas* canvas, TRect rect, UINT format) {
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(Font());
  const String caption = Caption();
  HDC dc = FontDC(canvas);
  RECT measure = WinRect(rect);
  const int h = ::DrawTextA(dc, caption.c_str(), -1, &measure,
                            DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
  if (alignmentVertical_ == avCenter) {
    rect.Top = static_cast<int>(static_cast<unsigned>(rect.Top + rect.Bottom - h) >> 1);
    rect.Bottom = rect.Top + h;
  } else if (alignmentVertical_ == avBottom) {
    rect.Top = rect.Bottom - h - 1;
  }
  if (UseRightToLeftReading()) format |= DT_RTLREADING;
  ::SetBkMode(dc, TRANSPARENT);
  auto draw = [&](TColor color, int dx, int dy) {
    const TColor rgb = ColorToRGB(color);
    ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    RECT r = {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
    ::DrawTextA(dc, caption.c_str(), -1, &r, format);
  };
  if (Enabled()) {
    if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
      const bool raised = textStyle_ == tsRaised;
      if (!(raised && lightTextStyle_)) draw(raised ? textShadowColor_ : textHighlightColor_, 1, 1);
      if (!(!raised && lightTextStyle_)) draw(raised ? textHighlightColor_ : textShadowColor_, -1, -1);
    } else if (textStyle_ == tsShadow) {
      if ((format & DT_RIGHT) != 0)
        draw(textShadowColor_, 0, textShadowDepth_);
      else
        draw(textShadowColor_, textShadowDepth_, textShadowDepth_);
    }
    // Right-aligned captions keep room for a shadow, whatever the style.
    if ((format & DT_RIGHT) != 0) {
      rect.Left -= textShadowDepth_;
      rect.Right -= textShadowDepth_;
    }
    draw(Font()->Color(), 0, 0);
  } else {
    draw(clBtnHighlight, 1, 1);
    draw(clBtnShadow, 0, 0);
  }
  canvas->Brush()->SetStyle(bsSolid);
}

void TRzCustomButton::MouseEnter() {
  mouseOverButton_ = true;
  OnMouseEnter(this);
}

void TRzCustomButton::MouseLeave() {
  mouseOverButton_ = false;
  OnMouseLeave(this);
}

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (CanFocus()) SetFocus();
  if (!Focused()) return;
  showDownVersion_ = true;
  UpdateDisplay();
  dragging_ = true;
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
  if (inside != showDownVersion_) {
    showDownVersion_ = inside;
    UpdateDisplay();
  }
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  showDownVersion_ = false;
  if (x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight()) ChangeState();
  UpdateDisplay();
}

bool TRzCustomButton::HotTrackingShown() const {
  return hotTrack_ || (themeAware_ && ThemeServices()->ThemesEnabled());
}

void TRzCustomButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TCustomControl::Dispatch(message);
      if (message.Msg == CM_MOUSEENTER)
        MouseEnter();
      else
        MouseLeave();
      if (HotTrackingShown() && HandleAllocated()) {
        RECT r = WinRect(GetHotTrackRect());
        ::InvalidateRect(Handle(), &r, FALSE);
      }
      return;
    }
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(message);
      Repaint();
      return;
    default:
      return TCustomControl::Dispatch(message);
  }
}

void TRzCustomButton::WMSetFocus(TMessage& message) {
  TCustomControl::WMSetFocus(message);
  RepaintDisplay();
}

void TRzCustomButton::WMKillFocus(TMessage& message) {
  TCustomControl::WMKillFocus(message);
  RepaintDisplay();
}

void TRzCustomButton::WMEraseBkgnd(TMessage& message) {
  if (!transparent_) return TCustomControl::WMEraseBkgnd(message);
  DrawParentImage(this, reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

// A control that is disabled gives the focus away first.
void TRzCustomButton::CMEnabledChanged(TMessage&) {
  if (!Enabled() && Parent())
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  if (HandleAllocated() && !HasState(csDesigning)) ::EnableWindow(Handle(), Enabled());
  Invalidate();
}

int EstimateMenuWidth(TControl* control, TPopupMenu* menu) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = ::CreateFontIndirectA(&metrics.lfMenuFont);
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font);
  int widest = 0;
  TMenuItem* items = menu ? menu->Items() : nullptr;
  for (int i = 0; items && i < items->Count(); ++i) {
    const String caption = items->Items(i)->Caption();
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    if (size.cx > widest) widest = size.cx;
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(font);
  (void)control;
  return widest + 56;
}

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}

}  // namespace

HMONITOR FindMonitorAtPoint(const TPoint& point) {
  std::vector<HMONITOR> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  for (HMONITOR monitor : monitors)
    if (GetMonitorBoundsRect(monitor).Contains(point)) return monitor;
  return nullptr;
}
