// TRzLabel: a windowless label with 3D text styles, text turned by an angle or
// laid along an arc, a frame in the family's styles, blinking on the shared blink
// timer, a fly-by colour while the mouse is over it, and ellipses for long text.
#pragma once

#include <functional>

#include "framed/common/RzCommon_Types.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/stdctrls/Label.h"

enum TCenterPoint : Byte {
  cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter,
  cpLowerRight
};
enum TRotation : Byte { roNone, roFlat, roCurve };
enum TRzCondenseCaption : Byte { ccNone, ccAtEnd, ccWithinPath };

class TRzLabel : public TCustomLabel, public IRzCustomFramingNotification {
public:
  explicit TRzLabel(TComponent* owner);
  ~TRzLabel() override;

  int Angle() const { return angle_; }
  virtual void SetAngle(int value);
  TRotation Rotation() const { return rotation_; }
  virtual void SetRotation(TRotation value);
  TCenterPoint CenterPoint() const { return centerPoint_; }
  virtual void SetCenterPoint(TCenterPoint value);
  bool Blinking() const { return blinking_; }
  virtual void SetBlinking(bool value);
  TColor BlinkColor() const { return blinkColor_; }
  virtual void SetBlinkColor(TColor value);
  // The shared blink list's phases: every blinking control follows them.
  virtual Word GetBlinkIntervalOn() const;
  virtual void SetBlinkIntervalOn(Word value);
  virtual Word GetBlinkIntervalOff() const;
  virtual void SetBlinkIntervalOff(Word value);
  int BevelWidth() const { return bevelWidth_; }
  virtual void SetBevelWidth(int value);
  TFrameStyleEx BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyleEx value);
  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyleEx value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return borderHighlight_; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  virtual void SetBorderShadow(TColor value);
  int BorderWidth() const { return borderWidth_; }
  virtual void SetBorderWidth(int value);
  TRzCondenseCaption CondenseCaption() const { return condenseCaption_; }
  virtual void SetCondenseCaption(TRzCondenseCaption value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  virtual void SetFlatColorAdjustment(int value);
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);
  bool FlyByEnabled() const { return flyByEnabled_; }
  virtual void SetFlyByEnabled(bool value);
  TColor FlyByColor() const { return flyByColor_; }
  virtual void SetFlyByColor(TColor value);
  bool LightTextStyle() const { return lightTextStyle_; }
  virtual void SetLightTextStyle(bool value);
  TTextStyle TextStyle() const { return textStyle_; }
  virtual void SetTextStyle(TTextStyle value);
  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return shadowColor_; }
  virtual void SetShadowColor(TColor value);
  int ShadowDepth() const { return shadowDepth_; }
  virtual void SetShadowDepth(int value);
  // The colour the text is drawn in now (the normal colour or BlinkColor).
  TColor CurrentTextColor() const { return currentTextColor_; }

  void CustomFramingChanged() override;
  void Loaded() override;
  virtual void Blink(TBlinkState state);
  // As the panel's: shrink by BorderWidth when asked, then by the styles' widths.
  virtual void FixClientRect(TRect& rect, bool shrinkByBorder);
  // Grows a measured text size by the frame and the shadow, and for turned text
  // by the rotated extent.
  virtual void AdjustForBorders(TRect& rect);
  TPoint CalcCenterPoint() const;
  TPoint CalcRadius() const;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void AdjustBounds() override;
  void Dispatch(TMessage& message) override;
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  virtual void Draw3DText();
  virtual void DrawArcText();
  UINT EllipsisFlag() const;

private:
  void Changed() { Invalidate(); }
  // Verdana stands in for a font that cannot turn.
  void EnsureTrueTypeFont();
  void AdjustForLayout(const String& text, UINT flags, TRect& rect);
  void DrawPasses(const std::function<void(TColor color, int dx, int dy)>& draw, int shadowOffset, int mainOffset);

  int angle_ = 0;
  TColor blinkColor_ = clHighlight;
  bool showingNormalColor_ = true;
  bool blinking_ = false;
  int bevelWidth_ = 1;
  TFrameStyleEx borderInner_ = fsNone;
  TFrameStyleEx borderOuter_ = fsNone;
  TSides borderSides_ = sdAllSides;
  TColor borderColor_ = clBtnFace;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  int borderWidth_ = 0;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  TColor normalTextColor_ = clWindowText;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification
  TCenterPoint centerPoint_ = cpCenter;
  TColor flyBySavedColor_ = clWindowText;
  bool constructingColors_ = false;
  bool flyByEnabled_ = false;
  TColor flyByColor_ = clHighlight;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  TRotation rotation_ = roNone;
  TColor highlightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  int shadowDepth_ = 2;
  TRzCondenseCaption condenseCaption_ = ccNone;
  TColor currentTextColor_ = clWindowText;
};
