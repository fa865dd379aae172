// TspSkinCustomSlider / TspSkinSlider: a picture slider with a ruler, a two-state
// thumb and a row of tick marks, horizontal or vertical. The thumb is dragged,
// a press on the ruler beside it steps it by Increment toward the pointer (again
// every 400 ms while held), and the keys step it or send it to the ends. Without
// a skin it draws four built-in bitmaps (which a form may replace); with a
// "slider" record it takes ruler and thumb from the skin picture.
#pragma once

#include <memory>

#include "skin/controls/SkinCtrls.h"

enum TspSliderOrientation { soHorizontal, soVertical };
enum TspSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TspSliderOptions = unsigned;  // bit i: option i
enum TspSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };
enum TspJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };
constexpr TspSliderOptions SliderOption(TspSliderOption o) { return 1u << o; }

class TspSkinCustomSlider : public TspSkinControl {
public:
  explicit TspSkinCustomSlider(TComponent* owner);
  ~TspSkinCustomSlider() override;

  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer value);
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer value);
  // Outside a form's reading an empty or inverted range is refused.
  void SetRange(Integer min, Integer max);
  Integer Value() const { return value_; }
  void SetValue(Integer value);  // clamped; OnChange when it changed
  Integer Increment() const { return increment_; }
  void SetIncrement(Integer value);  // values of 0 or less are refused
  TspSliderOrientation Orientation() const { return orientation_; }
  void SetOrientation(TspSliderOrientation value);
  TspSliderOptions Options() const { return options_; }
  void SetOptions(TspSliderOptions value);
  bool HasOption(TspSliderOption o) const { return (options_ & SliderOption(o)) != 0; }
  Integer EdgeSize() const { return edgeSize_; }
  void SetEdgeSize(Integer value);
  Integer NumThumbStates() const { return numThumbStates_; }
  void SetNumThumbStates(Integer value);
  TBitmap* Image(TspSliderImage index) const { return images_[index].get(); }
  // A bitmap becomes the user's image; nullptr puts the built-in one back.
  void SetImage(TspSliderImage index, const TBitmap* value);
  bool StoreImage(TspSliderImage index) const { return (userImages_ & (1u << index)) != 0; }
  Byte UserImages() const { return userImages_; }
  void SetUserImages(Byte value) { userImages_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool UseSkinThumb = true;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TNotifyEvent OnChange, OnChanged, OnDrawPoints;

  virtual bool CanModify() { return true; }
  virtual TRect GetSliderRect() const { return TRect{0, 0, Width(), Height()}; }
  virtual Integer GetSliderValue() const { return value_; }
  virtual void Sized() { AdjustElements(); }
  virtual void RangeChanged() {}
  void DefaultDrawPoints(Integer step, Integer pointHeight, Integer extremePointHeight);

  Integer GetRulerLength() const;
  Integer GetOffsetByValue(Integer value) const;
  Integer GetValueByOffset(Integer offset) const;
  void ThumbJump(TspJumpMode mode);
  TspJumpMode JumpTo(Integer x, Integer y) const;
  const TRect& ThumbBounds() const { return thumbBounds_; }
  TPoint RulerPos() const { return rulerPos_; }
  const TRect& PointsRect() const { return pointsRect_; }
  TBitmap* Ruler() const { return ruler_.get(); }
  // The values the tick marks stand at, for a step.
  std::vector<Integer> PointValues(Integer step) const;
  bool Sliding() const { return sliding_; }
  bool RulerTracking() const { return rulerTracking_; }

  void AdjustElements();
  void GetSkinData() override;
  void ChangeSkinData() override;
  void Loaded() override;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void ThumbMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void ThumbMouseMove(TShiftState shift, int x, int y);
  virtual void ThumbMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Change() { OnChange(this); }
  virtual void Changed() { OnChanged(this); }

private:
  TSize ThumbSize() const;
  Integer Start() const;
  void BuildRuler();
  void SetThumbOffset(Integer offset);
  void GetThumbPosition(Integer& offset, TPoint& p) const;
  void InvalidateThumb();
  void TimerTrack();
  void StopTracking();
  void LoadBuiltIn(TspSliderImage index);
  void DrawThumb(TCanvas* canvas, const TPoint& at);

  Integer minValue_ = 0, maxValue_ = 100, value_ = 0, increment_ = 10;
  TspSliderOrientation orientation_ = soHorizontal;
  TspSliderOptions options_ = SliderOption(soShowFocus) | SliderOption(soShowPoints) | SliderOption(soSmooth);
  Integer edgeSize_ = 2;
  Integer numThumbStates_ = 2;
  std::unique_ptr<TBitmap> images_[4];
  Byte userImages_ = 0;
  bool transparent_ = false;
  bool readOnly_ = false;
  std::unique_ptr<TBitmap> ruler_;
  TPoint rulerPos_;
  TRect thumbBounds_, pointsRect_;
  bool sliding_ = false, thumbDown_ = false;
  Integer hitOffset_ = 0;
  bool rulerTracking_ = false;
  TPoint trackPoint_;
  TspJumpMode trackDirection_ = jmNone;
  bool timerRunning_ = false;
  bool focused_ = false;
  bool creating_ = true;
  // Copies of the record.
  TBitmap* skinPicture_ = nullptr;  // borrowed from the skin
  TRect hRulerRect_, hThumbRect_, vRulerRect_, vThumbRect_;
  Integer skinEdgeSize_ = 0;
  TColor bgColor_ = 0, pointsColor_ = 0;
};

class TspSkinSlider : public TspSkinCustomSlider {
public:
  using TspSkinCustomSlider::TspSkinCustomSlider;
};
