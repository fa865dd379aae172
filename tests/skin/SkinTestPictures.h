// Pictures for the skin tests: bitmaps made of solid zones, so that one pixel
// tells which zone of a skin piece was drawn there.
#pragma once

#include <vector>

#include "platform/graphics/Bitmap.h"

struct Zone {
  TRect Area;
  TColor Color;
};

// A 32-bit bitmap of the size, white, with the zones filled in order.
inline void PaintZones(TBitmap& bitmap, int width, int height, const std::vector<Zone>& zones) {
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(width, height);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(TRect{0, 0, width, height});
  for (const Zone& zone : zones) {
    canvas->Brush()->SetColor(zone.Color);
    canvas->FillRect(zone.Area);
  }
}

inline TColor At(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixels(x, y); }

// A pixel expected at a point, with a name for the failure message.
struct PixelCheck {
  int X, Y;
  TColor Color;
  const char* What;
};
