// TspColorViewer, a swatch of one colour with a black frame, and
// TspEmptyControl, a container that paints nothing so only its children show.
#pragma once

#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmap.h"

class TspColorViewer : public TGraphicControl {
public:
  explicit TspColorViewer(TComponent* owner);
  TColor ColorValue() const { return colorValue_; }
  void SetColorValue(TColor value);

protected:
  void Paint() override;

private:
  TColor colorValue_ = 0;
};

class TspEmptyControl : public TCustomControl {
public:
  explicit TspEmptyControl(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }

protected:
  void Dispatch(TMessage& message) override;
  void Paint() override {}
};
