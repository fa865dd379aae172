#include "framed/edits/RzEditFraming.h"

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/comctrls/HotKey.h"
#include "platform/comctrls/RichEdit.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/stdctrls/MaskEdit.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/Memo.h"

template <class Base>
TRzEditFraming<Base>::TRzEditFraming(TComponent* owner)
    : Base(owner), frameCanvas_(std::make_unique<TControlCanvas>()) {
  frameCanvas_->SetControl(this);
}

template <class Base>
TRzEditFraming<Base>::~TRzEditFraming() {
  if (frameController_) frameController_->RemoveControl(this);
}

// Older versions stored a flat frame, a focus style and a flat style.
template <class Base>
void TRzEditFraming<Base>::DefineProperties(TFiler* filer) {
  Base::DefineProperties(filer);
  DefineOldFrameProperties(filer, {[this](bool v) { SetFrameHotTrack(v); }, [this](TFrameStyle v) { SetFrameStyle(v); },
                                   [this](TFrameStyle v) { SetFrameHotStyle(v); }});
}

template <class Base>
void TRzEditFraming<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

template <class Base>
void TRzEditFraming<Base>::SetFrameController(TRzFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

template <class Base>
void TRzEditFraming<Base>::Loaded() {
  Base::Loaded();
  UpdateColors();
  UpdateFrame(false, false);
}

template <class Base>
bool TRzEditFraming<Base>::UseThemes() const {
  return framingPreference_ == fpXPThemes && ThemeServices()->ThemesEnabled();
}

// ---- colours ----

template <class Base>
void TRzEditFraming<Base>::UpdateColors() {
  if (this->HasState(csLoading)) return;
  updatingColors_ = true;
  try {
    this->SetColor(FaceColor());
  } catch (...) {
    updatingColors_ = false;
    throw;
  }
  updatingColors_ = false;
}

// A colour set from outside is the user's: the focus colour follows it while the two were the same.
template <class Base>
void TRzEditFraming<Base>::TakeUserColor() {
  if (focusColor_ == normalColor_) focusColor_ = this->Color();
  normalColor_ = this->Color();
}

template <class Base>
void TRzEditFraming<Base>::CMColorChanged(TMessage& message) {
  Base::CMColorChanged(message);
  if (!updatingColors_) TakeUserColor();
  if (frameVisible_ && !UseThemes()) RepaintFrame();
}

template <class Base>
void TRzEditFraming<Base>::CMParentColorChanged(TMessage& message) {
  Base::CMParentColorChanged(message);
  if (this->ParentColor()) TakeUserColor();
  if (frameVisible_ && !UseThemes()) RepaintFrame();
}

template <class Base>
void TRzEditFraming<Base>::CMEnabledChanged(TMessage& message) {
  Base::CMEnabledChanged(message);
  UpdateColors();
}

template <class Base>
void TRzEditFraming<Base>::SetDisabledColor(TColor value) {
  disabledColor_ = value;
  if (!this->Enabled()) UpdateColors();
}

template <class Base>
void TRzEditFraming<Base>::SetFocusColor(TColor value) {
  focusColor_ = value;
  if (FaceFocused()) UpdateColors();
}

// ---- frame ----

template <class Base>
void TRzEditFraming<Base>::SetFrameColor(TColor value) { SetFrameValue(frameColor_, value); }
template <class Base>
void TRzEditFraming<Base>::SetFrameHotColor(TColor value) { SetFrameValue(frameHotColor_, value); }
template <class Base>
void TRzEditFraming<Base>::SetFrameHotStyle(TFrameStyle value) { SetFrameValue(frameHotStyle_, value); }
template <class Base>
void TRzEditFraming<Base>::SetFrameSides(TSides value) { SetFrameValue(frameSides_, value); }
template <class Base>
void TRzEditFraming<Base>::SetFrameStyle(TFrameStyle value) { SetFrameValue(frameStyle_, value); }

template <class Base>
void TRzEditFraming<Base>::SetFrameHotTrack(bool value) {
  if (frameHotTrack_ == value) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!this->HasState(csLoading)) frameSides_ = sdAllSides;
  }
  RepaintFrame();
  this->Invalidate();
}

template <class Base>
void TRzEditFraming<Base>::SetFrameVisible(bool value) {
  if (frameVisible_ == value) return;
  frameVisible_ = value;
  if (value) this->SetCtl3D(true);
  if (this->HandleAllocated()) this->RecreateWnd();
}

template <class Base>
void TRzEditFraming<Base>::SetFramingPreference(TFramingPreference value) {
  if (framingPreference_ == value) return;
  framingPreference_ = value;
  if (value == fpCustomFraming) RepaintFrame();
}

template <class Base>
void TRzEditFraming<Base>::RepaintFrame() {
  if (!this->HandleAllocated()) return;
  RECT r = WinRect(this->ClientRect());
  ::RedrawWindow(this->Handle(), &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

template <class Base>
void TRzEditFraming<Base>::UpdateFrame(bool viaMouse, bool inFocus) {
  if (viaMouse) mouseOver_ = inFocus;
  if (frameHotTrack_) RepaintFrame();
  UpdateColors();
}

template <class Base>
void TRzEditFraming<Base>::CMEnter(TMessage& message) {
  UpdateFrame(false, true);
  Base::CMEnter(message);
}

template <class Base>
void TRzEditFraming<Base>::CMExit(TMessage& message) {
  Base::CMExit(message);
  UpdateFrame(false, false);
}

template <class Base>
void TRzEditFraming<Base>::PaintNonClient(TMessage& message) {
  if (!frameVisible_ || UseThemes()) return;
  const bool hot = FrameHot();
  DrawFrame(frameCanvas_.get(), this->Width(), this->Height(), hot ? frameHotStyle_ : frameStyle_, this->Color(),
            hot ? frameHotColor_ : frameColor_, frameSides_, false);
  message.Result = 0;
}

// The frame is painted over the system's border.
template <class Base>
void TRzEditFraming<Base>::WMNCPaint(TMessage& message) {
  this->DefaultHandler(message);
  HDC dc = ::GetWindowDC(this->Handle());
  frameCanvas_->BindPaintDC(dc);
  try {
    PaintNonClient(message);
  } catch (...) {
    frameCanvas_->FreeHandle();
    ::ReleaseDC(this->Handle(), dc);
    throw;
  }
  frameCanvas_->FreeHandle();
  ::ReleaseDC(this->Handle(), dc);
}

template <class Base>
void TRzEditFraming<Base>::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: return WMNCPaint(message);
    case WM_SIZE:
      Base::Dispatch(message);
      if (frameVisible_ && !UseThemes()) RepaintFrame();
      return;
    case CM_MOUSEENTER:
      Base::Dispatch(message);
      UpdateFrame(true, true);
      return MouseEnter();
    case CM_MOUSELEAVE:
      Base::Dispatch(message);
      UpdateFrame(true, false);
      return MouseLeave();
    default:
      return Base::Dispatch(message);
  }
}

template class TRzEditFraming<TCustomMaskEdit>;
template class TRzEditFraming<TMemo>;
template class TRzEditFraming<TRichEdit>;
template class TRzEditFraming<THotKey>;
template class TRzEditFraming<TCustomListBox>;
