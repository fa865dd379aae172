// TMetafile: an enhanced metafile (EMF) picture, played into the drawing rectangle.
#pragma once

#include "platform/graphics/Graphic.h"

class TMetafile : public TGraphic {
public:
  TMetafile();
  ~TMetafile() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return handle_ == nullptr; }
  // The picture's size in screen pixels, from its frame.
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // An EMF file from the stream's position to its end; anything else raises
  // EInvalidGraphic and changes nothing.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;

  HENHMETAFILE Handle() const { return handle_; }
  // Takes the metafile (owned).
  void SetHandle(HENHMETAFILE handle);

  void Assign(const TPersistent* source) override;

private:
  HENHMETAFILE handle_ = nullptr;  // owned
  int width_ = 0;
  int height_ = 0;
};
