// Times the sampling side of the bitmap library in one process, so the ratios
// hold on a noisy machine: the regular and the multithreaded rasterizer drawing a
// 1024 x 768 affine rotation through the linear resampler, beside StretchTransfer
// of the same size with the same resampler; and a 4 x 4 super-sampler beside the
// plain sampler it wraps. Goal: the multithreaded rasterizer at least half the
// processor count faster than the regular one.
#include <cstdio>
#include <functional>

#include "bench/BenchSupport.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Rasterizers.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_Samplers.h"
#include "imaging/GR32_Transforms.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

void Fill(TBitmap32& b, int w, int h) {
  b.SetSize(w, h);
  unsigned seed = 12345;
  for (int i = 0; i < w * h; ++i) {
    seed = seed * 1103515245u + 12345u;
    b.Bits()[i] = seed | 0xFF000000u;
  }
}

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job, 0.5); }

void Row(const char* what, double seconds, const char* against, double otherSeconds) {
  std::printf("%-46s %8.2f ms  %6.1f Mpixel/s", what, seconds * 1e3, kWidth * double(kHeight) / seconds / 1e6);
  if (against) std::printf("   %5.2fx the time of %s", seconds / otherSeconds, against);
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace

int main() {
  TBitmap32 src, dst;
  Fill(src, kWidth, kHeight);
  dst.SetSize(kWidth, kHeight);
  new TLinearResampler(&src);  // the bitmap owns it

  TAffineTransformation rotation;
  rotation.SetSrcRect(FloatRect(0, 0, kWidth, kHeight));
  rotation.Rotate(kWidth / 2.0f, kHeight / 2.0f, 17);
  TRegularRasterizer regular;
  TMultithreadedRegularRasterizer threaded;

  const double stretch = Time([&] {
    StretchTransfer(&dst, dst.BoundsRect(), dst.BoundsRect(), &src, TRect{0, 0, kWidth - 1, kHeight - 1},
                    src.Resampler(), dmOpaque);
  });
  const double one = Time([&] { Transform(&dst, &src, &rotation, &regular); });
  const double many = Time([&] { Transform(&dst, &src, &rotation, &threaded); });
  const Integer processors = NumberOfProcessors;
  for (Integer n : {1, 2, 4}) {
    NumberOfProcessors = n;
    std::printf("  %d worker threads: %.2f ms\n", n, Time([&] { Transform(&dst, &src, &rotation, &threaded); }) * 1e3);
  }
  NumberOfProcessors = processors;

  TSuperSampler super(src.Resampler());
  const auto through = [&](TCustomSampler* sampler) {
    regular.SetSampler(sampler);
    regular.Rasterize(&dst);
    regular.SetSampler(nullptr);
  };
  const double plain = Time([&] { through(src.Resampler()); });
  const double superSampled = Time([&] { through(&super); });

  std::printf("sampling, %d x %d, %d processors\n", kWidth, kHeight, NumberOfProcessors);
  Row("StretchTransfer, linear resampler", stretch, nullptr, 0);
  Row("rotation, regular rasterizer", one, "StretchTransfer", stretch);
  Row("rotation, multithreaded rasterizer", many, "the regular one", one);
  Row("plain linear sampler, regular rasterizer", plain, nullptr, 0);
  Row("4 x 4 super-sampler around it", superSampled, "the plain sampler", plain);
  const double speedUp = one / many, goal = NumberOfProcessors / 2.0;
  std::printf("multithreaded speed-up %.2f (goal at least %.1f): %s\n", speedUp, goal,
              speedUp >= goal ? "met" : "not met");
  bench::ReportFloor("rasterize_multithreaded", many, one);
  bench::ReportFloor("supersample_4x4", superSampled, plain);
  return 0;
}
