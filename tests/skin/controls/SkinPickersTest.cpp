// The font and colour pickers: the font filters on a fixed family list, the
// "TT" entries, case-insensitive selection, the sizes of a TrueType family,
// size texts, the colour list by style, pretty names, the custom entry and
// selecting a colour outside the list.
#include <gtest/gtest.h>

#include "skin/controls/pickers/ColorPickers.h"
#include "skin/controls/pickers/FontPickers.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

std::vector<TFontFamilyInfo> Families(TFontDeviceKind kind) {
  if (kind == fdkPrinter) return {{"Printer Gothic", ANSI_CHARSET, FIXED_PITCH, DEVICE_FONTTYPE}};
  return {{"Arial", ANSI_CHARSET, VARIABLE_PITCH, TRUETYPE_FONTTYPE},
          {"Courier", ANSI_CHARSET, FIXED_PITCH, RASTER_FONTTYPE},
          {"Symbol", SYMBOL_CHARSET, VARIABLE_PITCH, TRUETYPE_FONTTYPE},
          {"Terminal", OEM_CHARSET, FIXED_PITCH, RASTER_FONTTYPE},
          {"ARIAL", ANSI_CHARSET, VARIABLE_PITCH, TRUETYPE_FONTTYPE},
          {"Courier New", ANSI_CHARSET, FIXED_PITCH, TRUETYPE_FONTTYPE}};
}

String Joined(TStrings* items) {
  String s;
  for (int i = 0; i < items->Count(); ++i) s += (i ? "," : "") + items->Strings(i);
  return s;
}

}  // namespace

TEST(SkinFontPickers, FiltersDevicesAndDuplicates) {
  TFontEnumerationOverride fonts(Families);
  struct Case {
    TspFontListOptions options;
    TspFontDevice device;
    const char* listed;
  };
  const Case cases[] = {
      {0, fdScreen, "Arial,Courier,Courier New,Symbol,Terminal"},
      {FontOption(foTrueTypeOnly), fdScreen, "Arial,Courier New,Symbol"},
      {FontOption(foNoSymbolFonts), fdScreen, "Arial,Courier,Courier New,Terminal"},
      {FontOption(foScalableOnly), fdScreen, "Arial,Courier New,Symbol"},
      {FontOption(foFixedPitchOnly), fdScreen, "Courier,Courier New,Terminal"},
      {FontOption(foOEMFontsOnly), fdScreen, "Terminal"},
      {FontOption(foNoOEMFonts) | FontOption(foAnsiOnly), fdScreen, "Arial,Courier,Courier New"},
      {0, fdPrinter, "Printer Gothic"},
      {FontOption(foTrueTypeOnly), fdBoth, "Arial,Courier New,Symbol"},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* box = host.Make<TspSkinFontComboBox>();
    box->SetOptions(c.options);
    box->SetDevice(c.device);
    box->Reset();
    EXPECT_EQ(Joined(box->Items()), c.listed) << c.options << "/" << c.device;
  }
  BoxForm host;
  auto* list = host.Make<TspSkinFontListBox>({10, 10, 200, 200});
  list->ListBox()->HandleNeeded();
  list->PopulateList();
  EXPECT_EQ(Joined(list->Items()), "Arial,Courier,Courier New,Symbol,Terminal");
  int clicks = 0;
  list->OnListBoxClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  list->SetFontName("courier new");
  EXPECT_EQ(list->FontName(), "Courier New");
  EXPECT_EQ(clicks, 1);
}

TEST(SkinFontPickers, FontNameSelectsCaseInsensitivelyAndFiresOnChange) {
  TFontEnumerationOverride fonts(Families);
  BoxForm host;
  auto* box = host.Make<TspSkinFontComboBox>();
  box->SetStyle(spcbFixedStyle);
  box->Reset();
  int changes = 0;
  box->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  box->SetFontName("courier");
  EXPECT_EQ(box->FontName(), "Courier");
  EXPECT_EQ(changes, 2) << "the text change and once more";
  box->SetFontName("Not Installed");
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->FontName(), "Courier") << "a fixed-style box keeps its old text";
}

TEST(SkinFontPickers, SizesOfATrueTypeFamilyAndSizeTexts) {
  TFontEnumerationOverride fonts(Families);
  BoxForm host;
  auto* sizes = host.Make<TspSkinFontSizeComboBox>();
  sizes->SetFontName("Arial");
  EXPECT_EQ(Joined(sizes->Items()), "8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72");
  struct Case {
    const char* text;
    Integer value;
  };
  const Case cases[] = {{"12", 12}, {"-3", -3}, {"1-2", 0}, {"", 0}, {"abc", 0}, {"-", 0},
                        {"999999999999999999999999999999", 0}, {"2147483647", 2147483647}};
  for (const Case& c : cases) EXPECT_EQ(SizeTextValue(c.text), c.value) << c.text;
  sizes->SetStyle(spcbFixedStyle);
  EXPECT_EQ(sizes->GetSizeValue(), 0) << "no selection";
  sizes->SetItemIndex(4);
  EXPECT_EQ(sizes->GetSizeValue(), 12);
}

TEST(SkinColorPickers, ListCountsByStyleAndNames) {
  struct Case {
    TspColorBoxStyle style;
    int count;
    const char* first;
  };
  const Case cases[] = {
      {kDefaultColorBoxStyle, 50, "clBlack"},
      {ColorStyle(spcbStandardColors), 16, "clBlack"},
      {ColorStyle(spcbStandardColors) | ColorStyle(spcbCustomColor), 17, "Custom..."},
      {kDefaultColorBoxStyle | ColorStyle(spcbIncludeNone) | ColorStyle(spcbIncludeDefault), 52, "clBlack"},
      {ColorStyle(spcbExtendedColors) | ColorStyle(spcbPrettyNames), 4, "Money Green"},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* box = host.Make<TspSkinColorComboBox>();
    box->SetExStyle(c.style);
    EXPECT_EQ(box->Items()->Count(), c.count) << c.style;
    EXPECT_EQ(box->Items()->Strings(0), c.first) << c.style;
    EXPECT_TRUE(box->Enabled());
  }
  EXPECT_EQ(PrettyColorName("clBtnFace"), "Btn Face");
  BoxForm host;
  auto* box = host.Make<TspSkinColorComboBox>();
  box->SetExStyle(0);
  EXPECT_FALSE(box->Enabled()) << "no colours: disabled";
}

TEST(SkinColorPickers, SelectingAColourOutsideTheList) {
  BoxForm host;
  auto* combo = host.Make<TspSkinColorComboBox>();
  combo->SetExStyle(ColorStyle(spcbStandardColors) | ColorStyle(spcbCustomColor));
  combo->SetSelected(0x123456);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->GetColor(0), 0x123456);
  EXPECT_EQ(combo->Selected(), 0x123456);
  combo->SetSelected(clRed);
  EXPECT_EQ(combo->GetColorName(combo->ItemIndex()), "clRed");
  auto* list = host.Make<TspSkinColorListBox>({10, 40, 200, 200});
  list->ListBox()->HandleNeeded();
  list->SetExStyle(ColorStyle(spcbStandardColors));
  list->SetSelected(0x123456);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Selected(), kNoColor);
}
