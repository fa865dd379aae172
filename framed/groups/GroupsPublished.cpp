#include "framed/groups/GroupsPublished.h"

#include "framed/groups/RzCheckGroup.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kHotTrackColorTypes{"TRzHotTrackColorType", {"htctComplement", "htctActual"}};
const TEnumNames kTextStyles{"TTextStyle", {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"}};

// What a group of items publishes besides the group box: the items, their layout
// and the settings handed to every item.
void PublishItemGroup() {
  using G = TRzCustomItemGroup;
  PublishClass<G, TRzCustomGroupBox>()
      .Default("TabStop", Int64(0))
      .Integer("Columns", &G::Columns, &G::SetColumns, 1)
      .Object("CustomGlyphs", &G::CustomGlyphs)
      .StoredWhen([](G& g) { return !g.CustomGlyphs()->Empty(); })
      .Color("ItemFrameColor", &G::ItemFrameColor, &G::SetItemFrameColor, clBtnShadow)
      .Bool("ItemHotTrack", &G::ItemHotTrack, &G::SetItemHotTrack, false)
      .Color("ItemHighlightColor", &G::ItemHighlightColor, &G::SetItemHighlightColor, clHighlight)
      .Color("ItemHotTrackColor", &G::ItemHotTrackColor, &G::SetItemHotTrackColor, clHighlight)
      .Enum("ItemHotTrackColorType", kHotTrackColorTypes, &G::ItemHotTrackColorType, &G::SetItemHotTrackColorType,
            htctComplement)
      .Object("ItemFont", &G::ItemFont)
      .Integer("ItemHeight", &G::ItemHeight, &G::SetItemHeight, 17)
      .Lines("Items", &G::Items)
      .Bool("LightTextStyle", &G::LightTextStyle, &G::SetLightTextStyle, false)
      .Color("TextHighlightColor", &G::TextHighlightColor, &G::SetTextHighlightColor, clBtnHighlight)
      .Color("TextShadowColor", &G::TextShadowColor, &G::SetTextShadowColor, clBtnShadow)
      .Integer("TextShadowDepth", &G::TextShadowDepth, &G::SetTextShadowDepth, 2)
      .Bool("SpaceEvenly", &G::SpaceEvenly, &G::SetSpaceEvenly, false)
      .Integer("StartXPos", &G::StartXPos, [](G& g, int v) { g.SetStartPos(1, v); }, 8)
      .Integer("StartYPos", &G::StartYPos, [](G& g, int v) { g.SetStartPos(2, v); }, 2)
      .Bool("TabOnEnter", &G::TabOnEnter, &G::TabOnEnter, false)
      .Enum("TextStyle", kTextStyles, &G::TextStyle, &G::SetTextStyle, tsNormal)
      .Color("TransparentColor", &G::TransparentColor, &G::SetTransparentColor, clOlive)
      .Bool("UseCustomGlyphs", &G::UseCustomGlyphs, &G::SetUseCustomGlyphs, false)
      .Integer("VerticalSpacing", &G::VerticalSpacing, &G::SetVerticalSpacing, 3)
      .Color("WinMaskColor", &G::WinMaskColor, &G::SetWinMaskColor, clTeal);
}

}  // namespace

void PublishFramedGroups() {
  PublishItemGroup();
  using C = TRzCustomCheckGroup;
  PublishClass<C, TRzCustomItemGroup>()
      .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false)
      .Event("OnChange", &C::OnChange);
  PublishClass<TRzCheckGroup, C>();
}
