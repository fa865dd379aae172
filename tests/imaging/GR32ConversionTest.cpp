#include <gtest/gtest.h>

#include "imaging/GR32.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/io/Streams.h"

namespace {

// A 4 x 2 platform bitmap: red on the left half, green on the right.
void Paint(TBitmap& b, TPixelFormat format) {
  b.SetPixelFormat(format);
  b.SetSize(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) ::SetPixel(b.Canvas()->Handle(), x, y, x < 2 ? RGB(255, 0, 0) : RGB(0, 255, 0));
  ::GdiFlush();
}

TEST(GR32Conversion, FromPlatformBitmaps) {
  TBitmap plain;
  Paint(plain, pf24bit);
  TBitmap32 b;
  b.SetSize(1, 1);
  b.SetPixel(0, 0, 0x12345678);
  b.Assign(&plain);
  ASSERT_EQ(b.Width(), 4);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFFFF0000u);  // alpha 255 everywhere
  EXPECT_EQ(b.GetPixel(3, 1), 0xFF00FF00u);
  TBitmap transparent;
  Paint(transparent, pf24bit);
  transparent.SetTransparent(true);
  transparent.SetTransparentColor(RGB(0, 255, 0));
  b.Assign(&transparent);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(b.GetPixel(3, 0), 0x0000FF00u);  // the transparent colour keeps its colour with alpha 0
  TBitmap empty;
  b.Assign(&empty);
  EXPECT_TRUE(b.Empty());
}

TEST(GR32Conversion, FromAnIconInAPicture) {
  // A 16 x 16 icon: opaque blue in the left half, transparent in the right half.
  std::vector<Byte> andMask(16 * 2, 0), xorBits(16 * 16 * 4, 0);
  for (int y = 0; y < 16; ++y) {
    andMask[y * 2 + 1] = 0xFF;  // right half: keep the background
    for (int x = 0; x < 8; ++x) xorBits[(y * 16 + x) * 4] = 0xFF;  // blue
  }
  HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, andMask.data());
  HBITMAP color = ::CreateBitmap(16, 16, 1, 32, xorBits.data());
  ICONINFO info{TRUE, 0, 0, mask, color};
  HICON handle = ::CreateIconIndirect(&info);
  ::DeleteObject(mask);
  ::DeleteObject(color);
  ASSERT_NE(handle, nullptr);
  TIcon icon;
  icon.SetHandle(handle);
  TPicture picture;
  picture.SetGraphic(&icon);
  TBitmap32 b;
  b.Assign(&picture);
  ASSERT_EQ(b.Width(), 16);
  EXPECT_EQ(b.GetPixel(2, 5), 0xFF0000FFu);
  EXPECT_EQ(b.GetPixel(12, 5) >> 24, 0u);
  EXPECT_EQ(b.GetPixel(12, 5) & 0xFFFFFF, 0xFFFFFFu);  // the white rendering's colour
}

TEST(GR32Conversion, ToPlatformBitmapsAndBitmapFiles) {
  TBitmap32 b;
  b.SetSize(3, 2);
  for (int i = 0; i < 6; ++i) b.Bits()[i] = 0xFF000000u | i * 0x203040u;
  TBitmap platformBitmap;
  platformBitmap.Assign(&b);
  EXPECT_EQ(platformBitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(platformBitmap.Width(), 3);
  EXPECT_EQ(*static_cast<TColor32*>(platformBitmap.ScanLine(1)), b.GetPixel(0, 1));
  TMemoryStream file;
  b.SaveToStream(file);
  file.SetPosition(0);
  TBitmap32 c;
  c.LoadFromStream(file);
  EXPECT_TRUE(c.Equal(&b));
  TBitmap32 back;
  back.Assign(&platformBitmap);
  EXPECT_TRUE(back.Equal(&b));
}

TEST(GR32Conversion, CanvasSharesThePixels) {
  TBitmap32 b;
  b.SetSize(4, 4);
  b.Clear(0xFF000000);
  int changes = 0;
  b.OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  TCanvas* canvas = b.Canvas();
  EXPECT_TRUE(b.CanvasAllocated());
  EXPECT_EQ(canvas->Handle(), HDC(b.DCHandle()));
  canvas->Brush()->SetColor(RGB(0, 0, 255));
  canvas->FillRect(TRect{1, 1, 3, 3});
  ::GdiFlush();
  EXPECT_EQ(b.GetPixel(1, 1) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFF000000u);
  EXPECT_GE(changes, 1);  // canvas changes reach the bitmap
  b.SetSize(6, 6);        // a new store: the canvas goes with the old one
  EXPECT_FALSE(b.CanvasAllocated());
  EXPECT_EQ(b.Canvas()->Handle(), HDC(b.DCHandle()));
  TFont font;
  font.SetName("Arial");
  b.SetFont(&font);
  EXPECT_EQ(b.Font()->Name(), "Arial");
}

}  // namespace
