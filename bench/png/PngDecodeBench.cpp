// Decoding speed of the PNG picture class beside a bare inflate of the same image
// data, the floor no PNG decoder can beat: a 1024 x 768 RGBA and a palette picture.
#include <zlib.h>

#include <chrono>
#include <cstring>
#include <cstdio>
#include <vector>

#include "imaging/pngimage.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

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

void Run(const char* name, int colorType) {
  TMemoryStream file;
  std::vector<Byte> idat;
  std::size_t rawBytes = 0;
  MakePicture(colorType, file, idat, rawBytes);
  const int rounds = 5;

  std::vector<Byte> inflated(rawBytes + 768 * 2);
  auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    uLongf size = uLongf(inflated.size());
    uncompress(inflated.data(), &size, idat.data(), uLong(idat.size()));
  }
  const double bare = Seconds(start) / rounds;

  start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    TPNGObject png;
    file.SetPosition(0);
    png.LoadFromStream(file);
  }
  const double codec = Seconds(start) / rounds;
  const double mb = rawBytes / 1e6;
  std::printf("%-8s inflate %7.1f MB/s   TPNGObject %7.1f MB/s   ratio %.2f\n", name, mb / bare, mb / codec,
              codec / bare);
}

}  // namespace

int main() {
  Run("RGBA", 6);
  Run("palette", 3);
  return 0;
}
