// TGraphicControl: a windowless control, painted on its parent's window through the
// parent's WM_PAINT.
#pragma once

#include <memory>

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"

class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

protected:
  void Dispatch(TMessage& message) override;
  virtual void Paint() {}
  virtual void WMPaint(TMessage& message);

private:
  std::unique_ptr<TControlCanvas> canvas_;
};
