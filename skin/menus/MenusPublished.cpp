#include "skin/menus/MenusPublished.h"

#include "platform/published/CorePublished.h"
#include "platform/published/MenusPublished.h"
#include "platform/published/Published.h"
#include "skin/data/SkinDataPublished.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinPopupMenu.h"

void PublishSkinMenuClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishMenuClasses();
  PublishSkinDataClasses();

  PublishClass<TspSkinPopupMenu, TPopupMenu>()
      .Component<TspSkinData>("SkinData", &TspSkinPopupMenu::SkinData, &TspSkinPopupMenu::SetSkinData)
      .Event("OnMenuClose", &TspSkinPopupMenu::OnMenuClose);
  PublishClass<TspSkinHint, TComponent>()
      .Event("OnShowHint", &TspSkinHint::OnShowHint)
      .Bool("Active", &TspSkinHint::Active, &TspSkinHint::SetActive)
      .NoDefault()
      .Component<TspSkinData>("SkinData", &TspSkinHint::SkinData, &TspSkinHint::SetSkinData)
      .Bool("AlphaBlendSupport", &TspSkinHint::AlphaBlendSupport, &TspSkinHint::SetAlphaBlendSupport)
      .NoDefault()
      .Object("DefaultFont", &TspSkinHint::DefaultFont)
      .Bool("UseSkinFont", &TspSkinHint::UseSkinFont, &TspSkinHint::UseSkinFont)
      .NoDefault()
      .Str("LineSeparator", &TspSkinHint::LineSeparator, &TspSkinHint::LineSeparator)
      .Bool("AlphaBlend", &TspSkinHint::AlphaBlend, &TspSkinHint::AlphaBlend)
      .NoDefault()
      .Integer("AlphaBlendValue", &TspSkinHint::AlphaBlendValue, &TspSkinHint::AlphaBlendValue)
      .NoDefault()
      .Bool("AlphaBlendAnimation", &TspSkinHint::AlphaBlendAnimation, &TspSkinHint::AlphaBlendAnimation)
      .NoDefault();
}
