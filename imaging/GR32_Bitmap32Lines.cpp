// TBitmap32: integer lines, plain and blended (Bresenham), and their clipped
// forms, which compute where the line enters and leaves the clip rectangle once
// and then walk exactly the pixels of the unclipped line inside it.
#include <cstdlib>
#include <utility>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"

namespace {

// Reports the line's area when the scope ends, also when drawing fails.
struct LineReport {
  TBitmap32* Bitmap;
  TRect Area;
  Cardinal Info = AREAINFO_LINE_ENDS;
  ~LineReport() { Bitmap->Changed(Area, Info); }
};

// The Bresenham walk of Line: pixels from (x1, y1) towards (x2, y2), the end
// pixel left to the caller. Plot is called with each pixel's coordinates.
template <class Plot>
void BresenhamWalk(Integer x1, Integer y1, Integer x2, Integer y2, Plot plot) {
  const Integer sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
  const Integer dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  Integer x = x1, y = y1;
  if (dy < dx) {
    Integer e = dx >> 1;
    for (Integer i = 0; i < dx; ++i) {
      plot(x, y);
      e += dy;
      x += sx;
      if (e >= dx) {
        y += sy;
        e -= dx;
      }
    }
  } else {
    Integer e = dy >> 1;
    for (Integer i = 0; i < dy; ++i) {
      plot(x, y);
      e += dx;
      y += sy;
      if (e >= dy) {
        x += sx;
        e -= dy;
      }
    }
  }
}

}  // namespace

void TBitmap32::Line(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  LineReport report{this, TRect{x1, y1, x2, y2}};
  const Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0) {
    if (dy > 0) VertLine(x1, y1, y2 - 1, value);
    else if (dy < 0) VertLine(x1, y2 + 1, y1, value);
  } else if (dy == 0) {
    if (dx > 0) HorzLine(x1, y1, x2 - 1, value);
    else HorzLine(x2 + 1, y1, x1, value);
  } else {
    BresenhamWalk(x1, y1, x2, y2, [this, value](Integer x, Integer y) { SetPixel(x, y, value); });
  }
  if (l) SetPixel(x2, y2, value);
}

void TBitmap32::LineT(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  LineReport report{this, TRect{x1, y1, x2, y2}};
  const Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0) {
    if (dy > 0) VertLineT(x1, y1, y2 - 1, value);
    else if (dy < 0) VertLineT(x1, y2 + 1, y1, value);
  } else if (dy == 0) {
    if (dx > 0) HorzLineT(x1, y1, x2 - 1, value);
    else HorzLineT(x2 + 1, y1, x1, value);
  } else {
    TBlendMem blend = BLEND_MEM[CombineMode()];
    BresenhamWalk(x1, y1, x2, y2, [this, value, blend](Integer x, Integer y) { blend(value, *GetPixelPtr(x, y)); });
  }
  if (l) BLEND_MEM[CombineMode()](value, *GetPixelPtr(x2, y2));
  EMMS();
}

namespace {

// The clipped Bresenham walk. The line is mirrored so that it runs towards
// positive coordinates, with X the major axis; entry and exit are computed once
// (products in 64 bits). Answers false when the line misses the window.
template <class Plot>
bool ClippedBresenham(Integer x1, Integer y1, Integer x2, Integer y2, const TRect& clip, bool l, Plot plot) {
  Int64 dx = Int64(x2) - x1, dy = Int64(y2) - y1;
  Int64 xmin = clip.Left, xmax = clip.Right - 1, ymin = clip.Top, ymax = clip.Bottom - 1;
  Int64 X1 = x1, X2 = x2, Y1 = y1, Y2 = y2;
  Integer sx = 1, sy = 1;
  if (dx > 0) {
    if (X1 > xmax || X2 < xmin) return false;
  } else {
    if (X2 > xmax || X1 < xmin) return false;
    sx = -1;
    X1 = -X1, X2 = -X2, dx = -dx;
    std::swap(xmin, xmax);
    xmin = -xmin, xmax = -xmax;
  }
  if (dy > 0) {
    if (Y1 > ymax || Y2 < ymin) return false;
  } else {
    if (Y2 > ymax || Y1 < ymin) return false;
    sy = -1;
    Y1 = -Y1, Y2 = -Y2, dy = -dy;
    std::swap(ymin, ymax);
    ymin = -ymin, ymax = -ymax;
  }
  const bool swapped = dx < dy;
  if (swapped) {
    std::swap(X1, Y1), std::swap(X2, Y2), std::swap(dx, dy);
    std::swap(xmin, ymin), std::swap(xmax, ymax), std::swap(sx, sy);
  }

  const Int64 dx2 = 2 * dx, dy2 = 2 * dy;
  Int64 xd = X1, yd = Y1, e = dy2 - dx, term = X2;
  bool endClipped = false;
  bool settled = false;
  if (Y1 < ymin) {  // entry through the top edge
    const Int64 t = dx2 * (ymin - Y1) - dx;
    xd += t / dy2;
    const Int64 r = t % dy2;
    if (xd > xmax) return false;
    if (xd >= xmin) {
      yd = ymin;
      e -= r + dx;
      if (r > 0) {
        xd += 1;
        e += dy2;
      }
      settled = true;
    }
  }
  if (!settled && X1 < xmin) {  // entry through the left edge
    const Int64 t = dy2 * (xmin - X1);
    yd += t / dx2;
    const Int64 r = t % dx2;
    if (yd > ymax || (yd == ymax && r >= dx)) return false;
    xd = xmin;
    e += r;
    if (r >= dx) {
      yd += 1;
      e -= dx2;
    }
  }
  if (Y2 > ymax) {  // exit through the bottom edge
    const Int64 t = dx2 * (ymax - Y1) + dx;
    term = X1 + t / dy2;
    if (t % dy2 == 0) term -= 1;
    endClipped = true;
  }
  if (term > xmax) {
    term = xmax;
    endClipped = true;
  }
  term += 1;

  if (sy == -1) yd = -yd;
  if (sx == -1) xd = -xd, term = -term;
  if (!l && !endClipped) term -= sx;

  while (sx > 0 ? xd < term : xd > term) {
    if (swapped) plot(Integer(yd), Integer(xd));
    else plot(Integer(xd), Integer(yd));
    xd += sx;
    if (e >= 0) {
      yd += sy;
      e -= dx2 - dy2;
    } else {
      e += dy2;
    }
  }
  return true;
}

}  // namespace

void TBitmap32::LineS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  const TRect area{x1, y1, x2, y2};
  if (MeasuringMode()) return Changed(area, AREAINFO_LINE_ENDS);
  const Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0) {
    if (dx == 0 && dy > 0) VertLineS(x1, y1, y2 - 1, value);
    else if (dx == 0 && dy < 0) VertLineS(x1, y2 + 1, y1, value);
    else if (dx > 0) HorzLineS(x1, y1, x2 - 1, value);
    else if (dx < 0) HorzLineS(x2 + 1, y1, x1, value);
    if (l) SetPixelS(x2, y2, value);
    return Changed();
  }
  const bool drawn =
      ClippedBresenham(x1, y1, x2, y2, ClipRect(), l, [this, value](Integer x, Integer y) { SetPixel(x, y, value); });
  if (drawn) Changed(area, AREAINFO_LINE_ENDS);
}

void TBitmap32::LineTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l) {
  const TRect area{x1, y1, x2, y2};
  if (MeasuringMode()) return Changed(area, AREAINFO_LINE_ENDS);
  const Integer dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0) {
    if (dx == 0 && dy > 0) VertLineTS(x1, y1, y2 - 1, value);
    else if (dx == 0 && dy < 0) VertLineTS(x1, y2 + 1, y1, value);
    else if (dx > 0) HorzLineTS(x1, y1, x2 - 1, value);
    else if (dx < 0) HorzLineTS(x2 + 1, y1, x1, value);
    if (l) SetPixelTS(x2, y2, value);
    return;
  }
  TBlendMem blend = BLEND_MEM[CombineMode()];
  const bool drawn = ClippedBresenham(x1, y1, x2, y2, ClipRect(), l, [this, value, blend](Integer x, Integer y) {
    blend(value, *GetPixelPtr(x, y));
  });
  EMMS();
  if (drawn) Changed(area, AREAINFO_LINE_ENDS);
}
