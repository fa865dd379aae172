#include "platform/graphics/Picture.h"

#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"

namespace {

struct Registry {
  std::vector<TFileFormat> formats;          // newest first
  std::vector<TGraphicClass> otherClasses;  // form data only
};

Registry& TheRegistry() {
  static Registry registry = [] {
    Registry made;
    made.formats.push_back({"jpeg", "JPEG Image File", GraphicClassOf<TJPEGImage>()});
    made.formats.push_back({"jpg", "JPEG Image File", GraphicClassOf<TJPEGImage>()});
    made.formats.push_back({"emf", "Enhanced Metafiles", GraphicClassOf<TMetafile>()});
    made.formats.push_back({"ico", "Icons", GraphicClassOf<TIcon>()});
    made.formats.push_back({"bmp", "Bitmaps", GraphicClassOf<TBitmap>()});
    return made;
  }();
  return registry;
}

String NormalExtension(const String& extension) {
  String plain = extension;
  if (!plain.empty() && plain[0] == '.') plain.erase(0, 1);
  return LowerCase(plain);
}

String FileExtension(const String& fileName) {
  size_t dot = fileName.find_last_of('.');
  size_t slash = fileName.find_last_of("\\/:");
  if (dot == String::npos || (slash != String::npos && dot < slash)) return String();
  return fileName.substr(dot + 1);
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const String& extension, const String& description,
                                  const TGraphicClass& graphicClass) {
  Registry& registry = TheRegistry();
  registry.formats.insert(registry.formats.begin(), TFileFormat{NormalExtension(extension), description, graphicClass});
}

void TPicture::RegisterGraphicClass(const TGraphicClass& graphicClass) {
  TheRegistry().otherClasses.push_back(graphicClass);
}

void TPicture::UnregisterGraphicClass(const String& className) {
  Registry& registry = TheRegistry();
  std::erase_if(registry.formats, [&](const TFileFormat& f) { return f.GraphicClass.Name == className; });
  std::erase_if(registry.otherClasses, [&](const TGraphicClass& c) { return c.Name == className; });
}

const TGraphicClass* TPicture::FindGraphicClass(const String& className) {
  Registry& registry = TheRegistry();
  for (const TFileFormat& format : registry.formats)
    if (format.GraphicClass.Name == className) return &format.GraphicClass;
  for (const TGraphicClass& known : registry.otherClasses)
    if (known.Name == className) return &known;
  return nullptr;
}

const TFileFormat* TPicture::FindFileFormat(const String& extension) {
  String wanted = NormalExtension(extension);
  for (const TFileFormat& format : TheRegistry().formats)
    if (format.Extension == wanted) return &format;
  return nullptr;
}

std::vector<TFileFormat> TPicture::FileFormats() { return TheRegistry().formats; }

String TPicture::GraphicFilter() {
  String all, each;
  for (const TFileFormat& format : TheRegistry().formats) {
    String mask = "*." + format.Extension;
    all += (all.empty() ? "" : ";") + mask;
    each += "|" + format.Description + " (" + mask + ")|" + mask;
  }
  return "All (" + all + ")|" + all + each;
}

void TPicture::Replace(TGraphic* graphic) {
  graphic_.reset(graphic);
  if (graphic_) graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
  Changed(this);
}

void TPicture::Changed(TObject*) { OnChange(this); }

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) return Replace(nullptr);
  if (graphic == graphic_.get()) return;
  String name = graphic->ClassName();
  const TGraphicClass* graphicClass = FindGraphicClass(name);
  if (!graphicClass) throw EInvalidGraphic("Unknown picture class " + name);
  std::unique_ptr<TGraphic> copy(graphicClass->Create());
  copy->Assign(graphic);
  Replace(copy.release());
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) Replace(new TBitmap);
  return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::SetBitmap(const TBitmap* bitmap) { SetGraphic(bitmap); }

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(graphic_.get())) Replace(new TIcon);
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::SetIcon(const TIcon* icon) { SetGraphic(icon); }

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }
int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::LoadFromFile(const String& fileName) {
  String extension = FileExtension(fileName);
  const TFileFormat* format = FindFileFormat(extension);
  if (!format) throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  std::unique_ptr<TGraphic> graphic(format->GraphicClass.Create());
  graphic->LoadFromFile(fileName);
  Replace(graphic.release());
}

void TPicture::SaveToFile(const String& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::ReadData(TStream& stream) {
  Byte length = 0;
  if (stream.Read(&length, 1) != 1) throw EInvalidGraphic("Picture data is truncated");
  if (length == 0) return Replace(nullptr);
  String name(length, '\0');
  if (stream.Read(name.data(), length) != length) throw EInvalidGraphic("Picture data is truncated");
  const TGraphicClass* graphicClass = FindGraphicClass(name);
  if (!graphicClass) throw EInvalidGraphic("Unknown picture class " + name);
  std::unique_ptr<TGraphic> graphic(graphicClass->Create());
  graphic->ReadData(stream);
  Replace(graphic.release());
}

void TPicture::WriteData(TStream& stream) {
  String name = graphic_ ? graphic_->ClassName() : String();
  if (name.size() > 255) throw EInvalidGraphic("Picture class name is too long");
  Byte length = static_cast<Byte>(name.size());
  stream.WriteBuffer(&length, 1);
  if (length) stream.WriteBuffer(name.data(), length);
  if (graphic_) graphic_->WriteData(stream);
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) return SetGraphic(nullptr);
  if (const TPicture* other = dynamic_cast<const TPicture*>(source)) return SetGraphic(other->Graphic());
  if (const TGraphic* graphic = dynamic_cast<const TGraphic*>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}
