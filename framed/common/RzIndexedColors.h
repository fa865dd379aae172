// TRzIndexedColors: a fixed set of colours addressed by index, as the calendar
// and the clock face keep theirs; a change repaints the control that owns the set.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/controls/Control.h"

class TRzIndexedColors : public TPersistent {
public:
  ~TRzIndexedColors() override { control_ = nullptr; }
  // From a set of the same class only.
  void Assign(const TPersistent* source) override;
  // clNone outside the set; a colour outside it is not set.
  virtual TColor GetColor(int index) const;
  virtual void SetColor(int index, TColor value);
  int Count() const { return static_cast<int>(colors_.size()); }

protected:
  TRzIndexedColors(TControl* control, std::initializer_list<TColor> defaults)
      : control_(control), colors_(defaults) {}

private:
  TControl* control_;  // borrowed: the control that owns the set, repainted on a change (may be none)
  std::vector<TColor> colors_;
};
