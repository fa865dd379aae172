// The published properties of the skinned tab control.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/tabs/SkinTabControl.h"

void PublishSkinTabsPeriphery() {
  using T = TspSkinTabControl;
  PublishClass<T, TTabControl>()
      .Bool("ShowCloseButtons", &T::ShowCloseButtons, &T::SetShowCloseButtons)
      .Component<TCustomImageList>("Images", &T::Images, &T::SetImages)
      .Bool("TabsBGTransparent", &T::TabsBGTransparent, &T::SetTabsBGTransparent)
      .Object("DefaultFont", &T::DefaultFont)
      .Bool("UseSkinFont", &T::UseSkinFont, &T::UseSkinFont, true)
      .Integer("DefaultItemHeight", &T::DefaultItemHeight, &T::SetDefaultItemHeight, 20)
      .Component<TspSkinData>("SkinData", &T::SkinData, &T::SetSkinData)
      .Str("SkinDataName", &T::SkinDataName, &T::SkinDataName, "tab")
      .Event("OnClose", &T::OnClose)
      .Event("OnAfterClose", &T::OnAfterClose)
      .Event("OnDrawSkinTab", &T::OnDrawSkinTab);
}
