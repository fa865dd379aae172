// The text, link, wave, shadow, bit and button labels: sizes, colours while
// hovered, the URL opened through the shell, the bent and shadowed pictures,
// and the picture-font cells of the bit label.
#include <gtest/gtest.h>

#include "platform/controls/Messages.h"
#include "skin/controls/labels/SkinBitLabel.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinEffectLabels.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

// The extent DrawText gives the text in the font.
TSize Measure(const TFont* font, const String& text) {
  TBitmap b(1, 1);
  b.Canvas()->SetFont(font);
  TRect r{0, 0, 0, 0};
  b.Canvas()->TextRect(r, text, DT_CALCRECT | DT_EXPANDTABS);
  return TSize{r.Width(), r.Height()};
}

bool AnyPixel(TBitmap& image, TColor colour) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (PixelOf(image, x, y) == colour) return true;
  return false;
}

}  // namespace

TEST(SkinTextLabel, AutoSizeTakesTheWidestLineAndTheLinesHeight) {
  FormFixture f;
  auto* label = f.Make<TspSkinTextLabel>({10, 10, 75, 75});
  label->Lines()->Add("one");
  label->Lines()->Add("a longer line");
  TSize line = Measure(label->DefaultFont(), "a longer line");
  TSize a = Measure(label->DefaultFont(), "A");
  EXPECT_EQ(label->Width(), line.cx);
  EXPECT_EQ(label->Height(), 2 * a.cy);
  label->SetAlignment(taRightJustify);
  Integer right = label->Left() + label->Width();
  label->Lines()->Delete(1);
  EXPECT_EQ(label->Left() + label->Width(), right);  // a right-aligned label keeps its right edge
  label->SetAutoSize(false);
  label->Lines()->Add("a much much longer line than before");
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST(SkinTextLabel, TakesTheRecordFontAndColour) {
  TestSkin skin;
  skin.Add("stdlabel", "stdlabel", "fontcolor=255;fontheight=30");
  skin.Finish();
  FormFixture f;
  auto* label = f.Make<TspSkinTextLabel>({0, 0, 65, 65});
  label->Lines()->Add("WWW");
  Integer plain = label->Height();
  label->SetSkinData(&skin.data);
  EXPECT_GT(label->Height(), plain);
  auto image = Render(label);
  EXPECT_TRUE(AnyPixel(*image, clRed));
}

TEST(SkinLinkLabel, ClickOpensTheURLOnlyWhenThereIsOne) {
  SystemCallsGuard guard;
  std::vector<String> opened;
  SystemCalls().ShellExecute = [&](HWND owner, const String& verb, const String& file, const String& parameters,
                                   const String& folder, int show) {
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(verb, "open");
    EXPECT_TRUE(parameters.empty() && folder.empty());
    EXPECT_EQ(show, SW_SHOWNORMAL);
    opened.push_back(file);
    return reinterpret_cast<HINSTANCE>(42);
  };
  FormFixture f;
  int clicks = 0;
  auto* label = f.Make<TspSkinLinkLabel>({0, 0, 80, 20});
  label->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  label->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(opened.empty());
  label->URL = "http://example.org/";
  label->Click();
  auto* image = f.Make<TspSkinLinkImage>({0, 30, 20, 50});
  image->URL = "mailto:someone@example.org";
  image->Click();
  EXPECT_EQ(opened, (std::vector<String>{"http://example.org/", "mailto:someone@example.org"}));
}

TEST(SkinLinkLabel, HoveredColourWithAndWithoutARecord) {
  TestSkin skin;
  skin.Add("stdlabel", "stdlabel", "fontcolor=0;activefontcolor=65280");
  skin.Finish();
  FormFixture f;
  for (bool record : {false, true}) {
    auto* label = f.Make<TspSkinLinkLabel>({0, 0, 80, 20});
    label->SetCaption("WWWW");
    label->DefaultActiveFontColor = clRed;
    if (record) label->SetSkinData(&skin.data);
    auto idle = Render(label);
    EXPECT_FALSE(AnyPixel(*idle, record ? clLime : clRed));
    label->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(label->Hot());
    auto hot = Render(label);
    EXPECT_TRUE(AnyPixel(*hot, record ? clLime : clRed)) << "record " << record;
    delete label;
  }
}

TEST(SkinWaveLabel, NoBendForAZeroDivisorOrRatio) {
  FormFixture f;
  f.form->Show();
  auto* label = f.Make<TspSkinWaveLabel>({0, 0, 200, 40});
  label->SetCaption("Wave");
  label->Font()->SetColor(clBlack);
  label->UseSkinColor = false;
  label->SetAntialiasing(false);
  label->SetRatioVal(0);
  auto flat = Render(label);
  label->SetRatioVal(5);
  label->SetXDiv(0);
  auto zeroDivisor = Render(label);
  label->SetXDiv(20);
  auto bent = Render(label);
  auto same = [](TBitmap& a, TBitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (PixelOf(a, x, y) != PixelOf(b, x, y)) return false;
    return true;
  };
  EXPECT_TRUE(AnyPixel(*flat, clBlack));
  EXPECT_TRUE(same(*flat, *zeroDivisor));
  EXPECT_FALSE(same(*flat, *bent));
}

TEST(SkinShadowLabel, AutoSizeIsThreePixelsBeyondTheText) {
  FormFixture f;
  auto* label = f.Make<TspSkinShadowLabel>({0, 0, 65, 17});
  label->SetCaption("Shadowed");
  TSize text = Measure(label->Font(), "Shadowed");
  EXPECT_EQ(label->Width(), text.cx + 3);
  EXPECT_EQ(label->Height(), text.cy + 3);
  f.form->Show();
  label->UseSkinColor = false;
  label->Font()->SetColor(clRed);
  auto image = Render(label);
  EXPECT_TRUE(AnyPixel(*image, clRed));
}

namespace {

class BitLabelTest : public ::testing::Test {
protected:
  BitLabelTest() {
    // Fixed parts of 4 pixels each side; cells of 6 x 10 in two rows.
    skin.Add("bitlabel", "bitlabel",
             "skinrect=0,0,40,14;clientrect=4,2,36,12;lefttoppoint=4,2;righttoppoint=36,2;"
             "skintextrect=0,20,36,40;symbolwidth=6;symbolheight=10;symbols=ABC");
    auto* record = dynamic_cast<TspDataSkinBitLabelControl*>(skin.data.CtrlList.back().get());
    record->symbols.Clear();
    record->symbols.Add("ABCDEF");
    record->symbols.Add("012345");
    skin.Finish();
    // Each cell of the grid gets its own colour.
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 6; ++column) {
        skin.Picture().Canvas()->Brush()->SetColor(Cell(row, column));
        skin.Picture().Canvas()->FillRect(TRect{column * 6, 20 + row * 10, column * 6 + 6, 30 + row * 10});
      }
  }
  static TColor Cell(int row, int column) { return RGB(20 + column * 30, 40 + row * 100, 90); }
  TestSkin skin;
  FormFixture f;
};

}  // namespace

TEST_F(BitLabelTest, FixLengthSetsTheWidthAndSwitchesAutoSizeOff) {
  auto* label = f.Make<TspSkinBitLabel>({0, 0, 100, 14});
  label->SetAutoSizeX(true);
  label->SetSkinData(&skin.data);
  label->SetFixLength(4);
  EXPECT_FALSE(label->AutoSizeX());
  EXPECT_EQ(label->Width(), 4 + 4 + 4 * 6);
  label->SetCaption("ABCDEFABCDEF");
  EXPECT_EQ(label->Width(), 32);
}

TEST_F(BitLabelTest, CellsFromTheSymbolGridUnknownCharactersLeaveTheBackground) {
  auto* label = f.Make<TspSkinBitLabel>({0, 0, 40, 14});
  label->SetSkinData(&skin.data);
  label->SetCaption("B?3");
  auto image = Render(label);
  EXPECT_EQ(PixelOf(*image, 4 + 1, 5), Cell(0, 1));
  EXPECT_EQ(PixelOf(*image, 4 + 6 + 1, 5), skin.ColorOf("bitlabel", "skinrect"));
  EXPECT_EQ(PixelOf(*image, 4 + 12 + 1, 5), Cell(1, 3));
}

TEST_F(BitLabelTest, TheLastCellIsCutAtTheClientPart) {
  auto* label = f.Make<TspSkinBitLabel>({0, 0, 40, 14});
  label->SetSkinData(&skin.data);
  label->SetAutoSizeX(false);
  label->SetBounds(0, 0, 40, 14);
  label->SetCaption("AAAAAAAA");  // 48 pixels of cells in a 32-pixel client part
  ASSERT_EQ(label->Width(), 40);
  auto image = Render(label);
  EXPECT_EQ(PixelOf(*image, 35, 5), Cell(0, 0));
  EXPECT_EQ(PixelOf(*image, 37, 5), skin.ColorOf("bitlabel", "skinrect"));  // the right fixed part stays
}

TEST(SkinButtonLabel, WebStyleUnderlinesOnlyWhileHoveredAndNeverShifts) {
  FormFixture f;
  auto* label = f.Make<TspSkinButtonLabel>({0, 0, 100, 30});
  label->SetCaption("Link");
  label->SetWebStyle(true);
  label->DefaultActiveFontColor = clRed;
  auto idle = Render(label);
  label->Perform(CM_MOUSEENTER, 0, 0);
  auto hot = Render(label);
  label->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  auto pressed = Render(label);
  // The underline: a red row below the text that the idle picture lacks.
  auto rowsOf = [](TBitmap& b, TColor c) {
    int rows = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (PixelOf(b, x, y) == c) {
          ++rows;
          break;
        }
    return rows;
  };
  EXPECT_EQ(rowsOf(*idle, clRed), 0);
  EXPECT_GT(rowsOf(*hot, clRed), 0);
  bool same = true;
  for (int y = 0; y < 30 && same; ++y)
    for (int x = 0; x < 100 && same; ++x) same = PixelOf(*hot, x, y) == PixelOf(*pressed, x, y);
  EXPECT_TRUE(same);  // a web-style label does not move its content when pressed
  label->SetWebStyle(false);  // a plain button label moves its content while pressed
  auto plainPressed = Render(label);
  label->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  auto plainHot = Render(label);
  same = true;
  for (int y = 0; y < 30 && same; ++y)
    for (int x = 0; x < 100 && same; ++x) same = PixelOf(*plainHot, x, y) == PixelOf(*plainPressed, x, y);
  EXPECT_FALSE(same);
}
