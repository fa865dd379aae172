#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/graphics/Graphics.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

extern "C" {
#include <jpeglib.h>
}

namespace {

// Encodes pixels with libjpeg's own encoder (no chroma subsampling, quality 95).
// `pixel(x, y)` gives 0x00RRGGBB, or the grey level for a one-channel picture.
String EncodeJpeg(int width, int height, int channels, const std::function<Cardinal(int, int)>& pixel) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = channels;
  info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  std::vector<Byte> row(static_cast<size_t>(width) * channels);
  while (info.next_scanline < info.image_height) {
    int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      Cardinal value = pixel(x, y);
      if (channels == 1) {
        row[x] = static_cast<Byte>(value);
      } else {
        row[3 * x] = static_cast<Byte>(value >> 16);
        row[3 * x + 1] = static_cast<Byte>(value >> 8);
        row[3 * x + 2] = static_cast<Byte>(value);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  String bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

// 16 x 16 in four 8 x 8 quadrants: red, green / blue, white.
Cardinal Quadrants(int x, int y) {
  static const Cardinal colours[2][2] = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}};
  return colours[y / 8][x / 8];
}

void ExpectNear(TColor actual, TColor expected, int tolerance, const String& where) {
  for (int shift : {0, 8, 16}) {
    int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    EXPECT_LE(std::abs(a - e), tolerance) << where << std::hex << " got " << actual << " want " << expected;
  }
}

void LoadBytes(TJPEGImage& image, const String& bytes) {
  TStringStream stream(bytes);
  image.LoadFromStream(stream);
}

}  // namespace

TEST(JpegImage, DecodesWhatLibjpegEncoded) {
  TJPEGImage image;
  LoadBytes(image, EncodeJpeg(16, 16, 3, Quadrants));
  ASSERT_EQ(image.Width(), 16);
  ASSERT_EQ(image.Height(), 16);
  EXPECT_FALSE(image.Grayscale());
  TBitmap target;
  MakeWhite(target, 16, 16);
  target.Canvas()->Draw(0, 0, &image);
  struct Probe {
    int x, y;
    TColor expected;  // TColor order
  } probes[] = {{3, 3, clRed}, {12, 3, clLime}, {3, 12, clBlue}, {12, 12, clWhite}, {1, 6, clRed}, {14, 9, clWhite}};
  for (const Probe& p : probes)
    ExpectNear(PixelOf(target, p.x, p.y), p.expected, 12, std::to_string(p.x) + "," + std::to_string(p.y));
  TBitmap copy;
  copy.Assign(&image);
  EXPECT_EQ(copy.Width(), 16);
  ExpectNear(PixelOf(copy, 12, 3), clLime, 12, "assigned");
}

TEST(JpegImage, DecodesGreyPictures) {
  TJPEGImage image;
  LoadBytes(image, EncodeJpeg(8, 8, 1, [](int x, int) { return x < 4 ? 40u : 200u; }));
  EXPECT_TRUE(image.Grayscale());
  ASSERT_NE(image.Bitmap(), nullptr);
  TBitmap copy;
  copy.Assign(image.Bitmap());
  ExpectNear(PixelOf(copy, 1, 4), 0x282828, 10, "dark");
  ExpectNear(PixelOf(copy, 6, 4), 0xC8C8C8, 10, "light");
}

TEST(JpegImage, CorruptFilesRaiseAndLeaveThePictureAsItWas) {
  const String valid = EncodeJpeg(16, 16, 3, Quadrants);
  struct Case {
    const char* fault;
    String bytes;
  } cases[] = {
      {"empty", String()},
      {"not a jpeg", String("BM\0\0\0\0", 6)},
      {"only the start marker", valid.substr(0, 2)},
      {"truncated header", valid.substr(0, 100)},
      {"truncated picture data", valid.substr(0, valid.size() - 60)},
      {"last bytes cut off", valid.substr(0, valid.size() - 8)},
      {"garbage after the start marker", valid.substr(0, 2) + String(200, '\x55')},
  };
  for (const Case& c : cases) {
    TJPEGImage image;
    LoadBytes(image, EncodeJpeg(8, 8, 1, [](int, int) { return 99u; }));
    EXPECT_THROW(LoadBytes(image, c.bytes), EInvalidGraphic) << c.fault;
    EXPECT_EQ(image.Width(), 8) << c.fault;
    EXPECT_TRUE(image.Grayscale()) << c.fault;
  }
}

// A header claiming more pixels than the bytes present can hold is refused before
// the bitmap is sized.
TEST(JpegImage, ClaimsBeyondTheBytesPresentAreRefusedBeforeAllocating) {
  String file = EncodeJpeg(64, 64, 1, [](int x, int y) { return Cardinal((x * 7 + y * 13) & 0xFF); });
  size_t frame = file.find("\xFF\xC0");
  ASSERT_NE(frame, String::npos);
  file.replace(frame + 5, 4, String("\x20\x00\x20\x00", 4));  // 8192 x 8192
  TJPEGImage image;
  try {
    LoadBytes(image, file.substr(0, file.size() / 2));
    ADD_FAILURE() << "accepted";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message.find("too short"), String::npos) << e.Message;
  }
  EXPECT_TRUE(image.Empty());
}

TEST(JpegImage, SavesTheFileAsReadAndCarriesFormData) {
  const String bytes = EncodeJpeg(8, 8, 3, Quadrants);
  TJPEGImage image;
  LoadBytes(image, bytes);
  TStringStream saved;
  image.SaveToStream(saved);
  EXPECT_EQ(saved.DataString(), bytes);

  TPicture picture;
  picture.Assign(&image);
  TMemoryStream data;
  picture.WriteData(data);
  data.SetPosition(0);
  TPicture copy;
  copy.ReadData(data);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(copy.Graphic()), nullptr);
  EXPECT_EQ(copy.Width(), 8);
  EXPECT_THROW(image.SetWidth(4), EInvalidGraphicOperation);
}

TEST(JpegImage, PictureLoadsJpegFilesByExtension) {
  TempProgramFolder folder;
  const String bytes = EncodeJpeg(16, 16, 3, Quadrants);
  for (const char* name : {"photo.jpg", "photo.JPEG"}) {
    TPicture picture;
    picture.LoadFromFile(folder.Write(name, bytes));
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr) << name;
    EXPECT_EQ(picture.Width(), 16);
  }
}
