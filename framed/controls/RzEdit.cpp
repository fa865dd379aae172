#include "framed/controls/RzEdit.h"

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/published/Filer.h"
#include "platform/published/Published.h"

TRzCustomEdit::TRzCustomEdit(TComponent* owner)
    : TCustomMaskEdit(owner), frameCanvas_(std::make_unique<TControlCanvas>()) {
  ControlStyle = (ControlStyle | csCaptureMouse) & ~csSetCaption;
  frameCanvas_->SetControl(this);
}

TRzCustomEdit::~TRzCustomEdit() {
  if (frameController_) frameController_->RemoveControl(this);
}

void TRzCustomEdit::DefineProperties(TFiler* filer) {
  TCustomMaskEdit::DefineProperties(filer);
  filer->DefineProperty(
      "FrameFlat",
      [this](TReader& reader) {
        const bool flat = reader.ReadBoolean();
        SetFrameHotTrack(flat);
        if (flat) {
          SetFrameStyle(fsStatus);
          SetFrameHotStyle(fsLowered);
        }
      },
      nullptr, false);
  filer->DefineProperty(
      "FrameFocusStyle",
      [this](TReader& reader) {
        const int style = FrameStyleNames().IndexOf(reader.ReadIdent());
        if (style >= 0) SetFrameHotStyle(static_cast<TFrameStyle>(style));
      },
      nullptr, false);
  filer->DefineProperty("FrameFlatStyle", TRzOldPropReader::ReadOldEnumProp, nullptr, false);
}

void TRzCustomEdit::Notification(TComponent* component, TOperation operation) {
  TCustomMaskEdit::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzCustomEdit::SetFrameController(TRzFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TRzCustomEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  if (alignment_ == taLeftJustify) params.Style &= ~ES_MULTILINE;
  if (alignment_ == taRightJustify) params.Style = (params.Style | ES_RIGHT) & ~ES_MULTILINE;
}

void TRzCustomEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  UpdateColors();
  UpdateFrame(false, false);
}

bool TRzCustomEdit::UseThemes() const {
  return framingPreference_ == fpXPThemes && ThemeServices()->ThemesEnabled();
}

// ---- colours ----

void TRzCustomEdit::UpdateColors() {
  if (HasState(csLoading)) return;
  updatingColors_ = true;
  try {
    SetColor(!Enabled() ? disabledColor_ : focusFlag_ ? focusColor_ : normalColor_);
  } catch (...) {
    updatingColors_ = false;
    throw;
  }
  updatingColors_ = false;
}

// A colour set from outside is the user's: the focus colour follows it while the two were the same.
void TRzCustomEdit::TakeUserColor() {
  if (focusColor_ == normalColor_) focusColor_ = Color();
  normalColor_ = Color();
}

void TRzCustomEdit::CMColorChanged(TMessage& message) {
  TCustomMaskEdit::CMColorChanged(message);
  if (!updatingColors_) TakeUserColor();
  if (frameVisible_ && !UseThemes()) RepaintFrame();
}

void TRzCustomEdit::CMParentColorChanged(TMessage& message) {
  TCustomMaskEdit::CMParentColorChanged(message);
  if (ParentColor()) TakeUserColor();
  if (frameVisible_ && !UseThemes()) RepaintFrame();
}

void TRzCustomEdit::CMEnabledChanged(TMessage& message) {
  TCustomMaskEdit::CMEnabledChanged(message);
  RepaintButton();
  UpdateColors();
}

void TRzCustomEdit::SetDisabledColor(TColor value) {
  disabledColor_ = value;
  if (!Enabled()) UpdateColors();
}

void TRzCustomEdit::SetFocusColor(TColor value) {
  focusColor_ = value;
  if (focusFlag_) UpdateColors();
}

// ---- frame ----

void TRzCustomEdit::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

#define RZ_EDIT_FRAME_SETTER(Name, Type, field) \
  void TRzCustomEdit::Set##Name(Type value) {   \
    if (field == value) return;                 \
    field = value;                              \
    RepaintFrame();                             \
  }
RZ_EDIT_FRAME_SETTER(FrameColor, TColor, frameColor_)
RZ_EDIT_FRAME_SETTER(FrameHotColor, TColor, frameHotColor_)
RZ_EDIT_FRAME_SETTER(FrameHotStyle, TFrameStyle, frameHotStyle_)
RZ_EDIT_FRAME_SETTER(FrameSides, TSides, frameSides_)
RZ_EDIT_FRAME_SETTER(FrameStyle, TFrameStyle, frameStyle_)
#undef RZ_EDIT_FRAME_SETTER

void TRzCustomEdit::SetFrameHotTrack(bool value) {
  if (frameHotTrack_ == value) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!HasState(csLoading)) frameSides_ = sdAllSides;
  }
  RepaintFrame();
  Invalidate();
}

void TRzCustomEdit::SetFrameVisible(bool value) {
  if (frameVisible_ == value) return;
  frameVisible_ = value;
  if (value) SetCtl3D(true);
  if (HandleAllocated()) RecreateWnd();
}

void TRzCustomEdit::SetFramingPreference(TFramingPreference value) {
  if (framingPreference_ == value) return;
  framingPreference_ = value;
  if (value == fpCustomFraming) RepaintFrame();
}

void TRzCustomEdit::RepaintFrame() {
  if (!HandleAllocated()) return;
  RECT r = WinRect(ClientRect());
  ::RedrawWindow(Handle(), &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

void TRzCustomEdit::RepaintButton() {
  if (HandleAllocated()) Perform(WM_NCPAINT, 0, 0);
}

void TRzCustomEdit::UpdateFrame(bool viaMouse, bool inFocus) {
  if (viaMouse)
    mouseOver_ = inFocus;
  else
    focusFlag_ = inFocus;
  if (dropButtonVisible_) {
    if ((flatButtons_ || frameHotTrack_ || ThemeServices()->ThemesEnabled()) && buttonState_ != bsDown &&
        HandleAllocated()) {
      TRect r = ClientRect();
      if (!frameHotTrack_) {
        const int strip = ::GetSystemMetrics(SM_CXVSCROLL) + 2;
        if (UseRightToLeftAlignment())
          r.Right = r.Left + strip;
        else
          r.Left = r.Right - strip;
      }
      RECT rr = WinRect(r);
      ::RedrawWindow(Handle(), &rr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME | RDW_UPDATENOW);
    }
  } else if (frameHotTrack_) {
    RepaintFrame();
  }
  UpdateColors();
}

void TRzCustomEdit::CMEnter(TMessage& message) {
  UpdateFrame(false, true);
  TCustomMaskEdit::CMEnter(message);
}

void TRzCustomEdit::CMExit(TMessage& message) {
  TCustomMaskEdit::CMExit(message);
  UpdateFrame(false, false);
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
  TCanvas* canvas = frameCanvas_.get();
  const bool hot = focusFlag_ || mouseOver_;
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
  canvas->Brush()->SetColor(!Enabled() ? disabledColor_ : focusFlag_ ? focusColor_ : normalColor_);
  canvas->FillRect(rect);
  DrawDropDownArrow(canvas, rect, uiWindows95, false, Enabled());
}

// The frame and the drop-down button are painted over the system's border.
void TRzCustomEdit::WMNCPaint(TMessage& message) {
  DefaultHandler(message);
  HDC dc = ::GetWindowDC(Handle());
  frameCanvas_->BindPaintDC(dc);
  try {
    if (frameVisible_ && !UseThemes()) {
      const bool hot = FrameHot();
      DrawFrame(frameCanvas_.get(), Width(), Height(), hot ? frameHotStyle_ : frameStyle_, Color(),
                hot ? frameHotColor_ : frameColor_, frameSides_, false);
      message.Result = 0;
    }
    if (dropButtonVisible_) {
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
  } catch (...) {
    frameCanvas_->FreeHandle();
    ::ReleaseDC(Handle(), dc);
    throw;
  }
  frameCanvas_->FreeHandle();
  ::ReleaseDC(Handle(), dc);
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
  TCustomMaskEdit::WMSetCursor(message);
}

bool TRzCustomEdit::ButtonMouseDown(TMessage& message) {
  if (!buttonHit_) return false;
  if (!Focused() && CanFocus()) SetFocus();
  DoDropDown();
  message.Result = 0;
  return true;
}

void TRzCustomEdit::WMKillFocus(TMessage& message) {
  TCustomMaskEdit::WMKillFocus(message);
  MouseCancel();
}

void TRzCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: return WMNCPaint(message);
    case WM_NCCALCSIZE: return WMNCCalcSize(message);
    case WM_NCHITTEST: return WMNCHitTest(message);
    case WM_SIZE:
      TCustomMaskEdit::Dispatch(message);
      if (frameVisible_ && !UseThemes()) RepaintFrame();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (ButtonMouseDown(message)) return;
      TCustomMaskEdit::Dispatch(message);
      if (message.Msg == WM_LBUTTONDOWN && !Focused()) MouseCancel();
      return;
    case WM_RBUTTONDOWN:
      if (buttonHit_) {
        message.Result = 0;
        return;
      }
      return TCustomMaskEdit::Dispatch(message);
    case WM_LBUTTONUP:
      MouseCancel();
      return TCustomMaskEdit::Dispatch(message);
    case CM_MOUSEENTER:
      TCustomMaskEdit::Dispatch(message);
      UpdateFrame(true, true);
      return MouseEnter();
    case CM_MOUSELEAVE:
      TCustomMaskEdit::Dispatch(message);
      UpdateFrame(true, false);
      return MouseLeave();
    default:
      return TCustomMaskEdit::Dispatch(message);
  }
}

void TRzCustomEdit::KeyDown(Word& key, TShiftState shift) {
  TCustomMaskEdit::KeyDown(key, shift);
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
  TCustomMaskEdit::KeyPress(key);
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
  TCustomMaskEdit::ValidateError();
}
