#include "framed/buttons/ButtonsPublished.h"

#include "framed/buttons/RzBitBtn.h"
#include "framed/buttons/RzButton.h"
#include "framed/buttons/RzMenuButton.h"
#include "framed/buttons/RzMenuToolbarButton.h"
#include "framed/buttons/RzRapidFireButton.h"
#include "framed/buttons/RzShapeButton.h"
#include "framed/buttons/RzSpinner.h"
#include "framed/buttons/RzToolButton.h"
#include "framed/buttons/RzToolbarButton.h"
#include "framed/controls/RzPublishedRows.h"
#include "platform/controls/Menus.h"
#include "platform/published/Filer.h"
#include "platform/published/Published.h"

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kKinds{"TBitBtnKind",
                        {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
                         "bkIgnore", "bkAll"}};
const TEnumNames kToolStyles{"TRzToolStyle", {"tsButton", "tsDropDown"}};
const TEnumNames kScrollStyles{"TRzScrollStyle", {"scsNone", "scsLeft", "scsUp", "scsRight", "scsDown"}};
const TEnumNames kCaptionPositions{"TRzCaptionPosition", {"cpCentered", "cpXY"}};
const TEnumNames kBorderStyles{"TBorderStyle", {"bsNone", "bsSingle"}};

// A button that drops a menu: the menu, its arrow and the event before it drops.
template <class M>
void PublishMenuDrop(TPublishedBuilder<M> builder) {
  builder.template Component<TPopupMenu>("DropDownMenu", &M::DropDownMenu, &M::SetDropDownMenu)
      .Bool("ShowArrow", &M::ShowArrow, &M::SetShowArrow, true)
      .Event("OnDropDown", &M::OnDropDown);
}

void PublishPushButtons() {
  using B = TRzButton;
  PublishClass<B, TCustomControl>()
      .Default("Color", clBtnFace)
      .Default("TabStop", 1)
      .Component<TBasicAction>("Action", &TControl::Action, &TControl::SetAction)
      .Enum("Alignment", AlignmentNames(), &B::Alignment, &B::SetAlignment, taCenter)
      .Enum("AlignmentVertical", AlignmentVerticalNames(), &B::AlignmentVertical, &B::SetAlignmentVertical, avCenter)
      .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false)
      .Bool("Cancel", &B::Cancel, &B::SetCancel, false)
      .Bool("Default", &B::Default, &B::SetDefault, false)
      .Bool("DropDownOnEnter", &B::DropDownOnEnter, &B::DropDownOnEnter, true)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
      .Bool("Down", &B::Down, &B::SetDown, false)
      .Integer("ModalResult", &B::ModalResult, &B::SetModalResult, 0)
      .Bool("ShowDownPattern", &B::ShowDownPattern, &B::SetShowDownPattern, true)
      .Bool("ShowFocusRect", &B::ShowFocusRect, &B::SetShowFocusRect, true)
      .Color("HighlightColor", &B::HighlightColor, &B::SetHighlightColor, clHighlight)
      .Bool("HotTrack", &B::HotTrack, &B::SetHotTrack, false)
      .Color("HotTrackColor", &B::HotTrackColor, &B::HotTrackColor, clHighlight)
      .Enum("HotTrackColorType", HotTrackColorTypeNames(), &B::HotTrackColorType, &B::HotTrackColorType, htctComplement)
      .Bool("LightTextStyle", &B::LightTextStyle, &B::SetLightTextStyle, false)
      .Color("TextHighlightColor", &B::TextHighlightColor, &B::SetTextHighlightColor, clBtnHighlight)
      .Color("TextShadowColor", &B::TextShadowColor, &B::SetTextShadowColor, clBtnShadow)
      .Integer("TextShadowDepth", &B::TextShadowDepth, &B::SetTextShadowDepth, 2)
      .Enum("TextStyle", TextStyleNames(), &B::TextStyle, &B::SetTextStyle, tsNormal)
      .Bool("ThemeAware", &B::ThemeAware, &B::SetThemeAware, true)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseLeave", &B::OnMouseLeave);
  RzRows::DragExtras(PublishClass<B, TCustomControl>());

  using Bit = TRzBitBtn;
  auto custom = [](Bit& b) { return b.KindIsCustom(); };
  PublishClass<Bit, B>()
      .Bool("Cancel", &B::Cancel, &B::SetCancel, false)
      .StoredWhen(custom)
      .Str("Caption", &TControl::Caption, &TControl::SetCaption)
      .StoredWhen([](Bit& b) { return b.CaptionStored(); })
      .Bool("Default", &B::Default, &B::SetDefault, false)
      .StoredWhen(custom)
      .Object("Glyph", &Bit::Glyph)
      .StoredWhen([](Bit& b) { return b.KindIsCustom() && !b.Glyph()->Empty(); })
      .Integer("DisabledIndex", &Bit::DisabledIndex, &Bit::SetDisabledIndex, -1)
      .Integer("ImageIndex", &Bit::ImageIndex, &Bit::SetImageIndex, -1)
      .Component<TCustomImageList>("Images", &Bit::Images, &Bit::SetImages)
      .Enum("Kind", kKinds, &Bit::GetKind, &Bit::SetKind, bkCustom)
      .Enum("Layout", ButtonLayoutNames(), &Bit::Layout, &Bit::SetLayout, blGlyphLeft)
      .Integer("Margin", &Bit::Margin, &Bit::SetMargin, 2)
      .Integer("ModalResult", &B::ModalResult, &B::SetModalResult, 0)
      .StoredWhen(custom)
      .Integer("NumGlyphs", &Bit::NumGlyphs, &Bit::SetNumGlyphs, 1)
      .StoredWhen(custom)
      .Integer("Spacing", &Bit::Spacing, &Bit::SetSpacing, 4);

  PublishMenuDrop(PublishClass<TRzMenuButton, Bit>());
}

void PublishSpeedButtons() {
  using T = TRzToolbarButton;
  PublishClass<T, TSpeedButton>()
      .Default("Flat", 1)
      .Object("HotGlyph", &T::HotGlyph)
      .StoredWhen([](T& b) { return !b.HotGlyph()->Empty(); })
      .Integer("HotNumGlyphs", &T::HotNumGlyphs, &T::SetHotNumGlyphs, 1)
      .Bool("IgnoreActionCaption", &T::IgnoreActionCaption, &T::IgnoreActionCaption, false)
      .Str("Caption", &T::GetCaption, &T::SetCaption)
      .Bool("ShowCaption", &T::ShowCaption, &T::SetShowCaption, true)
      .Bool("UseHotGlyph", &T::UseHotGlyph, &T::UseHotGlyph, false)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseLeave", &T::OnMouseLeave);
  RzRows::DragExtras(PublishClass<T, TSpeedButton>());

  PublishMenuDrop(PublishClass<TRzMenuToolbarButton, T>().Default("Margin", 2));

  using R = TRzRapidFireButton;
  PublishClass<R, TSpeedButton>()
      .Object("Glyph", &TSpeedButton::Glyph)
      .StoredWhen([](R& b) { return b.ScrollStyle() == scsNone && !b.Glyph()->Empty(); })
      .Integer("Delay", &R::Delay, &R::Delay, 100)
      .Integer("InitialDelay", &R::InitialDelay, &R::InitialDelay, 400)
      .Enum("ScrollStyle", kScrollStyles, &R::ScrollStyle, &R::SetScrollStyle, scsNone);
}

void PublishToolButton() {
  using T = TRzToolButton;
  auto sizeStored = [](T& b) { return b.IsSizeStored(); };
  PublishClass<T, TGraphicControl>()
      .Default("Color", clBtnFace)
      .Integer("Width", &T::GetWidth, &T::SetWidthProp, 25)
      .StoredWhen(sizeStored)
      .Integer("Height", &T::GetHeight, &T::SetHeightProp, 25)
      .StoredWhen(sizeStored)
      .Component<TBasicAction>("Action", &TControl::Action, &TControl::SetAction)
      .Bool("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp, false)
      .Color("FrameColor", &T::FrameColor, &T::SetFrameColor, cl3DDkShadow)
      .Integer("DisabledIndex", &T::DisabledIndex, &T::SetDisabledIndex, -1)
      .Integer("DownIndex", &T::DownIndex, &T::SetDownIndex, -1)
      .Integer("HotIndex", &T::HotIndex, &T::SetHotIndex, -1)
      .Bool("GradientColorDefault", &T::GradientColorDefault, &T::SetGradientColorDefault, true)
      .Color("GradientColorStart", &T::GradientColorStart, &T::SetGradientColorStart, clBtnFace)
      .Color("GradientColorStop", &T::GradientColorStop, &T::SetGradientColorStop, clBtnShadow)
      .Enum("ToolStyle", kToolStyles, &T::ToolStyle, &T::SetToolStyle, tsButton)
      .Integer("GroupIndex", &T::GroupIndex, &T::SetGroupIndex, 0)
      .Bool("Down", &T::Down, &T::SetDown, false)
      .Component<TPopupMenu>("DropDownMenu", &T::DropDownMenu, &T::SetDropDownMenu)
      .Bool("Flat", &T::Flat, &T::SetFlat, true)
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex, -1)
      .Component<TCustomImageList>("Images", &T::Images, &T::SetImages)
      .Enum("Layout", ButtonLayoutNames(), &T::Layout, &T::SetLayout, blGlyphLeft)
      .StoredWhen([](T& b) { return !b.UseToolbarButtonLayout(); })
      .Bool("ShowCaption", &T::ShowCaption, &T::SetShowCaption, false)
      .StoredWhen([](T& b) { return !b.UseToolbarShowCaption(); })
      .Bool("Transparent", &T::Transparent, &T::SetTransparent, true)
      .Bool("ThemeAware", &T::ThemeAware, &T::SetThemeAware, true)
      .Bool("UseGradients", &T::UseGradients, &T::SetUseGradients, false)
      .Bool("UseToolbarButtonLayout", &T::UseToolbarButtonLayout, &T::SetUseToolbarButtonLayout, true)
      .Bool("UseToolbarButtonSize", &T::UseToolbarButtonSize, &T::SetUseToolbarButtonSize, true)
      .Bool("UseToolbarShowCaption", &T::UseToolbarShowCaption, &T::SetUseToolbarShowCaption, true)
      .Event("OnDropDown", &T::OnDropDown)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseLeave", &T::OnMouseLeave);
  RzRows::DragExtras(PublishClass<T, TGraphicControl>());
}

void PublishShapeButton() {
  using S = TRzShapeButton;
  PublishClass<S, TGraphicControl>()
      .Default("ParentFont", 1)
      .Bool("AutoSize", &TControl::AutoSize, &S::SetAutoSize, true)
      .Color("BevelHighlightColor", &S::BevelHighlightColor, &S::SetBevelHighlightColor, clBtnHighlight)
      .Color("BevelShadowColor", &S::BevelShadowColor, &S::SetBevelShadowColor, clBtnShadow)
      .Integer("BevelWidth", &S::BevelWidth, &S::SetBevelWidth, 2)
      .Object("Bitmap", &S::Bitmap)
      .StoredWhen([](S& s) { return !s.Bitmap()->Empty(); })
      .Enum("BorderStyle", kBorderStyles, &S::BorderStyle, &S::SetBorderStyle, sbsSingle)
      .Color("BorderColor", &S::BorderColor, &S::SetBorderColor, cl3DDkShadow)
      .Bool("PreciseClick", &S::PreciseClick, &S::PreciseClick, true)
      .Bool("PreciseShowHint", &S::PreciseShowHint, &S::PreciseShowHint, true)
      .Enum("CaptionPosition", kCaptionPositions, &S::CaptionPosition, &S::SetCaptionPosition, cpCentered)
      .Integer("CaptionX", &S::CaptionX, &S::SetCaptionX, 0)
      .Integer("CaptionY", &S::CaptionY, &S::SetCaptionY, 0);
  RzRows::DragExtras(PublishClass<S, TGraphicControl>());
}

void PublishSpinner() {
  using S = TRzSpinner;
  PublishClass<S, TCustomControl>()
      .Default("TabStop", 1)
      .Color("ButtonColor", &S::ButtonColor, &S::SetButtonColor, clBtnFace)
      .Color("FrameColor", &S::FrameColor, &S::SetFrameColor, clBtnShadow)
      .Integer("ButtonWidth", &S::ButtonWidth, &S::SetButtonWidth, 18)
      .Bool("CheckRange", &S::CheckRange, &S::SetCheckRange, false)
      .Str("HexValuePrefix", &S::HexValuePrefix, &S::SetHexValuePrefix, "$")
      .Integer("Increment", &S::Increment, &S::Increment, 1)
      .Integer("PageSize", &S::PageSize, &S::PageSize, 10)
      .Component<TCustomImageList>("Images", &S::Images, &S::SetImages)
      .Integer("ImageIndexMinus", &S::ImageIndexMinus, &S::SetImageIndexMinus, -1)
      .Integer("ImageIndexPlus", &S::ImageIndexPlus, &S::SetImageIndexPlus, -1)
      .Integer("Min", &S::Min, &S::SetMin, 0)
      .Integer("Max", &S::Max, &S::SetMax, 100)
      .Bool("ShowHexValue", &S::ShowHexValue, &S::SetShowHexValue, false)
      .Bool("TabOnEnter", &S::TabOnEnter, &S::TabOnEnter, false)
      .Integer("Value", &S::Value, &S::SetValue, 0)
      .Event("OnChange", &S::OnChange)
      .Event("OnChanging", &S::OnChanging);
  RzRows::DragExtras(PublishClass<S, TCustomControl>());
}

}  // namespace

void PublishFramedButtons() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishPushButtons();
  PublishSpeedButtons();
  PublishToolButton();
  PublishShapeButton();
  PublishSpinner();
}
