// Frame objects that show a value or a text: a track bar with a draggable
// button, a gauge that fills by value, a frame gauge and a frame regulator drawn
// from a strip of frames, a label drawn with a font and a label drawn from a
// bitmap font. Degenerate skins (equal bounds, a track without length, fewer
// than two frames) draw and drag without dividing by zero.
#pragma once

#include "skin/form/ActiveSkinObject.h"

class TspSkinTrackBarObject : public TspActiveSkinObject {
public:
  TspSkinTrackBarObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetValue(Integer value);
  void SimplySetValue(Integer value);
  void SetButtonPos(const TPoint& p);
  Integer CalcValue() const;
  TPoint CalcButtonPos() const;
  TRect CalcButtonRect(const TPoint& p) const;
  void Draw(TCanvas* canvas, bool update) override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseMove(Integer x, Integer y) override;

  TPoint ButtonPos, OldButtonPos;
  Integer Value = 0;
  bool Dragging = false;
  TPoint DragPoint;
  bool Vertical = false;
  TRect ButtonRect, activebuttonrect;
  TPoint beginpoint, endpoint;
  Integer MinValue = 0, MaxValue = 0;
  bool mousedownchangevalue = false;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;
};

class TspSkinGaugeObject : public TspActiveSkinObject {
public:
  TspSkinGaugeObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetValue(Integer value);
  void SimplySetValue(Integer value);
  TPoint CalcProgressPos() const;
  void Draw(TCanvas* canvas, bool update) override;
  void MouseEnter() override;
  void MouseLeave() override;

  TPoint ProgressPos, OldProgressPos;
  Integer Value = 0, MinValue = 0, MaxValue = 0;
  TGaugeKind Kind = gkHorizontal;
};

class TspSkinFrameObject : public TspActiveSkinObject {
public:
  TspSkinFrameObject(TspDynamicSkinForm* form, TspDataSkinObject* data, Integer frames, TFramesPlacement placement);
  // Accepts 1..countframes.
  void SetFrame(Integer value);
  void Draw(TCanvas* canvas, bool update) override;

  Integer Frame = 1;
  Integer FrameWidth = 0, FrameHeight = 0;
  Integer countframes = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;

protected:
  // The frame of a value: 1 for a strip of fewer than two frames, never above countframes.
  Integer FrameOf(Integer value, Integer minValue, Integer maxValue) const;
};

class TspSkinFrameGaugeObject : public TspSkinFrameObject {
public:
  TspSkinFrameGaugeObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetValue(Integer value);
  void SimplySetValue(Integer value);
  Integer CalcFrame() const { return FrameOf(Value, MinValue, MaxValue); }
  void Draw(TCanvas* canvas, bool update) override;
  void MouseEnter() override;
  void MouseLeave() override;

  Integer Value = 0, MinValue = 0, MaxValue = 0;
};

class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
public:
  TspSkinFrameRegulatorObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetValue(Integer value);
  void SimplySetValue(Integer value);
  Integer CalcFrame() const { return FrameOf(Value, MinValue, MaxValue); }
  void CalcValue();
  void CalcRoundValue();
  // The pointer's angle clockwise from straight down, 0..359; 0 at the centre.
  Integer GetRoundValue(Integer x, Integer y) const;
  void Draw(TCanvas* canvas, bool update) override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseMove(Integer x, Integer y) override;

  Integer StepSize = 1, ValueStep = 1;
  bool Dragging = false;
  Integer RefPos = 0, CurPos = 0, WorkValue = 0, LastPos = 0;
  Integer Value = 0, MinValue = 0, MaxValue = 0;
  TRegulatorKind Kind = rkRound;

private:
  void Step(bool up);
  Integer Steps() const { return countframes > 1 ? countframes - 1 : 1; }
};

class TspSkinBitLabelObject : public TspActiveSkinObject {
public:
  TspSkinBitLabelObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetTextValue(const String& text, bool update);
  void Draw(TCanvas* canvas, bool update) override;

  String TextValue;
  Integer symbolwidth = 0, symbolheight = 0;
  TStrings* Symbols = nullptr;  // borrowed from the record
  bool Transparent = false;
  TColor TransparentColor = 0;
};

class TspSkinLabelObject : public TspActiveSkinObject {
public:
  TspSkinLabelObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void SetTextValue(const String& text, bool update);
  void Draw(TCanvas* canvas, bool update) override;
  void MouseEnter() override;
  void MouseLeave() override;

  String TextValue, FontName;
  TFontStyles FontStyle = 0;
  Integer FontHeight = 0;
  TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = taLeftJustify;

private:
  void PlaceText(TCanvas* canvas, const TRect& r, bool activeColor);
  void MakeImage(TBitmap& image, bool activePicture, bool activeColor);
};
