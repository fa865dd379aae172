// TspSkinUpDown: a skinned pair of step buttons over an integer Position in
// [Min, Max], with auto-repeat while a button is held. The page control puts
// one in place of the native tab scroller.
#pragma once

#include "skin/controls/SkinCtrls.h"

enum TUDOrientation { udHorizontal, udVertical };

class TspSkinUpDown : public TspSkinCustomControl {
public:
  explicit TspSkinUpDown(TComponent* owner);

  bool UseSkinSize = true;
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  Integer Increment = 1;  // 0: buttons that only click
  Integer Position() const { return position_; }
  // Ignored outside [Min, Max]; otherwise stores and fires OnChange, also for
  // the present value.
  void SetPosition(Integer value);
  Integer Min() const { return min_; }
  void SetMin(Integer value);
  Integer Max() const { return max_; }
  void SetMax(Integer value);
  void SetIncrement(Integer value) { Increment = value; }

  TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;
  void SetControlRegion() override;

  void CalcRects();
  enum { Up = 0, Down = 1 };
  TRect ButtonRect(int index) const { return buttons_[index].R; }

protected:
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  struct Button {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  void TestActive(int x, int y);
  void ButtonEnter(int index);
  void ButtonLeave(int index);
  void Step(int index);
  void OnTimer();
  void DrawResizeButton(TCanvas* canvas, int index);

  TUDOrientation orientation_ = udHorizontal;
  Integer position_ = 0, min_ = 0, max_ = 100;
  Button buttons_[2];
  int activeButton_ = -1, oldActiveButton_ = -1, pressedButton_ = -1;
  int timerMode_ = 0;  // 1 decrement, 2 increment
  bool firstRepeat_ = false;
  TRect upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
  TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
};
