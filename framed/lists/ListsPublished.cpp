#include "framed/lists/ListsPublished.h"

#include "framed/lists/RzCheckList.h"
#include "framed/lists/RzTabbedListBox.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/published/Published.h"
#include "platform/published/StdCtrlsPublished.h"

namespace {

const TEnumNames kBiDiModes{"TBiDiMode",
                            {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
const TEnumNames kDragKinds{"TDragKind", {"dkDrag", "dkDock"}};
const TEnumNames kDragModes{"TDragMode", {"dmManual", "dmAutomatic"}};
const TEnumNames kImeModes{"TImeMode",
                           {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
                            "imKata", "imChinese", "imSHanguel", "imHanguel"}};
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

}  // namespace

void PublishFramedLists() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishStdControlClasses();
  PublishListBox();
  PublishTabbedListBoxes();
}
