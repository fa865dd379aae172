#include "framed/controls/RzSpinEdit.h"

#include "framed/common/RzCommon_Routines.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/core/Math.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Filer.h"

TRzSpinEdit::TRzSpinEdit(TComponent* owner) : TRzCustomEdit(owner) {
  buttons_ = new TRzSpinButtons(this);
  buttons_->SetBounds(0, 0, 17, 17);
  buttons_->SetVisible(true);
  buttons_->SetFocusControl(this);
  buttons_->OnUpRightClick = TNotifyEvent(this, &TRzSpinEdit::UpRightClickHandler);
  buttons_->OnDownLeftClick = TNotifyEvent(this, &TRzSpinEdit::DownLeftClickHandler);
  buttons_->SetParent(this);
  ControlStyle &= ~csSetCaption;
  SetWidth(47);
  SetAlignment(taRightJustify);
  SetValue(0);
}

void TRzSpinEdit::DefineProperties(TFiler* filer) {
  TRzCustomEdit::DefineProperties(filer);
  filer->DefineProperty("FlatButtonParentColor", TRzOldPropReader::ReadOldBooleanProp, nullptr, false);
}

void TRzSpinEdit::CreateParams(TCreateParams& params) {
  TRzCustomEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TRzSpinEdit::CreateWnd() {
  TRzCustomEdit::CreateWnd();
  SetEditRect();
}

void TRzSpinEdit::Loaded() {
  TRzCustomEdit::Loaded();
  ResizeButtons();
}

// ---- value ----

Extended TRzSpinEdit::GetValue() {
  Extended value = 0;
  const String text = Text();
  if (!text.empty()) return TryStrToFloat(text, value) ? value : min_;
  if (AllowBlank) return BlankValue;
  SetText(FloatToStr(min_));
  return TryStrToFloat(Text(), value) ? value : min_;
}

Extended TRzSpinEdit::CheckValue(Extended value) const {
  if (min_ == max_ && !checkRange_) return value;
  if (value < min_) return min_;
  if (value > max_) return max_;
  return value;
}

// The caret keeps its place in the number: one step right when the text grew,
// one left when it shrank.
void TRzSpinEdit::SetValue(Extended value) {
  const bool placed = Parent() != nullptr && HandleAllocated();
  const bool noSelection = placed && SelLength() == 0;
  const int caret = placed ? SelStart() : 0;
  const int length = static_cast<int>(Text().size());
  SetText(FloatToStrF(CheckValue(value), ffFixed, 18, decimals_));
  if (!noSelection) return;
  const int now = static_cast<int>(Text().size());
  SetSelStart(now == length ? caret : now > length ? caret + 1 : caret - 1);
}

bool TRzSpinEdit::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TRzSpinEdit::IncValue(Extended amount) {
  if (ReadOnly()) {
    ::MessageBeep(0);
    return;
  }
  if (!CanChange()) return;
  SetValue(GetValue() + amount);
  DoButtonClick(sbUp);
}

void TRzSpinEdit::DecValue(Extended amount) {
  if (ReadOnly()) {
    ::MessageBeep(0);
    return;
  }
  if (!CanChange()) return;
  SetValue(GetValue() - amount);
  DoButtonClick(sbDown);
}

void TRzSpinEdit::SetMin(Extended value) {
  if (min_ == value) return;
  min_ = value;
  if (min_ > max_) max_ = min_;
  SetValue(GetValue());
  Invalidate();
}

void TRzSpinEdit::SetMax(Extended value) {
  if (max_ == value) return;
  max_ = value;
  if (max_ < min_) min_ = max_;
  SetValue(GetValue());
  Invalidate();
}

void TRzSpinEdit::SetDecimals(Byte value) {
  if (decimals_ == value) return;
  decimals_ = value;
  SetValue(GetValue());
}

void TRzSpinEdit::SetCheckRange(bool value) {
  if (checkRange_ == value) return;
  checkRange_ = value;
  SetValue(GetValue());
}

void TRzSpinEdit::SetIntegersOnly(bool value) {
  if (integersOnly_ == value) return;
  integersOnly_ = value;
  if (!value) return;
  decimals_ = 0;  // the text keeps its fraction until the rounded value replaces it
  SetValue(Round(GetValue()));
}

// ---- buttons ----

TRzControlButton* TRzSpinEdit::GetButton(int index) const {
  return index == 1 ? buttons_->DownLeftButton() : buttons_->UpRightButton();
}

void TRzSpinEdit::SetButtonWidth(int value) {
  if (buttonWidth_ == value) return;
  buttonWidth_ = value < 0 ? 0 : value;
  buttons_->SetWidth(buttons_->Orientation() == orVertical ? buttonWidth_ : 2 * buttonWidth_);
  ResizeButtons();
  Invalidate();
}

void TRzSpinEdit::SetOrientation(TOrientation value) {
  buttons_->SetOrientation(value);
  ResizeButtons();
  Invalidate();
}

void TRzSpinEdit::SetFlatButtons(bool value) {
  TRzCustomEdit::SetFlatButtons(value);
  buttons_->SetFlat(value);
  ResizeButtons();
}

void TRzSpinEdit::SetFrameStyle(TFrameStyle value) {
  TRzCustomEdit::SetFrameStyle(value);
  ResizeButtons();
}

void TRzSpinEdit::ResizeButtons() {
  if (HasState(csLoading)) return;
  const int minimum = GetMinFontHeight(Font());
  if (Height() < minimum) {
    SetHeight(minimum);
    return;
  }
  const int w = buttons_->Width();
  if (UseRightToLeftAlignment())
    buttons_->SetBounds(0, 0, w, Height() - 3);
  else if ((FrameVisible() || Ctl3D()) && ThemeServices()->ThemesEnabled())
    buttons_->SetBounds(Width() - w - 3, -1, w, Height() - 1);
  else if (FrameVisible() || Ctl3D())
    buttons_->SetBounds(Width() - w - 4, 0, w, Height() - 3);
  else
    buttons_->SetBounds(Width() - w - 1, 1, w, Height() - 3);
  SetEditRect();
}

void TRzSpinEdit::SetEditRect() {
  if (HasState(csLoading) || !HandleAllocated()) return;
  const int margin = buttons_->Width() + 2;
  if (UseRightToLeftAlignment()) {
    SendToWindow(EM_SETMARGINS, EC_LEFTMARGIN, MAKELONG(margin, 0));
    SendToWindow(EM_SETMARGINS, EC_RIGHTMARGIN, 0);
  } else {
    SendToWindow(EM_SETMARGINS, EC_LEFTMARGIN, 0);
    SendToWindow(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, margin));
  }
}

TRect TRzSpinEdit::GetEditRect() {
  TRect r = TRzCustomEdit::GetEditRect();
  r.Right -= buttons_->Width() + 2;
  return r;
}

void TRzSpinEdit::UpdateFrame(bool viaMouse, bool inFocus) {
  TRzCustomEdit::UpdateFrame(viaMouse, inFocus);
  if (!FlatButtons()) return;
  const bool hot = inFocus || FocusFlag();
  if (ThemeServices()->ThemesEnabled()) {
    buttons_->SetFlat(!hot);
    buttons_->SetColor(Color());
  } else {
    buttons_->SetColor(hot ? FlatButtonColor : Color());
  }
}

// ---- keys, wheel and focus ----

void TRzSpinEdit::KeyDown(Word& key, TShiftState shift) {
  TRzCustomEdit::KeyDown(key, shift);
  if (!AllowKeyEdit && key == VK_DELETE) {
    ::MessageBeep(0);
    key = 0;
  }
  switch (key) {
    case VK_PRIOR: IncValue(PageSize); key = 0; break;
    case VK_NEXT: DecValue(PageSize); key = 0; break;
    case VK_UP: IncValue(Increment); key = 0; break;
    case VK_DOWN: DecValue(Increment); key = 0; break;
    default: break;
  }
}

void TRzSpinEdit::KeyPress(char& key) {
  TRzCustomEdit::KeyPress(key);
  if (!IsValidChar(key)) {
    ::MessageBeep(0);
    key = 0;
  }
}

bool TRzSpinEdit::IsValidChar(char key) {
  const auto c = static_cast<unsigned char>(key);
  const bool separator = !integersOnly_ && key == DecimalSeparator;
  const bool sign = key == '+' || key == '-';
  bool valid = sign || (key >= '0' && key <= '9') || separator || (c < 32 && key != '\r');
  const String text = Text();
  if (valid && separator)
    valid = text.find(DecimalSeparator) == String::npos || SelText().find(DecimalSeparator) != String::npos;
  if (valid && sign && (SelStart() != 0 || text.find_first_of("+-") != String::npos))
    valid = SelLength() == static_cast<int>(text.size());
  if (!AllowKeyEdit && (c >= 32 || key == '\b')) valid = false;
  return valid;
}

bool TRzSpinEdit::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  TRzCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos);
  const Extended amount = (shift & ssCtrl) ? PageSize : Increment;
  if (wheelDelta < 0)
    DecValue(amount);
  else
    IncValue(amount);
  return true;
}

void TRzSpinEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PASTE:
    case WM_CUT:
      if (AllowKeyEdit && !ReadOnly()) TRzCustomEdit::Dispatch(message);
      return;
    case WM_SIZE:
      TRzCustomEdit::Dispatch(message);
      ResizeButtons();
      return;
    default:
      return TRzCustomEdit::Dispatch(message);
  }
}

void TRzSpinEdit::CMEnter(TMessage& message) {
  TRzCustomEdit::CMEnter(message);
  SetEditRect();
  if (AutoSelect() && !(::GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
}

// Leaving the edit parses its text again and shows it clamped and formatted.
void TRzSpinEdit::CMExit(TMessage& message) {
  TRzCustomEdit::CMExit(message);
  SetEditRect();
  if (AllowBlank && Text().empty()) return;
  Extended value = 0;
  if (!TryStrToFloat(Text(), value)) value = min_;
  SetValue(value);
}

void TRzSpinEdit::CMEnabledChanged(TMessage& message) {
  TRzCustomEdit::CMEnabledChanged(message);
  SetEditRect();
  buttons_->SetAllEnabled(Enabled());
  if (FlatButtons()) buttons_->SetColor(Color());
}

void TRzSpinEdit::CMFontChanged(TMessage& message) {
  TRzCustomEdit::CMFontChanged(message);
  if (HandleAllocated()) SetEditRect();
  buttons_->SetAllEnabled(Enabled());
}
