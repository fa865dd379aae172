// How a framed control joins the frame controller it names: it leaves the one it
// had, joins the new one and asks to be told when that one goes away.
#pragma once

#include "framed/common/RzCommon_Borders.h"
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

// A rectangle as the system's calls take it.
inline RECT WinRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

// The width a frame style takes from each framed side; fsStatus and fsPopup take
// the bevel width.
inline int FramedSideWidth(TFrameStyleEx style, int bevelWidth) {
  if (style == fsStatus || style == fsPopup) return bevelWidth;
  return FrameStyleWidth(style);
}
