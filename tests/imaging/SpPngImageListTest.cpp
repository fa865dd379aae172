// The PNG image list: items and their placeholders, size changes, and drawing
// enabled and disabled items with their transparency; the image view.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "imaging/sppngimagelist.h"
#include "imaging/sppngimagePublished.h"
#include "platform/controls/Forms.h"
#include "platform/io/Streams.h"
#include "platform/published/FormDefinition.h"

namespace {

TColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return TColor(r | (g << 8) | (b << 16)); }

std::unique_ptr<TBitmap> WhiteBitmap(int w, int h) {
  auto bitmap = std::make_unique<TBitmap>(w, h, pf32bit);
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect(TRect{0, 0, w, h});
  return bitmap;
}

// A w x h black RGBA image with the given alpha; pixel (0, 0) fully transparent.
std::unique_ptr<TspPngImage> BlackIcon(int w, int h, Byte alpha) {
  auto png = std::make_unique<TspPngImage>(6, 8, w, h);
  for (int y = 0; y < h; ++y) std::memset(png->GetAlphaScanline(y), alpha, std::size_t(w));
  png->GetAlphaScanline(0)[0] = 0;
  return png;
}

TEST(SpPngImageList, ItemsKeepOnePlaceholderEach) {
  TspPngImageList list(nullptr);
  TspPngImageItem* first = list.PngImages()->Add();
  EXPECT_EQ(first->Name, "PngImage0");
  EXPECT_EQ(first->DisplayName(), "PngImage0");
  list.PngImages()->Add();
  EXPECT_EQ(list.PngImages()->Items(1)->Name, "PngImage1");
  EXPECT_EQ(list.Count(), 2);
  list.PngImages()->Delete(0);
  EXPECT_EQ(list.Count(), 1);

  list.SetPngWidth(16);  // unchanged: the items stay
  EXPECT_EQ(list.PngImages()->Count(), 1);
  list.SetPngHeight(24);
  EXPECT_EQ(list.PngImages()->Count(), 0);
  EXPECT_EQ(list.PngHeight(), 24);
  EXPECT_EQ(list.Count(), 0);
}

TEST(SpPngImageList, DrawsEnabledAndFadedDisabledItems) {
  TspPngImageList list(nullptr);
  auto icon = BlackIcon(16, 16, 255);
  list.PngImages()->Add()->SetPngImage(icon.get());
  struct Case {
    bool enabled;
    TColor inside;
  } cases[] = {{true, clBlack}, {false, Rgb(127, 127, 127)}};  // alpha 255 -> 128
  for (const Case& c : cases) {
    auto bitmap = WhiteBitmap(20, 20);
    list.Draw(bitmap->Canvas(), 2, 2, 0, c.enabled);
    EXPECT_EQ(bitmap->Canvas()->Pixels(5, 5), c.inside) << c.enabled;
    EXPECT_EQ(bitmap->Canvas()->Pixels(2, 2), clWhite) << c.enabled;  // transparent stays so
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), clWhite) << c.enabled;
  }
  // The item's own image is not changed by drawing it disabled.
  EXPECT_EQ(list.PngImages()->Items(0)->PngImage()->GetAlphaScanline(1)[1], 255);
}

TEST(SpPngImageList, ScalesAnImageOfAnotherSize) {
  TspPngImageList list(nullptr);
  TspPngImage icon(6, 8, 16, 15);
  for (int y = 0; y < 15; ++y) {
    std::memset(icon.GetScanline(y), y * 16, 48);
    std::memset(icon.GetAlphaScanline(y), 255, 16);
  }
  list.PngImages()->Add();
  list.PngImages()->Items(0)->SetPngImage(&icon);
  auto bitmap = WhiteBitmap(16, 16);
  list.Draw(bitmap->Canvas(), 0, 0, 0);
  for (int y = 0; y < 16; ++y) {
    const int gray = int(y / (16.0 / 15.0)) * 16;
    EXPECT_EQ(bitmap->Canvas()->Pixels(3, y), Rgb(gray, gray, gray)) << y;
  }
}

TEST(SpPngImageList, FadingHalvesAlphaAndKeepsTheTransparentColour) {
  // RGBA: alpha v -> Round(v / 256 * 128), ties to even.
  TspPngImage rgba(6, 8, 4, 1);
  const Byte alphas[] = {255, 128, 3, 1};
  std::memcpy(rgba.GetAlphaScanline(0), alphas, 4);
  FadePngImage(rgba, 127);
  const Byte faded[] = {128, 64, 2, 0};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(rgba.GetAlphaScanline(0)[x], faded[x]) << x;

  // RGB with a transparent colour: that colour fully transparent, the rest 128.
  TspPngImage rgb(2, 8, 2, 1);
  rgb.SetPixels(0, 0, Rgb(10, 20, 30));
  rgb.SetTransparentColor(Rgb(10, 20, 30));
  FadePngImage(rgb, 127);
  ASSERT_NE(rgb.GetAlphaScanline(0), nullptr);
  EXPECT_EQ(rgb.GetAlphaScanline(0)[0], 0);
  EXPECT_EQ(rgb.GetAlphaScanline(0)[1], 128);

  // Palette with per-entry alpha: rebuilt as RGBA with 127 on every pixel.
  TspPngImage palette(3, 8, 2, 1);
  palette.InitAlpha();
  ASSERT_NE(palette.Chunks().FindPngLayer<TspPngLayertRNS>(), nullptr);
  palette.Chunks().FindPngLayer<TspPngLayertRNS>()->PaletteValues[0] = 10;
  FadePngImage(palette, 127);
  ASSERT_TRUE(palette.HeaderPresent());
  EXPECT_EQ(palette.Header()->Header.ColorType, 6);
  EXPECT_EQ(palette.GetAlphaScanline(0)[0], 127);
  EXPECT_EQ(palette.GetAlphaScanline(0)[1], 127);

  // Gray with a transparent colour: alpha 0 there, 127 elsewhere; colours kept.
  TspPngImage gray(0, 8, 2, 1);
  gray.GetScanline(0)[0] = 0;
  gray.GetScanline(0)[1] = 200;
  gray.SetTransparentColor(clBlack);
  FadePngImage(gray, 127);
  ASSERT_EQ(gray.Header()->Header.ColorType, 6);
  EXPECT_EQ(gray.GetAlphaScanline(0)[0], 0);
  EXPECT_EQ(gray.GetAlphaScanline(0)[1], 127);
  EXPECT_EQ(gray.GetPixels(1, 0), Rgb(200, 200, 200));
}

// A 16 x 16 list with one black icon whose pixel (0, 0) is transparent.
std::unique_ptr<TspPngImageList> IconList(TComponent* owner = nullptr) {
  auto list = std::make_unique<TspPngImageList>(owner);
  list->PngImages()->Add()->SetPngImage(BlackIcon(16, 16, 255).get());
  return list;
}

// What the view paints onto a white bitmap of w x h, through its paint message.
std::unique_ptr<TBitmap> PaintView(TspPngImageView& view, int w, int h) {
  auto bitmap = WhiteBitmap(w, h);
  view.Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
  return bitmap;
}

TEST(SpPngImageView, StartsEmptyAndIgnoresIndexesBelowMinusOne) {
  TspPngImageView view(nullptr);
  EXPECT_EQ(view.ImageIndex(), -1);
  EXPECT_TRUE(view.AutoSize());
  EXPECT_FALSE(view.Center());
  EXPECT_EQ(view.Width(), 50);
  EXPECT_EQ(view.Height(), 50);
  EXPECT_FALSE(view.HasStyle(csOpaque));
  EXPECT_TRUE(view.HasStyle(csReplicatable));
  view.SetImageIndex(-2);
  EXPECT_EQ(view.ImageIndex(), -1);
  view.SetImageIndex(0);  // no list: nothing to draw, the size stays
  EXPECT_EQ(view.Width(), 50);
  EXPECT_EQ(PaintView(view, 50, 50)->Canvas()->Pixels(10, 10), clWhite);

  // At design time a dashed frame shows where the view is.
  view.SetDesigning(true);
  auto designed = PaintView(view, 50, 50);
  EXPECT_EQ(designed->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(designed->Canvas()->Pixels(10, 10), clWhite);
}

TEST(SpPngImageView, PaintsItsImageEnabledDisabledAndCentred) {
  auto list = IconList();
  TspPngImageView view(nullptr);
  view.SetPngImageList(list.get());
  EXPECT_EQ(PaintView(view, 20, 20)->Canvas()->Pixels(5, 5), clWhite);  // index -1
  view.SetImageIndex(0);
  EXPECT_EQ(view.Width(), 16);  // AutoSize takes the list's size
  EXPECT_EQ(view.Height(), 16);
  auto enabled = PaintView(view, 20, 20);
  EXPECT_EQ(enabled->Canvas()->Pixels(5, 5), clBlack);
  EXPECT_EQ(enabled->Canvas()->Pixels(0, 0), clWhite);  // the icon's transparent pixel
  view.SetEnabled(false);
  EXPECT_EQ(PaintView(view, 20, 20)->Canvas()->Pixels(5, 5), Rgb(127, 127, 127));  // faded
  view.SetEnabled(true);

  view.SetImageIndex(1);  // past the end: nothing drawn
  EXPECT_EQ(PaintView(view, 20, 20)->Canvas()->Pixels(5, 5), clWhite);
  view.SetImageIndex(0);

  view.SetAutoSize(false);
  view.SetBounds(0, 0, 30, 30);
  view.SetCenter(true);  // at 15 - 8 = 7
  auto centred = PaintView(view, 30, 30);
  EXPECT_EQ(centred->Canvas()->Pixels(7, 7), clWhite);  // the transparent pixel
  EXPECT_EQ(centred->Canvas()->Pixels(8, 8), clBlack);
  EXPECT_EQ(centred->Canvas()->Pixels(22, 22), clBlack);
  EXPECT_EQ(centred->Canvas()->Pixels(23, 23), clWhite);
  EXPECT_EQ(centred->Canvas()->Pixels(6, 10), clWhite);
  EXPECT_EQ(view.Width(), 30);
  view.SetAutoSize(true);
  EXPECT_EQ(view.Width(), 16);
}

TEST(SpPngImageView, ForgetsAListThatGoesAway) {
  TComponent listOwner(nullptr);
  auto* list = IconList(&listOwner).release();  // owned by listOwner
  TspPngImageView view(nullptr);
  view.SetPngImageList(list);
  view.SetImageIndex(0);
  delete list;
  EXPECT_EQ(view.PngImageList(), nullptr);
  EXPECT_EQ(PaintView(view, 20, 20)->Canvas()->Pixels(5, 5), clWhite);
}

TEST(SpPngImageView, LoadingTakesTheListsSize) {
  auto list = IconList();
  TspPngImageView view(nullptr);
  view.BeginLoading();
  view.SetPngImageList(list.get());
  view.SetBounds(0, 0, 40, 40);
  view.EndLoading();
  EXPECT_EQ(view.Width(), 16);
  EXPECT_EQ(view.Height(), 16);
}


// The PNG files a definition names, held in memory.
class IconFiles : public TDefinitionFiles {
public:
  bool Read(const String& fileName, String& bytes) const override {
    if (fileName != "icon.png") return false;
    bytes = pngFile;
    return true;
  }
  String pngFile;
};

String PngFileBytes(TspPngImage& png) {
  TMemoryStream stream;
  png.SaveToStream(stream);
  return String(reinterpret_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

String Hex(const String& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  String text;
  for (unsigned char c : bytes) {
    text += digits[c >> 4];
    text += digits[c & 15];
  }
  return text;
}

// A form's lists: their size before their items, each item's picture given inline
// (its length, then the PNG file) or as a PNG file the definition names.
TEST(SpPngImageList, ReadsItsItemsFromADefinition) {
  PublishPngImageClasses();
  auto inline24 = BlackIcon(24, 24, 200);
  auto file24 = BlackIcon(24, 24, 100);
  IconFiles files;
  files.pngFile = PngFileBytes(*file24);
  String png = PngFileBytes(*inline24);
  const std::uint32_t length = std::uint32_t(png.size());
  String data(reinterpret_cast<const char*>(&length), 4);
  String text = "object Host: TForm\n"
                "  object Icons: TspPngImageList\n"
                "    PngWidth = 24\n"
                "    PngHeight = 24\n"
                "    PngImages = <\n"
                "      item\n"
                "        Name = 'Play'\n"
                "        PngImage.Data = {" + Hex(data + png) + "}\n"
                "      end\n"
                "      item\n"
                "        Name = 'Stop'\n"
                "        PngImage.Data = {file 'icon.png'}\n"
                "      end>\n"
                "  end\n"
                "  object View: TspPngImageView\n"
                "    PngImageList = Icons\n"
                "    ImageIndex = 1\n"
                "  end\n"
                "end\n";
  TForm form(nullptr);
  ReadComponentText(&form, text, TFormBindings(), files);
  auto* list = dynamic_cast<TspPngImageList*>(form.FindComponent("Icons"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Width(), 24);
  ASSERT_EQ(list->Count(), 2);
  ASSERT_EQ(list->PngImages()->Count(), 2);
  const TspPngImageItem* first = list->PngImages()->Items(0);
  const TspPngImageItem* second = list->PngImages()->Items(1);
  EXPECT_EQ(first->Name, "Play");
  EXPECT_EQ(second->Name, "Stop");
  EXPECT_EQ(first->PngImage()->Width(), 24);
  EXPECT_EQ(first->PngImage()->GetAlphaScanline(5)[5], 200);
  EXPECT_EQ(second->PngImage()->GetAlphaScanline(5)[5], 100);
  auto* view = dynamic_cast<TspPngImageView*>(form.FindComponent("View"));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->PngImageList(), list);
  EXPECT_EQ(view->ImageIndex(), 1);
  EXPECT_EQ(view->Width(), 24);  // AutoSize: the list's image size
}

}  // namespace
