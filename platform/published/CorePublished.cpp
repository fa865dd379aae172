// The published properties of the core classes that definitions hold: components,
// fonts, pens and brushes, string lists, collections, pictures and graphics.
#include <memory>

#include "platform/core/Collection.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Strings.h"
#include "platform/graphics/Graphics.h"
#include "platform/published/CorePublished.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kFontStyles{"TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumNames kFontPitches{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
const TEnumNames kPenStyles{"TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                          "psInsideFrame"}};
const TEnumNames kPenModes{"TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                        "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                                        "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"}};
const TEnumNames kBrushStyles{"TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                              "bsBDiagonal", "bsCross", "bsDiagCross"}};

// A picture given as a file is read by the graphic class of its extension; given
// inline, it is the picture's own data (class name, then the graphic's bytes).
void ReadPictureData(TPicture& picture, TStream& stream, const String& fileName) {
  if (fileName.empty()) {
    picture.ReadData(stream);
    return;
  }
  String extension = ExtractFileExt(fileName);
  const TFileFormat* format = TPicture::FindFileFormat(extension);
  if (!format) throw EInvalidGraphic("Unknown picture file extension (" + extension + ")");
  std::unique_ptr<TGraphic> graphic(format->GraphicClass.Create());
  graphic->LoadFromStream(stream);
  picture.SetGraphic(graphic.get());
}

bool WritePictureData(TPicture& picture, TStream& stream) {
  if (!picture.Graphic()) return false;
  picture.WriteData(stream);
  return true;
}

}  // namespace

void PublishCoreClasses() {
  static bool published = false;
  if (published) return;
  published = true;

  PublishClass<TComponent>().Integer("Tag", &TComponent::Tag, &TComponent::Tag);

  PublishClass<TFont>()
      .IdentInt("Charset", CharsetIdents(), &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET)
      .Color("Color", &TFont::Color, &TFont::SetColor, clWindowText)
      .Integer("Height", &TFont::Height, &TFont::SetHeight, -11)
      .Str("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif")
      .Enum("Pitch", kFontPitches, &TFont::Pitch, &TFont::SetPitch, fpDefault)
      .Set("Style", kFontStyles, &TFont::Style, &TFont::SetStyle, 0)
      .Integer("Orientation", &TFont::Orientation, &TFont::SetOrientation, 0)
      // Size is another view of Height: read, never written.
      .Integer("Size", &TFont::Size, &TFont::SetSize)
      .StoredWhen([](TFont&) { return false; });

  PublishClass<TPen>()
      .Color("Color", &TPen::Color, &TPen::SetColor, clBlack)
      .Enum("Mode", kPenModes, &TPen::Mode, &TPen::SetMode, pmCopy)
      .Enum("Style", kPenStyles, &TPen::Style, &TPen::SetStyle, psSolid)
      .Integer("Width", &TPen::Width, &TPen::SetWidth, 1);

  PublishClass<TBrush>()
      .Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite)
      .Enum("Style", kBrushStyles, &TBrush::Style, &TBrush::SetStyle, bsSolid);

  PublishClass<TStrings>().Lines("Strings", [](TStrings& strings) { return &strings; });
  PublishClass<TStringList, TStrings>();

  PublishClass<TCollection>();
  PublishClass<TCollectionItem>();

  PublishClass<TPicture>().Binary("Data", ReadPictureData, WritePictureData);
  PublishClass<TGraphic>().Binary(
      "Data",
      [](TGraphic& graphic, TStream& stream, const String& fileName) {
        if (fileName.empty()) graphic.ReadData(stream);
        else graphic.LoadFromStream(stream);
      },
      [](TGraphic& graphic, TStream& stream) {
        if (graphic.Empty()) return false;
        graphic.WriteData(stream);
        return true;
      });
}
