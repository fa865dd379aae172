#include "framed/common/RzCommon_Borders.h"

#include "framed/common/RzCommon_Colors.h"

namespace {

struct TLinePairs {
  TColor OuterUL, OuterLR, InnerUL, InnerLR;
};

// Indexed by Lowered.
const TLinePairs kCtl3DColors[2] = {{cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
                                    {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight}};
const TLinePairs kButtonColors[2] = {{clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
                                     {clBtnText, clBtnText, clBtnShadow, clBtnShadow}};

TRect Shrink(const TRect& r, TSides sides, int by) {
  TRect result = r;
  if (HasSide(sides, sdLeft)) result.Left += by;
  if (HasSide(sides, sdTop)) result.Top += by;
  if (HasSide(sides, sdRight)) result.Right -= by;
  if (HasSide(sides, sdBottom)) result.Bottom -= by;
  return result;
}

TRect DrawPairs(TCanvas* canvas, const TRect& bounds, const TLinePairs& pairs, TSides sides) {
  TRect r = DrawBevel(canvas, bounds, pairs.OuterUL, pairs.OuterLR, 1, sides);
  return DrawBevel(canvas, r, pairs.InnerUL, pairs.InnerLR, 1, sides);
}

// The groove or bump: two line pairs one pixel apart, corners mended.
TRect DrawEtchedPair(TCanvas* canvas, const TRect& bounds, TColor ul, TColor lr, TSides sides) {
  TRect r = bounds;
  bool left = HasSide(sides, sdLeft), top = HasSide(sides, sdTop);
  bool right = HasSide(sides, sdRight), bottom = HasSide(sides, sdBottom);
  if (right) canvas->SetPixels(r.Right - 1, r.Top, lr);
  if (top && !right) canvas->SetPixels(r.Right - 1, r.Top, ul);
  if (bottom) canvas->SetPixels(r.Left, r.Bottom - 1, lr);
  if (left && !bottom) canvas->SetPixels(r.Left, r.Bottom - 1, ul);
  if (top && !left) canvas->SetPixels(r.Left, r.Top + 1, lr);
  if (!top && left) canvas->SetPixels(r.Left + 1, r.Top, lr);
  if (bottom && !right) canvas->SetPixels(r.Right - 1, r.Bottom - 2, ul);
  if (!bottom && right) canvas->SetPixels(r.Right - 2, r.Bottom - 1, ul);
  r.Left += 1;
  r.Top += 1;
  DrawSides(canvas, r, lr, lr, sides);
  r = Rect(r.Left - 1, r.Top - 1, r.Right - 1, r.Bottom - 1);
  DrawSides(canvas, r, ul, ul, sides);
  return Shrink(bounds, sides, 2);
}

// A 1-pixel ring on all four sides.
TRect Ring(TCanvas* canvas, const TRect& r, TColor color) { return DrawSides(canvas, r, color, color, sdAllSides); }

TRect DrawOuter(TCanvas* canvas, TRect r, const TInnerOuterBorders& b, TColor flat) {
  switch (b.BorderOuter) {
    case fsFlat: return DrawBevel(canvas, r, flat, flat, 1, b.BorderSides);
    case fsFlatBold: return DrawBevel(canvas, r, flat, flat, 2, b.BorderSides);
    case fsFlatRounded: {
      bool borderRing = b.BorderWidth > 0 || b.BorderInner != fsNone;
      if (!b.Transparent) {
        TRect inside = Ring(canvas, r, b.ParentColor);
        Ring(canvas, inside, borderRing ? b.BorderColor : b.Color);
      } else if (borderRing) {
        Ring(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), b.BorderColor);
      }
      return DrawRoundedFlatBorder(canvas, r, flat, b.BorderSides);
    }
    case fsPopup: return DrawBevel(canvas, r, b.BorderHighlight, b.BorderShadow, b.BevelWidth, b.BorderSides);
    case fsStatus: return DrawBevel(canvas, r, b.BorderShadow, b.BorderHighlight, b.BevelWidth, b.BorderSides);
    default: return DrawBorderSides(canvas, r, b.BorderOuter, b.BorderSides);
  }
}

TRect DrawSoftCornerFrame(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->MoveTo(r.Left, r.Top + 1);
  canvas->LineTo(r.Left, r.Bottom - 1);
  canvas->MoveTo(r.Left + 1, r.Top);
  canvas->LineTo(r.Right - 1, r.Top);
  canvas->MoveTo(r.Right - 1, r.Top + 1);
  canvas->LineTo(r.Right - 1, r.Bottom - 1);
  canvas->MoveTo(r.Left + 1, r.Bottom - 1);
  canvas->LineTo(r.Right - 1, r.Bottom - 1);
  return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

TRect DrawInner(TCanvas* canvas, TRect r, const TInnerOuterBorders& b, TColor flat) {
  switch (b.BorderInner) {
    case fsFlat:
      if (b.SoftCorners) return DrawSoftCornerFrame(canvas, r, flat);
      return DrawBevel(canvas, r, flat, flat, 1, b.BorderSides);
    case fsFlatBold: return DrawBevel(canvas, r, flat, flat, 2, b.BorderSides);
    case fsFlatRounded: {
      TRect inside = Ring(canvas, r, b.BorderColor);
      if (!b.Transparent) Ring(canvas, inside, b.Color);
      return DrawRoundedFlatBorder(canvas, r, flat, b.BorderSides);
    }
    case fsPopup: return DrawBevel(canvas, r, b.BorderHighlight, b.BorderShadow, b.BevelWidth, b.BorderSides);
    case fsStatus: return DrawBevel(canvas, r, b.BorderShadow, b.BorderHighlight, b.BevelWidth, b.BorderSides);
    default: return DrawBorderSides(canvas, r, b.BorderInner, b.BorderSides);
  }
}

}  // namespace

int FrameStyleWidth(TFrameStyleEx style) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat:
    case fsStatus:
    case fsPopup: return 1;
    default: return 2;
  }
}

TRect DrawSides(TCanvas* canvas, const TRect& bounds, TColor ulColor, TColor lrColor, TSides sides) {
  const TRect& r = bounds;
  if (ulColor != clNone) {
    canvas->Pen()->SetColor(ulColor);
    if (HasSide(sides, sdLeft)) {
      canvas->MoveTo(r.Left, r.Top);
      canvas->LineTo(r.Left, r.Bottom);
    }
    if (HasSide(sides, sdTop)) {
      canvas->MoveTo(r.Left, r.Top);
      canvas->LineTo(r.Right, r.Top);
    }
  }
  if (lrColor != clNone) {
    canvas->Pen()->SetColor(lrColor);
    if (HasSide(sides, sdRight)) {
      canvas->MoveTo(r.Right - 1, r.Top);
      canvas->LineTo(r.Right - 1, r.Bottom);
    }
    if (HasSide(sides, sdBottom)) {
      canvas->MoveTo(r.Left, r.Bottom - 1);
      canvas->LineTo(r.Right, r.Bottom - 1);
    }
  }
  return Shrink(bounds, sides, 1);
}

TRect DrawBevel(TCanvas* canvas, const TRect& bounds, TColor ulColor, TColor lrColor, int width, TSides sides) {
  canvas->Pen()->SetWidth(1);
  TRect r = bounds;
  for (int i = 0; i < width; ++i) r = DrawSides(canvas, r, ulColor, lrColor, sides);
  return r;
}

TRect DrawCtl3DBorderSides(TCanvas* canvas, const TRect& bounds, bool lowered, TSides sides) {
  return DrawPairs(canvas, bounds, kCtl3DColors[lowered], sides);
}

TRect DrawCtl3DBorder(TCanvas* canvas, const TRect& bounds, bool lowered) {
  return DrawCtl3DBorderSides(canvas, bounds, lowered, sdAllSides);
}

TRect DrawButtonBorderSides(TCanvas* canvas, const TRect& bounds, bool lowered, TSides sides) {
  return DrawPairs(canvas, bounds, kButtonColors[lowered], sides);
}

TRect DrawButtonBorder(TCanvas* canvas, const TRect& bounds, bool lowered) {
  return DrawButtonBorderSides(canvas, bounds, lowered, sdAllSides);
}

TRect DrawColorButtonBorderSides(TCanvas* canvas, const TRect& bounds, TColor color, bool lowered, TSides sides) {
  TLinePairs pairs = lowered ? TLinePairs{DarkerColor(color, 100), DarkerColor(color, 100), DarkerColor(color, 50),
                                          DarkerColor(color, 50)}
                             : TLinePairs{LighterColor(color, 100), DarkerColor(color, 100),
                                          LighterColor(color, 40), DarkerColor(color, 50)};
  TRect r = DrawSides(canvas, bounds, pairs.OuterUL, pairs.OuterLR, sides);
  return DrawSides(canvas, r, pairs.InnerUL, pairs.InnerLR, sides);
}

TRect DrawColorButtonBorder(TCanvas* canvas, const TRect& bounds, TColor color, bool lowered) {
  return DrawColorButtonBorderSides(canvas, bounds, color, lowered, sdAllSides);
}

TRect DrawBorderSides(TCanvas* canvas, const TRect& bounds, TFrameStyleEx style, TSides sides) {
  switch (style) {
    case fsNone: return bounds;
    case fsFlat:
    case fsStatus:
    case fsPopup: return DrawSides(canvas, bounds, ULFrameColor[style], LRFrameColor[style], sides);
    case fsFlatBold: return DrawBevel(canvas, bounds, ULFrameColor[style], LRFrameColor[style], 2, sides);
    case fsLowered:
    case fsRaised: return DrawCtl3DBorderSides(canvas, bounds, style == fsLowered, sides);
    case fsButtonDown:
    case fsButtonUp: return DrawButtonBorderSides(canvas, bounds, style == fsButtonDown, sides);
    case fsGroove:
    case fsBump: return DrawEtchedPair(canvas, bounds, ULFrameColor[style], LRFrameColor[style], sides);
    case fsFlatRounded:  // no table entry: etched in the groove's colours
      return DrawEtchedPair(canvas, bounds, ULFrameColor[fsGroove], LRFrameColor[fsGroove], sides);
  }
  return bounds;
}

TRect DrawBorder(TCanvas* canvas, const TRect& bounds, TFrameStyleEx style) {
  return DrawBorderSides(canvas, bounds, style, sdAllSides);
}

TRect DrawColorBorderSides(TCanvas* canvas, const TRect& bounds, TColor color, TFrameStyleEx style, TSides sides) {
  auto d = [color](int amount) { return DarkerColor(color, amount); };
  auto l = [color](int amount) { return LighterColor(color, amount); };
  switch (style) {
    case fsNone: return bounds;
    case fsFlat: return DrawSides(canvas, bounds, d(50), d(50), sides);
    case fsStatus: return DrawSides(canvas, bounds, d(50), l(100), sides);
    case fsPopup: return DrawSides(canvas, bounds, l(100), d(50), sides);
    case fsFlatBold: return DrawBevel(canvas, bounds, d(50), d(50), 2, sides);
    case fsLowered: return DrawPairs(canvas, bounds, {d(50), l(100), d(100), l(50)}, sides);
    case fsRaised: return DrawPairs(canvas, bounds, {l(50), d(100), l(100), d(50)}, sides);
    case fsButtonDown:
    case fsButtonUp: return DrawColorButtonBorderSides(canvas, bounds, color, style == fsButtonDown, sides);
    case fsGroove: return DrawEtchedPair(canvas, bounds, d(50), l(100), sides);
    case fsBump:
    case fsFlatRounded: return DrawEtchedPair(canvas, bounds, l(100), d(50), sides);
  }
  return bounds;
}

TRect DrawColorBorder(TCanvas* canvas, const TRect& bounds, TColor color, TFrameStyleEx style) {
  return DrawColorBorderSides(canvas, bounds, color, style, sdAllSides);
}

TRect DrawRoundedFlatBorder(TCanvas* canvas, const TRect& bounds, TColor color, TSides sides) {
  const TRect& r = bounds;
  bool left = HasSide(sides, sdLeft), top = HasSide(sides, sdTop);
  bool right = HasSide(sides, sdRight), bottom = HasSide(sides, sdBottom);
  int y1 = top ? r.Top + 2 : r.Top, y2 = bottom ? r.Bottom - 2 : r.Bottom;
  int x1 = left ? r.Left + 2 : r.Left, x2 = right ? r.Right - 2 : r.Right;
  canvas->Pen()->SetColor(color);
  if (left) canvas->MoveTo(r.Left, y1), canvas->LineTo(r.Left, y2);
  if (top) canvas->MoveTo(x1, r.Top), canvas->LineTo(x2, r.Top);
  if (right) canvas->MoveTo(r.Right - 1, y1), canvas->LineTo(r.Right - 1, y2);
  if (bottom) canvas->MoveTo(x1, r.Bottom - 1), canvas->LineTo(x2, r.Bottom - 1);
  if (left && top) canvas->SetPixels(r.Left + 1, r.Top + 1, color);
  if (top && right) canvas->SetPixels(r.Right - 2, r.Top + 1, color);
  if (right && bottom) canvas->SetPixels(r.Right - 2, r.Bottom - 2, color);
  if (bottom && left) canvas->SetPixels(r.Left + 1, r.Bottom - 2, color);
  return Shrink(bounds, sides, 2);
}

TRect DrawInnerOuterBorders(TCanvas* canvas, const TRect& bounds, const TInnerOuterBorders& borders) {
  TColor flat = AdjustColor(borders.FlatColor, borders.FlatColorAdjustment);
  TRect r = DrawOuter(canvas, bounds, borders, flat);
  if (borders.BorderWidth > 0)
    r = DrawBevel(canvas, r, borders.BorderColor, borders.BorderColor, borders.BorderWidth, borders.BorderSides);
  return DrawInner(canvas, r, borders, flat);
}

void DrawFrame(TCanvas* canvas, int width, int height, TFrameStyle style, TColor color, TColor frameColor,
               TSides frameSides, bool skipErase) {
  TRect r = Rect(0, 0, width, height);
  if (!skipErase) DrawBevel(canvas, r, color, color, 2, sdAllSides);
  if (style == fsFlat)
    DrawSides(canvas, r, frameColor, frameColor, frameSides);
  else if (style == fsFlatBold)
    DrawBevel(canvas, r, frameColor, frameColor, 2, frameSides);
  else if (color == clWindow)
    DrawBorderSides(canvas, r, style, frameSides);
  else
    DrawColorBorderSides(canvas, r, color, style, frameSides);
}

TRect DrawFocusBorder(TCanvas* canvas, const TRect& bounds) {
  const TRect& r = bounds;
  for (int y = r.Top + 1; y < r.Bottom; y += 2) {
    canvas->SetPixels(r.Left, y, clBlack);
    canvas->SetPixels(r.Right - 1, y, clBlack);
  }
  for (int x = r.Left + 1; x < r.Right; x += 2) {
    canvas->SetPixels(x, r.Top, clBlack);
    canvas->SetPixels(x, r.Bottom - 1, clBlack);
  }
  return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}
