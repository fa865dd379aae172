// The recoloured glyphs of the hot-tracked check boxes and radio buttons, made
// once per resource and colour set and shared by every button: a dialog of
// thirty buttons that repaint on every hover loads and recolours each glyph once.
#pragma once

#include <vector>

#include "platform/graphics/Bitmap.h"

// The resource `name` of the program with each old colour replaced by the new
// colour of the same position, as a 32-bit bitmap owned by the cache (nullptr
// when the resource is missing). Colours are compared as RGB, so a change of a
// system colour makes a new entry.
TBitmap* MappedGlyph(const char* name, const std::vector<TColor>& oldColors, const std::vector<TColor>& newColors);
// Frees every cached glyph (at the family's shutdown, and when a test needs it).
void ClearGlyphCache();
// Glyphs made so far (loaded and recoloured from the resource).
int GlyphCacheLoads();
