#include "skin/controls/edits2/SkinTrackEdit.h"

#include <algorithm>
#include <cstdlib>

#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"

// ---- drop-down ----

TspSkinPopupTrackBar::TspSkinPopupTrackBar(TComponent* owner, TspSkinTrackEdit* edit)
    : TspSkinTrackBar(owner), Edit(edit) {
  ControlStyle |= csNoDesignVisible | csReplicatable;
  SkinDataName = "htrackbar";
}

void TspSkinPopupTrackBar::CreateParams(TCreateParams& params) {
  TspSkinTrackBar::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WindowClass.style = CS_SAVEBITS | (CheckWXP() ? CS_DROPSHADOW : 0);
}

void TspSkinPopupTrackBar::WndProc(TMessage& message) {
  if (message.Msg == WM_MOUSEACTIVATE) {
    message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinTrackBar::WndProc(message);
}

// ---- edit ----

TspSkinTrackEdit::TspSkinTrackEdit(TComponent* owner) : TspSkinEdit(owner) {
  SetButtonMode(true);
  updating_ = true;
  SetText("0");
  updating_ = false;
  SetWidth(120);
  SetHeight(20);
  SkinDataName = "buttonedit";
  OnButtonClick = TNotifyEvent(this, &TspSkinTrackEdit::ButtonClick);
  trackBar_ = new TspSkinPopupTrackBar(this, this);
  trackBar_->SetVisible(false);
  if (!HasState(csDesigning)) trackBar_->SetParent(this);
  trackBar_->OnChange = TNotifyEvent(this, &TspSkinTrackEdit::TrackBarChange);
}

Integer TspSkinTrackEdit::CheckValue(Integer value) const {
  if (MinValue == MaxValue) return value;
  return std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

void TspSkinTrackEdit::WriteValueText() {
  bool was = updating_;
  updating_ = true;
  SetText(std::to_string(value_));
  updating_ = was;
}

void TspSkinTrackEdit::SetValue(Integer value) {
  value_ = CheckValue(value);
  WriteValueText();
}

bool TspSkinTrackEdit::IsNumText(const String& text) {
  if (text.empty() || text == "-") return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') continue;
    if (text[i] == '-' && i == 0) continue;
    return false;
  }
  return true;
}

bool TspSkinTrackEdit::IsValidChar(char key) const {
  auto c = static_cast<unsigned char>(key);
  if (ReadOnly() && (c == 8 || c >= 32)) return false;
  if (key == '-') return Text().find('-') == String::npos;
  return (key >= '0' && key <= '9') || (c < 32 && c != 13);
}

// A number typed past a bound is rewritten to it, except where more digits
// could still bring it into range. Digits of any length are read wide.
void TspSkinTrackEdit::Change() {
  if (rewriting_) return;
  if (!updating_ && IsNumText(Text())) {
    double typed = std::strtod(Text().c_str(), nullptr);
    Integer t = static_cast<Integer>(std::clamp(typed, -2147483648.0, 2147483647.0));
    Integer v = CheckValue(t);
    value_ = v;
    bool rewrite = (v < 0 && t < 0) ? v > t : v < t;
    rewrite = rewrite || (MinValue > 0 && t < 0) || (MinValue < 0 && t > 0) || static_cast<double>(t) != typed;
    if (rewrite) {
      rewriting_ = true;
      SetText(std::to_string(v));
      rewriting_ = false;
    }
  }
  TspSkinEdit::Change();
}

void TspSkinTrackEdit::TrackBarChange(TObject*) {
  if (trackBar_->Value() != value_) SetValue(trackBar_->Value());
}

void TspSkinTrackEdit::Step(Integer delta) {
  if (trackBar_->Visible()) trackBar_->SetValue(trackBar_->Value() + delta);
  else SetValue(value_ + delta);
}

void TspSkinTrackEdit::KeyPress(char& key) {
  if (key == 27) {
    CloseUp();
  } else if (!IsValidChar(key)) {
    key = 0;
    ::MessageBeep(0);
  }
  TspSkinEdit::KeyPress(key);
}

void TspSkinTrackEdit::KeyDown(Word& key, TShiftState shift) {
  TspSkinEdit::KeyDown(key, shift);
  if (!SupportUpDownKeys) return;
  if (key == VK_UP) Step(Increment);
  else if (key == VK_DOWN) Step(-Increment);
}

void TspSkinTrackEdit::ButtonClick(TObject*) {
  if (CanFocus() && !Focused()) SetFocus();
  if (trackBar_->Visible()) CloseUp();
  else DropDown();
}

// Kept inside the work area of the edit's monitor: moved left from its right
// edge, and opened above the edit near its bottom.
void TspSkinTrackEdit::DropDown() {
  Integer width = TrackBarWidth > 0 ? TrackBarWidth : Width();
  trackBar_->SetWidth(width);
  trackBar_->SetDefaultHeight(Height());
  trackBar_->SkinDataName = TrackBarSkinDataName;
  trackBar_->SetSkinData(SkinData());
  trackBar_->JumpWhenClick = JumpWhenClick;
  trackBar_->SetMinValue(MinValue);
  trackBar_->SetMaxValue(MaxValue);
  trackBar_->SetValue(value_);
  TPoint origin = ClientToScreen(TPoint{PopupKind == tbpLeft && width != Width() ? Width() - width : 0, 0});
  origin = Parent() ? Parent()->ClientToScreen(TPoint{Left() + (PopupKind == tbpLeft && width != Width() ? Width() - width : 0), Top()}) : origin;
  TRect work = GetMonitorWorkArea(HandleAllocated() ? Handle() : nullptr, true);
  if (origin.X + width > work.Right) origin.X = work.Right - width;
  else if (origin.X < work.Left) origin.X = work.Left;
  Integer y = origin.Y + Height();
  if (y + trackBar_->Height() > work.Bottom) y = origin.Y - trackBar_->Height();
  trackBar_->HandleNeeded();
  HWND bar = trackBar_->Handle();
  LONG_PTR ex = ::GetWindowLongPtrA(bar, GWL_EXSTYLE);
  bool layered = TrackBarAlphaBlend && CheckW2KWXP();
  ::SetWindowLongPtrA(bar, GWL_EXSTYLE, layered ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
  if (layered) SetAlphaBlendTransparent(bar, TrackBarAlphaBlendValue);
  ::SetWindowPos(bar, HWND_TOP, origin.X, y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  trackBar_->SetVisible(true);
}

void TspSkinTrackEdit::CloseUp() {
  if (!trackBar_->Visible()) return;
  if (trackBar_->HandleAllocated())
    ::SetWindowPos(trackBar_->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  trackBar_->SetVisible(false);
}

void TspSkinTrackEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
      TspSkinEdit::Dispatch(message);
      if (MinValue != MaxValue)
        SetMaxLength(static_cast<int>(std::max(std::to_string(MinValue).size(), std::to_string(MaxValue).size())));
      return;
    case WM_KILLFOCUS:
      TspSkinEdit::Dispatch(message);
      CloseUp();
      return WriteValueText();
    case WM_MOUSEWHEEL:
      Step(static_cast<short>(HIWORD(message.WParam)) > 0 ? -Increment : Increment);
      message.Result = 0;
      return;
    case CM_CANCELMODE:
      TspSkinEdit::Dispatch(message);
      if (MessageSender(message) != trackBar_) CloseUp();
      return;
    default:
      break;
  }
  TspSkinEdit::Dispatch(message);
}
