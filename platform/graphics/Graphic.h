// TGraphic: the abstract picture that a canvas can draw and a stream can hold
// (bitmaps, icons, JPEG and PNG pictures), with its change notification.
#pragma once

#include "platform/core/ClassRegistry.h"
#include "platform/core/Events.h"
#include "platform/core/Geometry.h"
#include "platform/core/Persistent.h"
#include "platform/core/WinApi.h"
#include "platform/io/Streams.h"

class TCanvas;

class TGraphic : public TPersistent {
public:
  TGraphic() = default;

  // Paints the picture scaled into `rect` of the canvas.
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  virtual HPALETTE Palette() { return nullptr; }
  virtual void SetPalette(HPALETTE) {}

  // Reads the picture in the graphic's own file format from the stream's current
  // position. A malformed picture raises EInvalidGraphic and leaves the graphic as
  // it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName);
  // Clipboard formats; the base supports none and raises EInvalidGraphic.
  virtual void LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette);
  virtual void SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette);

  // The picture's bytes inside a form definition; the base stores what
  // SaveToStream writes and reads it back with LoadFromStream.
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }
  // True when both hold the same class and the same saved bytes.
  virtual bool Equals(TGraphic* other);

  bool Modified() const { return modified_; }
  void SetModified(bool modified);

  TNotifyEvent OnChange;

protected:
  // Marks the graphic modified and fires OnChange.
  virtual void Changed(TObject* sender);

private:
  bool transparent_ = false;
  bool modified_ = false;
};

// A graphic class by name with its factory, as TPicture registers them.
using TGraphicClass = TClassRef<TGraphic>;

template <class T>
TGraphicClass GraphicClassOf() {
  return TGraphicClass::Of<T>(DemangledTypeName(typeid(T)));
}
