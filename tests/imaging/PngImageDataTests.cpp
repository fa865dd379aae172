// Decoding and encoding the image data of the picture class: every colour type,
// depth and interlace, split image data, row filters and broken streams.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "imaging/png/Filters.h"
#include "imaging/png/RowCodec.h"
#include "imaging/pngimage.h"
#include "tests/imaging/PngFixtures.h"

using namespace pngtest;

namespace {

std::string Name(const testing::TestParamInfo<Format>& info) {
  return "Type" + std::to_string(info.param.colorType) + "Depth" + std::to_string(info.param.depth) +
         (info.param.interlace ? "Adam7" : "Plain");
}

void ExpectSamplePixels(TPNGObject& png, const Format& f, std::uint32_t width, std::uint32_t height) {
  ASSERT_EQ(png.Width(), int(width));
  ASSERT_EQ(png.Height(), int(height));
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      ASSERT_EQ(png.GetPixels(int(x), int(y)), Expected(f, x, y)) << "pixel " << x << "," << y;
      if (f.colorType == 4 || f.colorType == 6) {
        const int a = f.colorType == 4 ? 1 : 3;
        const std::uint32_t alpha = f.depth == 16 ? Sample(x, y, a, 16) >> 8 : Sample(x, y, a, 8);
        ASSERT_EQ(png.AlphaScanline(int(y))[x], alpha) << "alpha " << x << "," << y;
      }
      if (f.depth == 16 && f.colorType != 2 && f.colorType != 6)
        ASSERT_EQ(png.ExtraScanline(int(y))[x], Sample(x, y, 0, 16) & 255);
    }
}

class PngFormats : public testing::TestWithParam<Format> {};

// Through the fast row decoders and through the plain ones.
TEST_P(PngFormats, DecodesSamplesInOneAndInSplitImageData) {
  const Format f = GetParam();
  for (bool fast : {true, false})
    for (const std::vector<std::size_t>& cuts : {std::vector<std::size_t>{}, std::vector<std::size_t>{1, 1, 5}}) {
      png::SetFastRowDecode(fast);
      TPNGObject png;
      TMemoryStream stream;
      Fill(stream, SamplePicture(11, 9, f.depth, f.colorType, f.interlace, cuts));
      png.LoadFromStream(stream);
      png::SetFastRowDecode(true);
      EXPECT_EQ(stream.Position(), stream.Size());
      ExpectSamplePixels(png, f, 11, 9);
    }
}

// Read back through the fast row unfiltering and through the plain one.
TEST_P(PngFormats, SavesAndLoadsBackTheSamePixels) {
  const Format f = GetParam();
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(11, 9, f.depth, f.colorType, f.interlace));
  png.LoadFromStream(stream);
  png.Filters = FilterSet({pfNone, pfSub, pfUp, pfAverage, pfPaeth});
  TMemoryStream saved;
  png.SaveToStream(saved);
  for (bool fast : {true, false}) {
    png::SetFastUnfilter(fast);
    saved.SetPosition(0);
    TPNGObject again;
    again.LoadFromStream(saved);
    png::SetFastUnfilter(true);
    EXPECT_EQ(again.InterlaceMethod, f.interlace ? imAdam7 : imNone);
    ExpectSamplePixels(again, f, 11, 9);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTypeDepthAndInterlace, PngFormats, testing::ValuesIn(AllFormats()), Name);

// The fast unfiltering against the plain one, byte for byte, on rows of every pixel
// size (shorter than a pixel too, and past whole 16-byte blocks) whose bytes make every
// Paeth tie happen.
TEST(PngImageData, FastUnfilteringMatchesThePlainOne) {
  std::uint32_t seed = 1;
  auto next = [&] { return std::uint8_t((seed = seed * 1103515245u + 12345u) >> 24 & 3) * 85; };
  for (std::uint8_t type = 0; type <= 5; ++type)
    for (std::uint32_t offset : {1u, 2u, 3u, 4u, 6u, 8u})
      for (std::uint32_t length : {1u, offset, 3 * offset + 1, 64u, 75u}) {
        std::vector<std::uint8_t> previous(length), row(length);
        for (int round = 0; round < 20; ++round) {
          for (std::uint32_t i = 0; i < length; ++i) previous[i] = next(), row[i] = next();
          std::vector<std::uint8_t> fast = row, plain = row;
          png::UnfilterRow(type, fast.data(), previous.data(), length, offset);
          png::UnfilterRowPlain(type, plain.data(), previous.data(), length, offset);
          ASSERT_EQ(fast, plain) << "type " << int(type) << " offset " << offset << " length " << length;
        }
      }
}

TEST(PngImageData, SixteenBitSavingKeepsTheLowBytes) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(5, 3, 16, 2, 0));
  png.LoadFromStream(stream);
  TMemoryStream saved;
  png.SaveToStream(saved);
  saved.SetPosition(0);
  TPNGObject again;
  again.LoadFromStream(saved);
  for (int x = 0; x < 5; ++x)
    for (int c = 0; c < 3; ++c)
      EXPECT_EQ(again.ExtraScanline(1)[3 * x + 2 - c], Sample(std::uint32_t(x), 1, c, 16) & 255);
}

TEST(PngImageData, TwoBitGrayTakesTheFourGrayLevels) {
  // One row of 4 pixels 3, 0, 3, 0 in one byte: 11 00 11 00.
  for (int interlace : {0, 1}) {
    TPNGObject png;
    TMemoryStream stream;
    // Adam7: pass 1 holds x = 0, pass 4 x = 2, pass 6 x = 1 and 3.
    const Bytes raw = interlace ? Bytes{0, 0xC0, 0, 0xC0, 0, 0x00} : Bytes{0, 0xCC};
    Fill(stream, PngBuilder().Ihdr(4, 1, 2, 0, interlace).Idat(Compress(raw)).End().Data());
    png.LoadFromStream(stream);
    EXPECT_EQ(png.Scanline(0)[0], 0xF0) << interlace;  // nibbles 15, 0
    EXPECT_EQ(png.Scanline(0)[1], 0xF0) << interlace;
    EXPECT_EQ(png.GetPixels(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(png.GetPixels(1, 0), 0);
  }
  TPNGObject levels;
  TMemoryStream stream;
  Fill(stream, PngBuilder().Ihdr(4, 1, 2, 0).Idat(Compress({0, 0x1B})).End().Data());  // 0, 1, 2, 3
  levels.LoadFromStream(stream);
  EXPECT_EQ(levels.Scanline(0)[0], 0x05);
  EXPECT_EQ(levels.Scanline(0)[1], 0xAF);
  EXPECT_EQ(levels.GetPixels(1, 0), Rgb(85, 85, 85));
  EXPECT_EQ(levels.GetPixels(2, 0), Rgb(170, 170, 170));
}

TEST(PngImageData, OnePixelRgbGoesToBlueGreenRed) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, PngBuilder().Ihdr(1, 1, 8, 2).Idat(Compress({0, 10, 20, 30})).End().Data());
  png.LoadFromStream(stream);
  EXPECT_EQ(png.Scanline(0)[0], 30);
  EXPECT_EQ(png.Scanline(0)[1], 20);
  EXPECT_EQ(png.Scanline(0)[2], 10);
}

TEST(PngImageData, BrokenImageDataRaisesTheCodecsErrors) {
  const Bytes rows = RawImageData(4, 4, 8, 2, 0);
  const Bytes z = Compress(rows);
  Bytes middleCrc;
  {
    PngBuilder b;
    b.Ihdr(4, 4, 8, 2).Chunk("IDAT", Bytes(z.begin(), z.begin() + 1));
    b.BadCrcChunk("IDAT", Bytes(z.begin() + 1, z.begin() + 2)).Chunk("IDAT", Bytes(z.begin() + 2, z.end())).End();
    middleCrc = b.Data();
  }
  Bytes shortData(rows.begin(), rows.begin() + long(rows.size() / 2));
  Bytes truncatedZ = Compress(shortData);  // a complete zlib stream holding half the rows
  Bytes corrupt = z;
  corrupt[0] = 0x00;  // not a zlib header
  Bytes cutFile = PngBuilder().Ihdr(4, 4, 8, 2).Data();
  cutFile.insert(cutFile.end(), {0, 0, 0, 40, 'I', 'D', 'A', 'T'});
  cutFile.insert(cutFile.end(), z.begin(), z.begin() + 6);

  struct Case {
    const char* fault;
    Bytes bytes;
    const char* exceptionClass;
  } cases[] = {
      {"crc of the middle chunk", middleCrc, "EPngInvalidCRC"},
      {"data run on into IEND", PngBuilder().Ihdr(4, 4, 8, 2).Idat(Bytes(z.begin(), z.begin() + 8)).End().Data(),
       "EPNGMissingMultipleIDAT"},
      {"stream ends before the rows", PngBuilder().Ihdr(4, 4, 8, 2).Idat(truncatedZ).End().Data(), "EPngUnexpectedEnd"},
      {"not zlib data", PngBuilder().Ihdr(4, 4, 8, 2).Idat(corrupt).End().Data(), "EPNGZLIBError"},
      {"file ends inside the data", cutFile, "EPngInvalidCRC"},
  };
  for (const Case& c : cases) {
    TPNGObject png;
    TMemoryStream stream;
    Fill(stream, c.bytes);
    try {
      png.LoadFromStream(stream);
      ADD_FAILURE() << c.fault << ": nothing raised";
    } catch (const Exception& e) {
      EXPECT_EQ(e.ClassName(), c.exceptionClass) << c.fault;
      EXPECT_FALSE(e.Message.empty()) << c.fault;
    }
    EXPECT_TRUE(png.Empty()) << c.fault;
  }
}

TEST(PngImageData, ZlibErrorsCarryZlibsText) {
  Bytes corrupt = Compress(RawImageData(2, 2, 8, 0, 0));
  corrupt[0] = 0x00;
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, PngBuilder().Ihdr(2, 2, 8, 0).Idat(corrupt).End().Data());
  try {
    png.LoadFromStream(stream);
    FAIL();
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message,
              "Could not decompress the image because it contains invalid compressed data.\r\n Description: "
              "data error (-3)");
  }
}

TEST(PngImageData, WritesImageDataInChunksOfMaxIdatSize) {
  // Noise compresses badly, so 300 x 300 RGB gives more than 65,535 bytes.
  TPNGObject png(2, 8, 300, 300);
  std::uint32_t seed = 1;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 900; ++x) {
      seed = seed * 1103515245u + 12345u;
      png.Scanline(y)[x] = Byte(seed >> 16);
    }
  png.CompressionLevel = 0;
  TMemoryStream saved;
  png.SaveToStream(saved);
  const Byte* d = saved.Memory();
  std::vector<std::uint32_t> idatSizes;
  for (Int64 at = 8; at + 8 <= saved.Size();) {
    const std::uint32_t length = (std::uint32_t(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
    if (std::memcmp(d + at + 4, "IDAT", 4) == 0) idatSizes.push_back(length);
    at += 12 + length;
  }
  ASSERT_GE(idatSizes.size(), 2u);
  for (std::size_t i = 0; i + 1 < idatSizes.size(); ++i) EXPECT_EQ(idatSizes[i], 65535u);
  EXPECT_LE(idatSizes.back(), 65535u);
  saved.SetPosition(0);
  TPNGObject again;
  again.LoadFromStream(saved);
  EXPECT_EQ(std::memcmp(again.Scanline(150), png.Scanline(150), 900), 0);
}

TEST(PngImageData, ChoosesTheFilterByTheRepeatRule) {
  // Each saved row starts with its filter type; a one-row picture makes it easy to find.
  struct Case {
    TFilters filters;
    Bytes row;  // 4 gray pixels
    int expected;
  } cases[] = {
      {FilterSet({pfSub}), {9, 200, 3, 77}, 1},
      {FilterSet({pfNone}), {0, 0, 0, 0}, 0},
      {FilterSet({pfSub, pfUp}), {0, 0, 0, 0}, 1},          // both score 2, the first wins
      {FilterSet({pfSub, pfUp}), {1, 2, 4, 8}, 0},          // nothing repeats: None
      {FilterSet({pfNone, pfUp}), {5, 5, 5, 5}, 0},         // None scores 2, Up (same bytes) 2
  };
  for (const Case& c : cases) {
    TPNGObject png(0, 8, 4, 1);
    std::memcpy(png.Scanline(0), c.row.data(), 4);
    png.Filters = c.filters;
    TMemoryStream saved;
    png.SaveToStream(saved);
    saved.SetPosition(0);
    // Inflate the first IDAT: the first byte is the row's filter type.
    const Byte* d = saved.Memory();
    for (Int64 at = 8; at + 8 <= saved.Size();) {
      const std::uint32_t length = (std::uint32_t(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
      if (std::memcmp(d + at + 4, "IDAT", 4) == 0) {
        Byte raw[5] = {};
        uLongf size = sizeof(raw);
        ASSERT_EQ(uncompress(raw, &size, d + at + 8, length), Z_OK);
        EXPECT_EQ(raw[0], c.expected);
        break;
      }
      at += 12 + length;
    }
  }
}

}  // namespace
