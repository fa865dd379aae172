#include <gtest/gtest.h>

#include <cstring>

#include "platform/graphics/Graphics.h"
#include "platform/graphics/Regions.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

namespace {

// An ICO file of one 8 x 8 entry at 32 bits: opaque red on the left half, the
// right half transparent through its mask.
String RedLeftHalfIcon() {
  const int size = 8;
  BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), size, 2 * size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<Cardinal> colour(size * size);
  std::vector<Byte> mask(4 * size);  // rows of 32 bits, 1 = transparent
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) colour[y * size + x] = x < 4 ? 0xFFFF0000 : 0;
    mask[4 * y] = 0x0F;
  }
  String image(reinterpret_cast<const char*>(&header), sizeof(header));
  image.append(reinterpret_cast<const char*>(colour.data()), colour.size() * 4);
  image.append(reinterpret_cast<const char*>(mask.data()), mask.size());
  String file(6 + 16, '\0');
  file[2] = 1;
  file[4] = 1;
  file[6] = size;
  file[7] = size;
  file[10] = 1;
  file[12] = 32;
  Cardinal bytes = static_cast<Cardinal>(image.size()), offset = 22;
  file.replace(14, 4, reinterpret_cast<const char*>(&bytes), 4);
  file.replace(18, 4, reinterpret_cast<const char*>(&offset), 4);
  return file + image;
}

}  // namespace

TEST(GraphicsIcon, LoadsDrawsAndSavesAnIcon) {
  TIcon icon;
  TStringStream file(RedLeftHalfIcon());
  icon.LoadFromStream(file);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 8);
  EXPECT_EQ(icon.Height(), 8);
  EXPECT_TRUE(icon.Transparent());
  TBitmap target;
  MakeWhite(target, 10, 10);
  target.Canvas()->Draw(1, 1, &icon);
  EXPECT_EQ(PixelOf(target, 2, 4), clRed);
  EXPECT_EQ(PixelOf(target, 7, 4), clWhite);
  TStringStream saved;
  icon.SaveToStream(saved);
  EXPECT_EQ(saved.DataString(), RedLeftHalfIcon());
  EXPECT_THROW(icon.SetWidth(4), EInvalidGraphicOperation);

  TIcon copy;
  copy.SetHandle(::CopyIcon(icon.Handle()));  // no file behind it: one is made
  TStringStream made;
  copy.SaveToStream(made);
  TIcon reloaded;
  made.SetPosition(0);
  reloaded.LoadFromStream(made);
  EXPECT_EQ(reloaded.Width(), 8);
}

TEST(GraphicsIcon, CorruptIconsRaiseAndKeepTheIcon) {
  const String valid = RedLeftHalfIcon();
  String badOffset = valid;
  Cardinal distant = 100000000;
  badOffset.replace(18, 4, reinterpret_cast<const char*>(&distant), 4);
  // The picture's header promises rows far wider than the entry holds: the system
  // would read past the file (found by the fuzz runner).
  String widePicture = valid;
  Cardinal wide = 0x10000008;
  widePicture.replace(22 + 4, 4, reinterpret_cast<const char*>(&wide), 4);
  for (const String& bytes : {String(), valid.substr(0, 4), valid.substr(0, 30), String("\0\0\2\0\1\0", 6) + valid.substr(6),
                              badOffset, widePicture}) {
    TIcon icon;
    TStringStream good(valid);
    icon.LoadFromStream(good);
    TStringStream bad(bytes);
    EXPECT_THROW(icon.LoadFromStream(bad), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 8);
  }
}

TEST(GraphicsMetafile, PlaysARecordedMetafileIntoTheRectangle) {
  HDC recorder = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
  RECT all = {0, 0, 10, 10};
  ::FillRect(recorder, &all, red);
  ::DeleteObject(red);
  TMetafile recorded;
  recorded.SetHandle(::CloseEnhMetaFile(recorder));
  ASSERT_FALSE(recorded.Empty());
  TMemoryStream data;
  recorded.SaveToStream(data);
  data.SetPosition(0);
  TMetafile metafile;
  metafile.LoadFromStream(data);
  TBitmap target;
  MakeWhite(target, 20, 20);
  target.Canvas()->StretchDraw(Rect(5, 5, 15, 15), &metafile);
  EXPECT_EQ(PixelOf(target, 10, 10), clRed);
  EXPECT_EQ(PixelOf(target, 1, 1), clWhite);

  TStringStream garbage(String(200, 'x'));
  EXPECT_THROW(metafile.LoadFromStream(garbage), EInvalidGraphic);
  EXPECT_FALSE(metafile.Empty());
}

TEST(GraphicsRegions, RegionsFromRectangles) {
  HRGN region = CreateRegionFromRects({Rect(0, 0, 4, 2), Rect(0, 2, 2, 4)});
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(::PtInRegion(region, 3, 1));
  EXPECT_TRUE(::PtInRegion(region, 1, 3));
  EXPECT_FALSE(::PtInRegion(region, 3, 3));
  std::vector<TRect> rects = RegionRects(region);
  EXPECT_EQ(rects.size(), 2u);
  ::DeleteObject(region);

  HRGN empty = CreateRegionFromRects({});
  ASSERT_NE(empty, nullptr);
  RECT box;
  EXPECT_EQ(::GetRgnBox(empty, &box), NULLREGION);
  ::DeleteObject(empty);
  HRGN single = CreateRectRegion(Rect(1, 1, 3, 3));
  EXPECT_EQ(RegionRects(single), (std::vector<TRect>{Rect(1, 1, 3, 3)}));
  ::DeleteObject(single);
}
