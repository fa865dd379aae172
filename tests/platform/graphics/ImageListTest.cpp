#include <gtest/gtest.h>

#include "platform/graphics/Graphics.h"
#include "platform/graphics/ImageList.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

namespace {

// 4 x 4: a red 2 x 2 square at (1, 1) on fuchsia, the mask colour.
void PaintGlyph(TBitmap& glyph) {
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
}

class CountingImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
  std::vector<int> Drawn;

protected:
  void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) override {
    Drawn.push_back(index);
    TCustomImageList::DoDraw(index, canvas, x, y, style, enabled);
  }
};

}  // namespace

TEST(ImageList, AddsCountsDeletesAndClears) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  EXPECT_EQ(list.Count(), 0);
  TBitmap glyph;
  PaintGlyph(glyph);
  EXPECT_EQ(list.AddMasked(&glyph, clFuchsia), 0);
  EXPECT_EQ(list.Add(&glyph, nullptr), 1);
  TBitmap strip(12, 4, pf24bit);  // three images side by side
  EXPECT_EQ(list.Add(&strip, nullptr), 2);
  EXPECT_EQ(list.Count(), 5);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_THROW(list.Delete(9), EInvalidOperation);
  TBitmap empty;
  EXPECT_THROW(list.Add(&empty, nullptr), EInvalidOperation);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.AddMasked(&glyph, clFuchsia);
  list.SetWidth(8);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Width(), 8);
}

TEST(ImageList, DrawsTheEnabledImageWithItsMask) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  TBitmap glyph;
  PaintGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  TBitmap target;
  MakeWhite(target, 8, 8);
  list.Draw(target.Canvas(), 2, 2, 0);
  EXPECT_EQ(PixelOf(target, 3, 3), clRed);
  EXPECT_EQ(PixelOf(target, 4, 4), clRed);
  EXPECT_EQ(PixelOf(target, 2, 2), clWhite);  // masked: the canvas shows through
  EXPECT_EQ(PixelOf(target, 5, 5), clWhite);
  EXPECT_EQ(CountOtherThan(target, Rect(0, 0, 8, 8), clWhite), 4);

  TBitmap piece;
  list.GetBitmap(0, &piece);
  EXPECT_EQ(piece.Width(), 4);
  EXPECT_EQ(PixelOf(piece, 1, 1), clRed);
}

TEST(ImageList, DrawsTheDisabledImageGreyed) {
  TImageList list(nullptr);
  list.SetSize(4, 4);
  TBitmap glyph;
  PaintGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  TBitmap target;
  MakeWhite(target, 8, 8);
  target.Canvas()->Brush()->SetColor(clYellow);
  target.Canvas()->FillRect(Rect(0, 0, 8, 8));
  list.Draw(target.Canvas(), 2, 2, 0, false);
  EXPECT_EQ(PixelOf(target, 3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(target, 4, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(target, 5, 5), ColorToRGB(clBtnHighlight));  // the raised copy
  EXPECT_EQ(PixelOf(target, 2, 2), clYellow);
  EXPECT_EQ(PixelOf(target, 6, 6), clYellow);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_NE(PixelOf(target, x, y), clRed) << x << "," << y;
  // The canvas still draws with its own brush afterwards.
  target.Canvas()->FillRect(Rect(7, 7, 8, 8));
  EXPECT_EQ(PixelOf(target, 7, 7), clYellow);
}

TEST(ImageList, DrawingGoesThroughTheOverridableHook) {
  CountingImageList list(nullptr);
  list.SetSize(4, 4);
  TBitmap glyph;
  PaintGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  TBitmap target;
  MakeWhite(target, 8, 8);
  list.Draw(target.Canvas(), 0, 0, 0);
  list.Draw(target.Canvas(), 0, 0, 0, false);
  list.Draw(target.Canvas(), 0, 0, 5);  // no such image: nothing is drawn
  EXPECT_EQ(list.Drawn, (std::vector<int>{0, 0}));
}

// Several controls follow one list: every registered link hears each change,
// and a link that goes or a list that goes leaves nothing dangling.
TEST(ImageListChangeLinks, EveryLinkHearsAChange) {
  auto* list = new TImageList(nullptr);
  int first = 0, second = 0;
  TChangeLink a, b;
  a.OnChange = TNotifyEvent::Function([&](TObject*) { ++first; });
  b.OnChange = TNotifyEvent::Function([&](TObject*) { ++second; });
  list->RegisterChanges(&a);
  {
    TChangeLink gone;
    gone.OnChange = TNotifyEvent::Function([&](TObject*) { ADD_FAILURE() << "a link that went was told"; });
    list->RegisterChanges(&gone);
  }
  list->RegisterChanges(&b);
  list->SetSize(20, 20);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(a.Sender(), list);
  list->UnRegisterChanges(&a);
  list->SetSize(24, 24);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 2);
  delete list;
  EXPECT_EQ(b.Sender(), nullptr);
}
