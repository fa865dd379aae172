// TPicture: holds one graphic of any registered class. Graphic classes register
// under a file extension and a description (LoadFromFile chooses the class by the
// extension) or by class name only (for form data, "Picture.Data").
//
// A graphic class that lives in a static library and registers itself from a
// static initialiser must be referenced from the program, or the linker drops it.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"

class TBitmap;
class TIcon;

struct TFileFormat {
  String Extension;    // without the dot, as registered ("png")
  String Description;  // "Portable Network Graphics"
  TGraphicClass GraphicClass;
};

class TPicture : public TPersistent {
public:
  TPicture();
  ~TPicture() override;

  // The graphic (owned), nullptr when the picture is empty.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Takes a copy of `graphic` (a new object of its class, assigned from it);
  // nullptr empties the picture.
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap; a graphic of another class is replaced by an empty
  // bitmap first. Likewise Icon.
  TBitmap* Bitmap();
  void SetBitmap(const TBitmap* bitmap);
  TIcon* Icon();
  void SetIcon(const TIcon* icon);

  int Width() const;
  int Height() const;

  // Chooses the graphic class by the file's extension (case-insensitive);
  // EInvalidGraphic for an unknown extension. On any failure the picture keeps
  // the graphic it had.
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName);

  // The "Data" property of form definitions: the class name as a short string
  // (one length byte, then the name; 0 for an empty picture), then the graphic's
  // own data (ReadData / WriteData).
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

  // Registers a class under an extension (with or without the dot); a later
  // registration of the same extension takes precedence.
  static void RegisterFileFormat(const String& extension, const String& description, const TGraphicClass& graphicClass);
  template <class T>
  static void RegisterFileFormat(const String& extension, const String& description) {
    RegisterFileFormat(extension, description, GraphicClassOf<T>());
  }
  // Registers a class for form data only.
  static void RegisterGraphicClass(const TGraphicClass& graphicClass);
  // Removes every registration of the class of that name.
  static void UnregisterGraphicClass(const String& className);
  template <class T>
  static void UnregisterGraphicClass() {
    UnregisterGraphicClass(DemangledTypeName(typeid(T)));
  }
  // The registered class of that exact name (file formats and others), or nullptr.
  static const TGraphicClass* FindGraphicClass(const String& className);
  // The registered class of an extension, or nullptr.
  static const TFileFormat* FindFileFormat(const String& extension);
  static std::vector<TFileFormat> FileFormats();
  // The file-dialog filter of every registered format:
  // "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico".
  static String GraphicFilter();

protected:
  virtual void Changed(TObject* sender);

private:
  void Replace(TGraphic* graphic);  // takes ownership
  void GraphicChanged(TObject* sender) { Changed(sender); }

  std::unique_ptr<TGraphic> graphic_;
};
