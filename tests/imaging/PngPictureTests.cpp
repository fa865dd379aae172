// The picture object: blank pictures, drawing with transparency and at physical
// size, pixel access, and loading through TPicture.
#include <gtest/gtest.h>

#include <functional>

#include "imaging/pngimage.h"
#include "platform/graphics/Picture.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/imaging/PngFixtures.h"

using namespace pngtest;

namespace {

// A 32-bit white bitmap of w x h to draw on.
std::unique_ptr<TBitmap> WhiteBitmap(int w, int h) {
  auto bitmap = std::make_unique<TBitmap>(w, h, pf32bit);
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect(TRect{0, 0, w, h});
  return bitmap;
}

// A 16 x 16 RGBA picture whose row y is gray y * 16 with the given alpha.
std::unique_ptr<TPNGObject> RowsPicture(int height, Byte alpha) {
  auto png = std::make_unique<TPNGObject>(6, 8, 16, height);
  for (int y = 0; y < height; ++y) {
    std::memset(png->Scanline(y), y * 16, 48);
    std::memset(png->AlphaScanline(y), alpha, 16);
  }
  return png;
}

TEST(PngPicture, PartialTransparencyBlendsOverTheBackground) {
  struct Case {
    Byte alpha;
    TColor expected;
  } cases[] = {{128, TColor(0x7F7F7F)}, {0, clWhite}, {255, clBlack}};
  for (const Case& c : cases) {
    TPNGObject png(6, 8, 2, 2);  // black pixels
    std::memset(png.AlphaScanline(0), c.alpha, 2);
    std::memset(png.AlphaScanline(1), c.alpha, 2);
    auto bitmap = WhiteBitmap(4, 4);
    png.Draw(bitmap->Canvas(), TRect{1, 1, 3, 3});
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), c.expected) << int(c.alpha);
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap->Canvas()->Pixels(3, 3), clWhite);
  }
}

TEST(PngPicture, ScaledDrawingTakesTheTruncatedSourceRow) {
  auto png = RowsPicture(16, 255);
  auto bitmap = WhiteBitmap(16, 15);
  png->Draw(bitmap->Canvas(), TRect{0, 0, 16, 15});
  for (int j = 0; j < 15; ++j) {
    const int source = int(j / (15.0 / 16.0));
    const int gray = source * 16;
    EXPECT_EQ(bitmap->Canvas()->Pixels(3, j), TColor(gray | gray << 8 | gray << 16)) << j;
  }
  EXPECT_NO_THROW(png->Draw(bitmap->Canvas(), TRect{5, 0, 5, 15}));  // Right = Left draws nothing
}

TEST(PngPicture, PhysicalSizeWithZeroPixelsPerUnitIsThePixelSize) {
  auto png = RowsPicture(4, 255);
  TChunkpHYs* phys = png->GetPixelInformation();
  EXPECT_EQ(phys->UnitType, utMeter);
  EXPECT_EQ(phys->PPUnitX, 0u);
  auto bitmap = WhiteBitmap(20, 20);
  png->DrawUsingPixelInformation(bitmap->Canvas(), TPoint{2, 2});
  EXPECT_EQ(bitmap->Canvas()->Pixels(17, 5), TColor(0x303030));  // row 3 of the picture
  EXPECT_EQ(bitmap->Canvas()->Pixels(18, 5), clWhite);
  EXPECT_EQ(bitmap->Canvas()->Pixels(5, 6), clWhite);
}

TEST(PngPicture, BlankPicturesCheckTheirSizeAndFormat) {
  EXPECT_THROW(TPNGObject(2, 4, 4, 4), EPNGInvalidSpec);
  EXPECT_THROW(TPNGObject(3, 16, 4, 4), EPNGInvalidSpec);
  EXPECT_THROW(TPNGObject(5, 8, 4, 4), EPNGInvalidSpec);
  for (auto [w, h] : {std::pair{0, 4}, std::pair{4, -1}, std::pair{70000, 1}}) {
    try {
      TPNGObject png(2, 8, w, h);
      ADD_FAILURE() << w << "x" << h;
    } catch (const EPNGInvalidNewSize& e) {
      EXPECT_EQ(e.Message, "The new size provided for image resizing is invalid.");
    }
  }
  TPNGObject gray(0, 2, 3, 3);
  EXPECT_EQ(gray.Header()->Header.BitDepth, 4);
  EXPECT_EQ(gray.Header()->Store().ColorsUsed(), 16u);
  TMemoryStream saved;
  gray.SaveToStream(saved);
  EXPECT_EQ(saved.Memory()[8 + 8 + 8], 4);  // the written BitDepth
  saved.SetPosition(0);
  TPNGObject again;
  EXPECT_NO_THROW(again.LoadFromStream(saved));
}

TEST(PngPicture, PixelAccessOutsideThePictureIsIgnored) {
  TPNGObject png(2, 8, 3, 2);
  png.SetPixels(1, 1, TColor(0x123456));
  EXPECT_EQ(png.GetPixels(1, 1), TColor(0x123456));
  EXPECT_EQ(png.GetPixels(-1, 0), 0);
  png.SetPixels(3, 0, clRed);
  EXPECT_EQ(png.GetPixels(2, 0), 0);
  TPNGObject empty;
  EXPECT_EQ(empty.GetPixels(0, 0), 0);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_THROW(empty.TransparencyMode(), EPNGHeaderNotPresent);
}

TEST(PngPicture, OperationsThatNeedAHeaderRaiseWithoutOne) {
  TPNGObject empty;
  const std::pair<const char*, std::function<void()>> operations[] = {
      {"Header", [&] { empty.Header(); }},
      {"Scanline", [&] { empty.Scanline(0); }},
      {"AlphaScanline", [&] { empty.AlphaScanline(0); }},
      {"Palette", [&] { empty.Palette(); }},
      {"Resize", [&] { empty.Resize(4, 4); }},
      {"RemoveTransparency", [&] { empty.RemoveTransparency(); }},
      {"CreateAlpha", [&] { empty.CreateAlpha(); }},
      {"AssignHandle without a bitmap", [&] { empty.AssignHandle(nullptr, false, 0); }},
  };
  for (const auto& [name, operation] : operations) {
    EXPECT_THROW(operation(), EPNGHeaderNotPresent) << name;
    EXPECT_TRUE(empty.Empty()) << name;
  }
  EXPECT_THROW(empty.AddtEXt("Title", "x"), EPngError);  // no header and end to place it between
}

TEST(PngPicture, AMissingResourceRaisesAndLeavesThePicture) {
  TPNGObject png(2, 8, 3, 2);
  try {
    png.LoadFromResourceName(::GetModuleHandleA(nullptr), "NO_SUCH_PNG");
    ADD_FAILURE() << "nothing raised";
  } catch (const EPNGCouldNotLoadResource& e) {
    EXPECT_EQ(e.Message, "The png image could not be loaded from the resource ID.");
  }
  EXPECT_THROW(png.LoadFromResourceID(::GetModuleHandleA(nullptr), 32001), EPNGCouldNotLoadResource);
  EXPECT_EQ(png.Width(), 3);
}

TEST(PngPicture, TransparentColourRules) {
  TPNGObject rgba(6, 8, 2, 2);
  EXPECT_THROW(rgba.SetTransparentColor(clRed), EPNGCannotChangeTransparent);
  TPNGObject rgb(2, 8, 2, 2);
  rgb.SetTransparentColor(TColor(0x0000FF));
  EXPECT_EQ(rgb.TransparencyMode(), ptmBit);
  EXPECT_EQ(rgb.TransparentColor(), TColor(0x0000FF));
  TPNGObject blank(2, 8, 2, 2);
  EXPECT_THROW(blank.Resize(0, 3), EPNGInvalidNewSize);
  blank.Resize(4, 3);
  EXPECT_EQ(blank.Width(), 4);
  EXPECT_EQ(blank.Canvas()->Handle(), blank.Header()->ImageDC());
}

TEST(PngPicture, TPictureLoadsPngFilesThroughThePictureClass) {
  TempProgramFolder folder;
  const Bytes bytes = SamplePicture(4, 3, 8, 6, 0);
  const String path = folder.Write("logo.png", String(bytes.begin(), bytes.end()));
  TPicture picture;
  picture.LoadFromFile(path);
  auto* png = dynamic_cast<TPNGObject*>(picture.Graphic());
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->Width(), 4);
  EXPECT_EQ(png->Height(), 3);
}

}  // namespace

// The colour key (tRNS of a grey or RGB picture) is compared with the samples as
// stored, at the picture's own depth, before gamma correction: with a gAMA chunk
// that brightens, a pixel one step below a white key stays drawn.
TEST(PngPicture, TheColourKeyMatchesTheStoredSamplesBeforeGamma) {
  struct Case {
    const char* what;
    int depth, colorType;
    Bytes key;   // the tRNS data
    Bytes row;   // the two pixels' samples: the key, then one step from it
  } cases[] = {
      {"grey 8", 8, 0, {0, 255}, {255, 254}},
      {"RGB 8", 8, 2, {0, 255, 0, 255, 0, 255}, {255, 255, 255, 254, 254, 254}},
      {"grey 16", 16, 0, {0x12, 0x34}, {0x12, 0x34, 0x12, 0x35}},
      {"RGB 16", 16, 2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE}},
  };
  for (const Case& c : cases) {
    Bytes raw{0};  // filter type none
    raw.insert(raw.end(), c.row.begin(), c.row.end());
    const Bytes file = PngBuilder()
                           .Ihdr(2, 1, c.depth, c.colorType)
                           .Chunk("gAMA", BE32(100000))  // gamma 1.0: 254 is drawn as 255
                           .Chunk("tRNS", c.key)
                           .Idat(Compress(raw))
                           .End()
                           .Data();
    TPNGObject png;
    TMemoryStream stream;
    Fill(stream, file);
    png.LoadFromStream(stream);
    auto bitmap = std::make_unique<TBitmap>(2, 1, pf32bit);
    bitmap->Canvas()->Brush()->SetColor(clRed);
    bitmap->Canvas()->FillRect(TRect{0, 0, 2, 1});
    png.Draw(bitmap->Canvas(), TRect{0, 0, 2, 1});
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), clRed) << c.what << ": the key pixel is transparent";
    EXPECT_NE(bitmap->Canvas()->Pixels(1, 0), clRed) << c.what << ": the pixel one step away is drawn";
  }
}

// Gamma applies alike to every colour type: grey with alpha too.
TEST(PngPicture, GammaCorrectsEveryColourTypeAlike) {
  struct Case {
    const char* what;
    int colorType;
    Bytes pixel;
  } cases[] = {{"grey", 0, {254}}, {"grey with alpha", 4, {254, 255}}, {"RGB", 2, {254, 254, 254}},
               {"RGB with alpha", 6, {254, 254, 254, 255}}};
  for (const Case& c : cases) {
    Bytes raw{0};
    raw.insert(raw.end(), c.pixel.begin(), c.pixel.end());
    TPNGObject png;
    TMemoryStream stream;
    Fill(stream, PngBuilder().Ihdr(1, 1, 8, c.colorType).Chunk("gAMA", BE32(100000)).Idat(Compress(raw)).End().Data());
    png.LoadFromStream(stream);
    auto bitmap = WhiteBitmap(1, 1);
    bitmap->Canvas()->Brush()->SetColor(clBlack);
    bitmap->Canvas()->FillRect(TRect{0, 0, 1, 1});
    png.Draw(bitmap->Canvas(), TRect{0, 0, 1, 1});
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), clWhite) << c.what;  // 254 corrected to 255
  }
}
