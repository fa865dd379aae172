// TRzBitBtn: the push button with a picture beside its caption, either a glyph
// strip (normal and disabled images) or an image of an image list, and the
// standard kinds (OK, Cancel, Yes ...) that set caption, glyph, modal result,
// Default and Cancel together.
#pragma once

#include <memory>

#include "framed/buttons/RzButton.h"
#include "framed/startup/RzButton_Kinds.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/stdctrls/SpeedButton.h"

// The glyph of a kind, loaded once from the program's resources (nullptr for
// bkCustom or a missing resource); the kind cache owns it.
TBitmap* GetBitBtnGlyph(TBitBtnKind kind);

class TRzBitBtn : public TRzButton {
public:
  explicit TRzBitBtn(TComponent* owner);

  TBitmap* Glyph() const { return glyph_.get(); }  // owned
  virtual void SetGlyph(const TBitmap* value);
  // Reading Kind corrects it: a kind whose settings were changed reads bkCustom.
  virtual TBitBtnKind GetKind();
  virtual void SetKind(TBitBtnKind value);
  TButtonLayout Layout() const { return layout_; }
  virtual void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  virtual void SetMargin(int value);
  int NumGlyphs() const { return numGlyphs_; }
  virtual void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  virtual void SetSpacing(int value);
  int ImageIndex() const { return imageIndex_; }
  virtual void SetImageIndex(int value);
  int DisabledIndex() const { return disabledIndex_; }
  virtual void SetDisabledIndex(int value);
  TCustomImageList* Images() const { return images_; }
  virtual void SetImages(TCustomImageList* value);

  // The stored-when tests of the properties a kind sets.
  bool KindIsCustom() { return GetKind() == bkCustom; }
  bool CaptionStored() { return Caption() != KindCaptions[GetKind()]; }

protected:
  virtual TSize GetImageSize();
  virtual TRect GetGlyphRect();
  virtual void DrawImage(const TRect& r);
  virtual void DrawGlyph(const TRect& r);
  TRect GetCaptionRect() override;
  void DrawButtonFace() override;
  void Notification(TComponent* component, TOperation operation) override;
  int CaptionHeight(const TRect& r);
  bool HasPicture() const;

private:
  void GlyphChanged(TObject* sender);

  std::unique_ptr<TBitmap> glyph_;
  TBitBtnKind kind_ = bkCustom;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = 2;
  int numGlyphs_ = 1;
  int spacing_ = 4;
  bool glyphModified_ = false;
  int imageIndex_ = -1;
  int disabledIndex_ = -1;
  TCustomImageList* images_ = nullptr;  // borrowed, with a free notification
};
