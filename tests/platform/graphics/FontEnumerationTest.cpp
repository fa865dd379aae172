#include <gtest/gtest.h>

#include "platform/graphics/FontEnumeration.h"
#include "platform/graphics/PrinterDC.h"

TEST(FontEnumeration, ScreenListsFamiliesWithTheirFlags) {
  const auto families = EnumerateFontFamilies(fdkScreen);
  ASSERT_FALSE(families.empty());
  for (const auto& family : families) {
    EXPECT_FALSE(family.Name.empty());
    EXPECT_LT(family.Name.size(), 32u);
    // A TrueType family says so in both places.
    if (family.FontType & TRUETYPE_FONTTYPE) {
      EXPECT_NE(family.PitchAndFamily & TMPF_TRUETYPE, 0) << family.Name;
    }
  }
}

// Without a printer the printer's list is empty and nothing fails; with one, its
// device context exists and lists what it has.
TEST(FontEnumeration, MissingPrinterListsNothing) {
  TPrinterDC printer;
  const auto families = EnumerateFontFamilies(fdkPrinter);
  if (!printer.Exists()) {
    EXPECT_TRUE(families.empty());
  }
}

TEST(FontEnumeration, OverridesNestAndRestore) {
  const size_t real = EnumerateFontFamilies(fdkScreen).size();
  {
    TFontEnumerationOverride outer([](TFontDeviceKind device) {
      return std::vector<TFontFamilyInfo>{{device == fdkPrinter ? "Printer Face" : "Screen Face", 0, 1, 4}};
    });
    EXPECT_EQ(EnumerateFontFamilies(fdkScreen).at(0).Name, "Screen Face");
    EXPECT_EQ(EnumerateFontFamilies(fdkPrinter).at(0).Name, "Printer Face");
    {
      TFontEnumerationOverride inner([](TFontDeviceKind) { return std::vector<TFontFamilyInfo>{}; });
      EXPECT_TRUE(EnumerateFontFamilies(fdkScreen).empty());
    }
    EXPECT_EQ(EnumerateFontFamilies(fdkScreen).size(), 1u);
  }
  EXPECT_EQ(EnumerateFontFamilies(fdkScreen).size(), real);
}
