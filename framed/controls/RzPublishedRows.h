// Published rows that many of the family's classes publish alike: the platform's
// reading order, drag, 3D, input-method and dock settings, the frame and colour
// rows of the framed edits, combo boxes and list boxes, and the names of the
// enumerations the registration units share. Each helper appends its rows to the
// builder at the place it is called and returns the builder.
#pragma once

#include "framed/fonts/RzFontFamilies.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/WinControl.h"
#include "platform/published/Published.h"

class TCustomEdit;

const TEnumNames& BiDiModeNames();
const TEnumNames& DragKindNames();
const TEnumNames& DragModeNames();
const TEnumNames& ImeModeNames();
const TEnumNames& AlignmentVerticalNames();
const TEnumNames& TextStyleNames();
const TEnumNames& HotTrackColorTypeNames();
const TEnumNames& OrientationNames();
const TEnumNames& ButtonLayoutNames();
const TEnumNames& ColorDialogOptionNames();
const TEnumNames& FontDeviceNames();
const TEnumNames& FontTypeNames();
const TEnumNames& FontShowStyleNames();
const TEnumNames& FontStyleNames();
const TEnumNames& CalendarElementNames();
const TEnumNames& FirstDayOfWeekNames();

namespace RzRows {

// BiDiMode (written while not the parent's) and ParentBiDiMode.
template <class T>
TPublishedBuilder<T> ReadingOrder(TPublishedBuilder<T> b) {
  b.Enum("BiDiMode", BiDiModeNames(), &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
      .StoredWhen([](T& c) { return !c.ParentBiDiMode(); })
      .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true);
  return b;
}

template <class T>
TPublishedBuilder<T> Drag(TPublishedBuilder<T> b) {
  b.IdentInt("DragCursor", CursorIdents(), &TControl::DragCursor, &TControl::DragCursor, crDrag)
      .Enum("DragKind", DragKindNames(), &TControl::DragKind, &TControl::DragKind, dkDrag)
      .Enum("DragMode", DragModeNames(), &TControl::DragMode, &TControl::DragMode, dmManual);
  return b;
}

template <class T>
TPublishedBuilder<T> DragEvents(TPublishedBuilder<T> b) {
  b.Event("OnDragDrop", &TControl::OnDragDrop)
      .Event("OnDragOver", &TControl::OnDragOver)
      .Event("OnEndDrag", &TControl::OnEndDrag)
      .Event("OnEndDock", &TControl::OnEndDock)
      .Event("OnStartDrag", &TControl::OnStartDrag)
      .Event("OnStartDock", &TControl::OnStartDock);
  return b;
}

// Ctl3D (written while not the parent's), ParentCtl3D and the input method.
template <class T>
TPublishedBuilder<T> Ctl3DAndIme(TPublishedBuilder<T> b) {
  b.Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .StoredWhen([](T& c) { return !c.ParentCtl3D(); })
      .Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Enum("ImeMode", ImeModeNames(), &TWinControl::ImeMode, &TWinControl::ImeMode, imDontCare)
      .Str("ImeName", &TWinControl::ImeName, &TWinControl::ImeName);
  return b;
}

template <class T>
TPublishedBuilder<T> Docking(TPublishedBuilder<T> b) {
  b.Bool("DockSite", &TWinControl::DockSite, &TWinControl::DockSite, false)
      .Bool("UseDockManager", &TWinControl::UseDockManager, &TWinControl::UseDockManager, false)
      .Event("OnDockDrop", &TWinControl::OnDockDrop)
      .Event("OnDockOver", &TWinControl::OnDockOver)
      .Event("OnUnDock", &TWinControl::OnUnDock)
      .Event("OnGetSiteInfo", &TWinControl::OnGetSiteInfo);
  return b;
}

// Reading order and dragging, as the family's buttons keep them.
template <class T>
TPublishedBuilder<T> DragExtras(TPublishedBuilder<T> b) {
  return DragEvents(Drag(ReadingOrder(b)));
}

// What every control of the family keeps for definitions: reading order, drag
// and help settings and the drag events.
template <class T>
TPublishedBuilder<T> ControlExtras(TPublishedBuilder<T> b) {
  Drag(ReadingOrder(b)).Integer("HelpContext", &TControl::HelpContext, &TControl::HelpContext, 0);
  return DragEvents(b);
}

// What windowed controls of the family add: the 3D look, input method and dock site.
template <class T>
TPublishedBuilder<T> WindowedExtras(TPublishedBuilder<T> b) {
  return Docking(Ctl3DAndIme(b));
}

// The platform's reading order, drag, 3D and input-method settings, which the
// family's list boxes and multi-line edits publish beside their own.
template <class T>
TPublishedBuilder<T> PlatformExtras(TPublishedBuilder<T> b) {
  return DragEvents(Ctl3DAndIme(Drag(ReadingOrder(b))));
}

// The colour is the user's and is written only while the control shows it.
template <class T>
TPublishedBuilder<T> UserColor(TPublishedBuilder<T> b) {
  b.Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredWhen([](T& c) { return !c.FrameController() && c.Enabled() && !c.ParentColor(); });
  return b;
}

// The frame rows of the framed edits, combo boxes and list boxes, DisabledColor
// to FramingPreference; they are written only while no frame controller supplies them.
template <class T>
TPublishedBuilder<T> Frame(TPublishedBuilder<T> b) {
  auto free = [](T& c) { return !c.FrameController(); };
  b.Color("DisabledColor", &T::DisabledColor, &T::SetDisabledColor, clBtnFace)
      .StoredWhen(free)
      .Color("FocusColor", &T::FocusColor, &T::SetFocusColor, clWindow)
      .StoredWhen([](T& c) { return !c.FrameController() && ColorToRGB(c.FocusColor()) != ColorToRGB(c.Color()); })
      .Color("FrameColor", &T::FrameColor, &T::SetFrameColor, clBtnShadow)
      .StoredWhen(free)
      .template Component<TRzFrameController>("FrameController", &T::FrameController, &T::SetFrameController)
      .Color("FrameHotColor", &T::FrameHotColor, &T::SetFrameHotColor, clBtnShadow)
      .StoredWhen(free)
      .Bool("FrameHotTrack", &T::FrameHotTrack, &T::SetFrameHotTrack, false)
      .StoredWhen(free)
      .Enum("FrameHotStyle", FrameStyleNames(), &T::FrameHotStyle, &T::SetFrameHotStyle, fsFlatBold)
      .StoredWhen(free)
      .Set("FrameSides", SideNames(), &T::FrameSides, &T::SetFrameSides, sdAllSides)
      .StoredWhen(free)
      .Enum("FrameStyle", FrameStyleNames(), &T::FrameStyle, &T::SetFrameStyle, fsFlat)
      .StoredWhen(free)
      .Bool("FrameVisible", &T::FrameVisible, &T::SetFrameVisible, false)
      .StoredWhen(free)
      .Enum("FramingPreference", FramingPreferenceNames(), &T::FramingPreference, &T::SetFramingPreference,
            fpXPThemes);
  return b;
}

template <class T>
TPublishedBuilder<T> MouseEnterLeave(TPublishedBuilder<T> b) {
  b.Event("OnMouseEnter", &T::OnMouseEnter).Event("OnMouseLeave", &T::OnMouseLeave);
  return b;
}

// The panel's grid and gradient faces, which panels of a single look do not publish.
template <class T>
TPublishedBuilder<T> HideGrid(TPublishedBuilder<T> b) {
  b.Hide("GridColor").Hide("GridStyle").Hide("GridXSize").Hide("GridYSize").Hide("ShowGrid");
  return b;
}
template <class T>
TPublishedBuilder<T> HideGradient(TPublishedBuilder<T> b) {
  b.Hide("GradientColorStart").Hide("GradientColorStop").Hide("GradientDirection");
  return b;
}

// A group of items (radio or check group): the items, their layout and the
// settings handed to every item, before and after the items' own index.
template <class T>
TPublishedBuilder<T> ItemGroupHead(TPublishedBuilder<T> b) {
  b.Integer("Columns", &T::Columns, &T::SetColumns, 1)
      .Object("CustomGlyphs", &T::CustomGlyphs)
      .StoredWhen([](T& g) { return !g.CustomGlyphs()->Empty(); })
      .Color("ItemFrameColor", &T::ItemFrameColor, &T::SetItemFrameColor, clBtnShadow)
      .Bool("ItemHotTrack", &T::ItemHotTrack, &T::SetItemHotTrack, false)
      .Color("ItemHighlightColor", &T::ItemHighlightColor, &T::SetItemHighlightColor, clHighlight)
      .Color("ItemHotTrackColor", &T::ItemHotTrackColor, &T::SetItemHotTrackColor, clHighlight)
      .Enum("ItemHotTrackColorType", HotTrackColorTypeNames(), &T::ItemHotTrackColorType,
            &T::SetItemHotTrackColorType, htctComplement)
      .Object("ItemFont", &T::ItemFont)
      .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight, 17)
      .Lines("Items", &T::Items);
  return b;
}
template <class T>
TPublishedBuilder<T> ItemGroupTail(TPublishedBuilder<T> b) {
  b.Bool("LightTextStyle", &T::LightTextStyle, &T::SetLightTextStyle, false)
      .Color("TextHighlightColor", &T::TextHighlightColor, &T::SetTextHighlightColor, clBtnHighlight)
      .Color("TextShadowColor", &T::TextShadowColor, &T::SetTextShadowColor, clBtnShadow)
      .Integer("TextShadowDepth", &T::TextShadowDepth, &T::SetTextShadowDepth, 2)
      .Bool("SpaceEvenly", &T::SpaceEvenly, &T::SetSpaceEvenly, false)
      .Integer("StartXPos", &T::StartXPos, [](T& g, int v) { g.SetStartPos(1, v); }, 8)
      .Integer("StartYPos", &T::StartYPos, [](T& g, int v) { g.SetStartPos(2, v); }, 2)
      .Bool("TabOnEnter", &T::TabOnEnter, &T::TabOnEnter, false)
      .Enum("TextStyle", TextStyleNames(), &T::TextStyle, &T::SetTextStyle, tsNormal)
      .Color("TransparentColor", &T::TransparentColor, &T::SetTransparentColor, clOlive)
      .Bool("UseCustomGlyphs", &T::UseCustomGlyphs, &T::SetUseCustomGlyphs, false)
      .Integer("VerticalSpacing", &T::VerticalSpacing, &T::SetVerticalSpacing, 3)
      .Color("WinMaskColor", &T::WinMaskColor, &T::SetWinMaskColor, clTeal);
  return b;
}

// A font chooser's rows (the combo box's and the list box's), from FontDevice to ShowStyle.
template <class T>
TPublishedBuilder<T> FontChooser(TPublishedBuilder<T> b, bool maintainMRUFonts) {
  b.Enum("FontDevice", FontDeviceNames(), &T::FontDevice, &T::SetFontDevice, fdScreen)
      .Str("FontName", &T::GetFontName, &T::SetFontName)
      .Integer("FontSize", &T::FontSize, &T::FontSize, 8)
      .Set("FontStyle", FontStyleNames(), &T::FontStyle, &T::FontStyle, 0)
      .Enum("FontType", FontTypeNames(), &T::FontType, &T::SetFontType, ftAll)
      .Bool("MaintainMRUFonts", &T::MaintainMRUFonts, &T::MaintainMRUFonts, maintainMRUFonts)
      .template Component<TCustomEdit>("PreviewEdit", &T::PreviewEdit, &T::SetPreviewEdit)
      .Integer("PreviewFontSize", &T::PreviewFontSize, &T::SetPreviewFontSize, 36)
      .Integer("PreviewHeight", &T::PreviewHeight, &T::SetPreviewHeight, 65)
      .Str("PreviewText", &T::PreviewText, &T::PreviewText)
      .Integer("PreviewWidth", &T::PreviewWidth, &T::SetPreviewWidth, 260)
      .Bool("ShowSymbolFonts", &T::ShowSymbolFonts, &T::SetShowSymbolFonts, true)
      .Enum("ShowStyle", FontShowStyleNames(), &T::ShowStyle, &T::SetShowStyle, ssFontName);
  return b;
}

}  // namespace RzRows
