// The ordinal maps and the vector map with its mesh file.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <tuple>

#include "GR32AreaLog.h"
#include "imaging/GR32_OrdinalMaps.h"
#include "imaging/GR32_VectorMaps.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

TEST(GR32BooleanMap, EightCellsToAByte) {
  TBooleanMap map;
  map.SetSize(3, 3);
  EXPECT_EQ(map.StoreSize(), 2);
  map.SetValue(0, 1, true);
  EXPECT_EQ(map.Bits()[0], 1 << 3);
  EXPECT_TRUE(map.GetValue(0, 1));
  map.ToggleBit(0, 1);
  map.ToggleBit(2, 2);
  EXPECT_FALSE(map.GetValue(0, 1));
  EXPECT_EQ(map.Bits()[1], 1) << "cell 8 is bit 0 of byte 1";
  map.Clear(1);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(map.GetValue(i % 3, i / 3), i % 8 == 0) << "every eighth cell, cell " << i;
  map.Clear(255);
  EXPECT_TRUE(map.GetValue(1, 1));
}

TEST(GR32ByteMap, ChannelsInAndOut) {
  TBitmap32 bitmap;
  bitmap.SetSize(2, 1);
  bitmap.SetPixel(0, 0, Color32(10, 20, 31, 40));
  bitmap.SetPixel(1, 0, Color32(200, 100, 50, 255));
  struct Case {
    TConversionType conversion;
    Byte first, second;
  } cases[] = {{ctRed, 10, 200},         {ctGreen, 20, 100},
               {ctBlue, 31, 50},         {ctAlpha, 40, 255},
               {ctUniformRGB, 20, 116},  {ctWeightedRGB, Byte(Intensity(Color32(10, 20, 31))), Byte(Intensity(Color32(200, 100, 50)))}};
  for (const Case& c : cases) {
    TByteMap map;
    map.ReadFrom(&bitmap, c.conversion);
    EXPECT_EQ(map.GetValue(0, 0), c.first) << int(c.conversion);
    EXPECT_EQ(map.GetValue(1, 0), c.second) << int(c.conversion);
  }

  TByteMap map;
  map.SetSize(2, 1);
  map.SetValue(0, 0, 7);
  map.SetValue(1, 0, 9);
  TBitmap32 target;
  target.Assign(&bitmap);
  map.WriteTo(&target, ctAlpha);
  EXPECT_EQ(target.GetPixel(0, 0), (bitmap.GetPixel(0, 0) & 0x00FFFFFF) | 0x07000000) << "only the alpha bytes";
  map.WriteTo(&target, ctWeightedRGB);
  EXPECT_EQ(target.GetPixel(1, 0), Gray32(9, 255));
  TPalette32 palette{};
  palette[7] = 0x12345678;
  map.WriteTo(&target, palette);
  EXPECT_EQ(target.GetPixel(0, 0), 0x12345678u);

  TByteMap copy;
  copy.Assign(&map);
  EXPECT_EQ(copy.GetValue(1, 0), 9);
  copy.Assign(&bitmap);
  EXPECT_EQ(copy.GetValue(0, 0), Intensity(bitmap.GetPixel(0, 0)));
  TBitmap32 grey;
  grey.Assign(&map);
  EXPECT_EQ(grey.GetPixel(1, 0), Gray32(9, 255));
}

TEST(GR32ValueMaps, ClearFillsAndNotifies) {
  TIntegerMap ints;
  TWordMap words;
  int changes = 0;
  ints.OnChange = TNotifyEvent::Function([&changes](TObject*) { ++changes; });
  ints.SetSize(3, 2);
  words.SetSize(2, 2);
  changes = 0;
  ints.Clear(-5);
  words.Clear(0xBEEF);
  EXPECT_EQ(ints.GetValue(2, 1), -5);
  EXPECT_EQ(*ints.GetValPtr(1, 1), -5);
  EXPECT_EQ(words.GetValue(1, 1), 0xBEEF);
  EXPECT_EQ(changes, 1);
  ints.SetSize(4, 2);
  EXPECT_EQ(ints.GetValue(3, 1), 0) << "new cells are zero";
  EXPECT_THROW(ints.SetSize(0x7FFFFFFF, 0x7FFFFFFF), EOutOfMemory);
  EXPECT_EQ(ints.Width(), 4) << "an impossible size changes nothing";
}

// ---------------------------------------------------------------------------
// Vector map

TFixedPoint V(float x, float y) { return TFixedPoint{Fixed(x), Fixed(y)}; }

TEST(GR32VectorMap, InterpolatedReading) {
  TVectorMap map;
  map.SetSize(2, 2);
  map.SetFixedVector(0, 0, V(0, 0));
  map.SetFixedVector(1, 0, V(2, 0));
  map.SetFixedVector(0, 1, V(0, 4));
  map.SetFixedVector(1, 1, V(2, 4));
  struct Case {
    const char* what;
    std::function<TFixedPoint()> read;
    TFixedPoint expected;
  } cases[] = {
      {"halfway along a row", [&] { return map.GetFixedVectorX(Fixed(0.5f), 0); }, V(1, 0)},
      {"halfway down", [&] { return map.GetFixedVectorX(0, Fixed(0.5f)); }, V(0, 2)},
      {"the last column is its own", [&] { return map.GetFixedVectorX(Fixed(1.5f), 0); }, V(2, 0)},
      {"outside", [&] { return map.GetFixedVectorX(Fixed(-0.5f), 0); }, V(0, 0)},
      {"clipped: the last column mixes with zero", [&] { return map.GetFixedVectorXS(Fixed(1.5f), 0); },
       V(1, 0)},
      {"clipped: a half cell out of the top", [&] { return map.GetFixedVectorXS(0, Fixed(-0.5f)); }, V(0, 0)},
      {"float form", [&] { return FixedPoint(map.GetFloatVectorF(0.5f, 0.5f)); }, V(1, 2)},
      {"cell outside, clipped", [&] { return map.GetFixedVectorS(2, 0); }, V(0, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.read(), c.expected) << c.what;
  TVectorMap one;
  one.SetSize(1, 1);
  one.SetFixedVector(0, 0, V(2, 2));
  EXPECT_EQ(one.GetFixedVectorXS(Fixed(-0.5f), 0), V(1, 1)) << "half of the first cell, half a zero vector";
}

// Writing at the last column or row touches only cells of the map: the cells
// beyond would be the next row's first cells, or lie past the store.
TEST(GR32VectorMap, InterpolatedWritingStaysInsideTheMap) {
  TVectorMap map;
  map.SetSize(3, 2);
  map.SetFixedVectorX(Fixed(2.5f), 0, V(8, 8));
  EXPECT_EQ(map.GetFixedVector(0, 1), V(0, 0)) << "not the next row's first cell";
  EXPECT_NEAR(map.GetFixedVector(2, 0).X / 65536.0, 4.0, 0.01) << "the cell keeps half its old vector";
  map.SetFixedVectorX(Fixed(2.5f), Fixed(1.5f), V(8, 8));
  map.SetFixedVectorXS(Fixed(-0.5f), Fixed(-0.5f), V(4, 0));
  EXPECT_NE(map.GetFixedVector(0, 0), V(0, 0));
  map.SetFixedVectorXS(Fixed(-1.5f), 0, V(4, 0));
  map.SetFloatVectorS(7, 7, TFloatPoint{1, 1});
  EXPECT_EQ(map.GetFloatVectorS(7, 7).X, 0.0f);
}

TEST(GR32VectorMap, MergeByCombineMode) {
  auto base = [] {
    auto m = std::make_unique<TVectorMap>();
    m->SetSize(3, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) m->SetFixedVector(x, y, V(1, 1));
    return m;
  };
  TVectorMap src;
  src.SetSize(2, 2);
  for (int i = 0; i < 4; ++i) src.Vectors()[i] = V(float(i), 10);

  auto added = base();
  added->Merge(1, 1, &src, src.BoundsRect());
  EXPECT_EQ(added->GetFixedVector(2, 2), V(4, 11));
  EXPECT_EQ(added->GetFixedVector(0, 0), V(1, 1));

  auto replaced = base();
  src.SetVectorCombineMode(vcmReplace);
  replaced->Merge(-1, 0, &src, src.BoundsRect());  // the left column is cut off
  EXPECT_EQ(replaced->GetFixedVector(0, 0), V(1, 10)) << "the source stays aligned";
  EXPECT_EQ(replaced->GetFixedVector(0, 1), V(3, 10));

  std::vector<TFixedPoint> progress;
  src.SetVectorCombineMode(vcmCustom);
  src.OnVectorCombine = TVectorCombineEvent::Function(
      [&progress](const TFixedPoint&, const TFixedPoint& p, TFixedPoint&) { progress.push_back(p); });
  auto custom = base();
  custom->Merge(0, 0, &src, src.BoundsRect());
  EXPECT_EQ(progress, (std::vector<TFixedPoint>{V(-1, -1), V(1, -1), V(-1, 1), V(1, 1)}));
  progress.clear();
  custom->Merge(0, 0, &src, TRect{0, 0, 1, 2});  // one cell wide: no step across
  EXPECT_EQ(progress, (std::vector<TFixedPoint>{V(-1, -1), V(-1, 1)}));

  TVectorMap empty;
  for (auto [what, call, text] : {std::tuple<const char*, std::function<void()>, const char*>{
                                      "empty source", [&] { custom->Merge(0, 0, &empty, TRect{0, 0, 1, 1}); },
                                      "Src is empty!"},
                                  {"empty base", [&] { empty.Merge(0, 0, &src, TRect{0, 0, 1, 1}); }, "Base is empty!"}}) {
    try {
      call();
      ADD_FAILURE() << what;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, text) << what;
    }
  }
}

TEST(GR32VectorMap, TrimmedBounds) {
  struct Case {
    const char* what;
    std::vector<TPoint> nonZero;
    TRect bounds;
  } cases[] = {
      {"all zero", {}, TRect{0, 0, 0, 0}},
      {"one vector", {{2, 3}}, TRect{2, 3, 3, 4}},
      {"a spread", {{4, 1}, {1, 2}, {3, 4}}, TRect{1, 1, 5, 5}},
      {"the corners", {{0, 0}, {5, 4}}, TRect{0, 0, 6, 5}},
  };
  for (const Case& c : cases) {
    TVectorMap map;
    map.SetSize(6, 5);
    for (const TPoint& p : c.nonZero) map.SetFixedVector(p.X, p.Y, TFixedPoint{0, 1});
    EXPECT_EQ(map.GetTrimmedBounds(), c.bounds) << c.what;
  }
}

TEST(GR32VectorMap, AnImpossibleSizeIsRefused) {
  TVectorMap map;
  map.SetSize(2, 2);
  try {
    map.SetSize(0x7FFFFFFF, 0x7FFFFFFF);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Can't allocate VectorMap!");
  }
  EXPECT_EQ(map.Width(), 2);
}

// ---------------------------------------------------------------------------
// The mesh file

// A mesh file: the header fields, then the floats, then the two zeros.
String MeshBytes(const char* magic, Int64 width, Int64 height, const std::vector<float>& floats, bool tail = true) {
  String bytes;
  auto put32 = [&bytes](std::int32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
  put32(33554432);
  bytes.append(magic, 8);
  put32(2);
  put32(std::int32_t(width));
  put32(std::int32_t(height));
  for (float f : floats) bytes.append(reinterpret_cast<const char*>(&f), 4);
  if (tail) {
    put32(0);
    put32(0);
  }
  return bytes;
}

void LoadBytes(TVectorMap& map, const String& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), Int64(bytes.size()));
  stream.SetPosition(0);
  map.LoadFromStream(stream);
}

TEST(GR32MeshFile, HostileFilesAreRefusedAndTheMapKept) {
  struct Case {
    const char* what;
    String bytes;
  } cases[] = {
      {"shorter than the header", String("\0\0\0\2yfqLhs", 11)},
      {"another magic", MeshBytes("yfqLhseX", 1, 1, {1, 2})},
      {"a negative width", MeshBytes("yfqLhseM", -1, 1, {1, 2})},
      {"a negative height", MeshBytes("yfqLhseM", 1, -4, {1, 2})},
      {"a size whose byte count overflows", MeshBytes("yfqLhseM", 0x7FFFFFFF, 0x7FFFFFFF, {1, 2})},
      {"more cells than the file holds", MeshBytes("yfqLhseM", 3, 1, {1, 2, 3, 4}, false)},
      {"an empty file", String()},
  };
  for (const Case& c : cases) {
    TVectorMap map;
    map.SetSize(1, 1);
    map.SetFixedVector(0, 0, V(5, 6));
    try {
      LoadBytes(map, c.bytes);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Bad format - Photoshop .msh expected!") << c.what;
    }
    EXPECT_EQ(map.Width(), 1) << c.what;
    EXPECT_EQ(map.GetFixedVector(0, 0), V(5, 6)) << c.what;
  }
}

TEST(GR32MeshFile, CapitalMagicAndOddFloats) {
  TVectorMap map;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  LoadBytes(map, MeshBytes("YFQLHSEM", 2, 1, {1.5f, -2.25f, nan, 1e30f}));
  ASSERT_EQ(map.Width(), 2);
  EXPECT_EQ(map.GetFixedVector(0, 0), V(1.5f, -2.25f));
  EXPECT_EQ(map.GetFixedVector(1, 0), (TFixedPoint{0, 2147483647})) << "not a number, and beyond 16.16";
  LoadBytes(map, MeshBytes("yfqLhseM", 0, 0, {}));
  EXPECT_TRUE(map.Empty());
}

TEST(GR32MeshFile, SavedAndLoadedVectorsComeBackExactly) {
  TempProgramFolder folder;
  const String fileName = folder.Path() + "mesh.msh";
  TVectorMap map;
  map.SetSize(17, 9);
  for (int i = 0; i < 17 * 9; ++i)
    map.Vectors()[i] = TFixedPoint{(i * 977 % 65536 - 32768) * 256, (i * 131 % 65536) * 256};  // multiples of 1/256 up to 256
  map.Vectors()[5] = TFixedPoint{0x7654321, -0x1234567};  // finer than a float can hold
  std::vector<TFixedPoint> before(map.Vectors(), map.Vectors() + 17 * 9);
  map.SaveToFile(fileName);
  EXPECT_EQ(std::vector<TFixedPoint>(map.Vectors(), map.Vectors() + 17 * 9), before) << "saving changes nothing";

  TVectorMap loaded;
  loaded.LoadFromFile(fileName);
  ASSERT_EQ(loaded.Width(), 17);
  ASSERT_EQ(loaded.Height(), 9);
  for (int i = 0; i < 17 * 9; ++i) {
    if (i == 5) continue;  // finer than a float holds
    EXPECT_EQ(loaded.Vectors()[i], before[i]) << i;
  }
  const String bytes = folder.Read("mesh.msh");
  ASSERT_EQ(bytes.size(), 24u + 17 * 9 * 8 + 8);
  EXPECT_EQ(bytes.substr(0, 4), String("\0\0\0\2", 4));
  EXPECT_EQ(bytes.substr(4, 8), "yfqLhseM");

  try {
    loaded.LoadFromFile(folder.Path() + "missing.msh");
    ADD_FAILURE() << "a missing file was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "File not found!");
  }
}

}  // namespace
