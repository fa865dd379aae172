// The default look of the small parts of the list and edit controls (arrow and
// caption buttons, thumbs, drop buttons) when no skin record applies: a 1-pixel
// frame and a fill by state.
#pragma once

#include "platform/graphics/Canvas.h"

enum class TspPartState { Normal, Hot, Pressed };

constexpr TColor SP_HotFill = 0xD2BDB6;
constexpr TColor SP_DownFill = 0xB59385;
constexpr TColor SP_PartFrame = 0x800000;  // navy

inline TspPartState PartState(bool hot, bool down) {
  return hot && down ? TspPartState::Pressed : hot ? TspPartState::Hot : TspPartState::Normal;
}

// Frame and fill of a part; at rest the frame is clBtnShadow, or none when
// `frameAtRest` is false (then the whole part is filled with clBtnFace).
inline void DrawDefaultPart(TCanvas* canvas, const TRect& r, TspPartState state, bool frameAtRest = true) {
  TRect inner = r;
  canvas->Brush()->SetStyle(bsSolid);
  if (state != TspPartState::Normal || frameAtRest) {
    canvas->Brush()->SetColor(state == TspPartState::Normal ? clBtnShadow : SP_PartFrame);
    canvas->FrameRect(r);
    inner = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  canvas->Brush()->SetColor(state == TspPartState::Pressed ? SP_DownFill
                            : state == TspPartState::Hot   ? SP_HotFill
                                                           : clBtnFace);
  canvas->FillRect(inner);
}
