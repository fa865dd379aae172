// Masks to regions: the run scan and its region data, whole-mask regions, border
// masks composed for a size, and the GDI objects they leave behind (none).
#include <gtest/gtest.h>

#include "platform/graphics/Regions.h"
#include "skin/draw/SkinMask.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

struct RegionData {
  const RGNDATAHEADER& Header() const { return reinterpret_cast<const RGNDATA*>(bytes.data())->rdh; }
  TRect Run(size_t i) const {
    const RECT* rects = reinterpret_cast<const RECT*>(reinterpret_cast<const RGNDATA*>(bytes.data())->Buffer);
    return TRect{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  }
  std::vector<Byte> bytes;
};

TEST(MaskScan, BlackRunsBecomeRectanglesOfTheRegionData) {
  TBitmap mask;
  PaintZones(mask, 3, 1, {{{0, 0, 1, 1}, clBlack}, {{2, 0, 3, 1}, clBlack}});
  RegionData data;
  ASSERT_EQ(CreateRgnFromBmp(&mask, 10, 20, data.bytes), 64);
  EXPECT_EQ(data.Header().dwSize, 32u);
  EXPECT_EQ(data.Header().iType, 1u);
  ASSERT_EQ(data.Header().nCount, 2u);
  EXPECT_EQ(data.Header().nRgnSize, 0u);
  const RECT& bound = data.Header().rcBound;
  EXPECT_EQ(Rect(bound.left, bound.top, bound.right, bound.bottom), Rect(10, 20, 13, 21));
  EXPECT_EQ(data.Run(0), Rect(10, 20, 11, 21));
  EXPECT_EQ(data.Run(1), Rect(12, 20, 13, 21)) << "a row ending in black closes its run at the width";
}

TEST(MaskScan, OnlyPureBlackBelongsToTheShape) {
  struct Case {
    TColor Color;
    size_t Runs;
  } cases[] = {{clBlack, 4}, {0x000001, 0}, {0x010000, 0}, {clWhite, 0}};
  for (const Case& c : cases) {
    TBitmap mask;
    PaintZones(mask, 2, 4, {{{0, 0, 2, 4}, c.Color}});
    RegionData data;
    EXPECT_EQ(CreateRgnFromBmp(&mask, 0, 0, data.bytes), static_cast<Integer>(32 + 16 * c.Runs)) << c.Color;
    EXPECT_EQ(data.Header().nCount, c.Runs);
  }
}

TEST(MaskScan, EveryPixelFormatAndBothPathsGiveTheSameRuns) {
  TBitmap mask;
  PaintZones(mask, 37, 9, {{{0, 0, 37, 9}, clBlack}, {{3, 1, 9, 4}, clWhite}, {{30, 0, 37, 2}, 0x0000FE},
                           {{12, 6, 13, 9}, clWhite}, {{36, 8, 37, 9}, clWhite}});
  std::vector<TRect> direct = MaskRuns(&mask, 4, 5);
  SP_DirectMaskScan = false;
  std::vector<TRect> copied = MaskRuns(&mask, 4, 5);
  SP_DirectMaskScan = true;
  EXPECT_EQ(direct, copied);
  EXPECT_EQ(direct.size(), 15u);
  for (TPixelFormat format : {pf8bit, pf24bit}) {
    TBitmap converted;
    converted.Assign(&mask);
    converted.SetPixelFormat(format);
    EXPECT_EQ(MaskRuns(&converted, 4, 5), direct) << format;
  }
}

TEST(MaskScan, EmptyMaskGivesNothing) {
  TBitmap empty;
  std::vector<Byte> data{1, 2, 3};
  EXPECT_EQ(CreateRgnFromBmp(&empty, 0, 0, data), 0);
  EXPECT_EQ(data.size(), 3u) << "data left as it was";
  HRGN region = reinterpret_cast<HRGN>(1);
  CreateSkinSimplyRegion(region, &empty);
  EXPECT_EQ(region, nullptr);
}

TEST(MaskScan, MoreRunsThanTheOldTableGiveTheWholeRegion) {
  // Every other column black: 150 runs a row, 15,000 in all.
  TBitmap mask;
  std::vector<Zone> zones;
  for (int x = 0; x < 300; x += 2) zones.push_back({{x, 0, x + 1, 100}, clBlack});
  PaintZones(mask, 300, 100, zones);
  RegionData data;
  CreateRgnFromBmp(&mask, 0, 0, data.bytes);
  ASSERT_EQ(data.Header().nCount, 15000u);
  EXPECT_EQ(data.Run(14999), Rect(298, 99, 299, 100));
  HRGN region = nullptr;
  CreateSkinSimplyRegion(region, &mask);
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(::PtInRegion(region, 298, 99)) << "the last run is in the region";
  EXPECT_FALSE(::PtInRegion(region, 299, 99));
  ::DeleteObject(region);
}

// A 40 x 30 mask of a frame piece: corner points (10, 10), (30, 10), (10, 20),
// (30, 20), client (10, 10, 30, 20).
class FrameMask : public ::testing::Test {
protected:
  HRGN Region(int width, int height, TBitmap& mask) {
    int r = width - 10, b = height - 10;
    HRGN region = nullptr;
    CreateSkinRegion(region, {10, 10}, {30, 10}, {10, 20}, {30, 20}, {10, 10, 30, 20}, {10, 10}, {r, 10}, {10, b},
                     {r, b}, {10, 10, r, b}, &mask, width, height);
    return region;
  }
};

TEST_F(FrameMask, BlackMaskGivesTheWholeWindow) {
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}});
  HRGN region = Region(100, 70, mask);
  ASSERT_NE(region, nullptr);
  RECT box;
  ::GetRgnBox(region, &box);
  EXPECT_EQ(Rect(box.left, box.top, box.right, box.bottom), Rect(0, 0, 100, 70));
  HRGN whole = CreateRectRegion({0, 0, 100, 70});
  EXPECT_TRUE(::EqualRgn(region, whole));
  ::DeleteObject(whole);
  ::DeleteObject(region);
}

TEST_F(FrameMask, CutCornersStayCutAtAnySize) {
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}, {{0, 0, 3, 3}, clWhite}, {{37, 27, 40, 30}, clWhite}});
  HRGN region = Region(100, 70, mask);
  ASSERT_NE(region, nullptr);
  EXPECT_FALSE(::PtInRegion(region, 0, 0));
  EXPECT_TRUE(::PtInRegion(region, 3, 0));
  EXPECT_FALSE(::PtInRegion(region, 99, 69));
  EXPECT_TRUE(::PtInRegion(region, 96, 69));
  EXPECT_TRUE(::PtInRegion(region, 50, 35));
  ::DeleteObject(region);
}

TEST_F(FrameMask, BordersJoinEvenWithoutALeftColumn) {
  // No left border (client starts at 0): top, right and bottom still join.
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}});
  HRGN region = nullptr;
  CreateSkinRegion(region, {0, 10}, {30, 10}, {0, 20}, {30, 20}, {0, 10, 30, 20}, {0, 10}, {90, 10}, {0, 60},
                   {90, 60}, {0, 10, 90, 60}, &mask, 100, 70);
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(::PtInRegion(region, 50, 0)) << "top";
  EXPECT_TRUE(::PtInRegion(region, 95, 30)) << "right";
  EXPECT_TRUE(::PtInRegion(region, 50, 65)) << "bottom";
  ::DeleteObject(region);
}

TEST_F(FrameMask, NoRegionForTargetsSmallerThanTheCornersOrWithoutClient) {
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}});
  HRGN region = reinterpret_cast<HRGN>(1);
  CreateSkinRegion(region, {10, 10}, {30, 10}, {10, 20}, {30, 20}, {10, 10, 30, 20}, {10, 10}, {5, 10}, {10, 20},
                   {5, 20}, {10, 10, 5, 20}, &mask, 15, 30);
  EXPECT_EQ(region, nullptr);
  region = reinterpret_cast<HRGN>(1);
  CreateSkinRegion(region, {10, 10}, {30, 10}, {10, 20}, {30, 20}, {10, 10, 30, 20}, {10, 10}, {30, 10}, {10, 10},
                   {30, 10}, {10, 10, 30, 10}, &mask, 40, 20);
  EXPECT_EQ(region, nullptr);
}

TEST_F(FrameMask, TopMaskTilesFromTheTargetPoint) {
  // Top strip columns 10..30 with a white first column: a notch every 20 pixels.
  TBitmap mask, top, left, right, bottom;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}, {{10, 0, 11, 10}, clWhite}});
  CreateSkinMask({10, 10}, {30, 10}, {10, 20}, {30, 20}, {10, 10, 30, 20}, {10, 10}, {90, 10}, {10, 60}, {90, 60},
                 {10, 10, 90, 60}, &mask, &top, &left, &right, &bottom, 100, 70);
  ASSERT_EQ(top.Width(), 100);
  ASSERT_EQ(top.Height(), 10);
  for (int x : {10, 30, 50, 70}) EXPECT_EQ(At(top, x, 0), clWhite) << x;
  EXPECT_EQ(At(top, 11, 0), clBlack);
  EXPECT_EQ(At(top, 90, 0), clBlack) << "right corner";
  EXPECT_EQ(left.Height(), 50);
  EXPECT_EQ(right.Width(), 10);
  EXPECT_EQ(bottom.Height(), 10);
}

TEST_F(FrameMask, GdiObjectsStayFlatOverManyRegions) {
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}, {{0, 0, 3, 3}, clWhite}});
  HRGN warmUp = Region(60, 40, mask);
  ::DeleteObject(warmUp);
  DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) ::DeleteObject(Region(60 + i, 40 + i, mask));
  EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}

}  // namespace

namespace {

TEST(FrameMaskPaths, ByteMasksGiveTheRegionsOfBitmapMasks) {
  // A 40 x 30 mask with notches in every border, composed for several targets,
  // including one whose right column is narrower than the mask's (a stretched copy).
  TBitmap mask;
  PaintZones(mask, 40, 30, {{{0, 0, 40, 30}, clBlack}, {{0, 0, 3, 3}, clWhite}, {{12, 0, 13, 4}, clWhite},
                            {{0, 14, 2, 15}, clWhite}, {{38, 12, 40, 13}, clWhite}, {{20, 28, 24, 30}, clWhite},
                            {{37, 27, 40, 30}, clWhite}});
  struct Case {
    int width, height, rightColumn;
  } cases[] = {{100, 70, 10}, {40, 30, 10}, {23, 25, 10}, {300, 31, 10}, {100, 70, 6}, {41, 200, 10}};
  for (const Case& c : cases) {
    int r = c.width - c.rightColumn, b = c.height - 10;
    HRGN regions[2] = {};
    for (bool bytes : {true, false}) {
      SP_ByteMaskRegions = bytes;
      CreateSkinRegion(regions[bytes], {10, 10}, {30, 10}, {10, 20}, {30, 20}, {10, 10, 30, 20}, {10, 10}, {r, 10},
                       {10, b}, {r, b}, {10, 10, r, b}, &mask, c.width, c.height);
    }
    SP_ByteMaskRegions = true;
    ASSERT_TRUE(regions[0] && regions[1]) << c.width << " x " << c.height;
    EXPECT_TRUE(::EqualRgn(regions[0], regions[1])) << c.width << " x " << c.height << ", right " << c.rightColumn;
    ::DeleteObject(regions[0]);
    ::DeleteObject(regions[1]);
  }
}

}  // namespace
