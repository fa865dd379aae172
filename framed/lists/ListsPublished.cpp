#include "framed/lists/ListsPublished.h"

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

const TEnumNames kBiDiModes{"TBiDiMode",
                            {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
const TEnumNames kDragKinds{"TDragKind", {"dkDrag", "dkDock"}};
const TEnumNames kDragModes{"TDragMode", {"dmManual", "dmAutomatic"}};
const TEnumNames kImeModes{"TImeMode",
                           {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
                            "imKata", "imChinese", "imSHanguel", "imHanguel"}};
const TEnumNames kModifierKeys{"TRzModifierKey", {"mkShift", "mkNone"}};
const TEnumNames kFontDevices{"TRzFontDevice", {"fdScreen", "fdPrinter"}};
const TEnumNames kFontTypes{"TRzFontType", {"ftAll", "ftTrueType", "ftFixedPitch", "ftPrinter"}};
const TEnumNames kShowStyles{"TRzShowStyle", {"ssFontName", "ssFontSample", "ssFontNameAndSample", "ssFontPreview"}};
const TEnumNames kFontStyles{"TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumNames kTabStopsModes{"TRzTabStopsMode", {"tsmManual", "tsmAutomatic"}};

// The platform's reading order, drag, 3D and input-method settings.
template <class T, class Parent>
void PublishPlatformExtras() {
  PublishClass<T, Parent>()
      .Enum("BiDiMode", kBiDiModes, &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
      .StoredWhen([](T& c) { return !c.ParentBiDiMode(); })
      .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
      .IdentInt("DragCursor", CursorIdents(), &TControl::DragCursor, &TControl::DragCursor, crDrag)
      .Enum("DragKind", kDragKinds, &TControl::DragKind, &TControl::DragKind, dkDrag)
      .Enum("DragMode", kDragModes, &TControl::DragMode, &TControl::DragMode, dmManual)
      .Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .StoredWhen([](T& c) { return !c.ParentCtl3D(); })
      .Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Enum("ImeMode", kImeModes, &TWinControl::ImeMode, &TWinControl::ImeMode, imDontCare)
      .Str("ImeName", &TWinControl::ImeName, &TWinControl::ImeName)
      .Event("OnDragDrop", &TControl::OnDragDrop)
      .Event("OnDragOver", &TControl::OnDragOver)
      .Event("OnEndDrag", &TControl::OnEndDrag)
      .Event("OnEndDock", &TControl::OnEndDock)
      .Event("OnStartDrag", &TControl::OnStartDrag)
      .Event("OnStartDock", &TControl::OnStartDock);
}

// The frame, face and group settings of the family's list box; the frame and
// colours are written only while no frame controller supplies them.
void PublishListBox() {
  using L = TRzCustomListBox;
  auto free = [](L& c) { return !c.FrameController(); };
  PublishClass<L, TCustomListBox>()
      .Hide("Items")
      .Lines("Items", &L::Items)
      .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredWhen([](L& c) { return !c.FrameController() && c.Enabled() && !c.ParentColor(); })
      .Bool("BeepOnInvalidKey", &L::BeepOnInvalidKey, &L::BeepOnInvalidKey, true)
      .Color("DisabledColor", &L::DisabledColor, &L::SetDisabledColor, clBtnFace)
      .StoredWhen(free)
      .Color("FocusColor", &L::FocusColor, &L::SetFocusColor, clWindow)
      .StoredWhen([](L& c) { return !c.FrameController() && ColorToRGB(c.FocusColor()) != ColorToRGB(c.Color()); })
      .Color("FrameColor", &L::FrameColor, &L::SetFrameColor, clBtnShadow)
      .StoredWhen(free)
      .Component<TRzFrameController>("FrameController", &L::FrameController, &L::SetFrameController)
      .Color("FrameHotColor", &L::FrameHotColor, &L::SetFrameHotColor, clBtnShadow)
      .StoredWhen(free)
      .Bool("FrameHotTrack", &L::FrameHotTrack, &L::SetFrameHotTrack, false)
      .StoredWhen(free)
      .Enum("FrameHotStyle", FrameStyleNames(), &L::FrameHotStyle, &L::SetFrameHotStyle, fsFlatBold)
      .StoredWhen(free)
      .Set("FrameSides", SideNames(), &L::FrameSides, &L::SetFrameSides, sdAllSides)
      .StoredWhen(free)
      .Enum("FrameStyle", FrameStyleNames(), &L::FrameStyle, &L::SetFrameStyle, fsFlat)
      .StoredWhen(free)
      .Bool("FrameVisible", &L::FrameVisible, &L::SetFrameVisible, false)
      .StoredWhen(free)
      .Enum("FramingPreference", FramingPreferenceNames(), &L::FramingPreference, &L::SetFramingPreference,
            fpXPThemes)
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
  PublishPlatformExtras<L, TCustomListBox>();
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
      .Default("Sorted", 1)
      .Enum("FontDevice", kFontDevices, &F::FontDevice, &F::SetFontDevice, fdScreen)
      .Str("FontName", &F::GetFontName, &F::SetFontName)
      .Integer("FontSize", &F::FontSize, &F::FontSize, 8)
      .Set("FontStyle", kFontStyles, &F::FontStyle, &F::FontStyle, 0)
      .Enum("FontType", kFontTypes, &F::FontType, &F::SetFontType, ftAll)
      .Bool("MaintainMRUFonts", &F::MaintainMRUFonts, &F::MaintainMRUFonts, false)
      .Component<TCustomEdit>("PreviewEdit", &F::PreviewEdit, &F::SetPreviewEdit)
      .Integer("PreviewFontSize", &F::PreviewFontSize, &F::SetPreviewFontSize, 36)
      .Integer("PreviewHeight", &F::PreviewHeight, &F::SetPreviewHeight, 65)
      .Str("PreviewText", &F::PreviewText, &F::PreviewText)
      .Integer("PreviewWidth", &F::PreviewWidth, &F::SetPreviewWidth, 260)
      .Bool("ShowSymbolFonts", &F::ShowSymbolFonts, &F::SetShowSymbolFonts, true)
      .Enum("ShowStyle", kShowStyles, &F::ShowStyle, &F::SetShowStyle, ssFontName);
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
