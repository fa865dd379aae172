// TspSkinSpeedButton: the windowless skinned button. It draws normal, hot,
// pressed and disabled images from its button record, fades between normal and
// hot, plays a frame strip on hover, repeats its click while held and works as
// an exclusive toggle among siblings of one GroupIndex; it takes no focus. It
// adds a flat look (only glyph and caption over the parent until hovered), a
// caption that can be hidden with a width change, a parent tool bar's image
// lists, an images menu's chosen picture and a colour marker.
#pragma once

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/buttons/ButtonLook.h"
#include "skin/controls/buttons/ButtonTimers.h"
#include "skin/draw/SkinLayout.h"

class TspSkinImagesMenu;

class TspSkinSpeedButton : public TspGraphicSkinCustomControl {
public:
  explicit TspSkinSpeedButton(TComponent* owner);
  ~TspSkinSpeedButton() override;

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  Integer WidthWithCaption = 0, WidthWithoutCaption = 0;
  bool RepeatMode = false;
  Integer RepeatInterval = 100;
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool AllowAllUp = false;
  bool Down() const { return down_; }
  // Fires no click; a group button going down raises the others of its group.
  void SetDown(bool value);
  Integer GroupIndex = 0;
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  TspNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspNumGlyphs value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  TspSkinImagesMenu* SkinImagesMenu() const { return imagesMenu_; }
  void SetSkinImagesMenu(TspSkinImagesMenu* value);
  bool UseImagesMenuImage = false;
  bool UseImagesMenuCaption = false;
  bool DrawColorMarker = false;  // the colour buttons mark their content
  TColor ColorValue = 0;

  // The click: OnClick or the action (the control never clicks by itself).
  virtual void ButtonClick();
  void RefreshButton();
  void GetSkinData() override;
  void ChangeSkinData() override;
  void CalcSize(Integer& width, Integer& height) override;
  void CreateControlDefaultImage(TBitmap* b) override;
  // Reached only for a record without a picture: the default look.
  void CreateControlSkinImage(TBitmap* b) override { CreateControlDefaultImage(b); }
  virtual void CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn);
  // The menu marker centred in r: pressed, hot, flat or normal piece.
  void DrawMenuMarker(TCanvas* canvas, const TRect& r, bool active, bool down, bool flat);

  bool MouseIn = false;
  bool MouseHeld = false;
  double MorphKf() const { return fade_.Kf; }
  bool MorphRunning() const { return fade_.Running(); }
  Integer AnimateFrame() const { return animation_.Frame(); }
  bool AnimateRunning() const { return animation_.Running(); }
  bool RepeatRunning() const { return repeat_.Running(); }
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  TspButtonLook look;  // copies of the record

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void Paint() override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;

  void ReDrawControl();
  void StartAnimate(bool forward);
  void StopAnimate() { animation_.Stop(); }
  void StartRepeat() { repeat_.Start(); }
  void StopRepeat() { repeat_.Stop(); }
  void DoAllUp();
  String ShownCaption() const;
  // The caption font and colour of a skin image.
  void SetCaptionFont(TCanvas* canvas, bool aDown, bool aMouseIn);
  // The content by its sources (images menu, tool bar lists, image list, glyph) in r.
  void DrawContent(TCanvas* canvas, const TRect& r, bool aDown, bool aMouseIn, bool pressedOffset,
                   bool imageListOnlyInRange = false);
  // Pressed looking: down in a group or under the pointer.
  bool PressedLook() const { return down_ && (GroupIndex != 0 || MouseIn); }
  // The flat content straight on the control (no record: default font).
  void PaintFlatContent(const TRect& r);
  void OnImagesMenuChanged(TObject*);

  bool down_ = false;

private:
  void PaintSkinned();

  TCustomImageList* imageList_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = 0;
  bool flat_ = false;
  bool showCaption_ = true;
  std::unique_ptr<TBitmap> glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  Integer margin_ = -1;
  Integer spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  TspSkinImagesMenu* imagesMenu_ = nullptr;  // borrowed, freed-notified
  bool downAtPress_ = false;
  TspMorphFade fade_;
  TspFrameAnimation animation_;
  TspClickRepeat repeat_;
};
