#include "skin/controls/SkinScrollBar.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

namespace {

constexpr UINT kRepeatTimer = 1;

TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }

}  // namespace

TspSkinScrollBar::TspSkinScrollBar(TComponent* owner) : TspSkinCustomControl(owner) {
  SkinDataName = "hscrollbar";
  SetBounds(0, 0, 200, 19);
  SetDefaultHeight(19);
}

// ---- setters ----

// The upper bound is applied first, so a page larger than the range still
// leaves the position at Min rather than below it.
Integer TspSkinScrollBar::Clamped(Integer value) const {
  Integer upper = pageSize_ != 0 ? max_ - pageSize_ + 1 : max_;
  if (value > upper) value = upper;
  if (value < min_) value = min_;
  return value;
}

void TspSkinScrollBar::SetPosition(Integer value) {
  value = Clamped(value);
  if (value == position_) return;
  position_ = value;
  Repaint();
  OnChange(this);
}

void TspSkinScrollBar::SimplySetPosition(Integer value) {
  value = Clamped(value);
  if (value == position_) return;
  position_ = value;
  Repaint();
}

void TspSkinScrollBar::SetRange(Integer min, Integer max, Integer position, Integer pageSize) {
  min_ = min;
  max_ = max;
  pageSize_ = pageSize;
  position_ = Clamped(position);
  Repaint();
}

void TspSkinScrollBar::SetMin(Integer value) {
  min_ = value;
  if (position_ < min_) position_ = min_;
  Repaint();
}

void TspSkinScrollBar::SetMax(Integer value) {
  max_ = value;
  Integer upper = pageSize_ != 0 ? max_ - pageSize_ + 1 : max_;
  if (position_ > upper) position_ = upper;
  if (position_ < min_) position_ = min_;
  Repaint();
}

void TspSkinScrollBar::SetPageSize(Integer value) {
  if (position_ + value <= max_ + 1) pageSize_ = value;
  Repaint();
}

void TspSkinScrollBar::SetSmallChange(Integer value) {
  smallChange_ = value;
  Repaint();
}

void TspSkinScrollBar::SetLargeChange(Integer value) {
  largeChange_ = value;
  Repaint();
}

void TspSkinScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  if (Designing() && !HasState(csLoading)) {
    bool vertical = value == sbVertical;
    SkinDataName = vertical ? "vscrollbar" : "hscrollbar";
    if (vertical ? Width() > Height() : Height() > Width()) SetBounds(Left(), Top(), Height(), Width());
    if (vertical) {
      SetDefaultWidth(DefaultHeight());
      SetDefaultHeight(0);
    } else {
      SetDefaultHeight(DefaultWidth());
      SetDefaultWidth(0);
    }
  }
  Repaint();
}

void TspSkinScrollBar::SetBoth(bool value) {
  if (value == both_) return;
  both_ = value;
  if (!Designing()) {
    if (value) {
      savedSkinDataName_ = SkinDataName;
      SkinDataName = BothSkinDataName;
    } else if (!savedSkinDataName_.empty()) {
      SkinDataName = savedSkinDataName_;
    }
  }
  if (SkinRecordIndex != -1) ChangeSkinData();
  else Repaint();
}

void TspSkinScrollBar::SetBothMarkerWidth(Integer value) {
  if (value < 0) return;
  bothMarkerWidth_ = value;
  if (SkinRecordIndex == -1) Repaint();
}

void TspSkinScrollBar::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

bool TspSkinScrollBar::IsFocused() { return canFocused_ && HandleAllocated() && Focused(); }

// ---- record ----

void TspSkinScrollBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* r = dynamic_cast<TspDataSkinScrollBarControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!r) return;
  trackArea_ = r->trackarea;
  upButtonRect_ = r->upbuttonrect;
  activeUpButtonRect_ = r->activeupbuttonrect;
  downUpButtonRect_ = OrElse(r->downupbuttonrect, activeUpButtonRect_);
  downButtonRect_ = r->downbuttonrect;
  activeDownButtonRect_ = r->activedownbuttonrect;
  downDownButtonRect_ = OrElse(r->downdownbuttonrect, activeDownButtonRect_);
  thumbRect_ = r->thumbrect;
  activeThumbRect_ = OrElse(r->activethumbrect, thumbRect_);
  downThumbRect_ = OrElse(r->downthumbrect, activeThumbRect_);
  thumbOffset1_ = r->thumboffset1;
  thumbOffset2_ = r->thumboffset2;
  thumbTransparent_ = r->thumbtransparent;
  thumbTransparentColor_ = r->thumbtransparentcolor;
  thumbStretchEffect_ = r->thumbstretcheffect;
  thumbMinSize_ = r->thumbminsize;
  thumbMinPageSize_ = r->thumbminpagesize;
  glyphRect_ = r->glyphrect;
  activeGlyphRect_ = OrElse(r->activeglyphrect, glyphRect_);
  downGlyphRect_ = OrElse(r->downglyphrect, activeGlyphRect_);
  glyphTransparent_ = r->glyphtransparent;
  glyphTransparentColor_ = r->glyphtransparentcolor;
}

void TspSkinScrollBar::CalcSize(Integer& width, Integer& height) {
  TspSkinCustomControl::CalcSize(width, height);
  CalcRects();
}

// ---- layout ----

Integer TspSkinScrollBar::ThumbLength(Integer trackLength) const {
  bool skinned = SkinRecordIndex != -1;
  Integer pictureLength = Vertical() ? RectHeight(thumbRect_) : RectWidth(thumbRect_);
  if (pageSize_ == 0) {
    if (!skinned) return 16;
    return thumbMinPageSize_ != 0 ? thumbMinPageSize_ : thumbMinSize_ != 0 ? thumbMinSize_ : pictureLength;
  }
  Integer range = max_ - min_ + 1;
  Integer length = range == 0 ? 0 : static_cast<Integer>(Round(static_cast<double>(trackLength) * pageSize_ / range));
  Integer floor = !skinned ? 16 : thumbMinSize_ != 0 ? thumbMinSize_ : pictureLength;
  return length < floor ? floor : length;
}

void TspSkinScrollBar::PlaceThumb(Integer trackStart, Integer trackEnd, Integer length) {
  Integer half = length / 2;
  travelStart_ = trackStart + half;
  travelEnd_ = trackEnd - half;
  double fraction = 0;
  if (pageSize_ == 0) {
    fraction = max_ == min_ ? 0 : static_cast<double>(position_ - min_) / (max_ - min_);
  } else if (max_ - pageSize_ + 1 > min_) {
    fraction = static_cast<double>(position_ - min_) / (max_ - pageSize_ + 1 - min_);
  } else {
    fraction = Vertical() ? 0 : 1;
  }
  thumbPos_ = static_cast<Integer>(Round((travelEnd_ - travelStart_) * fraction));
  thumbCentre_ = travelStart_ + thumbPos_;
  thumbHalf_ = half;
}

void TspSkinScrollBar::CalcRects() {
  Integer w = Width(), h = Height();
  if (SkinRecordIndex == -1) {
    if (Vertical()) {
      buttons_[DownButton].R = {1, 1, w - 1, 17};
      buttons_[UpButton].R = {1, h - 17, w - 1, h - 1};
      trackRect_ = {1, 17, w - 1, h - 17};
    } else {
      Integer l = both_ ? w - bothMarkerWidth_ : w;
      buttons_[DownButton].R = {1, 1, 17, h - 1};
      buttons_[UpButton].R = {l - 17, 1, l - 1, h - 1};
      trackRect_ = {17, 1, l - 17, h - 1};
    }
  } else {
    Integer delta = Vertical() ? h - RectHeight(skinrect) : w - RectWidth(skinrect);
    auto place = [&](const TRect& r) {
      if (Vertical()) return r.Top > leftbottompoint.Y ? Moved(r, 0, delta) : r;
      return r.Left > righttoppoint.X ? Moved(r, delta, 0) : r;
    };
    trackRect_ = trackArea_;
    (Vertical() ? trackRect_.Bottom : trackRect_.Right) += delta;
    buttons_[UpButton].R = place(upButtonRect_);
    buttons_[DownButton].R = place(downButtonRect_);
  }
  Integer start = Vertical() ? trackRect_.Top : trackRect_.Left;
  Integer end = Vertical() ? trackRect_.Bottom : trackRect_.Right;
  Integer length = ThumbLength(end - start);
  PlaceThumb(start, end, length);
  Integer from = thumbCentre_ - thumbHalf_, to = thumbCentre_ + thumbHalf_;
  TRect& thumb = buttons_[Thumb].R;
  if (SkinRecordIndex == -1) {
    thumb = Vertical() ? TRect{trackRect_.Left, from, trackRect_.Right, to}
                       : TRect{from, trackRect_.Top, to, trackRect_.Bottom};
  } else if (Vertical()) {
    Integer thickness = RectWidth(thumbRect_);
    Integer left = trackRect_.Left + RectWidth(trackRect_) / 2 - thickness / 2;
    thumb = {left, from, left + thickness, to};
  } else {
    Integer thickness = RectHeight(thumbRect_);
    Integer top = trackRect_.Top + RectHeight(trackRect_) / 2 - thickness / 2;
    thumb = {from, top, to, top + thickness};
  }
}

Integer TspSkinScrollBar::CalcValue(Integer offset) {
  Integer length = Vertical() ? RectHeight(buttons_[Thumb].R) : RectWidth(buttons_[Thumb].R);
  Integer start = (Vertical() ? trackRect_.Top : trackRect_.Left) + length / 2;
  Integer end = (Vertical() ? trackRect_.Bottom : trackRect_.Right) - length / 2;
  double fraction = end - start > 0 ? static_cast<double>(dragOffset_ + offset) / (end - start) : 0;
  if (fraction < 0) fraction = 0;
  if (fraction > 1) fraction = 1;
  Integer span = pageSize_ != 0 ? max_ - min_ - pageSize_ + 1 : max_ - min_;
  return min_ + static_cast<Integer>(Round(fraction * span));
}

// ---- painting ----

void TspSkinScrollBar::DrawDefaultPart(TCanvas* canvas, int index) {
  const Part& part = buttons_[index];
  bool pressed = (part.Down && part.MouseIn) || (index == Thumb && (part.Down || IsFocused()));
  ::DrawDefaultPart(canvas, part.R, pressed ? TspPartState::Pressed : PartState(part.MouseIn, false));
  if (index == Thumb) return;
  Integer kind = index == UpButton ? (Vertical() ? 4 : 2) : (Vertical() ? 3 : 1);
  DrawArrowImage(canvas, part.R, clBlack, kind);
}

void TspSkinScrollBar::CreateControlDefaultImage(TBitmap* b) {
  CalcRects();
  TCanvas* canvas = b->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(ClientRect());
  if (Enabled()) DrawDefaultPart(canvas, Thumb);
  DrawDefaultPart(canvas, UpButton);
  DrawDefaultPart(canvas, DownButton);
}

void TspSkinScrollBar::DrawSkinArrow(TCanvas* canvas, int index) {
  const Part& part = buttons_[index];
  if (!part.MouseIn || !SkinPicture) return;
  bool up = index == UpButton;
  TRect source = part.Down ? (up ? downUpButtonRect_ : downDownButtonRect_)
                           : (up ? activeUpButtonRect_ : activeDownButtonRect_);
  if (IsNullRect(source)) return;
  canvas->CopyRect(part.R, SkinPicture->Canvas(), source);
}

void TspSkinScrollBar::DrawSkinThumb(TBitmap* b) {
  const Part& thumb = buttons_[Thumb];
  Integer w = RectWidth(thumb.R), h = RectHeight(thumb.R);
  if (w <= 0 || h <= 0 || !SkinPicture) return;
  bool down = thumb.Down || IsFocused();
  TRect source = down ? downThumbRect_ : thumb.MouseIn ? activeThumbRect_ : thumbRect_;
  if (IsNullRect(source)) return;
  TBitmap image(w, h);
  if (pageSize_ != 0 || thumbMinPageSize_ != 0) {
    if (Vertical()) CreateVSkinImage(thumbOffset1_, thumbOffset2_, &image, SkinPicture, source, w, h, thumbStretchEffect_);
    else CreateHSkinImage(thumbOffset1_, thumbOffset2_, &image, SkinPicture, source, w, h, thumbStretchEffect_);
  } else {
    image.Canvas()->CopyRect(TRect{0, 0, w, h}, SkinPicture->Canvas(), source);
  }
  TRect glyph = down ? downGlyphRect_ : thumb.MouseIn ? activeGlyphRect_ : glyphRect_;
  if (!IsNullRect(glyph)) {
    TBitmap g(RectWidth(glyph), RectHeight(glyph));
    g.Canvas()->CopyRect(TRect{0, 0, g.Width(), g.Height()}, SkinPicture->Canvas(), glyph);
    if (glyphTransparent_) {
      g.SetTransparent(true);
      g.SetTransparentMode(tmFixed);
      g.SetTransparentColor(glyphTransparentColor_);
    }
    image.Canvas()->Draw(w / 2 - g.Width() / 2, h / 2 - g.Height() / 2, &g);
  }
  if (AlphaBlend()) {
    TBitmap under(w, h);
    under.Canvas()->CopyRect(TRect{0, 0, w, h}, b->Canvas(), thumb.R);
    TspEffectBmp own(image.Handle()), behind(under.Handle());
    own.Morph(behind, 1 - AlphaBlendValue() / 255.0);
    own.Draw(image.Canvas()->Handle(), 0, 0);
  }
  if (thumbTransparent_) {
    image.SetTransparent(true);
    image.SetTransparentMode(tmFixed);
    image.SetTransparentColor(thumbTransparentColor_);
  }
  b->Canvas()->Draw(thumb.R.Left, thumb.R.Top, &image);
}

void TspSkinScrollBar::CreateControlSkinImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlSkinImage(b);
  CalcRects();
  DrawSkinArrow(b->Canvas(), UpButton);
  DrawSkinArrow(b->Canvas(), DownButton);
  if (Enabled()) DrawSkinThumb(b);
}

// ---- pointer and timer ----

void TspSkinScrollBar::SetTimer(UINT ms) { SetBoxTimer(this, kRepeatTimer, ms); }

void TspSkinScrollBar::StopTimer() {
  KillBoxTimer(this, kRepeatTimer);
  timerMode_ = 0;
}

void TspSkinScrollBar::StartScroll() {
  KillBoxTimer(this, kRepeatTimer);
  SetTimer(50);
}

void TspSkinScrollBar::ArrowStep(int index) {
  if (index == UpButton) {
    if (OnUpButtonClick) OnUpButtonClick(this);
    else SetPosition(position_ + smallChange_);
  } else {
    if (OnDownButtonClick) OnDownButtonClick(this);
    else SetPosition(position_ - smallChange_);
  }
}

void TspSkinScrollBar::PartDown(int index) {
  Part& part = buttons_[index];
  part.Down = true;
  Repaint();
  if (index == Thumb) {
    dragStart_ = Along(lastMouseX_, lastMouseY_);
    dragOffset_ = thumbPos_;
    dragging_ = true;
    return;
  }
  ArrowStep(index);
  timerMode_ = index == UpButton ? 2 : 1;
  SetTimer(500);
}

void TspSkinScrollBar::PartUp(int index) {
  Part& part = buttons_[index];
  part.Down = false;
  if (index != activeButton_) part.MouseIn = false;
  Repaint();
  if (index == Thumb) dragging_ = false;
  else StopTimer();
}

void TspSkinScrollBar::PartEnter(int index) {
  buttons_[index].MouseIn = true;
  Repaint();
  if (index != Thumb && buttons_[index].Down) SetTimer(50);  // the repeat resumes at the fast rate
}

void TspSkinScrollBar::PartLeave(int index) {
  buttons_[index].MouseIn = false;
  Repaint();
  if (index != Thumb && buttons_[index].Down) KillBoxTimer(this, kRepeatTimer);  // pauses
}

void TspSkinScrollBar::TestActive(int x, int y) {
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i = 0; i < 3; ++i)
    if (PointInRect(buttons_[i].R, TPoint{x, y})) {
      activeButton_ = i;
      break;
    }
  if (pressedButton_ != -1 && activeButton_ != pressedButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) PartLeave(oldActiveButton_);
  if (activeButton_ != -1) PartEnter(activeButton_);
}

void TspSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  mouseHeld_ = true;
  lastMouseX_ = x;
  lastMouseY_ = y;
  CalcRects();
  timerMode_ = 0;
  waitMode_ = true;
  for (int i = 0; i < 3; ++i)
    if (PointInRect(buttons_[i].R, TPoint{x, y})) {
      pressedButton_ = i;
      PartDown(i);
      return;
    }
  if (!PointInRect(trackRect_, TPoint{x, y})) return;
  const TRect& thumb = buttons_[Thumb].R;
  if (Vertical() ? y < thumb.Top : x < thumb.Left) {
    SetPosition(position_ - largeChange_);
    timerMode_ = 3;
    SetTimer(500);
    OnPageUp(this);
  } else {
    SetPosition(position_ + largeChange_);
    timerMode_ = 4;
    SetTimer(500);
    OnPageDown(this);
  }
}

void TspSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
  lastMouseX_ = x;
  lastMouseY_ = y;
  TestActive(x, y);
  if (dragging_) SetPosition(CalcValue(Along(x, y) - dragStart_));
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  mouseHeld_ = false;
  if (timerMode_ == 3 || timerMode_ == 4) StopTimer();
  int pressed = pressedButton_;
  pressedButton_ = -1;
  if (pressed == -1) return;
  PartUp(pressed);
  if (pressed == Thumb) OnLastChange(this);
}

void TspSkinScrollBar::OnTimer() {
  if (waitMode_) {
    waitMode_ = false;
    StartScroll();
    return;
  }
  const TRect& thumb = buttons_[Thumb].R;
  switch (timerMode_) {
    case 1:
      ArrowStep(DownButton);
      break;
    case 2:
      ArrowStep(UpButton);
      break;
    case 3:
      TestActive(lastMouseX_, lastMouseY_);
      if (Vertical() ? lastMouseY_ < thumb.Top : lastMouseX_ < thumb.Left) {
        SetPosition(position_ - largeChange_);
        OnPageUp(this);
      } else {
        StopTimer();
      }
      break;
    case 4:
      TestActive(lastMouseX_, lastMouseY_);
      if (Vertical() ? lastMouseY_ > thumb.Bottom : lastMouseX_ > thumb.Right) {
        SetPosition(position_ + largeChange_);
        OnPageDown(this);
      } else {
        StopTimer();
      }
      break;
    default:
      break;
  }
}

void TspSkinScrollBar::MouseLeft() {
  if (Designing()) return;
  if (activeButton_ != -1 && pressedButton_ == -1 && !dragging_) {
    buttons_[activeButton_].MouseIn = false;
    Repaint();
    activeButton_ = -1;
  }
  if (mouseHeld_ && (timerMode_ == 3 || timerMode_ == 4)) StopTimer();
}

void TspSkinScrollBar::KeyDown(Word& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_LEFT || key == VK_UP) SetPosition(position_ - smallChange_);
  else if (key == VK_RIGHT || key == VK_DOWN) SetPosition(position_ + smallChange_);
}

void TspSkinScrollBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == kRepeatTimer) OnTimer();
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      MouseLeft();
      return;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(message);
      Repaint();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(message);
      Repaint();
      return;
    case CM_WANTSPECIALKEY:
      if (canFocused_ && (message.WParam == VK_LEFT || message.WParam == VK_UP || message.WParam == VK_RIGHT ||
                          message.WParam == VK_DOWN)) {
        message.Result = 1;
        return;
      }
      break;
    case WM_MOUSEWHEEL:
      if (IsFocused()) SetPosition(position_ + (static_cast<short>(HIWORD(message.WParam)) > 0 ? -smallChange_ : smallChange_));
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (canFocused_ && !Designing() && !Focused()) {
        SetFocus();
        if (!Focused()) return;  // the focus did not arrive: the press is dropped
      }
      break;
    case WM_ERASEBKGND:
      if (!InPaintMessage && message.WParam) {
        Perform(WM_PAINT, message.WParam, 0);
      }
      message.Result = 1;
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}
