// The published properties of the images menu and its items.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinImagesMenu.h"

void PublishSkinImagesMenu() {
  using I = TspImagesMenuItem;
  PublishClass<I, TCollectionItem>()
      .Bool("Button", &I::Button, &I::Button, false)
      .Bool("Header", &I::Header, &I::Header, false)
      .Str("Caption", &I::Caption, &I::Caption)
      .Str("Hint", &I::Hint, &I::Hint)
      .Integer("ImageIndex", &I::ImageIndex, &I::ImageIndex, -1)
      .Event("OnClick", &I::OnClick);
  PublishClass<TspImagesMenuItems, TCollection>();
  using M = TspSkinImagesMenu;
  PublishClass<M, TComponent>()
      .Component<TCustomImageList>("Images", &M::Images, &M::SetImages)
      .Component<TspSkinHint>("SkinHint", &M::SkinHint, &M::SetSkinHint)
      .Bool("ShowHints", &M::ShowHints, &M::ShowHints, true)
      .Object("ImagesItems", &M::ImagesItems)
      .Integer("ItemIndex", &M::ItemIndex, &M::ItemIndex, -1)
      .Bool("UseSkinFont", &M::UseSkinFont, &M::UseSkinFont, true)
      .Object("DefaultFont", &M::DefaultFont)
      .Integer("ColumnsCount", &M::ColumnsCount, &M::SetColumnsCount, 1)
      .Component<TspSkinData>("SkinData", &M::SkinData, &M::SetSkinData)
      .Bool("ShowSelectedItem", &M::ShowSelectedItem, &M::ShowSelectedItem, true)
      .Bool("AlphaBlend", &M::AlphaBlend, &M::AlphaBlend, false)
      .Bool("AlphaBlendAnimation", &M::AlphaBlendAnimation, &M::AlphaBlendAnimation, false)
      .Integer("AlphaBlendValue", &M::AlphaBlendValue, &M::AlphaBlendValue, 200)
      .Event("OnItemClick", &M::OnItemClick)
      .Event("OnChange", &M::OnChange)
      .Event("OnMenuPopup", &M::OnMenuPopup)
      .Event("OnMenuClose", &M::OnMenuClose);
}
