// The published properties of the edits, buttons, lists and labels.
#include "platform/published/StdCtrlsPublished.h"

#include "platform/published/ExtCtrlsPublished.h"
#include "platform/published/FormsPublished.h"
#include "platform/published/Published.h"
#include "platform/stdctrls/StdCtrls.h"

const TEnumNames& ControlBorderStyleNames() {
  static const TEnumNames names{"TBorderStyle", {"bsNone", "bsSingle"}};
  return names;
}

const TEnumNames& AlignmentNames() {
  static const TEnumNames names{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return names;
}

namespace {

const TEnumNames kCharCases{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
const TEnumNames kScrollStyles{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
const TEnumNames kListBoxStyles{"TListBoxStyle",
                                {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual", "lbVirtualOwnerDraw"}};
const TEnumNames kComboBoxStyles{"TComboBoxStyle",
                                 {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
const TEnumNames kTextLayouts{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};

String PasswordCharText(TCustomEdit& edit) { return edit.PasswordChar() ? String(1, edit.PasswordChar()) : String(); }
void SetPasswordCharText(TCustomEdit& edit, const String& text) { edit.SetPasswordChar(text.empty() ? 0 : text[0]); }

void PublishEdits() {
  PublishClass<TCustomEdit, TWinControl>()
      .Default("AutoSize", 1)
      .Default("TabStop", 1)
      .Hide("Caption")
      .Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true)
      .Enum("BorderStyle", ControlBorderStyleNames(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, bsSingle)
      .Enum("CharCase", kCharCases, &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, ecNormal)
      .Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true)
      .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
      .Str("PasswordChar", PasswordCharText, SetPasswordCharText)
      .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
      .Str("Text", &TControl::Text, &TControl::SetText)
      .Event("OnChange", &TCustomEdit::OnChange);
  PublishClass<TEdit, TCustomEdit>();

  PublishClass<TCustomMemo, TCustomEdit>()
      .Hide("Text")
      .Default("AutoSize", Int64(0))
      .Enum("Alignment", AlignmentNames(), &TCustomMemo::Alignment, &TCustomMemo::SetAlignment, taLeftJustify)
      .Lines("Lines", &TCustomMemo::Lines)
      .Enum("ScrollBars", kScrollStyles, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ssNone)
      .Bool("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns, true)
      .Bool("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false)
      .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true);
  PublishClass<TMemo, TCustomMemo>();
}

void PublishButtonAndLists() {
  PublishClass<TButton, TWinControl>()
      .Default("TabStop", 1)
      .Default("Color", clBtnFace)
      .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
      .Bool("Default", &TButton::Default, &TButton::SetDefault, false)
      .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);

  PublishClass<TCustomListBox, TWinControl>()
      .Default("TabStop", 1)
      .Hide("Caption")
      .Enum("BorderStyle", ControlBorderStyleNames(), &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle,
            bsSingle)
      .Integer("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns, 0)
      .Bool("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect, true)
      .Bool("IntegralHeight", &TCustomListBox::IntegralHeight, &TCustomListBox::SetIntegralHeight, false)
      .Integer("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight, 16)
      .Lines("Items", &TCustomListBox::Items)
      .Integer("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex, -1)
      .Bool("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect, false)
      .Bool("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted, false)
      .Enum("Style", kListBoxStyles, &TCustomListBox::Style, &TCustomListBox::SetStyle, lbStandard)
      .Event("OnDrawItem", &TCustomListBox::OnDrawItem)
      // The virtual styles' count, text, object and search.
      .Integer("Count", &TCustomListBox::Count, &TCustomListBox::SetCount, 0)
      .StoredWhen([](TCustomListBox& l) { return l.IsVirtual(); })
      .Integer("TabWidth", &TCustomListBox::TabWidth, &TCustomListBox::SetTabWidth, 0)
      .Event("OnData", &TCustomListBox::OnData)
      .Event("OnDataObject", &TCustomListBox::OnDataObject)
      .Event("OnDataFind", &TCustomListBox::OnDataFind);
  PublishClass<TListBox, TCustomListBox>();

  PublishClass<TCustomComboBox, TWinControl>()
      .Default("TabStop", 1)
      .Hide("Caption")
      .Enum("Style", kComboBoxStyles, &TCustomComboBox::Style, &TCustomComboBox::SetStyle, csDropDown)
      .Integer("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount, 8)
      .Integer("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight, 16)
      .Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex, -1)
      .Integer("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength, 0)
      .Bool("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted, false)
      .Str("Text", &TControl::Text, &TControl::SetText)
      .Lines("Items", &TCustomComboBox::Items)
      .Bool("AutoComplete", &TCustomComboBox::AutoComplete, &TCustomComboBox::AutoComplete, true)
      .Bool("AutoDropDown", &TCustomComboBox::AutoDropDown, &TCustomComboBox::AutoDropDown, false)
      .Event("OnChange", &TCustomComboBox::OnChange)
      .Event("OnSelect", &TCustomComboBox::OnSelect)
      .Event("OnDropDown", &TCustomComboBox::OnDropDown)
      .Event("OnCloseUp", &TCustomComboBox::OnCloseUp)
      .Event("OnDrawItem", &TCustomComboBox::OnDrawItem);
  PublishClass<TComboBox, TCustomComboBox>();
}

void PublishLabels() {
  PublishClass<TCustomLabel, TGraphicControl>()
      .Default("AutoSize", 1)
      .Default("ParentColor", 1)
      .Enum("Alignment", AlignmentNames(), &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, taLeftJustify)
      .Component<TWinControl>("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
      .Enum("Layout", kTextLayouts, &TCustomLabel::Layout, &TCustomLabel::SetLayout, tlTop)
      .Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
      .Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false)
      .Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false);
  PublishClass<TLabel, TCustomLabel>();
}

}  // namespace

void PublishStdControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  UseFormDefinitions();
  PublishEdits();
  PublishButtonAndLists();
  PublishLabels();
  PublishExtControlClasses();
}
