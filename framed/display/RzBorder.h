// TRzBorder: a windowless control that draws only a frame (an outer border, a
// band of BorderWidth pixels and an inner border on the chosen sides). It serves
// as a bevel or divider, and the LED display, the meter and the colour picker
// draw their contents in the client rectangle its frame leaves.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/GraphicControl.h"

class TRzBorder : public TGraphicControl {
public:
  explicit TRzBorder(TComponent* owner);

  int BevelWidth() const { return bevelWidth_; }
  virtual void SetBevelWidth(int value);
  TFrameStyleEx BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyleEx value);
  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyleEx value);
  int BorderWidth() const { return borderWidth_; }
  virtual void SetBorderWidth(int value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return borderHighlight_; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  virtual void SetBorderShadow(TColor value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  virtual void SetFlatColorAdjustment(int value);

  // The area inside the frame; an inverted one is the empty rectangle.
  TRect ClientRect() const override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  // Shrinks a rectangle by the band and both borders on the framed sides.
  virtual void AdjustClientRect(TRect& rect) const;
  // The colour inside the frame, for the corners of fsFlatRounded on an opaque
  // control; the plain border is see-through and never asks.
  virtual TColor InteriorColor() const { return Color(); }
  void Paint() override;
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  template <class T>
  void Change(T& field, T value, bool now) {
    if (field == value) return;
    field = value;
    if (now)
      Repaint();
    else
      Invalidate();
  }

  int bevelWidth_ = 1;
  TFrameStyleEx borderInner_ = fsNone;
  TFrameStyleEx borderOuter_ = fsGroove;
  int borderWidth_ = 0;
  TColor borderColor_ = clBtnFace;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  TSides borderSides_ = sdAllSides;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
};
