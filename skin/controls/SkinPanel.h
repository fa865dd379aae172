// TspSkinPanel: the skinned container. It draws its record's picture around a
// client area for its children, or a caption strip with a check mark (checked
// mode), a roll-up arrow (roll-up mode) and a picture, a background picture, a
// tiled borderless texture, or a transparent look over its parent.
// TspSkinGroupBox is the panel with a caption strip ("groupbox");
// TspSkinPaintPanel lets the application paint on it.
#pragma once

#include "platform/controls/Alignments.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"

enum TspImagePosition { spipDefault, spipLeft };
using TspPaintPanelEvent = TEvent<TObject*, TCanvas*, TRect>;

class TspSkinPanel : public TspSkinCustomControl {
public:
  explicit TspSkinPanel(TComponent* owner);

  bool CaptionMode() const { return captionMode_; }
  virtual void SetCaptionMode(bool value);
  Integer DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  virtual void SetDefaultCaptionHeight(Integer value);
  TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(TAlignment value);
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool value);
  bool Checked() const { return checked_; }
  // Stores, repaints, enables or disables the children (checked mode with
  // AutoEnabledControls) and fires OnChecked, also for an unchanged value.
  void SetChecked(bool value);
  bool AutoEnabledControls = true;
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool value);
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool value);
  Integer RealHeight = -1;
  bool TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(bool value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  Integer NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  TCustomImageList* CaptionImageList() const { return captionImageList_; }
  void SetCaptionImageList(TCustomImageList* value);
  Integer CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(Integer value);
  TspImagePosition ImagePosition() const { return imagePosition_; }
  void SetImagePosition(TspImagePosition value);
  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

  // The children's area of a control of the panel's whole size.
  TRect GetSkinClientRect();
  void GetSkinData() override;
  void ChangeSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetAlphaBlend(bool value) override;
  void SetAlphaBlendValue(Byte value) override;
  virtual void PaintTransparent(TCanvas*) {}
  void ShowControls();
  void HideControls();
  TRect NewCaptionRect;

  // Copies of the panel record.
  struct Look {
    TRect captionrect;
    TAlignment alignment = taCenter;
    String fontname = "Arial";
    Integer fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    Integer bgpictureindex = -1;
    TRect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
    Integer frameleftoffset = 0, framerightoffset = 0;
  } look;

protected:
  void AdjustClientRect(TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void Dispatch(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void WMMove(TMessage& message) override;
  void CheckParentBackground() override;
  void ApplyRollUp(bool up);
  bool HasRecord() const { return SkinRecordIndex != -1; }
  Integer TextHeightOf(const String& text);

private:
  void PaintTransparentLook();
  void PaintTransparentGroup();
  void PaintTexture(TBitmap* source, const TRect& part, const TRect& into);
  void DrawSkinCaption(TCanvas* canvas);
  void DrawCaptionPicture(TCanvas* canvas, Integer x, const TRect& r, Integer& width);
  Integer PictureWidth() const;

  bool captionMode_ = false;
  Integer defaultCaptionHeight_ = 22;
  TAlignment defaultAlignment_ = taLeftJustify;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  bool checkedMode_ = false;
  bool checked_ = false;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;
  bool transparentMode_ = false;
  std::unique_ptr<TBitmap> glyph_;
  Integer numGlyphs_ = 1;
  Integer spacing_ = 2;
  TCustomImageList* captionImageList_ = nullptr;  // borrowed, freed-notified
  Integer captionImageIndex_ = -1;
  TspImagePosition imagePosition_ = spipDefault;
  Integer savedMaxWidth_ = 0, savedMinWidth_ = 0, savedMaxHeight_ = 0, savedMinHeight_ = 0;
  bool rolling_ = false;
};

class TspSkinGroupBox : public TspSkinPanel {
public:
  explicit TspSkinGroupBox(TComponent* owner);
};

class TspSkinPaintPanel : public TspSkinPanel {
public:
  explicit TspSkinPaintPanel(TComponent* owner);
  TspPaintPanelEvent OnPanelPaint;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void PaintTransparent(TCanvas* canvas) override;

protected:
  void WMEraseBkgnd(TMessage& message) override;
};
