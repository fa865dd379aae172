// THintWindow: the small window that shows a hint; Application.HintWindowClass
// makes it.
#pragma once

#include "platform/controls/CustomControl.h"

// The small window that shows a hint; Application.HintWindowClass makes it.
class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* owner);
  // The rectangle (screen coordinates, origin 0, 0) the hint text needs.
  virtual TRect CalcHintRect(int maxWidth, const String& hint);
  // Shows the hint at `rect` (screen coordinates).
  virtual void ActivateHint(const TRect& rect, const String& hint);
  void ReleaseHandle() { DestroyHandle(); }

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
