// The chunk model of the picture class: reading chunks with their CRC, the header
// checks, chunk order, unknown chunks, the chunk list's placement rules.
#include <gtest/gtest.h>

#include "imaging/png/Crc.h"
#include "imaging/pngimage.h"
#include "imaging/sppngimage.h"
#include "tests/imaging/PngFixtures.h"

using namespace pngtest;

namespace {

const Bytes kGrayIdat = Compress({0, 7, 0, 9});  // 1 x 2 gray, 8-bit

// A 1 x 2 gray picture with the given chunks between IHDR and IDAT.
Bytes GrayPicture(const std::function<void(PngBuilder&)>& extra = nullptr) {
  PngBuilder b;
  b.Ihdr(1, 2, 8, 0);
  if (extra) extra(b);
  return b.Idat(kGrayIdat).End().Data();
}

struct Refusal {
  const char* fault;
  Bytes bytes;
  const char* exceptionClass;
  const char* message;
};

String MessageOf(const char* exceptionClass, const Bytes& bytes) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, bytes);
  try {
    png.LoadFromStream(stream);
  } catch (const Exception& e) {
    EXPECT_EQ(e.ClassName(), exceptionClass);
    return e.Message;
  }
  ADD_FAILURE() << "nothing raised";
  return String();
}

TEST(PngChunks, MalformedStreamsRaiseTheirErrorWithItsText) {
  Bytes badSignature = GrayPicture();
  badSignature[7] = 0;
  Bytes cutAfterIhdr = PngBuilder().Ihdr(1, 1, 8, 0).Data();
  const Refusal cases[] = {
      {"eighth signature byte", badSignature, "EPNGInvalidFileHeader",
       "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
       "header. This file may be corruped, try obtaining it again."},
      {"gAMA first", PngBuilder().Chunk("gAMA", BE32(45455)).Ihdr(1, 1, 8, 0).Idat(kGrayIdat).End().Data(),
       "EPNGIHDRNotFirst",
       "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not the "
       "first)"},
      {"ends after IHDR", cutAfterIhdr, "EPngUnexpectedEnd",
       "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file."},
      {"IHDR and IEND only", PngBuilder().Ihdr(1, 1, 8, 0).End().Data(), "EPNGNoImageData",
       "This \"Portable Network Graphics\" image contains no data."},
      {"last CRC byte", PngBuilder().Ihdr(1, 2, 8, 0).BadCrcChunk("tEXt", {'a', 0, 'b'}).Idat(kGrayIdat).End().Data(),
       "EPngInvalidCRC",
       "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc error)"},
      {"unknown critical chunk", GrayPicture([](PngBuilder& b) { b.Chunk("ABCD", {1, 2}); }),
       "EPNGUnknownCriticalChunk",
       "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded."},
      {"short IHDR", PngBuilder().Chunk("IHDR", Bytes(12, 1)).Idat(kGrayIdat).End().Data(), "EPngInvalidIHDR",
       "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) "
       "might be corrupted"},
  };
  for (const Refusal& c : cases) EXPECT_EQ(MessageOf(c.exceptionClass, c.bytes), c.message) << c.fault;
}

TEST(PngChunks, HeaderValuesAreChecked) {
  struct Case {
    const char* fault;
    Bytes ihdr;
    const char* exceptionClass;  // nullptr: the header passes its checks
  } cases[] = {
      {"width 65,536", IhdrData(65536, 1, 8, 0), "EPNGSizeExceeds"},
      {"width with the top bit", IhdrData(0x80000001u, 1, 8, 0), "EPNGSizeExceeds"},
      {"compression method 1", IhdrData(1, 2, 8, 0, 0, 1), "EPNGUnknownCompression"},
      {"interlace method 2", IhdrData(1, 2, 8, 0, 2), "EPNGUnknownInterlace"},
      {"filter method 1", IhdrData(1, 2, 8, 0, 0, 0, 1), nullptr},
      {"width 0", IhdrData(0, 2, 8, 0), "EPngInvalidIHDR"},
      {"height 0", IhdrData(1, 0, 8, 0), "EPngInvalidIHDR"},
      {"RGB at depth 4", IhdrData(1, 2, 4, 2), "EPngInvalidIHDR"},
      {"colour type 5", IhdrData(1, 2, 8, 5), "EPngInvalidIHDR"},
      {"palette at depth 16", IhdrData(1, 2, 16, 3), "EPngInvalidIHDR"},
      {"gray alpha at depth 4", IhdrData(1, 2, 4, 4), "EPngInvalidIHDR"},
      {"65,535 x 65,535", IhdrData(65535, 65535, 8, 6), "EPngInvalidIHDR"},
  };
  for (const Case& c : cases) {
    TPNGObject png;
    TMemoryStream stream;
    Fill(stream, PngBuilder().Chunk("IHDR", c.ihdr).Idat(kGrayIdat).End().Data());
    if (!c.exceptionClass) {
      EXPECT_NO_THROW(png.LoadFromStream(stream)) << c.fault;
      continue;
    }
    try {
      png.LoadFromStream(stream);
      ADD_FAILURE() << c.fault << ": nothing raised";
    } catch (const Exception& e) {
      EXPECT_EQ(e.ClassName(), c.exceptionClass) << c.fault;
    }
  }
}

TEST(PngChunks, AFailedLoadLeavesThePictureAsItWas) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(3, 2, 8, 6, 0));
  png.LoadFromStream(stream);
  const TColor before = png.GetPixels(2, 1);
  Bytes broken = SamplePicture(5, 5, 8, 2, 0);
  broken[broken.size() - 13] ^= 0xFF;  // the last byte of the image data's CRC
  Fill(stream, broken);
  EXPECT_THROW(png.LoadFromStream(stream), EPngInvalidCRC);
  EXPECT_EQ(png.Width(), 3);
  EXPECT_EQ(png.GetPixels(2, 1), before);
  EXPECT_EQ(png.TransparencyMode(), ptmPartial);
  EXPECT_EQ(png.Canvas()->Handle(), png.Header()->ImageDC());
}

TEST(PngChunks, UnknownAncillaryChunksAreKeptAndWrittenBackUnchanged) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, GrayPicture([](PngBuilder& b) { b.Chunk("prVW", {1, 2, 3}).Chunk("cHRM", Bytes(32, 0)); }));
  png.LoadFromStream(stream);
  ASSERT_EQ(png.Chunks().Count(), 4u);  // IHDR, prVW, IDAT, IEND: no cHRM
  TChunk* private_ = png.Chunks().GetItem(1);
  EXPECT_EQ(private_->ClassName(), "TChunk");
  EXPECT_EQ(private_->GetChunkName(), "prVW");
  TMemoryStream saved;
  png.SaveToStream(saved);
  const Bytes expected = PngBuilder().Chunk("prVW", {1, 2, 3}).Data();
  const std::string written(reinterpret_cast<const char*>(saved.Memory()), std::size_t(saved.Size()));
  EXPECT_NE(written.find(std::string(expected.begin() + 8, expected.end())), std::string::npos);
  EXPECT_EQ(written.find("cHRM"), std::string::npos);
}

TEST(PngChunks, AnUnknownCriticalChunkIsNotKept) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, GrayPicture([](PngBuilder& b) { b.Chunk("ABCD", {1}); }));
  EXPECT_THROW(png.LoadFromStream(stream), EPNGUnknownCriticalChunk);
  EXPECT_TRUE(png.Empty());
}

TEST(PngChunks, ImageDataAfterTheFirstRunIsSkipped) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, PngBuilder().Ihdr(1, 2, 8, 0).Idat(kGrayIdat).Chunk("tEXt", Text("k")).Idat({1, 2, 3}).End().Data());
  png.LoadFromStream(stream);
  EXPECT_EQ(png.GetPixels(0, 1), TColor(0x090909));
  EXPECT_EQ(png.Chunks().Count(), 4u);
}

// Transparency mode of a 2 x 2 four-entry palette picture with the given tRNS
// values: 0 none, 1 bit (colour key), 2 partial.
template <class Png>
int PaletteTransparency(const Bytes& trns) {
  Png png;
  TMemoryStream stream;
  Fill(stream, PngBuilder()
                   .Ihdr(2, 2, 8, 3)
                   .Chunk("PLTE", PlteData(4))
                   .Chunk("tRNS", trns)
                   .Idat(Compress({0, 0, 1, 0, 2, 3}))
                   .End()
                   .Data());
  png.LoadFromStream(stream);
  return int(png.TransparencyMode());
}

TEST(PngChunks, PaletteTransparencyIsAColourKeyOnlyForOneClearEntryAmongOpaqueOnes) {
  struct Case {
    const char* table;
    Bytes trns;
    int mode;
  } cases[] = {
      {"0,255,255,255", {0, 255, 255, 255}, 1},
      {"255,0 (the rest opaque by default)", {255, 0}, 1},
      // A half-transparent entry must blend, not be drawn opaque; with no 0 entry
      // a colour key would make black vanish.
      {"255,128,255", {255, 128, 255}, 2},
      {"128", {128}, 2},
      {"0,0,255", {0, 0, 255}, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PaletteTransparency<TPNGObject>(c.trns), c.mode) << "picture class " << c.table;
    EXPECT_EQ(PaletteTransparency<TspPngImage>(c.trns), c.mode) << "skin class " << c.table;
  }
}

TEST(PngChunks, ListAddPlacesChunksInPngOrder) {
  TPNGObject png(3, 8, 2, 2);  // IHDR, PLTE, IDAT, IEND
  TChunktRNS* trns = png.Chunks().Add<TChunktRNS>();
  EXPECT_EQ(trns->GetIndex(), 2);
  EXPECT_EQ(png.Chunks().GetItem(1)->GetName(), "PLTE");
  EXPECT_EQ(png.Chunks().GetItem(3)->GetName(), "IDAT");
  try {
    png.Chunks().Add<TChunktRNS>();
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message,
              "The program tried to add a existent critical chunk to the current image which is not allowed.");
  }
  EXPECT_THROW(png.Chunks().Add<TChunkIDAT>(), EPngError);
  EXPECT_EQ(png.Chunks().Add<TChunkgAMA>()->GetIndex(), 1);
  TChunktEXt* text = png.Chunks().Add<TChunktEXt>();
  EXPECT_EQ(text->GetIndex(), int(png.Chunks().Count()) - 2);

  TPNGObject empty;
  try {
    empty.Chunks().Add<TChunktEXt>();
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message, "It's not allowed to add a new chunk because the current image is invalid.");
  }
}

TEST(PngChunks, PaletteEntryOutOfRangeRaises) {
  TPNGObject png;
  TMemoryStream stream;
  Fill(stream, SamplePicture(2, 2, 2, 3, 0));  // four entries
  png.LoadFromStream(stream);
  TChunkPLTE* plte = png.Chunks().FindChunk<TChunkPLTE>();
  ASSERT_NE(plte, nullptr);
  EXPECT_EQ(plte->GetPaletteItem(3), PaletteColor(3));
  for (int index : {4, -1}) {
    try {
      plte->GetPaletteItem(index);
      ADD_FAILURE() << index << ": nothing raised";
    } catch (const EPngError& e) {
      EXPECT_EQ(e.Message, "There is no such palette entry.") << index;
    }
  }
}

TEST(PngChunks, TypedChunksRefuseASourceOfAnotherClass) {
  TPNGObject png(3, 8, 2, 2);
  png.AddtEXt("Title", "x");
  TChunk* text = png.Chunks().FindChunk<TChunktEXt>();
  TChunkgAMA gama(&png);
  TChunk* targets[] = {png.Header(), png.Chunks().FindChunk<TChunkPLTE>(), &gama};
  for (TChunk* target : targets) {
    try {
      target->Assign(text);
      ADD_FAILURE() << target->GetName() << ": nothing raised";
    } catch (const EPngError& e) {
      EXPECT_EQ(e.Message, "The chunks must be compatible to be assigned.") << target->GetName();
    }
  }
  EXPECT_EQ(png.Width(), 2);
}

TEST(PngChunks, SettingsAndVersion) {
  TPNGObject png;
  png.SetMaxIdatSize(1000);
  EXPECT_EQ(png.MaxIdatSize(), 65535);
  png.SetMaxIdatSize(100000);
  EXPECT_EQ(png.MaxIdatSize(), 100000);
  EXPECT_EQ(TPNGObject::GetLibraryVersion(), "1.564");
  EXPECT_EQ(png.Filters, FilterSet({pfSub}));
  EXPECT_EQ(png.CompressionLevel, 7);
}

TEST(PngChunks, CrcOfStandardData) {
  // The CRC of "IEND" with no data is AE 42 60 82 in every PNG.
  EXPECT_EQ(png::ChunkCrc("IEND", nullptr, 0), 0xAE426082u);
}

TEST(PngChunks, CrcMatchesThePlainTableVersion) {
  Bytes data(70001);
  std::uint32_t seed = 1;
  for (auto& b : data) b = std::uint8_t((seed = seed * 1103515245u + 12345u) >> 16);
  for (std::uint32_t start : {0xFFFFFFFFu, 0u, 0x12345678u})
    for (std::size_t length : {std::size_t(0), std::size_t(1), std::size_t(7), std::size_t(4096), data.size()})
      EXPECT_EQ(update_crc(start, data.data(), length), png::UpdateCrcReference(start, data.data(), length))
          << start << " " << length;
}

}  // namespace
