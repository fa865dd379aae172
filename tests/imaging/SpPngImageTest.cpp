// The skin engine's PNG picture: every colour type, depth and interlace, saving and
// loading back, quiet handling of malformed streams, chunk placement, drawing.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "imaging/png/Zlib.h"
#include "imaging/sppngimage.h"
#include "tests/imaging/PngFixtures.h"

using namespace pngtest;

namespace {

void ExpectSamplePixels(TspPngImage& png, const Format& f, std::uint32_t width, std::uint32_t height,
                        const std::string& what) {
  ASSERT_EQ(png.Width(), int(width)) << what;
  ASSERT_EQ(png.Height(), int(height)) << what;
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      ASSERT_EQ(png.GetPixels(int(x), int(y)), Expected(f, x, y)) << what << " pixel " << x << "," << y;
      if (f.colorType == 4 || f.colorType == 6) {
        const int a = f.colorType == 4 ? 1 : 3;
        const std::uint32_t alpha = f.depth == 16 ? Sample(x, y, a, 16) >> 8 : Sample(x, y, a, 8);
        ASSERT_EQ(png.GetAlphaScanline(int(y))[x], alpha) << what << " alpha " << x << "," << y;
      }
      if (f.depth == 16 && (f.colorType == 0 || f.colorType == 4))
        ASSERT_EQ(png.GetExtraScanline(int(y))[x], Sample(x, y, 0, 16) & 255) << what << " low byte";
      if (f.depth == 16 && f.colorType == 2)  // blue, green, red low bytes
        ASSERT_EQ(png.GetExtraScanline(int(y))[3 * x + 2], Sample(x, y, 0, 16) & 255) << what << " red low byte";
    }
}

std::string Describe(const Format& f) {
  return "type " + std::to_string(f.colorType) + " depth " + std::to_string(f.depth) +
         (f.interlace ? " Adam7" : " plain");
}

TEST(SpPngImage, DecodesEveryFormatAndLoadsBackWhatItSaves) {
  for (const Format& f : AllFormats()) {
    const std::string what = Describe(f);
    TspPngImage png;
    TMemoryStream stream;
    Fill(stream, SamplePicture(11, 9, f.depth, f.colorType, f.interlace, {7, 20}));  // three IDAT chunks
    png.LoadFromStream(stream);
    ExpectSamplePixels(png, f, 11, 9, what);

    TMemoryStream saved;
    png.SaveToStream(saved);
    saved.SetPosition(0);
    TspPngImage back;
    back.LoadFromStream(saved);
    ExpectSamplePixels(back, f, 11, 9, what + " saved");
  }
}

TEST(SpPngImage, TwoBitGrayIsHeldAsFourBitsScaledByFive) {
  for (int interlace : {0, 1}) {
    TspPngImage png;
    TMemoryStream stream;
    // Adam7 of one row of 4: pass 1 column 0, pass 4 column 2, pass 6 columns 1 and 3.
    Fill(stream, PngBuilder().Ihdr(4, 1, 2, 0, interlace).Idat(Compress(interlace ? Bytes{0, 0x00, 0, 0x80, 0, 0x70}
                                                                                 : Bytes{0, 0x1B}))
                     .End()
                     .Data());
    png.LoadFromStream(stream);
    ASSERT_FALSE(png.Empty()) << interlace;
    const Byte* row = png.GetScanline(0);
    // 0, 1, 2, 3 become 0, 5, 10, 15 in the 4-bit bitmap.
    EXPECT_EQ(row[0], 0x05) << interlace;
    EXPECT_EQ(row[1], 0xAF) << interlace;
    EXPECT_EQ(png.GetPixels(3, 0), clWhite);
    EXPECT_EQ(png.GetPixels(1, 0), Rgb(85, 85, 85));
  }
}

TEST(SpPngImage, MalformedStreamsEndLoadingQuietly) {
  const Bytes rows = RawImageData(4, 4, 8, 2, 0);
  const Bytes z = Compress(rows);
  const Bytes good = SamplePicture(4, 4, 8, 2, 0);
  Bytes truncated(good.begin(), good.begin() + 33 + 8 + Bytes::difference_type(z.size() / 2));
  Bytes corruptZ = z;
  corruptZ[0] = 0x00;
  Bytes badRows(rows.size(), 0);  // every row with filter 0, half the rows only
  badRows.resize(rows.size() / 2);
  const Bytes lastRowCut(rows.begin(), rows.end() - 3);
  struct Case {
    const char* what;
    Bytes data;
    bool empty;
  } cases[] = {
      {"wrong signature", Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
      {"nothing after the signature", PngBuilder().Data(), true},
      {"first chunk not IHDR", PngBuilder().Chunk("tEXt", Text("a\0b")).Ihdr(4, 4, 8, 2).Idat(z).End().Data(), true},
      {"IHDR with a bad CRC", PngBuilder().BadCrcChunk("IHDR", IhdrData(4, 4, 8, 2)).Idat(z).End().Data(), true},
      {"RGB at 4 bits", PngBuilder().Ihdr(4, 4, 4, 2).Idat(z).End().Data(), true},
      {"palette at 16 bits", PngBuilder().Ihdr(4, 4, 16, 3).Idat(z).End().Data(), true},
      {"colour type 5", PngBuilder().Ihdr(4, 4, 8, 5).Idat(z).End().Data(), true},
      {"zero width", PngBuilder().Ihdr(0, 4, 8, 2).Idat(z).End().Data(), true},
      {"65535 x 65535", PngBuilder().Ihdr(65535, 65535, 8, 6).Idat(z).End().Data(), true},
      {"width above 65535", PngBuilder().Ihdr(70000, 1, 8, 0).Idat(z).End().Data(), true},
      {"4000 x 5000 at 16 bits claimed by 69 bytes",
       PngBuilder().Ihdr(4000, 5000, 16, 0).Idat(Compress(Bytes(8, 0))).End().Data(), true},
      {"interlace method 2", PngBuilder().Ihdr(4, 4, 8, 2, 2).Idat(z).End().Data(), true},
      {"short IHDR", PngBuilder().Chunk("IHDR", Bytes(5, 0)).Idat(z).End().Data(), true},
      // Image data short by more than the last row leave no partial picture.
      {"stream cut inside the image data", truncated, true},
      {"corrupt zlib data", PngBuilder().Ihdr(4, 4, 8, 2).Idat(corruptZ).End().Data(), true},
      {"compressed data ending early", PngBuilder().Ihdr(4, 4, 8, 2).Idat(Compress(badRows)).End().Data(), true},
      {"compressed data ending inside the last row", PngBuilder().Ihdr(4, 4, 8, 2).Idat(Compress(lastRowCut)).End().Data(),
       false},
      {"IDAT with a bad CRC", PngBuilder().Ihdr(4, 4, 8, 2).BadCrcChunk("IDAT", z).End().Data(), false},
      {"tRNS longer than the table", PngBuilder().Ihdr(4, 4, 8, 3).Chunk("PLTE", PlteData(4)).Chunk("tRNS", Bytes(300, 1)).Idat(z).End().Data(), false},
      {"gray tRNS of 3 bytes", PngBuilder().Ihdr(4, 4, 8, 0).Chunk("tRNS", Bytes(3, 1)).Idat(z).End().Data(), false},
      {"PLTE of 4 bytes", PngBuilder().Ihdr(4, 4, 8, 3).Chunk("PLTE", Bytes(4, 1)).Idat(z).End().Data(), false},
  };
  for (const Case& c : cases) {
    TspPngImage png;
    TMemoryStream stream;
    Fill(stream, c.data);
    EXPECT_NO_THROW(png.LoadFromStream(stream)) << c.what;
    EXPECT_EQ(png.Empty(), c.empty) << c.what;
    if (!c.empty) {
      // What was read can be drawn and written without reading beyond the picture.
      TBitmap bitmap(8, 8, pf32bit);
      EXPECT_NO_THROW(png.Draw(bitmap.Canvas(), TRect{0, 0, 8, 8})) << c.what;
      TMemoryStream saved;
      EXPECT_NO_THROW(png.SaveToStream(saved)) << c.what;
      EXPECT_EQ(png.GetPixels(100, 100), TColor(0)) << c.what;
    }
  }
}

TEST(SpPngImage, KeepsTheChunksItReadAndSkipsExtraImageData) {
  const Bytes z = Compress(RawImageData(4, 4, 8, 2, 0));
  TspPngImage png;
  TMemoryStream stream;
  // Without IEND; an extra IDAT after the data, cHRM, a private and an unknown chunk.
  Fill(stream, PngBuilder()
                   .Ihdr(4, 4, 8, 2)
                   .Chunk("cHRM", Bytes(32, 0))
                   .Idat(z, {10})
                   .Chunk("IDAT", Bytes(3, 9))
                   .Chunk("prVt", Text("private"))
                   .Chunk("ABCD", Text("unknown"))
                   .Data());
  png.LoadFromStream(stream);
  ExpectSamplePixels(png, Format{2, 8, 0}, 4, 4, "rgb");
  const String expected[] = {"IHDR", "IDAT", "prVt", "ABCD"};
  ASSERT_EQ(png.Chunks().Count(), 4u);
  for (Cardinal i = 0; i < 4; ++i) EXPECT_EQ(png.Chunks().GetItem(i)->GetChunkName(), expected[i]);

  TMemoryStream saved;
  png.SaveToStream(saved);
  const std::string bytes(reinterpret_cast<const char*>(saved.Memory()), std::size_t(saved.Size()));
  EXPECT_NE(bytes.find(std::string("prVtprivate")), std::string::npos);
  EXPECT_NE(bytes.find(std::string("ABCDunknown")), std::string::npos);
  EXPECT_EQ(bytes.find("cHRM"), std::string::npos);
}

TEST(SpPngImage, BlankImagesOnlyForTheStandardsCombinations) {
  struct Case {
    int colorType, depth, width, height;
    bool built;
  } cases[] = {{6, 8, 3, 2, true},   {3, 2, 3, 2, true},   {0, 16, 3, 2, true},   {3, 16, 3, 2, false},
               {2, 4, 3, 2, false},  {5, 8, 3, 2, false},  {0, 3, 3, 2, false},   {2, 8, 0, 2, false},
               {2, 8, 3, -1, false}, {6, 8, 65535, 65535, false}};
  for (const Case& c : cases) {
    TspPngImage png(c.colorType, c.depth, c.width, c.height);
    EXPECT_EQ(!png.Empty(), c.built) << c.colorType << "/" << c.depth << " " << c.width << "x" << c.height;
    if (c.built) {
      EXPECT_EQ(png.Width(), c.width);
      ASSERT_NE(png.GetScanline(c.height - 1), nullptr);
    }
  }
}

TEST(SpPngImage, ChunksGoWhereTheOrderRequires) {
  TspPngImage png(3, 8, 2, 2);  // IHDR, PLTE, IDAT, IEND
  ASSERT_NE(png.Chunks().Add<TspPngLayertRNS>(), nullptr);
  EXPECT_EQ(png.Chunks().Add<TspPngLayertRNS>(), nullptr);  // one only
  ASSERT_NE(png.Chunks().Add<TspPngLayergAMA>(), nullptr);
  ASSERT_NE(png.Chunks().Add<TspPngLayertEXt>(), nullptr);
  EXPECT_EQ(png.Chunks().Add<TspPngLayerIDAT>(), nullptr);  // critical chunks only while built
  EXPECT_EQ(png.Chunks().Add<TspPngLayerIHDR>(), nullptr);
  const String expected[] = {"IHDR", "gAMA", "PLTE", "tRNS", "IDAT", "tEXt", "IEND"};
  ASSERT_EQ(png.Chunks().Count(), 7u);
  for (Cardinal i = 0; i < 7; ++i) EXPECT_EQ(png.Chunks().GetItem(i)->GetChunkName(), expected[i]) << i;

  TspPngImage empty;
  EXPECT_EQ(empty.Chunks().Add<TspPngLayertEXt>(), nullptr);  // no header and end
}

TEST(SpPngImage, PaletteEntryOutOfRangeIsZero) {
  TspPngImage png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(2, 2, 2, 3, 0));  // four entries
  png.LoadFromStream(stream);
  TspPngLayerPLTE* plte = png.Chunks().FindPngLayer<TspPngLayerPLTE>();
  ASSERT_NE(plte, nullptr);
  EXPECT_EQ(plte->GetPaletteItem(3), PaletteColor(3));
  EXPECT_EQ(plte->GetPaletteItem(4), 0u);
  EXPECT_EQ(plte->GetPaletteItem(-1), 0u);
}

// A 16 x h RGBA picture whose row y is gray y * 16 with the given alpha.
std::unique_ptr<TspPngImage> RowsPicture(int height, Byte alpha) {
  auto png = std::make_unique<TspPngImage>(6, 8, 16, height);
  for (int y = 0; y < height; ++y) {
    std::memset(png->GetScanline(y), y * 16, 48);
    std::memset(png->GetAlphaScanline(y), alpha, 16);
  }
  return png;
}

TEST(SpPngImage, DrawsWithPartialTransparencyAndScales) {
  TspPngImage png(6, 8, 1, 1);
  png.GetScanline(0)[2] = 255;  // red
  png.GetScanline(0)[1] = png.GetScanline(0)[0] = 0;
  png.GetAlphaScanline(0)[0] = 128;
  TBitmap white(3, 3, pf32bit);
  white.Canvas()->Brush()->SetColor(clWhite);
  white.Canvas()->FillRect(TRect{0, 0, 3, 3});
  png.Draw(white.Canvas(), TRect{1, 1, 2, 2});
  EXPECT_EQ(white.Canvas()->Pixels(1, 1), Rgb(255, 127, 127));
  EXPECT_EQ(white.Canvas()->Pixels(0, 0), clWhite);

  // 16 x 15 into 16 x 16: source row Trunc(y / (16 / 15)), one row twice.
  auto rows = RowsPicture(15, 255);
  TBitmap target(16, 16, pf32bit);
  rows->Draw(target.Canvas(), TRect{0, 0, 16, 16});
  for (int y = 0; y < 16; ++y) {
    const int gray = int(y / (16.0 / 15.0)) * 16;
    EXPECT_EQ(target.Canvas()->Pixels(5, y), Rgb(gray, gray, gray)) << y;
  }
}

TEST(SpPngImage, SavesWithTheChosenRowFilters) {
  struct Case {
    TspPngFilters filters;
    Bytes row;
    int expected;
  } cases[] = {
      {SpFilterSet({bspfSub}), {9, 200, 3, 77}, 1},
      {SpFilterSet({bspfNone, bspfUp}), {5, 5, 5, 5}, 0},
      {SpFilterSet({bspfNone, bspfSub}), {1, 2, 3, 4}, 1},
  };
  for (const Case& c : cases) {
    TspPngImage png(0, 8, 4, 2);
    for (int y = 0; y < 2; ++y) std::memcpy(png.GetScanline(y), c.row.data(), 4);
    png.Filters = c.filters;
    TMemoryStream saved;
    png.SaveToStream(saved);
    const Byte* d = saved.Memory();
    bool found = false;
    for (Int64 at = 8; at + 8 <= saved.Size();) {
      const std::uint32_t length = (std::uint32_t(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
      if (std::memcmp(d + at + 4, "IDAT", 4) == 0) {
        String raw;
        ASSERT_TRUE(png::InflateWhole(d + at + 8, length, raw));
        ASSERT_EQ(raw.size(), 10u);
        EXPECT_EQ(Byte(raw[0]), c.expected);
        EXPECT_EQ(Byte(raw[5]), c.expected);
        found = true;
        break;
      }
      at += 12 + length;
    }
    EXPECT_TRUE(found);
  }
}

TEST(SpPngImage, TransparentColourAndAlpha) {
  TspPngImage rgb(2, 8, 2, 1);
  EXPECT_EQ(rgb.TransparencyMode(), bsptmNone);
  rgb.SetTransparentColor(Rgb(10, 20, 30));
  EXPECT_EQ(rgb.TransparencyMode(), bsptmBit);
  EXPECT_EQ(rgb.TransparentColor(), Rgb(10, 20, 30));
  rgb.InitAlpha();
  EXPECT_EQ(rgb.Header()->Header.ColorType, 6);
  ASSERT_NE(rgb.GetAlphaScanline(0), nullptr);
  EXPECT_EQ(rgb.GetAlphaScanline(0)[1], 255);
  rgb.RemoveTransparency();
  EXPECT_EQ(rgb.GetAlphaScanline(0), nullptr);

  // Drawn in bit mode, the transparent colour leaves the background.
  TspPngImage keyed(2, 8, 2, 1);
  keyed.SetPixels(0, 0, Rgb(10, 20, 30));
  keyed.SetPixels(1, 0, Rgb(1, 2, 3));
  keyed.SetTransparentColor(Rgb(10, 20, 30));
  TBitmap white(2, 1, pf32bit);
  white.Canvas()->Brush()->SetColor(clWhite);
  white.Canvas()->FillRect(TRect{0, 0, 2, 1});
  keyed.Draw(white.Canvas(), TRect{0, 0, 2, 1});
  EXPECT_EQ(white.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(white.Canvas()->Pixels(1, 0), Rgb(1, 2, 3));

  TspPngImage rgba(6, 8, 2, 1);
  EXPECT_NO_THROW(rgba.SetTransparentColor(clRed));  // no tRNS for alpha images
  EXPECT_EQ(rgba.Chunks().FindPngLayer<TspPngLayertRNS>(), nullptr);
}

TEST(SpPngImage, OperationsThatNeedAHeaderDoNothingWithoutOne) {
  TspPngImage empty;
  const std::pair<const char*, std::function<void()>> operations[] = {
      {"Resize", [&] { empty.Resize(4, 4); }},
      {"SetTransparentColor", [&] { empty.SetTransparentColor(clRed); }},
      {"RemoveTransparency", [&] { empty.RemoveTransparency(); }},
      {"InitAlpha", [&] { empty.InitAlpha(); }},
      {"AddtEXt", [&] { empty.AddtEXt("Title", "x"); }},
      {"AddzTXt", [&] { empty.AddzTXt("Title", "x"); }},
      {"AssignHandle without a bitmap", [&] { empty.AssignHandle(nullptr, false, 0); }},
  };
  for (const auto& [name, operation] : operations) {
    EXPECT_NO_THROW(operation()) << name;
    EXPECT_TRUE(empty.Empty()) << name;
  }
  EXPECT_EQ(empty.Header(), nullptr);
  EXPECT_EQ(empty.TransparencyMode(), bsptmNone);
  EXPECT_EQ(empty.GetScanline(0), nullptr);
  EXPECT_EQ(empty.GetAlphaScanline(0), nullptr);
  EXPECT_EQ(empty.Palette(), nullptr);
  EXPECT_EQ(empty.GetPixelInformation(), nullptr);

  TspPngImage blank(2, 8, 3, 2);
  EXPECT_NO_THROW(blank.Resize(0, 5));
  EXPECT_EQ(blank.Width(), 3);
  EXPECT_EQ(blank.Height(), 2);
}

TEST(SpPngImage, TypedChunksIgnoreASourceOfAnotherClass) {
  TspPngImage png(3, 8, 2, 2);
  png.AddtEXt("Title", "x");
  TspPngLayer* text = png.Chunks().FindPngLayer<TspPngLayertEXt>();
  TspPngLayergAMA gama(&png);
  TspPngLayer* targets[] = {png.Header(), png.Chunks().FindPngLayer<TspPngLayerPLTE>(), &gama};
  for (TspPngLayer* target : targets) EXPECT_NO_THROW(target->Assign(text)) << target->GetPngLayerName();
  EXPECT_EQ(png.Width(), 2);
  EXPECT_EQ(gama.GetValue(), 1u);
}

TEST(SpPngImage, FormDataIsALengthThenThePngBytes) {
  TspPngImage png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(3, 2, 8, 6, 0));
  png.LoadFromStream(stream);
  TMemoryStream data;
  png.WriteData(data);
  data.WriteBuffer("tail", 4);  // what follows in the definition
  const Byte* d = data.Memory();
  const Cardinal length = d[0] | (d[1] << 8) | (d[2] << 16) | (Cardinal(d[3]) << 24);
  ASSERT_EQ(Int64(length) + 8, data.Size());
  EXPECT_EQ(std::memcmp(d + 4, "\x89PNG", 4), 0);

  data.SetPosition(0);
  TspPngImage back;
  back.ReadData(data);
  ExpectSamplePixels(back, Format{6, 8, 0}, 3, 2, "form data");
  EXPECT_EQ(data.Position(), Int64(length) + 4);

  // A missing resource leaves the picture as it is.
  EXPECT_NO_THROW(back.LoadFromResourceName(::GetModuleHandleA(nullptr), "NO_SUCH_PNG"));
  EXPECT_NO_THROW(back.LoadFromResourceID(::GetModuleHandleA(nullptr), 32001));
  EXPECT_EQ(back.Width(), 3);

  // A length beyond the end reads what is there, quietly.
  TMemoryStream cut;
  cut.WriteBuffer(d, 20);
  cut.SetPosition(0);
  EXPECT_NO_THROW(back.ReadData(cut));
  EXPECT_TRUE(back.Empty());
}

}  // namespace
