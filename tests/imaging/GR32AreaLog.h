// Records what a bitmap reports: its changes and the areas with their info words.
#pragma once

#include <vector>

#include "imaging/GR32.h"

struct AreaReport {
  TRect Area;
  Cardinal Info;
  friend bool operator==(const AreaReport&, const AreaReport&) = default;
};

struct AreaLog : TObject {
  int changes = 0;
  std::vector<AreaReport> areas;
  void Change(TObject*) { ++changes; }
  void Area(TObject*, const TRect& r, Cardinal info) { areas.push_back({r, info}); }
  void Watch(TBitmap32& b) {
    b.OnChange = TNotifyEvent(this, &AreaLog::Change);
    b.OnAreaChanged = TAreaChangedEvent(this, &AreaLog::Area);
  }
  void Clear() {
    changes = 0;
    areas.clear();
  }
};

// A bitmap of w x h whose pixel (x, y) holds a colour of its own.
inline void FillDistinct(TBitmap32& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0x80000000u | TColor32(y) << 16 | TColor32(x) << 8 | TColor32(x ^ y));
}

inline std::vector<TColor32> Pixels(const TBitmap32& b) {
  return std::vector<TColor32>(b.Bits(), b.Bits() + b.Width() * b.Height());
}
