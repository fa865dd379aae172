// The painting of one header section and of the header's empty rest, shared by
// the list view's column header and the header control: the default look by
// state, or a button record composed at the section's size, then the caption
// (shortened with "...") and an optional image, or a custom-draw callback.
#pragma once

#include <functional>

#include "platform/controls/Alignments.h"
#include "platform/graphics/ImageList.h"
#include "skin/controls/SkinButtonRecord.h"

struct TspHeaderSectionPaint {
  String Text;
  TAlignment Alignment = taLeftJustify;
  TCustomImageList* Images = nullptr;
  Integer ImageIndex = -1;
  bool Active = false;
  bool Pressed = false;
  const TFont* Font = nullptr;  // the caption's font (its colour is replaced by the state's)
  // Draws the contents instead of the control; gets the bitmap's canvas and the content rectangle.
  std::function<void(TCanvas*, const TRect&)> CustomDraw;
  bool ClientContent = false;  // content in the record's client rectangle (header control), else the whole section
  bool KeepSkinHeight = false; // a strip record keeps its height (header control) instead of stretching
};

// Draws the section into canvas at r; `look` has no record for the default look.
void DrawHeaderSection(TCanvas* canvas, const TRect& r, const TspButtonRecordLook& look,
                       const TspHeaderSectionPaint& paint);
// Fills the rest of the header right of the sections.
void DrawHeaderRest(TCanvas* canvas, const TRect& r, const TspButtonRecordLook& look);
