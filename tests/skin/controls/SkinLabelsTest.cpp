// The std label's font rules and embossed disabled text, the skinned label's
// width, and the bevel's lines, colours and skin changes.
#include <gtest/gtest.h>

#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinStdCtrlsPublished.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class LabelTest : public ::testing::Test {
protected:
  LabelTest() {
    auto* label = skin.Add<TspDataSkinStdLabelControl>("stdlabel", "stdlabel", "fontcolor=255;fontheight=20");
    label->fontname = "Courier New";
    skin.Add("bevel", "bevel", "lightcolor=65280;darkcolor=16711680");
    skin.Finish();
    skin.data.SkinColors->cBtnHighLight = 0x00FFFF;
    skin.data.SkinColors->cBtnShadow = 0x0000AA;
  }
  TspSkinStdLabel* MakeLabel(bool skinned) {
    auto* l = f.Make<TspSkinStdLabel>({10, 10, 110, 40});
    l->SetAutoSize(false);
    l->SetCaption("WWWWW");
    l->DefaultFont()->SetName("Arial");
    l->DefaultFont()->SetHeight(-11);
    l->DefaultFont()->SetColor(0x808000);
    l->Font()->SetColor(0x008080);
    l->Font()->SetHeight(-30);
    if (skinned) l->SetSkinData(&skin.data);
    return l;
  }
  // The colours of the text pixels drawn on white.
  std::set<TColor> InkOf(TControl* c) {
    auto image = Render(c);
    std::set<TColor> ink;
    for (int y = 0; y < image->Height(); ++y)
      for (int x = 0; x < image->Width(); ++x)
        if (PixelOf(*image, x, y) != clWhite) ink.insert(PixelOf(*image, x, y));
    return ink;
  }
  TestSkin skin;
  FormFixture f;
};

}  // namespace

TEST_F(LabelTest, StdLabelFontRules) {
  struct Case {
    const char* what;
    bool skinned, useSkinFont, useSkinColor;
    TColor colour;
    int height;  // the measured text height tells which font was used
  } cases[] = {
      {"record, skin font and colour", true, true, true, 255, 20},
      {"record, own font, skin colour (the bold labels)", true, false, true, 255, 30},
      {"record, skin font, own colour", true, true, false, 0x008080, 20},
      {"no record, skin font: DefaultFont", false, true, true, 0x808000, 11},
      {"no record, own font", false, false, true, 0x008080, 30},
  };
  for (const Case& c : cases) {
    TspSkinStdLabel* l = MakeLabel(c.skinned);
    l->UseSkinFont = c.useSkinFont;
    l->UseSkinColor = c.useSkinColor;
    std::set<TColor> ink = InkOf(l);
    EXPECT_TRUE(ink.count(c.colour)) << c.what;
    l->SetAutoSize(true);
    EXPECT_GE(l->Height(), c.height) << c.what;
    EXPECT_LE(l->Height(), c.height * 13 / 10 + 3) << c.what;
    delete l;
  }
}

TEST_F(LabelTest, DisabledStdLabelIsEmbossedAndEmptyMeasuresOneLine) {
  for (bool skinned : {true, false}) {
    TspSkinStdLabel* l = MakeLabel(skinned);
    l->SetCaption("|");
    l->SetEnabled(false);
    auto image = Render(l);
    TColor light = skinned ? 0x00FFFF : ColorToRGB(clBtnHighlight);
    TColor dark = skinned ? 0x0000AA : ColorToRGB(clBtnShadow);
    // The bar drawn twice: the highlight one pixel right of the shadow.
    int darkX = -1, y = image->Height() / 3;
    for (int x = 0; x < image->Width() && darkX < 0; ++x)
      if (PixelOf(*image, x, y) == dark) darkX = x;
    ASSERT_GE(darkX, 0) << skinned;
    int lastDark = darkX;
    while (PixelOf(*image, lastDark + 1, y) == dark) ++lastDark;
    EXPECT_EQ(PixelOf(*image, lastDark + 1, y), light) << skinned;
    delete l;
  }
  TspSkinStdLabel* empty = MakeLabel(true);
  empty->SetCaption("");
  empty->SetAutoSize(true);
  EXPECT_GT(empty->Height(), 10);
}

TEST_F(LabelTest, SkinChangeRowsReachLabelAndBevel) {
  PublishSkinStdControlClasses();
  TspSkinStdLabel* l = MakeLabel(false);
  auto* bevel = f.Make<TspSkinBevel>({0, 50, 100, 60});
  l->SetSkinData(&skin.data);
  bevel->SetSkinData(&skin.data);
  skin.data.Empty = true;
  EXPECT_TRUE(TSkinChangeTable::Instance().Dispatch(bevel, TSkinChangeStage::After));
  EXPECT_EQ(bevel->LightColor, clBtnHighlight);
  skin.data.Empty = false;
  EXPECT_TRUE(TSkinChangeTable::Instance().Dispatch(bevel, TSkinChangeStage::After));
  EXPECT_EQ(bevel->LightColor, 65280);
  EXPECT_TRUE(TSkinChangeTable::Instance().Dispatch(l, TSkinChangeStage::After));
  EXPECT_EQ(l->SkinRecordIndex(), 0);
  EXPECT_FALSE(TSkinChangeTable::Instance().Dispatch(f.form, TSkinChangeStage::After));
}

TEST_F(LabelTest, BevelRows) {
  struct Case {
    const char* what;
    TBevelShape shape;
    bool divider;
    int width, height;
    std::vector<std::pair<TPoint, TColor>> pixels;  // 1 = dark, 2 = light, 0 = untouched
  } cases[] = {
      {"divider top line, height 11: rows 4 and 5 from x 2", bsTopLine, true, 40, 11,
       {{{2, 4}, 1}, {{20, 4}, 1}, {{20, 5}, 2}, {{1, 4}, 0}, {{20, 3}, 0}, {{20, 6}, 0}, {{39, 4}, 0}}},
      {"top line", bsTopLine, false, 40, 11, {{{0, 0}, 1}, {{39, 0}, 1}, {{5, 1}, 2}, {{5, 2}, 0}}},
      {"bottom line", bsBottomLine, false, 40, 11, {{{5, 9}, 1}, {{5, 10}, 2}, {{5, 8}, 0}}},
      {"left line", bsLeftLine, false, 40, 11, {{{0, 5}, 1}, {{1, 5}, 2}, {{2, 5}, 0}}},
      {"vertical divider", bsLeftLine, true, 10, 40, {{{4, 20}, 1}, {{5, 20}, 2}, {{5, 1}, 0}}},
      {"spacer", bsSpacer, false, 40, 11, {{{0, 0}, 0}, {{20, 5}, 0}}},
  };
  for (const Case& c : cases) {
    auto* bevel = f.Make<TspSkinBevel>({0, 0, c.width, c.height});
    bevel->SetSkinData(&skin.data);
    bevel->SetShape(c.shape);
    bevel->SetDividerMode(c.divider);
    auto image = Render(bevel);
    for (auto [p, kind] : c.pixels) {
      TColor expected = kind == 1 ? 16711680 : kind == 2 ? 65280 : clWhite;
      EXPECT_EQ(PixelOf(*image, p.X, p.Y), expected) << c.what << " at " << p.X << "," << p.Y;
    }
    delete bevel;
  }
}

TEST_F(LabelTest, BevelForgetsAFreedContainerAndCentresInToolBar) {
  auto* data = new TspSkinData(nullptr);
  data->CtrlList.push_back(std::make_unique<TspDataSkinBevel>("bevel"));
  data->Empty = false;
  auto* bevel = f.Make<TspSkinBevel>({0, 0, 40, 10});
  bevel->SetSkinData(data);
  EXPECT_EQ(bevel->SkinData(), data);
  delete data;
  EXPECT_EQ(bevel->SkinData(), nullptr);
  bevel->ChangeSkinData();
  EXPECT_EQ(bevel->LightColor, clBtnHighlight);
  Render(bevel);

  auto* bar = f.Make<TspSkinToolBar>({0, 0, 200, 40});
  auto* inBar = f.Make<TspSkinBevel>({10, 0, 14, 20}, bar);
  inBar->SetTop(0);
  TRect client = bar->GetSkinClientRect();
  EXPECT_EQ(inBar->Top(), client.Top + client.Height() / 2 - 10);
}

TEST_F(LabelTest, SkinnedLabelWidensToItsText) {
  auto* label = f.Make<TspSkinLabel>({0, 0, 20, 21});
  label->SetCaption("A rather long caption");
  label->SetAutoSizeX(true);
  TBitmap b(1, 1);
  b.Canvas()->SetFont(label->DefaultFont());
  EXPECT_EQ(label->Width(), b.Canvas()->TextWidth("A rather long caption") + 4);
  label->SetAlign(alTop);
  Integer w = label->Width();
  label->SetCaption("x");
  EXPECT_EQ(label->Width(), w);  // an aligned label keeps its width
  auto image = Render(label);
  EXPECT_EQ(PixelOf(*image, 0, 0), ColorToRGB(clBtnShadow));
}
