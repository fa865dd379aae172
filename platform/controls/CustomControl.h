// TCustomControl: a windowed control that paints its own window on a canvas.
#pragma once

#include <memory>

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"

class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

protected:
  void WMPaint(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}

private:
  std::unique_ptr<TControlCanvas> canvas_;
};
