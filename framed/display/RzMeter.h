// TRzMeter: a framed level meter showing Value between Min and Max as a bar that
// grows in one of four directions: a plain bar, a bar with a 3D bevel, or a row
// of LED segments in three colour groups, inside a rectangle or a trapezoid,
// optionally with the percentage written over it.
#pragma once

#include <memory>

#include "framed/display/RzBorder.h"
#include "framed/graphics/RzGrafx.h"
#include "platform/graphics/Bitmap.h"

enum TRzMeterType : Byte { mtNormal, mtBar3D, mtLED };
enum TRzMeterShape : Byte { msRectangular, msTrapezoidal };

class TRzMeter : public TRzBorder {
public:
  explicit TRzMeter(TComponent* owner);
  ~TRzMeter() override;

  int Min() const { return min_; }
  // Min equal to Max moves Min one below; a Value left outside the new range is
  // brought back into it.
  virtual void SetMin(int value);
  int Max() const { return max_; }
  virtual void SetMax(int value);
  int Value() const { return value_; }
  // Kept within Min..Max.
  virtual void SetValue(int value);
  void AddValue(int delta);
  virtual int GetPercent() const;
  TColor BarColor() const { return barColor_; }
  virtual void SetBarColor(TColor value) { Change(barColor_, value); }
  TColor BackColor() const { return backColor_; }
  virtual void SetBackColor(TColor value) { Change(backColor_, value); }
  TRzMeterType MeterType() const { return meterType_; }
  virtual void SetMeterType(TRzMeterType value) { Change(meterType_, value); }
  TRzMeterShape MeterShape() const { return meterShape_; }
  virtual void SetMeterShape(TRzMeterShape value) { Change(meterShape_, value); }
  TTrapDirect TrapezoidDir() const { return trapDirect_; }
  virtual void SetTrapDirect(TTrapDirect value) { Change(trapDirect_, value); }
  TTrapShape TrapezoidShape() const { return trapShape_; }
  virtual void SetTrapShape(TTrapShape value) { Change(trapShape_, value); }
  int TrapezoidMin() const { return trapMin_; }
  virtual void SetTrapMin(int value) { Change(trapMin_, value); }
  TDirection Direction() const { return direction_; }
  virtual void SetDirection(TDirection value) { Change(direction_, value); }
  TBitmap* Bitmap() const { return bitmap_.get(); }  // owned; tiled into the bar when not empty
  virtual void SetBitmap(const TBitmap* value) { bitmap_->Assign(value); }
  TBrushStyle BrushStyle() const { return brushStyle_; }
  virtual void SetBrush(TBrushStyle value) { Change(brushStyle_, value); }
  bool ShowPercent() const { return showPercent_; }
  virtual void SetShowPercent(bool value) { Change(showPercent_, value); }
  Byte SegSpacing() const { return segSpacing_; }
  virtual void SetSegSpacing(Byte value) { Change(segSpacing_, value); }
  TColor SegOffColor() const { return segOffColor_; }
  virtual void SetSegOffColor(TColor value) { Change(segOffColor_, value); }
  // The three colour groups, index 0 to 2, in the order the bar grows through them.
  virtual Byte GetSegCount(int index) const { return segCount_[index]; }
  virtual void SetSegCount(int index, Byte value);
  virtual TColor GetSegColor(int index) const { return segColor_[index]; }
  virtual void SetSegColor(int index, TColor value) { Change(segColor_[index], value); }
  // The segments of all three groups together.
  int SegmentTotal() const { return segCount_[0] + segCount_[1] + segCount_[2]; }

protected:
  TColor InteriorColor() const override { return backColor_; }
  void Paint() override;

private:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Repaint();
  }
  void DrawStandardBar(TCanvas* canvas, const TRect& r);
  void DrawLEDBar(TCanvas* canvas, const TRect& r);
  TRect BarRect(const TRect& r) const;
  void BitmapChangedHandler(TObject* sender) { Repaint(); }
  void DrawPercent(TCanvas* canvas);

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  int bevelInset_ = 0;  // the lowered or raised frame's width, set while painting
  TColor barColor_ = clRed;
  TColor backColor_ = clBlack;
  TRzMeterType meterType_ = mtLED;
  TRzMeterShape meterShape_ = msRectangular;
  TTrapDirect trapDirect_ = tdLargeToSmall;
  TTrapShape trapShape_ = tsCenter;
  int trapMin_ = 6;
  TDirection direction_ = dirRight;
  std::unique_ptr<TBitmap> bitmap_;
  TBrushStyle brushStyle_ = bsSolid;
  bool showPercent_ = true;
  Byte segSpacing_ = 2;
  TColor segOffColor_ = clBlack;
  Byte segCount_[3] = {5, 3, 2};
  TColor segColor_[3] = {clGreen, clYellow, clRed};
};
