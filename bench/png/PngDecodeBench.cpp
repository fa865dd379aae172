// Decoding speed of both PNG picture classes beside a bare inflate of the same image
// data, the floor no PNG decoder can beat: a 1024 x 768 RGBA and a palette picture.
// Each time is the median of several rounds.
#include <zlib.h>

#include <cstring>
#include <cstdio>
#include <vector>

#include "bench/BenchSupport.h"
#include "imaging/pngimage.h"
#include "imaging/sppngimage.h"

namespace {

// A picture with smooth gradients and some noise, saved by the codec itself.
void MakePicture(int colorType, TMemoryStream& out, std::vector<Byte>& idat, std::size_t& rawBytes) {
  TPNGObject png(colorType, 8, 1024, 768);
  std::uint32_t seed = 7;
  for (int y = 0; y < 768; ++y) {
    Byte* row = png.Scanline(y);
    const int bytes = colorType == 3 ? 1024 : 1024 * 3;
    for (int x = 0; x < bytes; ++x) {
      seed = seed * 1103515245u + 12345u;
      row[x] = Byte((x + y) / 4 + ((seed >> 16) & 7));
    }
    if (Byte* alpha = png.AlphaScanline(y))
      for (int x = 0; x < 1024; ++x) alpha[x] = Byte(x ^ y);
  }
  png.SaveToStream(out);
  rawBytes = std::size_t(1024) * 768 * (colorType == 6 ? 4 : 1);
  // Gather the IDAT payloads for the bare inflate.
  const Byte* d = out.Memory();
  for (Int64 at = 8; at + 8 <= out.Size();) {
    const std::uint32_t length = (std::uint32_t(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
    if (std::memcmp(d + at + 4, "IDAT", 4) == 0) idat.insert(idat.end(), d + at + 8, d + at + 8 + length);
    at += 12 + length;
  }
}

template <class Picture>
double LoadSeconds(TMemoryStream& file, int rounds) {
  return bench::MedianSeconds(rounds, [&] {
    Picture png;
    file.SetPosition(0);
    png.LoadFromStream(file);
  });
}

void Run(const char* name, int colorType) {
  TMemoryStream file;
  std::vector<Byte> idat;
  std::size_t rawBytes = 0;
  MakePicture(colorType, file, idat, rawBytes);
  const int rounds = 9;

  std::vector<Byte> inflated(rawBytes + 768 * 2);
  const double bare = bench::MedianSeconds(rounds, [&] {
    uLongf size = uLongf(inflated.size());
    uncompress(inflated.data(), &size, idat.data(), uLong(idat.size()));
  });
  const double object = LoadSeconds<TPNGObject>(file, rounds);
  const double image = LoadSeconds<TspPngImage>(file, rounds);
  // The part no decoder avoids: a new picture's memory, first touched (costly under Wine).
  const double blank = bench::MedianSeconds(rounds, [&] { TPNGObject png(colorType, 8, 1024, 768); });
  const double mb = rawBytes / 1e6;
  std::printf("%-8s inflate %7.1f MB/s   TPNGObject %7.1f MB/s (%.2fx)   TspPngImage %7.1f MB/s (%.2fx)\n", name,
              mb / bare, mb / object, object / bare, mb / image, image / bare);
  std::printf("         of which making a blank picture of that size: %.1f ms (%.2fx the inflate)\n", blank * 1e3,
              blank / bare);
  bench::ReportFloor((std::string("png_") + name + "_TPNGObject").c_str(), object, bare);
  bench::ReportFloor((std::string("png_") + name + "_TspPngImage").c_str(), image, bare);
}

}  // namespace

int main() {
  Run("RGBA", 6);
  Run("palette", 3);
  return 0;
}
