// What the labels share of a "stdlabel" record: its font and colours found by
// name, and text drawn on a canvas, embossed when disabled (once at (+1, +1) in
// the highlight colour, then in place in the shadow colour).
#pragma once

#include "platform/graphics/Canvas.h"
#include "skin/data/SkinData.h"

struct TspLabelLook {
  Integer RecordIndex = -1;  // -1: no container, an empty skin or no record of the name
  String FontName = "Arial";
  Integer FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = clBlue;

  // Looks the record up; a "stdlabel" record's values are copied, others keep
  // the last ones.
  void Read(const TspSkinData* data, const String& name);
  // The canvas font from the record (useSkinFont) or `font`, charset by the rule.
  void SetFont(TCanvas* canvas, bool useSkinFont, const TFont* font, const TspSkinData* data,
               const TFont* defaultFont) const;
};

// DrawText of the text in the canvas font, transparent.
void DrawLabelTextOnce(TCanvas* canvas, const String& text, TRect r, UINT flags);
// The text in its colour when enabled, else embossed in the skin's (skinned) or
// the system's highlight and shadow colours.
void DrawLabelText(TCanvas* canvas, const String& text, const TRect& r, UINT flags, bool enabled,
                   const TspSkinData* data, bool skinned);
