// The scrolling image view: an image control with a horizontal and a vertical
// range bar, a margin around the picture (OverSize), centring and a size grip.
#pragma once

#include "imaging/GR32_Image.h"
#include "imaging/GR32_RangeBars.h"

enum TScrollBarVisibility { svAlways, svHidden, svAuto };
enum TSizeGripStyle { sgAuto, sgNone, sgAlways };

class TCustomImgView32;

// The view's ScrollBars property: the look of both bars (the horizontal one is
// the master), their increment, their size and when they show.
class TIVScrollProperties : public TArrowBarAccess {
public:
  explicit TIVScrollProperties(TCustomImgView32* view) : view_(view) {}

  Integer Increment() const;
  void SetIncrement(Integer value);
  Integer Size() const;
  void SetSize(Integer value);
  TScrollBarVisibility Visibility() const;
  void SetVisibility(TScrollBarVisibility value);

  void Assign(const TPersistent* source) override;

private:
  TCustomImgView32* view_;  // borrowed: the view owns these properties
};

class TCustomImgView32 : public TCustomImage32 {
public:
  explicit TCustomImgView32(TComponent* owner);
  ~TCustomImgView32() override;

  bool Centered() const { return centered_; }
  void SetCentered(bool value);
  TIVScrollProperties* ScrollBars() const { return scrollBars_; }  // owned
  void SetScrollBars(const TIVScrollProperties* value) { scrollBars_->Assign(value); }
  TSizeGripStyle SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(TSizeGripStyle value);
  Integer OverSize() const { return overSize_; }
  void SetOverSize(Integer value);
  TCustomRangeBar* HorzBar() const { return horzBar_; }  // owned as child components
  TCustomRangeBar* VertBar() const { return vertBar_; }
  bool ScrollUpdateSuspended() const { return scrollUpdateSuspended_; }

  // The bars' size (0: the system's scroll-bar height) and when they show.
  Integer ScrollBarSize() const { return scrollBarSize_; }
  void SetScrollBarSize(Integer value);
  TScrollBarVisibility ScrollBarVisibility() const { return scrollBarVisibility_; }
  void SetScrollBarVisibility(TScrollBarVisibility value);

  bool GetScrollBarsVisible() const;
  Integer GetScrollBarSize() const;
  TRect GetViewportRect() override;
  TRect GetSizeGripRect() const;
  bool IsSizeGripVisible() const;
  void AlignAll();
  void Scroll(Integer dx, Integer dy);
  // Centres bitmap point (x, y) in the viewport; ScaleX serves both axes.
  void ScrollToCenter(Integer x, Integer y);
  void Recenter();

  void SetScaleMode(TScaleMode value) override;
  void Loaded() override;

  TNotifyEvent OnScroll;

protected:
  virtual void DoScroll() { OnScroll(this); }
  virtual void ScrollHandler(TObject* sender);
  virtual void UpdateImage();
  virtual void UpdateScrollBars();
  virtual void DoDrawSizeGrip(TRect r);

  void Paint() override;
  void BitmapResized() override;
  void DoScaleChange() override;
  void Resize() override;
  using TCustomImage32::MouseDown;
  using TCustomImage32::MouseMove;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

private:
  void DrawSizeGripCorner();
  Integer ScaledOverSize() const;

  bool centered_ = true;
  Integer scrollBarSize_ = 0;
  TScrollBarVisibility scrollBarVisibility_ = svAlways;
  TIVScrollProperties* scrollBars_ = nullptr;  // owned
  TSizeGripStyle sizeGrip_ = sgAuto;
  Integer overSize_ = 0;
  bool scrollUpdateSuspended_ = false;
  TCustomRangeBar* horzBar_ = nullptr;
  TCustomRangeBar* vertBar_ = nullptr;
};

class TImgView32 : public TCustomImgView32 {
public:
  using TCustomImgView32::TCustomImgView32;
};

// Publishes the view, its scroll-bar group, the range and gauge bars and the
// bitmap list for form definitions; PublishImagingClasses calls it.
void PublishImgViewClasses();
