// Laying out a glyph (an image-list image or a glyph strip) and a caption inside
// a button rectangle, and drawing both.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

enum TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Number of glyph cells in a glyph strip (1..4).
using TspNumGlyphs = Integer;

struct TspLayoutCoords {
  Integer TextX = 0, TextY = 0, GlyphX = 0, GlyphY = 0;
};

// Margin -1 centres glyph and text together; otherwise the glyph keeps Margin from
// its edge. A layout outside the enumeration is laid out as blGlyphLeft.
void CalcLCoord(Integer layout, const TRect& r, Integer glyphWidth, Integer glyphHeight, Integer textWidth,
                Integer textHeight, Integer spacing, Integer margin, Integer& textX, Integer& textY,
                Integer& glyphX, Integer& glyphY);

void DrawImageAndText(TCanvas* canvas, const TRect& r, Integer margin, Integer spacing, TspButtonLayout layout,
                      const String& caption, Integer imageIndex, TCustomImageList* imageList, bool down,
                      bool enabled, bool drawColorMarker, TColor colorMarkerValue);
void DrawGlyphAndText(TCanvas* canvas, const TRect& r, Integer margin, Integer spacing, TspButtonLayout layout,
                      const String& caption, TBitmap* glyph, Integer numGlyphs, Integer glyphNum, bool down,
                      bool drawColorMarker, TColor colorMarkerValue);
// Draws cell glyphNum (1-based) of a strip of numGlyphs cells, its automatic
// transparent colour left out.
void DrawGlyph(TCanvas* canvas, Integer x, Integer y, TBitmap* glyph, Integer numGlyphs, Integer glyphNum);
