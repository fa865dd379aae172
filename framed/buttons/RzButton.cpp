#include "framed/buttons/RzButton.h"

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/stdctrls/Button.h"

TRzButton::TRzButton(TComponent* owner) : TRzCustomButton(owner) {
  SetBounds(Left(), Top(), 75, 25);
  SetColor(clBtnFace);
}

#define RZ_SETTER(Name, Type, field) \
  void TRzButton::Set##Name(Type value) { \
    if (field == value) return;       \
    field = value;                    \
    Invalidate();                     \
  }
RZ_SETTER(Alignment, TAlignment, alignment_)
RZ_SETTER(ShowDownPattern, bool, showDownPattern_)
RZ_SETTER(ShowFocusRect, bool, showFocusRect_)
#undef RZ_SETTER

void TRzButton::DefineProperties(TFiler* filer) {
  TRzCustomButton::DefineProperties(filer);
  filer->DefineProperty("FrameFlat", [this](TReader& reader) { SetHotTrack(reader.ReadBoolean()); }, nullptr,
                        false);
}

void TRzButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  if (!HandleAllocated()) return;
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TRzButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TRzButton::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TRzButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_ && groupIndex_ != 0) return;
  down_ = value;
  buttonState_ = down_ ? bsExclusiveState : bsUpState;
  Invalidate();
  if (down_) UpdateExclusive();
}

void TRzButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  TMessage message = MakeMessage(CM_RZBUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this));
  Parent()->Broadcast(message);
}

void TRzButton::ButtonPressed(TMessage& message) {
  auto* sender = reinterpret_cast<TRzButton*>(message.LParam);
  if (static_cast<int>(message.WParam) != groupIndex_ || !sender || sender == this) return;
  if (sender->Down() && down_) {
    down_ = false;
    buttonState_ = bsUpState;
    Invalidate();
  }
  allowAllUp_ = sender->AllowAllUp();
}

void TRzButton::SetHotTrack(bool value) {
  TRzCustomButton::SetHotTrack(value);
  SetTransparent(HotTrack());
  Invalidate();
}

void TRzButton::CreateWnd() {
  TRzCustomButton::CreateWnd();
  active_ = default_;
}

void TRzButton::ChangeState() {
  if (groupIndex_ != 0)
    SetDown(!down_);
  else
    UpdateDisplay();
  clicking_ = true;
  try {
    Click();
  } catch (...) {
    clicking_ = false;
    throw;
  }
  clicking_ = false;
}

void TRzButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TRzCustomButton::Click();
}

void TRzButton::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_SPACE && !(shift & ssAlt)) {
    spacePressed_ = true;
    showDownVersion_ = true;
    UpdateDisplay();
  }
  TRzCustomButton::KeyDown(key, shift);
}

// The press mark is used up by its release, so a later release without a new
// press clicks nothing.
void TRzButton::KeyUp(Word& key, TShiftState shift) {
  if (key == VK_SPACE) {
    showDownVersion_ = false;
    const bool pressed = spacePressed_;
    spacePressed_ = false;
    if (pressed) ChangeState();
    UpdateDisplay();
  }
  TRzCustomButton::KeyUp(key, shift);
}

// A press that the focus leaves behind is forgotten too.
void TRzButton::WMKillFocus(TMessage& message) {
  spacePressed_ = false;
  if (showDownVersion_ && !dragging_) showDownVersion_ = false;
  TRzCustomButton::WMKillFocus(message);
}

void TRzButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_RZBUTTONPRESSED: return ButtonPressed(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    case CM_FOCUSCHANGED: return CMFocusChanged(message);
    default: return TRzCustomButton::Dispatch(message);
  }
}

void TRzButton::CMDialogKey(TMessage& message) {
  const auto key = static_cast<Word>(message.WParam);
  const bool noShift = ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && !(message.LParam & (1 << 29));
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && noShift && CanFocus()) {
    keyboardClick_ = !DropDownOnEnter;
    try {
      Click();
    } catch (...) {
      keyboardClick_ = false;
      throw;
    }
    keyboardClick_ = false;
    message.Result = 1;
    return;
  }
  TRzCustomButton::CMDialogKey(message);
}

void TRzButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TRzCustomButton::CMDialogChar(message);
}

void TRzButton::CMFocusChanged(TMessage& message) {
  auto* sender = reinterpret_cast<TControl*>(message.LParam);
  bool active = default_;
  if (dynamic_cast<TRzButton*>(sender) || dynamic_cast<TButton*>(sender)) active = sender == this;
  if (active != active_) {
    active_ = active;
    Invalidate();
  }
  TRzCustomButton::CMFocusChanged(message);
}

bool TRzButton::Themed() const { return ThemeAware() && ThemeServices()->ThemesEnabled(); }

TRect TRzButton::GetCaptionRect() {
  TRect r = ClientRect();
  InflateRect(r, -5, -5);
  if (!HotTrack() && !Themed() && Pressed()) OffsetRect(r, 1, 1);
  return r;
}

void TRzButton::DrawButtonFace() {
  UINT format = DT_WORDBREAK | DT_EXPANDTABS;
  TAlignment alignment = alignment_;
  if (UseRightToLeftAlignment() && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  if (alignment == taRightJustify) format |= DT_RIGHT;
  if (alignment == taCenter) format |= DT_CENTER;
  Draw3DText(Canvas(), GetCaptionRect(), format);
}

void TRzButton::CreateBrushPattern(TBitmap* bitmap) {
  bitmap->SetSize(8, 8);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, 8, 8));
  const TColor dot = ColorToRGB(Color()) == 0xC0C0C0 ? TColor(0x808080) : TColor(0xC0C0C0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x % 2) == (y % 2)) canvas->SetPixels(x, y, dot);
}

namespace {

void Line(TCanvas* c, TColor color, int x1, int y1, int x2, int y2) {
  c->Pen()->SetColor(color);
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

// The outline with its four corner pixels left out.
void CutCornerOutline(TCanvas* c, const TRect& r, TColor color) {
  Line(c, color, r.Left, r.Top + 1, r.Left, r.Bottom - 1);
  Line(c, color, r.Left + 1, r.Top, r.Right - 1, r.Top);
  Line(c, color, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  Line(c, color, r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
}

void Fill(TCanvas* c, const TRect& r, TColor color) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->FillRect(r);
}

void DoubleBevel(TCanvas* c, const TRect& r, TColor u, TColor w, TColor face) {
  const TRect r1 = DrawBevel(c, r, u, w, 1, sdAllSides);
  const TRect r2 = DrawBevel(c, r1, DarkerColor(u, 10), LighterColor(w, 10), 1, sdAllSides);
  Fill(c, r2, face);
}

}  // namespace

void TRzButton::PaintHotTrack(TRect& r) {
  TCanvas* c = Canvas();
  c->Pen()->SetStyle(psSolid);
  if (!Enabled()) {
    InflateRect(r, -1, -1);
    CutCornerOutline(c, r, Color() == clBtnFace ? LighterColor(clBtnShadow, 30) : DarkerColor(Color(), 80));
    InflateRect(r, -1, -1);
    Fill(c, r, Color());
    return;
  }
  const TColor d = DarkerColor(clBtnFace, 20), l = LighterColor(clBtnFace, 20);
  Line(c, d, r.Left, r.Top + 2, r.Left, r.Bottom - 2);
  Line(c, d, r.Left + 2, r.Top, r.Right - 2, r.Top);
  Line(c, l, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2);
  Line(c, l, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1);
  c->SetPixels(r.Left + 1, r.Top + 1, d);
  c->SetPixels(r.Right - 2, r.Top + 1, d);
  c->SetPixels(r.Left + 1, r.Bottom - 2, d);
  c->SetPixels(r.Right - 2, r.Bottom - 2, l);
  InflateRect(r, -1, -1);
  CutCornerOutline(c, r, Color() == clBtnFace ? cl3DDkShadow : DarkerColor(Color(), 150));
  InflateRect(r, -1, -1);
  if (Pressed()) {
    Fill(c, r, DarkerColor(Color(), 10));
  } else if (mouseOverButton_) {
    TColor u, w;
    if (HotTrackColorType == htctActual) {
      u = LighterColor(HotTrackColor, 30);
      w = DarkerColor(HotTrackColor, 30);
    } else {
      u = ComplementaryColor(HotTrackColor, 180);
      w = DarkerColor(u, 30);
    }
    DoubleBevel(c, r, u, w, Color());
  } else if (groupIndex_ == 0 && (active_ || Focused())) {
    const TColor u = HSLtoColor(ColorHue(HighlightColor()), 220, 220);
    DoubleBevel(c, r, u, DarkerColor(u, 30), Color());
  } else {
    const TColor face = Color();
    Line(c, LighterColor(face, 20), r.Left, r.Top, r.Right, r.Top);
    Line(c, LighterColor(face, 15), r.Left, r.Top + 1, r.Right, r.Top + 1);
    Line(c, LighterColor(face, 10), r.Left, r.Top + 2, r.Right, r.Top + 2);
    c->Pen()->SetColor(DarkerColor(face, 10));
    c->Polyline({{r.Left, r.Bottom - 3}, {r.Right - 2, r.Bottom - 3}, {r.Right - 2, r.Top + 2}});
    c->Pen()->SetColor(DarkerColor(face, 20));
    c->Polyline({{r.Left, r.Bottom - 2}, {r.Right - 1, r.Bottom - 2}, {r.Right - 1, r.Top + 2}});
    Line(c, DarkerColor(face, 30), r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    Fill(c, Rect(r.Left, r.Top + 3, r.Right - 2, r.Bottom - 3), face);
  }
}

void TRzButton::PaintClassic(TRect& r) {
  TCanvas* c = Canvas();
  if (groupIndex_ == 0 && (((active_ || Focused()) && !showDownVersion_) || clicking_))
    r = DrawSides(c, r, clWindowFrame, clWindowFrame, sdAllSides);
  if (Color() == clBtnFace) {
    if (groupIndex_ != 0)
      r = DrawBorder(c, r, Pressed() ? fsLowered : fsButtonUp);
    else
      r = DrawButtonBorder(c, r, showDownVersion_);
  } else if (groupIndex_ == 0) {
    r = DrawColorButtonBorder(c, r, Color(), showDownVersion_);
  } else {
    r = Pressed() ? DrawColorBorder(c, r, Color(), fsLowered) : DrawColorButtonBorder(c, r, Color(), false);
  }
  Fill(c, r, Color());
}

void TRzButton::Paint() {
  TRzCustomButton::Paint();
  TCanvas* c = Canvas();
  const bool themed = Themed();
  TRect focus = ClientRect();
  InflateRect(focus, HotTrack() || themed ? -3 : -4, HotTrack() || themed ? -3 : -4);
  if (groupIndex_ != 0 && Pressed()) OffsetRect(focus, 1, 1);
  TRect r = ClientRect();
  if (themed) {
    TThemedButton element = tbPushButtonNormal;
    if (!Enabled())
      element = tbPushButtonDisabled;
    else if (Pressed())
      element = tbPushButtonPressed;
    else if (mouseOverButton_)
      element = tbPushButtonHot;
    else if (groupIndex_ == 0 && (active_ || Focused()))
      element = tbPushButtonDefaulted;
    const auto details = GetElementDetails(element);
    ThemeServices()->DrawParentBackground(Handle(), c->Handle(), &details, false, &r);
    ThemeServices()->DrawElement(c->Handle(), details, r);
  } else if (HotTrack()) {
    PaintHotTrack(r);
  } else {
    PaintClassic(r);
  }
  if (groupIndex_ != 0 && buttonState_ == bsExclusiveState && showDownPattern_) {
    TBitmap pattern;
    CreateBrushPattern(&pattern);
    HBRUSH brush = ::CreatePatternBrush(pattern.Handle());
    RECT fill = WinRect(themed ? ClientRect() : r);
    ::FillRect(c->Handle(), &fill, brush);
    ::DeleteObject(brush);
  }
  c->SetFont(Font());
  c->Brush()->SetColor(Color());
  DrawButtonFace();
  if (Focused() && showFocusRect_) DrawFocusBorder(c, focus);
}
