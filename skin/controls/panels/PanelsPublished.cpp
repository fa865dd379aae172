// The published properties of the expanding and scroll panels, the groups and
// the buttons bar with its sections and items.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/panels/SkinButtonsBar.h"
#include "skin/controls/panels/SkinExPanel.h"
#include "skin/controls/panels/SkinGroups.h"
#include "skin/controls/panels/SkinScrollPanel.h"

namespace {

using enum TspSkinBorderStyle;

const TEnumNames kRollKinds{"TspExPanelRollKind", {"rkRollHorizontal", "rkRollVertical"}};
const TEnumNames kScrollTypes{"TspScrollType", {"spstHorz", "spstVert"}};
const TEnumNames kButtonLayouts{"TspButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

void PublishExAndScrollPanels() {
  using E = TspSkinExPanel;
  PublishClass<E, TspSkinCustomControl>()
      .Default("Width", 150)
      .Default("Height", 100)
      .Default("SkinDataName", "expanel")
      .Bool("RollState", &E::RollState, &E::SetRollState, false)
      .Enum("RollKind", kRollKinds, &E::RollKind, &E::SetRollKind, rkRollVertical)
      .Integer("RealWidth", &E::RealWidth, &E::RealWidth, 0)
      .Integer("RealHeight", &E::RealHeight, &E::RealHeight, 0)
      .Bool("ShowRollButton", &E::ShowRollButton, &E::SetShowRollButton, true)
      .Bool("ShowCloseButton", &E::ShowCloseButton, &E::SetShowCloseButton, true)
      .Integer("DefaultCaptionHeight", &E::DefaultCaptionHeight, &E::SetDefaultCaptionHeight, 21)
      .Bool("Moveable", &E::Moveable, &E::Moveable, false)
      .Bool("Sizeable", &E::Sizeable, &E::Sizeable, false)
      .Object("Glyph", &E::Glyph)
      .Integer("NumGlyphs", &E::NumGlyphs, &E::SetNumGlyphs, 1)
      .Integer("Spacing", &E::Spacing, &E::SetSpacing, 2)
      .Component<TCustomImageList>("CaptionImageList", &E::CaptionImageList, &E::SetCaptionImageList)
      .Integer("CaptionImageIndex", &E::CaptionImageIndex, &E::SetCaptionImageIndex, -1)
      .Event("OnChangeRollState", &E::OnChangeRollState)
      .Event("OnClose", &E::OnClose);
  using S = TspSkinScrollPanel;
  PublishClass<S, TspSkinControl>()
      .Default("Width", 150)
      .Default("Height", 30)
      .Default("SkinDataName", "panel")
      .Enum("ScrollType", kScrollTypes, &S::ScrollType, &S::SetScrollType, 0)
      .Integer("ScrollOffset", &S::ScrollOffset, &S::SetScrollOffset, 0)
      .Integer("ScrollTimerInterval", &S::ScrollTimerInterval, &S::SetScrollTimerInterval, 50)
      .Bool("HotScroll", &S::HotScroll, &S::SetHotScroll, false)
      .Bool("CanFocused", &S::CanFocused, &S::CanFocused, false);
}

void PublishGroups() {
  using G = TspSkinButtonGroup;
  PublishClass<G, TspSkinGroupBox>()
      .Lines("Items", &G::Items)
      .Integer("Columns", &G::Columns, &G::SetColumns, 1)
      .Component<TCustomImageList>("Images", &G::Images, &G::SetImages)
      .Object("ButtonDefaultFont", &G::ButtonDefaultFont);
  using R = TspSkinCustomRadioGroup;
  PublishClass<R, G>()
      .Str("ButtonSkinDataName", &R::ButtonSkinDataName, &R::SetButtonSkinDataName, "radiobox")
      .Integer("ItemIndex", &R::ItemIndex, &R::SetItemIndex, -1);
  PublishClass<TspSkinRadioGroup, R>();
  using C = TspSkinCustomCheckGroup;
  PublishClass<C, G>().Str("ButtonSkinDataName", &C::ButtonSkinDataName, &C::SetButtonSkinDataName, "checkbox");
  PublishClass<TspSkinCheckGroup, C>();
}

void PublishButtonsBar() {
  using I = TspButtonBarItem;
  PublishClass<I, TCollectionItem>()
      .Str("Text", &I::Text, &I::SetText)
      .Str("Hint", &I::Hint, &I::Hint)
      .Integer("ImageIndex", &I::ImageIndex, &I::SetImageIndex, 0)
      .Integer("Tag", &I::Tag, &I::Tag, 0)
      .Enum("Layout", kButtonLayouts, &I::Layout, &I::SetLayout, blGlyphTop)
      .Integer("Margin", &I::Margin, &I::SetMargin, -1)
      .Integer("Spacing", &I::Spacing, &I::SetSpacing, 1)
      .Bool("Enabled", &I::Enabled, &I::Enabled, true)
      .Event("OnClick", &I::OnClick)
      .Event("OnDblClick", &I::OnDblClick);
  PublishClass<TspButtonBarItems, TCollection>();
  using S = TspButtonBarSection;
  PublishClass<S, TCollectionItem>()
      .Str("Text", &S::Text, &S::SetText)
      .Str("Hint", &S::Hint, &S::Hint)
      .Object("Items", &S::Items)
      .Integer("Tag", &S::Tag, &S::Tag, 0)
      .Integer("ImageIndex", &S::ImageIndex, &S::SetImageIndex, 0)
      .Integer("Margin", &S::Margin, &S::SetMargin, -1)
      .Integer("Spacing", &S::Spacing, &S::SetSpacing, 1)
      .Bool("Enabled", &S::Enabled, &S::Enabled, true)
      .Event("OnClick", &S::OnClick)
      .Event("OnDblClick", &S::OnDblClick);
  PublishClass<TspButtonBarSections, TCollection>();
  using B = TspSkinButtonsBar;
  PublishClass<B, TspSkinPanel>()
      .Default("Width", 150)
      .Default("Align", alLeft)
      .Default("BorderStyle", static_cast<int>(bvFrame))
      .Object("Sections", &B::Sections)
      .Integer("SectionIndex", &B::SectionIndex, &B::SetSectionIndex, 0)
      .Bool("ShowButtons", &B::ShowButtons, &B::SetShowButtons, true)
      .Bool("ShowSelectedItem", &B::ShowSelectedItem, &B::ShowSelectedItem, false)
      .Bool("WebStyle", &B::WebStyle, &B::WebStyle, false)
      .Bool("ShowItemHint", &B::ShowItemHint, &B::ShowItemHint, true)
      .Object("DefaultSectionFont", &B::DefaultSectionFont)
      .Object("DefaultItemFont", &B::DefaultItemFont)
      .Integer("DefaultButtonHeight", &B::DefaultButtonHeight, &B::SetDefaultButtonHeight, 25)
      .Integer("ItemHeight", &B::ItemHeight, &B::SetItemHeight, 60)
      .Bool("ItemsTransparent", &B::ItemsTransparent, &B::SetItemsTransparent, true)
      .Str("SectionButtonSkinDataName", &B::SectionButtonSkinDataName, &B::SectionButtonSkinDataName, "toolbutton")
      .Component<TCustomImageList>("ItemImages", &B::ItemImages, &B::SetItemImages)
      .Component<TCustomImageList>("SectionImages", &B::SectionImages, &B::SetSectionImages)
      .Event("OnChanging", &B::OnChanging)
      .Event("OnChange", &B::OnChange);
}

}  // namespace

void PublishSkinPanelsPeriphery() {
  PublishExAndScrollPanels();
  PublishGroups();
  PublishButtonsBar();
}
