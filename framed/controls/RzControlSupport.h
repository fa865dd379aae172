// What the framed controls share beside the drawing routines: joining a frame
// controller, the widths of the frame styles, text measured before a window
// exists and rectangles for the system calls.
//
// How a framed control joins the frame controller it names: it leaves the one it
// had, joins the new one and asks to be told when that one goes away.
#pragma once

#include "framed/common/RzCommon_Borders.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "framed/settings/RzCommon_FrameController.h"

inline void SwitchFrameController(TComponent* control, TRzFrameController*& current, TRzFrameController* next) {
  if (current == next) return;
  if (current) {
    current->RemoveControl(control);
    current->RemoveFreeNotification(control);
  }
  current = next;
  if (current) {
    current->AddControl(control);
    current->FreeNotification(control);
  }
}

// The extent of a text in a font, measured on the screen: a control measures
// before it has a window of its own.
inline TSize ScreenTextExtent(TFont* font, const String& text) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font->Handle());
  SIZE size = {};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  return TSize{size.cx, size.cy};
}

// The canvas's device context with the canvas's font selected, for the system's
// own text calls (the canvas selects its font only for its own drawing).
inline HDC FontDC(TCanvas* canvas) {
  canvas->TextExtent(String());
  return canvas->Handle();
}

// The text colour of a device context, system colours resolved.
inline void SetDCTextColor(HDC dc, TColor color) {
  const TColor rgb = ColorToRGB(color);
  ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
}

// A rectangle as the system's calls take it.
inline RECT WinRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

// The width a frame style takes from each framed side; fsStatus and fsPopup take
// the bevel width.
inline int FramedSideWidth(TFrameStyleEx style, int bevelWidth) {
  if (style == fsStatus || style == fsPopup) return bevelWidth;
  return FrameStyleWidth(style);
}
