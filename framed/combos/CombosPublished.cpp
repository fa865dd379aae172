#include "framed/combos/CombosPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/combos/RzColorComboBox.h"
#include "framed/combos/RzFontComboBox.h"
#include "framed/combos/RzImageComboBox.h"
#include "framed/combos/RzMRUComboBox.h"
#include "platform/published/Published.h"
#include "platform/stdctrls/Edit.h"

namespace {

const char* const kStdNames[] = {"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
                                 "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
const char* const kSysNames[] = {"ScrollBar", "Background", "ActiveCaption", "InactiveCaption", "Menu",
                                 "Window", "WindowFrame", "MenuText", "WindowText", "CaptionText",
                                 "ActiveBorder", "InactiveBorder", "AppWorkSpace", "Highlight", "HighlightText",
                                 "BtnFace", "BtnShadow", "GrayText", "BtnText", "InactiveCaptionText",
                                 "BtnHighlight", "DkShadow3D", "Light3D", "InfoText", "InfoBk"};

void PublishColorNames() {
  using N = TRzColorNames;
  auto builder = PublishClass<N>();
  builder.Str("Default", &N::Default, &N::SetDefault).NoDefault();
  for (int i = 0; i < N::kStdColors; ++i)
    builder.Str(kStdNames[i], [i](N& n) { return n.GetStdColor(i); }, [i](N& n, const String& v) { n.SetStdColor(i, v); })
        .NoDefault();
  for (int i = 0; i < N::kSysColors; ++i)
    builder.Str(kSysNames[i], [i](N& n) { return n.GetSysColor(i); }, [i](N& n, const String& v) { n.SetSysColor(i, v); })
        .NoDefault();
  builder.Str("Custom", &N::Custom, &N::SetCustom).NoDefault();
}

// A combo box that fills its own list: neither its items nor its style come from a definition.
template <class T>
TPublishedBuilder<T> PublishOwnList() {
  return std::move(PublishClass<T, TRzCustomComboBox>().Hide("Items").Hide("ItemIndex").Hide("Style").Hide("Text"));
}

void PublishColorComboBox() {
  using C = TRzColorComboBox;
  PublishOwnList<C>()
      .Object("ColorNames", &C::ColorNames)
      .Color("CustomColor", &C::CustomColor, &C::SetCustomColor, clBlack)
      .Lines("CustomColors", &C::CustomColors)
      .Set("ColorDlgOptions", ColorDialogOptionNames(), &C::ColorDlgOptions, &C::ColorDlgOptions,
           ColorDialogOption(cdFullOpen))
      .Color("DefaultColor", &C::DefaultColor, &C::SetDefaultColor, clBlack)
      .Component<TRzRegIniFile>("RegIniFile", &C::RegIniFile, &C::SetRegIniFile)
      .Bool("ShowColorNames", &C::ShowColorNames, &C::SetShowColorNames, true)
      .Bool("ShowCustomColor", &C::ShowCustomColor, &C::SetShowCustomColor, true)
      .Bool("ShowDefaultColor", &C::ShowDefaultColor, &C::SetShowDefaultColor, true)
      .Bool("ShowSysColors", &C::ShowSysColors, &C::SetShowSysColors, true)
      .Color("SelectedColor", &C::GetSelectedColor, &C::SetSelectedColor, clBlack);
}

void PublishFontComboBox() {
  RzRows::FontChooser(PublishOwnList<TRzFontComboBox>().Default("DropDownCount", 14).Default("Sorted", 1), true);
}

void PublishMRUComboBox() {
  using M = TRzMRUComboBox;
  PublishClass<M, TRzCustomComboBox>()
      .Hide("ItemIndex")
      .Hide("KeepSearchCase")
      .Hide("PopupMenu")
      .Hide("Sorted")
      .Hide("OnDeleteItem")
      .Hide("OnSelEndCancel")
      .Hide("OnSelEndOk")
      .Integer("MaxHistory", &M::MaxHistory, &M::MaxHistory, 25)
      .Str("MruPath", &M::MruPath, &M::MruPath)
      .Component<TRzRegIniFile>("MruRegIniFile", &M::MruRegIniFile, &M::SetMruRegIniFile)
      .Str("MruSection", &M::MruSection, &M::MruSection)
      .Str("MruID", &M::MruID, &M::MruID)
      .Str("RemoveItemCaption", &M::RemoveItemCaption, &M::SetRemoveItemCaption, "&Remove item from history list")
      .Bool("SelectFirstItemOnLoad", &M::SelectFirstItemOnLoad, &M::SelectFirstItemOnLoad, false)
      .Event("OnEnterKeyPressed", &M::OnEnterKeyPressed)
      .Event("OnEscapeKeyPressed", &M::OnEscapeKeyPressed);
}

void PublishImageComboBox() {
  using I = TRzCustomImageComboBox;
  PublishOwnList<I>()
      .Hide("OnDeleteItem")
      .Bool("AutoSizeHeight", &I::AutoSizeHeight, &I::AutoSizeHeight, true)
      .Component<TCustomImageList>("Images", &I::Images, &I::SetImages)
      .Integer("ItemIndent", &I::ItemIndent, &I::SetItemIndent, 12)
      .Event("OnDeleteItem", &I::OnDeleteItem)
      .Event("OnGetItemData", &I::OnGetItemData);
  PublishClass<TRzImageComboBox, I>();
}

}  // namespace

void PublishFramedCombos() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishColorNames();
  PublishColorComboBox();
  PublishFontComboBox();
  PublishMRUComboBox();
  PublishImageComboBox();
}
