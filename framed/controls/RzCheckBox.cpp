#include "framed/controls/RzCheckBox.h"

#include <vector>

#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Menus.h"

TRzCustomCheckBox::TRzCustomCheckBox(TComponent* owner) : TRzCustomGlyphButton(owner) {
  SetAlignmentVertical(avTop);
  numStates_ = 9;
}

void TRzCustomCheckBox::SetState(TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  UpdateDisplay();
  if (ClicksAllowed()) Click();
}

void TRzCustomCheckBox::InitState(TCheckBoxState value) {
  state_ = value;
  UpdateDisplay();
}

// Unchecked, (grayed,) checked, unchecked, ...
void TRzCustomCheckBox::ChangeState() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

TBitmap* TRzCustomCheckBox::SelectGlyph() {
  const bool disabled = !Enabled(), pressed = ShowDownVersion(), over = MouseOverButton();
  if (UseCustomGlyphs()) {
    static const int kCells[3][3] = {{0, 3, 6}, {1, 4, 7}, {2, 5, 8}};  // [state][normal, pressed, disabled]
    return ExtractGlyph(kCells[state_][disabled ? 2 : pressed ? 1 : 0]);
  }
  if (ThemeServices()->ThemesEnabled()) {
    TBitmap* glyph = ScratchGlyph();
    const TRect r = Rect(0, 0, GlyphWidth(), GlyphHeight());
    if (HandleAllocated()) ThemeServices()->DrawParentBackground(Handle(), glyph->Canvas()->Handle(), nullptr, false, &r);
    static const TThemedButton kBase[] = {tbCheckBoxUncheckedNormal, tbCheckBoxCheckedNormal, tbCheckBoxMixedNormal};
    const int state = disabled ? 3 : pressed ? 2 : over ? 1 : 0;
    ThemeServices()->DrawElement(glyph->Canvas()->Handle(),
                                 GetElementDetails(static_cast<TThemedButton>(kBase[state_] + state)), r);
    return glyph;
  }
  if (HotTrack()) return HotTrackGlyph();
  TBitmap* glyph = ScratchGlyph();
  UINT flags = DFCS_BUTTONCHECK;
  if (state_ == cbChecked) flags |= DFCS_CHECKED;
  if (state_ == cbGrayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
  if (pressed) flags |= DFCS_PUSHED;
  if (disabled) flags |= DFCS_INACTIVE;
  RECT r = {0, 0, GlyphWidth(), GlyphHeight()};
  ::DrawFrameControl(glyph->Canvas()->Handle(), &r, DFC_BUTTON, flags);
  return glyph;
}

TBitmap* TRzCustomCheckBox::HotTrackGlyph() {
  static const std::vector<TColor> kOld = {clWhite, clGray, clRed, clFuchsia, clBlue};
  static const char* const kNames[] = {"RZCOMMON_CHECKBOX_UNCHECKED", "RZCOMMON_CHECKBOX_CHECKED",
                                       "RZCOMMON_CHECKBOX_GRAYED"};
  std::vector<TColor> n = {clWindow, FrameColor(), clWindow, clWindow, CheckColor(HighlightColor())};
  TColor hot1, hot2, down;
  HotColors(hot1, hot2, down);
  if (!Enabled()) {
    n[0] = n[2] = n[3] = DisabledColor();
    n[4] = clBtnShadow;
  } else if (ShowDownVersion()) {
    n[0] = n[2] = n[3] = down;
  } else if (MouseOverButton()) {
    n[2] = hot2;
    n[3] = hot1;
  }
  return MappedGlyph(kNames[state_], kOld, n);
}

// Space presses, Escape cancels the press, the release of Space toggles.
void TRzCustomCheckBox::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_SPACE) {
    keyToggle_ = true;
    showDownVersion_ = true;
    UpdateDisplay();
  } else if (key == VK_ESCAPE) {
    keyToggle_ = false;
    showDownVersion_ = false;
    UpdateDisplay();
  }
  TRzCustomGlyphButton::KeyDown(key, shift);
}

void TRzCustomCheckBox::KeyUp(Word& key, TShiftState shift) {
  if (key == VK_SPACE) {
    showDownVersion_ = false;
    if (keyToggle_) {
      keyToggle_ = false;
      ChangeState();
    }
    UpdateDisplay();
  }
  TRzCustomGlyphButton::KeyUp(key, shift);
}

void TRzCustomCheckBox::DoExit() {
  TRzCustomGlyphButton::DoExit();
  showDownVersion_ = false;
  UpdateDisplay();
}

void TRzCustomCheckBox::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    if (Focused()) {
      ChangeState();
      UpdateDisplay();
    }
    message.Result = 1;
    return;
  }
  TRzCustomGlyphButton::CMDialogChar(message);
}
