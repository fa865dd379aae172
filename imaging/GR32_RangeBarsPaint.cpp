// Painting of the arrow bar: the default style through the scroll-bar theme when
// themes are in use and the classic frame controls otherwise, and the Mac style,
// drawn with the bar's own colours.
#include <algorithm>
#include <vector>

#include "imaging/GR32_RangeBars.h"
#include "imaging/GR32_System.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Colors.h"

namespace {

COLORREF Rgb(TColor c) { return COLORREF(ColorToRGB(c)); }

void Fill(HDC dc, const TRect& r, COLORREF colour) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const HBRUSH brush = ::CreateSolidBrush(colour);
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(dc, &rr, brush);
  ::DeleteObject(brush);
}

// The 8 x 8 checker pattern of two colours (a solid fill when they agree).
void FillChecker(HDC dc, const TRect& r, COLORREF a, COLORREF b) {
  if (a == b) return Fill(dc, r, a);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  struct {
    BITMAPINFOHEADER header;
    DWORD bits[64];
  } dib{};
  dib.header.biSize = sizeof(BITMAPINFOHEADER);
  dib.header.biWidth = 8;
  dib.header.biHeight = -8;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 32;
  dib.header.biCompression = BI_RGB;
  const auto bgr = [](COLORREF c) { return DWORD(GetRValue(c)) << 16 | DWORD(GetGValue(c)) << 8 | GetBValue(c); };
  for (int i = 0; i < 64; ++i) dib.bits[i] = ((i % 8 + i / 8) & 1) ? bgr(b) : bgr(a);
  const HBRUSH brush = ::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::FillRect(dc, &rr, brush);
  ::DeleteObject(brush);
}

void HLine(HDC dc, Integer x1, Integer x2, Integer y, COLORREF c) { Fill(dc, TRect{x1, y, x2, y + 1}, c); }
void VLine(HDC dc, Integer x, Integer y1, Integer y2, COLORREF c) { Fill(dc, TRect{x, y1, x + 1, y2}, c); }

// A frame on the sides named by bits: 1 left, 2 top, 4 right, 8 bottom.
void FrameSides(HDC dc, const TRect& r, COLORREF c, unsigned sides) {
  if (sides & 1) VLine(dc, r.Left, r.Top, r.Bottom, c);
  if (sides & 2) HLine(dc, r.Left, r.Right, r.Top, c);
  if (sides & 4) VLine(dc, r.Right - 1, r.Top, r.Bottom, c);
  if (sides & 8) HLine(dc, r.Left, r.Right, r.Bottom - 1, c);
}

// The sides away from the neighbour in `direction` (where the track or handle lies).
unsigned SidesAwayFrom(TRBDirection towards) {
  switch (towards) {
    case drLeft: return 2 | 4 | 8;
    case drUp: return 1 | 4 | 8;
    case drRight: return 1 | 2 | 8;
    default: return 1 | 2 | 4;
  }
}

TRect Shrunk(TRect r, unsigned sides) {
  if (sides & 1) ++r.Left;
  if (sides & 2) ++r.Top;
  if (sides & 4) --r.Right;
  if (sides & 8) --r.Bottom;
  return r;
}

void Edge3D(HDC dc, const TRect& r, COLORREF topLeft, COLORREF bottomRight) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  HLine(dc, r.Left, r.Right - 1, r.Top, topLeft);
  VLine(dc, r.Left, r.Top, r.Bottom - 1, topLeft);
  HLine(dc, r.Left, r.Right, r.Bottom - 1, bottomRight);
  VLine(dc, r.Right - 1, r.Top, r.Bottom, bottomRight);
}

COLORREF Shift(TColor c, int n) {
  const COLORREF rgb = Rgb(c);
  const auto ch = [n](int v) { return std::clamp(v + n, 0, 255); };
  return RGB(ch(GetRValue(rgb)), ch(GetGValue(rgb)), ch(GetBValue(rgb)));
}

COLORREF Mix(COLORREF a, COLORREF b, int w) {
  const auto ch = [w](int x, int y) { return (x * w + y * (255 - w)) >> 8; };
  return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
}

// A filled triangle centred in r, pointing in `direction`, moved by (dx, dy).
void Arrow(HDC dc, const TRect& r, TRBDirection direction, COLORREF c, int dx = 0, int dy = 0) {
  const int m = std::min(r.Width(), r.Height()) / 2;
  int h = 3 * m / 4 - 1;
  if (3 * m >= 4 && 3 * m <= 7) h = 1;
  if (h <= 0) return;
  const int cx = (r.Left + r.Right) / 2 + dx, cy = (r.Top + r.Bottom) / 2 + dy;
  std::vector<POINT> p;
  switch (direction) {
    case drLeft: p = {{cx - h / 2 - 1, cy}, {cx + h / 2, cy - h}, {cx + h / 2, cy + h}}; break;
    case drRight: p = {{cx + h / 2, cy}, {cx - h / 2 - 1, cy - h}, {cx - h / 2 - 1, cy + h}}; break;
    case drUp: p = {{cx, cy - h / 2 - 1}, {cx - h, cy + h / 2}, {cx + h, cy + h / 2}}; break;
    default: p = {{cx, cy + h / 2}, {cx - h, cy - h / 2 - 1}, {cx + h, cy - h / 2 - 1}}; break;
  }
  const HBRUSH brush = ::CreateSolidBrush(c);
  const HPEN pen = ::CreatePen(PS_SOLID, 1, c);
  const HGDIOBJ oldBrush = ::SelectObject(dc, brush), oldPen = ::SelectObject(dc, pen);
  ::Polygon(dc, p.data(), int(p.size()));
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(brush);
  ::DeleteObject(pen);
}

TRBDirection Opposite(TRBDirection d) { return TRBDirection((d + 2) % 4); }

}  // namespace

void TArrowBar::Paint() {
  const bool enabled = DrawEnabled();
  const TRBDirection first = Horizontal() ? drLeft : drUp, second = Horizontal() ? drRight : drDown;
  if (showArrows_) {
    DoDrawButton(GetZoneRect(zBtnPrev), first, dragZone_ == zBtnPrev, enabled, hotZone_ == zBtnPrev);
    DoDrawButton(GetZoneRect(zBtnNext), second, dragZone_ == zBtnNext, enabled, hotZone_ == zBtnNext);
  }
  DoDrawTrack(GetZoneRect(zTrackPrev), first, dragZone_ == zTrackPrev, enabled, hotZone_ == zTrackPrev);
  DoDrawTrack(GetZoneRect(zTrackNext), second, dragZone_ == zTrackNext, enabled, hotZone_ == zTrackNext);
  const TRect handle = GetHandleRect();
  if (enabled && !IsRectEmpty(handle)) DoDrawHandle(handle, Horizontal(), dragZone_ == zHandle, hotZone_ == zHandle);
}

void TArrowBar::PaintDefault(HDC dc, TRect r, Integer part, Integer state) {
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  DrawThemeBackground(SCROLLBAR_THEME, dc, part, state, &rr, nullptr);
}

void TArrowBar::DoDrawButton(TRect r, TRBDirection direction, bool pushed, bool enabled, bool hot) {
  const HDC dc = Canvas()->Handle();
  if (style_ == rbsMac) return DrawMacButton(dc, r, direction, pushed, enabled);
  if (USE_THEMES) {
    static const Integer kBase[4] = {9, 1, 13, 5};
    return PaintDefault(dc, r, 1, kBase[direction] + (!enabled ? 3 : pushed ? 2 : hot ? 1 : 0));
  }
  static const UINT kArrow[4] = {DFCS_SCROLLLEFT, DFCS_SCROLLUP, DFCS_SCROLLRIGHT, DFCS_SCROLLDOWN};
  UINT flags = kArrow[direction];
  if (!DrawEnabled()) flags |= DFCS_INACTIVE;
  if (pushed) flags |= DFCS_PUSHED | DFCS_FLAT;
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  ::DrawFrameControl(dc, &rr, DFC_SCROLL, flags);
}

void TArrowBar::DoDrawHandle(TRect r, bool horz, bool pushed, bool hot) {
  const HDC dc = Canvas()->Handle();
  if (style_ == rbsMac) return DrawMacHandle(dc, r, horz, pushed);
  if (USE_THEMES) {
    PaintDefault(dc, r, horz ? 2 : 3, !Enabled() ? 4 : pushed ? 3 : hot ? 2 : 1);
    if (showHandleGrip_) PaintDefault(dc, r, horz ? 8 : 9, 0);
    return;
  }
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  ::DrawEdge(dc, &rr, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void TArrowBar::DoDrawTrack(TRect r, TRBDirection direction, bool pushed, bool enabled, bool hot) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const HDC dc = Canvas()->Handle();
  if (style_ == rbsMac) return DrawMacTrack(dc, r, direction, pushed, enabled);
  if (USE_THEMES) {
    static const Integer kPart[4] = {4, 6, 5, 7};
    return PaintDefault(dc, r, kPart[direction], pushed ? 3 : 1);
  }
  if (pushed) return Fill(dc, r, Rgb(clWindowFrame));
  FillChecker(dc, r, Rgb(clBtnHighlight), Rgb(Color()));
}

// ---- Mac style

void TArrowBar::DrawMacButton(HDC dc, TRect r, TRBDirection direction, bool pushed, bool enabled) {
  const unsigned sides = SidesAwayFrom(Opposite(direction));
  FrameSides(dc, r, Rgb(enabled ? borderColor_ : shadowColor_), sides);
  TRect inner = Shrunk(r, sides);
  if (!enabled) {
    Fill(dc, inner, Rgb(buttonColor_));
    Arrow(dc, inner, direction, Rgb(highLightColor_), 1, 1);
    return Arrow(dc, inner, direction, Rgb(shadowColor_));
  }
  if (pushed) {
    Fill(dc, inner, Rgb(buttonColor_));
    return Arrow(dc, inner, direction, Rgb(borderColor_), 1, 1);
  }
  Edge3D(dc, inner, Rgb(highLightColor_), Rgb(shadowColor_));
  Fill(dc, TRect{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1}, Rgb(buttonColor_));
  Arrow(dc, inner, direction, Rgb(borderColor_));
}

void TArrowBar::DrawMacTrack(HDC dc, TRect r, TRBDirection direction, bool pushed, bool enabled) {
  // The handle lies on the side opposite the track's direction.
  const unsigned sides = SidesAwayFrom(Opposite(direction));
  FrameSides(dc, r, Rgb(DrawEnabled() ? borderColor_ : shadowColor_), sides);
  TRect inner = Shrunk(r, sides);
  if (pushed) return Fill(dc, inner, Rgb(borderColor_));
  if (inner.Width() <= 0 || inner.Height() <= 0) return;
  if (!DrawEnabled()) return Fill(dc, inner, Rgb(buttonColor_));
  const COLORREF shadow = Mix(Rgb(borderColor_), Mix(Rgb(highLightColor_), Rgb(Color()), 127), 32);
  const bool left = direction != drRight, top = direction != drDown;
  if (left) VLine(dc, inner.Left, inner.Top, inner.Bottom, shadow);
  if (top) HLine(dc, inner.Left, inner.Right, inner.Top, shadow);
  const TRect rest{inner.Left + (left ? 1 : 0), inner.Top + (top ? 1 : 0), inner.Right, inner.Bottom};
  if (backgnd_ == bgSolid) Fill(dc, rest, Rgb(Color()));
  else FillChecker(dc, rest, Rgb(highLightColor_), Rgb(Color()));
}

void TArrowBar::DrawMacHandle(HDC dc, TRect r, bool horz, bool pushed) {
  FrameSides(dc, r, Rgb(borderColor_), 1 | 2 | 4 | 8);
  const TRect inner{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  const COLORREF light = Shift(handleColor_, pushed ? -24 : 24);
  const COLORREF dark = pushed ? Rgb(handleColor_) : Mix(Rgb(borderColor_), Rgb(handleColor_), 96);
  Edge3D(dc, inner, light, dark);
  Fill(dc, TRect{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1}, Rgb(handleColor_));
  if (!showHandleGrip_) return;
  const Integer length = horz ? r.Width() : r.Height();
  const Integer marks = length > 10 ? 4 : 3;
  const Integer shift = pushed ? 1 : 0;
  const Integer cx = (r.Left + r.Right) / 2 + shift, cy = (r.Top + r.Bottom) / 2 + shift;
  for (Integer i = 0; i < marks; ++i) {
    const Integer offset = (i - (marks - 1) / 2) * 3 - ((marks % 2) == 0 ? 1 : 0);
    const Integer x = horz ? cx + offset : cx - 2, y = horz ? cy - 2 : cy + offset;
    const TRect mark = horz ? TRect{x, y, x + 2, y + 5} : TRect{x, y, x + 5, y + 2};
    Edge3D(dc, mark, Shift(handleColor_, 48), Mix(Rgb(borderColor_), Rgb(handleColor_), 96));
  }
}
