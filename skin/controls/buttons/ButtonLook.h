// What the push button and the speed button share of a button record: the
// copied fonts, colours, state pieces and markers, the caption colour of a
// state, the piece a running frame animation shows, the glyph cell of a state,
// the fade's blend by kind, a state piece stretched to a free size, and the
// glyph an action lends.
#pragma once

#include "skin/controls/SkinPiece.h"
#include "skin/data/ControlRecords.h"
#include "skin/draw/MorphKind.h"
#include "skin/draw/Speffbmp.h"

struct TspButtonLook {
  String fontname = "Arial";
  Integer fontheight = 14;
  TFontStyles fontstyle = 0;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  bool morphing = false;
  TMorphKind morphkind = mkDefault;
  TRect activeskinrect, downskinrect, focusedskinrect, disabledskinrect, animateskinrect;
  Integer framecount = 0, animateinterval = 25;
  bool showfocus = false;
  TRect menumarkerrect, menumarkeractiverect, menumarkerdownrect, menumarkerflatrect;
  TColor menumarkertransparentcolor = 0;

  // Copies the record; an empty hot piece is the normal one, an empty pressed
  // piece the hot one, and a disabled colour equal to the normal one is grey.
  void Read(const TspDataSkinButtonControl& record, const TRect& skinrect);
  // Frame `frame` (1-based) of the animation strip: side by side when the strip is
  // wider than the normal piece, else stacked; empty without frames.
  TRect AnimationFrame(Integer frame, const TRect& skinrect) const;
  // The caption colour: the default font's without UseSkinFontColor, else the
  // record's disabled, pressed, hot or normal one.
  TColor CaptionColor(bool enabled, bool aDown, bool aMouseIn, bool useSkinFontColor, TColor defaultColor) const;
};

// Glyph cell of a strip: 3 pressed, 4 hot, 2 disabled, else 1, as far as the
// strip has cells.
Integer ButtonGlyphNumber(Integer numGlyphs, bool enabled, bool aDown, bool aMouseIn);

// The content rectangle of a button of w x h showing the state piece at a free
// size: the piece's client rectangle grown by the size difference.
TRect FreeSizeContentRect(const TspSkinPiece& piece, const TRect& state, Integer w, Integer h);
// The state piece drawn at w x h into b by the piece's resize mode (0 stretched
// whole, 2 and 3 the nine-part stretch); answers the content rectangle.
TRect StretchButtonFace(const TspSkinPiece& piece, TBitmap* b, const TRect& state, Integer w, Integer h);

// The action's image drawn into an empty glyph (clFuchsia behind it); false
// when `sender` is no action with an image or the glyph is already set.
bool TakeActionGlyph(TBitmap* glyph, TObject* sender);

// One part of a drop-down button's image, partWidth x height, from the state
// piece: the nine-part stretch for the tool-button records (`stretching`), else
// the four-corner composition with the right-hand and lower points moved by the
// part's size.
void ComposeButtonPart(const TspSkinPiece& piece, bool stretching, TBitmap* into, const TRect& state,
                       Integer partWidth, Integer height);
