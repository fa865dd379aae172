// Pixel fixtures of the framed tests: a small 32-bit DIB section filled with one
// colour, read back as RGB values.
#pragma once

#include <memory>

#include "platform/graphics/Bitmap.h"

constexpr TColor kBackground = 0x123456;

class TPixelSheet {
public:
  explicit TPixelSheet(int width = 20, int height = 20, TColor fill = kBackground)
      : bitmap_(std::make_unique<TBitmap>(width, height, pf32bit)) {
    Canvas()->Brush()->SetColor(fill);
    Canvas()->FillRect(Rect(0, 0, width, height));
  }
  TBitmap* Bitmap() { return bitmap_.get(); }
  TCanvas* Canvas() { return bitmap_->Canvas(); }
  TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
  int Width() const { return bitmap_->Width(); }
  int Height() const { return bitmap_->Height(); }
  // Pixels that differ from `fill` outside `inside`.
  int ChangedOutside(const TRect& inside, TColor fill = kBackground) {
    int changed = 0;
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        if (!inside.Contains(Point(x, y)) && At(x, y) != fill) ++changed;
    return changed;
  }

private:
  std::unique_ptr<TBitmap> bitmap_;
};
