// The published properties of the font and colour pickers.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/pickers/ColorPickers.h"
#include "skin/controls/pickers/FontPickers.h"

namespace {

const TEnumNames kDevices{"TspFontDevice", {"fdScreen", "fdPrinter", "fdBoth"}};
const TEnumNames kFontOptions{"TspFontListOption",
                              {"foAnsiOnly", "foTrueTypeOnly", "foFixedPitchOnly", "foNoOEMFonts", "foOEMFontsOnly",
                               "foScalableOnly", "foNoSymbolFonts"}};
const TEnumNames kColorStyles{"TspColorBoxStyles",
                              {"spcbStandardColors", "spcbExtendedColors", "spcbSystemColors", "spcbIncludeNone",
                               "spcbIncludeDefault", "spcbCustomColor", "spcbPrettyNames"}};

template <class B, class Parent>
void PublishFontPicker() {
  PublishClass<B, Parent>()
      .Enum("Device", kDevices, &B::Device, &B::SetDevice, fdScreen)
      .Str("FontName", &B::FontName, &B::SetFontName)
      .Set("Options", kFontOptions, &B::Options, &B::SetOptions, 0)
      .Bool("TrueTypeOnly", &B::TrueTypeOnly, &B::SetTrueTypeOnly, false)
      .Bool("UseFonts", &B::UseFonts, &B::SetUseFonts, false)
      .Default("Sorted", 1);
}

template <class B, class Parent>
void PublishColorPicker() {
  PublishClass<B, Parent>()
      .Set("ExStyle", kColorStyles, &B::ExStyle, &B::SetExStyle, kDefaultColorBoxStyle)
      .Color("Selected", &B::Selected, &B::SetSelected, clBlack)
      .Color("DefaultColorColor", &B::DefaultColorColor, &B::SetDefaultColorColor, clBlack)
      .Color("NoneColorColor", &B::NoneColorColor, &B::SetNoneColorColor, clBlack)
      .Bool("ShowNames", &B::ShowNames, &B::SetShowNames, true);
}

}  // namespace

void PublishSkinPickersPeriphery() {
  PublishFontPicker<TspSkinFontComboBox, TspSkinCustomComboBox>();
  PublishFontPicker<TspSkinFontListBox, TspSkinListBox>();
  PublishClass<TspSkinFontSizeComboBox, TspSkinCustomComboBox>();
  PublishColorPicker<TspSkinColorComboBox, TspSkinCustomComboBox>();
  PublishClass<TspSkinColorComboBox, TspSkinCustomComboBox>().Hide("OnCloseUp").Hide("Style");
  PublishColorPicker<TspSkinColorListBox, TspSkinListBox>();
}
