#include "framed/common/RzIndexedColors.h"

#include <typeinfo>

void TRzIndexedColors::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TRzIndexedColors*>(source);
  if (other && typeid(*other) == typeid(*this)) {
    for (int i = 0; i < Count(); ++i) SetColor(i, other->GetColor(i));
    return;
  }
  TPersistent::Assign(source);
}

TColor TRzIndexedColors::GetColor(int index) const { return index >= 0 && index < Count() ? colors_[index] : clNone; }

void TRzIndexedColors::SetColor(int index, TColor value) {
  if (index < 0 || index >= Count()) return;
  colors_[index] = value;
  if (control_) control_->Invalidate();
}
