#include "platform/published/ComCtrlsPublished.h"

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/FormsPublished.h"
#include "platform/published/StdCtrlsPublished.h"

namespace {

const TEnumNames kAlignments{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumNames kViewStyles{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
const TEnumNames kListViewBorderStyles{"TBorderStyle", {"bsNone", "bsSingle"}};

void PublishListView() {
  PublishClass<TListColumn, TCollectionItem>()
      .Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
      .Integer("Width", &TListColumn::Width, &TListColumn::SetWidth, 50)
      .Enum("Alignment", kAlignments, &TListColumn::Alignment, &TListColumn::SetAlignment, taLeftJustify)
      .Integer("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex, -1);
  PublishClass<TListColumns, TCollection>();

  PublishClass<TCustomListView, TWinControl>()
      .Default("TabStop", 1)
      .Object("Columns", &TCustomListView::Columns)
      .Enum("ViewStyle", kViewStyles, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle, vsIcon)
      .Enum("BorderStyle", kListViewBorderStyles, &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle, bsSingle)
      .Component<TCustomImageList>("SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages)
      .Component<TCustomImageList>("LargeImages", &TCustomListView::LargeImages, &TCustomListView::SetLargeImages)
      .Bool("OwnerDraw", &TCustomListView::OwnerDraw, &TCustomListView::SetOwnerDraw, false)
      .Bool("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect, false)
      .Bool("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect, false)
      .Bool("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly, false)
      .Bool("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection, true)
      .Bool("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders, true)
      .Bool("Checkboxes", &TCustomListView::Checkboxes, &TCustomListView::SetCheckboxes, false)
      .Bool("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines, false)
      .Bool("FullDrag", &TCustomListView::FullDrag, &TCustomListView::SetFullDrag, false)
      .Bool("ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick, true)
      .Event("OnDrawItem", &TCustomListView::OnDrawItem)
      .Event("OnSelectItem", &TCustomListView::OnSelectItem)
      .Event("OnColumnClick", &TCustomListView::OnColumnClick)
      .Event("OnDeletion", &TCustomListView::OnDeletion);
  PublishClass<TListView, TCustomListView>();
}

const TEnumNames kTabPositions{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
const TEnumNames kTabStyles{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};

void PublishTabControls() {
  PublishClass<TCustomTabControl, TWinControl>()
      .Default("TabStop", 1)
      .Component<TCustomImageList>("Images", &TCustomTabControl::Images, &TCustomTabControl::SetImages)
      .Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine, false)
      .Enum("TabPosition", kTabPositions, &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition, tpTop)
      .Enum("Style", kTabStyles, &TCustomTabControl::Style, &TCustomTabControl::SetStyle, tsTabs)
      .Integer("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight, 0)
      .Integer("TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth, 0)
      .Event("OnChange", &TCustomTabControl::OnChange)
      .Event("OnChanging", &TCustomTabControl::OnChanging);
  // The tabs come first, so that the index read after them finds its tab.
  PublishClass<TTabControl, TCustomTabControl>()
      .Lines("Tabs", &TTabControl::Tabs)
      .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex, -1);
  PublishClass<TTabSheet, TWinControl>()
      .Hide("TabStop")
      .Default("Align", alClient)
      .Default("Visible", 0)
      .Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, true)
      .Integer("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex, -1)
      // The sheet's place among the pages is the order the definition lists them in.
      .Integer("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
      .StoredWhen([](TTabSheet&) { return false; });
  PublishClass<TPageControl, TCustomTabControl>().Component<TTabSheet>("ActivePage", &TPageControl::ActivePage,
                                                                       &TPageControl::SetActivePage);
}

const TEnumNames kSectionStyles{"THeaderSectionStyle", {"hsText", "hsOwnerDraw"}};
const TEnumNames kHeaderStyles{"THeaderStyle", {"hsButtons", "hsFlat"}};

void PublishHeaderControl() {
  PublishClass<THeaderSection, TCollectionItem>()
      .Str("Text", &THeaderSection::Text, &THeaderSection::SetText)
      // The limits come before the width, so that the width read after them stays.
      .Integer("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth, 0)
      .Integer("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth, 10000)
      .Integer("Width", &THeaderSection::Width, &THeaderSection::SetWidth, 50)
      .Enum("Alignment", kAlignments, &THeaderSection::Alignment, &THeaderSection::SetAlignment, taLeftJustify)
      .Integer("ImageIndex", &THeaderSection::ImageIndex, &THeaderSection::SetImageIndex, -1)
      .Enum("Style", kSectionStyles, &THeaderSection::Style, &THeaderSection::SetStyle, hsText)
      .Bool("AllowClick", &THeaderSection::AllowClick, &THeaderSection::SetAllowClick, true);
  PublishClass<THeaderSections, TCollection>();
  PublishClass<THeaderControl, TWinControl>()
      .Default("Align", alTop)
      .Object("Sections", &THeaderControl::Sections)
      .Component<TCustomImageList>("Images", &THeaderControl::Images, &THeaderControl::SetImages)
      .Enum("Style", kHeaderStyles, &THeaderControl::Style, &THeaderControl::SetStyle, hsButtons)
      .Bool("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack, false)
      .Bool("DragReorder", &THeaderControl::DragReorder, &THeaderControl::SetDragReorder, false)
      .Bool("FullDrag", &THeaderControl::FullDrag, &THeaderControl::SetFullDrag, true)
      .Event("OnDrawSection", &THeaderControl::OnDrawSection)
      .Event("OnSectionClick", &THeaderControl::OnSectionClick)
      .Event("OnSectionResize", &THeaderControl::OnSectionResize);
}

const TEnumNames kOrientations{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const TEnumNames kTickStyles{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
const TEnumNames kTickMarks{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};

void PublishTrackBar() {
  PublishClass<TTrackBar, TWinControl>()
      .Default("TabStop", 1)
      .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax, 10)
      .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin, 0)
      .Enum("Orientation", kOrientations, &TTrackBar::Orientation, &TTrackBar::SetOrientation, trHorizontal)
      .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency, 1)
      .Integer("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize, 1)
      .Integer("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize, 2)
      .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition, 0)
      .Enum("TickMarks", kTickMarks, &TTrackBar::TickMarks, &TTrackBar::SetTickMarks, tmBottomRight)
      .Enum("TickStyle", kTickStyles, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle, tsAuto)
      .Event("OnChange", &TTrackBar::OnChange);
}

const TEnumNames kInvalidKeys{"THKInvalidKey",
                              {"hcNone", "hcShift", "hcCtrl", "hcAlt", "hcShiftCtrl", "hcShiftAlt", "hcCtrlAlt",
                               "hcShiftCtrlAlt"}};
const TEnumNames kModifiers{"THKModifier", {"hkShift", "hkCtrl", "hkAlt", "hkExt"}};

void PublishHotKeyAndRichEdit() {
  using H = THotKeyControl;
  PublishClass<H, TWinControl>()
      .Default("TabStop", 1)
      .ShortCut("HotKey", &H::HotKey, &H::SetHotKey, scAlt | 'A')
      .Set("InvalidKeys", kInvalidKeys, &H::InvalidKeys, &H::SetInvalidKeys, (1u << hcNone) | (1u << hcShift))
      .Set("Modifiers", kModifiers, &H::Modifiers, &H::SetModifiers, 1u << hkAlt)
      .Event("OnChange", &H::OnChange);
  PublishClass<THotKey, H>();
  PublishClass<TCustomRichEdit, TCustomMemo>().Event("OnSelectionChange", &TCustomRichEdit::OnSelectionChange);
  PublishClass<TRichEdit, TCustomRichEdit>();
}

}  // namespace

void PublishCommonControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  UseFormDefinitions();
  PublishListView();
  PublishTabControls();
  PublishHeaderControl();
  PublishTrackBar();
  PublishStdControlClasses();
  PublishHotKeyAndRichEdit();
}
