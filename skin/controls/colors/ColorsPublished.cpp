// The published properties of the colour grids, swatch, colour buttons and
// colour dialog, and of the track edit.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/colors/ColorViewer.h"
#include "skin/controls/colors/SkinColorButton.h"
#include "skin/controls/colors/SkinColorDialog.h"
#include "skin/controls/colors/SkinColorGrids.h"
#include "skin/controls/edits2/SkinTrackEdit.h"

namespace {

const TEnumNames kPopupKinds{"TspTrackBarPopupKind", {"tbpRight", "tbpLeft"}};

template <class B>
void PublishColorButton() {
  auto menu = [](B& b) { return b.PaletteMenu(); };
  PublishClass<B, TspSkinMenuSpeedButton>()
      .Hide("SkinImagesMenu")  // its own palette menu, made in code
      .Hide("SkinPopupMenu")
      .Color("AutoColor", &B::AutoColor, &B::AutoColor, 0)
      .Color("ColorValue", &B::GetColorValue, &B::SetColorValue, 0)
      .Bool("ShowAutoColor", &B::ShowAutoColor, &B::SetShowAutoColor, true)
      .Bool("ShowMoreColor", &B::ShowMoreColor, &B::SetShowMoreColor, true)
      .template Component<TspSkinColorDialog>("ColorDialog", &B::ColorDialog, &B::SetColorDialog)
      .Bool("MenuUseSkinFont", [menu](B& b) { return menu(b)->UseSkinFont; },
            [menu](B& b, bool v) { menu(b)->UseSkinFont = v; }, true)
      .Object("MenuDefaultFont", [menu](B& b) { return menu(b)->DefaultFont(); })
      .Bool("MenuAlphaBlend", [menu](B& b) { return menu(b)->AlphaBlend; },
            [menu](B& b, bool v) { menu(b)->AlphaBlend = v; }, false)
      .Integer("MenuAlphaBlendValue", [menu](B& b) { return static_cast<Integer>(menu(b)->AlphaBlendValue); },
               [menu](B& b, Integer v) { menu(b)->AlphaBlendValue = static_cast<Byte>(v); }, 200)
      .Bool("MenuAlphaBlendAnimation", [menu](B& b) { return menu(b)->AlphaBlendAnimation; },
            [menu](B& b, bool v) { menu(b)->AlphaBlendAnimation = v; }, false)
      .Event("OnChangeColor", &B::OnChangeColor);
}

}  // namespace

void PublishSkinColorsPeriphery() {
  using G = TspSkinColorGrid;
  PublishClass<G, TspSkinPanel>()
      .Color("ColorValue", &G::ColorValue, &G::SetColorValue, 0)
      .Integer("ColCount", &G::ColCount, &G::SetColCount, 12)
      .Integer("RowCount", &G::RowCount, &G::SetRowCount, 4)
      .Event("OnChange", &G::OnChange);
  using U = TspSkinCustomColorGrid;
  PublishClass<U, TspSkinPanel>()
      .Integer("ColCount", &U::ColCount, &U::SetColCount, 6)
      .Integer("RowCount", &U::RowCount, &U::SetRowCount, 2)
      .Event("OnChange", &U::OnChange);
  using V = TspColorViewer;
  PublishClass<V, TGraphicControl>().Color("ColorValue", &V::ColorValue, &V::SetColorValue, 0);
  PublishClass<TspEmptyControl, TCustomControl>();
  PublishColorButton<TspSkinColorButton>();
  PublishClass<TspSkinBrushColorButton, TspSkinColorButton>();
  PublishClass<TspSkinTextColorButton, TspSkinColorButton>();
  using D = TspSkinColorDialog;
  PublishClass<D, TComponent>()
      .Bool("GroupBoxTransparentMode", &D::GroupBoxTransparentMode, &D::GroupBoxTransparentMode, false)
      .Color("Color", &D::Color, &D::Color, 0)
      .Str("Caption", &D::Caption, &D::Caption, "Set color")
      .Bool("AlphaBlend", &D::AlphaBlend, &D::AlphaBlend, false)
      .Integer("AlphaBlendValue", &D::AlphaBlendValue, &D::AlphaBlendValue, 200)
      .Bool("AlphaBlendAnimation", &D::AlphaBlendAnimation, &D::AlphaBlendAnimation, false)
      .Component<TspSkinData>("SkinData", &D::SkinData, &D::SetSkinData)
      .Component<TspSkinData>("CtrlSkinData", &D::CtrlSkinData, &D::SetCtrlSkinData)
      .Str("ButtonSkinDataName", &D::ButtonSkinDataName, &D::ButtonSkinDataName, "button")
      .Str("LabelSkinDataName", &D::LabelSkinDataName, &D::LabelSkinDataName, "stdlabel")
      .Str("EditSkinDataName", &D::EditSkinDataName, &D::EditSkinDataName, "edit")
      .Object("DefaultLabelFont", &D::DefaultLabelFont)
      .Object("DefaultButtonFont", &D::DefaultButtonFont)
      .Object("DefaultEditFont", &D::DefaultEditFont)
      .Bool("UseSkinFont", &D::UseSkinFont, &D::UseSkinFont, true);
  using T = TspSkinTrackEdit;
  PublishClass<T, TspSkinEdit>()
      .Integer("MinValue", &T::MinValue, &T::MinValue, 0)
      .Integer("MaxValue", &T::MaxValue, &T::MaxValue, 100)
      .Integer("Value", &T::Value, &T::SetValue, 0)
      .Integer("Increment", &T::Increment, &T::Increment, 1)
      .Bool("SupportUpDownKeys", &T::SupportUpDownKeys, &T::SupportUpDownKeys, true)
      .Enum("PopupKind", kPopupKinds, &T::PopupKind, &T::PopupKind, tbpRight)
      .Integer("TrackBarWidth", &T::TrackBarWidth, &T::TrackBarWidth, 0)
      .Str("TrackBarSkinDataName", &T::TrackBarSkinDataName, &T::TrackBarSkinDataName, "htrackbar")
      .Bool("JumpWhenClick", &T::JumpWhenClick, &T::JumpWhenClick, false)
      .Bool("TrackBarAlphaBlend", &T::TrackBarAlphaBlend, &T::TrackBarAlphaBlend, false)
      .Integer("TrackBarAlphaBlendValue", &T::TrackBarAlphaBlendValue, &T::TrackBarAlphaBlendValue, 0)
      .Bool("TrackBarAlphaBlendAnimation", &T::TrackBarAlphaBlendAnimation, &T::TrackBarAlphaBlendAnimation, false);
}
