#include <gtest/gtest.h>

#include "platform/graphics/Graphics.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

// A graphic whose file is one line of text: "<width>x<height>". Outside the
// anonymous namespace, so that its class name is plain.
class TTextGraphic : public TGraphic {
public:
  void Draw(TCanvas*, const TRect&) override {}
  bool Empty() const override { return width_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { width_ = width; }
  void SetHeight(int height) override { height_ = height; }
  void LoadFromStream(TStream& stream) override {
    String text(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    stream.Read(text.data(), static_cast<Int64>(text.size()));
    size_t x = text.find('x');
    if (x == String::npos) throw EInvalidGraphic("not a text graphic");
    width_ = std::stoi(text.substr(0, x));
    height_ = std::stoi(text.substr(x + 1));
    Changed(this);
  }
  void SaveToStream(TStream& stream) override {
    String text = std::to_string(width_) + "x" + std::to_string(height_);
    stream.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
  }
  void Assign(const TPersistent* source) override {
    const TTextGraphic* other = dynamic_cast<const TTextGraphic*>(source);
    if (!other) return TGraphic::Assign(source);
    width_ = other->width_;
    height_ = other->height_;
    Changed(this);
  }

private:
  int width_ = 0;
  int height_ = 0;
};

namespace {

// Registers the text graphic for one test.
struct TextGraphicRegistration {
  TextGraphicRegistration() { TPicture::RegisterFileFormat<TTextGraphic>(".TXG", "Text graphics"); }
  ~TextGraphicRegistration() { TPicture::UnregisterGraphicClass<TTextGraphic>(); }
};

}  // namespace

TEST(Picture, KnowsTheBuiltInFormats) {
  for (const char* extension : {"bmp", "BMP", ".ico", "jpg", "JPEG"}) EXPECT_NE(TPicture::FindFileFormat(extension), nullptr) << extension;
  EXPECT_EQ(TPicture::FindFileFormat("png"), nullptr);
  EXPECT_EQ(TPicture::FindFileFormat("bmp")->GraphicClass.Name, "TBitmap");
  EXPECT_EQ(TPicture::FindFileFormat("jpg")->GraphicClass.Name, "TJPEGImage");
  String filter = TPicture::GraphicFilter();
  EXPECT_EQ(filter.rfind("All (", 0), 0u);
  EXPECT_NE(filter.find("|Bitmaps (*.bmp)|*.bmp"), String::npos);
}

TEST(Picture, RegisteredClassLoadsByExtensionUntilUnregistered) {
  TempProgramFolder folder;
  String file = folder.Write("logo.txg", "7x3");
  {
    TextGraphicRegistration registration;
    EXPECT_NE(TPicture::FindGraphicClass("TTextGraphic"), nullptr);
    TPicture picture;
    picture.LoadFromFile(file);
    ASSERT_NE(dynamic_cast<TTextGraphic*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 3);
  }
  EXPECT_EQ(TPicture::FindGraphicClass("TTextGraphic"), nullptr);
  TPicture picture;
  EXPECT_THROW(picture.LoadFromFile(file), EInvalidGraphic);
}

TEST(Picture, FailedLoadKeepsTheGraphic) {
  TempProgramFolder folder;
  TPicture picture;
  picture.Bitmap()->SetSize(4, 4);
  for (const String& name : {folder.Write("broken.bmp", "BM not really"), folder.Path() + "missing.bmp",
                             folder.Write("unknown.xyz", "x")}) {
    EXPECT_THROW(picture.LoadFromFile(name), Exception) << name;
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 4);
  }
  try {
    picture.LoadFromFile(folder.Path() + "unknown.xyz");
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message, "Unknown picture file extension (.xyz)");
  }
}

TEST(Picture, LoadsAndSavesBitmapFiles) {
  TempProgramFolder folder;
  TPicture picture;
  picture.Bitmap()->SetPixelFormat(pf24bit);
  picture.Bitmap()->SetSize(2, 2);
  picture.Bitmap()->Canvas()->SetPixels(1, 0, clMaroon);
  picture.SaveToFile(folder.Path() + "saved.bmp");
  TPicture loaded;
  loaded.LoadFromFile(folder.Path() + "saved.bmp");
  ASSERT_NE(dynamic_cast<TBitmap*>(loaded.Graphic()), nullptr);
  EXPECT_EQ(PixelOf(*loaded.Bitmap(), 1, 0), clMaroon);
}

TEST(Picture, FormDataCarriesTheClassNameAndTheGraphic) {
  TPicture picture;
  picture.Bitmap()->SetPixelFormat(pf24bit);
  picture.Bitmap()->SetSize(3, 1);
  picture.Bitmap()->Canvas()->SetPixels(2, 0, clNavy);
  TMemoryStream data;
  picture.WriteData(data);
  ASSERT_GT(data.Size(), 8);
  EXPECT_EQ(data.Memory()[0], 7);
  EXPECT_EQ(String(reinterpret_cast<const char*>(data.Memory()) + 1, 7), "TBitmap");
  data.SetPosition(0);
  TPicture copy;
  copy.ReadData(data);
  EXPECT_EQ(data.Position(), data.Size());
  EXPECT_EQ(PixelOf(*copy.Bitmap(), 2, 0), clNavy);

  TPicture empty;
  TMemoryStream none;
  empty.WriteData(none);
  EXPECT_EQ(none.Size(), 1);
  none.SetPosition(0);
  copy.ReadData(none);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(Picture, BadFormDataRaisesAndKeepsTheGraphic) {
  TPicture picture;
  picture.Bitmap()->SetSize(5, 5);
  const String unknownClass = String("\x08TNoClass") + "....";
  const String truncatedName = "\x07TBit";
  TStringStream first(unknownClass), second(truncatedName), third(String("\x07TBitmap\x10\0\0\0BMxx", 16));
  for (TStream* stream : {static_cast<TStream*>(&first), static_cast<TStream*>(&second), static_cast<TStream*>(&third)}) {
    EXPECT_THROW(picture.ReadData(*stream), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 5);
  }
}

TEST(Picture, AssignCopiesAndChangesAreReported) {
  int changes = 0;
  TPicture picture;
  picture.OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  TBitmap bitmap(2, 2, pf24bit);
  bitmap.Canvas()->SetPixels(0, 0, clOlive);
  picture.Assign(&bitmap);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(picture.Graphic(), &bitmap);
  EXPECT_EQ(PixelOf(*picture.Bitmap(), 0, 0), clOlive);
  picture.Bitmap()->Canvas()->FillRect(Rect(0, 0, 1, 1));  // the graphic's own change
  EXPECT_GE(changes, 2);
  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(other.Width(), 2);
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
  EXPECT_EQ(other.Width(), 0);
  TIcon* icon = picture.Icon();  // a bitmap gives way to an icon
  EXPECT_EQ(picture.Graphic(), icon);
  EXPECT_TRUE(icon->Empty());
}
