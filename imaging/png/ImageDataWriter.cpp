#include <zlib.h>

#include <vector>

#include "imaging/png/ChunkIO.h"
#include "imaging/png/ImageData.h"
#include "imaging/png/Messages.h"
#include "imaging/png/RowCodec.h"

namespace png {

namespace {

// Deflates into an output buffer of maxIdatSize bytes and writes a full buffer as
// one IDAT chunk.
class IdatDeflater {
public:
  IdatDeflater(TStream& stream, int level, std::uint32_t maxIdatSize) : stream_(stream), output_(maxIdatSize) {
    if (deflateInit(&z_, level) != Z_OK) Fail(kZlibError, Z_STREAM_ERROR);
    Reset();
  }
  ~IdatDeflater() { deflateEnd(&z_); }

  void Write(const std::uint8_t* data, std::uint32_t size) {
    z_.next_in = const_cast<Bytef*>(data);
    z_.avail_in = size;
    while (z_.avail_in > 0) {
      const int rc = deflate(&z_, Z_NO_FLUSH);
      if (rc < 0 && rc != Z_BUF_ERROR) Fail(kZlibError, rc);
      if (z_.avail_out == 0) Flush();
    }
  }

  void Finish() {
    for (;;) {
      const int rc = deflate(&z_, Z_FINISH);
      if (rc < 0 && rc != Z_BUF_ERROR) Fail(kZlibError, rc);
      if (rc == Z_STREAM_END) break;
      if (z_.avail_out == 0) Flush();
    }
    if (z_.avail_out < output_.size()) Flush();
  }

private:
  void Flush() {
    WriteChunk(stream_, "IDAT", output_.data(), std::uint32_t(output_.size() - z_.avail_out));
    Reset();
  }
  void Reset() {
    z_.next_out = output_.data();
    z_.avail_out = uInt(output_.size());
  }

  TStream& stream_;
  z_stream z_{};
  std::vector<std::uint8_t> output_;
};

}  // namespace

void EncodeImageData(TStream& stream, const Header& header, const ImageStore& store, const EncodeOptions& options) {
  const RowEncoder encode = EncoderFor(header.ColorType, header.BitDepth);
  if (!store.Ready() || !encode) Fail(kHeaderNotPresent);
  const std::uint32_t fullRow = RowBytes(header.ColorType, header.BitDepth, header.Width);
  const std::uint32_t offset = PixelOffset(header.ColorType, header.BitDepth);
  std::vector<std::uint8_t> raw(fullRow + 1, 0);
  RowFilterer filterer(options.filters, fullRow, offset);
  IdatDeflater deflater(stream, options.compressionLevel, options.maxIdatSize);

  auto pass = [&](std::uint32_t firstRow, std::uint32_t rowStep, std::uint32_t column, std::uint32_t columnStep,
                  std::uint32_t pixels) {
    const std::uint32_t rowBytes = RowBytes(header.ColorType, header.BitDepth, pixels);
    if (rowBytes == 0) return;
    filterer.StartPass(rowBytes);
    for (std::uint32_t y = firstRow; y < header.Height; y += rowStep) {
      const RowTarget from{store.Row(y), store.ExtraRow(y), store.AlphaRow(y), column, columnStep, pixels};
      encode(raw.data(), from, options.inverseGamma);
      const std::uint8_t* filtered = nullptr;
      const std::uint8_t type = filterer.Filter(raw.data(), filtered);
      deflater.Write(&type, 1);
      deflater.Write(filtered, rowBytes);
    }
  };
  if (header.InterlaceMethod == 1) {
    for (const Adam7Pass& p : kAdam7) pass(p.row, p.rowStep, p.column, p.columnStep, PassWidth(p, header.Width));
  } else {
    pass(0, 1, 0, 1, header.Width);
  }
  deflater.Finish();
}

}  // namespace png
