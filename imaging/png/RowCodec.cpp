#include "imaging/png/RowCodec.h"

#include <cstring>

namespace png {

namespace {

// Packed samples of `depth` bits: sample k of a row, first pixel in the highest bits.
inline unsigned PackedSample(const std::uint8_t* row, std::uint32_t k, unsigned depth) {
  const std::uint32_t bit = k * depth;
  return (row[bit >> 3] >> (8 - depth - (bit & 7))) & ((1u << depth) - 1);
}
inline void OrPackedSample(std::uint8_t* row, std::uint32_t x, unsigned depth, unsigned value) {
  const std::uint32_t bit = x * depth;
  row[bit >> 3] |= std::uint8_t(value << (8 - depth - (bit & 7)));
}

template <unsigned Depth>
void DecodePacked(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  if (to.step == 1 && to.start == 0) {
    std::memcpy(to.bits, src, (std::uint64_t(to.count) * Depth + 7) / 8);
    return;
  }
  for (std::uint32_t k = 0; k < to.count; ++k)
    OrPackedSample(to.bits, to.start + k * to.step, Depth, PackedSample(src, k, Depth));
}

template <unsigned Scale>
void Decode2Bit(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < to.count; ++k) {
    const std::uint32_t x = to.start + k * to.step;
    const unsigned v = PackedSample(src, k, 2) * Scale;
    std::uint8_t& b = to.bits[x >> 1];
    b = (x & 1) ? std::uint8_t((b & 0xF0) | v) : std::uint8_t((b & 0x0F) | (v << 4));
  }
}

void DecodeGray16(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < to.count; ++k) {
    const std::uint32_t x = to.start + k * to.step;
    to.bits[x] = src[2 * k];
    to.extra[x] = src[2 * k + 1];
  }
}

void DecodeRgb8(const std::uint8_t* src, const RowTarget& to, const std::uint8_t* g) {
  std::uint8_t* d = to.bits + 3 * to.start;
  const std::uint32_t step = 3 * to.step;
  for (std::uint32_t k = 0; k < to.count; ++k, src += 3, d += step) {
    d[0] = g[src[2]];
    d[1] = g[src[1]];
    d[2] = g[src[0]];
  }
}

void DecodeRgb16(const std::uint8_t* src, const RowTarget& to, const std::uint8_t* g) {
  for (std::uint32_t k = 0; k < to.count; ++k, src += 6) {
    const std::uint32_t x = 3 * (to.start + k * to.step);
    for (int c = 0; c < 3; ++c) {
      to.bits[x + c] = g[src[4 - 2 * c]];
      to.extra[x + c] = g[src[5 - 2 * c]];
    }
  }
}

void DecodeGrayAlpha8(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < to.count; ++k, src += 2) {
    const std::uint32_t x = to.start + k * to.step;
    to.bits[x] = src[0];
    to.alpha[x] = src[1];
  }
}

void DecodeGrayAlpha16(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < to.count; ++k, src += 4) {
    const std::uint32_t x = to.start + k * to.step;
    to.bits[x] = src[0];
    to.extra[x] = src[1];
    to.alpha[x] = src[2];
  }
}

void DecodeRgba8(const std::uint8_t* src, const RowTarget& to, const std::uint8_t* g) {
  std::uint8_t* d = to.bits + 3 * to.start;
  std::uint8_t* a = to.alpha + to.start;
  const std::uint32_t step = 3 * to.step;
  for (std::uint32_t k = 0; k < to.count; ++k, src += 4, d += step, a += to.step) {
    d[0] = g[src[2]];
    d[1] = g[src[1]];
    d[2] = g[src[0]];
    *a = src[3];
  }
}

void DecodeRgba16(const std::uint8_t* src, const RowTarget& to, const std::uint8_t* g) {
  for (std::uint32_t k = 0; k < to.count; ++k, src += 8) {
    const std::uint32_t x = to.start + k * to.step;
    for (int c = 0; c < 3; ++c) {
      to.bits[3 * x + c] = g[src[4 - 2 * c]];
      to.extra[3 * x + c] = g[src[5 - 2 * c]];
    }
    to.alpha[x] = src[6];
  }
}

// Identity gamma: the samples move as they are, blue first.
void DecodeRgb8Direct(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  std::uint8_t* d = to.bits + 3 * to.start;
  const std::uint32_t step = 3 * to.step;
  for (std::uint32_t k = 0; k < to.count; ++k, src += 3, d += step) {
    const std::uint8_t r = src[0], g = src[1], b = src[2];
    d[0] = b;
    d[1] = g;
    d[2] = r;
  }
}

void DecodeRgba8Direct(const std::uint8_t* src, const RowTarget& to, const std::uint8_t*) {
  std::uint8_t* d = to.bits + 3 * to.start;
  std::uint8_t* a = to.alpha + to.start;
  std::uint32_t k = 0;
  if (to.step == 1) {
    // One load per pixel: R G B A (little-endian) byte-swapped is A B G R, and
    // shifted B G R 0. The fourth byte lands on the next pixel, written after it,
    // so the last pixel goes byte by byte below.
    for (; k + 1 < to.count; ++k, src += 4, d += 3) {
      std::uint32_t v;
      std::memcpy(&v, src, 4);
      a[k] = std::uint8_t(v >> 24);
      v = __builtin_bswap32(v) >> 8;
      std::memcpy(d, &v, 4);
    }
  }
  const std::uint32_t step = 3 * to.step;
  for (; k < to.count; ++k, src += 4, d += step) {
    const std::uint8_t r = src[0], g = src[1], b = src[2];
    d[0] = b;
    d[1] = g;
    d[2] = r;
    a[k * to.step] = src[3];
  }
}

bool fastRowDecode = true;

bool IsIdentity(const std::uint8_t* gamma) {
  for (unsigned i = 0; i < 256; ++i)
    if (gamma[i] != i) return false;
  return true;
}

template <unsigned Depth>
void EncodePacked(std::uint8_t* dst, const RowTarget& from, const std::uint8_t*) {
  const std::uint32_t bytes = std::uint32_t((std::uint64_t(from.count) * Depth + 7) / 8);
  if (from.step == 1 && from.start == 0) {
    std::memcpy(dst, from.bits, bytes);
    return;
  }
  std::memset(dst, 0, bytes);
  for (std::uint32_t k = 0; k < from.count; ++k)
    OrPackedSample(dst, k, Depth, PackedSample(from.bits, from.start + k * from.step, Depth));
}

void EncodeGray16(std::uint8_t* dst, const RowTarget& from, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < from.count; ++k) {
    const std::uint32_t x = from.start + k * from.step;
    dst[2 * k] = from.bits[x];
    dst[2 * k + 1] = from.extra ? from.extra[x] : 0;
  }
}

void EncodeRgb8(std::uint8_t* dst, const RowTarget& from, const std::uint8_t* inv) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 3) {
    const std::uint8_t* s = from.bits + 3 * (from.start + k * from.step);
    dst[0] = inv[s[2]];
    dst[1] = inv[s[1]];
    dst[2] = inv[s[0]];
  }
}

void EncodeRgb16(std::uint8_t* dst, const RowTarget& from, const std::uint8_t* inv) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 6) {
    const std::uint32_t x = 3 * (from.start + k * from.step);
    for (int c = 0; c < 3; ++c) {
      dst[2 * c] = inv[from.bits[x + 2 - c]];
      dst[2 * c + 1] = from.extra ? inv[from.extra[x + 2 - c]] : 0;
    }
  }
}

void EncodeGrayAlpha8(std::uint8_t* dst, const RowTarget& from, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 2) {
    const std::uint32_t x = from.start + k * from.step;
    dst[0] = from.bits[x];
    dst[1] = from.alpha ? from.alpha[x] : 255;
  }
}

void EncodeGrayAlpha16(std::uint8_t* dst, const RowTarget& from, const std::uint8_t*) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 4) {
    const std::uint32_t x = from.start + k * from.step;
    const std::uint8_t a = from.alpha ? from.alpha[x] : 255;
    dst[0] = from.bits[x];
    dst[1] = from.extra ? from.extra[x] : 0;
    dst[2] = a;
    dst[3] = a;  // the plane keeps 8 bits; a is written as a * 257
  }
}

void EncodeRgba8(std::uint8_t* dst, const RowTarget& from, const std::uint8_t* inv) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 4) {
    const std::uint32_t x = from.start + k * from.step;
    const std::uint8_t* s = from.bits + 3 * x;
    dst[0] = inv[s[2]];
    dst[1] = inv[s[1]];
    dst[2] = inv[s[0]];
    dst[3] = from.alpha ? from.alpha[x] : 255;
  }
}

void EncodeRgba16(std::uint8_t* dst, const RowTarget& from, const std::uint8_t* inv) {
  for (std::uint32_t k = 0; k < from.count; ++k, dst += 8) {
    const std::uint32_t x = from.start + k * from.step;
    for (int c = 0; c < 3; ++c) {
      dst[2 * c] = inv[from.bits[3 * x + 2 - c]];
      dst[2 * c + 1] = from.extra ? inv[from.extra[3 * x + 2 - c]] : 0;
    }
    const std::uint8_t a = from.alpha ? from.alpha[x] : 255;
    dst[6] = a;
    dst[7] = a;
  }
}

}  // namespace

RowDecoder DecoderFor(std::uint8_t colorType, std::uint8_t bitDepth) {
  if (!IsValidPair(colorType, bitDepth)) return nullptr;
  switch (colorType) {
    case kGray:
    case kPalette:
      switch (bitDepth) {
        case 1: return DecodePacked<1>;
        case 2: return colorType == kGray ? Decode2Bit<5> : Decode2Bit<1>;
        case 4: return DecodePacked<4>;
        case 8: return DecodePacked<8>;
        default: return DecodeGray16;
      }
    case kRgb: return bitDepth == 8 ? DecodeRgb8 : DecodeRgb16;
    case kGrayAlpha: return bitDepth == 8 ? DecodeGrayAlpha8 : DecodeGrayAlpha16;
    default: return bitDepth == 8 ? DecodeRgba8 : DecodeRgba16;
  }
}

RowDecoder DecoderFor(std::uint8_t colorType, std::uint8_t bitDepth, const std::uint8_t* gamma) {
  if (fastRowDecode && bitDepth == 8 && (colorType == kRgb || colorType == kRgbAlpha) && IsIdentity(gamma))
    return colorType == kRgb ? DecodeRgb8Direct : DecodeRgba8Direct;
  return DecoderFor(colorType, bitDepth);
}

void SetFastRowDecode(bool enabled) { fastRowDecode = enabled; }

RowEncoder EncoderFor(std::uint8_t colorType, std::uint8_t bitDepth) {
  if (!IsValidPair(colorType, bitDepth)) return nullptr;
  switch (colorType) {
    case kGray:
    case kPalette:
      switch (bitDepth) {
        case 1: return EncodePacked<1>;
        case 2:
        case 4: return EncodePacked<4>;
        case 8: return EncodePacked<8>;
        default: return EncodeGray16;
      }
    case kRgb: return bitDepth == 8 ? EncodeRgb8 : EncodeRgb16;
    case kGrayAlpha: return bitDepth == 8 ? EncodeGrayAlpha8 : EncodeGrayAlpha16;
    default: return bitDepth == 8 ? EncodeRgba8 : EncodeRgba16;
  }
}

}  // namespace png
