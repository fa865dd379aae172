// TControlCanvas: the canvas a control draws on.
#pragma once

#include <functional>

#include "platform/graphics/Canvas.h"

class TControl;

// A canvas on a control: a windowed control's own window, or the part of the
// parent's window that a windowless control covers (origin moved, clipped).
// The device context is taken on first drawing and given back by FreeHandle.
class TControlCanvas : public TCanvas {
public:
  ~TControlCanvas() override;
  // Gives back the device contexts that control canvases took outside painting
  // (the application does it whenever its message queue runs empty).
  static void FreeDeviceContexts();
  TControl* Control() const { return control_; }
  void SetControl(TControl* control);
  void FreeHandle();
  // Binds a device context the caller owns (a paint message's), with the origin
  // and clip already set; FreeHandle only unbinds it.
  void BindPaintDC(HDC dc);
  // Paints into a device context the caller owns (a paint or draw-item message's):
  // the canvas takes the control's font and colour, `paint` draws, and the
  // context is unbound and its state restored even when it throws.
  void PaintOn(HDC dc, const std::function<void()>& paint);

protected:
  void CreateHandle() override;

private:
  TControl* control_ = nullptr;  // borrowed: the control owns this canvas
  HDC ownDC_ = nullptr;
  HWND dcWindow_ = nullptr;
};
