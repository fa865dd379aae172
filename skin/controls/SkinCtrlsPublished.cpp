#include "platform/published/Published.h"
#include "platform/published/StdCtrlsPublished.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/data/SkinDataPublished.h"

namespace {

// The properties both pairs publish, in declaration order.
template <class C>
void PublishSkinnedProperties(TPublishedBuilder<C>& b) {
  b.Str("HintTitle", &C::HintTitle, &C::HintTitle)
      .Integer("HintImageIndex", &C::HintImageIndex, &C::HintImageIndex)
      .NoDefault()
      .template Component<TCustomImageList>("HintImageList", &C::HintImageList, &C::SetHintImageList)
      .Bool("DrawDefault", &C::DrawDefault, &C::DrawDefault)
      .NoDefault()
      .template Component<TspSkinData>("SkinData", &C::SkinData, &C::SetSkinData)
      .Str("AreaName", &C::AreaName, &C::AreaName);
}

template <class C>
void PublishBlendProperties(TPublishedBuilder<C>& b) {
  b.Event("OnMouseEnter", &C::OnMouseEnter)
      .Event("OnMouseLeave", &C::OnMouseLeave)
      .Bool("AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend)
      .NoDefault()
      .Integer("AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue)
      .NoDefault()
      .Bool("UseSkinCursor", &C::UseSkinCursor, &C::UseSkinCursor)
      .NoDefault();
}

template <class C>
void PublishCustomProperties(TPublishedBuilder<C>& b) {
  b.Object("DefaultFont", &C::DefaultFont)
      .Bool("UseSkinFont", &C::UseSkinFont, &C::UseSkinFont)
      .NoDefault()
      .Integer("DefaultWidth", &C::DefaultWidth, &C::SetDefaultWidth)
      .NoDefault()
      .Integer("DefaultHeight", &C::DefaultHeight, &C::SetDefaultHeight)
      .NoDefault();
}

}  // namespace

void PublishSkinControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishSkinDataClasses();
  PublishStdControlClasses();

  auto windowed = PublishClass<TspSkinControl, TCustomControl>();
  PublishSkinnedProperties(windowed);
  windowed.Str("SkinDataName", &TspSkinControl::SkinDataName, &TspSkinControl::SetSkinDataName);
  PublishBlendProperties(windowed);

  auto graphic = PublishClass<TspGraphicSkinControl, TGraphicControl>();
  PublishSkinnedProperties(graphic);
  graphic.Str("SkinDataName", &TspGraphicSkinControl::SkinDataName, &TspGraphicSkinControl::SkinDataName);
  PublishBlendProperties(graphic);

  auto custom = PublishClass<TspSkinCustomControl, TspSkinControl>();
  PublishCustomProperties(custom);
  auto graphicCustom = PublishClass<TspGraphicSkinCustomControl, TspGraphicSkinControl>();
  PublishCustomProperties(graphicCustom);
}
