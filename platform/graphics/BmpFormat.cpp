#include "platform/graphics/BmpFormat.h"

#include <cstring>

#include "platform/graphics/ImageSize.h"

namespace {

[[noreturn]] void Invalid(const String& reason) { throw EInvalidGraphic("Bitmap image is not valid: " + reason); }

void ReadExact(TStream& stream, void* buffer, Int64 count) {
  if (stream.Read(buffer, count) != count) Invalid("the file is truncated");
}

Word ReadWord(const Byte* p) { return static_cast<Word>(p[0] | (p[1] << 8)); }
Cardinal ReadLong(const Byte* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<Cardinal>(p[3]) << 24); }

void PutWord(Byte*& p, Word value) {
  *p++ = static_cast<Byte>(value);
  *p++ = static_cast<Byte>(value >> 8);
}
void PutLong(Byte*& p, Cardinal value) {
  for (int i = 0; i < 4; ++i) *p++ = static_cast<Byte>(value >> (8 * i));
}

struct Header {
  Int64 width = 0;
  Int64 height = 0;  // negative: top row first
  int bits = 0;
  Cardinal compression = BI_RGB;
  Cardinal imageSize = 0;
  Cardinal colorsUsed = 0;
  Cardinal masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool core = false;
};

// Scales the bits of `mask` in `value` to 0..255.
Byte MaskedChannel(Cardinal value, Cardinal mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  Cardinal top = mask >> shift;
  return static_cast<Byte>(((value & mask) >> shift) * 255u / top);
}

// Run-length data holds at most 255 pixels in each pair of bytes.
constexpr Int64 kRlePixelsPerByte = 128;

// Run-length data (8 or 4 bits) into rows of `stride` bytes, bottom row first.
void DecodeRle(const std::vector<Byte>& data, int bits, int width, int height, int stride, std::vector<Byte>& rows) {
  auto put = [&](int x, int y, Byte index) {
    if (x < 0 || x >= width || y < 0 || y >= height) return;
    Byte* row = rows.data() + static_cast<size_t>(y) * stride;
    if (bits == 8) row[x] = index;
    else if (x & 1) row[x / 2] = static_cast<Byte>((row[x / 2] & 0xF0) | (index & 0x0F));
    else row[x / 2] = static_cast<Byte>((row[x / 2] & 0x0F) | (index << 4));
  };
  size_t i = 0;
  int x = 0, y = 0;
  while (i + 1 < data.size() && y < height) {
    Byte count = data[i++];
    Byte value = data[i++];
    if (count > 0) {  // a run of one value (or of two alternating nibbles)
      for (int n = 0; n < count; ++n, ++x)
        put(x, y, bits == 8 ? value : ((n & 1) ? (value & 0x0F) : (value >> 4)));
      continue;
    }
    if (value == 0) { x = 0; ++y; continue; }  // end of line
    if (value == 1) break;                      // end of bitmap
    if (value == 2) {                           // delta
      if (i + 1 >= data.size()) break;
      x += data[i++];
      y += data[i++];
      continue;
    }
    // Absolute run of `value` pixels, padded to a word.
    size_t bytes = bits == 8 ? value : (value + 1u) / 2u;
    if (i + bytes > data.size()) Invalid("the compressed pixels are truncated");
    for (int n = 0; n < value; ++n, ++x) {
      Byte b = data[i + (bits == 8 ? n : n / 2)];
      put(x, y, bits == 8 ? b : ((n & 1) ? (b & 0x0F) : (b >> 4)));
    }
    i += bytes + (bytes & 1);
  }
}

}  // namespace

Int64 DibStride(Int64 width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

BmpPixels DecodeBmp(TStream& stream, Int64 maxBytes, const ImageLimits& limits) {
  Int64 start = stream.Position();
  Byte fileHeader[14];
  ReadExact(stream, fileHeader, sizeof(fileHeader));
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid("no BMP signature");
  Cardinal offBits = ReadLong(fileHeader + 10);

  Byte info[124] = {};
  ReadExact(stream, info, 4);
  Cardinal headerSize = ReadLong(info);
  if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 64 &&
      headerSize != 108 && headerSize != 124)
    Invalid("unknown header size " + std::to_string(headerSize));
  ReadExact(stream, info + 4, headerSize - 4);

  Header h;
  if (headerSize == 12) {
    h.core = true;
    h.width = ReadWord(info + 4);
    h.height = ReadWord(info + 6);
    h.bits = ReadWord(info + 10);
  } else {
    h.width = static_cast<Integer>(ReadLong(info + 4));
    h.height = static_cast<Integer>(ReadLong(info + 8));
    h.bits = ReadWord(info + 14);
    h.compression = ReadLong(info + 16);
    h.imageSize = ReadLong(info + 20);
    h.colorsUsed = ReadLong(info + 32);
    if (headerSize >= 52)
      for (int m = 0; m < 3; ++m) h.masks[m] = ReadLong(info + 40 + 4 * m);
    if (headerSize >= 56) h.masks[3] = ReadLong(info + 52);
  }
  Int64 consumed = 14 + headerSize;

  if (h.width <= 0 || h.height == 0 || h.height == -2147483648LL) Invalid("bad size");
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32)
    Invalid("unsupported bit count " + std::to_string(h.bits));
  bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  if (h.compression == BI_RLE8 && h.bits != 8) Invalid("RLE8 needs 8 bits");
  if (h.compression == BI_RLE4 && h.bits != 4) Invalid("RLE4 needs 4 bits");
  if (h.compression == BI_BITFIELDS && h.bits != 16 && h.bits != 32) Invalid("bit fields need 16 or 32 bits");
  if (h.compression != BI_RGB && h.compression != BI_BITFIELDS && !rle) Invalid("unsupported compression");
  if (rle && h.height < 0) Invalid("compressed rows cannot run top-down");

  int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
  int width = static_cast<int>(h.width);
  Int64 fileStride = DibStride(h.width, h.bits);
  Int64 rowBytes = CheckedProduct(fileStride, height);
  if (rowBytes < 0 || rowBytes > maxBytes) Invalid("the image is too large");

  if (h.compression == BI_BITFIELDS && headerSize == 40) {
    Byte masks[12];
    ReadExact(stream, masks, sizeof(masks));
    for (int m = 0; m < 3; ++m) h.masks[m] = ReadLong(masks + 4 * m);
    consumed += 12;
  }

  BmpPixels out;
  out.Width = width;
  out.Height = height;
  if (h.bits <= 8) {
    Cardinal maxColors = 1u << h.bits;
    Cardinal count = h.colorsUsed ? h.colorsUsed : maxColors;
    if (h.core) count = maxColors;
    if (count > maxColors) Invalid("too many palette entries");
    int entrySize = h.core ? 3 : 4;
    std::vector<Byte> table(static_cast<size_t>(count) * entrySize);
    ReadExact(stream, table.data(), static_cast<Int64>(table.size()));
    consumed += static_cast<Int64>(table.size());
    out.Colors.resize(maxColors, RGBQUAD{0, 0, 0, 0});
    for (Cardinal c = 0; c < count; ++c) {
      const Byte* e = table.data() + c * entrySize;
      out.Colors[c] = RGBQUAD{e[0], e[1], e[2], 0};
    }
  }
  if (offBits > consumed) {
    if (stream.Seek(start + offBits, soBeginning) != start + offBits) Invalid("the file is truncated");
  }

  if (rle) {
    if (h.imageSize == 0 || h.imageSize > static_cast<Cardinal>(maxBytes)) Invalid("bad compressed size");
    if (Int64(h.imageSize) > stream.Size() - stream.Position()) Invalid("the compressed pixels are truncated");
    String problem = ImageSizeProblem(width, height, h.imageSize, kRlePixelsPerByte, limits);
    if (!problem.empty()) Invalid(problem);
    std::vector<Byte> data(h.imageSize);
    ReadExact(stream, data.data(), static_cast<Int64>(data.size()));
    out.BitsPerPixel = h.bits;
    out.Stride = static_cast<int>(fileStride);
    out.Rows.assign(static_cast<size_t>(fileStride) * height, 0);
    DecodeRle(data, h.bits, width, height, out.Stride, out.Rows);
    return out;
  }

  // A header may promise more rows than the file holds: check before allocating.
  if (rowBytes > stream.Size() - stream.Position()) Invalid("the file is truncated");
  String problem = ImageSizeProblem(width, height, rowBytes, 8, limits);  // 8 one-bit pixels a byte
  if (!problem.empty()) Invalid(problem);
  std::vector<Byte> rows(static_cast<size_t>(fileStride) * height);
  ReadExact(stream, rows.data(), static_cast<Int64>(rows.size()));
  if (h.height < 0) {  // top-down: turn the rows around
    std::vector<Byte> flipped(rows.size());
    for (int y = 0; y < height; ++y)
      std::memcpy(flipped.data() + static_cast<size_t>(height - 1 - y) * fileStride,
                  rows.data() + static_cast<size_t>(y) * fileStride, static_cast<size_t>(fileStride));
    rows.swap(flipped);
  }

  bool plain16 = h.bits == 16 && (h.compression == BI_RGB || (h.masks[0] == 0x7C00 && h.masks[1] == 0x03E0 && h.masks[2] == 0x1F));
  bool plain565 = h.bits == 16 && h.compression == BI_BITFIELDS && h.masks[0] == 0xF800 && h.masks[1] == 0x07E0 &&
                  h.masks[2] == 0x1F;
  bool plain32 = h.bits == 32 && (h.compression == BI_RGB ||
                                   (h.masks[0] == 0xFF0000 && h.masks[1] == 0xFF00 && h.masks[2] == 0xFF));
  if (h.bits <= 8 || h.bits == 24 || plain16 || plain565 || plain32) {
    out.BitsPerPixel = h.bits;
    out.Rgb565 = plain565;
    out.Stride = static_cast<int>(fileStride);
    out.Rows.swap(rows);
    return out;
  }

  // Other bit fields: spread into 32-bit pixels.
  out.BitsPerPixel = 32;
  out.Stride = width * 4;
  out.Rows.resize(static_cast<size_t>(out.Stride) * height);
  for (int y = 0; y < height; ++y) {
    const Byte* from = rows.data() + static_cast<size_t>(y) * fileStride;
    Byte* to = out.Rows.data() + static_cast<size_t>(y) * out.Stride;
    for (int x = 0; x < width; ++x) {
      Cardinal value = h.bits == 16 ? ReadWord(from + 2 * x) : ReadLong(from + 4 * x);
      to[4 * x + 0] = MaskedChannel(value, h.masks[2]);
      to[4 * x + 1] = MaskedChannel(value, h.masks[1]);
      to[4 * x + 2] = MaskedChannel(value, h.masks[0]);
      to[4 * x + 3] = MaskedChannel(value, h.masks[3]);
    }
  }
  return out;
}

void EncodeBmp(TStream& stream, const BmpPixels& pixels) {
  bool bitfields = pixels.BitsPerPixel == 16 && pixels.Rgb565;
  Cardinal colorBytes = static_cast<Cardinal>(pixels.Colors.size() * 4);
  Cardinal offBits = 14 + 40 + (bitfields ? 12 : 0) + colorBytes;
  Cardinal imageSize = static_cast<Cardinal>(pixels.Stride) * static_cast<Cardinal>(pixels.Height);
  std::vector<Byte> head(offBits);
  Byte* p = head.data();
  *p++ = 'B';
  *p++ = 'M';
  PutLong(p, offBits + imageSize);
  PutLong(p, 0);
  PutLong(p, offBits);
  PutLong(p, 40);
  PutLong(p, static_cast<Cardinal>(pixels.Width));
  PutLong(p, static_cast<Cardinal>(pixels.Height));
  PutWord(p, 1);
  PutWord(p, static_cast<Word>(pixels.BitsPerPixel));
  PutLong(p, bitfields ? BI_BITFIELDS : BI_RGB);
  PutLong(p, imageSize);
  PutLong(p, 0);
  PutLong(p, 0);
  PutLong(p, static_cast<Cardinal>(pixels.Colors.size()));
  PutLong(p, 0);
  if (bitfields) {
    PutLong(p, 0xF800);
    PutLong(p, 0x07E0);
    PutLong(p, 0x001F);
  }
  for (const RGBQUAD& c : pixels.Colors) {
    *p++ = c.rgbBlue;
    *p++ = c.rgbGreen;
    *p++ = c.rgbRed;
    *p++ = 0;
  }
  stream.WriteBuffer(head.data(), static_cast<Int64>(head.size()));
  stream.WriteBuffer(pixels.Rows.data(), static_cast<Int64>(imageSize));
}
