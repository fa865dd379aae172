#include "framed/graphics/RzGrafx.h"

#include <cstring>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/core/Math.h"

namespace {

// A memory device context with a bitmap of its own selected, freed together.
class TMemoryImage {
public:
  TMemoryImage(HDC like, int width, int height, bool monochrome) {
    dc_ = ::CreateCompatibleDC(like);
    bitmap_ = monochrome ? ::CreateBitmap(width, height, 1, 1, nullptr) : ::CreateCompatibleBitmap(like, width, height);
    old_ = ::SelectObject(dc_, bitmap_);
  }
  ~TMemoryImage() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  TMemoryImage(const TMemoryImage&) = delete;
  TMemoryImage& operator=(const TMemoryImage&) = delete;
  HDC DC() const { return dc_; }

private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// Steps (1) and (2) of the transparent draws: the source part stretched into a
// colour image of the destination's size, and its mask (white = transparent).
struct TMaskedImage {
  TMaskedImage(HDC dc, TBitmap* bitmap, const TRect& dest, const TRect& source, TColor transparentColor)
      : Width(dest.Width()), Height(dest.Height()), Color(dc, Width, Height, false), Mask(dc, Width, Height, true) {
    ::SetStretchBltMode(Color.DC(), COLORONCOLOR);
    ::StretchBlt(Color.DC(), 0, 0, Width, Height, bitmap->Canvas()->Handle(), source.Left, source.Top,
                 source.Width(), source.Height(), SRCCOPY);
    ::SetBkColor(Color.DC(), ColorToRGB(transparentColor));
    ::BitBlt(Mask.DC(), 0, 0, Width, Height, Color.DC(), 0, 0, SRCCOPY);
  }
  int Width, Height;
  TMemoryImage Color;
  TMemoryImage Mask;
};

bool Drawable(TBitmap* bitmap, const TRect& dest) { return bitmap && !bitmap->Empty() && !dest.IsEmpty(); }

template <class DrawTile>
void Tile(TBitmap* bitmap, const TRect& rect, int firstX, int firstY, DrawTile draw) {
  int bw = bitmap->Width(), bh = bitmap->Height();
  for (int y = rect.Top, sy = firstY; y < rect.Bottom; sy = 0) {
    int h = Min(bh - sy, rect.Bottom - y);
    for (int x = rect.Left, sx = firstX; x < rect.Right; sx = 0) {
      int w = Min(bw - sx, rect.Right - x);
      draw(Rect(x, y, x + w, y + h), Rect(sx, sy, sx + w, sy + h));
      x += w;
    }
    y += h;
  }
}

}  // namespace

void DrawFullTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                               TColor transparentColor) {
  if (!Drawable(bitmap, dest) || source.IsEmpty()) return;
  HDC dc = canvas->Handle();
  TMaskedImage image(dc, bitmap, dest, source, transparentColor);
  COLORREF text = ::SetTextColor(dc, RGB(0, 0, 0)), back = ::SetBkColor(dc, RGB(255, 255, 255));
  // dest ^ colour, & mask (white keeps the canvas), ^ colour again.
  ::BitBlt(dc, dest.Left, dest.Top, image.Width, image.Height, image.Color.DC(), 0, 0, SRCINVERT);
  ::BitBlt(dc, dest.Left, dest.Top, image.Width, image.Height, image.Mask.DC(), 0, 0, SRCAND);
  ::BitBlt(dc, dest.Left, dest.Top, image.Width, image.Height, image.Color.DC(), 0, 0, SRCINVERT);
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, back);
}

void DrawTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                           TColor transparentColor) {
  if (!Drawable(bitmap, dest) || source.IsEmpty()) return;
  HDC dc = canvas->Handle();
  TMaskedImage image(dc, bitmap, dest, source, transparentColor);
  if (ColorToRGB(transparentColor) != 0) {
    ::SetBkColor(image.Color.DC(), RGB(0, 0, 0));
    ::SetTextColor(image.Color.DC(), RGB(255, 255, 255));
    ::BitBlt(image.Color.DC(), 0, 0, image.Width, image.Height, image.Mask.DC(), 0, 0, SRCAND);
  }
  COLORREF text = ::SetTextColor(dc, RGB(0, 0, 0)), back = ::SetBkColor(dc, RGB(255, 255, 255));
  canvas->CopyMode = cmSrcAnd;
  ::BitBlt(dc, dest.Left, dest.Top, image.Width, image.Height, image.Mask.DC(), 0, 0, SRCAND);
  canvas->CopyMode = cmSrcPaint;
  ::BitBlt(dc, dest.Left, dest.Top, image.Width, image.Height, image.Color.DC(), 0, 0, SRCPAINT);
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, back);
}

void TileTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect, TColor transparentColor) {
  if (!Drawable(bitmap, rect)) return;
  Tile(bitmap, rect, 0, 0, [&](const TRect& dest, const TRect& source) {
    DrawTransparentBitmap(canvas, bitmap, dest, source, transparentColor);
  });
}

void StretchTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect, TColor transparentColor) {
  if (!bitmap) return;
  DrawTransparentBitmap(canvas, bitmap, rect, Rect(0, 0, bitmap->Width(), bitmap->Height()), transparentColor);
}

void FlipBitmap(TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  int w = bitmap->Width(), h = bitmap->Height();
  TBitmap flipped(w, h, bitmap->PixelFormat());
  if (bitmap->PixelFormat() <= pf8bit && bitmap->PixelFormat() != pfDevice) flipped.SetColorTable(bitmap->ColorTable());
  size_t rowBytes = static_cast<size_t>(bitmap->ScanLineSize());
  for (int i = 0; i < h; ++i) std::memcpy(flipped.ScanLine(h - 1 - i), bitmap->ScanLine(i), rowBytes);
  bitmap->Assign(&flipped);
}

void TileBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect) {
  if (!Drawable(bitmap, rect)) return;
  Tile(bitmap, rect, 0, 0, [&](const TRect& dest, const TRect& source) {
    canvas->CopyRect(dest, bitmap->Canvas(), source);
  });
}

void TileRealizedBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect) {
  if (!Drawable(bitmap, rect)) return;
  auto mod = [](int a, int b) { return ((a % b) + b) % b; };  // the pattern repeats left of 0 too
  Tile(bitmap, rect, mod(rect.Left, bitmap->Width()), mod(rect.Top, bitmap->Height()),
       [&](const TRect& dest, const TRect& source) { canvas->CopyRect(dest, bitmap->Canvas(), source); });
}

void CenterBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect) {
  if (!Drawable(bitmap, rect)) return;
  int w = rect.Width(), h = rect.Height();
  int cx = w / 2, cy = h / 2, bx = bitmap->Width() / 2, by = bitmap->Height() / 2;
  TRect source;
  if (by < cy) source.Top = 0, source.Bottom = bitmap->Height();
  else source.Top = by - cy, source.Bottom = by - cy + h;
  if (bx < cx) source.Left = 0, source.Right = bitmap->Width();
  else source.Left = bx - cx, source.Right = bx - cx + w;
  // Measured from the rectangle's corner, so a rectangle away from the origin centres too.
  TRect dest = Rect(rect.Left + Max(0, cx - bx), rect.Top + Max(0, cy - by), rect.Left + Min(w, bx + cx),
                    rect.Top + Min(h, by + cy));
  canvas->CopyRect(dest, bitmap->Canvas(), source);
}

void StretchBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect) {
  if (!Drawable(bitmap, rect)) return;
  canvas->CopyRect(rect, bitmap->Canvas(), Rect(0, 0, bitmap->Width(), bitmap->Height()));
}

void SetTrapezoid(TTrap& trap, const TRect& rect, int size, TTrapShape shape, TDirection direction,
                  TTrapDirect trapDirect) {
  auto offset = [shape](int extent, int s) { return shape == tsLeft ? 0 : shape == tsCenter ? (extent - s) / 2 : extent - s; };
  TPoint* p = trap.P;
  if (direction == dirUp || direction == dirDown) {
    int s = Min(rect.Width(), size), o = offset(rect.Width(), s);
    bool shortTop = (trapDirect == tdLargeToSmall && direction == dirUp) ||
                    (trapDirect == tdSmallToLarge && direction == dirDown);
    int shortLeft = rect.Left + o, shortRight = rect.Left + o + s;
    p[0] = Point(shortTop ? shortLeft : rect.Left, rect.Top);
    p[1] = Point(shortTop ? shortRight : rect.Right, rect.Top);
    p[2] = Point(shortTop ? rect.Right : shortRight, rect.Bottom);
    p[3] = Point(shortTop ? rect.Left : shortLeft, rect.Bottom);
  } else {
    int s = Min(rect.Height(), size), o = offset(rect.Height(), s);
    bool shortRight = (trapDirect == tdLargeToSmall && direction == dirRight) ||
                      (trapDirect == tdSmallToLarge && direction == dirLeft);
    int shortTop = rect.Top + o, shortBottom = rect.Top + o + s;
    p[0] = Point(rect.Left, shortRight ? rect.Top : shortTop);
    p[3] = Point(rect.Left, shortRight ? rect.Bottom : shortBottom);
    p[1] = Point(rect.Right, shortRight ? shortTop : rect.Top);
    p[2] = Point(rect.Right, shortRight ? shortBottom : rect.Bottom);
  }
}

TPoint Intersect(const TPoint& p1, const TPoint& p2, const TPoint& p, TDirection direction) {
  if (direction == dirLeft || direction == dirRight) {
    if (p2.X == p1.X) return p;
    double slope = static_cast<double>(p2.Y - p1.Y) / (p2.X - p1.X);
    return Point(p.X, static_cast<Integer>(Trunc(p2.Y - slope * (p2.X - p.X))));
  }
  if (p2.Y == p1.Y) return p;
  double slope = static_cast<double>(p2.X - p1.X) / (p2.Y - p1.Y);
  return Point(static_cast<Integer>(Trunc(p2.X - slope * (p2.Y - p.Y))), p.Y);
}

TTrap AdjustTrapezoid(const TTrap& trap, const TRect& rect, TDirection direction) {
  const TPoint* p = trap.P;
  TTrap result;
  if (direction == dirLeft || direction == dirRight) {
    result.P[0] = Intersect(p[0], p[1], Point(rect.Left, 0), direction);
    result.P[1] = Intersect(p[0], p[1], Point(rect.Right, 0), direction);
    result.P[2] = Intersect(p[3], p[2], Point(rect.Right, 0), direction);
    result.P[3] = Intersect(p[3], p[2], Point(rect.Left, 0), direction);
  } else {
    result.P[0] = Intersect(p[0], p[3], Point(0, rect.Top), direction);
    result.P[1] = Intersect(p[1], p[2], Point(0, rect.Top), direction);
    result.P[2] = Intersect(p[1], p[2], Point(0, rect.Bottom), direction);
    result.P[3] = Intersect(p[0], p[3], Point(0, rect.Bottom), direction);
  }
  return result;
}

void InflateTrapezoid(TTrap& trap, int amount) {
  trap.P[0].X -= amount, trap.P[0].Y -= amount;
  trap.P[1].X += amount, trap.P[1].Y -= amount;
  trap.P[2].X += amount, trap.P[2].Y += amount;
  trap.P[3].X -= amount, trap.P[3].Y += amount;
}

void DrawTrapezoidBorder(TCanvas* canvas, const TTrap& trap, TTrapBevelStyle bevelStyle, int width) {
  const TPoint* p = trap.P;
  canvas->Pen()->SetWidth(1);
  bool lowered = bevelStyle == TTrapBevelStyle::bsLowered;
  for (int k = 0; k < width; ++k) {
    canvas->Pen()->SetColor(lowered ? clBtnHighlight : clBtnShadow);
    canvas->MoveTo(p[1].X - k - 1, p[1].Y + k);
    canvas->LineTo(p[2].X - k - 1, p[2].Y - k - 1);
    canvas->LineTo(p[3].X + k, p[3].Y - k - 1);
    canvas->Pen()->SetColor(lowered ? clBtnShadow : clBtnHighlight);
    canvas->LineTo(p[0].X + k, p[0].Y + k);
    canvas->LineTo(p[1].X - k - 1, p[1].Y + k);
  }
}

void DrawParentImage(TControl* control, HDC dc, bool invalidateParent) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent) return;
  int saved = ::SaveDC(dc);
  POINT origin;
  ::GetViewportOrgEx(dc, &origin);
  ::SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  ::IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  bool designing = control->HasState(csDesigning);
  try {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  } catch (...) {
    if (!designing) {
      ::RestoreDC(dc, saved);
      throw;
    }
  }
  ::RestoreDC(dc, saved);
  if (invalidateParent && !designing && !dynamic_cast<TCustomForm*>(parent) &&
      !dynamic_cast<TCustomControl*>(parent))
    parent->Invalidate();
}

void DrawParentImage(TControl* control, TCanvas* canvas, bool invalidateParent) {
  DrawParentImage(control, canvas->Handle(), invalidateParent);
}
