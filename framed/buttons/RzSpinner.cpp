#include "framed/buttons/RzSpinner.h"

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Routines.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Filer.h"

TRzSpinner::TRzSpinner(TComponent* owner) : TCustomControl(owner), placeholder_(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 80, 18);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  if (RunningUnder(WinNT) || RunningUnder(Win95)) {
    handCursor_ = ::LoadCursorA(::GetModuleHandleA(nullptr), "RZCOMMON_HANDCURSOR");
    handCursorLoaded_ = handCursor_ != nullptr;
  } else {
    handCursor_ = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
  }
}

TRzSpinner::~TRzSpinner() {
  if (handCursorLoaded_) ::DestroyCursor(handCursor_);
}

void TRzSpinner::DefineProperties(TFiler* filer) {
  TCustomControl::DefineProperties(filer);
  for (const char* old : {"NumGlyphsMinus", "NumGlyphsPlus", "Flat"}) filer->DefineProperty(old, ReadAndDrop(), nullptr, false);
}

int TRzSpinner::CheckValue(int value) const {
  if (min_ == max_ && !checkRange_) return value;
  if (value < min_) return min_;
  if (value > max_) return max_;
  return value;
}

bool TRzSpinner::CanChange(int newValue) {
  bool allow = true;
  OnChanging(this, newValue, allow);
  return allow;
}

void TRzSpinner::SetValue(int value) {
  value = CheckValue(value);
  if (value == value_ || !CanChange(value)) return;
  value_ = value;
  Invalidate();
  Change();
  UpdateObjectInspector(this);
}

void TRzSpinner::SetMin(int value) {
  min_ = value;
  if (max_ < min_) max_ = min_;
  SetValue(value_);
  Invalidate();
}

void TRzSpinner::SetMax(int value) {
  max_ = value;
  if (max_ < min_) min_ = max_;
  SetValue(value_);
  Invalidate();
}

void TRzSpinner::SetCheckRange(bool value) {
  if (checkRange_ == value) return;
  checkRange_ = value;
  SetValue(value_);
}

#define RZ_SETTER(Name, Type, field) \
  void TRzSpinner::Set##Name(Type value) { \
    if (field == value) return;        \
    field = value;                     \
    Invalidate();                      \
  }
RZ_SETTER(ShowHexValue, bool, showHexValue_)
RZ_SETTER(HexValuePrefix, const String&, hexValuePrefix_)
RZ_SETTER(FrameColor, TColor, frameColor_)
RZ_SETTER(ButtonColor, TColor, buttonColor_)
RZ_SETTER(ButtonWidth, int, buttonWidth_)
#undef RZ_SETTER

void TRzSpinner::SetImageIndex(int index, int value) {
  if (index < 1 || index > 2 || imageIndex_[index - 1] == value) return;
  imageIndex_[index - 1] = value;
  Invalidate();
}

void TRzSpinner::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  images_ = value;
  if (images_) {
    images_->FreeNotification(this);
    if (buttonWidth_ < images_->Width()) buttonWidth_ = images_->Width() + 4;
    if (Height() < images_->Height()) SetHeight(images_->Height() + 4);
  }
  Invalidate();
}

void TRzSpinner::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

String TRzSpinner::DisplayText() const {
  if (showHexValue_) return Format("%s%x", hexValuePrefix_, value_);
  return IntToStr(value_);
}

bool TRzSpinner::OverButton(TRzButtonType type, const TPoint& p) const {
  const TRect r = type == btMinus ? Rect(0, 0, buttonWidth_, Height()) : Rect(Width() - buttonWidth_, 0, Width(), Height());
  return r.Contains(p);
}

void TRzSpinner::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  pointer_ = TPoint{x, y};
  if (!HasState(csDesigning) && CanFocus()) SetFocus();
  if (button != mbLeft) return;
  minusPressed_ = OverButton(btMinus, pointer_);
  plusPressed_ = OverButton(btPlus, pointer_);
  if (!minusPressed_ && !plusPressed_) return;
  if (!repeatTimer_) {
    repeatTimer_ = FramedClock().MakeTimer();
    repeatTimer_->OnTimer = TNotifyEvent(this, &TRzSpinner::TimerExpired);
  }
  repeatTimer_->SetInterval(400);
  repeatTimer_->SetEnabled(true);
  Invalidate();
}

void TRzSpinner::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  pointer_ = TPoint{x, y};
}

// A release steps only over the button the press began on, so a press in the
// value field or on the other button changes nothing.
void TRzSpinner::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  pointer_ = TPoint{x, y};
  if (button != mbLeft) return;
  if (plusPressed_ && OverButton(btPlus, pointer_))
    IncValue(Increment);
  else if (minusPressed_ && OverButton(btMinus, pointer_))
    DecValue(Increment);
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
  minusPressed_ = plusPressed_ = false;
  Invalidate();
}

void TRzSpinner::StepFromPointer() {
  if (plusPressed_ && OverButton(btPlus, pointer_))
    IncValue(Increment);
  else if (minusPressed_ && OverButton(btMinus, pointer_))
    DecValue(Increment);
}

void TRzSpinner::TimerExpired(TObject*) {
  repeatTimer_->SetInterval(100);
  try {
    StepFromPointer();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}

bool TRzSpinner::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
  const int step = (shift & ssCtrl) ? PageSize : Increment;
  if (wheelDelta < 0)
    DecValue(step);
  else
    IncValue(step);
  return true;
}

void TRzSpinner::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
    case VK_PRIOR: IncValue(PageSize); break;
    case VK_NEXT: DecValue(PageSize); break;
    case VK_LEFT: case VK_DOWN: case VK_SUBTRACT: DecValue(Increment); break;
    case VK_UP: case VK_RIGHT: case VK_ADD: IncValue(Increment); break;
    default: break;
  }
}

void TRzSpinner::KeyPress(char& key) {
  if (TabOnEnter && key == '\r') {
    key = 0;
    ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  TCustomControl::KeyPress(key);
}

void TRzSpinner::DoEnter() {
  TCustomControl::DoEnter();
  Invalidate();
}

void TRzSpinner::DoExit() {
  TCustomControl::DoExit();
  Invalidate();
}

void TRzSpinner::WMSetCursor(TMessage& message) {
  const TPoint p = ScreenToClient([] {
    POINT c;
    ::GetCursorPos(&c);
    return TPoint{c.x, c.y};
  }());
  if (handCursor_ && (OverButton(btMinus, p) || OverButton(btPlus, p))) {
    ::SetCursor(handCursor_);
    message.Result = 1;
    return;
  }
  TCustomControl::WMSetCursor(message);
}

void TRzSpinner::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      TCustomControl::Dispatch(message);
      message.Result = DLGC_WANTARROWS;
      return;
    case CM_ENABLEDCHANGED:
      TCustomControl::Dispatch(message);
      return Invalidate();
    default: return TCustomControl::Dispatch(message);
  }
}

void TRzSpinner::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(frameColor_);
  c->Brush()->SetStyle(bsSolid);
  if (Enabled()) {
    c->Brush()->SetColor(Color());
  } else {
    c->Brush()->SetColor(clBtnFace);
    c->Font()->SetColor(clBtnShadow);
  }
  TRect v = Rect(buttonWidth_ - 1, 0, Width() - buttonWidth_ + 1, Height());
  c->Rectangle(v);
  InflateRect(v, -1, -1);
  const String text = DisplayText();
  const int y = v.Top + (v.Bottom - v.Top - c->TextHeight(IntToStr(value_))) / 2;
  HDC dc = c->Handle();
  const UINT oldAlign = ::SetTextAlign(dc, TA_CENTER);
  c->TextRect(v, Width() / 2, y, text);
  ::SetTextAlign(dc, oldAlign);
  DrawButton(btMinus, minusPressed_, Rect(0, 0, buttonWidth_, Height()));
  DrawButton(btPlus, plusPressed_, Rect(Width() - buttonWidth_, 0, Width(), Height()));
  if (Focused()) c->DrawFocusRect(v);
}

void TRzSpinner::DrawButton(TRzButtonType type, bool pressed, const TRect& r) {
  TCanvas* c = Canvas();
  const int h = Height(), bw = buttonWidth_;
  auto frame = [&] {
    c->Brush()->SetColor(pressed ? clBtnShadow : buttonColor_);
    c->Pen()->SetColor(frameColor_);
    c->Rectangle(r);
  };
  frame();
  const TColor sign = Enabled() ? clActiveCaption : clBtnShadow;
  c->Pen()->SetColor(sign);
  c->Brush()->SetColor(sign);
  const int index = imageIndex_[type];
  if (images_ && index != -1) {
    const int x = r.Left + r.Width() / 2 - images_->Width() / 2;
    const int y = r.Top + r.Height() / 2 - images_->Height() / 2;
    frame();
    images_->Draw(c, x, y, index, Enabled());
  } else if (type == btMinus) {
    c->Rectangle(4, h / 2 - 1, bw - 4, h / 2 + 1);
  } else {
    c->Rectangle(Width() - bw + 4, h / 2 - 1, Width() - 4, h / 2 + 1);
    c->Rectangle(Width() - bw / 2 - 1, h / 2 - bw / 2 + 4, Width() - bw / 2 + 1, h / 2 + bw / 2 - 4);
  }
  c->Pen()->SetColor(clWindowText);
  c->Brush()->SetColor(clWindow);
}
