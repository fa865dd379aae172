// The published properties of the skinned scroll box.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/boxes/SkinScrollBox.h"

namespace {

const TEnumNames kBorderStyles{"TspSkinBorderStyle", {"bvFrame", "bvRaised", "bvLowered", "bvNone"}};

}  // namespace

void PublishSkinBoxesPeriphery() {
  using B = TspSkinScrollBox;
  PublishClass<B, TspSkinCustomControl>()
      .Default("Color", clWindow)
      .Default("TabStop", Int64(0))
      .Component<TspSkinScrollBar>("HScrollBar", &B::HScrollBar, &B::SetHScrollBar)
      .Component<TspSkinScrollBar>("VScrollBar", &B::VScrollBar, &B::SetVScrollBar)
      .Enum("BorderStyle", kBorderStyles, &B::BorderStyle, &B::SetBorderStyle,
            static_cast<int>(TspSkinBorderStyle::bvFrame))
      .Bool("CanFocused", &B::CanFocused, &B::CanFocused, false);
}
