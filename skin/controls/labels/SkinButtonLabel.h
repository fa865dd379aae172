// TspSkinButtonLabel: a transparent label with a glyph (or an image-list image)
// that reacts to the pointer like a link: the "stdlabel" record's active colour
// while hovered, an underline in WebStyle, and the pressed glyph cell while held.
#pragma once

#include <memory>

#include "platform/controls/GraphicControl.h"
#include "platform/graphics/ImageList.h"
#include "skin/controls/labels/LabelLook.h"
#include "skin/draw/SkinLayout.h"

class TspSkinButtonLabel : public TGraphicControl {
public:
  explicit TspSkinButtonLabel(TComponent* owner);

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool WebStyle() const { return webStyle_; }
  void SetWebStyle(bool value);
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
  bool UseSkinFont = true;
  TColor DefaultActiveFontColor = clBlue;
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  TspSkinData* SkinData() const { return skinData_; }
  // Stores; a container re-reads the record (nil keeps the last record's values).
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "stdlabel";

  void ChangeSkinData();
  Integer SkinRecordIndex() const { return look_.RecordIndex; }
  bool MouseIn = false;
  bool Pressed = false;

protected:
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  TCustomImageList* imageList_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = -1;
  bool webStyle_ = false;
  std::unique_ptr<TBitmap> glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  Integer margin_ = -1;
  Integer spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  TspLabelLook look_;
};
