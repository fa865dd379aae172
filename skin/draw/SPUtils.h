// The skin engine's shared routines in one include: rectangles and dates, glyph
// and caption layout, text, code-drawn glyphs, system services, the parent's
// background, skin composition and masks.
#pragma once

#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinLayout.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"
#include "skin/draw/SkinText.h"
