#include "framed/common/RzCommon_Bars.h"

#include <cstdio>
#include <vector>

#include "framed/common/RzCommon_Colors.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/graphics/Bitmap.h"
#include "platform/core/Math.h"

namespace {

bool Themed(bool themeAware) { return themeAware && ThemeServices()->ThemesEnabled(); }

void BlendPixel(TCanvas* canvas, int x, int y, TColor shadow, Byte alpha) {
  canvas->SetPixels(x, y, BlendColors(shadow, canvas->Pixels(x, y), alpha));
}

void ThemedLEDBar(TCanvas* canvas, const TRect& bounds, TOrientation orientation, int percent) {
  TRect r = Rect(bounds.Left + 1, bounds.Top + 1, bounds.Right - 1, bounds.Bottom - 1);
  HDC dc = canvas->Handle();
  if (orientation == orHorizontal) {
    r.Right = r.Left + static_cast<int>(Round(r.Width() * percent / 100.0));
    ThemeServices()->DrawElement(dc, GetElementDetails(tpChunk), r);
    return;
  }
  int h = static_cast<int>(Round(r.Height() * percent / 100.0));
  r.Top = r.Bottom - h;
  TRect target = r;
  r = Rect(bounds.Left, bounds.Top, bounds.Left + r.Width(), bounds.Top + r.Height());
  if (r.IsEmpty()) r.Bottom += 1;
  TBitmap chunk(r.Width(), r.Height());
  ThemeServices()->DrawElement(chunk.Canvas()->Handle(), GetElementDetails(tpChunkVert),
                               Rect(0, 0, r.Width(), r.Height()));
  FlipBitmap(&chunk);
  canvas->Draw(target.Left, target.Top, &chunk);
}

// The arrow brush: grey when disabled, the themed drop-down colour or black.
TColor ArrowColor(TRzUIStyle uiStyle, bool enabled) {
  if (!enabled) return clBtnShadow;
  if (uiStyle != uiWindowsXP) return clBlack;
  TBitmap sample(17, 21);
  TColor color = clBlack;
  if (ThemeServices()->ThemesEnabled()) {
    ThemeServices()->DrawElement(sample.Canvas()->Handle(), GetElementDetails(tcDropDownButtonNormal),
                                 Rect(0, 0, 16, 20));
    color = sample.Canvas()->Pixels(8, 10);
  } else {
    color = cl3DDkShadow;  // no themed button to sample: the classic dark shadow
  }
  return ColorsTooClose(color, clWindow) ? cl3DDkShadow : color;
}

void FillArrow(TCanvas* canvas, TColor color, const std::vector<TPoint>& points) {
  TColor oldBrush = canvas->Brush()->Color();
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetStyle(psClear);
  canvas->Polygon(points);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Brush()->SetColor(oldBrush);
}

// The arrow's centre before the style offsets.
TPoint ArrowCentre(const TRect& r) {
  int y = r.Top + r.Height() / 2;
  if (r.Height() % 2 == 0) --y;
  return Point(r.Left + r.Width() / 2, y);
}

}  // namespace

void DrawDropShadow(TCanvas* canvas, const TRect& bounds, int depth, TColor shadowColor) {
  if (depth <= 0) return;
  const int l = bounds.Left, t = bounds.Top, r = bounds.Right, b = bounds.Bottom, d2 = 2 * depth;
  int step = 128 / depth;
  for (int i = 1; i <= depth; ++i) {
    Byte alpha = static_cast<Byte>(Max(128 - (i - 1) * step, 0));
    for (int y = b - 1; y <= b + i - 2; ++y) BlendPixel(canvas, l + d2 - i, y, shadowColor, alpha);
    BlendPixel(canvas, l + d2 - i + 1, b + i - 2, shadowColor, alpha);
    for (int x = l + d2 - i + 1; x <= r + i - 2; ++x) BlendPixel(canvas, x, b + i - 1, shadowColor, alpha);
    BlendPixel(canvas, r + i - 2, b + i - 2, shadowColor, alpha);
    for (int x = r - 1; x <= r + i - 2; ++x) BlendPixel(canvas, x, t + d2 - i, shadowColor, alpha);
    BlendPixel(canvas, r + i - 2, t + d2 - i + 1, shadowColor, alpha);
    for (int y = t + d2 - i + 1; y <= b + i - 2; ++y) BlendPixel(canvas, r + i - 1, y, shadowColor, alpha);
  }
}

void DrawGroupBarBackground(TCanvas* canvas, const TRect& bounds, bool themeAware,
                            TRzGroupBarGradientPath gradientPath, TColor color, int adjustment) {
  if (Themed(themeAware)) {
    ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(tebExplorerBarRoot), bounds);
    return;
  }
  if (adjustment == 0 || !FullColorSupport()) return;
  TRect r = bounds;
  int third = r.Height() / 3;
  TColor from, to;
  if (gradientPath == gpTopToBottom) {
    if (adjustment > 0) r.Bottom -= third, from = LighterColor(color, adjustment), to = color;
    else r.Top += third, from = color, to = DarkerColor(color, -adjustment);
  } else {
    if (adjustment > 0) r.Top += third, from = color, to = LighterColor(color, adjustment);
    else r.Bottom -= third, from = DarkerColor(color, -adjustment), to = color;
  }
  PaintGradient(canvas, r, gdHorizontalEnd, from, to, 1);
}

void DrawLEDBar(TCanvas* canvas, const TRect& bounds, TOrientation orientation, TColor barColor, TColor backColor,
                int numSegments, int percent, bool themeAware) {
  if (Themed(themeAware)) {
    ThemedLEDBar(canvas, bounds, orientation, percent);
    return;
  }
  if (numSegments < 1) return;
  bool horizontal = orientation == orHorizontal;
  int size = horizontal ? bounds.Width() : bounds.Height();
  int segSize = size / numSegments;
  if (size <= 80 && numSegments > 10) numSegments = 10, segSize = size / 10;
  int extra = segSize ? (size - segSize * numSegments) / segSize : 0;
  if (extra > 0) numSegments += extra;
  int margin = (size - segSize * numSegments) / 2;
  const TRect& b = bounds;
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetColor(backColor);
  if (horizontal) {
    canvas->Rectangle(b.Left - 1, b.Top, b.Left + margin + 1, b.Bottom + 1);
    canvas->Rectangle(b.Right - margin - 1, b.Top, b.Right + 1, b.Bottom + 1);
  } else {
    canvas->Rectangle(b.Left, b.Top, b.Right + 1, b.Top + margin + 1);
    canvas->Rectangle(b.Left, b.Bottom - margin - 1, b.Right + 1, b.Bottom + 1);
  }
  canvas->Pen()->SetColor(backColor);
  canvas->Pen()->SetStyle(psSolid);
  int lit = static_cast<int>(Trunc(percent * numSegments / 100.0));
  for (int i = 1; i <= numSegments; ++i) {
    canvas->Brush()->SetColor(i <= lit ? barColor : backColor);
    if (horizontal) {
      int o = (i - 1) * segSize + margin;
      canvas->Rectangle(b.Left + o, b.Top, b.Left + o + segSize, b.Bottom);
    } else {
      int o = (numSegments - i) * segSize + margin;
      canvas->Rectangle(b.Left, b.Top + o, b.Right, b.Top + o + segSize);
    }
  }
}

void DrawPercentBar(TCanvas* canvas, const TRect& bounds, TOrientation orientation, TColor barColor,
                    TColor backColor, Word percent, bool showPercent) {
  String text;
  if (showPercent) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%u%%", static_cast<unsigned>(percent));
    text = buffer;
  }
  const TRect& b = bounds;
  TRect filled = b, rest = b;
  if (percent < 100) {
    if (orientation == orVertical)
      filled.Top = b.Bottom - static_cast<int>(Round(b.Height() * percent / 100.0));
    else
      filled.Right = b.Left + static_cast<int>(Round(b.Width() * percent / 100.0));
  }
  if (orientation == orVertical) rest.Bottom = filled.Top;
  else rest.Left = filled.Right;
  ::SetTextAlign(canvas->Handle(), TA_CENTER);
  int x = b.Left + b.Width() / 2;
  int y = b.Top + (b.Height() - canvas->TextHeight("X")) / 2;
  canvas->Font()->SetColor(backColor);
  canvas->Brush()->SetColor(barColor);
  canvas->TextRect(filled, x, y, text);
  if (percent < 100) {
    canvas->Font()->SetColor(barColor);
    canvas->Brush()->SetColor(backColor);
    canvas->TextRect(rest, x, y, text);
  }
}

void DrawDropDownArrow(TCanvas* canvas, const TRect& bounds, TRzUIStyle uiStyle, bool down, bool enabled) {
  TColor color = ArrowColor(uiStyle, enabled);
  TPoint c = ArrowCentre(bounds);
  int x = c.X, y = c.Y + (uiStyle == uiWindowsXP ? 4 : 2);
  if (down) ++x, ++y;
  if (uiStyle == uiWindowsXP)
    FillArrow(canvas, color, {{x, y}, {x - 4, y - 5}, {x - 3, y - 7}, {x, y - 3}, {x + 3, y - 7}, {x + 5, y - 5}});
  else
    FillArrow(canvas, color, {{x, y}, {x - 3, y - 4}, {x + 4, y - 4}});
}

void DrawSpinArrow(TCanvas* canvas, const TRect& bounds, TRzUIStyle uiStyle, TDirection direction, bool down,
                   bool enabled) {
  TColor color = ArrowColor(uiStyle, enabled);
  TPoint c = ArrowCentre(bounds);
  int x = c.X, y = c.Y;
  bool xp = uiStyle == uiWindowsXP;
  switch (direction) {
    case dirUp: y += xp ? 4 : 2; break;
    case dirDown: y += 2; break;
    case dirLeft: x -= xp ? 1 : 2; break;
    case dirRight: x -= xp ? 3 : 2; break;
  }
  if (down && enabled) ++x, ++y;
  std::vector<TPoint> points;
  if (xp) {
    switch (direction) {
      case dirUp: points = {{x, y - 5}, {x + 4, y}, {x + 1, y}, {x, y - 2}, {x - 1, y}, {x - 4, y}}; break;
      case dirDown: points = {{x, y}, {x - 3, y - 4}, {x, y - 4}, {x, y - 3}, {x + 1, y - 4}, {x + 4, y - 4}}; break;
      case dirLeft: points = {{x, y}, {x + 4, y - 4}, {x + 4, y - 1}, {x + 3, y}, {x + 4, y + 1}, {x + 4, y + 4}}; break;
      case dirRight: points = {{x + 4, y}, {x, y + 4}, {x, y + 1}, {x + 1, y}, {x, y - 1}, {x, y - 4}}; break;
    }
  } else {
    switch (direction) {
      case dirUp: points = {{x, y - 5}, {x + 4, y}, {x - 4, y}}; break;
      case dirDown: points = {{x, y + 1}, {x - 3, y - 3}, {x + 4, y - 3}}; break;
      case dirLeft: points = {{x, y}, {x + 4, y - 4}, {x + 4, y + 4}}; break;
      case dirRight: points = {{x + 4, y}, {x, y + 4}, {x, y - 4}}; break;
    }
  }
  FillArrow(canvas, color, points);
}
