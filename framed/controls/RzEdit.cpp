#include "framed/controls/RzEdit.h"

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"

using TEditFraming = TRzEditFraming<TCustomMaskEdit>;

TRzCustomEdit::TRzCustomEdit(TComponent* owner) : TEditFraming(owner) {
  ControlStyle = (ControlStyle | csCaptureMouse) & ~csSetCaption;
}

TRzCustomEdit::~TRzCustomEdit() = default;

void TRzCustomEdit::CreateParams(TCreateParams& params) {
  TEditFraming::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  if (alignment_ == taLeftJustify) params.Style &= ~ES_MULTILINE;
  if (alignment_ == taRightJustify) params.Style = (params.Style | ES_RIGHT) & ~ES_MULTILINE;
}

void TRzCustomEdit::CMEnabledChanged(TMessage& message) {
  TCustomMaskEdit::CMEnabledChanged(message);
  RepaintButton();
  UpdateColors();
}

void TRzCustomEdit::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TRzCustomEdit::RepaintButton() {
  if (HandleAllocated()) Perform(WM_NCPAINT, 0, 0);
}

void TRzCustomEdit::UpdateFrame(bool viaMouse, bool inFocus) {
  if (viaMouse)
    SetMouseOver(inFocus);
  else
    focusFlag_ = inFocus;
  if (dropButtonVisible_) {
    if ((flatButtons_ || FrameHotTrack() || ThemeServices()->ThemesEnabled()) && buttonState_ != bsDown &&
        HandleAllocated()) {
      TRect r = ClientRect();
      if (!FrameHotTrack()) {
        const int strip = ::GetSystemMetrics(SM_CXVSCROLL) + 2;
        if (UseRightToLeftAlignment())
          r.Right = r.Left + strip;
        else
          r.Left = r.Right - strip;
      }
      RECT rr = WinRect(r);
      ::RedrawWindow(Handle(), &rr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME | RDW_UPDATENOW);
    }
  } else if (FrameHotTrack()) {
    RepaintFrame();
  }
  UpdateColors();
}

// ---- drop-down button ----

void TRzCustomEdit::SetDropButtonVisible(bool value) {
  if (dropButtonVisible_ == value) return;
  dropButtonVisible_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TRzCustomEdit::SetFlatButtons(bool value) {
  if (flatButtons_ == value) return;
  flatButtons_ = value;
  RepaintButton();
}

void TRzCustomEdit::SetButtonState(TButtonState value) {
  if (!dropButtonVisible_ || buttonState_ == value) return;
  buttonState_ = value;
  RepaintButton();
}

void TRzCustomEdit::DoDropDown() {
  if (!dropButtonVisible_) return;
  droppedDown_ = true;
  try {
    SetMouseCapture(true);
    SetButtonState(bsDown);
    DropDown();
    CloseUp();
    SetButtonState(bsUp);
  } catch (...) {
    droppedDown_ = false;
    throw;
  }
  droppedDown_ = false;
}

void TRzCustomEdit::MouseCancel() {
  if (!droppedDown_) SetButtonState(bsUp);
  if (MouseCapture()) SetMouseCapture(false);
}

void TRzCustomEdit::DrawButton(const TRect& rect) {
  TCanvas* canvas = FrameCanvas();
  const bool hot = focusFlag_ || MouseOver();
  if (ThemeServices()->ThemesEnabled()) {
    if (!flatButtons_ || hot) {
      const TThemedComboBox element = !Enabled() ? tcDropDownButtonDisabled
                                      : buttonState_ == bsDown ? tcDropDownButtonPressed
                                      : hot ? tcDropDownButtonHot
                                            : tcDropDownButtonNormal;
      ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(element), rect);
    } else {
      canvas->Brush()->SetColor(Color());
      canvas->FillRect(rect);
      DrawDropDownArrow(canvas, rect, uiWindowsXP, false, Enabled());
    }
    return;
  }
  if (!flatButtons_) {
    UINT flags = DFCS_SCROLLCOMBOBOX;
    if (buttonState_ == bsDown) flags |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled()) flags |= DFCS_INACTIVE;
    RECT r = WinRect(rect);
    ::DrawFrameControl(canvas->Handle(), &r, DFC_SCROLL, flags);
    return;
  }
  const bool pressed = buttonState_ == bsDown;
  if (hot) {
    canvas->Brush()->SetColor(FlatButtonColor);
    TRect inner = FlatButtonColor == clBtnFace
                      ? DrawBevel(canvas, rect, pressed ? clBtnShadow : clBtnHighlight,
                                  pressed ? clBtnHighlight : clBtnShadow, 1, sdAllSides)
                      : DrawColorBorder(canvas, rect, FlatButtonColor, pressed ? fsStatus : fsPopup);
    canvas->Brush()->SetColor(FlatButtonColor);
    canvas->FillRect(inner);
    DrawDropDownArrow(canvas, inner, uiWindows95, pressed, Enabled());
    return;
  }
  canvas->Brush()->SetColor(FaceColor());
  canvas->FillRect(rect);
  DrawDropDownArrow(canvas, rect, uiWindows95, false, Enabled());
}

// The shared frame, then the drop-down button beside the text.
void TRzCustomEdit::PaintNonClient(TMessage& message) {
  TEditFraming::PaintNonClient(message);
  if (!dropButtonVisible_) return;
  HDC dc = FrameCanvas()->Handle();
  RECT window;
  ::GetWindowRect(Handle(), &window);
  TRect r(0, 0, window.right - window.left, window.bottom - window.top);
  if (BorderStyle() == bsSingle) {
    const int shrink = ThemeServices()->ThemesEnabled() ? 1 : 2;
    r = TRect(r.Left + shrink, r.Top + shrink, r.Right - shrink, r.Bottom - shrink);
    ::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  }
  const int w = ::GetSystemMetrics(SM_CXVSCROLL);
  if (UseRightToLeftAlignment())
    r.Right = r.Left + w;
  else
    r.Left = r.Right - w;
  DrawButton(r);
  ::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  message.Result = 0;
}

void TRzCustomEdit::WMNCCalcSize(TMessage& message) {
  if (dropButtonVisible_) {
    auto* r = reinterpret_cast<RECT*>(message.LParam);
    const int w = ::GetSystemMetrics(SM_CXVSCROLL) - (ThemeServices()->ThemesEnabled() ? 1 : 0);
    if (UseRightToLeftAlignment())
      r->left += w;
    else
      r->right -= w;
  }
  DefaultHandler(message);
}

void TRzCustomEdit::WMNCHitTest(TMessage& message) {
  DefaultHandler(message);
  buttonHit_ = message.Result == HTNOWHERE;
  if (buttonHit_) message.Result = HTCLIENT;
}

void TRzCustomEdit::WMSetCursor(TMessage& message) {
  if (buttonHit_) message.LParam = MAKELPARAM(HTNOWHERE, HIWORD(message.LParam));
  TEditFraming::WMSetCursor(message);
}

bool TRzCustomEdit::ButtonMouseDown(TMessage& message) {
  if (!buttonHit_) return false;
  if (!Focused() && CanFocus()) SetFocus();
  DoDropDown();
  message.Result = 0;
  return true;
}

void TRzCustomEdit::WMKillFocus(TMessage& message) {
  TEditFraming::WMKillFocus(message);
  MouseCancel();
}

void TRzCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE: return WMNCCalcSize(message);
    case WM_NCHITTEST: return WMNCHitTest(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (ButtonMouseDown(message)) return;
      TEditFraming::Dispatch(message);
      if (message.Msg == WM_LBUTTONDOWN && !Focused()) MouseCancel();
      return;
    case WM_RBUTTONDOWN:
      if (buttonHit_) {
        message.Result = 0;
        return;
      }
      return TEditFraming::Dispatch(message);
    case WM_LBUTTONUP:
      MouseCancel();
      return TEditFraming::Dispatch(message);
    default:
      return TEditFraming::Dispatch(message);
  }
}

void TRzCustomEdit::KeyDown(Word& key, TShiftState shift) {
  TEditFraming::KeyDown(key, shift);
  if (key == VK_DOWN && (shift & ssAlt) && dropButtonVisible_) {
    DoDropDown();
    key = 0;
  }
}

void TRzCustomEdit::KeyPress(char& key) {
  if (TabOnEnter && key == '\r') {
    key = 0;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  ::GetVersionExA(&info);
  if (key == '\r' && alignment_ == taRightJustify && info.dwMajorVersion == 4 && info.dwMinorVersion == 0) {
    key = 0;
    return;
  }
  TEditFraming::KeyPress(key);
}

// The owner's message replaces the mask's, with a beep; an empty one keeps the mask's.
void TRzCustomEdit::ValidateError() {
  if (OnValidateError) {
    String message;
    OnValidateError(this, message);
    if (!message.empty()) {
      ::MessageBeep(0);
      throw EDBEditError(message);
    }
  }
  TEditFraming::ValidateError();
}
