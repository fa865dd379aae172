// TRzSpinner: a self-contained integer spinner, a framed value field between a
// minus button and a plus button, stepping by Increment or PageSize from the
// mouse (with auto-repeat), the keys and the wheel, within an optional range.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "platform/controls/CustomControl.h"
#include "platform/graphics/ImageList.h"

using TRzSpinnerEvent = TEvent<TObject*, int, bool&>;
enum TRzButtonType : Byte { btMinus, btPlus };

class TRzSpinner : public TCustomControl {
public:
  explicit TRzSpinner(TComponent* owner);
  ~TRzSpinner() override;

  int Value() const { return value_; }
  virtual void SetValue(int value);
  int Min() const { return min_; }
  virtual void SetMin(int value);
  int Max() const { return max_; }
  virtual void SetMax(int value);
  int Increment = 1;
  int PageSize = 10;
  bool CheckRange() const { return checkRange_; }
  virtual void SetCheckRange(bool value);
  bool TabOnEnter = false;
  bool ShowHexValue() const { return showHexValue_; }
  virtual void SetShowHexValue(bool value);
  const String& HexValuePrefix() const { return hexValuePrefix_; }
  virtual void SetHexValuePrefix(const String& value);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  virtual void SetButtonColor(TColor value);
  int ButtonWidth() const { return buttonWidth_; }
  virtual void SetButtonWidth(int value);
  TCustomImageList* Images() const { return images_; }
  virtual void SetImages(TCustomImageList* value);
  int ImageIndexMinus() const { return imageIndex_[0]; }
  void SetImageIndexMinus(int value) { SetImageIndex(1, value); }
  int ImageIndexPlus() const { return imageIndex_[1]; }
  void SetImageIndexPlus(int value) { SetImageIndex(2, value); }
  virtual void SetImageIndex(int index, int value);
  TBitmap* GlyphMinus() const { return placeholder_.get(); }
  TBitmap* GlyphPlus() const { return placeholder_.get(); }

  TNotifyEvent OnChange;
  TRzSpinnerEvent OnChanging;

  virtual int CheckValue(int value) const;
  virtual void IncValue(int amount) { SetValue(value_ + amount); }
  virtual void DecValue(int amount) { SetValue(value_ - amount); }
  // The text the field shows.
  String DisplayText() const;
  bool MinusPressed() const { return minusPressed_; }
  bool PlusPressed() const { return plusPressed_; }

protected:
  virtual bool CanChange(int newValue);
  virtual void Change() { OnChange(this); }
  virtual void DrawButton(TRzButtonType type, bool pressed, const TRect& r);
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void WMSetCursor(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  bool OverButton(TRzButtonType type, const TPoint& p) const;
  void MouseMove(TShiftState shift, int x, int y) override;
  void TimerExpired(TObject*);
  void StepFromPointer();

  TPoint pointer_{-1, -1};  // where the mouse was last seen over the spinner
  int value_ = 0, min_ = 0, max_ = 100;
  bool checkRange_ = false;
  HCURSOR handCursor_ = nullptr;
  bool handCursorLoaded_ = false;  // loaded from the resource, so destroyed with the spinner
  bool showHexValue_ = false;
  String hexValuePrefix_ = "$";
  TColor frameColor_ = clBtnShadow;
  TColor buttonColor_ = clBtnFace;
  int buttonWidth_ = 18;
  bool minusPressed_ = false, plusPressed_ = false;
  std::unique_ptr<TRzTimer> repeatTimer_;
  std::unique_ptr<TBitmap> placeholder_;
  TCustomImageList* images_ = nullptr;  // borrowed, with a free notification
  int imageIndex_[2] = {-1, -1};
};
