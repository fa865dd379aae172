#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/png/ByteOrder.h"
#include "imaging/png/ChunkIO.h"
#include "imaging/png/Crc.h"
#include "imaging/png/ImageData.h"
#include "imaging/png/Messages.h"
#include "imaging/png/RowCodec.h"

namespace png {

namespace {

constexpr std::uint32_t kInputBuffer = 65535;
constexpr std::uint32_t kOutputBlock = 65536;

// Inflates the data of consecutive IDAT chunks, checking each chunk's CRC. It inflates
// ahead into a block of its own and hands rows out of it: inflating straight into each
// row of a kilobyte or so keeps zlib off its fast loop near every row's end and has it
// copy every row into its window besides, which made decoding half as fast again as a
// bare inflate. It never inflates past the `expected` bytes the image's rows take.
class IdatInflater {
public:
  IdatInflater(TStream& stream, std::uint32_t size, std::uint64_t expected)
      : stream_(stream), input_(kInputBuffer), left_(expected) {
    crc_ = update_crc(0xFFFFFFFFu, "IDAT", 4);
    end_ = stream_.Position() + size;
    if (inflateInit(&z_) != Z_OK) Fail(kZlibError, Z_MEM_ERROR);
  }
  ~IdatInflater() { inflateEnd(&z_); }

  // Fills `count` bytes; fewer only when the stream itself ran out.
  std::uint32_t Read(std::uint8_t* buffer, std::uint32_t count) {
    std::uint32_t done = 0;
    while (done < count) {
      const bool filled = at_ < filled_ || Inflate(count - done);
      const std::uint32_t take = std::min(count - done, filled_ - at_);
      std::memcpy(buffer + done, output_.data() + at_, take);
      at_ += take;
      done += take;
      if (!filled) break;
    }
    return done;
  }

  // Takes the rest of the current chunk and checks its CRC.
  void Finish() {
    while (stream_.Position() < end_) {
      const std::int64_t want = std::min<std::int64_t>(kInputBuffer, end_ - stream_.Position());
      const std::int64_t got = stream_.Read(input_.data(), want);
      if (got <= 0) break;
      crc_ = update_crc(crc_, input_.data(), std::size_t(got));
    }
    CheckCrc();
  }

private:
  // Refills the block with at least `needed` bytes; false when the stream ran out first.
  bool Inflate(std::uint32_t needed) {
    if (ended_) Fail(kUnexpectedEnd);
    const std::uint64_t ahead = std::min<std::uint64_t>(kOutputBlock, left_);
    const std::uint32_t want = std::uint32_t(std::max<std::uint64_t>(needed, ahead));
    if (output_.size() < want) output_.resize(want);
    z_.next_out = output_.data();
    z_.avail_out = want;
    while (z_.avail_out > 0) {
      if (z_.avail_in == 0) {
        if (stream_.Position() >= end_) NextChunk();
        const std::int64_t chunk = std::min<std::int64_t>(kInputBuffer, end_ - stream_.Position());
        const std::int64_t got = chunk > 0 ? stream_.Read(input_.data(), chunk) : 0;
        if (got <= 0) break;
        crc_ = update_crc(crc_, input_.data(), std::size_t(got));
        z_.next_in = input_.data();
        z_.avail_in = uInt(got);
      }
      const uInt inBefore = z_.avail_in, outBefore = z_.avail_out;
      const int rc = inflate(&z_, Z_NO_FLUSH);
      if (rc < 0 && rc != Z_BUF_ERROR) Fail(kZlibError, rc);
      if (rc == Z_STREAM_END) {
        ended_ = true;
        if (want - z_.avail_out < needed) Fail(kUnexpectedEnd);
        break;
      }
      if (z_.avail_in == inBefore && z_.avail_out == outBefore) Fail(kUnexpectedEnd);
    }
    at_ = 0;
    filled_ = want - z_.avail_out;
    left_ -= std::min<std::uint64_t>(left_, filled_);
    return filled_ >= needed;
  }

  void CheckCrc() {
    std::uint32_t stored = 0;
    if (!ReadBE32(stream_, stored) || stored != ~crc_) Fail(kInvalidCrc);
  }

  void NextChunk() {
    CheckCrc();
    std::uint32_t length = 0;
    std::uint8_t name[4] = {};
    if (!ReadBE32(stream_, length) || stream_.Read(name, 4) != 4 || std::memcmp(name, "IDAT", 4) != 0)
      Fail(kMissingMultipleIdat);
    crc_ = update_crc(0xFFFFFFFFu, name, 4);
    end_ = stream_.Position() + length;
  }

  TStream& stream_;
  z_stream z_{};
  std::vector<std::uint8_t> input_;
  std::uint32_t crc_;
  std::int64_t end_;
  std::vector<std::uint8_t> output_;  // inflated bytes not yet handed out: [at_, filled_)
  std::uint32_t at_ = 0, filled_ = 0;
  std::uint64_t left_;  // bytes the rows still take beyond the block
  bool ended_ = false;  // the compressed stream is complete
};

// Decodes the rows of one pass (or of the whole image) into the store.
class RowReader {
public:
  RowReader(IdatInflater& inflater, const Header& header, ImageStore& store, const std::uint8_t* gamma,
            const std::uint16_t* key)
      : inflater_(inflater), header_(header), store_(store), gamma_(gamma), key_(key),
        decode_(DecoderFor(header.ColorType, header.BitDepth, gamma)),
        offset_(PixelOffset(header.ColorType, header.BitDepth)) {
    const std::uint32_t full = RowBytes(header.ColorType, header.BitDepth, header.Width) + 1;
    rows_[0].assign(full, 0);
    rows_[1].assign(full, 0);
  }

  // Decodes the rows y = firstRow, firstRow + rowStep, ...; false when the data ran out.
  bool Pass(std::uint32_t firstRow, std::uint32_t rowStep, std::uint32_t column, std::uint32_t columnStep,
            std::uint32_t pixels) {
    const std::uint32_t rowBytes = RowBytes(header_.ColorType, header_.BitDepth, pixels);
    if (rowBytes == 0) return true;
    std::memset(rows_[1 - current_].data(), 0, rows_[0].size());
    for (std::uint32_t y = firstRow; y < header_.Height; y += rowStep) {
      std::uint8_t* row = rows_[current_].data();
      const std::uint8_t* previous = rows_[1 - current_].data();
      if (inflater_.Read(row, rowBytes + 1) != rowBytes + 1) return false;
      UnfilterRow(row[0], row + 1, previous + 1, rowBytes, offset_);
      const RowTarget target{store_.Row(y), store_.ExtraRow(y), store_.AlphaRow(y), column, columnStep, pixels};
      decode_(row + 1, target, gamma_);
      if (key_) MarkKeyed(row + 1, y, column, columnStep, pixels);
      store_.RowDecoded();
      current_ = 1 - current_;
    }
    return true;
  }

private:
  // Compares each pixel's stored samples with the key, before any correction.
  void MarkKeyed(const std::uint8_t* raw, std::uint32_t y, std::uint32_t column, std::uint32_t columnStep,
                 std::uint32_t pixels) {
    std::uint8_t* marks = store_.KeyRow(y);
    const unsigned depth = header_.BitDepth, channels = header_.ColorType == kRgb ? 3 : 1;
    for (std::uint32_t k = 0; k < pixels; ++k) {
      bool keyed = true;
      for (unsigned c = 0; c < channels; ++c) {
        const std::uint32_t at = k * channels + c;
        const unsigned sample = depth == 16  ? unsigned(raw[2 * at] << 8 | raw[2 * at + 1])
                                : depth == 8 ? raw[at]
                                             : (raw[at * depth / 8] >> (8 - depth - at * depth % 8)) & ((1u << depth) - 1);
        keyed = keyed && sample == key_[c];
      }
      marks[column + k * columnStep] = keyed;
    }
  }

  IdatInflater& inflater_;
  const Header& header_;
  ImageStore& store_;
  const std::uint8_t* gamma_;
  const std::uint16_t* key_;  // borrowed; null: no colour key
  RowDecoder decode_;
  std::uint32_t offset_;
  std::vector<std::uint8_t> rows_[2];
  int current_ = 0;
};

// Hands `visit` the rows of each pass the image data holds (the picture's own rows
// without interlacing) and the bytes of one filtered row, its filter byte included.
template <class Visit>
void ForEachStoredPass(const Header& header, Visit visit) {
  auto pass = [&](std::uint32_t firstRow, std::uint32_t rowStep, std::uint32_t pixels) {
    const std::uint32_t rowBytes = RowBytes(header.ColorType, header.BitDepth, pixels);
    if (rowBytes == 0 || header.Height <= firstRow) return;
    visit((header.Height - firstRow + rowStep - 1) / rowStep, rowBytes + 1);
  };
  if (header.InterlaceMethod != 1) return pass(0, 1, header.Width);
  for (const Adam7Pass& p : kAdam7) pass(p.row, p.rowStep, PassWidth(p, header.Width));
}

}  // namespace

void DecodeImageData(TStream& stream, std::uint32_t size, const Header& header, ImageStore& store,
                     const std::uint8_t* gamma, const std::uint16_t* key) {
  if (!store.Ready() || !DecoderFor(header.ColorType, header.BitDepth)) Fail(kHeaderNotPresent);
  if (key) store.CreateKeyPlane();
  std::uint32_t rows = 0;
  std::uint64_t bytes = 0;
  ForEachStoredPass(header, [&](std::uint32_t passRows, std::uint32_t rowBytes) {
    rows += passRows;
    bytes += std::uint64_t(rowBytes) * passRows;
  });
  store.ExpectRows(rows);
  IdatInflater inflater(stream, size, bytes);
  RowReader reader(inflater, header, store, gamma, key);
  if (header.InterlaceMethod == 1) {
    for (const Adam7Pass& pass : kAdam7)
      if (!reader.Pass(pass.row, pass.rowStep, pass.column, pass.columnStep, PassWidth(pass, header.Width))) break;
  } else {
    reader.Pass(0, 1, 0, 1, header.Width);
  }
  inflater.Finish();
}

}  // namespace png
