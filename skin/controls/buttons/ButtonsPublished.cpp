// The published properties of the speed buttons, the graphic button with its
// pickers and the XForm button, so form definitions create them.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/buttons/SkinGraphicButton.h"
#include "skin/menus/SkinHint.h"

namespace {

const TEnumNames kButtonLayouts{"TspButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumNames kTrackPositions{"TspTrackPosition", {"sptpRight", "sptpBottom"}};

void PublishSpeedButtons() {
  using S = TspSkinSpeedButton;
  PublishClass<S, TspGraphicSkinCustomControl>()
      .Default("Width", 25)
      .Default("Height", 25)
      .Default("SkinDataName", "toolbutton")
      .Component<TCustomImageList>("ImageList", &S::ImageList, &S::SetImageList)
      .Integer("ImageIndex", &S::ImageIndex, &S::SetImageIndex, 0)
      .Bool("UseSkinSize", &S::UseSkinSize, &S::UseSkinSize, true)
      .Bool("UseSkinFontColor", &S::UseSkinFontColor, &S::UseSkinFontColor, true)
      .Integer("WidthWithCaption", &S::WidthWithCaption, &S::WidthWithCaption, 0)
      .Integer("WidthWithoutCaption", &S::WidthWithoutCaption, &S::WidthWithoutCaption, 0)
      .Bool("RepeatMode", &S::RepeatMode, &S::RepeatMode, false)
      .Integer("RepeatInterval", &S::RepeatInterval, &S::RepeatInterval, 100)
      .Bool("Flat", &S::Flat, &S::SetFlat, false)
      .Bool("AllowAllUp", &S::AllowAllUp, &S::AllowAllUp, false)
      .Bool("Down", &S::Down, &S::SetDown, false)
      .Integer("GroupIndex", &S::GroupIndex, &S::GroupIndex, 0)
      .Bool("ShowCaption", &S::ShowCaption, &S::SetShowCaption, true)
      .Object("Glyph", &S::Glyph)
      .Integer("NumGlyphs", &S::NumGlyphs, &S::SetNumGlyphs, 1)
      .Integer("Margin", &S::Margin, &S::SetMargin, -1)
      // Stored default 4: a Spacing of 4 is not written and reads back as 1.
      .Integer("Spacing", &S::Spacing, &S::SetSpacing, 4)
      .Enum("Layout", kButtonLayouts, &S::Layout, &S::SetLayout, blGlyphLeft)
      .Event("OnClick", &S::OnClick);
  using M = TspSkinMenuSpeedButton;
  PublishClass<M, TspSkinSpeedButton>()
      .Default("SkinDataName", "toolmenubutton")
      .Bool("NewStyle", &M::NewStyle, &M::SetNewStyle, false)
      .Enum("TrackPosition", kTrackPositions, &M::TrackPosition, &M::SetTrackPosition, sptpRight)
      .Component<TspSkinImagesMenu>("SkinImagesMenu", &M::SkinImagesMenu, &M::SetSkinImagesMenu)
      .Bool("UseImagesMenuImage", &M::UseImagesMenuImage, &M::UseImagesMenuImage, false)
      .Bool("UseImagesMenuCaption", &M::UseImagesMenuCaption, &M::UseImagesMenuCaption, false)
      .Component<TPopupMenu>("SkinPopupMenu", &M::SkinPopupMenu, &M::SetSkinPopupMenu)
      .Bool("TrackButtonMode", &M::TrackButtonMode, &M::SetTrackButtonMode, false)
      .Event("OnShowTrackMenu", &M::OnShowTrackMenu)
      .Event("OnHideTrackMenu", &M::OnHideTrackMenu);
}

void PublishGraphicButtons() {
  using G = TspSkinGraphicButton;
  PublishClass<G, TspSkinMenuSpeedButton>()
      .Default("Width", 65)
      .Hide("SkinImagesMenu")
      .Default("UseImagesMenuImage", 1)
      .Integer("ItemIndex", &G::ItemIndex, &G::SetItemIndex, -1)
      .Component<TspSkinHint>("MenuSkinHint", &G::MenuSkinHint, &G::SetMenuSkinHint)
      .Bool("MenuShowHints", &G::MenuShowHints, &G::SetMenuShowHints, true)
      .Object("GraphicItems", &G::GraphicItems)
      .Bool("MenuUseSkinFont", &G::MenuUseSkinFont, &G::SetMenuUseSkinFont, true)
      .Object("MenuDefaultFont", &G::MenuDefaultFont)
      .Bool("MenuAlphaBlend", &G::MenuAlphaBlend, &G::SetMenuAlphaBlend, false)
      .Integer("MenuAlphaBlendValue", &G::MenuAlphaBlendValue, &G::SetMenuAlphaBlendValue, 200)
      .Bool("MenuAlphaBlendAnimation", &G::MenuAlphaBlendAnimation, &G::SetMenuAlphaBlendAnimation, false);
  // The pickers fill their grids themselves: their items are not written.
  auto picker = [](auto builder) { builder.Hide("GraphicItems").Default("ItemIndex", 0); };
  picker(PublishClass<TspSkinGradientStyleButton, G>());
  picker(PublishClass<TspSkinBrushStyleButton, G>());
  picker(PublishClass<TspSkinPenStyleButton, G>());
  picker(PublishClass<TspSkinPenWidthButton, G>());
  picker(PublishClass<TspSkinShadowStyleButton, G>());
  using X = TspSkinXFormButton;
  PublishClass<X, TspSkinButton>()
      .Default("CanFocused", 0)
      .Object("DefImage", &X::DefImage)
      .Object("DefActiveImage", &X::DefActiveImage)
      .Object("DefDownImage", &X::DefDownImage)
      .Object("DefMask", &X::DefMask)
      .Color("DefActiveFontColor", &X::DefActiveFontColor, &X::DefActiveFontColor, 0)
      .Color("DefDownFontColor", &X::DefDownFontColor, &X::DefDownFontColor, 0);
}

}  // namespace

void PublishSkinButtonsPeriphery() {
  PublishSpeedButtons();
  PublishGraphicButtons();
}
