#include "framed/controls/RzRadioButton.h"

#include <vector>

#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Menus.h"
#include "platform/controls/ShortCuts.h"

TRzRadioButton::TRzRadioButton(TComponent* owner) : TRzCustomGlyphButton(owner) {
  SetAlignmentVertical(avTop);
  numStates_ = 6;
  SetTabStop(false);
}

// Checking unchecks the other radio buttons of the same parent.
void TRzRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  SetTabStop(value);
  UpdateDisplay();
  if (!value) return;
  if (TWinControl* parent = Parent())
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRzRadioButton*>(parent->Controls(i)); other && other != this)
        other->SetChecked(false);
  if (ClicksAllowed()) Click();
}

void TRzRadioButton::ChangeState() {
  if (!checked_) SetChecked(true);
}

TBitmap* TRzRadioButton::SelectGlyph() {
  const bool disabled = !Enabled(), pressed = ShowDownVersion(), over = MouseOverButton();
  if (UseCustomGlyphs()) {
    const int cell = disabled ? (checked_ ? 5 : 4) : pressed ? (checked_ ? 3 : 2) : (checked_ ? 1 : 0);
    return ExtractGlyph(cell);
  }
  if (ThemeServices()->ThemesEnabled()) {
    TBitmap* glyph = ScratchGlyph();
    glyph->Canvas()->Brush()->SetColor(Color());
    glyph->Canvas()->FillRect(Rect(0, 0, GlyphWidth(), GlyphHeight()));
    const int state = disabled ? 3 : pressed ? 2 : over ? 1 : 0;
    const auto element =
        static_cast<TThemedButton>((checked_ ? tbRadioButtonCheckedNormal : tbRadioButtonUncheckedNormal) + state);
    ThemeServices()->DrawElement(glyph->Canvas()->Handle(), GetElementDetails(element),
                                 Rect(0, 0, GlyphWidth(), GlyphHeight()));
    return glyph;
  }
  if (HotTrack()) return HotTrackGlyph();
  TBitmap* glyph = ScratchGlyph();
  glyph->Canvas()->Brush()->SetColor(TransparentColor());
  glyph->Canvas()->FillRect(Rect(0, 0, GlyphWidth(), GlyphHeight()));
  UINT flags = DFCS_BUTTONRADIO | DFCS_TRANSPARENT;
  if (checked_) flags |= DFCS_CHECKED;
  if (pressed) flags |= DFCS_PUSHED;
  if (disabled) flags |= DFCS_INACTIVE;
  RECT r = {0, 0, GlyphWidth(), GlyphHeight()};
  ::DrawFrameControl(glyph->Canvas()->Handle(), &r, DFC_BUTTON, flags);
  return glyph;
}

TBitmap* TRzRadioButton::HotTrackGlyph() {
  static const std::vector<TColor> kOld = {clWhite, clBlack, clGreen, clGray,    clPurple, clMaroon, clLime,
                                           clRed,   clFuchsia, clYellow, clNavy, clBlue,   clAqua};
  const bool full = FullColorSupport();
  const TColor frame = FrameColor(), highlight = HighlightColor();
  std::vector<TColor> n(13, clWindow);
  n[1] = CheckColor(frame);
  n[2] = full ? LighterColor(frame, 10) : CheckColor(frame);
  if (full) n[3] = n[4] = BlendColors(frame, clWindow, 128);
  if (full) n[5] = n[6] = BlendColors(frame, clWindow, 80);
  n[10] = CheckColor(highlight);
  n[11] = full ? BlendColors(highlight, clWindow, 153) : CheckColor(highlight);
  n[12] = full ? TColor(0x008000) : CheckColor(frame);
  TColor hot1, hot2, down;
  HotColors(hot1, hot2, down);
  if (!Enabled()) {
    n[0] = n[7] = n[8] = n[9] = DisabledColor();
    n[3] = n[4] = BlendColors(frame, DisabledColor(), 128);
    n[5] = n[6] = BlendColors(frame, DisabledColor(), 80);
    n[10] = clBtnShadow;
    n[11] = BlendColors(highlight, DisabledColor(), 128);
  } else if (full && ShowDownVersion()) {
    n[0] = n[7] = n[8] = n[9] = down;
    n[3] = n[4] = BlendColors(frame, down, 128);
    n[5] = n[6] = BlendColors(frame, down, 80);
    n[11] = BlendColors(highlight, down, 153);
  } else if (full && MouseOverButton()) {
    n[3] = BlendColors(frame, hot2, 128);
    n[4] = BlendColors(frame, hot1, 128);
    n[5] = BlendColors(frame, hot2, 80);
    n[6] = BlendColors(frame, hot1, 80);
    n[7] = hot2;
    n[8] = hot1;
    n[9] = BlendColors(hot1, clWindow, 128);
  }
  return MappedGlyph(checked_ ? "RZCOMMON_RADIOBUTTON_CHECKED" : "RZCOMMON_RADIOBUTTON_UNCHECKED", kOld, n);
}

void TRzRadioButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  usingMouse_ = true;
  TRzCustomGlyphButton::MouseDown(button, shift, x, y);
}

void TRzRadioButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomGlyphButton::MouseUp(button, shift, x, y);
  usingMouse_ = false;
}

// Reaching a radio button by keyboard checks it.
void TRzRadioButton::WMSetFocus(TMessage& message) {
  TRzCustomGlyphButton::WMSetFocus(message);
  if (!usingMouse_) SetChecked(true);
}

void TRzRadioButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    message.Result = 1;
    return;
  }
  TRzCustomGlyphButton::CMDialogChar(message);
}

void TRzRadioButton::CMDialogKey(TMessage& message) {
  const TShiftState shift = KeyboardStateToShiftState();
  if (message.WParam == VK_DOWN && !(shift & (ssShift | ssCtrl | ssAlt)) && CanFocus()) {
    if (ClicksAllowed()) Click();
    message.Result = 1;
    return;
  }
  TRzCustomGlyphButton::CMDialogKey(message);
}

void TRzRadioButton::Dispatch(TMessage& message) {
  TRzCustomGlyphButton::Dispatch(message);
  if (message.Msg == WM_LBUTTONDBLCLK) DblClick();
}
