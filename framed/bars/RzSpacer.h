// TRzSpacer: a small windowless control that keeps a gap between tool-bar
// controls, drawn as a groove when asked.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/GraphicControl.h"

class TRzSpacer : public TGraphicControl {
public:
  explicit TRzSpacer(TComponent* owner);

  bool Grooved() const { return grooved_; }
  virtual void SetGrooved(bool value);
  TOrientation Orientation() const { return orientation_; }
  // Exchanges Width and Height, except while the spacer is being loaded.
  virtual void SetOrientation(TOrientation value);

protected:
  void RequestAlign() override;
  void Paint() override;

private:
  bool grooved_ = false;
  TOrientation orientation_ = orHorizontal;
};
