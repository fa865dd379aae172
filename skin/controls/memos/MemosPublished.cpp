// The published properties of the two skinned memos.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/memos/SkinMemo.h"
#include "skin/controls/memos/SkinMemo2.h"

namespace {

template <class T>
TPublishedBuilder<T> PublishMemoCommon() {
  auto builder = PublishClass<T, TMemo>();
  builder.Default("ScrollBars", ssBoth)
      .Object("DefaultFont", &T::DefaultFont)
      .Bool("UseSkinFont", &T::UseSkinFont, &T::UseSkinFont, true)
      .Bool("UseSkinFontColor", &T::UseSkinFontColor, &T::UseSkinFontColor, true)
      .template Component<TspSkinScrollBar>("VScrollBar", &T::VScrollBar, &T::SetVScrollBar)
      .template Component<TspSkinScrollBar>("HScrollBar", &T::HScrollBar, &T::SetHScrollBar)
      .template Component<TspSkinData>("SkinData", &T::SkinData, &T::SetSkinData)
      .Str("SkinDataName", &T::SkinDataName, &T::SkinDataName, "memo")
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseLeave", &T::OnMouseLeave);
  return builder;
}

}  // namespace

void PublishSkinMemosPeriphery() {
  using M = TspSkinMemo;
  PublishMemoCommon<M>()
      .Bool("BitMapBG", &M::BitMapBG, &M::SetBitMapBG, true)
      .Bool("Transparent", &M::Transparent, &M::SetAlphaBlend, false)
      .Integer("AlphaBlendValue", &M::AlphaBlendValue, &M::SetAlphaBlendValue, 0)
      .Bool("ReadOnly", &M::ReadOnly, &M::SetReadOnly, false);
  PublishMemoCommon<TspSkinMemo2>();
}
