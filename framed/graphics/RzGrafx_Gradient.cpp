// Two-colour gradients drawn into a work bitmap: a linear ramp, a box ramp and a
// diagonal ramp, each in bands of one colour, then widened or mirrored by block
// copies. Colours and coordinates step in 16.16 fixed point.
#include <cmath>
#include <cstdlib>

#include "framed/graphics/RzGrafx.h"
#include "platform/core/Math.h"

namespace {

// The steps a band spans at least, less one: from the smoothing factor.
int BandSteps(int smooth, int divisor) {
  int q = smooth;
  if (q > 8) q = divisor / q + 1;
  return Max(q - 1, 0);
}

// One colour carried per channel in 16.16 fixed point.
class TColorRamp {
public:
  TColorRamp(TColor from, TColor to, int steps) {
    TColor a = ColorToRGB(from), b = ColorToRGB(to);
    int fromChannels[3] = {GetRValue(a), GetGValue(a), GetBValue(a)};
    int toChannels[3] = {GetRValue(b), GetGValue(b), GetBValue(b)};
    for (int i = 0; i < 3; ++i) {
      value_[i] = fromChannels[i] << 16;
      step_[i] = steps > 0 ? ((toChannels[i] - fromChannels[i]) * 65536) / steps : 0;
    }
  }
  // A step past the end may overshoot by one increment: channels stay in 0..255.
  COLORREF Color() const { return RGB(Channel(0), Channel(1), Channel(2)); }
  void Step() {
    for (int i = 0; i < 3; ++i) value_[i] += step_[i];
  }

private:
  int Channel(int i) const { return EnsureRange(value_[i] >> 16, 0, 255); }
  int value_[3];
  int step_[3];
};

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  if (r.left >= r.right || r.top >= r.bottom) return;
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
}

void FillQuad(HDC dc, const POINT (&points)[4], COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
  ::Polygon(dc, points, 4);
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(brush);
}

// Runs the steps of a ramp in bands: `step` moves the position one step and
// answers false when no position remains; `band` draws from the position before
// the band to the current one in the band's colour.
template <class Step, class Band>
void RunBands(TColorRamp& ramp, int minSteps, Step step, Band band) {
  for (bool more = true; more;) {
    COLORREF color = ramp.Color();
    int taken = 0;
    do {
      more = step();
      ramp.Step();
      ++taken;
    } while (more && (ramp.Color() == color || taken < minSteps + 1));
    band(color);
  }
}

// The linear ramp along one axis in an 8-pixel strip; `coordinate` negative: one
// ramp over the extent, else two meeting after `coordinate`.
void LinearRamp(HDC dc, bool alongX, int coordinate, int extent, TColor startColor, TColor stopColor, int smooth) {
  int minSteps = BandSteps(smooth, 255);
  auto pass = [&](int from, int to, TColor first, TColor last) {  // positions from..to+1, counting down
    int steps = from - to;
    if (steps <= 0) return;
    TColorRamp ramp(first, last, steps);
    int p = from, before = from;
    RunBands(ramp, minSteps, [&] { return --p > to; }, [&](COLORREF color) {
      RECT r = alongX ? RECT{p, 0, before, 8} : RECT{0, p, 8, before};
      FillSolid(dc, r, color);
      before = p;
    });
  };
  if (coordinate < 0) {
    pass(extent, 0, stopColor, startColor);
  } else {
    pass(coordinate + 1, 0, stopColor, startColor);
    pass(extent, coordinate + 1, startColor, stopColor);
  }
}

}  // namespace

void FillGrad(HDC dc, int x, int y, int extent, TColor startColor, TColor stopColor, int smooth) {
  bool alongX = x != 0;
  LinearRamp(dc, alongX, alongX ? x : y, extent, startColor, stopColor, smooth);
}

void FillGradRect(HDC dc, int width, int height, int xInset, int yInset, TColor startColor, TColor stopColor,
                  int smooth) {
  int cx = (width - 1) >> 1, cy = (height - 1) >> 1;
  int hx = cx - xInset, hy = cy - yInset;
  if (ColorToRGB(startColor) == ColorToRGB(stopColor) || hx < 1 || hy < 1) {
    // One colour; also for a box too small to step its corner toward the edges.
    FillSolid(dc, RECT{0, 0, width + 1, height + 1}, ColorToRGB(startColor));
    return;
  }
  int steps = Max(hx, hy) + 1;
  int dx = hx * 65536 / steps, dy = hy * 65536 / steps;
  int x = (hx << 16) + dx, y = (hy << 16) + dy;  // the first step lands on (hx, hy)
  int prevX = cx + 1, prevY = cy + 1;
  TColorRamp ramp(stopColor, startColor, steps);
  int left = steps + 2;  // the corner passes below 0 within steps + 1 moves
  RunBands(ramp, BandSteps(smooth, 256), [&] {
    x -= dx, y -= dy;
    return --left > 0 && !((x >> 16) < 0 && (y >> 16) < 0);
  }, [&](COLORREF color) {
    // The band whose corner passed below 0 fills up to the edges.
    int newX = Max(x >> 16, 0), newY = Max(y >> 16, 0);
    FillSolid(dc, RECT{newX, newY, cx + 1, prevY}, color);
    FillSolid(dc, RECT{newX, prevY, prevX, cy + 1}, color);
    prevX = newX, prevY = newY;
  });
}

void FillGradDiag(HDC dc, int width, int height, TColor startColor, TColor stopColor, int smooth) {
  int w = std::abs(width);
  if (w < 1 || height < 1) {
    FillSolid(dc, RECT{0, 0, w, Max(height, 0)}, ColorToRGB(startColor));
    return;
  }
  int steps = static_cast<int>(std::sqrt(static_cast<double>(w) * w + static_cast<double>(height) * height)) + 1;
  int half = Max(steps >> 1, 1);
  bool fromLeft = width > 0;
  int x0 = fromLeft ? 0 : w, x1 = fromLeft ? w : 0;
  int dx = (fromLeft ? 1 : -1) * (w * 65536 / half), dy = height * 65536 / half;
  TColorRamp ramp(fromLeft ? startColor : stopColor, fromLeft ? stopColor : startColor, steps);
  int minSteps = BandSteps(smooth, 255);
  for (int pass = 0; pass < 2; ++pass) {
    int x = x0 << 16, y = height << 16;
    int prevX = x0, prevY = height;
    bool ended = false;
    auto quad = [&](int newX, int newY, COLORREF color) {
      if (newX == prevX && newY == prevY) return;
      if (pass == 0) {
        POINT points[4] = {{x0, newY}, {x0, prevY}, {prevX, height}, {newX, height}};
        FillQuad(dc, points, color);
      } else {
        POINT points[4] = {{newX, 0}, {prevX, 0}, {x1, prevY}, {x1, newY}};
        FillQuad(dc, points, color);
      }
      prevX = newX, prevY = newY;
    };
    RunBands(ramp, minSteps, [&] {
      x += dx, y -= dy;
      ended = y < 0;
      return !ended;
    }, [&](COLORREF color) {
      if (ended) quad(x1, 0, color);
      else quad(x >> 16, y >> 16, color);
    });
  }
}

void BitFillBlit(HDC dc, int x, int y, int destWidth, int destHeight, int srcWidth, int srcHeight, DWORD rop) {
  if (srcWidth <= 0 || srcHeight <= 0) return;
  for (int h = srcHeight; h < destHeight; h *= 2)
    ::BitBlt(dc, x, y + h, srcWidth, Min(h, destHeight - h), dc, x, y, rop);
  for (int w = srcWidth; w < destWidth; w *= 2)
    ::BitBlt(dc, x + w, y, Min(w, destWidth - w), destHeight, dc, x, y, rop);
}

void BoxBitMirrorBlit(HDC dc, int x, int y, int width, int height, DWORD rop) {
  int hw = width >> 1, hh = height >> 1;
  int quadrantWidth = width - hw;  // the filled columns, the middle one included
  ::SetStretchBltMode(dc, COLORONCOLOR);
  if (hh > 0) ::StretchBlt(dc, x, y + height - 1, quadrantWidth, -hh, dc, x, y, quadrantWidth, hh, rop);
  if (hw > 0) ::StretchBlt(dc, x + width - 1, y, -hw, height, dc, x, y, hw, height, rop);
}

void PaintGradient(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor startColor,
                   TColor stopColor, TSmoothFactor smooth) {
  int w = std::abs(rect.Right - rect.Left), h = std::abs(rect.Bottom - rect.Top);
  if (w == 0 || h == 0) return;
  TBitmap work(w, h);
  HDC dc = work.Canvas()->Handle();
  switch (direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
      if (ColorToRGB(startColor) == ColorToRGB(stopColor))
        FillSolid(dc, RECT{0, 0, w, h}, ColorToRGB(startColor));
      else
        FillGradDiag(dc, direction == gdDiagonalUp ? w : -w, h, startColor, stopColor, smooth);
      break;
    case gdHorizontalEnd:
    case gdHorizontalCenter:
      LinearRamp(dc, false, direction == gdHorizontalEnd ? -1 : h / 2, h, startColor, stopColor, smooth);
      BitFillBlit(dc, 0, 0, w, h, 8, h, SRCCOPY);
      break;
    case gdVerticalEnd:
    case gdVerticalCenter:
      LinearRamp(dc, true, direction == gdVerticalEnd ? -1 : w / 2, w, startColor, stopColor, smooth);
      BitFillBlit(dc, 0, 0, w, h, w, 8, SRCCOPY);
      break;
    case gdHorizontalBox:
    case gdVerticalBox:
    case gdSquareBox:
    case gdBigSquareBox: {
      int xInset = (direction == gdHorizontalBox || direction == gdBigSquareBox) ? w >> 2 : 0;
      int yInset = (direction == gdVerticalBox || direction == gdBigSquareBox) ? h >> 2 : 0;
      FillGradRect(dc, w, h, xInset, yInset, startColor, stopColor, smooth);
      BoxBitMirrorBlit(dc, 0, 0, w, h, SRCCOPY);
      break;
    }
  }
  canvas->Draw(Min(rect.Left, rect.Right), Min(rect.Top, rect.Bottom), &work);
}
