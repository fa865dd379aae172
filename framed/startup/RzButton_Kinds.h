// The two tables the button unit keeps for the whole run: the glyph of each
// bit-button kind (loaded on first request) and each kind's caption.
#pragma once

#include "platform/core/System.h"

class TBitmap;

enum TBitBtnKind : unsigned char { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
constexpr int kBitBtnKindCount = bkAll + 1;

// The cache of kind glyphs: owned bitmaps, nullptr until loaded.
extern TBitmap* KindGlyphs[kBitBtnKindCount];
extern String KindCaptions[kBitBtnKindCount];
// The bitmap resource of each kind ("RZCOMMON_OK"); empty for bkCustom.
const char* KindGlyphResource(TBitBtnKind kind);

void StartButtonKinds();  // clears the cache, fills the captions
void StopButtonKinds();   // frees the cached glyphs, empties the captions
