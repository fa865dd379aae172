#include "platform/graphics/PatternBitmap.h"

#include <memory>
#include <vector>

namespace {

struct TPatternEntry {
  TColor background, foreground;
  std::unique_ptr<TBitmap> bitmap;
};

std::vector<TPatternEntry>& Patterns() {
  static std::vector<TPatternEntry> patterns;
  return patterns;
}

}  // namespace

TBitmap* AllocPatternBitmap(TColor background, TColor foreground) {
  for (auto& entry : Patterns())
    if (entry.background == background && entry.foreground == foreground) return entry.bitmap.get();
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(8, 8);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(background);
  canvas->FillRect(Rect(0, 0, 8, 8));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1) canvas->SetPixels(x, y, foreground);
  Patterns().push_back({background, foreground, std::move(bitmap)});
  return Patterns().back().bitmap.get();
}

void ClearPatternBitmaps() { Patterns().clear(); }
