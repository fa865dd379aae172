// The font list box on fed families: the filter table, the recent fonts and the
// selection across a new window, the selected font, the preview (also once its
// panel was freed first), the glyphs.
#include <gtest/gtest.h>

#include <vector>

#include "framed/lists/RzFontListBox.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

// Variable-pitch TrueType, fixed raster, fixed TrueType, symbol TrueType, a printer's own.
const std::vector<TFontFamilyInfo> kFamilies = {
    {"Arial Test", ANSI_CHARSET, 0x05, TRUETYPE_FONTTYPE},
    {"Courier Test", ANSI_CHARSET, 0x00, RASTER_FONTTYPE},
    {"Mono Test", ANSI_CHARSET, 0x04, TRUETYPE_FONTTYPE},
    {"Symbol Test", SYMBOL_CHARSET, 0x05, TRUETYPE_FONTTYPE},
    {"Printer Test", ANSI_CHARSET, 0x01, DEVICE_FONTTYPE},
    {"Arial Test", GREEK_CHARSET, 0x05, TRUETYPE_FONTTYPE},  // the same family again: listed once
};

class FramedFontListBox : public FramedForm {
protected:
  TFontEnumerationOverride families_{[](TFontDeviceKind) { return kFamilies; }};

  TRzFontListBox* List() { return Make<TRzFontListBox>({10, 10, 200, 200}); }
  static std::vector<String> Names(TRzFontListBox* list) {
    std::vector<String> names;
    for (int i = 0; i < list->Items()->Count(); ++i) names.push_back(list->Items()->Strings(i));
    return names;
  }
};

TEST_F(FramedFontListBox, TheFilterListsTheFamiliesOfTheType) {
  ShowForm();
  struct Case {
    TRzFontType type;
    bool symbols;
    std::vector<String> expected;  // sorted
  } cases[] = {
      {ftAll, true, {"Arial Test", "Courier Test", "Mono Test", "Printer Test", "Symbol Test"}},
      {ftAll, false, {"Arial Test", "Courier Test", "Mono Test", "Printer Test"}},
      {ftTrueType, true, {"Arial Test", "Mono Test", "Symbol Test"}},
      {ftFixedPitch, true, {"Courier Test", "Mono Test"}},
      {ftPrinter, true, {"Printer Test"}},
  };
  auto* list = List();
  for (const Case& c : cases) {
    list->SetFontType(c.type);
    list->SetShowSymbolFonts(c.symbols);
    EXPECT_EQ(Names(list), c.expected) << c.type << " " << c.symbols;
  }
}

TEST_F(FramedFontListBox, RecentFontsStayOnTopAcrossANewWindow) {
  ShowForm();
  auto* list = List();
  list->MaintainMRUFonts = true;
  list->SetItemIndex(4);  // Symbol Test
  list->AddFontToMRUList();
  EXPECT_EQ(list->Items()->Strings(0), "Symbol Test");
  EXPECT_EQ(list->MRULast(), 0);
  EXPECT_EQ(list->ItemIndex(), 0);
  list->SetItemIndex(5);  // the same family lower down: the top copy moves, none is added
  list->AddFontToMRUList();
  EXPECT_EQ(list->Items()->Count(), 6);
  list->SetItemIndex(2);  // Courier Test
  list->AddFontToMRUList();
  EXPECT_EQ(Names(list)[0], "Courier Test");
  EXPECT_EQ(list->MRULast(), 1);
  list->AddFontToMRUList();  // the first item: nothing changes
  EXPECT_EQ(list->Items()->Count(), 7);

  list->SetItemIndex(4);  // Mono Test
  list->Font()->SetSize(14);  // a new window
  EXPECT_EQ((std::vector<String>{Names(list)[0], Names(list)[1]}),
            (std::vector<String>{"Courier Test", "Symbol Test"}));
  EXPECT_EQ(list->MRULast(), 1);
  EXPECT_EQ(list->Items()->Count(), 7);
  EXPECT_EQ(list->GetFontName(), "Mono Test");
  list->SetFontType(ftTrueType);
  EXPECT_EQ(list->GetFontName(), "Mono Test");
}

TEST_F(FramedFontListBox, TheSelectedFontFollowsTheSelection) {
  ShowForm();
  auto* list = List();
  EXPECT_EQ(list->GetSelectedFont(), nullptr);
  EXPECT_EQ(list->GetFontName(), "");
  list->SetFontName("Nowhere");
  EXPECT_EQ(list->ItemIndex(), -1);
  list->FontSize = 12;
  list->FontStyle = fsBold;
  list->SetFontName("Mono Test");
  TFont* font = list->GetSelectedFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name(), "Mono Test");
  EXPECT_EQ(font->Size(), 12);
  EXPECT_EQ(font->Style(), TFontStyles(fsBold));
}

TEST_F(FramedFontListBox, ThePreviewShowsWhileTheButtonIsDown) {
  ShowForm();
  auto* list = List();
  list->SetShowStyle(ssFontPreview);
  PumpMessages();
  const TRect item = list->ItemRect(1);
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.Left + 30, item.Top + 2));
  PumpMessages();
  ASSERT_TRUE(list->PreviewShown());
  RECT shown;
  ::GetWindowRect(list->PreviewPanel()->Handle(), &shown);
  EXPECT_EQ(shown.left, list->ClientOrigin().X + list->Width() - 1);
  EXPECT_EQ(list->PreviewPanel()->Font()->Name(), "Courier Test");
  EXPECT_EQ(list->PreviewPanel()->Caption(), "AaBbYyZz");
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(item.Left + 30, item.Top + 2));
  EXPECT_FALSE(list->PreviewShown());
  EXPECT_FALSE(::IsWindowVisible(list->PreviewPanel()->Handle()));
}

// The preview panel freed before its list box: the list box forgets it, a press
// shows nothing, and the list box goes without touching the panel again.
TEST_F(FramedFontListBox, APreviewPanelFreedFirstIsForgotten) {
  ShowForm();
  auto* list = List();
  list->SetShowStyle(ssFontPreview);
  PumpMessages();
  delete list->PreviewPanel();
  EXPECT_EQ(list->PreviewPanel(), nullptr);
  const TRect item = list->ItemRect(1);
  list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.Left + 30, item.Top + 2));
  PumpMessages();
  EXPECT_FALSE(list->PreviewShown());
  list->Perform(WM_LBUTTONUP, 0, MAKELPARAM(item.Left + 30, item.Top + 2));
  delete list;
  PumpMessages();
}

TEST(FramedFontGlyphs, LoadWithTheirSizeAndOliveBackground) {
  TRzFontGlyphs glyphs;
  for (TBitmap* glyph :
       {glyphs.TrueType(), glyphs.FixedPitch(), glyphs.TrueTypeFixed(), glyphs.Printer(), glyphs.Device()}) {
    EXPECT_EQ(glyph->Width(), 12);
    EXPECT_EQ(glyph->Height(), 12);
    EXPECT_EQ(ColorToRGB(glyph->Canvas()->Pixels(0, 11)), ColorToRGB(clOlive));
  }
  EXPECT_EQ(glyphs.For(0x05, fdScreen), glyphs.TrueType());
  EXPECT_EQ(glyphs.For(0x04, fdScreen), glyphs.TrueTypeFixed());
  EXPECT_EQ(glyphs.For(0x00, fdScreen), glyphs.FixedPitch());
  EXPECT_EQ(glyphs.For(0x01, fdScreen), glyphs.Device());
  EXPECT_EQ(glyphs.For(0x01, fdPrinter), glyphs.Printer());
}

}  // namespace
