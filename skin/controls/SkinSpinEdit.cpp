#include "skin/controls/SkinSpinEdit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/core/SysUtils.h"
#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/draw/SPUtils.h"

namespace {

constexpr UINT kRepeatTimer = 1;

TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }

Integer TextHeightOf(TFont* font) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font->Handle());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

}  // namespace

TspSkinSpinEdit::TspSkinSpinEdit(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csOpaque | csDoubleClicks;
  SkinDataName = "spinedit";
  edit_ = new TspSkinNumEdit(this);
  edit_->SetParent(this);
  edit_->SetAutoSize(false);
  edit_->SetBorderStyle(bsNone);
  edit_->SetColor(defaultColor_);
  edit_->SetFont(DefaultFont());
  edit_->OnChange = TNotifyEvent(this, &TspSkinSpinEdit::EditChange);
  edit_->OnUpClick = TNotifyEvent(this, &TspSkinSpinEdit::UpClick);
  edit_->OnDownClick = TNotifyEvent(this, &TspSkinSpinEdit::DownClick);
  edit_->OnMouseEnterHook = TNotifyEvent(this, &TspSkinSpinEdit::EditMouseEnter);
  edit_->OnMouseLeaveHook = TNotifyEvent(this, &TspSkinSpinEdit::EditMouseLeave);
  edit_->OnKeyDown = TKeyEvent(this, &TspSkinSpinEdit::EditKeyDown);
  edit_->OnKeyUp = TKeyEvent(this, &TspSkinSpinEdit::EditKeyUp);
  edit_->OnKeyPress = TKeyPressEvent(this, &TspSkinSpinEdit::EditKeyPress);
  edit_->OnEnter = TNotifyEvent(this, &TspSkinSpinEdit::EditEnter);
  edit_->OnExit = TNotifyEvent(this, &TspSkinSpinEdit::EditExit);
  SetBounds(0, 0, 120, 20);
  updating_ = true;
  SetText("0");
  updating_ = false;
}

// ---- value and text ----

double TspSkinSpinEdit::CheckValue(double value) const {
  if (maxValue_ == 0 && minValue_ == 0) return value;
  if (value < minValue_) return minValue_;
  if (value > maxValue_) return maxValue_;
  return value;
}

String TspSkinSpinEdit::ValueText(double value) const {
  char text[400];
  if (valueType_ == vtFloat) std::snprintf(text, sizeof text, "%.*f", static_cast<int>(Decimal), value);
  else std::snprintf(text, sizeof text, "%.0f", std::nearbyint(value));
  return text;
}

void TspSkinSpinEdit::WriteEditText(double value) {
  bool was = updating_;
  updating_ = true;
  edit_->SetText(ValueText(value));
  updating_ = was;
}

void TspSkinSpinEdit::SetValue(double value) {
  value_ = CheckValue(value);
  if (updating_) {
    edit_->SetText(ValueText(value_));
  } else {
    updating_ = true;
    SetText(ValueText(value_));
    edit_->SetText(ValueText(value_));
    updating_ = false;
    Change();
  }
  updating_ = false;
}

void TspSkinSpinEdit::SimpleSetValue(double value) {
  value_ = CheckValue(value);
  bool was = updating_;
  updating_ = true;
  SetText(ValueText(value_));
  edit_->SetText(ValueText(value_));
  updating_ = was;
}

void TspSkinSpinEdit::Change() {
  updating_ = true;
  OnChange(this);
  updating_ = false;
}

void TspSkinSpinEdit::SetMinValue(double value) {
  minValue_ = value;
  if (value_ < minValue_) SetValue(minValue_);
}

void TspSkinSpinEdit::SetMaxValue(double value) {
  maxValue_ = value;
  if (value_ > maxValue_) SetValue(maxValue_);
}

void TspSkinSpinEdit::SetValueType(TspValueType value) {
  if (value == valueType_) return;
  valueType_ = value;
  if (value == vtInteger) {
    Increment = std::nearbyint(Increment);
    if (Increment == 0) Increment = 1;
  }
  edit_->Float = value == vtFloat;
}

void TspSkinSpinEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (SkinRecordIndex == -1) edit_->SetColor(value);
}

bool TspSkinSpinEdit::IsNumText(const String& text) const {
  if (text.empty() || text == "-") return false;
  bool separatorSeen = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') continue;
    if (c == '-' && i == 0) continue;
    if (valueType_ == vtFloat && c == DecimalSeparator && i != 0 && !separatorSeen) {
      separatorSeen = true;
      continue;
    }
    return false;
  }
  return true;
}

// A partly typed number below the minimum keeps its text (the value already
// holds the bound), so it can still be completed; a number that overshoots is
// rewritten at once. Digits of any length are read wide and clamped.
void TspSkinSpinEdit::TextChanged() {
  if (!editIsSource_) edit_->SetText(Text());
  if (updating_) return;
  String typed = edit_->Text();
  if (!IsNumText(typed)) return;
  double v = std::strtod(typed.c_str(), nullptr);
  if (valueType_ == vtInteger) v = std::trunc(v);
  double c = CheckValue(v);
  if (c != value_) {
    value_ = c;
    Change();
  }
  bool rewrite = (c < v && !(c < 0 && v < 0)) || (c > v && c < 0 && v < 0) || (minValue_ > 0 && v < 0) ||
                 (maxValue_ < 0 && v > 0);
  if (rewrite) WriteEditText(c);
}

void TspSkinSpinEdit::EditChange(TObject*) {
  editIsSource_ = true;
  SetText(edit_->Text());
  editIsSource_ = false;
}

void TspSkinSpinEdit::UpClick(TObject*) {
  SetValue(value_ + Increment);
  OnUpButtonClick(this);
}

void TspSkinSpinEdit::DownClick(TObject*) {
  SetValue(value_ - Increment);
  OnDownButtonClick(this);
}

void TspSkinSpinEdit::EditEnter(TObject*) {
  OnEditEnter(this);
  editFocused_ = true;
  if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_)) Repaint();
  ApplyEditColor();
}

void TspSkinSpinEdit::EditExit(TObject*) {
  OnEditExit(this);
  editFocused_ = false;
  if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_)) Repaint();
  ApplyEditColor();
  WriteEditText(value_);
}

void TspSkinSpinEdit::EditMouseEnter(TObject*) {
  mouseIn_ = true;
  if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_) && !editFocused_) Repaint();
  ApplyEditColor();
}

void TspSkinSpinEdit::EditMouseLeave(TObject*) {
  mouseIn_ = false;
  if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_) && !editFocused_) Repaint();
  ApplyEditColor();
}

void TspSkinSpinEdit::ApplyEditColor() {
  bool record = SkinRecordIndex != -1;
  TColor color;
  if (!Enabled()) color = record ? disabledFontColor_ : clGrayText;
  else if (!record) color = DefaultFont()->Color();
  else color = (mouseIn_ || editFocused_) ? activeFontColor_ : fontColor_;
  edit_->Font()->SetColor(color);
}

// ---- record and layout ----

void TspSkinSpinEdit::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = RecordAs<TspDataSkinSpinEditControl>(SkinData(), SkinRecordIndex);
  if (!r) return;
  activeSkinRect_ = r->activeskinrect;
  fontName_ = r->fontname;
  fontStyle_ = r->fontstyle;
  fontHeight_ = r->fontheight;
  fontColor_ = r->fontcolor;
  activeFontColor_ = r->activefontcolor;
  disabledFontColor_ = r->disabledfontcolor;
  upButtonRect_ = r->upbuttonrect;
  activeUpButtonRect_ = r->activeupbuttonrect;
  downUpButtonRect_ = OrElse(r->downupbuttonrect, activeUpButtonRect_);
  downButtonRect_ = r->downbuttonrect;
  activeDownButtonRect_ = r->activedownbuttonrect;
  downDownButtonRect_ = OrElse(r->downdownbuttonrect, activeDownButtonRect_);
  leftFixed_ = r->lefttoppoint.X;
  rightFixed_ = RectWidth(r->skinrect) - r->righttoppoint.X;
}

void TspSkinSpinEdit::CalcRects() {
  Integer w = Width(), h = Height();
  Integer editHeight = TextHeightOf(edit_->Font());
  TRect area;
  if (SkinRecordIndex == -1) {
    buttons_[Up].R = {w - 17, 2, w - 2, h / 2};
    buttons_[Down].R = {w - 17, h / 2, w - 2, h - 2};
    area = {2, 0, w - 17, h};
  } else {
    Integer dw = w - RectWidth(skinrect);
    auto place = [&](TRect r) {
      if (r.Left > righttoppoint.X) r.Left += dw, r.Right += dw;
      return r;
    };
    buttons_[Up].R = place(upButtonRect_);
    buttons_[Down].R = place(downButtonRect_);
    area = {clientrect.Left, clientrect.Top, w + clientrect.Right - RectWidth(skinrect), clientrect.Bottom};
    if (!UseSkinSize) {
      Integer dh = h - RectHeight(skinrect);
      area.Bottom += dh;
      TRect& up = buttons_[Up].R;
      TRect& down = buttons_[Down].R;
      if (down.Bottom >= up.Bottom) {
        TRect box{up.Left, up.Top, down.Right, down.Bottom + dh};
        Integer split = box.Top + box.Bottom / 2;
        up = {box.Left, box.Top, box.Right, split};
        down = {box.Left, split, box.Right, box.Bottom};
      } else {
        up.Bottom += dh;
        down.Bottom += dh;
      }
    }
  }
  edit_->SetBounds(area.Left, area.Top + RectHeight(area) / 2 - editHeight / 2,
                   SkinRecordIndex == -1 ? w - 19 : RectWidth(area), editHeight);
}

void TspSkinSpinEdit::AdjustEditHeight() { edit_->SetHeight(TextHeightOf(edit_->Font())); }

void TspSkinSpinEdit::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize) return TspSkinCustomControl::CalcSize(width, height);
  if (SkinRecordIndex == -1) return;
  Integer dw = width - RectWidth(skinrect);
  SizedRightTop = {righttoppoint.X + dw, righttoppoint.Y};
  RealClientRect = {clientrect.Left, clientrect.Top, clientrect.Right + dw, clientrect.Bottom};
}

void TspSkinSpinEdit::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

void TspSkinSpinEdit::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  bool record = SkinRecordIndex != -1;
  TFont* font = edit_->Font();
  if (!record || !UseSkinFont) font->Assign(DefaultFont());
  else SetRecordFont(font, fontName_, fontStyle_, fontHeight_);
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  edit_->SetColor(record ? clWindow : defaultColor_);
  if (edit_->EditTransparent() != record) edit_->SetEditTransparent(record);
  if (record && UseSkinSize) SetHeight(RectHeight(skinrect));
  CalcRects();
  ApplyEditColor();
  Repaint();
}

void TspSkinSpinEdit::DefaultFontChange() {
  if (SkinRecordIndex != -1 && UseSkinFont) return;
  edit_->Font()->Assign(DefaultFont());
  CalcRects();
}

void TspSkinSpinEdit::Invalidate() {
  TspSkinCustomControl::Invalidate();
  if (SkinRecordIndex != -1 && edit_ && edit_->HandleAllocated()) edit_->Invalidate();
}

// ---- painting ----

void TspSkinSpinEdit::CreateControlDefaultImage(TBitmap* b) {
  CalcRects();
  TCanvas* canvas = b->Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(defaultColor_);
  canvas->FillRect(r);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(r);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FrameRect(TRect{1, 1, r.Right - 1, r.Bottom - 1});
  for (int i = 0; i < 2; ++i) {
    const Button& button = buttons_[i];
    DrawDefaultPart(canvas, button.R, PartState(button.MouseIn, button.Down), false);
    DrawArrowImage(canvas, button.R, clBlack, i == Up ? 3 : 4);
  }
}

void TspSkinSpinEdit::DrawResizeButton(TCanvas* canvas, int index) {
  const Button& button = buttons_[index];
  Integer w = RectWidth(button.R), h = RectHeight(button.R);
  if (w <= 0 || h <= 0) return;
  TBitmap image(w, h);
  TspButtonRecordLook look;
  if (look.Find(SkinData(), {"editbutton", "resizebutton"})) {
    bool pressed = button.MouseIn && button.Down;
    look.Compose(&image, button.MouseIn, pressed);
    TRect arrow{0, 0, w, h};
    if (pressed) arrow.Left += 2, arrow.Top += 2;
    DrawArrowImage(image.Canvas(), arrow, look.TextColor(button.MouseIn, pressed, true), index == Up ? 3 : 4);
  }
  canvas->Draw(button.R.Left, button.R.Top, &image);
}

void TspSkinSpinEdit::CreateControlSkinImage(TBitmap* b) {
  CalcRects();
  if (!SkinPicture) return CreateControlDefaultImage(b);
  bool active = (editFocused_ || mouseIn_) && !IsNullRect(activeSkinRect_);
  if (!UseSkinSize) {
    CreateStretchImage(b, SkinPicture, active ? activeSkinRect_ : skinrect, clientrect, true);
    DrawResizeButton(b->Canvas(), Up);
    DrawResizeButton(b->Canvas(), Down);
    return;
  }
  if (active) CreateHSkinImage(leftFixed_, rightFixed_, b, SkinPicture, activeSkinRect_, Width(), Height(), stretcheffect);
  else TspSkinCustomControl::CreateControlSkinImage(b);
  for (int i = 0; i < 2; ++i) {
    const Button& button = buttons_[i];
    if (!button.MouseIn) continue;
    TRect source = button.Down ? (i == Up ? downUpButtonRect_ : downDownButtonRect_)
                               : (i == Up ? activeUpButtonRect_ : activeDownButtonRect_);
    if (!IsNullRect(source)) b->Canvas()->CopyRect(button.R, SkinPicture->Canvas(), source);
  }
}

// ---- buttons and auto-repeat ----

void TspSkinSpinEdit::TestActive(int x, int y) {
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i = 0; i < 2; ++i)
    if (PointInRect(buttons_[i].R, TPoint{x, y})) {
      activeButton_ = i;
      break;
    }
  if (pressedButton_ != -1 && activeButton_ != pressedButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) {
    buttons_[oldActiveButton_].MouseIn = false;
    Repaint();
    if (buttons_[oldActiveButton_].Down) KillBoxTimer(this, kRepeatTimer);
  }
  if (activeButton_ != -1) {
    buttons_[activeButton_].MouseIn = true;
    Repaint();
    if (buttons_[activeButton_].Down) SetBoxTimer(this, kRepeatTimer, 50);
  }
}

void TspSkinSpinEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TestActive(x, y);
  if (activeButton_ != -1) {
    pressedButton_ = activeButton_;
    buttons_[pressedButton_].MouseIn = true;
    buttons_[pressedButton_].Down = true;
    Repaint();
    timerMode_ = pressedButton_ == Up ? 2 : 1;
    firstRepeat_ = true;
    SetBoxTimer(this, kRepeatTimer, 500);
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinSpinEdit::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  TestActive(x, y);
}

// Only a release over the pressed button adds the click's step.
void TspSkinSpinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  int pressed = pressedButton_;
  if (pressed != -1) {
    KillBoxTimer(this, kRepeatTimer);
    timerMode_ = 0;
    Button& b = buttons_[pressed];
    b.Down = false;
    if (pressed != activeButton_) b.MouseIn = false;
    Repaint();
    if (b.MouseIn) {
      if (pressed == Up) UpClick(this);
      else DownClick(this);
    }
  }
  pressedButton_ = -1;
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinSpinEdit::OnTimer() {
  if (firstRepeat_) {
    firstRepeat_ = false;
    KillBoxTimer(this, kRepeatTimer);
    SetBoxTimer(this, kRepeatTimer, 100);
    return;
  }
  if (timerMode_ == 1) SetValue(value_ - Increment);
  else if (timerMode_ == 2) SetValue(value_ + Increment);
}

void TspSkinSpinEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == kRepeatTimer) OnTimer();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      return TextChanged();
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      return CalcRects();
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(message);
      TestActive(-1, -1);
      mouseIn_ = true;
      if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_) && !editFocused_) Repaint();
      return ApplyEditColor();
    case CM_MOUSELEAVE: {
      TspSkinCustomControl::Dispatch(message);
      for (Button& b : buttons_)
        if (b.MouseIn) b.MouseIn = false, Repaint();
      POINT cursor;
      ::GetCursorPos(&cursor);
      if (edit_->HandleAllocated() && ::WindowFromPoint(cursor) == edit_->Handle()) return;
      mouseIn_ = false;
      if (SkinRecordIndex != -1 && !IsNullRect(activeSkinRect_) && !editFocused_) Repaint();
      return ApplyEditColor();
    }
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(message);
      edit_->SetEnabled(Enabled());
      ApplyEditColor();
      return Repaint();
    case CM_FOCUSCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (HandleAllocated() && Focused() && edit_->CanFocus()) edit_->SetFocus();
      return;
    case WM_ERASEBKGND:
      if (!InPaintMessage && message.WParam) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        PaintWindow(dc);
        if (edit_->HandleAllocated()) {
          int saved = ::SaveDC(dc);
          ::SetViewportOrgEx(dc, edit_->Left(), edit_->Top(), nullptr);
          ::IntersectClipRect(dc, 0, 0, edit_->Width(), edit_->Height());
          edit_->Perform(WM_PAINT, message.WParam, 0);
          ::RestoreDC(dc, saved);
        }
      }
      message.Result = 1;
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}
