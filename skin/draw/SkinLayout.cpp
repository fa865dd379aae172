#include "skin/draw/SkinLayout.h"

#include "skin/draw/SkinRects.h"

namespace {

TspLayoutCoords CenteredLayout(Integer layout, Integer cx, Integer cy, Integer gw, Integer gh, Integer tw,
                               Integer th, Integer spacing) {
  Integer h = (gw + tw + spacing) / 2;
  Integer v = (spacing + th + gh) / 2;
  switch (layout) {
    case blGlyphRight: return {cx - h, cy - th / 2, cx + h - gw, cy - gh / 2};
    case blGlyphTop: return {cx - tw / 2, cy + v - th, cx - gw / 2, cy - v};
    case blGlyphBottom: return {cx - tw / 2, cy - v, cx - gw / 2, cy + v - gh};
    default: return {cx + h - tw, cy - th / 2, cx - h, cy - gh / 2};
  }
}

TspLayoutCoords MarginLayout(Integer layout, const TRect& r, Integer cx, Integer cy, Integer gw, Integer gh,
                             Integer tw, Integer th, Integer spacing, Integer margin) {
  TspLayoutCoords c;
  switch (layout) {
    case blGlyphRight:
      c.GlyphX = r.Right - gw - margin;
      c.GlyphY = cy - gh / 2;
      c.TextX = c.GlyphX - spacing - tw;
      c.TextY = cy - th / 2;
      break;
    case blGlyphTop:
      c.GlyphX = cx - gw / 2;
      c.GlyphY = r.Top + margin;
      c.TextX = cx - tw / 2;
      c.TextY = c.GlyphY + gh + spacing;
      break;
    case blGlyphBottom:
      c.GlyphX = cx - gw / 2;
      c.GlyphY = r.Bottom - gh - margin;
      c.TextX = cx - tw / 2;
      c.TextY = c.GlyphY - spacing - th;
      break;
    default:
      c.GlyphX = r.Left + margin;
      c.GlyphY = cy - gh / 2;
      c.TextX = r.Left + margin + gw + spacing;
      c.TextY = cy - th / 2;
      break;
  }
  return c;
}

TspLayoutCoords Layout(Integer layout, const TRect& r, Integer gw, Integer gh, Integer tw, Integer th,
                       Integer spacing, Integer margin) {
  Integer cx = r.Left + RectWidth(r) / 2;
  Integer cy = r.Top + RectHeight(r) / 2;
  if (gw == 0) spacing = 0;
  if (margin == -1) return CenteredLayout(layout, cx, cy, gw, gh, tw, th, spacing);
  return MarginLayout(layout, r, cx, cy, gw, gh, tw, th, spacing, margin);
}

// The caption's size when wrapped into r less the glyph's share.
TSize MeasureCaption(TCanvas* canvas, const String& caption, const TRect& r, TspButtonLayout layout,
                     Integer glyphWidth, Integer glyphHeight) {
  if (caption.empty()) return TSize{};
  TRect box{0, 0, RectWidth(r), RectHeight(r)};
  if (layout == blGlyphLeft || layout == blGlyphRight) box.Right -= glyphWidth;
  else box.Bottom -= glyphHeight;
  canvas->TextRect(box, caption, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  return TSize{RectWidth(box), RectHeight(box)};
}

TRect DrawCaption(TCanvas* canvas, const String& caption, const TspLayoutCoords& c, TSize text) {
  TRect box{c.TextX, c.TextY, c.TextX + text.cx + 2, c.TextY + text.cy};
  TRect drawn = box;
  canvas->TextRect(drawn, caption, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
  return box;
}

void MarkerLines(TCanvas* canvas, TColor color, Integer x1, Integer x2, Integer firstY) {
  canvas->Pen()->SetColor(color);
  for (Integer y = firstY; y < firstY + 3; ++y) {
    canvas->MoveTo(x1, y);
    canvas->LineTo(x2, y);
  }
}

// The colour marker without a glyph: lines under the caption, or a filled box.
void MarkerWithoutGlyph(TCanvas* canvas, const TRect& r, const String& caption, const TRect& textRect,
                        bool down, TColor color) {
  if (!caption.empty()) {
    MarkerLines(canvas, color, textRect.Left, textRect.Right, textRect.Bottom - 1);
    return;
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(down ? TRect{r.Left + 4, r.Top + 5, r.Right - 2, r.Bottom - 3}
                        : TRect{r.Left + 4, r.Top + 4, r.Right - 2, r.Bottom - 4});
}

TspLayoutCoords PlaceGlyphAndText(TspButtonLayout layout, const TRect& r, TSize glyph, TSize text,
                                  Integer spacing, Integer margin, bool down) {
  TspLayoutCoords c;
  CalcLCoord(layout, r, glyph.cx, glyph.cy, text.cx, text.cy, spacing, margin, c.TextX, c.TextY, c.GlyphX,
             c.GlyphY);
  if (down) c = {c.TextX + 1, c.TextY + 1, c.GlyphX + 1, c.GlyphY + 1};
  return c;
}

}  // namespace

void CalcLCoord(Integer layout, const TRect& r, Integer glyphWidth, Integer glyphHeight, Integer textWidth,
                Integer textHeight, Integer spacing, Integer margin, Integer& textX, Integer& textY,
                Integer& glyphX, Integer& glyphY) {
  TspLayoutCoords c = Layout(layout, r, glyphWidth, glyphHeight, textWidth, textHeight, spacing, margin);
  textX = c.TextX;
  textY = c.TextY;
  glyphX = c.GlyphX;
  glyphY = c.GlyphY;
}

void DrawImageAndText(TCanvas* canvas, const TRect& r, Integer margin, Integer spacing, TspButtonLayout layout,
                      const String& caption, Integer imageIndex, TCustomImageList* imageList, bool down,
                      bool enabled, bool drawColorMarker, TColor colorMarkerValue) {
  TSize glyph;
  if (imageList && imageIndex >= 0 && imageIndex < imageList->Count())
    glyph = TSize{imageList->Width(), imageList->Height()};
  TSize text = MeasureCaption(canvas, caption, r, layout, glyph.cx, glyph.cy);
  canvas->Brush()->SetStyle(bsClear);
  TspLayoutCoords c = PlaceGlyphAndText(layout, r, glyph, text, spacing, margin, down);
  TRect textRect;
  if (!caption.empty()) textRect = DrawCaption(canvas, caption, c, text);
  if (glyph.cx != 0) {
    imageList->Draw(canvas, c.GlyphX, c.GlyphY, imageIndex, enabled);
    if (drawColorMarker)
      MarkerLines(canvas, colorMarkerValue, c.GlyphX, c.GlyphX + imageList->Width(),
                  c.GlyphY + imageList->Height() - 2);
  } else if (drawColorMarker) {
    MarkerWithoutGlyph(canvas, r, caption, textRect, down, colorMarkerValue);
  }
}

void DrawGlyphAndText(TCanvas* canvas, const TRect& r, Integer margin, Integer spacing, TspButtonLayout layout,
                      const String& caption, TBitmap* glyph, Integer numGlyphs, Integer glyphNum, bool down,
                      bool drawColorMarker, TColor colorMarkerValue) {
  bool hasGlyph = glyph && !glyph->Empty() && numGlyphs > 0;
  TSize cell = hasGlyph ? TSize{glyph->Width() / numGlyphs, glyph->Height()} : TSize{};
  TSize text = MeasureCaption(canvas, caption, r, layout, cell.cx, cell.cy);
  if (!caption.empty()) canvas->Brush()->SetStyle(bsClear);
  TspLayoutCoords c = PlaceGlyphAndText(layout, r, cell, text, spacing, margin, down);
  TRect textRect;
  if (!caption.empty()) textRect = DrawCaption(canvas, caption, c, text);
  if (hasGlyph) {
    DrawGlyph(canvas, c.GlyphX, c.GlyphY, glyph, numGlyphs, glyphNum);
    if (drawColorMarker)
      MarkerLines(canvas, colorMarkerValue, c.GlyphX, c.GlyphX + glyph->Width(), c.GlyphY + glyph->Height() - 2);
  } else if (drawColorMarker) {
    MarkerWithoutGlyph(canvas, r, caption, textRect, down, colorMarkerValue);
  }
}

void DrawGlyph(TCanvas* canvas, Integer x, Integer y, TBitmap* glyph, Integer numGlyphs, Integer glyphNum) {
  if (!glyph || glyph->Empty() || numGlyphs <= 0) return;
  Integer w = glyph->Width() / numGlyphs;
  if (w <= 0) return;
  TBitmap cell(w, glyph->Height());
  cell.Canvas()->CopyRect(TRect{0, 0, w, glyph->Height()}, glyph->Canvas(),
                          TRect{w * (glyphNum - 1), 0, w * glyphNum, glyph->Height()});
  cell.SetTransparent(true);
  canvas->Draw(x, y, &cell);
}
