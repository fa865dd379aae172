// Small helpers of the graphics tests: reading a bitmap's pixels as RGB.
#pragma once

#include "platform/graphics/Bitmap.h"

// The pixel as a TColor (0x00BBGGRR), read through the bitmap's canvas.
inline TColor PixelOf(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixels(x, y); }

// How many pixels of the rectangle differ from `color`.
inline int CountOtherThan(TBitmap& bitmap, const TRect& rect, TColor color) {
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (PixelOf(bitmap, x, y) != color) ++count;
  return count;
}

// A white 32-bit bitmap.
inline void MakeWhite(TBitmap& bitmap, int width, int height) {
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}
