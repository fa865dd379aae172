#include "tests/imaging/PngFixtures.h"

#include <zlib.h>

#include <cstring>

#include "imaging/png/Crc.h"

namespace pngtest {

Bytes Text(const char* text) { return Bytes(text, text + std::strlen(text)); }

Bytes BE32(std::uint32_t v) {
  return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

Bytes IhdrData(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace, int compression,
               int filter) {
  Bytes d = BE32(width);
  const Bytes h = BE32(height);
  d.insert(d.end(), h.begin(), h.end());
  d.push_back(std::uint8_t(depth));
  d.push_back(std::uint8_t(colorType));
  d.push_back(std::uint8_t(compression));
  d.push_back(std::uint8_t(filter));
  d.push_back(std::uint8_t(interlace));
  return d;
}

Bytes Compress(const Bytes& raw) {
  uLongf size = compressBound(uLong(raw.size()));
  Bytes out(size);
  compress2(out.data(), &size, raw.data(), uLong(raw.size()), 6);
  out.resize(size);
  return out;
}

PngBuilder::PngBuilder() : data_{0x89, 'P', 'N', 'G', 13, 10, 26, 10} {}

PngBuilder& PngBuilder::Raw(const Bytes& bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  return *this;
}

PngBuilder& PngBuilder::Chunk(const char* name, const Bytes& data) {
  Raw(BE32(std::uint32_t(data.size())));
  data_.insert(data_.end(), name, name + 4);
  Raw(data);
  return Raw(BE32(png::ChunkCrc(name, data.data(), data.size())));
}

PngBuilder& PngBuilder::BadCrcChunk(const char* name, const Bytes& data) {
  Raw(BE32(std::uint32_t(data.size())));
  data_.insert(data_.end(), name, name + 4);
  Raw(data);
  return Raw(BE32(png::ChunkCrc(name, data.data(), data.size()) + 1));
}

PngBuilder& PngBuilder::Idat(const Bytes& compressed, const std::vector<std::size_t>& cuts) {
  std::size_t at = 0;
  for (std::size_t cut : cuts) {
    Chunk("IDAT", Bytes(compressed.begin() + at, compressed.begin() + at + cut));
    at += cut;
  }
  return Chunk("IDAT", Bytes(compressed.begin() + at, compressed.end()));
}

int Channels(int colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

std::uint32_t Sample(std::uint32_t x, std::uint32_t y, int c, int depth) {
  const std::uint32_t v = x * 7 + y * 13 + std::uint32_t(c) * 29 + x * y * 3;
  if (depth == 16) return ((v * 37) & 0xFFFF) ^ 0x5A3C;
  return v % (1u << depth);
}

std::uint32_t PaletteColor(int i) {
  return (std::uint32_t((i * 53) & 255) << 16) | (std::uint32_t((i * 101 + 7) & 255) << 8) | std::uint32_t((i * 29 + 3) & 255);
}

Bytes PlteData(int entries) {
  Bytes d;
  for (int i = 0; i < entries; ++i) {
    const std::uint32_t c = PaletteColor(i);
    d.push_back(std::uint8_t(c >> 16));
    d.push_back(std::uint8_t(c >> 8));
    d.push_back(std::uint8_t(c));
  }
  return d;
}

namespace {

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

// One unfiltered row of `pixels` pixels at columns start + k * step of image row y.
Bytes PackRow(std::uint32_t y, std::uint32_t start, std::uint32_t step, std::uint32_t pixels, int depth,
              int colorType) {
  const int channels = Channels(colorType);
  Bytes row;
  if (depth < 8) {
    row.assign((pixels * depth + 7) / 8, 0);
    for (std::uint32_t k = 0; k < pixels; ++k) {
      const std::uint32_t bit = k * depth;
      row[bit / 8] |= std::uint8_t(Sample(start + k * step, y, 0, depth) << (8 - depth - bit % 8));
    }
    return row;
  }
  for (std::uint32_t k = 0; k < pixels; ++k)
    for (int c = 0; c < channels; ++c) {
      const std::uint32_t s = Sample(start + k * step, y, c, depth);
      if (depth == 16) row.push_back(std::uint8_t(s >> 8));
      row.push_back(std::uint8_t(s));
    }
  return row;
}

void AppendFiltered(Bytes& out, const Bytes& row, const Bytes& previous, int type, int bpp) {
  out.push_back(std::uint8_t(type));
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int a = i >= std::size_t(bpp) ? row[i - bpp] : 0;
    const int b = previous[i];
    const int c = i >= std::size_t(bpp) ? previous[i - bpp] : 0;
    int predictor = 0;
    switch (type) {
      case 1: predictor = a; break;
      case 2: predictor = b; break;
      case 3: predictor = (a + b) / 2; break;
      case 4: predictor = Paeth(a, b, c); break;
      default: break;
    }
    out.push_back(std::uint8_t(row[i] - predictor));
  }
}

}  // namespace

Bytes RawImageData(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace,
                   int firstFilter) {
  const int bitsPerPixel = depth * Channels(colorType);
  const int bpp = bitsPerPixel < 8 ? 1 : bitsPerPixel / 8;
  struct Pass { std::uint32_t row, column, rowStep, columnStep; };
  const Pass whole[1] = {{0, 0, 1, 1}};
  const Pass adam7[7] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4}, {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};
  const Pass* passes = interlace ? adam7 : whole;
  const int passCount = interlace ? 7 : 1;
  Bytes out;
  int filter = firstFilter;
  for (int p = 0; p < passCount; ++p) {
    const Pass& pass = passes[p];
    const std::uint32_t pixels = width > pass.column ? (width - pass.column + pass.columnStep - 1) / pass.columnStep : 0;
    if (pixels == 0) continue;
    Bytes previous;
    for (std::uint32_t y = pass.row; y < height; y += pass.rowStep) {
      const Bytes row = PackRow(y, pass.column, pass.columnStep, pixels, depth, colorType);
      if (previous.empty()) previous.assign(row.size(), 0);
      AppendFiltered(out, row, previous, filter, bpp);
      filter = (filter + 1) % 5;
      previous = row;
    }
  }
  return out;
}

Bytes SamplePicture(std::uint32_t width, std::uint32_t height, int depth, int colorType, int interlace,
                    const std::vector<std::size_t>& idatCuts) {
  PngBuilder png;
  png.Ihdr(width, height, depth, colorType, interlace);
  if (colorType == 3) png.Chunk("PLTE", PlteData(1 << depth));
  png.Idat(Compress(RawImageData(width, height, depth, colorType, interlace)), idatCuts);
  return png.End().Data();
}

void Fill(TMemoryStream& stream, const Bytes& bytes) {
  stream.Clear();
  stream.WriteBuffer(bytes.data(), Int64(bytes.size()));
  stream.SetPosition(0);
}

std::vector<Format> AllFormats() {
  const std::pair<int, std::vector<int>> pairs[] = {
      {0, {1, 2, 4, 8, 16}}, {3, {1, 2, 4, 8}}, {2, {8, 16}}, {4, {8, 16}}, {6, {8, 16}}};
  std::vector<Format> formats;
  for (const auto& [type, depths] : pairs)
    for (int depth : depths)
      for (int interlace : {0, 1}) formats.push_back({type, depth, interlace});
  return formats;
}

TColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return TColor(r | (g << 8) | (b << 16)); }

TColor Expected(const Format& f, std::uint32_t x, std::uint32_t y) {
  auto high = [&](int c) { return f.depth == 16 ? Sample(x, y, c, 16) >> 8 : Sample(x, y, c, f.depth); };
  switch (f.colorType) {
    case 0:
    case 4: {
      std::uint32_t v = high(0);
      if (f.depth < 8) v = v * 255 / ((1u << f.depth) - 1);
      return Rgb(v, v, v);
    }
    case 3: {
      const std::uint32_t c = PaletteColor(int(Sample(x, y, 0, f.depth)));
      return Rgb(c >> 16, (c >> 8) & 255, c & 255);
    }
    default: return Rgb(high(0), high(1), high(2));
  }
}

}  // namespace pngtest
