#include "skin/controls/bars/SkinSlider.h"

#include <algorithm>
#include <cmath>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinClock.h"
#include "skin/draw/SkinImage.h"

namespace {
constexpr UINT_PTR kTrackTimer = 1;
const char* kBuiltIn[4] = {"SP_HTB", "SP_HRL", "SP_VTB", "SP_VRL"};
}  // namespace

TspSkinCustomSlider::TspSkinCustomSlider(TComponent* owner) : TspSkinControl(owner) {
  ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks;
  for (int i = 0; i < 4; ++i) {
    images_[i] = std::make_unique<TBitmap>();
    LoadBuiltIn(static_cast<TspSliderImage>(i));
  }
  ruler_ = std::make_unique<TBitmap>();
  SkinDataName = "slider";
  SetBounds(Left(), Top(), 150, 40);
  SetTabStop(true);
  AdjustElements();
  creating_ = false;
}

TspSkinCustomSlider::~TspSkinCustomSlider() {
  OnChange = OnChanged = OnDrawPoints = TNotifyEvent();
  if (HandleAllocated()) SkinClock().KillWindowTimer(Handle(), kTrackTimer);
}

void TspSkinCustomSlider::LoadBuiltIn(TspSliderImage index) {
  try {
    images_[index]->LoadFromResourceName(::GetModuleHandleA(nullptr), kBuiltIn[index]);
  } catch (const Exception&) {
    images_[index]->SetSize(0, 0);  // a program built without the bitmaps draws no image
  }
}

// ---- properties ----

void TspSkinCustomSlider::SetRange(Integer min, Integer max) {
  bool reading = HasState(csReading);
  if (!reading && min >= max) return;
  minValue_ = min;
  maxValue_ = max;
  if (!reading && max < min + increment_) increment_ = max - min;
  if (HasOption(soShowPoints)) Invalidate();
  SetValue(value_);
  RangeChanged();
}

void TspSkinCustomSlider::SetMinValue(Integer value) {
  if (value != minValue_) SetRange(value, maxValue_);
}

void TspSkinCustomSlider::SetMaxValue(Integer value) {
  if (value != maxValue_) SetRange(minValue_, value);
}

void TspSkinCustomSlider::SetValue(Integer value) {
  Integer before = value_;
  value_ = std::clamp(value, minValue_, std::max(minValue_, maxValue_));
  SetThumbOffset(GetOffsetByValue(value_));
  if (value_ != before) Change();
}

void TspSkinCustomSlider::SetIncrement(Integer value) {
  if (value <= 0 || value == increment_) return;
  increment_ = value;
  SetValue(value_);
  Invalidate();
}

void TspSkinCustomSlider::SetOrientation(TspSliderOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  Sized();
  if (!HasState(csLoading) && !HasState(csReading)) SetBounds(Left(), Top(), Height(), Width());
}

void TspSkinCustomSlider::SetOptions(TspSliderOptions value) {
  if (value == options_) return;
  options_ = value;
  Invalidate();
}

void TspSkinCustomSlider::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TspSkinCustomSlider::SetEdgeSize(Integer value) {
  TBitmap* image = images_[orientation_ == soVertical ? siVRuler : siHRuler].get();
  Integer length = orientation_ == soVertical ? image->Height() : image->Width();
  if (2 * value >= length || value == edgeSize_) return;
  edgeSize_ = value;
  Sized();
}

void TspSkinCustomSlider::SetNumThumbStates(Integer value) {
  if (value == numThumbStates_ || value < 1 || value > 2) return;
  numThumbStates_ = value;
  AdjustElements();
}

void TspSkinCustomSlider::SetImage(TspSliderImage index, const TBitmap* value) {
  if (value) {
    images_[index]->Assign(value);
    userImages_ |= 1u << index;
  } else {
    LoadBuiltIn(index);
    userImages_ &= ~(1u << index);
    if (!HasState(csReading))
      options_ &= ~SliderOption(index == siHRuler || index == siVRuler ? soRulerOpaque : soThumbOpaque);
  }
  Invalidate();
  if (!creating_) Sized();
}

void TspSkinCustomSlider::SetReadOnly(bool value) {
  if (value && !readOnly_) {
    StopTracking();
    if (sliding_) ThumbMouseUp(mbLeft, 0, 0, 0);
  }
  readOnly_ = value;
}

void TspSkinCustomSlider::Loaded() {
  TspSkinControl::Loaded();
  for (int i = 0; i < 4; ++i)
    if (StoreImage(static_cast<TspSliderImage>(i))) SetImage(static_cast<TspSliderImage>(i), images_[i].get());
  AdjustElements();
}

// ---- record ----

void TspSkinCustomSlider::GetSkinData() {
  TspSkinControl::GetSkinData();
  skinPicture_ = nullptr;
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinSlider*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) {
    SkinRecordIndex = -1;  // a record of another kind: the built-in look
    return;
  }
  skinPicture_ = SkinData()->ActivePicture(record->pictureindex);
  hRulerRect_ = record->hrulerrect, hThumbRect_ = record->hthumbrect;
  vRulerRect_ = record->vrulerrect, vThumbRect_ = record->vthumbrect;
  skinEdgeSize_ = record->edgesize, bgColor_ = record->bgcolor, pointsColor_ = record->pointscolor;
  if (!skinPicture_) SkinRecordIndex = -1;  // a record without a picture: the built-in look
}

void TspSkinCustomSlider::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  AdjustElements();
}

// ---- geometry ----

TSize TspSkinCustomSlider::ThumbSize() const {
  bool vertical = orientation_ == soVertical;
  if (SkinRecordIndex != -1 && UseSkinThumb) {
    const TRect& r = vertical ? vThumbRect_ : hThumbRect_;
    return TSize{r.Width() / 2, r.Height()};
  }
  TBitmap* image = images_[vertical ? siVThumb : siHThumb].get();
  return TSize{image->Width() / numThumbStates_, image->Height()};
}

Integer TspSkinCustomSlider::Start() const {
  TRect r = GetSliderRect();
  return (orientation_ == soVertical ? r.Top : r.Left) + 6;
}

Integer TspSkinCustomSlider::GetRulerLength() const {
  TSize thumb = ThumbSize();
  return orientation_ == soVertical ? ruler_->Height() - thumb.cy : ruler_->Width() - thumb.cx;
}

Integer TspSkinCustomSlider::GetOffsetByValue(Integer value) const {
  TRect r = GetSliderRect();
  Integer range = std::max<Integer>(maxValue_ - minValue_, 1);
  Integer o = Start() + RoundEven(static_cast<double>(GetRulerLength()) * (value - minValue_) / range);
  if (orientation_ == soVertical) o = r.Top + r.Bottom - o - ThumbSize().cy;
  return std::max(o, Start());
}

// A ruler of no length has only its minimum.
Integer TspSkinCustomSlider::GetValueByOffset(Integer offset) const {
  Integer length = GetRulerLength();
  if (length <= 0) return minValue_;
  TRect r = GetSliderRect();
  if (orientation_ == soVertical) offset = ClientHeight() - offset - ThumbSize().cy;
  Integer v = RoundEven(static_cast<double>(offset - r.Left - 6) * (maxValue_ - minValue_) / length);
  if (!HasOption(soSmooth)) v = RoundEven(static_cast<double>(v) / increment_) * increment_;
  return std::min(std::max(v, 0) + minValue_, maxValue_);
}

void TspSkinCustomSlider::GetThumbPosition(Integer& offset, TPoint& p) const {
  Integer start = Start(), end = start + GetRulerLength();
  offset = std::clamp(offset, start, std::max(start, end));
  offset = std::min(GetOffsetByValue(GetValueByOffset(offset)), std::max(start, end));
  p = orientation_ == soVertical ? TPoint{thumbBounds_.Left, offset} : TPoint{offset, thumbBounds_.Top};
}

void TspSkinCustomSlider::InvalidateThumb() {
  if (!HandleAllocated()) return;
  RECT r{thumbBounds_.Left, thumbBounds_.Top, thumbBounds_.Right, thumbBounds_.Bottom};
  ::InvalidateRect(Handle(), &r, FALSE);
}

void TspSkinCustomSlider::SetThumbOffset(Integer offset) {
  TPoint p;
  GetThumbPosition(offset, p);
  InvalidateThumb();
  thumbBounds_ = TRect{p.X, p.Y, p.X + thumbBounds_.Width(), p.Y + thumbBounds_.Height()};
  InvalidateThumb();
  if (!sliding_) return;
  Integer v = GetValueByOffset(offset);
  if (v == value_) return;
  value_ = v;
  Change();
}

void TspSkinCustomSlider::BuildRuler() {
  TRect r = GetSliderRect();
  bool vertical = orientation_ == soVertical;
  Integer length = std::max(0, (vertical ? r.Height() : r.Width()) - 12);
  if (SkinRecordIndex != -1) {
    ruler_ = std::make_unique<TBitmap>();
    if (vertical)
      CreateVSkinImage(skinEdgeSize_, skinEdgeSize_, ruler_.get(), skinPicture_, vRulerRect_, 0, length, false);
    else
      CreateHSkinImage(skinEdgeSize_, skinEdgeSize_, ruler_.get(), skinPicture_, hRulerRect_, length, 0, false);
    return;
  }
  TBitmap* image = images_[vertical ? siVRuler : siHRuler].get();
  Integer imageLength = vertical ? image->Height() : image->Width(), across = vertical ? image->Width() : image->Height();
  ruler_ = std::make_unique<TBitmap>(vertical ? across : length, vertical ? length : across);
  Integer e = edgeSize_, piece = imageLength - 2 * e;
  if (length == 0 || piece <= 0) return;
  Integer n = (length - 2 * e) / piece, rem = (length - 2 * e) % piece;
  if (length < 2 * e) n = 0, rem = 0;
  auto copy = [&](Integer from, Integer size, Integer to) {
    TRect src = vertical ? TRect{0, from, across, from + size} : TRect{from, 0, from + size, across};
    TRect dst = vertical ? TRect{0, to, across, to + size} : TRect{to, 0, to + size, across};
    ruler_->Canvas()->CopyRect(dst, image->Canvas(), src);
  };
  copy(0, imageLength - e, 0);
  for (Integer i = 1; i < n; ++i) copy(e, piece, e + i * piece);
  if (n > 0) copy(imageLength - e - rem, e + rem, e + n * piece);
}

void TspSkinCustomSlider::AdjustElements() {
  GetSkinData();
  BuildRuler();
  TRect r = GetSliderRect();
  TSize thumb = ThumbSize();
  Integer tw = thumb.cx, th = thumb.cy, rw = ruler_->Width(), rh = ruler_->Height();
  if (orientation_ == soHorizontal) {
    if (th > rh) {
      thumbBounds_ = TRect{r.Left + 6, r.Top + 6, r.Left + 6 + tw, r.Top + 6 + th};
      rulerPos_ = TPoint{r.Left + 6, r.Top + 6 + (th - rh) / 2};
      pointsRect_ = TRect{rulerPos_.X, r.Top + 6 + th + 1, rulerPos_.X + rw, r.Bottom - r.Top - 1};
    } else {
      Integer top = r.Top + 6 + (rh - th) / 2;
      thumbBounds_ = TRect{r.Left + 6, top, r.Left + 6 + tw, top + th};
      rulerPos_ = TPoint{r.Left + 6, r.Top + 6};
      pointsRect_ = TRect{rulerPos_.X, r.Top + 6 + rh + 1, rulerPos_.X + rw, r.Bottom - r.Top - 1};
    }
  } else if (tw > rw) {
    thumbBounds_ = TRect{r.Left + 6, r.Top + 6, r.Left + 6 + tw, r.Top + 6 + th};
    rulerPos_ = TPoint{r.Left + 6 + (tw - rw) / 2, r.Top + 6};
    pointsRect_ = TRect{r.Left + 6 + tw + 1, rulerPos_.Y, r.Right - r.Left - 1, rulerPos_.Y + rh};
  } else {
    Integer left = r.Left + 6 + (rw - tw) / 2;
    thumbBounds_ = TRect{left, r.Top + 6, left + tw, r.Top + 6 + th};
    rulerPos_ = TPoint{r.Left + 6, r.Top + 6};
    pointsRect_ = TRect{rulerPos_.X + rw + 1, rulerPos_.Y, r.Right - r.Left - 1, rulerPos_.Y + rh};
  }
  SetValue(value_);
  Invalidate();
}

// ---- jumps ----

void TspSkinCustomSlider::ThumbJump(TspJumpMode mode) {
  Integer target;
  switch (mode) {
    case jmHome: target = minValue_; break;
    case jmEnd: target = maxValue_; break;
    case jmNext: target = RoundEven(static_cast<double>(value_) / increment_) * increment_ + increment_; break;
    case jmPrior: target = RoundEven(static_cast<double>(value_) / increment_) * increment_ - increment_; break;
    default: return;
  }
  target = std::clamp(target, minValue_, maxValue_);
  if (target != value_) SetValue(target);
}

TspJumpMode TspSkinCustomSlider::JumpTo(Integer x, Integer y) const {
  if (orientation_ == soHorizontal) {
    if (x < thumbBounds_.Left) return jmPrior;
    if (x >= thumbBounds_.Right) return jmNext;
  } else {
    if (y < thumbBounds_.Top) return jmNext;
    if (y >= thumbBounds_.Bottom) return jmPrior;
  }
  return jmNone;
}
