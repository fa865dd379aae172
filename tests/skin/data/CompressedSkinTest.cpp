// Compressed skins: pack -> file -> load gives the same skin; streams of every
// version load; empty and too-new stored skins; lengths that lie; truncated and
// garbled data; the zlib streams' operations; the skin list.
#include <gtest/gtest.h>

#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/spzlibcompress.h"
#include "tests/skin/data/RecordFuzz.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

void WriteInt(TStream& stream, Integer value) { stream.WriteBuffer(&value, 4); }

void WriteBitmap(TStream& stream, int width, int height) {
  TBitmap bitmap(width, height, pf24bit);
  bitmap.SaveToStream(stream);
}

// An inner stream of the version: the slots it carries (all filled, sizes by
// slot: 10, 11, 12 ...), one named picture and a minimal INI text.
TspCompressedStoredSkin* StoredSkinOfVersion(Integer version, int slots) {
  TMemoryStream inner;
  WriteInt(inner, version);
  for (int i = 0; i < slots; ++i) {
    Byte filled = 0;
    inner.WriteBuffer(&filled, 1);
    WriteBitmap(inner, 10 + i, 5);
  }
  WriteInt(inner, 1);
  WriteBitmap(inner, 3, 3);
  String text = MinimalSkinIni("[PICTURES]\r\n");
  inner.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
  auto* stored = new TspCompressedStoredSkin(nullptr);
  CompressStream(inner, *stored->PackedData);
  return stored;
}

std::vector<Byte> Deflated(const String& text) {
  TStringStream source(text);
  TMemoryStream packed;
  CompressStream(source, packed);
  return std::vector<Byte>(packed.Memory(), packed.Memory() + packed.Size());
}

}  // namespace

TEST(CompressedSkin, PackFileAndLoadGiveTheSameSkin) {
  for (const String& source : {VarnelSkinIni(), StressSkinIni()}) {
    TspSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadFromFile(source));
    TempProgramFolder folder;
    skin.SaveToCompressedFile(folder.Path() + "skin.vsk");
    TspSkinData loaded(nullptr);
    loaded.LoadFromCompressedFile(folder.Path() + "skin.vsk");
    EXPECT_FALSE(loaded.Empty);
    EXPECT_EQ(loaded.InActivePictureName, skin.InActivePictureName) << "every picture name is read back";
    EXPECT_EQ(loaded.InActivePicture->Width(), skin.InActivePicture->Width());
    EXPECT_EQ(loaded.RollUpMask->Width(), skin.RollUpMask->Width());
    EXPECT_EQ(loaded.ActivePictures.size(), skin.ActivePictures.size());
    EXPECT_EQ(loaded.CtrlList.size(), skin.CtrlList.size());
    EXPECT_EQ(DifferentKeys(TspSkinData::FormInfoTable(), &skin, &loaded), "");
    EXPECT_EQ(loaded.CursorNames->Count(), 0) << "a compressed skin installs no cursors";

    // And a packed folder, JPEG pictures decoded on the way.
    TspCompressedStoredSkin packed(nullptr);
    packed.LoadFromIniFile(source);
    ASSERT_FALSE(packed.GetEmpty());
    TspSkinData fromFolder(nullptr);
    fromFolder.LoadCompressedStoredSkin(&packed);
    EXPECT_EQ(fromFolder.ActivePictures.size(), skin.ActivePictures.size());
    for (size_t i = 0; i < skin.ActivePictures.size(); ++i)
      EXPECT_EQ(fromFolder.ActivePictures[i]->Width(), skin.ActivePictures[i]->Width());

    // Stored to disk after a compressed load: the folder reads back.
    TempProgramFolder stored;
    loaded.StoreToDisk(stored.Path());
    TspSkinData again(nullptr);
    ASSERT_TRUE(again.LoadFromFile(stored.Path() + "skin.ini"));
    EXPECT_EQ(again.InActivePicture->Width(), skin.InActivePicture->Width());
  }
}

TEST(CompressedSkin, EveryVersionLoadsItsSlots) {
  struct Case {
    Integer version;
    int slots;
    int picture, inactive, mask, rollup, rollupMask;  // widths, 0 when empty
  } cases[] = {
      {-2, 2, 10, 0, 11, 0, 0},
      {0, 2, 10, 0, 11, 0, 0},
      {1, 4, 10, 0, 11, 12, 13},
      {2, 5, 10, 11, 12, 13, 14},
      {3, 3, 10, 11, 12, 0, 0},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TspCompressedStoredSkin> stored(StoredSkinOfVersion(c.version, c.slots));
    TspSkinData skin(nullptr);
    skin.LoadCompressedStoredSkin(stored.get());
    EXPECT_FALSE(skin.Empty) << c.version;
    EXPECT_EQ(skin.Picture->Width(), c.picture) << c.version;
    EXPECT_EQ(skin.InActivePicture->Width(), c.inactive) << c.version;
    EXPECT_EQ(skin.Mask->Width(), c.mask) << c.version;
    EXPECT_EQ(skin.RollUpPicture->Width(), c.rollup) << c.version;
    EXPECT_EQ(skin.RollUpMask->Width(), c.rollupMask) << c.version;
    EXPECT_EQ(skin.ActivePictures.size(), 1u);
    EXPECT_EQ(skin.SkinName, "Mini");
  }
}

TEST(CompressedSkin, EmptyAndTooNewStoredSkinsChangeNothing) {
  TspSkinData skin(nullptr);
  TempProgramFolder folder;
  ASSERT_TRUE(skin.LoadFromFile(WriteMinimalSkin(folder)));

  TspCompressedStoredSkin empty(nullptr);
  empty.SaveToCompressFile(folder.Path() + "none.vsk");
  EXPECT_FALSE(FileExists(folder.Path() + "none.vsk"));
  TMemoryStream property;
  empty.SaveToCompressStream(property);
  EXPECT_EQ(property.Size(), 8);
  TspCompressedStoredSkin readBack(nullptr);
  readBack.LoadFromCompressStream(property);
  EXPECT_TRUE(readBack.GetEmpty());
  skin.LoadCompressedStoredSkin(&readBack);
  EXPECT_FALSE(skin.Empty);

  std::unique_ptr<TspCompressedStoredSkin> newer(StoredSkinOfVersion(4, 0));
  skin.LoadCompressedStoredSkin(newer.get());
  EXPECT_FALSE(skin.Empty) << "a version the reader does not know leaves the skin as it was";
  EXPECT_EQ(skin.SkinName, "Mini");

  TMemoryStream file;
  WriteInt(file, 7);
  WriteInt(file, 4);
  file.WriteBuffer("abcd", 4);
  file.SaveToFile(folder.Path() + "seven.vsk");
  TspCompressedStoredSkin seven(nullptr);
  seven.LoadFromCompressFile(folder.Path() + "seven.vsk");
  EXPECT_TRUE(seven.GetEmpty());
  skin.LoadFromCompressedFile(folder.Path() + "seven.vsk");
  EXPECT_FALSE(skin.Empty);
}

TEST(CompressedSkin, StoredLengthsThatLieAreRefused) {
  for (Integer length : {-1, 5, 1000}) {
    TMemoryStream stream;
    WriteInt(stream, 2);
    WriteInt(stream, length);
    stream.WriteBuffer("abcd", 4);
    TspCompressedStoredSkin stored(nullptr);
    EXPECT_THROW(stored.LoadFromCompressStream(stream), EReadError) << length;
    EXPECT_TRUE(stored.GetEmpty());
  }
  TMemoryStream stub;
  stub.WriteBuffer("\x02\x00", 2);
  TspCompressedStoredSkin stored(nullptr);
  EXPECT_THROW(stored.LoadFromCompressStream(stub), EReadError);
}

TEST(CompressedSkin, TruncatedOrGarbledDataKeepsTheCurrentSkin) {
  TspSkinData skin(nullptr);
  TempProgramFolder folder;
  ASSERT_TRUE(skin.LoadFromFile(WriteMinimalSkin(folder)));
  std::unique_ptr<TspCompressedStoredSkin> good(StoredSkinOfVersion(2, 5));
  const Int64 size = good->PackedData->Size();
  for (Int64 keep : {Int64(0) + 1, size / 2, size - 1}) {
    TspCompressedStoredSkin cut(nullptr);
    cut.PackedData->WriteBuffer(good->PackedData->Memory(), keep);
    EXPECT_THROW(skin.LoadCompressedStoredSkin(&cut), EDecompressionError) << keep;
    EXPECT_FALSE(skin.Empty);
    EXPECT_EQ(skin.SkinName, "Mini");
  }
  TspCompressedStoredSkin garbled(nullptr);
  garbled.PackedData->WriteBuffer("not zlib at all", 15);
  EXPECT_THROW(skin.LoadCompressedStoredSkin(&garbled), EDecompressionError);

  // Data after the end of the zlib stream is not read.
  std::vector<Byte> data = Deflated("payload");
  data.insert(data.end(), {1, 2, 3});
  TMemoryStream source, target;
  source.WriteBuffer(data.data(), static_cast<Int64>(data.size()));
  DeCompressStream(target, source);
  EXPECT_EQ(String(reinterpret_cast<char*>(target.Memory()), static_cast<size_t>(target.Size())), "payload");

  // Expansion has a limit.
  TMemoryStream big, capped;
  String zeros(100000, '\0');
  std::vector<Byte> packed = Deflated(zeros);
  big.WriteBuffer(packed.data(), static_cast<Int64>(packed.size()));
  EXPECT_THROW(DeCompressStream(capped, big, 50000), EDecompressionError);
}

TEST(CompressedSkin, ZlibStreamOperations) {
  TMemoryStream packed;
  {
    TCompressionStream compressor(TCompressionLevel::clMax, packed);
    String text(10000, 'a');
    compressor.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
    EXPECT_EQ(compressor.Seek(0, soCurrent), 10000);
    EXPECT_THROW(compressor.Seek(1, soBeginning), ECompressionError);
    char c;
    EXPECT_THROW(compressor.Read(&c, 1), ECompressionError);
    compressor.Finish();
    EXPECT_GT(compressor.GetCompressionRate(), 90.0);
  }
  packed.SetPosition(0);
  TDecompressionStream expander(packed);
  char head[4] = {};
  EXPECT_EQ(expander.Read(head, 4), 4);
  EXPECT_EQ(expander.Seek(100, soCurrent), 104);
  EXPECT_EQ(expander.Seek(200, soBeginning), 200);
  EXPECT_THROW(expander.Seek(10, soBeginning), EDecompressionError);
  EXPECT_THROW(expander.Seek(0, soEnd), EDecompressionError);
  EXPECT_EQ(expander.Seek(0, soBeginning), 0);
  EXPECT_EQ(expander.Seek(0, soCurrent), 0);
  EXPECT_THROW(expander.Write(head, 1), EDecompressionError);
  String rest(20000, '\0');
  EXPECT_EQ(expander.Read(rest.data(), 20000), 10000);
  EXPECT_EQ(expander.Read(rest.data(), 20000), 0);
  try {
    expander.Write(head, 1);
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message, "Invalid stream operation");
  }
}

TEST(CompressedSkin, SkinListItemsAndIndex) {
  TspCompressedSkinList list(nullptr);
  for (int i = 0; i < 3; ++i) list.Skins()->Add();
  EXPECT_EQ(list.Skins()->Items(0)->Name, "spSkin0");
  EXPECT_EQ(list.Skins()->Items(2)->Name, "spSkin2");
  EXPECT_EQ(list.Skins()->Items(1)->DisplayName(), "spSkin1");

  std::unique_ptr<TspCompressedStoredSkin> stored(StoredSkinOfVersion(2, 5));
  list.Skins()->Items(1)->StoredSkin()->PackedData->LoadFromStream(*stored->PackedData);
  TspSkinData skin(nullptr);
  skin.SetCompressedSkinList(&list);
  EXPECT_TRUE(skin.Empty) << "item 0 holds no skin";
  skin.SetCompressedSkinIndex(5);
  EXPECT_EQ(skin.SkinIndex(), 0);
  skin.SetCompressedSkinIndex(1);
  EXPECT_EQ(skin.SkinIndex(), 1);
  EXPECT_FALSE(skin.Empty);
  skin.SetCompressedSkinList(nullptr);
}
