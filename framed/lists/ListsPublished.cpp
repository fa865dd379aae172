#include "framed/lists/ListsPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/lists/RzCheckList.h"
#include "framed/lists/RzEditListBox.h"
#include "framed/lists/RzFontListBox.h"
#include "framed/lists/RzRankListBox.h"
#include "framed/lists/RzTabbedListBox.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/published/Published.h"
#include "platform/stdctrls/Edit.h"
#include "platform/published/StdCtrlsPublished.h"

namespace {

const TEnumNames kModifierKeys{"TRzModifierKey", {"mkShift", "mkNone"}};
const TEnumNames kTabStopsModes{"TRzTabStopsMode", {"tsmManual", "tsmAutomatic"}};

// The frame, face and group settings of the family's list box; the frame and
// colours are written only while no frame controller supplies them.
void PublishListBox() {
  using L = TRzCustomListBox;
  auto builder = RzRows::UserColor(PublishClass<L, TCustomListBox>().Hide("Items").Lines("Items", &L::Items));
  builder.Bool("BeepOnInvalidKey", &L::BeepOnInvalidKey, &L::BeepOnInvalidKey, true);
  RzRows::Frame(builder)
      .Color("GroupColor", &L::GroupColor, &L::SetGroupColor, clInactiveCaptionText)
      .Object("GroupFont", &L::GroupFont)
      .StoredWhen([](L& c) { return c.GroupFontChangedByUser(); })
      .Str("GroupPrefix", &L::GroupPrefix, &L::SetGroupPrefix, "//")
      .Integer("HorzExtent", &L::HorzExtent, [](L& c, int v) { c.SetHorzExtent(static_cast<Word>(v)); }, 0)
      .Bool("HorzScrollBar", &L::HorzScrollBar, &L::SetHorzScrollBar, false)
      .Bool("IncrementalSearch", &L::IncrementalSearch, &L::IncrementalSearch, true)
      .Integer("OwnerDrawIndent", &L::OwnerDrawIndent, &L::SetOwnerDrawIndent, 0)
      .Bool("ShowGroups", &L::ShowGroups, &L::SetShowGroups, false)
      .Bool("ShowItemHints", &L::ShowItemHints, &L::ShowItemHints, true)
      .Bool("TabOnEnter", &L::TabOnEnter, &L::TabOnEnter, false)
      .Bool("UseGradients", &L::UseGradients, &L::SetUseGradients, true)
      .Event("OnMatch", &L::OnMatch)
      .Event("OnMouseEnter", &L::OnMouseEnter)
      .Event("OnMouseLeave", &L::OnMouseLeave)
      .Event("OnDeleteItems", &L::OnDeleteItems);
  RzRows::PlatformExtras(builder);
  PublishClass<TRzListBox, L>();
}

void PublishTabbedListBoxes() {
  using T = TRzCustomTabbedListBox;
  PublishClass<T, TRzCustomListBox>()
      .Hide("TabWidth")
      .Default("ShowItemHints", Int64(0))
      .Object("TabStops", &T::TabStops)
      .StoredWhen([](T& c) { return c.TabStops()->Count() > 0; })
      .Enum("TabStopsMode", kTabStopsModes, &T::TabStopsMode, &T::SetTabStopsMode, tsmManual);
  PublishClass<TRzTabbedListBox, T>();

  using C = TRzCheckList;
  PublishClass<C, T>()
      .Hide("GroupPrefix")
      .Hide("OwnerDrawIndent")
      .Hide("ShowGroups")
      .Hide("Style")
      .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false)
      .Object("CustomGlyphs", &C::CustomGlyphs)
      .StoredWhen([](C& c) { return !c.CustomGlyphs()->Empty(); })
      .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clHighlight)
      .Bool("UseCustomGlyphs", &C::UseCustomGlyphs, &C::SetUseCustomGlyphs, false)
      .Color("TransparentColor", &C::TransparentColor, &C::SetTransparentColor, clOlive)
      .Bool("ToggleOnItemClick", &C::ToggleOnItemClick, &C::ToggleOnItemClick, false)
      .Event("OnChange", &C::OnChange)
      .Event("OnChanging", &C::OnChanging);
}

void PublishEditAndRankListBoxes() {
  using E = TRzEditListBox;
  PublishClass<E, TRzListBox>()
      .Bool("AllowEdit", &E::AllowEdit, &E::AllowEdit, true)
      .Bool("AllowDeleteByKbd", &E::AllowDeleteByKbd, &E::AllowDeleteByKbd, false)
      .Event("OnSizeEditRect", &E::OnSizeEditRect)
      .Event("OnShowingEditor", &E::OnShowingEditor)
      .Event("OnHidingEditor", &E::OnHidingEditor)
      .Event("OnItemChanged", &E::OnItemChanged);

  // The selection of a rank list is single and unsorted: a definition cannot change that.
  using R = TRzRankListBox;
  PublishClass<R, TRzListBox>()
      .Hide("Columns")
      .Hide("ExtendedSelect")
      .Hide("MultiSelect")
      .Hide("Sorted")
      .Hide("DragMode")
      .Enum("ModifierKey", kModifierKeys, &R::ModifierKey, &R::ModifierKey, mkShift)
      .Bool("MoveOnDrag", &R::MoveOnDrag, &R::SetMoveOnDrag, true)
      .Event("OnMoveItem", &R::OnMoveItem);
}

// The font list box keeps its own list: items, style and groups are not for definitions.
void PublishFontListBox() {
  using F = TRzFontListBox;
  PublishClass<F, TRzCustomListBox>()
      .Hide("Items")
      .Hide("ItemIndex")
      .Hide("Style")
      .Hide("MultiSelect")
      .Hide("GroupColor")
      .Hide("GroupFont")
      .Hide("GroupPrefix")
      .Hide("ShowGroups")
      .Hide("UseGradients")
      .Hide("OwnerDrawIndent")
      .Hide("ShowItemHints")
      .Hide("OnDrawItem")
      .Hide("TabWidth")
      .Hide("Count")
      .Hide("OnData")
      .Hide("OnDataObject")
      .Hide("OnDataFind")
      .Default("Sorted", 1);
  RzRows::FontChooser(PublishClass<F, TRzCustomListBox>(), false);
}

}  // namespace

void PublishFramedLists() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishStdControlClasses();
  PublishListBox();
  PublishTabbedListBoxes();
  PublishEditAndRankListBoxes();
  PublishFontListBox();
}
