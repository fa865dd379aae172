#include "framed/bars/RzSplitBar.h"

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Borders.h"

void CreateMaskBitmap(TBitmap* bitmap) {
  bitmap->SetSize(8, 8);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, 8, 8));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1) canvas->SetPixels(x, y, clBlack);
}

void DrawMaskOnScreen(TBitmap* mask, const TRect& r) {
  HDC dc = ::GetDC(nullptr);
  HBRUSH brush = ::CreatePatternBrush(mask->Handle());
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  ::PatBlt(dc, r.Left, r.Top, r.Width(), r.Height(), PATINVERT);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(brush);
  ::ReleaseDC(nullptr, dc);
}

TRzSplitCursors::TRzSplitCursors() {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  horz_ = ::LoadCursorA(module, "RZSPLIT_HORZ");
  horzHotSpot_ = ::LoadCursorA(module, "RZSPLIT_HORZHOTSPOT");
  vert_ = ::LoadCursorA(module, "RZSPLIT_VERT");
  vertHotSpot_ = ::LoadCursorA(module, "RZSPLIT_VERTHOTSPOT");
}

TRzSplitCursors::~TRzSplitCursors() {
  for (HCURSOR cursor : {horz_, horzHotSpot_, vert_, vertHotSpot_})
    if (cursor) ::DestroyCursor(cursor);
}

HCURSOR TRzSplitCursors::For(bool vertical, bool overHotSpot) const {
  if (vertical) return overHotSpot ? vertHotSpot_ : vert_;
  return overHotSpot ? horzHotSpot_ : horz_;
}

void DrawBarStrips(TCanvas* canvas, const TRect& bar, bool across, TSplitterStyle style) {
  const TFrameStyleEx look = style == ssBump ? fsPopup : fsStatus;
  TRect first;
  if (across) {
    const int m = bar.Top + bar.Height() / 2;
    first = Rect(bar.Left, m - 3, bar.Right, m);
  } else {
    const int m = bar.Left + bar.Width() / 2;
    first = Rect(m - 3, bar.Top, m, bar.Bottom);
  }
  TRect second = first;
  if (across)
    OffsetRect(second, 0, 3);
  else
    OffsetRect(second, 3, 0);
  DrawBorder(canvas, first, look);
  DrawBorder(canvas, second, look);
}
