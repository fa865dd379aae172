// TspSkinScrollBar: a scroll bar drawn entirely by the control (thumb, two arrow
// buttons, track) from a "scrollbar" record or in the default look. It scrolls
// nothing itself: views mirror their native scroll state into it with SetRange
// and follow its OnChange.
#pragma once

#include "platform/controls/Alignments.h"
#include "skin/controls/SkinCtrls.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TspSkinScrollBar : public TspSkinCustomControl {
public:
  explicit TspSkinScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  Integer Min() const { return min_; }
  void SetMin(Integer value);
  Integer Max() const { return max_; }
  void SetMax(Integer value);
  Integer Position() const { return position_; }
  // The one setter that fires OnChange (only when the position changes).
  void SetPosition(Integer value);
  void SimplySetPosition(Integer value);
  Integer PageSize() const { return pageSize_; }
  void SetPageSize(Integer value);
  Integer SmallChange() const { return smallChange_; }
  void SetSmallChange(Integer value);
  Integer LargeChange() const { return largeChange_; }
  void SetLargeChange(Integer value);
  bool Both() const { return both_; }
  void SetBoth(bool value);
  Integer BothMarkerWidth() const { return bothMarkerWidth_; }
  void SetBothMarkerWidth(Integer value);
  String BothSkinDataName = "bothhscrollbar";
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  bool IsFocused();
  // Stores the range as given and the position clamped; repaints; no event.
  void SetRange(Integer min, Integer max, Integer position, Integer pageSize);

  TNotifyEvent OnUpButtonClick, OnDownButtonClick, OnChange, OnLastChange, OnPageUp, OnPageDown;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;

  // Layout at the present size (public for the views and the tests).
  void CalcRects();
  enum { Thumb = 0, UpButton = 1, DownButton = 2 };
  TRect ButtonRect(int index) const { return buttons_[index].R; }
  TRect TrackRect() const { return trackRect_; }
  Integer ThumbPos() const { return thumbPos_; }

protected:
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  struct Part {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  Integer Clamped(Integer value) const;
  Integer ThumbLength(Integer trackLength) const;
  void PlaceThumb(Integer trackStart, Integer trackEnd, Integer length);
  Integer CalcValue(Integer offset);
  bool Vertical() const { return kind_ == sbVertical; }
  Integer Along(int x, int y) const { return Vertical() ? y : x; }
  void TestActive(int x, int y);
  void PartDown(int index);
  void PartUp(int index);
  void PartEnter(int index);
  void PartLeave(int index);
  void ArrowStep(int index);
  void OnTimer();
  void StopTimer();
  void StartScroll();
  void SetTimer(UINT ms);
  void DrawDefaultPart(TCanvas* canvas, int index);
  void DrawSkinArrow(TCanvas* canvas, int index);
  void DrawSkinThumb(TBitmap* b);
  void MouseLeft();

  TScrollBarKind kind_ = sbHorizontal;
  Integer min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
  Integer smallChange_ = 1, largeChange_ = 1;
  bool both_ = false;
  Integer bothMarkerWidth_ = 0;
  bool canFocused_ = false;
  String savedSkinDataName_;

  Part buttons_[3];
  TRect trackRect_;
  Integer travelStart_ = 0, travelEnd_ = 0, thumbPos_ = 0, thumbCentre_ = 0, thumbHalf_ = 0;
  int activeButton_ = -1, oldActiveButton_ = -1, pressedButton_ = -1;
  int timerMode_ = 0;  // 1 down button, 2 up button, 3 page toward Min, 4 page toward Max
  bool waitMode_ = false, mouseHeld_ = false, dragging_ = false;
  Integer dragStart_ = 0, dragOffset_ = 0;
  int lastMouseX_ = 0, lastMouseY_ = 0;

  // Copies of the "scrollbar" record.
  TRect trackArea_, upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
  TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
  TRect thumbRect_, activeThumbRect_, downThumbRect_;
  Integer thumbOffset1_ = 0, thumbOffset2_ = 0;
  bool thumbTransparent_ = false, thumbStretchEffect_ = false, glyphTransparent_ = false;
  TColor thumbTransparentColor_ = 0, glyphTransparentColor_ = 0;
  Integer thumbMinSize_ = 0, thumbMinPageSize_ = 0;
  TRect glyphRect_, activeGlyphRect_, downGlyphRect_;
};
