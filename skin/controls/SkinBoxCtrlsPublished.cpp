#include "skin/controls/SkinBoxCtrlsPublished.h"

#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/Published.h"
#include "platform/published/StdCtrlsPublished.h"
#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinHeaderControl.h"
#include "skin/controls/SkinMRUComboBox.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinURLEdit.h"
#include "skin/data/SkinDataPublished.h"

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kScrollBarKinds{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
const TEnumNames kOrientations{"TUDOrientation", {"udHorizontal", "udVertical"}};
const TEnumNames kValueTypes{"TspValueType", {"vtInteger", "vtFloat"}};
const TEnumNames kComboStyles{"TspSkinCustomComboBoxStyle", {"spcbEditStyle", "spcbFixedStyle"}};
const TEnumNames kLinkTypes{"TspURLLinkType", {"spltHTTP", "spltMail"}};
const TEnumNames kCharCases{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};

void PublishScrollBarAndUpDown() {
  using B = TspSkinScrollBar;
  PublishClass<B, TspSkinCustomControl>()
      .Enum("Kind", kScrollBarKinds, &B::Kind, &B::SetKind, sbHorizontal).NoDefault()
      .Integer("Min", &B::Min, &B::SetMin).NoDefault()
      .Integer("Max", &B::Max, &B::SetMax, 100).NoDefault()
      .Integer("Position", &B::Position, &B::SetPosition).NoDefault()
      .Integer("PageSize", &B::PageSize, &B::SetPageSize).NoDefault()
      .Integer("SmallChange", &B::SmallChange, &B::SetSmallChange, 1).NoDefault()
      .Integer("LargeChange", &B::LargeChange, &B::SetLargeChange, 1).NoDefault()
      .Bool("Both", &B::Both, &B::SetBoth).NoDefault()
      .Integer("BothMarkerWidth", &B::BothMarkerWidth, &B::SetBothMarkerWidth).NoDefault()
      .Str("BothSkinDataName", &B::BothSkinDataName, &B::BothSkinDataName).NoDefault()
      .Bool("CanFocused", &B::CanFocused, &B::SetCanFocused).NoDefault()
      .Default("TabStop", 0)
      .Event("OnUpButtonClick", &B::OnUpButtonClick)
      .Event("OnDownButtonClick", &B::OnDownButtonClick)
      .Event("OnChange", &B::OnChange)
      .Event("OnLastChange", &B::OnLastChange)
      .Event("OnPageUp", &B::OnPageUp)
      .Event("OnPageDown", &B::OnPageDown);
  using U = TspSkinUpDown;
  PublishClass<U, TspSkinCustomControl>()
      .Bool("UseSkinSize", &U::UseSkinSize, &U::UseSkinSize, true)
      .Enum("Orientation", kOrientations, &U::Orientation, &U::SetOrientation, udHorizontal)
      .Integer("Increment", &U::Increment, &U::SetIncrement, 1)
      .Integer("Min", &U::Min, &U::SetMin)
      .Integer("Max", &U::Max, &U::SetMax, 100)
      .Integer("Position", &U::Position, [](U& u, Integer v) { if (v >= u.Min() && v <= u.Max()) u.SetPosition(v); })
      .Event("OnChange", &U::OnChange)
      .Event("OnUpButtonClick", &U::OnUpButtonClick)
      .Event("OnDownButtonClick", &U::OnDownButtonClick);
}

void PublishEdits() {
  using E = TspCustomEdit;
  PublishClass<E, TCustomEdit>().Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly);
  using S = TspSkinCustomEdit;
  PublishClass<S, TspCustomEdit>()
      .Default("AutoSize", Int64(0))
      .Color("DefaultColor", &S::DefaultColor, &S::SetDefaultColor, clWindow)
      .Object("DefaultFont", &S::DefaultFont)
      .Bool("UseSkinFont", &S::UseSkinFont, &S::UseSkinFont, true)
      .Integer("DefaultWidth", &S::DefaultWidth, &S::SetDefaultWidth)
      .Integer("DefaultHeight", &S::DefaultHeight, &S::SetDefaultHeight)
      .Bool("ButtonMode", &S::ButtonMode, &S::SetButtonMode)
      .Component<TspSkinData>("SkinData", &S::SkinData, &S::SetSkinData)
      .Str("SkinDataName", &S::SkinDataName, &S::SkinDataName, "edit")
      .Bool("AlphaBlend", &S::AlphaBlend, &S::SetAlphaBlend)
      .Integer("AlphaBlendValue", &S::AlphaBlendValue, &S::SetAlphaBlendValue)
      .Enum("Alignment", AlignmentNames(), &S::Alignment, &S::SetAlignment, taLeftJustify)
      .Event("OnButtonClick", &S::OnButtonClick)
      .Event("OnMouseEnter", &S::OnMouseEnter)
      .Event("OnMouseLeave", &S::OnMouseLeave);
  PublishClass<TspSkinEdit, S>();
  PublishClass<TspSkinMaskEdit, TspSkinEdit>().Str("EditMask", &TspSkinMaskEdit::EditMask, &TspSkinMaskEdit::SetEditMask);
  using L = TspSkinURLEdit;
  PublishClass<L, TspSkinEdit>()
      .Enum("LinkType", kLinkTypes, &L::LinkType, &L::LinkType, spltHTTP)
      .Bool("Execute", &L::Execute, &L::Execute, true);
}

void PublishSpinEdit() {
  using S = TspSkinSpinEdit;
  PublishClass<S, TspSkinCustomControl>()
      .Color("DefaultColor", &S::DefaultColor, &S::SetDefaultColor, clWindow)
      .Bool("UseSkinSize", &S::UseSkinSize, &S::UseSkinSize, true)
      .Enum("ValueType", kValueTypes, &S::ValueType, &S::SetValueType, vtInteger)
      .Integer("Decimal", &S::Decimal, &S::SetDecimal, 2)
      .Float("MinValue", &S::MinValue, &S::SetMinValue)
      .Float("MaxValue", &S::MaxValue, &S::SetMaxValue)
      .Float("Value", &S::Value, &S::SimpleSetValue)
      .Float("Increment", &S::Increment, &S::SetIncrement, 1)
      .Bool("EditorEnabled", &S::EditorEnabled, &S::SetEditorEnabled, true)
      .Integer("MaxLength", &S::MaxLength, &S::SetMaxLength)
      .Event("OnChange", &S::OnChange)
      .Event("OnUpButtonClick", &S::OnUpButtonClick)
      .Event("OnDownButtonClick", &S::OnDownButtonClick)
      .Event("OnEditEnter", &S::OnEditEnter)
      .Event("OnEditExit", &S::OnEditExit)
      .Event("OnEditKeyDown", &S::OnEditKeyDown)
      .Event("OnEditKeyUp", &S::OnEditKeyUp)
      .Event("OnEditKeyPress", &S::OnEditKeyPress);
}

void PublishLists() {
  using L = TspSkinCustomListBox;
  PublishClass<L, TspSkinCustomControl>()
      .Lines("TabWidths", &L::TabWidths)
      .Bool("UseSkinItemHeight", &L::UseSkinItemHeight, &L::UseSkinItemHeight, true)
      .Bool("HorizontalExtent", &L::HorizontalExtent, &L::SetHorizontalExtent)
      .Integer("Columns", &L::Columns, &L::SetColumns)
      .Integer("RowCount", &L::RowCount, &L::SetRowCount)
      .Component<TCustomImageList>("Images", &L::Images, &L::SetImages)
      .Integer("ImageIndex", &L::ImageIndex, &L::SetImageIndex, -1)
      .Bool("CaptionMode", &L::CaptionMode, &L::SetCaptionMode)
      .Integer("DefaultCaptionHeight", &L::DefaultCaptionHeight, &L::SetDefaultCaptionHeight, 20)
      .Object("DefaultCaptionFont", &L::DefaultCaptionFont)
      .Enum("Alignment", AlignmentNames(), &L::Alignment, &L::SetAlignment, taLeftJustify)
      .Integer("DefaultItemHeight", &L::DefaultItemHeight, &L::SetDefaultItemHeight, 20)
      .Lines("Items", &L::Items)
      .Integer("ItemIndex", &L::ItemIndex, &L::SetItemIndex, -1)
      .Bool("Sorted", &L::Sorted, &L::SetSorted)
      .Bool("MultiSelect", &L::MultiSelect, &L::SetMultiSelect)
      .Str("Caption", &TControl::Caption, &TControl::SetCaption)
      .Event("OnUpButtonClick", &L::OnUpButtonClick)
      .Event("OnDownButtonClick", &L::OnDownButtonClick)
      .Event("OnCheckButtonClick", &L::OnCheckButtonClick)
      .Event("OnDrawItem", &L::OnDrawItem)
      .Event("OnListBoxClick", &L::OnListBoxClick)
      .Event("OnListBoxDblClick", &L::OnListBoxDblClick)
      .Event("OnListBoxMouseDown", &L::OnListBoxMouseDown)
      .Event("OnListBoxMouseMove", &L::OnListBoxMouseMove)
      .Event("OnListBoxMouseUp", &L::OnListBoxMouseUp)
      .Event("OnListBoxKeyDown", &L::OnListBoxKeyDown)
      .Event("OnListBoxKeyUp", &L::OnListBoxKeyUp)
      .Event("OnListBoxKeyPress", &L::OnListBoxKeyPress);
  PublishClass<TspSkinListBox, L>();
}

void PublishComboBoxes() {
  using C = TspSkinCustomComboBox;
  PublishClass<C, TspSkinCustomControl>()
      .Default("TabStop", 1)
      .Bool("UseSkinSize", &C::UseSkinSize, &C::UseSkinSize, true)
      .Bool("ToolButtonStyle", &C::ToolButtonStyle, &C::SetToolButtonStyle)
      .Bool("HideSelection", &C::HideSelection, &C::HideSelection, true)
      .Bool("AutoComplete", &C::AutoComplete, &C::AutoComplete, true)
      .Bool("HorizontalExtent", &C::HorizontalExtent, &C::SetHorizontalExtent)
      .Component<TCustomImageList>("Images", &C::Images, &C::SetImages)
      .Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1)
      .Bool("ListBoxUseSkinItemHeight", &C::ListBoxUseSkinItemHeight, &C::SetListBoxUseSkinItemHeight, true)
      .Bool("ListBoxUseSkinFont", &C::ListBoxUseSkinFont, &C::SetListBoxUseSkinFont, true)
      .Object("ListBoxDefaultFont", &C::ListBoxDefaultFont)
      .Object("ListBoxDefaultCaptionFont", &C::ListBoxDefaultCaptionFont)
      .Integer("ListBoxDefaultItemHeight", &C::ListBoxDefaultItemHeight, &C::SetListBoxDefaultItemHeight, 20)
      .Enum("ListBoxCaptionAlignment", AlignmentNames(), &C::ListBoxCaptionAlignment, &C::SetListBoxCaptionAlignment,
            taLeftJustify)
      .Str("ListBoxCaption", &C::ListBoxCaption, &C::SetListBoxCaption)
      .Bool("ListBoxCaptionMode", &C::ListBoxCaptionMode, &C::SetListBoxCaptionMode)
      .Bool("ListBoxAlphaBlend", &C::ListBoxAlphaBlend, &C::SetListBoxAlphaBlend)
      .Bool("ListBoxAlphaBlendAnimation", &C::ListBoxAlphaBlendAnimation, &C::SetListBoxAlphaBlendAnimation)
      .Integer("ListBoxAlphaBlendValue", &C::ListBoxAlphaBlendValue, &C::SetListBoxAlphaBlendValue, 200)
      .Integer("ListBoxWidth", &C::ListBoxWidth, &C::ListBoxWidth)
      .Enum("CharCase", kCharCases, &C::CharCase, &C::SetCharCase, ecNormal)
      .Color("DefaultColor", &C::DefaultColor, &C::SetDefaultColor, clWindow)
      .Lines("Items", &C::Items)
      .Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1)
      .Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
      .Enum("Style", kComboStyles, &C::Style, &C::SetStyle, spcbFixedStyle)
      .Bool("Sorted", &C::Sorted, &C::SetSorted)
      .Lines("TabWidths", &C::TabWidths)
      .Str("Text", &TControl::Text, &TControl::SetText)
      .Event("OnListBoxDrawItem", &C::OnListBoxDrawItem, &C::SetOnListBoxDrawItem)
      .Event("OnComboBoxDrawItem", &C::OnComboBoxDrawItem)
      .Event("OnChange", &C::OnChange)
      .Event("OnCloseUp", &C::OnCloseUp)
      .Event("OnDropDown", &C::OnDropDown);
  PublishClass<TspSkinComboBox, C>();
  PublishClass<TspSkinMRUComboBox, TspSkinComboBox>();
  PublishClass<TspComboExItem, TCollectionItem>()
      .Integer("ImageIndex", &TspComboExItem::ImageIndex, &TspComboExItem::SetImageIndex, -1)
      .Integer("SelectedImageIndex", &TspComboExItem::SelectedImageIndex, &TspComboExItem::SetSelectedImageIndex, -1)
      .Integer("Indent", &TspComboExItem::Indent, &TspComboExItem::Indent, -1)
      .Str("Caption", &TspComboExItem::Caption, &TspComboExItem::SetCaption);
  PublishClass<TspComboExItems, TCollection>();
  PublishClass<TspSkinComboBoxEx, C>().Hide("OnListBoxDrawItem").Hide("OnComboBoxDrawItem").Object("ItemsEx", &TspSkinComboBoxEx::ItemsEx);
}

void PublishViews() {
  using V = TspSkinCustomListView;
  PublishClass<V, TCustomListView>()
      .Component<TspSkinData>("SkinData", &V::SkinData, &V::SetSkinData)
      .Str("SkinDataName", &V::SkinDataName, &V::SkinDataName).NoDefault()
      .Object("DefaultFont", &V::DefaultFont)
      .Color("DefaultColor", &V::DefaultColor, &V::SetDefaultColor, clWindow).NoDefault()
      .Bool("UseSkinFont", &V::UseSkinFont, &V::UseSkinFont, true).NoDefault()
      .Str("HeaderSkinDataName", &V::HeaderSkinDataName, &V::HeaderSkinDataName).NoDefault()
      .Component<TspSkinScrollBar>("HScrollBar", &V::HScrollBar, &V::SetHScrollBar)
      .Component<TspSkinScrollBar>("VScrollBar", &V::VScrollBar, &V::SetVScrollBar)
      .Event("OnDrawHeaderSection", &V::OnDrawHeaderSection);
  PublishClass<TspSkinListView, V>();
  using H = TspSkinHeaderControl;
  PublishClass<H, THeaderControl>()
      .Component<TspSkinData>("SkinData", &H::SkinData, &H::SetSkinData)
      .Str("SkinDataName", &H::SkinDataName, &H::SkinDataName).NoDefault()
      .Object("DefaultFont", &H::DefaultFont)
      .Integer("DefaultHeight", &H::DefaultHeight, &H::SetDefaultHeight).NoDefault()
      .Bool("UseSkinFont", &H::UseSkinFont, &H::UseSkinFont, true).NoDefault()
      .Event("OnSkinSectionClick", &H::OnSkinSectionClick)
      .Event("OnDrawSkinSection", &H::OnDrawSkinSection);
}

void PublishPages() {
  using S = TspSkinCustomTabSheet;
  PublishClass<S, TTabSheet>()
      .Integer("ImageIndex", &S::SkinImageIndex, &S::SetSkinImageIndex, -1);
  PublishClass<TspSkinTabSheet, S>();
  using P = TspSkinPageControl;
  PublishClass<P, TPageControl>()
      .Bool("FreeOnClose", &P::FreeOnClose, &P::FreeOnClose)
      .Bool("ShowCloseButtons", &P::ShowCloseButtons, &P::SetShowCloseButtons)
      .Component<TCustomImageList>("Images", &P::Images, &P::SetImages)
      .Bool("TabsBGTransparent", &P::TabsBGTransparent, &P::SetTabsBGTransparent)
      .Object("DefaultFont", &P::DefaultFont)
      .Bool("UseSkinFont", &P::UseSkinFont, &P::UseSkinFont, true)
      .Integer("DefaultItemHeight", &P::DefaultItemHeight, &P::SetDefaultItemHeight, 20)
      .Component<TspSkinData>("SkinData", &P::SkinData, &P::SetSkinData)
      .Str("SkinDataName", &P::SkinDataName, &P::SkinDataName, "tab")
      .Event("OnClose", &P::OnClose)
      .Event("OnAfterClose", &P::OnAfterClose)
      .Event("OnDrawSkinTab", &P::OnDrawSkinTab);
}

}  // namespace

void PublishSkinBoxControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishSkinControlClasses();
  PublishCommonControlClasses();
  PublishScrollBarAndUpDown();
  PublishEdits();
  PublishSpinEdit();
  PublishLists();
  PublishComboBoxes();
  PublishViews();
  PublishPages();
  RegisterSkinBoxControlsSkinChange();
}
