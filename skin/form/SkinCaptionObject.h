// The caption object: the form's title on the frame, over the caption piece of
// the skin stretched with the frame, with an optional title frame behind the
// text, light and shadow copies, active and inactive colours, a morph between
// the two looks and an optional activation animation.
#pragma once

#include "skin/form/ActiveSkinObject.h"

class TspSkinCaptionObject : public TspActiveSkinObject {
public:
  TspSkinCaptionObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void Draw(TCanvas* canvas, bool update) override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool EnableAnimation() const;
  void SetTextValue(const String& text);
  void SimpleSetTextValue(const String& text) { TextValue = text; }
  // The text drawn: the form's caption, with a maximized MDI child's appended.
  String CaptionText() const;
  // 0 unstretched, 1 top band, 2 bottom band, 3 left side, 4 right side.
  Integer StretchClass() const;
  // The text area in object coordinates at the present size.
  TRect TextArea() const;

  String TextValue, FontName = "Arial";
  TFontStyles FontStyle = 0;
  Integer FontHeight = 14;
  TColor FontColor = 0, ActiveFontColor = 0, ShadowColor = 0, activeshadowcolor = 0;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  TRect TextRect;
  bool DefaultCaption = false;
  TRect FrameRect, activeframerect;
  Integer frameleftoffset = 0, framerightoffset = 0;
  TRect frametextrect;
  TColor LightColor = 0, activelightcolor = 0;
  bool Light = false;
  bool stretcheffect = false;
  Integer AnimationTime = 0;
  TRect animateskinrect;
  Integer framecount = 0;
  Integer AnimateInterval = 25;
  Integer AnimationFrame = 0;
  bool inactiveanimation = false;
  bool FullFrame = false;

private:
  void PictureImage(TBitmap& image, TBitmap* picture, const TRect& s, bool forceHorizontal) const;
  TRect AnimationFrameRect(Integer frame) const;
  void SetCaptionFont(TCanvas* canvas, TColor color) const;
  void DrawCaptionText(TCanvas* canvas, Integer dx, Integer dy, bool activeLook, TCanvas* eventCanvas);
  void DrawTextAt(TCanvas* canvas, const std::wstring& text, Integer x, Integer y) const;
  void ApplyInactiveEffect(TBitmap& image) const;
  void DrawImageWithText(TCanvas* canvas, TBitmap* picture, const TRect& s, bool forceHorizontal, TColor color,
                         bool activeLook, bool inactiveEffect);
};
