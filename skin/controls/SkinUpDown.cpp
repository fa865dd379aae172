#include "skin/controls/SkinUpDown.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/draw/SPUtils.h"

namespace {
constexpr UINT kRepeatTimer = 1;
TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }
}  // namespace

TspSkinUpDown::TspSkinUpDown(TComponent* owner) : TspSkinCustomControl(owner) {
  SkinDataName = "hupdown";
  SetBounds(0, 0, 25, 50);
}

void TspSkinUpDown::SetPosition(Integer value) {
  if (value > max_ || value < min_) return;
  position_ = value;
  Repaint();
  if (!Designing()) OnChange(this);
}

void TspSkinUpDown::SetMin(Integer value) {
  min_ = value;
  if (position_ < min_) position_ = min_;
}

void TspSkinUpDown::SetMax(Integer value) {
  max_ = value;
  if (position_ > max_) position_ = max_;
}

void TspSkinUpDown::SetOrientation(TUDOrientation value) {
  orientation_ = value;
  if (Designing() && !HasState(csLoading)) SkinDataName = value == udVertical ? "vupdown" : "hupdown";
  Repaint();
}

void TspSkinUpDown::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex != -1) {
    if (auto* r = dynamic_cast<TspDataSkinUpDownControl*>(SkinData()->CtrlList[SkinRecordIndex].get())) {
      upButtonRect_ = r->upbuttonrect;
      activeUpButtonRect_ = r->activeupbuttonrect;
      downUpButtonRect_ = OrElse(r->downupbuttonrect, activeUpButtonRect_);
      downButtonRect_ = r->downbuttonrect;
      activeDownButtonRect_ = r->activedownbuttonrect;
      downDownButtonRect_ = OrElse(r->downdownbuttonrect, activeDownButtonRect_);
    }
  }
  CalcRects();
}

void TspSkinUpDown::CalcRects() {
  Integer w = Width(), h = Height();
  if (SkinRecordIndex != -1 && UseSkinSize) {
    buttons_[Up].R = upButtonRect_;
    buttons_[Down].R = downButtonRect_;
  } else if (orientation_ == udVertical) {
    buttons_[Up].R = {0, 0, w, h / 2};
    buttons_[Down].R = {0, h / 2, w, h};
  } else {
    buttons_[Down].R = {0, 0, w / 2, h};
    buttons_[Up].R = {w / 2, 0, w, h};
  }
}

void TspSkinUpDown::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize) TspSkinCustomControl::CalcSize(width, height);
}

void TspSkinUpDown::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

// ---- painting ----

void TspSkinUpDown::CreateControlDefaultImage(TBitmap* b) {
  CalcRects();
  TCanvas* canvas = b->Canvas();
  for (int i = 0; i < 2; ++i) {
    const Button& button = buttons_[i];
    DrawDefaultPart(canvas, button.R, PartState(button.MouseIn, button.Down));
    Integer kind = i == Up ? (orientation_ == udVertical ? 3 : 2) : (orientation_ == udVertical ? 4 : 1);
    DrawArrowImage(canvas, button.R, clBlack, kind);
  }
}

void TspSkinUpDown::DrawResizeButton(TCanvas* canvas, int index) {
  const Button& button = buttons_[index];
  Integer w = RectWidth(button.R), h = RectHeight(button.R);
  if (w <= 0 || h <= 0) return;
  TBitmap image(w, h);
  Integer kind = index == Up ? (orientation_ == udVertical ? 3 : 2) : (orientation_ == udVertical ? 4 : 1);
  TspButtonRecordLook look;
  if (look.Find(SkinData(), "resizebutton")) {
    bool pressed = button.MouseIn && button.Down;
    look.Compose(&image, button.MouseIn, pressed);
    TRect arrow{0, 0, w, h};
    if (pressed) arrow.Left += 2, arrow.Top += 2;
    DrawArrowImage(image.Canvas(), arrow, look.TextColor(button.MouseIn, pressed, true), kind);
  }
  canvas->Draw(button.R.Left, button.R.Top, &image);
}

void TspSkinUpDown::CreateControlSkinImage(TBitmap* b) {
  CalcRects();
  if (!UseSkinSize) {
    DrawResizeButton(b->Canvas(), Up);
    DrawResizeButton(b->Canvas(), Down);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(b);
  if (!SkinPicture) return;
  for (int i = 0; i < 2; ++i) {
    const Button& button = buttons_[i];
    if (!button.MouseIn) continue;
    TRect source = button.Down ? (i == Up ? downUpButtonRect_ : downDownButtonRect_)
                               : (i == Up ? activeUpButtonRect_ : activeDownButtonRect_);
    if (!IsNullRect(source)) b->Canvas()->CopyRect(button.R, SkinPicture->Canvas(), source);
  }
}

// ---- pointer and auto-repeat ----

void TspSkinUpDown::ButtonEnter(int index) {
  buttons_[1 - index].MouseIn = false;
  buttons_[index].MouseIn = true;
  Repaint();
  if (buttons_[index].Down && Increment != 0) SetBoxTimer(this, kRepeatTimer, 50);
}

void TspSkinUpDown::ButtonLeave(int index) {
  buttons_[index].MouseIn = false;
  Repaint();
  if (buttons_[index].Down && Increment != 0) KillBoxTimer(this, kRepeatTimer);
}

void TspSkinUpDown::TestActive(int x, int y) {
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i = 0; i < 2; ++i)
    if (PointInRect(buttons_[i].R, TPoint{x, y})) {
      activeButton_ = i;
      break;
    }
  if (pressedButton_ != -1 && activeButton_ != pressedButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) ButtonLeave(oldActiveButton_);
  if (activeButton_ != -1) ButtonEnter(activeButton_);
}

void TspSkinUpDown::Step(int index) {
  if (Increment == 0) return;
  SetPosition(index == Up ? position_ + Increment : position_ - Increment);
}

void TspSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TestActive(x, y);
  buttons_[activeButton_ == -1 ? 0 : 1 - activeButton_].MouseIn = false;
  if (activeButton_ != -1) {
    pressedButton_ = activeButton_;
    buttons_[pressedButton_].MouseIn = true;
    buttons_[pressedButton_].Down = true;
    Repaint();
    if (Increment != 0) {
      timerMode_ = pressedButton_ == Up ? 2 : 1;
      firstRepeat_ = true;
      SetBoxTimer(this, kRepeatTimer, 500);
    }
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinUpDown::MouseMove(TShiftState shift, int x, int y) {
  TestActive(x, y);
  TspSkinCustomControl::MouseMove(shift, x, y);
}

// A release steps once also when the pointer has left the pressed button: the
// press already counted as a click on it.
void TspSkinUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  int pressed = pressedButton_;
  if (pressed != -1) {
    if (Increment != 0) KillBoxTimer(this, kRepeatTimer);
    timerMode_ = 0;
    buttons_[pressed].Down = false;
    if (pressed != activeButton_) buttons_[pressed].MouseIn = false;
    Repaint();
    Step(pressed);
    if (pressed == Up) OnUpButtonClick(this);
    else OnDownButtonClick(this);
  }
  pressedButton_ = -1;
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinUpDown::OnTimer() {
  if (firstRepeat_) {
    firstRepeat_ = false;
    KillBoxTimer(this, kRepeatTimer);
    SetBoxTimer(this, kRepeatTimer, 100);
    return;
  }
  if (timerMode_ == 1) SetPosition(position_ - Increment);
  else if (timerMode_ == 2) SetPosition(position_ + Increment);
}

void TspSkinUpDown::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == kRepeatTimer) OnTimer();
      return;
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      CalcRects();
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
      activeButton_ = oldActiveButton_ = -1;
      break;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      for (Button& b : buttons_)
        if (b.MouseIn) {
          b.MouseIn = false;
          Repaint();
        }
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}
