#include "platform/graphics/Metafile.h"

#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() {
  if (handle_) ::DeleteEnhMetaFile(handle_);
}

void TMetafile::Draw(TCanvas* canvas, const TRect& rect) {
  if (!handle_ || !canvas) return;
  ::PlayEnhMetaFile(canvas->Handle(), handle_, reinterpret_cast<const RECT*>(&rect));
}

void TMetafile::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed(this);
}

void TMetafile::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed(this);
}

void TMetafile::SetHandle(HENHMETAFILE handle) {
  if (handle_ && handle_ != handle) ::DeleteEnhMetaFile(handle_);
  handle_ = handle;
  width_ = height_ = 0;
  ENHMETAHEADER header = {};
  if (handle_ && ::GetEnhMetaFileHeader(handle_, sizeof(header), &header)) {
    // The frame is in 0.01 mm.
    int ppi = ScreenPixelsPerInch();
    width_ = ::MulDiv(header.rclFrame.right - header.rclFrame.left, ppi, 2540);
    height_ = ::MulDiv(header.rclFrame.bottom - header.rclFrame.top, ppi, 2540);
  }
  Changed(this);
}

void TMetafile::LoadFromStream(TStream& stream) {
  Int64 size = stream.Size() - stream.Position();
  if (size < static_cast<Int64>(sizeof(ENHMETAHEADER)) || size > (Int64(1) << 28))
    throw EInvalidGraphic("Metafile is not valid");
  std::vector<Byte> data(static_cast<size_t>(size));
  if (stream.Read(data.data(), size) != size) throw EInvalidGraphic("Metafile is not valid");
  const auto* header = reinterpret_cast<const ENHMETAHEADER*>(data.data());
  if (header->iType != EMR_HEADER || header->dSignature != ENHMETA_SIGNATURE || header->nBytes > size)
    throw EInvalidGraphic("Metafile is not valid");
  HENHMETAFILE handle = ::SetEnhMetaFileBits(header->nBytes, data.data());
  if (!handle) throw EInvalidGraphic("Metafile is not valid");
  SetHandle(handle);
}

void TMetafile::SaveToStream(TStream& stream) {
  if (!handle_) return;
  UINT size = ::GetEnhMetaFileBits(handle_, 0, nullptr);
  std::vector<Byte> data(size);
  ::GetEnhMetaFileBits(handle_, size, data.data());
  stream.WriteBuffer(data.data(), size);
}

void TMetafile::Assign(const TPersistent* source) {
  if (!source) return SetHandle(nullptr);
  const TMetafile* other = dynamic_cast<const TMetafile*>(source);
  if (!other) return TGraphic::Assign(source);
  if (other == this) return;
  SetHandle(other->handle_ ? ::CopyEnhMetaFileA(other->handle_, nullptr) : nullptr);
  width_ = other->width_;
  height_ = other->height_;
}
