// TJPEGImage: a JPEG picture, decoded by libjpeg into a 24-bit bitmap when it is
// loaded (so a corrupt file is refused at once and the picture stays as it was).
// Registered with TPicture for ".jpg" and ".jpeg".
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"

class TBitmap;

// The largest picture the decoder accepts, in pixels.
constexpr Int64 MaxJpegPixels = Int64(64) << 20;

class TJPEGImage : public TGraphic {
public:
  TJPEGImage();
  ~TJPEGImage() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  // The size comes from the picture: EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // Reads the JPEG file from the stream's position to its end.
  void LoadFromStream(TStream& stream) override;
  // Writes the JPEG file as it was read.
  void SaveToStream(TStream& stream) override;
  // Form data: a 4-byte length, then the JPEG file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  // The decoded pixels (owned by the picture); nullptr while empty.
  const TBitmap* Bitmap() const { return bitmap_.get(); }
  bool Grayscale() const { return grayscale_; }

  void Assign(const TPersistent* source) override;

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  void LoadFromBytes(std::vector<Byte> data);

  std::vector<Byte> data_;           // the JPEG file
  std::unique_ptr<TBitmap> bitmap_;  // owned, decoded from data_
  bool grayscale_ = false;
};
