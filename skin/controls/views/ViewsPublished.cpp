// The published properties of the skinned tree view and rich edit, and of the
// skinned control bar and cool bar.
#include "platform/published/BandsViewsPublished.h"
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"

void PublishSkinViewsPeriphery() {
  PublishBandsAndViewsClasses();
  using T = TspSkinCustomTreeView;
  PublishClass<T, TCustomTreeView>()
      .Component<TspSkinData>("SkinData", &T::SkinData, &T::SetSkinData)
      .Str("SkinDataName", &T::SkinDataName, &T::SkinDataName, "treeview")
      .Object("DefaultFont", &T::DefaultFont)
      .Color("DefaultColor", &T::DefaultColor, &T::SetDefaultColor, clWindow)
      .Bool("UseSkinFont", &T::UseSkinFont, &T::UseSkinFont, true)
      .Component<TspSkinScrollBar>("HScrollBar", &T::HScrollBar, &T::SetHScrollBar)
      .Component<TspSkinScrollBar>("VScrollBar", &T::VScrollBar, &T::SetVScrollBar);
  PublishClass<TspSkinTreeView, T>();
  using R = TspSkinRichEdit;
  PublishClass<R, TCustomRichEdit>()
      .Default("ScrollBars", ssBoth)
      .Bool("SkinSupport", &R::SkinSupport, &R::SkinSupport, false)
      .Component<TspSkinData>("SkinData", &R::SkinData, &R::SetSkinData)
      .Str("SkinDataName", &R::SkinDataName, &R::SkinDataName, "richedit")
      .Object("DefaultFont", &R::DefaultFont)
      .Color("DefaultColor", &R::DefaultColor, &R::SetDefaultColor, clWindow)
      .Component<TspSkinScrollBar>("HScrollBar", &R::HScrollBar, &R::SetHScrollBar)
      .Component<TspSkinScrollBar>("VScrollBar", &R::VScrollBar, &R::SetVScrollBar);
  using C = TspSkinControlBar;
  PublishClass<C, TCustomControlBar>()
      .Default("BevelKind", bkNone)
      .Str("SkinDataName", &C::SkinDataName, &C::SkinDataName, "controlbar")
      .Component<TspSkinData>("SkinData", &C::SkinData, &C::SetSkinData)
      .Bool("SkinBevel", &C::SkinBevel, &C::SetSkinBevel, false);
  using K = TspSkinCoolBar;
  PublishClass<K, TCoolBar>()
      .Str("SkinDataName", &K::SkinDataName, &K::SkinDataName, "controlbar")
      .Component<TspSkinData>("SkinData", &K::SkinData, &K::SetSkinData)
      .Bool("SkinBevel", &K::SkinBevel, &K::SetSkinBevel, true);
}
