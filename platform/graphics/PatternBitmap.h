// The two-colour 8 x 8 checkerboard that brushes use to show a held-down button:
// one bitmap per colour pair, made on first request and kept for the run.
#pragma once

#include "platform/graphics/Bitmap.h"

// Pixels whose x and y are both even or both odd take `background`, the others
// `foreground`. The cache owns the bitmap.
TBitmap* AllocPatternBitmap(TColor background, TColor foreground);
// Frees every cached pattern (for tests and shutdown).
void ClearPatternBitmaps();
