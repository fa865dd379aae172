// TspSkinStatusPanel: one field of a status bar, a skinned label with a glyph
// or an image-list picture before its text (record "statuspanel").
#pragma once

#include "skin/controls/SkinLabel.h"

class TspSkinStatusPanel : public TspSkinLabel {
public:
  explicit TspSkinStatusPanel(TComponent* owner);

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  Integer NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(Integer value);

  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  Integer CalcWidthOffset() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CMEnabledChanged(TMessage& message) override;

private:
  bool UsesImageList() const;
  // Draws the picture with its left edge at x, centred in r; answers its width (0: none).
  Integer DrawPicture(TCanvas* canvas, Integer x, const TRect& r, Integer glyphTop);

  TCustomImageList* imageList_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = -1;
  std::unique_ptr<TBitmap> glyph_;
  Integer numGlyphs_ = 1;
};
