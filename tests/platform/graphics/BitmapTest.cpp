#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/Graphics.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

namespace {

String Saved(TBitmap& bitmap) {
  TStringStream stream;
  bitmap.SaveToStream(stream);
  return stream.DataString();
}

void LoadBytes(TBitmap& bitmap, const String& bytes) {
  TStringStream stream(bytes);
  bitmap.LoadFromStream(stream);
}

void Put32(String& bytes, size_t at, Cardinal value) {
  bytes.replace(at, 4, String(reinterpret_cast<const char*>(&value), 4));
}

// A 4 x 2 picture with black, white and the primary colours, which every pixel
// format keeps exactly except 1 bit (black and white only).
void PaintSample(TBitmap& bitmap, bool monochrome) {
  TColor colours[2][4] = {{clBlack, clWhite, clRed, clLime}, {clBlue, clWhite, clBlack, clRed}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      TColor c = colours[y][x];
      if (monochrome && c != clBlack && c != clWhite) c = clBlack;
      bitmap.Canvas()->SetPixels(x, y, c);
    }
}

}  // namespace

TEST(Bitmap, NewBitmapIsEmptyThenWhite) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), nullptr);
  bitmap.SetSize(3, 2);
  EXPECT_FALSE(bitmap.Empty());
  EXPECT_NE(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 3, 2), clWhite), 0);
  bitmap.SetSize(-5, 2);  // negative counts as nothing
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, ResizeKeepsTheTopLeftPixels) {
  TBitmap bitmap(4, 4, pf24bit);
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  bitmap.Canvas()->SetPixels(3, 3, clBlue);
  bitmap.SetSize(6, 5);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 3, 3), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 5, 4), clWhite);
  bitmap.SetWidth(2);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
}

TEST(Bitmap, OversizedBitmapIsRefusedAndNothingChanges) {
  TBitmap bitmap(2, 2, pf32bit);
  bitmap.Canvas()->SetPixels(1, 1, clRed);
  EXPECT_THROW(bitmap.SetSize(100000, 100000), EInvalidGraphic);
  EXPECT_THROW(bitmap.SetSize(0x7FFFFFFF, 2), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clRed);
}

TEST(Bitmap, ScanLineAddressesRowsFromTheTop) {
  TBitmap bitmap(3, 3, pf32bit);
  bitmap.Canvas()->SetPixels(1, 0, 0x332211);
  const Cardinal* top = static_cast<const Cardinal*>(bitmap.ScanLine(0));
  EXPECT_EQ(top[1] & 0xFFFFFF, 0x112233u);
  Cardinal* bottom = static_cast<Cardinal*>(bitmap.ScanLine(2));
  bottom[2] = 0x0000FF;  // blue, written straight into the store
  EXPECT_EQ(PixelOf(bitmap, 2, 2), clBlue);
  EXPECT_EQ(bitmap.ScanLineSize(), 12);
  EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphic);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(Bitmap, PixelFormatsAndConversion) {
  struct Case {
    TPixelFormat format;
    int bits;
    int stride;  // of a 5-pixel row
  } cases[] = {{pf1bit, 1, 4}, {pf4bit, 4, 4}, {pf8bit, 8, 8}, {pf15bit, 16, 12},
               {pf16bit, 16, 12}, {pf24bit, 24, 16}, {pf32bit, 32, 20}, {pfDevice, 32, 20}};
  for (const Case& c : cases) {
    TBitmap bitmap(5, 2, pf32bit);
    bitmap.Canvas()->SetPixels(0, 0, clBlack);
    bitmap.SetPixelFormat(c.format);
    EXPECT_EQ(bitmap.PixelFormat(), c.format);
    EXPECT_EQ(bitmap.BitsPerPixel(), c.bits);
    EXPECT_EQ(bitmap.ScanLineSize(), c.stride);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), clBlack) << c.format;
    EXPECT_EQ(PixelOf(bitmap, 4, 1), clWhite) << c.format;
  }
  TBitmap bitmap(1, 1);
  EXPECT_THROW(bitmap.SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(Bitmap, BmpRoundTripAtEveryPixelFormat) {
  struct Case {
    TPixelFormat format;
    int bitCount;  // in the file
  } cases[] = {{pf1bit, 1}, {pf4bit, 4}, {pf8bit, 8}, {pf15bit, 16}, {pf16bit, 16}, {pf24bit, 24}, {pf32bit, 32}};
  for (const Case& c : cases) {
    TBitmap original(4, 2, c.format);
    PaintSample(original, c.format == pf1bit);
    String bytes = Saved(original);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<Byte>(bytes[28]), c.bitCount);

    TBitmap loaded;
    LoadBytes(loaded, bytes);
    EXPECT_EQ(loaded.PixelFormat(), c.format);
    ASSERT_EQ(loaded.Width(), 4);
    ASSERT_EQ(loaded.Height(), 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelOf(loaded, x, y), PixelOf(original, x, y)) << c.format << " " << x << "," << y;
    EXPECT_EQ(Saved(loaded), bytes) << c.format;
  }
}

TEST(Bitmap, FileAndFormDataRoundTrip) {
  TBitmap original(3, 2, pf24bit);
  original.Canvas()->SetPixels(2, 1, clFuchsia);
  TMemoryStream data;
  original.WriteData(data);
  Integer length = 0;
  std::memcpy(&length, data.Memory(), 4);
  EXPECT_EQ(length, data.Size() - 4);
  data.SetPosition(0);
  TBitmap copy;
  copy.ReadData(data);
  EXPECT_EQ(data.Position(), data.Size());
  EXPECT_EQ(PixelOf(copy, 2, 1), clFuchsia);

  TBitmap empty;
  TMemoryStream none;
  empty.WriteData(none);
  EXPECT_EQ(none.Size(), 4);
  none.SetPosition(0);
  copy.ReadData(none);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, ReadsTopDownBitFieldsAndRunLengthFiles) {
  // 2 x 2, 32 bits, top-down (negative height): the first row in the file is the top.
  String topDown = String("BM") + String(12, '\0');
  Put32(topDown, 10, 54);
  String info(40, '\0');
  Put32(info, 0, 40);
  Put32(info, 4, 2);
  Put32(info, 8, static_cast<Cardinal>(-2));
  info[12] = 1;
  info[14] = 32;
  topDown += info;
  const Cardinal rows[4] = {0x00FF0000, 0x00FF0000, 0x000000FF, 0x000000FF};  // red row, blue row
  topDown.append(reinterpret_cast<const char*>(rows), sizeof(rows));
  TBitmap bitmap;
  LoadBytes(bitmap, topDown);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clBlue);

  // 2 x 1, 16 bits 5-6-5 in bit fields: pure green and pure red.
  String fields = String("BM") + String(12, '\0');
  Put32(fields, 10, 54 + 12);
  String header(40, '\0');
  Put32(header, 0, 40);
  Put32(header, 4, 2);
  Put32(header, 8, 1);
  header[12] = 1;
  header[14] = 16;
  Put32(header, 16, BI_BITFIELDS);
  fields += header;
  const Cardinal masks[3] = {0xF800, 0x07E0, 0x001F};
  fields.append(reinterpret_cast<const char*>(masks), sizeof(masks));
  const Word pixels[2] = {0x07E0, 0xF800};
  fields.append(reinterpret_cast<const char*>(pixels), sizeof(pixels));
  LoadBytes(bitmap, fields);
  EXPECT_EQ(bitmap.PixelFormat(), pf16bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clLime);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);

  // 4 x 2, RLE8 with a two-colour palette: bottom row a run of colour 1, top row
  // an absolute run 0 1 0 1 (rows are stored bottom first).
  const Byte rle[] = {4, 1, 0, 0, 0, 4, 0, 1, 0, 1, 0, 1};
  String packed = String("BM") + String(12, '\0');
  Put32(packed, 10, 54 + 8);
  String rleHeader(40, '\0');
  Put32(rleHeader, 0, 40);
  Put32(rleHeader, 4, 4);
  Put32(rleHeader, 8, 2);
  rleHeader[12] = 1;
  rleHeader[14] = 8;
  Put32(rleHeader, 16, BI_RLE8);
  Put32(rleHeader, 20, sizeof(rle));
  Put32(rleHeader, 32, 2);
  packed += rleHeader;
  const Byte palette[8] = {0, 0, 0, 0, 0, 0, 255, 0};  // black, red
  packed.append(reinterpret_cast<const char*>(palette), sizeof(palette));
  packed.append(reinterpret_cast<const char*>(rle), sizeof(rle));
  LoadBytes(bitmap, packed);
  EXPECT_EQ(bitmap.PixelFormat(), pf8bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 1), clRed);
  EXPECT_EQ(PixelOf(bitmap, 3, 1), clRed);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);
}

TEST(Bitmap, CorruptFilesRaiseAndLeaveTheBitmapAsItWas) {
  TBitmap sample(3, 3, pf8bit);
  const String valid = Saved(sample);  // 14 + 40 + 1024 palette + 3 rows of 4 bytes
  struct Case {
    const char* fault;
    std::function<String(String)> corrupt;
  } cases[] = {
      {"empty", [](String) { return String(); }},
      {"no signature", [](String b) { b.replace(0, 1, 1, 'X'); return b; }},
      {"truncated header", [](String b) { return b.substr(0, 30); }},
      {"truncated palette", [](String b) { return b.substr(0, 300); }},
      {"truncated pixels", [](String b) { return b.substr(0, b.size() - 5); }},
      {"unknown header size", [](String b) { Put32(b, 14, 41); return b; }},
      {"bit count 7", [](String b) { b.replace(28, 1, 1, '\x07'); return b; }},
      {"zero width", [](String b) { Put32(b, 18, 0); return b; }},
      {"negative width", [](String b) { Put32(b, 18, static_cast<Cardinal>(-3)); return b; }},
      {"huge size", [](String b) { Put32(b, 18, 70000); Put32(b, 22, 70000); return b; }},
      {"too many colours", [](String b) { Put32(b, 46, 300); return b; }},
      {"unknown compression", [](String b) { Put32(b, 30, 9); return b; }},
      {"RLE4 at 8 bits", [](String b) { Put32(b, 30, BI_RLE4); return b; }},
  };
  for (const Case& c : cases) {
    TBitmap bitmap(2, 2, pf24bit);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    EXPECT_THROW(LoadBytes(bitmap, c.corrupt(valid)), EInvalidGraphic) << c.fault;
    EXPECT_EQ(bitmap.Width(), 2) << c.fault;
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit) << c.fault;
    EXPECT_EQ(PixelOf(bitmap, 1, 1), clRed) << c.fault;
  }
  TBitmap bitmap;
  TMemoryStream data;
  Integer length = 1000;
  data.WriteBuffer(&length, 4);
  data.WriteBuffer(valid.data(), 100);
  data.SetPosition(0);
  EXPECT_THROW(bitmap.ReadData(data), EInvalidGraphic);
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  TBitmap original(3, 3, pf24bit);
  original.Canvas()->SetPixels(0, 0, clRed);
  original.SetTransparent(true);
  original.SetTransparentColor(clLime);
  TBitmap copy;
  copy.Assign(&original);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  EXPECT_EQ(PixelOf(copy, 0, 0), clRed);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentMode(), tmFixed);
  EXPECT_EQ(copy.TransparentColor(), clLime);
  original.Canvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(PixelOf(copy, 0, 0), clRed);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, TakesAndReleasesHandles) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP ddb = ::CreateCompatibleBitmap(screen, 5, 4);
  ::ReleaseDC(nullptr, screen);
  TBitmap bitmap;
  bitmap.SetHandle(ddb);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Height(), 4);
  DIBSECTION section = {};
  EXPECT_EQ(::GetObjectA(bitmap.Handle(), sizeof(section), &section), static_cast<int>(sizeof(section)));
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  HBITMAP released = bitmap.ReleaseHandle();
  EXPECT_TRUE(bitmap.Empty());
  TBitmap other;
  other.SetHandle(released);
  EXPECT_EQ(PixelOf(other, 0, 0), clRed);
  EXPECT_THROW(other.SetHandle(reinterpret_cast<HBITMAP>(0x1234)), EInvalidGraphic);
  EXPECT_EQ(PixelOf(other, 0, 0), clRed);
}

TEST(Bitmap, TransparentColourModes) {
  TBitmap bitmap(3, 3, pf24bit);
  bitmap.Canvas()->SetPixels(0, 2, clLime);  // bottom left
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clLime);
  bitmap.SetTransparentColor(clBtnFace);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), ColorToRGB(clBtnFace));
  bitmap.SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clLime);
}

TEST(Bitmap, DrawCopiesAndStretches) {
  TBitmap image(2, 2, pf24bit);
  image.Canvas()->SetPixels(0, 0, clRed);
  image.Canvas()->SetPixels(1, 1, clBlue);
  TBitmap target;
  MakeWhite(target, 8, 8);
  target.Canvas()->Draw(1, 1, &image);
  EXPECT_EQ(PixelOf(target, 1, 1), clRed);
  EXPECT_EQ(PixelOf(target, 2, 2), clBlue);
  EXPECT_EQ(PixelOf(target, 3, 3), clWhite);
  target.Canvas()->StretchDraw(Rect(4, 4, 8, 8), &image);
  EXPECT_EQ(PixelOf(target, 4, 4), clRed);
  EXPECT_EQ(PixelOf(target, 5, 5), clRed);
  EXPECT_EQ(PixelOf(target, 7, 7), clBlue);
  EXPECT_EQ(PixelOf(target, 7, 4), clWhite);
  target.Canvas()->Draw(0, 0, nullptr);  // nothing to draw
}

TEST(Bitmap, TransparentDrawSkipsTheKeyColourInBothModes) {
  struct Case {
    TPixelFormat format;
    bool fixed;
  } cases[] = {{pf24bit, false}, {pf24bit, true}, {pf32bit, false}, {pf32bit, true},
               {pf8bit, false}, {pf16bit, true}, {pf4bit, true}};
  for (const Case& c : cases) {
    TBitmap image(3, 3, c.format);
    image.Canvas()->Brush()->SetColor(c.fixed ? clFuchsia : clLime);
    image.Canvas()->FillRect(Rect(0, 0, 3, 3));
    image.Canvas()->SetPixels(1, 1, clRed);
    image.SetTransparent(true);
    if (c.fixed) image.SetTransparentColor(clFuchsia);
    TBitmap target;
    MakeWhite(target, 10, 10);
    target.Canvas()->Brush()->SetColor(clBlue);
    target.Canvas()->FillRect(Rect(0, 0, 10, 5));
    target.Canvas()->Draw(0, 3, &image);
    EXPECT_EQ(PixelOf(target, 1, 4), clRed) << c.format << c.fixed;
    EXPECT_EQ(PixelOf(target, 0, 3), clBlue) << c.format << c.fixed;
    EXPECT_EQ(PixelOf(target, 2, 5), clWhite) << c.format << c.fixed;
    target.Canvas()->StretchDraw(Rect(4, 4, 10, 10), &image);
    EXPECT_EQ(PixelOf(target, 6, 6), clRed) << c.format << c.fixed;
    EXPECT_EQ(PixelOf(target, 7, 7), clRed) << c.format << c.fixed;
    EXPECT_EQ(PixelOf(target, 4, 4), clBlue) << c.format << c.fixed;
    EXPECT_EQ(PixelOf(target, 9, 9), clWhite) << c.format << c.fixed;
  }
}

TEST(Bitmap, MissingResourceRaises) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromResourceName(::GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"), EResNotFound);
  EXPECT_THROW(bitmap.LoadFromResourceID(::GetModuleHandleA(nullptr), 4711), EResNotFound);
}

TEST(Bitmap, LoadsFromAndSavesToFiles) {
  TBitmap original(2, 1, pf24bit);
  original.Canvas()->SetPixels(1, 0, clTeal);
  char folder[MAX_PATH];
  ::GetTempPathA(MAX_PATH, folder);
  String name = String(folder) + "graphics-test-bitmap.bmp";
  original.SaveToFile(name);
  TBitmap loaded;
  loaded.LoadFromFile(name);
  EXPECT_EQ(PixelOf(loaded, 1, 0), clTeal);
  ::DeleteFileA(name.c_str());
  EXPECT_THROW(loaded.LoadFromFile(name), EFOpenError);
  EXPECT_EQ(PixelOf(loaded, 1, 0), clTeal);
}

TEST(Bitmap, LoadsBitmapResources) {
  // A module with two bitmap resources: a copy of this program with an 8-bit and a
  // 24-bit bitmap added under a name and a number.
  char self[MAX_PATH], folder[MAX_PATH];
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  ::GetTempPathA(MAX_PATH, folder);
  String module = String(folder) + "graphics-test-resources.exe";
  ASSERT_TRUE(::CopyFileA(self, module.c_str(), FALSE));
  TBitmap palette(3, 2, pf8bit), direct(2, 2, pf24bit);
  palette.Canvas()->SetPixels(2, 1, clRed);
  direct.Canvas()->SetPixels(0, 1, clBlue);
  String paletteDib = Saved(palette).substr(14), directDib = Saved(direct).substr(14);
  HANDLE update = ::BeginUpdateResourceA(module.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  const WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
  ASSERT_TRUE(::UpdateResourceA(update, MAKEINTRESOURCEA(2), "SAMPLE", language, paletteDib.data(),
                                static_cast<DWORD>(paletteDib.size())));
  ASSERT_TRUE(::UpdateResourceA(update, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(7), language, directDib.data(),
                                static_cast<DWORD>(directDib.size())));
  ASSERT_TRUE(::EndUpdateResourceA(update, FALSE));
  HMODULE resources = ::LoadLibraryExA(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(resources, nullptr);
  TBitmap loaded;
  loaded.LoadFromResourceName(resources, "SAMPLE");
  EXPECT_EQ(loaded.PixelFormat(), pf8bit);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(PixelOf(loaded, 2, 1), clRed);
  EXPECT_EQ(PixelOf(loaded, 0, 0), clWhite);
  loaded.LoadFromResourceID(resources, 7);
  EXPECT_EQ(loaded.PixelFormat(), pf24bit);
  EXPECT_EQ(PixelOf(loaded, 0, 1), clBlue);
  ::FreeLibrary(resources);
  ::DeleteFileA(module.c_str());
}

namespace {

// A BMP file of a 40-byte header, a full colour table for 8 bits and less, and
// `data` after it; the header claims `width` x `height`.
String ClaimingBmp(Cardinal width, Cardinal height, Word bits, Cardinal compression, const String& data) {
  Cardinal colours = bits <= 8 ? (1u << bits) * 4 : 0;
  String bytes(14 + 40 + colours, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 2, static_cast<Cardinal>(bytes.size() + data.size()));
  Put32(bytes, 10, static_cast<Cardinal>(bytes.size()));
  Put32(bytes, 14, 40);
  Put32(bytes, 18, width);
  Put32(bytes, 22, height);
  bytes[26] = 1;
  bytes[28] = static_cast<char>(bits);
  Put32(bytes, 30, compression);
  Put32(bytes, 34, static_cast<Cardinal>(data.size()));
  return bytes + data;
}

}  // namespace

// A header that claims more pixels than the file's bytes can hold is refused before
// the pixels are allocated; the pixel limit is a parameter.
TEST(Bitmap, ClaimsBeyondTheBytesPresentAreRefusedBeforeAllocating) {
  String runs;  // 512 runs of 2 pixels: 1 KB of RLE8 data
  for (int i = 0; i < 512; ++i) runs += String("\x02\x01", 2);
  struct Case {
    const char* fault;
    String file;
    Int64 maxPixels;
    const char* message;  // part of the refusal
  } cases[] = {
      {"16384 x 16384 x 32 in 54 bytes", ClaimingBmp(16384, 16384, 32, BI_RGB, String()), Int64(64) << 20,
       "truncated"},
      {"1 KB of RLE8 claiming 16 x 16776972", ClaimingBmp(16, 16776972, 8, BI_RLE8, runs), Int64(1) << 40,
       "too short"},
      {"RLE8 over the pixel limit", ClaimingBmp(512, 512, 8, BI_RLE8, runs), 1000, "too large"},
      {"uncompressed over the pixel limit", ClaimingBmp(64, 64, 8, BI_RGB, String(64 * 64, '\0')), 1000,
       "too large"},
  };
  for (const Case& c : cases) {
    TStringStream stream(c.file);
    ImageLimits limits;
    limits.MaxPixels = c.maxPixels;
    try {
      DecodeBmp(stream, MaxBitmapBytes, limits);
      ADD_FAILURE() << c.fault << ": accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(e.Message.find(c.message), String::npos) << c.fault << ": " << e.Message;
    }
  }
  TStringStream fits(ClaimingBmp(16, 64, 8, BI_RLE8, runs));
  EXPECT_EQ(DecodeBmp(fits, MaxBitmapBytes).Height, 64);
}
